#include "calc/core/PictureGeometry.h"

#include <cmath>

QPointF ToPixels(const PictureScale& s, const QSizeF& area, const QPointF& user)
{
    return {(user.x() - s.left) * area.width() / s.width,
        (user.y() - s.top) * area.height() / s.height};
}

QPointF ToUser(const PictureScale& s, const QSizeF& area, const QPointF& pixels)
{
    return {s.left + pixels.x() * s.width / area.width(),
        s.top + pixels.y() * s.height / area.height()};
}

std::optional<QLineF> ClipLine(const QLineF& line, const QRectF& rect)
{
    // Liang-Barsky: the segment is p1 + t (p2 - p1), 0 <= t <= 1.
    const double x0 = line.x1(), y0 = line.y1();
    const double dx = line.dx(), dy = line.dy();
    if (!std::isfinite(x0) || !std::isfinite(y0) || !std::isfinite(dx) || !std::isfinite(dy))
        return std::nullopt;
    double t0 = 0, t1 = 1;
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {x0 - rect.left(), rect.right() - x0, y0 - rect.top(), rect.bottom() - y0};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0) {
            if (q[i] < 0)
                return std::nullopt;
            continue;
        }
        const double t = q[i] / p[i];
        if (p[i] < 0)
            t0 = std::max(t0, t);
        else
            t1 = std::min(t1, t);
        if (t0 > t1)
            return std::nullopt;
    }
    return QLineF(x0 + t0 * dx, y0 + t0 * dy, x0 + t1 * dx, y0 + t1 * dy);
}
