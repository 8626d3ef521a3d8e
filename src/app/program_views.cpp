#include "app/program_views.h"

#include "app/app_state.h"
#include "app/placeholder_view.h"
#include "app/settings_store.h"
#include "disklink/frm_dl.h"
#include "midi/midi_api.h"
#include "upfile/frm_up_file.h"

#include <QLabel>
#include <QLineEdit>

namespace tarnwick {

QWidget* ProgramViews::createKeyboard(QWidget* parent) {
  return CreatePlaceholderView(QStringLiteral("frmKeyboard"), QStringLiteral("Keyboard"), parent);
}

QWidget* ProgramViews::createTone(int number, QWidget* parent) {
  static const char* const kTitles[] = {"Tones", "Drum Sets", "Program Change"};
  const int index = (number >= 1 && number <= 3) ? number - 1 : 0;
  return CreatePlaceholderView(QStringLiteral("frmTone_%1").arg(index + 1), QString::fromLatin1(kTitles[index]),
                               parent);
}

QWidget* ProgramViews::createUPFile(QWidget* parent) {
  UPFilePanelFlags flags;
  flags.fileMenuButtonsVisible = {store_.read(key::FileMenuButtons_Visible0),
                                  store_.read(key::FileMenuButtons_Visible1)};
  flags.copyMenuButtonsVisible = {store_.read(key::CopyMenuButtons_Visible0),
                                  store_.read(key::CopyMenuButtons_Visible1)};
  MidiApi* midi = &midi_;
  upFile_ = new frmUPFile(state_, dialogs_, flags, [midi] { return midi->hMidiOut() != 0; }, parent);
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
    if (views->upFile_ != nullptr) views->upFile_->markModified(file);
  });
  return diskLink;
}

void ProgramViews::activateView(QWidget* view) {
  if (upFile_ != nullptr && view == upFile_) upFile_->activate();
}

void ProgramViews::unloadView(QWidget* view) {
  if (upFile_ == nullptr || view != upFile_) return;
  const UPFilePanelFlags flags = upFile_->panelFlags();
  store_.write(key::FileMenuButtons_Visible0, flags.fileMenuButtonsVisible[0]);
  store_.write(key::FileMenuButtons_Visible1, flags.fileMenuButtonsVisible[1]);
  store_.write(key::CopyMenuButtons_Visible0, flags.copyMenuButtonsVisible[0]);
  store_.write(key::CopyMenuButtons_Visible1, flags.copyMenuButtonsVisible[1]);
  store_.sync();
  upFile_ = nullptr;
}

bool ProgramViews::confirmCloseAll() { return upFile_ == nullptr || upFile_->confirmCloseAll(); }

void ProgramViews::watchCaption(QWidget* view, std::function<void(const QString&)> onChange) {
  if (upFile_ == nullptr || view != upFile_) return;
  AppState* state = &state_;
  auto detail = [state, onChange](const QString& caption) {
    // The file names join the caption only while one of them has unsaved changes.
    onChange(state->modified[0] || state->modified[1] ? caption : QString());
  };
  QObject::connect(upFile_, &frmUPFile::captionChanged, upFile_, detail);
  detail(upFile_->caption());
}

}  // namespace tarnwick
