// SPDX-License-Identifier: GPL-3.0-or-later
// Wakes the window thread from the MIDI thread without allocating, locking or waiting: the first
// wake() after the window thread last woke writes one byte into a non-blocking pipe, whose read
// end a QSocketNotifier watches; later wake() calls only see the pending flag. Qt's own queued
// calls are no choice on the MIDI thread: each one allocates an event and takes the queue's lock.
// Where there are no pipes, a 5 ms timer on the window thread looks at the flag instead.
#pragma once

#include <QObject>

#include <atomic>

class QSocketNotifier;
class QTimer;

namespace tarnwick {

class MidiInWakeUp : public QObject {
  Q_OBJECT

 public:
  explicit MidiInWakeUp(QObject* parent = nullptr);
  ~MidiInWakeUp() override;

  // Any thread. woken() follows on the thread that owns this object; many calls before it give
  // one woken(), and a call made while woken() runs gives another.
  void wake() noexcept;

 signals:
  void woken();

 private:
  void onPipeReadable();
  void onPoll();
  bool openPipe();

  std::atomic<bool> pending_{false};
  int readFd_ = -1;
  int writeFd_ = -1;
  QSocketNotifier* notifier_ = nullptr;
  QTimer* poll_ = nullptr;
};

}  // namespace tarnwick
