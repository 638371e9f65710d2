#include "TestSupport.h"

#include "calc/core/LineAngleCalc.h"
#include "calc/core/PictureGeometry.h"
#include "calc/core/TwoLineCorner.h"

namespace {
constexpr double kPi = 3.14159265398; // the program's value

// The fields as typed: X1 Z1 A1 X2 Z2 A2 and R; every result field "-".
TwoLineFields typed(const QStringList& t)
{
    const QString u = u"-"_qs;
    return {t.value(0), t.value(1), t.value(2), t.value(3), t.value(4), t.value(5), t.value(6), u,
        u, u, u, u, u, u, u, u, u, u, u};
}

// Numbers to five decimals.
QString shown(std::initializer_list<double> values)
{
    QStringList texts;
    for (double v : values)
        texts << QString::number(std::round(v * 1e5) / 1e5 + 0.0, 'g', 15);
    return texts.join(u' ');
}

QStringList drawn(const TwoLineDrawing& d)
{
    QStringList out {
        u"scale "_qs + shown({d.scale.left, d.scale.top, d.scale.width, d.scale.height})};
    for (const QLineF& l : d.lines)
        out << u"line "_qs + shown({l.x1(), l.y1(), l.x2(), l.y2()});
    if (d.circle)
        out << u"circle "_qs
                + shown({d.circle->centre.x(), d.circle->centre.y(), d.circle->radius});
    return out;
}

using In = const QStringList&;
using Out = QStringList;
const QHash<QString, DataRule> rules = {
    {"Leave",
        [](In in) -> Out {
            LineAngleFields f {in[1], in[2], in[3], in[4], in[5]};
            in[0] == u"X2" ? CompleteFromX2(f) : CompleteFromZ2(f);
            const bool kept = f.x1 == in[1] && f.z1 == in[2];
            return Out {f.angle, f.x2, f.z2} + (kept ? Out() : Out {"X1 Z1 changed"});
        }},
    {"TwoLines",
        [](In in) -> Out {
            TwoLineFields f = typed(in);
            const TwoLineDrawing d = CalcTwoLines(f, kPi);
            Out out {f.xc, f.zc, f.cx, f.cz, f.t1x, f.t1z, f.i1, f.k1, f.t2x, f.t2z, f.i2, f.k2};
            while (!out.isEmpty() && out.last().isEmpty())
                out.removeLast();
            if (!d.noResult.isEmpty())
                out << d.noResult;
            bool inScale = d.scale.width > 0 && d.scale.height > 0
                && qFuzzyCompare(d.scale.width / d.scale.height, kPictureWidth / kPictureHeight);
            for (const QLineF& l : d.lines)
                inScale = inScale && std::isfinite(l.x1() + l.y1() + l.x2() + l.y2());
            return out + (!d.redraw ? Out {"not redrawn"} : inScale ? Out() : Out {"out of scale"});
        }},
    {"Drawing",
        [](In in) -> Out {
            TwoLineFields f = typed(in);
            return drawn(CalcTwoLines(f, kPi));
        }},
    {"ClipLine",
        [](In in) -> Out {
            const QStringList p = in[0].split(u' ');
            const auto clipped = ClipLine(
                QLineF(p[0].toDouble(), p[1].toDouble(), p[2].toDouble(), p[3].toDouble()),
                QRectF(0, 0, 10, 10));
            return clipped
                ? Out {shown({clipped->x1(), clipped->y1(), clipped->x2(), clipped->y2()})}
                : Out();
        }},
};
} // namespace

class CalcGeometryTest : public QObject
{
    Q_OBJECT

private slots:
    void rules_data() { AddDataRows(u"calc/CalcRows.txt"_qs); }
    void rules() { RunDataRow(::rules); }

    void arcCentreIsTheRadiusFromBothTangentPoints()
    {
        for (int a1 = -175; a1 <= 180; a1 += 35) {
            for (int a2 = -180; a2 <= 180; a2 += 25) {
                if ((a1 - a2) % 180 == 0)
                    continue;
                TwoLineFields f = typed(
                    {"40", "0", QString::number(a1), "60", "-10", QString::number(a2), "5"});
                CalcTwoLines(f, kPi);
                const QByteArray where = QByteArray::number(a1) + ' ' + QByteArray::number(a2);
                QVERIFY2(std::abs(std::hypot(f.i1.toDouble(), f.k1.toDouble()) - 5) < 0.005, where);
                QVERIFY2(std::abs(std::hypot(f.i2.toDouble(), f.k2.toDouble()) - 5) < 0.005, where);
            }
        }
    }
};

QTEST_GUILESS_MAIN(CalcGeometryTest)
#include "CalcGeometryTest.moc"
