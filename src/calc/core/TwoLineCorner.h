#pragma once

#include "calc/core/PictureGeometry.h"

#include <QList>
#include <QString>

#include <optional>

// The fields of the two lines and circle calculator. Each line is given by a point (X diameter,
// Z) and an angle in degrees; R is the corner radius. The other fields are results, written as
// NC numbers; a result that cannot be computed is blank, so that no old result stays beside the
// new input.
struct TwoLineFields
{
    QString x1, z1, a1;
    QString x2, z2, a2;
    QString r;
    QString xc, zc; // where the lines cross
    QString cx, cz; // centre of the corner arc
    QString t1x, t1z, i1, k1; // tangent point on line 1 and the arc offsets from it
    QString t2x, t2z, i2, k2; // tangent point on line 2 and the arc offsets from it
};

struct Circle
{
    QPointF centre;
    double radius = 0;
};

// What the drawing area shows after a calculation, in its user units: z to the right and -r
// down, so larger diameters are drawn higher.
struct TwoLineDrawing
{
    bool redraw = false; // false: the drawing area is left alone
    PictureScale scale;
    QList<QLineF> lines;
    std::optional<Circle> circle;
    // Why the lines, both given, have no crossing or no corner arc for the radius given; empty
    // when every result asked for was computed.
    QString noResult;
};

// The whole calculation for the fields as they stand. The result fields are blanked first.
// Without line 1 nothing is drawn; with line 1 only, the drawing previews its direction through
// the centre; with both lines the crossing, and with R the corner arc, are computed and drawn to
// scale.
TwoLineDrawing CalcTwoLines(TwoLineFields& fields, double pi);

// The drawing area's extent in user units when nothing has been drawn yet.
inline constexpr double kPictureWidth = 8835;
inline constexpr double kPictureHeight = 4875;
