// SPDX-License-Identifier: GPL-3.0-or-later
#include "midi_commands.h"

#include <charconv>
#include <chrono>
#include <limits>
#include <optional>
#include <string_view>
#include <thread>

#include "command.h"
#include "midi/midi_api.h"
#include "midi/midi_service.h"
#include "midi/rtmidi_service.h"
#include "midi/selection_messages.h"
#include "ui/user_dialogs.h"
#include "updata/up_record.h"

namespace tarnwick::upstool {
namespace {

constexpr std::string_view kMidiPorts = "midi-ports";
constexpr std::string_view kSendUp = "send-up";
constexpr int kDefaultChannel = 13;

int UsageError(std::ostream& err, std::string_view command, std::string_view problem) {
  err << "upstool " << command << ": " << problem << '\n';
  return kExitUsage;
}

// A device name or message on one line.
std::string OneLineText(std::string text) {
  for (char& c : text) {
    if (c == '\r' || c == '\n' || c == '\t') c = ' ';
  }
  return text;
}

std::optional<int> WholeNumber(std::string_view text) {
  int value = 0;
  const char* end = text.data() + text.size();
  const auto [stop, error] = std::from_chars(text.data(), end, value);
  if (text.empty() || error != std::errc() || stop != end) return std::nullopt;
  return value;
}

// Messages the MIDI layer would show in a box go to the error stream, counted.
class StreamDialogs final : public UserDialogs {
 public:
  explicit StreamDialogs(std::ostream& err) : err_(err) {}
  void showMessage(const QString& text, const QString&, Icon) override {
    err_ << "upstool " << kSendUp << ": " << OneLineText(text.toStdString()) << '\n';
    ++shown;
  }
  Answer askYesNo(const QString&, const QString&, Icon) override { return Answer::No; }
  Answer askSaveDiscardCancel(const QString&, const QString&) override { return Answer::Cancel; }
  QString openFileName(const QString&, const QString&, const QStringList&) override { return {}; }
  QString saveFileName(const QString&, const QString&, const QStringList&) override { return {}; }
  void beep() override {}

  int shown = 0;

 private:
  std::ostream& err_;
};

struct SendUpWords {
  std::optional<std::string> id;
  std::optional<std::string> out;
  std::optional<std::string> channel;
  std::optional<std::string> wait;
};

// Sorts the words into the ID and the two options ("--out N" or "--out=N"); returns what is
// wrong, or the empty text.
std::string ReadSendUpWords(const std::vector<std::string>& args, SendUpWords& words) {
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& word = args[i];
    if (word.rfind("--", 0) != 0) {
      if (words.id) return "one ID only, \"" + word + "\" is one too many";
      words.id = word;
      continue;
    }
    const std::size_t equals = word.find('=');
    const std::string name = word.substr(0, equals);
    std::optional<std::string>* slot = name == "--out"       ? &words.out
                                       : name == "--channel" ? &words.channel
                                       : name == "--wait"    ? &words.wait
                                                             : nullptr;
    if (slot == nullptr) return "unknown option " + name;
    if (slot->has_value()) return name + " is given twice";
    if (equals != std::string::npos) {
      *slot = word.substr(equals + 1);
    } else if (i + 1 < args.size()) {
      *slot = args[++i];
    } else {
      return name + " needs a value";
    }
  }
  return {};
}

struct SendUpRequest {
  int id = 0;
  int outDevice = 0;
  int channel = kDefaultChannel;
  int waitSeconds = -1;  // -1: send at once
};

constexpr int kLongestWait = 3600;
constexpr int kNoDevice = std::numeric_limits<int>::min();

// The request, or a usage problem in `problem`.
SendUpRequest ReadSendUpRequest(const SendUpWords& words, std::string& problem) {
  SendUpRequest request;
  const std::optional<int> id = words.id ? WholeNumber(*words.id) : std::nullopt;
  // A plain number with a marker for "none": with an optional here, gcc 12 at -O2 warns (wrongly)
  // that its value may be read uninitialised.
  const int out = words.out ? WholeNumber(*words.out).value_or(kNoDevice) : kNoDevice;
  const std::optional<int> channel = words.channel ? WholeNumber(*words.channel) : std::optional<int>(kDefaultChannel);
  const std::optional<int> wait = words.wait ? WholeNumber(*words.wait) : std::optional<int>(-1);
  if (!words.id) {
    problem = "the UP ID is missing";
  } else if (!id) {
    problem = "the UP ID must be a whole number, not \"" + *words.id + "\"";
  } else if (!words.out) {
    problem = "--out N is required (upstool midi-ports lists the devices)";
  } else if (out == kNoDevice || out < kVirtualOutDevice) {
    problem = "--out takes an output device number from upstool midi-ports, not \"" + *words.out + "\"";
  } else if (!channel || *channel < 1 || *channel > 16) {
    problem = "--channel takes a MIDI channel from 1 to 16, not \"" + words.channel.value_or("") + "\"";
  } else if (!wait || (words.wait && (*wait < 0 || *wait > kLongestWait))) {
    problem = "--wait takes a number of seconds from 0 to 3600, not \"" + words.wait.value_or("") + "\"";
  } else if (out == kVirtualOutDevice && !words.wait) {
    problem = "--out -1 needs --wait SECONDS: the virtual port \"Tarnwick\" exists only while send-up runs, "
              "so a program must connect to it before anything sent there can arrive";
  } else {
    request = {*id, out, *channel, *wait};
  }
  return request;
}

// Waits until a peer is connected to the open output; false, with the reason on `err`, when none
// came within the wait.
bool WaitForPeer(MidiService& service, int handle, const SendUpRequest& request, std::ostream& err) {
  if (request.waitSeconds < 0) return true;
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(request.waitSeconds);
  int connected = service.outConnections(handle);
  while (connected == 0 && std::chrono::steady_clock::now() < deadline) {
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    connected = service.outConnections(handle);
  }
  if (connected > 0) return true;
  if (connected < 0) {
    // The MIDI system does not say: a peer has had the whole wait to connect.
    std::this_thread::sleep_until(deadline);
    return true;
  }
  err << "upstool " << kSendUp << ": nothing connected to out " << request.outDevice << " within "
      << request.waitSeconds << " seconds; nothing was sent\n";
  return false;
}

}  // namespace

int RunMidiPortsOn(MidiService& service, const std::vector<std::string>& args, std::ostream& out,
                   std::ostream& err) {
  if (!args.empty() && !(args.size() == 1 && args[0] == kMidiPorts)) {
    return UsageError(err, kMidiPorts, "takes no arguments");
  }
  int failures = 0;
  const int inCount = service.inDeviceCount();
  for (int device = 0; device < inCount; ++device) {
    MidiInCaps caps;
    if (const int code = service.inDeviceCaps(device, caps); code != 0) {
      err << "upstool " << kMidiPorts << ": in " << device << ": " << OneLineText(service.inErrorText(code)) << '\n';
      ++failures;
      continue;
    }
    out << "in " << device << ": " << OneLineText(caps.name) << '\n';
  }
  const int outCount = service.outDeviceCount();
  for (int device = 0; device < outCount; ++device) {
    MidiOutCaps caps;
    if (const int code = service.outDeviceCaps(device, caps); code != 0) {
      err << "upstool " << kMidiPorts << ": out " << device << ": " << OneLineText(service.outErrorText(code)) << '\n';
      ++failures;
      continue;
    }
    out << "out " << device << ": " << OneLineText(caps.name) << '\n';
  }
  MidiOutCaps virtualPort;
  service.outDeviceCaps(kVirtualOutDevice, virtualPort);
  out << "out " << kVirtualOutDevice << ": " << OneLineText(virtualPort.name) << '\n';
  out.flush();
  return failures == 0 && out ? kExitOk : kExitFailure;
}

int RunSendUpOn(MidiService& service, const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  std::vector<std::string> words = args;
  if (!words.empty() && words[0] == kSendUp) words.erase(words.begin());
  SendUpWords sorted;
  std::string problem = ReadSendUpWords(words, sorted);
  const SendUpRequest request = problem.empty() ? ReadSendUpRequest(sorted, problem) : SendUpRequest{};
  if (!problem.empty()) return UsageError(err, kSendUp, problem);

  if (!UPSelect(request.id)) {
    return UsageError(err, kSendUp, "UP " + std::to_string(request.id) +
                                        " cannot be selected on the instrument, which has the UPs 0 (A11) to 191 (C88)");
  }
  MidiSettings settings;
  settings.basicTx = MidiChannel::fromOneBased(request.channel);
  StreamDialogs dialogs(err);
  MidiApi midi(service, settings, dialogs);
  if (const int code = midi.OpenMidiOut(request.outDevice); code != 0) {
    err << "upstool " << kSendUp << ": " << OneLineText(service.outErrorText(code)) << '\n';
    return kExitFailure;
  }
  if (!WaitForPeer(service, midi.hMidiOut(), request, err)) return kExitFailure;
  midi.SendUPSelect(request.id);
  midi.CloseMidiOut();
  if (dialogs.shown > 0) return kExitFailure;
  out << "UP " << request.id << " (" << NumToUPBnk(request.id) << ") sent to out " << request.outDevice
      << " on channel " << request.channel << '\n';
  out.flush();
  return out ? kExitOk : kExitFailure;
}

int RunMidiPortsCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  RtMidiService service;
  return RunMidiPortsOn(service, args, out, err);
}

int RunSendUpCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  RtMidiService service;
  return RunSendUpOn(service, args, out, err);
}

}  // namespace tarnwick::upstool
