// SPDX-License-Identifier: GPL-3.0-or-later
// The set list file of the Stage view: New, Open, Save and Save As, the unsaved-changes question,
// the list of the last run, and the .UPS file a list plays.
#include <QFileInfo>
#include <QTableView>

#include "state/app_state.h"
#include "stage/frm_stage.h"
#include "stage/set_list_json.h"
#include "stage/stage_model.h"
#include "ui/hourglass.h"
#include "ui/user_dialogs.h"

namespace tarnwick {
namespace {

const QString kLineBreak = QStringLiteral("\r\n");
constexpr char kSetListSuffix[] = ".tarnwick-set";

QStringList SetListFilters() {
  return {QStringLiteral("Tarnwick set lists (*.tarnwick-set)"), QStringLiteral("All files (*)")};
}

}  // namespace

bool frmStage::confirmClose() {
  if (!list_.modified()) return true;
  const QString name = list_.path().isEmpty() ? QStringLiteral("New set list") : QFileInfo(list_.path()).fileName();
  const QString question = QStringLiteral("The set list (%1) has unsaved changes.").arg(name) + kLineBreak + kLineBreak +
                           QStringLiteral("Save the changes?");
  switch (dialogs_.askSaveDiscardCancel(question, QStringLiteral("Unsaved Changes"))) {
    case UserDialogs::Answer::Save: return saveSetList();
    case UserDialogs::Answer::Discard: return true;
    default: return false;
  }
}

bool frmStage::newSetList() {
  if (!confirmClose()) return false;
  current_ = -1;
  list_.Replace({}, {});
  settings_.setListPath.clear();
  return true;
}

bool frmStage::openSetList() {
  const QString start = list_.path().isEmpty() ? QFileInfo(QString::fromStdString(state_.up.files[0].path)).path()
                                               : list_.path();
  const QString path = dialogs_.openFileName(QStringLiteral("Open Set List"), start, SetListFilters());
  return !path.isEmpty() && openSetListPath(path);
}

// The list's .UPS goes into File 0 unless a slot holds it already. A file that is not there
// leaves the slots alone: the list still opens, with the names it keeps.
bool frmStage::openUPSOf(const StageSet& set) {
  if (set.upsPath.isEmpty()) return true;
  for (const UPFile& file : state_.up.files) {
    if (!file.path.empty() && QFileInfo(QString::fromStdString(file.path)) == QFileInfo(set.upsPath)) return true;
  }
  if (!QFileInfo::exists(set.upsPath)) {
    dialogs_.showMessage(QStringLiteral("The set list's UP file is not there: ") + set.upsPath + kLineBreak +
                         QStringLiteral("Its entries keep the names they were saved with."));
    return true;
  }
  return openUPS_ && openUPS_(set.upsPath);
}

bool frmStage::openSetListPath(const QString& path) {
  if (!confirmClose()) return false;
  SetListRead read;
  {
    Hourglass busy;
    read = ReadSetListFile(path);
  }
  if (!read.ok) {
    dialogs_.showMessage(QStringLiteral("The set list cannot be opened: ") + path + kLineBreak + kLineBreak + read.message);
    return false;
  }
  if (!openUPSOf(read.set)) return false;
  current_ = -1;
  list_.Replace(read.set, QFileInfo(path).absoluteFilePath());
  settings_.setListPath = list_.path();
  // The first song is ready; it is sent when the player asks (Enter or a step).
  const int first = PlayableFrom(list_.entries(), 0);
  if (first >= 0) playRow(first, false);
  return true;
}

void frmStage::openAtStart() {
  if (settings_.setListPath.isEmpty()) return;
  if (!QFileInfo::exists(settings_.setListPath)) {
    settings_.setListPath.clear();
    return;
  }
  openSetListPath(settings_.setListPath);
}

bool frmStage::saveSetList() {
  if (list_.path().isEmpty()) return saveSetListAs();
  return writeTo(list_.path());
}

bool frmStage::saveSetListAs() {
  QString start = list_.path();
  if (start.isEmpty() && !list_.upsPath().isEmpty()) {
    const QFileInfo ups(list_.upsPath());
    start = ups.path() + u'/' + ups.completeBaseName() + QString::fromLatin1(kSetListSuffix);
  }
  QString path = dialogs_.saveFileName(QStringLiteral("Save Set List"), start, SetListFilters());
  if (path.isEmpty()) return false;
  if (QFileInfo(path).suffix().isEmpty()) path += QString::fromLatin1(kSetListSuffix);
  return writeTo(QFileInfo(path).absoluteFilePath());
}

bool frmStage::writeTo(const QString& path) {
  QString why;
  bool written = false;
  {
    Hourglass busy;
    written = WriteSetListFile(path, list_.set(), why);
  }
  if (!written) {
    dialogs_.showMessage(QStringLiteral("Error Saving File: ") + path + kLineBreak + kLineBreak + why);
    return false;
  }
  list_.MarkSaved(path);
  settings_.setListPath = path;
  return true;
}

void frmStage::addUPs(int file, const std::vector<int>& ids) {
  const QString refusal = list_.Append(file, ids);
  if (!refusal.isEmpty()) {
    dialogs_.showMessage(refusal);
    return;
  }
  if (current_ < 0) {
    const int first = PlayableFrom(list_.entries(), 0);
    if (first >= 0) playRow(first, false);
  }
}

}  // namespace tarnwick
