// SPDX-License-Identifier: GPL-3.0-or-later
// Incoming notes into the keyboard view: 10,000 note messages through the input handler, handed
// over to the window thread and painted, as a sequence played into the instrument would arrive.
#include <benchmark/benchmark.h>

#include <QApplication>

#include "state/app_state.h"
#include "keyboard/frm_keyboard.h"
#include "keyboard/keyboard_picture.h"
#include "midi/loopback_midi_service.h"
#include "midi/midi_api.h"
#include "ui/user_dialogs.h"

namespace {

using namespace tarnwick;

class SilentDialogs final : public UserDialogs {
 public:
  void showMessage(const QString&, const QString&, Icon) override {}
  Answer askYesNo(const QString&, const QString&, Icon) override { return Answer::No; }
  Answer askSaveDiscardCancel(const QString&, const QString&) override { return Answer::Cancel; }
  QString openFileName(const QString&, const QString&, const QStringList&) override { return {}; }
  QString saveFileName(const QString&, const QString&, const QStringList&) override { return {}; }
  void beep() override {}
};

constexpr int kMessages = 10000;

// Note-on / note-off pairs over all 128 keys, on all 16 channels, chords of four held at a time.
std::vector<std::uint32_t> NoteStream() {
  std::vector<std::uint32_t> stream;
  for (int i = 0; stream.size() < kMessages; i += 4) {
    for (int k = 0; k < 4; ++k) {
      const std::uint32_t note = static_cast<std::uint32_t>((i + k * 7) % 128);
      stream.push_back(0x90u | static_cast<std::uint32_t>(i % 16) | note << 8 | 100u << 16);
    }
    for (int k = 0; k < 4; ++k) {
      const std::uint32_t note = static_cast<std::uint32_t>((i + k * 7) % 128);
      stream.push_back(((k % 2) != 0 ? 0x80u : 0x90u) | static_cast<std::uint32_t>(i % 16) | note << 8);
    }
  }
  stream.resize(kMessages);
  return stream;
}

void BM_TenThousandNotesIntoTheKeyboardView(benchmark::State& state) {
  LoopbackMidiService service;
  MidiSettings settings;
  SilentDialogs dialogs;
  MidiApi midi(service, settings, dialogs);
  AppState app;
  midi.OpenMidiIn(0);
  frmKeyboard window(app, KeyboardSettings{}, midi);
  window.resize(1500, 800);
  window.show();
  QApplication::processEvents();
  const int handle = midi.hMidiIn();
  const std::vector<std::uint32_t> stream = NoteStream();
  int frames = 0;
  for (auto _ : state) {
    const int framesBefore = window.picture()->framesPainted();
    std::size_t sinceHandOver = 0;
    for (const std::uint32_t message : stream) {
      midi.MidiInProc(handle, MidiInEvent::Data, message);
      if (++sinceHandOver == 256) {
        QApplication::processEvents();
        sinceHandOver = 0;
      }
    }
    QApplication::processEvents();
    window.picture()->flushFrame();  // the frame that follows the last message, painted now
    frames += window.picture()->framesPainted() - framesBefore;
  }
  if (window.keys().litCount() != 0) state.SkipWithError("keys were left lit");
  if (midi.midiInOverflows() != 0) state.SkipWithError("messages were lost");
  state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations()) * kMessages);
  state.counters["frames_per_run"] = static_cast<double>(frames) / static_cast<double>(state.iterations());
}

BENCHMARK(BM_TenThousandNotesIntoTheKeyboardView)->Unit(benchmark::kMillisecond);

}  // namespace
