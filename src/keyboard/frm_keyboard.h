// SPDX-License-Identifier: GPL-3.0-or-later
// frmKeyboard: the Keyboard view. A 128-key keyboard that plays on the instrument and shows the
// notes arriving at the MIDI input, the part switches, the arranger buttons, a free bank/program
// send, All Sound Off, the internal ROM styles, and how the instrument must be set up.
//
// It lives for the whole run; incoming notes keep the keys current while another view is shown.
#pragma once

#include <QWidget>

#include <array>

#include "keyboard/computer_keys.h"
#include "keyboard/key_states.h"
#include "keyboard/keyboard_settings.h"
#include "keyboard/mouse_play.h"
#include "midi/midi_receivers.h"

class QAbstractButton;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace tarnwick {

struct AppState;
class KeyboardPicture;
class MidiApi;
class RomStyleList;

class frmKeyboard : public QWidget, public KeyboardReceiver {
  Q_OBJECT

 public:
  frmKeyboard(AppState& state, const KeyboardSettings& settings, MidiApi& midi, QWidget* parent = nullptr);
  ~frmKeyboard() override;

  // --- From the input handler, on the window thread ---
  void NoteReceived(MidiChannel channel, std::uint8_t note, std::uint8_t velocity) override;
  void ControlReceived(MidiChannel channel, std::uint8_t controller, std::uint8_t value) override;
  void ProgramReceived(MidiChannel channel, MidiProgramNumber program);
  void InputOverflowed() override;

  // Enables what depends on the open ports; run when the view is shown and after the MIDI setup.
  void Form_Activate();
  // What the view keeps at exit.
  KeyboardSettings settings() const;

  const KeyStates& keys() const { return keys_; }
  KeyboardPicture* picture() const { return picture_; }
  int curChannel() const { return curChannel_; }
  RomStyleList* romStyles() const { return romStyles_; }

 protected:
  void hideEvent(QHideEvent* event) override;
  void showEvent(QShowEvent* event) override;
  // The computer keyboard plays while the view has the focus (frm_keyboard_keys.cpp).
  void keyPressEvent(QKeyEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;
  void changeEvent(QEvent* event) override;
  // Watches the top-level window for a modal box that blocks it.
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // Building (frm_keyboard_controls.cpp).
  void buildControls();
  QWidget* buildChannelFrame();
  QWidget* buildPartFrame();
  QWidget* buildArrangerFrame();
  QWidget* buildSendRow();
  QWidget* buildOptionsRow();
  QWidget* buildHelp();
  QWidget* buildReadouts();
  QGroupBox* buildOptionFrame(const char* name, const QString& title, const QStringList& captions,
                              const QStringList& tips, const QList<int>& ids, int checked,
                              void (frmKeyboard::*onClick)(int));
  QLineEdit* addByteBox(QWidget* row, const char* label, const char* box);
  void applySettings(const KeyboardSettings& settings);

  // Handlers.
  void onKeyPressed(int note, double y, int button);
  void onButtonReleased(int button);
  void endNote(int note);
  void endComputerKeyNotes();
  void showComputerKeys();
  void endHeldNote();
  void onChannelClicked(int channel);
  void onMidiInModeClicked(int mode);
  void onKeyColorClicked(int color);
  void onWhiteKeyWidthClicked(int pixels);
  void onKeyboardToMidiOutClicked(bool checked);
  void onAllSoundOff();
  void onPartSwitchClicked(int index, bool on);
  void onArrangerClicked(int index);
  void onStart();
  void onStop();
  void onSend();
  void onStyleSelected(int style);
  void clampByteBox(QLineEdit* box);
  void showKey(int note, int velocity);
  void resetKeys();
  void updateReadouts();
  bool outputOpen() const;

  AppState& state_;
  MidiApi& midi_;
  KeyStates keys_;
  MousePlay mousePlay_;
  ComputerKeys computerKeys_;
  int curChannel_ = 3;
  MidiInMode midiInMode_ = MidiInMode::Omni;
  bool keyboardToMidiOut_ = true;
  KeyColor keyColor_ = KeyColor::Green;
  int whiteKeyPixels_ = 13;

  QWidget* watchedWindow_ = nullptr;
  KeyboardPicture* picture_ = nullptr;
  QWidget* pictureArea_ = nullptr;
  QLabel* noteValue_ = nullptr;
  QLabel* noteName_ = nullptr;
  QLabel* veloValue_ = nullptr;
  QCheckBox* keyboardToMidiOutBox_ = nullptr;
  QGroupBox* midiInModeFrame_ = nullptr;
  QGroupBox* partFrame_ = nullptr;
  QGroupBox* arrangerFrame_ = nullptr;
  QLabel* partOffLabel_ = nullptr;
  QLabel* arrangerOffLabel_ = nullptr;
  QLineEdit* cc0_ = nullptr;
  QLineEdit* cc32_ = nullptr;
  QLineEdit* pc_ = nullptr;
  RomStyleList* romStyles_ = nullptr;
};

}  // namespace tarnwick
