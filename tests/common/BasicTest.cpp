#include "TestSupport.h"

#include "common/Basic.h"
#include "common/ErrorMessages.h"
#include "common/FormatNc.h"
#include "common/NumberRules.h"
#include "common/Variant.h"

namespace {
// A number as a row writes it: plain, or two numbers joined by " + ", " - " or " * ", so that a
// case keeps the binary neighbour the arithmetic leaves behind.
double number(const QString& text)
{
    for (const char* op : {" + ", " - ", " * "}) {
        if (const qsizetype at = text.indexOf(QLatin1String(op)); at > 0) {
            const double a = number(text.left(at)), b = number(text.mid(at + 3));
            return op[1] == u'+' ? a + b : op[1] == u'-' ? a - b : a * b;
        }
    }
    return text.toDouble();
}

QString shown(double value)
{
    return QString::number(value + 0.0, 'g', 12);
}

Variant variant(const QStringList& in)
{
    return in[0] == u"text"  ? Variant(in[1])
        : in[0] == u"bool"   ? Variant(in[1] == u"true")
        : in[0] == u"number" ? Variant(number(in[1]))
                             : Variant();
}

using In = const QStringList&;
using Out = QStringList;
const QHash<QString, DataRule> rules = {
    {"Val", [](In in) -> Out { return {shown(Val(in[0]))}; }},
    {"Int", [](In in) -> Out { return {shown(Int(number(in[0])))}; }},
    {"Fix", [](In in) -> Out { return {shown(Fix(number(in[0])))}; }},
    {"NumberText", [](In in) -> Out { return {NumberText(number(in[0]))}; }},
    {"Str", [](In in) -> Out { return {Str(number(in[0]))}; }},
    {"Divide", [](In in) -> Out { return {shown(Divide(number(in[0]), number(in[1])))}; }},
    {"ErrorTitle", [](In in) -> Out { return {ErrorTitle(in[0].toInt())}; }},
    {"ErrorMessage", [](In in) -> Out { return {ErrorMessage(in[0].toInt())}; }},
    {"toNumber", [](In in) -> Out { return {shown(variant(in).toNumber())}; }},
    {"toBool", [](In in) -> Out { return {variant(in).toBool() ? "true" : "false"}; }},
    {"toText", [](In in) -> Out { return {variant(in).toText()}; }},
    // The floored value is stored back into the number.
    {"FormatNc",
        [](In in) -> Out {
            double v = number(in[0]);
            return {FormatNc(v), shown(v)};
        }},
    {"DecimalFloor",
        [](In in) -> Out { return {NumberText(DecimalFloor(number(in[0]), in[1].toInt()))}; }},
    {"FormatTwoDigit",
        [](In in) -> Out {
            double v = number(in[0]);
            return {FormatTwoDigit(v)};
        }},
    {"NumberField",
        [](In in) -> Out { return {NumberFieldMessage(in[0], in[1], ParseNumberRule(in[2]))}; }},
    {"SpindleSpeed",
        [](In in) -> Out { return {shown(SpindleSpeed(number(in[0]), number(in[1])))}; }},
};
} // namespace

// The BASIC number rules the program relies on, its run-time errors and the NC number formats.
class BasicTest : public QObject
{
    Q_OBJECT

private slots:
    void rules_data() { AddDataRows(u"common/BasicRows.txt"_qs); }
    void rules() { RunDataRow(::rules); }
};

QTEST_GUILESS_MAIN(BasicTest)
#include "BasicTest.moc"
