// Every picture and cursor the windows ask for by name is in the program's artwork, draws
// something, and looks different when pressed; header pictures carry their sort mark.
#include <QPainter>
#include <QtTest>

#include "ui/header_picture.h"
#include "ui/pictures.h"
#include "ui/twips.h"

namespace tarnwick {
namespace {

// The picture buttons of the windows, each with a "_DOWN" and an "_UP" picture.
const char* const kButtonPictures[] = {
    "FILE_NEW", "FILE_OPEN", "FILE_SAVE", "FILE_SAVE_AS", "FILE_FROM_0", "FILE_FROM_1", "FILE_FROM_IS_SAME",
    "COPY_0_TO_1", "COPY_1_TO_0", "INSERT_0_TO_1", "INSERT_1_TO_0", "APPEND_0_TO_1", "APPEND_1_TO_0",
    "DELETE_0", "DELETE_1", "TO_END", "TO_HOME", "MENU_CONTROL_SHRINK", "MENU_CONTROL_EXPAND",
    "CLEAR_FILTER", "LEFT_ARROW", "RIGHT_ARROW",
};

QImage Render(const QString& name, int side = 32) {
  return PicturePixmap(name, QSize(side, side)).toImage().convertToFormat(QImage::Format_ARGB32);
}

int OpaquePixels(const QImage& image) {
  int count = 0;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) count += qAlpha(image.pixel(x, y)) > 0 ? 1 : 0;
  }
  return count;
}

}  // namespace

class ArtworkTest : public QObject {
  Q_OBJECT

 private slots:
  void everyButtonHasAPressedAndAReleasedPicture() {
    for (const char* base : kButtonPictures) {
      const QString up = QString::fromLatin1(base) + "_UP";
      const QString down = QString::fromLatin1(base) + "_DOWN";
      QVERIFY2(PictureExists(up) && PictureExists(down), base);
      const QImage released = Render(up);
      QVERIFY2(OpaquePixels(released) > 32 * 32 / 2, base);
      QVERIFY2(released != Render(down), base);
    }
    for (const char* single : {"EDIT_UP_SHRINK", "EDIT_UP_EXPAND"}) QVERIFY2(PictureExists(single), single);
    QVERIFY(Render("EDIT_UP_SHRINK") != Render("EDIT_UP_EXPAND"));
    QVERIFY(!PictureExists("NO_SUCH_PICTURE"));
    EnsureArtwork();
    QVERIFY(QFile::exists(":/pictures/FILE_NEW_UP.svg"));  // for code that reads it by path
    QVERIFY(PicturePixmap("NO_SUCH_PICTURE", QSize(8, 8)).isNull());
  }

  void picturesForTheTwoFilesAreMirrorImagesNotCopies() {
    QVERIFY(Render("COPY_0_TO_1_UP") != Render("COPY_1_TO_0_UP"));
    QVERIFY(Render("DELETE_0_UP") != Render("DELETE_1_UP"));
    QVERIFY(Render("FILE_FROM_0_UP") != Render("FILE_FROM_1_UP"));
  }

  void picturesAreSharpOnDenseScreens() {
    const QPixmap dense = PicturePixmap("FILE_SAVE_UP", QSize(24, 24), 2.0);
    QCOMPARE(dense.size(), QSize(48, 48));
    QCOMPARE(dense.deviceIndependentSize(), QSizeF(24, 24));
  }

  void cursorsHaveTheirPicturesAndPointWithTheTip() {
    for (const char* name : {"MOUSE_LEFT_ADD", "MOUSE_LEFT_SUB", "MOUSE_LEFT_CLICK"}) {
      const QCursor cursor = NamedCursor(name);
      QCOMPARE(cursor.shape(), Qt::BitmapCursor);
      QCOMPARE(cursor.hotSpot(), QPoint(2, 2));
      QVERIFY2(OpaquePixels(cursor.pixmap().toImage()) > 50, name);
    }
    QCOMPARE(NamedCursor("NO_SUCH_CURSOR").shape(), Qt::ArrowCursor);
    QVERIFY(NamedCursor("MOUSE_LEFT_ADD").pixmap().toImage() != NamedCursor("MOUSE_LEFT_SUB").pixmap().toImage());
  }

  void headerPicturesCarryTheirSortMarkOnTheRight() {
    const QSize size(80, 20);
    const QImage plain = HeaderPicture("Name", SortMark::None, size).toImage();
    const QImage ascending = HeaderPicture("Name", SortMark::Ascending, size).toImage();
    const QImage descending = HeaderPicture("Name", SortMark::Descending, size).toImage();
    QVERIFY(plain != ascending && ascending != descending);
    // The mark's colour appears in the right-hand slot only when sorted.
    const auto markPixels = [](const QImage& image) {
      int count = 0;
      for (int y = 0; y < image.height(); ++y) {
        for (int x = image.width() - 9; x < image.width(); ++x) {
          const QColor c = image.pixelColor(x, y);
          count += (c.blue() > 150 && c.red() < 90) ? 1 : 0;
        }
      }
      return count;
    };
    QCOMPARE(markPixels(plain), 0);
    QVERIFY(markPixels(ascending) > 5);
    // Ascending points up: more of its mark sits in the lower half than descending's.
    const QImage lowerUp = ascending.copy(0, 10, 80, 10);
    const QImage lowerDown = descending.copy(0, 10, 80, 10);
    QVERIFY(markPixels(lowerUp) > markPixels(lowerDown));
  }

  void twipsConvertAtFifteenToThePixel() {
    QCOMPARE(TwipsToPixels(15300), 1020);
    QCOMPARE(TwipsToPixels(7), 0);
    QCOMPARE(TwipsToPixels(8), 1);
    QCOMPARE(TwipsToPixels(-8), -1);
    QCOMPARE(TwipsToPixels(15300, 2.0), 2040);
    QCOMPARE(PixelsToTwips(1024), 15360);
    QCOMPARE(PixelsToTwips(2048, 2.0), 15360);
    QCOMPARE(TwipsToPixels(QRect(30, 45, 150, 780)), QRect(2, 3, 10, 52));
  }
};

}  // namespace tarnwick

QTEST_MAIN(tarnwick::ArtworkTest)
#include "artwork_test.moc"
