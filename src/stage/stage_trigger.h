// SPDX-License-Identifier: GPL-3.0-or-later
// A foot switch on MIDI In: the message that steps the set list, learned from the switch itself.
// A press is a control change with a value of 64 or more, a note-on or a program change; the
// release (a lower value, a note-off) is never a trigger. A switch that bounces sends its press
// twice: a second trigger within 150 ms counts once.
#pragma once

#include <QString>
#include <cstdint>
#include <optional>

#include "midi/midi_in_routing.h"

namespace tarnwick {

struct StageTrigger {
  std::uint8_t status = 0;  // 0: none; else Bn, 9n or Cn
  int data1 = -1;           // the controller or note; -1 for any program change
  bool empty() const { return status == 0; }
  bool operator==(const StageTrigger&) const = default;
};

// "B0 40", "93 3C", "C0"; empty for none.
QString TriggerText(const StageTrigger& trigger);
// The stored text back; an empty text is no trigger, a text that is not a trigger gives nothing.
std::optional<StageTrigger> ParseTrigger(const QString& text);
// The trigger a press makes; nothing for a release or any other message.
std::optional<StageTrigger> LearnTrigger(const IncomingMessage& message);
bool IsTrigger(const StageTrigger& trigger, const IncomingMessage& message);

inline constexpr std::int64_t kBounceMilliseconds = 150;

// Lets one trigger through per bounce window.
class BounceGate {
 public:
  bool Pass(std::int64_t nowMilliseconds);

 private:
  std::optional<std::int64_t> last_;
};

}  // namespace tarnwick
