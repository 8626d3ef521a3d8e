// SPDX-License-Identifier: GPL-3.0-or-later
// The Tone view worked through its controls: the browsers' fill, filters, stepping, sort,
// re-selection, count label and sending, and the program change monitor's labels.
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QItemSelectionModel>
#include <QScrollBar>
#include <QStyle>
#include <QTableView>
#include <QAbstractItemModelTester>
#include <QtTest>
#include <memory>

#include "grid/grid_header_button.h"
#include "tone/frm_tone_browser.h"
#include "tone/frm_tone_monitor.h"
#include "tone/tone_tables.h"
#include "support/find_control.h"

namespace tarnwick {
namespace {

struct Sent {
  int channel, msb, lsb, program;
  bool operator==(const Sent&) const = default;
};

// A browser over the small tables with its MIDI output recorded.
struct BrowserFixture {
  NameTables tables;
  std::vector<Sent> sent;
  bool outOpen = true;
  std::unique_ptr<frmToneBrowser> window;

  explicit BrowserFixture(bool drumSets = false, BrowserSettings settings = {},
                          NameTables names = testing::SmallTables())
      : tables(std::move(names)) {
    BrowserMidi midi{[this] { return outOpen; },
                     [this](MidiChannel c, std::uint8_t msb, std::uint8_t lsb, MidiProgramNumber p) {
                       sent.push_back({c.zeroBased(), msb, lsb, p.zeroBased()});
                     }};
    window = std::make_unique<frmToneBrowser>(drumSets ? DrumSetBrowserKind() : ToneBrowserKind(), tables,
                                              settings, std::move(midi));
    window->resize(380, 692);
    window->show();
    window->activateWindow();
    if (!QTest::qWaitForWindowActive(window.get())) qWarning("the browser did not become active");
  }
  template <typename T>
  T* find(const QString& name) const {
    return testing::FindControl<T>(*window, name);
  }
  QString prefix() const { return QString::fromLatin1(window->kind().namePart); }
  QTableView* grid() const { return find<QTableView>(QStringLiteral("Grid_") + prefix()); }
  QLineEdit* filter(int box) const { return find<QLineEdit>(QStringLiteral("txt_%1_Filter_%2").arg(prefix()).arg(box)); }
  GridHeaderButton* header(int col) const {
    return find<GridHeaderButton>(QStringLiteral("cmd_Grid_%1_Header_%2").arg(prefix()).arg(col));
  }
  QLabel* counter() const { return find<QLabel>(QStringLiteral("lbl_IDCnt_") + prefix()); }
  int rows() const { return grid()->model()->rowCount(); }
  int idAt(int row) const { return grid()->model()->index(row, 0).data().toInt(); }
  void clickRow(int row) const {
    const QModelIndex cell = grid()->model()->index(row, 4);
    grid()->scrollTo(cell);
    QTest::mouseClick(grid()->viewport(), Qt::LeftButton, Qt::NoModifier, grid()->visualRect(cell).center());
  }
  void pressHeader(int col) const {
    QTest::mousePress(header(col), Qt::LeftButton);
    QTest::mouseRelease(header(col), Qt::LeftButton);
  }
};

}  // namespace

class FrmToneTest : public QObject {
  Q_OBJECT

 private slots:
  void modelStaysConsistentThroughFillsAndSorts() {
    const NameTables tables = testing::SmallTables();
    BrowserModel model(tables, false);
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    BrowserFilterTexts filters;
    model.fill(filters, 1, true, kBrowserColID, 1);
    model.sortRows(kBrowserColName, 2);
    filters[4] = QStringLiteral("piano");
    model.fill(filters, 2, true, kBrowserColName, 1);
    QCOMPARE(model.rowCount(), 3);
    QCOMPARE(model.index(0, kBrowserColName).data().toString(), QStringLiteral("Piano 1\""));
    QCOMPARE(model.rowOfEntry(1), 2);
    QCOMPARE(model.rowOfEntry(2), -1);
    model.setAlignment(kBrowserColName, Qt::AlignRight);
    QCOMPARE(model.index(0, kBrowserColName).data(Qt::TextAlignmentRole).value<Qt::Alignment>(),
             Qt::AlignRight | Qt::AlignVCenter);
  }

  void fillListsEveryEntryAndEachFilterNarrowsIt() {
    BrowserFixture tones;
    QCOMPARE(tones.rows(), 6);  // the unnamed slots are not listed
    QCOMPARE(tones.grid()->model()->columnCount(), 5);
    QCOMPARE(tones.counter()->text(), QStringLiteral("6"));
    QCOMPARE(tones.counter()->toolTip(), QStringLiteral("6 of 2038"));
    tones.filter(4)->setFocus();
    QTest::keyClicks(tones.filter(4), QStringLiteral("piano 1"));
    QCOMPARE(tones.rows(), 2);
    QCOMPARE(tones.counter()->toolTip(), QStringLiteral("2 of 2038"));
    tones.clickRow(1);  // Piano 1w; the next filter drops it, and the first row shown takes over
    tones.filter(1)->setFocus();
    QTest::keyClicks(tones.filter(1), QStringLiteral("0"));
    QCOMPARE(tones.rows(), 1);
    QCOMPARE(tones.window->selection().entry, 0);
    QCOMPARE(tones.grid()->selectionModel()->selectedRows().size(), 1);
    QCOMPARE(tones.grid()->selectionModel()->selectedRows().front().row(), 0);
    QTest::keyClick(tones.filter(1), Qt::Key_Backspace);
    QLineEdit* lsb = tones.filter(2);
    lsb->setFocus();
    QTest::keyClicks(lsb, QStringLiteral("5"));
    QCOMPARE(lsb->text(), QString());
    QTest::keyClicks(lsb, QStringLiteral("23"));
    QCOMPARE(lsb->text(), QStringLiteral("3"));
    QCOMPARE(tones.rows(), 0);
    QVERIFY(!tones.grid()->isVisible());
    QTest::mousePress(tones.find<QWidget>(QStringLiteral("cmd_Tone_ClearFilter")), Qt::LeftButton);
    QCOMPARE(tones.rows(), 6);
    QVERIFY(lsb->text().isEmpty() && tones.filter(4)->text().isEmpty());

    BrowserFixture drums(true, {1, true, true, 9});
    QCOMPARE(drums.counter()->toolTip(), QStringLiteral("2 of 52"));
    QTest::mouseClick(drums.find<QCheckBox>(QStringLiteral("chk_ShowPlus")), Qt::LeftButton);
    QCOMPARE(drums.rows(), 1);
    QCOMPARE(drums.window->settings().showPlus, false);
  }

  // The stepping rules are the shared filter boxes' own; here only this window's limits.
  void eachNumberBoxStepsWithinItsLimits() {
    BrowserFixture tones;
    const struct {
      int box;
      const char* lowest;
      const char* highest;
    } limits[] = {{1, "0", "127"}, {2, "1", "3"}, {3, "1", "128"}};
    for (const auto& limit : limits) {
      QLineEdit* box = tones.filter(limit.box);
      box->setFocus();
      QTest::keyClick(box, Qt::Key_Down, Qt::ControlModifier);
      QCOMPARE(box->text(), QString::fromLatin1(limit.lowest));
      QTest::keyClick(box, Qt::Key_Up, Qt::ControlModifier);
      QCOMPARE(box->text(), QString::fromLatin1(limit.highest));
      QTest::keyClick(box, Qt::Key_Up);
      QCOMPARE(box->text(), QString());
    }
    tones.window->FilterStep(3, true, false);
    QCOMPARE(tones.filter(3)->text(), QStringLiteral("1"));
    QCOMPARE(tones.rows(), 2);  // Piano 1 and Piano 1w
  }

  void headersSortToggleAndTheSelectionStaysOnItsPage() {
    BrowserFixture tones;
    QCOMPARE(tones.header(0)->pictureName(), QStringLiteral("HeadSort_Down"));
    QCOMPARE(tones.header(4)->pictureName(), QStringLiteral("HeadSort_Norm"));
    tones.clickRow(2);  // Organ 1
    QCOMPARE(tones.window->selection().entry, 2);
    tones.pressHeader(4);
    tones.pressHeader(4);
    QCOMPARE(tones.header(4)->pictureName(), QStringLiteral("HeadSort_Up"));
    QCOMPARE(tones.header(0)->pictureName(), QStringLiteral("HeadSort_Norm"));
    QCOMPARE(tones.idAt(0), 3);  // "Top" is the last name; the unset entries' empty names come last
    const int row = tones.grid()->currentIndex().row();
    QCOMPARE(tones.idAt(row), 2);
    QCOMPARE(tones.grid()->verticalScrollBar()->value(), row / 35 * 35);

    tones.filter(4)->setFocus();
    QTest::keyClicks(tones.filter(4), QStringLiteral("o"));  // Organ 1, Top, ...: still descending
    QCOMPARE(tones.idAt(0), 3);
    QCOMPARE(tones.idAt(tones.grid()->currentIndex().row()), 2);
    QCOMPARE(tones.window->selection().entry, 2);
    tones.pressHeader(0);
    QCOMPARE(tones.header(0)->pictureName(), QStringLiteral("HeadSort_Down"));
    QCOMPARE(tones.idAt(0), 0);  // ascending by ID among the rows left
    QCOMPARE(tones.idAt(tones.grid()->currentIndex().row()), 2);
  }

  void selectingARowPlaysItOnTheBrowsersChannel() {
    BrowserFixture tones({}, {1, true, true, 3});
    tones.sent.clear();
    tones.clickRow(0);  // Piano 1: 0/1, program 1 goes out as 0
    QCOMPARE(tones.sent.size(), std::size_t{1});
    QCOMPARE(tones.sent.back(), (Sent{3, 0, 1, 0}));
    QTest::keyClick(tones.grid(), Qt::Key_Down);
    QCOMPARE(tones.sent.back(), (Sent{3, 0, 2, 1}));
    QTest::mouseClick(tones.find<QWidget>(QStringLiteral("opt_Channel_12")), Qt::LeftButton);
    QTest::keyClick(tones.grid(), Qt::Key_Down);
    QCOMPARE(tones.sent.back(), (Sent{12, 8, 3, 16}));
    QCOMPARE(tones.window->settings().channel, 12);

    const std::size_t before = tones.sent.size();
    tones.outOpen = false;
    tones.window->activate();
    QVERIFY(!tones.find<QCheckBox>(QStringLiteral("chk_Grid_To_MidiOut"))->isEnabled());
    QTest::keyClick(tones.grid(), Qt::Key_Down);
    QCOMPARE(tones.sent.size(), before);
    tones.outOpen = true;
    tones.window->activate();
    QTest::mouseClick(tones.find<QCheckBox>(QStringLiteral("chk_Grid_To_MidiOut")), Qt::LeftButton);
    QTest::keyClick(tones.grid(), Qt::Key_Up);
    QCOMPARE(tones.sent.size(), before);
    QCOMPARE(tones.window->settings().gridToMidiOut, false);
  }

  void pagesOf35RowsAndHomeEnd() {
    BrowserFixture tones({}, {}, testing::FullTables());
    QScrollBar* scroll = tones.grid()->verticalScrollBar();
    QCOMPARE(tones.window->FindAndSelectEntry(1000), 0);
    QCOMPARE(scroll->value(), 980);
    QCOMPARE(tones.window->selection().entry, 1000);
    QCOMPARE(tones.window->FindAndSelectEntry(-1), -1);
    auto* homeEnd = tones.find<QWidget>(QStringLiteral("cmd_Tone_HomeEnd"));
    QTest::mousePress(homeEnd, Qt::LeftButton);
    QCOMPARE(scroll->value(), scroll->maximum());
  }

  void theFullListShowsEveryNameWholeAndNoEmptySlot() {
    BrowserFixture tones({}, {}, testing::FullTables());
    QCOMPARE(tones.rows(), 1994);
    QCOMPARE(tones.counter()->toolTip(), QStringLiteral("1994 of 2038"));
    QTableView* grid = tones.grid();
    // Every name fits its column: the delegate's margins on both sides and the grid line.
    const int margins = 2 * (grid->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, grid) + 1) + 1;
    for (int row = 0; row < tones.rows(); ++row) {
      const QString name = grid->model()->index(row, kBrowserColName).data().toString();
      QVERIFY2(!name.trimmed().isEmpty(), qPrintable(QString::number(tones.idAt(row))));
      QVERIFY2(grid->fontMetrics().horizontalAdvance(name) + margins <= grid->columnWidth(kBrowserColName),
               qPrintable(name));
    }
    QCOMPARE(tones.header(kBrowserColName)->width(), grid->columnWidth(kBrowserColName));
  }

  void onlyTheLeftButtonSelectsAndAShortGridHasNoScrollBarStrip() {
    BrowserFixture tones;
    tones.clickRow(1);
    tones.sent.clear();
    const QModelIndex other = tones.grid()->model()->index(3, kBrowserColName);
    QTest::mouseClick(tones.grid()->viewport(), Qt::RightButton, Qt::NoModifier,
                      tones.grid()->visualRect(other).center());
    QCOMPARE(tones.window->selection().entry, 1);
    QCOMPARE(tones.grid()->currentIndex().row(), 1);
    QVERIFY(tones.sent.empty());
    int columns = 2 * tones.grid()->frameWidth();
    for (int col = 0; col < kBrowserColumnCount; ++col) columns += tones.grid()->columnWidth(col);
    QCOMPARE(tones.grid()->width(), columns);  // 6 rows: no scroll bar, and no room kept for one
  }

  void countLabelPressGivesTheGridTheFocus() {
    BrowserFixture tones;
    QTest::mousePress(tones.counter(), Qt::LeftButton);
    QVERIFY(tones.grid()->hasFocus());
  }

  void monitorShowsProgramChangesOnlyWhileOn() {
    const NameTables tables = testing::SmallTables();
    std::array<std::uint8_t, 16> msb{}, lsb{};
    MonitorMidi midi{[] { return true; }, [] { return 11; }, [&msb](MidiChannel c) { return msb[c.zeroBased()]; },
                     [&lsb](MidiChannel c) { return lsb[c.zeroBased()]; }};
    frmToneMonitor monitor(tables, false, std::move(midi));
    auto* up = monitor.findChild<QLabel*>(QStringLiteral("lbl_MidiIn_UPC"));
    auto* channel1 = monitor.findChild<QLabel*>(QStringLiteral("lbl_MidiIn_PC_0"));
    QVERIFY(up != nullptr && channel1 != nullptr);
    msb[11] = 121;
    monitor.ProgramReceived(MidiChannel::fromZeroBased(11), MidiProgramNumber::fromZeroBased(0));
    QCOMPARE(up->text(), QString());
    auto* check = monitor.findChild<QCheckBox*>(QStringLiteral("chk_MidiIn_PC"));
    monitor.show();
    monitor.activate();
    QVERIFY(check->isEnabled());
    QTest::mouseClick(check, Qt::LeftButton);
    QVERIFY(monitor.monitorOn());
    monitor.ProgramReceived(MidiChannel::fromZeroBased(11), MidiProgramNumber::fromZeroBased(63));
    QCOMPARE(up->text(), QStringLiteral("C88"));
    monitor.ProgramReceived(MidiChannel::fromZeroBased(0), MidiProgramNumber::fromZeroBased(127));
    QCOMPARE(channel1->text(), QStringLiteral("Top"));
    msb[11] = 127;
    monitor.ProgramReceived(MidiChannel::fromZeroBased(11), MidiProgramNumber::fromZeroBased(0));
    QCOMPARE(up->text(), QStringLiteral("00"));
    QCOMPARE(monitor.findChild<QLabel*>(QStringLiteral("lbl_MidiIn_PC_11"))->text(), QString());
  }
};

}  // namespace tarnwick

QTEST_MAIN(tarnwick::FrmToneTest)
#include "frm_tone_test.moc"
