// The small widgets of a Disk Link side: its grid and its two text filter boxes.
#pragma once

#include <QLineEdit>
#include <QTableView>

namespace tarnwick {

// Whole rows in one contiguous block, no header of its own (the header buttons sit above it),
// at most 30 rows high with a scroll bar from 30 rows on.
class DLGridView : public QTableView {
  Q_OBJECT

 public:
  static constexpr int kPageRows = 30;

  explicit DLGridView(int side, QWidget* parent = nullptr);

  void fitToRows(int rows);
  int rowHeight() const;
  void scrollToTopRow(int row);
  int firstVisibleRow() const;

 signals:
  void mousePressedOnRow(int row, Qt::MouseButton button);

 protected:
  void mousePressEvent(QMouseEvent* event) override;
};

// A text filter: Enter and Escape are swallowed, every other key is typed. It shows whether it
// holds text while it does not have the focus (yellow) and is white and bold while it has it.
class DLFilterBox : public QLineEdit {
  Q_OBJECT

 public:
  DLFilterBox(const QString& objectName, const QString& toolTip, QWidget* parent = nullptr);

  // Sets the text without asking for a refill (Clear Filter).
  void setTextQuietly(const QString& text);
  void showRestingLook();

 signals:
  void refillRequested();
  void focusChanged(bool hasFocus);

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;

 private:
  void setLook(const QColor& background, bool bold);
  bool quiet_ = false;
};

}  // namespace tarnwick
