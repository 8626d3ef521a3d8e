// SPDX-License-Identifier: GPL-3.0-or-later
#include "updata/ups_file.h"

#include <cstring>
#include <filesystem>
#include <algorithm>
#include <fstream>
#include <vector>

#include "updata/atomic_file.h"
#include "updata/utf8_path.h"

namespace tarnwick {
namespace {

std::string LineBreaks(int n) {
  std::string text;
  for (int i = 0; i < n; ++i) text += kLineBreak;
  return text;
}

FileResult Refused(std::string message) { return {false, std::move(message)}; }

FileResult OpenError(const std::string& path) { return Refused("Error Opening File: " + path); }

std::string G800Text(const std::string& prefix) {
  return prefix + "Is a G-800 User Program File." + LineBreaks(3) +
         "1: Open the file on the EM-2000/G-1000 keyboard." + LineBreaks(2) +
         "2: The data are converted when loading." + LineBreaks(2) +
         "3: Save the file, and then open it with the Tarnwick.";
}

// Stamps the magic and the count that fit the file's UP count into its header.
void StampHeader(UPFile& file) {
  const std::string_view magic = file.count == kSetUPCount ? kSetMagic : kLibraryMagic;
  std::memcpy(file.header.data(), magic.data(), magic.size());
  file.header[kUPCountOffset] = static_cast<std::uint8_t>(file.count / 256);
  file.header[kUPCountOffset + 1] = static_cast<std::uint8_t>(file.count % 256);
}

}  // namespace

FileResult LoadUPSFile(UPFile& file, const std::string& path) {
  // Before opening: opening a FIFO would wait for a writer, and a device has no end to read to.
  if (!FileExists(path)) return OpenError(path);
  std::ifstream in(PathFromUtf8(path), std::ios::binary);
  if (!in) return OpenError(path);
  in.seekg(0, std::ios::end);
  const std::streamoff length = in.tellg();
  in.seekg(0, std::ios::beg);
  if (length < 0 || !in) return OpenError(path);

  UPSHeader header{};  // bytes beyond the end of a short file count as zero
  in.read(reinterpret_cast<char*>(header.data()),
          static_cast<std::streamsize>(std::min<std::streamoff>(length, kUPSHeaderSize)));
  if (in.bad()) return OpenError(path);

  const std::string prefix = "The File: " + path + LineBreaks(2);
  const std::string magic = HeaderMagic(header);
  if (magic == kG800Magic) return Refused(G800Text(prefix));
  if (magic != kSetMagic && magic != kLibraryMagic) {
    return Refused(prefix + " Is NOT a Valid User Program File");
  }
  const int count = HeaderUPCount(header);
  if (length != kUPSHeaderSize + static_cast<std::streamoff>(kUPRecordSize) * count) {
    return Refused(prefix + " Has an incorrect length");
  }

  // Everything is read into fresh records first, so a read error cannot leave a half-loaded
  // file. They are not cleared beforehand: the read fills every one of them.
  UPRecords records(static_cast<std::size_t>(std::max(count, 1)));
  if (count == 0) records[0] = UPRecord{};
  if (count > 0) {
    in.read(reinterpret_cast<char*>(records.data()), static_cast<std::streamsize>(kUPRecordSize) * count);
    if (!in) return OpenError(path);
  }
  file.records = std::move(records);
  file.count = count;
  file.header = header;
  return {true, {}};
}

std::string SerializeUPSFile(UPFile& file) {
  StampHeader(file);
  std::string bytes(reinterpret_cast<const char*>(file.header.data()), kUPSHeaderSize);
  bytes.append(reinterpret_cast<const char*>(file.records.data()),
               static_cast<std::size_t>(kUPRecordSize) * file.count);
  return bytes;
}

FileResult SaveUPSFile(UPFile& file, const std::string& path, const OverwriteQuestion& ask_overwrite) {
  if (file.count > kMaxUPCount) {
    return Refused(std::to_string(file.count) + " UP's, Not supported." + LineBreaks(2) +
                   "Max UP's per UPS File = 65535");
  }
  StampHeader(file);
  if (ask_overwrite && FileExists(path) &&
      !ask_overwrite(path + LineBreaks(2) + "Exist, Overwrite?")) {
    return Refused({});
  }
  const ByteChunk chunks[] = {
      {file.header.data(), kUPSHeaderSize},
      {file.records.data(), static_cast<std::size_t>(kUPRecordSize) * file.count},
  };
  if (!WriteFileAtomically(path, chunks)) return Refused("Error Saving File: " + path);
  return {true, {}};
}

}  // namespace tarnwick
