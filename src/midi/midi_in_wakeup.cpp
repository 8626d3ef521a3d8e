// SPDX-License-Identifier: GPL-3.0-or-later
#include "midi/midi_in_wakeup.h"

#include <QSocketNotifier>
#include <QTimer>

#if defined(Q_OS_UNIX)
#include <fcntl.h>
#include <unistd.h>
#endif

namespace tarnwick {

MidiInWakeUp::MidiInWakeUp(QObject* parent) : QObject(parent) {
  if (openPipe()) {
    notifier_ = new QSocketNotifier(readFd_, QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, &MidiInWakeUp::onPipeReadable);
    return;
  }
  poll_ = new QTimer(this);
  connect(poll_, &QTimer::timeout, this, &MidiInWakeUp::onPoll);
  poll_->start(5);
}

MidiInWakeUp::~MidiInWakeUp() {
#if defined(Q_OS_UNIX)
  delete notifier_;
  if (readFd_ >= 0) close(readFd_);
  if (writeFd_ >= 0) close(writeFd_);
#endif
}

bool MidiInWakeUp::openPipe() {
#if defined(Q_OS_UNIX)
  int fds[2];
  if (pipe(fds) != 0) return false;
  for (const int fd : fds) {
    fcntl(fd, F_SETFL, fcntl(fd, F_GETFL) | O_NONBLOCK);
    fcntl(fd, F_SETFD, FD_CLOEXEC);
  }
  readFd_ = fds[0];
  writeFd_ = fds[1];
  return true;
#else
  return false;
#endif
}

void MidiInWakeUp::wake() noexcept {
  if (pending_.exchange(true, std::memory_order_acq_rel)) return;
#if defined(Q_OS_UNIX)
  if (writeFd_ >= 0) {
    const char byte = 1;
    // A full pipe (EAGAIN) already holds a wake-up that has not been read.
    [[maybe_unused]] const ssize_t written = write(writeFd_, &byte, 1);
  }
#endif
}

void MidiInWakeUp::onPipeReadable() {
#if defined(Q_OS_UNIX)
  char bytes[64];
  while (read(readFd_, bytes, sizeof bytes) > 0) {
  }
#endif
  onPoll();
}

void MidiInWakeUp::onPoll() {
  // Cleared before the receivers run, so that a wake() during woken() is not lost.
  if (pending_.exchange(false, std::memory_order_acq_rel)) emit woken();
}

}  // namespace tarnwick
