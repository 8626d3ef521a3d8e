// SPDX-License-Identifier: GPL-3.0-or-later
#include "lists/list_builder.h"

#include <array>
#include <charconv>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <string_view>
#include <system_error>
#include <vector>

#include "lists/name_lists.h"
#include "updata/ansi_text.h"
#include "updata/atomic_file.h"
#include "updata/utf8_path.h"

namespace tarnwick {
namespace fs = std::filesystem;
namespace {

// How one table maps onto its list file.
struct ListFormat {
  const char* source;
  const char* target;
  std::string_view header;
  int slots;
  int nameSize;
  int programMin;
  int programMax;
  bool indexed;  // "index<TAB>name" rows whose index is their position; no bank or program bytes

  int RecordSize() const { return indexed ? nameSize : 3 + nameSize; }
};

constexpr std::string_view kBankHeader = "msb\tlsb\tprogram\tname";
constexpr ListFormat kFormats[] = {
    {kToneSourceFile, kToneListFile, kBankHeader, kToneCount, 12, 1, 128, false},
    {kDrumSetSourceFile, kDrumSetListFile, kBankHeader, kDrumSetCount, 12, 1, 128, false},
    {kStyleSourceFile, kStyleListFile, kBankHeader, kStyleCount, 8, 0, 127, false},
    {kEFXSourceFile, kEFXListFile, "index\tname", kEFXCount, kEFXNameSize, 0, 0, true},
};
constexpr int kBankMax = 127;
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// Thrown with the complete message; caught once in BuildNameLists.
class ListError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Where a row came from, for the messages.
struct Place {
  std::string file;
  int line = 0;
  [[noreturn]] void Fail(const std::string& what) const {
    throw ListError(file + " line " + std::to_string(line) + ": " + what);
  }
};

std::string ShowTabs(std::string_view text) {
  std::string shown;
  for (char c : text) shown += c == '\t' ? std::string("<TAB>") : std::string(1, c);
  return shown;
}

std::vector<std::string_view> SplitTabs(std::string_view line) {
  std::vector<std::string_view> fields;
  for (std::size_t start = 0;;) {
    const std::size_t tab = line.find('\t', start);
    fields.push_back(line.substr(start, tab == std::string_view::npos ? tab : tab - start));
    if (tab == std::string_view::npos) return fields;
    start = tab + 1;
  }
}

int ParseNumber(std::string_view field, const char* what, int min, int max, const Place& place) {
  while (!field.empty() && field.front() == ' ') field.remove_prefix(1);
  while (!field.empty() && field.back() == ' ') field.remove_suffix(1);
  unsigned value = 0;
  const auto [end, ec] = std::from_chars(field.data(), field.data() + field.size(), value);
  if (field.empty() || ec == std::errc::invalid_argument || end != field.data() + field.size()) {
    place.Fail(std::string(what) + " \"" + std::string(field) + "\" is not a number");
  }
  if (ec == std::errc::result_out_of_range || value < static_cast<unsigned>(min) ||
      value > static_cast<unsigned>(max)) {
    place.Fail(std::string(what) + " " + std::string(field) + " is outside " +
               std::to_string(min) + ".." + std::to_string(max));
  }
  return static_cast<int>(value);
}

// Decodes the UTF-8 character at text[pos] and moves pos past it; false for a malformed one.
bool NextCodePoint(std::string_view text, std::size_t& pos, char32_t& ch) {
  const auto lead = static_cast<unsigned char>(text[pos]);
  int extra = 0;  // continuation bytes that follow the lead byte
  if (lead >= 0xC2 && lead < 0xE0) extra = 1;
  else if (lead >= 0xE0 && lead < 0xF0) extra = 2;
  else if (lead >= 0xF0 && lead < 0xF5) extra = 3;
  else if (lead >= 0x80) return false;
  if (text.size() - pos <= static_cast<std::size_t>(extra)) return false;
  constexpr char32_t kLeadBits[] = {0x7F, 0x1F, 0x0F, 0x07};
  constexpr char32_t kSmallest[] = {0, 0x80, 0x800, 0x10000};  // shorter forms are not allowed
  ch = lead & kLeadBits[extra];
  for (int i = 1; i <= extra; ++i) {
    const auto next = static_cast<unsigned char>(text[pos + static_cast<std::size_t>(i)]);
    if ((next & 0xC0) != 0x80) return false;
    ch = ch << 6 | (next & 0x3F);
  }
  pos += 1 + static_cast<std::size_t>(extra);
  return ch >= kSmallest[extra] && ch <= 0x10FFFF && (ch < 0xD800 || ch > 0xDFFF);
}

std::string CodePointText(char32_t ch) {
  std::ostringstream text;
  text << "U+" << std::hex << std::uppercase << static_cast<unsigned long>(ch);
  return text.str();
}

// The name as Windows-1252 bytes, padded with blanks to `size`.
std::string ToListName(std::string_view utf8, int size, const Place& place) {
  std::string ansi;
  for (std::size_t pos = 0; pos < utf8.size();) {
    char32_t ch = 0;
    if (!NextCodePoint(utf8, pos, ch)) place.Fail("the name is not valid UTF-8 text");
    if (ch < 0x20 || (ch >= 0x7F && ch < 0xA0)) place.Fail("the name holds a control character");
    const char byte = UnicodeToAnsi(ch);
    if (byte == '?' && ch != U'?') {
      place.Fail("the name \"" + std::string(utf8) + "\" holds the character " + CodePointText(ch) +
                 ", which a list file cannot store (Windows-1252 only)");
    }
    ansi += byte;
  }
  if (static_cast<int>(ansi.size()) > size) {
    place.Fail("the name \"" + std::string(utf8) + "\" has " + std::to_string(ansi.size()) +
               " characters; at most " + std::to_string(size) + " fit");
  }
  ansi.resize(static_cast<std::size_t>(size), ' ');
  return ansi;
}

// One table row as a list record.
std::string RowToRecord(std::string_view line, const ListFormat& format, int row,
                        const Place& place) {
  const std::vector<std::string_view> fields = SplitTabs(line);
  const std::size_t columns = format.indexed ? 2 : 4;
  if (fields.size() != columns) {
    place.Fail("expected " + std::to_string(columns) + " columns separated by tabs, found " +
               std::to_string(fields.size()));
  }
  if (format.indexed) {
    const int index = ParseNumber(fields[0], "index", 0, format.slots - 1, place);
    if (index != row) {
      place.Fail("index " + std::to_string(index) + " where " + std::to_string(row) +
                 " was expected (indexes run from 0 in order)");
    }
    return ToListName(fields[1], format.nameSize, place);
  }
  std::string record;
  record += static_cast<char>(ParseNumber(fields[0], "msb", 0, kBankMax, place));
  record += static_cast<char>(ParseNumber(fields[1], "lsb", 0, kBankMax, place));
  record += static_cast<char>(
      ParseNumber(fields[2], "program", format.programMin, format.programMax, place));
  return record + ToListName(fields[3], format.nameSize, place);
}

// A slot without a row: numbers 0 and a name of blanks.
std::string BlankRecord(const ListFormat& format) {
  const auto nameSize = static_cast<std::size_t>(format.nameSize);
  return std::string(static_cast<std::size_t>(format.RecordSize()) - nameSize, '\0') +
         std::string(nameSize, ' ');
}

std::string ReadWholeFile(const fs::path& path) {
  std::error_code ec;
  if (!fs::is_regular_file(path, ec)) throw ListError("not a regular file: " + Utf8FromPath(path));
  std::ifstream in(path, std::ios::binary);
  if (!in) throw ListError("cannot open " + Utf8FromPath(path));
  std::ostringstream content;
  content << in.rdbuf();
  if (in.bad()) throw ListError("cannot read " + Utf8FromPath(path));
  return content.str();
}

// The bytes of the list file that the table at `path` describes.
std::string ParseTable(const fs::path& path, const ListFormat& format) {
  const std::string content = ReadWholeFile(path);
  std::string_view text = content;
  if (text.starts_with(kByteOrderMark)) text.remove_prefix(kByteOrderMark.size());

  std::string bytes;
  Place place{Utf8FromPath(path), 0};
  int rows = 0;
  while (!text.empty()) {
    const std::size_t newline = text.find('\n');
    std::string_view line = text.substr(0, newline);
    text.remove_prefix(newline == std::string_view::npos ? text.size() : newline + 1);
    if (line.ends_with('\r')) line.remove_suffix(1);
    if (++place.line == 1) {
      if (line != format.header) {
        place.Fail("the first line must be the header \"" + ShowTabs(format.header) + "\"");
      }
      continue;
    }
    if (line.empty()) continue;
    if (rows == format.slots) {
      place.Fail("more than " + std::to_string(format.slots) + " rows; the list has " +
                 std::to_string(format.slots) + " slots");
    }
    bytes += RowToRecord(line, format, rows++, place);
  }
  if (place.line == 0) {
    place.line = 1;
    place.Fail("the file is empty; the header line is missing");
  }
  for (int i = rows; i < format.slots; ++i) bytes += BlankRecord(format);
  return bytes;
}

void WriteList(const fs::path& folder, const char* name, const std::string& bytes) {
  const std::string path = Utf8FromPath(folder / name);
  const ByteChunk chunks[] = {{bytes.data(), bytes.size()}};
  std::string error;
  if (!WriteFileAtomically(path, chunks, &error)) {
    throw ListError("cannot write " + path + ": " + error);
  }
}

}  // namespace

std::string BuildNameLists(const std::string& srcDir, const std::string& outDir) {
  try {
    std::array<std::string, std::size(kFormats)> lists;
    for (std::size_t i = 0; i < lists.size(); ++i) {
      lists[i] = ParseTable(PathFromUtf8(srcDir) / kFormats[i].source, kFormats[i]);
    }
    const fs::path out = PathFromUtf8(outDir);
    std::error_code ec;
    fs::create_directories(out, ec);
    if (ec) return "cannot create the folder " + outDir + ": " + ec.message();
    for (std::size_t i = 0; i < lists.size(); ++i) WriteList(out, kFormats[i].target, lists[i]);
    return {};
  } catch (const ListError& error) {
    return error.what();
  }
}

}  // namespace tarnwick
