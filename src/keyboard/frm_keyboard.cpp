// SPDX-License-Identifier: GPL-3.0-or-later
#include "keyboard/frm_keyboard.h"

#include <QApplication>
#include <QCheckBox>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

#include "state/app_state.h"
#include "keyboard/keyboard_picture.h"
#include "midi/midi_api.h"
#include "midi/selection_messages.h"
#include "ui/focus_park.h"

namespace tarnwick {

frmKeyboard::frmKeyboard(AppState& state, const KeyboardSettings& settings, MidiApi& midi, QWidget* parent)
    : QWidget(parent), state_(state), midi_(midi) {
  setObjectName(QStringLiteral("frmKeyboard"));
  applySettings(settings);
  buildControls();
  onWhiteKeyWidthClicked(whiteKeyPixels_);
  updateReadouts();
  showComputerKeys();
  midi_.setKeyboardReceiver(this);
  Form_Activate();
}

frmKeyboard::~frmKeyboard() { midi_.setKeyboardReceiver(nullptr); }

void frmKeyboard::applySettings(const KeyboardSettings& settings) {
  curChannel_ = settings.curChannel;
  midiInMode_ = settings.midiInMode;
  keyboardToMidiOut_ = settings.keyboardToMidiOut;
  keyColor_ = settings.keyColor;
  whiteKeyPixels_ = NormalisedWhiteKeyPixels(settings.whiteKeyPixels);
}

KeyboardSettings frmKeyboard::settings() const {
  return {midiInMode_, keyboardToMidiOut_, curChannel_, whiteKeyPixels_, keyColor_};
}

bool frmKeyboard::outputOpen() const { return midi_.hMidiOut() != 0; }

void frmKeyboard::Form_Activate() {
  const bool out = outputOpen();
  midiInModeFrame_->setEnabled(midi_.hMidiIn() != 0);
  keyboardToMidiOutBox_->setEnabled(out);
  keyboardToMidiOutBox_->setChecked(keyboardToMidiOut_);
  partFrame_->setEnabled(out);
  arrangerFrame_->setEnabled(out);
  partOffLabel_->setVisible(!out);
  arrangerOffLabel_->setVisible(!out);
}

// ---------------------------------------------------------------------------------------------
// Keys

void frmKeyboard::showKey(int note, int velocity) {
  if (keys_.show(note, velocity, keyColor_)) picture_->keysChanged();
}

void frmKeyboard::resetKeys() {
  if (keys_.releaseAll()) picture_->keysChanged();
}

void frmKeyboard::updateReadouts() {
  if (keys_.lastNote() < 0) return;
  noteValue_->setText(QString::number(keys_.lastNote()));
  noteName_->setText(QString::fromStdString(NoteName(keys_.lastNote())));
  veloValue_->setText(QString::number(keys_.lastVelocity()));
}

void frmKeyboard::NoteReceived(MidiChannel channel, std::uint8_t note, std::uint8_t velocity) {
  if (!ShowsIncomingNote(midiInMode_, curChannel_, channel.zeroBased())) return;
  showKey(note, velocity);
}

void frmKeyboard::ControlReceived(MidiChannel, std::uint8_t, std::uint8_t) {}

void frmKeyboard::ProgramReceived(MidiChannel, MidiProgramNumber) {}

// Messages were lost on the way in: a lost note-off would leave its key lit for good.
void frmKeyboard::InputOverflowed() { resetKeys(); }

void frmKeyboard::onKeyPressed(int note, double y, int button) {
  if (!outputOpen() || !keyboardToMidiOut_) return;
  const std::optional<MousePlay::NoteOn> noteOn = mousePlay_.press(button, note, y);
  if (!noteOn) return;
  showKey(noteOn->note, noteOn->velocity);
  midi_.SendNoteOn(MidiChannel::fromZeroBased(curChannel_), static_cast<std::uint8_t>(noteOn->note),
                   noteOn->velocity);
}

void frmKeyboard::onButtonReleased(int button) {
  if (const std::optional<int> note = mousePlay_.release(button)) endNote(*note);
}

void frmKeyboard::endNote(int note) {
  showKey(note, 0);
  if (outputOpen()) midi_.SendNoteOff(MidiChannel::fromZeroBased(curChannel_), static_cast<std::uint8_t>(note));
}

// Notes held with the mouse or the computer keyboard: their release will not reach this view.
void frmKeyboard::endHeldNote() {
  if (const std::optional<int> note = mousePlay_.releaseHeld()) endNote(*note);
  endComputerKeyNotes();
}

// A view switched away from while a key is held would never see the button come up.
void frmKeyboard::hideEvent(QHideEvent* event) {
  endHeldNote();
  QWidget::hideEvent(event);
}

// Shown, the view watches its window for modal boxes, and takes the focus when it was in a view
// now hidden, so that the computer keys play.
void frmKeyboard::showEvent(QShowEvent* event) {
  QWidget* shownIn = window();
  if (shownIn != watchedWindow_) {
    if (watchedWindow_ != nullptr) watchedWindow_->removeEventFilter(this);
    watchedWindow_ = shownIn;
    watchedWindow_->installEventFilter(this);
  }
  QWidget::showEvent(event);
  if (!isAncestorOf(QApplication::focusWidget())) ParkFocus(this);
}

// Nor would it once a modal box (Midi Setup, a message) takes the mouse: the release goes there.
bool frmKeyboard::eventFilter(QObject* watched, QEvent* event) {
  if (watched == watchedWindow_ && event->type() == QEvent::WindowBlocked) endHeldNote();
  return QWidget::eventFilter(watched, event);
}

// ---------------------------------------------------------------------------------------------
// Options

void frmKeyboard::onChannelClicked(int channel) { curChannel_ = channel; }

void frmKeyboard::onMidiInModeClicked(int mode) {
  midiInMode_ = NormalisedMidiInMode(mode);
  resetKeys();
}

void frmKeyboard::onKeyColorClicked(int color) { keyColor_ = NormalisedKeyColor(color); }

void frmKeyboard::onWhiteKeyWidthClicked(int pixels) {
  whiteKeyPixels_ = NormalisedWhiteKeyPixels(pixels);
  picture_->hide();
  picture_->drawKeyboard(whiteKeyPixels_);
  picture_->show();
}

void frmKeyboard::onKeyboardToMidiOutClicked(bool checked) {
  resetKeys();
  keyboardToMidiOut_ = checked;
  if (!checked) {
    // A note held with the mouse ends with the All Sound Off; its release sends nothing more.
    mousePlay_.forget();
    if (outputOpen()) midi_.SendAllSoundOff(MidiChannel::fromZeroBased(curChannel_));
  }
}

// ---------------------------------------------------------------------------------------------
// Commands

void frmKeyboard::onAllSoundOff() {
  if (!outputOpen()) return;
  mousePlay_.forget();
  midi_.SendAllSoundOff(MidiChannel::fromZeroBased(curChannel_));
  resetKeys();
}

void frmKeyboard::onPartSwitchClicked(int index, bool on) {
  if (!outputOpen() || index < 0 || index >= static_cast<int>(kPartSwitches.size())) return;
  midi_.SendPartSwitch(kPartSwitches[static_cast<std::size_t>(index)].number, on);
}

void frmKeyboard::onArrangerClicked(int index) {
  if (!outputOpen() || index < 0 || index >= static_cast<int>(kArrangerDivisions.size())) return;
  midi_.SendArrangerDivision(kArrangerDivisions[static_cast<std::size_t>(index)].program);
}

void frmKeyboard::onStart() {
  if (outputOpen()) midi_.SendStart();
}

void frmKeyboard::onStop() {
  if (!outputOpen()) return;
  midi_.SendStop();
  if (midi_.hMidiIn() != 0) resetKeys();
}

void frmKeyboard::onSend() {
  if (!outputOpen()) return;
  const BankProgram values = FreeSend(cc0_->text().toDouble(), cc32_->text().toDouble(), pc_->text().toDouble());
  midi_.SendBankProgram(MidiChannel::fromZeroBased(curChannel_), values.msb, values.lsb, values.program);
}

void frmKeyboard::onStyleSelected(int style) {
  if (!outputOpen() || style < 0 || style >= static_cast<int>(state_.names.styles.size())) return;
  const StyleEntry& entry = state_.names.styles[static_cast<std::size_t>(style)];
  midi_.SendBankProgram(state_.midi.styleTx, entry.msb, entry.lsb, MidiProgramNumber::fromZeroBased(entry.program));
}

void frmKeyboard::clampByteBox(QLineEdit* box) {
  bool isNumber = false;
  const int value = box->text().toInt(&isNumber);
  if (isNumber && value > 127) box->setText(QStringLiteral("127"));
  if (isNumber && value < 0) box->setText(QStringLiteral("0"));
}

}  // namespace tarnwick
