// SPDX-License-Identifier: GPL-3.0-or-later
// Copy, Insert, Append and Delete between the two files of the UP file window.
#include <QLabel>

#include "state/app_state.h"
#include "grid/grid_controls.h"
#include "ui/hourglass.h"
#include "upfile/frm_up_file.h"
#include "upfile/up_file_pane.h"
#include "upfile/up_grid_model.h"

namespace tarnwick {

// Runs one transfer into `target` with its busy text on the row counter; a success goes into the
// target's history (which marks it modified) and refreshes its grid, a failure shows why and
// leaves everything as it was.
void frmUPFile::runTransfer(int target, const QString& busyText,
                            const std::function<TransferChange()>& operation) {
  TransferChange change;
  {
    Hourglass busy;
    if (!busyText.isEmpty()) {
      pane(target).counter->label()->setText(busyText);
      pane(target).counter->label()->repaint();
    }
    change = operation();
  }
  if (change.result) {
    state_.history[static_cast<std::size_t>(target)].Record(std::move(change.step));
    showFileChanged(target);
  } else {
    showCounts(target);
    if (!change.result.message.empty()) dialogs_.showMessage(QString::fromStdString(change.result.message));
  }
  parkFocus();
}

void frmUPFile::onCopy(int source) {
  const int target = 1 - source;
  const std::vector<int> from = SelectedIDs(grid(source), model(source).rowIDs());
  const std::vector<int> to = SelectedIDs(grid(target), model(target).rowIDs());
  if (from.empty() || from.size() != to.size()) return;
  runTransfer(target, QString(), [&] { return CopyUPsStep(upFile(source), from, upFile(target), to); });
}

void frmUPFile::onInsert(int source) {
  const int target = 1 - source;
  const std::vector<int> from = SelectedIDs(grid(source), model(source).rowIDs());
  if (from.empty() || shownRows(target) == 0) return;
  const int position = std::max(0, model(target).idAt(grid(target).SelRow));
  runTransfer(target, QStringLiteral(" Ins"),
              [&] { return InsertUPsStep(upFile(source), from, upFile(target), position); });
}

void frmUPFile::onAppend(int source) {
  const int target = 1 - source;
  const std::vector<int> from = SelectedIDs(grid(source), model(source).rowIDs());
  if (from.empty()) return;
  runTransfer(target, QStringLiteral(" Add"),
              [&] { return AppendUPsStep(upFile(source), from, upFile(target)); });
}

void frmUPFile::onDelete(int file) {
  if (upFile(file).count == 0) return;
  std::vector<int> doomed = SelectedIDs(grid(file), model(file).rowIDs());
  if (doomed.empty()) return;
  runTransfer(file, QStringLiteral(" Del"), [&] { return DeleteUPsStep(upFile(file), std::move(doomed)); });
}

}  // namespace tarnwick
