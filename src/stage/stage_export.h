// SPDX-License-Identifier: GPL-3.0-or-later
// A set list on paper or in other programs: titled columns and rows of texts, notes included.
#pragma once

#include <QString>
#include <QStringList>
#include <string>
#include <vector>

#include "stage/stage_rows.h"

namespace tarnwick {

struct StageTable {
  QString title;  // the set list's file name
  QStringList columns;
  std::vector<QStringList> rows;  // missing entries end in "missing" in the UP column
};

StageTable MakeStageTable(const QString& title, const std::vector<StageRow>& rows);
// RFC 4180, UTF-8, "\n" line ends: a header row, then one row per entry.
std::string StageCsv(const StageTable& table);

}  // namespace tarnwick
