#include "ProcessGuiSupport.h"
#include "documents/NcTextBox.h"

// The grooving and threading generators through their menu items and the process dialog on a
// real document: each member's dialog, its pre-fill from its row of the carbon-steel file, the
// typed values read back and the block inserted at the caret.
class GroovingThreadingGuiTest : public QObject
{
    Q_OBJECT

    frmMain* m_main = nullptr;

private slots:
    void init()
    {
        m_main = StartWithDocument();
        LoadConditionFile(QStringLiteral("S45C.CSV"));
    }

    void eachMember_data()
    {
        QTest::addColumn<QString>("member");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QStringList>("captions"); // "label=caption"
        QTest::addColumn<QStringList>("fields"); // visible, in tab order
        QTest::addColumn<QString>("tool"); // pre-filled
        QTest::addColumn<QStringList>("typed"); // "field=text"
        QTest::addColumn<QStringList>("head"); // the first lines inserted
        const QStringList grooveFields
            = {"ToolNumber", "V", "F", "U", "W", "D", "L", "C", "StartX", "StartZ", "EndX", "EndZ"};
        const QStringList grooveCaptions = {"LabelStartC=", "LabelEndC=", "LabelU=FIN Stock",
            "LabelW=FIN Stock Z", "LabelC=Chamfer", "LabelStart=Start Point", "LabelEnd=End Point"};
        const QStringList sideGroove = grooveCaptions
            + QStringList {"LabelL=Tool width ", "LabelL2=K",
                "LabelAttn=Attention :Reference point Z-axis is negative."};
        const QStringList threadCaptions
            = {"LabelL=Chamfer", "LabelD=Cutting amount", "LabelC=Read number", "LabelC2=J",
                "LabelEndC=", "LabelStartC=C", "LabelStart= Cycle  master  point "};
        const QStringList sideThread = threadCaptions
            + QStringList {"LabelW=", "LabelW2=", "LabelU=FIN Stock", "LabelEnd=Diameter "};
        const QStringList sideThreadFields = {"ToolNumber", "V", "F", "U", "D", "L", "C", "StartX",
            "StartZ", "StartC", "EndX", "EndZ"};

        // Row 11: tool 6, V100, F0.05, D1, L3, U0.1, W0.1, C0.3. 100000 / 3.14 / 60 -> S530.
        QTest::newRow("facingGroove")
            << "ProcessGroovePLAN"
            << "PLAN Groove "
            << grooveCaptions
                + QStringList {"LabelL= tool  width ", "LabelL2=W",
                    "LabelAttn=Attention : reference point X axis diameter."}
            << grooveFields << "6" << QStringList {"StartX=60", "StartZ=0", "EndX=40", "EndZ=-5"}
            << QStringList {"(-----< UTV.GROOVE PLAN >-----)",
                   "NOEX VTLIN[6]=21 VTLFN[6]=1 VTLA1[6]=180", "NOEX VTLW[6]=3 VTLL[6]=40",
                   "N000 G00 X60.1 Z50 T060606 M42 S530 M03 M63 M08", "NT06     Z2 G96 S100",
                   "N000 G74 X39.9 Z-4.9 D1 I2.5 F0.05 T26", "N000 G00 X58.4"};
        // Row 12: tool 6, V120, F0.06, D1, L3, U0.1, W0.1, C0.3. 120000 / 3.14 / 54 -> S700.
        QTest::newRow("outsideGroove")
            << "ProcessGrooveOD"
            << "UTV.Groove " << sideGroove << grooveFields << "6"
            << QStringList {"StartX=50", "StartZ=-10", "EndX=40", "EndZ=-15"}
            << QStringList {"(-----< UTV.GROOVE >-----)",
                   "NOEX VTLIN[6]=19 VTLFN[6]=1 VTLA1[6]=180", "NOEX VTLW[6]=3 VTLL[6]=40",
                   "N000 G00 X200 Z-9.9 T060606 M42 S700 M03 M63 M08", "NT06     X54",
                   "N000 G96 S120", "N000 G73 X40.1 Z-15.1 D1 K2.5 F0.06 T26", "N000 G00 Z-10.8"};
        // Row 13: tool 8, V100, F0.05, D0.8, L2, U0.1, W0.1, C0.2. 100000 / 3.14 / 26 -> S1220.
        QTest::newRow("insideGroove")
            << "ProcessGrooveID"
            << " INV.Groove " << sideGroove << grooveFields << "8"
            << QStringList {"StartX=30", "StartZ=-5", "EndX=36", "EndZ=-9"}
            << QStringList {"(-----<  INV.GROOVE >-----)",
                   "NOEX VTLIN[8]=20 VTLFN[8]=1 VTLA1[8]=180",
                   "NOEX VTLD[8]=20 VTLW[8]=2 VTLL[8]=24",
                   "N000 G00 X26 Z50 T080808 M42 S1220 M03 M63 M08", "NT08     Z-4.9",
                   "N000 G96 S100", "N000 G73 X35.9 Z-9.1 D0.8 K1.5 F0.05 T28", "N000 G00 Z-5.7"};
        // Row 14: tool 4, V120, F1.5, D0.35, L0, U0, W0.02, C1. 120000 / 3.14 / 60 -> S630.
        QTest::newRow("faceThread")
            << "ProcessThreadPLAN"
            << "PLAN Thread "
            << threadCaptions
                + QStringList {"LabelU=", "LabelU2=", "LabelW=FIN Stock Z", "LabelEnd=End Point"}
            << QStringList {"ToolNumber", "V", "F", "W", "D", "L", "C", "StartX", "StartZ",
                   "StartC", "EndX", "EndZ"}
            << "4" << QStringList {"StartX=60", "StartZ=3", "EndX=30", "EndZ=-2"}
            << QStringList {"(-----< UTV.THREAD PLAN P1.5 >-----)",
                   "NOEX VTLIN[4]=15 VTLFN[4]=1 VTLA1[4]=60", "NOEX VTLL[4]=40",
                   "N000 G00 X60 Z50 T040404 M42 S630 M03 M63 M08", "NT04     Z3",
                   "N000 G72 X30 Z-2 H0.975 D0.35 W0.02 F1.5", "N000 G00 Z50", "N000     X500 Z500",
                   "\t"};
        // Row 15: tool 4, V120, F1.5, D0.35, L1, U0.02, W0, C1 (typed 2).
        // 120000 / 3.14 / 20 -> S1910.
        QTest::newRow("outsideThread")
            << "ProcessThreadOD"
            << "UTV.Thread " << sideThread << sideThreadFields << "4"
            << QStringList {"StartX=24", "StartZ=5", "EndX=20", "EndZ=-30", "C=2"}
            << QStringList {"(-----< UTV.THREAD M20*P1.5 >-----)",
                   "NOEX VTLIN[4]=13 VTLFN[4]=1 VTLA1[4]=60", "NOEX VTLL[4]=40",
                   "N000 G00 X24 Z50 T040404 M42 S1910 M03 M63 M08", "NT04     Z5",
                   "N000 G71 X18.05 Z-30 H1.95 D0.35 U0.02 L1 M23 Q2 F1.5", "N000 G00 X200",
                   "N000     X500 Z500", "\t"};
        // Row 16: tool 11, V100, F1.5, D0.3, L1, U0.02, W0, C1. 100000 / 3.14 / 30 -> S1060.
        QTest::newRow("insideThread")
            << "ProcessThreadID"
            << " INV.Thread " << sideThread << sideThreadFields << "11"
            << QStringList {"StartX=26", "StartZ=5", "EndX=30", "EndZ=-25"}
            << QStringList {"(-----<  INV.THREAD M30*P1.5 >-----)",
                   "NOEX VTLIN[11]=14 VTLFN[11]=1 VTLA1[11]=60", "NOEX VTLD[11]=20 VTLL[11]=50",
                   "N000 G00 X26 Z50 T111111 M42 S1060 M03 M63 M08", "NT11     Z5",
                   "N000 G71 X30 Z-25 H1.5 D0.3 U0.02 L1 M23 F1.5", "N000 G00 Z50",
                   "N000     X500 Z500", "\t"};
    }
    void eachMember()
    {
        QFETCH(QString, member);
        QFETCH(QString, title);
        QFETCH(QStringList, captions);
        QFETCH(QStringList, fields);
        QFETCH(QString, tool);
        QFETCH(QStringList, typed);
        QFETCH(QStringList, head);
        const bool thread = member.startsWith(QLatin1String("ProcessThread"));
        const auto checkDialog = [&](QWidget* w) {
            QCOMPARE(w->windowTitle(), title);
            for (const QString& caption : captions)
                QCOMPARE(Caption(w, caption.section(u'=', 0, 0)), caption.section(u'=', 1));
            QCOMPARE(VisibleFieldsInTabOrder(w), fields);
            QCOMPARE(Control<QLineEdit>(w, "ToolNumber")->text(), tool);
            QCOMPARE(
                Control<QLineEdit>(w, "StartC")->text(), thread ? QStringLiteral("0") : QString());
        };
        ModalScript script;
        script.then([&](QWidget* w) {
            checkDialog(w); // a failed check still closes the dialog
            for (const QString& entry : typed)
                Type(w, entry.section(u'=', 0, 0), entry.section(u'=', 1));
            Click(w, "Command1");
        });
        NcTextBox* text = ActiveText();
        text->setWholeText(QStringLiteral("O0001\r\nNEND M02\r\n"));
        text->setDataChanged(false);
        text->setSelStart(7);
        Trigger(m_main, member);
        QCOMPARE(script.pendingSteps(), 0);
        const QString inserted = text->Text().mid(7, text->SelStart() - 7);
        QVERIFY2(inserted.startsWith(Lines(head)), qPrintable(inserted));
        QVERIFY(inserted.endsWith(QLatin1String("\r\n\t\r\n")));
        QVERIFY(text->Text().startsWith(QLatin1String("O0001\r\n")));
        QVERIFY(text->Text().endsWith(QLatin1String("\t\r\nNEND M02\r\n")));
        QVERIFY(text->DataChanged());
    }

    // An inside groove whose mouth lies 2 mm (in radius) from the centre line has no diameter to
    // take the speed at.
    void insideGrooveAtX4ReportsTheZeroDiameter()
    {
        ModalScript script;
        script.then([](QWidget* w) {
            Type(w, "StartX", "4");
            Click(w, "Command1");
        });
        script.answerMessage(QMessageBox::Ok);
        Trigger(m_main, "ProcessGrooveID");
        QCOMPARE(script.pendingSteps(), 0);
        QCOMPARE(script.messages().size(), 1);
        QCOMPARE(script.messages()[0].title, QStringLiteral(" error  11"));
        QCOMPARE(script.messages()[0].text, QStringLiteral("0 error. Tool diameter is 0."));
        QVERIFY(ActiveText()->Text().isEmpty());
    }
};

CORVANE_TEST_MAIN(GroovingThreadingGuiTest)
#include "GroovingThreadingGuiTest.moc"
