// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/program_views.h"

#include "state/app_state.h"
#include "app/placeholder_view.h"
#include "state/settings_store.h"
#include "disklink/frm_dl.h"
#include "keyboard/frm_keyboard.h"
#include "midi/midi_api.h"
#include "stage/frm_stage.h"
#include "tone/frm_tone_browser.h"
#include "tone/frm_tone_monitor.h"
#include "upfile/frm_up_file.h"

#include <QLabel>
#include <QLineEdit>

namespace tarnwick {

QWidget* ProgramViews::createKeyboard(QWidget* parent) {
  keyboard_ = new frmKeyboard(state_, ReadKeyboardSettings(store_), midi_, parent);
  followLostPorts(keyboard_, &frmKeyboard::Form_Activate);
  return keyboard_;
}

QWidget* ProgramViews::createTone(int number, QWidget* parent) {
  if (number == 3) return createMonitor(parent);
  return createToneBrowser(number == 2, parent);
}

QWidget* ProgramViews::createToneBrowser(bool drumSets, QWidget* parent) {
  MidiApi* midi = &midi_;
  BrowserMidi link{[midi] { return midi->hMidiOut() != 0; },
                   [midi](MidiChannel channel, std::uint8_t msb, std::uint8_t lsb, MidiProgramNumber program) {
                     midi->SendBankProgram(channel, msb, lsb, program);
                   }};
  auto* browser = new frmToneBrowser(drumSets ? DrumSetBrowserKind() : ToneBrowserKind(), state_.names,
                                     ReadBrowserSettings(store_, drumSets), std::move(link), parent);
  browsers_[drumSets ? 1 : 0] = browser;
  followLostPorts(browser, &frmToneBrowser::activate);
  return browser;
}

QWidget* ProgramViews::createMonitor(QWidget* parent) {
  MidiApi* midi = &midi_;
  AppState* state = &state_;
  MonitorMidi link{[midi] { return midi->hMidiIn() != 0; }, [state] { return int{state->midi.basicRx.zeroBased()}; },
                   [midi](MidiChannel c) { return midi->MidiInBankMSB(c); },
                   [midi](MidiChannel c) { return midi->MidiInBankLSB(c); }};
  monitor_ = new frmToneMonitor(state_.names, ReadMonitorOn(store_), std::move(link), parent);
  midi_.setMonitorReceiver(monitor_);
  followLostPorts(monitor_, &frmToneMonitor::activate);
  return monitor_;
}

// A port lost under the program shows at once in every view built, shown or not, as it would
// when the view is next shown.
template <class View>
void ProgramViews::followLostPorts(View* view, void (View::*activate)()) {
  QObject::connect(&midi_, &MidiApi::portsLost, view, activate);
}

// Writes the settings of a Tone view window that closes; false for other windows.
bool ProgramViews::unloadToneView(QWidget* view) {
  for (int i = 0; i < 2; ++i) {
    if (browsers_[i] == nullptr || view != browsers_[i]) continue;
    WriteBrowserSettings(store_, i == 1, browsers_[i]->settings());
    browsers_[i] = nullptr;
    return true;
  }
  if (monitor_ == nullptr || view != monitor_) return false;
  midi_.setMonitorReceiver(nullptr);
  WriteMonitorOn(store_, monitor_->checkBoxValue());
  monitor_ = nullptr;
  return true;
}

QWidget* ProgramViews::createUPFile(QWidget* parent) {
  UPFilePanelFlags flags;
  flags.fileMenuButtonsVisible = {store_.read(key::FileMenuButtons_Visible0),
                                  store_.read(key::FileMenuButtons_Visible1)};
  flags.copyMenuButtonsVisible = {store_.read(key::CopyMenuButtons_Visible0),
                                  store_.read(key::CopyMenuButtons_Visible1)};
  MidiApi* midi = &midi_;
  upFile_ = new frmUPFile(state_, dialogs_, flags, [midi] { return midi->hMidiOut() != 0; }, parent);
  upFile_->setUPSelectSender([midi](int id) { midi->SendUPSelect(id); });
  upFile_->setFollowInstrument(store_.read(key::FollowInstrument));
  midi_.setUPSelectReceiver(upFile_);
  // However the window goes, no UP select may reach it after.
  QObject::connect(upFile_, &QObject::destroyed, &midi_, [midi] { midi->setUPSelectReceiver(nullptr); });
  return upFile_;
}

QWidget* ProgramViews::createDiskLink(QWidget* parent) {
  auto* diskLink = new frmDL(state_, parent);
  ProgramViews* views = this;
  // The file labels and names are copied from the UP file window; its marks follow every
  // rename and copy, and with them the main window's caption.
  diskLink->setFileLookSource([views](int side) {
    DLFileLook look;
    if (views->upFile_ == nullptr) return look;
    const auto* label = views->upFile_->findChild<QLabel*>(QStringLiteral("lbl_UPS_FileName_%1").arg(side));
    const auto* box = views->upFile_->findChild<QLineEdit*>(QStringLiteral("txt_UPS_FileName_%1").arg(side));
    if (label != nullptr) {
      look = {label->text(), label->palette().color(QPalette::WindowText), label->toolTip(), {}, {}};
    }
    if (box != nullptr) {
      look.fileName = box->text();
      look.fileNameToolTip = box->toolTip();
    }
    return look;
  });
  QObject::connect(diskLink, &frmDL::fileModified, diskLink, [views](int file) {
    if (views->upFile_ != nullptr) views->upFile_->showFileChanged(file);
  });
  return diskLink;
}

QWidget* ProgramViews::createStage(QWidget* parent) {
  MidiApi* midi = &midi_;
  StageMidi link{[midi] { return midi->hMidiOut() != 0; }, [midi](int id) { return midi->SendUPSelect(id); }};
  stage_ = new frmStage(state_, dialogs_, ReadStageSettings(store_), std::move(link), parent);
  frmStage* stage = stage_;
  if (upFile_ != nullptr) {
    frmUPFile* upFile = upFile_;
    stage->setUPSOpener([upFile](const QString& path) { return upFile->openFileAt(0, path); });
    QObject::connect(upFile_, &frmUPFile::addToStageRequested, stage,
                     [stage](int file, const std::vector<int>& ids) { stage->addUPs(file, ids); });
  }
  midi_.setStageReceiver(stage);
  QObject::connect(stage, &QObject::destroyed, &midi_, [midi] { midi->setStageReceiver(nullptr); });
  stage->openAtStart();
  return stage;
}

void ProgramViews::activateView(QWidget* view) {
  if (stage_ != nullptr && view == stage_) stage_->activate();
  if (upFile_ != nullptr && view == upFile_) upFile_->activate();
  for (frmToneBrowser* browser : browsers_) {
    if (browser != nullptr && view == browser) browser->activate();
  }
  if (monitor_ != nullptr && view == monitor_) monitor_->activate();
  if (keyboard_ != nullptr && view == keyboard_) keyboard_->Form_Activate();
}

void ProgramViews::unloadView(QWidget* view) {
  if (stage_ != nullptr && view == stage_) {
    WriteStageSettings(store_, stage_->settings());
    store_.sync();
    midi_.setStageReceiver(nullptr);
    stage_ = nullptr;
    return;
  }
  if (unloadToneView(view)) {
    store_.sync();
    return;
  }
  if (keyboard_ != nullptr && view == keyboard_) {
    WriteKeyboardSettings(store_, keyboard_->settings());
    store_.sync();
    keyboard_ = nullptr;
    return;
  }
  if (upFile_ == nullptr || view != upFile_) return;
  const UPFilePanelFlags flags = upFile_->panelFlags();
  store_.write(key::FileMenuButtons_Visible0, flags.fileMenuButtonsVisible[0]);
  store_.write(key::FileMenuButtons_Visible1, flags.fileMenuButtonsVisible[1]);
  store_.write(key::CopyMenuButtons_Visible0, flags.copyMenuButtonsVisible[0]);
  store_.write(key::CopyMenuButtons_Visible1, flags.copyMenuButtonsVisible[1]);
  store_.write(key::FollowInstrument, upFile_->followInstrument());
  store_.sync();
  midi_.setUPSelectReceiver(nullptr);
  upFile_ = nullptr;
}

bool ProgramViews::confirmCloseAll() {
  if (stage_ != nullptr && !stage_->confirmClose()) return false;
  return upFile_ == nullptr || upFile_->confirmCloseAll();
}

void ProgramViews::watchCaption(QWidget* view, std::function<void(const QString&)> onChange) {
  if (stage_ != nullptr && view == stage_) {
    QObject::connect(stage_, &frmStage::captionChanged, stage_, onChange);
    onChange(stage_->caption());
    return;
  }
  if (upFile_ == nullptr || view != upFile_) return;
  AppState* state = &state_;
  auto detail = [state, onChange](const QString& caption) {
    // The file names join the caption only while one of them has unsaved changes.
    onChange(state->history[0].Modified() || state->history[1].Modified() ? caption : QString());
  };
  QObject::connect(upFile_, &frmUPFile::captionChanged, upFile_, detail);
  detail(upFile_->caption());
}

}  // namespace tarnwick
