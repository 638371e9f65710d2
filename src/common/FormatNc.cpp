#include "common/FormatNc.h"

#include "common/Basic.h"
#include "common/RuntimeError.h"

#include <algorithm>
#include <cmath>

namespace {
// Fifteen significant digits of a double are exact decimal digits: the integer digits take their
// share and at most nine decimals the rest. Nine decimals hold every number typed into a dialog
// exactly, and drop the binary noise that arithmetic leaves in the last bits
// (16 + 0.1 = 16.100000000000001).
constexpr int kExactDigits = 15;
constexpr int kSignificantDecimals = 9;
// With fifteen integer digits no decimal is exact any more.
constexpr double kExactLimit = 1e14;
// An NC word holds at most eight digits before the point.
constexpr double kNcLimit = 1e8;

double NcNumber(double v)
{
    if (!(std::fabs(v) < kNcLimit))
        throw RuntimeError(errOverflow);
    return v;
}
} // namespace

double DecimalFloor(double v, int decimals)
{
    if (!(std::fabs(v) < kExactLimit))
        throw RuntimeError(errOverflow);
    const int integerDigits = QString::number(std::trunc(std::fabs(v)), 'f', 0).size();
    const QString text
        = QString::number(v, 'f', std::min(kSignificantDecimals, kExactDigits - integerDigits));
    const qsizetype point = text.indexOf(u'.');
    const QString kept = text.left(decimals > 0 ? point + 1 + decimals : point);
    bool droppedDigits = false;
    for (qsizetype i = point + 1 + decimals; i < text.size(); ++i)
        droppedDigits = droppedDigits || text[i] != u'0';
    double floored = kept.toDouble();
    if (droppedDigits && v < 0)
        floored -= std::pow(10.0, -decimals);
    // Round away the representation error of the subtraction.
    return QString::number(floored, 'f', decimals).toDouble();
}

QString FormatNc(double& v)
{
    v = NcNumber(DecimalFloor(v, 3));
    return NumberText(v);
}

QString FormatNc(const double& v)
{
    double copy = v;
    return FormatNc(copy);
}

QString FormatTwoDigit(double& v)
{
    v = NcNumber(DecimalFloor(v, 0));
    const QString digits = NumberText(std::fabs(v)).rightJustified(2, u'0');
    return v < 0 ? QLatin1Char('-') + digits : digits;
}

double SpindleSpeed(double cuttingSpeed, double diameter)
{
    const double raw = Divide(Divide(1000 * cuttingSpeed / 3.14, diameter), 10);
    return NcNumber(DecimalFloor(raw, 0) * 10);
}
