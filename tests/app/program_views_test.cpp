// SPDX-License-Identifier: GPL-3.0-or-later
// The real views as the shell builds them: a Disk Link rename or copy marks its file in the UP
// file window, whose caption and exit question follow.
#include <QtTest>

#include "app/app_state.h"
#include "app/program_views.h"
#include "app/settings_store.h"
#include "disklink/disk_link_edits.h"
#include "disklink/frm_dl.h"
#include "midi/loopback_midi_service.h"
#include "midi/midi_api.h"
#include "support/recording_dialogs.h"
#include "support/temp_folder.h"

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
};

}  // namespace tarnwick

QTEST_MAIN(tarnwick::ProgramViewsTest)
#include "program_views_test.moc"
