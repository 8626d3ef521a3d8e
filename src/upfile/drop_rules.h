// SPDX-License-Identifier: GPL-3.0-or-later
// What a drop on a UP grid does, without widgets: the dragged rows travel as a small payload
// (the program's process, the source file and the IDs in the order the source grid shows them),
// and a drop on a row of the other grid becomes an Insert before that row, an Append below the
// last row, or with Ctrl a Copy over the rows from the drop row down. A file manager's drop
// opens a single .UPS file.
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QUrl>

class QMimeData;
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace tarnwick {

inline constexpr char kRowDragMimeType[] = "application/x-tarnwick-up-rows";

struct RowDrag {
  qint64 process = 0;  // rows of another running copy of the program refer to its own files
  int sourceFile = 0;
  std::vector<int> ids;
};

QByteArray EncodeRowDrag(const RowDrag& drag);
// Anything malformed (short, wrong file, IDs out of range, more than a file can hold) gives none.
std::optional<RowDrag> DecodeRowDrag(const QByteArray& payload);

enum class DropKind { Insert, Append, Copy };

struct DropPlan {
  DropKind kind = DropKind::Append;
  int position = 0;             // Insert: the ID the dragged UPs go in before
  std::vector<int> targetIDs;   // Copy: the IDs overwritten, in the grid's order
  std::string refusal;          // not empty: the drop does nothing and this is shown
};

// `targetRowIDs` are the IDs of the target grid's rows as shown; `dropRow` is the row under the
// pointer, or -1 below the last row.
DropPlan PlanRowDrop(const std::vector<int>& targetRowIDs, int dropRow, std::size_t draggedCount, bool copy);

// The one local .UPS file of a file manager's drop; empty for several files or any other kind.
QString UPSFileOfUrls(const QList<QUrl>& urls);

// What a drag brings to a view of this program: UP rows dragged from one of its own grids (rows
// of another running copy refer to that copy's files and are left out), or one .UPS file.
// Every view that takes rows or files reads a drag with this, so the format lives only here.
struct DragPayload {
  std::optional<RowDrag> rows;
  QString file;
};
DragPayload ReadDragPayload(const QMimeData& data, qint64 thisProcess);

// The payload of rows dragged out of a grid, ready for QDrag.
QMimeData* RowDragMimeData(const RowDrag& rows);

}  // namespace tarnwick
