// SPDX-License-Identifier: GPL-3.0-or-later
// The pictures of the grid header buttons, drawn when needed from the header text and a sort
// mark: the normal picture, the one marked "sorted ascending" and the one marked "sorted
// descending" of every column (the HeadSort_Norm / HeadSort_Down / HeadSort_Up sets).
#pragma once

#include <QFont>
#include <QPixmap>
#include <QRect>
#include <QString>

class QPainter;
class QRect;

namespace tarnwick {

enum class SortMark { None, Ascending, Descending };

// Where the parts of a header face go. The sort mark sits in a strip along the top edge, above
// the caption, so that a narrow column keeps its whole caption beside the mark; a caption that
// is still too wide is set in a smaller type, and elided only below the smallest readable size.
struct HeaderFaceLayout {
  QRect textArea;
  QRect markArea;  // empty when the column is not sorted
  QFont font;
  QString shownText;
};
HeaderFaceLayout LayoutHeaderFace(const QRect& area, const QString& text, SortMark mark, const QFont& font);

// Draws a header face over `area`: a key face, the caption and, for a sorted column, a small
// triangle pointing up for ascending, down for descending.
void PaintHeaderPicture(QPainter& painter, const QRect& area, const QString& text, SortMark mark);

QPixmap HeaderPicture(const QString& text, SortMark mark, QSize size, double devicePixelRatio = 1.0);

}  // namespace tarnwick
