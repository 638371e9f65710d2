#include "common/FormatNc.h"
#include "common/RuntimeError.h"

#include <QTest>

class FormatNcTest : public QObject
{
    Q_OBJECT

private slots:
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
        QFETCH(QString, text);
        QFETCH(double, storedBack);
        QCOMPARE(FormatNc(value), text);
        QCOMPARE(value, storedBack);
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
        try {
            SpindleSpeed(100, 0);
            QFAIL("a zero diameter must raise the division error");
        } catch (const RuntimeError& e) {
            QCOMPARE(e.number(), 11);
        }
    }
};

QTEST_GUILESS_MAIN(FormatNcTest)
#include "FormatNcTest.moc"
