// A UP file window over two sample files in a fresh folder, with helpers that work the window
// through its own controls, found by their object names.
#pragma once

#include <QHeaderView>
#include <QLineEdit>
#include <QScrollBar>
#include <QTableView>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

#include "app/app_state.h"
#include "ui/image_button.h"
#include "upfile/fake_user_dialogs.h"
#include "upfile/frm_up_file.h"
#include "upfile/grid_header_button.h"
#include "upfile/up_samples.h"

namespace tarnwick::testing {

class WindowFixture {
 public:
  // Files of the given sizes are written and opened in the two grids; a negative size leaves
  // the grid to start as a new file (there is no template unless `withTemplate`).
  WindowFixture(int count0, int count1, bool withTemplate = false) {
    state.programFolder = folder.path().toStdString();
    state.dataFolder = folder.path().toStdString();
    if (withTemplate) WriteSampleFile(filePath(QStringLiteral("DefaultNewFile.upt")).toStdString(), 0);
    const int counts[] = {count0, count1};
    for (int f = 0; f < 2; ++f) {
      if (counts[f] < 0) continue;
      const QString path = filePath(QStringLiteral("file%1.ups").arg(f));
      WriteSampleFile(path.toStdString(), counts[f], 1000 * f);
      state.up.files[static_cast<std::size_t>(f)].path = path.toStdString();
    }
    window = std::make_unique<frmUPFile>(state, dialogs, UPFilePanelFlags{}, [] { return false; });
    window->setHelpPresenter([this](const QString& caption, QSize sizeTwips, const QString& text) {
      helpShown.push_back({caption, sizeTwips, text});
    });
    window->resize(1400, 900);
    window->show();
    window->activateWindow();
    if (!QTest::qWaitForWindowActive(window.get())) qWarning("the window did not become active");
  }

  QString filePath(const QString& name) const { return folder.filePath(name); }

  template <typename T>
  T* find(const QString& name) const {
    T* child = window->findChild<T*>(name);
    if (child == nullptr) qFatal("no control %s", qPrintable(name));
    return child;
  }
  ImageButton* button(const QString& name) const { return find<ImageButton>(name); }
  GridHeaderButton* header(int index) const {
    return find<GridHeaderButton>(QStringLiteral("cmd_GridHeader_%1").arg(index));
  }
  QTableView* grid(int f) const { return find<QTableView>(QStringLiteral("Grid_frmUPFile_UP_%1").arg(f)); }
  QLineEdit* filter(int f, int box) const {
    return find<QLineEdit>(QStringLiteral("txt_GridFilter_%1").arg(100 * f + box));
  }
  QLineEdit* box(const char* name, int f) const {
    return find<QLineEdit>(QStringLiteral("%1_%2").arg(QLatin1String(name)).arg(f));
  }

  void press(const QString& name) const {
    ImageButton* target = button(name);
    QTest::mousePress(target, Qt::LeftButton);
    QTest::mouseRelease(target, Qt::LeftButton);
  }
  void press(const char* name, int index) const {
    press(QStringLiteral("%1_%2").arg(QLatin1String(name)).arg(index));
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
    QTableView* view = grid(f);
    clickRow(view, first, Qt::NoModifier);
    if (last != first) clickRow(view, last, Qt::ShiftModifier);
  }
  static void clickRow(QTableView* view, int row, Qt::KeyboardModifiers modifiers) {
    const QModelIndex cell = view->model()->index(row, 2);
    view->scrollTo(cell);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, modifiers, view->visualRect(cell).center());
  }

  int selectedID(int f) const { return box("txt_Sel_ID", f)->text().toInt(); }
  UPFile& file(int f) { return state.up.files[static_cast<std::size_t>(f)]; }

  QTemporaryDir folder;
  AppState state;
  FakeUserDialogs dialogs;
  struct Help {
    QString caption;
    QSize sizeTwips;
    QString text;
  };
  std::vector<Help> helpShown;
  std::unique_ptr<frmUPFile> window;
};

}  // namespace tarnwick::testing
