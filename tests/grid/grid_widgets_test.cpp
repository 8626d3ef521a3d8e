// SPDX-License-Identifier: GPL-3.0-or-later
// The shared grid widgets worked as a user works them: the filter box caret after a step, the
// box rules through typing, clicks and the wheel, Clear Filter, the row counter and Home/End,
// and the filter help window at its least size.
#include <QApplication>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTextBlock>
#include <QtTest>

#include <array>
#include <vector>

#include "grid/filter_box.h"
#include "grid/fitted_help.h"
#include "grid/grid_controls.h"
#include "ui/help_window.h"
#include "ui/image_button.h"

namespace tarnwick {

class GridWidgetsTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { QApplication::setCursorFlashTime(0); }  // a caret that never blinks

  void aStepHidesTheCaretAndAnyOtherKeyShowsIt() {
    QWidget host;
    auto* box = new FilterBox(NumberFilter(QStringLiteral("txt_Test_1"), QStringLiteral("Test [Filter]"), 1, 128),
                              &host);
    box->resize(80, 24);
    showActive(host, box);
    QTest::keyClick(box, Qt::Key_Up, Qt::ControlModifier);
    QCOMPARE(box->text(), QStringLiteral("128"));
    const QImage hidden = box->grab().toImage();
    QTest::keyClick(box, Qt::Key_End);  // moves nothing: only the caret comes back
    const QImage shown = box->grab().toImage();
    QVERIFY(hidden != shown);
    QTest::keyClick(box, Qt::Key_Up, Qt::ControlModifier);
    QCOMPARE(box->grab().toImage(), hidden);
    QVERIFY(box->caretHidden());
  }

  void boxesFollowTheirRulesForKeysClicksAndWheel() {
    QWidget host;
    auto* digit = new FilterBox(OneDigitFilter(QStringLiteral("txt_Test_2"), QStringLiteral("Digit"), 1, 3), &host);
    auto* number = new FilterBox(NumberFilter(QStringLiteral("txt_Test_3"), QStringLiteral("Number"), 1, 128), &host);
    number->move(0, 40);
    number->resize(100, 24);
    QCOMPARE(number->accessibleName(), QStringLiteral("Number"));
    QCOMPARE(number->toolTip(), QStringLiteral("Number"));
    showActive(host, digit);
    QSignalSpy refreshes(digit, &FilterBox::refreshRequested);
    QTest::keyClicks(digit, QStringLiteral("2534"));
    QCOMPARE(digit->text(), QStringLiteral("3"));
    QCOMPARE(refreshes.count(), 2);  // the 2 and the 3 that replaced it; 5 and 4 refused

    number->setFocus();
    QTest::mouseClick(number, Qt::LeftButton, Qt::NoModifier, QPoint(75, 12));  // right half: Up
    QCOMPARE(number->text(), QStringLiteral("1"));
    QTest::mouseClick(number, Qt::LeftButton, Qt::NoModifier, QPoint(20, 12));  // left half: Down
    QCOMPARE(number->text(), QString());
    QTest::mouseClick(number, Qt::LeftButton, Qt::ControlModifier, QPoint(20, 12));
    QCOMPARE(number->text(), QStringLiteral("1"));
    number->wheelStep(-120);
    QCOMPARE(number->text(), QString());
    number->wheelStep(60);  // half a notch does nothing until the other half comes
    QCOMPARE(number->text(), QString());
    number->wheelStep(60);
    QCOMPARE(number->text(), QStringLiteral("1"));
    QSignalSpy help(number, &FilterBox::helpRequested);
    QTest::keyClick(number, Qt::Key_F1);
    QCOMPARE(help.count(), 1);
    QTest::keyClicks(number, QStringLiteral("x2"));
    QCOMPARE(number->text(), QStringLiteral("12"));
  }

  void clearFilterEmptiesQuietlyAndRestoresTheEmptyLook() {
    QWidget host;
    std::array<FilterBox*, 3> boxes{new FilterBox(TextFilter(QStringLiteral("a"), {}), &host), nullptr,
                                    new FilterBox(NumberFilter(QStringLiteral("b"), {}, 1, 128), &host)};
    boxes[0]->setText(QStringLiteral("pad"));
    boxes[2]->setText(QStringLiteral("7"));
    for (FilterBox* box : {boxes[0], boxes[2]}) box->showRestingLook();  // yellow and bold
    QCOMPARE(boxes[0]->palette().color(QPalette::Base), QColor(255, 255, 0));
    QSignalSpy refreshes(boxes[0], &FilterBox::refreshRequested);
    ClearFilterBoxes(boxes);
    for (FilterBox* box : {boxes[0], boxes[2]}) {
      QVERIFY(box->text().isEmpty());
      QCOMPARE(box->palette().color(QPalette::Base), QColor(192, 216, 215));
      QVERIFY(!box->font().bold());
    }
    QCOMPARE(refreshes.count(), 0);  // the window refreshes once, itself
  }

  void rowCounterAndHomeEndServeEveryGrid() {
    QWidget host;
    RowCounter counter(QStringLiteral("plate"), QStringLiteral("count"), QSize(44, 20), &host);
    counter.showRows(7, QStringLiteral("7 of 111"));
    QCOMPARE(counter.label()->text(), QStringLiteral("7"));
    QCOMPARE(counter.label()->accessibleName(), QStringLiteral("7 of 111"));
    QSignalSpy pressed(&counter, &RowCounter::pressed);
    QTest::mousePress(counter.label(), Qt::RightButton);
    QCOMPARE(pressed.count(), 0);  // the left button only
    QTest::mousePress(counter.label(), Qt::LeftButton);
    QCOMPARE(pressed.count(), 1);
    QCOMPARE(counter.palette().color(QPalette::Window), QColor(0, 0, 255));
    QTest::mouseRelease(counter.label(), Qt::LeftButton);
    QCOMPARE(counter.palette().color(QPalette::Window), QColor(192, 192, 192));

    ImageButton homeEnd(QStringLiteral("TO_END"), &host);
    std::vector<int> topRows;
    const auto scroll = [&topRows](int row) { topRows.push_back(row); };
    StepHomeEnd(homeEnd, 0, scroll);  // no rows: nothing moves or changes
    QCOMPARE(homeEnd.pictureName(), QStringLiteral("TO_END"));
    StepHomeEnd(homeEnd, 40, scroll);
    QCOMPARE(homeEnd.pictureName(), QStringLiteral("TO_HOME"));
    QCOMPARE(homeEnd.toolTip(), QStringLiteral("Go to Home"));
    QCOMPARE(homeEnd.accessibleName(), QStringLiteral("Go to Home"));
    StepHomeEnd(homeEnd, 40, scroll);
    QCOMPARE(homeEnd.pictureName(), QStringLiteral("TO_END"));
    QCOMPARE(homeEnd.toolTip(), QStringLiteral("Go to End"));
    QCOMPARE(topRows, (std::vector<int>{39, 0}));
  }

  void filterHelpGrowsToShowEveryLineWhole() {
    QCOMPARE(kFilterHelpSizeTwips, QSize(3450, 3630));  // its least size: 3450 wide, 3630 high
    frmHelp help;
    help.setSizeTwips(kFilterHelpSizeTwips);
    const QSize least = help.size();
    help.setHelpText(FilterHelpText());
    FitHelpToText(help);
    QVERIFY(help.width() >= least.width() && help.height() >= least.height());
    help.show();
    QVERIFY(QTest::qWaitForWindowExposed(&help));
    auto* text = help.findChild<QPlainTextEdit*>(QStringLiteral("txtHelp"));
    QVERIFY(text != nullptr);
    QCOMPARE(text->verticalScrollBar()->maximum(), 0);
    QCOMPARE(text->horizontalScrollBar()->maximum(), 0);
    QCOMPARE(text->document()->blockCount(), 15);
    for (QTextBlock block = text->document()->begin(); block.isValid(); block = block.next()) {
      QVERIFY2(block.layout()->lineCount() == 1, qPrintable(block.text()));
    }
  }

 private:
  static void showActive(QWidget& host, QWidget* focus) {
    host.resize(200, 100);
    host.show();
    host.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&host));
    focus->setFocus();
  }
};

}  // namespace tarnwick

QTEST_MAIN(tarnwick::GridWidgetsTest)
#include "grid_widgets_test.moc"
