// Copy, Insert, Append and Delete between the two grids, worked through the window's buttons.
#include <QLabel>

#include "upfile/transfers.h"
#include "upfile/window_fixture.h"

namespace tarnwick {

using testing::MarkOf;
using testing::WindowFixture;

// Remembers the texts the row counter was painted with.
class PaintedTexts : public QObject {
 public:
  explicit PaintedTexts(QLabel* label) : label_(label) { label->installEventFilter(this); }
  QStringList texts;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched == label_ && event->type() == QEvent::Paint) texts << label_->text();
    return false;
  }

 private:
  QLabel* label_;
};

class TransferTest : public QObject {
  Q_OBJECT

 private slots:
  void copyPairsRowsInDisplayOrder() {
    WindowFixture fixture(20, 10);
    fixture.press(QStringLiteral("cmd_GridHeader_0"));  // ID descending: 19, 18, 17 ...
    fixture.selectRows(0, 0, 2);
    fixture.selectRows(1, 4, 6);
    QVERIFY(fixture.button(QStringLiteral("cmd_Grid_frmUPFile_UP_Copy_0"))->isVisible());
    fixture.press(QStringLiteral("cmd_Grid_frmUPFile_UP_Copy_0"));
    QCOMPARE(MarkOf(fixture.file(1).up(4)), 19);
    QCOMPARE(MarkOf(fixture.file(1).up(5)), 18);
    QCOMPARE(MarkOf(fixture.file(1).up(6)), 17);
    QCOMPARE(MarkOf(fixture.file(1).up(7)), 1007);
    QCOMPARE(fixture.file(1).count, 10);
    QCOMPARE(fixture.file(0).count, 20);

    fixture.selectRows(1, 4, 4);
    QVERIFY(!fixture.button(QStringLiteral("cmd_Grid_frmUPFile_UP_Copy_0"))->isVisible());
    QVERIFY(!fixture.button(QStringLiteral("cmd_Grid_frmUPFile_UP_Copy_1"))->isVisible());
  }

  void insertGoesBeforeTheActiveUPAndSelectsTheFirstInserted() {
    WindowFixture fixture(5, 20);
    fixture.selectRows(1, 10, 10);
    fixture.selectRows(0, 1, 3);
    fixture.press(QStringLiteral("cmd_Grid_frmUPFile_UP_Insert_0"));
    QCOMPARE(fixture.file(1).count, 23);
    QCOMPARE(MarkOf(fixture.file(1).up(10)), 1);
    QCOMPARE(MarkOf(fixture.file(1).up(12)), 3);
    QCOMPARE(MarkOf(fixture.file(1).up(13)), 1010);
    QCOMPARE(fixture.selectedID(1), 10);
    QCOMPARE(fixture.grid(1)->currentIndex().row(), 10);
    QCOMPARE(fixture.find<QLabel>(QStringLiteral("lbl_IDCnt_1"))->text(), QStringLiteral("23"));
  }

  void appendStopsAt65535() {
    WindowFixture fixture(3, kMaxUPCount - 1);
    fixture.selectRows(0, 0, 1);
    fixture.press(QStringLiteral("cmd_Grid_frmUPFile_UP_Append_0"));
    QCOMPARE(fixture.dialogs.messages.size(), std::size_t{1});
    QCOMPARE(fixture.dialogs.messages[0].text, QStringLiteral("More than 65535 ID's - Append Failed"));
    QCOMPARE(fixture.dialogs.messages[0].title, QStringLiteral("Tarnwick"));
    QCOMPARE(fixture.file(1).count, kMaxUPCount - 1);
    QVERIFY(!fixture.state.modified[1]);
    QCOMPARE(fixture.find<QLabel>(QStringLiteral("lbl_IDCnt_1"))->text(), QString::number(kMaxUPCount - 1));

    fixture.selectRows(0, 2, 2);
    fixture.press(QStringLiteral("cmd_Grid_frmUPFile_UP_Append_0"));
    QCOMPARE(fixture.file(1).count, kMaxUPCount);
    QCOMPARE(MarkOf(fixture.file(1).up(kMaxUPCount - 1)), 2);
    QCOMPARE(fixture.shownIDs(1).size(), std::size_t{kMaxUPCount});
  }

  void deleteInAFilteredGridRemovesOnlyTheRowsShownSelected() {
    WindowFixture fixture(40, 3);
    QLineEdit* name = fixture.filter(0, 2);
    name->setFocus();
    QTest::keyClicks(name, QStringLiteral("UP1"));  // UP1, UP10 .. UP19
    QCOMPARE(fixture.shownIDs(0).size(), std::size_t{11});
    fixture.selectRows(0, 1, 3);  // IDs 10, 11, 12
    PaintedTexts counter(fixture.find<QLabel>(QStringLiteral("lbl_IDCnt_0")));
    fixture.press(QStringLiteral("cmd_Grid_frmUPFile_UP_Delete_0"));
    QVERIFY(counter.texts.contains(QStringLiteral(" Del")));
    QCOMPARE(fixture.file(0).count, 37);
    QCOMPARE(MarkOf(fixture.file(0).up(9)), 9);
    QCOMPARE(MarkOf(fixture.file(0).up(10)), 13);
    QCOMPARE(MarkOf(fixture.file(0).up(36)), 39);
    QCOMPARE(name->text(), QStringLiteral("UP1"));
    // The filter still applies to the renumbered file: names stay with their records.
    QCOMPARE(fixture.shownIDs(0), (std::vector<int>{1, 10, 11, 12, 13, 14, 15, 16}));
  }

  void deletingEverythingHidesTheGrid() {
    WindowFixture fixture(30, 2);
    QTest::mouseClick(fixture.find<QLabel>(QStringLiteral("lbl_IDCnt_0")), Qt::LeftButton);
    fixture.press(QStringLiteral("cmd_Grid_frmUPFile_UP_Delete_0"));
    QCOMPARE(fixture.file(0).count, 0);
    QVERIFY(!fixture.grid(0)->isVisible());
    QCOMPARE(fixture.find<QLabel>(QStringLiteral("lbl_UPS_FileName_0"))->text(),
             QStringLiteral("Lib File 0"));
    QCOMPARE(fixture.box("txt_Sel_ID", 0)->text(), QStringLiteral("None"));
    QVERIFY(!fixture.button(QStringLiteral("cmd_Grid_frmUPFile_UP_Insert_1"))->isVisible());
    QVERIFY(fixture.button(QStringLiteral("cmd_Grid_frmUPFile_UP_Append_1"))->isVisible());
    QVERIFY(!fixture.button(QStringLiteral("cmd_Grid_frmUPFile_UP_Delete_0"))->isVisible());
  }

  void openFromLoadsTheOtherGridsFileFromDisk() {
    WindowFixture fixture(6, 2);
    fixture.selectRows(0, 0, 0);
    fixture.press(QStringLiteral("cmd_Grid_frmUPFile_UP_Delete_0"));  // only in memory
    fixture.press(QStringLiteral("cmd_OpenFileFrom_0"));
    QCOMPARE(fixture.file(1).count, 6);
    QCOMPARE(fixture.file(0).count, 5);
    QCOMPARE(fixture.box("txt_UPS_FileName", 1)->text(), QStringLiteral("file0.ups"));
    QVERIFY(fixture.button(QStringLiteral("cmd_FileSave_0"))->isVisible() !=
            fixture.button(QStringLiteral("cmd_FileSave_1"))->isVisible());
  }
};

}  // namespace tarnwick

QTEST_MAIN(tarnwick::TransferTest)
#include "frm_up_file_transfer_test.moc"
