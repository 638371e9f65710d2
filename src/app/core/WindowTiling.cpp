#include "app/core/WindowTiling.h"

QList<QRect> TileRects(int count, const QRect& area, Tiling tiling)
{
    QList<QRect> rects;
    if (count <= 0)
        return rects;
    const int total = tiling == Tiling::Horizontal ? area.height() : area.width();
    const int share = total / count;
    for (int i = 0; i < count; ++i) {
        const int start = i * share;
        const int size = i == count - 1 ? total - start : share;
        if (tiling == Tiling::Horizontal)
            rects.append(QRect(area.left(), area.top() + start, area.width(), size));
        else
            rects.append(QRect(area.left() + start, area.top(), size, area.height()));
    }
    return rects;
}
