// SPDX-License-Identifier: GPL-3.0-or-later
// The value pop-ups driven through their controls: colours, tooltips, Enter and Escape, the
// beep on a refused Enter, pasted and unstorable text, placement over the caller's rectangle.
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

#include <memory>

#include "popups/value_popup.h"

namespace tarnwick {
namespace {

const QColor kBlack(0, 0, 0);
const QColor kBlue(0, 0, 255);
const QColor kRed(255, 0, 0);
const QColor kFile1Color(40, 190, 210);

NumEditParams TempoParams(std::uint8_t value) {
  NumEditParams params;
  params.value = value;
  params.minimum = 20;
  params.maximum = 250;
  params.left = 1500;
  params.top = 1200;
  params.width = 900;
  params.height = 450;
  params.layout = 2;
  params.alignment = 1;
  return params;
}

void ReplaceText(QLineEdit* editor, const QString& text) {
  editor->selectAll();
  QTest::keyClick(editor, Qt::Key_Backspace);
  QTest::keyClicks(editor, text);
}

std::unique_ptr<FrmText8Popup> MakeTextPopup(TextPopupKind kind) {
  if (kind == TextPopupKind::PanelText8) return std::make_unique<FrmEditorText8>();
  return std::make_unique<FrmNameEditor>();
}

}  // namespace

class ValuePopupsTest : public QObject {
  Q_OBJECT

 private slots:
  void tempoColoursFollowTheTypedNumber() {
    FrmEditorNum popup;
    popup.setUp(TempoParams(120), kFile1Color, QStringLiteral("Tempo"));
    popup.show();
    QLineEdit* editor = popup.findChild<QLineEdit*>(QStringLiteral("txt_Editor"));
    QVERIFY(editor != nullptr);
    QCOMPARE(editor->accessibleName(), QStringLiteral("Tempo"));
    QCOMPARE(editor->text(), QStringLiteral("120"));
    QCOMPARE(popup.rimColor(), kBlack);
    QCOMPARE(popup.textColor(), kBlack);
    QCOMPARE(editor->cursorPosition(), 3);

    QTest::keyClick(editor, Qt::Key_1);
    QCOMPARE(editor->text(), QStringLiteral("1201"));
    QCOMPARE(popup.rimColor(), kRed);
    QCOMPARE(popup.textColor(), kRed);
    QCOMPARE(editor->toolTip(), QStringLiteral("20 to 250 accepted, (Escape=Cancel) "));
    QVERIFY(!popup.okButton()->isEnabled());

    QTest::keyClick(editor, Qt::Key_Backspace);
    QCOMPARE(popup.rimColor(), kBlack);
    QCOMPARE(popup.textColor(), kBlack);
    QCOMPARE(editor->toolTip(), QStringLiteral(" Escape=Cancel, Enter=Accept "));
    QVERIFY(popup.okButton()->isEnabled());

    ReplaceText(editor, QStringLiteral("99"));
    QCOMPARE(popup.rimColor(), kBlue);
    QCOMPARE(popup.textColor(), kBlue);
  }

  void tempoEnterAcceptsOnlyTheRange_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("top") << "250" << true;
    QTest::newRow("bottom") << "20" << true;
    QTest::newRow("above") << "251" << false;
    QTest::newRow("below") << "19" << false;
    QTest::newRow("empty") << "" << false;
  }
  void tempoEnterAcceptsOnlyTheRange() {
    QFETCH(QString, typed);
    QFETCH(bool, accepted);
    FrmEditorNum popup;
    popup.setUp(TempoParams(120), kFile1Color, QStringLiteral("Tempo"));
    popup.show();
    QSignalSpy beeps(&popup, &ValuePopup::refused);
    ReplaceText(popup.editor(), typed);
    QTest::keyClick(popup.editor(), Qt::Key_Return);
    QCOMPARE(popup.params().accepted, accepted);
    QCOMPARE(popup.isVisible(), !accepted);
    QCOMPARE(beeps.count(), accepted ? 0 : 1);
    if (accepted) {
      QCOMPARE(popup.result(), int(QDialog::Accepted));
      QCOMPARE(int(popup.params().result), typed.toInt());
    }
  }

  void numberPopupLiesOverTheGivenPlaceWithItsLayout() {
    FrmEditorNum popup;
    NumEditParams params = TempoParams(120);
    popup.setUp(params, kFile1Color, QStringLiteral("Tempo"));
    QCOMPARE(popup.geometry(), QRect(100, 80, 60, 30));
    QCOMPARE(popup.editor()->geometry(), QRect(2, 2, 54, 22));
    QVERIFY(popup.editor()->alignment() & Qt::AlignRight);
    params.layout = 1;
    params.alignment = 2;
    popup.setUp(params, kFile1Color, QStringLiteral("Tempo"));
    QCOMPARE(popup.editor()->geometry(), QRect(1, 1, 58, 28));
    QVERIFY(popup.editor()->alignment() & Qt::AlignHCenter);
  }

  void aLowCellGetsAPopUpTallEnoughForItsText() {
    FrmNameEditor popup;
    popup.setUp(PopupPlace{1500, 600, 150, 975}, Qt::AlignLeft, QStringLiteral("Strings"), kFile1Color,
                QStringLiteral("Name"));
    // The cell is 10 pixels high at 100: the pop-up grows around its middle, as wide as it.
    QVERIFY(popup.geometry().height() > 10);
    QVERIFY(qAbs(popup.geometry().center().y() - 105) <= 1);
    QCOMPARE(popup.geometry().left(), 40);
    QCOMPARE(popup.geometry().width(), 65);
    QVERIFY(popup.editor()->height() >= popup.editor()->fontMetrics().height());
  }

  void textPopupsRefuseWrongLengths_data() {
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("ninthTip");
    QTest::addColumn<QString>("emptyTip");
    QTest::newRow("panel") << int(TextPopupKind::PanelText8)
                           << " 9 Characters, 1 to 8 accepted, (Escape=Cancel) "
                           << " 0 Characters, 1 to 8 accepted, (Escape=Cancel) ";
    QTest::newRow("grid") << int(TextPopupKind::GridName) << " 9 Characters - 1 to 8 accepted "
                          << " 0 Characters - 1 to 8 accepted ";
  }
  void textPopupsRefuseWrongLengths() {
    QFETCH(int, kind);
    QFETCH(QString, ninthTip);
    QFETCH(QString, emptyTip);
    auto popup = MakeTextPopup(TextPopupKind(kind));
    popup->setUp(PopupPlace{300, 300, 300, 1500}, Qt::AlignLeft, QStringLiteral("Grand Pn"),
                 kFile1Color, QStringLiteral("Name"));
    popup->show();
    QSignalSpy beeps(popup.get(), &ValuePopup::refused);
    QLineEdit* editor = popup->editor();
    QCOMPARE(popup->rimColor(), kBlack);

    QTest::keyClick(editor, Qt::Key_X);
    QCOMPARE(editor->text(), QStringLiteral("Grand Pnx"));
    QCOMPARE(editor->toolTip(), ninthTip);
    QCOMPARE(popup->rimColor(), kRed);
    QTest::keyClick(editor, Qt::Key_Return);
    QCOMPARE(beeps.count(), 1);
    QVERIFY(popup->isVisible());

    ReplaceText(editor, QString());
    QCOMPARE(editor->toolTip(), emptyTip);
    QTest::keyClick(editor, Qt::Key_Return);
    QCOMPARE(beeps.count(), 2);
    QVERIFY(!popup->TextEditAccepted());

    QApplication::clipboard()->setText(QStringLiteral("0123456789012345678901234567890123456789"));
    editor->paste();
    QCOMPARE(editor->text(), QStringLiteral("01234567"));
    QCOMPARE(popup->textColor(), kBlue);
    QTest::keyClick(editor, Qt::Key_Return);
    QVERIFY(popup->TextEditAccepted());
    QCOMPARE(popup->text(), QStringLiteral("01234567"));
  }

  void nameEditorShowsWhatIsEditedOnTheFileColour() {
    FrmNameEditor popup;
    popup.setUp(PopupPlace{300, 600, 450, 975}, Qt::AlignRight, QStringLiteral("Strings"),
                kFile1Color, QStringLiteral("Disk Link name"));
    QCOMPARE(popup.geometry(), QRect(40, 20, 65, 30));
    QCOMPARE(popup.fillColor(), kFile1Color);
    QCOMPARE(popup.editor()->accessibleName(), QStringLiteral("Disk Link name"));
    QCOMPARE(popup.editor()->toolTip(), QStringLiteral(" Ready to Edit "));
    popup.show();
    QTest::keyClick(popup.editor(), Qt::Key_2);
    QCOMPARE(popup.editor()->toolTip(), QStringLiteral(" Editing: Strings "));
    QCOMPARE(popup.rimColor(), kBlue);
    QCOMPARE(popup.fillColor(), kFile1Color);
  }

  void losingActivationCancels() {
    QWidget other;
    other.resize(100, 100);
    other.show();
    FrmNameEditor popup;
    popup.setUp(PopupPlace{300, 300, 300, 1500}, Qt::AlignLeft, QStringLiteral("Piano"), kFile1Color,
                QStringLiteral("Name"));
    popup.show();
    popup.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&popup));
    QTest::keyClicks(popup.editor(), QStringLiteral("X"));
    other.activateWindow();
    QTRY_VERIFY(!popup.isVisible());
    QVERIFY(!popup.TextEditAccepted());
    QCOMPARE(popup.result(), int(QDialog::Rejected));
  }
};

}  // namespace tarnwick

QTEST_MAIN(tarnwick::ValuePopupsTest)
#include "value_popups_test.moc"
