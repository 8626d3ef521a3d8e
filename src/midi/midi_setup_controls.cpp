// SPDX-License-Identifier: GPL-3.0-or-later
#include "midi/midi_setup_controls.h"

#include <QCheckBox>
#include <QDialog>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>

#include "midi/double_click_label.h"

namespace tarnwick {
namespace {

struct ChannelText {
  const char* key;  // "Basic_Channel_TX"
  const char* title;
  const char* toolTip;
};

constexpr ChannelText kChannelTexts[4] = {
    {"Basic_Channel_TX", "Midi.Basic.Channel.TX",
     "Used for Send UP, must coincide with the EM-2000: Midi.Basic.Channel.RX"},
    {"Basic_Channel_RX", "Midi.Basic.Channel.RX",
     "Used for Receive, must coincide with the EM-2000: Midi.Basic.Channel.TX"},
    {"Style_Channel_TX", "Midi.Style.Channel.TX",
     "Used for Send Style change, must coincide with the EM-2000: Midi.Style.Channel.RX"},
    {"Style_Channel_RX", "Midi.Style.Channel.RX",
     "Used for Receive, must coincide with the EM-2000: Midi.Style.Channel.TX"},
};

struct PortTexts {
  const char* direction;  // "In" / "Out"
  const char* caption;
  const char* checkToolTip;
};

// One side of the dialog: caption, device list, port box and Properties button.
QGroupBox* BuildPortBox(QDialog& dialog, const PortTexts& texts, QListWidget*& list, QCheckBox*& box,
                        QPushButton*& properties) {
  const QString direction = QString::fromLatin1(texts.direction);
  auto* group = new QGroupBox(&dialog);
  auto* label = new QLabel(QString::fromLatin1(texts.caption), group);
  label->setObjectName(QStringLiteral("lbl_Midi%1Port").arg(direction));
  list = new QListWidget(group);
  list->setObjectName(QStringLiteral("lst%1").arg(direction));
  list->setSelectionMode(QAbstractItemView::SingleSelection);
  list->setMinimumSize(280, 150);
  label->setBuddy(list);
  box = new QCheckBox(QStringLiteral("OFF"), group);
  box->setObjectName(QStringLiteral("chk_Midi%1Port").arg(direction));
  box->setToolTip(QString::fromLatin1(texts.checkToolTip));
  properties = new QPushButton(QStringLiteral("Properties"), group);
  properties->setObjectName(QStringLiteral("cmd_Midi%1DevProperties").arg(direction));
  properties->setToolTip(QStringLiteral("Selected Device Properties"));
  properties->setAutoDefault(false);

  auto* buttons = new QHBoxLayout;
  buttons->addWidget(box);
  buttons->addStretch();
  buttons->addWidget(properties);
  auto* layout = new QVBoxLayout(group);
  layout->addWidget(label);
  layout->addWidget(list, 1);
  layout->addLayout(buttons);
  return group;
}

QGroupBox* BuildChannelBox(QDialog& dialog, std::array<ChannelControls, 4>& channels) {
  auto* group = new QGroupBox(&dialog);
  auto* grid = new QGridLayout(group);
  grid->setColumnStretch(1, 1);
  grid->setHorizontalSpacing(12);
  for (int row = 0; row < 4; ++row) {
    const ChannelText& text = kChannelTexts[row];
    const QString key = QString::fromLatin1(text.key);
    auto* title = new QLabel(QString::fromLatin1(text.title), group);
    title->setObjectName(QStringLiteral("lbl_%1_Title").arg(key));
    title->setToolTip(QString::fromLatin1(text.toolTip));
    auto* bar = new QScrollBar(Qt::Horizontal, group);
    bar->setObjectName(QStringLiteral("HS_%1").arg(key));
    bar->setRange(0, 15);
    bar->setPageStep(1);
    bar->setFocusPolicy(Qt::StrongFocus);
    bar->setToolTip(QString::fromLatin1(text.toolTip));
    bar->setMinimumWidth(220);
    auto* value = new DoubleClickLabel(group);
    value->setObjectName(QStringLiteral("lbl_%1_Value").arg(key));
    value->setToolTip(QStringLiteral("DblClick = Default Value"));
    value->setFrameShape(QFrame::Panel);
    value->setFrameShadow(QFrame::Sunken);
    value->setAlignment(Qt::AlignCenter);
    value->setMinimumWidth(value->fontMetrics().horizontalAdvance(QStringLiteral("000")) + 12);
    title->setBuddy(bar);
    grid->addWidget(title, row, 0);
    grid->addWidget(bar, row, 1);
    grid->addWidget(value, row, 2);
    channels[row] = {bar, value};
  }
  return group;
}

}  // namespace

MidiSetupControls BuildMidiSetupControls(QDialog& dialog) {
  MidiSetupControls controls;
  QGroupBox* inBox = BuildPortBox(dialog, {"In", "Midi In Device:", "Midi In Port  Open/Close"}, controls.lstIn,
                                  controls.chkIn, controls.cmdInProperties);
  QGroupBox* outBox = BuildPortBox(dialog, {"Out", "Midi Out Device:", "Midi Out Port  Open/Close"},
                                   controls.lstOut, controls.chkOut, controls.cmdOutProperties);
  QGroupBox* channelBox = BuildChannelBox(dialog, controls.channels);

  controls.cmdOK = new QPushButton(QStringLiteral("OK"), &dialog);
  controls.cmdOK->setObjectName(QStringLiteral("cmdOK"));
  controls.cmdOK->setDefault(true);
  controls.cmdCancel = new QPushButton(QStringLiteral("Cancel"), &dialog);
  controls.cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
  controls.cmdCancel->setAutoDefault(false);

  auto* ports = new QHBoxLayout;
  ports->addWidget(inBox, 1);
  ports->addWidget(outBox, 1);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(controls.cmdOK);
  buttons->addWidget(controls.cmdCancel);
  auto* layout = new QVBoxLayout(&dialog);
  layout->addLayout(ports, 1);
  layout->addWidget(channelBox);
  layout->addLayout(buttons);
  return controls;
}

}  // namespace tarnwick
