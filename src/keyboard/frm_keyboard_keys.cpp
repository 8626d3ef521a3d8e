// SPDX-License-Identifier: GPL-3.0-or-later
// The Keyboard view played from the computer keyboard (keyboard/computer_keys.h). The keys reach
// the view from whichever of its controls has the focus, unless that control takes them itself
// (a text box does). A key's release sends its note-off; notes still held when the view loses
// the focus or is hidden are ended then, as no release would come.
#include <QApplication>
#include <QKeyEvent>
#include <algorithm>

#include "keyboard/frm_keyboard.h"
#include "keyboard/key_texts.h"
#include "keyboard/keyboard_picture.h"
#include "midi/midi_api.h"
#include "ui/focus_park.h"

namespace tarnwick {
namespace {

bool PlainKey(const QKeyEvent* event) {
  return (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) == 0 &&
         ComputerKeys::handles(event->key());
}

}  // namespace

void frmKeyboard::keyPressEvent(QKeyEvent* event) {
  if (!PlainKey(event) || !outputOpen() || !keyboardToMidiOut_) {
    QWidget::keyPressEvent(event);
    return;
  }
  event->accept();
  if (event->isAutoRepeat()) return;
  const std::optional<ComputerKeys::NoteOn> noteOn = computerKeys_.press(event->key());
  showComputerKeys();
  if (!noteOn) return;
  showKey(noteOn->note, noteOn->velocity);
  midi_.SendNoteOn(MidiChannel::fromZeroBased(curChannel_), static_cast<std::uint8_t>(noteOn->note),
                   noteOn->velocity);
}

void frmKeyboard::keyReleaseEvent(QKeyEvent* event) {
  if (event->isAutoRepeat() || !ComputerKeys::handles(event->key())) {
    QWidget::keyReleaseEvent(event);
    return;
  }
  event->accept();
  if (const std::optional<int> note = computerKeys_.release(event->key())) endNote(*note);
}

void frmKeyboard::changeEvent(QEvent* event) {
  if (event->type() == QEvent::ActivationChange && !isActiveWindow()) endComputerKeyNotes();
  QWidget::changeEvent(event);
}

void frmKeyboard::endComputerKeyNotes() {
  for (const int note : computerKeys_.releaseAll()) endNote(note);
}

// What the computer keys play now, where a player looks for it: on the picture's tooltip.
void frmKeyboard::showComputerKeys() {
  const int first = computerKeys_.firstNote();
  picture_->setToolTip(QStringLiteral("Computer keys A W S E D F T G Y H U J K O L P ;: %1 to %2, velocity %3 "
                                      "(Z/X octave, C/V velocity)")
                           .arg(QString::fromStdString(NoteName(first)))
                           .arg(QString::fromStdString(NoteName(std::min(first + 16, kKeyCount - 1))))
                           .arg(computerKeys_.velocity()));
}

}  // namespace tarnwick
