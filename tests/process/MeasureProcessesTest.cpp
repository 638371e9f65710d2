#include "process/generators/MeasureProcesses.h"
#include "GeneratorState.h"

#include <QTest>

namespace {
struct Member
{
    QString (*call)(Module1&);
    void (*build)(Module1&);
};

Member memberOf(const QString& name)
{
    const QHash<QString, Member> members = {{"inD", {MeasureInDCall, BuildMeasureInD}},
        {"inR", {MeasureInRCall, BuildMeasureInR}}, {"outD", {MeasureOutDCall, BuildMeasureOutD}},
        {"outR", {MeasureOutRCall, BuildMeasureOutR}}, {"zeroC", {nullptr, BuildZeroCAxis}},
        {"zeroZ", {nullptr, BuildZeroZAxis}}, {"gauging", {nullptr, BuildPostProcessGauging}}};
    return members.value(name);
}

const QString kSubProgramStart = QStringLiteral("N000 IF[VDIN[32]EQ 0]NRTS");
} // namespace

// The measuring calls, the measuring sub-programs and the zero settings, worked out by hand.
class MeasureProcessesTest : public QObject
{
    Q_OBJECT

private slots:
    void block_data()
    {
        QTest::addColumn<QString>("member");
        QTest::addColumn<QString>("state");
        QTest::addColumn<QString>("call");
        QTest::addColumn<QStringList>("expected");

        const QString inD = QStringLiteral(
            "T=5 EndX=30 EndZ=-20 AppX=250 AppZ=100 HomeX=500 HomeZ=500 U=0.02 W=0.05 V=7 ");
        QTest::newRow("inD_turretNumbers")
            << "inD" << inD << "N000 CALL OME12 ( INV.MEASURE D30)"
            << QStringList {"\t", "----------<  INV.MEASURE D30 >----------", "OME12",
                   kSubProgramStart, "N000 G00 X250 Z100 T0505",
                   "NT05 CALL ODIAA ZP1=100 ZP2=-20 TOF1=15 TOF2=05",
                   "$         MSP=30 APP=3 APPS=2 IMP=1 DOK=0.02 DNG=0.05 TOFN=07", "N000 G00 X250",
                   "N000     X500 Z500", "NRTS RTS"};
        // The probe is called by numbers even with tool groups; the correction goes to the group.
        QTest::newRow("inD_duomillGroups")
            << "inD" << inD + "duomill groups H1 macro=M441"
            << "N000 CALL OME12 ( INV.MEASURE D30)"
            << QStringList {"\t", "----------<  INV.MEASURE D30 >----------", "OME12",
                   kSubProgramStart, "N000 MT=1 TG=5", "N000 M441", "N000 G00 X250 Z100 TL=0505",
                   "NT05 CALL ODIAA ZP1=100 ZP2=-20 TOF1=15 TOF2=05",
                   "$         MSP=30 APP=3 APPS=2 IMP=1 DOK=0.02 DNG=0.05 ATG=07 AOG=1",
                   "N000 G00 X250", "N000 G21 HP=4", "NRTS RTS"};
        QTest::newRow("inR_turret")
            << "inR"
            << "T=12 EndX=40 EndZ=-15 U=0.01 W=0.03 V=12"
            << "N000 CALL OME11 ( INV.MEASURE D40)"
            << QStringList {"\t", "----------<  INV.MEASURE D40 >----------", "OME11",
                   kSubProgramStart, "N000 G00 X200 Z50 T1212", "NT12     X30", "N000     Z-15",
                   "N000 CALL OWMXA MSP=40 APP=3 APPS=2 IMP=1 DOK=0.01 DNG=0.03 TOFN=12",
                   "N000 G00 Z50", "N000     X200", "N000     X500 Z500", "NRTS RTS"};
        // The turning-tool ready-request ignores the turret type; no retract before the return.
        QTest::newRow("outD_duomillNumbers")
            << "outD"
            << "T=12 StartX=90 StartZ=5 EndX=80.5 EndZ=-25 U=0.02 W=0.04 V=3 duomill H1 "
               "toolData"
            << "N000 CALL OME02 (UTV.MEASURE D80.5)"
            << QStringList {"\t", "----------< UTV.MEASURE D80.5 >----------", "OME02",
                   kSubProgramStart, "N000 MT=1201", "N000 M421", "N000 G00 X200 Z50 TL=1212",
                   "NT12 CALL ODOAA XP1=90 ZP1=5 ZP2=-25 TOF1=22 TOF2=12",
                   "$         MSP=80.5 APP=3 APPS=2 IMP=1 DOK=0.02 DNG=0.04 TOFN=03",
                   "N000 G21 HP=4", "NRTS RTS"};
        // The offset number is the whole part of the typed number.
        QTest::newRow("outR_groupsWithoutDuomill")
            << "outR"
            << "T=3 EndX=60 EndZ=-8 U=0 W=0.1 V=15.9 groups"
            << "N000 CALL OME01 (UTV.MEASURE D60)"
            << QStringList {"\t", "----------< UTV.MEASURE D60 >----------", "OME01",
                   kSubProgramStart, "N000 G00 X200 Z50 T0303", "NT03     Z-8",
                   "N000 CALL OWMXA MSP=60 APP=3 APPS=2 IMP=1 DOK=0 DNG=0.1 ATG=15 AOG=1",
                   "N000 G00 X200", "N000     X500 Z500", "NRTS RTS"};

        const QString zeroC
            = QStringLiteral("T=12 V=5 F=2.5 W=10 D=30 StartX=60 StartZ=-10 EndZ=-12 EndC=90 ");
        QTest::newRow("zeroC_turret_oneTouch")
            << "zeroC" << zeroC + "C=0" << QString()
            << QStringList {"(-----< C-AXIS ZERO OFFSET >-----)", "N000 G94 M110 M15",
                   "N000 G00 X200 Z50 T1212", "NT12     Z-10", "N000     X60",
                   "N000 CALL OCPFI MSP=-12 APP=5 CFW=2.5 COF=90", "N000 CALL OZOFD COF=90 CMW=10",
                   "N000 G00 Z-10", "N000     X200", "N000     X500 Z500", "N000 G95 M109", "\t"};
        QTest::newRow("zeroC_duomillGroups_secondTouch")
            << "zeroC" << zeroC + "C=1 duomill groups" << QString()
            << QStringList {"(-----< C-AXIS ZERO OFFSET >-----)", "N000 MT=1 TG=12", "N000 M421",
                   "N000 G94 M110 M15", "N000 G00 X200 Z50 TL=1212", "NT12     Z-10",
                   "N000     X60", "N000 CALL OCPFI MSP=-12 APP=5 CFW=2.5 COF=90",
                   "N000 CALL OZOFD COF=90 CMW=10 APPS=1", "N000 G00 Z-10", "N000     X200",
                   "N000 G21 HP=4", "N000 G95 M109", "\t"};

        const QString zeroZ = QStringLiteral("T=12 D=3 L=1 StartX=20 StartZ=10 EndZ=0 ");
        QTest::newRow("zeroZ_turret_everythingOmitted")
            << "zeroZ" << zeroZ + "C=0 U=0 W=0" << QString()
            << QStringList {"(-----< Z-AXIS ZERO OFFSET >-----)", "N000 G00 X200 Z50 T1212",
                   "NT12     Z10", "N000     X20", "N000 CALL OZOFA MSP=0 APP=3 IMP=1",
                   "N000 G00 Z10", "N000     X200", "N000     X500 Z500", "\t"};
        QTest::newRow("zeroZ_duomill_everyWord")
            << "zeroZ" << zeroZ + "C=2 U=0.01 W=0.05 duomill H1 macro=M441" << QString()
            << QStringList {"(-----< Z-AXIS ZERO OFFSET >-----)", "N000 MT=1201", "N000 M441",
                   "N000 G00 X200 Z50 TL=1212", "NT12     Z10", "N000     X20",
                   "N000 CALL OZOFA MSP=0 APP=3 APPS=2 IMP=1 DOK=0.01 DNG=0.05", "N000 G00 Z10",
                   "N000     X200", "N000 G21 HP=4", "\t"};
        QTest::newRow("zeroZ_negativeTolerancesOmitted")
            << "zeroZ" << zeroZ + "C=-1 U=-0.01 W=0.02" << QString()
            << QStringList {"(-----< Z-AXIS ZERO OFFSET >-----)", "N000 G00 X200 Z50 T1212",
                   "NT12     Z10", "N000     X20", "N000 CALL OZOFA MSP=0 APP=3 IMP=1 DNG=0.02",
                   "N000 G00 Z10", "N000     X200", "N000     X500 Z500", "\t"};

        QTest::newRow("gauging_oneFixedLine")
            << "gauging"
            << "duomill groups T=5" << QString() << QStringList {"N000 CALL OXMS"};
    }
    void block()
    {
        QFETCH(QString, member);
        QFETCH(QString, state);
        QFETCH(QString, call);
        QFETCH(QStringList, expected);
        const Member generator = memberOf(member);
        Module1 m = GeneratorState(state);
        m.gProcessText = QStringLiteral("left over\r\n");
        QCOMPARE(generator.call ? generator.call(m) : QString(), call);
        generator.build(m);
        QCOMPARE(m.gProcessText, NcLines(expected));
    }
};

QTEST_GUILESS_MAIN(MeasureProcessesTest)
#include "MeasureProcessesTest.moc"
