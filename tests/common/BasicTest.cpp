#include "TestSupport.h"

#include "common/Basic.h"
#include "common/ErrorMessages.h"
#include "common/FormatNc.h"
#include "common/RuntimeError.h"
#include "common/Variant.h"

#include <QTest>

// The BASIC number rules the program relies on, its run-time errors and the NC number formats.
class BasicTest : public QObject
{
    Q_OBJECT

private slots:
    void val_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("expected");
        QTest::newRow("plainNumber") << "12.5" << 12.5;
        QTest::newRow("leadingBlanks") << "   7" << 7.0;
        QTest::newRow("negative") << "-0.25" << -0.25;
        QTest::newRow("stopsAtLetter") << "100X20" << 100.0;
        QTest::newRow("blanksInsideNumber") << "1 2" << 12.0;
        QTest::newRow("noNumberIsZero") << "abc" << 0.0;
        QTest::newRow("emptyIsZero") << "" << 0.0;
        QTest::newRow("secondPointEnds") << "1.2.3" << 1.2;
        QTest::newRow("exponent") << "1.5E2" << 150.0;
        QTest::newRow("exponentWithoutDigitsIgnored") << "2E" << 2.0;
        QTest::newRow("signOnly") << "-" << 0.0;
    }
    void val()
    {
        QFETCH(QString, text);
        QTEST(Val(text), "expected");
    }

    void intFixRound()
    {
        QCOMPARE(Int(-2.5), -3.0);
        QCOMPARE(Fix(-2.5), -2.0);
        QCOMPARE(Int(2.9), 2.0);
    }

    void numberText_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("expected");
        QTest::newRow("whole") << 2500.0 << "2500";
        QTest::newRow("fraction") << 2.01 << "2.01";
        QTest::newRow("binaryNeighbour") << (0.1 + 0.2) << "0.3";
        QTest::newRow("negativeZero") << -0.0 << "0";
        QTest::newRow("negative") << -16.1 << "-16.1";
        QTest::newRow("large") << 1e20 << "100000000000000000000";
    }
    void numberText()
    {
        QFETCH(double, value);
        QTEST(NumberText(value), "expected");
    }

    void strAndRunTimeErrors()
    {
        QCOMPARE(RuntimeErrorOf([] { Divide(1, 0); }), 11);
        QCOMPARE(Str(91), u" 91"_qs);
        QCOMPARE(Str(-5), u"-5"_qs);
        QCOMPARE(ErrorTitle(91), u" error  91"_qs);
        QCOMPARE(ErrorMessage(91), u"Not file open. Can not insert."_qs);
        QCOMPARE(ErrorMessage(5), u"Error."_qs);
        QVERIFY(ErrorMessage(0).isEmpty());
    }

    void variantConversions()
    {
        QCOMPARE(Variant(u"500"_qs).toNumber(), 500.0);
        QCOMPARE(Variant(u" 12.5 "_qs).toNumber(), 12.5);
        QCOMPARE(Variant(true).toNumber(), -1.0);
        QCOMPARE(Variant().toNumber(), 0.0);
        QVERIFY(Variant(u"true"_qs).toBool());
        QVERIFY(!Variant(u"False"_qs).toBool());
        QVERIFY(Variant(u"-1"_qs).toBool());
        QCOMPARE(Variant(false).toText(), u"False"_qs);
        QCOMPARE(Variant(200.0).toText(), u"200"_qs);
        for (const auto& bad : {Variant(u"12mm"_qs), Variant(u""_qs)}) {
            QCOMPARE(RuntimeErrorOf([&] { bad.toNumber(); }), 13);
        }
    }

    void formatNc_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("storedBack");
        QTest::newRow("zero") << 0.0 << "0" << 0.0;
        QTest::newRow("half") << 0.5 << "0.5" << 0.5;
        QTest::newRow("one") << 1.0 << "1" << 1.0;
        QTest::newRow("floorsPositive") << 12.34567 << "12.345" << 12.345;
        QTest::newRow("smallNegative") << -0.25 << "-0.25" << -0.25;
        QTest::newRow("floorsNegativeAway") << -1.2345 << "-1.235" << -1.235;
        QTest::newRow("negative") << -12.5 << "-12.5" << -12.5;
        QTest::newRow("whole") << 50.0 << "50" << 50.0;
        QTest::newRow("typed2point01") << 2.01 << "2.01" << 2.01;
        QTest::newRow("typed4point35") << 4.35 << "4.35" << 4.35;
        QTest::newRow("sumWithBinaryNoise") << (-16 - 0.1) << "-16.1" << -16.1;
        QTest::newRow("productWithBinaryNoise") << (0.1 * 3) << "0.3" << 0.3;
        QTest::newRow("negativeTinyFraction") << -0.0001 << "-0.001" << -0.001;
        QTest::newRow("large") << 123456.7899 << "123456.789" << 123456.789;
    }
    void formatNc()
    {
        QFETCH(double, value);
        QTEST(FormatNc(value), "text");
        QTEST(value, "storedBack");
    }

    void formatTwoDigit()
    {
        for (const auto& [value, text] :
            std::initializer_list<std::pair<double, const char*>> {{5, "05"}, {5.9, "05"},
                {12, "12"}, {0, "00"}, {9.9999999999, "10"}, {121212, "121212"}}) {
            double v = value;
            QCOMPARE(FormatTwoDigit(v), QString::fromLatin1(text));
        }
    }

    void spindleSpeed()
    {
        // 1000 * 100 / 3.14 / 20 = 1592.35 -> 159 tens.
        QCOMPARE(SpindleSpeed(100, 20), 1590.0);
        // Exactly 1000 stays 1000, whatever the binary arithmetic leaves behind.
        QCOMPARE(SpindleSpeed(31.4, 10), 1000.0);
        QCOMPARE(SpindleSpeed(3.14 * 3, 3), 1000.0);
        // A zero diameter is the division error.
        QCOMPARE(RuntimeErrorOf([] { SpindleSpeed(100, 0); }), 11);
    }
};

QTEST_GUILESS_MAIN(BasicTest)
#include "BasicTest.moc"
