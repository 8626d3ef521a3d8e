// SPDX-License-Identifier: GPL-3.0-or-later
// The UP file window with the catalog: a result of the Find UPs window opens in the pane it was
// opened for, and the Compare box colours what differs, following edits and undo.
#include <QSignalSpy>

#include "findups/catalog_results_model.h"
#include "findups/frm_find_ups.h"
#include "upfile/record_edit.h"
#include "upfile/window_fixture.h"

namespace tarnwick {

using testing::WindowFixture;

namespace {

QVariant Shade(QTableView* grid, int row, int col) { return grid->model()->index(row, col).data(Qt::BackgroundRole); }

}  // namespace

class CatalogWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void aResultOpensInItsPaneAfterTheUnsavedQuestionWithTheUPSelected() {
    WindowFixture fixture(3, 4);
    std::filesystem::create_directories(fixture.folder.path() / "lib");
    UPFile library = testing::SampleFile(10, 5000);
    SetUPText8(library.up(7), kUPNameOffset, "Zanzibar");
    const std::string libraryPath = fixture.folder.file("lib/Found.UPS");
    QVERIFY(SaveUPSFile(library, libraryPath).ok);
    fixture.selectRows(1, 0, 0);
    fixture.press("cmd_Grid_frmUPFile_UP_Delete", 1);  // File 1 has unsaved changes
    QVERIFY(fixture.state.history[1].Modified());

    fixture.window->setCatalogPath(fixture.filePath("catalog.sqlite"));
    QTest::keyClick(fixture.grid(1), Qt::Key_F, Qt::ControlModifier);  // opens for the active pane, File 1
    FrmFindUPs* find = fixture.window->findWindow();
    QVERIFY(find != nullptr && find->isVisible());
    QSignalSpy scanned(find, &FrmFindUPs::scanFinished);
    find->addFolder(fixture.filePath("lib"));
    QVERIFY(scanned.wait(20000));
    QTest::keyClicks(find->findChild<QLineEdit*>(QStringLiteral("txt_FindUPs")), QStringLiteral("zan"));
    QCOMPARE(find->results().rowCount(), 1);

    QTableView& results = find->resultsView();
    const QPoint at = results.visualRect(results.model()->index(0, CatalogResultsModel::kName)).center();
    QTest::mouseClick(results.viewport(), Qt::LeftButton, Qt::NoModifier, at);
    QTest::mouseDClick(results.viewport(), Qt::LeftButton, Qt::NoModifier, at);
    QCOMPARE(fixture.dialogs.shown.size(), std::size_t{1});  // the unsaved question; no answer cancels
    QCOMPARE(fixture.file(1).count, 3);

    fixture.dialogs.answers.push_back(UserDialogs::Answer::Discard);
    QTest::mouseDClick(results.viewport(), Qt::LeftButton, Qt::NoModifier, at);
    QCOMPARE(fixture.file(1).path, libraryPath);
    QCOMPARE(fixture.file(0).count, 3);  // the other pane keeps its file
    QCOMPARE(fixture.selectedID(1), 7);
    QCOMPARE(fixture.text("txt_UPS_FileName", 1), QStringLiteral("Found.UPS"));
  }

  void foundUPsGoToTheStageOnlyFromAnOpenFile() {
    WindowFixture fixture(3, 4);
    QSignalSpy added(fixture.window.get(), &frmUPFile::addToStageRequested);
    const auto hit = [](const QString& path, int id) {
      CatalogHit found;
      found.path = path;
      found.id = id;
      return found;
    };
    const QString file1 = QString::fromStdString(fixture.file(1).path);
    fixture.window->addCatalogHitsToStage({hit(file1, 2), hit(file1, 0)});
    QCOMPARE(added.size(), 1);
    QCOMPARE(added[0][0].toInt(), 1);
    QCOMPARE(added[0][1].value<std::vector<int>>(), (std::vector<int>{2, 0}));

    fixture.window->addCatalogHitsToStage({hit(file1, 1), hit(fixture.filePath("Elsewhere.UPS"), 1)});
    QCOMPARE(added.size(), 1);  // nothing of a file that is not open, and a word why
    QCOMPARE(fixture.dialogs.messages().size(), 1);
    QVERIFY(fixture.dialogs.messages()[0].contains(QStringLiteral("Elsewhere.UPS")));
  }

  void compareColoursFollowEditsAndUndo() {
    WindowFixture fixture(5, 3);  // the same names and tempos; File 0 has two more IDs
    fixture.window->setCompare(true);
    QVERIFY(!Shade(fixture.grid(0), 1, kColName).isValid());
    QVERIFY(Shade(fixture.grid(0), 4, kColName).isValid());  // only File 0 has ID 4
    QVERIFY(Shade(fixture.grid(0), 4, kColID).isValid());

    const auto rename = TextFieldEdit(fixture.state.up, 1, 1, kUPNameOffset, QStringLiteral("Other"));
    QVERIFY(rename.has_value());
    QVERIFY(fixture.window->ApplyEdit(rename));
    const QVariant differs = Shade(fixture.grid(0), 1, kColName);
    QVERIFY(differs.isValid());
    QCOMPARE(Shade(fixture.grid(1), 1, kColName), differs);
    QVERIFY(Shade(fixture.grid(0), 4, kColName) != differs);  // one colour for differs, one for missing

    fixture.selectRows(0, 0, 0);
    QTest::keyClick(fixture.window.get(), Qt::Key_F7);
    QCOMPARE(fixture.selectedID(0), 1);
    QTest::keyClick(fixture.window.get(), Qt::Key_F7);
    QCOMPARE(fixture.selectedID(0), 3);  // IDs 3 and 4 are File 0's alone
    QTest::keyClick(fixture.window.get(), Qt::Key_F7, Qt::ShiftModifier);
    QCOMPARE(fixture.selectedID(0), 1);

    QVERIFY(fixture.window->undoChange(1));
    QVERIFY(!Shade(fixture.grid(0), 1, kColName).isValid());
  }
};

}  // namespace tarnwick

QTEST_MAIN(tarnwick::CatalogWindowTest)
#include "catalog_window_test.moc"
