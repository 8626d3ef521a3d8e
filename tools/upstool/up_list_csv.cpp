// SPDX-License-Identifier: GPL-3.0-or-later
#include "up_list_csv.h"

#include <array>
#include <string_view>

#include "updata/value_names.h"
#include "command_support.h"
#include "setlist/csv.h"

namespace tarnwick::upstool {
namespace {

constexpr std::array<std::string_view, 17> kUPColumns = {
    "id",     "up",          "name",          "style_source", "style_number",
    "style",  "song_source", "song_location", "song",         "tempo",
    "pad1",   "pad2",        "dbeam",         "efx",          "reverb",
    "chorus", "delay"};

constexpr std::array<std::string_view, 15> kPartColumnSuffixes = {
    "_cc0", "_cc32", "_pc", "_on", "_vol", "_pan",  "_rev", "_cho",
    "_dly", "_eq",   "_sl", "_ss", "_st",  "_wrap", "_tarr"};

// A text field of the record as the grid shows it: blanks trimmed, as UTF-8.
std::string ShownText(std::string_view stored) { return TrimBlanks(StoredTextToUtf8(stored)); }

void AppendPartColumns(CsvRow& row, const UPRecord& up, int part) {
  row.Number(GetUPPartTone(up, part, 0));
  row.Number(GetUPPartTone(up, part, 1));
  row.Number(GetUPPartTone(up, part, 2) + 1);  // programs are shown counted from 1
  row.Text(PartOnText(up, part));
  row.Number(Read(up, field::PartVolume, part));
  row.Number(Read(up, field::PartPanpot, part));
  row.Number(Read(up, field::PartReverb, part));
  row.Number(Read(up, field::PartChorus, part));
  row.Number(Read(up, field::PartDelay, part));
  row.Text(PartEqText(up, part));
  row.Text(PartSongLinkText(up, part));
  row.Text(PartSongStatusText(up, part));
  row.Text(PartToneChangeText(up, part));
  row.Text(PartWrapText(up, part));
  row.Text(PartToneArrangerText(up, part));
}

}  // namespace

void AppendUPListHeader(std::string& csv, bool with_parts) {
  CsvRow row(csv);
  for (const std::string_view column : kUPColumns) row.Text(column);
  for (int part = 0; with_parts && part < kPartCount; ++part) {
    for (const std::string_view suffix : kPartColumnSuffixes) {
      row.Text(std::string(PartName(part)) + std::string(suffix));
    }
  }
  row.End();
}

void AppendUPListRow(std::string& csv, int id, const UPRecord& up, bool with_parts) {
  CsvRow row(csv);
  row.Number(id);
  row.Text(NumToUPBnk(id));
  row.Text(ShownText(GetUPText8(up, kUPNameOffset)));
  row.Text(GetUPStyleSourceText(up));
  row.Text(GetUPStyleNumberText(up));
  row.Text(ShownText(GetUPText8(up, kStyleNameOffset)));
  row.Text(GetUPSongSourceShort(up));
  row.Text(GetUPSongSourceLong(up));
  row.Text(ShownText(GetUPSongName(up)));
  row.Number(GetUPTempo(up));
  row.Number(GetUPPad1(up));
  row.Number(GetUPPad2(up));
  row.Number(GetUPDBeam(up));
  row.Number(GetUPEFX(up));
  row.Number(GetUPReverbMacro(up));
  row.Number(GetUPChorusMacro(up));
  row.Number(GetUPDelayMacro(up));
  for (int part = 0; with_parts && part < kPartCount; ++part) AppendPartColumns(row, up, part);
  row.End();
}

}  // namespace tarnwick::upstool
