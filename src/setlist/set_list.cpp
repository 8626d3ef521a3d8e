// SPDX-License-Identifier: GPL-3.0-or-later
#include "setlist/set_list.h"

#include <algorithm>
#include <cctype>

#include "setlist/csv.h"
#include "updata/ansi_text.h"
#include "updata/up_record.h"

namespace tarnwick {
namespace {

constexpr std::array<std::string_view, kSetListColumnCount> kTitles = {"ID",    "UP",    "Name",
                                                                        "Style", "Tempo", "Song"};

std::string ShownText(const std::string& stored) {
  std::string text = stored;
  std::replace(text.begin(), text.end(), '\0', ' ');  // never-written records hold zeros
  return AnsiToUtf8(TrimBlanks(text));
}

std::string Lowered(std::string_view text) {
  std::string lowered(text);
  for (char& c : lowered) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return lowered;
}

bool IsNumberColumn(SetListColumn column) {
  return column == SetListColumn::ID || column == SetListColumn::Tempo;
}

void AppendHtmlEscaped(std::string& html, std::string_view text) {
  for (const char c : text) {
    switch (c) {
      case '&': html += "&amp;"; break;
      case '<': html += "&lt;"; break;
      case '>': html += "&gt;"; break;
      case '"': html += "&quot;"; break;
      default: html += c;
    }
  }
}

}  // namespace

std::string SetListEntry::Text(SetListColumn column) const {
  switch (column) {
    case SetListColumn::ID: return std::to_string(id);
    case SetListColumn::UP: return up;
    case SetListColumn::Name: return name;
    case SetListColumn::Style: return style;
    case SetListColumn::Tempo: return std::to_string(tempo);
    case SetListColumn::Song: return song;
  }
  return {};
}

PageTable SetListPageTable(const SetList& list) {
  PageTable table{list.title, list.date, {}, {}};
  for (int c = 0; c < kSetListColumnCount; ++c) {
    const auto column = static_cast<SetListColumn>(c);
    table.columns.push_back({std::string(SetListColumnTitle(column)), IsNumberColumn(column),
                             column == SetListColumn::Name});
  }
  table.rows.reserve(list.entries.size());
  for (const SetListEntry& entry : list.entries) {
    std::vector<std::string>& row = table.rows.emplace_back();
    for (int c = 0; c < kSetListColumnCount; ++c) row.push_back(entry.Text(static_cast<SetListColumn>(c)));
  }
  return table;
}

std::string_view SetListColumnTitle(SetListColumn column) {
  return kTitles[static_cast<std::size_t>(column)];
}

std::optional<SetListColumn> SetListColumnByName(std::string_view name) {
  const std::string wanted = Lowered(name);
  for (std::size_t i = 0; i < kTitles.size(); ++i) {
    if (Lowered(kTitles[i]) == wanted) return static_cast<SetListColumn>(i);
  }
  return std::nullopt;
}

std::vector<SetListEntry> MakeSetListEntries(const UPFile& file, const std::vector<int>& ids) {
  std::vector<SetListEntry> entries;
  entries.reserve(ids.size());
  for (const int id : ids) {
    const UPRecord& up = file.up(id);
    entries.push_back({id, GetUPTempo(up), NumToUPBnk(id), ShownText(GetUPText8(up, kUPNameOffset)),
                       ShownText(GetUPText8(up, kStyleNameOffset)), ShownText(GetUPSongName(up))});
  }
  return entries;
}

std::vector<SetListEntry> MakeSetListEntries(const UPFile& file) {
  std::vector<int> ids(static_cast<std::size_t>(file.count));
  for (int id = 0; id < file.count; ++id) ids[static_cast<std::size_t>(id)] = id;
  return MakeSetListEntries(file, ids);
}

void SortSetList(std::vector<SetListEntry>& entries, SetListColumn column) {
  std::sort(entries.begin(), entries.end(), [column](const SetListEntry& a, const SetListEntry& b) {
    if (IsNumberColumn(column)) {
      const int x = column == SetListColumn::ID ? a.id : a.tempo;
      const int y = column == SetListColumn::ID ? b.id : b.tempo;
      if (x != y) return x < y;
    } else {
      const std::string x = Lowered(a.Text(column));
      const std::string y = Lowered(b.Text(column));
      if (x != y) return x < y;
    }
    return a.id < b.id;
  });
}

std::string SetListCsv(const SetList& list) {
  std::string csv;
  CsvRow header(csv);
  for (const std::string_view title : kTitles) header.Text(Lowered(title));
  header.End();
  for (const SetListEntry& entry : list.entries) {
    CsvRow row(csv);
    for (int c = 0; c < kSetListColumnCount; ++c) row.SpreadsheetText(entry.Text(static_cast<SetListColumn>(c)));
    row.End();
  }
  return csv;
}

std::string SetListHtml(const SetList& list) {
  std::string html = "<!DOCTYPE html>\n<html><head><meta charset=\"utf-8\"><title>";
  AppendHtmlEscaped(html, list.title);
  html +=
      "</title>\n<style>body{font-family:sans-serif}table{border-collapse:collapse}"
      "th,td{padding:2px 12px;text-align:left;border-bottom:1px solid #ccc}"
      "td.n{text-align:right}thead{display:table-header-group}</style></head>\n<body>\n<h1>";
  AppendHtmlEscaped(html, list.title);
  html += "</h1>\n<p>";
  AppendHtmlEscaped(html, list.date);
  html += "</p>\n<table>\n<thead><tr>";
  for (const std::string_view title : kTitles) {
    html += "<th>";
    html += title;
    html += "</th>";
  }
  html += "</tr></thead>\n<tbody>\n";
  for (const SetListEntry& entry : list.entries) {
    html += "<tr>";
    for (int c = 0; c < kSetListColumnCount; ++c) {
      const auto column = static_cast<SetListColumn>(c);
      html += IsNumberColumn(column) ? "<td class=\"n\">" : "<td>";
      AppendHtmlEscaped(html, entry.Text(column));
      html += "</td>";
    }
    html += "</tr>\n";
  }
  html += "</tbody>\n</table>\n</body></html>\n";
  return html;
}

}  // namespace tarnwick
