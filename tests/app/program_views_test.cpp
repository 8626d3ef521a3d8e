// SPDX-License-Identifier: GPL-3.0-or-later
// The real views as the shell builds them: a Disk Link rename or copy marks its file in the UP
// file window, whose caption and exit question follow; the UP file window follows the instrument
// as its stored check box says.
#include <QCheckBox>
#include <QGroupBox>
#include <QTableView>
#include <QtTest>

#include "state/app_state.h"
#include "app/program_views.h"
#include "state/settings_store.h"
#include "disklink/disk_link_edits.h"
#include "disklink/frm_dl.h"
#include "midi/loopback_midi_service.h"
#include "midi/midi_api.h"
#include "support/recording_dialogs.h"
#include "support/temp_folder.h"
#include "upfile/frm_up_file.h"
#include "upfile/up_samples.h"

namespace tarnwick {

class ProgramViewsTest : public QObject {
  Q_OBJECT

 private slots:
  void diskLinkChangesMarkTheFileAndAreAskedAboutAtExit() {
    testing::TempFolder folder;
    AppState state;
    state.programFolder = state.dataFolder = folder.path().string();
    testing::RecordingDialogs dialogs;
    LoopbackMidiService service;
    MidiApi midi{service, state.midi, dialogs};
    SettingsStore store{QString::fromStdString(folder.file("Tarnwick.ini"))};
    ProgramViews views(state, store, dialogs, midi);
    QWidget host;
    QWidget* upFile = views.createUPFile(&host);
    auto* diskLink = qobject_cast<frmDL*>(views.createDiskLink(&host));
    QVERIFY(diskLink != nullptr);
    QStringList captions;
    views.watchCaption(upFile, [&captions](const QString& detail) { captions.append(detail); });
    const std::size_t shownAtStart = dialogs.shown.size();  // e.g. no new-file template here
    QVERIFY(views.confirmCloseAll());
    QCOMPARE(dialogs.shown.size(), shownAtStart);

    QVERIFY(RenameDiskLink(diskLink->headerChanges(), 1, 0, QStringLiteral("New name")));
    QVERIFY(state.history[1].Modified());
    QVERIFY(!captions.isEmpty());
    QVERIFY2(captions.last().contains(QStringLiteral("*")), qPrintable(captions.last()));

    // Exit asks about the changed file; Cancel keeps the program running with the change.
    QVERIFY(!views.confirmCloseAll());
    QCOMPARE(dialogs.shown.size(), shownAtStart + 1);
    QCOMPARE(GetDiskLinkName(state.up.files[1].header, 0), std::string("New name"));
  }

  void followInstrumentIsStoredAndTheWindowHearsUPSelectsUntilItIsUnloaded() {
    testing::TempFolder folder;
    AppState state;
    state.programFolder = state.dataFolder = folder.path().string();
    testing::RecordingDialogs dialogs;
    LoopbackMidiService service;
    MidiApi midi{service, state.midi, dialogs};
    midi.setActiveMenu(View::UPFile);
    QCOMPARE(midi.OpenMidiIn(0), 0);
    const QString ini = QString::fromStdString(folder.file("Tarnwick.ini"));
    const std::uint8_t basic = state.midi.basicRx.zeroBased();
    const auto selectUP5 = [&] {
      service.receive(0, PackShortMessage(0xB0 | basic, 0, 120));
      service.receive(0, PackShortMessage(0xC0 | basic, 5, 0));
      midi.deliverMidiIn();
    };
    for (const bool follow : {true, false}) {
      SettingsStore store{ini};
      ProgramViews views(state, store, dialogs, midi);
      QWidget host;
      auto* upFile = qobject_cast<frmUPFile*>(views.createUPFile(&host));
      QVERIFY(upFile != nullptr);
      auto* box = upFile->findChild<QCheckBox*>(QStringLiteral("chk_FollowInstrument"));
      QCOMPARE(box->isChecked(), !follow);  // "False" at first, then what the last run stored
      state.up.files[0] = testing::SampleFile(192);
      upFile->Fill_Grid_frmUPFile_UP(0);
      box->setChecked(follow);
      const int before = upFile->gridState(0).SelID;
      QVERIFY(before != 5);
      selectUP5();
      QCOMPARE(upFile->gridState(0).SelID, follow ? 5 : before);
      views.unloadView(upFile);
      delete upFile;
      selectUP5();  // nothing left to hear it
      QCOMPARE(SettingsStore(ini).readText("Settings", "FollowInstrument", {}),
               follow ? QStringLiteral("True") : QStringLiteral("False"));
    }
  }

  // The views follow a lost output at once, not when the player next enters them.
  void aLostOutputShowsAtOnceInTheKeyboardAndToneViews() {
    testing::TempFolder folder;
    AppState state;
    testing::RecordingDialogs dialogs;
    LoopbackMidiService service;
    MidiApi midi{service, state.midi, dialogs};
    SettingsStore store{QString::fromStdString(folder.file("Tarnwick.ini"))};
    ProgramViews views(state, store, dialogs, midi);
    QCOMPARE(midi.OpenMidiOut(0), 0);
    QWidget host;
    QWidget* keyboard = views.createKeyboard(&host);
    QWidget* tones = views.createTone(1, &host);
    QWidget* drumSets = views.createTone(2, &host);
    for (QWidget* view : {keyboard, tones, drumSets}) views.activateView(view);
    const auto outputShown = [&] {
      QStringList wrong;
      for (const char* frame : {"fra_PartStatus", "fra_Arranger"}) {
        if (!keyboard->findChild<QWidget*>(QLatin1String(frame))->isEnabled()) wrong << QLatin1String(frame);
        const QString label = QLatin1String(frame) + QStringLiteral("_lbl_MidiOut_IsOff");
        if (!keyboard->findChild<QWidget*>(label)->isHidden()) wrong << label;
      }
      for (QWidget* browser : {tones, drumSets}) {
        if (!browser->findChild<QCheckBox*>(QStringLiteral("chk_Grid_To_MidiOut"))->isEnabled()) wrong << "Grid -> Midi Out";
      }
      return wrong;
    };
    QCOMPARE(outputShown(), QStringList{});

    service.loseOpenPorts(true);
    QVERIFY(midi.checkLostPorts());
    QCOMPARE(outputShown().size(), 6);  // both frames off, both labels shown, both boxes off
    if (const QString shots = qEnvironmentVariable("TARNWICK_SHOTS"); !shots.isEmpty()) {
      host.resize(1500, 900);
      keyboard->show();
      keyboard->grab().save(shots + QStringLiteral("/keyboard-after-loss.png"));
      keyboard->hide();
      tones->show();
      tones->grab().save(shots + QStringLiteral("/tone-after-loss.png"));
    }
  }
};

}  // namespace tarnwick

QTEST_MAIN(tarnwick::ProgramViewsTest)
#include "program_views_test.moc"
