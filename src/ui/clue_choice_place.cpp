#include "ui/clue_choice_place.h"

QPoint PlaceClueChoice(QPoint anchor, QSize list, const QRect& view)
{
    int left = anchor.x() - list.width() / 2;
    int top = anchor.y() - list.height() / 2;
    if (left < 0) left = 0;
    if (left > view.left() + view.width() - list.width()) left = view.left() + view.width() - list.width();
    if (top < 10) top = 10;
    if (top > view.height() - list.height()) top = view.height() - list.height();
    return QPoint(left, top);
}
