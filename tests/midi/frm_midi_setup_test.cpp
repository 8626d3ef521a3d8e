// SPDX-License-Identifier: GPL-3.0-or-later
// The MIDI setup dialog on the loopback service, driven through its controls found by name.
#include <QCheckBox>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QtTest>

#include <memory>

#include "midi/frm_midi_setup.h"
#include "midi/loopback_midi_service.h"
#include "midi/midi_api.h"
#include "midi/midi_result.h"
#include "support/recording_dialogs.h"
#include "support/find_control.h"

namespace tarnwick {

class FrmMidiSetupTest : public QObject {
  Q_OBJECT

 private:
  LoopbackMidiService service;
  MidiSettings settings;
  testing::RecordingDialogs dialogs;
  std::unique_ptr<MidiApi> midi;
  std::unique_ptr<frmMidiSetup> dialog;

  template <class T>
  T* control(const char* name) {
    return testing::FindControl<T>(*dialog, QString::fromLatin1(name));
  }
  void openDialog() {
    dialog = std::make_unique<frmMidiSetup>(*midi, settings, dialogs);
    dialog->show();
    QVERIFY(QTest::qWaitForWindowExposed(dialog.get()));
  }
  void click(const char* name) { QTest::mouseClick(control<QAbstractButton>(name), Qt::LeftButton); }
  void clickRow(const char* listName, int row) {
    auto* list = control<QListWidget>(listName);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(row)).center());
  }
  // The one selected row, or -1.
  int selectedRow(const char* listName) {
    auto* list = control<QListWidget>(listName);
    return list->selectedItems().size() == 1 ? list->row(list->selectedItems().first()) : -1;
  }

 private slots:
  void init() {
    service = LoopbackMidiService();
    service.setInDevices({{.name = "Midi Through Port-0"}, {.name = "UM-ONE extern"}, {.name = "Other extern"}});
    service.setOutDevices({{.name = "Midi Through Port-0"},
                           {.name = "FluidSynth extern", .technology = kTechGenericSynth},
                           {.name = "UM-ONE extern"}});
    settings = MidiSettings();
    dialogs.clear();
    midi = std::make_unique<MidiApi>(service, settings, dialogs);
  }
  void cleanup() {
    dialog.reset();
    midi.reset();
  }

  void firstRunChoosesThePortsNamedExternButNoSynthesizer() {
    openDialog();
    QCOMPARE(selectedRow("lstIn"), 1);
    QCOMPARE(settings.inDevice, 1);
    QCOMPARE(selectedRow("lstOut"), 2);
    QCOMPARE(settings.outDevice, 2);
    QCOMPARE(control<QListWidget>("lstOut")->count(), 4);
    QCOMPARE(control<QListWidget>("lstOut")->item(3)->text(), QStringLiteral("Tarnwick"));
    QVERIFY(dialogs.shown.empty());

    // Only the lower-case name counts; without it nothing is chosen.
    dialog.reset();
    settings = MidiSettings();
    service.setInDevices({{.name = "USB Extern"}});
    service.setOutDevices({{.name = "External"}});
    openDialog();
    QCOMPARE(selectedRow("lstIn"), -1);
    QCOMPARE(selectedRow("lstOut"), -1);
    QCOMPARE(settings.inDevice, kMidiNoDevice);
    QCOMPARE(settings.outDevice, kMidiNoDevice);
  }

  void theVirtualPortIsStoredAsTheMapperAndSelectedAgainNextTime() {
    openDialog();
    clickRow("lstOut", 3);
    QCOMPARE(settings.outDevice, kMidiMapperDevice);
    clickRow("lstIn", 0);
    QCOMPARE(settings.inDevice, 0);
    click("cmdOK");
    QCOMPARE(dialog->result(), int(QDialog::Accepted));
    openDialog();
    QCOMPARE(selectedRow("lstOut"), 3);
    QCOMPARE(settings.outDevice, kMidiMapperDevice);
  }

  void whileOpenNothingComesInAndCancelPutsDevicesChannelsAndPortsBack() {
    settings.inDevice = 0;
    settings.outDevice = kMidiMapperDevice;
    QCOMPARE(midi->OpenMidiIn(0), 0);
    QCOMPARE(midi->OpenMidiOut(kMidiMapperDevice), 0);
    openDialog();
    QVERIFY(!midi->midiInEnabled());
    QCOMPARE(midi->hMidiIn() + midi->hMidiOut(), 0);
    QVERIFY(control<QCheckBox>("chk_MidiInPort")->isChecked());
    QVERIFY(control<QCheckBox>("chk_MidiOutPort")->isChecked());
    QCOMPARE(service.inOpenCount(), 2);  // the open before, and the test-open

    clickRow("lstOut", 0);
    control<QScrollBar>("HS_Basic_Channel_TX")->setValue(0);
    click("chk_MidiOutPort");  // off
    QTest::keyClick(dialog.get(), Qt::Key_Escape);
    QVERIFY(!dialog->isVisible());
    QCOMPARE(settings.outDevice, kMidiMapperDevice);
    QCOMPARE(settings.basicTx.zeroBased(), 12);
    QVERIFY(midi->hMidiIn() != 0 && midi->hMidiOut() != 0);
    QVERIFY(midi->midiInEnabled());
  }

  void aFailingPortIsUncheckedWithItsTextAndOKStaysOpenUntilNoneFails() {
    openDialog();
    auto* inBox = control<QCheckBox>("chk_MidiInPort");
    auto* outBox = control<QCheckBox>("chk_MidiOutPort");
    service.setOpenInResult(1, kMidiErrRefused);
    click("chk_MidiInPort");  // the test-open fails
    QVERIFY(!inBox->isChecked());
    QCOMPARE(inBox->text(), QStringLiteral("OFF"));
    QCOMPARE(dialogs.shown.size(), size_t(1));
    QCOMPARE(dialogs.shown[0].title, QStringLiteral("MIDI In"));
    QCOMPARE(dialogs.shown[0].text.toStdString(), MidiResultText(kMidiErrRefused));
    QCOMPARE(service.openInPorts(), 0);

    service.setOpenInResult(1, kMidiOk);
    click("chk_MidiInPort");
    click("chk_MidiOutPort");
    QVERIFY(inBox->isChecked());
    QCOMPARE(outBox->text(), QStringLiteral("ON"));
    QCOMPARE(service.openInPorts() + service.openOutPorts(), 0);  // a test-open leaves the port closed

    service.setOpenOutResult(2, kMidiErrDeviceGone);
    click("cmdOK");
    QVERIFY(dialog->isVisible());
    QCOMPARE(dialog->result(), int(QDialog::Rejected));
    QCOMPARE(midi->hMidiIn() + midi->hMidiOut(), 0);
    QCOMPARE(dialogs.shown.back().title, QStringLiteral("MIDI Out"));
    QVERIFY(!outBox->isChecked());

    // Once the port opens again, OK opens both and closes the dialog.
    service.setOpenOutResult(2, kMidiOk);
    click("chk_MidiOutPort");
    click("cmdOK");
    QVERIFY(!dialog->isVisible());
    QVERIFY(midi->hMidiIn() != 0 && midi->hMidiOut() != 0);
    QVERIFY(midi->midiInEnabled());
  }

  void propertiesOfTheSelectedDevice() {
    service.setOutDevices({
        {.name = "Synth", .technology = kTechFMSynth, .channelMask = 0x8001, .support = kSupportVolume}});
    settings.outDevice = 0;
    settings.inDevice = kMidiNoDevice;
    openDialog();
    click("cmd_MidiOutDevProperties");
    QCOMPARE(dialogs.shown.size(), size_t(1));
    QCOMPARE(dialogs.shown[0].title, QStringLiteral("Midi Out Device Properties"));
    QCOMPARE(dialogs.shown[0].icon, UserDialogs::Icon::Information);
    QCOMPARE(dialogs.shown[0].text,
             QStringLiteral("Synth\r\n\r\nManufacturer identifier: 0\r\nProduct identifier: 0\r\nDriver version: 0\r\n"
                            "Technology: FM internal synth\r\nVoices: 0\r\nNotes: 0\r\nChannelMask: H8001\r\n"
                            "Support: \r\n          Volume control\r\n"));

    // No input entry selected: no box.
    click("cmd_MidiInDevProperties");
    QCOMPARE(dialogs.shown.size(), size_t(1));
    clickRow("lstIn", 0);
    click("cmd_MidiInDevProperties");
    QCOMPARE(dialogs.shown.back().title, QStringLiteral("Midi In Device Properties"));
    QVERIFY(dialogs.shown.back().text.startsWith(QStringLiteral("Midi Through Port-0\r\n\r\n")));
  }
};

}  // namespace tarnwick

QTEST_MAIN(tarnwick::FrmMidiSetupTest)
#include "frm_midi_setup_test.moc"
