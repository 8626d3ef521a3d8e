// SPDX-License-Identifier: GPL-3.0-or-later
// Printing and exporting the set list, notes included. The view's titled columns and rows go to
// the set list pages through one hand-over; CSV carries every column as it is.
#include <QDate>
#include <QFileInfo>
#include <QPrintDialog>
#include <QPrinter>

#include "setlist/set_list_file.h"
#include "stage/frm_stage.h"
#include "stage/stage_export.h"
#include "stage/stage_model.h"
#include "ui/hourglass.h"
#include "ui/user_dialogs.h"
#include "updata/atomic_file.h"
#include "upfile/set_list_painter.h"

namespace tarnwick {
namespace {

// The hand-over to the set list pages. Their columns are fixed (ID, UP, Name, Style, Tempo,
// Song): the set position fills the ID column, and a note follows its song's name.
SetList AsPagedSetList(const StageTable& table) {
  SetList list{table.title.toStdString(), QDate::currentDate().toString(Qt::ISODate).toStdString(), {}};
  const auto text = [](const QStringList& row, StageColumn column) {
    return row.value(static_cast<int>(column)).toStdString();
  };
  for (const QStringList& row : table.rows) {
    std::string name = text(row, StageColumn::Name);
    if (const std::string note = text(row, StageColumn::Note); !note.empty()) name += " — " + note;
    list.entries.push_back({row.value(0).toInt(), row.value(static_cast<int>(StageColumn::Tempo)).toInt(),
                            text(row, StageColumn::UP), name, text(row, StageColumn::Style),
                            text(row, StageColumn::Song)});
  }
  return list;
}

StageTable TableOf(const StageModel& model, const QString& path) {
  std::vector<StageRow> rows;
  for (int row = 0; row < model.rowCount(); ++row) rows.push_back(model.rowAt(row));
  return MakeStageTable(path.isEmpty() ? QStringLiteral("Set list") : QFileInfo(path).completeBaseName(), rows);
}

}  // namespace

void frmStage::printSetList() {
  QPrinter printer(QPrinter::HighResolution);
  QPrintDialog dialog(&printer, this);
  dialog.setWindowTitle(QStringLiteral("Print Set List"));
  if (dialog.exec() != QDialog::Accepted) return;
  Hourglass busy;
  if (!PaintSetList(printer, LayOutSetList(AsPagedSetList(TableOf(*model_, list_.path()))))) {
    dialogs_.showMessage(QStringLiteral("The set list could not be printed."));
  }
}

void frmStage::exportSetList() {
  const QString source = list_.path();
  const QString start = source.isEmpty() ? QString() : QFileInfo(source).path() + u'/' + QFileInfo(source).completeBaseName() + ".pdf";
  const QString path = dialogs_.saveFileName(QStringLiteral("Export Set List"), start,
                                             {QStringLiteral("PDF (*.pdf)"), QStringLiteral("CSV (*.csv)"),
                                              QStringLiteral("HTML (*.html)")});
  if (path.isEmpty()) return;
  const SetListFormat format = SetListFormatOf(path.toStdString());
  if (format == SetListFormat::None) {
    dialogs_.showMessage(QStringLiteral("A set list is exported as a .pdf, .csv or .html file: ") + path);
    return;
  }
  const StageTable table = TableOf(*model_, list_.path());
  const std::string bytes = format == SetListFormat::Csv ? StageCsv(table)
                                                          : RenderSetList(AsPagedSetList(table), format, kPaperA4);
  const ByteChunk chunk{bytes.data(), bytes.size()};
  std::string error;
  if (!WriteFileAtomically(path.toStdString(), {&chunk, 1}, &error)) {
    dialogs_.showMessage(QStringLiteral("Error Saving File: ") + path + QStringLiteral("\r\n\r\n") + QString::fromStdString(error));
  }
}

}  // namespace tarnwick
