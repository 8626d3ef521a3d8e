// SPDX-License-Identifier: GPL-3.0-or-later
#include "disklink/disk_link_edits.h"

#include <QList>

#include <algorithm>

#include "updata/ansi_text.h"
#include "updata/disk_link.h"

namespace tarnwick {
namespace {

bool ValidIndex(int index) { return index >= 0 && index < kDiskLinkCount; }

}  // namespace

std::optional<std::string> DiskLinkField(const QString& text) {
  const QList<uint> codes = text.toUcs4();
  const auto kept = std::min(codes.size(), static_cast<qsizetype>(kStoredNameLength));
  std::optional<std::string> field = StorableName(std::u32string(codes.begin(), codes.begin() + kept));
  if (field) field->resize(kStoredNameLength, ' ');
  return field;
}

QString DiskLinkShown(const std::string& field) { return QString::fromStdString(AnsiToUtf8(field)); }

bool RenameDiskLink(HeaderChanges& changes, int file, int index, const QString& text) {
  const std::optional<std::string> field = DiskLinkField(text);
  if (!ValidIndex(index) || !field) return false;
  const UPSHeader before = changes.header(file);
  UPSHeader after = before;
  SetDiskLinkName(after, index, *field);
  return changes.ChangeFileHeader(file, before, after, "Rename of " + NumToDLBnk(index));
}

bool CopyDiskLinkNames(HeaderChanges& changes, int source, const std::vector<int>& sourceIds,
                       const std::vector<int>& targetIds) {
  if (sourceIds.empty() || sourceIds.size() != targetIds.size()) return false;
  const int target = 1 - source;
  const UPSHeader& from = changes.header(source);
  const UPSHeader before = changes.header(target);
  UPSHeader after = before;
  for (std::size_t k = 0; k < sourceIds.size(); ++k) {
    if (!ValidIndex(sourceIds[k]) || !ValidIndex(targetIds[k])) return false;
    SetDiskLinkName(after, targetIds[k], GetDiskLinkName(from, sourceIds[k]));
  }
  const std::size_t n = targetIds.size();
  return changes.ChangeFileHeader(target, before, after,
                                  "Copy of " + std::to_string(n) + (n == 1 ? " Disk Link name" : " Disk Link names"));
}

}  // namespace tarnwick
