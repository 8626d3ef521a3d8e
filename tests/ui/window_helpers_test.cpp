// SPDX-License-Identifier: GPL-3.0-or-later
// The wheel capture, the drawn edges, the message boxes of the Qt dialog seam, the About box and
// the names a screen reader says.
#include <QAccessible>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSpinBox>
#include <QtTest>

#include "support/modal_answer.h"
#include "ui/about_box.h"
#include "ui/accessible_names.h"
#include "ui/edge_style.h"
#include "ui/image_button.h"
#include "ui/link_label.h"
#include "ui/mouse_wheel.h"
#include "ui/qt_user_dialogs.h"

namespace tarnwick {
namespace {

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
  palette.setColor(QPalette::Shadow, QColor(10, 10, 10));
  return palette;
}

using BoxAnswer = testing::ModalAnswer<QMessageBox>;

// Presses `button` on a message box, after `look` has seen it.
std::function<void(QMessageBox&)> Press(QMessageBox::StandardButton button, std::function<void(QMessageBox&)> look = {}) {
  return [button, look = std::move(look)](QMessageBox& box) {
    if (look) look(box);
    box.button(button)->click();
  };
}

}  // namespace

class WindowHelpersTest : public QObject {
  Q_OBJECT

 private slots:
  void theCapturedWidgetDoesNotScrollAndTheHostHearsTheTurn() {
    QPlainTextEdit text;  // a scroll area: its turns arrive at the viewport
    text.resize(200, 100);
    for (int line = 0; line < 200; ++line) text.appendPlainText(QStringLiteral("line %1").arg(line));
    text.verticalScrollBar()->setValue(0);
    QSpinBox box;
    box.setValue(50);
    MWheel wheel;
    QSignalSpy turns(&wheel, &MWheel::WheelScroll);

    wheel.setHWndCapture(&box);
    wheel.EnableWheel();
    wheel.EnableWheel();  // twice installs it once
    TurnWheel(&box, -120, Qt::ControlModifier | Qt::ShiftModifier, Qt::LeftButton);
    QCOMPARE(box.value(), 50);
    QCOMPARE(turns.count(), 1);
    const QList<QVariant> turn = turns.takeFirst();
    QCOMPARE(turn[0].toInt(), 0x01 | 0x04 | 0x08);
    QCOMPARE(turn[1].toInt(), -120);  // a notch towards the user
    const QPointF at = QPointF(turn[2].toFloat(), turn[3].toFloat()) - box.mapToGlobal(box.rect().center());
    QVERIFY(at.manhattanLength() <= 2);

    // Moving the capture without a DisableWheel in between frees the first widget.
    wheel.setHWndCapture(&text);
    wheel.EnableWheel();
    TurnWheel(&box, 120);
    QCOMPARE(box.value(), 51);
    TurnWheel(text.viewport(), -120);
    QCOMPARE(text.verticalScrollBar()->value(), 0);
    QCOMPARE(turns.count(), 1);

    // DisableWheel frees the widget that holds the capture, whatever is chosen now.
    wheel.setHWndCapture(&box);
    wheel.DisableWheel();
    TurnWheel(text.viewport(), -120);
    QVERIFY(text.verticalScrollBar()->value() > 0);
    QCOMPARE(turns.count(), 1);
    {  // a captured widget may go first
      QSpinBox gone;
      wheel.setHWndCapture(&gone);
      wheel.EnableWheel();
    }
    QVERIFY(!wheel.isWheelEnabled());
  }

  void eachStyleReservesAndDrawsItsEdge() {
    const QPalette p = ShadePalette();
    const QPalette::ColorRole none = QPalette::Window;
    // The style, the width it reserves, its outer and inner line at the top.
    const std::tuple<int, int, QPalette::ColorRole, QPalette::ColorRole> rows[] = {
        {0, 0, none, none}, {1, 2, QPalette::Dark, QPalette::Shadow},
        {2, 1, QPalette::Dark, none}, {3, 2, QPalette::Light, QPalette::Midlight},
        {4, 1, QPalette::Light, none}, {5, 2, QPalette::Light, QPalette::Dark},
        {6, 2, QPalette::Dark, QPalette::Light}, {7, 0, none, none}};
    for (const auto& [style, width, outer, inner] : rows) {
      QWidget panel;
      panel.setPalette(p);
      panel.setAutoFillBackground(true);
      panel.resize(60, 40);
      QVERIFY(ApplyEdge(&panel, style));
      const QImage look = panel.grab().toImage();
      QVERIFY2(panel.contentsMargins() == QMargins(width, width, width, width) &&
                   look.pixelColor(30, 0) == p.color(outer) && look.pixelColor(30, 1) == p.color(inner) &&
                   look.pixelColor(30, 20) == p.color(none),
               QByteArray::number(style));
    }
  }

  void restylingKeepsTheOriginalLookForRemoveEdgeAndStaysOnTop() {
    QFrame frame;
    frame.setFrameStyle(QFrame::Box | QFrame::Plain);
    frame.setLineWidth(3);
    frame.setContentsMargins(4, 4, 4, 4);
    frame.resize(80, 40);
    QVERIFY(ApplyEdge(&frame, 2));
    QCOMPARE(frame.frameStyle(), int(QFrame::NoFrame));
    QVERIFY(ApplyEdge(&frame, 5));
    QCOMPARE(frame.contentsMargins(), QMargins(6, 6, 6, 6));

    // It follows the size and stays above children added later.
    frame.resize(100, 50);
    auto* child = new QWidget(&frame);
    child->setAutoFillBackground(true);
    child->setPalette(QPalette(QColor(0, 0, 255)));
    child->setGeometry(frame.rect());
    QCOMPARE(frame.grab().toImage().pixel(99, 25), frame.palette().color(QPalette::Dark).rgb());

    QVERIFY(RemoveEdge(&frame));
    QCOMPARE(frame.frameStyle(), int(QFrame::Box | QFrame::Plain));
    QCOMPARE(frame.lineWidth(), 3);
    QCOMPARE(frame.contentsMargins(), QMargins(4, 4, 4, 4));
    QCOMPARE(AppliedEdge(&frame), -1);
  }

  void messagesShowTheirLinesTitleAndIconAndQuestionsReportTheButton() {
    QtUserDialogs dialogs;
    QVariantList seen;  // text, title, icon, text format
    const BoxAnswer message(Press(QMessageBox::Ok, [&](QMessageBox& box) {
      seen = {box.text(), box.windowTitle(), box.icon(), box.textFormat()};
    }));
    dialogs.showMessage("C:/<set>.UPS, Is missing!\r\n\r\nSave an empty(0 UP) ups file to: x", "File NOT Found!",
                        UserDialogs::Icon::Critical);
    QVERIFY(message.met());
    QCOMPARE(seen, (QVariantList{"C:/<set>.UPS, Is missing!\n\nSave an empty(0 UP) ups file to: x", "File NOT Found!",
                                 QMessageBox::Critical, Qt::PlainText}));
    const BoxAnswer yes(Press(QMessageBox::Yes));
    QCOMPARE(dialogs.askYesNo("Overwrite?", "Tarnwick", UserDialogs::Icon::Question), UserDialogs::Answer::Yes);
    const BoxAnswer discard(Press(QMessageBox::Discard));
    QCOMPARE(dialogs.askSaveDiscardCancel("Save?", "Tarnwick"), UserDialogs::Answer::Discard);
  }

  void aboutBoxShowsTheBuildsVersionAndALeftClickOpensALink() {
    std::vector<QUrl> opened;
    frmAbout about(nullptr, [&](const QUrl& address) {
      opened.push_back(address);
      return true;
    });
    QCOMPARE(about.findChild<QLabel*>("lblVersion")->text(), QStringLiteral("Version " TARNWICK_TEST_VERSION));
    QVERIFY(about.findChild<QLabel*>("lblLicence")->text().contains("GPL-3.0-or-later"));
    auto* home = about.findChild<LinkLabel*>("lblHomePage");
    QTest::mouseClick(home, Qt::RightButton);
    QVERIFY(opened.empty());
    QTest::mouseClick(home, Qt::LeftButton);
    QCOMPARE(opened, (std::vector<QUrl>{HomePageAddress()}));
    // No address that leads nowhere: a real home page or the installed README, and a mail link
    // only for a real address.
    QVERIFY(!HomePageAddress().toString().contains(QStringLiteral("example.org")));
    QVERIFY(HomePageAddress().isLocalFile() ? HomePageAddress().fileName() == QStringLiteral("README.md")
                                            : HomePageAddress().scheme() == QStringLiteral("https"));
    QCOMPARE(about.findChild<LinkLabel*>("lblEmail")->isVisibleTo(&about), !MailAddress().isEmpty());
  }

  // What a screen reader says for each kind of control once the window is named.
  void captionlessControlsAreNamedByTheirToolTip() {
    QWidget window;
    auto* picture = new ImageButton(QStringLiteral("CLEAR_FILTER"), &window);
    picture->setToolTip(QStringLiteral("Clear Filter"));
    auto* filter = new QLineEdit(&window);
    filter->setToolTip(QStringLiteral("Name [Filter]"));
    auto* captioned = new QPushButton(QStringLiteral("OK"), &window);
    captioned->setToolTip(QStringLiteral("Close the dialog"));
    auto* label = new QLabel(QStringLiteral("Tempo"), &window);
    auto* labelled = new QSpinBox(&window);
    labelled->setToolTip(QStringLiteral("Tempo [20 to 250]"));
    label->setBuddy(labelled);
    auto* listLabel = new QLabel(QStringLiteral("Midi &In Device:"), &window);
    auto* list = new QListWidget(&window);
    listLabel->setBuddy(list);
    auto* chosen = new QLineEdit(&window);
    chosen->setAccessibleName(QStringLiteral("Own name"));
    chosen->setToolTip(QStringLiteral("Tip"));
    auto* later = new QLineEdit(&window);

    NameCaptionlessControls(&window);
    const auto spoken = [](QWidget* widget) {
      return QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name);
    };
    QCOMPARE(spoken(picture), QStringLiteral("Clear Filter"));
    QCOMPARE(spoken(filter), QStringLiteral("Name [Filter]"));
    QCOMPARE(spoken(captioned), QStringLiteral("OK"));
    QCOMPARE(spoken(labelled), QStringLiteral("Tempo"));
    QCOMPARE(spoken(list), QStringLiteral("Midi In Device:"));
    QCOMPARE(spoken(chosen), QStringLiteral("Own name"));

    // The name follows the tip: a file box's tip becomes the path once a file is open.
    later->setToolTip(QStringLiteral("/home/player/Gig.UPS"));
    QCOMPARE(spoken(later), QStringLiteral("/home/player/Gig.UPS"));
    picture->setToolTip(QStringLiteral("Go to Home"));
    QCOMPARE(spoken(picture), QStringLiteral("Go to Home"));
    NameCaptionlessControls(&window);  // naming twice changes nothing
    QCOMPARE(picture->findChildren<QObject*>(QString(), Qt::FindDirectChildrenOnly).size(), 1);
  }
};

}  // namespace tarnwick

QTEST_MAIN(tarnwick::WindowHelpersTest)
#include "window_helpers_test.moc"
