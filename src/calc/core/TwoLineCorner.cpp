#include "calc/core/TwoLineCorner.h"

#include "common/Basic.h"
#include "common/FormatNc.h"

#include <algorithm>
#include <cmath>

namespace {
// Lines whose directions differ by less than this (in radians) are parallel: 0 and 180 degrees
// leave 4e-12 with the program's value of pi.
constexpr double kParallel = 1e-9;
// The extent shown around a drawing whose points all coincide.
constexpr double kNominalSpan = 10;
// Closer than this (in millimetres) a given point is the crossing.
constexpr double kSamePoint = 1e-6;

const QString kParallelLines = QStringLiteral(
    "Line 1 and line 2 are parallel: they never cross, so there is no crossing point and no "
    "corner arc. Change an angle.");
const QString kTooFar = QStringLiteral(
    "Line 1 and line 2 cross too far away to compute. Change a point or an angle.");
const QString kNoArc = QStringLiteral(
    "No corner arc of this radius R can be computed between the two lines. Change R or an "
    "angle.");

struct Line
{
    double x = 0; // diameter
    double z = 0;
    double a = 0; // radians
};

struct Crossing
{
    double x = 0;
    double z = 0;
};

struct Arc
{
    double cx = 0, cz = 0, t1x = 0, t1z = 0, t2x = 0, t2z = 0;
};

double radians(const QString& degrees, double pi)
{
    double value = Val(degrees);
    if (value > 180)
        value -= 360;
    return value * 2 * pi / 360;
}

bool finite(std::initializer_list<double> values)
{
    return std::all_of(values.begin(), values.end(), [](double v) { return std::isfinite(v); });
}

// A little is added before the cut to three decimals, so that 35.9999999 from the arithmetic
// becomes 36. A value that overflowed leaves the field blank.
void writeResult(QString& field, double value)
{
    if (std::isfinite(value + 0.0001))
        field = FormatNc(value + 0.0001);
}

std::optional<Crossing> crossing(const Line& l1, const Line& l2)
{
    if (std::fabs(std::sin(l1.a - l2.a)) < kParallel)
        return std::nullopt;
    const double t1 = std::tan(l1.a);
    const double t2 = std::tan(l2.a);
    // Zc = ((X2 - X1) / 2 + Z1 t1 - Z2 t2) / (t1 - t2), taken from Z1 so that a steep line's large
    // tangent does not swallow the digits; X from the flatter line for the same reason.
    const double z = l1.z + ((l2.x - l1.x) / 2 - (l2.z - l1.z) * t2) / (t1 - t2);
    const double x
        = std::fabs(t1) <= std::fabs(t2) ? l1.x + 2 * (z - l1.z) * t1 : l2.x + 2 * (z - l2.z) * t2;
    if (!finite({x, z}))
        return std::nullopt;
    return Crossing {x, z};
}

std::optional<Arc> cornerArc(
    const Line& l1, const Line& l2, const Crossing& c, double radius, double pi)
{
    const double h = (l1.a - l2.a) / 2;
    const double tanH = std::tan(h);
    if (tanH == 0)
        return std::nullopt;
    // Distance from the crossing to each tangent point, and to the centre.
    const double d = std::fabs(radius / tanH);
    const double l = std::sqrt(d * d + radius * radius);
    // Each tangent point lies back along its line from the crossing, against the direction
    // (cos a, sin a) in which the line runs towards the crossing.
    Arc arc;
    arc.t1x = c.x - 2 * d * std::sin(pi - l1.a);
    arc.t1z = c.z + d * std::cos(pi - l1.a);
    arc.t2x = c.x - 2 * d * std::sin(l2.a);
    arc.t2z = c.z - d * std::cos(l2.a);
    // The centre lies on the bisector between the two tangent points' directions. (The angle
    // pi - a1 + h names the same direction only while the angles differ by less than 180
    // degrees; beyond that it points into the opposite corner.)
    const double bz = -(std::cos(l1.a) + std::cos(l2.a));
    const double br = -(std::sin(l1.a) + std::sin(l2.a));
    const double length = std::hypot(bz, br);
    if (length == 0)
        return std::nullopt;
    arc.cz = c.z + l * bz / length;
    arc.cx = c.x + 2 * l * br / length;
    if (!finite({arc.cx, arc.cz, arc.t1x, arc.t1z, arc.t2x, arc.t2z}))
        return std::nullopt;
    return arc;
}

// The scale that shows the given points with a margin, keeping the area's proportions.
std::optional<PictureScale> fitScale(
    std::initializer_list<double> zs, std::initializer_list<double> rs)
{
    double zmin = std::min(zs), zmax = std::max(zs);
    double rmin = std::min(rs), rmax = std::max(rs);
    double zspan = zmax - zmin, rspan = rmax - rmin;
    if (zspan == 0 && rspan == 0) {
        rmin -= kNominalSpan / 2;
        rmax += kNominalSpan / 2;
        rspan = kNominalSpan;
    }
    PictureScale s;
    if (zspan > rspan * kPictureWidth / kPictureHeight) {
        s.width = 1.2 * zspan;
        s.height = 1.2 * zspan * kPictureHeight / kPictureWidth;
        s.top = -rmax - 0.1 * zspan;
    } else {
        s.height = 1.2 * rspan;
        s.width = 1.2 * rspan * kPictureWidth / kPictureHeight;
        s.top = -rmax - 0.1 * rspan;
    }
    s.left = zmin - (s.width - zspan) / 2;
    if (!finite({s.left, s.top, s.width, s.height}) || s.width <= 0 || s.height <= 0)
        return std::nullopt;
    return s;
}

// A line through its given point, one picture width to either side.
QLineF throughPoint(const Line& l, double width)
{
    const double dz = std::cos(l.a) * width;
    const double dr = std::sin(l.a) * width;
    return QLineF(l.z - dz, -(l.x / 2 - dr), l.z + dz, -(l.x / 2 + dr));
}

// A line from its given point on beyond the crossing, one picture width long. A point that is
// the crossing itself shows no way to go: the line is drawn through it both ways.
QLineF towardsCrossing(const Line& l, const Crossing& c, double width)
{
    if (std::fabs(c.z - l.z) < kSamePoint && std::fabs(c.x - l.x) < kSamePoint)
        return throughPoint(l, width);
    const double dz = std::fabs(std::cos(l.a) * width);
    const double dr = std::fabs(std::sin(l.a) * width);
    const double z = c.z > l.z ? l.z + dz : l.z - dz;
    const double r = c.x > l.x ? l.x / 2 + dr : l.x / 2 - dr;
    return QLineF(l.z, -l.x / 2, z, -r);
}

} // namespace

TwoLineDrawing CalcTwoLines(TwoLineFields& f, double pi)
{
    for (QString* result :
        {&f.xc, &f.zc, &f.cx, &f.cz, &f.t1x, &f.t1z, &f.i1, &f.k1, &f.t2x, &f.t2z, &f.i2, &f.k2})
        result->clear();
    TwoLineDrawing drawing;
    if (f.x1.isEmpty() || f.z1.isEmpty() || f.a1.isEmpty())
        return drawing;
    drawing.redraw = true;
    const Line l1 {Val(f.x1), Val(f.z1), radians(f.a1, pi)};

    if (f.x2.isEmpty() || f.z2.isEmpty() || f.a2.isEmpty()) {
        // Only the direction of line 1, through the centre of the area.
        drawing.scale = {-kPictureWidth / 2, -kPictureHeight / 2, kPictureWidth, kPictureHeight};
        const double dz = 10000 * std::cos(l1.a), dr = 10000 * std::sin(l1.a);
        drawing.lines.append(QLineF(dz, -dr, -dz, dr));
        return drawing;
    }
    const Line l2 {Val(f.x2), Val(f.z2), radians(f.a2, pi)};

    const std::optional<Crossing> c = crossing(l1, l2);
    if (!c) {
        // Parallel lines: no crossing to compute; both lines are shown through their points.
        if (const auto scale = fitScale({l1.z, l2.z}, {l1.x / 2, l2.x / 2})) {
            drawing.scale = *scale;
            drawing.lines = {throughPoint(l1, scale->width), throughPoint(l2, scale->width)};
        }
        drawing.noResult = std::fabs(std::sin(l1.a - l2.a)) < kParallel ? kParallelLines : kTooFar;
        return drawing;
    }
    writeResult(f.xc, c->x);
    writeResult(f.zc, c->z);

    const auto scale = fitScale({l1.z, l2.z, c->z}, {l1.x / 2, l2.x / 2, c->x / 2});
    if (scale) {
        drawing.scale = *scale;
        drawing.lines
            = {towardsCrossing(l1, *c, scale->width), towardsCrossing(l2, *c, scale->width)};
    }

    if (f.r.isEmpty())
        return drawing;
    const double radius = Val(f.r);
    const std::optional<Arc> arc = cornerArc(l1, l2, *c, radius, pi);
    if (!arc) {
        drawing.noResult = kNoArc;
        return drawing;
    }
    writeResult(f.cx, arc->cx);
    writeResult(f.cz, arc->cz);
    writeResult(f.t1x, arc->t1x);
    writeResult(f.t1z, arc->t1z);
    writeResult(f.i1, (arc->cx - arc->t1x) / 2);
    writeResult(f.k1, arc->cz - arc->t1z);
    writeResult(f.t2x, arc->t2x);
    writeResult(f.t2z, arc->t2z);
    writeResult(f.i2, (arc->cx - arc->t2x) / 2);
    writeResult(f.k2, arc->cz - arc->t2z);
    if (scale)
        drawing.circle = Circle {QPointF(arc->cz, -arc->cx / 2), std::fabs(radius)};
    return drawing;
}
