// The application shell end to end inside one process: start-up order, view switching, the MIDI
// check and the exit sequence, with a private settings file and the loopback MIDI service.
#include <QAction>
#include <QMenuBar>
#include <QSettings>
#include <QtTest>

#include "app/app_state.h"
#include "app/main_window.h"
#include "app/placeholder_view.h"
#include "app/settings_store.h"
#include "app/startup.h"
#include "app/view_factory.h"
#include "midi/loopback_midi_service.h"
#include "midi/midi_api.h"
#include "support/recording_dialogs.h"
#include "support/temp_folder.h"

namespace tarnwick {
namespace {

// Placeholder windows that remember what the main window asked of them.
class RecordingViews : public ViewFactory {
 public:
  QStringList created, activated, unloaded;
  bool allowClose = true;

  QWidget* createKeyboard(QWidget* parent) override { return make("frmKeyboard", parent); }
  QWidget* createTone(int number, QWidget* parent) override {
    return make(QStringLiteral("frmTone_%1").arg(number), parent);
  }
  QWidget* createUPFile(QWidget* parent) override { return make("frmUPFile", parent); }
  QWidget* createDiskLink(QWidget* parent) override { return make("frmDL", parent); }
  void activateView(QWidget* view) override { activated.append(view->objectName()); }
  void unloadView(QWidget* view) override { unloaded.append(view->objectName()); }
  bool confirmCloseAll() override { return allowClose; }

 private:
  QWidget* make(const QString& name, QWidget* parent) {
    created.append(name);
    return CreatePlaceholderView(name, name, parent);
  }
};

constexpr QSize kScreen{1600, 1000};

// One program run: state, settings file, dialogs, MIDI and views of its own.
class Run {
 public:
  testing::TempFolder folder;
  const QString iniPath = QString::fromStdString(folder.file("Tarnwick.ini"));
  AppState state;
  testing::RecordingDialogs dialogs;
  LoopbackMidiService service;
  MidiApi midi{service, state.midi, dialogs};
  RecordingViews views;
  SettingsStore store{iniPath};
  QStringList viewsVisibleAtSetup;
  int setupRuns = 0;
  Shell shell{state, store, dialogs, midi, views, [this](QWidget* parent) { recordSetup(parent); }};
  std::unique_ptr<frmMain> window;

  // Settings as another run left them, written before the start.
  void seed(const char* groupKey, const QString& text) {
    QSettings raw(iniPath, QSettings::IniFormat);
    raw.setValue(QString::fromLatin1(groupKey), text);
  }
  void seedClosedPorts() {
    seed("Midi/MidiInStatus", "0");
    seed("Midi/MidiOutStatus", "0");
  }
  void start(const QString& dataFolder = qEnvironmentVariable("TARNWICK_DATA_DIR")) {
    store.sync();  // pick up what seed() wrote
    StartupEnvironment environment{QCoreApplication::applicationDirPath(), dataFolder, kScreen, {}};
    window = StartTarnwick(shell, environment);
  }
  QWidget* view(const char* name) const { return window->viewWindow(QString::fromLatin1(name)); }
  QAction* item(const char* name) const { return window->menuBar()->findChild<QAction*>(QString::fromLatin1(name)); }
  QString stored(const char* groupKey) const {
    return QSettings(iniPath, QSettings::IniFormat).value(QString::fromLatin1(groupKey)).toString();
  }
  QStringList visibleViews() const { return VisibleViews(*window); }

 private:
  static QStringList VisibleViews(const frmMain& main) {
    QStringList names;
    for (QWidget* child : main.clientArea()->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
      if (child->isVisible()) names.append(child->objectName());
    }
    names.sort();
    return names;
  }
  // The setup dialog runs over the main window, which the start-up has not handed back yet.
  void recordSetup(QWidget* parent) {
    ++setupRuns;
    viewsVisibleAtSetup = VisibleViews(*qobject_cast<frmMain*>(parent));
  }
};

}  // namespace

class ShellTest : public QObject {
  Q_OBJECT

 private slots:
  void firstStartAsksForTheMidiSetupBeforeShowingTheUserProgramView() {
    Run run;
    run.start();
    QCOMPARE(run.setupRuns, 1);
    QVERIFY2(run.viewsVisibleAtSetup.isEmpty(), qPrintable(run.viewsVisibleAtSetup.join(',')));
    QCOMPARE(run.visibleViews(), QStringList{"frmUPFile"});
    QCOMPARE(run.window->windowTitle(), QStringLiteral("Tarnwick - User Prog"));
    QVERIFY(!run.item("mnuUPFile")->isEnabled());
    QVERIFY(run.item("mnuDL")->isEnabled() && run.item("mnuTone")->isEnabled() && run.item("mnuKeyboard")->isEnabled());
    QCOMPARE(run.views.created, (QStringList{"frmKeyboard", "frmTone_1", "frmTone_2", "frmTone_3", "frmUPFile"}));
    QCOMPARE(run.dialogs.messages(), QStringList{});
  }

  void menuBarHasTheCaptionsInOrderAndHidesStop() {
    Run run;
    run.seedClosedPorts();
    run.start();
    QStringList names, captions;
    for (QAction* action : run.window->menuBar()->actions()) {
      names.append(action->objectName());
      captions.append(action->text());
    }
    QCOMPARE(names, (QStringList{"mnuUPFile", "mnuDL", "mnuTone", "mnuKeyboard", "mnuMidiSetup", "mnuAbout",
                                 "mnuExit", "mnuStop"}));
    QCOMPARE(captions,
             (QStringList{"UP-&File", " &DL ", " &Tone ", "&Keyboard", " &Midi ", "&About", " E&xit ", "&Stop"}));
    QVERIFY(!run.item("mnuStop")->isVisible());
    QVERIFY(!run.item("mnuStop")->isEnabled());
  }

  void menuSwitchesViewsAndDisablesTheVisibleOne() {
    Run run;
    run.seedClosedPorts();
    run.start();
    run.item("mnuTone")->trigger();
    QCOMPARE(run.visibleViews(), (QStringList{"frmTone_1", "frmTone_2", "frmTone_3"}));
    QCOMPARE(run.window->windowTitle(), QStringLiteral("Tarnwick - Tone"));
    QCOMPARE(run.state.activeMenu, View::Tone);
    QCOMPARE(run.midi.activeMenu(), View::Tone);  // incoming program changes go to the monitor
    QVERIFY(!run.item("mnuTone")->isEnabled());
    QVERIFY(run.item("mnuUPFile")->isEnabled());

    run.item("mnuKeyboard")->trigger();
    QCOMPARE(run.visibleViews(), QStringList{"frmKeyboard"});
    QCOMPARE(run.window->windowTitle(), QStringLiteral("Tarnwick - Keyboard"));
    QVERIFY(run.item("mnuTone")->isEnabled());
  }

  void shownViewsRunTheirActivation() {
    Run run;
    run.seedClosedPorts();
    run.start();
    QCOMPARE(run.views.activated, QStringList{"frmUPFile"});
    run.window->MenuChange("mnuTone");
    QCOMPARE(run.views.activated, (QStringList{"frmUPFile", "frmTone_1", "frmTone_2", "frmTone_3"}));
  }

  void diskLinkViewIsMadeOnFirstUseAndKept() {
    Run run;
    run.seedClosedPorts();
    run.start();
    QVERIFY(run.view("frmDL") == nullptr);
    run.window->MenuChange("mnuDL");
    QWidget* diskLink = run.view("frmDL");
    QVERIFY(diskLink != nullptr && diskLink->isVisible());
    QCOMPARE(run.window->windowTitle(), QStringLiteral("Tarnwick - Disk Link"));
    run.window->MenuChange("mnuUPFile");
    run.window->MenuChange("mnuDL");
    QCOMPARE(run.view("frmDL"), diskLink);
    QCOMPARE(run.views.created.count("frmDL"), 1);
  }

  void choosingTheVisibleViewChangesNothing() {
    Run run;
    run.seedClosedPorts();
    run.start();
    run.views.activated.clear();
    run.window->MenuChange("mnuUPFile");
    run.window->MenuChange("mnuNoSuchView");
    QCOMPARE(run.views.activated, QStringList{});
    QCOMPARE(run.visibleViews(), QStringList{"frmUPFile"});
  }

  void storedActiveMenuChoosesTheFirstView_data() {
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("caption");
    QTest::newRow("disk link") << "1" << "Tarnwick - Disk Link";
    QTest::newRow("tone") << "2" << "Tarnwick - Tone";
    QTest::newRow("keyboard") << "3" << "Tarnwick - Keyboard";
    QTest::newRow("out of range") << "7" << "Tarnwick - User Prog";
    QTest::newRow("negative") << "-1" << "Tarnwick - User Prog";
    QTest::newRow("not a number") << "Tone" << "Tarnwick - User Prog";
  }
  void storedActiveMenuChoosesTheFirstView() {
    QFETCH(QString, stored);
    QFETCH(QString, caption);
    Run run;
    run.seedClosedPorts();
    run.seed("Main/ActiveMenu", stored);
    run.start();
    QCOMPARE(run.window->windowTitle(), caption);
  }

  void portsOpenAtTheLastExitAreReopenedWithoutTheSetup() {
    Run run;
    run.seed("Midi/MidiInSelDev", "0");
    run.seed("Midi/MidiOutSelDev", "0");
    run.seed("Midi/MidiInStatus", "17");
    run.seed("Midi/MidiOutStatus", "18");
    run.start();
    QCOMPARE(run.setupRuns, 0);
    QVERIFY(run.midi.hMidiIn() != 0);
    QVERIFY(run.midi.hMidiOut() != 0);
  }

  void aPortThatFailsToReopenAsksForTheSetup() {
    Run run;
    run.seed("Midi/MidiInSelDev", "0");
    run.seed("Midi/MidiOutSelDev", "0");
    run.seed("Midi/MidiInStatus", "0");
    run.seed("Midi/MidiOutStatus", "3");
    run.service.setOpenOutResult(0, 2);
    run.start();
    QCOMPARE(run.setupRuns, 1);
    QCOMPARE(run.midi.hMidiIn(), 0);  // status 0: left closed
    QCOMPARE(run.dialogs.messages(), QStringList{});  // start-up shows no error text
  }

  void closedPortsStayClosedWithoutTheSetup() {
    Run run;
    run.seedClosedPorts();
    run.start();
    QCOMPARE(run.setupRuns, 0);
    QCOMPARE(run.midi.hMidiIn(), 0);
    QCOMPARE(run.midi.hMidiOut(), 0);
  }

  void missingNameListsAreReportedAndStartUpGoesOn() {
    Run run;
    run.seedClosedPorts();
    testing::TempFolder empty;
    const QString folder = QString::fromStdString(empty.path().string());
    run.start(folder);
    const QStringList expected{"Error Opening File: " + folder + "/EFXList.dat",
                               "Error Opening File: " + folder + "/ToneList.dat",
                               "Error Opening File: " + folder + "/DrumSetList.dat",
                               "Error Opening File: " + folder + "/StyleList.dat"};
    QCOMPARE(run.dialogs.messages(), expected);
    QCOMPARE(run.dialogs.shown.front().title, QStringLiteral("Tarnwick"));
    QCOMPARE(run.visibleViews(), QStringList{"frmUPFile"});
  }

  void midiSetupCommandRefreshesTheToneAndKeyboardWindows() {
    Run run;
    run.seedClosedPorts();
    run.start();
    run.views.activated.clear();
    run.item("mnuMidiSetup")->trigger();
    QCOMPARE(run.setupRuns, 1);
    QCOMPARE(run.views.activated, (QStringList{"frmTone_1", "frmTone_2", "frmTone_3", "frmKeyboard"}));
  }

  void viewsAreCentredWhenThereIsRoomElseAtTheLeftEdge() {
    Run run;
    run.seedClosedPorts();
    run.start();
    QWidget* upFile = run.view("frmUPFile");
    const QSize client = run.window->clientArea()->size();
    QCOMPARE(upFile->size(), QSize(1020, 692));
    QCOMPARE(upFile->pos(), QPoint((client.width() - 1020) / 2, (client.height() - 692) / 2));
    run.window->resize(900, 640);
    QCOMPARE(upFile->pos(), QPoint(0, 0));
    run.window->MenuChange("mnuTone");
    QCOMPARE(run.view("frmTone_2")->geometry(), QRect(380, 0, 380, 692));
    QCOMPARE(run.view("frmTone_3")->geometry(), QRect(760, 0, 260, 692));
  }

  void exitSavesTheSettingsWithThePortsStillOpenThenClosesThem() {
    Run run;
    run.seed("Midi/MidiInSelDev", "0");
    run.seed("Midi/MidiOutSelDev", "0");
    run.seed("Midi/MidiInStatus", "1");
    run.seed("Midi/MidiOutStatus", "1");
    run.seed("Midi/Style_Channel_TX", "4");
    run.start();
    const int inHandle = run.midi.hMidiIn();
    const int outHandle = run.midi.hMidiOut();
    QVERIFY(inHandle != 0 && outHandle != 0);
    run.window->MenuChange("mnuKeyboard");
    run.item("mnuExit")->trigger();

    QVERIFY(!run.window->isVisible());
    QCOMPARE(run.stored("Midi/MidiInStatus"), QString::number(inHandle));
    QCOMPARE(run.stored("Midi/MidiOutStatus"), QString::number(outHandle));
    QCOMPARE(run.stored("Midi/Style_Channel_TX"), QStringLiteral("4"));
    QCOMPARE(run.stored("Main/ActiveMenu"), QStringLiteral("3"));
    QCOMPARE(run.midi.hMidiIn(), 0);
    QCOMPARE(run.midi.hMidiOut(), 0);
    QCOMPARE(run.service.openInPorts() + run.service.openOutPorts(), 0);
    QCOMPARE(run.views.unloaded, (QStringList{"frmKeyboard", "frmTone_1", "frmTone_2", "frmTone_3", "frmUPFile"}));
    QCOMPARE(run.visibleViews(), QStringList{});
  }

  void exitWithClosedPortsStoresZeroAndTheNextStartKeepsThemClosed() {
    Run run;
    run.start();  // first start: the setup dialog (which leaves both ports closed here)
    run.window->close();
    QCOMPARE(run.stored("Midi/MidiInStatus"), QStringLiteral("0"));
    QCOMPARE(run.stored("Midi/MidiOutStatus"), QStringLiteral("0"));
    QCOMPARE(run.stored("Main/ActiveMenu"), QStringLiteral("0"));
  }

  void declinedCloseKeepsTheProgramRunningAndWritesNothing() {
    Run run;
    run.seedClosedPorts();
    run.start();
    run.views.allowClose = false;
    QVERIFY(!run.window->close());
    QVERIFY(run.window->isVisible());
    QCOMPARE(run.stored("Main/ActiveMenu"), QString());
    QCOMPARE(run.views.unloaded, QStringList{});
  }
};

}  // namespace tarnwick

QTEST_MAIN(tarnwick::ShellTest)
#include "shell_test.moc"
