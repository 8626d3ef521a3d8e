#include "upfile/up_grid_model.h"

#include <QAbstractItemModelTester>
#include <QtTest>

#include "upfile/grid_columns.h"
#include "upfile/up_samples.h"

namespace tarnwick {

class UPGridModelTest : public QObject {
  Q_OBJECT

 private slots:
  void staysConsistentThroughRowChanges() {
    UPFile file = testing::SampleFile(300);
    NameTables names;
    UPGridModel model(file, names);
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    model.setRows({5, 3, 299});
    QCOMPARE(model.rowCount(), 3);
    QCOMPARE(model.columnCount(), kGridColumnCount);
    model.setSelectors({1, 2, 15});
    model.setAlignment(kColName, Qt::AlignRight);
    model.setRows({});
    QCOMPARE(model.rowCount(), 0);
  }

  void showsTheCellsOfTheRowsID() {
    UPFile file = testing::SampleFile(200);
    SetUPText8(file.up(191), kUPNameOffset, "  Piano ");
    file.up(191)[field::StyleNumber.offset] = 129;
    NameTables names;
    UPGridModel model(file, names);
    model.setRows({191, 192});
    QCOMPARE(model.idAt(0), 191);
    QCOMPARE(model.rowOfID(192), 1);
    QCOMPARE(model.rowOfID(7), -1);
    QCOMPARE(model.data(model.index(0, kColID)).toString(), QStringLiteral("191"));
    QCOMPARE(model.data(model.index(0, kColUserProgram)).toString(), QStringLiteral("C88"));
    QCOMPARE(model.data(model.index(1, kColUserProgram)).toString(), QString());
    QCOMPARE(model.data(model.index(0, kColName)).toString(), QStringLiteral("Piano"));
    QCOMPARE(model.data(model.index(0, kColStyleSource)).toString(), QStringLiteral("D88"));
    QCOMPARE(model.data(model.index(0, kColToneProgram)).toString(), QStringLiteral("1"));
    QCOMPARE(model.data(model.index(0, kColName), Qt::TextAlignmentRole).value<Qt::Alignment>(),
             Qt::AlignLeft | Qt::AlignVCenter);
    QVERIFY(!(model.flags(model.index(0, kColID)) & Qt::ItemIsSelectable));
    QVERIFY(model.flags(model.index(0, kColName)) & Qt::ItemIsSelectable);
  }

  void userProgramToolTipSaysWhenSendingIsImpossible() {
    UPFile file = testing::SampleFile(200);
    NameTables names;
    UPGridModel model(file, names);
    model.setRows({0, 192});
    bool outputOpen = false;
    model.setMidiOutOpen([&outputOpen] { return outputOpen; });
    QCOMPARE(model.data(model.index(0, kColUserProgram), Qt::ToolTipRole).toString(),
             QStringLiteral(" Midi Out = OFF, UP Send is Disabled"));
    outputOpen = true;
    QCOMPARE(model.data(model.index(0, kColUserProgram), Qt::ToolTipRole).toString(),
             QStringLiteral(" Double Click or Space Bar for Send Selected UP --> Midi Out "));
    QCOMPARE(model.data(model.index(1, kColUserProgram), Qt::ToolTipRole).toString(), QString());
    QCOMPARE(model.data(model.index(0, kColID), Qt::ToolTipRole).toString(),
             QStringLiteral(" Double Click for Edit "));
  }

  void aRowWhoseUPIsGoneShowsNothing() {
    UPFile file = testing::SampleFile(10);
    NameTables names;
    UPGridModel model(file, names);
    model.setRows({9});
    SetUPCount(file, 5);
    QVERIFY(!model.data(model.index(0, kColName)).isValid());
  }
};

}  // namespace tarnwick

QTEST_GUILESS_MAIN(tarnwick::UPGridModelTest)
#include "up_grid_model_test.moc"
