#include "texttools/core/DataChange.h"
#include "texttools/core/FindReplace.h"
#include "texttools/core/NumberArrange.h"

#include <QTest>

namespace {
// Test texts are written with "|" for CR LF.
QString crlf(const char* text)
{
    return QString::fromUtf8(text).replace(u'|', QLatin1String("\r\n"));
}

// The occurrence change applied to the text, at the first occurrence of the letters.
QString changedAtFirst(const QString& text, const QString& letters, const QString& calculation)
{
    const qsizetype p = text.indexOf(letters);
    const OccurrenceChange change
        = ChangeOccurrence(text, p, letters, ParseCalculation(calculation));
    return change.changed ? text.left(p) + change.replacement + text.mid(change.end) : text;
}

// The rule itself, one step at a time: find from the position, change, go on one character
// behind the start of the occurrence. Null when it has not ended after `steps` steps.
QString stepByStep(
    QString text, const QString& letters, const QString& calculation, int steps = 1000)
{
    const Calculation calc = ParseCalculation(calculation);
    qsizetype pos = 0;
    for (int step = 0; step < steps; ++step) {
        const qsizetype p = text.indexOf(letters, pos);
        if (p < 0)
            return text;
        const OccurrenceChange change = ChangeOccurrence(text, p, letters, calc);
        if (change.changed)
            text.replace(p, change.end - p, change.replacement);
        pos = p + 1;
    }
    return QString();
}

// Arrange options as words: digits=, start=, add=, blanks=, stop, continuous, and caret=, which
// arranges from the line after the caret's line.
ArrangeOptions arrangeOptions(const QString& words, qsizetype* caret)
{
    ArrangeOptions o;
    for (const QString& word : words.split(u' ', Qt::SkipEmptyParts)) {
        const QString name = word.section(u'=', 0, 0);
        const double value = word.section(u'=', 1).toDouble();
        if (name == u"digits")
            o.digits = value;
        else if (name == u"start")
            o.start = value;
        else if (name == u"add")
            o.add = value;
        else if (name == u"blanks")
            o.blanks = static_cast<BlankMode>(int(value));
        else if (name == u"stop")
            o.stopAtProgramEnd = true;
        else if (name == u"continuous")
            o.continuous = true;
        else if (name == u"caret") {
            o.fromTop = false;
            *caret = qsizetype(value);
        } else
            qFatal("unknown option %s", qPrintable(name));
    }
    return o;
}
} // namespace

// Find and replace, the calculation data change and the sequence number arrange on plain text.
class TextToolsLogicTest : public QObject
{
    Q_OBJECT

private slots:
    void findPosition_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("what");
        QTest::addColumn<qsizetype>("from");
        QTest::addColumn<qsizetype>("expected");
        const auto row = [](const char* name, QString text, const char* what, qsizetype from,
                             qsizetype expected) {
            QTest::newRow(name) << text << QString::fromLatin1(what) << from << expected;
        };
        row("lowerCaseDoesNotFindUpper", "G01 X5", "g01", 0, -1);
        row("exactCaseFound", "g01 G01", "G01", 0, 4);
        row("matchAtFromIsFound", "ababab", "ab", 2, 2);
        row("matchBeforeFromIsNot", "ababab", "ab", 5, -1);
        row("fromAtEnd", "ab", "ab", 2, -1);
        row("fromPastEnd", "ab", "ab", 9, -1);
        row("emptyFindTextNeverFound", "ab", "", 0, -1);
        row("lineEndInFindText", "A\r\nB", "\r\nB", 0, 1);
        row("beyond16Bits", QString(40000, u'x') + "G99", "G99", 100, 40000);
    }
    void findPosition()
    {
        QFETCH(QString, text);
        QFETCH(QString, what);
        QFETCH(qsizetype, from);
        QTEST(FindPosition(text, what, from), "expected");
    }

    void foundAt()
    {
        QVERIFY(FoundAt(u"G01 X5", u"X5", 4));
        QVERIFY(!FoundAt(u"G01 X5", u"X5", 3));
        QVERIFY(!FoundAt(u"G01 X5", u"X5", 5)); // runs past the end
        QVERIFY(!FoundAt(u"G01 X5", u"", 0));
    }

    void replaceAll_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("find");
        QTest::addColumn<QString>("replacement");
        QTest::addColumn<qsizetype>("from");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<qsizetype>("count");
        QTest::addColumn<qsizetype>("findPos");
        const auto row = [](const char* name, QString text, QString find, QString replacement,
                             qsizetype from, QString expected, qsizetype count, qsizetype findPos) {
            QTest::newRow(name) << text << find << replacement << from << expected << count
                                << findPos;
        };
        row("replacementHoldingFindTextNotSearchedAgain", "a-a", "a", "aa", 0, "aa-aa", 2, 5);
        row("searchResumesBehindReplacement", "abab", "ab", "b", 0, "bb", 2, 2);
        row("overlapReplacedOnce", "aaa", "aa", "b", 0, "ba", 1, 1);
        row("onlyFromPosition", "X1 X2 X3", "X", "U", 3, "X1 U2 U3", 2, 7);
        row("caseSensitive", "g01 G01", "G01", "G1", 0, "g01 G1", 1, 6);
        row("nothingFoundKeepsFindPos", "G00 X1", "G01", "G02", 2, "G00 X1", 0, 2);
        row("lineEnds", "A\r\nB\r\n", "\r\n", ";", 0, "A;B;", 2, 4);
        row("moreThan32767Replacements", QString(40000, u'x'), "x", "yy", 0, QString(80000, u'y'),
            40000, 80000);
    }
    void replaceAll()
    {
        QFETCH(QString, text);
        QFETCH(QString, find);
        QFETCH(QString, replacement);
        QFETCH(qsizetype, from);
        const ReplaceAllResult result = ReplaceAll(text, find, replacement, from);
        QTEST(result.text, "expected");
        QTEST(result.count, "count");
        QTEST(result.findPos, "findPos");
    }

    void formatShifted_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("expected");
        QTest::newRow("whole") << 110.0 << "110";
        QTest::newRow("oneDecimal") << 12.5 << "12.5";
        QTest::newRow("leadingZero") << 0.25 << "0.25";
        QTest::newRow("negativeBelowOne") << -0.5 << "-0.5";
        QTest::newRow("thirdDecimalRounded") << 100.0 / 3 << "33.333";
        QTest::newRow("halfRoundsAwayFromZero") << 1.0005 << "1.001";
        QTest::newRow("negativeHalfAwayFromZero") << -1.0005 << "-1.001";
        QTest::newRow("carryIntoWholeNumber") << 999.9996 << "1000";
        QTest::newRow("roundsToZeroWithoutSign") << -0.0004 << "0";
        QTest::newRow("binaryNoiseDropped") << 0.1 + 0.2 << "0.3";
        QTest::newRow("largeWithoutExponent") << 1e20 << "100000000000000000000";
    }
    void formatShifted()
    {
        QFETCH(double, value);
        QTEST(FormatShifted(value), "expected");
    }

    void changeOccurrence_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("letters");
        QTest::addColumn<QString>("calculation");
        QTest::addColumn<QString>("expected");
        const auto row = [](const char* name, const char* text, const char* letters,
                             const char* calculation, const char* expected) {
            QTest::newRow(name) << QString::fromLatin1(text) << QString::fromLatin1(letters)
                                << QString::fromLatin1(calculation)
                                << QString::fromLatin1(expected);
        };
        row("addsOnlyToTheLetters", "G00 X100 Z5", "X", "10", "G00 X110 Z5");
        row("plusSignAddsToo", "X100", "X", "+10", "X110");
        row("halfOfNegative", "X-15", "X", "*0.5", "X-7.5");
        row("halfOfOne", "X1", "X", "*0.5", "X0.5");
        row("equalsKept", "SB=1000 M03", "SB", "/2", "SB=500 M03");
        row("blankAfterEqualsDisappears", "SB= 1000", "SB", "/2", "SB=500");
        row("blankBeforeNumberDisappears", "X 100 Z5", "X", "10", "X110 Z5");
        row("subtractBelowZero", "F0.2", "F", "-0.35", "F-0.15");
        row("leadingPoint", "X.5", "X", "1", "X1.5");
        row("lettersAtEndOfWordLeftAlone", "MAX Z5", "X", "1", "MAX Z5");
        row("lettersAtEndOfTextLeftAlone", "G00 X", "X", "1", "G00 X");
        row("roundedToThreeDecimals", "X10", "X", "*0.33333", "X3.333");
        row("onlyTenCharactersRead", "X1234567890123", "X", "10", "X1234567900123");
        row("blanksCountAmongTheTen", "X         5", "X", "10", "X15");
        row("numberBehindTenthNotRead", "X          5", "X", "10", "X          5");
        row("secondSignEndsNumber", "X10-5", "X", "1", "X11-5");
        row("signAfterBlank", "X -5", "X", "10", "X5");
        row("signAloneIsNoNumber", "X-Z", "X", "10", "X-Z");
        row("pointAloneIsNoNumber", "X.Z", "X", "10", "X.Z");
        row("divisionByZeroLeavesValue", "X100", "X", "/0", "X100");
        row("divisionByTextLeavesValue", "X100", "X", "/abc", "X100");
        row("multiplyByTextGivesZero", "X100", "X", "*abc", "X0");
        row("textAddsNothing", "X100.50", "X", "abc", "X100.5");
        row("overflowLeavesValue", "X9", "X", "*1e308", "X9");
        row("tinyNegativeWrittenAsZero", "X0.0001", "X", "*-1", "X0");
        row("twoLetterAddress", "DA=45.", "DA", "*2", "DA=90");
    }
    void changeOccurrence()
    {
        QFETCH(QString, text);
        QFETCH(QString, letters);
        QFETCH(QString, calculation);
        QTEST(changedAtFirst(text, letters, calculation), "expected");
    }

    void shiftAll_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<qsizetype>("from");
        QTest::addColumn<QString>("letters");
        QTest::addColumn<QString>("calculation");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<qsizetype>("count");
        const auto row = [](const char* name, QString text, qsizetype from, const char* letters,
                             const char* calculation, QString expected, qsizetype count) {
            QTest::newRow(name) << text << from << QString::fromLatin1(letters)
                                << QString::fromLatin1(calculation) << expected << count;
        };
        row("everyValue", crlf("G00 X1 Z2|X2|G01 X3"), 0, "X", "10", crlf("G00 X11 Z2|X12|G01 X13"),
            3);
        row("fromPositionOn", "X1 X2", 1, "X", "1", "X1 X3", 1);
        row("occurrencesWithoutNumberSkipped", "MAX X5 XA (X)", 0, "X", "1", "MAX X6 XA (X)", 1);
        row("adjacentOccurrences", "X1X2X3", 0, "X", "*2", "X2X4X6", 3);
        row("numberLongerThanTen", "X123456789012 X1", 0, "X", "1", "X123456789112 X2", 2);
        row("divisionByZeroChangesNothing", "X1 X2", 0, "X", "/0", "X1 X2", 0);
        row("digitLettersFindTheirOwnValue", "19", 0, "1", "1", "111", 2);
        row("moreThan32767Changes", crlf("X1|").repeated(40000), 0, "X", "1",
            crlf("X2|").repeated(40000), 40000);
    }
    void shiftAll()
    {
        QFETCH(QString, text);
        QFETCH(qsizetype, from);
        QFETCH(QString, letters);
        QFETCH(QString, calculation);
        const ShiftAllResult result = ShiftAll(text, from, letters, calculation);
        QVERIFY(!result.endless);
        QTEST(result.text, "expected");
        QTEST(result.count, "count");
    }

    void shiftAllLeavesLastOccurrenceWithoutNumberSelected()
    {
        const ShiftAllResult changedLast = ShiftAll(u"X1 X2"_qs, 0, u"X"_qs, u"1"_qs);
        QCOMPARE(changedLast.lastFound, 3);
        QVERIFY(changedLast.lastFoundChanged);
        QCOMPARE(changedLast.findPos, 4);
        const ShiftAllResult bareLast = ShiftAll(u"X1 X"_qs, 0, u"X"_qs, u"1"_qs);
        QCOMPARE(bareLast.lastFound, 3);
        QVERIFY(!bareLast.lastFoundChanged);
    }

    // The one-pass change must give what the step-by-step rule gives, also where an occurrence
    // starts inside a value written a step before.
    void shiftAllMatchesStepByStep_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("letters");
        QTest::addColumn<QString>("calculation");
        const auto row
            = [](const char* name, QString text, const char* letters, const char* calculation) {
                  QTest::newRow(name)
                      << text << QString::fromLatin1(letters) << QString::fromLatin1(calculation);
              };
        row("ordinaryProgram", crlf("N001 G00 X100 Z5|N002 G01 X-20.5 F0.2|(X)X"), "X", "*0.5");
        row("lettersRepeatedInWord", "XX1 XXX2 XX XX3", "XX", "10");
        row("selfOverlappingLetters", "ABAB1 ABA2 ABABA3", "ABA", "-1");
        row("digitLetters", "19 1 1 991 17", "1", "1");
        row("signLetters", "X-5 -3 - -.5 --2", "-", "*2");
        row("pointLetters", "1.5 .25 . 3.", ".", "*1");
        row("equalsLetters", "SB=10 DA= 5 == 3", "=", "10");
        row("letterAndDigit", "X1X1X1 X11", "X1", "*3");
        row("shrinkingValues", "X1000000 X20000 X3", "X", "/1000");
    }
    void shiftAllMatchesStepByStep()
    {
        QFETCH(QString, text);
        QFETCH(QString, letters);
        QFETCH(QString, calculation);
        const QString expected = stepByStep(text, letters, calculation);
        QVERIFY(!expected.isNull());
        QCOMPARE(ShiftAll(text, 0, letters, calculation).text, expected);
    }

    void endlessChangeChangesNothing()
    {
        // "1" times 11 writes "111" behind every "1" it finds, one character further on.
        QVERIFY(stepByStep(u"11"_qs, u"1"_qs, u"*11"_qs).isNull());
        const ShiftAllResult result = ShiftAll(u"G00 11"_qs, 0, u"1"_qs, u"*11"_qs);
        QVERIFY(result.endless);
        QCOMPARE(result.text, u"G00 11"_qs);
        QCOMPARE(result.count, 0);
        QVERIFY(ShiftAll(u"X1.5"_qs, 0, u"."_qs, u"0.5"_qs).endless);
    }

    void arrange_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("options");
        QTest::addColumn<QString>("expected");
        const auto row = [](const char* name, const char* text, const char* options,
                             const char* expected) {
            QTest::newRow(name) << crlf(text) << QString::fromLatin1(options) << crlf(expected);
        };
        row("defaults", "N000 G00 X100 Z5|G01 Z-10 F0.2|X50", "",
            "N001 G00 X100 Z5|N002 G01 Z-10 F0.2|N003     X50");
        row("commentAndEmptyLineTakeNoNumber", "(HEAD)||G00 X0|G01 Z1|", "",
            "(HEAD)||N001 G00 X0|N002 G01 Z1|");
        row("controlLinesLeftAlone", "%|O1234|\tG00|-X5|<A>|&B|$C|G01", "",
            "%|O1234|\tG00|-X5|<A>|&B|$C|N001 G01");
        row("namedSequenceKeptButUsesNumber", "N000 G85 NAP1 D3|NAP1 G81|NT05     Z2|N000 G00 X1",
            "", "N001 G85 NAP1 D3|NAP1 G81|NT05     Z2|N004 G00 X1");
        row("namedSequenceEndingTextStaysAsItIs", "G00|NAP1", "", "N001 G00|NAP1");
        row("wrapsToIncrementAfter999", "G00|G00|G00|G00", "start=990 add=5",
            "N990 G00|N995 G00|N005 G00|N010 G00");
        row("stopAtM02", "G00 X1|N000 M02|G00 X2|N000 X3", "stop",
            "N001 G00 X1|N002 M02|G00 X2|N000 X3");
        row("restartAfterM02", "G00 X1|N000 M02|G00 X2|N000 X3", "",
            "N001 G00 X1|N002 M02|N001 G00 X2|N002     X3");
        row("continuousAcrossProgramEnd", "G00 X1|N000 M30|G00 X2", "continuous",
            "N001 G00 X1|N002 M30|N003 G00 X2");
        row("stopWinsOverContinuous", "G00|N000 M02|G00", "stop continuous",
            "N001 G00|N002 M02|G00");
        row("m25IsNoProgramEnd", "G00|N000 M25|G01", "stop", "N001 G00|N002 M25|N003 G01");
        row("m2AsWordEnds", "G00|N000 M2|G01", "stop", "N001 G00|N002 M2|G01");
        row("rtsEnds", "G00|N000 RTS|G01", "stop", "N001 G00|N002 RTS|G01");
        row("onlyFirstOccurrenceCounts", "N000 M021 M02|G00", "stop", "N001 M021 M02|N002 G00");
        row("programEndInCommentNotAWord", "(M02)|G00", "stop", "(M02)|N001 G00");
        row("programEndBeforeLineEndOfControlLine", "O1 M30|G00", "stop", "O1 M30|G00");
        row("leadingBlanksReplacedOneBlank", "   G00 X0", "blanks=1", "N001 G00 X0");
        row("leadingBlanksReplacedNoBlank", "   G00 X0", "blanks=0", "N001G00 X0");
        row("blanksBehindOldNumberRemoved", "N010   X5", "blanks=0", "N001X5");
        row("fiveBlanksBeforeXYZOnly", "Z5|Y3|   X1|G00", "",
            "N001     Z5|N002     Y3|N003     X1|N004 G00");
        row("oldNumberWithBlankAfterN", "N 12 G00", "", "N001 G00");
        row("commentBehindNKept", "N(A)", "", "N001 (A)");
        row("lineEndBehindNKept", "N|G00", "", "N001 |N002 G00");
        row("lfOnlyLines", "G00\n\nG01\n", "", "N001 G00\n\nN002 G01\n");
        row("emptyText", "", "", "");
        row("fromLineAfterCaretLine", "N000 G00|N000 G01|N000 G02", "caret=2",
            "N000 G00|N001 G01|N002 G02");
        row("caretAtStartArrangesFromTop", "G00|G01", "caret=0", "N001 G00|N002 G01");
        row("caretInLastLineChangesNothing", "N000 G00|N000 G01", "caret=12", "N000 G00|N000 G01");
        row("programEndBehindCaretStops", "G00 M02|G01|G02", "caret=1 stop", "G00 M02|G01|G02");
        row("digitNumberZeroPadsNothing", "G00|G00|G00", "digits=0 start=998",
            "N998 G00|N999 G00|N1000 G00");
        row("startLongerThanDigits", "G00|G00", "start=5000", "N5000 G00|N001 G00");
        row("fourDigitsByTen", "G00|G01", "digits=4 start=10 add=10", "N0010 G00|N0020 G01");
        row("allPlaceholders", "N005 G00|N123 G01", "start=0 add=0", "N000 G00|N000 G01");
    }
    void arrange()
    {
        QFETCH(QString, text);
        QFETCH(QString, options);
        qsizetype caret = 0;
        const ArrangeOptions o = arrangeOptions(options, &caret);
        QCOMPARE(CheckArrangeInput(o), ArrangeInputError::None);
        QTEST(ArrangeNumbers(text, caret, o).text, "expected");
    }

    void arrangeBeyond16Bits()
    {
        ArrangeOptions o;
        o.digits = 5;
        const ArrangeResult result
            = ArrangeNumbers(QString("N000 G01 X1\r\n").repeated(40000), 0, o);
        QCOMPARE(result.text.size(), 40000 * 15);
        QCOMPARE(result.text.mid(39999 * 15), u"N40000 G01 X1\r\n"_qs);
        QVERIFY(result.text.startsWith(u"N00001 G01 X1\r\nN00002"_qs));
    }

    void checkArrangeInput_data()
    {
        QTest::addColumn<QString>("options");
        QTest::addColumn<ArrangeInputError>("expected");
        const auto row = [](const char* name, const char* options, ArrangeInputError expected) {
            QTest::newRow(name) << QString::fromLatin1(options) << expected;
        };
        row("defaults", "", ArrangeInputError::None);
        row("zeros", "digits=0 start=0 add=0", ArrangeInputError::None);
        row("fifteenDigits", "digits=15 start=999999999999999 add=999999999999999",
            ArrangeInputError::None);
        row("sixteenDigits", "digits=16", ArrangeInputError::Digits);
        row("fractionDigits", "digits=2.5", ArrangeInputError::Digits);
        row("negativeDigits", "digits=-1", ArrangeInputError::Digits);
        row("negativeStart", "start=-5", ArrangeInputError::Start);
        row("fractionStart", "start=1.5", ArrangeInputError::Start);
        row("hugeStart", "start=1e16", ArrangeInputError::Start);
        row("negativeAdd", "start=100 add=-1", ArrangeInputError::Add);
    }
    void checkArrangeInput()
    {
        QFETCH(QString, options);
        qsizetype caret = 0;
        QTEST(CheckArrangeInput(arrangeOptions(options, &caret)), "expected");
    }
};

QTEST_GUILESS_MAIN(TextToolsLogicTest)
#include "TextToolsLogicTest.moc"
