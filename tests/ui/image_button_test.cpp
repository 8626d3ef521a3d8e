// SPDX-License-Identifier: GPL-3.0-or-later
// Picture buttons: the pressed/released pictures, left press only, the focus parked on the
// window's Dummy, a command that takes the mouse release away (a modal box), and the artwork
// behind them.
#include <QDialog>
#include <QDirIterator>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include "ui/focus_park.h"
#include "ui/image_button.h"
#include "ui/pictures.h"

namespace tarnwick {

class ImageButtonTest : public QObject {
  Q_OBJECT

 private:
  // A main window holding a view: each has its own Dummy; the button belongs to the view.
  struct Windows {
    QWidget main;
    QWidget* view = new QWidget(&main);
    QPushButton* mainDummy = CreateDummyButton(&main, QStringLiteral("Main window"));
    QPushButton* viewDummy = CreateDummyButton(view, QStringLiteral("Test view"));
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
  void onlyALeftPressActsShowingTheDownPictureAndTheReleaseParksTheFocus() {
    Windows windows;
    windows.edit->setFocus();
    QStringList shownInCommand;
    connect(windows.button, &ImageButton::leftPressed, this,
            [&] { shownInCommand.append(windows.button->shownPicture()); });
    QTest::mousePress(windows.button, Qt::RightButton);
    QCOMPARE(windows.button->shownPicture(), QStringLiteral("FILE_OPEN_UP"));
    QTest::mouseRelease(windows.button, Qt::RightButton);
    QTest::mousePress(windows.button, Qt::LeftButton);
    QCOMPARE(shownInCommand, QStringList{"FILE_OPEN_DOWN"});  // the command runs on mouse down
    QTest::mouseRelease(windows.button, Qt::LeftButton);
    QCOMPARE(windows.button->shownPicture(), QStringLiteral("FILE_OPEN_UP"));
    QCOMPARE(QApplication::focusWidget(), windows.viewDummy);

    QTest::mouseDClick(windows.button, Qt::LeftButton);  // the second press of a double click
    QTest::mouseRelease(windows.button, Qt::LeftButton);
    QCOMPARE(shownInCommand.size(), 1);
    QCOMPARE(windows.button->shownPicture(), QStringLiteral("FILE_OPEN_UP"));
  }

  void thePictureShownWhileHeldAndAfter() {
    Windows windows;
    windows.button->setPictureName(QStringLiteral("TO_END"));
    connect(windows.button, &ImageButton::leftPressed, this,
            [&] { windows.button->setPictureName(QStringLiteral("TO_HOME")); });
    QTest::mousePress(windows.button, Qt::LeftButton);
    QCOMPARE(windows.button->shownPicture(), QStringLiteral("TO_HOME_DOWN"));
    QTest::mouseRelease(windows.button, Qt::LeftButton);
    QCOMPARE(windows.button->shownPicture(), QStringLiteral("TO_HOME_UP"));

    windows.button->disconnect(this);
    windows.button->setPictureName(QStringLiteral("EDIT_UP_SHRINK"));
    QTest::mousePress(windows.button, Qt::LeftButton);
    QCOMPARE(windows.button->shownPicture(), QStringLiteral("EDIT_UP_SHRINK"));
    const QImage held = windows.button->grab().toImage();
    QTest::mouseRelease(windows.button, Qt::LeftButton);
    QCOMPARE(windows.button->shownPicture(), QStringLiteral("EDIT_UP_SHRINK"));
    QVERIFY2(held != windows.button->grab().toImage(), "the held button must look pressed");

    // A command whose modal box takes the release leaves the button up.
    windows.button->setPictureName(QStringLiteral("FILE_OPEN"));
    connect(windows.button, &ImageButton::leftPressed, this, [&] {
      QDialog box(&windows.main);  // the release of the same click lands in the box
      box.show();
      QTest::mouseRelease(&box, Qt::LeftButton);
    });
    QTest::mousePress(windows.button, Qt::LeftButton);
    QVERIFY(!windows.button->isHeld());
    QCOMPARE(windows.button->shownPicture(), QStringLiteral("FILE_OPEN_UP"));
  }

  // Every picture of the artwork draws, and a button's pressed face differs from its raised one.
  void everyPictureAndCursorDraws() {
    EnsureArtwork();
    int pairs = 0;
    for (QDirIterator files(QStringLiteral(":/pictures")); files.hasNext();) {
      const QString name = QFileInfo(files.next()).completeBaseName();
      const QImage face = PicturePixmap(name, QSize(32, 32)).toImage();
      QVERIFY2(!face.isNull(), qPrintable(name));
      if (!name.endsWith(QStringLiteral("_UP"))) continue;
      const QString down = name.chopped(3) + QStringLiteral("_DOWN");
      QVERIFY2(PictureExists(down), qPrintable(down));
      // A blank pressed face would not differ from the raised one.
      QVERIFY2(face != PicturePixmap(down, QSize(32, 32)).toImage(), qPrintable(down));
      ++pairs;
    }
    QVERIFY(pairs > 0);
    QVERIFY(PicturePixmap("NO_SUCH_PICTURE", QSize(8, 8)).isNull());
    for (const char* name : {"MOUSE_LEFT_ADD", "MOUSE_LEFT_SUB", "MOUSE_LEFT_CLICK"}) {
      QVERIFY2(NamedCursor(name).shape() == Qt::BitmapCursor && !NamedCursor(name).pixmap().isNull(), name);
    }
  }
};

}  // namespace tarnwick

QTEST_MAIN(tarnwick::ImageButtonTest)
#include "image_button_test.moc"
