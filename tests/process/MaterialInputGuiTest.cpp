#include "ProcessGuiSupport.h"
#include "documents/NcTextBox.h"
#include "process/UgcSketch.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QRadioButton>
#include <QTimer>

// The material input on a real document: the cutting-condition file, the sketch, the program
// frame around the caret and the graphic data at the end.
class MaterialInputGuiTest : public QObject
{
    Q_OBJECT

    frmMain* m_main = nullptr;

    static SketchLine* line(QWidget* dialog, int number)
    {
        return Control<UgcSketch>(dialog, "Sketch")->line(number);
    }

    static void typeBlank(QWidget* w)
    {
        Type(w, "Text9", "0");
        Type(w, "Text1", "20");
        Type(w, "Text2", "15");
        Type(w, "Text3", "100");
        Type(w, "Text5", "60");
    }

    static QString graphicData()
    {
        return Lines({"\t", "----------< USER GRAPHIC COMMAND >----------", "OUGC",
            "NOEX VCHKX=60 VCHKZ=-100", "NOEX VCHKD=15 VCHKL=20", "NOEX VWKR=9999", "N000 CLEAR",
            "N000 DEF WORK", "N000 PS RC,[0,0],[100,60]", "N000 END", "N000 DRAW", "NRTS RTS"});
    }

private slots:
    void init() { m_main = StartWithDocument(); }

    void frameAroundTheCaretAndGraphicDataAtTheEnd()
    {
        NcTextBox* text = ActiveText();
        text->setWholeText(QStringLiteral("O1234\r\n(PART)\r\n"));
        text->setSelStart(7);
        ModalScript script;
        script.then([](QWidget* w) {
            QCOMPARE(w->objectName(), QStringLiteral("frmUGC"));
            QCOMPARE(w->windowTitle(), QStringLiteral("User Graphic Command"));
            QCOMPARE(Control<QLineEdit>(w, "CsvFile")->text(), ConditionFile("S45C.CSV"));
            QVERIFY(!Control(w, "Text6")->isEnabled());
            QVERIFY(!Control(w, "Text7")->isEnabled());
            QVERIFY(!Control(w, "Text8")->isEnabled());
            QCOMPARE(Control<QAbstractButton>(w, "Command1")->text(), QStringLiteral("O K"));
            QCOMPARE(
                Control<QAbstractButton>(w, "Material")->text(), QStringLiteral("Material select"));
            typeBlank(w);
            Click(w, "Command1");
        });
        Trigger(m_main, "ProcessUGC");
        QCOMPARE(script.pendingSteps(), 0);
        const QString start = Lines({"NMAX G50 S2500", "N000 G00 X500 Z500",
            "N000 CALL OPCHK (PANEL CHECK)", "N000 CALL OUGC  (GRAPHIC DATA)", "\t"});
        const QString end = Lines({"\t", "NEND M02"});
        QCOMPARE(text->Text(),
            QStringLiteral("O1234\r\n") + start + end + QStringLiteral("(PART)\r\n")
                + graphicData());
        QCOMPARE(text->SelStart(), 7 + start.size());
        QCOMPARE(text->SelLength(), 0);
        QVERIFY(text->DataChanged());
        // The table came from the default file.
        QCOMPARE(module1().gCutCond[1][3], QStringLiteral("9"));
        QCOMPARE(module1().gMaterialOD, 60.0);
    }

    void materialSelectLoadsTheChosenFile()
    {
        const QString stainless = ConditionFile("SUS304.CSV");
        ModalScript script;
        script
            .then([](QWidget* w) {
                QTimer::singleShot(
                    0, Control<QAbstractButton>(w, "Material"), &QAbstractButton::click);
            })
            .then([stainless](QWidget* w) {
                auto* dialog = qobject_cast<QFileDialog*>(w);
                QVERIFY(dialog);
                QCOMPARE(dialog->objectName(), QStringLiteral("CommonDialog1"));
                QCOMPARE(
                    dialog->directory().absolutePath(), QDir(ConditionFile({})).absolutePath());
                QVERIFY(dialog->nameFilters().first().startsWith(QLatin1String("CSV Files")));
                AcceptFileDialog(dialog, stainless);
            })
            .then([stainless](QWidget* w) {
                QCOMPARE(Control<QLineEdit>(w, "CsvFile")->text(), stainless);
                Click(w, "Command2");
            });
        Trigger(m_main, "ProcessUGC");
        QCOMPARE(script.pendingSteps(), 0);
        QCOMPARE(module1().gCsvFileName, stainless);
        QCOMPARE(QDir(module1().gCsvPathName).absolutePath(), QFileInfo(stainless).absolutePath());
        QCOMPARE(module1().gCutCond[1][6], QStringLiteral("12"));
        // Cancel of the material input itself inserts nothing.
        QVERIFY(ActiveText()->Text().isEmpty());
        QVERIFY(!module1().gProcessOk);

        // The choice is the default of the next run.
        CloseMain();
        StartWithDocument(true);
        QCOMPARE(module1().gCsvFileName, stainless);
        QCOMPARE(QDir(module1().gCsvPathName).absolutePath(), QFileInfo(stainless).absolutePath());
    }

    void cancelledFileChoiceKeepsTheFileInUse()
    {
        const QString steel = ConditionFile("S45C.CSV");
        ModalScript script;
        script
            .then([](QWidget* w) {
                QTimer::singleShot(
                    0, Control<QAbstractButton>(w, "Material"), &QAbstractButton::click);
            })
            .chooseFile(QString())
            .then([steel](QWidget* w) {
                QCOMPARE(Control<QLineEdit>(w, "CsvFile")->text(), steel);
                typeBlank(w);
                Click(w, "Command1");
            });
        Trigger(m_main, "ProcessUGC");
        QCOMPARE(script.pendingSteps(), 0);
        QCOMPARE(module1().gCsvFileName, steel);
        QCOMPARE(module1().gCutCond[1][3], QStringLiteral("9"));
        QVERIFY(ActiveText()->Text().contains(QLatin1String("NEND M02")));
    }

    void sketchShowsTheDimensionBeingTyped()
    {
        ModalScript script;
        script.then([](QWidget* w) {
            const QColor text = w->palette().color(QPalette::WindowText);
            const QList<QPair<const char*, int>> boxes = {{"Text1", 6}, {"Text2", 7}, {"Text3", 3},
                {"Text4", 19}, {"Text5", 2}, {"Text9", 18}};
            for (const auto& [box, number] : boxes) {
                Control(w, box)->setFocus();
                QCOMPARE(line(w, number)->borderWidth(), 2);
                QCOMPARE(line(w, number)->borderColor(), QColor(255, 0, 255));
            }
            // Only the box with the focus keeps its line drawn heavy.
            for (int number : {6, 7, 3, 19, 2}) {
                QCOMPARE(line(w, number)->borderWidth(), 1);
                QCOMPARE(line(w, number)->borderColor(), text);
            }
            Click(w, "Check1");
            const QList<QPair<const char*, int>> centre
                = {{"Text6", 19}, {"Text7", 17}, {"Text8", 13}};
            for (const auto& [box, number] : centre) {
                Control(w, box)->setFocus();
                QCOMPARE(line(w, number)->borderWidth(), 2);
            }
            Click(w, "Command2");
        });
        Trigger(m_main, "ProcessUGC");
        QCOMPARE(script.pendingSteps(), 0);
    }

    void tailstockSwitch()
    {
        ModalScript script;
        script.then([](QWidget* w) {
            QVERIFY(line(w, 5)->isVisible());
            for (int number : {10, 13, 15, 16, 17})
                QVERIFY(!line(w, number)->isVisible());
            Click(w, "Check1");
            QVERIFY(!Control(w, "Text4")->isEnabled());
            for (const char* box : {"Text6", "Text7", "Text8"})
                QVERIFY(Control(w, box)->isEnabled());
            QVERIFY(!line(w, 5)->isVisible());
            for (int number : {10, 13, 15, 16, 17})
                QVERIFY(line(w, number)->isVisible());
            Click(w, "Check1");
            QVERIFY(Control(w, "Text4")->isEnabled());
            for (const char* box : {"Text6", "Text7", "Text8"})
                QVERIFY(!Control(w, box)->isEnabled());
            QVERIFY(line(w, 5)->isVisible());
            QVERIFY(!line(w, 15)->isVisible());
            // With the tailstock, the graphic data describe the centre.
            Click(w, "Check1");
            typeBlank(w);
            Type(w, "Text8", "30");
            Type(w, "Text7", "40");
            Type(w, "Text6", "6");
            Click(w, "Command1");
        });
        Trigger(m_main, "ProcessUGC");
        QVERIFY(ActiveText()->Text().endsWith(Lines({"NOEX VCHKD=15 VCHKL=20",
            "NOEX VTSDA=6 VTSDB=40", "NOEX VTSL=30 VWKR=0", "N000 CLEAR", "N000 DEF WORK",
            "N000 PS RC,[0,0],[100,60]", "N000 END", "N000 DRAW", "NRTS RTS"})));
    }

    void choicesReachTheGraphicData()
    {
        ModalScript script;
        script.then([](QWidget* w) {
            typeBlank(w);
            Type(w, "Text4", "30");
            Click(w, "ID");
            Click(w, "SubSpindle");
            Click(w, "Check2");
            Click(w, "Command1");
        });
        Trigger(m_main, "ProcessUGC");
        QVERIFY(ActiveText()->Text().endsWith(Lines({"OUGC", "NOEX VCHKX=30 VCHKZ=-100",
            "NOEX VCHKD=15 VCHKL=20", "N000 CLEAR", "N000 DEF WORK[S]", "N000 PS RC,[0,0],[100,60]",
            "N000 PS RC,[0,0],[100,30],0", "N000 END", "N000 DEF WORKF[S]", "N000 PF 0,[0,0],60,D",
            "N000 PF 0,[0,0],30,D,0", "N000 PO [0,15]", "N000 CI [0,0],[0,-15],R,0", "N000 END",
            "N000 DRAW", "NRTS RTS"})));
        QCOMPARE(module1().gInnerDia, 30.0);
    }

    void enterInJawLength()
    {
        ModalScript script;
        script.then([](QWidget* w) {
            auto* jawLength = Control<QLineEdit>(w, "Text1");
            jawLength->setFocus();
            QTest::keyClick(jawLength, Qt::Key_Return);
            QCOMPARE(QApplication::focusWidget(), jawLength); // empty: stays
            jawLength->setText(QStringLiteral("20"));
            QTest::keyClick(jawLength, Qt::Key_Return);
            QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("Text2"));
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
            QVERIFY(w->isVisible()); // Enter does not close the dialog
            Click(w, "Command2");
        });
        Trigger(m_main, "ProcessUGC");
        QCOMPARE(script.pendingSteps(), 0);
        QVERIFY(ActiveText()->Text().isEmpty());
    }

    void noDocumentOpen()
    {
        CloseActiveDocumentDiscardingChanges();
        ModalScript script;
        script.then([](QWidget* w) {
            typeBlank(w);
            Click(w, "Command1");
        });
        script.answerMessage(QMessageBox::Ok);
        Trigger(m_main, "ProcessUGC");
        QCOMPARE(script.messages().size(), 1);
        QCOMPARE(script.messages()[0].title, QStringLiteral(" error  91"));
        QCOMPARE(script.messages()[0].text, QStringLiteral("Not file open. Can not insert."));
    }

    // A new program as the user writes it: material input, then a drill at the caret.
    void materialInputThenDrill()
    {
        ModalScript script;
        script.then([](QWidget* w) {
            typeBlank(w);
            Type(w, "Text9", "1.5");
            Click(w, "Command1");
        });
        script.then([](QWidget* w) {
            QCOMPARE(Control<QLineEdit>(w, "StartZ")->text(), QStringLiteral("1.5"));
            Type(w, "EndZ", "-30");
            Click(w, "Command1");
        });
        Trigger(m_main, "ProcessUGC");
        Trigger(m_main, "ProcessDrillHss");
        QCOMPARE(script.pendingSteps(), 0);
        // Row 1 of the carbon-steel file: tool 9, V 22, F 0.12, peck 8, drill 10;
        // 1000 x 22 / 3.14 / 10 = 700.6 -> S700; K = 50 - 1.5 - 3.
        const QString drill
            = Lines({"(-----< DRILL D10 >-----)", "NOEX VTLIN[9]=22 VTLFN[9]=1 VTLA1[9]=118",
                "NOEX VTLD[9]=10 VTLL[9]=51.5", "N000 G00 X0 Z50 T0909 M42 S700 M03 M63 M08",
                "NT09 G74 X0 Z-30 K45.5 D8 F0.12", "N000 G00 X500 Z500", "\t"});
        const QString text = ActiveText()->Text();
        QVERIFY(text.contains(QLatin1String("N000 CALL OUGC  (GRAPHIC DATA)\r\n\t\r\n") + drill
            + QLatin1String("\t\r\nNEND M02\r\n")));
    }
};

CORVANE_TEST_MAIN(MaterialInputGuiTest)
#include "MaterialInputGuiTest.moc"
