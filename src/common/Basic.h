#pragma once

#include <QString>

// The number conversions every text tool and generator shares.

// The leading number of a text: blanks are skipped, then an optional sign, digits and one
// decimal point (and an exponent) are taken as far as they go; 0 when there is none.
double Val(const QString& text);

// Rounds toward minus infinity.
double Int(double value);

// Truncates toward zero.
double Fix(double value);

// The shortest decimal text of a number (at most 15 significant digits), never an exponent.
// Infinity and NaN are the overflow run-time error.
QString NumberText(double value);

// NumberText with a leading blank when the number is not negative.
QString Str(double value);

// Strict conversion of a whole text to a number, blanks around it allowed; false when the text
// is not a number.
bool ParseNumber(const QString& text, double* value);

// Division that reports a zero divisor as the division-by-zero run-time error and a quotient
// beyond the doubles (1e300 / 1e-300) as the overflow run-time error.
double Divide(double numerator, double denominator);
