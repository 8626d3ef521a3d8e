// SPDX-License-Identifier: GPL-3.0-or-later
// The Stage view beside a real UP file window, wired as the program wires them, on the loopback
// MIDI service: building a set list, its file, stepping with the bytes sent, the foot switch.
#include <QLabel>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QTableView>
#include <QtTest>

#include "state/app_state.h"
#include "app/program_views.h"
#include "state/settings_store.h"
#include "midi/loopback_midi_service.h"
#include "midi/midi_api.h"
#include "stage/frm_stage.h"
#include "stage/stage_model.h"
#include "stage_test_files.h"
#include "support/needs.h"
#include "support/recording_dialogs.h"
#include "support/temp_folder.h"
#include "updata/file_history.h"
#include "upfile/drop_rules.h"
#include "upfile/frm_up_file.h"

namespace tarnwick {

using Texts = QStringList;

class StageRig {
 public:
  StageRig() {
    state.programFolder = state.dataFolder = folder.path().string();
    gigPath = folder.file("Gig.UPS");
    testing::SaveNamedUPs(state.up.files[0], gigPath, {"Intro", "Rock94", "Ballad", "Waltz", "Finale", "Encore"});
    service.setLoop(0, -1);
    midi.OpenMidiOut(0);
    midi.OpenMidiIn(0);
    host.resize(1400, 900);
    upFile = static_cast<frmUPFile*>(views.createUPFile(&host));
    stage = static_cast<frmStage*>(views.createStage(&host));
    stage->setClock([this] { return clock; });
    stage->resize(1400, 900);
    host.show();
    host.activateWindow();
    if (!QTest::qWaitForWindowActive(&host)) qWarning("the window did not become active");
    midi.setActiveMenu(View::Stage);
  }

  QTableView* table() const { return stage->findChild<QTableView*>(QStringLiteral("grd_Stage")); }
  Texts column(StageColumn c) const {
    Texts texts;
    for (int row = 0; row < stage->model().rowCount(); ++row) texts << stage->model().rowAt(row).text(c);
    return texts;
  }
  Texts names() const { return column(StageColumn::Name); }
  void key(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QTest::keyClick(table(), static_cast<Qt::Key>(key), modifiers);
  }
  void clickRow(int row) {
    const QRect cell = table()->visualRect(stage->model().index(row, 0));
    QTest::mouseClick(table()->viewport(), Qt::LeftButton, {}, cell.center());
  }
  // The program numbers of the UP selects sent since the last call ("CC 01").
  Texts programsSent() {
    Texts programs;
    for (const std::string& message : service.sentText()) {
      if (message.rfind("CC ", 0) == 0) programs << QString::fromStdString(message);
    }
    service.clearSent();
    return programs;
  }
  void play(std::uint8_t status, std::uint8_t data1, std::uint8_t data2) {
    service.receive(0, MidiApi::PackShortMessage(status, data1, data2));
    midi.deliverMidiIn();
  }
  void press(const char* name) { stage->findChild<QPushButton*>(QString::fromLatin1(name))->click(); }
  QString setFile(const char* name) const { return QString::fromStdString(folder.file(name)); }

  testing::TempFolder folder;
  std::string gigPath;
  AppState state;
  SettingsStore store{QString::fromStdString(folder.file("settings.ini"))};
  LoopbackMidiService service;
  testing::RecordingDialogs dialogs;
  MidiApi midi{service, state.midi, dialogs};
  ProgramViews views{state, store, dialogs, midi};
  QWidget host;
  frmUPFile* upFile = nullptr;
  frmStage* stage = nullptr;
  std::int64_t clock = 1000;
};

class FrmStageTest : public QObject {
  Q_OBJECT

 private slots:
  void buildingReorderingAndUndo() {
    StageRig rig;
    QTableView* grid = rig.upFile->findChild<QTableView*>(QStringLiteral("Grid_frmUPFile_UP_0"));
    for (const auto& [row, modifiers] : {std::pair{1, Qt::NoModifier}, {3, Qt::ShiftModifier}}) {
      const QRect cell = grid->visualRect(grid->model()->index(row, 2));
      QTest::mouseClick(grid->viewport(), Qt::LeftButton, modifiers, cell.center());
    }
    rig.upFile->gridMenu(0)->findChild<QAction*>(QStringLiteral("mnu_AddToStage_0"))->trigger();
    QCOMPARE(rig.names(), (Texts{"Rock94", "Ballad", "Waltz"}));
    // Rows dragged from a grid go in where they are dropped.
    QMimeData fromGrid;
    fromGrid.setData(QString::fromLatin1(kRowDragMimeType), EncodeRowDrag({QCoreApplication::applicationPid(), 0, {5, 0}}));
    QVERIFY(rig.stage->model().dropMimeData(&fromGrid, Qt::CopyAction, 1, 0, {}));
    QCOMPARE(rig.names(), (Texts{"Rock94", "Encore", "Intro", "Ballad", "Waltz"}));
    // Within the list: a drag, Alt+arrows and Delete.
    std::unique_ptr<QMimeData> rows(rig.stage->model().mimeData({rig.stage->model().index(4, 0)}));
    rig.stage->model().dropMimeData(rows.get(), Qt::MoveAction, 0, 0, {});
    QCOMPARE(rig.names(), (Texts{"Waltz", "Rock94", "Encore", "Intro", "Ballad"}));
    rig.clickRow(1);
    rig.key(Qt::Key_Down, Qt::AltModifier);
    rig.key(Qt::Key_Down, Qt::AltModifier);
    QCOMPARE(rig.names(), (Texts{"Waltz", "Encore", "Intro", "Rock94", "Ballad"}));
    rig.key(Qt::Key_Up, Qt::AltModifier);
    rig.key(Qt::Key_Delete);
    QCOMPARE(rig.names(), (Texts{"Waltz", "Encore", "Intro", "Ballad"}));
    for (int i = 0; i < 3; ++i) rig.key(Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(rig.names(), (Texts{"Waltz", "Encore", "Rock94", "Intro", "Ballad"}));
    rig.key(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(rig.names(), (Texts{"Waltz", "Encore", "Intro", "Rock94", "Ballad"}));
    // UPs of another file are refused, and the list stays as it was.
    rig.state.up.files[1].path = rig.folder.file("Other.UPS");
    testing::SaveNamedUPs(rig.state.up.files[1], rig.state.up.files[1].path, {"Solo"});
    rig.stage->addUPs(1, {0});
    QCOMPARE(rig.dialogs.shown.back().text, QStringLiteral("This set list plays the UPs of Gig.UPS; these UPs are from Other.UPS."));
    QCOMPARE(rig.names().size(), 5);
    // A UP deleted in the UP file window moves the songs behind it: the view finds them again.
    QVERIFY(RemoveRecordsAt(rig.state.up.files[0], {0}));
    rig.stage->activate();
    QCOMPARE(rig.column(StageColumn::UP), (Texts{"A13 moved", "A15 moved", "missing", "A11 moved", "A12 moved"}));
  }

  void notesSaveAndOpenWithMovedAndMissingEntries() {
    StageRig rig;
    rig.stage->addUPs(0, {1, 2, 4});
    QVERIFY(rig.stage->model().setData(rig.stage->model().index(0, int(StageColumn::Note)), "intro B", Qt::EditRole));
    QCOMPARE(rig.stage->caption(), QStringLiteral("New set list*"));
    rig.dialogs.fileNames = {rig.setFile("gig")};
    QVERIFY(rig.stage->saveSetListAs());
    QCOMPARE(rig.stage->caption(), QStringLiteral("gig.tarnwick-set"));
    // The exported pages carry the notes.
    TARNWICK_QNEED(std::system("command -v pdftotext >/dev/null 2>&1") == 0, "pdftotext is not installed");
    rig.dialogs.fileNames = {rig.setFile("gig.pdf")};
    rig.stage->exportSetList();
    QVERIFY(std::system(("pdftotext " + rig.setFile("gig.pdf").toStdString() + " " + rig.folder.file("gig.txt")).c_str()) == 0);
    QFile text(QString::fromStdString(rig.folder.file("gig.txt")));
    QVERIFY(text.open(QIODevice::ReadOnly));
    const QByteArray printed = text.readAll();
    QVERIFY2(printed.contains("Rock94") && printed.contains("intro B") && printed.contains("Note"), printed.constData());
    // The UP file changes behind the list's back: UPs move, one goes.
    UPFile changed;
    QVERIFY(testing::SaveNamedUPs(changed, rig.folder.file("Gig.UPS"), {"Ballad", "Intro", "Waltz", "Rock94"}));
    rig.stage->addUPs(0, {0});  // unsaved: the open asks first, and Cancel keeps everything
    rig.dialogs.answers = {UserDialogs::Answer::Cancel};
    QVERIFY(!rig.stage->openSetListPath(rig.setFile("gig.tarnwick-set")));
    QVERIFY(rig.dialogs.shown.back().text.startsWith(QStringLiteral("The set list (gig.tarnwick-set) has unsaved changes.")));
    QCOMPARE(rig.names().size(), 4);
    rig.dialogs.answers = {UserDialogs::Answer::Discard};
    rig.state.up.files[0].path.clear();  // the list's file is no longer open: it is opened in File 0
    QVERIFY(rig.stage->openSetListPath(rig.setFile("gig.tarnwick-set")));
    QCOMPARE(rig.state.up.files[0].count, 4);
    QCOMPARE(rig.names(), (Texts{"Rock94", "Ballad", "Finale"}));
    QCOMPARE(rig.column(StageColumn::UP), (Texts{"A14 moved", "A11 moved", "missing"}));
    QCOMPARE(rig.column(StageColumn::Note), (Texts{"intro B", "", ""}));
    QCOMPARE(rig.stage->model().index(2, 2).data(Qt::ForegroundRole).value<QColor>(), QColor(200, 0, 0));
    QCOMPARE(rig.stage->currentRow(), 0);
    QCOMPARE(rig.programsSent(), Texts{});  // opening sends nothing
    rig.key(Qt::Key_PageDown);
    rig.key(Qt::Key_PageDown);  // past the missing entry: the end
    QCOMPARE(rig.programsSent(), Texts{"CC 00"});
    QCOMPARE(rig.stage->currentRow(), 1);
    // A file that is not a set list changes nothing.
    QFile bad(rig.setFile("bad.tarnwick-set"));
    QVERIFY(bad.open(QIODevice::WriteOnly) && bad.write("{\"format\": \"csv\"}") > 0);
    bad.close();
    QVERIFY(!rig.stage->openSetListPath(bad.fileName()));
    QVERIFY(rig.dialogs.shown.back().text.startsWith(QStringLiteral("The set list cannot be opened: ")));
    QCOMPARE(rig.names().size(), 3);
  }

  void everyKeyStepsAndSelectsTheUP() {
    StageRig rig;
    rig.stage->addUPs(0, {0, 1, 2, 3, 4});
    QSignalSpy ends(rig.stage, &frmStage::endReached);
    const std::pair<int, const char*> keys[] = {
        {Qt::Key_Space, "CC 01"}, {Qt::Key_Right, "CC 02"}, {Qt::Key_Down, "CC 03"}, {Qt::Key_PageDown, "CC 04"},
        {Qt::Key_PageDown, nullptr}, {Qt::Key_Left, "CC 03"}, {Qt::Key_Up, "CC 02"}, {Qt::Key_PageUp, "CC 01"},
        {Qt::Key_End, "CC 04"}, {Qt::Key_Home, "CC 00"}, {Qt::Key_Up, nullptr}, {Qt::Key_Return, "CC 00"}};
    for (const auto& [key, program] : keys) {
      rig.service.clearSent();
      rig.key(key);
      QCOMPARE(rig.programsSent(), program ? Texts{program} : Texts{});
    }
    QCOMPARE(ends.count(), 2);
    rig.clickRow(2);
    QCOMPARE(rig.service.sentText(), (std::vector<std::string>{"BC 00 78", "BC 20 00", "CC 02"}));
    QCOMPARE(rig.table()->accessibleDescription(), QStringLiteral("Ballad, 3 of 5"));
    QCOMPARE(rig.stage->findChild<QLabel*>(QStringLiteral("lbl_NextEntry"))->text(), QStringLiteral("Next: Waltz"));
    // Without Midi Out the view says so, and stepping still moves through the list.
    rig.midi.CloseMidiOut();
    rig.stage->activate();
    QVERIFY(rig.stage->findChild<QLabel*>(QStringLiteral("lbl_MidiOut_IsOff"))->isVisibleTo(rig.stage));
    rig.service.clearSent();
    rig.key(Qt::Key_PageDown);
    QCOMPARE(rig.stage->currentRow(), 3);
    QCOMPARE(rig.programsSent(), Texts{});
  }

  void learnedSwitchesStepOncePerBounce() {
    StageRig rig;
    rig.stage->addUPs(0, {0, 1, 2, 3, 4, 5});
    rig.press("cmd_LearnNext");
    rig.play(0xB0, 64, 0);  // a release is never learned
    rig.play(0xB0, 64, 127);
    rig.press("cmd_LearnPrevious");
    rig.play(0x83, 60, 64);
    rig.play(0x93, 60, 100);
    QCOMPARE(rig.stage->findChild<QLabel*>(QStringLiteral("lbl_NextTrigger"))->text(), QStringLiteral("B0 40"));
    QCOMPARE(rig.stage->findChild<QLabel*>(QStringLiteral("lbl_PreviousTrigger"))->text(), QStringLiteral("93 3C"));
    rig.programsSent();
    rig.play(0xB0, 64, 127);
    rig.play(0xB0, 64, 0);
    rig.clock += 100;
    rig.play(0xB0, 64, 127);  // the switch bounced
    rig.clock += 200;
    rig.play(0xB0, 64, 127);
    rig.play(0x93, 60, 90);
    QCOMPARE(rig.programsSent(), (Texts{"CC 01", "CC 02", "CC 01"}));
    rig.press("cmd_LearnNext");
    rig.play(0xC0, 5, 0);
    QCOMPARE(TriggerText(rig.stage->settings().next), QStringLiteral("C0"));
    rig.clock += 200;
    rig.play(0xC0, 9, 0);
    QCOMPARE(rig.programsSent(), Texts{"CC 02"});
  }
};

}  // namespace tarnwick

QTEST_MAIN(tarnwick::FrmStageTest)
#include "frm_stage_test.moc"
