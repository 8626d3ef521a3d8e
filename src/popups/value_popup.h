// SPDX-License-Identifier: GPL-3.0-or-later
// The frame shared by the value pop-ups: a frameless, always-on-top modal window laid over the
// cell or box being edited, with the text box `txt_Editor`, a rim whose colour tells whether the
// typed value can be accepted, and the two buttons `cmd_OK` ("Enter") and `cmd_Cancel`
// ("Cancel") that take the Enter and Escape keys. A text wider than the cell widens the window,
// so that every character typed stays in sight. The pop-ups know nothing of their callers: a
// caller gives the place, the fill colour, the field's name and the starting value.
//
//   FrmNameEditor popup(window);
//   popup.setFont(grid->font());  // the cell's own face
//   popup.setUp(ScreenPlaceOf(grid->viewport(), grid->visualRect(index)), Qt::AlignLeft,
//               name.trimmed(), state.fileColor[file], QStringLiteral("Name"));
//   popup.exec();
//   if (popup.TextEditAccepted()) store(popup.text());
#pragma once

#include <QDialog>

#include "popups/popup_checks.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace tarnwick {

// A rectangle on the screen in twips (15 per pixel).
struct PopupPlace {
  int top = 0;
  int left = 0;
  int height = 0;
  int width = 0;
};

class ValuePopup : public QDialog {
  Q_OBJECT

 public:
  QLineEdit* editor() const { return editor_; }
  QPushButton* okButton() const { return ok_; }
  QPushButton* cancelButton() const { return cancel_; }

  QColor rimColor() const;
  QColor textColor() const;
  QColor fillColor() const;

  void setVisible(bool visible) override;

 signals:
  // Enter was pressed while the value could not be accepted; the system beeped.
  void refused();

 protected:
  explicit ValuePopup(QWidget* parent);

  // Places the window, fills it with `fill`, names the text box after the field it edits and
  // gives it `text` with `alignment`. The subclass then runs its check.
  void prepare(const PopupPlace& place, const QColor& fill, const QString& fieldName,
               const QString& text, Qt::Alignment alignment);
  void setEditorInset(int leftTwips, int topTwips, int widthLessTwips, int heightLessTwips);
  void applyVerdict(const PopupVerdict& verdict);
  // The name pop-up draws its rim on a label behind the text box instead of the window.
  void useRimLabel(int insetTwips);
  void finishOpening();

  virtual void runCheck() = 0;
  virtual void takeResult() = 0;

  void keyPressEvent(QKeyEvent* event) override;
  void changeEvent(QEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void tryAccept();
  void setRimColor(const QColor& colour);
  void putCaretAtEnd();
  void layOutInsets();
  // Widens the window, around the side its text is aligned to, until the text fits; it never
  // becomes narrower than the place it was opened over.
  void growToFitText();

  QLineEdit* editor_;
  QPushButton* ok_;
  QPushButton* cancel_;
  QLabel* rimLabel_ = nullptr;
  QRect openedOver_;          // the window's first rectangle, over the cell or box
  QRect editorInset_;         // twips: left, top, and how much narrower and lower than the window
  int rimInset_ = -1;         // twips; -1 while the rim is the window itself
  bool checking_ = false;
  bool wasActive_ = false;
};

class FrmEditorNum : public ValuePopup {
  Q_OBJECT

 public:
  explicit FrmEditorNum(QWidget* parent = nullptr);

  // Opening: place, size, layout and alignment from `params`. Show with exec(); afterwards
  // params() holds result and accepted.
  void setUp(const NumEditParams& params, const QColor& fill, const QString& fieldName);
  const NumEditParams& params() const { return params_; }

 protected:
  void runCheck() override;
  void takeResult() override;

 private:
  NumEditParams params_;
};

class FrmText8Popup : public ValuePopup {
  Q_OBJECT

 public:
  void setUp(const PopupPlace& place, Qt::Alignment alignment, const QString& text,
             const QColor& fill, const QString& fieldName);
  // True when the pop-up closed with Enter; text() is then the accepted text.
  bool TextEditAccepted() const { return textEditAccepted_; }
  QString text() const;
  QString startText() const { return startText_; }

 protected:
  FrmText8Popup(TextPopupKind kind, QWidget* parent);
  void runCheck() override;
  void takeResult() override;

 private:
  TextPopupKind kind_;
  QString startText_;
  bool textEditAccepted_ = false;
};

// The 8-character pop-up of the edit panel.
class FrmEditorText8 : public FrmText8Popup {
  Q_OBJECT
 public:
  explicit FrmEditorText8(QWidget* parent = nullptr);
};

// The 8-character pop-up of the grid cells.
class FrmNameEditor : public FrmText8Popup {
  Q_OBJECT
 public:
  explicit FrmNameEditor(QWidget* parent = nullptr);
};

// The pop-ups' colours for black / blue / red.
QColor ToneColor(PopupTone tone);

// The pop-up's rectangle over `cell`: the cell itself, or, where a compact grid's row is too low
// for a line of text with the rim around it, that much taller around the cell's middle.
QRect FitTextHeight(const QRect& cell, int textHeight);

// A widget-relative rectangle as the screen twips a pop-up is placed at.
PopupPlace ScreenPlaceOf(const QWidget* widget, const QRect& rect);

}  // namespace tarnwick
