// SPDX-License-Identifier: GPL-3.0-or-later
#include "midi/jack_watch.h"

#include "midi/midi_system_probe.h"

#include <algorithm>
#include <string_view>

#if defined(TARNWICK_HAVE_JACK)
#include <jack/jack.h>

#include <atomic>
#endif

namespace tarnwick {

std::string NewPortName(const std::vector<std::string>& before, const std::vector<std::string>& after) {
  std::string found;
  for (const std::string& name : after) {
    if (std::find(before.begin(), before.end(), name) != before.end()) continue;
    if (!found.empty()) return {};
    found = name;
  }
  return found;
}

#if defined(TARNWICK_HAVE_JACK)
namespace {

void DropJackMessage(const char*) {}

std::string RegexQuoted(const std::string& text) {
  std::string quoted;
  for (const char c : text) {
    if (std::string_view("\\^$.|?*+()[]{}").find(c) != std::string_view::npos) quoted += '\\';
    quoted += c;
  }
  return quoted;
}

// The names of a NULL-terminated list from JACK, which is then freed.
std::vector<std::string> TakeNames(const char** names) {
  std::vector<std::string> list;
  if (names == nullptr) return list;
  for (const char** name = names; *name != nullptr; ++name) list.emplace_back(*name);
  jack_free(names);
  return list;
}

class JackClientWatch final : public JackWatch {
 public:
  JackClientWatch(jack_client_t* client, std::function<void()> onChange)
      : client_(client), onChange_(std::move(onChange)) {}

  // A client whose server has gone must not be closed: libjack would use what is gone with it.
  // The notice may still be on its way when the server has just died: asked afresh.
  ~JackClientWatch() override {
    if (!gone_.load(std::memory_order_acquire) && JackServerRunning()) jack_client_close(client_);
  }

  bool activate() {
    jack_on_shutdown(client_, &JackClientWatch::OnShutdown, this);
    jack_set_port_registration_callback(client_, &JackClientWatch::OnPortRegistration, this);
    jack_set_port_connect_callback(client_, &JackClientWatch::OnPortConnect, this);
    return jack_activate(client_) == 0;
  }

  bool serverGone() const override { return gone_.load(std::memory_order_acquire); }

  std::vector<std::string> midiPortsNamed(const std::string& portName) const override {
    if (serverGone()) return {};
    const std::string pattern = ":" + RegexQuoted(portName) + "$";
    return TakeNames(jack_get_ports(client_, pattern.c_str(), JACK_DEFAULT_MIDI_TYPE, 0));
  }

  int connections(const std::string& fullName) const override {
    if (serverGone()) return -1;
    const jack_port_t* port = jack_port_by_name(client_, fullName.c_str());
    if (port == nullptr) return -1;
    return static_cast<int>(TakeNames(jack_port_get_all_connections(client_, port)).size());
  }

 private:
  static void OnShutdown(void* self) {
    auto* watch = static_cast<JackClientWatch*>(self);
    watch->gone_.store(true, std::memory_order_release);
    watch->onChange_();
  }
  static void OnPortRegistration(jack_port_id_t, int, void* self) { static_cast<JackClientWatch*>(self)->onChange_(); }
  static void OnPortConnect(jack_port_id_t, jack_port_id_t, int, void* self) {
    static_cast<JackClientWatch*>(self)->onChange_();
  }

  jack_client_t* client_;
  std::function<void()> onChange_;
  std::atomic<bool> gone_{false};
};

}  // namespace

std::unique_ptr<JackWatch> JackWatch::Start(std::function<void()> onChange) {
  jack_set_error_function(DropJackMessage);
  jack_set_info_function(DropJackMessage);
  jack_status_t status{};
  jack_client_t* client = jack_client_open("Tarnwick Watch", JackNoStartServer, &status);
  if (client == nullptr) return nullptr;
  auto watch = std::make_unique<JackClientWatch>(client, std::move(onChange));
  if (!watch->activate()) return nullptr;
  return watch;
}
#else
std::unique_ptr<JackWatch> JackWatch::Start(std::function<void()>) { return nullptr; }
#endif

}  // namespace tarnwick
