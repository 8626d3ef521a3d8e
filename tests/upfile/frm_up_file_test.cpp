// The UP file window worked through its own controls: sorting and re-selection, the filter
// boxes, the file commands and the unsaved-changes questions.
#include <QLabel>
#include <QSignalSpy>
#include <QWheelEvent>

#include "upfile/window_fixture.h"

namespace tarnwick {

using testing::WindowFixture;
using Answer = UserDialogs::Answer;

class FrmUPFileTest : public QObject {
  Q_OBJECT

 private slots:
  void headerClicksSortAndKeepTheActiveUPOnItsPage() {
    WindowFixture fixture(100, 5);
    QTableView* view = fixture.grid(0);
    fixture.selectRows(0, 75, 75);
    QCOMPARE(fixture.selectedID(0), 75);

    fixture.press(QStringLiteral("cmd_GridHeader_2"));  // Name: UP0, UP1, UP10, UP11 ...
    const std::vector<int> ascending = fixture.shownIDs(0);
    QCOMPARE(ascending[2], 10);
    QCOMPARE(fixture.header(2)->pictureName(), QStringLiteral("HeadSort_Down_2"));
    QCOMPARE(fixture.header(0)->pictureName(), QStringLiteral("HeadSort_Norm_0"));
    const int row = view->currentIndex().row();
    QCOMPARE(ascending[static_cast<std::size_t>(row)], 75);
    QCOMPARE(view->verticalScrollBar()->value(), row / 30 * 30);
    QCOMPARE(fixture.selectedID(0), 75);

    fixture.press(QStringLiteral("cmd_GridHeader_2"));
    std::vector<int> reversed = fixture.shownIDs(0);
    std::reverse(reversed.begin(), reversed.end());
    QCOMPARE(reversed, ascending);
    QCOMPARE(fixture.header(2)->pictureName(), QStringLiteral("HeadSort_Up_2"));
    fixture.press(QStringLiteral("cmd_GridHeader_2"));
    QCOMPARE(fixture.shownIDs(0), ascending);

    fixture.press(QStringLiteral("cmd_GridHeader_2"));  // descending again
    fixture.press(QStringLiteral("cmd_GridHeader_0"));  // another column starts ascending
    QCOMPARE(fixture.shownIDs(0).front(), 0);
    QCOMPARE(fixture.window->gridState(0).SortDir, std::int16_t{kSortAscending});
    QCOMPARE(fixture.selectedID(0), 75);
    QCOMPARE(fixture.window->focusWidget()->objectName(), QStringLiteral("Dummy"));
  }

  void rightClickOnAHeaderCyclesTheColumnAlignment() {
    WindowFixture fixture(3, 3);
    GridHeaderButton* header = fixture.header(102);
    const QModelIndex cell = fixture.grid(1)->model()->index(0, 2);
    QTest::mousePress(header, Qt::RightButton);
    QCOMPARE(cell.data(Qt::TextAlignmentRole).value<Qt::Alignment>(), Qt::AlignHCenter | Qt::AlignVCenter);
    QTest::mousePress(header, Qt::RightButton);
    QTest::mousePress(header, Qt::RightButton);
    QCOMPARE(cell.data(Qt::TextAlignmentRole).value<Qt::Alignment>(), Qt::AlignLeft | Qt::AlignVCenter);
    QCOMPARE(fixture.window->gridState(1).SortCol, std::int16_t{0});
  }

  void counterClickSelectsAllRowsAndHomeEndPagesTheGrid() {
    WindowFixture fixture(95, 29);
    QCOMPARE(fixture.grid(1)->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    QCOMPARE(fixture.grid(0)->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    auto* counter = fixture.find<QLabel>(QStringLiteral("lbl_IDCnt_0"));
    QCOMPARE(counter->text(), QStringLiteral("95"));
    QCOMPARE(counter->toolTip(), QStringLiteral("95 of 95"));
    QTest::mousePress(counter, Qt::LeftButton);
    QCOMPARE(fixture.find<QLabel>(QStringLiteral("lbl_Back_IDCnt_0"))->palette().color(QPalette::Window),
             QColor(0, 0, 255));
    QTest::mouseRelease(counter, Qt::LeftButton);
    QCOMPARE(fixture.box("txt_Sel_Rows", 0)->text(), QStringLiteral("95"));
    QCOMPARE(fixture.window->gridState(0).FirstRow, 0);
    QCOMPARE(fixture.window->gridState(0).LastRow, 94);

    ImageButton* homeEnd = fixture.button(QStringLiteral("cmd_HomeEnd_0"));
    QCOMPARE(homeEnd->toolTip(), QStringLiteral("Go to End"));
    fixture.press(QStringLiteral("cmd_HomeEnd_0"));
    QCOMPARE(homeEnd->toolTip(), QStringLiteral("Go to Home"));
    QCOMPARE(homeEnd->shownPicture(), QStringLiteral("TO_HOME_UP"));
    QCOMPARE(fixture.grid(0)->verticalScrollBar()->value(), fixture.grid(0)->verticalScrollBar()->maximum());
    fixture.press(QStringLiteral("cmd_HomeEnd_0"));
    QCOMPARE(fixture.grid(0)->verticalScrollBar()->value(), 0);
    QCOMPARE(homeEnd->property("tag").toString(), QStringLiteral("TO_END"));
  }

  void tempoBoxWaitsForItsThirdDigit() {
    WindowFixture fixture(300, 3);
    QSignalSpy refreshes(fixture.window.get(), &frmUPFile::gridRefreshed);
    QLineEdit* tempo = fixture.filter(0, 7);
    tempo->setFocus();
    QTest::keyClicks(tempo, QStringLiteral("12"));
    QCOMPARE(refreshes.count(), 0);
    QTest::keyClick(tempo, Qt::Key_0);
    QCOMPARE(refreshes.count(), 1);
    QCOMPARE(fixture.shownIDs(0), std::vector<int>{100});  // tempos run 20 + ID

    tempo->clear();
    QTest::keyClick(tempo, Qt::Key_Up);
    QCOMPARE(tempo->text(), QStringLiteral("20"));
    const int before = static_cast<int>(refreshes.count());
    QTest::keyClick(tempo, Qt::Key_Up, Qt::ControlModifier);
    QCOMPARE(tempo->text(), QStringLiteral("250"));
    QCOMPARE(refreshes.count(), before + 1);
    QCOMPARE(fixture.shownIDs(0), std::vector<int>{230});
    QTest::keyClick(tempo, Qt::Key_Up);
    QCOMPARE(tempo->text(), QString());
    QCOMPARE(fixture.shownIDs(0).size(), std::size_t{300});
  }

  void numberBoxesRefuseWhatTheyCannotHold() {
    WindowFixture fixture(10, 3);
    QLineEdit* bankLSB = fixture.filter(0, 11);
    bankLSB->setFocus();
    QTest::keyClick(bankLSB, Qt::Key_4);
    QCOMPARE(bankLSB->text(), QString());
    QTest::keyClick(bankLSB, Qt::Key_3);
    QTest::keyClick(bankLSB, Qt::Key_2);
    QCOMPARE(bankLSB->text(), QStringLiteral("2"));
    QCOMPARE(fixture.shownIDs(0).size(), std::size_t{0});

    QLineEdit* program = fixture.filter(0, 12);
    program->setFocus();
    QTest::keyClicks(program, QStringLiteral("1x"));
    QCOMPARE(program->text(), QStringLiteral("1"));
    program->insert(QStringLiteral("2x"));  // as a paste would
    QCOMPARE(program->text(), QString());
    QTest::keyClick(bankLSB, Qt::Key_Backspace);
    QCOMPARE(fixture.shownIDs(0).size(), std::size_t{10});
  }

  void numberBoxesStepByMouseHalvesAndWheel() {
    WindowFixture fixture(10, 3);
    QLineEdit* program = fixture.filter(1, 12);
    QTest::mouseClick(program, Qt::LeftButton, Qt::NoModifier, QPoint(2, program->height() / 2));
    QCOMPARE(program->text(), QStringLiteral("128"));
    QVERIFY(program->hasFocus());
    QTest::mouseClick(program, Qt::LeftButton, Qt::NoModifier,
                      QPoint(program->width() - 2, program->height() / 2));
    QCOMPARE(program->text(), QString());
    QTest::mouseClick(program, Qt::LeftButton, Qt::ControlModifier, QPoint(program->width() - 2, 3));
    QCOMPARE(program->text(), QStringLiteral("128"));

    const QPointF middle(program->width() / 2.0, program->height() / 2.0);
    QWheelEvent towardsUser(middle, program->mapToGlobal(middle), QPoint(), QPoint(0, -120), Qt::NoButton,
                            Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(program, &towardsUser);
    QCOMPARE(program->text(), QStringLiteral("127"));
    QCOMPARE(fixture.shownIDs(1).size(), std::size_t{0});
  }

  void textBoxesFilterAndClearFilterRefreshesOnce() {
    WindowFixture fixture(120, 3);
    QLineEdit* name = fixture.filter(0, 2);
    name->setFocus();
    QTest::keyClicks(name, QStringLiteral("up11"));
    QCOMPARE(fixture.shownIDs(0), (std::vector<int>{11, 110, 111, 112, 113, 114, 115, 116, 117, 118, 119}));
    fixture.filter(0, 7)->setFocus();
    QCOMPARE(name->palette().color(QPalette::Base), QColor(255, 255, 0));
    QVERIFY(name->font().bold());
    QTest::keyClicks(fixture.filter(0, 7), QStringLiteral("131"));
    QCOMPARE(fixture.shownIDs(0), std::vector<int>{111});

    QSignalSpy refreshes(fixture.window.get(), &frmUPFile::gridRefreshed);
    fixture.press(QStringLiteral("cmd_ClearFilter_0"));
    QCOMPARE(refreshes.count(), 1);
    QCOMPARE(name->text(), QString());
    QCOMPARE(name->palette().color(QPalette::Base), QColor(192, 216, 215));
    QCOMPARE(fixture.shownIDs(0).size(), std::size_t{120});
  }

  void f1ShowsTheFilterHelpAndFocusTurnsWindowKeysOff() {
    WindowFixture fixture(3, 3);
    QLineEdit* tempo = fixture.filter(1, 7);
    tempo->setFocus();
    QVERIFY(!fixture.state.windowKeysEnabled);
    QTest::keyClick(tempo, Qt::Key_F1);
    QCOMPARE(fixture.helpShown.size(), std::size_t{1});
    QCOMPARE(fixture.helpShown[0].caption, QStringLiteral("Filter Help"));
    QCOMPARE(fixture.helpShown[0].sizeTwips, QSize(3630, 3450));
    QVERIFY(fixture.helpShown[0].text.startsWith(QStringLiteral(" Up Arrow: Increases the value\r\n")));
    fixture.press(QStringLiteral("cmd_ClearFilter_1"));
    QVERIFY(fixture.state.windowKeysEnabled);
  }

  void columnSelectorsChangeWhatColumnsAndFiltersRefer() {
    WindowFixture fixture(4, 3);
    fixture.file(0).up(2)[field::Pad2Button.offset] = 9;
    fixture.press(QStringLiteral("cmd_GridHeader_8"));
    fixture.window->cycleColumnSelector(0, ColumnSelector::Pad, 1);
    QCOMPARE(fixture.header(8)->pictureName(), QStringLiteral("Pad_HeadSort_Down_1"));
    QCOMPARE(fixture.shownIDs(0).back(), 2);  // still sorted by column 8, now Pad 2
    QCOMPARE(fixture.filter(0, 8)->toolTip(), QStringLiteral("Pad 2 Button [Filter]"));
    fixture.window->cycleColumnSelector(0, ColumnSelector::Tone, -1);
    QCOMPARE(fixture.find<QLabel>(QStringLiteral("lbl_Tone_0"))->text(), QStringLiteral("AC6 Tone"));
  }

  void newWithoutTemplateStartsAnEmptyUnnamedFile() {
    WindowFixture fixture(-1, -1);
    QCOMPARE(fixture.dialogs.messages.size(), std::size_t{2});
    const QString templatePath = fixture.filePath(QStringLiteral("DefaultNewFile.upt"));
    QCOMPARE(fixture.dialogs.messages[0].text,
             templatePath + ", Is missing!\r\n\r\nSave an empty(0 UP) ups file to: " + templatePath);
    QCOMPARE(fixture.dialogs.messages[0].title, QStringLiteral("File NOT Found!"));
    QCOMPARE(fixture.dialogs.messages[0].icon, UserDialogs::Icon::Critical);
    QVERIFY(!fixture.grid(0)->isVisible());
    QCOMPARE(fixture.box("txt_UPS_FileName", 0)->text(), QString());
    QCOMPARE(fixture.box("txt_UPS_FileName", 0)->toolTip(), QStringLiteral("Unnamed New File"));
    QCOMPARE(fixture.box("txt_Sel_ID", 0)->text(), QStringLiteral("None"));
    auto* label = fixture.find<QLabel>(QStringLiteral("lbl_UPS_FileName_1"));
    QCOMPARE(label->text(), QStringLiteral("Lib File 1"));
    QCOMPARE(label->toolTip(), QStringLiteral("0 UP"));
    QVERIFY(!fixture.button(QStringLiteral("cmd_FileSave_0"))->isVisible());
    QVERIFY(fixture.button(QStringLiteral("cmd_FileSaveAs_0"))->isVisible());
    QVERIFY(!fixture.button(QStringLiteral("cmd_OpenFileFrom_0"))->isVisible());
    QVERIFY(!fixture.button(QStringLiteral("cmd_Grid_frmUPFile_UP_Append_0"))->isVisible());
  }

  void aFullSetIsLabelledUPSFileInDarkBlue() {
    WindowFixture fixture(192, 1);
    auto* label = fixture.find<QLabel>(QStringLiteral("lbl_UPS_FileName_0"));
    QCOMPARE(label->text(), QStringLiteral("UPS File 0"));
    QCOMPARE(label->palette().color(QPalette::WindowText), QColor(0, 0, 192));
    QCOMPARE(fixture.find<QLabel>(QStringLiteral("lbl_UPS_FileName_1"))->toolTip(), QStringLiteral("1 UP"));
    fixture.selectRows(0, 0, 0);
    fixture.press(QStringLiteral("cmd_Grid_frmUPFile_UP_Delete_0"));
    QCOMPARE(label->text(), QStringLiteral("Lib File 0"));
    QCOMPARE(label->palette().color(QPalette::WindowText), QColor(0, 0, 0));
    QCOMPARE(label->toolTip(), QStringLiteral("191 UPs"));
  }

  void openingTheOtherGridsFileLeavesOneSaveAndRedNames() {
    WindowFixture fixture(5, 3);
    fixture.dialogs.fileNames = {fixture.filePath(QStringLiteral("file0.ups"))};
    fixture.press(QStringLiteral("cmd_FileOpen_1"));
    QCOMPARE(fixture.dialogs.fileDialogs.back().title, QStringLiteral("Open Roland EM-2000  -  UP Lib File"));
    QCOMPARE(fixture.shownIDs(1).size(), std::size_t{5});
    QVERIFY(!fixture.button(QStringLiteral("cmd_FileSave_1"))->isVisible());
    QVERIFY(fixture.button(QStringLiteral("cmd_FileSave_0"))->isVisible());
    for (int f = 0; f < 2; ++f) {
      QCOMPARE(fixture.button(QStringLiteral("cmd_OpenFileFrom_%1").arg(f))->shownPicture(),
               QStringLiteral("FILE_FROM_IS_SAME_UP"));
      QCOMPARE(fixture.box("txt_UPS_FileName", f)->palette().color(QPalette::Text), QColor(255, 0, 0));
      QCOMPARE(fixture.box("txt_UPS_FileName", f)->text(), QStringLiteral("file0.ups"));
    }
    QCOMPARE(fixture.button(QStringLiteral("cmd_OpenFileFrom_0"))->toolTip(),
             QStringLiteral("Reopen File 1 = File 0"));
  }

  void saveAsToTheOtherGridsPathIsRefusedAndAskedAgain() {
    WindowFixture fixture(4, 2);
    const QString other = fixture.filePath(QStringLiteral("file1.ups"));
    fixture.dialogs.fileNames = {other, fixture.filePath(QStringLiteral("copy.dat"))};
    fixture.press(QStringLiteral("cmd_FileSaveAs_0"));
    QCOMPARE(fixture.dialogs.messages.size(), std::size_t{1});
    QVERIFY(fixture.dialogs.messages[0].text.contains(QStringLiteral("Is already open in the other Grid")));
    QCOMPARE(fixture.dialogs.fileDialogs.size(), std::size_t{2});
    QCOMPARE(fixture.dialogs.fileDialogs[1].start, other);
    QCOMPARE(fixture.box("txt_UPS_FileName", 0)->text(), QStringLiteral("copy.ups"));
    UPFile written;
    QVERIFY(LoadUPSFile(written, fixture.filePath(QStringLiteral("copy.ups")).toStdString()).ok);
    QCOMPARE(written.count, 4);
    UPFile untouched;
    QVERIFY(LoadUPSFile(untouched, other.toStdString()).ok);
    QCOMPARE(untouched.count, 2);
  }

  void unsavedChangesAreMarkedAndAskedAbout() {
    WindowFixture fixture(4, 2);
    QSignalSpy captions(fixture.window.get(), &frmUPFile::captionChanged);
    fixture.selectRows(0, 1, 2);
    fixture.press(QStringLiteral("cmd_Grid_frmUPFile_UP_Append_0"));
    QVERIFY(fixture.state.modified[1]);
    QVERIFY(!fixture.state.modified[0]);
    QVERIFY(fixture.box("txt_UPS_FileName", 1)->toolTip().endsWith(QStringLiteral(" *")));
    QCOMPARE(captions.count(), 1);
    QCOMPARE(fixture.window->caption(), QStringLiteral("file0.ups | file1.ups*"));

    fixture.dialogs.answers = {Answer::Cancel};
    fixture.press(QStringLiteral("cmd_FileNew_1"));
    QCOMPARE(fixture.dialogs.questions.size(), std::size_t{1});
    QCOMPARE(fixture.file(1).count, 4);
    fixture.dialogs.answers = {Answer::Cancel};
    QVERIFY(!fixture.window->confirmCloseAll());

    fixture.dialogs.answers = {Answer::Save};
    QVERIFY(fixture.window->confirmCloseAll());
    QVERIFY(!fixture.state.modified[1]);
    QCOMPARE(fixture.window->caption(), QStringLiteral("file0.ups | file1.ups"));
    UPFile saved;
    QVERIFY(LoadUPSFile(saved, fixture.filePath(QStringLiteral("file1.ups")).toStdString()).ok);
    QCOMPARE(saved.count, 4);
  }

  void panelTogglesHideTheirPanelsAndKeepTheFlags() {
    WindowFixture fixture(2, 2);
    fixture.press(QStringLiteral("cmd_FileMenuControl_1"));
    fixture.press(QStringLiteral("cmd_CopyMenuControl_0"));
    QVERIFY(!fixture.find<QWidget>(QStringLiteral("fraFileMenuButtons_1"))->isVisible());
    QVERIFY(!fixture.find<QWidget>(QStringLiteral("fraCopyMenuButtons_0"))->isVisible());
    QCOMPARE(fixture.button(QStringLiteral("cmd_FileMenuControl_1"))->toolTip(),
             QStringLiteral("Show File Buttons"));
    QCOMPARE(fixture.button(QStringLiteral("cmd_CopyMenuControl_0"))->shownPicture(),
             QStringLiteral("MENU_CONTROL_EXPAND_UP"));
    const UPFilePanelFlags flags = fixture.window->panelFlags();
    QVERIFY(flags.fileMenuButtonsVisible[0] && !flags.fileMenuButtonsVisible[1]);
    QVERIFY(!flags.copyMenuButtonsVisible[0] && flags.copyMenuButtonsVisible[1]);
  }
};

}  // namespace tarnwick

QTEST_MAIN(tarnwick::FrmUPFileTest)
#include "frm_up_file_test.moc"
