#pragma once

#include <QString>

// The fields of the line and angle calculator as the user typed them: a start point (X1, Z1), the
// angle A between the line and the Z axis in degrees (positive when the diameter grows with Z),
// and the end point (X2, Z2). X values are diameters.
struct LineAngleFields
{
    QString x1;
    QString z1;
    QString angle;
    QString x2;
    QString z2;

    bool operator==(const LineAngleFields&) const = default;
};

// X2 has been left: with X1, Z1, A and X2 filled in, Z2 is completed. A line along Z (an angle of
// 0 or 180) gives no Z2: the field stays as it was.
void CompleteFromX2(LineAngleFields& fields);

// Z2 has been left: with X1, Z1 and Z2 filled in, the angle is computed from both points when A
// is empty, otherwise X2 is computed from the angle. What cannot be computed stays as it was.
void CompleteFromZ2(LineAngleFields& fields);
