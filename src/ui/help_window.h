// SPDX-License-Identifier: GPL-3.0-or-later
// frmHelp: a read-only text with an OK button, for the short help texts of the windows (the
// filter help of the tone browser is one). The caller sets caption, size and text, then shows it
// modally.
#pragma once

#include <QDialog>

class QPlainTextEdit;
class QPushButton;

namespace tarnwick {

class frmHelp : public QDialog {
  Q_OBJECT

 public:
  explicit frmHelp(QWidget* parent = nullptr);

  void setHelpText(const QString& text);  // "\r\n" line breaks as the program writes them
  void setSizeTwips(QSize outerTwips);

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  QPlainTextEdit* text_;
  QPushButton* ok_;
};

// Shows a help text modally: caption, size in twips, text.
void ShowHelp(QWidget* parent, const QString& caption, QSize sizeTwips, const QString& text);

}  // namespace tarnwick
