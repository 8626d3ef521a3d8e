// SPDX-License-Identifier: GPL-3.0-or-later
#include "upfile/file_commands.h"

#include "updata/atomic_file.h"
#include "updata/ups_file.h"
#include "updata/utf8_path.h"
#include "upfile/file_rules.h"

namespace tarnwick {
namespace {

std::string Utf8(const QString& text) { return text.toStdString(); }

// Calls the busy hook around a file read or write, on every path.
class BusyScope {
 public:
  explicit BusyScope(const FileCommands::BusyHook& hook) : hook_(hook) {
    if (hook_) hook_(true);
  }
  ~BusyScope() {
    if (hook_) hook_(false);
  }
  BusyScope(const BusyScope&) = delete;
  BusyScope& operator=(const BusyScope&) = delete;

 private:
  const FileCommands::BusyHook& hook_;
};

}  // namespace

FileCommands::FileCommands(UPData& data, std::array<FileHistory, 2>& history, UserDialogs& dialogs,
                           QString programFolder, QString templatePath)
    : data_(data),
      history_(history),
      dialogs_(dialogs),
      programFolder_(std::move(programFolder)),
      templatePath_(std::move(templatePath)) {}

QString FileCommands::path(int file) const {
  return QString::fromStdString(data_.files[static_cast<std::size_t>(file)].path);
}

bool FileCommands::sameFileInBoth() const { return SameFilePath(data_.files[0].path, data_.files[1].path); }

void FileCommands::show(const std::string& message) {
  if (!message.empty()) dialogs_.showMessage(QString::fromStdString(message));
}

bool FileCommands::load(UPFile& into, const QString& path) {
  BusyScope busy(busy_);
  const FileResult result = LoadUPSFile(into, Utf8(path));
  if (!result) show(result.message);
  return result.ok;
}

void FileCommands::install(int file, UPFile&& loaded, const QString& path, History history) {
  UPFile& target = slot(file);
  target.records = std::move(loaded.records);
  target.count = loaded.count;
  target.header = loaded.header;
  target.path = Utf8(path);
  FileHistory& steps = history_[static_cast<std::size_t>(file)];
  if (history == History::KeepAsSaved) {
    steps.MarkSaved();
  } else {
    steps.Reset();
  }
}

void FileCommands::startNew(int file) {
  UPFile& target = slot(file);
  SetUPCount(target, 0);
  if (FileExists(Utf8(templatePath_))) {
    BusyScope busy(busy_);
    show(LoadUPSFile(target, Utf8(templatePath_)).message);
  } else {
    dialogs_.showMessage(TemplateMissingMessage(templatePath_), QString::fromLatin1(kTemplateMissingTitle),
                         UserDialogs::Icon::Critical);
  }
  target.path.clear();
  history_[static_cast<std::size_t>(file)].Reset();
  buttonsOf(file) = {false, true, false};
}

FileCommands::Outcome FileCommands::New(int file) {
  if (!ConfirmReplace(file)) return Outcome::Unchanged;
  startNew(file);
  return Outcome::Emptied;
}

FileCommands::Outcome FileCommands::Open(int file) {
  const QString chosen = dialogs_.openFileName(OpenDialogTitle(slot(file).count),
                                               DialogStartPath(path(file), programFolder_), UPSFileFilters());
  if (chosen.isEmpty()) return Outcome::Unchanged;
  return OpenPath(file, chosen);
}

FileCommands::Outcome FileCommands::OpenPath(int file, const QString& chosen) {
  // Ask before reading: a save on the way may write the very file chosen.
  if (!ConfirmReplace(file)) return Outcome::Unchanged;
  UPFile loaded;
  if (!load(loaded, chosen)) return Outcome::Unchanged;
  install(file, std::move(loaded), chosen);
  buttonsOf(file) = {path(1 - file) != chosen, true, true};
  return Outcome::Replaced;
}

bool FileCommands::Save(int file) {
  if (path(file).isEmpty()) return SaveAs(file) == Outcome::Replaced;
  FileResult result;
  {
    BusyScope busy(busy_);
    result = SaveUPSFile(slot(file), slot(file).path);
  }
  show(result.message);
  if (result.ok) history_[static_cast<std::size_t>(file)].MarkSaved();  // undo still reaches back
  return result.ok;
}

// Shows the save dialog until the user picks a name that the other grid does not hold; empty
// when the user cancels.
QString FileCommands::chooseSaveAsPath(int file) {
  QString chosenPath = path(file);
  for (;;) {
    const QString chosen = dialogs_.saveFileName(
        SaveDialogTitle(slot(file).count), DialogStartPath(chosenPath, programFolder_), UPSFileFilters());
    if (chosen.isEmpty()) return {};
    chosenPath = SaveAsPath(chosen);
    if (chosenPath.isEmpty()) return {};
    // Also under another name (a link): the other grid's file is the same file on the disk.
    if (chosenPath != path(1 - file) && !SameFile(Utf8(chosenPath), Utf8(path(1 - file)))) return chosenPath;
    dialogs_.showMessage(AlreadyOpenMessage(chosenPath), QString::fromLatin1(kSaveAsTitle),
                         UserDialogs::Icon::Exclamation);
  }
}

FileCommands::Outcome FileCommands::SaveAs(int file) {
  const QString target = chooseSaveAsPath(file);
  if (target.isEmpty()) return Outcome::Unchanged;
  const OverwriteQuestion askOverwrite = [this](const std::string& question) {
    return dialogs_.askYesNo(
               QString::fromStdString(question),
               QString::fromLatin1(kOverwriteTitle.data(), static_cast<qsizetype>(kOverwriteTitle.size())),
               UserDialogs::Icon::Question) == UserDialogs::Answer::Yes;
  };
  FileResult saved;
  {
    BusyScope busy(busy_);
    saved = SaveUPSFile(slot(file), Utf8(target), askOverwrite);
  }
  if (!saved) {
    show(saved.message);
    return Outcome::Unchanged;
  }
  // Read the file back, so the grid shows what is on the disk now.
  UPFile written;
  if (load(written, target)) {
    install(file, std::move(written), target, History::KeepAsSaved);
  } else {
    slot(file).path = Utf8(target);
    history_[static_cast<std::size_t>(file)].MarkSaved();
  }
  buttonsOf(file) = {true, true, true};
  buttonsOf(1 - file).save = true;
  return Outcome::Replaced;
}

FileCommands::Outcome FileCommands::OpenFrom(int source) {
  const int target = 1 - source;
  const QString sourcePath = path(source);
  if (sourcePath.isEmpty()) return Outcome::Unchanged;
  if (!ConfirmReplace(target)) return Outcome::Unchanged;
  UPFile loaded;
  if (!load(loaded, sourcePath)) return Outcome::Unchanged;
  install(target, std::move(loaded), sourcePath);
  buttonsOf(target) = {!buttons(source).save, true, true};
  return Outcome::Replaced;
}

FileCommands::Outcome FileCommands::LoadAtStart(int file) {
  const QString startPath = path(file);
  if (!startPath.isEmpty() && FileExists(Utf8(startPath))) {
    UPFile loaded;
    if (load(loaded, startPath)) {
      install(file, std::move(loaded), startPath);
      buttonsOf(file) = {path(1 - file) != startPath, true, !FileNamePart(startPath).isEmpty()};
      return Outcome::Replaced;
    }
  }
  startNew(file);
  return Outcome::Emptied;
}

bool FileCommands::saveForReplace(int file) {
  if (path(file).isEmpty() || !buttons(file).save) return SaveAs(file) == Outcome::Replaced;
  return Save(file);
}

bool FileCommands::ConfirmReplace(int file) {
  if (!history_[static_cast<std::size_t>(file)].Modified()) return true;
  switch (dialogs_.askSaveDiscardCancel(UnsavedChangesQuestion(file, path(file)),
                                        QString::fromLatin1(kUnsavedChangesTitle))) {
    case UserDialogs::Answer::Save:
      return saveForReplace(file);
    case UserDialogs::Answer::Discard:
      return true;
    default:
      return false;
  }
}

bool FileCommands::ConfirmCloseAll() { return ConfirmReplace(0) && ConfirmReplace(1); }

}  // namespace tarnwick
