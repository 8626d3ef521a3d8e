// SPDX-License-Identifier: GPL-3.0-or-later
// The input handler runs on the MIDI system's thread, where an allocation can wait on a lock held
// elsewhere: it must not allocate at all. Every global operator new of this executable is counted.
#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <new>

#include "midi_test_support.h"

namespace {

std::atomic<long> gAllocations{0};

void* Counted(void* memory) {
  gAllocations.fetch_add(1, std::memory_order_relaxed);
  if (memory == nullptr) throw std::bad_alloc();
  return memory;
}

}  // namespace

// The array and nothrow forms of the library call these two.
void* operator new(std::size_t size) { return Counted(std::malloc(size == 0 ? 1 : size)); }
void* operator new(std::size_t size, std::align_val_t alignment) {
  const std::size_t align = static_cast<std::size_t>(alignment);
  return Counted(std::aligned_alloc(align, size == 0 ? align : (size + align - 1) / align * align));
}
void operator delete(void* memory) noexcept { std::free(memory); }
void operator delete(void* memory, std::size_t) noexcept { std::free(memory); }
void operator delete(void* memory, std::align_val_t) noexcept { std::free(memory); }
void operator delete(void* memory, std::size_t, std::align_val_t) noexcept { std::free(memory); }

namespace tarnwick {
namespace {

// Receivers that only count, so that the delivery itself is measured too.
struct CountingReceiver final : KeyboardReceiver, MonitorReceiver {
  void NoteReceived(MidiChannel, std::uint8_t, std::uint8_t) override { ++calls; }
  void ControlReceived(MidiChannel, std::uint8_t, std::uint8_t) override { ++calls; }
  void ProgramReceived(MidiChannel, MidiProgramNumber) override { ++calls; }
  long calls = 0;
};

TEST(MidiInAllocationTest, HandlerAndDeliveryAllocateNothingInAnyView) {
  test::MidiRig<LoopbackMidiService> rig;
  CountingReceiver receiver;
  rig.midi.setKeyboardReceiver(&receiver);
  rig.midi.setMonitorReceiver(&receiver);
  ASSERT_EQ(rig.midi.OpenMidiIn(0), 0);

  // Notes, bank select, program change, controllers, clock, sensing, pressure, pitch bend, system
  // real-time and system exclusive notices.
  const std::uint32_t mix[] = {0x643C90, 0x7800BC, 0x0020BC, 0x05CC, 0x5A07BC, 0xF8, 0xFE,
                               0x003C90, 0x40D2,   0x4000E1, 0xFA,   0x407FA2, 0x403C80};
  const View views[] = {View::UPFile, View::DiskLink, View::Tone, View::Keyboard};
  const long before = gAllocations.load();
  for (int round = 0; round < 2000; ++round) {
    rig.midi.setActiveMenu(views[round % 4]);
    for (const std::uint32_t message : mix) rig.service.receive(0, message);
    rig.service.receive(0, 0xF0, MidiInEvent::LongData);
    rig.midi.deliverMidiIn();
  }
  EXPECT_EQ(gAllocations.load() - before, 0);
  EXPECT_GT(receiver.calls, 2000);
  EXPECT_EQ(rig.midi.midiInOverflows(), 0u);

  // The counter does see allocations: a direct call, which the compiler may not leave out the way
  // it may a new-expression.
  const long check = gAllocations.load();
  ::operator delete(::operator new(64));
  EXPECT_EQ(gAllocations.load() - check, 1);
}

}  // namespace
}  // namespace tarnwick
