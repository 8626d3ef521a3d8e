// SPDX-License-Identifier: GPL-3.0-or-later
// The set list as a table model: texts computed once per change, the current entry in bold, the
// missing ones in red, the Note column editable. Rows dragged within the table move; rows
// dragged from a UP grid are added where they are dropped. Every change goes to the set list,
// so each can be undone.
#pragma once

#include <QAbstractTableModel>
#include <vector>

#include "stage/stage_rows.h"

namespace tarnwick {

class StageSetList;

inline constexpr char kStageRowsMimeType[] = "application/x-tarnwick-stage-rows";

class StageModel : public QAbstractTableModel {
  Q_OBJECT

 public:
  explicit StageModel(StageSetList& list, QObject* parent = nullptr);

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;
  bool setData(const QModelIndex& index, const QVariant& value, int role) override;

  Qt::DropActions supportedDropActions() const override { return Qt::MoveAction | Qt::CopyAction; }
  QStringList mimeTypes() const override;
  QMimeData* mimeData(const QModelIndexList& indexes) const override;
  bool canDropMimeData(const QMimeData* data, Qt::DropAction action, int row, int column,
                       const QModelIndex& parent) const override;
  bool dropMimeData(const QMimeData* data, Qt::DropAction action, int row, int column,
                    const QModelIndex& parent) override;

  const StageRow& rowAt(int row) const { return rows_[static_cast<std::size_t>(row)]; }
  int currentRow() const { return current_; }
  void setCurrentRow(int row);
  // Missing entries in a red that reads on black.
  void setDark(bool dark);

 signals:
  // A drop could not be done; the text says why.
  void dropRefused(const QString& why);

 private:
  void rebuild();

  StageSetList& list_;
  std::vector<StageRow> rows_;
  int current_ = -1;
  bool dark_ = false;
};

}  // namespace tarnwick
