// SPDX-License-Identifier: GPL-3.0-or-later
#include "grid/fitted_help.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QResizeEvent>
#include <QScrollBar>
#include <cmath>
#include <QPlainTextEdit>
#include <QStringList>
#include <QTextDocument>
#include <algorithm>

#include "ui/help_window.h"

namespace tarnwick {
namespace {

// The room the text box needs inside its frame to show every line without wrapping or scrolling.
QSize TextRoom(const QPlainTextEdit& box) {
  const QFontMetrics metrics(box.font());
  const QStringList lines = box.toPlainText().split(u'\n');
  int widest = 0;
  for (const QString& line : lines) widest = std::max(widest, metrics.horizontalAdvance(line));
  const int margin = static_cast<int>(std::ceil(box.document()->documentMargin()));
  const int frame = 2 * box.frameWidth();
  constexpr int kSlack = 4;  // the caret's place at a line end and rounding
  // Room for a vertical scroll bar too: while the box lays its text out it may show one for a
  // moment, and lines must not wrap under it.
  const int scrollBar = box.verticalScrollBar()->sizeHint().width();
  return {widest + 2 * margin + frame + kSlack + scrollBar,
          static_cast<int>(lines.size() + 1) * metrics.lineSpacing() + 2 * margin + frame + kSlack};
}

}  // namespace

void FitHelpToText(frmHelp& help) {
  auto* box = help.findChild<QPlainTextEdit*>(QStringLiteral("txtHelp"));
  if (box == nullptr) return;
  // A hidden window lays out its children only when shown: lay them out now to measure.
  QResizeEvent layOut(help.size(), help.size());
  QCoreApplication::sendEvent(&help, &layOut);
  const QSize needed = TextRoom(*box);
  const QSize shortBy(std::max(0, needed.width() - box->width()), std::max(0, needed.height() - box->height()));
  if (shortBy.width() > 0 || shortBy.height() > 0) {
    help.resize(help.size() + shortBy);
    QResizeEvent grown(help.size(), help.size() - shortBy);
    QCoreApplication::sendEvent(&help, &grown);
  }
}

void ShowFittedHelp(QWidget* parent, const QString& caption, QSize leastSizeTwips, const QString& text) {
  frmHelp help(parent);
  help.setWindowTitle(caption);
  help.setSizeTwips(leastSizeTwips);
  help.setHelpText(text);
  FitHelpToText(help);
  help.exec();
}

}  // namespace tarnwick
