// SPDX-License-Identifier: GPL-3.0-or-later
#include "upfile/grid_columns.h"

#include <array>

#include "updata/up_record.h"

namespace tarnwick {
namespace {

constexpr std::array<const char*, kGridColumnCount> kTitles = {"ID",
                                                               "User Program",
                                                               "Name",
                                                               "Style Source",
                                                               "Style",
                                                               "Song Source",
                                                               "Song",
                                                               "Tempo",
                                                               "",
                                                               "",
                                                               "Control Change 0",
                                                               "Control Change 32",
                                                               "Program Change"};
constexpr std::array<const char*, kGridColumnCount> kCaptions = {
    "ID", "UP", "Name", "Src", "Style", "Src", "Song", "Tmp", "", "", "cc0", "cc32", "PC"};
constexpr std::array<const char*, kPadCycleCount> kPadTitles = {"Pad 1 Button", "Pad 2 Button",
                                                                "D-Beam Controller"};
constexpr std::array<const char*, kPadCycleCount> kPadCaptions = {"Pad1", "Pad2", "DBm"};
constexpr std::array<const char*, kEFXCycleCount> kEFXTitles = {"EFX Insertion Effect", "Reverb Macro",
                                                                "Chorus Macro", "Delay Macro"};
constexpr std::array<const char*, kEFXCycleCount> kEFXCaptions = {"EFX", "Rev", "Cho", "Dly"};

constexpr int kNarrow = 405;
constexpr int kWide = 975;

}  // namespace

int CycleSelector(int value, int count, int step) {
  const int next = (value + step) % count;
  return next < 0 ? next + count : next;
}

ColumnLook DefaultColumnLook(int col) {
  switch (col) {
    case kColID:
      return {600, Qt::AlignRight};
    case kColName:
    case kColStyle:
    case kColSong:
      return {kWide, Qt::AlignLeft};
    default:
      return {kNarrow, Qt::AlignHCenter};
  }
}

QString ColumnTitle(int col, const ColumnSelectors& selectors) {
  if (col == kColPad) return QString::fromLatin1(kPadTitles[selectors.PadCycle]);
  if (col == kColEFX) return QString::fromLatin1(kEFXTitles[selectors.EFXCycle]);
  return QString::fromLatin1(kTitles[col]);
}

QString ColumnCaption(int col, const ColumnSelectors& selectors) {
  if (col == kColPad) return QString::fromLatin1(kPadCaptions[selectors.PadCycle]);
  if (col == kColEFX) return QString::fromLatin1(kEFXCaptions[selectors.EFXCycle]);
  return QString::fromLatin1(kCaptions[col]);
}

QString HeaderToolTip(int col, const ColumnSelectors& selectors) {
  return ColumnTitle(col, selectors) + QStringLiteral(" [L:Sort | R:Align]");
}

QString ToneLabelText(int toneCycle) {
  const std::string_view part = PartName(toneCycle);
  return QString::fromLatin1(part.data(), static_cast<qsizetype>(part.size())) + QStringLiteral(" Tone");
}


}  // namespace tarnwick
