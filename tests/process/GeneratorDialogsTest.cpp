#include "ProcessGuiSupport.h"
#include "documents/NcTextBox.h"

#include <QApplication>

// Every generator dialog of the Process menu on a real document: one row per menu item with the
// dialog the user finds (caption, labels, fields in tab order, tool tips) and its pre-fill from
// the carbon-steel file, the defaults or the previous dialog; some rows also type values, press OK
// and check the block inserted at the caret. Then the runs no row can hold: byte-exact blocks on
// other machines, values carried from one dialog to the next, the measurement call with its
// sub-program, and the errors.
class GeneratorDialogsTest : public QObject
{
    Q_OBJECT

    frmMain* m_main = nullptr;

    struct Run
    {
        SeenDialog seen;
        QString inserted;
    };

    // Opens the item's dialog on a program with the caret after its first line, notes what it
    // shows, types the "field=text" entries (a bare name clicks that button) and presses OK, or
    // Cancel when nothing is typed. Whatever was inserted must stand at the caret, the caret after
    // it, and nothing else may change.
    void run(const QString& item, const QString& typed, Run& out)
    {
        NcTextBox* text = ActiveText();
        text->loadText(QStringLiteral("O0001\r\nNEND M02\r\n"));
        text->setSelStart(7);
        ModalScript script;
        script.then([&](QWidget* w) {
            out.seen = See(w);
            for (const QString& entry : typed.split(u'|', Qt::SkipEmptyParts)) {
                if (entry.contains(u'='))
                    Type(w, entry.section(u'=', 0, 0), entry.section(u'=', 1));
                else
                    Click(w, entry);
            }
            Click(w, typed.isEmpty() ? "Command2" : "Command1");
        });
        Trigger(m_main, item);
        QVERIFY2(script.pendingSteps() == 0, qPrintable(item));
        out.inserted = text->Text().mid(7, text->SelStart() - 7);
        QCOMPARE(text->Text(), u"O0001\r\n"_qs + out.inserted + u"NEND M02\r\n"_qs);
        QCOMPARE(text->DataChanged(), !out.inserted.isEmpty());
    }

    // A program with its second line selected, no undo history.
    static QString selected() { return u"O0001\r\nN001 G00 X100\r\nNEND M02\r\n"_qs; }
    static NcTextBox* programWithSelection()
    {
        NcTextBox* text = ActiveText();
        text->loadText(selected());
        text->setSelStart(7);
        text->setSelLength(13);
        return text;
    }

    // The machine the byte-exact blocks below are worked out for.
    static void setMachine(bool duomill, bool afterK500, int turret, bool toolData)
    {
        Module1& m = module1();
        m.gTG = false;
        m.gDuomill = duomill;
        m.gQCSK500 = afterK500;
        m.gTurretType = turret;
        m.gAtcMacroType = QStringLiteral("M441");
        m.gToolFrom = toolData;
    }

private slots:
    // The machine of a first start (approach X200 Z50, home X500 Z500, after K500, tool data,
    // no Duomill, no tool groups), an 80 mm bar with a 20 mm bore and P-Zero at 2, and the plane
    // of an earlier inclined-plane dialog.
    void init()
    {
        m_main = StartWithDocument();
        LoadConditionFile(QStringLiteral("S45C.CSV"));
        Module1& m = module1();
        m.gMaterialOD = 80;
        m.gPZero = 2;
        m.gInnerDia = 20;
        m.gB = 30.5;
        m.gSZ = -2;
    }

    // "prefill" lists field texts as "field=text"; "typed" as for run(); "head" the first lines
    // of the inserted block, which always ends with the tab line.
    void dialogs_data()
    {
        QTest::addColumn<QString>("item");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("picture");
        QTest::addColumn<QString>("prefill");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QStringList>("head");
        const auto row
            = [](const char* name, const char* item, const char* caption, const QString& picture,
                  const QString& prefill, const char* typed = "", const QStringList& head = {}) {
                  QTest::newRow(name) << QString::fromUtf8(item) << QString::fromUtf8(caption)
                                      << picture << prefill << QString::fromUtf8(typed) << head;
              };
        // The parts most dialogs share.
        const QString tool = QStringLiteral("Label1=Tool No.|Label10=T|");
        const QString feeds
            = QStringLiteral("LabelV=Speed(m/min)|Labelv2=V|LabelF=Feed|LabelF2=F|");
        const QString rotating = tool + feeds;
        const QString slant = tool + "LabelB=B Axis Angle|LabelB2=B|" + feeds;
        const QString stock
            = QStringLiteral("LabelU=FIN Stock|LabelU2=U|LabelW=FIN Stock Z|LabelW2=W|");
        const QString startXZ
            = QStringLiteral("LabelStart=Start Point|LabelStartX=X|LabelStartZ=Z|");
        const QString start = startXZ + "LabelStartC=C|";
        const QString planeStart
            = QStringLiteral("LabelStart=Start Point|LabelStartX=X|LabelStartZ=Y|LabelStartC=Z|");
        const QString end = QStringLiteral("LabelEnd=End Point|LabelEndX=X|LabelEndZ=Z|");
        // Drilling: row 1 of the file, the start at P-Zero; 1000 x 20 / 3.14 / 10 -> S630,
        // K = 50 - 2 - 3.
        row("hssDrill", "ProcessDrillHss", "Hss Drill ",
            rotating + "LabelU=Drill diameter |LabelU2=U|LabelD=Step|LabelD2=D|LabelL=Step 2|"
                + "LabelL2=L|LabelStart=Start Point|LabelStartZ=Z|LabelEnd=End Point|LabelEndZ=Z|"
                + "ToolNumber|V|F|U|D|L|StartZ|EndZ",
            "ToolNumber=9|V=22|F=0.12|D=8|U=10|StartZ=2|EndZ=",
            "ToolNumber=5|V=20|F=0.1|D=0|EndZ=-30",
            {"(-----< DRILL D10 >-----)", "NOEX VTLIN[5]=22 VTLFN[5]=1 VTLA1[5]=118",
                "NOEX VTLD[5]=10 VTLL[5]=52", "N000 G00 X0 Z50 T0505 M42 S630 M03 M63 M08",
                "NT05 G74 X0 Z-30 K45 D36 F0.1", "N000 G00 X500 Z500", "\t"});
        // Rough turning and finishing.
        const QString roughFields
            = QStringLiteral("ToolNumber|V|F|U|W|D|C|StartX|StartZ|EndX|EndZ");
        const QString chamfer = QStringLiteral("LabelC=Chamfer|LabelC2=C|");
        const QString finishing = tool + "LabelV=Speed(m/min)|Labelv2=V|" + stock + startXZ
            + "ToolNumber|V|U|W|StartX|StartZ";
        row("roughOutside", "ProcessGROVOD", "UTV.GROV ",
            rotating + stock + "LabelD=Cutting amount|LabelD2=D|" + chamfer + startXZ + end
                + roughFields,
            "ToolNumber=1|V=200|F=0.3|U=0.4|W=0.1|D=2.5|C=1|StartX=|StartZ=0|EndX=80|EndZ=");
        row("roughInside", "ProcessGROVID", " INV.GROV ",
            rotating + stock + "LabelD=Cutting amount |LabelD2=D|" + chamfer + startXZ + end
                + roughFields,
            "ToolNumber=5|V=160|D=1.5|C=0.5|StartZ=0|EndX=20");
        row("roughFace", "ProcessGROVPLAN", "UTV.PLAN GROV ",
            rotating + "LabelW=FIN Stock Z|LabelW2=W|LabelL=PLAN cutting amount |LabelL2=Z|"
                + startXZ + end + "ToolNumber|V|F|W|L|StartX|StartZ|EndX|EndZ",
            "ToolNumber=1|F=0.25|W=0.1|L=2|StartX=80|StartZ=2|EndX=20|EndZ=0");
        row("roughFaceAndOutside", "ProcessGROVPLANOD", "PLAN UTV.GROV ",
            rotating + stock
                + "LabelD=Cutting amount|LabelD2=X|LabelL=PLAN cutting amount|LabelL2=Z|" + chamfer
                + "LabelCZ=PLAN end point|LabelSZ=X|" + startXZ + end
                + "ToolNumber|V|F|U|W|D|L|C|SZ|StartX|StartZ|EndX|EndZ",
            "D=2.5|L=2|SZ=17|StartZ=0|EndX=80");
        row("finishOutside", "ProcessFINOD", "UTV.FIN ", finishing,
            "ToolNumber=3|V=250|U=0|W=0|StartX=|StartZ=");
        row("finishInside", "ProcessFINID", " INV.FIN ", finishing,
            "ToolNumber=7|V=200|StartX=20|StartZ=0");
        row("finishFace", "ProcessFINPLAN", "UTV.  PLAN  FIN ", finishing,
            "ToolNumber=3|StartX=|StartZ=");
        row("finishFaceAndOutside", "ProcessFINPLANOD", "PLAN UTV. FIN ",
            rotating + stock + "LabelC=PLAN |" + startXZ
                + "LabelEnd=End Point|LabelEndX=X|ToolNumber|V|F|U|W|StartX|StartZ|EndX",
            "ToolNumber=3|F=0.12|StartZ=0|EndX=20");
        // Grooving and threading: rows 11 to 16 of the file, S = 1000 V / 3.14 / diameter.
        const QString groove = rotating + stock + "LabelD=Step|LabelD2=D|";
        const QString grooveEnd = chamfer + startXZ + end;
        const QString sideGroove = groove + "LabelL=Tool width |LabelL2=K|" + grooveEnd
            + "LabelAttn=Attention :Reference point Z-axis is negative.|";
        const QString grooveFields
            = QStringLiteral("ToolNumber|V|F|U|W|D|L|C|StartX|StartZ|EndX|EndZ");
        const QString thread = QStringLiteral(
            "LabelD=Cutting amount|LabelD2=D|LabelL=Chamfer|LabelL2=L|LabelC=Read number|"
            "LabelC2=J|LabelStart= Cycle  master  point |LabelStartX=X|LabelStartZ=Z|"
            "LabelStartC=C|");
        const QString sideThread = rotating + "LabelU=FIN Stock|LabelU2=U|" + thread
            + "LabelEnd=Diameter |LabelEndX=X|LabelEndZ=Z|"
              "ToolNumber|V|F|U|D|L|C|StartX|StartZ|StartC|EndX|EndZ";
        // Row 11: tool 6, V100, F0.05, D1, L3, U0.1, W0.1, C0.3. 100000 / 3.14 / 60 -> S530.
        row("facingGroove", "ProcessGroovePLAN", "PLAN Groove ",
            groove + "LabelL= tool  width |LabelL2=W|" + grooveEnd
                + "LabelAttn=Attention : reference point X axis diameter.|" + grooveFields,
            "ToolNumber=6|StartC=", "StartX=60|StartZ=0|EndX=40|EndZ=-5",
            {"(-----< UTV.GROOVE PLAN >-----)", "NOEX VTLIN[6]=21 VTLFN[6]=1 VTLA1[6]=180",
                "NOEX VTLW[6]=3 VTLL[6]=40", "N000 G00 X60.1 Z50 T060606 M42 S530 M03 M63 M08",
                "NT06     Z2 G96 S100", "N000 G74 X39.9 Z-4.9 D1 I2.5 F0.05 T26",
                "N000 G00 X58.4"});
        // Row 12: tool 6, V120, F0.06, D1, L3, U0.1, W0.1, C0.3. 120000 / 3.14 / 54 -> S700.
        row("outsideGroove", "ProcessGrooveOD", "UTV.Groove ", sideGroove + grooveFields,
            "ToolNumber=6|StartC=", "StartX=50|StartZ=-10|EndX=40|EndZ=-15",
            {"(-----< UTV.GROOVE >-----)", "NOEX VTLIN[6]=19 VTLFN[6]=1 VTLA1[6]=180",
                "NOEX VTLW[6]=3 VTLL[6]=40", "N000 G00 X200 Z-9.9 T060606 M42 S700 M03 M63 M08",
                "NT06     X54", "N000 G96 S120", "N000 G73 X40.1 Z-15.1 D1 K2.5 F0.06 T26",
                "N000 G00 Z-10.8"});
        // Row 13: tool 8, V100, F0.05, D0.8, L2, U0.1, W0.1, C0.2. 100000 / 3.14 / 26 -> S1220.
        row("insideGroove", "ProcessGrooveID", " INV.Groove ", sideGroove + grooveFields,
            "ToolNumber=8|StartC=", "StartX=30|StartZ=-5|EndX=36|EndZ=-9",
            {"(-----<  INV.GROOVE >-----)", "NOEX VTLIN[8]=20 VTLFN[8]=1 VTLA1[8]=180",
                "NOEX VTLD[8]=20 VTLW[8]=2 VTLL[8]=24",
                "N000 G00 X26 Z50 T080808 M42 S1220 M03 M63 M08", "NT08     Z-4.9", "N000 G96 S100",
                "N000 G73 X35.9 Z-9.1 D0.8 K1.5 F0.05 T28", "N000 G00 Z-5.7"});
        // Row 14: tool 4, V120, F1.5, D0.35, L0, U0, W0.02, C1. 120000 / 3.14 / 60 -> S630.
        row("faceThread", "ProcessThreadPLAN", "PLAN Thread ",
            rotating + "LabelW=FIN Stock Z|LabelW2=W|" + thread + end
                + "ToolNumber|V|F|W|D|L|C|StartX|StartZ|StartC|EndX|EndZ",
            "ToolNumber=4|StartC=0", "StartX=60|StartZ=3|EndX=30|EndZ=-2",
            {"(-----< UTV.THREAD PLAN P1.5 >-----)", "NOEX VTLIN[4]=15 VTLFN[4]=1 VTLA1[4]=60",
                "NOEX VTLL[4]=40", "N000 G00 X60 Z50 T040404 M42 S630 M03 M63 M08", "NT04     Z3",
                "N000 G72 X30 Z-2 H0.975 D0.35 W0.02 F1.5", "N000 G00 Z50", "N000     X500 Z500",
                "\t"});
        // Row 15: tool 4, V120, F1.5, D0.35, L1, U0.02, W0, C1 (typed 2).
        // 120000 / 3.14 / 20 -> S1910.
        row("outsideThread", "ProcessThreadOD", "UTV.Thread ", sideThread, "ToolNumber=4|StartC=0",
            "StartX=24|StartZ=5|EndX=20|EndZ=-30|C=2",
            {"(-----< UTV.THREAD M20*P1.5 >-----)", "NOEX VTLIN[4]=13 VTLFN[4]=1 VTLA1[4]=60",
                "NOEX VTLL[4]=40", "N000 G00 X24 Z50 T040404 M42 S1910 M03 M63 M08", "NT04     Z5",
                "N000 G71 X18.05 Z-30 H1.95 D0.35 U0.02 L1 M23 Q2 F1.5", "N000 G00 X200",
                "N000     X500 Z500", "\t"});
        // Row 16: tool 11, V100, F1.5, D0.3, L1, U0.02, W0, C1. 100000 / 3.14 / 30 -> S1060.
        row("insideThread", "ProcessThreadID", " INV.Thread ", sideThread, "ToolNumber=11|StartC=0",
            "StartX=26|StartZ=5|EndX=30|EndZ=-25",
            {"(-----<  INV.THREAD M30*P1.5 >-----)", "NOEX VTLIN[11]=14 VTLFN[11]=1 VTLA1[11]=60",
                "NOEX VTLD[11]=20 VTLL[11]=50", "N000 G00 X26 Z50 T111111 M42 S1060 M03 M63 M08",
                "NT11     Z5", "N000 G71 X30 Z-25 H1.5 D0.3 U0.02 L1 M23 F1.5", "N000 G00 Z50",
                "N000     X500 Z500", "\t"});
        // Drilling and tapping with rotating tools: the taps start at fixed points.
        const QString drillHint
            = QStringLiteral("~M3=2.6 M4=3.4 M5=4.3 M6=5.1 M8=6.9 M10=8.7 M12=10.5 M16=14.3|");
        const QString pitchHint = QStringLiteral("~M2=0.4 M2.5=0.45 M3=0.5 M4=0.7 M5=0.8 M6=1 "
                                                 "M8=1.25 M10=1.5 M12=1.75 M16=2 M20=2.5 M24=3|");
        const QString drillSteps = QStringLiteral(
            "LabelU2=D|LabelW=End point dwell |LabelW2=E|LabelD=Step|LabelD2=D|LabelL=Step 2|"
            "LabelL2=L|");
        const QString holes = drillSteps + "LabelC=Hole number |LabelC2=Q|" + start;
        const QString planeEnd = QStringLiteral("LabelEndX=C|EndZ2=End Point|LabelEndC=Z|");
        const QString tap = QStringLiteral(
            "LabelU=Diameter |LabelU2=M|LabelD= thread  angle |LabelD2=D|LabelC= Tap  number |"
            "LabelC2=Q|");
        const QString drill = QStringLiteral("V=20|F=0.1|U=6.8|W=0.2|D=5|L=0|");
        const QString taps = QStringLiteral("V=8|F=1.25|U=8|D=0|C=4|");
        const QString plane = QStringLiteral("B=30.5|SZ=-2|C=|");
        row("drillFace", "ProcessMDrillPLAN", "M Drill PLAN ",
            rotating + "LabelU=Drill diameter |" + holes + "LabelEnd=End Point|LabelEndZ=Z|"
                + "ToolNumber|V|F|U" + drillHint + "W|D|L|C|StartX|StartZ|StartC|EndZ",
            drill + "C=4|ToolNumber=13|StartZ=");
        row("drillSide", "ProcessMDrillSide", "M Drill  Side ",
            rotating + "LabelU=Drill diameter|" + holes + "LabelEnd=End Point|LabelEndX=X|"
                + "ToolNumber|V|F|U" + drillHint + "W|D|L|C|StartX|StartZ|StartC|EndX",
            drill + "C=4|ToolNumber=14");
        row("drillSlant", "ProcessMDrillSlant", "M Drill Slant ",
            slant + "LabelU=Drill diameter |" + drillSteps
                + "LabelC=Zero movement amount |LabelC2=X|LabelCZ=Zero movement amount |"
                  "LabelSZ=Z|"
                + planeStart + "LabelEnd= master  angle |" + planeEnd
                + "LabelAttn=Attention :X axis is radius command.|ToolNumber|B|V|F|U" + drillHint
                + "W|D|L|C|SZ|StartX|StartZ|StartC|EndX|EndC",
            drill + plane + "ToolNumber=15");
        row("tapFace", "ProcessMTapPLAN", "M Tap  PLAN ",
            rotating + tap + start + "LabelEnd=End Point|LabelEndZ=Z|ToolNumber|V|F" + pitchHint
                + "U|D|C|StartX|StartZ|StartC|EndZ",
            taps + "ToolNumber=16|StartZ=0|StartC=0");
        // Nothing blanks the spare end caption: "End Point" stands where EndZ would.
        row("tapSide", "ProcessMTapSide", "M Tap  Side ",
            rotating + tap + start + "LabelEnd=End Point|LabelEndX=X|EndZ2=End Point|ToolNumber|V|F"
                + pitchHint + "U|D|C|StartX|StartZ|StartC|EndX",
            taps + "ToolNumber=17|StartZ=|StartC=0");
        row("tapSlant", "ProcessMTapSlant", "M Tap  Slant ",
            slant
                + "LabelU=Diameter |LabelU2=M|LabelC= zero  movement  amount |LabelC2=X|"
                  "LabelCZ= zero  movement  amount |LabelSZ=Z|"
                + planeStart + "LabelEnd= master  angle |" + planeEnd
                + "LabelAttn= attention :X axis は radius  command です . |ToolNumber|B|V|F"
                + pitchHint + "U|C|SZ|StartX|StartZ|StartC|EndX|EndC",
            plane + "ToolNumber=18|F=1.25|U=8");
        row("planetTap", "ProcessMPlanetTapSlant", "Planet Tap Slant ",
            slant
                + "LabelU=Tap diameter |LabelU2=D|LabelW=Master angle |LabelW2=C|"
                  "LabelD=Thread pitch|LabelD2=P|LabelC=Zero movement amount|LabelC2=X|"
                  "LabelCZ=Zero movement amount|LabelSZ=Z|"
                + planeStart + "LabelEnd= radius |LabelEndX=R|EndZ2=End Point|LabelEndC=Z|"
                + "LabelAttn=Attention :X axis is radius.|"
                  "ToolNumber|B|V|F|U|W|D|C|SZ|StartX|StartZ|StartC|EndX|EndC",
            plane + "ToolNumber=24|V=60|F=0.05|U=6|W=0|D=1.5");
        // Key ways, milling and circles.
        const QString keyFields
            = QStringLiteral("ToolNumber|V|F|U|W|D|L|C|StartX|StartZ|StartC|EndX|EndZ");
        row("keyWayPlan", "ProcessMKeyPLAN", "M Key way PLAN ",
            rotating
                + "LabelU=Endmill diameter |LabelU2=D|LabelW=Infeed speed |LabelW2=E|"
                  "LabelD=Cutting amount |LabelD2=D|LabelL=FIN stock|LabelL2=W|"
                  "LabelC=Key number |LabelC2=Q|"
                + start + end + keyFields,
            "ToolNumber=19|V=25|F=0.05|U=8|W=0.03|D=1|L=0.1|C=1");
        row("keyWaySide", "ProcessMKeySide", "M Key way Side ",
            rotating
                + "LabelU=Endmill diameter |LabelU2=D|LabelW=Infeed speed |LabelW2=E|"
                  "LabelD=Cutting amount |LabelD2=D|LabelL=FIN stock|LabelL2=U|"
                  "LabelC=Key number|LabelC2=Q|"
                + start + end + keyFields,
            "ToolNumber=20|C=2");
        row("keyWaySlant", "ProcessMKeySlant", "M Key way Slant ",
            slant
                + "LabelU=Endmill diameter |LabelU2=D|LabelW=Cutting speed |LabelW2=E|"
                  "LabelD=Cutting amount |LabelD2=D|LabelL=FIN stock|LabelL2=U|"
                  "LabelC=Zero movement amount|LabelC2=X|LabelCZ=Zero movement amount|"
                  "LabelSZ=Z|"
                + planeStart
                + "LabelEnd=End point|LabelEndX=X|LabelEndZ=Y|LabelEndC=Z|"
                  "LabelAttn=Attention :X axis is radius command.|"
                  "ToolNumber|B|V|F|U|W|D|L|C|SZ|StartX|StartZ|StartC|EndX|EndZ|EndC",
            plane + "ToolNumber=21");
        row("millingPlan", "ProcessMSouseiPLAN", "M cutting  PLAN ",
            rotating + "LabelU= end ﾐﾙ diameter |LabelU2=D|" + start + end
                + "LabelEndC=C|ToolNumber|V|F|U|StartX|StartZ|StartC|EndX|EndZ|EndC",
            "ToolNumber=22|V=25|U=10");
        row("millingSide", "ProcessMSouseiSide", "M cutting  Side ",
            rotating + "LabelU=Endmill diameter |LabelU2=D|" + start + end
                + "LabelEndC=C|ToolNumber|V|F|U|StartX|StartZ|StartC|EndX|EndZ|EndC",
            "ToolNumber=22");
        row("circleSlant", "ProcessMCircleSlant", "Endmill circle Slant ",
            slant
                + "LabelU= end ﾐﾙ diameter |LabelU2=D|LabelW= master  angle |LabelW2=C|"
                  "LabelD= cutting  amount |LabelD2=t|LabelL= FIN 代|LabelL2=U|"
                  "LabelC= zero  movement  amount |LabelC2=X|"
                  "LabelCZ= zero  movement  amount |LabelSZ=Z|"
                + planeStart
                + "LabelEnd= radius |LabelEndX=R|"
                  "EndZ2=End Point|LabelEndC=Z|"
                  "LabelAttn= attention :X axis は radius  command |"
                  "ToolNumber|B|V|F|U|W|D|L|C|SZ|StartX|StartZ|StartC|EndX|EndC",
            plane + "ToolNumber=23|V=80|W=0|D=1|L=0.1|U=10");
        // In-process measurement: the probe's row of the table.
        const QString probe = QStringLiteral("ToolNumber=12|U=0.02");
        const QString measure = QStringLiteral(
            "Label10=T|LabelV=Tool compensation |Labelv2=V|LabelU=OK|LabelU2=U|LabelW=NG|"
            "LabelW2=W|");
        const QString target = QStringLiteral("LabelEnd=Target position |LabelEndX=X|LabelEndZ=Z|");
        row("insideDiameter", "ProcessMeasuerInD", " INV.diameter measurement ",
            "Label1=Sensor number|" + measure + target + "ToolNumber|V|U|W|EndX|EndZ", probe);
        row("insideRadius", "ProcessMeasuerInR", " INV.Radius measurement ",
            "Label1=Sensor number |" + measure + target + "ToolNumber|V|U|W|EndX|EndZ", probe);
        row("outsideDiameter_withApproachPoint", "ProcessMeasuerOutD", "UTV.Diameter measurement ",
            "Label1=Sensor number |" + measure + startXZ + target
                + "ToolNumber|V|U|W|StartX|StartZ|EndX|EndZ",
            probe);
        row("outsideRadius", "ProcessMeasuerOutR", " UTV.Radius measurement ",
            "Label1=Sensor number|Label10=T|LabelV=Compensation No|Labelv2=V|LabelU=OK|"
            "LabelU2=U|LabelW=NG|LabelW2=W|"
                + target + "ToolNumber|V|U|W|EndX|EndZ",
            probe);
        row("cAxisZero", "ProcessMeasuerZeroCaxis", "C-axis Auto zero offset",
            "Label1=Sensor number |Label10=T|LabelV=Applochi distance |Labelv2=V|"
            "LabelF=Shift angle |LabelF2=F|LabelW=Groove angle |LabelW2=W|"
            "LabelD=Applochi angle|LabelD2=D|LabelC=2 times touch|LabelC2=C|"
            "LabelStart=Start Point|LabelStartX=X|LabelStartZ=Z|LabelEnd=Target position |"
            "LabelEndZ=Z|LabelEndC=C|"
            "ToolNumber|V|F|W|D|C~ omit  possible |StartX|StartZ|EndZ|EndC",
            probe);
        row("zAxisZero", "ProcessMeasuerZeroZaxis", "Z-axis Auto zero offset ",
            "Label1=Sensor number |Label10=T|LabelU=OK|LabelU2=U|LabelW=NG|LabelW2=W|"
            "LabelD=App. amount |LabelD2=D|LabelL=Over amount |LabelL2=L|"
            "LabelC=2 times touch|LabelC2=C|LabelStart=Start Point|LabelStartX=X|"
            "LabelStartZ=Z|LabelEnd=Target position |LabelEndZ=Z|"
            "ToolNumber|U~ omit  possible |W~ omit  possible |D|L|C~Omit  possible |StartX|"
            "StartZ|EndZ",
            probe);
    }
    void dialogs()
    {
        QFETCH(QString, item);
        QFETCH(QString, prefill);
        QFETCH(QString, typed);
        QFETCH(QStringList, head);
        Run r;
        run(item, typed, r);
        QTEST(r.seen.caption, "caption");
        QFETCH(QString, picture);
        QCOMPARE(r.seen.picture, picture.split(u'|'));
        for (const QString& text : prefill.split(u'|'))
            QCOMPARE(r.seen.texts.value(text.section(u'=', 0, 0)), text.section(u'=', 1));
        QVERIFY2(r.inserted.startsWith(head.isEmpty() ? QString() : Lines(head)),
            qPrintable(r.inserted));
        QVERIFY(head.isEmpty() || r.inserted.endsWith(u"\r\n\t\r\n"_qs));
    }

    // The insert drill's captions, on a Duomill machine with tool groups.
    void insertDrillOnDuomillWithToolGroups()
    {
        setMachine(true, true, 2, false);
        module1().gTG = true;
        Run r;
        run("ProcessDrillU", "V=150|F=0.15|StartZ=0|EndZ=-45|D=2|L=3|SpindleCCW|CoolantOFF", r);
        QCOMPARE(r.seen.caption, u"Corbyte Drill "_qs);
        for (const char* label : {"LabelU= Drill  diameter ", "LabelD=App.", "LabelL=Thre"})
            QVERIFY2(r.seen.picture.contains(QLatin1String(label)), label);
        QCOMPARE(r.seen.texts.value("ToolNumber"), u"10"_qs);
        QCOMPARE(r.inserted,
            Lines({"(-----< DRILL D20 >-----)", "N000 MT=1 TG=10", "N000 M441",
                "N000 G00 X0 Z50 TG=10 OG=1 M42 S2380 M04 M63 M09", "NT10     Z3",
                "N000 G01 Z-2 F0.075", "N000     Z-42 F0.15", "N000     Z-45 F0.075",
                "N000 G00 Z50", "N000     X200", "N000 G21 HP=4 M05 M63 M09", "\t"}));
    }

    // The bore roughed to 30 is where the inside finishing starts; tool data on, no Duomill.
    void roughThenFinishTheBore()
    {
        Run r;
        run("ProcessGROVID", "StartX=30|EndZ=-25", r);
        QCOMPARE(r.inserted,
            Lines({"(-----<  INV.GROV >-----)", "NOEX VTLIN[5]=2 VTLFN[5]=1 VTLA1[5]=60",
                "NOEX VTLA2[5]=3 VTLD[5]=20 VTLL[5]=45",
                "N000 G00 X20 Z50 T050505 M42 S1410 M03 M63 M08", "NT05     Z2 G96 S160",
                "N000 G85 NAP3 D1.5 U0.3 W0.1 F0.2", "NAP3 G81", "N000 G00 X32",
                "N000 G01 Z0.5 G41 F0.15", "N000     X30 A-135", "N000     Z-25", "N000     X21",
                "N000     X20 A-135", "N000 G40 K-1", "N000 G80", "N000 G00 Z50",
                "N000     X500 Z500 G97 S1410 M63", "\t"}));
        QCOMPARE(module1().gInnerDia, 30.0);
        run("ProcessFINID", "CoolantOFF", r);
        QCOMPARE(r.seen.texts.value("StartX"), u"30"_qs);
        QCOMPARE(r.inserted,
            Lines({"(-----<  INV.FIN >-----)", "NOEX VTLIN[7]=8 VTLFN[7]=1 VTLA1[7]=60",
                "NOEX VTLA2[7]=3 VTLD[7]=20 VTLL[7]=20",
                "N000 G00 X30 Z50 T070707 M42 S1760 M03 M63 M09", "NT07     Z2 G96 S200",
                "N000 G87 NAP3", "N000 G01 X-1 G91", "N000 G00 Z50 G90",
                "N000     X500 Z500 G97 S1760 M63", "\t"}));
    }

    // The face drill on a turret lathe before K500, the table's peck, dwell and four holes.
    void drillFaceBeforeK500()
    {
        setMachine(false, false, 2, true);
        Run r;
        run("ProcessMDrillPLAN", "StartX=40|StartZ=2|StartC=0|EndZ=-15", r);
        QCOMPARE(r.inserted,
            Lines({"(-----< PLAN DRILL D6.8 >-----)", "NOEX VTLIN[13]=28 VTLFN[13]=1 VTLA1[13]=118",
                "NOEX VTLD[13]=6.8 VTLL[13]=37", "N000 G94 M110 T131313",
                "NT13 G00 X200 Z50 SB=930 M13 M64 M08", "N000     M62",
                "N000 G183 C0 X40 Z-15 K46 D5 E0.2 F=SB*0.1 Q4", "N000 G180", "N000 G00 Z50",
                "N000     X500 Z500 M12 M64", "N000     M62", "\t"}));
    }

    // The planet tap on a Duomill machine with turret H1; the next inclined-plane dialog offers
    // the B angle and the Z shift as the block wrote them, the X shift empty.
    void planetTapThenTheNextPlaneDialog()
    {
        setMachine(true, true, 1, false);
        Run r;
        run("ProcessMPlanetTapSlant",
            "B=30.12345|W=90|C=5|SZ=-2|StartX=0|StartZ=0|StartC=0|EndX=5|EndC=-10", r);
        QCOMPARE(r.inserted,
            Lines({"(-----< PLANET TAP M10 P1.5 >-----)", "N000 MT=2401", "N000 M441",
                "N000 G94 M110 TL=242424 G52 BA=30.123 M66",
                "NT24 G00 C90 X200 Z50 SB=3180 M13 M63 M08", "N000 G138", "N000 G174 SX=5 SZ=-2",
                "N000 G127 B30.123", "N000 G17", "N000 G00 X0 Y0 Z50", "N000     Z2 M147",
                "N000 G01 Z-10 F=SB*0.5", "N000     X-1.5 Y3.5 F=SB*0.05 G41",
                "N000 G03 X-5 Y0 Z-9.625 L3.5", "N000     X5 Y0 Z-8.875 L5",
                "N000     X-5 Y0 Z-8.125 L5", "N000     X-1.5 Y-3.5 Z-7.75 L3.5",
                "N000 G01 X0 Y0 F=SB*0.5 G40", "N000 G00 Z50", "N000 G126 M146", "N000 G175",
                "N000 G136", "N000 G21 HP=4 M12 M63 M09", "\t"}));
        run("ProcessMTapSlant", "", r);
        QCOMPARE(r.seen.caption, u"M Tap  Slant "_qs);
        QCOMPARE(r.seen.texts.value("B") + u'|' + r.seen.texts.value("SZ") + u'|'
                + r.seen.texts.value("C"),
            u"30.123|-2|"_qs);
    }

    // The circle dialog offers the B angle and Z shift the key way dialog was accepted with.
    void circleSlantAfterKeyWaySlant()
    {
        setMachine(false, true, 2, false);
        Run r;
        run("ProcessMKeySlant", "B=30|SZ=-80|C=12.5", r);
        run("ProcessMCircleSlant", "C=12.5|W=90|L=0|StartX=0|StartZ=0|StartC=0|EndX=10|EndC=-2", r);
        QCOMPARE(r.seen.texts.value("B") + u'|' + r.seen.texts.value("SZ") + u'|'
                + r.seen.texts.value("C"),
            u"30|-80|"_qs);
        const QStringList circle = {
            "N000     X10 G41", "N000 G03 X-10 Y0 L10", "N000     X10 Y0 L10", "N000 G01 X0 G40"};
        QCOMPARE(r.inserted,
            Lines(QStringList {"(-----< SLANT CIRCLE D20 >-----)", "N000 G94 M110 T232323",
                      "NT23 G00 C90 X200 Z50 SB=2540 M13 M63 M08", "N000 G138",
                      "N000 G174 SX=12.5 SZ=-80", "N000 G127 B30", "N000 G17", "N000 G00 X0 Y0 Z50",
                      "N000     Z2 M147", "N000 G01 Z0 F=SB*0.05", "N000     Z-1"}
                + circle + QStringList {"N000     Z-2"} + circle
                + QStringList {"N000 G00 Z50", "N000 G126 M146", "N000 G175", "N000 G136",
                    "N000     X500 Z500 M12 M63", "\t"}));
    }

    // The call replaces the selection, the sub-program follows the last line, the caret stays
    // before the call, and one undo takes both back.
    void measurementCallAtCaretSubProgramAtEnd()
    {
        Module1& m = module1();
        m.gAppX = 250.0;
        m.gAppZ = 100.0;
        ModalScript script;
        script.then([](QWidget* w) {
            for (const auto& [field, text] : {std::pair {"ToolNumber", "5"}, {"V", "7"},
                     {"U", "0.02"}, {"W", "0.05"}, {"EndX", "30"}, {"EndZ", "-20"}})
                Type(w, field, text);
            Click(w, "Command1");
        });
        NcTextBox* text = programWithSelection();
        Trigger(m_main, "ProcessMeasuerInD");
        QCOMPARE(script.pendingSteps(), 0);
        QCOMPARE(text->Text(),
            u"O0001\r\nN000 CALL OME12 ( INV.MEASURE D30)\r\nNEND M02\r\n"_qs
                + Lines({"\t", "----------<  INV.MEASURE D30 >----------", "OME12",
                    "N000 IF[VDIN[32]EQ 0]NRTS", "N000 G00 X250 Z100 T0505",
                    "NT05 CALL ODIAA ZP1=100 ZP2=-20 TOF1=15 TOF2=05",
                    "$         MSP=30 APP=3 APPS=2 IMP=1 DOK=0.02 DNG=0.05 TOFN=07",
                    "N000 G00 X250", "N000     X500 Z500", "NRTS RTS"}));
        QCOMPARE(text->SelStart(), 7);
        QCOMPARE(text->SelLength(), 0);
        QVERIFY(text->DataChanged());
        text->undo();
        QCOMPARE(text->Text(), selected());
        QVERIFY(!text->isUndoAvailable());
    }

    void postProcessGaugingReplacesTheSelectionWithoutDialog()
    {
        NcTextBox* text = programWithSelection();
        Trigger(m_main, "ProcessMeasuerOutside");
        QCOMPARE(text->Text(), u"O0001\r\nN000 CALL OXMS\r\n\r\nNEND M02\r\n"_qs);
        QCOMPARE(text->SelStart(), 23);
    }

    // One warning, and the program, its selection and its changed flag stay as they were.
    void errors_data()
    {
        QTest::addColumn<QString>("item");
        QTest::addColumn<QString>("situation");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("message");
        const auto row = [](const char* name, const char* item, const char* situation,
                             const char* typed, const char* title, const char* message) {
            QTest::newRow(name) << QString::fromLatin1(item) << QString::fromLatin1(situation)
                                << QString::fromLatin1(typed) << QString::fromLatin1(title)
                                << QString::fromLatin1(message);
        };
        const char* const noFile = "Not file open. Can not insert.";
        row("noMaterialFile", "ProcessDrillHss", "noTable", "", " error  13",
            "Cutting condition error. Pls. Material file select.");
        row("drillOfDiameter0", "ProcessDrillHss", "", "EndZ=-20|U=0", " error  11",
            "0 error. Tool diameter is 0.");
        // An inside groove whose mouth lies 2 mm (in radius) from the centre line.
        row("insideGrooveAtX4", "ProcessGrooveID", "", "StartX=4", " error  11",
            "0 error. Tool diameter is 0.");
        // A depth no program could hold in passes of its step.
        row("circleOfEndlessDepth", "ProcessMCircleSlant", "", "D=0.001|EndX=10|EndC=-100000",
            " error  7", "Error.");
        // Fails while the sub-program is built, after the call line.
        row("measurementApproachNoNumber", "ProcessMeasuerOutD", "approachNoNumber", "EndX=30",
            " error  13", "Cutting condition error. Pls. Material file select.");
        row("drillWithItsDocumentClosed", "ProcessDrillHss", "closedInDialog", "EndZ=-20",
            " error  91", noFile);
        row("measurementWithItsDocumentClosed", "ProcessMeasuerOutR", "closedInDialog", "",
            " error  91", noFile);
        row("materialWithoutDocument", "ProcessUGC", "noDocument",
            "Text9=0|Text1=20|Text2=15|Text3=100|Text5=60", " error  91", noFile);
    }
    void errors()
    {
        QFETCH(QString, item);
        QFETCH(QString, situation);
        QFETCH(QString, typed);
        NcTextBox* text = programWithSelection();
        if (situation == u"noTable")
            module1().gCutCond = Module1().gCutCond;
        if (situation == u"approachNoNumber")
            module1().gAppX = QStringLiteral("25O");
        if (situation == u"noDocument")
            CloseActiveDocumentDiscardingChanges();
        ModalScript script;
        if (situation != u"noTable") {
            script.then([&](QWidget* w) {
                for (const QString& entry : typed.split(u'|', Qt::SkipEmptyParts))
                    Type(w, entry.section(u'=', 0, 0), entry.section(u'=', 1));
                if (situation == u"closedInDialog")
                    CloseActiveDocumentDiscardingChanges();
                Click(w, "Command1");
            });
        }
        script.answerMessage(QMessageBox::Ok);
        Trigger(m_main, item);
        QCOMPARE(script.pendingSteps(), 0);
        QCOMPARE(script.messages().size(), 1);
        QTEST(script.messages()[0].title, "title");
        QTEST(script.messages()[0].text, "message");
        QCOMPARE(script.messages()[0].icon, QMessageBox::Warning);
        if (situation.endsWith(u"Document") || situation == u"closedInDialog")
            return;
        QCOMPARE(text->Text(), selected());
        QVERIFY(!text->DataChanged());
        QCOMPARE(text->SelStart(), 7);
        QCOMPARE(text->SelLength(), 13);
    }
};

CORVANE_TEST_MAIN(GeneratorDialogsTest)
#include "GeneratorDialogsTest.moc"
