// SPDX-License-Identifier: GPL-3.0-or-later
#include "lists/name_lists.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <numeric>
#include <system_error>

#include "updata/utf8_path.h"

namespace tarnwick {
namespace fs = std::filesystem;
namespace {

constexpr std::uint8_t kPlusMSB1 = 126;      // tone banks shown with a leading "+"
constexpr std::uint8_t kPlusMSB2 = 127;
constexpr std::uint8_t kPlusDrumProgram = 128;  // drum sets shown with a leading "+"
constexpr int kToneNameSize = kToneEntrySize - 3;
constexpr int kStyleNameSize = kStyleEntrySize - 3;

// Reads the file `name` of `folder`, which must be exactly count × size bytes, record by record
// and hands each record to `store` with its index. A read error keeps what was stored before it.
template <typename Store>
std::string LoadRecords(const std::string& folder, const char* name, int count, int size,
                        Store store) {
  const fs::path path = PathFromUtf8(folder) / name;
  const std::string failure = "Error Opening File: " + Utf8FromPath(path);
  std::error_code ec;
  if (!fs::is_regular_file(path, ec)) return failure;
  const std::uintmax_t length = fs::file_size(path, ec);
  if (ec || length != static_cast<std::uintmax_t>(count) * static_cast<std::uintmax_t>(size)) {
    return failure;
  }
  std::ifstream in(path, std::ios::binary);
  if (!in) return failure;
  std::string record(static_cast<std::size_t>(size), '\0');
  for (int i = 0; i < count; ++i) {
    if (!in.read(record.data(), size)) return failure;
    store(i, record);
  }
  return {};
}

ToneEntry ToneFromRecord(const std::string& record) {
  return {static_cast<std::uint8_t>(record[0]), static_cast<std::uint8_t>(record[1]),
          static_cast<std::uint8_t>(record[2]), record.substr(3, kToneNameSize)};
}

std::uint32_t KeyOf(int msb, int lsb, int program) {
  return static_cast<std::uint32_t>(msb) << 16 | static_cast<std::uint32_t>(lsb) << 8 |
         static_cast<std::uint32_t>(program);
}

ToneKeyIndex BuildIndex(const std::vector<ToneEntry>& table) {
  ToneKeyIndex index;
  if (table.size() > 0x10000) return index;  // entries are 16-bit; such a table is scanned
  std::vector<std::uint16_t> order(table.size());
  std::iota(order.begin(), order.end(), std::uint16_t{0});
  auto key = [&table](std::uint16_t i) {
    return KeyOf(table[i].msb, table[i].lsb, table[i].program);
  };
  // Stable, so that of equal keys the lowest index comes first and is the one kept.
  std::stable_sort(order.begin(), order.end(),
                   [&key](std::uint16_t a, std::uint16_t b) { return key(a) < key(b); });
  for (std::uint16_t i : order) {
    if (!index.keys.empty() && index.keys.back() == key(i)) continue;
    index.keys.push_back(key(i));
    index.entries.push_back(i);
  }
  return index;
}

int FindInTable(const std::vector<ToneEntry>& table, const ToneKeyIndex& index, int msb, int lsb,
                int program) {
  if (index.keys.empty()) {
    for (std::size_t i = 0; i < table.size(); ++i) {
      const ToneEntry& entry = table[i];
      if (entry.msb == msb && entry.lsb == lsb && entry.program == program) {
        return static_cast<int>(i);
      }
    }
    return -1;
  }
  const std::uint32_t key = KeyOf(msb, lsb, program);
  const auto found = std::lower_bound(index.keys.begin(), index.keys.end(), key);
  if (found == index.keys.end() || *found != key) return -1;
  return index.entries[static_cast<std::size_t>(found - index.keys.begin())];
}

// The level mark chosen by the bank LSB, or the empty text.
std::string LevelMark(std::uint8_t lsb) {
  switch (lsb) {
    case 1: return "\"";
    case 2: return "'";
    case 3: return " ";
    default: return {};
  }
}

std::string Decorate(const ToneEntry& entry, bool plusEntry, int markPos) {
  const std::string name = TrimBlanks(entry.name);
  if (plusEntry) return "+" + name;
  if (markPos == 1) return LevelMark(entry.lsb) + name;
  if (markPos == 2) return name + LevelMark(entry.lsb);
  return name;
}

bool IsPlusTone(const ToneEntry& entry) {
  return entry.msb == kPlusMSB1 || entry.msb == kPlusMSB2;
}

bool IsPlusDrumSet(const ToneEntry& entry) { return entry.program == kPlusDrumProgram; }

}  // namespace

std::string LoadEFXList(NameTables& tables, const std::string& folder) {
  tables.efxNames.assign(kEFXCount, std::string{});
  return LoadRecords(folder, kEFXListFile, kEFXCount, kEFXNameSize,
                     [&tables](int i, const std::string& record) { tables.efxNames[i] = record; });
}

std::string LoadToneList(NameTables& tables, const std::string& folder) {
  tables.tones.assign(kToneCount, ToneEntry{});
  std::string result = LoadRecords(
      folder, kToneListFile, kToneCount, kToneEntrySize,
      [&tables](int i, const std::string& record) { tables.tones[i] = ToneFromRecord(record); });
  tables.toneIndex = BuildIndex(tables.tones);
  return result;
}

std::string LoadDrumSetList(NameTables& tables, const std::string& folder) {
  tables.drumSets.assign(kDrumSetCount, ToneEntry{});
  std::string result = LoadRecords(
      folder, kDrumSetListFile, kDrumSetCount, kToneEntrySize,
      [&tables](int i, const std::string& record) { tables.drumSets[i] = ToneFromRecord(record); });
  tables.drumSetIndex = BuildIndex(tables.drumSets);
  return result;
}

std::string LoadStyleList(NameTables& tables, const std::string& folder) {
  tables.styles.assign(kStyleCount, StyleEntry{});
  return LoadRecords(folder, kStyleListFile, kStyleCount, kStyleEntrySize,
                     [&tables](int i, const std::string& record) {
                       tables.styles[i] = {static_cast<std::uint8_t>(record[0]),
                                           static_cast<std::uint8_t>(record[1]),
                                           static_cast<std::uint8_t>(record[2]),
                                           record.substr(3, kStyleNameSize)};
                     });
}

void IndexNameTables(NameTables& tables) {
  tables.toneIndex = BuildIndex(tables.tones);
  tables.drumSetIndex = BuildIndex(tables.drumSets);
}

int FindToneEntry(const NameTables& tables, bool drumSet, int msb, int lsb, int program) {
  auto isByte = [](int value) { return value >= 0 && value <= 0xFF; };
  if (!isByte(msb) || !isByte(lsb) || !isByte(program)) return -1;
  return drumSet ? FindInTable(tables.drumSets, tables.drumSetIndex, msb, lsb, program)
                 : FindInTable(tables.tones, tables.toneIndex, msb, lsb, program);
}

std::string ToneNameAt(const NameTables& tables, int index, int markPos) {
  if (index < 0 || index >= static_cast<int>(tables.tones.size())) return {};
  const ToneEntry& entry = tables.tones[static_cast<std::size_t>(index)];
  return Decorate(entry, IsPlusTone(entry), markPos);
}

std::string DrumSetNameAt(const NameTables& tables, int index, int markPos) {
  if (index < 0 || index >= static_cast<int>(tables.drumSets.size())) return {};
  const ToneEntry& entry = tables.drumSets[static_cast<std::size_t>(index)];
  return Decorate(entry, IsPlusDrumSet(entry), markPos);
}

std::string GetPartToneName(const NameTables& tables, const UPRecord& up, int part) {
  if (part < 0 || part >= kPartCount) return {};
  // The list programs count from 1; the AND makes a part program of 127 look for list program 0,
  // so list entries with program 128 are never found here.
  const int msb = GetUPPartTone(up, part, 0);
  const int lsb = GetUPPartTone(up, part, 1);
  const int program = (GetUPPartTone(up, part, 2) + 1) & 0x7F;
  const bool drumSet = IsDrumPart(part);
  const int index = FindToneEntry(tables, drumSet, msb, lsb, program);
  if (index < 0) return {};
  return drumSet ? DrumSetNameAt(tables, index, 1) : ToneNameAt(tables, index, 1);
}

std::string GetPartToneNameArr(const NameTables& tables, const UPRecord& up, int part) {
  if (part < 0 || part >= kPartCount) return {};
  std::string name = GetPartToneName(tables, up, part);
  if (IsArrangerPart(part)) name += Read(up, field::PartToneArranger, part) ? " (Arr)" : " (Usr)";
  return name;
}

std::string EFXInsertionEffectName(const NameTables& tables, const UPRecord& up) {
  const std::size_t value = GetUPEFX(up);
  return value < tables.efxNames.size() ? tables.efxNames[value] : std::string{};
}

}  // namespace tarnwick
