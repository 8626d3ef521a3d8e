// The MIDI setup dialog on the loopback service, driven through its controls found by name.
#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QtTest>

#include <memory>

#include "midi/frm_midi_setup.h"
#include "midi/loopback_midi_service.h"
#include "midi/midi_api.h"
#include "midi/midi_result.h"
#include "recording_dialogs.h"

namespace tarnwick {

class FrmMidiSetupTest : public QObject {
  Q_OBJECT

 private:
  LoopbackMidiService service;
  MidiSettings settings;
  test::RecordingDialogs dialogs;
  std::unique_ptr<MidiApi> midi;
  std::unique_ptr<frmMidiSetup> dialog;

  template <class T>
  T* control(const char* name) {
    T* found = dialog->findChild<T*>(QString::fromLatin1(name));
    if (found == nullptr) qFatal("no control %s", name);
    return found;
  }

  void openDialog() {
    dialog = std::make_unique<frmMidiSetup>(*midi, settings, dialogs);
    dialog->show();
    QVERIFY(QTest::qWaitForWindowExposed(dialog.get()));
  }

  void clickRow(const char* listName, int row) {
    auto* list = control<QListWidget>(listName);
    const QPoint centre = list->visualItemRect(list->item(row)).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, centre);
  }

  static MidiInCaps In(const char* name) {
    MidiInCaps caps;
    caps.name = name;
    return caps;
  }
  static MidiOutCaps Out(const char* name, std::uint16_t technology = kTechOutputPort) {
    MidiOutCaps caps;
    caps.name = name;
    caps.technology = technology;
    return caps;
  }

 private slots:
  void init() {
    service = LoopbackMidiService();
    service.setInDevices({In("Midi Through Port-0"), In("UM-ONE extern"), In("Other extern")});
    service.setOutDevices({Out("Midi Through Port-0"), Out("FluidSynth extern", kTechGenericSynth),
                           Out("UM-ONE extern")});
    settings = MidiSettings();
    dialogs.messages.clear();
    midi = std::make_unique<MidiApi>(service, settings, dialogs);
  }

  void cleanup() {
    dialog.reset();
    midi.reset();
  }

  void firstRunSelectsTheExternPortsAndListsTheVirtualPortLast() {
    openDialog();
    QCOMPARE(dialog->windowTitle(), QStringLiteral("Midi Setup"));
    auto* lstIn = control<QListWidget>("lstIn");
    auto* lstOut = control<QListWidget>("lstOut");
    QCOMPARE(lstIn->count(), 3);
    QCOMPARE(lstIn->selectedItems().size(), 1);
    QCOMPARE(lstIn->row(lstIn->selectedItems().first()), 1);
    QCOMPARE(settings.inDevice, 1);
    // The synthesizer named "extern" is passed over.
    QCOMPARE(lstOut->row(lstOut->selectedItems().first()), 2);
    QCOMPARE(settings.outDevice, 2);
    QCOMPARE(lstOut->count(), 4);
    QCOMPARE(lstOut->item(3)->text(), QStringLiteral("Tarnwick"));
    QCOMPARE(control<QCheckBox>("chk_MidiInPort")->text(), QStringLiteral("OFF"));
    QCOMPARE(control<QCheckBox>("chk_MidiInPort")->toolTip(), QStringLiteral("Midi In Port  Open/Close"));
    QVERIFY(dialogs.messages.empty());
  }

  void firstRunWithoutExternLeavesBothListsUnselected() {
    service.setInDevices({In("USB Extern")});
    service.setOutDevices({Out("External")});
    openDialog();
    QVERIFY(control<QListWidget>("lstIn")->selectedItems().isEmpty());
    QVERIFY(control<QListWidget>("lstOut")->selectedItems().isEmpty());
    QCOMPARE(settings.inDevice, kMidiNoDevice);
    QCOMPARE(settings.outDevice, kMidiNoDevice);
  }

  void theVirtualPortIsStoredAsMinusOneAndSelectedAgainNextTime() {
    openDialog();
    clickRow("lstOut", 3);
    QCOMPARE(settings.outDevice, kMidiMapperDevice);
    clickRow("lstIn", 0);
    QCOMPARE(settings.inDevice, 0);
    QTest::mouseClick(control<QPushButton>("cmdOK"), Qt::LeftButton);
    QCOMPARE(dialog->result(), int(QDialog::Accepted));

    openDialog();
    auto* lstOut = control<QListWidget>("lstOut");
    QCOMPARE(lstOut->row(lstOut->selectedItems().first()), 3);
    QCOMPARE(settings.outDevice, kMidiMapperDevice);
  }

  void openingTheDialogStopsIncomingMessagesAndClosesOpenPorts() {
    settings.inDevice = 0;
    settings.outDevice = 0;
    QCOMPARE(midi->OpenMidiIn(0), 0);
    QCOMPARE(midi->OpenMidiOut(0), 0);
    openDialog();
    QVERIFY(!midi->midiInEnabled());
    QCOMPARE(midi->hMidiIn(), 0);
    QCOMPARE(midi->hMidiOut(), 0);
    QVERIFY(control<QCheckBox>("chk_MidiInPort")->isChecked());
    QCOMPARE(control<QCheckBox>("chk_MidiOutPort")->text(), QStringLiteral("ON"));
    QCOMPARE(service.inOpenCount(), 2);  // the open before, and the test-open

    QTest::mouseClick(control<QPushButton>("cmdOK"), Qt::LeftButton);
    QCOMPARE(dialog->result(), int(QDialog::Accepted));
    QVERIFY(midi->hMidiIn() != 0);
    QVERIFY(midi->hMidiOut() != 0);
    QVERIFY(midi->midiInEnabled());
  }

  void aPortThatFailsItsTestIsUncheckedWithTheDriversText() {
    service.setOpenInResult(1, kMidiErrRefused);
    openDialog();
    auto* box = control<QCheckBox>("chk_MidiInPort");
    QTest::mouseClick(box, Qt::LeftButton);
    QVERIFY(!box->isChecked());
    QCOMPARE(box->text(), QStringLiteral("OFF"));
    QCOMPARE(dialogs.messages.size(), size_t(1));
    QCOMPARE(dialogs.messages[0].title, QStringLiteral("MIDI In"));
    QCOMPARE(dialogs.messages[0].text.toStdString(), MidiResultText(kMidiErrRefused));
    QCOMPARE(service.openInPorts(), 0);
  }

  void okWithAPortThatFailsKeepsTheDialogOpenAndThePortsClosed() {
    openDialog();
    QTest::mouseClick(control<QCheckBox>("chk_MidiInPort"), Qt::LeftButton);
    QTest::mouseClick(control<QCheckBox>("chk_MidiOutPort"), Qt::LeftButton);
    QCOMPARE(control<QCheckBox>("chk_MidiOutPort")->text(), QStringLiteral("ON"));
    QCOMPARE(service.openOutPorts(), 0);  // a test-open leaves the port closed

    service.setOpenOutResult(2, kMidiErrDeviceGone);
    QTest::mouseClick(control<QPushButton>("cmdOK"), Qt::LeftButton);
    QVERIFY(dialog->isVisible());
    QCOMPARE(dialog->result(), int(QDialog::Rejected));
    QCOMPARE(midi->hMidiIn(), 0);
    QCOMPARE(midi->hMidiOut(), 0);
    QCOMPARE(dialogs.messages.back().title, QStringLiteral("MIDI Out"));
    QVERIFY(!control<QCheckBox>("chk_MidiOutPort")->isChecked());

    // With the failing box now off, OK opens the input alone and closes the dialog.
    QTest::mouseClick(control<QPushButton>("cmdOK"), Qt::LeftButton);
    QVERIFY(!dialog->isVisible());
    QVERIFY(midi->hMidiIn() != 0);
    QCOMPARE(midi->hMidiOut(), 0);
  }

  void okWithBothBoxesOffLeavesBothPortsClosed() {
    openDialog();
    QTest::mouseClick(control<QPushButton>("cmdOK"), Qt::LeftButton);
    QCOMPARE(dialog->result(), int(QDialog::Accepted));
    QCOMPARE(service.openInPorts() + service.openOutPorts(), 0);
  }

  void propertiesOfTheSelectedDevice() {
    MidiOutCaps synth = Out("Synth", kTechFMSynth);
    synth.support = kSupportVolume;
    synth.channelMask = 0x8001;
    service.setOutDevices({synth});
    settings.outDevice = 0;
    settings.inDevice = kMidiNoDevice;
    openDialog();
    QTest::mouseClick(control<QPushButton>("cmd_MidiOutDevProperties"), Qt::LeftButton);
    QCOMPARE(dialogs.messages.size(), size_t(1));
    QCOMPARE(dialogs.messages[0].title, QStringLiteral("Midi Out Device Properties"));
    QCOMPARE(dialogs.messages[0].icon, UserDialogs::Icon::Information);
    QCOMPARE(dialogs.messages[0].text,
             QStringLiteral("Synth\r\n\r\nManufacturer identifier: 0\r\nProduct identifier: 0\r\nDriver version: 0\r\n"
                            "Technology: FM internal synth\r\nVoices: 0\r\nNotes: 0\r\nChannelMask: H8001\r\n"
                            "Support: \r\n          Volume control\r\n"));

    // No input entry selected: no text, no box.
    QVERIFY(dialog->inPropertiesText().isEmpty());
    QTest::mouseClick(control<QPushButton>("cmd_MidiInDevProperties"), Qt::LeftButton);
    QCOMPARE(dialogs.messages.size(), size_t(1));
    clickRow("lstIn", 0);
    QTest::mouseClick(control<QPushButton>("cmd_MidiInDevProperties"), Qt::LeftButton);
    QCOMPARE(dialogs.messages.back().title, QStringLiteral("Midi In Device Properties"));
    QVERIFY(dialogs.messages.back().text.startsWith(QStringLiteral("Midi Through Port-0\r\n\r\n")));
  }

  void channelScrollBarsShowOneBasedValuesAndResetOnDoubleClick() {
    openDialog();
    auto* styleTx = control<QScrollBar>("HS_Style_Channel_TX");
    auto* styleTxValue = control<QLabel>("lbl_Style_Channel_TX_Value");
    QCOMPARE(control<QLabel>("lbl_Basic_Channel_TX_Value")->text(), QStringLiteral("13"));
    QCOMPARE(styleTxValue->text(), QStringLiteral("10"));
    QCOMPARE(styleTxValue->toolTip(), QStringLiteral("DblClick = Default Value"));
    QCOMPARE(control<QLabel>("lbl_Style_Channel_TX_Title")->text(), QStringLiteral("Midi.Style.Channel.TX"));

    styleTx->setFocus();
    QTest::keyClick(styleTx, Qt::Key_Home);
    QCOMPARE(styleTxValue->text(), QStringLiteral("1"));
    QCOMPARE(settings.styleTx.zeroBased(), 0);
    control<QScrollBar>("HS_Basic_Channel_RX")->setValue(15);
    QCOMPARE(settings.basicRx.oneBased(), 16);

    QTest::mouseDClick(styleTxValue, Qt::LeftButton);
    QCOMPARE(styleTxValue->text(), QStringLiteral("10"));
    QCOMPARE(settings.styleTx.zeroBased(), 9);
    QTest::mouseDClick(control<QLabel>("lbl_Basic_Channel_RX_Value"), Qt::LeftButton);
    QCOMPARE(settings.basicRx.zeroBased(), 12);
  }

  void cancelPutsDevicesChannelsAndPortsBack() {
    settings.inDevice = 0;
    settings.outDevice = kMidiMapperDevice;
    QCOMPARE(midi->OpenMidiOut(kMidiMapperDevice), 0);
    openDialog();
    clickRow("lstOut", 0);
    control<QScrollBar>("HS_Basic_Channel_TX")->setValue(0);
    QTest::mouseClick(control<QCheckBox>("chk_MidiOutPort"), Qt::LeftButton);  // off
    QTest::keyClick(dialog.get(), Qt::Key_Escape);

    QVERIFY(!dialog->isVisible());
    QCOMPARE(settings.outDevice, kMidiMapperDevice);
    QCOMPARE(settings.basicTx.zeroBased(), 12);
    QVERIFY(midi->hMidiOut() != 0);
    QCOMPARE(midi->hMidiIn(), 0);
  }

  void aDeviceThatCannotBeReadLeavesTheOtherListUsable() {
    service.setInCapsResult(1, kMidiErrDeviceGone);
    openDialog();
    QCOMPARE(dialogs.messages.size(), size_t(1));
    QCOMPARE(dialogs.messages[0].title, QStringLiteral("MIDI In"));
    QCOMPARE(settings.inDevice, kMidiNoDevice);
    QVERIFY(control<QListWidget>("lstIn")->selectedItems().isEmpty());
    QCOMPARE(control<QListWidget>("lstOut")->count(), 4);
    QCOMPARE(settings.outDevice, 2);
  }
};

}  // namespace tarnwick

QTEST_MAIN(tarnwick::FrmMidiSetupTest)
#include "frm_midi_setup_test.moc"
