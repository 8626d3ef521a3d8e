// SPDX-License-Identifier: GPL-3.0-or-later
// Printing and exporting the set list, notes included: the view's titled columns and rows go to
// the printed pages (at the large size, to be read on a stand) and to PDF or CSV files.
#include <QDate>
#include <QFileInfo>

#include "state/app_state.h"
#include "setlist/page_painter.h"
#include "stage/frm_stage.h"
#include "stage/stage_export.h"
#include "stage/stage_model.h"
#include "upfile/set_list_output.h"

namespace tarnwick {
namespace {

StageTable TableOf(const StageModel& model, const QString& path) {
  std::vector<StageRow> rows;
  for (int row = 0; row < model.rowCount(); ++row) rows.push_back(model.rowAt(row));
  return MakeStageTable(path.isEmpty() ? QStringLiteral("Set list") : QFileInfo(path).completeBaseName(), rows);
}

// The pages show every column; the name is the one read from afar.
PageTable PagesOf(const StageTable& table) {
  PageTable pages{table.title.toStdString(), QDate::currentDate().toString(Qt::ISODate).toStdString(), {}, {}};
  for (int column = 0; column < table.columns.size(); ++column) {
    const auto which = static_cast<StageColumn>(column);
    pages.columns.push_back({table.columns[column].toStdString(), which == StageColumn::Number || which == StageColumn::Tempo,
                             which == StageColumn::Name});
  }
  for (const QStringList& row : table.rows) {
    std::vector<std::string> texts;
    for (const QString& text : row) texts.push_back(text.toStdString());
    pages.rows.push_back(std::move(texts));
  }
  return pages;
}

}  // namespace

void frmStage::printSetList() {
  PrintSetListPages(this, dialogs_, PagesOf(TableOf(*model_, list_.path())), PrintSize::Large);
}

void frmStage::exportSetList() {
  const StageTable table = TableOf(*model_, list_.path());
  std::vector<std::string> openFiles;
  for (const UPFile& slot : state_.up.files) openFiles.push_back(slot.path);
  ExportSetListFile(dialogs_, list_.path(), {QStringLiteral("PDF (*.pdf)"), QStringLiteral("CSV (*.csv)")}, openFiles,
                    [&](SetListFormat format, PaperKind paper) {
                      return format == SetListFormat::Csv ? StageCsv(table)
                                                          : PageTablePdf(PagesOf(table), paper, PrintSize::Large);
                    });
}

}  // namespace tarnwick
