#include "common/Basic.h"
#include "common/ErrorMessages.h"
#include "common/RuntimeError.h"
#include "common/Variant.h"

#include <QTest>

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
        QFETCH(double, expected);
        QCOMPARE(Val(text), expected);
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
        QFETCH(QString, expected);
        QCOMPARE(NumberText(value), expected);
    }

    void strHasLeadingBlankUnlessNegative()
    {
        QCOMPARE(Str(91), QStringLiteral(" 91"));
        QCOMPARE(Str(-5), QStringLiteral("-5"));
        QCOMPARE(ErrorTitle(91), QStringLiteral(" error  91"));
        QCOMPARE(ErrorMessage(91), QStringLiteral("Not file open. Can not insert."));
        QCOMPARE(ErrorMessage(5), QStringLiteral("Error."));
        QVERIFY(ErrorMessage(0).isEmpty());
    }

    void divideByZeroRaisesError11()
    {
        try {
            Divide(1, 0);
            QFAIL("no error");
        } catch (const RuntimeError& e) {
            QCOMPARE(e.number(), 11);
        }
    }

    void variantConversions()
    {
        QCOMPARE(Variant(QStringLiteral("500")).toNumber(), 500.0);
        QCOMPARE(Variant(QStringLiteral(" 12.5 ")).toNumber(), 12.5);
        QCOMPARE(Variant(true).toNumber(), -1.0);
        QCOMPARE(Variant().toNumber(), 0.0);
        QVERIFY(Variant(QStringLiteral("true")).toBool());
        QVERIFY(!Variant(QStringLiteral("False")).toBool());
        QVERIFY(Variant(QStringLiteral("-1")).toBool());
        QCOMPARE(Variant(false).toText(), QStringLiteral("False"));
        QCOMPARE(Variant(200.0).toText(), QStringLiteral("200"));
        for (const auto& bad : {Variant(QStringLiteral("12mm")), Variant(QStringLiteral(""))}) {
            try {
                bad.toNumber();
                QFAIL("text that is not a number must not convert");
            } catch (const RuntimeError& e) {
                QCOMPARE(e.number(), 13);
            }
        }
    }
};

QTEST_GUILESS_MAIN(BasicTest)
#include "BasicTest.moc"
