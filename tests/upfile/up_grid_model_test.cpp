// SPDX-License-Identifier: GPL-3.0-or-later
#include "upfile/up_grid_model.h"

#include <QAbstractItemModelTester>
#include <QtTest>

#include "upfile/grid_columns.h"
#include "upfile/up_samples.h"

namespace tarnwick {

class UPGridModelTest : public QObject {
  Q_OBJECT

 private slots:
  void showsTheCellsOfTheRowsIDsAndStaysConsistent() {
    UPFile file = testing::SampleFile(200);
    SetUPText8(file.up(191), kUPNameOffset, "  Piano ");
    file.up(191)[field::StyleNumber.offset] = 129;
    NameTables names;
    UPGridModel model(file, names);
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    model.setRows({191, 192, 5});
    QCOMPARE(model.rowCount(), 3);
    QCOMPARE(model.rowOfID(192), 1);
    QCOMPARE(model.rowOfID(7), -1);
    const auto cell = [&model](int row, int col) { return model.data(model.index(row, col)).toString(); };
    QCOMPARE(cell(0, kColID), QStringLiteral("191"));
    QCOMPARE(cell(0, kColUserProgram), QStringLiteral("C88"));
    QCOMPARE(cell(1, kColUserProgram), QString());
    QCOMPARE(cell(0, kColName), QStringLiteral("Piano"));
    QCOMPARE(cell(0, kColStyleSource), QStringLiteral("D88"));
    QCOMPARE(cell(0, kColToneProgram), QStringLiteral("1"));
    QVERIFY(!(model.flags(model.index(0, kColID)) & Qt::ItemIsSelectable));
    QVERIFY(model.flags(model.index(0, kColName)) & Qt::ItemIsSelectable);

    model.setSelectors({1, 2, 15});
    model.setAlignment(kColName, Qt::AlignRight);
    SetUPCount(file, 100);  // rows whose UP is gone show nothing
    QVERIFY(!model.data(model.index(0, kColName)).isValid());
    QCOMPARE(cell(2, kColName), QStringLiteral("UP5"));
    model.setRows({});
    QCOMPARE(model.rowCount(), 0);
  }
};

}  // namespace tarnwick

QTEST_GUILESS_MAIN(tarnwick::UPGridModelTest)
#include "up_grid_model_test.moc"
