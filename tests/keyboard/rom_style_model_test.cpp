// SPDX-License-Identifier: GPL-3.0-or-later
// The ROM style table under Qt's model tester: texts, filters, sorting with stable ties.
#include <QAbstractItemModelTester>
#include <QtTest>

#include "keyboard/rom_style_model.h"

namespace tarnwick {

class RomStyleModelTest : public QObject {
  Q_OBJECT

  static std::vector<StyleEntry> Styles() {
    std::vector<StyleEntry> styles(kStyleCount);
    for (int i = 0; i < kStyleCount; ++i) {
      // Names repeat every four entries so that sorting by name has ties.
      static const char* const kNames[] = {"Swing   ", "Bossa   ", "Waltz   ", "8Beat   "};
      styles[static_cast<std::size_t>(i)] = {static_cast<std::uint8_t>(i / 64), 0, static_cast<std::uint8_t>(i % 64),
                                             kNames[i % 4]};
    }
    return styles;
  }

  static QStringList Column(const RomStyleModel& model, int column, int rows) {
    QStringList texts;
    for (int row = 0; row < rows; ++row) texts << model.index(row, column).data().toString();
    return texts;
  }

 private slots:
  void rowsFiltersAndSorting() {
    const std::vector<StyleEntry> styles = Styles();
    RomStyleModel model(styles);
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    QCOMPARE(model.rowCount(), 128);
    QCOMPARE(model.columnCount(), 3);
    QCOMPARE(model.index(63, 1).data().toString(), QStringLiteral("A88"));
    QCOMPARE(model.index(127, 1).data().toString(), QStringLiteral("B88"));
    QCOMPARE(model.index(1, 2).data().toString(), QStringLiteral("Bossa"));

    QCOMPARE(model.rowOf(3), 3);
    model.setFilter(QStringLiteral("B1"), QStringLiteral("ss"));
    QCOMPARE(Column(model, 0, model.rowCount()), (QStringList{"65", "69"}));
    model.setFilter({}, QStringLiteral("nothing"));
    QCOMPARE(model.rowCount(), 0);
    QCOMPARE(model.styleAt(0), -1);
    model.setFilter({}, {});

    model.sort(RomStyleModel::ColName, Qt::AscendingOrder);
    QCOMPARE(Column(model, 0, 3), (QStringList{"3", "7", "11"}));  // "8Beat" first, ties by index
    model.sort(RomStyleModel::ColName, Qt::DescendingOrder);
    QCOMPARE(Column(model, 0, 3), (QStringList{"2", "6", "10"}));  // "Waltz" first, ties still by index
    model.sort(RomStyleModel::ColIndex, Qt::DescendingOrder);
    QCOMPARE(model.styleAt(0), 127);
    model.setFilter(QStringLiteral("a8"), {});  // refills keep the sort
    QCOMPARE(Column(model, 0, 2), (QStringList{"63", "62"}));
    QCOMPARE(model.rowOf(56), 7);
  }
};

}  // namespace tarnwick

QTEST_MAIN(tarnwick::RomStyleModelTest)
#include "rom_style_model_test.moc"
