// SPDX-License-Identifier: GPL-3.0-or-later
// Printed set lists, read back from the PDF by tools of their own: qpdf checks the file's
// structure and poppler's pdftotext reads the text, so that what is printed is really text at a
// size that fits the page. One page layout serves the PDF export and the printer.
#include <QPrinter>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <fstream>

#include "setlist/page_painter.h"
#include "setlist/set_list.h"
#include "support/needs.h"

namespace tarnwick {
namespace {

const char kTitle[] = "Gig \xC5\x81\xC3\xB3""dz.UPS";  // not in Latin-1

// The exit code and output of a tool, or -1 when it could not be run.
std::pair<int, QString> Run(const QString& tool, const QStringList& args) {
  QProcess process;
  process.start(tool, args);
  if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit) return {-1, {}};
  return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput() + process.readAllStandardError())};
}

bool ToolsThere() { return Run(QStringLiteral("qpdf"), {"--version"}).first == 0 && Run(QStringLiteral("pdftotext"), {"-v"}).first == 0; }

// The text of a PDF file that qpdf finds sound; empty when it does not.
QString CheckedText(const QString& pdf) {
  const auto [checkCode, checkOutput] = Run(QStringLiteral("qpdf"), {"--check", pdf});
  if (checkCode != 0) {
    qWarning("qpdf --check: %s", qPrintable(checkOutput));
    return {};
  }
  return Run(QStringLiteral("pdftotext"), {"-layout", pdf, "-"}).second;
}

SetList SixtyUPs() {
  SetList list{kTitle, "2026-12-07", {}};
  list.entries.push_back({0, 88, "A11", "Caf\xC3\xA9", "Jazz (2)", "Back\\up"});
  list.entries.push_back({1, 140, "A12", "Second", "Rock", ""});
  for (int i = 0; i < 58; ++i) list.entries.push_back({100 + i, 120, "", "Filler", "Pop", ""});
  return list;
}

}  // namespace

class SetListPrintTest : public QObject {
  Q_OBJECT

 private slots:
  // Both papers, both sizes: a sound file whose every page has the heading and its number.
  void exportedPdfReadsBackOnEachPaperAndSize() {
    TARNWICK_QNEED(ToolsThere(), "qpdf and pdftotext (packages qpdf, poppler-utils) are not installed");
    QTemporaryDir folder;
    const PageTable table = SetListPageTable(SixtyUPs());
    for (const PaperKind paper : {PaperKind::A4, PaperKind::Letter}) {
      for (const PrintSize size : {PrintSize::Normal, PrintSize::Large}) {
        const std::string pdf = PageTablePdf(table, paper, size);
        const QString path = folder.filePath(QStringLiteral("list.pdf"));
        std::ofstream(path.toStdString(), std::ios::binary) << pdf;
        const QString text = CheckedText(path);
        QVERIFY2(text.contains(QString::fromUtf8(kTitle)), qPrintable(text));
        QVERIFY(text.contains(QStringLiteral("Café")));
        QVERIFY2(text.contains(QStringLiteral("Back\\up")), qPrintable(text));
        QVERIFY(text.contains(QStringLiteral("Jazz (2)")));
        // 60 rows take two pages at 10.5 pt, and more but not many more at 16 pt.
        const qsizetype pages = text.count(QStringLiteral("Page "));
        QVERIFY2(text.contains(QStringLiteral("Page %1 of %1").arg(pages)), qPrintable(text));
        QVERIFY2(size == PrintSize::Large ? pages > 2 && pages <= 4 : pages == 2, qPrintable(text));
        QCOMPARE(text.count(QStringLiteral("2026-12-07")), text.count(QStringLiteral("Page ")));
        QCOMPARE(text.count(QString::fromUtf8(kTitle)), 2 * text.count(QStringLiteral("Page ")));
      }
    }
    const std::string broken = PageTablePdf(table, PaperKind::A4, PrintSize::Normal).substr(0, 4000) + "%%EOF\n";
    const QString path = folder.filePath(QStringLiteral("broken.pdf"));
    std::ofstream(path.toStdString(), std::ios::binary) << broken;
    QVERIFY(CheckedText(path).isEmpty());  // the check itself catches a damaged file
  }

  // The printer gets the same pages; a view may add columns of its own (here a note).
  void printerPagesCarryTheRowsAndExtraColumns() {
    TARNWICK_QNEED(ToolsThere(), "qpdf and pdftotext (packages qpdf, poppler-utils) are not installed");
    QTemporaryDir folder;
    PageTable table = SetListPageTable(SixtyUPs());
    table.columns.push_back({"Note", false, false});
    for (std::size_t r = 0; r < table.rows.size(); ++r) table.rows[r].push_back("cue " + std::to_string(r));
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(folder.filePath(QStringLiteral("printed.pdf")));
    printer.setPageSize(QPageSize(QPageSize::Letter));
    QVERIFY(PaintPageTable(printer, table, PrintSize::Normal));
    const QString text = CheckedText(printer.outputFileName());
    QVERIFY2(text.contains(QStringLiteral("Page 2 of 2")), qPrintable(text));
    QVERIFY(text.contains(QStringLiteral("Note")));
    QVERIFY2(text.contains(QStringLiteral("cue 59")), qPrintable(text));
    const QStringList lines = text.split(u'\n');
    const auto row = std::find_if(lines.begin(), lines.end(), [](const QString& line) { return line.contains(QStringLiteral("Second")); });
    QVERIFY(row != lines.end());
    QCOMPARE(row->simplified(), QStringLiteral("1 A12 Second Rock 140 cue 1"));
  }
};

}  // namespace tarnwick

QTEST_MAIN(tarnwick::SetListPrintTest)
#include "set_list_print_test.moc"
