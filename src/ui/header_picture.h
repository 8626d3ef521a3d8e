// The pictures of the grid header buttons, drawn when needed from the header text and a sort
// mark: the normal picture, the one marked "sorted ascending" and the one marked "sorted
// descending" of every column (the HeadSort_Norm / HeadSort_Down / HeadSort_Up sets).
#pragma once

#include <QPixmap>
#include <QString>

class QPainter;
class QRect;

namespace tarnwick {

enum class SortMark { None, Ascending, Descending };

// Draws a header face over `area`: a key face, the text (elided to fit) and, for a sorted
// column, a small triangle at the right edge pointing up for ascending, down for descending.
void PaintHeaderPicture(QPainter& painter, const QRect& area, const QString& text, SortMark mark);

QPixmap HeaderPicture(const QString& text, SortMark mark, QSize size, double devicePixelRatio = 1.0);

}  // namespace tarnwick
