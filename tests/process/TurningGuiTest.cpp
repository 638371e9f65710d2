#include "ProcessGuiSupport.h"
#include "documents/NcTextBox.h"
#include "process/core/DialogSetup.h"

#include <QRadioButton>
#include <QScopeGuard>

// Rough turning and finishing through the Process menu and the process dialog on a real
// document: each member's dialog, and a bore roughed and then finished from the bore the roughing
// left.
class TurningGuiTest : public QObject
{
    Q_OBJECT

    frmMain* m_main = nullptr;

private slots:
    void init()
    {
        m_main = StartWithDocument();
        LoadConditionFile(QStringLiteral("S45C.CSV"));
        module1().gMaterialOD = 80;
        module1().gPZero = 2;
        module1().gInnerDia = 20;
    }

    // Caption, the fields shown (in tab order), captions as "label=text" and the texts of the
    // fields after the pre-fill from the carbon-steel file and the defaults, as "field=text".
    void dialogs_data()
    {
        QTest::addColumn<QString>("item");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QStringList>("shown");
        QTest::addColumn<QStringList>("captions");
        QTest::addColumn<QStringList>("texts");
        const QStringList rough
            = {"ToolNumber", "V", "F", "U", "W", "D", "C", "StartX", "StartZ", "EndX", "EndZ"};
        const QStringList finishing = {"ToolNumber", "V", "U", "W", "StartX", "StartZ"};
        const QStringList hiddenL = {"LabelL=", "LabelL2=", "LabelStartC=", "LabelEndC="};
        QTest::newRow("roughOutside")
            << "ProcessGROVOD"
            << "UTV.GROV " << rough
            << QStringList {"LabelD=Cutting amount", "LabelD2=D", "LabelC=Chamfer"} + hiddenL
            << QStringList {"ToolNumber=1", "V=200", "F=0.3", "U=0.4", "W=0.1", "D=2.5", "C=1",
                   "StartX=", "StartZ=0", "EndX=80", "EndZ="};
        QTest::newRow("roughInside")
            << "ProcessGROVID"
            << " INV.GROV " << rough << QStringList {"LabelD=Cutting amount "} + hiddenL
            << QStringList {"ToolNumber=5", "V=160", "D=1.5", "C=0.5", "StartZ=0", "EndX=20"};
        QTest::newRow("roughFace")
            << "ProcessGROVPLAN"
            << "UTV.PLAN GROV "
            << QStringList {"ToolNumber", "V", "F", "W", "L", "StartX", "StartZ", "EndX", "EndZ"}
            << QStringList {"LabelL=PLAN cutting amount ", "LabelL2=Z",
                   "LabelU=", "LabelD=", "LabelC=", "LabelC2="}
            << QStringList {"ToolNumber=1", "F=0.25", "W=0.1", "L=2", "StartX=80", "StartZ=2",
                   "EndX=20", "EndZ=0"};
        QTest::newRow("roughFaceAndOutside")
            << "ProcessGROVPLANOD"
            << "PLAN UTV.GROV "
            << QStringList {"ToolNumber", "V", "F", "U", "W", "D", "L", "C", "SZ", "StartX",
                   "StartZ", "EndX", "EndZ"}
            << QStringList {"LabelD=Cutting amount", "LabelD2=X", "LabelCZ=PLAN end point",
                   "LabelSZ=X", "LabelL=PLAN cutting amount", "LabelL2=Z", "LabelStartC="}
            << QStringList {"D=2.5", "L=2", "SZ=17", "StartZ=0", "EndX=80"};
        const QStringList hiddenFinishing = {"LabelF=", "LabelF2=", "LabelD=", "LabelL=", "LabelC=",
            "LabelEnd=", "LabelEndX=", "LabelEndZ=", "LabelStart=Start Point"};
        QTest::newRow("finishOutside")
            << "ProcessFINOD"
            << "UTV.FIN " << finishing << hiddenFinishing
            << QStringList {"ToolNumber=3", "V=250", "U=0", "W=0", "StartX=", "StartZ="};
        QTest::newRow("finishInside")
            << "ProcessFINID"
            << " INV.FIN " << finishing << hiddenFinishing
            << QStringList {"ToolNumber=7", "V=200", "StartX=20", "StartZ=0"};
        QTest::newRow("finishFace") << "ProcessFINPLAN"
                                    << "UTV.  PLAN  FIN " << finishing << hiddenFinishing
                                    << QStringList {"ToolNumber=3", "StartX=", "StartZ="};
        QTest::newRow("finishFaceAndOutside")
            << "ProcessFINPLANOD"
            << "PLAN UTV. FIN "
            << QStringList {"ToolNumber", "V", "F", "U", "W", "StartX", "StartZ", "EndX"}
            << QStringList {"LabelC=PLAN ", "LabelC2=", "LabelF=Feed", "LabelEnd=End Point",
                   "LabelEndX=X", "LabelEndZ=", "LabelD="}
            << QStringList {"ToolNumber=3", "F=0.12", "StartZ=0", "EndX=20"};
    }
    void dialogs()
    {
        QFETCH(QString, item);
        QFETCH(QString, title);
        QFETCH(QStringList, shown);
        QFETCH(QStringList, captions);
        QFETCH(QStringList, texts);
        ModalScript script;
        script.then([&](QWidget* w) {
            const auto cancel = qScopeGuard([w] { Click(w, "Command2"); });
            QCOMPARE(w->windowTitle(), title);
            QStringList visible;
            for (const QString& field : ProcessFieldNames())
                if (Control(w, field)->isVisible())
                    visible.append(field);
            QCOMPARE(visible, shown);
            // The spare end caption never stands in for a hidden end Z.
            QCOMPARE(Control(w, QStringLiteral("EndZ2"))->isVisible(), shown.contains(u"EndZ"));
            for (const QString& caption : captions)
                QCOMPARE(Caption(w, caption.section(u'=', 0, 0)), caption.section(u'=', 1));
            for (const QString& text : texts)
                QCOMPARE(
                    Control<QLineEdit>(w, text.section(u'=', 0, 0))->text(), text.section(u'=', 1));
        });
        Trigger(m_main, item);
        QCOMPARE(script.pendingSteps(), 0);
        QVERIFY(ActiveText()->Text().isEmpty());
    }

    // The bore roughed to 30 is where the inside finishing starts; tool data on (the machine's
    // first-start setting), no Duomill, no tool groups.
    void roughThenFinishTheBore()
    {
        NcTextBox* text = ActiveText();
        text->setWholeText(QStringLiteral("O0001\r\n\r\nNEND M02\r\n"));
        text->setDataChanged(false);
        text->setSelStart(7);
        ModalScript script;
        script.then([](QWidget* w) {
            Type(w, "StartX", "30");
            Type(w, "EndZ", "-25");
            Click(w, "Command1");
        });
        Trigger(m_main, "ProcessGROVID");
        QCOMPARE(module1().gInnerDia, 30.0);
        script.then([](QWidget* w) {
            QCOMPARE(Control<QLineEdit>(w, "StartX")->text(), QStringLiteral("30"));
            Control<QRadioButton>(w, "CoolantOFF")->setChecked(true);
            Click(w, "Command1");
        });
        Trigger(m_main, "ProcessFINID");
        QCOMPARE(script.pendingSteps(), 0);
        const QString blocks = Lines({"(-----<  INV.GROV >-----)",
            "NOEX VTLIN[5]=2 VTLFN[5]=1 VTLA1[5]=60", "NOEX VTLA2[5]=3 VTLD[5]=20 VTLL[5]=45",
            "N000 G00 X20 Z50 T050505 M42 S1410 M03 M63 M08", "NT05     Z2 G96 S160",
            "N000 G85 NAP3 D1.5 U0.3 W0.1 F0.2", "NAP3 G81", "N000 G00 X32",
            "N000 G01 Z0.5 G41 F0.15", "N000     X30 A-135", "N000     Z-25", "N000     X21",
            "N000     X20 A-135", "N000 G40 K-1", "N000 G80", "N000 G00 Z50",
            "N000     X500 Z500 G97 S1410 M63", "\t", "(-----<  INV.FIN >-----)",
            "NOEX VTLIN[7]=8 VTLFN[7]=1 VTLA1[7]=60", "NOEX VTLA2[7]=3 VTLD[7]=20 VTLL[7]=20",
            "N000 G00 X30 Z50 T070707 M42 S1760 M03 M63 M09", "NT07     Z2 G96 S200",
            "N000 G87 NAP3", "N000 G01 X-1 G91", "N000 G00 Z50 G90",
            "N000     X500 Z500 G97 S1760 M63", "\t"});
        QCOMPARE(text->Text(),
            QStringLiteral("O0001\r\n") + blocks + QStringLiteral("\r\nNEND M02\r\n"));
        QCOMPARE(text->SelStart(), 7 + blocks.size());
        QVERIFY(text->DataChanged());
    }
};

CORVANE_TEST_MAIN(TurningGuiTest)
#include "TurningGuiTest.moc"
