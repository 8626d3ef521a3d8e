// SPDX-License-Identifier: GPL-3.0-or-later
// The keyboard view on a real MIDI path: a private JACK server (dummy driver) and a peer in this
// process that listens to Tarnwick's output and plays into its input.
#include <RtMidi.h>

#include <QAbstractButton>
#include <QLabel>
#include <QtTest>

#include <unistd.h>

#include "app/app_state.h"
#include "grid/paged_grid_view.h"
#include "keyboard/frm_keyboard.h"
#include "keyboard/keyboard_picture.h"
#include "midi/midi_api.h"
#include "support/needs.h"
#include "midi/midi_system_probe.h"
#include "midi/rtmidi_service.h"
#include "support/recording_dialogs.h"

namespace tarnwick {
namespace {

std::string UniquePort() {
  static int serial = 0;
  return "kb-peer-" + std::to_string(::getpid()) + "-" + std::to_string(++serial);
}

// The device whose name ends with ":port", or -1.
int DeviceNamed(MidiService& service, bool input, const std::string& port) {
  const int count = input ? service.inDeviceCount() : service.outDeviceCount();
  for (int device = 0; device < count; ++device) {
    std::string name;
    if (input) {
      MidiInCaps caps;
      if (service.inDeviceCaps(device, caps) == 0) name = caps.name;
    } else {
      MidiOutCaps caps;
      if (service.outDeviceCaps(device, caps) == 0) name = caps.name;
    }
    if (name.ends_with(":" + port)) return device;
  }
  return -1;
}

// What the listening peer has heard within the wait, one message per line ("93 3C 7F").
QStringList Heard(RtMidiIn& peer, int count) {
  QStringList heard;
  QElapsedTimer clock;
  clock.start();
  while (heard.size() < count && clock.elapsed() < 5000) {
    std::vector<unsigned char> bytes;
    for (peer.getMessage(&bytes); !bytes.empty(); peer.getMessage(&bytes)) {
      QStringList hex;
      for (const unsigned char byte : bytes) hex << QStringLiteral("%1").arg(byte, 2, 16, QLatin1Char('0')).toUpper();
      heard << hex.join(QLatin1Char(' '));
    }
    QTest::qWait(10);
  }
  return heard;
}

}  // namespace

class KeyboardJackTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    TARNWICK_QNEED(JackServerRunning(), "no JACK server: jackd is not installed here (see midi_jack_server_start)");
    state.names.styles[5] = {3, 1, 42, "Test    "};
    window = std::make_unique<frmKeyboard>(state, KeyboardSettings{}, midi);
    window->resize(1500, 800);
    window->show();
  }
  void cleanup() {
    window.reset();
    midi.CloseMidiIn();
    midi.CloseMidiOut();
  }

  void aClickOnAKeyReachesThePeerAsNoteOnAndNoteOff() {
    RtMidiIn peer(RtMidi::UNIX_JACK, "tarnwick-peer");
    const std::string port = UniquePort();
    peer.openVirtualPort(port);
    const int device = DeviceNamed(service, false, port);
    QVERIFY2(device >= 0, "the peer's port is not listed");
    QCOMPARE(midi.OpenMidiOut(device), 0);
    window->Form_Activate();
    QTest::mouseClick(window->findChild<QAbstractButton*>(QStringLiteral("opt_Channel_5")), Qt::LeftButton, {}, QPoint(8, 8));
    KeyboardPicture* picture = window->picture();
    QTest::mousePress(picture, Qt::LeftButton, {}, picture->keyPoint(60, 0));
    QTest::mouseRelease(picture, Qt::LeftButton, {}, picture->keyPoint(72, 0));
    QCOMPARE(Heard(peer, 2), (QStringList{QStringLiteral("95 3C 7F"), QStringLiteral("95 3C 00")}));
    QVERIFY(dialogs.shown.empty());
  }

  void aPeersNotesLightAndClearTheirKeys() {
    RtMidiOut peer(RtMidi::UNIX_JACK, "tarnwick-peer");
    const std::string port = UniquePort();
    peer.openVirtualPort(port);
    const int device = DeviceNamed(service, true, port);
    QVERIFY2(device >= 0, "the peer's port is not listed");
    QCOMPARE(midi.OpenMidiIn(device), 0);
    const std::vector<unsigned char> on{0x93, 60, 100};
    const std::vector<unsigned char> chord{0x9A, 64, 30};
    peer.sendMessage(&on);
    peer.sendMessage(&chord);
    QTRY_COMPARE(window->keys().litCount(), 2);
    QTRY_COMPARE(window->findChild<QLabel*>(QStringLiteral("lbl_Note_Name"))->text(), QStringLiteral("E4"));
    const std::vector<unsigned char> off{0x83, 60, 64};
    const std::vector<unsigned char> offByVelocity0{0x9A, 64, 0};
    peer.sendMessage(&off);
    peer.sendMessage(&offByVelocity0);
    QTRY_COMPARE(window->keys().litCount(), 0);
  }

  void aRomStyleRowReachesThePeerOnTheStyleChannel() {
    RtMidiIn peer(RtMidi::UNIX_JACK, "tarnwick-peer");
    const std::string port = UniquePort();
    peer.openVirtualPort(port);
    const int device = DeviceNamed(service, false, port);
    QVERIFY2(device >= 0, "the peer's port is not listed");
    QCOMPARE(midi.OpenMidiOut(device), 0);
    PagedGridView* grid = window->findChild<PagedGridView*>(QStringLiteral("Grid_ROMStyle"));
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->visualRect(grid->model()->index(5, 2)).center());
    QCOMPARE(Heard(peer, 3),
             (QStringList{QStringLiteral("B9 00 03"), QStringLiteral("B9 20 01"), QStringLiteral("C9 2A")}));
  }

 private:
  AppState state;
  RtMidiService service;
  MidiSettings settings;
  testing::RecordingDialogs dialogs;
  MidiApi midi{service, settings, dialogs};
  std::unique_ptr<frmKeyboard> window;
};

}  // namespace tarnwick

QTEST_MAIN(tarnwick::KeyboardJackTest)
#include "keyboard_jack_test.moc"
