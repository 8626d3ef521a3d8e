// SPDX-License-Identifier: GPL-3.0-or-later
// Feeds arbitrary bytes to the UPS loader as a file on disk. A refused file must leave the slot
// exactly as it was; a loaded one is read through every accessor and must come out of the writer
// byte for byte, apart from a magic that did not fit the count, which the writer corrects.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "fuzz_support.h"
#include "updata/disk_link.h"
#include "updata/up_file.h"
#include "updata/up_record.h"
#include "updata/ups_file.h"
#include "updata/value_names.h"

namespace {

using namespace tarnwick;
using fuzz::Fail;

volatile std::size_t text_sink = 0;  // keeps the accessor calls from being optimised away

UPFile MarkedSlot() {
  UPFile file;
  SetUPCount(file, 2);
  file.records[0].fill(0xA5);
  file.records[1].fill(0x3C);
  file.header.fill(0x5A);
  file.path = "marked";
  return file;
}

bool SameSlot(const UPFile& a, const UPFile& b) {
  return a.count == b.count && a.header == b.header && a.records == b.records && a.path == b.path;
}

void ReadPartFields(const UPRecord& up) {
  for (int part = 0; part < kPartCount; ++part) {
    text_sink = text_sink + PartOnText(up, part).size() + PartEqText(up, part).size() +
                PartSongLinkText(up, part).size() + PartSongStatusText(up, part).size() +
                PartToneChangeText(up, part).size() + PartWrapText(up, part).size() +
                PartToneArrangerText(up, part).size() + GetUPPartTone(up, part, 0) +
                GetUPPartTone(up, part, 1) + GetUPPartTone(up, part, 2);
  }
}

void ReadEveryField(const UPFile& file) {
  for (int id = 0; id < file.count; ++id) {
    const UPRecord& up = file.up(id);
    text_sink = text_sink + NumToUPBnk(id).size() + GetUPStyleSourceText(up).size() +
                GetUPStyleNumberText(up).size() + GetUPSongName(up).size() +
                GetUPSongSourceShort(up).size() + GetUPSongSourceLong(up).size() +
                ReverbMacroName(up).size() + ChorusMacroName(up).size() +
                DelayMacroName(up).size() + Pad1ButtonName(up).size() + Pad2ButtonName(up).size() +
                DBeamControllerName(up).size() + TrimBlanks(GetUPText8(up, kUPNameOffset)).size();
    ReadPartFields(up);
  }
  for (int index = 0; index < kDiskLinkCount; ++index) {
    text_sink = text_sink + NumToDLBnk(index).size() + GetDiskLinkName(file.header, index).size();
  }
}

void CheckRoundTrip(UPFile& file, std::string_view input) {
  const std::string_view fitting_magic = file.count == kSetUPCount ? kSetMagic : kLibraryMagic;
  const bool magic_fitted = input.substr(0, 8) == fitting_magic;
  const std::string written = SerializeUPSFile(file);
  if (written.size() != input.size()) Fail("the written file has another length than the input");
  if (written.substr(0, 8) != fitting_magic) Fail("the written magic does not fit the count");
  if (std::string_view(written).substr(8) != input.substr(8)) Fail("bytes after the magic changed");
  if (magic_fitted && written != input)
    Fail("a file whose magic fitted was not written back as read");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view input = fuzz::AsText(data, size);
  const std::string path = fuzz::WriteInput("input.ups", input);

  UPFile file = MarkedSlot();
  const UPFile before = file;
  const FileResult loaded = LoadUPSFile(file, path);
  if (!loaded) {
    if (!SameSlot(file, before)) Fail("a refused load changed the slot");
    if (loaded.message.empty()) Fail("a readable file was refused without a message");
    return 0;
  }
  if (file.count != HeaderUPCount(file.header)) Fail("the count differs from the header's");
  if (file.records.size() < static_cast<std::size_t>(file.count))
    Fail("fewer records than the count");
  ReadEveryField(file);
  CheckRoundTrip(file, input);
  return 0;
}
