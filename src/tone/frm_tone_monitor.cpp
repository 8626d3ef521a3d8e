// SPDX-License-Identifier: GPL-3.0-or-later
#include "tone/frm_tone_monitor.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace tarnwick {
namespace {

QLabel* ValueLabel(const QString& objectName, QWidget* parent) {
  auto* label = new QLabel(parent);
  label->setObjectName(objectName);
  label->setFrameShape(QFrame::Panel);
  label->setFrameShadow(QFrame::Sunken);
  label->setAutoFillBackground(true);
  QPalette colours = label->palette();
  colours.setColor(QPalette::Window, Qt::white);
  label->setPalette(colours);
  label->setMinimumHeight(label->fontMetrics().height() + 4);
  return label;
}

}  // namespace

frmToneMonitor::frmToneMonitor(const NameTables& tables, bool monitorOn, MonitorMidi midi, QWidget* parent)
    : QWidget(parent), tables_(tables), midi_(std::move(midi)), monitorOn_(monitorOn) {
  setObjectName(QStringLiteral("frmTone_3"));
  setAccessibleName(QStringLiteral("Program Change"));
  setAutoFillBackground(true);
  check_ = new QCheckBox(QStringLiteral("Midi IN Program Change"), this);
  check_->setObjectName(QStringLiteral("chk_MidiIn_PC"));
  check_->setToolTip(QStringLiteral("Control if Midi In [Program Changes] are received"));
  check_->setAccessibleName(check_->text());
  check_->setChecked(monitorOn);
  connect(check_, &QCheckBox::clicked, this, [this](bool checked) { monitorOn_ = checked; });

  auto* upTitle = new QLabel(QStringLiteral("User Program Change"), this);
  upTitle->setObjectName(QStringLiteral("lbl_Title_MidiIn_UPC"));
  upLabel_ = ValueLabel(QStringLiteral("lbl_MidiIn_UPC"), this);
  upLabel_->setToolTip(QStringLiteral("User Program Change: Midi.Basic.Channel.RX"));
  upLabel_->setAccessibleDescription(QStringLiteral("User Program Change"));  // the name is the text shown
  upLabel_->setAlignment(Qt::AlignCenter);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(6, 6, 6, 6);
  layout->setSpacing(3);
  layout->addWidget(check_);
  layout->addSpacing(6);
  layout->addWidget(upTitle);
  layout->addWidget(upLabel_);
  layout->addSpacing(6);
  layout->addWidget(buildChannelRows());
  layout->addStretch(1);
}

QWidget* frmToneMonitor::buildChannelRows() {
  auto* host = new QWidget(this);
  auto* grid = new QGridLayout(host);
  grid->setContentsMargins(0, 0, 0, 0);
  grid->setHorizontalSpacing(4);
  grid->setVerticalSpacing(2);
  for (int channel = 0; channel < kMonitorChannelCount; ++channel) {
    auto* title = new QLabel(MonitorChannelTitle(channel), host);
    title->setObjectName(QStringLiteral("lbl_Title_MidiIn_PC_%1").arg(channel));
    QLabel* value = ValueLabel(QStringLiteral("lbl_MidiIn_PC_%1").arg(channel), host);
    value->setAccessibleDescription(MonitorChannelTitle(channel));
    value->setToolTip(MonitorChannelTitle(channel));
    channelLabels_[static_cast<std::size_t>(channel)] = value;
    grid->addWidget(title, channel, 0);
    grid->addWidget(value, channel, 1);
  }
  grid->setColumnStretch(1, 1);
  return host;
}

void frmToneMonitor::ProgramReceived(MidiChannel channel, MidiProgramNumber program) {
  if (!monitorOn_) return;
  const int basicRx = midi_.basicRx ? midi_.basicRx() : -1;
  const int msb = midi_.bankMSB ? midi_.bankMSB(channel) : 0;
  const int lsb = midi_.bankLSB ? midi_.bankLSB(channel) : 0;
  const MonitorUpdate update =
      ProgramChangeShown(tables_, channel.zeroBased(), program.zeroBased(), msb, lsb, basicRx);
  if (update.upLabel) upLabel_->setText(*update.upLabel);
  if (update.channelLabel) channelLabels_[channel.zeroBased()]->setText(*update.channelLabel);
}

void frmToneMonitor::ControlReceived(MidiChannel, std::uint8_t, std::uint8_t) {}

void frmToneMonitor::activate() {
  check_->setEnabled(midi_.inOpen && midi_.inOpen());
  monitorOn_ = check_->isChecked();
}

bool frmToneMonitor::checkBoxValue() const { return check_->isChecked(); }

}  // namespace tarnwick
