// SPDX-License-Identifier: GPL-3.0-or-later
// A set list: the UPs of a file in the order a player wants them on the music stand, with the
// six things needed on stage. Texts are UTF-8, as shown on screen.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "setlist/page_table.h"
#include "updata/up_file.h"

namespace tarnwick {

enum class SetListColumn { ID, UP, Name, Style, Tempo, Song };
inline constexpr int kSetListColumnCount = 6;

struct SetListEntry {
  int id = 0;
  int tempo = 0;
  std::string up;  // "A11".."C88" for the first 192 UPs, empty beyond
  std::string name;
  std::string style;
  std::string song;

  std::string Text(SetListColumn column) const;
};

struct SetList {
  std::string title;  // the file's name
  std::string date;   // when the list was made, as it is to be printed
  std::vector<SetListEntry> entries;
};

// "ID", "UP", "Name", "Style", "Tempo", "Song".
std::string_view SetListColumnTitle(SetListColumn column);
// A column by its title, in any case ("tempo", "Name"); nothing for an unknown word.
std::optional<SetListColumn> SetListColumnByName(std::string_view name);

// The entries of the UPs `ids` of `file`, in that order.
std::vector<SetListEntry> MakeSetListEntries(const UPFile& file, const std::vector<int>& ids);
// Every UP of `file` in ID order.
std::vector<SetListEntry> MakeSetListEntries(const UPFile& file);

// Sorts by one column, ascending: numbers by value, texts without regard to case; entries that
// compare equal keep the ID order.
void SortSetList(std::vector<SetListEntry>& entries, SetListColumn column);

// The list as printed pages show it: its title and date, the six columns (the names widest).
PageTable SetListPageTable(const SetList& list);

// Header row and one row per entry (RFC 4180, "\n" line ends); a text a spreadsheet would take
// for a formula is written so that it shows as text.
std::string SetListCsv(const SetList& list);
// A whole page of HTML (UTF-8) with the title, the date and one table.
std::string SetListHtml(const SetList& list);

}  // namespace tarnwick
