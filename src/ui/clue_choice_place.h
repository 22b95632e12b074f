#pragma once
// Where the clue choice list goes: centred on a point beside the clicked
// cell, then held inside the board area. Pure arithmetic on pixels.

#include <QPoint>
#include <QRect>
#include <QSize>

// anchor: the point the list is centred on, taken as a position in the
// list's parent. view: the board image's rectangle in that parent. The left
// limit is applied before the right one and the top before the bottom, so in
// a view smaller than the list the right and bottom limits win. The top keeps
// 10 pixels clear of the panel's edge.
QPoint PlaceClueChoice(QPoint anchor, QSize list, const QRect& view);
