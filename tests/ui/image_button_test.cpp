// Picture buttons: the pressed/released pictures, left press only, the focus parked on the
// window's Dummy, and a command that takes the mouse release away (a modal box).
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include "ui/focus_park.h"
#include "ui/image_button.h"

namespace tarnwick {

class ImageButtonTest : public QObject {
  Q_OBJECT

 private:
  // A main window holding a view: each has its own Dummy; buttons belong to the view.
  struct Windows {
    QWidget main;
    QWidget* view = new QWidget(&main);
    QPushButton* mainDummy = CreateDummyButton(&main);
    QPushButton* viewDummy = CreateDummyButton(view);
    QLineEdit* edit = new QLineEdit(view);
    ImageButton* button = new ImageButton(QStringLiteral("FILE_OPEN"), view);
    Windows() {
      view->resize(200, 100);
      button->setGeometry(100, 10, 32, 32);
      main.resize(300, 200);
      main.show();
      QVERIFY(QTest::qWaitForWindowActive(&main));
    }
  };

 private slots:
  void leftPressShowsDownActsOnceAndReleaseParksTheFocus() {
    Windows windows;
    windows.edit->setFocus();
    QStringList shownInCommand;
    connect(windows.button, &ImageButton::leftPressed, this,
            [&] { shownInCommand.append(windows.button->shownPicture()); });

    QTest::mousePress(windows.button, Qt::LeftButton);
    QCOMPARE(shownInCommand, QStringList{"FILE_OPEN_DOWN"});  // the command runs on mouse down
    QCOMPARE(windows.button->shownPicture(), QStringLiteral("FILE_OPEN_DOWN"));
    QTest::mouseRelease(windows.button, Qt::LeftButton);
    QCOMPARE(windows.button->shownPicture(), QStringLiteral("FILE_OPEN_UP"));
    QCOMPARE(shownInCommand.size(), 1);
    QCOMPARE(QApplication::focusWidget(), windows.viewDummy);
  }

  void otherButtonsAndTheSecondPressOfADoubleClickDoNothing() {
    Windows windows;
    QSignalSpy pressed(windows.button, &ImageButton::leftPressed);
    for (Qt::MouseButton other : {Qt::RightButton, Qt::MiddleButton}) {
      QTest::mousePress(windows.button, other);
      QCOMPARE(windows.button->shownPicture(), QStringLiteral("FILE_OPEN_UP"));
      QTest::mouseRelease(windows.button, other);
    }
    QCOMPARE(pressed.count(), 0);
    QTest::mouseClick(windows.button, Qt::LeftButton);
    QTest::mouseDClick(windows.button, Qt::LeftButton);  // the second press of a double click
    QTest::mouseRelease(windows.button, Qt::LeftButton);
    QCOMPARE(pressed.count(), 1);
    QCOMPARE(windows.button->shownPicture(), QStringLiteral("FILE_OPEN_UP"));
    windows.button->setEnabled(false);
    QTest::mouseClick(windows.button, Qt::LeftButton);
    QCOMPARE(pressed.count(), 1);
  }

  void aCommandThatSwitchesThePictureShowsTheNewOneWhileHeldAndAfter() {
    Windows windows;
    windows.button->setPictureName(QStringLiteral("TO_END"));
    connect(windows.button, &ImageButton::leftPressed, this, [&] {
      const bool toEnd = windows.button->pictureName() == QLatin1String("TO_END");
      windows.button->setPictureName(toEnd ? QStringLiteral("TO_HOME") : QStringLiteral("TO_END"));
    });
    QTest::mousePress(windows.button, Qt::LeftButton);
    QCOMPARE(windows.button->shownPicture(), QStringLiteral("TO_HOME_DOWN"));
    QTest::mouseRelease(windows.button, Qt::LeftButton);
    QCOMPARE(windows.button->shownPicture(), QStringLiteral("TO_HOME_UP"));
    QTest::mouseClick(windows.button, Qt::LeftButton);
    QCOMPARE(windows.button->shownPicture(), QStringLiteral("TO_END_UP"));
  }

  void aModalBoxThatTakesTheReleaseLeavesTheButtonUp() {
    Windows windows;
    connect(windows.button, &ImageButton::leftPressed, this, [&] {
      // The release of the same click lands in the box the command opened.
      QDialog box(&windows.main);
      box.show();
      QTest::mouseRelease(&box, Qt::LeftButton);
    });
    QTest::mousePress(windows.button, Qt::LeftButton);
    QVERIFY(!windows.button->isHeld());
    QCOMPARE(windows.button->shownPicture(), QStringLiteral("FILE_OPEN_UP"));
  }

  void aPictureWithoutPressedDrawingShowsInBothStates() {
    Windows windows;
    windows.button->setPictureName(QStringLiteral("EDIT_UP_SHRINK"));
    QTest::mousePress(windows.button, Qt::LeftButton);
    QCOMPARE(windows.button->shownPicture(), QStringLiteral("EDIT_UP_SHRINK"));
    const QImage held = windows.button->grab().toImage();
    QTest::mouseRelease(windows.button, Qt::LeftButton);
    QCOMPARE(windows.button->shownPicture(), QStringLiteral("EDIT_UP_SHRINK"));
    QVERIFY2(held != windows.button->grab().toImage(), "the held button must look pressed");
  }

  void spaceActsLikeALeftPressAndKeepsTheFocus() {
    Windows windows;
    QSignalSpy pressed(windows.button, &ImageButton::leftPressed);
    windows.button->setFocus();
    QTest::keyPress(windows.button, Qt::Key_Space);
    QCOMPARE(windows.button->shownPicture(), QStringLiteral("FILE_OPEN_DOWN"));
    QTest::keyRelease(windows.button, Qt::Key_Space);
    QCOMPARE(pressed.count(), 1);
    QCOMPARE(windows.button->shownPicture(), QStringLiteral("FILE_OPEN_UP"));
    QCOMPARE(QApplication::focusWidget(), windows.button);
  }
};

}  // namespace tarnwick

QTEST_MAIN(tarnwick::ImageButtonTest)
#include "image_button_test.moc"
