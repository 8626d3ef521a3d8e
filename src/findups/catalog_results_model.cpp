// SPDX-License-Identifier: GPL-3.0-or-later
#include "findups/catalog_results_model.h"

#include <QCollator>
#include <QDir>
#include <QFileInfo>
#include <QMimeData>
#include <algorithm>
#include <set>

namespace tarnwick {
namespace {

// "disk17/Library.UPS": players keep files of one name in many folders.
QString FileName(const QString& path) {
  const QFileInfo file(path);
  return file.dir().dirName() + QLatin1Char('/') + file.fileName();
}

// Ties keep file and ID order, so a sort never shuffles equal rows.
bool Before(const CatalogHit& a, const CatalogHit& b, int column, const QCollator& collator) {
  int order = 0;
  switch (column) {
    case CatalogResultsModel::kFile: order = collator.compare(FileName(a.path), FileName(b.path)); break;
    case CatalogResultsModel::kID:
    case CatalogResultsModel::kUP: order = a.id - b.id; break;
    case CatalogResultsModel::kName: order = collator.compare(a.name, b.name); break;
    case CatalogResultsModel::kStyle: order = collator.compare(a.style, b.style); break;
    case CatalogResultsModel::kTempo: order = a.tempo - b.tempo; break;
    case CatalogResultsModel::kSong: order = collator.compare(a.song, b.song); break;
    default: break;
  }
  return order < 0;
}

}  // namespace

void CatalogResultsModel::setHits(std::vector<CatalogHit> hits) {
  beginResetModel();
  hits_ = std::move(hits);
  applySort();
  endResetModel();
}

int CatalogResultsModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(hits_.size());
}

int CatalogResultsModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : kColumnCount; }

QVariant CatalogResultsModel::data(const QModelIndex& index, int role) const {
  if (!checkIndex(index, CheckIndexOption::IndexIsValid)) return {};
  const CatalogHit& h = hit(index.row());
  if (role == Qt::ToolTipRole && index.column() == kFile) return h.path;
  if (role == Qt::TextAlignmentRole) {
    const bool number = index.column() == kID || index.column() == kTempo;
    return QVariant::fromValue((number ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter);
  }
  if (role != Qt::DisplayRole) return {};
  switch (index.column()) {
    case kFile: return FileName(h.path);
    case kID: return h.id;
    case kUP: return h.up;
    case kName: return h.name;
    case kStyle: return h.style;
    case kTempo: return h.tempo;
    case kSong: return h.song;
    default: return {};
  }
}

QVariant CatalogResultsModel::headerData(int section, Qt::Orientation orientation, int role) const {
  static const char* const kTitles[kColumnCount] = {"File", "ID", "UP", "Name", "Style", "Tempo", "Song"};
  if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 || section >= kColumnCount)
    return QAbstractTableModel::headerData(section, orientation, role);
  return QString::fromLatin1(kTitles[section]);
}

Qt::ItemFlags CatalogResultsModel::flags(const QModelIndex& index) const {
  if (!index.isValid()) return Qt::NoItemFlags;
  return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsDragEnabled;
}

void CatalogResultsModel::sort(int column, Qt::SortOrder order) {
  sortColumn_ = column;
  sortOrder_ = order;
  emit layoutAboutToBeChanged();
  applySort();
  emit layoutChanged();
}

void CatalogResultsModel::applySort() {
  if (sortColumn_ < 0) return;
  QCollator collator;
  collator.setCaseSensitivity(Qt::CaseInsensitive);
  collator.setNumericMode(true);  // "Piano9" before "Piano10"
  const int column = sortColumn_;
  const bool descending = sortOrder_ == Qt::DescendingOrder;
  std::stable_sort(hits_.begin(), hits_.end(), [&](const CatalogHit& a, const CatalogHit& b) {
    return descending ? Before(b, a, column, collator) : Before(a, b, column, collator);
  });
}

QStringList CatalogResultsModel::mimeTypes() const { return {QString::fromLatin1(kCatalogDragMimeType)}; }

// The selected rows, top to bottom, once each.
QMimeData* CatalogResultsModel::mimeData(const QModelIndexList& indexes) const {
  std::set<int> rows;
  for (const QModelIndex& index : indexes) rows.insert(index.row());
  std::vector<CatalogUP> ups;
  for (const int row : rows) ups.push_back({hit(row).path, hit(row).id});
  if (ups.empty()) return nullptr;
  auto* data = new QMimeData;
  data->setData(QString::fromLatin1(kCatalogDragMimeType), EncodeCatalogDrag(ups));
  return data;
}

}  // namespace tarnwick
