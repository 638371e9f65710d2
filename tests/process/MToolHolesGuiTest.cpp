#include "ProcessGuiSupport.h"
#include "documents/NcTextBox.h"
#include "process/core/DialogSetup.h"

#include <QApplication>
#include <QDialog>

// Drilling and tapping with rotating tools through the Process menu and the process dialog on a
// real document: every member's dialog as the user sees it, and blocks inserted at the caret.
class MToolHolesGuiTest : public QObject
{
    Q_OBJECT

    frmMain* m_main = nullptr;

    static QStringList visibleFieldsInTabOrder(QWidget* dialog)
    {
        QStringList order;
        for (const QString& name : ProcessFieldNames())
            if (Control(dialog, name)->isVisible())
                order.append(name);
        return order;
    }

    // The machine the blocks below are worked out for.
    static void setMachine(bool duomill, bool afterK500, int turret)
    {
        Module1& m = module1();
        m.gAppX = 200.0;
        m.gAppZ = 50.0;
        m.gHomeX = 500.0;
        m.gHomeZ = 500.0;
        m.gTG = false;
        m.gDuomill = duomill;
        m.gQCSK500 = afterK500;
        m.gTurretType = turret;
        m.gAtcMacroType = QStringLiteral("M441");
    }

private slots:
    void init()
    {
        m_main = StartWithDocument();
        LoadConditionFile(QStringLiteral("S45C.CSV"));
    }

    // The inclined-plane items are shown on Duomill machines only; none waits for its generator.
    void everyMemberIsAvailable_planetTapFaceAndSideNever()
    {
        for (const char* item :
            {"ProcessMDrillPLAN", "ProcessMDrillSide", "ProcessMDrillSlant", "ProcessMTapPLAN",
                "ProcessMTapSide", "ProcessMTapSlant", "ProcessMPlanetTapSlant"}) {
            QAction* action = m_main->action(QLatin1String(item));
            QVERIFY2(!action->property("notYetAvailable").toBool(), item);
            QVERIFY2(action->isEnabled() || !action->isVisible(), item);
        }
        for (const char* item : {"ProcessMPlanetTapPLAN", "ProcessMPlanetTapSide"}) {
            QAction* action = m_main->action(QLatin1String(item));
            QVERIFY2(!action->isEnabled(), item);
            action->trigger();
            QVERIFY(!QApplication::activeModalWidget());
            QVERIFY(ActiveText()->Text().isEmpty());
        }
    }

    // Captions, fields shown, tool tips and what the dialog holds when it opens: the row of the
    // carbon-steel file, the fixed starts of the taps, the plane of the last accepted dialog.
    void dialogSetUp_data()
    {
        QTest::addColumn<QString>("item");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QStringList>("fields");
        QTest::addColumn<QStringList>("texts");
        QTest::addColumn<QStringList>("hidden");
        QTest::addColumn<QString>("toolTipU");
        QTest::addColumn<QString>("toolTipF");
        const QString drillHint
            = QStringLiteral("M3=2.6 M4=3.4 M5=4.3 M6=5.1 M8=6.9 M10=8.7 M12=10.5 M16=14.3");
        const QString pitchHint = QStringLiteral("M2=0.4 M2.5=0.45 M3=0.5 M4=0.7 M5=0.8 M6=1 "
                                                 "M8=1.25 M10=1.5 M12=1.75 M16=2 M20=2.5 M24=3");
        const QStringList drillFields = {"LabelU2=D", "LabelW=End point dwell ", "LabelW2=E",
            "LabelD=Step", "LabelL=Step 2", "V=20", "F=0.1", "U=6.8", "W=0.2", "D=5", "L=0"};
        const QStringList holeNumber = {"LabelC=Hole number ", "LabelC2=Q", "C=4"};
        const QStringList plane = {"LabelB=B Axis Angle", "LabelB2=B", "LabelC2=X", "LabelSZ=Z",
            "LabelStartX=X", "LabelStartZ=Y", "LabelStartC=Z", "EndZ2=End Point", "LabelEndC=Z",
            "B=30.5", "SZ=-2", "C="};
        const QStringList tapFields
            = {"LabelU=Diameter ", "LabelU2=M", "LabelW=", "LabelW2=", "LabelD= thread  angle ",
                "LabelL=", "LabelL2=", "LabelC= Tap  number ", "LabelC2=Q", "LabelEndC=", "V=8",
                "F=1.25", "U=8", "D=0", "C=4"};

        QTest::newRow("drillFace") << "ProcessMDrillPLAN"
                                   << "M Drill PLAN "
                                   << QStringList {"ToolNumber", "V", "F", "U", "W", "D", "L", "C",
                                          "StartX", "StartZ", "StartC", "EndZ"}
                                   << drillFields + holeNumber
                + QStringList {"LabelU=Drill diameter ",
                    "LabelEndX=", "LabelEndC=", "LabelEnd=End Point", "LabelEndZ=Z",
                    "ToolNumber=13", "StartZ="}
                                   << QStringList {"LabelB", "LabelSZ"} << drillHint << "";
        QTest::newRow("drillSide") << "ProcessMDrillSide"
                                   << "M Drill  Side "
                                   << QStringList {"ToolNumber", "V", "F", "U", "W", "D", "L", "C",
                                          "StartX", "StartZ", "StartC", "EndX"}
                                   << drillFields + holeNumber
                + QStringList {"LabelU=Drill diameter", "LabelEndX=X",
                    "LabelEndZ=", "EndZ2=", "LabelEndC=", "ToolNumber=14"}
                                   << QStringList {"LabelB", "LabelSZ"} << drillHint << "";
        QTest::newRow("drillSlant") << "ProcessMDrillSlant"
                                    << "M Drill Slant "
                                    << QStringList {"ToolNumber", "B", "V", "F", "U", "W", "D", "L",
                                           "C", "SZ", "StartX", "StartZ", "StartC", "EndX", "EndC"}
                                    << drillFields + plane
                + QStringList {"LabelU=Drill diameter ", "LabelC=Zero movement amount ",
                    "LabelCZ=Zero movement amount ",
                    "LabelAttn=Attention :X axis is radius command.", "LabelEnd= master  angle ",
                    "LabelEndX=C", "ToolNumber=15"}
                                    << QStringList {"LabelEndZ"} << drillHint << "";
        QTest::newRow("tapFace") << "ProcessMTapPLAN"
                                 << "M Tap  PLAN "
                                 << QStringList {"ToolNumber", "V", "F", "U", "D", "C", "StartX",
                                        "StartZ", "StartC", "EndZ"}
                                 << tapFields
                + QStringList {"LabelEndX=", "LabelEndZ=Z", "ToolNumber=16", "StartZ=0", "StartC=0"}
                                 << QStringList {"LabelB", "LabelSZ"} << "" << pitchHint;
        // Nothing blanks the spare end caption: "End Point" stands where EndZ would.
        QTest::newRow("tapSide") << "ProcessMTapSide"
                                 << "M Tap  Side "
                                 << QStringList {"ToolNumber", "V", "F", "U", "D", "C", "StartX",
                                        "StartZ", "StartC", "EndX"}
                                 << tapFields
                + QStringList {"LabelEndX=X", "LabelEndZ=", "EndZ2=End Point", "ToolNumber=17",
                    "StartZ=", "StartC=0"}
                                 << QStringList {"LabelB", "LabelSZ"} << "" << pitchHint;
        QTest::newRow("tapSlant") << "ProcessMTapSlant"
                                  << "M Tap  Slant "
                                  << QStringList {"ToolNumber", "B", "V", "F", "U", "C", "SZ",
                                         "StartX", "StartZ", "StartC", "EndX", "EndC"}
                                  << plane
                + QStringList {"LabelU=Diameter ", "LabelU2=M",
                    "LabelD=", "LabelD2=", "LabelL=", "LabelL2=", "LabelC= zero  movement  amount ",
                    "LabelCZ= zero  movement  amount ",
                    QString::fromUtf8("LabelAttn= attention :X axis は radius  command です . "),
                    "LabelEnd= master  angle ", "LabelEndX=C", "ToolNumber=18", "F=1.25", "U=8"}
                                  << QStringList {"LabelW", "LabelW2", "LabelEndZ"} << ""
                                  << pitchHint;
        QTest::newRow("planetTap") << "ProcessMPlanetTapSlant"
                                   << "Planet Tap Slant "
                                   << QStringList {"ToolNumber", "B", "V", "F", "U", "W", "D", "C",
                                          "SZ", "StartX", "StartZ", "StartC", "EndX", "EndC"}
                                   << plane
                + QStringList {"LabelU=Tap diameter ", "LabelU2=D", "LabelW=Master angle ",
                    "LabelW2=C", "LabelC=Zero movement amount", "LabelCZ=Zero movement amount",
                    "LabelAttn=Attention :X axis is radius.", "LabelD=Thread pitch", "LabelD2=P",
                    "LabelL=", "LabelL2=", "LabelEnd= radius ", "LabelEndX=R", "ToolNumber=24",
                    "V=60", "F=0.05", "U=6", "W=0", "D=1.5"}
                                   << QStringList {"LabelEndZ"} << ""
                                   << "";
    }
    void dialogSetUp()
    {
        QFETCH(QString, item);
        QFETCH(QString, caption);
        QFETCH(QStringList, fields);
        QFETCH(QStringList, texts);
        QFETCH(QStringList, hidden);
        QFETCH(QString, toolTipU);
        QFETCH(QString, toolTipF);
        module1().gB = 30.5;
        module1().gSZ = -2;
        // What the user sees, taken before the dialog is cancelled and compared after.
        QString title, tipU, tipF;
        QStringList shownFields, seenTexts, shownOfHidden;
        ModalScript script;
        script.then([&](QWidget* w) {
            title = w->windowTitle();
            shownFields = visibleFieldsInTabOrder(w);
            for (const QString& pair : texts) {
                const QString name = pair.section(u'=', 0, 0);
                QWidget* control = Control(w, name);
                auto* label = qobject_cast<QLabel*>(control);
                const QString text
                    = label ? label->text() : qobject_cast<QLineEdit*>(control)->text();
                seenTexts.append(name + u'=' + text
                    + (text.isEmpty() || control->isVisible() ? "" : " (hidden)"));
            }
            for (const QString& name : hidden)
                if (Control(w, name)->isVisible())
                    shownOfHidden.append(name);
            tipU = Control(w, "U")->toolTip();
            tipF = Control(w, "F")->toolTip();
            Click(w, "Command2");
        });
        Trigger(m_main, item);
        QCOMPARE(script.pendingSteps(), 0);
        QCOMPARE(title, caption);
        QCOMPARE(shownFields, fields);
        QCOMPARE(seenTexts, texts);
        QCOMPARE(shownOfHidden, QStringList());
        QCOMPARE(tipU, toolTipU);
        QCOMPARE(tipF, toolTipF);
        QVERIFY(ActiveText()->Text().isEmpty());
    }

    // The face drill on a turret lathe before K500, the table's peck, dwell and four holes.
    void drillFace_insertedAtTheCaret()
    {
        setMachine(false, false, 2);
        module1().gToolFrom = true;
        ModalScript script;
        script.then([](QWidget* w) {
            Type(w, "StartX", "40");
            Type(w, "StartZ", "2");
            Type(w, "StartC", "0");
            Type(w, "EndZ", "-15");
            Click(w, "Command1");
        });
        NcTextBox* text = ActiveText();
        text->setWholeText(QStringLiteral("O0001\r\n\r\nNEND M02\r\n"));
        text->setSelStart(7);
        Trigger(m_main, "ProcessMDrillPLAN");
        QCOMPARE(script.pendingSteps(), 0);
        const QString block = Lines({"(-----< PLAN DRILL D6.8 >-----)",
            "NOEX VTLIN[13]=28 VTLFN[13]=1 VTLA1[13]=118", "NOEX VTLD[13]=6.8 VTLL[13]=37",
            "N000 G94 M110 T131313", "NT13 G00 X200 Z50 SB=930 M13 M64 M08", "N000     M62",
            "N000 G183 C0 X40 Z-15 K46 D5 E0.2 F=SB*0.1 Q4", "N000 G180", "N000 G00 Z50",
            "N000     X500 Z500 M12 M64", "N000     M62", "\t"});
        QCOMPARE(
            text->Text(), QStringLiteral("O0001\r\n") + block + QStringLiteral("\r\nNEND M02\r\n"));
        QCOMPARE(text->SelStart(), 7 + block.size());
        QVERIFY(text->DataChanged());
    }

    // The planet tap on a Duomill machine with turret H1; the next inclined-plane dialog offers
    // the B angle and the Z shift as the block wrote them, the X shift empty.
    void planetTap_thenTheNextPlaneDialogOffersItsAngleAndShift()
    {
        setMachine(true, true, 1);
        module1().gToolFrom = false;
        ModalScript script;
        script.then([](QWidget* w) {
            Type(w, "B", "30.12345");
            Type(w, "W", "90");
            Type(w, "C", "5");
            Type(w, "SZ", "-2");
            Type(w, "StartX", "0");
            Type(w, "StartZ", "0");
            Type(w, "StartC", "0");
            Type(w, "EndX", "5");
            Type(w, "EndC", "-10");
            Click(w, "Command1");
        });
        script.then([](QWidget* w) {
            QCOMPARE(w->windowTitle(), QStringLiteral("M Tap  Slant "));
            QCOMPARE(Control<QLineEdit>(w, "B")->text(), QStringLiteral("30.123"));
            QCOMPARE(Control<QLineEdit>(w, "SZ")->text(), QStringLiteral("-2"));
            QVERIFY(Control<QLineEdit>(w, "C")->text().isEmpty());
            Click(w, "Command2");
        });
        Trigger(m_main, "ProcessMPlanetTapSlant");
        QCOMPARE(ActiveText()->Text(),
            Lines({"(-----< PLANET TAP M10 P1.5 >-----)", "N000 MT=2401", "N000 M441",
                "N000 G94 M110 TL=242424 G52 BA=30.123 M66",
                "NT24 G00 C90 X200 Z50 SB=3180 M13 M63 M08", "N000 G138", "N000 G174 SX=5 SZ=-2",
                "N000 G127 B30.123", "N000 G17", "N000 G00 X0 Y0 Z50", "N000     Z2 M147",
                "N000 G01 Z-10 F=SB*0.5", "N000     X-1.5 Y3.5 F=SB*0.05 G41",
                "N000 G03 X-5 Y0 Z-9.625 L3.5", "N000     X5 Y0 Z-8.875 L5",
                "N000     X-5 Y0 Z-8.125 L5", "N000     X-1.5 Y-3.5 Z-7.75 L3.5",
                "N000 G01 X0 Y0 F=SB*0.5 G40", "N000 G00 Z50", "N000 G126 M146", "N000 G175",
                "N000 G136", "N000 G21 HP=4 M12 M63 M09", "\t"}));
        Trigger(m_main, "ProcessMTapSlant");
        QCOMPARE(script.pendingSteps(), 0);
    }
};

CORVANE_TEST_MAIN(MToolHolesGuiTest)
#include "MToolHolesGuiTest.moc"
