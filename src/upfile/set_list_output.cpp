// SPDX-License-Identifier: GPL-3.0-or-later
#include "upfile/set_list_output.h"

#include <QFileInfo>
#include <QLocale>
#include <QPrintDialog>
#include <QPrinter>

#include "setlist/page_painter.h"
#include "ui/hourglass.h"
#include "ui/user_dialogs.h"
#include "updata/atomic_file.h"

namespace tarnwick {
namespace {

// A set list replaces no open UP file, and an existing file only once the user says so.
bool ExportTargetAllowed(UserDialogs& dialogs, const QString& path, const std::vector<std::string>& openFiles) {
  const std::string target = path.toStdString();
  for (const std::string& open : openFiles) {
    if (!open.empty() && SameFile(open, target)) {
      dialogs.showMessage(QStringLiteral("Error Saving File: ") + path +
                          QStringLiteral("\r\n\r\nA set list cannot replace an open UP file."));
      return false;
    }
  }
  if (!PathTaken(target)) return true;
  return dialogs.askYesNo(path + QStringLiteral("\r\n\r\nExist, Overwrite?"), QStringLiteral("Export Set List"),
                          UserDialogs::Icon::Question) == UserDialogs::Answer::Yes;
}

// ".pdf", ".csv" ... of the dialog's filters ("PDF (*.pdf)").
QStringList EndingsOf(const QStringList& formats) {
  QStringList endings;
  for (const QString& format : formats) {
    const qsizetype star = format.indexOf(QStringLiteral("*."));
    if (star >= 0) endings << format.mid(star + 1).chopped(1).toLower();
  }
  return endings;
}

// "a .pdf, .csv or .html file"
QString EndingsText(QStringList endings) {
  const QString last = endings.takeLast();
  return QStringLiteral("a ") + (endings.isEmpty() ? last : endings.join(QStringLiteral(", ")) + QStringLiteral(" or ") + last) +
         QStringLiteral(" file");
}

PaperKind LocalPaper() {
  return QLocale::system().measurementSystem() == QLocale::ImperialUSSystem ? PaperKind::Letter : PaperKind::A4;
}

}  // namespace

void PrintSetListPages(QWidget* parent, UserDialogs& dialogs, const PageTable& table, PrintSize size) {
  QPrinter printer(QPrinter::HighResolution);
  QPrintDialog dialog(&printer, parent);
  dialog.setWindowTitle(QStringLiteral("Print Set List"));
  if (dialog.exec() != QDialog::Accepted) return;
  Hourglass busy;
  if (!PaintPageTable(printer, table, size)) dialogs.showMessage(QStringLiteral("The set list could not be printed."));
}

void ExportSetListFile(UserDialogs& dialogs, const QString& source, const QStringList& formats,
                       const std::vector<std::string>& openFiles, const SetListRenderer& render) {
  const QString start = source.isEmpty() ? QString() : QFileInfo(source).path() + u'/' + QFileInfo(source).completeBaseName() + ".pdf";
  const QString path = dialogs.saveFileName(QStringLiteral("Export Set List"), start, formats);
  if (path.isEmpty()) return;
  const SetListFormat format = SetListFormatOf(path.toStdString());
  const QStringList endings = EndingsOf(formats);
  if (format == SetListFormat::None || !endings.contains(u'.' + QFileInfo(path).suffix().toLower())) {
    dialogs.showMessage(QStringLiteral("A set list is exported as ") + EndingsText(endings) + QStringLiteral(": ") + path);
    return;
  }
  if (!ExportTargetAllowed(dialogs, path, openFiles)) return;
  Hourglass busy;
  const std::string bytes = render(format, LocalPaper());
  const ByteChunk chunk{bytes.data(), bytes.size()};
  std::string error;
  if (bytes.empty() || !WriteFileAtomically(path.toStdString(), {&chunk, 1}, &error)) {
    dialogs.showMessage(QStringLiteral("Error Saving File: ") + path);
  }
}

}  // namespace tarnwick
