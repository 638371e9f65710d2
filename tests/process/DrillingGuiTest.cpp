#include "ProcessGuiSupport.h"
#include "documents/NcTextBox.h"
#include "process/frmProcess.h"
#include "process/generators/ProcessMenu.h"

#include <QApplication>
#include <QDialog>
#include <QRadioButton>
#include <QTemporaryDir>

// The drilling generators through the process dialog on a real document: captions and fields of
// the dialog, its keys, the pre-fill, and the block inserted at the caret.
class DrillingGuiTest : public QObject
{
    Q_OBJECT

    frmMain* m_main = nullptr;

private slots:
    void init()
    {
        m_main = StartWithDocument();
        LoadConditionFile(QStringLiteral("S45C.CSV"));
        module1().gPZero = 2;
    }

    void hssDrill_dialogSetUpAndPrefill()
    {
        ModalScript script;
        script.then([](QWidget* w) {
            QCOMPARE(w->objectName(), QStringLiteral("frmProcess"));
            QCOMPARE(w->windowTitle(), QStringLiteral("Hss Drill "));
            QCOMPARE(Caption(w, "LabelU"), QStringLiteral("Drill diameter "));
            QCOMPARE(Caption(w, "LabelD2"), QStringLiteral("D"));
            QCOMPARE(Caption(w, "LabelD"), QStringLiteral("Step"));
            QCOMPARE(Caption(w, "LabelL"), QStringLiteral("Step 2"));
            for (const char* hidden : {"C", "W", "StartX", "StartC", "EndX", "EndC", "B", "SZ"})
                QVERIFY2(!Control(w, hidden)->isVisible(), hidden);
            for (const char* blank : {"LabelC", "LabelC2", "LabelW", "LabelW2", "LabelStartX",
                     "LabelStartC", "LabelEndX", "LabelEndC"})
                QVERIFY2(Caption(w, blank).isEmpty(), blank);
            QCOMPARE(Caption(w, "LabelStart"), QStringLiteral("Start Point"));
            QCOMPARE(Caption(w, "LabelEnd"), QStringLiteral("End Point"));
            QCOMPARE(Caption(w, "Label2"), QStringLiteral("For change input position useTAB Key"));
            QCOMPARE(Control<QAbstractButton>(w, "Command1")->text(), QStringLiteral("O  K"));
            // Row 1 of the carbon-steel file, and the start at P-Zero.
            QCOMPARE(Control<QLineEdit>(w, "ToolNumber")->text(), QStringLiteral("9"));
            QCOMPARE(Control<QLineEdit>(w, "V")->text(), QStringLiteral("22"));
            QCOMPARE(Control<QLineEdit>(w, "F")->text(), QStringLiteral("0.12"));
            QCOMPARE(Control<QLineEdit>(w, "D")->text(), QStringLiteral("8"));
            QCOMPARE(Control<QLineEdit>(w, "U")->text(), QStringLiteral("10"));
            QCOMPARE(Control<QLineEdit>(w, "StartZ")->text(), QStringLiteral("2"));
            QVERIFY(Control<QLineEdit>(w, "EndZ")->text().isEmpty());
            QVERIFY(Control<QRadioButton>(w, "SpindleCW")->isChecked());
            QVERIFY(Control<QRadioButton>(w, "CoolantON")->isChecked());
            QCOMPARE(VisibleFieldsInTabOrder(w),
                QStringList({"ToolNumber", "V", "F", "U", "D", "L", "StartZ", "EndZ"}));
            Type(w, "ToolNumber", "5");
            Type(w, "V", "20");
            Type(w, "F", "0.1");
            Type(w, "D", "0");
            Type(w, "EndZ", "-30");
            Click(w, "Command1");
        });
        NcTextBox* text = ActiveText();
        text->setWholeText(QStringLiteral("O0001\r\n\r\nNEND M02\r\n"));
        text->setDataChanged(false);
        text->setSelStart(7);
        Trigger(m_main, "ProcessDrillHss");
        QCOMPARE(script.pendingSteps(), 0);
        const QString block
            = Lines({"(-----< DRILL D10 >-----)", "NOEX VTLIN[5]=22 VTLFN[5]=1 VTLA1[5]=118",
                "NOEX VTLD[5]=10 VTLL[5]=52", "N000 G00 X0 Z50 T0505 M42 S630 M03 M63 M08",
                "NT05 G74 X0 Z-30 K45 D36 F0.1", "N000 G00 X500 Z500", "\t"});
        QCOMPARE(
            text->Text(), QStringLiteral("O0001\r\n") + block + QStringLiteral("\r\nNEND M02\r\n"));
        QCOMPARE(text->SelStart(), 7 + block.size());
        QVERIFY(text->DataChanged());
        QVERIFY(module1().gProcessOk);
        QCOMPARE(module1().gInnerDia, 10.0);
    }

    void insertDrill_captionsAndDuomillGroups()
    {
        Module1& m = module1();
        m.gDuomill = true;
        m.gTG = true;
        m.gToolFrom = false;
        m.gAtcMacroType = QStringLiteral("M441");
        ModalScript script;
        script.then([](QWidget* w) {
            QCOMPARE(w->windowTitle(), QStringLiteral("Corbyte Drill "));
            QCOMPARE(Caption(w, "LabelU"), QStringLiteral(" Drill  diameter "));
            QCOMPARE(Caption(w, "LabelD"), QStringLiteral("App."));
            QCOMPARE(Caption(w, "LabelL"), QStringLiteral("Thre"));
            QCOMPARE(Control<QLineEdit>(w, "ToolNumber")->text(), QStringLiteral("10"));
            Type(w, "V", "150");
            Type(w, "F", "0.15");
            Type(w, "StartZ", "0");
            Type(w, "EndZ", "-45");
            Type(w, "D", "2");
            Type(w, "L", "3");
            Control<QRadioButton>(w, "SpindleCCW")->setChecked(true);
            Control<QRadioButton>(w, "CoolantOFF")->setChecked(true);
            Click(w, "Command1");
        });
        Trigger(m_main, "ProcessDrillU");
        QCOMPARE(ActiveText()->Text(),
            Lines({"(-----< DRILL D20 >-----)", "N000 MT=1 TG=10", "N000 M441",
                "N000 G00 X0 Z50 TG=10 OG=1 M42 S2380 M04 M63 M09", "NT10     Z3",
                "N000 G01 Z-2 F0.075", "N000     Z-42 F0.15", "N000     Z-45 F0.075",
                "N000 G00 Z50", "N000     X200", "N000 G21 HP=4 M05 M63 M09", "\t"}));
    }

    void prefillOfReverseSpindleAndCoolantOff()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("R.CSV"));
        WriteBytes(path, "h\r\nh\r\n1,Drill,7,1,0,20,0.1,0,0,10,0,0\r\n");
        module1().gCsvFileName = path;
        LoadCuttingConditions(module1());
        ModalScript script;
        script.then([](QWidget* w) {
            QVERIFY(Control<QRadioButton>(w, "SpindleCCW")->isChecked());
            QVERIFY(Control<QRadioButton>(w, "CoolantOFF")->isChecked());
            Type(w, "EndZ", "-20");
            Click(w, "Command1");
        });
        Trigger(m_main, "ProcessDrillHss");
        QVERIFY(ActiveText()->Text().contains(QLatin1String(" T0707 M42 S630 M04 M63 M09\r\n")));
    }

    // Cancel, Esc and the close box all leave the document as it was, even after an accepted
    // dialog before.
    void everyWayOutButOkInsertsNothing_data()
    {
        QTest::addColumn<QString>("way");
        QTest::newRow("cancelButton") << "cancel";
        QTest::newRow("escapeKey") << "escape";
        QTest::newRow("closeBox") << "close";
    }
    void everyWayOutButOkInsertsNothing()
    {
        QFETCH(QString, way);
        module1().gProcessOk = true;
        ModalScript script;
        script.then([way](QWidget* w) {
            if (way == u"cancel")
                Click(w, "Command2");
            else if (way == u"escape")
                QTest::keyClick(w, Qt::Key_Escape);
            else
                w->close();
        });
        Trigger(m_main, "ProcessDrillHss");
        QCOMPARE(script.pendingSteps(), 0);
        QVERIFY(ActiveText()->Text().isEmpty());
        QVERIFY(!ActiveText()->DataChanged());
        QVERIFY(!module1().gProcessOk);
        QVERIFY(!QApplication::activeModalWidget());
    }

    void errors_data()
    {
        QTest::addColumn<QString>("situation");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("message");
        QTest::newRow("noMaterialFile") << "noTable"
                                        << " error  13"
                                        << "Cutting condition error. Pls. Material file select.";
        QTest::newRow("zeroDiameter") << "zeroDiameter"
                                      << " error  11"
                                      << "0 error. Tool diameter is 0.";
        QTest::newRow("noDocumentOpen") << "noDocument"
                                        << " error  91"
                                        << "Not file open. Can not insert.";
    }
    void errors()
    {
        QFETCH(QString, situation);
        QFETCH(QString, title);
        QFETCH(QString, message);
        if (situation == u"noTable")
            module1().gCutCond = Module1().gCutCond;
        ModalScript script;
        if (situation != u"noTable") {
            script.then([situation](QWidget* w) {
                Type(w, "EndZ", "-20");
                if (situation == u"zeroDiameter")
                    Type(w, "U", "0");
                if (situation == u"noDocument")
                    CloseActiveDocumentDiscardingChanges();
                Click(w, "Command1");
            });
        }
        script.answerMessage(QMessageBox::Ok);
        Trigger(m_main, "ProcessDrillHss");
        QCOMPARE(script.pendingSteps(), 0);
        QCOMPARE(script.messages().size(), 1);
        QCOMPARE(script.messages()[0].title, title);
        QCOMPARE(script.messages()[0].text, message);
        QCOMPARE(script.messages()[0].icon, QMessageBox::Warning);
        if (NcTextBox* text = ActiveText())
            QVERIFY(text->Text().isEmpty());
    }

    void enterWalksTheFirstFieldsOnly()
    {
        ModalScript script;
        script.then([](QWidget* w) {
            auto* tool = Control<QLineEdit>(w, "ToolNumber");
            tool->setFocus();
            QTest::keyClick(tool, Qt::Key_Return);
            QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("V"));
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Enter);
            QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("F"));
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
            QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("U"));
            // Elsewhere Enter neither moves nor closes the dialog.
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
            QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("U"));
            auto* endZ = Control<QLineEdit>(w, "EndZ");
            endZ->setFocus();
            QTest::keyClick(endZ, Qt::Key_Return);
            QVERIFY(w->isVisible());
            QVERIFY(!module1().gProcessOk);
            Click(w, "Command2");
        });
        Trigger(m_main, "ProcessDrillHss");
        QCOMPARE(script.pendingSteps(), 0);
    }

    void focusSelectsTheWholeText()
    {
        ModalScript script;
        script.then([](QWidget* w) {
            auto* v = Control<QLineEdit>(w, "V");
            auto* endZ = Control<QLineEdit>(w, "EndZ");
            v->setFocus();
            QTRY_COMPARE(v->selectedText(), QStringLiteral("22"));
            endZ->setFocus(); // empty: nothing to select
            QTest::qWait(10);
            QVERIFY(!endZ->hasSelectedText());
            QTest::mouseClick(v, Qt::LeftButton, {}, QPoint(2, v->height() / 2));
            QTRY_COMPARE(v->selectedText(), QStringLiteral("22"));
            Click(w, "Command2");
        });
        Trigger(m_main, "ProcessDrillHss");
        QCOMPARE(script.pendingSteps(), 0);
    }

    // The designer state every generator starts from, and the controls every set-up names.
    void designerStateAndSetUps()
    {
        frmProcess dialog(module1(), m_main);
        dialog.show();
        QVERIFY(dialog.windowTitle().isEmpty());
        for (const char* hidden : {"B", "SZ", "LabelB", "LabelB2", "LabelSZ"})
            QVERIFY2(!Control(&dialog, hidden)->isVisible(), hidden);
        QStringList order;
        QWidget* w = Control(&dialog, QStringLiteral("ToolNumber"));
        for (int i = 0; i < 16; ++i, w = w->nextInFocusChain()) {
            while (!qobject_cast<QLineEdit*>(w))
                w = w->nextInFocusChain();
            order.append(w->objectName());
        }
        QCOMPARE(order,
            QStringList({"ToolNumber", "B", "V", "F", "U", "W", "D", "L", "C", "SZ", "StartX",
                "StartZ", "StartC", "EndX", "EndZ", "EndC"}));
        // The spare end caption lies under EndZ.
        QVERIFY(Control(&dialog, QStringLiteral("EndZ2"))
                    ->geometry()
                    .intersects(Control(&dialog, QStringLiteral("EndZ"))->geometry()));
        for (const ProcessItem& item : ProcessItems()) {
            if (!item.setUp)
                continue;
            const DialogSetup setUp = item.setUp(module1());
            for (const DialogSetup::Step& step : setUp.steps())
                QVERIFY2(dialog.findChild<QWidget*>(step.control),
                    qPrintable(QString::fromLatin1(item.control) + u' ' + step.control));
        }
    }
};

CORVANE_TEST_MAIN(DrillingGuiTest)
#include "DrillingGuiTest.moc"
