// The message boxes of the Qt dialog seam, the About box and the help window.
#include <QLabel>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>

#include "ui/about_box.h"
#include "ui/help_window.h"
#include "ui/link_label.h"
#include "ui/qt_user_dialogs.h"

namespace tarnwick {
namespace {

// Runs `look` on the next modal box once it is up, then presses `button` on it.
void WhenBoxIsUp(std::function<void(QMessageBox&)> look, QMessageBox::StandardButton button) {
  QTimer::singleShot(0, [look, button] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    QVERIFY(box != nullptr);
    look(*box);
    box->button(button)->click();
  });
}

}  // namespace

class DialogsTest : public QObject {
  Q_OBJECT

 private slots:
  void messagesShowTheirLinesTitleAndIcon() {
    QtUserDialogs dialogs;
    QString text, title;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    Qt::TextFormat format = Qt::AutoText;
    WhenBoxIsUp([&](QMessageBox& box) {
      text = box.text();
      title = box.windowTitle();
      icon = box.icon();
      format = box.textFormat();
    }, QMessageBox::Ok);
    dialogs.showMessage("C:/<set>.UPS, Is missing!\r\n\r\nSave an empty(0 UP) ups file to: x", "File NOT Found!",
                        UserDialogs::Icon::Critical);
    QCOMPARE(text, QStringLiteral("C:/<set>.UPS, Is missing!\n\nSave an empty(0 UP) ups file to: x"));
    QCOMPARE(title, QStringLiteral("File NOT Found!"));
    QCOMPARE(icon, QMessageBox::Critical);
    QCOMPARE(format, Qt::PlainText);
  }

  void questionsReportTheButtonPressed() {
    QtUserDialogs dialogs;
    WhenBoxIsUp([](QMessageBox&) {}, QMessageBox::Yes);
    QCOMPARE(dialogs.askYesNo("Overwrite?", "Tarnwick", UserDialogs::Icon::Question), UserDialogs::Answer::Yes);
    WhenBoxIsUp([](QMessageBox&) {}, QMessageBox::Discard);
    QCOMPARE(dialogs.askSaveDiscardCancel("Save?", "Tarnwick"), UserDialogs::Answer::Discard);
    WhenBoxIsUp([](QMessageBox&) {}, QMessageBox::Cancel);
    QCOMPARE(dialogs.askSaveDiscardCancel("Save?", "Tarnwick"), UserDialogs::Answer::Cancel);
  }

  void aboutBoxShowsTheBuildsVersionAndOpensItsLinks() {
    std::vector<QUrl> opened;
    frmAbout about(nullptr, [&](const QUrl& address) {
      opened.push_back(address);
      return true;
    });
    QCOMPARE(about.windowTitle(), QStringLiteral("About"));
    QCOMPARE(about.findChild<QLabel*>("lblTitle")->text(), QStringLiteral("Tarnwick"));
    QCOMPARE(about.findChild<QLabel*>("lblVersion")->text(), QStringLiteral("Version " TARNWICK_TEST_VERSION));
    auto* home = about.findChild<LinkLabel*>("lblHomePage");
    auto* mail = about.findChild<LinkLabel*>("lblEmail");
    QCOMPARE(home->toolTip(), QStringLiteral("Tarnwick Homepage"));
    QCOMPARE(mail->toolTip(), QStringLiteral("Click to send an email to the author"));

    QTest::mouseClick(home, Qt::RightButton);
    QVERIFY(opened.empty());
    QTest::mouseClick(home, Qt::LeftButton);
    QTest::mouseClick(mail, Qt::LeftButton);
    QCOMPARE(opened.size(), std::size_t{2});
    QCOMPARE(opened[0], HomePageAddress());
    QVERIFY(opened[0].scheme().startsWith(QLatin1String("http")));
    QCOMPARE(opened[1].scheme(), QStringLiteral("mailto"));
    QCOMPARE(QUrlQuery(opened[1]).queryItemValue("subject"), QStringLiteral("Tarnwick"));

    about.show();
    about.findChild<QPushButton*>("cmdOK")->click();
    QCOMPARE(about.result(), int(QDialog::Accepted));
    QVERIFY(!about.isVisible());
  }

  void linksLightUpUnderThePointerOnly() {
    LinkLabel link("tarnwick.example.org", QUrl("https://tarnwick.example.org/"), "Tarnwick Homepage");
    const auto colour = [&] { return link.palette().color(QPalette::WindowText); };
    QVERIFY(!link.font().underline());
    QCOMPARE(colour(), QColor(0, 0, 0));
    QEnterEvent enter(QPointF(1, 1), QPointF(1, 1), QPointF(1, 1));
    QApplication::sendEvent(&link, &enter);
    QVERIFY(link.font().underline());
    QCOMPARE(colour(), QColor(0, 0, 255));
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(&link, &leave);
    QVERIFY(!link.font().underline());
    QCOMPARE(colour(), QColor(0, 0, 0));
  }

  void helpWindowLaysOutByItsSize() {
    frmHelp help;
    help.setHelpText("Line 1\r\nLine 2");
    help.show();
    help.resize(600, 400);
    auto* text = help.findChild<QPlainTextEdit*>("txtHelp");
    auto* ok = help.findChild<QPushButton*>("cmdOK");
    QCOMPARE(text->toPlainText(), QStringLiteral("Line 1\nLine 2"));
    QVERIFY(text->isReadOnly());
    QCOMPARE(text->geometry(), QRect(2, 2, 590, 348));  // 30 twips in, 150 / 780 twips smaller
    QCOMPARE(ok->y(), 400 - 47);                          // 705 twips above the bottom
    QVERIFY(std::abs(ok->x() + ok->width() / 2 - 300) <= 1);  // centred
    help.resize(300, 200);
    QCOMPARE(text->geometry(), QRect(2, 2, 290, 148));
    QCOMPARE(ok->y(), 200 - 47);
    help.setSizeTwips(QSize(9000, 6000));
    QCOMPARE(help.size(), QSize(600, 400));
  }
};

}  // namespace tarnwick

QTEST_MAIN(tarnwick::DialogsTest)
#include "dialogs_test.moc"
