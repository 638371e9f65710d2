#include "ProcessGuiSupport.h"
#include "documents/NcTextBox.h"

// The measurement generators through the menu and the process dialog on a real document: the
// dialogs, the call at the caret with its sub-program at the end, and what a failure leaves.
class MeasurementGuiTest : public QObject
{
    Q_OBJECT

    frmMain* m_main = nullptr;

    static const QString& original()
    {
        static const QString text = QStringLiteral("O0001\r\nN001 G00 X100\r\nNEND M02\r\n");
        return text;
    }

    // The program with its second line selected; no undo history.
    static NcTextBox* programWithSelection()
    {
        NcTextBox* text = ActiveText();
        text->loadText(original());
        text->setSelStart(7);
        text->setSelLength(13);
        return text;
    }

private slots:
    void init()
    {
        m_main = StartWithDocument();
        LoadConditionFile(QStringLiteral("S45C.CSV"));
        Module1& m = module1();
        m.gAppX = 250.0;
        m.gAppZ = 100.0;
        m.gHomeX = 500.0;
        m.gHomeZ = 500.0;
        m.gDuomill = false;
        m.gTG = false;
    }

    void dialogs_data()
    {
        QTest::addColumn<QString>("item");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("picture");
        const QString measure = QStringLiteral(
            "Label10=T|LabelV=Tool compensation |Labelv2=V|LabelU=OK|LabelU2=U|LabelW=NG|"
            "LabelW2=W|");
        const QString target = QStringLiteral("LabelEnd=Target position |LabelEndX=X|LabelEndZ=Z|");
        QTest::newRow("insideDiameter")
            << "ProcessMeasuerInD"
            << " INV.diameter measurement "
            << "Label1=Sensor number|" + measure + target + "ToolNumber|V|U|W|EndX|EndZ";
        QTest::newRow("insideRadius")
            << "ProcessMeasuerInR"
            << " INV.Radius measurement "
            << "Label1=Sensor number |" + measure + target + "ToolNumber|V|U|W|EndX|EndZ";
        QTest::newRow("outsideDiameter_withApproachPoint") << "ProcessMeasuerOutD"
                                                           << "UTV.Diameter measurement "
                                                           << "Label1=Sensor number |" + measure
                + "LabelStart=Start Point|LabelStartX=X|LabelStartZ=Z|" + target
                + "ToolNumber|V|U|W|StartX|StartZ|EndX|EndZ";
        QTest::newRow("outsideRadius")
            << "ProcessMeasuerOutR"
            << " UTV.Radius measurement "
            << "Label1=Sensor number|Label10=T|LabelV=Compensation No|Labelv2=V|LabelU=OK|"
               "LabelU2=U|LabelW=NG|LabelW2=W|"
                + target + "ToolNumber|V|U|W|EndX|EndZ";
        QTest::newRow("cAxisZero")
            << "ProcessMeasuerZeroCaxis"
            << "C-axis Auto zero offset"
            << "Label1=Sensor number |Label10=T|LabelV=Applochi distance |Labelv2=V|"
               "LabelF=Shift angle |LabelF2=F|LabelW=Groove angle |LabelW2=W|"
               "LabelD=Applochi angle|LabelD2=D|LabelC=2 times touch|LabelC2=C|"
               "LabelStart=Start Point|LabelStartX=X|LabelStartZ=Z|LabelEnd=Target position |"
               "LabelEndZ=Z|LabelEndC=C|"
               "ToolNumber|V|F|W|D|C~ omit  possible |StartX|StartZ|EndZ|EndC";
        QTest::newRow("zAxisZero")
            << "ProcessMeasuerZeroZaxis"
            << "Z-axis Auto zero offset "
            << "Label1=Sensor number |Label10=T|LabelU=OK|LabelU2=U|LabelW=NG|LabelW2=W|"
               "LabelD=App. amount |LabelD2=D|LabelL=Over amount |LabelL2=L|"
               "LabelC=2 times touch|LabelC2=C|LabelStart=Start Point|LabelStartX=X|"
               "LabelStartZ=Z|LabelEnd=Target position |LabelEndZ=Z|"
               "ToolNumber|U~ omit  possible |W~ omit  possible |D|L|C~Omit  possible |StartX|"
               "StartZ|EndZ";
    }
    void dialogs()
    {
        QFETCH(QString, item);
        QFETCH(QString, caption);
        QFETCH(QString, picture);
        const SeenDialog seen = OpenAndCancel(m_main, item);
        QCOMPARE(seen.caption, caption);
        QCOMPARE(seen.picture, picture.split(u'|'));
        // The probe's row of the table.
        QCOMPARE(seen.texts.value(QStringLiteral("ToolNumber")), QStringLiteral("12"));
        QCOMPARE(seen.texts.value(QStringLiteral("U")), QStringLiteral("0.02"));
        QVERIFY(ActiveText()->Text().isEmpty());
    }

    // The call replaces the selection, the sub-program follows the last line, the caret stays
    // before the call, and one undo takes both back.
    void insideDiameter_callAtCaretSubProgramAtEnd()
    {
        ModalScript script;
        script.then([](QWidget* w) {
            Type(w, "ToolNumber", "5");
            Type(w, "V", "7");
            Type(w, "U", "0.02");
            Type(w, "W", "0.05");
            Type(w, "EndX", "30");
            Type(w, "EndZ", "-20");
            Click(w, "Command1");
        });
        NcTextBox* text = programWithSelection();
        Trigger(m_main, "ProcessMeasuerInD");
        QCOMPARE(script.pendingSteps(), 0);
        QCOMPARE(text->Text(),
            QStringLiteral("O0001\r\nN000 CALL OME12 ( INV.MEASURE D30)\r\nNEND M02\r\n")
                + Lines({"\t", "----------<  INV.MEASURE D30 >----------", "OME12",
                    "N000 IF[VDIN[32]EQ 0]NRTS", "N000 G00 X250 Z100 T0505",
                    "NT05 CALL ODIAA ZP1=100 ZP2=-20 TOF1=15 TOF2=05",
                    "$         MSP=30 APP=3 APPS=2 IMP=1 DOK=0.02 DNG=0.05 TOFN=07",
                    "N000 G00 X250", "N000     X500 Z500", "NRTS RTS"}));
        QCOMPARE(text->SelStart(), 7);
        QCOMPARE(text->SelLength(), 0);
        QVERIFY(text->DataChanged());
        text->undo();
        QCOMPARE(text->Text(), original());
        QVERIFY(!text->isUndoAvailable());
    }

    // A failure while the sub-program is built (here a position in the settings store that is
    // not a number) shows its message and leaves the document as it was, call line included.
    void failureLeavesTheDocumentAsItWas()
    {
        module1().gAppX = QStringLiteral("25O");
        ModalScript script;
        script.then([](QWidget* w) {
            Type(w, "EndX", "30");
            Click(w, "Command1");
        });
        script.answerMessage(QMessageBox::Ok);
        NcTextBox* text = programWithSelection();
        Trigger(m_main, "ProcessMeasuerOutD");
        QCOMPARE(script.pendingSteps(), 0);
        QCOMPARE(script.messages().size(), 1);
        QCOMPARE(script.messages()[0].title, QStringLiteral(" error  13"));
        QCOMPARE(text->Text(), original());
        QVERIFY(!text->DataChanged());
        QCOMPARE(text->SelStart(), 7);
        QCOMPARE(text->SelLength(), 13);
    }

    void withoutDocumentNothingToInsertInto()
    {
        ModalScript script;
        script.then([](QWidget* w) {
            CloseActiveDocumentDiscardingChanges();
            Click(w, "Command1");
        });
        script.answerMessage(QMessageBox::Ok);
        Trigger(m_main, "ProcessMeasuerOutR");
        QCOMPARE(script.pendingSteps(), 0);
        QCOMPARE(script.messages().size(), 1);
        QCOMPARE(script.messages()[0].title, QStringLiteral(" error  91"));
        QCOMPARE(script.messages()[0].text, QStringLiteral("Not file open. Can not insert."));
    }

    void postProcessGauging_replacesTheSelectionWithoutDialog()
    {
        NcTextBox* text = programWithSelection();
        Trigger(m_main, "ProcessMeasuerOutside");
        QCOMPARE(text->Text(), QStringLiteral("O0001\r\nN000 CALL OXMS\r\n\r\nNEND M02\r\n"));
        QCOMPARE(text->SelStart(), 23);
    }
};

CORVANE_TEST_MAIN(MeasurementGuiTest)
#include "MeasurementGuiTest.moc"
