// SPDX-License-Identifier: GPL-3.0-or-later
#include "midi/midi_api.h"

#include <QCoreApplication>
#include <QString>

#include <exception>

#include "midi/midi_in_wakeup.h"
#include "midi/midi_result.h"
#include "midi/selection_messages.h"

namespace tarnwick {

MidiApi::MidiApi(MidiService& service, MidiSettings& settings, UserDialogs& dialogs, QObject* parent)
    : QObject(parent), service_(service), settings_(settings), dialogs_(dialogs), queue_(std::make_unique<Queue>()) {
  // The service reports a loss from its own thread; the ports change on this one. Without an
  // event loop the senders find the loss themselves.
  if (QCoreApplication::instance() != nullptr) {
    service_.setLossNotifier([this] { QMetaObject::invokeMethod(this, [this] { checkLostPorts(); }, Qt::QueuedConnection); });
  }
}

MidiApi::~MidiApi() {
  service_.setLossNotifier(nullptr);
  CloseMidiIn();
  CloseMidiOut();
}

void MidiApi::setMidiInEnabled(bool enabled) { midiInEnabled_.store(enabled, std::memory_order_release); }

// ---------------------------------------------------------------------------------------------
// Ports

int MidiApi::OpenMidiIn(int device) {
  CloseMidiIn();
  try {
    return openMidiInPort(device);
  } catch (const std::exception&) {
    // The service could not be called at all. The port is left closed and the failure is
    // reported as one, so that no caller takes the input for open.
    CloseMidiIn();
    dialogs_.showMessage(QStringLiteral("Midi IN Error"));
    return kMidiErrUnknown;
  }
}

int MidiApi::openMidiInPort(int device) {
  if (wakeUp_ == nullptr && QCoreApplication::instance() != nullptr) {
    wakeUp_ = new MidiInWakeUp(this);
    connect(wakeUp_, &MidiInWakeUp::woken, this, &MidiApi::deliverMidiIn);
  }
  int handle = 0;
  // The open's own code is what tells the user why: starting a port that did not open would only
  // add "not open" on top of it.
  if (const int opened = service_.openIn(device, *this, handle); opened != kMidiOk) return opened;
  hMidiIn_ = handle;
  if (const int started = service_.startIn(handle); started != kMidiOk) {
    CloseMidiIn();
    return started;
  }
  if (MidiInCaps caps; service_.inDeviceCaps(device, caps) == kMidiOk) settings_.inDeviceName = caps.name;
  setMidiInEnabled(true);
  return kMidiOk;
}

void MidiApi::CloseMidiIn() {
  setMidiInEnabled(false);
  if (hMidiIn_ != 0) {
    try {
      service_.stopIn(hMidiIn_);
      service_.closeIn(hMidiIn_);
    } catch (const std::exception&) {
      // The port is gone either way; nothing more can be done with it.
    }
    hMidiIn_ = 0;
  }
  // No callback comes after closeIn: what is still queued was sent before the close.
  queue_->clear();
}

int MidiApi::OpenMidiOut(int device) {
  CloseMidiOut();
  int handle = 0;
  int result = kMidiOk;
  try {
    result = service_.openOut(device, handle);
  } catch (const std::exception&) {
    result = kMidiErrUnknown;
  }
  if (result != kMidiOk) return result;
  hMidiOut_ = handle;
  if (MidiOutCaps caps; service_.outDeviceCaps(device, caps) == kMidiOk) settings_.outDeviceName = caps.name;
  return result;
}

void MidiApi::CloseMidiOut() {
  if (hMidiOut_ == 0) return;
  try {
    service_.closeOut(hMidiOut_);
  } catch (const std::exception&) {
    // As for the input: the port is gone either way.
  }
  hMidiOut_ = 0;
}

bool MidiApi::checkLostPorts() {
  bool inLost = false;
  bool outLost = false;
  bool systemGone = false;
  for (const MidiService::LostPort& port : service_.takeLostPorts()) {
    if (port.input && port.handle != 0 && port.handle == hMidiIn_) inLost = true;
    if (!port.input && port.handle != 0 && port.handle == hMidiOut_) outLost = true;
    systemGone = systemGone || port.systemGone;
  }
  if (!inLost && !outLost) return false;
  if (inLost) {
    setMidiInEnabled(false);
    hMidiIn_ = 0;  // closed by the service already
    queue_->clear();
  }
  if (outLost) hMidiOut_ = 0;
  if (systemGone) {
    CloseMidiIn();
    CloseMidiOut();
  }
  showLostPortMessage(outLost, systemGone);
  emit portsLost();
  return true;
}

void MidiApi::showLostPortMessage(bool output, bool systemGone) {
  const int code = systemGone ? kMidiErrSystemGone : kMidiErrDeviceGone;
  const std::string why = output ? service_.outErrorText(code) : service_.inErrorText(code);
  const QString heading = output ? QStringLiteral("Midi Out Error") : QStringLiteral("Midi IN Error");
  dialogs_.showMessage(heading + QStringLiteral("\r\n\r\n") + QString::fromStdString(why),
                       output ? QStringLiteral("MIDI Out") : QStringLiteral("MIDI In"), UserDialogs::Icon::Exclamation);
}

void MidiApi::ShowMidiInError(int code) {
  const std::string text = service_.inErrorText(code);
  const QString shown = QString::fromStdString(text.substr(0, text.find('\0')));
  if (!shown.isEmpty()) dialogs_.showMessage(shown, QStringLiteral("MIDI In"), UserDialogs::Icon::Exclamation);
}

void MidiApi::ShowMidiOutError(int code) {
  const std::string text = service_.outErrorText(code);
  const QString shown = QString::fromStdString(text.substr(0, text.find('\0')));
  if (!shown.isEmpty()) dialogs_.showMessage(shown, QStringLiteral("MIDI Out"), UserDialogs::Icon::Exclamation);
}

// ---------------------------------------------------------------------------------------------
// Incoming, on the MIDI thread

void MidiApi::MidiInProc(int, MidiInEvent event, std::uint32_t message) noexcept {
  if (!midiInEnabled_.load(std::memory_order_acquire)) return;
  // Clock and active sensing arrive all the time from a running arranger: out first.
  const std::uint8_t status = StatusOf(message);
  if (status == kStatusTimingClock || status == kStatusActiveSensing) return;
  if (event != MidiInEvent::Data || !IsWellFormedShortMessage(message)) return;

  const IncomingMessage incoming = DecodeIncoming(message);
  switch (incoming.kind) {
    case IncomingMessage::Kind::BankMSB:
      bankMSB_[incoming.channel].store(incoming.data2, std::memory_order_relaxed);
      return;
    case IncomingMessage::Kind::BankLSB:
      bankLSB_[incoming.channel].store(incoming.data2, std::memory_order_relaxed);
      return;
    default:
      break;
  }
  if (ReceiverFor(incoming.kind, activeMenu()) == Receiver::None) return;

  QueuedMessage queued;
  queued.message = incoming;
  queued.bankMSB = bankMSB_[incoming.channel].load(std::memory_order_relaxed);
  queued.bankLSB = bankLSB_[incoming.channel].load(std::memory_order_relaxed);
  queued.afterLoss = lossPending_;
  queued.lossesBefore = overflows_.load(std::memory_order_relaxed);  // only this thread changes it
  if (!queue_->push(queued)) {
    // The window thread learns of the loss with the next message stored, or at its next hand-over.
    lossPending_ = true;
    overflows_.fetch_add(1, std::memory_order_release);
  } else {
    lossPending_ = false;
  }
  if (wakeUp_ != nullptr) wakeUp_->wake();
}

// ---------------------------------------------------------------------------------------------
// Incoming, on the window thread

void MidiApi::deliverMidiIn() {
  QueuedMessage queued;
  while (queue_->pop(queued)) {
    // Read again for each message: a receiver may close the input, and the setup dialog clears
    // the flag while messages are still queued.
    if (!midiInEnabled()) {
      queue_->clear();
      return;
    }
    if (queued.afterLoss) reportInputLoss(queued.lossesBefore);
    deliver(queued);
  }
  // A loss after the last message stored.
  if (const std::uint64_t losses = overflows_.load(std::memory_order_acquire); losses != overflowsReported_) {
    reportInputLoss(losses);
  }
}

void MidiApi::reportInputLoss(std::uint64_t losses) {
  overflowsReported_ = losses;
  if (keyboard_ != nullptr) keyboard_->InputOverflowed();
}

void MidiApi::deliver(const QueuedMessage& queued) {
  const IncomingMessage& message = queued.message;
  const MidiChannel channel = MidiChannel::fromZeroBased(message.channel);
  if (stage_ != nullptr && activeMenu() == View::Stage && message.kind != IncomingMessage::Kind::Ignored) {
    stage_->StageMessageReceived(message);
  }
  switch (ReceiverFor(message.kind, activeMenu())) {
    case Receiver::Keyboard:
      if (keyboard_ == nullptr) return;
      if (message.kind == IncomingMessage::Kind::Note) {
        keyboard_->NoteReceived(channel, message.data1, message.data2);
      } else {
        keyboard_->ControlReceived(channel, message.data1, message.data2);
      }
      return;
    case Receiver::Monitor:
      if (monitor_ == nullptr) return;
      if (message.kind == IncomingMessage::Kind::Program) {
        deliverProgram(queued);
      } else {
        monitor_->ControlReceived(channel, message.data1, message.data2);
      }
      return;
    case Receiver::UPFile:
      deliverUPSelect(queued);
      return;
    case Receiver::Stage:  // handed over above
      return;
    case Receiver::None:
      return;
  }
}

// Read on the window thread: the basic channel may change in the setup dialog at any time.
void MidiApi::deliverUPSelect(const QueuedMessage& queued) {
  if (upSelect_ == nullptr || queued.message.channel != settings_.basicRx.zeroBased()) return;
  const std::optional<int> id =
      UPFromSelect(queued.bankMSB, MidiProgramNumber::fromZeroBased(queued.message.data1));
  if (id) upSelect_->UPSelectReceived(*id);
}

void MidiApi::deliverProgram(const QueuedMessage& queued) {
  const ProgramBank outer = programBank_;
  programBank_ = {true, queued.message.channel, queued.bankMSB, queued.bankLSB};
  monitor_->ProgramReceived(MidiChannel::fromZeroBased(queued.message.channel),
                            MidiProgramNumber::fromZeroBased(queued.message.data1));
  programBank_ = outer;
}

std::uint8_t MidiApi::MidiInBankMSB(MidiChannel channel) const {
  if (programBank_.active && programBank_.channel == channel.zeroBased()) return programBank_.msb;
  return bankMSB_[channel.zeroBased()].load(std::memory_order_relaxed);
}

std::uint8_t MidiApi::MidiInBankLSB(MidiChannel channel) const {
  if (programBank_.active && programBank_.channel == channel.zeroBased()) return programBank_.lsb;
  return bankLSB_[channel.zeroBased()].load(std::memory_order_relaxed);
}

}  // namespace tarnwick
