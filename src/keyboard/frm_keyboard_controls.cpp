// SPDX-License-Identifier: GPL-3.0-or-later
// Building the keyboard view's controls: names, captions, tool tips and accessible names.
#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>

#include "state/app_state.h"
#include "keyboard/frm_keyboard.h"
#include "keyboard/keyboard_picture.h"
#include "keyboard/keyboard_texts.h"
#include "keyboard/rom_style_list.h"
#include "midi/selection_messages.h"
#include "ui/focus_park.h"
#include "ui/twips.h"

namespace tarnwick {
namespace {

QString Latin1(std::string_view text) { return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size())); }

// Screen readers read the caption, or the tool tip where there is no caption.
void Name(QWidget* widget, const QString& objectName, const QString& tip = {}) {
  widget->setObjectName(objectName);
  if (!tip.isEmpty()) widget->setToolTip(tip);
  if (auto* button = qobject_cast<QAbstractButton*>(widget); button != nullptr && !button->text().isEmpty()) {
    widget->setAccessibleName(button->text().trimmed());
  } else if (!tip.isEmpty()) {
    widget->setAccessibleName(tip);
  }
}

QLabel* AddLabel(QWidget* parent, QLayout* layout, const QString& name, const QString& text) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(name);
  layout->addWidget(label);
  return label;
}

}  // namespace

void frmKeyboard::buildControls() {
  // Where the focus rests after picture buttons; a screen reader names the view there.
  CreateDummyButton(this, QStringLiteral("Keyboard view"));
  auto* page = new QVBoxLayout(this);
  // The keyboard is centred in the view; where it is wider than the view, it scrolls, so that
  // every key can be reached at every width.
  auto* scroller = new QScrollArea(this);
  scroller->setObjectName(QStringLiteral("scr_Keyboard"));
  scroller->setFrameShape(QFrame::NoFrame);
  scroller->setWidgetResizable(true);
  scroller->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  scroller->setMinimumWidth(TwipsToPixels(kKeyboardAreaWidth));
  pictureArea_ = new QWidget(scroller);
  pictureArea_->setObjectName(QStringLiteral("pic_KeyboardArea"));
  auto* centring = new QHBoxLayout(pictureArea_);
  centring->setContentsMargins(0, 0, 0, 0);
  picture_ = new KeyboardPicture(keys_, pictureArea_);
  centring->addWidget(picture_, 0, Qt::AlignHCenter | Qt::AlignTop);
  scroller->setWidget(pictureArea_);
  scroller->setFixedHeight(picture_->height() + scroller->horizontalScrollBar()->sizeHint().height());
  connect(picture_, &KeyboardPicture::keyPressed, this, &frmKeyboard::onKeyPressed);
  connect(picture_, &KeyboardPicture::buttonReleased, this, &frmKeyboard::onButtonReleased);
  connect(picture_, &KeyboardPicture::framePainted, this, &frmKeyboard::updateReadouts);
  page->addWidget(scroller);
  page->addWidget(buildReadouts());

  auto* columns = new QHBoxLayout;
  columns->addWidget(buildChannelFrame(), 0, Qt::AlignTop);
  auto* middle = new QVBoxLayout;
  middle->addWidget(buildPartFrame());
  middle->addWidget(buildArrangerFrame());
  middle->addWidget(buildSendRow());
  middle->addWidget(buildOptionsRow());
  middle->addStretch(1);
  columns->addLayout(middle);
  romStyles_ = new RomStyleList(state_.names.styles, this);
  connect(romStyles_, &RomStyleList::styleSelected, this, &frmKeyboard::onStyleSelected);
  columns->addWidget(romStyles_, 0, Qt::AlignTop);
  columns->addStretch(1);
  page->addLayout(columns, 1);
}

QWidget* frmKeyboard::buildReadouts() {
  auto* row = new QWidget(this);
  auto* layout = new QHBoxLayout(row);
  layout->setContentsMargins(0, 0, 0, 0);
  AddLabel(row, layout, QStringLiteral("lbl_Note"), QStringLiteral("Note"));
  noteValue_ = AddLabel(row, layout, QStringLiteral("lbl_Note_Value"), {});
  noteName_ = AddLabel(row, layout, QStringLiteral("lbl_Note_Name"), {});
  AddLabel(row, layout, QStringLiteral("lbl_Velo"), QStringLiteral("Velocity"));
  veloValue_ = AddLabel(row, layout, QStringLiteral("lbl_Velo_Value"), {});
  for (QLabel* value : {noteValue_, noteName_, veloValue_}) {
    value->setMinimumWidth(40);
    value->setFrameShape(QFrame::Panel);
    value->setFrameShadow(QFrame::Sunken);
  }
  layout->addSpacing(20);
  keyboardToMidiOutBox_ = new QCheckBox(QStringLiteral("Keyboard  -> Midi Out"), row);
  Name(keyboardToMidiOutBox_, QStringLiteral("chk_Keyboard_To_MidiOut"),
       QStringLiteral("Control if the Mouse Clicks on Keyboard are send to Midi Out Device"));
  connect(keyboardToMidiOutBox_, &QCheckBox::clicked, this, &frmKeyboard::onKeyboardToMidiOutClicked);
  layout->addWidget(keyboardToMidiOutBox_);
  auto* allOff = new QPushButton(QStringLiteral("All Sound Off"), row);
  Name(allOff, QStringLiteral("cmd_AllNotesOff"), QStringLiteral("Send [All Sound Off] to the selected Midi Out Channel"));
  connect(allOff, &QPushButton::clicked, this, &frmKeyboard::onAllSoundOff);
  layout->addWidget(allOff);
  layout->addStretch(1);
  return row;
}

QGroupBox* frmKeyboard::buildOptionFrame(const char* name, const QString& title, const QStringList& captions,
                                         const QStringList& tips, const QList<int>& ids, int checked,
                                         void (frmKeyboard::*onClick)(int)) {
  auto* frame = new QGroupBox(title, this);
  frame->setObjectName(QString::fromLatin1("fra_%1").arg(QLatin1String(name)));
  frame->setAccessibleName(title.trimmed());
  auto* layout = new QVBoxLayout(frame);
  auto* group = new QButtonGroup(frame);
  for (qsizetype i = 0; i < ids.size(); ++i) {
    auto* option = new QRadioButton(captions.value(i), frame);
    Name(option, QString::fromLatin1("opt_%1_%2").arg(QLatin1String(name)).arg(ids[i]), tips.value(i));
    option->setChecked(ids[i] == checked);
    group->addButton(option, ids[i]);
    layout->addWidget(option);
  }
  connect(group, &QButtonGroup::idClicked, this, onClick);
  return frame;
}

QWidget* frmKeyboard::buildChannelFrame() {
  QStringList captions;
  QStringList tips;
  QList<int> ids;
  for (std::size_t i = 0; i < kChannelOptions.size(); ++i) {
    captions << QString::fromLatin1(kChannelOptions[i].caption);
    tips << QString::fromLatin1(kChannelOptions[i].tip);
    ids << static_cast<int>(i);
  }
  QGroupBox* frame = buildOptionFrame("Channel", QStringLiteral("Midi Channel"), captions, tips, ids, curChannel_,
                                      &frmKeyboard::onChannelClicked);
  frame->layout()->setSpacing(0);
  return frame;
}

QWidget* frmKeyboard::buildPartFrame() {
  partFrame_ = new QGroupBox(QStringLiteral("Part ON/OFF Status   "), this);
  partFrame_->setObjectName(QStringLiteral("fra_PartStatus"));
  partFrame_->setAccessibleName(QStringLiteral("Part ON/OFF Status"));
  auto* grid = new QGridLayout(partFrame_);
  for (std::size_t i = 0; i < kPartSwitches.size(); ++i) {
    const PartSwitch& part = kPartSwitches[i];
    // Indexed by the part number the box switches.
    auto* box = new QCheckBox(Latin1(part.caption), partFrame_);
    Name(box, QStringLiteral("chk_Part_ON_%1").arg(part.number), QStringLiteral("Send Part ON/OFF to Midi Out"));
    const int index = static_cast<int>(i);
    connect(box, &QCheckBox::clicked, this, [this, index](bool on) { onPartSwitchClicked(index, on); });
    grid->addWidget(box, index % 4, index / 4);
  }
  partOffLabel_ = new QLabel(QString::fromLatin1(kMidiOutIsOff), this);
  partOffLabel_->setObjectName(QStringLiteral("fra_PartStatus_lbl_MidiOut_IsOff"));
  partOffLabel_->setStyleSheet(QStringLiteral("color: rgb(192, 0, 0)"));
  grid->addWidget(partOffLabel_, 4, 0, 1, 4);
  return partFrame_;
}

QWidget* frmKeyboard::buildArrangerFrame() {
  arrangerFrame_ = new QGroupBox(QStringLiteral(" Send --> Arranger "), this);
  arrangerFrame_->setObjectName(QStringLiteral("fra_Arranger"));
  arrangerFrame_->setAccessibleName(QStringLiteral("Send --> Arranger"));
  auto* grid = new QGridLayout(arrangerFrame_);
  for (std::size_t i = 0; i < kArrangerDivisions.size(); ++i) {
    auto* button = new QPushButton(Latin1(kArrangerDivisions[i].caption), arrangerFrame_);
    Name(button, QStringLiteral("cmd_Arranger_%1").arg(i));
    const int index = static_cast<int>(i);
    connect(button, &QPushButton::clicked, this, [this, index] { onArrangerClicked(index); });
    grid->addWidget(button, index % 2, index / 2);
  }
  auto addCommand = [&](const char* name, const char* caption, int column, void (frmKeyboard::*slot)()) {
    auto* button = new QPushButton(QString::fromLatin1(caption), arrangerFrame_);
    Name(button, QString::fromLatin1(name));
    if (slot != nullptr) connect(button, &QPushButton::clicked, this, slot);
    grid->addWidget(button, 2, column);
  };
  addCommand("cmd_Start", "Start", 0, &frmKeyboard::onStart);
  addCommand("cmd_Stop", "Stop", 1, &frmKeyboard::onStop);
  addCommand("cmd_Help_Arranger", "Help ", 5, nullptr);  // no help is given yet
  arrangerOffLabel_ = new QLabel(QString::fromLatin1(kMidiOutIsOff), this);
  arrangerOffLabel_->setObjectName(QStringLiteral("fra_Arranger_lbl_MidiOut_IsOff"));
  arrangerOffLabel_->setStyleSheet(QStringLiteral("color: rgb(192, 0, 0)"));
  grid->addWidget(arrangerOffLabel_, 3, 0, 1, 6);
  return arrangerFrame_;
}

QLineEdit* frmKeyboard::addByteBox(QWidget* row, const char* label, const char* box) {
  auto* caption = new QLabel(QString::fromLatin1(label), row);
  caption->setObjectName(QString::fromLatin1("lbl_%1").arg(QLatin1String(label)));
  auto* edit = new QLineEdit(QStringLiteral("0"), row);
  edit->setObjectName(QString::fromLatin1(box));
  edit->setAccessibleName(QString::fromLatin1(label));
  caption->setBuddy(edit);
  edit->setMaximumWidth(50);
  // Digits only; a value above 127 becomes 127 as it is typed.
  edit->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{0,4}")), edit));
  connect(edit, &QLineEdit::textChanged, this, [this, edit] { clampByteBox(edit); });
  row->layout()->addWidget(caption);
  row->layout()->addWidget(edit);
  return edit;
}

QWidget* frmKeyboard::buildSendRow() {
  auto* row = new QWidget(this);
  auto* layout = new QHBoxLayout(row);
  layout->setContentsMargins(0, 0, 0, 0);
  cc0_ = addByteBox(row, "CC0", "txt_CC0");
  cc32_ = addByteBox(row, "CC32", "txt_CC32");
  pc_ = addByteBox(row, "PC", "txt_PC");
  auto* send = new QPushButton(QStringLiteral("Send"), row);
  Name(send, QStringLiteral("cmd_Send"));
  connect(send, &QPushButton::clicked, this, &frmKeyboard::onSend);
  layout->addWidget(send);
  layout->addStretch(1);
  return row;
}

QWidget* frmKeyboard::buildHelp() {
  auto* help = new QLabel(QString::fromLatin1(kKeyboardHelpText).replace(QLatin1String("\r\n"), QLatin1String("\n")),
                          this);
  help->setObjectName(QStringLiteral("lbl_Help"));
  help->setAccessibleName(help->text());
  help->setFrameShape(QFrame::Panel);
  help->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  QFont small = help->font();
  small.setPointSizeF(small.pointSizeF() * 0.85);
  help->setFont(small);
  return help;
}

QWidget* frmKeyboard::buildOptionsRow() {
  auto* row = new QWidget(this);
  auto* layout = new QHBoxLayout(row);
  layout->setContentsMargins(0, 0, 0, 0);
  QStringList modeCaptions;
  QStringList modeTips;
  for (const CaptionAndTip& mode : kMidiInModeOptions) {
    modeCaptions << QString::fromLatin1(mode.caption);
    modeTips << QString::fromLatin1(mode.tip);
  }
  midiInModeFrame_ = buildOptionFrame("MidiIn_To_KeyboardMode", QStringLiteral("Midi IN -> Keyboard"), modeCaptions,
                                      modeTips, {0, 1, 2}, static_cast<int>(midiInMode_),
                                      &frmKeyboard::onMidiInModeClicked);
  layout->addWidget(midiInModeFrame_);
  QStringList colorTips;
  for (const char* tip : kKeyColorTips) colorTips << QString::fromLatin1(tip);
  QGroupBox* colors = buildOptionFrame("KeyColor", QStringLiteral("Key Color"), {}, colorTips, {0, 1, 2},
                                       static_cast<int>(keyColor_), &frmKeyboard::onKeyColorClicked);
  static const char* const kOptionColors[] = {"rgb(255, 0, 0)", "rgb(0, 192, 0)", "rgb(0, 0, 255)"};
  for (int i = 0; i < 3; ++i) {
    colors->findChild<QRadioButton*>(QStringLiteral("opt_KeyColor_%1").arg(i))
        ->setStyleSheet(QStringLiteral("background-color: %1").arg(QLatin1String(kOptionColors[i])));
  }
  layout->addWidget(colors);
  QStringList widthCaptions;
  QList<int> widths;
  for (const int pixels : kWhiteKeyPixelWidths) {
    widthCaptions << QString::number(pixels);
    widths << pixels;
  }
  layout->addWidget(buildOptionFrame("WhiteKeyWidth", QStringLiteral("Key Width"), widthCaptions, {}, widths,
                                     whiteKeyPixels_, &frmKeyboard::onWhiteKeyWidthClicked));
  layout->addWidget(buildHelp(), 0, Qt::AlignTop);
  layout->addStretch(1);
  return row;
}

}  // namespace tarnwick
