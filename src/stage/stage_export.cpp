// SPDX-License-Identifier: GPL-3.0-or-later
#include "stage/stage_export.h"

#include "setlist/csv.h"

namespace tarnwick {

StageTable MakeStageTable(const QString& title, const std::vector<StageRow>& rows) {
  StageTable table{title, StageColumnTitles(), {}};
  for (const StageRow& row : rows) table.rows.emplace_back(row.texts.begin(), row.texts.end());
  return table;
}

std::string StageCsv(const StageTable& table) {
  std::string csv;
  CsvRow header(csv);
  for (const QString& title : table.columns) header.Text(title.toStdString());
  header.End();
  for (const QStringList& texts : table.rows) {
    CsvRow row(csv);
    for (const QString& text : texts) row.Text(text.toStdString());
    row.End();
  }
  return csv;
}

}  // namespace tarnwick
