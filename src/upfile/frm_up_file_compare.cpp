// SPDX-License-Identifier: GPL-3.0-or-later
// Comparing the two files in the window: the "Compare" box colours each grid's cells that differ
// from the same ID of the other file, and the IDs only one file has. The colours are worked out
// as cells are painted, so they follow every edit, transfer and undo; F7 and Shift+F7 jump.
#include <QBrush>
#include <QCheckBox>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QShortcut>

#include "state/app_state.h"
#include "upfile/compare_cells.h"
#include "upfile/frm_up_file.h"
#include "upfile/up_file_pane.h"
#include "upfile/up_grid_model.h"
#include "upfile/up_grid_view.h"

namespace tarnwick {
namespace {

const QBrush kDiffersBrush(QColor(255, 214, 102));   // amber: another value than the other file
const QBrush kOnlyHereBrush(QColor(255, 160, 160));  // rose: the other file has no such ID

}  // namespace

void frmUPFile::buildCompareControls() {
  UPFilePane& second = pane(1);
  compareBox_ = new QCheckBox(QStringLiteral("Compare"), &second);
  compareBox_->setObjectName(QStringLiteral("chk_Compare"));
  compareBox_->setAccessibleName(compareBox_->text());
  compareBox_->setToolTip(QStringLiteral("Colour what differs between the two files (F7: next difference, Shift+F7: previous)"));
  compareBox_->setFocusPolicy(Qt::TabFocus);
  second.readOutRow->insertWidget(second.readOutRow->count() - 1, compareBox_);
  connect(compareBox_, &QCheckBox::toggled, this, &frmUPFile::setCompare);
  // The other grid compares against the file that just changed: it is painted again too.
  connect(this, &frmUPFile::gridRefreshed, this, [this](int file) {
    if (comparing()) pane(1 - file).grid->viewport()->update();
  });
  for (const auto& [keys, step] : {std::pair{QKeySequence(Qt::Key_F7), 1}, std::pair{QKeySequence(Qt::SHIFT | Qt::Key_F7), -1}}) {
    auto* shortcut = new QShortcut(keys, this);
    shortcut->setContext(Qt::WidgetWithChildrenShortcut);
    connect(shortcut, &QShortcut::activated, this, [this, step = step] { jumpToDifference(step); });
  }
}

bool frmUPFile::comparing() const { return compareBox_->isChecked(); }

void frmUPFile::setCompare(bool on) {
  compareBox_->setChecked(on);
  for (int file = 0; file < 2; ++file) {
    UPGridModel::CellShade shade;
    if (on) {
      shade = [this, file](int id, int col) -> QVariant {
        switch (CompareCell(upFile(file), upFile(1 - file), id, col, model(file).selectors())) {
          case CellComparison::Differs: return kDiffersBrush;
          case CellComparison::OnlyHere: return kOnlyHereBrush;
          case CellComparison::Same: break;
        }
        return {};
      };
    }
    model(file).setCellShade(std::move(shade));
  }
}

bool frmUPFile::jumpToDifference(int step) {
  if (!comparing()) return false;
  const int file = activeFile_;
  const int from = grid(file).SelRow >= 0 ? grid(file).SelRow : (step > 0 ? -1 : 0);
  const int row = NextDifferentRow(model(file).rowIDs(), upFile(file), upFile(1 - file), model(file).selectors(), from, step);
  if (row < 0) return false;
  SelectUPByID(file, model(file).idAt(row));
  readSelection(file);
  return true;
}

}  // namespace tarnwick
