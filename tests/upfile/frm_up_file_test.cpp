// SPDX-License-Identifier: GPL-3.0-or-later
// The UP file window worked through its own controls: sorting and re-selection, the filter
// boxes, the file commands, the unsaved-changes questions and the transfers between the grids.
#include <QFile>
#include <QMenu>
#include <QScrollBar>
#include <QSignalSpy>

#include "grid/grid_header_button.h"
#include "upfile/window_fixture.h"

namespace tarnwick {

using testing::MarkOf;
using testing::WindowFixture;
using Answer = UserDialogs::Answer;
using IDs = std::vector<int>;

class FrmUPFileTest : public QObject {
  Q_OBJECT

 private slots:
  // Ctrl+Z, Ctrl+Shift+Z and Ctrl+Y act on the file touched last, the grid menu names the change,
  // and the unsaved mark comes and goes with the history.
  void undoAndRedoFollowTheActiveFileAndTheMark() {
    WindowFixture fixture(4, 3);
    fixture.selectRows(1, 0, 1);
    fixture.press("cmd_Grid_frmUPFile_UP_Delete", 1);
    QCOMPARE(fixture.shownIDs(1), (IDs{0}));
    std::unique_ptr<QMenu> menu = fixture.window->gridMenu(1);
    QCOMPARE(menu->actions()[0]->text(), QStringLiteral("Undo Delete of 2 UPs"));
    QVERIFY(menu->actions()[0]->isEnabled());
    QCOMPARE(menu->actions()[1]->text(), QStringLiteral("Redo"));
    QVERIFY(!menu->actions()[1]->isEnabled());
    QVERIFY(!fixture.window->gridMenu(0)->actions()[0]->isEnabled());

    QTest::keyClick(fixture.grid(1), Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(MarkOf(fixture.file(1).up(1)), 1001);
    QCOMPARE(fixture.shownIDs(1), (IDs{0, 1, 2}));
    QVERIFY(!fixture.state.history[1].Modified());
    QCOMPARE(fixture.window->caption(), QStringLiteral("file0.ups | file1.ups"));
    QTest::keyClick(fixture.grid(1), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(fixture.shownIDs(1), (IDs{0}));
    QTest::keyClick(fixture.grid(1), Qt::Key_Z, Qt::ControlModifier);
    QTest::keyClick(fixture.grid(1), Qt::Key_Y, Qt::ControlModifier);
    QCOMPARE(fixture.file(1).count, 1);
    QVERIFY(fixture.state.history[1].Modified());
    QCOMPARE(fixture.file(0).count, 4);  // the other file is untouched throughout
  }

  // Export writes the rows as the grid shows them, in the format of the chosen ending.
  void exportedSetListsFollowTheGridsOrder() {
    WindowFixture fixture(3, 2);
    fixture.press("cmd_GridHeader", 0);  // ID descending
    fixture.dialogs.fileNames = {fixture.filePath("list.csv"), fixture.filePath("list.txt")};
    std::unique_ptr<QMenu> menu = fixture.window->gridMenu(0);
    QCOMPARE(menu->actions()[4]->text(), QStringLiteral("Export Set List…"));
    menu->actions()[4]->trigger();
    const std::string csv = testing::ReadBytes(fixture.filePath("list.csv").toStdString());
    QVERIFY(csv.find("id,up,name,style,tempo,song\n2,A13,") == 0);
    QVERIFY(csv.find("\n0,A11,") != std::string::npos);
    fixture.window->gridMenu(0)->actions()[4]->trigger();  // an ending that names no format
    QVERIFY(fixture.dialogs.shown.back().text.startsWith(QStringLiteral("A set list is exported as")));

    // An existing file is replaced only when the user says so, an open UP file never.
    testing::WriteBytes(fixture.filePath("list.csv").toStdString(), "kept");
    const QString link = fixture.filePath("link.pdf");
    QVERIFY(QFile::link(fixture.filePath("file1.ups"), link));
    fixture.dialogs.fileNames = {fixture.filePath("list.csv"), link};
    fixture.dialogs.clear();
    for (int i = 0; i < 2; ++i) fixture.window->gridMenu(0)->actions()[4]->trigger();
    QCOMPARE(fixture.dialogs.shown[1].text, fixture.filePath("list.csv") + QStringLiteral("\r\n\r\nExist, Overwrite?"));
    QCOMPARE(testing::ReadBytes(fixture.filePath("list.csv").toStdString()), std::string("kept"));  // answered No
    QCOMPARE(fixture.dialogs.messages(), QStringList(QStringLiteral("Error Saving File: ") + link +
                                                     QStringLiteral("\r\n\r\nA set list cannot replace an open UP file.")));
    QCOMPARE(fixture.onDisk("file1.ups").count, 2);
  }

  void headerClicksCycleTheSortAndKeepTheActiveUPOnItsPage() {
    WindowFixture fixture(100, 5);
    fixture.selectRows(0, 75, 75);
    fixture.press("cmd_GridHeader", 2);  // Name: UP0, UP1, UP10, UP11 ...
    const IDs ascending = fixture.shownIDs(0);
    QCOMPARE(ascending[2], 10);
    const int row = fixture.grid(0)->currentIndex().row();
    QCOMPARE(ascending[static_cast<std::size_t>(row)], 75);
    QCOMPARE(fixture.grid(0)->verticalScrollBar()->value(), row / 30 * 30);
    QCOMPARE(fixture.selectedID(0), 75);

    fixture.press("cmd_GridHeader", 2);
    QCOMPARE(fixture.shownIDs(0), IDs(ascending.rbegin(), ascending.rend()));
    fixture.press("cmd_GridHeader", 2);
    QCOMPARE(fixture.shownIDs(0), ascending);
    fixture.press("cmd_GridHeader", 2);  // descending again
    fixture.press("cmd_GridHeader", 0);  // another column starts ascending
    QCOMPARE(fixture.shownIDs(0).front(), 0);
    QCOMPARE(fixture.grid(0)->currentIndex().row(), 75);
    QCOMPARE(fixture.selectedID(0), 75);
  }

  void sortedHeadersKeepCaptionAndMark() {
    WindowFixture fixture(40, 3);
    for (int col = 0; col < kGridColumnCount; ++col) {
      fixture.press("cmd_GridHeader", col);
      auto* header = fixture.find<GridHeaderButton>("cmd_GridHeader", col);
      QVERIFY(header->mark() != SortMark::None);
      const HeaderFaceLayout face = LayoutHeaderFace(header->rect(), header->caption(), header->mark(), header->font());
      QVERIFY2(face.shownText == header->caption(),
               qPrintable(QStringLiteral("%1 in %2 px").arg(header->caption()).arg(header->width())));
      const QFontMetrics metrics(face.font);
      const QRect& area = face.textArea;
      const int baseline = area.top() + (area.height() - metrics.height()) / 2 + metrics.ascent();
      const int left = area.left() + (area.width() - metrics.horizontalAdvance(face.shownText)) / 2;
      const QRect glyphs = metrics.tightBoundingRect(face.shownText).translated(left, baseline);
      QVERIFY2(!glyphs.intersects(face.markArea), qPrintable(header->caption()));
      QVERIFY2(header->rect().contains(glyphs), qPrintable(header->caption()));
    }
  }

  void filterBoxesOfEachKindNarrowTheGrid() {
    WindowFixture fixture(300, 3);
    QSignalSpy refreshes(fixture.window.get(), &frmUPFile::gridRefreshed);
    QLineEdit* tempo = fixture.filter(0, 7);  // tempos run 20 + ID
    tempo->setFocus();
    QTest::keyClicks(tempo, QStringLiteral("12"));
    QCOMPARE(refreshes.count(), 0);
    QTest::keyClick(tempo, Qt::Key_0);
    QCOMPARE(refreshes.count(), 1);
    QCOMPARE(fixture.shownIDs(0), IDs{100});
    QTest::keyClick(tempo, Qt::Key_Up, Qt::ControlModifier);
    QCOMPARE(tempo->text(), QStringLiteral("250"));
    QCOMPARE(fixture.shownIDs(0), IDs{230});
    QTest::keyClick(tempo, Qt::Key_Up);
    QCOMPARE(tempo->text(), QString());
    QCOMPARE(fixture.shownIDs(0).size(), std::size_t{300});

    QLineEdit* name = fixture.filter(0, 2);
    name->setFocus();
    QTest::keyClicks(name, QStringLiteral("up11"));
    QCOMPARE(fixture.shownIDs(0), (IDs{11, 110, 111, 112, 113, 114, 115, 116, 117, 118, 119}));
    tempo->setFocus();
    QTest::keyClicks(tempo, QStringLiteral("131"));
    QCOMPARE(fixture.shownIDs(0), IDs{111});


    refreshes.clear();
    fixture.press("cmd_ClearFilter", 0);
    QCOMPARE(refreshes.count(), 1);
    QCOMPARE(name->text(), QString());
    QCOMPARE(fixture.shownIDs(0).size(), std::size_t{300});
    // The rules of each kind of box are the shared boxes' (tests/grid); here, this window's limits.
    QLineEdit* program = fixture.filter(1, 12);
    program->setFocus();
    QTest::keyClick(program, Qt::Key_Down);
    QCOMPARE(program->text(), QStringLiteral("128"));
  }

  void newWithoutTemplateStartsAnEmptyUnnamedFile() {
    WindowFixture fixture(-1, -1);
    const QString templatePath = fixture.filePath("DefaultNewFile.upt");
    const QString missing = templatePath + ", Is missing!\r\n\r\nSave an empty(0 UP) ups file to: ";
    QCOMPARE(fixture.dialogs.messages(), QStringList(2, missing + templatePath));
    QCOMPARE(fixture.dialogs.shown[0].title, QStringLiteral("File NOT Found!"));
    QCOMPARE(fixture.dialogs.shown[0].icon, UserDialogs::Icon::Critical);
    QVERIFY(!fixture.grid(0)->isVisible());
    QCOMPARE(fixture.text("txt_UPS_FileName", 0), QString());
    QCOMPARE(fixture.find<QLineEdit>("txt_UPS_FileName", 0)->toolTip(), QStringLiteral("Unnamed New File"));
    QCOMPARE(fixture.text("txt_Sel_ID", 0), QStringLiteral("None"));
    QVERIFY(!fixture.find("cmd_FileSave", 0)->isVisible() && fixture.find("cmd_FileSaveAs", 0)->isVisible());
  }

  void aFullSetIsLabelledUPSFileAndAnythingElseLibFile() {
    WindowFixture fixture(192, 1);
    auto* label = fixture.find<QLabel>("lbl_UPS_FileName", 0);
    QCOMPARE(label->text(), QStringLiteral("UPS File 0"));
    QCOMPARE(fixture.find<QLabel>("lbl_UPS_FileName", 1)->text(), QStringLiteral("Lib File 1"));
    fixture.selectRows(0, 0, 0);
    fixture.press("cmd_Grid_frmUPFile_UP_Delete", 0);
    QCOMPARE(label->text(), QStringLiteral("Lib File 0"));
    QCOMPARE(label->toolTip(), QStringLiteral("191 UPs"));
  }

  void openingTheOtherGridsFileMarksBothAndLeavesOneSave() {
    WindowFixture fixture(5, 3);
    fixture.dialogs.fileNames = {fixture.filePath("file0.ups")};
    fixture.press("cmd_FileOpen", 1);
    QCOMPARE(fixture.shownIDs(1).size(), std::size_t{5});
    QVERIFY(fixture.find("cmd_FileSave", 0)->isVisible());
    QVERIFY(!fixture.find("cmd_FileSave", 1)->isVisible());
    for (int f = 0; f < 2; ++f) {
      QCOMPARE(fixture.find("cmd_OpenFileFrom", f)->shownPicture(), QStringLiteral("FILE_FROM_IS_SAME_UP"));
      QCOMPARE(fixture.find<QLineEdit>("txt_UPS_FileName", f)->palette().color(QPalette::Text),
               QColor(255, 0, 0));
      QCOMPARE(fixture.text("txt_UPS_FileName", f), QStringLiteral("file0.ups"));
    }
  }

  void saveAsToTheOtherGridsPathIsRefusedAndAskedAgain() {
    WindowFixture fixture(4, 2);
    const QString other = fixture.filePath("file1.ups");
    const QString alias = fixture.filePath("alias.ups");  // the same file through a link
    QVERIFY(QFile::link(other, alias));
    fixture.dialogs.fileNames = {fixture.filePath("file1.txt"), alias, fixture.filePath("copy.dat")};
    fixture.press("cmd_FileSaveAs", 0);
    const QString refused = "\r\n\r\nIs already open in the other Grid\r\n\r\nChose another Filename, Please";
    QCOMPARE(fixture.dialogs.messages(), (QStringList{other + refused, alias + refused}));
    QCOMPARE(fixture.dialogs.shown.size(), std::size_t{5});  // asked again, starting at the refused path
    QCOMPARE(fixture.dialogs.shown[1].title, QStringLiteral("File Save As"));
    QCOMPARE(fixture.dialogs.shown[2].text, other);
    QCOMPARE(fixture.text("txt_UPS_FileName", 0), QStringLiteral("copy.ups"));
    QCOMPARE(fixture.onDisk("copy.ups").count, 4);
    QCOMPARE(fixture.onDisk("file1.ups").count, 2);
  }

  void unsavedChangesAreMarkedAndAskedAboutCancelKeepingEverything() {
    WindowFixture fixture(4, 2);
    QSignalSpy captions(fixture.window.get(), &frmUPFile::captionChanged);
    fixture.selectRows(0, 1, 2);
    fixture.press("cmd_Grid_frmUPFile_UP_Append", 0);
    QVERIFY(fixture.state.history[1].Modified() && !fixture.state.history[0].Modified());
    QVERIFY(fixture.find<QLineEdit>("txt_UPS_FileName", 1)->toolTip().endsWith(QStringLiteral(" *")));
    QCOMPARE(captions.count(), 1);
    QCOMPARE(fixture.window->caption(), QStringLiteral("file0.ups | file1.ups*"));

    fixture.dialogs.answers = {Answer::Cancel};
    fixture.press("cmd_FileNew", 1);
    QCOMPARE(fixture.dialogs.shown.size(), std::size_t{1});
    QCOMPARE(fixture.dialogs.shown[0].text,
             QStringLiteral("File 1 (file1.ups) has unsaved changes.\r\n\r\nSave the changes?"));
    QCOMPARE(fixture.dialogs.shown[0].title, QStringLiteral("Unsaved Changes"));
    QCOMPARE(fixture.shownIDs(1), (IDs{0, 1, 2, 3}));
    QCOMPARE(MarkOf(fixture.file(1).up(3)), 2);
    QVERIFY(fixture.state.history[1].Modified());

    fixture.dialogs.answers = {Answer::Save};
    QVERIFY(fixture.window->confirmCloseAll());
    QCOMPARE(fixture.window->caption(), QStringLiteral("file0.ups | file1.ups"));
    QCOMPARE(fixture.onDisk("file1.ups").count, 4);

    fixture.press("cmd_Grid_frmUPFile_UP_Append", 0);
    fixture.dialogs.answers = {Answer::Discard};
    fixture.press("cmd_FileNew", 1);
    QCOMPARE(fixture.file(1).count, 0);
    QCOMPARE(fixture.onDisk("file1.ups").count, 4);
  }

  // A button that hides keeps its place, so a click never lands on the neighbour that slid over.
  void hiddenButtonsKeepTheirPlaces() {
    WindowFixture fixture(10, 10);
    fixture.selectRows(0, 1, 1);
    fixture.selectRows(1, 1, 1);
    ImageButton* remove = fixture.find("cmd_Grid_frmUPFile_UP_Delete", 0);
    ImageButton* saveAs = fixture.find("cmd_FileSaveAs", 1);
    QVERIFY(fixture.find("cmd_Grid_frmUPFile_UP_Copy", 0)->isVisible());
    const QPoint deleteAt = remove->mapTo(fixture.window.get(), QPoint());
    const QPoint saveAsAt = saveAs->mapTo(fixture.window.get(), QPoint());

    fixture.selectRows(0, 1, 3);  // the counts differ: Copy hides
    fixture.dialogs.fileNames = {fixture.filePath("file0.ups")};
    fixture.press("cmd_FileOpen", 1);  // the other grid's file: Save of File 1 hides
    QVERIFY(!fixture.find("cmd_Grid_frmUPFile_UP_Copy", 0)->isVisible());
    QVERIFY(!fixture.find("cmd_FileSave", 1)->isVisible());
    QApplication::processEvents();
    QCOMPARE(remove->mapTo(fixture.window.get(), QPoint()), deleteAt);
    QCOMPARE(saveAs->mapTo(fixture.window.get(), QPoint()), saveAsAt);
  }

  // Whatever changes the active UP highlights its row, so Delete never acts on an unmarked row.
  void everyChangeOfTheActiveUPHighlightsItsRow() {
    WindowFixture fixture(10, 3);
    QTableView* view = fixture.grid(0);
    const auto highlighted = [view](int row) {
      for (int col = 1; col < kGridColumnCount; ++col)
        if (!view->selectionModel()->isSelected(view->model()->index(row, col))) return false;
      return true;
    };
    const QModelIndex idCell = view->model()->index(5, 0);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, Qt::NoModifier, view->visualRect(idCell).center());
    QCOMPARE(fixture.selectedID(0), 5);
    QVERIFY(highlighted(5));

    fixture.press("cmd_HomeEnd", 0);  // parks the focus
    QWidget* parked = QApplication::focusWidget();
    QVERIFY(parked != nullptr && parked->objectName() == QStringLiteral("Dummy"));
    QTest::keyClick(parked, Qt::Key_Home, Qt::ControlModifier);
    QCOMPARE(fixture.selectedID(0), 0);
    QVERIFY(highlighted(0));
    fixture.press("cmd_Grid_frmUPFile_UP_Delete", 0);
    QCOMPARE(MarkOf(fixture.file(0).up(0)), 1);
    QCOMPARE(fixture.file(0).count, 9);
  }

  void copyPairsRowsInDisplayOrder() {
    WindowFixture fixture(20, 10);
    fixture.press("cmd_GridHeader", 0);  // ID descending: 19, 18, 17 ...
    fixture.selectRows(0, 2, 0);  // anchored below: the block still pairs top to bottom
    fixture.selectRows(1, 6, 4);
    fixture.press("cmd_Grid_frmUPFile_UP_Copy", 0);
    QCOMPARE(MarkOf(fixture.file(1).up(4)), 19);
    QCOMPARE(MarkOf(fixture.file(1).up(5)), 18);
    QCOMPARE(MarkOf(fixture.file(1).up(6)), 17);
    QCOMPARE(MarkOf(fixture.file(1).up(7)), 1007);
    QCOMPARE(fixture.file(1).count, 10);
    fixture.selectRows(1, 4, 4);
    QVERIFY(!fixture.find("cmd_Grid_frmUPFile_UP_Copy", 0)->isVisible());
  }

  void insertGoesBeforeTheActiveUPAndSelectsTheFirstInserted() {
    WindowFixture fixture(5, 20);
    fixture.selectRows(1, 10, 10);
    fixture.selectRows(0, 1, 3);
    fixture.press("cmd_Grid_frmUPFile_UP_Insert", 0);
    QCOMPARE(fixture.file(1).count, 23);
    QCOMPARE(MarkOf(fixture.file(1).up(9)), 1009);
    QCOMPARE(MarkOf(fixture.file(1).up(10)), 1);
    QCOMPARE(MarkOf(fixture.file(1).up(13)), 1010);
    QCOMPARE(fixture.selectedID(1), 10);
    QCOMPARE(fixture.grid(1)->currentIndex().row(), 10);
    QCOMPARE(fixture.find<QLabel>("lbl_IDCnt", 1)->text(), QStringLiteral("23"));
  }

  void appendStopsAt65535() {
    WindowFixture fixture(3, kMaxUPCount - 1);
    fixture.selectRows(0, 0, 1);
    fixture.press("cmd_Grid_frmUPFile_UP_Append", 0);
    QCOMPARE(fixture.dialogs.messages(), QStringList{QStringLiteral("More than 65535 ID's - Append Failed")});
    QCOMPARE(fixture.dialogs.shown[0].title, QStringLiteral("Tarnwick"));
    QCOMPARE(fixture.file(1).count, kMaxUPCount - 1);
    QVERIFY(!fixture.state.history[1].Modified());

    fixture.selectRows(0, 2, 2);
    fixture.press("cmd_Grid_frmUPFile_UP_Append", 0);
    QCOMPARE(fixture.file(1).count, kMaxUPCount);
    QCOMPARE(MarkOf(fixture.file(1).up(kMaxUPCount - 1)), 2);
    QCOMPARE(fixture.shownIDs(1).size(), std::size_t{kMaxUPCount});
  }

  void deleteInAFilteredGridRemovesOnlyTheRowsShownSelected() {
    WindowFixture fixture(40, 3);
    QLineEdit* name = fixture.filter(0, 2);
    name->setFocus();
    QTest::keyClicks(name, QStringLiteral("UP1"));  // UP1, UP10 .. UP19
    fixture.selectRows(0, 1, 3);                    // IDs 10, 11, 12
    fixture.press("cmd_Grid_frmUPFile_UP_Delete", 0);
    QCOMPARE(fixture.file(0).count, 37);
    QCOMPARE(MarkOf(fixture.file(0).up(9)), 9);
    QCOMPARE(MarkOf(fixture.file(0).up(10)), 13);
    QCOMPARE(MarkOf(fixture.file(0).up(36)), 39);
    // The filter still applies to the renumbered file: names stay with their records.
    QCOMPARE(name->text(), QStringLiteral("UP1"));
    QCOMPARE(fixture.shownIDs(0), (IDs{1, 10, 11, 12, 13, 14, 15, 16}));
  }
};

}  // namespace tarnwick

QTEST_MAIN(tarnwick::FrmUPFileTest)
#include "frm_up_file_test.moc"
