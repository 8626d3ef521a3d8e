// Another MIDI program on the JACK server, for the JACK tests: it receives what Tarnwick sends, or
// sends what the test wants Tarnwick to receive. It talks to the test on stdin and stdout.
//
//   midi_jack_peer listen PORT COUNT TIMEOUT_MS
//       makes the input port PORT, prints "ready", then prints each message it receives as hex
//       bytes ("BC 00 79") on a line of its own; exits 0 after COUNT messages, 3 on timeout.
//   midi_jack_peer listen-to SOURCE COUNT TIMEOUT_MS
//       the same, but connects to the existing output port named "client:SOURCE" instead.
//   midi_jack_peer send PORT MESSAGE...
//       makes the output port PORT, prints "ready", waits for the line "go" on stdin, sends each
//       MESSAGE (hex bytes without blanks: "BC0079", "F8"), prints "sent", and exits on "quit".
#include <RtMidi.h>

#include "midi/midi_system_probe.h"

#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <iostream>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

namespace {

constexpr char kClientName[] = "tarnwick-peer";

struct Received {
  std::mutex mutex;
  std::condition_variable arrived;
  std::vector<std::vector<unsigned char>> messages;
};

void OnMessage(double, std::vector<unsigned char>* message, void* userData) {
  auto& received = *static_cast<Received*>(userData);
  {
    const std::lock_guard<std::mutex> lock(received.mutex);
    received.messages.push_back(*message);
  }
  received.arrived.notify_one();
}

std::string Hex(const std::vector<unsigned char>& bytes) {
  std::string text;
  char digits[4];
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    std::snprintf(digits, sizeof digits, i == 0 ? "%02X" : " %02X", bytes[i]);
    text += digits;
  }
  return text;
}

std::optional<std::vector<unsigned char>> ParseHex(const std::string& text) {
  if (text.empty() || text.size() % 2 != 0) return std::nullopt;
  std::vector<unsigned char> bytes;
  for (std::size_t i = 0; i < text.size(); i += 2) {
    bytes.push_back(static_cast<unsigned char>(std::stoi(text.substr(i, 2), nullptr, 16)));
  }
  return bytes;
}

std::optional<unsigned> FindSource(RtMidiIn& input, const std::string& portName) {
  const std::string suffix = ":" + portName;
  for (unsigned i = 0; i < input.getPortCount(); ++i) {
    const std::string name = input.getPortName(i);
    if (name.size() >= suffix.size() && name.compare(name.size() - suffix.size(), suffix.size(), suffix) == 0) {
      return i;
    }
  }
  return std::nullopt;
}

int Listen(bool connectToSource, const std::string& port, int count, int timeoutMs) {
  Received received;
  RtMidiIn input(RtMidi::UNIX_JACK, kClientName);
  input.ignoreTypes(false, false, false);
  input.setCallback(&OnMessage, &received);
  if (connectToSource) {
    const std::optional<unsigned> source = FindSource(input, port);
    if (!source) {
      std::cerr << "no output port named " << port << '\n';
      return 4;
    }
    input.openPort(*source, "listen");
    // The connection takes effect a few cycles later.
    tarnwick::WaitForJackCycles(3, std::chrono::seconds(1));
  } else {
    input.openVirtualPort(port);
  }
  std::cout << "ready" << std::endl;

  const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
  std::size_t printed = 0;
  std::unique_lock<std::mutex> lock(received.mutex);
  while (static_cast<int>(printed) < count) {
    if (!received.arrived.wait_until(lock, deadline, [&] { return received.messages.size() > printed; })) {
      std::cerr << "timed out after " << printed << " of " << count << " messages\n";
      return 3;
    }
    while (printed < received.messages.size()) std::cout << Hex(received.messages[printed++]) << std::endl;
  }
  return 0;
}

int Send(const std::string& port, const std::vector<std::string>& messages) {
  std::vector<std::vector<unsigned char>> bytes;
  for (const std::string& text : messages) {
    const std::optional<std::vector<unsigned char>> parsed = ParseHex(text);
    if (!parsed) {
      std::cerr << "not a message: " << text << '\n';
      return 2;
    }
    bytes.push_back(*parsed);
  }
  RtMidiOut output(RtMidi::UNIX_JACK, kClientName);
  output.openVirtualPort(port);
  std::cout << "ready" << std::endl;
  std::string line;
  while (std::getline(std::cin, line) && line != "go") {
  }
  for (const auto& message : bytes) output.sendMessage(&message);
  std::cout << "sent" << std::endl;
  while (std::getline(std::cin, line) && line != "quit") {
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  try {
    if (args.size() == 4 && (args[0] == "listen" || args[0] == "listen-to")) {
      return Listen(args[0] == "listen-to", args[1], std::stoi(args[2]), std::stoi(args[3]));
    }
    if (args.size() >= 2 && args[0] == "send") {
      return Send(args[1], std::vector<std::string>(args.begin() + 2, args.end()));
    }
  } catch (const std::exception& error) {
    std::cerr << error.what() << '\n';
    return 1;
  }
  std::cerr << "usage: midi_jack_peer listen PORT COUNT TIMEOUT_MS | listen-to SOURCE COUNT TIMEOUT_MS |"
               " send PORT MESSAGE...\n";
  return 2;
}
