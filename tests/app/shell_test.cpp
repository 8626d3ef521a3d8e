// SPDX-License-Identifier: GPL-3.0-or-later
// The application shell inside one process: start-up, view switching, the MIDI check and the exit
// sequence, with a private settings file and the loopback MIDI service.
#include <QAction>
#include <QMenuBar>
#include <QSettings>
#include <QtTest>

#include "state/app_state.h"
#include "app/main_window.h"
#include "app/placeholder_view.h"
#include "state/settings_store.h"
#include "app/startup.h"
#include "app/view_factory.h"
#include "midi/loopback_midi_service.h"
#include "midi/midi_api.h"
#include "support/recording_dialogs.h"
#include "support/temp_folder.h"
#include "support/ups_builder.h"

namespace tarnwick {
namespace {

// Placeholder windows that remember what the main window asked of them.
class RecordingViews : public ViewFactory {
 public:
  QStringList activated, unloaded;
  bool allowClose = true;

  QWidget* createKeyboard(QWidget* parent) override { return make("frmKeyboard", parent); }
  QWidget* createTone(int n, QWidget* parent) override { return make("frmTone_" + QString::number(n), parent); }
  QWidget* createUPFile(QWidget* parent) override { return make("frmUPFile", parent); }
  QWidget* createDiskLink(QWidget* parent) override { return make("frmDL", parent); }
  void activateView(QWidget* view) override { activated.append(view->objectName()); }
  void unloadView(QWidget* view) override { unloaded.append(view->objectName()); }
  bool confirmCloseAll() override { return allowClose; }
  void watchCaption(QWidget* view, std::function<void(const QString&)> onChange) override {
    if (view->objectName() == QLatin1String("frmUPFile")) upFileCaption = std::move(onChange);
  }
  std::function<void(const QString&)> upFileCaption;

 private:
  static QWidget* make(const QString& name, QWidget* parent) { return CreatePlaceholderView(name, name, parent); }
};

const QStringList kToneViews{"frmTone_1", "frmTone_2", "frmTone_3"};

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
  Shell shell{state, store, dialogs, midi, views, [this](QWidget* parent) {
                ++setupRuns;  // the setup runs over the main window before the start-up hands it back
                viewsVisibleAtSetup = VisibleViews(*qobject_cast<frmMain*>(parent));
              }};
  std::unique_ptr<frmMain> window;
  QStringList namedFiles;  // FILE0 [FILE1] of the command line, relative to the test's folder
  qsizetype messagesWhenWindowShown = -1;

  // Settings as another run left them ("Group/Key", text), written before the start.
  Run& seed(std::initializer_list<std::pair<const char*, QString>> values) {
    QSettings raw(iniPath, QSettings::IniFormat);
    for (const auto& [key, text] : values) raw.setValue(QString::fromLatin1(key), text);
    return *this;
  }
  Run& seedClosedPorts() { return seed({{"Midi/MidiInStatus", "0"}, {"Midi/MidiOutStatus", "0"}}); }
  void start(const QString& dataFolder = qEnvironmentVariable("TARNWICK_DATA_DIR")) {
    store.sync();  // pick up what seed() wrote
    window = StartTarnwick(shell, {QCoreApplication::applicationDirPath(), dataFolder, QSize(1600, 1000),
                                   [this](frmMain&) { messagesWhenWindowShown = dialogs.messages().size(); }, namedFiles,
                                   QString::fromStdString(folder.path().string())});
  }
  QWidget* view(const char* name) const { return window->viewWindow(QString::fromLatin1(name)); }
  QAction* item(const char* name) const { return window->menuBar()->findChild<QAction*>(QString::fromLatin1(name)); }
  QString stored(const char* key) const {
    return QSettings(iniPath, QSettings::IniFormat).value(QString::fromLatin1(key)).toString();
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
};

}  // namespace

class ShellTest : public QObject {
  Q_OBJECT

 private slots:
  void firstStartAsksForTheMidiSetupThenShowsTheUserProgramView() {
    Run run;
    run.start();
    QCOMPARE(run.setupRuns, 1);
    QVERIFY2(run.viewsVisibleAtSetup.isEmpty(), qPrintable(run.viewsVisibleAtSetup.join(',')));
    QCOMPARE(run.visibleViews(), QStringList{"frmUPFile"});
    QCOMPARE(run.window->windowTitle(), QStringLiteral("Tarnwick - User Prog"));
    QVERIFY(!run.item("mnuUPFile")->isEnabled());
    QVERIFY(run.item("mnuDL")->isEnabled() && run.item("mnuTone")->isEnabled() && run.item("mnuKeyboard")->isEnabled());
    QCOMPARE(run.dialogs.messages(), QStringList{});

    // The setup left both ports closed: the exit records that, so the next start asks no more.
    QVERIFY(run.window->close());
    QCOMPARE(run.stored("Midi/MidiInStatus"), QStringLiteral("0"));
    QCOMPARE(run.stored("Midi/MidiOutStatus"), QStringLiteral("0"));
    QCOMPARE(run.stored("Main/ActiveMenu"), QStringLiteral("0"));
  }

  void menuSwitchesViewsAndDisablesTheVisibleOne() {
    Run run;
    run.seedClosedPorts().start();
    QCOMPARE(run.views.activated, QStringList{"frmUPFile"});
    QVERIFY(run.view("frmDL") == nullptr);

    run.item("mnuTone")->trigger();
    QCOMPARE(run.visibleViews(), kToneViews);
    QCOMPARE(run.window->windowTitle(), QStringLiteral("Tarnwick - Tone"));
    QCOMPARE(run.state.activeMenu, View::Tone);
    QCOMPARE(run.midi.activeMenu(), View::Tone);  // incoming program changes go to the monitor
    QVERIFY(!run.item("mnuTone")->isEnabled());
    QVERIFY(run.item("mnuUPFile")->isEnabled());
    QCOMPARE(run.views.activated, QStringList{"frmUPFile"} + kToneViews);

    // The Disk Link view is made on first use and kept.
    run.item("mnuDL")->trigger();
    QWidget* diskLink = run.view("frmDL");
    QVERIFY(diskLink != nullptr && diskLink->isVisible());
    QCOMPARE(run.window->windowTitle(), QStringLiteral("Tarnwick - Disk Link"));
    QVERIFY(run.item("mnuTone")->isEnabled() && !run.item("mnuDL")->isEnabled());
    run.window->MenuChange("mnuUPFile");
    run.window->MenuChange("mnuDL");
    QCOMPARE(run.view("frmDL"), diskLink);
    // The files' part of the caption, with its marks of unsaved changes, shows in both file views.
    run.views.upFileCaption(QStringLiteral("set.ups* | lib.ups"));
    QCOMPARE(run.window->windowTitle(), QStringLiteral("Tarnwick - Disk Link - set.ups* | lib.ups"));
    run.window->MenuChange("mnuTone");
    QCOMPARE(run.window->windowTitle(), QStringLiteral("Tarnwick - Tone"));
    run.window->MenuChange("mnuDL");

    // The MIDI setup refreshes the windows that show MIDI state.
    run.views.activated.clear();
    run.item("mnuMidiSetup")->trigger();
    QCOMPARE(run.setupRuns, 1);
    QCOMPARE(run.views.activated, (kToneViews + QStringList{"frmKeyboard", "frmStage"}));
  }

  void storedActiveMenuChoosesTheFirstView() {
    for (const auto& [stored, caption] : {std::pair{"3", "Tarnwick - Keyboard"}, {"4", "Tarnwick - Stage"}, {"7", "Tarnwick - User Prog"}}) {
      Run run;
      run.seedClosedPorts().seed({{"Main/ActiveMenu", stored}}).start();
      QCOMPARE(run.window->windowTitle(), QString::fromLatin1(caption));
    }
  }

  void portsOfTheLastRunAreReopenedOrTheSetupAsked() {
    // The stored In and Out status, whether opening Out fails, whether the ports end up open.
    const std::tuple<const char*, const char*, bool, bool> runs[] = {
        {"17", "18", false, true}, {"0", "0", false, false}, {"0", "3", true, false}};
    for (const auto& [inStatus, outStatus, outFails, open] : runs) {
      Run run;
      run.seed({{"Midi/MidiInSelDev", "0"}, {"Midi/MidiOutSelDev", "0"}, {"Midi/MidiInStatus", inStatus},
                {"Midi/MidiOutStatus", outStatus}});
      if (outFails) run.service.setOpenOutResult(0, 2);
      run.start();
      QCOMPARE(run.setupRuns, outFails ? 1 : 0);
      QCOMPARE(run.midi.hMidiIn() != 0, open);
      QCOMPARE(run.midi.hMidiOut() != 0, open);
      QCOMPARE(run.dialogs.messages(), QStringList{});  // start-up shows no error text
    }
  }

  void filesNamedAtStartTakeThePlaceOfTheLastRunsFilesWhenTheyLoad() {
    Run run;
    testing::WriteBytes(run.folder.file("Named.UPS"), testing::MakeUPSImage(3));
    run.namedFiles = {"Named.UPS", "Missing.UPS"};
    run.seedClosedPorts().seed({{"Files/UPSFilePathName1", "/old/zero.UPS"}, {"Files/UPSFilePathName2", "/old/one.UPS"}});
    run.start();
    QCOMPARE(run.state.up.files[0].path, run.folder.file("Named.UPS"));
    QCOMPARE(run.state.up.files[1].path, std::string("/old/one.UPS"));
    QCOMPARE(run.dialogs.messages(),
             QStringList{QStringLiteral("Error Opening File: ") + QString::fromStdString(run.folder.file("Missing.UPS"))});
    QCOMPARE(run.messagesWhenWindowShown, 0);  // the message comes over the main window
    QVERIFY(run.window->close());
    QCOMPARE(run.stored("Files/UPSFilePathName1"), QString::fromStdString(run.folder.file("Named.UPS")));
  }

  void exitSavesTheSettingsWithThePortsStillOpenThenClosesThem() {
    Run run;
    run.seed({{"Midi/MidiInSelDev", "0"}, {"Midi/MidiOutSelDev", "0"}, {"Midi/MidiInStatus", "1"},
              {"Midi/MidiOutStatus", "1"}, {"Midi/Style_Channel_TX", "4"}});
    run.start();
    const int inHandle = run.midi.hMidiIn();
    const int outHandle = run.midi.hMidiOut();
    QVERIFY(inHandle != 0 && outHandle != 0);
    run.window->MenuChange("mnuKeyboard");

    // A declined close keeps the program running and writes nothing.
    run.views.allowClose = false;
    QVERIFY(!run.window->close());
    QVERIFY(run.window->isVisible());
    QCOMPARE(run.stored("Main/ActiveMenu"), QString());
    QCOMPARE(run.views.unloaded, QStringList{});

    run.views.allowClose = true;
    run.item("mnuExit")->trigger();
    QVERIFY(!run.window->isVisible());
    QCOMPARE(run.stored("Midi/MidiInStatus"), QString::number(inHandle));
    QCOMPARE(run.stored("Midi/MidiOutStatus"), QString::number(outHandle));
    QCOMPARE(run.stored("Midi/Style_Channel_TX"), QStringLiteral("4"));
    QCOMPARE(run.stored("Main/ActiveMenu"), QStringLiteral("3"));
    QVERIFY(run.midi.hMidiIn() == 0 && run.midi.hMidiOut() == 0);
    QCOMPARE(run.service.openInPorts() + run.service.openOutPorts(), 0);
    QCOMPARE(run.views.unloaded, (QStringList{"frmStage", "frmKeyboard"} + kToneViews + QStringList{"frmUPFile"}));
  }
};

}  // namespace tarnwick

QTEST_MAIN(tarnwick::ShellTest)
#include "shell_test.moc"
