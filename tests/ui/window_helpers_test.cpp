// The wheel capture and the drawn edges.
#include <QFrame>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QSpinBox>
#include <QtTest>

#include "ui/edge_style.h"
#include "ui/mouse_wheel.h"

namespace tarnwick {
namespace {

struct WheelTurn {
  int keys;
  int delta;
  float x;
  float y;
};

// Turns the wheel by `delta` over the middle of `widget`, the way the window system delivers it.
void TurnWheel(QWidget* widget, int delta, Qt::KeyboardModifiers modifiers = Qt::NoModifier,
               Qt::MouseButtons buttons = Qt::NoButton) {
  const QPointF at = QRectF(widget->rect()).center();
  QWheelEvent wheel(at, widget->mapToGlobal(at), QPoint(), QPoint(0, delta), buttons, modifiers, Qt::NoScrollPhase,
                    false);
  QApplication::sendEvent(widget, &wheel);
}

// A palette whose shade colours can all be told apart.
QPalette ShadePalette() {
  QPalette palette;
  palette.setColor(QPalette::Window, QColor(200, 200, 200));
  palette.setColor(QPalette::Light, QColor(255, 255, 255));
  palette.setColor(QPalette::Midlight, QColor(230, 230, 230));
  palette.setColor(QPalette::Dark, QColor(128, 128, 128));
  palette.setColor(QPalette::Mid, QColor(160, 160, 160));
  palette.setColor(QPalette::Shadow, QColor(10, 10, 10));
  return palette;
}

}  // namespace

class WindowHelpersTest : public QObject {
  Q_OBJECT

 private slots:
  void capturedWidgetDoesNotScrollAndTheHostHearsTheTurn() {
    QSpinBox box;
    box.setRange(0, 100);
    box.setValue(50);
    MWheel wheel;
    std::vector<WheelTurn> turns;
    connect(&wheel, &MWheel::WheelScroll, this,
            [&](int keys, int delta, float x, float y) { turns.push_back({keys, delta, x, y}); });
    wheel.setHWndCapture(&box);
    wheel.EnableWheel();
    wheel.EnableWheel();  // twice installs it once

    TurnWheel(&box, -120, Qt::ControlModifier | Qt::ShiftModifier, Qt::LeftButton);
    QCOMPARE(box.value(), 50);
    QCOMPARE(turns.size(), std::size_t{1});
    QCOMPARE(turns[0].delta, -120);  // a notch towards the user
    QCOMPARE(turns[0].keys, 0x01 | 0x04 | 0x08);
    const QPoint centre = box.mapToGlobal(box.rect().center());
    QVERIFY(std::abs(turns[0].x - static_cast<float>(centre.x())) <= 1.0f);
    QVERIFY(std::abs(turns[0].y - static_cast<float>(centre.y())) <= 1.0f);

    wheel.DisableWheel();
    TurnWheel(&box, 120);
    QCOMPARE(box.value(), 51);  // the box has its wheel back
    QCOMPARE(turns.size(), std::size_t{1});
  }

  void scrollAreasAreCapturedOverTheirViewport() {
    QPlainTextEdit text;
    text.resize(200, 100);
    for (int line = 0; line < 200; ++line) text.appendPlainText(QStringLiteral("line %1").arg(line));
    text.verticalScrollBar()->setValue(0);
    MWheel wheel;
    QSignalSpy turns(&wheel, &MWheel::WheelScroll);
    wheel.setHWndCapture(&text);
    wheel.EnableWheel();
    TurnWheel(text.viewport(), -120);
    QCOMPARE(text.verticalScrollBar()->value(), 0);
    QCOMPARE(turns.count(), 1);
  }

  void disableWithoutCaptureChangesNothing() {
    QSpinBox box;
    box.setValue(5);
    MWheel wheel;
    wheel.DisableWheel();
    wheel.setHWndCapture(&box);
    wheel.DisableWheel();
    TurnWheel(&box, 120);
    QCOMPARE(box.value(), 6);
    MWheel nothingChosen;
    nothingChosen.EnableWheel();
    QVERIFY(!nothingChosen.isWheelEnabled());
  }

  // Moving the focus from one box to another without a DisableWheel in between must not leave
  // the first box deaf to its wheel, and DisableWheel must free the box that was captured.
  void theCaptureFollowsTheChosenWidgetAndIsRemovedFromWhereItIs() {
    QSpinBox first, second;
    first.setValue(10);
    second.setValue(20);
    MWheel wheel;
    wheel.setHWndCapture(&first);
    wheel.EnableWheel();
    wheel.setHWndCapture(&second);
    wheel.EnableWheel();
    TurnWheel(&first, 120);
    TurnWheel(&second, 120);
    QCOMPARE(first.value(), 11);
    QCOMPARE(second.value(), 20);

    wheel.setHWndCapture(nullptr);
    wheel.DisableWheel();
    TurnWheel(&second, 120);
    QCOMPARE(second.value(), 21);
  }

  void aCapturedWidgetMayGoFirst() {
    MWheel wheel;
    {
      QSpinBox box;
      wheel.setHWndCapture(&box);
      wheel.EnableWheel();
    }
    QVERIFY(wheel.hWndCapture() == nullptr);
    wheel.DisableWheel();
    QVERIFY(!wheel.isWheelEnabled());
  }

  void eachStyleReservesAndDrawsItsEdge_data() {
    QTest::addColumn<int>("style");
    QTest::addColumn<int>("width");
    QTest::addColumn<QColor>("outerTop");
    QTest::addColumn<QColor>("innerTop");
    QTest::addColumn<QColor>("outerBottom");
    const QPalette p = ShadePalette();
    const QColor window = p.color(QPalette::Window);
    QTest::newRow("0 none") << 0 << 0 << window << window << window;
    QTest::newRow("1 sunken double") << 1 << 2 << p.color(QPalette::Dark) << p.color(QPalette::Shadow)
                                     << p.color(QPalette::Light);
    QTest::newRow("2 sunken outer") << 2 << 1 << p.color(QPalette::Dark) << window << p.color(QPalette::Light);
    QTest::newRow("3 raised double") << 3 << 2 << p.color(QPalette::Light) << p.color(QPalette::Midlight)
                                     << p.color(QPalette::Shadow);
    QTest::newRow("4 raised inner") << 4 << 1 << p.color(QPalette::Light) << window << p.color(QPalette::Dark);
    QTest::newRow("5 bump") << 5 << 2 << p.color(QPalette::Light) << p.color(QPalette::Dark)
                            << p.color(QPalette::Dark);
    QTest::newRow("6 etched") << 6 << 2 << p.color(QPalette::Dark) << p.color(QPalette::Light)
                              << p.color(QPalette::Light);
    QTest::newRow("7 unknown") << 7 << 0 << window << window << window;
  }
  void eachStyleReservesAndDrawsItsEdge() {
    QFETCH(int, style);
    QFETCH(int, width);
    QFETCH(QColor, outerTop);
    QFETCH(QColor, innerTop);
    QFETCH(QColor, outerBottom);
    QWidget panel;
    panel.setPalette(ShadePalette());
    panel.setAutoFillBackground(true);
    panel.resize(60, 40);
    QVERIFY(ApplyEdge(&panel, style));
    QCOMPARE(panel.contentsMargins(), QMargins(width, width, width, width));
    QCOMPARE(AppliedEdge(&panel), style);
    const QImage look = panel.grab().toImage();
    QCOMPARE(look.pixelColor(30, 0), outerTop);
    QCOMPARE(look.pixelColor(30, 1), innerTop);
    QCOMPARE(look.pixelColor(30, 39), outerBottom);
    QCOMPARE(look.pixelColor(30, 20), ShadePalette().color(QPalette::Window));  // inside untouched
  }

  void restylingKeepsTheOriginalLookForRemoveEdge() {
    QFrame frame;
    frame.setFrameStyle(QFrame::Box | QFrame::Plain);
    frame.setLineWidth(3);
    frame.setContentsMargins(4, 4, 4, 4);
    frame.resize(80, 40);
    QVERIFY(!RemoveEdge(&frame));

    QVERIFY(ApplyEdge(&frame, 2));
    QCOMPARE(frame.frameStyle(), int(QFrame::NoFrame));
    QVERIFY(ApplyEdge(&frame, 5));
    QCOMPARE(frame.contentsMargins(), QMargins(6, 6, 6, 6));
    frame.resize(100, 50);
    QCOMPARE(frame.grab().toImage().pixel(99, 25), frame.palette().color(QPalette::Dark).rgb());  // follows the size

    QVERIFY(RemoveEdge(&frame));
    QCOMPARE(frame.frameStyle(), int(QFrame::Box | QFrame::Plain));
    QCOMPARE(frame.lineWidth(), 3);
    QCOMPARE(frame.contentsMargins(), QMargins(4, 4, 4, 4));
    QCOMPARE(AppliedEdge(&frame), -1);
    QVERIFY(!RemoveEdge(&frame));
    QVERIFY(!ApplyEdge(nullptr, 1));
  }

  void theEdgeStaysAboveChildrenAddedLater() {
    QWidget panel;
    panel.setPalette(ShadePalette());
    panel.resize(60, 40);
    ApplyEdge(&panel, 1);
    auto* child = new QWidget(&panel);
    child->setAutoFillBackground(true);
    child->setPalette(QPalette(QColor(0, 0, 255)));
    child->setGeometry(panel.rect());
    QCOMPARE(panel.grab().toImage().pixelColor(30, 0), ShadePalette().color(QPalette::Dark));
  }
};

}  // namespace tarnwick

QTEST_MAIN(tarnwick::WindowHelpersTest)
#include "window_helpers_test.moc"
