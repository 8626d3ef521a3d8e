// SPDX-License-Identifier: GPL-3.0-or-later
#include "tone/monitor_rules.h"

#include <array>

#include "midi/selection_messages.h"
#include "updata/ansi_text.h"
#include "updata/up_record.h"

namespace tarnwick {
namespace {

constexpr int kPanelBank = 127;  // 127/0/0: the panel setting, shown as "00"

bool IsDrumChannel(int channel) { return channel == 9 || channel == 15; }

QString UPCode(int position) { return QString::fromStdString(NumToUPBnk(position)); }

}  // namespace

QString MonitorChannelTitle(int channel) {
  static const std::array<const char*, kMonitorChannelCount> kTitles = {
      "AC1 - Channel 1", "ABS - Channel 2",  "AC2 - Channel 3",  "UP1 - Channel 4",
      "AC3 - Channel 5", "UP2 - Channel 6",  "AC4 - Channel 7",  "AC5 - Channel 8",
      "AC6 - Channel 9", "ADR - Channel 10", "LW1 - Channel 11", "MBS - Channel 12",
      "UP3 - Channel 13", "LW2 - Channel 14", "MI    - Channel 15", "MDR - Channel 16"};
  return channel >= 0 && channel < kMonitorChannelCount ? QString::fromLatin1(kTitles[static_cast<std::size_t>(channel)])
                                                        : QString();
}

MonitorUpdate ProgramChangeShown(const NameTables& tables, int channel, int program, int msb, int lsb,
                                 int basicRx) {
  MonitorUpdate update;
  if (channel == basicRx) {
    if (IsUPSelectBank(msb)) {
      // A program past C88 in bank 121 names no UP: the label is cleared.
      const std::optional<int> id =
          UPFromSelect(static_cast<std::uint8_t>(msb), MidiProgramNumber::fromZeroBased(program));
      update.upLabel = id ? UPCode(*id) : QString();
      return update;
    }
    if (msb == kPanelBank && lsb == 0 && program == 0) {
      update.upLabel = QStringLiteral("00");
      return update;
    }
  }
  const bool drums = IsDrumChannel(channel);
  const int entry = FindToneEntry(tables, drums, msb, lsb, program + 1);
  const std::string name = entry < 0 ? std::string()
                           : drums   ? DrumSetNameAt(tables, entry, 1)
                                     : ToneNameAt(tables, entry, 1);
  update.channelLabel = QString::fromStdString(AnsiToUtf8(name));
  return update;
}

}  // namespace tarnwick
