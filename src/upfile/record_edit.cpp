// SPDX-License-Identifier: GPL-3.0-or-later
#include "upfile/record_edit.h"

#include <QList>

#include "updata/ansi_text.h"

namespace tarnwick {
namespace {

const UPFile* FileOf(const UPData& data, int file, int id) {
  if (file < 0 || file > 1) return nullptr;
  const UPFile& slot = data.files[static_cast<std::size_t>(file)];
  return id >= 0 && id < slot.count ? &slot : nullptr;
}

std::string FieldChangeName(int offset) {
  if (offset == kUPNameOffset) return "Rename";
  if (offset == kStyleNameOffset) return "Style";
  return "Song";
}

}  // namespace

bool ApplyRecordEdit(UPData& data, std::array<FileHistory, 2>& history, const RecordEdit& edit) {
  if (FileOf(data, edit.file, edit.id) == nullptr || edit.before == edit.after) return false;
  UPRecord& stored = data.files[static_cast<std::size_t>(edit.file)].up(edit.id);
  if (stored != edit.before) return false;
  stored = edit.after;
  history[static_cast<std::size_t>(edit.file)].Record(
      {FileStep::Kind::Overwrite, edit.what, {edit.id}, {edit.before}, {edit.after}, {}});
  return true;
}

std::string UPNameForHistory(int id) { return id < kSetUPCount ? NumToUPBnk(id) : "ID " + std::to_string(id); }

std::optional<std::string> EncodeText8(const QString& text) {
  const QList<uint> codes = text.toUcs4();
  return StorableName(std::u32string(codes.begin(), codes.end()));
}

QString ShownText8(const std::string& stored) {
  QString shown = QString::fromStdString(AnsiToUtf8(stored));
  for (QChar& ch : shown) {
    if (ch.unicode() < 0x20 || ch.unicode() == 0x7F) ch = QLatin1Char(' ');
  }
  return shown;
}

QString ShownField(const UPRecord& up, int offset) {
  QString shown = ShownText8(offset == kSongNameOffset ? GetUPSongName(up) : GetUPText8(up, offset));
  qsizetype first = 0;
  qsizetype end = shown.size();
  while (first < end && shown[first] == QLatin1Char(' ')) ++first;
  while (end > first && shown[end - 1] == QLatin1Char(' ')) --end;
  return shown.mid(first, end - first);
}

std::optional<RecordEdit> TextFieldEdit(const UPData& data, int file, int id, int offset, const QString& text) {
  const UPFile* slot = FileOf(data, file, id);
  const std::optional<std::string> bytes = EncodeText8(text);
  if (slot == nullptr || !bytes) return std::nullopt;
  const UPRecord& stored = slot->up(id);
  if (text == ShownField(stored, offset)) return std::nullopt;
  RecordEdit edit{file, id, stored, stored, FieldChangeName(offset) + " of " + UPNameForHistory(id)};
  SetUPText8(edit.after, offset, *bytes);
  return edit;
}

std::optional<RecordEdit> TempoEdit(const UPData& data, int file, int id, int tempo) {
  const UPFile* slot = FileOf(data, file, id);
  if (slot == nullptr) return std::nullopt;
  RecordEdit edit{file, id, slot->up(id), slot->up(id), "Tempo of " + UPNameForHistory(id)};
  SetUPTempo(edit.after, tempo);
  if (edit.after == edit.before) return std::nullopt;
  return edit;
}

}  // namespace tarnwick
