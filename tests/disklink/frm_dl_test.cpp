// SPDX-License-Identifier: GPL-3.0-or-later
// The Disk Link view worked through its controls: codes and filters, the copy buttons and the
// pairing of rows by position, renames through the name pop-up, and the modified marks.
#include <QAbstractItemModelTester>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QSignalSpy>
#include <QTableView>
#include <QtTest>

#include <memory>

#include "state/app_state.h"
#include "disklink/frm_dl.h"
#include "grid/filter_box.h"
#include "ui/image_button.h"
#include "support/find_control.h"
#include "support/modal_answer.h"

namespace tarnwick {
namespace {

class Fixture {
 public:
  Fixture() {
    for (int f = 0; f < 2; ++f) {
      for (int i = 0; i < kDiskLinkCount; ++i) {
        const std::string name = (f == 0 ? "L" : "R") + std::to_string(i);
        SetDiskLinkName(state.up.files[static_cast<std::size_t>(f)].header, i, name);
      }
    }
    view = std::make_unique<frmDL>(state);
    view->setNameEditor([this](const NameEditRequest& request) {
      requests.push_back(request);
      return answer;
    });
    view->resize(900, 800);
    view->show();
  }

  template <typename T = ImageButton>
  T* find(const char* name, int index) const {
    return testing::FindControl<T>(*view, name, index);
  }
  QTableView* grid(int s) const { return find<QTableView>("Grid_frmDL_DL", s); }
  QString cell(int s, int row, int col) const {
    return grid(s)->model()->index(row, col).data().toString();
  }
  std::string stored(int f, int index) const {
    return GetDiskLinkName(state.up.files[static_cast<std::size_t>(f)].header, index);
  }

  void clickRow(int s, int row, Qt::KeyboardModifiers modifiers = {}) const {
    QTableView* table = grid(s);
    const QModelIndex index = table->model()->index(row, 1);
    table->scrollTo(index);
    QTest::mouseClick(table->viewport(), Qt::LeftButton, modifiers, table->visualRect(index).center());
  }
  void selectRows(int s, int first, int last) const {
    clickRow(s, first);
    clickRow(s, last, Qt::ShiftModifier);
  }
  void doubleClickName(int s, int row) const {
    QTableView* table = grid(s);
    const QModelIndex index = table->model()->index(row, 2);
    table->scrollTo(index);
    doubleClick(table, index);
  }
  // A double-click as the mouse makes it: a press and release, then the second press.
  static void doubleClick(QTableView* table, const QModelIndex& index) {
    const QPoint at = table->visualRect(index).center();
    QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(table->viewport(), Qt::LeftButton, {}, at);
  }
  void press(const char* name, int index) const {
    ImageButton* target = find(name, index);
    QTest::mousePress(target, Qt::LeftButton);
    QTest::mouseRelease(target, Qt::LeftButton);
  }

  AppState state;
  std::unique_ptr<frmDL> view;
  std::vector<NameEditRequest> requests;
  std::optional<QString> answer;
};

}  // namespace

class FrmDLTest : public QObject {
  Q_OBJECT

 private slots:
  void listsEveryEntryWithItsCodeAndFilters() {
    Fixture f;
    QAbstractItemModelTester tester(f.grid(0)->model());
    QCOMPARE(f.grid(0)->model()->rowCount(), 111);
    QCOMPARE(f.grid(0)->model()->columnCount(), 3);
    QCOMPARE(f.cell(0, 0, 1), QStringLiteral("C31"));
    QCOMPARE(f.cell(0, 47, 1), QStringLiteral("C88"));
    QCOMPARE(f.cell(0, 48, 1), QStringLiteral("D11"));
    QCOMPARE(f.cell(0, 110, 1), QStringLiteral("D87"));
    QCOMPARE(f.cell(1, 110, 2), QStringLiteral("R110    "));
    auto* counter = f.find<QLabel>("lbl_IDCnt", 0);
    QCOMPARE(counter->text(), QStringLiteral("111"));

    QTest::keyClicks(f.find<QLineEdit>("txt_DLFilter", 1), QStringLiteral("d8"));
    QCOMPARE(f.grid(0)->model()->rowCount(), 7);
    QCOMPARE(f.cell(0, 0, 1), QStringLiteral("D81"));
    QCOMPARE(f.cell(0, 6, 1), QStringLiteral("D87"));
    QCOMPARE(counter->toolTip(), QStringLiteral("7 of 111"));
    QCOMPARE(f.grid(1)->model()->rowCount(), 111);  // the other side keeps its list

    SetDiskLinkName(f.state.up.files[0].header, 105, "");
    f.view->Fill_Grid_frmDL_DL(0);
    QTest::keyClicks(f.find<QLineEdit>("txt_DLFilter", 2), QStringLiteral(" l"));
    QCOMPARE(f.grid(0)->model()->rowCount(), 0);  // the blank name does not match " L"
    QVERIFY(f.grid(0)->isHidden());
    QCOMPARE(f.find<QLineEdit>("txt_Sel_ID", 0)->text(), QStringLiteral("None"));
    QCOMPARE(f.find<QLineEdit>("txt_Sel_Rows", 0)->text(), QStringLiteral("0"));

    f.find<FilterBox>("txt_DLFilter", 1)->showRestingLook();  // left with text: yellow
    f.press("cmd_ClearFilter", 0);
    QCOMPARE(f.grid(0)->model()->rowCount(), 111);
    QCOMPARE(f.find<QLineEdit>("txt_DLFilter", 1)->text(), QString());
    QCOMPARE(f.find<QLineEdit>("txt_DLFilter", 1)->palette().color(QPalette::Base), QColor(192, 216, 215));
    QCOMPARE(f.find<QLineEdit>("txt_DLFilter", 101)->toolTip(), QStringLiteral("Disk Link [Filter]"));
    QCOMPARE(f.find<QLineEdit>("txt_DLFilter", 102)->toolTip(), QStringLiteral("Name [Filter]"));
    QCOMPARE(f.find("cmd_DLHeader", 102)->toolTip(), QStringLiteral("Name [L:Sort | R:Align]"));
  }

  void copyButtonsShowOnlyForEqualSelections() {
    Fixture f;
    f.selectRows(0, 2, 4);
    f.selectRows(1, 10, 12);
    QVERIFY(f.find("cmd_Grid_frmDL_DL_Copy", 0)->isVisible());
    QVERIFY(f.find("cmd_Grid_frmDL_DL_Copy", 1)->isVisible());
    QCOMPARE(f.find<QLineEdit>("txt_Sel_Rows", 1)->text(), QStringLiteral("3"));
    QCOMPARE(f.find<QLineEdit>("txt_Sel_ID", 1)->text(), QStringLiteral("10"));
    f.clickRow(1, 13, Qt::ShiftModifier);
    QVERIFY(!f.find("cmd_Grid_frmDL_DL_Copy", 0)->isVisible());
    QVERIFY(!f.find("cmd_Grid_frmDL_DL_Copy", 1)->isVisible());

    // Pressing the count label selects the whole list.
    QTest::mousePress(f.find<QLabel>("lbl_IDCnt", 0), Qt::LeftButton);
    QTest::mouseRelease(f.find<QLabel>("lbl_IDCnt", 0), Qt::LeftButton);
    QCOMPARE(f.view->selection(0).count, 111);
  }

  void copyPairsRowsByTheirPlaceInTheShownLists() {
    Fixture f;
    QSignalSpy marked(f.view.get(), &frmDL::fileModified);
    f.press("cmd_DLHeader", 0);  // ID again: descending
    QCOMPARE(f.cell(0, 0, 0), QStringLiteral("110"));
    f.selectRows(0, 0, 2);  // 110, 109, 108
    f.selectRows(1, 5, 7);  // 5, 6, 7
    f.press("cmd_Grid_frmDL_DL_Copy", 0);
    QCOMPARE(f.stored(1, 5), std::string("L110    "));
    QCOMPARE(f.stored(1, 6), std::string("L109    "));
    QCOMPARE(f.stored(1, 7), std::string("L108    "));
    QCOMPARE(f.stored(1, 8), std::string("R8      "));
    QCOMPARE(f.cell(1, 5, 2), QStringLiteral("L110    "));
    QVERIFY(f.state.history[1].Modified());
    QVERIFY(!f.state.history[0].Modified());
    QCOMPARE(marked.count(), 1);
    QCOMPARE(marked.at(0).at(0).toInt(), 1);
  }

  void renameStoresAnEightCharacterField() {
    Fixture f;
    f.state.up.files[1].path = "/tmp/b.ups";
    SetDiskLinkName(f.state.up.files[1].header, 3, "  Pad   ");
    f.view->Fill_Grid_frmDL_DL(1);
    f.answer = QStringLiteral("Ten chars!");
    f.doubleClickName(1, 3);
    QCOMPARE(f.requests.size(), std::size_t(1));
    QCOMPARE(f.requests[0].text, QStringLiteral("Pad"));
    QCOMPARE(f.requests[0].fill, f.state.fileColor[1]);
    QVERIFY(f.requests[0].alignment & Qt::AlignLeft);
    QCOMPARE(f.stored(1, 3), std::string("Ten char"));
    QVERIFY(f.state.history[1].Modified());

    f.answer = QString();
    f.doubleClickName(1, 3);
    QCOMPARE(f.stored(1, 3), std::string("        "));
    QCOMPARE(f.find<QLineEdit>("txt_Sel_ID", 1)->text(), QStringLiteral("3"));

    // Ctrl+Z takes the renames of the active side back one at a time, Ctrl+Y brings one again.
    QWidget* grid = f.view->findChild<QWidget*>(QStringLiteral("Grid_frmDL_DL_1"));
    QVERIFY(grid != nullptr);
    f.view->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(f.view.get()));
    grid->setFocus();
    QTest::keyClick(grid, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(f.stored(1, 3), std::string("Ten char"));
    QTest::keyClick(grid, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(f.stored(1, 3), std::string("  Pad   "));
    QVERIFY(!f.state.history[1].Modified());
    QTest::keyClick(grid, Qt::Key_Y, Qt::ControlModifier);
    QCOMPARE(f.cell(1, 3, 2), QStringLiteral("Ten char"));

    // The keyboard's way: from the parked focus, Down moves the grid and F2 renames. Where the
    // focus parks, a screen reader names the view.
    f.answer = QStringLiteral("Keys");
    f.press("cmd_HomeEnd", 1);
    f.press("cmd_HomeEnd", 1);
    QWidget* dummy = QApplication::focusWidget();
    QVERIFY(dummy != nullptr && dummy->objectName() == QStringLiteral("Dummy"));
    QCOMPARE(dummy->accessibleName(), QStringLiteral("Disk Link view"));
    QTest::keyClick(dummy, Qt::Key_Down);
    QTest::keyClick(f.grid(1), Qt::Key_F2);
    QCOMPARE(f.stored(1, 4), std::string("Keys    "));

    // A double-click on the code column edits nothing.
    QTableView* table = f.grid(1);
    Fixture::doubleClick(table, table->model()->index(4, 1));
    QCOMPARE(f.requests.size(), std::size_t(3));
  }

  void theSameFileOnBothSidesShowsBothNamesInRed() {
    Fixture f;
    f.view->activate();
    QCOMPARE(f.find<QLineEdit>("txt_UPS_FileName", 0)->palette().color(QPalette::Text), QColor(255, 0, 0));
    f.state.up.files[1].path = "/tmp/other.UPS";
    f.view->activate();
    QCOMPARE(f.find<QLineEdit>("txt_UPS_FileName", 1)->palette().color(QPalette::Text), QColor(0, 0, 0));
    QCOMPARE(f.find<QLineEdit>("txt_UPS_FileName", 1)->text(), QStringLiteral("other.UPS"));
    // One file named two ways is still one file.
    f.state.up.files[0].path = "c.UPS";
    f.state.up.files[1].path = "./c.UPS";
    f.view->activate();
    QCOMPARE(f.find<QLineEdit>("txt_UPS_FileName", 0)->palette().color(QPalette::Text), QColor(255, 0, 0));
    QCOMPARE(f.find<QLineEdit>("txt_UPS_FileName", 1)->palette().color(QPalette::Text), QColor(255, 0, 0));
  }

  void unsavedChangesShowOnTheFileOfTheirSide() {
    Fixture f;
    f.state.up.files[0].path = "/tmp/set.ups";
    f.state.up.files[1].path = "/tmp/lib.ups";
    f.view->activate();
    QVERIFY(!f.find<QLabel>("lbl_UPS_FileName", 0)->toolTip().endsWith(u'*'));
    f.answer = QStringLiteral("Renamed");
    f.doubleClickName(0, 4);
    for (const char* name : {"lbl_UPS_FileName", "txt_UPS_FileName"}) {
      QVERIFY2(f.find<QWidget>(name, 0)->toolTip().endsWith(u'*'), name);
      QVERIFY2(!f.find<QWidget>(name, 1)->toolTip().endsWith(u'*'), name);
    }
    f.view->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(f.view.get()));
    f.grid(0)->setFocus();
    QTest::keyClick(f.grid(0), Qt::Key_Z, Qt::ControlModifier);
    QVERIFY(!f.find<QLabel>("lbl_UPS_FileName", 0)->toolTip().endsWith(u'*'));
  }

  void undoHereTakesBackOnlyDiskLinkStepsAndNamesTheOthers() {
    Fixture f;
    f.answer = QStringLiteral("Mine");
    f.doubleClickName(1, 2);
    // Then three UPs deleted in the User Program view: the file's last step is not this view's.
    UPFile& file = f.state.up.files[1];
    QVERIFY(SetUPCount(file, 5));
    FileStep deletion;
    deletion.kind = FileStep::Kind::Remove;
    deletion.what = "Delete of 3 UPs";
    deletion.ids = {0, 1, 2};
    deletion.before = {file.up(0), file.up(1), file.up(2)};
    QVERIFY(RemoveRecordsAt(file, deletion.ids));
    f.state.history[1].Record(std::move(deletion));

    f.view->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(f.view.get()));
    f.grid(1)->setFocus();
    QTest::keyClick(f.grid(1), Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(file.count, 2);  // the deletion stays, and so does the rename
    QCOMPARE(f.stored(1, 2), std::string("Mine    "));
    std::unique_ptr<QMenu> menu = f.view->gridMenu(1);
    QCOMPARE(menu->actions().at(0)->text(), QStringLiteral("Undo Delete of 3 UPs (in the User Program view)"));
    QVERIFY(!menu->actions().at(0)->isEnabled());
    QCOMPARE(menu->actions().at(1)->text(), QStringLiteral("Redo"));
    QVERIFY(!menu->actions().at(1)->isEnabled());

    // Once the other view's step is undone there, this view's rename is next.
    QVERIFY(f.state.history[1].Undo(file));
    menu = f.view->gridMenu(1);
    QCOMPARE(menu->actions().at(0)->text(), QStringLiteral("Undo Rename of C33"));
    QVERIFY(menu->actions().at(0)->isEnabled());
    QCOMPARE(menu->actions().at(1)->text(), QStringLiteral("Redo Delete of 3 UPs (in the User Program view)"));
    QVERIFY(!menu->actions().at(1)->isEnabled());
    QTest::keyClick(f.grid(1), Qt::Key_Y, Qt::ControlModifier);
    QCOMPARE(file.count, 5);  // Redo, too, leaves the other view's step alone
    QTest::keyClick(f.grid(1), Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(f.stored(1, 2), std::string("R2      "));
  }

  void cancelledOrUnchangedRenamesMarkNothing() {
    Fixture f;
    QSignalSpy marked(f.view.get(), &frmDL::fileModified);
    SetDiskLinkName(f.state.up.files[0].header, 9, "  Pad   ");
    f.view->Fill_Grid_frmDL_DL(0);
    f.answer = std::nullopt;
    f.doubleClickName(0, 9);
    f.answer = QStringLiteral("Pad");  // accepted as shown: the blanks around it stay
    f.doubleClickName(0, 9);
    QCOMPARE(f.stored(0, 9), std::string("  Pad   "));
    QVERIFY(!f.state.history[0].Modified());
    QCOMPARE(marked.count(), 0);
  }

  void renameThroughTheNamePopUp() {
    Fixture f;
    f.view->setNameEditor([&f](const NameEditRequest& request) { return EditNameInPopup(f.view.get(), request); });
    const testing::ModalAnswer<QWidget> typist([](QWidget& popup) {
      auto* editor = popup.findChild<QLineEdit*>(QStringLiteral("txt_Editor"));
      QTest::keyClicks(editor, QStringLiteral("abcdefghij"));
      QTest::keyClick(editor, Qt::Key_Return);  // 12 characters: refused
      for (int i = 0; i < 6; ++i) QTest::keyClick(editor, Qt::Key_Backspace);
      QTest::keyClick(editor, Qt::Key_Return);
      if (popup.isVisible()) QTest::keyClick(editor, Qt::Key_Escape);
    });
    f.doubleClickName(0, 2);
    QCOMPARE(typist.opened(), QStringLiteral("frmNameEditor"));
    QCOMPARE(f.stored(0, 2), std::string("L2abcd  "));
    QVERIFY(f.state.history[0].Modified());
  }
};

}  // namespace tarnwick

QTEST_MAIN(tarnwick::FrmDLTest)
#include "frm_dl_test.moc"
