#pragma once

#include <QString>

// Every number written into NC text: floored to three decimals (toward minus infinity), written
// without a leading blank, with a leading zero and without trailing zeros. The floor acts on the
// decimal number the user typed, not on its binary neighbour: 2.01 stays 2.01, 9349242.415 stays
// 9349242.415. The floored value is stored back into v. A number with more than eight digits
// before the point, infinity or NaN is the overflow run-time error.
QString FormatNc(double& v);
QString FormatNc(const double& v);

// A value floored to a whole number and written with at least two digits (5 gives "05", -5 gives
// "-05"); the floored value is stored back into v. Out of range as FormatNc.
QString FormatTwoDigit(double& v);

// The floor of a value to the given number of decimals, done on its decimal digits. A number
// with more than fourteen digits before the point, infinity or NaN is the overflow run-time error.
double DecimalFloor(double v, int decimals);

// The spindle speed for a cutting speed and a reference diameter:
// Int(1000 * V / 3.14 / d / 10) * 10. A diameter of 0 is the division-by-zero run-time error, a
// speed out of FormatNc's range the overflow run-time error.
double SpindleSpeed(double cuttingSpeed, double diameter);
