// SPDX-License-Identifier: GPL-3.0-or-later
// The results table of the Find UPs window: File, ID, UP, Name, Style, Tempo, Song, sortable by
// any column; selected rows drag out as catalog UPs that a UP grid takes.
#pragma once

#include <QAbstractTableModel>
#include <vector>

#include "catalog/catalog_search.h"
#include "catalog/result_drag.h"

namespace tarnwick {

class CatalogResultsModel : public QAbstractTableModel {
  Q_OBJECT

 public:
  enum Column { kFile, kID, kUP, kName, kStyle, kTempo, kSong, kColumnCount };

  using QAbstractTableModel::QAbstractTableModel;

  void setHits(std::vector<CatalogHit> hits);
  const CatalogHit& hit(int row) const { return hits_[static_cast<std::size_t>(row)]; }

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;
  void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;
  QStringList mimeTypes() const override;
  QMimeData* mimeData(const QModelIndexList& indexes) const override;
  Qt::DropActions supportedDragActions() const override { return Qt::CopyAction; }

 private:
  void applySort();

  std::vector<CatalogHit> hits_;
  int sortColumn_ = -1;
  Qt::SortOrder sortOrder_ = Qt::AscendingOrder;
};

}  // namespace tarnwick
