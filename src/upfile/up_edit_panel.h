// SPDX-License-Identifier: GPL-3.0-or-later
// The UP edit panel (`fraUPEdit`): one UP in detail, with its identity, style, song and tempo in
// text boxes and its sixteen parts in the part table and the tone table. The panel only builds
// and fills its controls; frmUPFile opens, closes and places it and runs the field edits.
#pragma once

#include <QFrame>
#include <array>

#include "lists/name_lists.h"
#include "updata/up_record.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QTableView;

namespace tarnwick {

class PartTableModel;
class ToneTableModel;

// The four fields a double-click edits.
enum class PanelField { Name, Style, Song, Tempo };

class UPEditPanel : public QFrame {
  Q_OBJECT

 public:
  UPEditPanel(const NameTables& names, QWidget* parent = nullptr);

  // Fills the boxes and tables for UP `id` (null `up`: everything empty).
  void showUP(int id, const UPRecord* up);

  QLineEdit* box(PanelField field) const { return fieldBoxes_[static_cast<std::size_t>(field)]; }
  QLineEdit* styleSourceBox() const { return styleSource_; }
  QPushButton* closeButton() const { return close_; }
  QTableView* partTable() const { return partTable_; }
  QTableView* toneTable() const { return toneTable_; }

 signals:
  void fieldDoubleClicked(PanelField field);
  void closeRequested();

 protected:
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QLineEdit* addBox(QWidget* host, const char* name, const char* toolTip, const char* labelName,
                    const QString& caption, const QString& widest);
  QWidget* buildFieldRows();
  QTableView* buildPartTable();
  QTableView* buildToneTable();

  std::array<QLineEdit*, 4> fieldBoxes_{};
  QLineEdit* id_ = nullptr;
  QLineEdit* bank_ = nullptr;
  QLineEdit* styleSource_ = nullptr;
  QLineEdit* songSource_ = nullptr;
  QPushButton* close_ = nullptr;
  QTableView* partTable_ = nullptr;
  QTableView* toneTable_ = nullptr;
  PartTableModel* partModel_ = nullptr;
  ToneTableModel* toneModel_ = nullptr;
};

}  // namespace tarnwick
