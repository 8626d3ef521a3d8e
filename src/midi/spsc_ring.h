// SPDX-License-Identifier: GPL-3.0-or-later
// A fixed-size queue between exactly one producer thread and one consumer thread, without locks
// and without allocation after construction. push and pop never wait: push reports a full ring,
// pop an empty one.
#pragma once

#include <array>
#include <atomic>
#include <cstddef>

namespace tarnwick {

template <class T, std::size_t Capacity>
class SpscRing {
  static_assert(Capacity >= 2 && (Capacity & (Capacity - 1)) == 0, "Capacity must be a power of two");

 public:
  // Producer side. False when the ring is full; the item is then not stored.
  bool push(const T& item) noexcept {
    const std::size_t tail = tail_.load(std::memory_order_relaxed);
    if (tail - head_.load(std::memory_order_acquire) == Capacity) return false;
    slots_[tail & (Capacity - 1)] = item;
    tail_.store(tail + 1, std::memory_order_release);
    return true;
  }

  // Consumer side. False when the ring is empty.
  bool pop(T& item) noexcept {
    const std::size_t head = head_.load(std::memory_order_relaxed);
    if (head == tail_.load(std::memory_order_acquire)) return false;
    item = slots_[head & (Capacity - 1)];
    head_.store(head + 1, std::memory_order_release);
    return true;
  }

  // Consumer side: drops everything stored so far.
  void clear() noexcept { head_.store(tail_.load(std::memory_order_acquire), std::memory_order_release); }

  static constexpr std::size_t capacity() { return Capacity; }

 private:
  alignas(64) std::atomic<std::size_t> head_{0};
  alignas(64) std::atomic<std::size_t> tail_{0};
  std::array<T, Capacity> slots_{};
};

}  // namespace tarnwick
