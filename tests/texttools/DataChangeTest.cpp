#include "texttools/core/DataChange.h"

#include <QTest>

namespace {
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
} // namespace

class DataChangeTest : public QObject
{
    Q_OBJECT

private slots:
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
        QTest::newRow("addsOnlyToTheLetters") << "G00 X100 Z5"
                                              << "X"
                                              << "10"
                                              << "G00 X110 Z5";
        QTest::newRow("plusSignAddsToo") << "X100"
                                         << "X"
                                         << "+10"
                                         << "X110";
        QTest::newRow("halfOfNegative") << "X-15"
                                        << "X"
                                        << "*0.5"
                                        << "X-7.5";
        QTest::newRow("halfOfOne") << "X1"
                                   << "X"
                                   << "*0.5"
                                   << "X0.5";
        QTest::newRow("equalsKept") << "SB=1000 M03"
                                    << "SB"
                                    << "/2"
                                    << "SB=500 M03";
        QTest::newRow("blankAfterEqualsDisappears") << "SB= 1000"
                                                    << "SB"
                                                    << "/2"
                                                    << "SB=500";
        QTest::newRow("blankBeforeNumberDisappears") << "X 100 Z5"
                                                     << "X"
                                                     << "10"
                                                     << "X110 Z5";
        QTest::newRow("subtractBelowZero") << "F0.2"
                                           << "F"
                                           << "-0.35"
                                           << "F-0.15";
        QTest::newRow("leadingPoint") << "X.5"
                                      << "X"
                                      << "1"
                                      << "X1.5";
        QTest::newRow("lettersAtEndOfWordLeftAlone") << "MAX Z5"
                                                     << "X"
                                                     << "1"
                                                     << "MAX Z5";
        QTest::newRow("lettersAtEndOfTextLeftAlone") << "G00 X"
                                                     << "X"
                                                     << "1"
                                                     << "G00 X";
        QTest::newRow("roundedToThreeDecimals") << "X10"
                                                << "X"
                                                << "*0.33333"
                                                << "X3.333";
        QTest::newRow("onlyTenCharactersRead") << "X1234567890123"
                                               << "X"
                                               << "10"
                                               << "X1234567900123";
        QTest::newRow("blanksCountAmongTheTen") << "X         5"
                                                << "X"
                                                << "10"
                                                << "X15";
        QTest::newRow("numberBehindTenthNotRead") << "X          5"
                                                  << "X"
                                                  << "10"
                                                  << "X          5";
        QTest::newRow("secondSignEndsNumber") << "X10-5"
                                              << "X"
                                              << "1"
                                              << "X11-5";
        QTest::newRow("signAfterBlank") << "X -5"
                                        << "X"
                                        << "10"
                                        << "X5";
        QTest::newRow("signAloneIsNoNumber") << "X-Z"
                                             << "X"
                                             << "10"
                                             << "X-Z";
        QTest::newRow("pointAloneIsNoNumber") << "X.Z"
                                              << "X"
                                              << "10"
                                              << "X.Z";
        QTest::newRow("divisionByZeroLeavesValue") << "X100"
                                                   << "X"
                                                   << "/0"
                                                   << "X100";
        QTest::newRow("divisionByTextLeavesValue") << "X100"
                                                   << "X"
                                                   << "/abc"
                                                   << "X100";
        QTest::newRow("multiplyByTextGivesZero") << "X100"
                                                 << "X"
                                                 << "*abc"
                                                 << "X0";
        QTest::newRow("textAddsNothing") << "X100.50"
                                         << "X"
                                         << "abc"
                                         << "X100.5";
        QTest::newRow("overflowLeavesValue") << "X9"
                                             << "X"
                                             << "*1e308"
                                             << "X9";
        QTest::newRow("tinyNegativeWrittenAsZero") << "X0.0001"
                                                   << "X"
                                                   << "*-1"
                                                   << "X0";
        QTest::newRow("twoLetterAddress") << "DA=45."
                                          << "DA"
                                          << "*2"
                                          << "DA=90";
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
        QTest::newRow("everyValue") << "G00 X1 Z2\r\nX2\r\nG01 X3" << qsizetype(0) << "X"
                                    << "10"
                                    << "G00 X11 Z2\r\nX12\r\nG01 X13" << qsizetype(3);
        QTest::newRow("fromPositionOn") << "X1 X2" << qsizetype(1) << "X"
                                        << "1"
                                        << "X1 X3" << qsizetype(1);
        QTest::newRow("occurrencesWithoutNumberSkipped") << "MAX X5 XA (X)" << qsizetype(0) << "X"
                                                         << "1"
                                                         << "MAX X6 XA (X)" << qsizetype(1);
        QTest::newRow("adjacentOccurrences") << "X1X2X3" << qsizetype(0) << "X"
                                             << "*2"
                                             << "X2X4X6" << qsizetype(3);
        QTest::newRow("numberLongerThanTen") << "X123456789012 X1" << qsizetype(0) << "X"
                                             << "1"
                                             << "X123456789112 X2" << qsizetype(2);
        QTest::newRow("divisionByZeroChangesNothing") << "X1 X2" << qsizetype(0) << "X"
                                                      << "/0"
                                                      << "X1 X2" << qsizetype(0);
        QTest::newRow("digitLettersFindTheirOwnValue") << "19" << qsizetype(0) << "1"
                                                       << "1"
                                                       << "111" << qsizetype(2);
        QTest::newRow("moreThan32767Changes")
            << QString("X1\r\n").repeated(40000) << qsizetype(0) << "X"
            << "1" << QString("X2\r\n").repeated(40000) << qsizetype(40000);
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
        QTest::newRow("ordinaryProgram") << "N001 G00 X100 Z5\r\nN002 G01 X-20.5 F0.2\r\n(X)X"
                                         << "X"
                                         << "*0.5";
        QTest::newRow("lettersRepeatedInWord") << "XX1 XXX2 XX XX3"
                                               << "XX"
                                               << "10";
        QTest::newRow("selfOverlappingLetters") << "ABAB1 ABA2 ABABA3"
                                                << "ABA"
                                                << "-1";
        QTest::newRow("digitLetters") << "19 1 1 991 17"
                                      << "1"
                                      << "1";
        QTest::newRow("signLetters") << "X-5 -3 - -.5 --2"
                                     << "-"
                                     << "*2";
        QTest::newRow("pointLetters") << "1.5 .25 . 3."
                                      << "."
                                      << "*1";
        QTest::newRow("equalsLetters") << "SB=10 DA= 5 == 3"
                                       << "="
                                       << "10";
        QTest::newRow("letterAndDigit") << "X1X1X1 X11"
                                        << "X1"
                                        << "*3";
        QTest::newRow("shrinkingValues") << "X1000000 X20000 X3"
                                         << "X"
                                         << "/1000";
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
};

QTEST_GUILESS_MAIN(DataChangeTest)
#include "DataChangeTest.moc"
