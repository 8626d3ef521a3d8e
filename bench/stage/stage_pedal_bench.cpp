// SPDX-License-Identifier: GPL-3.0-or-later
// From a pedal message to the UP select leaving Tarnwick's JACK port, in frames. A JACK peer in
// this process writes the pedal message at the start of a cycle and stamps it with that cycle's
// frame time; when the program change of the UP select comes back, it stamps that too. The Stage
// view runs on the window thread as in the program, on the MIDI service the program uses.
#include <jack/jack.h>
#include <jack/midiport.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QThread>
#include <algorithm>
#include <array>
#include <atomic>
#include <cstdio>
#include <vector>

#include "state/app_state.h"
#include "midi/midi_api.h"
#include "midi/rtmidi_service.h"
#include "stage/frm_stage.h"
#include "ui/user_dialogs.h"
#include "updata/up_record.h"

namespace {

using namespace tarnwick;

constexpr int kPresses = 300;

class SilentDialogs final : public UserDialogs {
 public:
  void showMessage(const QString& text, const QString&, Icon) override { std::fprintf(stderr, "%s\n", qPrintable(text)); }
  Answer askYesNo(const QString&, const QString&, Icon) override { return Answer::No; }
  Answer askSaveDiscardCancel(const QString&, const QString&) override { return Answer::Cancel; }
  QString openFileName(const QString&, const QString&, const QStringList&) override { return {}; }
  QString saveFileName(const QString&, const QString&, const QStringList&) override { return {}; }
  void beep() override {}
};

// The peer: a pedal client and a listening client, so that the ports make no loop in JACK's
// graph (a loop leaves the order of the two clients in a cycle open). Everything their process
// callbacks touch is made before the clients are activated.
struct Peer {
  jack_client_t* client = nullptr;  // the pedal
  jack_client_t* listener = nullptr;
  jack_port_t* pedal = nullptr;
  jack_port_t* listen = nullptr;
  std::atomic<int> wanted{0};  // presses asked for by the main thread
  std::atomic<int> sent{0};
  std::atomic<int> answered{0};  // the last press whose UP select came back
  std::array<jack_nframes_t, kPresses> sentAt{};
  std::array<jack_nframes_t, kPresses> heardAt{};
  std::array<bool, kPresses> heard{};
};

int PressPedal(jack_nframes_t frames, void* arg) {
  auto& peer = *static_cast<Peer*>(arg);
  const jack_nframes_t cycleStart = jack_last_frame_time(peer.client);
  void* out = jack_port_get_buffer(peer.pedal, frames);
  jack_midi_clear_buffer(out);
  const int sent = peer.sent.load(std::memory_order_relaxed);
  if (sent < peer.wanted.load(std::memory_order_acquire) && sent < kPresses) {
    // Always Next: the list is one longer than the presses, so that a press lost on the way never
    // sends a later one past the list's end, where the view rightly stays silent.
    const jack_midi_data_t press[3] = {0xB0, 64, 127};
    if (jack_midi_event_write(out, 0, press, 3) == 0) {
      peer.sentAt[static_cast<std::size_t>(sent)] = cycleStart;
      peer.sent.store(sent + 1, std::memory_order_release);
    }
  }
  return 0;
}

int Listen(jack_nframes_t frames, void* arg) {
  auto& peer = *static_cast<Peer*>(arg);
  const jack_nframes_t cycleStart = jack_last_frame_time(peer.listener);
  void* in = jack_port_get_buffer(peer.listen, frames);
  const jack_nframes_t count = jack_midi_get_event_count(in);
  for (jack_nframes_t i = 0; i < count; ++i) {
    jack_midi_event_t event;
    if (jack_midi_event_get(&event, in, i) != 0 || event.size < 1 || (event.buffer[0] & 0xF0) != 0xC0) continue;
    // Each press waits for its reply, so a reply belongs to the latest press.
    const int press = peer.sent.load(std::memory_order_relaxed);
    if (press == 0 || press <= peer.answered.load(std::memory_order_relaxed)) continue;
    peer.heardAt[static_cast<std::size_t>(press - 1)] = cycleStart + event.time;
    peer.heard[static_cast<std::size_t>(press - 1)] = true;
    peer.answered.store(press, std::memory_order_release);
  }
  return 0;
}

int DeviceEndingWith(MidiService& service, bool input, const std::string& port) {
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

void Report(const Peer& peer, jack_nframes_t period, jack_nframes_t rate) {
  std::vector<double> frames;
  for (std::size_t i = 0; i < kPresses; ++i) {
    if (peer.heard[i]) frames.push_back(static_cast<double>(peer.heardAt[i] - peer.sentAt[i]));
    if (!peer.heard[i]) std::printf("press %zu: no UP select\n", i + 1);
  }
  if (frames.empty()) {
    std::printf("no UP select came back\n");
    return;
  }
  std::sort(frames.begin(), frames.end());
  const auto at = [&](double share) { return frames[static_cast<std::size_t>(share * static_cast<double>(frames.size() - 1))]; };
  const double ms = 1000.0 / rate;
  std::printf("%zu of %d presses answered, period %u frames at %u Hz (%.2f ms)\n", frames.size(), kPresses, period, rate, period * ms);
  std::printf("pedal -> UP select: median %.0f frames (%.2f ms, %.2f periods), p99 %.0f frames (%.2f ms, %.2f periods), max %.0f\n",
              at(0.5), at(0.5) * ms, at(0.5) / period, at(0.99), at(0.99) * ms, at(0.99) / period, frames.back());
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  Peer peer;
  peer.client = jack_client_open("stage-bench", JackNoStartServer, nullptr);
  peer.listener = jack_client_open("stage-bench-listener", JackNoStartServer, nullptr);
  if (peer.client == nullptr || peer.listener == nullptr) {
    std::fprintf(stderr, "no JACK server: start one (see bench/stage/CMakeLists.txt)\n");
    return 1;
  }
  peer.pedal = jack_port_register(peer.client, "pedal", JACK_DEFAULT_MIDI_TYPE, JackPortIsOutput, 0);
  peer.listen = jack_port_register(peer.listener, "listen", JACK_DEFAULT_MIDI_TYPE, JackPortIsInput, 0);
  jack_set_process_callback(peer.client, PressPedal, &peer);
  jack_set_process_callback(peer.listener, Listen, &peer);
  jack_activate(peer.client);
  jack_activate(peer.listener);

  RtMidiService service;
  MidiSettings settings;
  SilentDialogs dialogs;
  MidiApi midi(service, settings, dialogs);
  if (midi.OpenMidiIn(DeviceEndingWith(service, true, "pedal")) != 0 ||
      midi.OpenMidiOut(DeviceEndingWith(service, false, "listen")) != 0) {
    std::fprintf(stderr, "the peer's ports could not be opened\n");
    return 1;
  }
  AppState state;
  state.up.files[0].path = "/bench/Gig.UPS";
  SetUPCount(state.up.files[0], 8);
  for (int id = 0; id < 8; ++id) SetUPText8(state.up.files[0].up(id), kUPNameOffset, "Song " + std::to_string(id));
  std::vector<int> songs;  // the eight UPs over and over, as a long evening's list
  for (int song = 0; song <= kPresses; ++song) songs.push_back(song % 8);
  StageSettings stageSettings;
  stageSettings.next = *ParseTrigger(QStringLiteral("B0 40"));
  frmStage stage(state, dialogs, stageSettings,
                 {[&midi] { return midi.hMidiOut() != 0; }, [&midi](int id) { return midi.SendUPSelect(id); }});
  std::int64_t clock = 0;
  stage.setClock([&clock] { return clock += 1000; });  // every press counts: no bounce here
  stage.addUPs(0, songs);
  stage.show();
  midi.setStageReceiver(&stage);
  midi.setActiveMenu(View::Stage);

  for (int press = 1; press <= kPresses; ++press) {
    peer.wanted.store(press, std::memory_order_release);
    QElapsedTimer wait;
    wait.start();
    while (peer.answered.load(std::memory_order_acquire) < press && wait.elapsed() < 1000) {
      QCoreApplication::processEvents(QEventLoop::AllEvents, 1);
    }
    QThread::msleep(12);  // a few periods apart, as a foot does it
  }
  Report(peer, jack_get_buffer_size(peer.client), jack_get_sample_rate(peer.client));
  midi.setStageReceiver(nullptr);
  midi.CloseMidiIn();
  midi.CloseMidiOut();
  jack_client_close(peer.listener);
  jack_client_close(peer.client);
  return 0;
}
