#include "texttools/core/NumberArrange.h"

#include <QTest>

namespace {
// Test texts are written with "|" for CR LF.
QString lines(const char* text)
{
    return QString::fromUtf8(text).replace(u'|', QLatin1String("\r\n"));
}

struct Row
{
    double digits = 3;
    double start = 1;
    double add = 1;
    bool fromTop = true;
    bool stop = false;
    bool continuous = false;
    int blanks = 5;
    qsizetype caret = 0;
};
} // namespace
Q_DECLARE_METATYPE(Row)

class NumberArrangeTest : public QObject
{
    Q_OBJECT

private slots:
    void arrange_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<Row>("row");
        QTest::addColumn<QString>("expected");
        const Row defaults;
        Row r;

        QTest::newRow("defaults") << lines("N000 G00 X100 Z5|G01 Z-10 F0.2|X50") << defaults
                                  << lines("N001 G00 X100 Z5|N002 G01 Z-10 F0.2|N003     X50");
        QTest::newRow("commentAndEmptyLineTakeNoNumber") << lines(
            "(HEAD)||G00 X0|G01 Z1|") << defaults << lines("(HEAD)||N001 G00 X0|N002 G01 Z1|");
        QTest::newRow("controlLinesLeftAlone")
            << lines("%|O1234|\tG00|-X5|<A>|&B|$C|G01") << defaults
            << lines("%|O1234|\tG00|-X5|<A>|&B|$C|N001 G01");
        QTest::newRow("namedSequenceKeptButUsesNumber")
            << lines("N000 G85 NAP1 D3|NAP1 G81|NT05     Z2|N000 G00 X1") << defaults
            << lines("N001 G85 NAP1 D3|NAP1 G81|NT05     Z2|N004 G00 X1");
        QTest::newRow("namedSequenceEndingTextStaysAsItIs")
            << lines("G00|NAP1") << defaults << lines("N001 G00|NAP1");
        r = {};
        r.start = 990;
        r.add = 5;
        QTest::newRow("wrapsToIncrementAfter999")
            << lines("G00|G00|G00|G00") << r << lines("N990 G00|N995 G00|N005 G00|N010 G00");
        r = {};
        r.stop = true;
        QTest::newRow("stopAtM02") << lines("G00 X1|N000 M02|G00 X2|N000 X3") << r
                                   << lines("N001 G00 X1|N002 M02|G00 X2|N000 X3");
        QTest::newRow("restartAfterM02") << lines("G00 X1|N000 M02|G00 X2|N000 X3") << defaults
                                         << lines("N001 G00 X1|N002 M02|N001 G00 X2|N002     X3");
        r = {};
        r.continuous = true;
        QTest::newRow("continuousAcrossProgramEnd")
            << lines("G00 X1|N000 M30|G00 X2") << r << lines("N001 G00 X1|N002 M30|N003 G00 X2");
        r = {};
        r.stop = true;
        r.continuous = true;
        QTest::newRow("stopWinsOverContinuous")
            << lines("G00|N000 M02|G00") << r << lines("N001 G00|N002 M02|G00");
        r = {};
        r.stop = true;
        QTest::newRow("m25IsNoProgramEnd")
            << lines("G00|N000 M25|G01") << r << lines("N001 G00|N002 M25|N003 G01");
        QTest::newRow("m2AsWordEnds")
            << lines("G00|N000 M2|G01") << r << lines("N001 G00|N002 M2|G01");
        QTest::newRow("rtsEnds") << lines("G00|N000 RTS|G01") << r
                                 << lines("N001 G00|N002 RTS|G01");
        QTest::newRow("onlyFirstOccurrenceCounts")
            << lines("N000 M021 M02|G00") << r << lines("N001 M021 M02|N002 G00");
        QTest::newRow("programEndInCommentNotAWord")
            << lines("(M02)|G00") << r << lines("(M02)|N001 G00");
        QTest::newRow("programEndBeforeLineEndOfControlLine")
            << lines("O1 M30|G00") << r << lines("O1 M30|G00");

        r = {};
        r.blanks = 1;
        QTest::newRow("leadingBlanksReplacedOneBlank")
            << lines("   G00 X0") << r << lines("N001 G00 X0");
        r.blanks = 0;
        QTest::newRow("leadingBlanksReplacedNoBlank")
            << lines("   G00 X0") << r << lines("N001G00 X0");
        QTest::newRow("blanksBehindOldNumberRemoved") << lines("N010   X5") << r << lines("N001X5");
        QTest::newRow("fiveBlanksBeforeXYZOnly") << lines(
            "Z5|Y3|   X1|G00") << defaults << lines("N001     Z5|N002     Y3|N003     X1|N004 G00");
        QTest::newRow("oldNumberWithBlankAfterN")
            << lines("N 12 G00") << defaults << lines("N001 G00");
        QTest::newRow("commentBehindNKept") << lines("N(A)") << defaults << lines("N001 (A)");
        QTest::newRow("lineEndBehindNKept")
            << lines("N|G00") << defaults << lines("N001 |N002 G00");
        QTest::newRow("lfOnlyLines")
            << QString("G00\n\nG01\n") << defaults << QString("N001 G00\n\nN002 G01\n");
        QTest::newRow("emptyText") << QString() << defaults << QString();

        r = {};
        r.fromTop = false;
        r.caret = 2;
        QTest::newRow("fromLineAfterCaretLine")
            << lines("N000 G00|N000 G01|N000 G02") << r << lines("N000 G00|N001 G01|N002 G02");
        r.caret = 0;
        QTest::newRow("caretAtStartArrangesFromTop")
            << lines("G00|G01") << r << lines("N001 G00|N002 G01");
        r.caret = 12;
        QTest::newRow("caretInLastLineChangesNothing")
            << lines("N000 G00|N000 G01") << r << lines("N000 G00|N000 G01");
        r.caret = 1;
        r.stop = true;
        QTest::newRow("programEndBehindCaretStops")
            << lines("G00 M02|G01|G02") << r << lines("G00 M02|G01|G02");

        r = {};
        r.digits = 0;
        r.start = 998;
        QTest::newRow("digitNumberZeroPadsNothing")
            << lines("G00|G00|G00") << r << lines("N998 G00|N999 G00|N1000 G00");
        r = {};
        r.start = 5000;
        QTest::newRow("startLongerThanDigits")
            << lines("G00|G00") << r << lines("N5000 G00|N001 G00");
        r = {};
        r.digits = 4;
        r.start = 10;
        r.add = 10;
        QTest::newRow("fourDigitsByTen") << lines("G00|G01") << r << lines("N0010 G00|N0020 G01");
        r = {};
        r.start = 0;
        r.add = 0;
        QTest::newRow("allPlaceholders")
            << lines("N005 G00|N123 G01") << r << lines("N000 G00|N000 G01");
    }
    void arrange()
    {
        QFETCH(QString, text);
        QFETCH(Row, row);
        ArrangeOptions o;
        o.digits = row.digits;
        o.start = row.start;
        o.add = row.add;
        o.fromTop = row.fromTop;
        o.stopAtProgramEnd = row.stop;
        o.continuous = row.continuous;
        o.blanks = static_cast<BlankMode>(row.blanks);
        QCOMPARE(CheckArrangeInput(o), ArrangeInputError::None);
        QTEST(ArrangeNumbers(text, row.caret, o).text, "expected");
    }

    void beyond16Bits()
    {
        ArrangeOptions o;
        o.digits = 5;
        const ArrangeResult result
            = ArrangeNumbers(QString("N000 G01 X1\r\n").repeated(40000), 0, o);
        QCOMPARE(result.text.size(), 40000 * 15);
        QCOMPARE(result.text.mid(39999 * 15), u"N40000 G01 X1\r\n"_qs);
        QVERIFY(result.text.startsWith(u"N00001 G01 X1\r\nN00002"_qs));
    }

    void checkInput_data()
    {
        QTest::addColumn<double>("digits");
        QTest::addColumn<double>("start");
        QTest::addColumn<double>("add");
        QTest::addColumn<ArrangeInputError>("expected");
        QTest::newRow("defaults") << 3.0 << 1.0 << 1.0 << ArrangeInputError::None;
        QTest::newRow("zeros") << 0.0 << 0.0 << 0.0 << ArrangeInputError::None;
        QTest::newRow("fifteenDigits")
            << 15.0 << kLargestNumber << kLargestNumber << ArrangeInputError::None;
        QTest::newRow("sixteenDigits") << 16.0 << 1.0 << 1.0 << ArrangeInputError::Digits;
        QTest::newRow("fractionDigits") << 2.5 << 1.0 << 1.0 << ArrangeInputError::Digits;
        QTest::newRow("negativeDigits") << -1.0 << 1.0 << 1.0 << ArrangeInputError::Digits;
        QTest::newRow("negativeStart") << 3.0 << -5.0 << 1.0 << ArrangeInputError::Start;
        QTest::newRow("fractionStart") << 3.0 << 1.5 << 1.0 << ArrangeInputError::Start;
        QTest::newRow("hugeStart") << 3.0 << 1e16 << 1.0 << ArrangeInputError::Start;
        QTest::newRow("negativeAdd") << 3.0 << 100.0 << -1.0 << ArrangeInputError::Add;
    }
    void checkInput()
    {
        QFETCH(double, digits);
        QFETCH(double, start);
        QFETCH(double, add);
        ArrangeOptions o;
        o.digits = digits;
        o.start = start;
        o.add = add;
        QTEST(CheckArrangeInput(o), "expected");
    }
};

QTEST_GUILESS_MAIN(NumberArrangeTest)
#include "NumberArrangeTest.moc"
