#include "calc/core/LineAngleCalc.h"

#include "common/Basic.h"
#include "common/FormatNc.h"

#include <cmath>

namespace {
// The conversions this calculator has always used; its results depend on these digits.
constexpr double kRadiansPerDegree = 6.2831852 / 360;
constexpr double kDegreesPerRadian = 180 / 3.1415926;
// A line closer than this to the Z axis (or to the X axis) counts as parallel to it: with the
// constants above, 180 degrees leaves a tangent of 5e-8 instead of 0.
constexpr double kParallel = 1e-7;

bool filled(std::initializer_list<const QString*> texts)
{
    for (const QString* t : texts)
        if (t->isEmpty())
            return false;
    return true;
}

// The value written into a field: a little is added before the cut to three decimals, so that
// 9.9999999 from the arithmetic becomes 10.
void writeResult(QString& field, double value)
{
    if (std::isfinite(value))
        field = FormatNc(value + 0.0001);
}
} // namespace

void CompleteFromX2(LineAngleFields& f)
{
    if (!filled({&f.x1, &f.z1, &f.angle, &f.x2}))
        return;
    const double x1 = Val(f.x1);
    const double tangent = std::tan(Val(f.angle) * kRadiansPerDegree);
    const double radial = (Val(f.x2) - x1) / 2;
    if (std::fabs(tangent) < kParallel)
        return;
    writeResult(f.z2, Val(f.z1) + radial / tangent);
}

void CompleteFromZ2(LineAngleFields& f)
{
    if (!filled({&f.x1, &f.z1, &f.z2}))
        return;
    const double x1 = Val(f.x1);
    const double z1 = Val(f.z1);
    const double z2 = Val(f.z2);
    if (f.angle.isEmpty()) {
        if (f.x2.isEmpty() || z2 == z1)
            return;
        const double x2 = Val(f.x2);
        double angle = std::atan((x2 - x1) / 2 / (z2 - z1)) * kDegreesPerRadian + 0.0001;
        if (z2 < z1 && x2 > x1)
            angle += 180;
        else if (z2 < z1 && x2 < x1)
            angle -= 180;
        else if (z2 < z1)
            angle = 180.0001; // straight back along Z
        if (std::isfinite(angle))
            f.angle = FormatNc(angle);
        return;
    }
    const double a = Val(f.angle) * kRadiansPerDegree;
    // A line along X never reaches another Z.
    if (std::fabs(std::cos(a)) < kParallel && z2 != z1)
        return;
    writeResult(f.x2, x1 + (z2 - z1) * std::tan(a) * 2);
}
