// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalog/up_diff.h"

#include <algorithm>
#include <map>

namespace tarnwick {
namespace {

struct FieldBits {
  int offset;
  std::uint8_t mask;
};

struct DiffField {
  std::string label;
  std::vector<FieldBits> bits;
};

DiffField Bytes(std::string label, int offset, int count, std::uint8_t mask = 0xFF) {
  DiffField field{std::move(label), {}};
  for (int k = 0; k < count; ++k) field.bits.push_back({offset + k, mask});
  return field;
}

void AddPartFields(std::vector<DiffField>& fields) {
  for (int part = 0; part < kPartCount; ++part) {
    const std::string name(PartName(part));
    fields.push_back(Bytes(name + " tone", 161 + 3 * part, 3));
    fields.push_back(Bytes(name + " volume", field::PartVolume.offset + part, 1));
    fields.push_back(Bytes(name + " pan", field::PartPanpot.offset + part, 1));
    fields.push_back(Bytes(name + " reverb", field::PartReverb.offset + part, 1));
    fields.push_back(Bytes(name + " chorus", field::PartChorus.offset + part, 1));
    fields.push_back(Bytes(name + " delay", field::PartDelay.offset + part, 1));
    fields.push_back(Bytes(name + " switches", 112 + part, 1));
  }
}

struct FieldTable {
  std::vector<DiffField> fields;
  std::array<std::uint8_t, kUPRecordSize> covered{};  // the bits some field shows
};

const FieldTable& Fields() {
  static const FieldTable table = [] {
    FieldTable t;
    t.fields = {Bytes("name", kUPNameOffset, kText8Size),
                Bytes("style", kStyleNameOffset, kText8Size),
                Bytes("style number", field::StyleNumber.offset, 1),
                Bytes("tempo", field::Tempo.offset, 1),
                Bytes("song", kSongNameOffset, kText8Size),
                Bytes("song location", field::SongLocation.offset, 1),
                Bytes("pad 1", field::Pad1Button.offset, 1),
                Bytes("pad 2", field::Pad2Button.offset, 1),
                {"d-beam", {{field::DBeamLowBits.offset, field::DBeamLowBits.mask}, {field::DBeamHighBit.offset, field::DBeamHighBit.mask}}},
                Bytes("efx", field::EFXInsertionEffect.offset, 1),
                Bytes("reverb macro", field::ReverbMacro.offset, 1),
                Bytes("chorus macro", field::ChorusMacro.offset, 1),
                Bytes("delay macro", field::DelayMacro.offset, 1)};
    AddPartFields(t.fields);
    for (const DiffField& f : t.fields) {
      for (const FieldBits& bits : f.bits) t.covered[static_cast<std::size_t>(bits.offset)] |= bits.mask;
    }
    return t;
  }();
  return table;
}

std::string ShownName(const UPRecord& up) {
  std::string name = TrimBlanks(GetUPText8(up, kUPNameOffset));
  for (char& c : name) {
    if (c == '\0') c = ' ';
  }
  return TrimBlanks(name);
}

void ComparePair(const UPFile& a, int idA, const UPFile& b, int idB, FileComparison& result) {
  if (idA < 0 || idB < 0) {
    result.ups.push_back({idA, idB, ShownName(idA >= 0 ? a.up(idA) : b.up(idB)), {}});
    return;
  }
  std::vector<std::string> fields = DifferingFields(a.up(idA), b.up(idB));
  if (!fields.empty()) result.ups.push_back({idA, idB, ShownName(a.up(idA)), std::move(fields)});
}

void PairByID(const UPFile& a, const UPFile& b, FileComparison& result) {
  const int count = std::max(a.count, b.count);
  for (int id = 0; id < count; ++id) ComparePair(a, id < a.count ? id : -1, b, id < b.count ? id : -1, result);
}

// The k-th UP of a name in A goes with the k-th of that name in B; B's unpaired UPs come last.
void PairByName(const UPFile& a, const UPFile& b, FileComparison& result) {
  std::map<std::string, std::vector<int>> idsInB;
  for (int id = b.count - 1; id >= 0; --id) idsInB[ShownName(b.up(id))].push_back(id);
  for (int id = 0; id < a.count; ++id) {
    std::vector<int>& partners = idsInB[ShownName(a.up(id))];
    const int partner = partners.empty() ? -1 : partners.back();
    if (!partners.empty()) partners.pop_back();
    ComparePair(a, id, b, partner, result);
  }
  std::vector<int> unpaired;
  for (const auto& [name, ids] : idsInB) unpaired.insert(unpaired.end(), ids.begin(), ids.end());
  std::sort(unpaired.begin(), unpaired.end());
  for (const int id : unpaired) ComparePair(a, -1, b, id, result);
}

}  // namespace

std::vector<std::string> DifferingFields(const UPRecord& a, const UPRecord& b) {
  std::vector<std::string> differing;
  if (a == b) return differing;
  const FieldTable& table = Fields();
  for (const DiffField& f : table.fields) {
    for (const FieldBits& bits : f.bits) {
      const auto at = static_cast<std::size_t>(bits.offset);
      if (((a[at] ^ b[at]) & bits.mask) != 0) {
        differing.push_back(f.label);
        break;
      }
    }
  }
  for (std::size_t at = 0; at < a.size(); ++at) {
    if (((a[at] ^ b[at]) & ~table.covered[at]) != 0) {
      differing.emplace_back("other bytes");
      break;
    }
  }
  return differing;
}

FileComparison CompareUPFiles(const UPFile& a, const UPFile& b, bool byName) {
  FileComparison result;
  if (byName) {
    PairByName(a, b, result);
  } else {
    PairByID(a, b, result);
  }
  for (int index = 0; index < kDiskLinkCount; ++index) {
    std::string nameA = GetDiskLinkName(a.header, index);
    std::string nameB = GetDiskLinkName(b.header, index);
    if (nameA != nameB) result.diskLinks.push_back({index, std::move(nameA), std::move(nameB)});
  }
  return result;
}

}  // namespace tarnwick
