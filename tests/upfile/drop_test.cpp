// SPDX-License-Identifier: GPL-3.0-or-later
// Drag and drop in the UP file window: rows of one grid dropped on the other, files dropped from
// a file manager, and when a press on the grid starts a drag at all.
#include <QDropEvent>
#include <QMimeData>
#include <QSignalSpy>

#include "catalog/result_drag.h"
#include "upfile/drop_rules.h"
#include "upfile/up_grid_view.h"
#include "upfile/window_fixture.h"

namespace tarnwick {

using testing::MarkOf;
using testing::WindowFixture;
using IDs = std::vector<int>;

namespace {

std::vector<int> Marks(const UPFile& file) {
  std::vector<int> marks;
  for (int id = 0; id < file.count; ++id) marks.push_back(MarkOf(file.up(id)));
  return marks;
}

std::unique_ptr<QMimeData> RowsOf(int sourceFile, const IDs& ids) {
  auto data = std::make_unique<QMimeData>();
  data->setData(QString::fromLatin1(kRowDragMimeType),
                EncodeRowDrag({QCoreApplication::applicationPid(), sourceFile, ids}));
  return data;
}

std::unique_ptr<QMimeData> FileOf(const QString& path) {
  auto data = std::make_unique<QMimeData>();
  data->setUrls({QUrl::fromLocalFile(path)});
  return data;
}

// Where a pointer over `row` of the grid is; `lowerHalf` for the bottom part of the row.
QPoint RowPoint(QTableView* view, int row, bool lowerHalf = false) {
  const QModelIndex cell = view->model()->index(row, 2);
  view->scrollTo(cell);
  const QRect rect = view->visualRect(cell);
  return lowerHalf ? QPoint(rect.center().x(), rect.bottom() - 1) : rect.center();
}

// Enters, moves and drops as the drag manager does; true when the target took the drop. The change
// runs once the drop is over, so the events posted meanwhile are handled.
bool Drop(QWidget* target, const QMimeData& data, QPoint at, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
  const Qt::DropActions actions = Qt::CopyAction | Qt::MoveAction;
  QDragEnterEvent enter(at, actions, &data, Qt::LeftButton, modifiers);
  QCoreApplication::sendEvent(target, &enter);
  QDragMoveEvent move(at, actions, &data, Qt::LeftButton, modifiers);
  QCoreApplication::sendEvent(target, &move);
  if (!move.isAccepted()) return false;
  const Qt::DropAction shown = move.dropAction();
  QDropEvent drop(QPointF(at), actions, &data, Qt::LeftButton, modifiers);
  QCoreApplication::sendEvent(target, &drop);
  QCoreApplication::processEvents();
  // The pointer shows a copy for Ctrl, for files and for the catalog's UPs, a move-like insert
  // otherwise.
  const bool copy = modifiers.testFlag(Qt::ControlModifier) || data.hasUrls() ||
                    data.hasFormat(QString::fromLatin1(kCatalogDragMimeType));
  return drop.isAccepted() && shown == (copy ? Qt::CopyAction : Qt::MoveAction);
}

}  // namespace

class DropTest : public QObject {
  Q_OBJECT

 private slots:
  // A drop on a row inserts before it, below the last row appends, with Ctrl copies over the rows
  // from there down; each is one step of the target's history.
  void rowsDroppedOnTheOtherGridInsertAppendOrCopy() {
    WindowFixture fixture(5, 20);
    const std::vector<int> original = Marks(fixture.file(1));
    QVERIFY(Drop(fixture.grid(1)->viewport(), *RowsOf(0, {3, 1}), RowPoint(fixture.grid(1), 10)));
    QCOMPARE(fixture.file(1).count, 22);
    QCOMPARE(MarkOf(fixture.file(1).up(9)), 1009);
    QCOMPARE(MarkOf(fixture.file(1).up(10)), 3);
    QCOMPARE(MarkOf(fixture.file(1).up(11)), 1);
    QCOMPARE(MarkOf(fixture.file(1).up(12)), 1010);
    QCOMPARE(fixture.selectedID(1), 10);
    QVERIFY(fixture.state.history[1].Modified());
    QCOMPARE(fixture.file(0).count, 5);  // the source keeps its rows

    QTest::keyClick(fixture.grid(1), Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(Marks(fixture.file(1)), original);
    QVERIFY(!fixture.state.history[1].Modified());

    QVERIFY(Drop(fixture.grid(1)->viewport(), *RowsOf(0, {4}), RowPoint(fixture.grid(1), 19, true)));
    QCOMPARE(fixture.file(1).count, 21);
    QCOMPARE(MarkOf(fixture.file(1).up(20)), 4);
    QCOMPARE(MarkOf(fixture.file(1).up(19)), 1019);

    QVERIFY(Drop(fixture.grid(1)->viewport(), *RowsOf(0, {0, 2}), RowPoint(fixture.grid(1), 5), Qt::ControlModifier));
    QCOMPARE(fixture.file(1).count, 21);
    QCOMPARE(MarkOf(fixture.file(1).up(5)), 0);
    QCOMPARE(MarkOf(fixture.file(1).up(6)), 2);
    QCOMPARE(MarkOf(fixture.file(1).up(7)), 1007);
    QVERIFY(fixture.dialogs.messages().isEmpty());

    // Too few rows from the drop row down: the copy is refused and nothing changes.
    const std::vector<int> before = Marks(fixture.file(1));
    QVERIFY(Drop(fixture.grid(1)->viewport(), *RowsOf(0, {0, 1, 2}), RowPoint(fixture.grid(1), 19), Qt::ControlModifier));
    QCOMPARE(fixture.dialogs.messages(), QStringList{QStringLiteral("Copy Failed")});
    QCOMPARE(Marks(fixture.file(1)), before);
    QVERIFY(!Drop(fixture.grid(0)->viewport(), *RowsOf(0, {1}), RowPoint(fixture.grid(0), 2)));  // not on its own grid

    // In a grid sorted the other way the rows go in before the UP under the pointer.
    fixture.press("cmd_GridHeader", 100);  // ID descending: 20, 19, 18 ...
    QVERIFY(Drop(fixture.grid(1)->viewport(), *RowsOf(0, {2}), RowPoint(fixture.grid(1), 1)));  // the row of ID 19
    QCOMPARE(MarkOf(fixture.file(1).up(19)), 2);
  }

  void aDropBeyond65535IDsIsRefusedWithTheInsertMessage() {
    WindowFixture fixture(3, kMaxUPCount - 1);
    QVERIFY(Drop(fixture.grid(1)->viewport(), *RowsOf(0, {0, 1}), RowPoint(fixture.grid(1), 0)));
    QCOMPARE(fixture.dialogs.messages(), QStringList{QStringLiteral("More than 65535 ID's - Insert Failed")});
    QCOMPARE(fixture.file(1).count, kMaxUPCount - 1);
    QCOMPARE(MarkOf(fixture.file(1).up(0)), 1000);
    QVERIFY(!fixture.state.history[1].Modified());
  }

  // As in any Qt view: a press on the selection that moves past the drag distance, on any path,
  // drags the rows; a press elsewhere selects a block; a press released in place selects a row.
  void aPressOnTheSelectionDragsOnceItMovesFarEnough() {
    WindowFixture fixture(10, 10);
    auto* view = static_cast<UPGridView*>(fixture.grid(0));
    QObject::disconnect(view, &UPGridView::rowDragRequested, nullptr, nullptr);  // no drag loop here
    QSignalSpy drags(view, &UPGridView::rowDragRequested);
    QWidget* port = view->viewport();
    const auto moveTo = [port](QPoint at) {
      QMouseEvent move(QEvent::MouseMove, at, port->mapToGlobal(at), Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
      QCoreApplication::sendEvent(port, &move);
    };
    fixture.selectRows(0, 2, 5);
    const QPoint pressed = RowPoint(view, 3);
    QTest::mousePress(port, Qt::LeftButton, Qt::NoModifier, pressed);
    moveTo(pressed + QPoint(1, 1));
    QCOMPARE(drags.count(), 0);
    moveTo(RowPoint(view, 7) + QPoint(40, 0));  // diagonally, across rows not selected
    QCOMPARE(drags.count(), 1);
    QCOMPARE(view->selectionModel()->selectedRows(2).size(), qsizetype{4});  // the dragged block stays selected
    QTest::mouseRelease(port, Qt::LeftButton, Qt::NoModifier, RowPoint(view, 7));

    fixture.clickRow(0, 3, Qt::NoModifier);
    QCOMPARE(view->selectionModel()->selectedRows(2).size(), qsizetype{1});
    QCOMPARE(fixture.selectedID(0), 3);
    QTest::mousePress(port, Qt::LeftButton, Qt::NoModifier, RowPoint(view, 6));
    moveTo(RowPoint(view, 8));
    QTest::mouseRelease(port, Qt::LeftButton, Qt::NoModifier, RowPoint(view, 8));
    QCOMPARE(view->selectionModel()->selectedRows(2).size(), qsizetype{3});
    QCOMPARE(drags.count(), 1);
  }

  // An empty file, or a grid filtered to no rows, is hidden: its pane takes the drop instead. A
  // dropped file asks about unsaved changes first, as Open does.
  void aPaneWithoutRowsTakesRowsAndFiles() {
    WindowFixture fixture(5, -1);
    QWidget* emptyPane = fixture.find<QWidget>("fraUPFile", 1);
    QVERIFY(!fixture.grid(1)->isVisible());
    const QPoint middle = emptyPane->rect().center();
    QVERIFY(Drop(emptyPane, *RowsOf(0, {4, 2}), middle));
    QCOMPARE(Marks(fixture.file(1)), (std::vector<int>{4, 2}));
    QVERIFY(fixture.grid(1)->isVisible());

    QLineEdit* filter = fixture.filter(0, 2);
    filter->setFocus();
    QTest::keyClicks(filter, QStringLiteral("none"));
    QVERIFY(!fixture.grid(0)->isVisible());
    QVERIFY(Drop(fixture.find<QWidget>("fraUPFile", 0), *RowsOf(1, {1}), middle));
    QCOMPARE(Marks(fixture.file(0)), (std::vector<int>{0, 1, 2, 3, 4, 2}));
    QVERIFY(!Drop(fixture.find<QWidget>("fraUPFile", 0), *RowsOf(0, {0}), middle));  // not its own rows
    const QString other = fixture.filePath("file0.ups");
    fixture.dialogs.answers.push_back(UserDialogs::Answer::Discard);
    QVERIFY(Drop(fixture.find<QWidget>("fraUPFile", 0), *FileOf(other), middle));
    QCOMPARE(fixture.file(0).count, 5);
    QCOMPARE(fixture.dialogs.shown.back().kind, testing::RecordingDialogs::Kind::SaveDiscardCancel);

    // On a grid, too, a file manager's drop opens the file, as Open would.
    fixture.dialogs.answers.push_back(UserDialogs::Answer::Discard);
    QVERIFY(Drop(fixture.grid(1)->viewport(), *FileOf(other), RowPoint(fixture.grid(1), 0)));
    QCOMPARE(Marks(fixture.file(1)), (std::vector<int>{0, 1, 2, 3, 4}));
    QCOMPARE(fixture.text("txt_UPS_FileName", 1), QStringLiteral("file0.ups"));
  }

  // UPs dragged from the catalog's results are read from their files and go in as one transfer
  // of the grid, with its limits; a file that no longer holds a UP refuses the whole drop.
  void catalogUPsDroppedOnAGridAreReadFromTheirFiles() {
    WindowFixture fixture(5, 20);
    const QString library = fixture.filePath("library.ups");
    QVERIFY(testing::WriteSampleFile(library.toStdString(), 10, 5000));
    auto data = std::make_unique<QMimeData>();
    data->setData(QString::fromLatin1(kCatalogDragMimeType), EncodeCatalogDrag({{library, 7}, {library, 2}}));
    const std::vector<int> original = Marks(fixture.file(1));
    QVERIFY(Drop(fixture.grid(1)->viewport(), *data, RowPoint(fixture.grid(1), 10)));
    QCOMPARE(fixture.file(1).count, 22);
    QCOMPARE(MarkOf(fixture.file(1).up(10)), 5007);
    QCOMPARE(MarkOf(fixture.file(1).up(11)), 5002);
    QCOMPARE(MarkOf(fixture.file(1).up(12)), 1010);
    QTest::keyClick(fixture.grid(1), Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(Marks(fixture.file(1)), original);

    data->setData(QString::fromLatin1(kCatalogDragMimeType), EncodeCatalogDrag({{library, 2}, {library, 12}}));
    QVERIFY(Drop(fixture.grid(1)->viewport(), *data, RowPoint(fixture.grid(1), 3)));
    QCOMPARE(fixture.dialogs.messages().size(), qsizetype{1});
    QVERIFY(fixture.dialogs.messages()[0].contains(QStringLiteral("no longer holds ID 12")));
    QCOMPARE(Marks(fixture.file(1)), original);
  }
};

}  // namespace tarnwick

QTEST_MAIN(tarnwick::DropTest)
#include "drop_test.moc"
