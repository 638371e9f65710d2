#include "ProcessGuiSupport.h"
#include "documents/NcTextBox.h"

// The key way, milling and circle generators through the menu and the process dialog on a real
// document.
class MillingGuiTest : public QObject
{
    Q_OBJECT

    frmMain* m_main = nullptr;

private slots:
    void init()
    {
        m_main = StartWithDocument();
        LoadConditionFile(QStringLiteral("S45C.CSV"));
        // The machine of a first start (approach X200 Z50, home X500 Z500, after K500, no
        // Duomill, no tool groups) without tool data.
        Module1& m = module1();
        m.gToolFrom = false;
        // Left by an earlier inclined-plane dialog.
        m.gB = 45;
        m.gSZ = -100.5;
    }

    // Each dialog as the user finds it: captions, shown fields, the pre-fill from the member's
    // row and, on the inclined plane, the B angle and Z shift of the previous dialog.
    void dialogs_data()
    {
        QTest::addColumn<QString>("item");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("picture");
        QTest::addColumn<QString>("texts");
        const QString rotating = QStringLiteral(
            "Label1=Tool No.|Label10=T|LabelV=Speed(m/min)|Labelv2=V|LabelF=Feed|LabelF2=F|");
        const QString slant = QStringLiteral(
            "Label1=Tool No.|Label10=T|LabelB=B Axis Angle|LabelB2=B|LabelV=Speed(m/min)|"
            "Labelv2=V|LabelF=Feed|LabelF2=F|");
        const QString start
            = QStringLiteral("LabelStart=Start Point|LabelStartX=X|LabelStartZ=Z|LabelStartC=C|");
        const QString keyFields
            = QStringLiteral("ToolNumber|V|F|U|W|D|L|C|StartX|StartZ|StartC|EndX|EndZ");
        QTest::newRow("keyWayPlan") << "ProcessMKeyPLAN"
                                    << "M Key way PLAN "
                                    << rotating
                + "LabelU=Endmill diameter |LabelU2=D|LabelW=Infeed speed |LabelW2=E|"
                  "LabelD=Cutting amount |LabelD2=D|LabelL=FIN stock|LabelL2=W|"
                  "LabelC=Key number |LabelC2=Q|"
                + start + "LabelEnd=End Point|LabelEndX=X|LabelEndZ=Z|" + keyFields
                                    << "ToolNumber=19|V=25|F=0.05|U=8|W=0.03|D=1|L=0.1|C=1";
        QTest::newRow("keyWaySide") << "ProcessMKeySide"
                                    << "M Key way Side "
                                    << rotating
                + "LabelU=Endmill diameter |LabelU2=D|LabelW=Infeed speed |LabelW2=E|"
                  "LabelD=Cutting amount |LabelD2=D|LabelL=FIN stock|LabelL2=U|"
                  "LabelC=Key number|LabelC2=Q|"
                + start + "LabelEnd=End Point|LabelEndX=X|LabelEndZ=Z|" + keyFields
                                    << "ToolNumber=20|C=2";
        QTest::newRow("keyWaySlant") << "ProcessMKeySlant"
                                     << "M Key way Slant "
                                     << slant
                + "LabelU=Endmill diameter |LabelU2=D|LabelW=Cutting speed |LabelW2=E|"
                  "LabelD=Cutting amount |LabelD2=D|LabelL=FIN stock|LabelL2=U|"
                  "LabelC=Zero movement amount|LabelC2=X|LabelCZ=Zero movement amount|"
                  "LabelSZ=Z|LabelStart=Start Point|LabelStartX=X|LabelStartZ=Y|"
                  "LabelStartC=Z|LabelEnd=End point|LabelEndX=X|LabelEndZ=Y|LabelEndC=Z|"
                  "LabelAttn=Attention :X axis is radius command.|"
                  "ToolNumber|B|V|F|U|W|D|L|C|SZ|StartX|StartZ|StartC|EndX|EndZ|EndC"
                                     << "ToolNumber=21|B=45|C=|SZ=-100.5";
        QTest::newRow("millingPlan") << "ProcessMSouseiPLAN"
                                     << "M cutting  PLAN "
                                     << rotating + "LabelU= end ﾐﾙ diameter |LabelU2=D|" + start
                + "LabelEnd=End Point|LabelEndX=X|LabelEndZ=Z|LabelEndC=C|"
                  "ToolNumber|V|F|U|StartX|StartZ|StartC|EndX|EndZ|EndC"
                                     << "ToolNumber=22|V=25|U=10";
        QTest::newRow("millingSide") << "ProcessMSouseiSide"
                                     << "M cutting  Side "
                                     << rotating + "LabelU=Endmill diameter |LabelU2=D|" + start
                + "LabelEnd=End Point|LabelEndX=X|LabelEndZ=Z|LabelEndC=C|"
                  "ToolNumber|V|F|U|StartX|StartZ|StartC|EndX|EndZ|EndC"
                                     << "ToolNumber=22";
        QTest::newRow("circleSlant") << "ProcessMCircleSlant"
                                     << "Endmill circle Slant "
                                     << slant
                + "LabelU= end ﾐﾙ diameter |LabelU2=D|LabelW= master  angle |LabelW2=C|"
                  "LabelD= cutting  amount |LabelD2=t|LabelL= FIN 代|LabelL2=U|"
                  "LabelC= zero  movement  amount |LabelC2=X|"
                  "LabelCZ= zero  movement  amount |LabelSZ=Z|LabelStart=Start Point|"
                  "LabelStartX=X|LabelStartZ=Y|LabelStartC=Z|LabelEnd= radius |LabelEndX=R|"
                  "EndZ2=End Point|LabelEndC=Z|"
                  "LabelAttn= attention :X axis は radius  command |"
                  "ToolNumber|B|V|F|U|W|D|L|C|SZ|StartX|StartZ|StartC|EndX|EndC"
                                     << "ToolNumber=23|V=80|W=0|D=1|L=0.1|U=10|B=45|C=|SZ=-100.5";
    }
    void dialogs()
    {
        QFETCH(QString, item);
        QFETCH(QString, caption);
        QFETCH(QString, picture);
        QFETCH(QString, texts);
        const SeenDialog seen = OpenAndCancel(m_main, item);
        QCOMPARE(seen.caption, caption);
        QCOMPARE(seen.picture, picture.split(u'|'));
        for (const QString& text : texts.split(u'|'))
            QCOMPARE(seen.texts.value(text.section(u'=', 0, 0)), text.section(u'=', 1));
        QVERIFY(ActiveText()->Text().isEmpty());
    }

    // The circle dialog offers the B angle and Z shift the key way dialog was accepted with.
    void circleSlant_afterKeyWaySlant()
    {
        ModalScript script;
        script.then([](QWidget* w) {
            Type(w, "B", "30");
            Type(w, "SZ", "-80");
            Type(w, "C", "12.5");
            Click(w, "Command1");
        });
        script.then([](QWidget* w) {
            QCOMPARE(Control<QLineEdit>(w, "B")->text(), QStringLiteral("30"));
            QCOMPARE(Control<QLineEdit>(w, "SZ")->text(), QStringLiteral("-80"));
            QVERIFY(Control<QLineEdit>(w, "C")->text().isEmpty());
            Type(w, "C", "12.5");
            Type(w, "W", "90");
            Type(w, "L", "0");
            Type(w, "StartX", "0");
            Type(w, "StartZ", "0");
            Type(w, "StartC", "0");
            Type(w, "EndX", "10");
            Type(w, "EndC", "-2");
            Click(w, "Command1");
        });
        Trigger(m_main, "ProcessMKeySlant");
        const qsizetype keyWay = ActiveText()->Text().size();
        Trigger(m_main, "ProcessMCircleSlant");
        QCOMPARE(script.pendingSteps(), 0);
        const QStringList circle = {
            "N000     X10 G41", "N000 G03 X-10 Y0 L10", "N000     X10 Y0 L10", "N000 G01 X0 G40"};
        QCOMPARE(ActiveText()->Text().mid(keyWay),
            Lines(QStringList {"(-----< SLANT CIRCLE D20 >-----)", "N000 G94 M110 T232323",
                      "NT23 G00 C90 X200 Z50 SB=2540 M13 M63 M08", "N000 G138",
                      "N000 G174 SX=12.5 SZ=-80", "N000 G127 B30", "N000 G17", "N000 G00 X0 Y0 Z50",
                      "N000     Z2 M147", "N000 G01 Z0 F=SB*0.05", "N000     Z-1"}
                + circle + QStringList {"N000     Z-2"} + circle
                + QStringList {"N000 G00 Z50", "N000 G126 M146", "N000 G175", "N000 G136",
                    "N000     X500 Z500 M12 M63", "\t"}));
    }

    // A depth no program could hold in passes of its step is refused: one message, and the
    // document stays as it was.
    void circleSlant_endlessDepthChangesNothing()
    {
        ModalScript script;
        script.then([](QWidget* w) {
            Type(w, "D", "0.001");
            Type(w, "EndX", "10");
            Type(w, "EndC", "-100000");
            Click(w, "Command1");
        });
        script.answerMessage(QMessageBox::Ok);
        Trigger(m_main, "ProcessMCircleSlant");
        QCOMPARE(script.pendingSteps(), 0);
        QCOMPARE(script.messages().size(), 1);
        QCOMPARE(script.messages()[0].title, QStringLiteral(" error  7"));
        QCOMPARE(script.messages()[0].text, QStringLiteral("Error."));
        QVERIFY(ActiveText()->Text().isEmpty());
        QVERIFY(!ActiveText()->DataChanged());
    }
};

CORVANE_TEST_MAIN(MillingGuiTest)
#include "MillingGuiTest.moc"
