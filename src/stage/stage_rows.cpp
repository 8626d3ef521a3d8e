// SPDX-License-Identifier: GPL-3.0-or-later
#include "stage/stage_rows.h"

#include "setlist/set_list.h"
#include "updata/up_record.h"

namespace tarnwick {
namespace {

constexpr std::array<const char*, kStageColumnCount> kTitles{"#", "UP", "Name", "Style", "Tempo", "Song", "Note"};

QString Text(const std::string& utf8) { return QString::fromStdString(utf8); }

StageRow RowOf(int number, const StageEntry& entry, const UPFile* file) {
  StageRow row;
  row.state = entry.state;
  auto set = [&row](StageColumn column, const QString& text) { row.texts[static_cast<std::size_t>(column)] = text; };
  set(StageColumn::Number, QString::number(number));
  set(StageColumn::Name, entry.name);
  set(StageColumn::Note, entry.note);
  if (entry.state == EntryState::Missing) {
    set(StageColumn::UP, QStringLiteral("missing"));
    return row;
  }
  set(StageColumn::UP, QString::fromStdString(NumToUPBnk(entry.id)));
  if (file != nullptr && entry.id < file->count) {
    const SetListEntry up = MakeSetListEntries(*file, {entry.id}).front();
    set(StageColumn::Style, Text(up.style));
    set(StageColumn::Tempo, QString::number(up.tempo));
    set(StageColumn::Song, Text(up.song));
  }
  if (entry.state == EntryState::Moved) set(StageColumn::UP, row.text(StageColumn::UP) + QStringLiteral(" moved"));
  return row;
}

}  // namespace

QString StageColumnTitle(StageColumn column) {
  return QString::fromLatin1(kTitles[static_cast<std::size_t>(column)]);
}

QStringList StageColumnTitles() {
  QStringList titles;
  for (const char* title : kTitles) titles << QString::fromLatin1(title);
  return titles;
}

std::vector<StageRow> MakeStageRows(const std::vector<StageEntry>& entries, const UPFile* file) {
  std::vector<StageRow> rows;
  rows.reserve(entries.size());
  for (std::size_t i = 0; i < entries.size(); ++i) rows.push_back(RowOf(static_cast<int>(i) + 1, entries[i], file));
  return rows;
}

}  // namespace tarnwick
