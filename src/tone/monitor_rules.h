// SPDX-License-Identifier: GPL-3.0-or-later
// What the program change monitor shows for an incoming program change, without its window: the
// User Program it selects on the basic receive channel (the inverse of the UP select), or the
// tone or drum set it selects on its channel.
#pragma once

#include <QString>
#include <optional>

#include "lists/name_lists.h"

namespace tarnwick {

inline constexpr int kMonitorChannelCount = 16;

// The title over the label of each channel (0-based), naming the part played on it.
QString MonitorChannelTitle(int channel);

struct MonitorUpdate {
  std::optional<QString> upLabel;       // set: the UP label shows this
  std::optional<QString> channelLabel;  // set: the channel's label shows this (empty: no entry)
};

// Program change `program` (0..127) on `channel` (0..15) after bank `msb`/`lsb` on that channel;
// `basicRx` is the basic receive channel (0-based).
MonitorUpdate ProgramChangeShown(const NameTables& tables, int channel, int program, int msb, int lsb,
                                 int basicRx);

}  // namespace tarnwick
