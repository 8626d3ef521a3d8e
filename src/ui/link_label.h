// SPDX-License-Identifier: GPL-3.0-or-later
// A text link of the About box: blue and underlined while the pointer is on it (or it has the
// keyboard focus), black otherwise; a left click, Space or Enter opens its address.
#pragma once

#include <QLabel>
#include <QUrl>

namespace tarnwick {

class LinkLabel : public QLabel {
  Q_OBJECT

 public:
  LinkLabel(const QString& text, const QUrl& address, const QString& toolTip, QWidget* parent = nullptr);

  QUrl address() const { return address_; }
  bool isHighlighted() const { return highlighted_; }

 signals:
  void opened(const QUrl& address);

 protected:
  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void setHighlighted(bool on);

  QUrl address_;
  bool highlighted_ = false;
};

}  // namespace tarnwick
