// The number rules under the fuzzer. A number either becomes plain decimal text or is refused
// with a run-time error, and FormatNc floors every number of up to eight integer digits exactly
// as the digits typed say.
#include "FuzzBytes.h"

#include "common/Basic.h"
#include "common/FormatNc.h"
#include "common/RuntimeError.h"

#include <cmath>

namespace {
void checkPlain(const QString& text)
{
    static const QRegularExpression plain(QStringLiteral("^-?[0-9]+(\\.[0-9]*[1-9])?$"));
    if (!plain.match(text).hasMatch() || text == u"-0")
        FuzzFailure("not a plain number", text);
}

// A rule either refuses with overflow or division by zero, or gives a plain number.
template<typename Rule> void refusedOrPlain(Rule rule)
{
    try {
        checkPlain(rule());
    } catch (const RuntimeError& e) {
        if (e.number() != errOverflow && e.number() != errDivisionByZero)
            FuzzFailure("unexpected run-time error", QString::number(e.number()));
    }
}

QString decimals(int64_t value, int places)
{
    const bool negative = value < 0;
    const uint64_t magnitude = negative ? uint64_t(0) - uint64_t(value) : uint64_t(value);
    uint64_t unit = 1;
    for (int i = 0; i < places; ++i)
        unit *= 10;
    QString text = QString::number(magnitude / unit);
    QString fraction = QString::number(magnitude % unit).rightJustified(places, u'0');
    while (fraction.endsWith(u'0'))
        fraction.chop(1);
    if (!fraction.isEmpty())
        text += u'.' + fraction;
    return negative && text != u"0" ? u'-' + text : text;
}

// A number typed with up to eight integer digits and six decimals; FormatNc writes its floor to
// three decimals, worked out here on the digits.
void checkExact(FuzzBytes& b)
{
    const int64_t magnitude = int64_t(b.take(6) % 100000000000000);
    const int64_t micros = b.flag() ? -magnitude : magnitude;
    const QString typed = decimals(micros, 6);
    const int64_t thousandths = micros >= 0 ? micros / 1000 : -((-micros + 999) / 1000);
    double v = typed.toDouble();
    try {
        const QString text = FormatNc(v);
        if (text != decimals(thousandths, 3) || v != text.toDouble()
            || thousandths <= -100000000000)
            FuzzFailure("FormatNc not exact", typed + QStringLiteral(" -> ") + text);
    } catch (const RuntimeError& e) {
        if (e.number() != errOverflow || thousandths > -100000000000)
            FuzzFailure("FormatNc refused", typed);
    }
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzBytes b(data, size);
    checkExact(b);
    const double v = b.raw();
    refusedOrPlain([&] { return NumberText(v); });
    refusedOrPlain([&] {
        double w = v;
        const QString text = FormatNc(w);
        if (w != text.toDouble() || std::fabs(w) >= 1e8)
            FuzzFailure("FormatNc stored back", text);
        return text;
    });
    refusedOrPlain([&] {
        double w = v;
        return FormatTwoDigit(w);
    });
    refusedOrPlain([&] { return NumberText(DecimalFloor(v, int(b.take(1) % 10))); });
    const double speed = b.number(), diameter = b.number();
    refusedOrPlain([&] { return NumberText(SpindleSpeed(speed, diameter)); });
    const QString typed = b.text();
    refusedOrPlain([&] { return NumberText(Val(typed)); });
    refusedOrPlain([&] { return FormatNc(Val(typed)); });
    return 0;
}
