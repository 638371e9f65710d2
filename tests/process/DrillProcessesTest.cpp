#include "TestSupport.h"

#include "common/Module1.h"
#include "process/generators/DrillProcesses.h"

#include <QTest>

namespace {
// The state a drilling process starts from: the machine at its usual positions (approach 200/50,
// home 500/500), turret tool numbering, no tool data, spindle forward, coolant on; `changes`
// sets further values as "name=value" words.
Module1 drillState(const QString& changes)
{
    Module1 m;
    m.gAppX = 200.0;
    m.gAppZ = 50.0;
    m.gHomeX = 500.0;
    m.gHomeZ = 500.0;
    m.gDuomill = false;
    m.gTG = false;
    m.gToolFrom = false;
    m.gAtcMacroType = u"M421"_qs;
    m.gSpindleCode = u" M03 M63"_qs;
    m.gCoolantCode = u" M08"_qs;
    const QHash<QString, double Module1::*> numbers = {{"T", &Module1::gToolNumber},
        {"V", &Module1::gV}, {"F", &Module1::gF}, {"U", &Module1::gU}, {"D", &Module1::gD},
        {"L", &Module1::gL}, {"StartZ", &Module1::gStartZ}, {"EndZ", &Module1::gEndZ}};
    for (const QString& word : changes.split(u' ', Qt::SkipEmptyParts)) {
        const QString name = word.section(u'=', 0, 0);
        const QString text = word.section(u'=', 1);
        if (numbers.contains(name))
            m.*numbers[name] = text.toDouble();
        else if (name == u"duomill")
            m.gDuomill = true;
        else if (name == u"groups")
            m.gTG = true;
        else if (name == u"toolData")
            m.gToolFrom = true;
        else if (name == u"macro")
            m.gAtcMacroType = text;
        else if (name == u"ccw")
            m.gSpindleCode = u" M04 M63"_qs;
        else if (name == u"coolantOff")
            m.gCoolantCode = u" M09"_qs;
        else if (name == u"AppZ")
            m.gAppZ = QString(text); // kept as read from the settings store
        else if (name == u"AppX")
            m.gAppX = text.toDouble();
        else
            qFatal("unknown state word %s", qPrintable(name));
    }
    return m;
}

QString lines(const QStringList& list)
{
    return list.join(QLatin1String("\r\n")) + QLatin1String("\r\n");
}
} // namespace

class DrillProcessesTest : public QObject
{
    Q_OBJECT

private slots:
    void hssDrill_data()
    {
        QTest::addColumn<QString>("state");
        QTest::addColumn<QStringList>("expected");
        const auto row = [](const char* name, const QString& state, const QStringList& expected) {
            QTest::newRow(name) << state << expected;
        };
        const QString base = u"T=5 V=20 F=0.1 U=10 D=0 L=0 StartZ=2 EndZ=-30 "_qs;

        // 1000 x 20 / 3.14 / 10 = 636.9 -> S630; K = 50 - 2 - 3; without a peck depth
        // D = Int(2 + 30 + 4).
        row("plainTurret_noPeck", base,
            QStringList {"(-----< DRILL D10 >-----)", "N000 G00 X0 Z50 T0505 M42 S630 M03 M63 M08",
                "NT05 G74 X0 Z-30 K45 D36 F0.1", "N000 G00 X500 Z500", "\t"});
        row("toolData", base + "toolData",
            QStringList {"(-----< DRILL D10 >-----)", "NOEX VTLIN[5]=22 VTLFN[5]=1 VTLA1[5]=118",
                "NOEX VTLD[5]=10 VTLL[5]=52", "N000 G00 X0 Z50 T0505 M42 S630 M03 M63 M08",
                "NT05 G74 X0 Z-30 K45 D36 F0.1", "N000 G00 X500 Z500", "\t"});
        row("toolGroupsWithToolData", base + "groups toolData",
            QStringList {"(-----< DRILL D10 >-----)", "NOEX VGRIN[5]=22 VGRFN[5]=1 VGRA1[5]=118",
                "NOEX VGRD[5]=10 VGRL[5]=52", "N000 G00 X0 Z50 TG=5 OG=1 M42 S630 M03 M63 M08",
                "NT05 G74 X0 Z-30 K45 D36 F0.1", "N000 G00 X500 Z500", "\t"});
        row("duomill_returnsByG21", base + "duomill macro=M421",
            QStringList {"(-----< DRILL D10 >-----)", "N000 MT=501", "N000 M421",
                "N000 G00 X0 Z50 TL=0505 M42 S630 M03 M63 M08", "NT05 G74 X0 Z-30 K45 D36 F0.1",
                "N000 G00 X200", "N000 G21 HP=4 M05 M63 M09", "\t"});
        row("duomillGroupsToolData", base + "duomill groups toolData macro=M321",
            QStringList {"(-----< DRILL D10 >-----)", "NOEX VGRIN[5]=22 VGRFN[5]=1 VGRA1[5]=118",
                "NOEX VGRD[5]=10 VGRL[5]=52", "N000 MT=1 TG=5", "N000 M321",
                "N000 G00 X0 Z50 TG=5 OG=1 M42 S630 M03 M63 M08", "NT05 G74 X0 Z-30 K45 D36 F0.1",
                "N000 G00 X200", "N000 G21 HP=4 M05 M63 M09", "\t"});
        // 1000 x 25 / 3.14 / 8.5 = 936.7 -> S930.
        row("peckAndL_reverseDry",
            "T=12 V=25 F=0.15 U=8.5 D=5 L=2 StartZ=0 EndZ=-40.5 ccw coolantOff",
            QStringList {"(-----< DRILL D8.5 >-----)", "N000 G00 X0 Z50 T1212 M42 S930 M04 M63 M09",
                "NT12 G74 X0 Z-40.5 K47 D5 L2 F0.15", "N000 G00 X500 Z500", "\t"});
        // Int(1.5 + 20.7 + 4) = 26; K = 50 - 1.5 - 3; the length 1.5 + 20.7 + 20.
        row("fractionalDepths_toolData", "T=3 V=20 F=0.08 U=10 StartZ=1.5 EndZ=-20.7 toolData",
            QStringList {"(-----< DRILL D10 >-----)", "NOEX VTLIN[3]=22 VTLFN[3]=1 VTLA1[3]=118",
                "NOEX VTLD[3]=10 VTLL[3]=42.2", "N000 G00 X0 Z50 T0303 M42 S630 M03 M63 M08",
                "NT03 G74 X0 Z-20.7 K45.5 D26 F0.08", "N000 G00 X500 Z500", "\t"});
        // 1000 x 31.4 / 3.14 / 10 is exactly 1000; the approach Z comes as text from the store.
        row("speedExactly1000_approachAsText", "T=5 V=31.4 F=0.1 U=10 StartZ=0 EndZ=-10 AppZ=100.5",
            QStringList {"(-----< DRILL D10 >-----)",
                "N000 G00 X0 Z100.5 T0505 M42 S1000 M03 M63 M08", "NT05 G74 X0 Z-10 K97.5 D14 F0.1",
                "N000 G00 X500 Z500", "\t"});
        row("negativePeckMeansNone_negativeLOmitted", base + "D=-1 L=-2",
            QStringList {"(-----< DRILL D10 >-----)", "N000 G00 X0 Z50 T0505 M42 S630 M03 M63 M08",
                "NT05 G74 X0 Z-30 K45 D36 F0.1", "N000 G00 X500 Z500", "\t"});
    }
    void hssDrill()
    {
        QFETCH(QString, state);
        QFETCH(QStringList, expected);
        Module1 m = drillState(state);
        const double diameter = m.gU;
        BuildDrillHss(m);
        QCOMPARE(m.gProcessText, lines(expected));
        QCOMPARE(m.gInnerDia, diameter);
    }

    void insertDrill_data()
    {
        QTest::addColumn<QString>("state");
        QTest::addColumn<QStringList>("expected");
        const auto row = [](const char* name, const QString& state, const QStringList& expected) {
            QTest::newRow(name) << state << expected;
        };
        // 1000 x 150 / 3.14 / 20 = 2388.5 -> S2380.
        const QString base = u"T=10 V=150 F=0.15 U=20 StartZ=0 EndZ=-45 "_qs;
        const QStringList head = {"(-----< DRILL D20 >-----)",
            "N000 G00 X0 Z50 T1010 M42 S2380 M03 M63 M08", "NT10     Z3"};
        const QStringList tail = {"N000 G00 Z50", "N000     X500 Z500", "\t"};
        row("entryAndBreakthrough", base + "D=2 L=3",
            head
                + QStringList {"N000 G01 Z-2 F0.075", "N000     Z-42 F0.15", "N000     Z-45 F0.075"}
                + tail);
        row("entryOnly", base + "D=2 L=0",
            head + QStringList {"N000 G01 Z-2 F0.075", "N000     Z-45 F0.15"} + tail);
        row("breakthroughOnly", base + "D=0 L=3",
            head + QStringList {"N000 G01 Z-42 F0.15", "N000     Z-45 F0.075"} + tail);
        row("neither_oneMoveAtFullFeed", base + "D=0 L=0",
            head + QStringList {"N000 G01 Z-45 F0.15"} + tail);
        row("negativeLengthsMeanNone", base + "D=-1 L=-1",
            head + QStringList {"N000 G01 Z-45 F0.15"} + tail);
        // Decimal floors: -16 - 0.1 is -16.1 and half of 0.29 is 0.145, never -16.101 or 0.144.
        row("decimalFloors", "T=10 V=150 F=0.29 U=20 StartZ=-16 EndZ=-60 D=0.1 L=0.3",
            QStringList {"(-----< DRILL D20 >-----)", "N000 G00 X0 Z50 T1010 M42 S2380 M03 M63 M08",
                "NT10     Z-13", "N000 G01 Z-16.1 F0.145", "N000     Z-59.7 F0.29",
                "N000     Z-60 F0.145"}
                + tail);
        row("duomillGroupsToolData", base + "D=2 L=3 duomill groups toolData macro=M441",
            QStringList {"(-----< DRILL D20 >-----)", "NOEX VGRIN[10]=23 VGRFN[10]=1 VGRA1[10]=180",
                "NOEX VGRD[10]=20 VGRL[10]=65", "N000 MT=1 TG=10", "N000 M441",
                "N000 G00 X0 Z50 TG=10 OG=1 M42 S2380 M03 M63 M08", "NT10     Z3",
                "N000 G01 Z-2 F0.075", "N000     Z-42 F0.15", "N000     Z-45 F0.075",
                "N000 G00 Z50", "N000     X200", "N000 G21 HP=4 M05 M63 M09", "\t"});
        row("duomillNumbersToolData", base + "D=0 L=0 duomill toolData macro=M421 AppX=150",
            QStringList {"(-----< DRILL D20 >-----)", "NOEX VTLIN[10]=23 VTLFN[10]=1 VTLA1[10]=180",
                "NOEX VTLD[10]=20 VTLL[10]=65", "N000 MT=1001", "N000 M421",
                "N000 G00 X0 Z50 TL=1010 M42 S2380 M03 M63 M08", "NT10     Z3",
                "N000 G01 Z-45 F0.15", "N000 G00 Z50", "N000     X150", "N000 G21 HP=4 M05 M63 M09",
                "\t"});
    }
    void insertDrill()
    {
        QFETCH(QString, state);
        QFETCH(QStringList, expected);
        Module1 m = drillState(state);
        BuildDrillU(m);
        QCOMPARE(m.gProcessText, lines(expected));
        QCOMPARE(m.gInnerDia, 20.0);
    }

    void drillDiameterIsTheNewBoreRounded()
    {
        Module1 m = drillState(u"T=5 V=20 F=0.1 U=10.2345 StartZ=0 EndZ=-20"_qs);
        BuildDrillHss(m);
        QCOMPARE(m.gInnerDia, 10.234);
        QVERIFY(m.gProcessText.startsWith(QLatin1String("(-----< DRILL D10.234 >-----)\r\n")));
    }

    void zeroDiameterIsTheDivisionError()
    {
        for (void (*build)(Module1&) : {BuildDrillHss, BuildDrillU}) {
            Module1 m = drillState(u"T=5 V=20 F=0.1 U=0 StartZ=0 EndZ=-20"_qs);
            QCOMPARE(RuntimeErrorOf([&] { build(m); }), 11);
        }
    }
};

QTEST_GUILESS_MAIN(DrillProcessesTest)
#include "DrillProcessesTest.moc"
