#pragma once

#include <QList>
#include <QRect>

enum class Tiling { Horizontal, Vertical };

// Tiles count windows over the area: Horizontal stacks them one above the other, each as wide as
// the area; Vertical sets them side by side, each as high as the area. The last window takes what
// the division leaves over, so the area is covered without gaps.
QList<QRect> TileRects(int count, const QRect& area, Tiling tiling);
