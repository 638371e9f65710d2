#pragma once

#include <QLineF>
#include <QPointF>
#include <QRectF>
#include <QSizeF>

#include <optional>

// The user coordinate system of a drawing area: the point (left, top) is the upper left corner,
// width and height the extent in user units. Both axes grow as on the screen (down is +y).
struct PictureScale
{
    double left = 0;
    double top = 0;
    double width = 8835;
    double height = 4875;
};

// A user point in pixels of an area of the given size, and back.
QPointF ToPixels(const PictureScale& scale, const QSizeF& area, const QPointF& user);
QPointF ToUser(const PictureScale& scale, const QSizeF& area, const QPointF& pixels);

// The part of a line segment inside a rectangle; nothing when it misses it or is not finite.
std::optional<QLineF> ClipLine(const QLineF& line, const QRectF& rect);
