// The input handler runs on the MIDI system's thread, where an allocation can wait on a lock held
// elsewhere: it must not allocate at all. Every global operator new of this executable is counted.
#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <new>

#include "midi/loopback_midi_service.h"
#include "midi/midi_api.h"
#include "recording_dialogs.h"

namespace {

std::atomic<long> gAllocations{0};

void* CountedAllocation(std::size_t size) {
  gAllocations.fetch_add(1, std::memory_order_relaxed);
  if (void* memory = std::malloc(size == 0 ? 1 : size)) return memory;
  throw std::bad_alloc();
}

void* CountedAlignedAllocation(std::size_t size, std::align_val_t alignment) {
  gAllocations.fetch_add(1, std::memory_order_relaxed);
  const std::size_t align = static_cast<std::size_t>(alignment);
  const std::size_t rounded = (size + align - 1) / align * align;
  if (void* memory = std::aligned_alloc(align, rounded == 0 ? align : rounded)) return memory;
  throw std::bad_alloc();
}

}  // namespace

// The array and nothrow forms of the library call these two.
void* operator new(std::size_t size) { return CountedAllocation(size); }
void* operator new(std::size_t size, std::align_val_t alignment) { return CountedAlignedAllocation(size, alignment); }
void operator delete(void* memory) noexcept { std::free(memory); }
void operator delete(void* memory, std::size_t) noexcept { std::free(memory); }
void operator delete(void* memory, std::align_val_t) noexcept { std::free(memory); }
void operator delete(void* memory, std::size_t, std::align_val_t) noexcept { std::free(memory); }

namespace tarnwick {
namespace {

// Receivers that only count, so that the delivery itself can be measured too.
class CountingReceiver final : public KeyboardReceiver, public MonitorReceiver {
 public:
  void NoteReceived(MidiChannel, std::uint8_t, std::uint8_t) override { ++calls; }
  void ControlReceived(MidiChannel, std::uint8_t, std::uint8_t) override { ++calls; }
  void ProgramReceived(MidiChannel, MidiProgramNumber) override { ++calls; }
  long calls = 0;
};

TEST(MidiInAllocationTest, HandlerAndDeliveryAllocateNothing) {
  LoopbackMidiService service;
  MidiSettings settings;
  test::RecordingDialogs dialogs;
  MidiApi midi(service, settings, dialogs);
  CountingReceiver receiver;
  midi.setKeyboardReceiver(&receiver);
  midi.setMonitorReceiver(&receiver);
  midi.setActiveMenu(kViewTone);
  ASSERT_EQ(midi.OpenMidiIn(0), 0);

  // Every kind of message: notes, bank select, program change, controllers, clock, sensing,
  // pressure, pitch bend, system exclusive notices, in every view.
  const std::uint32_t mix[] = {0x643C90, 0x7800BC, 0x0020BC, 0x05CC, 0x5A07BC, 0xF8, 0xFE,
                               0x003C90, 0x40D2,   0x4000E1, 0xFA,   0x407FA2, 0x403C80};
  const View views[] = {kViewUPFile, kViewDiskLink, kViewTone, kViewKeyboard};
  const long before = gAllocations.load();
  for (int round = 0; round < 2000; ++round) {
    midi.setActiveMenu(views[round % 4]);
    for (const std::uint32_t message : mix) service.receive(0, message);
    service.receive(0, 0xF0, MidiInEvent::LongData);
    midi.deliverMidiIn();
  }
  const long during = gAllocations.load() - before;

  EXPECT_EQ(during, 0);
  EXPECT_GT(receiver.calls, 2000);
  EXPECT_EQ(midi.midiInOverflows(), 0u);
}

TEST(MidiInAllocationTest, TheCounterSeesAllocations) {
  const long before = gAllocations.load();
  // A direct call, which the compiler may not leave out the way it may a new-expression.
  void* memory = ::operator new(64);
  ::operator delete(memory);
  EXPECT_EQ(gAllocations.load() - before, 1);
}

}  // namespace
}  // namespace tarnwick
