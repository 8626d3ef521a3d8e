// SPDX-License-Identifier: GPL-3.0-or-later
// Feeds arbitrary bytes to the four name list loaders as list files, then asks the lookups for
// names. The first input byte chooses the shape: odd writes the rest as it is (mostly a wrong
// length, which must be refused), even repeats it to the exact length of each list (which must
// be accepted whatever it holds). The rest of the input also serves as the UP looked up.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "fuzz_support.h"
#include "lists/name_lists.h"
#include "updata/up_record.h"

namespace {

using namespace tarnwick;
using fuzz::Fail;

struct ListFile {
  const char* name;
  std::size_t size;
  std::string (*load)(NameTables&, const std::string&);
};

constexpr ListFile kListFiles[] = {
    {kToneListFile, kToneCount* kToneEntrySize, LoadToneList},
    {kDrumSetListFile, kDrumSetCount* kToneEntrySize, LoadDrumSetList},
    {kStyleListFile, kStyleCount* kStyleEntrySize, LoadStyleList},
    {kEFXListFile, kEFXCount* kEFXNameSize, LoadEFXList},
};

// `bytes` over and over, cut to `size`; zeros when there are no bytes.
std::string Repeated(std::string_view bytes, std::size_t size) {
  if (bytes.empty()) return std::string(size, '\0');
  std::string out;
  out.reserve(size + bytes.size());
  while (out.size() < size) out.append(bytes);
  out.resize(size);
  return out;
}

// Loads one list and checks that it was accepted exactly when its length was right.
bool LoadList(NameTables& tables, const ListFile& list, std::string_view content) {
  fuzz::WriteInput(list.name, content);
  const std::string message = list.load(tables, fuzz::PrivateFolder());
  const bool fits = content.size() == list.size;
  if (fits != message.empty()) Fail(std::string(list.name) + ": accepted or refused wrongly");
  if (!fits && (message.rfind("Error Opening File: ", 0) != 0 ||
                message.find(list.name) == std::string::npos)) {
    Fail(std::string(list.name) + ": refusal without its message: " + message);
  }
  return fits;
}

void CheckIndexLookups(const NameTables& tables, bool tones_loaded, int picked) {
  for (int mark = -1; mark <= 3; ++mark) {
    if (!ToneNameAt(tables, -1, mark).empty() || !ToneNameAt(tables, kToneCount, mark).empty() ||
        !DrumSetNameAt(tables, -1, mark).empty() ||
        !DrumSetNameAt(tables, kDrumSetCount, mark).empty()) {
      Fail("an index outside a table gave a name");
    }
    const std::string tone = ToneNameAt(tables, picked % kToneCount, mark);
    if (!tones_loaded && !tone.empty()) Fail("an empty tone table gave a name");
    DrumSetNameAt(tables, picked % kDrumSetCount, mark);
  }
}

// The entry a part selects, found the slow way: the first one from index 0 with the part's
// bank MSB, bank LSB and program (the record counts programs from 0, the lists from 1).
int ScanForPartTone(const NameTables& tables, const UPRecord& up, int part) {
  const std::vector<ToneEntry>& table = IsDrumPart(part) ? tables.drumSets : tables.tones;
  const int msb = up[161 + 3 * part] & 0x7F;
  const int lsb = up[162 + 3 * part] & 0x7F;
  const int program = ((up[163 + 3 * part] & 0x7F) + 1) & 0x7F;
  for (std::size_t i = 0; i < table.size(); ++i) {
    if (table[i].msb == msb && table[i].lsb == lsb && table[i].program == program) {
      return static_cast<int>(i);
    }
  }
  return -1;
}

void CheckPartLookups(const NameTables& tables, const UPRecord& up) {
  for (int part = 0; part < kPartCount; ++part) {
    const std::string plain = GetPartToneName(tables, up, part);
    const int scanned = ScanForPartTone(tables, up, part);
    const std::string expected = scanned < 0        ? std::string()
                                 : IsDrumPart(part) ? DrumSetNameAt(tables, scanned, 1)
                                                    : ToneNameAt(tables, scanned, 1);
    if (plain != expected) Fail("a part lookup disagrees with a scan of the list");
    const std::string with_origin = GetPartToneNameArr(tables, up, part);
    if (!IsArrangerPart(part) && with_origin != plain) Fail("a keyboard part got an origin suffix");
    if (IsArrangerPart(part) && with_origin != plain + " (Usr)" &&
        with_origin != plain + " (Arr)") {
      Fail("an arranger part lacks its origin suffix");
    }
  }
  const std::string efx = EFXInsertionEffectName(tables, up);
  if (GetUPEFX(up) >= kEFXCount && !efx.empty()) Fail("an EFX value past the list gave a name");
}

void CheckStoredWidths(const NameTables& tables, const bool loaded[4]) {
  if (loaded[0] && tables.tones.front().name.size() != 12) Fail("tone name not 12 bytes");
  if (loaded[1] && tables.drumSets.back().name.size() != 12) Fail("drum set name not 12 bytes");
  if (loaded[2] && tables.styles.back().name.size() != 8) Fail("style name not 8 bytes");
  if (loaded[3] && tables.efxNames.back().size() != 11) Fail("EFX name not 11 bytes");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const bool as_it_is = (data[0] & 1) != 0;
  const std::string_view rest = fuzz::AsText(data + 1, size - 1);

  NameTables tables;
  bool loaded[4] = {};
  for (int i = 0; i < 4; ++i) {
    const ListFile& list = kListFiles[i];
    loaded[i] = LoadList(tables, list, as_it_is ? std::string(rest) : Repeated(rest, list.size));
  }
  CheckStoredWidths(tables, loaded);

  const std::string record = Repeated(rest, kUPRecordSize);
  UPRecord up{};
  for (int i = 0; i < kUPRecordSize; ++i) up[i] = static_cast<std::uint8_t>(record[i]);
  CheckIndexLookups(tables, loaded[0], size > 2 ? data[1] * 256 + data[2] : 0);
  CheckPartLookups(tables, up);
  return 0;
}
