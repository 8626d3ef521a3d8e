// SPDX-License-Identifier: GPL-3.0-or-later
// How many incoming messages per second the input handler gets through, with no window
// listening: the cost on the MIDI system's thread, plus the hand-over to the window thread.
#include <benchmark/benchmark.h>

#include <QCoreApplication>

#include <vector>

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

// Feeds `stream` to the handler over and over; every 256 messages the event loop runs once, which
// reads the wake-up and hands the queued messages over, as the window thread would.
void RunStream(benchmark::State& state, const std::vector<std::uint32_t>& stream, View view) {
  LoopbackMidiService service;
  MidiSettings settings;
  SilentDialogs dialogs;
  MidiApi midi(service, settings, dialogs);
  midi.setActiveMenu(view);
  if (midi.OpenMidiIn(0) != 0) state.SkipWithError("the loopback input did not open");
  const int handle = midi.hMidiIn();
  std::size_t sinceDelivery = 0;
  for (auto _ : state) {
    for (const std::uint32_t message : stream) {
      midi.MidiInProc(handle, MidiInEvent::Data, message);
      if (++sinceDelivery == 256) {
        QCoreApplication::processEvents();
        sinceDelivery = 0;
      }
    }
  }
  state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations()) * static_cast<std::int64_t>(stream.size()));
  if (midi.midiInOverflows() != 0) state.SkipWithError("messages were lost");
}

// A running arranger: mostly clock and active sensing, some notes and controllers.
const std::vector<std::uint32_t> kArrangerStream = {0xF8, 0xF8, 0x643C90, 0xF8, 0x5A07BC, 0xF8, 0xFE, 0x003C90,
                                                    0xF8, 0xF8, 0x7800BC, 0x05CC, 0xF8, 0x4000E1, 0xF8, 0x40D2};
const std::vector<std::uint32_t> kClockStream = {0xF8};
const std::vector<std::uint32_t> kNoteStream = {0x643C90, 0x003C90};

void BM_ArrangerStreamInToneView(benchmark::State& state) { RunStream(state, kArrangerStream, View::Tone); }
void BM_ArrangerStreamInUPFileView(benchmark::State& state) { RunStream(state, kArrangerStream, View::UPFile); }
void BM_ClockOnly(benchmark::State& state) { RunStream(state, kClockStream, View::Tone); }
void BM_NotesOnly(benchmark::State& state) { RunStream(state, kNoteStream, View::Keyboard); }

BENCHMARK(BM_ArrangerStreamInToneView);
BENCHMARK(BM_ArrangerStreamInUPFileView);
BENCHMARK(BM_ClockOnly);
BENCHMARK(BM_NotesOnly);

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
