// SPDX-License-Identifier: GPL-3.0-or-later
// A UP file window over two sample files in a fresh folder, with helpers that work the window
// through its own controls, found by their object names.
#pragma once

#include <QLabel>
#include <QLineEdit>
#include <QTableView>
#include <QtTest>
#include <memory>

#include "state/app_state.h"
#include "support/recording_dialogs.h"
#include "support/temp_folder.h"
#include "ui/image_button.h"
#include "upfile/frm_up_file.h"
#include "upfile/up_samples.h"
#include "support/find_control.h"

namespace tarnwick::testing {

class WindowFixture {
 public:
  // Files of the given sizes, marked from 0 and from 1000, are opened in the two grids; a
  // negative size starts the grid as a new file (there is no template).
  WindowFixture(int count0, int count1) {
    state.programFolder = state.dataFolder = folder.path().string();
    const int counts[] = {count0, count1};
    for (int f = 0; f < 2; ++f) {
      if (counts[f] < 0) continue;
      file(f).path = folder.file("file" + std::to_string(f) + ".ups");
      WriteSampleFile(file(f).path, counts[f], 1000 * f);
    }
    window = std::make_unique<frmUPFile>(state, dialogs, UPFilePanelFlags{}, [this] { return midiOutOpen; });
    window->resize(1400, 900);
    window->show();
    window->activateWindow();
    if (!QTest::qWaitForWindowActive(window.get())) qWarning("the window did not become active");
  }

  QString filePath(const char* name) const { return QString::fromStdString(folder.file(name)); }

  // The control `name`_`index`, e.g. find<QLabel>("lbl_IDCnt", 0).
  template <typename T = ImageButton>
  T* find(const char* name, int index) const {
    return FindControl<T>(*window, name, index);
  }
  QTableView* grid(int f) const { return find<QTableView>("Grid_frmUPFile_UP", f); }
  QLineEdit* filter(int f, int box) const { return find<QLineEdit>("txt_GridFilter", 100 * f + box); }
  QString text(const char* name, int f) const { return find<QLineEdit>(name, f)->text(); }

  void press(const char* name, int index) const {
    ImageButton* target = find(name, index);
    QTest::mousePress(target, Qt::LeftButton);
    QTest::mouseRelease(target, Qt::LeftButton);
  }

  // The IDs of the grid's rows, top to bottom, as column 0 shows them.
  std::vector<int> shownIDs(int f) const {
    std::vector<int> ids;
    const QAbstractItemModel* rows = grid(f)->model();
    for (int row = 0; row < rows->rowCount(); ++row) ids.push_back(rows->index(row, 0).data().toInt());
    return ids;
  }

  // Clicks row `first`, then shift-clicks row `last`, the way a user selects a block.
  void selectRows(int f, int first, int last) const {
    clickRow(f, first, Qt::NoModifier);
    if (last != first) clickRow(f, last, Qt::ShiftModifier);
  }
  void clickRow(int f, int row, Qt::KeyboardModifiers modifiers) const {
    QTableView* view = grid(f);
    const QModelIndex cell = view->model()->index(row, 2);
    view->scrollTo(cell);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, modifiers, view->visualRect(cell).center());
  }

  // Clicks a cell and double-clicks it, as a user does; events posted meanwhile are handled.
  void doubleClickCell(int f, int row, int col) const {
    QTableView* view = grid(f);
    const QModelIndex cell = view->model()->index(row, col);
    view->scrollTo(cell);
    const QPoint at = view->visualRect(cell).center();
    QTest::mouseClick(view->viewport(), Qt::LeftButton, Qt::NoModifier, at);
    QTest::mouseDClick(view->viewport(), Qt::LeftButton, Qt::NoModifier, at);
    QCoreApplication::processEvents();
  }

  int selectedID(int f) const { return text("txt_Sel_ID", f).toInt(); }
  UPFile& file(int f) { return state.up.files[static_cast<std::size_t>(f)]; }
  UPFile onDisk(const char* name) const {
    UPFile loaded;
    if (!LoadUPSFile(loaded, folder.file(name)).ok) qWarning("%s does not load", name);
    return loaded;
  }

  bool midiOutOpen = false;
  TempFolder folder;
  AppState state;
  RecordingDialogs dialogs;
  std::unique_ptr<frmUPFile> window;
};

}  // namespace tarnwick::testing
