// The path reader under the fuzzer: a program as raw text, or put together from the words of
// the dialect with numbers of every kind, read with settings from the fuzzer's bytes. It never
// crashes and never throws; every point, length and time is a finite number, each tool's share is
// part of the total, every element and line not drawn belongs to a line of the text, and the
// summary and the picture hold no odd number.
#include "FuzzBytes.h"

#include "pathview/core/PathModel.h"

#include <cmath>

namespace {

const char* const kWords[] = {"G00", "G01", "G02", "G03", "G04", "G40", "G41", "G42", "G50", "G71",
    "G72", "G73", "G74", "G80", "G81", "G82", "G85 NAP1", "G87 NAP1", "G90", "G91", "G94", "G95",
    "G96", "G97", "G101", "G126", "G127", "G136", "G138", "G174", "G178", "G180", "G181", "G183",
    "G21 HP=", "X", "Z", "U", "W", "A", "R", "I", "K", "D", "H", "L", "E", "Q", "C", "Y", "F",
    "F=SB*", "S", "SB=", "T", "TL=", "TG=", "OG=", "NT", "NAP1", "N000", "NOEX VCHKX=", " VCHKZ=",
    " VCHKD=", " VCHKL=", " VTSDA=", " VTSDB=", " VTSL=", " VWKR=", "PS RC,[", ",", "],[", "]",
    ",0", "OUGC", "NRTS RTS", "CALL OUGC", "(", ")", "\r\n", "\n", "\r", " ", "\t", "$", "-",
    "IF["};

QString numberText(FuzzBytes& b)
{
    const double v = b.number();
    switch (b.take(1) % 4) {
    case 0:
        return QString::number(v, 'f', int(b.take(1) % 8));
    case 1:
        return QString::number(qint64(std::fmod(std::isfinite(v) ? v : 0, 1e6)));
    case 2:
        return QString::number(v, 'g', 17);
    default:
        return QString::number(int(b.take(1) % 200) - 100);
    }
}

QString program(FuzzBytes& b, size_t size)
{
    QString text;
    for (size_t i = 0; i < size; ++i) {
        const uint64_t pick = b.take(1);
        if (pick < 40)
            text += numberText(b);
        else
            text += QLatin1String(kWords[pick % std::size(kWords)]);
    }
    return text;
}

double bounded(FuzzBytes& b, double high)
{
    const double v = b.number();
    return std::isfinite(v) ? std::fmod(std::abs(v), high) : high / 2;
}

void check(bool ok, const char* what, const QString& text)
{
    if (!ok)
        FuzzFailure(what, text);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size > 8192)
        return 0;
    FuzzBytes b(data, size);
    path::PathSettings s;
    if (b.flag()) {
        s.rapidMmPerMin = 1 + bounded(b, 100000);
        s.toolChangeSeconds = bounded(b, 100);
        s.homeX = bounded(b, 2000) - 1000;
        s.homeZ = bounded(b, 2000) - 1000;
        s.maxSpeed = bounded(b, 10000);
    }
    QString text;
    if (b.flag()) {
        text = program(b, size);
    } else {
        for (size_t i = 0; i < size; ++i)
            text += QChar(char16_t(b.take(1)));
    }
    const path::PathResult r = path::ReadPath(text, s);
    const int lines = int(text.count(u'\n') + text.count(u'\r')) + 1;

    for (const path::PathElement& e : r.elements) {
        check(!e.points.isEmpty(), "element without points", text);
        check(e.line >= 0 && e.line < lines, "element outside the text", text);
        check(e.tool >= -1 && e.tool < r.tools.size(), "element of no tool", text);
        for (const QPointF& p : e.points)
            check(std::isfinite(p.x()) && std::isfinite(p.y()), "point not finite", text);
    }
    for (const path::StockShape& st : r.stock)
        for (const QPointF& p : st.outline)
            check(std::isfinite(p.x()) && std::isfinite(p.y()), "stock not finite", text);
    for (const path::NotDrawn& n : r.notDrawn) {
        check(n.line >= 0 && n.line < lines, "line not drawn outside the text", text);
        check(!n.reason.isEmpty(), "line not drawn without a reason", text);
    }
    double feed = 0, rapid = 0, seconds = 0;
    for (const path::ToolTotals& t : r.tools) {
        for (double v : {t.feedLength, t.rapidLength, t.seconds})
            check(std::isfinite(v) && v >= 0, "tool's total not a length or time", text);
        feed += t.feedLength;
        rapid += t.rapidLength;
        seconds += t.seconds;
    }
    const path::ToolTotals& total = r.total;
    for (double v : {total.feedLength, total.rapidLength, total.seconds})
        check(std::isfinite(v) && v >= 0, "total not a length or time", text);
    check(feed <= total.feedLength * (1 + 1e-9) + 1e-6
            && rapid <= total.rapidLength * (1 + 1e-9) + 1e-6
            && seconds <= total.seconds * (1 + 1e-9) + 1e-6,
        "the tools' sum beyond the total", text);

    const QString summary = path::PlotSummary(r);
    check(summary.count(u'\n') == r.tools.size() + 2, "summary lines", summary);
    CheckNoOddNumber(summary);
    CheckNoOddNumber(path::PathSvg(r));
    return 0;
}
