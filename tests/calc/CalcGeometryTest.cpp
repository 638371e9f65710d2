#include "calc/core/LineAngleCalc.h"
#include "calc/core/PictureGeometry.h"
#include "calc/core/TwoLineCorner.h"

#include <QTest>

namespace {
constexpr double kPi = 3.14159265398; // the program's value

// The fields as typed: X1 Z1 A1 X2 Z2 A2 and R.
TwoLineFields typed(const QStringList& t)
{
    TwoLineFields f;
    f.x1 = t.value(0);
    f.z1 = t.value(1);
    f.a1 = t.value(2);
    f.x2 = t.value(3);
    f.z2 = t.value(4);
    f.a2 = t.value(5);
    f.r = t.value(6);
    return f;
}

// Every result field, in the order of the dialog's rows.
QStringList results(const TwoLineFields& f)
{
    return {f.xc, f.zc, f.cx, f.cz, f.t1x, f.t1z, f.i1, f.k1, f.t2x, f.t2z, f.i2, f.k2};
}

void fillResults(TwoLineFields& f, const QString& text)
{
    for (QString* field :
        {&f.xc, &f.zc, &f.cx, &f.cz, &f.t1x, &f.t1z, &f.i1, &f.k1, &f.t2x, &f.t2z, &f.i2, &f.k2})
        *field = text;
}

bool near(const QPointF& a, const QPointF& b)
{
    return std::abs(a.x() - b.x()) < 1e-6 && std::abs(a.y() - b.y()) < 1e-6;
}
} // namespace

class CalcGeometryTest : public QObject
{
    Q_OBJECT

private slots:
    void lineAngle_data()
    {
        QTest::addColumn<QStringList>("typed"); // X1, Z1, A, X2, Z2
        QTest::addColumn<QString>("left"); // the field that loses the focus
        QTest::addColumn<QStringList>("after"); // A, X2, Z2
        const auto row
            = [](const char* name, QStringList typed, const char* left, QStringList after) {
                  QTest::newRow(name) << typed << QString::fromLatin1(left) << after;
              };
        row("x2Given_z2FromAngle45", {"20", "0", "45", "40", ""}, "X2", {"45", "40", "10"});
        row("bothPoints_backwardsUp_135", {"20", "0", "", "40", "-10"}, "Z2", {"135", "40", "-10"});
        row("bothPoints_backwardsDown_minus135", {"40", "0", "", "20", "-10"}, "Z2",
            {"-135", "20", "-10"});
        row("bothPoints_forwardsDown_minus45", {"40", "0", "", "20", "10"}, "Z2",
            {"-45", "20", "10"});
        row("straightBackAlongZ_180", {"20", "0", "", "20", "-10"}, "Z2", {"180", "20", "-10"});
        row("straightOnAlongZ_0", {"20", "0", "", "20", "10"}, "Z2", {"0", "20", "10"});
        row("sameZ_angleNotComputed", {"20", "0", "", "40", "0"}, "Z2", {"", "40", "0"});
        row("angle30_x2CutNotRounded", {"20", "0", "30", "", "10"}, "Z2", {"30", "31.547", "10"});
        row("angle30_x2Overwritten", {"20", "0", "30", "50", "10"}, "Z2", {"30", "31.547", "10"});
        row("negativeX2_cutDownwards", {"0", "0", "-30", "", "10"}, "Z2", {"-30", "-11.547", "10"});
        row("angle0_z2Unchanged", {"20", "0", "0", "40", "7"}, "X2", {"0", "40", "7"});
        row("angle180_neverReachesX2", {"20", "0", "180", "40", "7"}, "X2", {"180", "40", "7"});
        row("angle90_neverReachesZ2", {"20", "0", "90", "33", "10"}, "Z2", {"90", "33", "10"});
        row("angleNotANumber_isZero", {"20", "0", "abc", "40", "7"}, "X2", {"abc", "40", "7"});
        row("leadingNumberRule", {"20mm", " 0", "45deg", "40", ""}, "X2", {"45deg", "40", "10"});
        row("x1Missing_nothing", {"", "0", "45", "40", "3"}, "X2", {"45", "40", "3"});
        row("angleMissing_nothingFromX2", {"20", "0", "", "40", "3"}, "X2", {"", "40", "3"});
        row("neitherAngleNorX2_nothing", {"20", "0", "", "", "10"}, "Z2", {"", "", "10"});
        row("hugeValues_stayNumbers", {"1e300", "0", "", "-1e300", "1e-300"}, "Z2",
            {"-90", "-1e300", "1e-300"});
    }
    void lineAngle()
    {
        QFETCH(QStringList, typed);
        QFETCH(QString, left);
        LineAngleFields f {typed[0], typed[1], typed[2], typed[3], typed[4]};
        if (left == u"X2")
            CompleteFromX2(f);
        else
            CompleteFromZ2(f);
        QTEST((QStringList {f.angle, f.x2, f.z2}), "after");
        QCOMPARE((QStringList {f.x1, f.z1}), (QStringList {typed[0], typed[1]}));
    }

    void twoLines_data()
    {
        QTest::addColumn<QStringList>("typed"); // X1 Z1 A1 X2 Z2 A2 R
        QTest::addColumn<QStringList>(
            "after"); // Xc Zc CX CZ T1X T1Z I1 K1 T2X T2Z I2 K2; "-" unchanged
        const auto row = [](const char* name, QStringList typed, QStringList after) {
            QTest::newRow(name) << typed << after;
        };
        const QStringList none(10, u"-"_qs);
        row("crossingOnly", {"20", "0", "45", "40", "20", "0", ""},
            QStringList {"40", "10"} + none);
        row("cornerRadius2", {"20", "0", "45", "40", "20", "180", "2"},
            {"40", "10", "36", "10.828", "38.828", "9.414", "-1.415", "1.414", "40", "10.828", "-2",
                "0"});
        // 200 degrees is taken as -160: line 2 rises backwards at 20 degrees.
        row("angleOver180", {"20", "0", "45", "40", "20", "200", ""},
            QStringList {"28.555", "4.277"} + none);
        row("angleMinus160", {"20", "0", "45", "40", "20", "-160", ""},
            QStringList {"28.555", "4.277"} + none);
        row("steepLineKeepsDigits", {"20", "5", "90", "40", "20", "0", ""},
            QStringList {"40", "5"} + none);
        row("steepSecondLine", {"40", "20", "0", "20", "5", "-90", ""},
            QStringList {"40", "5"} + none);
        row("parallel", {"20", "0", "45", "40", "20", "45", "2"}, QStringList(12, u"-"_qs));
        row("parallelOpposite", {"20", "0", "0", "40", "20", "180", ""}, QStringList(12, u"-"_qs));
        row("parallelBothBackwards", {"20", "0", "180", "40", "20", "-180", ""},
            QStringList(12, u"-"_qs));
        row("lineTwoIncomplete", {"20", "0", "45", "40", "", "0", "2"}, QStringList(12, u"-"_qs));
        row("allPointsCoincide", {"20", "0", "45", "20", "0", "-45", ""},
            QStringList {"20", "0"} + none);
        // Angles more than half a turn apart: the centre still lies inside the corner.
        row("cornerBeyondHalfTurn", {"40", "20", "180", "60", "-10", "-45", "2"},
            {"40", "0", "44", "0.828", "40", "0.828", "2", "0", "41.171", "-0.586", "1.414",
                "1.414"});
        row("radiusZero_cornerIsTheCrossing", {"20", "0", "45", "40", "20", "180", "0"},
            {"40", "10", "40", "10", "40", "10", "0", "0", "40", "10", "0", "0"});
    }
    void twoLines()
    {
        QFETCH(QStringList, typed);
        TwoLineFields f = ::typed(typed);
        fillResults(f, u"-"_qs);
        const TwoLineDrawing drawing = CalcTwoLines(f, kPi);
        QTEST(results(f), "after");
        QVERIFY(drawing.redraw);
        for (const QLineF& line : drawing.lines)
            QVERIFY(std::isfinite(line.x1()) && std::isfinite(line.y1()) && std::isfinite(line.x2())
                && std::isfinite(line.y2()));
        QVERIFY(drawing.scale.width > 0 && drawing.scale.height > 0);
        QVERIFY(qFuzzyCompare(
            drawing.scale.width / drawing.scale.height, kPictureWidth / kPictureHeight));
    }

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

    void withoutLineOne_nothingHappens()
    {
        TwoLineFields f = typed({"20", "", "45", "40", "20", "0", "2"});
        fillResults(f, u"old"_qs);
        QVERIFY(!CalcTwoLines(f, kPi).redraw);
        QCOMPARE(results(f), QStringList(12, u"old"_qs));
    }

    void preview_showsLineOneThroughTheCentre()
    {
        TwoLineFields f = typed({"20", "0", "30", "", "", ""});
        const TwoLineDrawing d = CalcTwoLines(f, kPi);
        QCOMPARE(d.scale.left, -4417.5);
        QCOMPARE(d.scale.top, -2437.5);
        QCOMPARE(d.scale.width, 8835.0);
        QCOMPARE(d.scale.height, 4875.0);
        QCOMPARE(d.lines.size(), 1);
        // Rising to the right: up on the screen is -y.
        QVERIFY(near(d.lines[0].p1(), QPointF(8660.254038, -5000)));
        QVERIFY(near(d.lines[0].p2(), QPointF(-8660.254038, 5000)));
        QVERIFY(!d.circle);
    }

    void drawing_scaledAroundThePointsTowardsTheCrossing()
    {
        TwoLineFields f = typed({"20", "0", "45", "40", "20", "0"});
        const TwoLineDrawing d = CalcTwoLines(f, kPi);
        // Z from 0 to 20 is the wider span: 24 wide, the top 2 above r = 20.
        QCOMPARE(d.scale.width, 24.0);
        QCOMPARE(d.scale.left, -2.0);
        QCOMPARE(d.scale.top, -22.0);
        QVERIFY(qFuzzyCompare(d.scale.height, 24.0 * 4875 / 8835));
        QCOMPARE(d.lines.size(), 2);
        // Line 1 from (Z1, -X1/2) up and right, on beyond the crossing at (10, -20).
        QVERIFY(near(d.lines[0].p1(), QPointF(0, -10)));
        QVERIFY(near(d.lines[0].p2(), QPointF(16.970563, -26.970563)));
        // Line 2 from (20, -20) to the left along Z.
        QVERIFY(near(d.lines[1].p1(), QPointF(20, -20)));
        QVERIFY(near(d.lines[1].p2(), QPointF(-4, -20)));
        QVERIFY(!d.circle);
    }

    void drawing_tallSpanAndCircle()
    {
        TwoLineFields f = typed({"20", "0", "45", "40", "20", "180", "2"});
        TwoLineDrawing d = CalcTwoLines(f, kPi);
        QVERIFY(d.circle);
        QVERIFY(near(d.circle->centre, QPointF(10.828427, -18)));
        QCOMPARE(d.circle->radius, 2.0);

        // A radial span wider than the Z span sets the height: 1.2 times the span.
        f = typed({"0", "0", "90", "100", "10", "0"});
        d = CalcTwoLines(f, kPi);
        QVERIFY(qFuzzyCompare(d.scale.height, 60.0));
        QVERIFY(qFuzzyCompare(d.scale.top, -50.0 - 5));
    }

    void drawing_degenerateCasesStayInScale()
    {
        // Points that all coincide: a small area around them instead of a scale without extent.
        TwoLineFields f = typed({"20", "0", "45", "20", "0", "-45"});
        TwoLineDrawing d = CalcTwoLines(f, kPi);
        QVERIFY(d.scale.height > 0);
        QVERIFY(d.scale.top < -10 && d.scale.top + d.scale.height > -10);
        QVERIFY(d.scale.left < 0 && d.scale.left + d.scale.width > 0);
        // With no way from the point to the crossing, each line is drawn through it both ways.
        for (const QLineF& line : d.lines)
            QVERIFY(near(line.center(), QPointF(0, -10)) && line.length() > d.scale.width);

        // Parallel lines: both shown through their points, nothing computed.
        f = typed({"20", "0", "0", "40", "20", "0"});
        d = CalcTwoLines(f, kPi);
        QCOMPARE(d.lines.size(), 2);
        QVERIFY(d.scale.top <= -20 && d.scale.top + d.scale.height >= -10);
        QVERIFY(QLineF(d.lines[1]).center().y() == -20);
    }

    void clipLine_data()
    {
        QTest::addColumn<QLineF>("line");
        QTest::addColumn<bool>("visible");
        QTest::addColumn<QLineF>("clipped");
        const QLineF none;
        QTest::newRow("inside") << QLineF(1, 1, 9, 9) << true << QLineF(1, 1, 9, 9);
        QTest::newRow("crossing") << QLineF(-10, 5, 20, 5) << true << QLineF(0, 5, 10, 5);
        QTest::newRow("diagonalThroughCorners")
            << QLineF(-5, -5, 15, 15) << true << QLineF(0, 0, 10, 10);
        QTest::newRow("outside") << QLineF(-10, -1, 20, -1) << false << none;
        QTest::newRow("farBeyond") << QLineF(-1e6, 5, 1e6, 5) << true << QLineF(0, 5, 10, 5);
        QTest::newRow("notFinite") << QLineF(0, 0, qInf(), 5) << false << none;
    }
    void clipLine()
    {
        QFETCH(QLineF, line);
        QFETCH(bool, visible);
        QFETCH(QLineF, clipped);
        const auto result = ClipLine(line, QRectF(0, 0, 10, 10));
        QCOMPARE(result.has_value(), visible);
        if (visible) {
            QVERIFY(near(result->p1(), clipped.p1()));
            QVERIFY(near(result->p2(), clipped.p2()));
        }
    }
};

QTEST_GUILESS_MAIN(CalcGeometryTest)
#include "CalcGeometryTest.moc"
