#include "TestSupport.h"

#include "app/frmMain.h"
#include "documents/NcTextBox.h"
#include "texttools/core/CodeTables.h"

#include <QAction>
#include <QMenu>
#include <QSet>

// The G-code and M-code menus and the one insertion at the caret.
class CodeInsertionTest : public QObject
{
    Q_OBJECT

    frmMain* m_main = nullptr;

    void choose(const QString& control) { m_main->action(control)->trigger(); }
    QStringList captionsOf(const QMenu* menu) const
    {
        QStringList captions;
        for (QAction* a : menu->actions())
            captions << a->text();
        return captions;
    }

private slots:
    void init()
    {
        m_main = StartFresh();
        m_main->action(QStringLiteral("mnuFileNew"))->trigger();
    }
    void cleanup() { CloseMainDiscardingChanges(); }

    void tableHasEveryItemOnce()
    {
        QSet<QString> controls;
        int g = 0;
        int m = 0;
        for (const CodeItem& item : CodeItems()) {
            const QString control = QString::fromUtf16(item.control);
            QVERIFY2(!controls.contains(control), qPrintable(control));
            controls.insert(control);
            (QStringView(item.menu) == u"Gcode" ? g : m)++;
            // Spindle and rotating-tool commands always carry M63.
            if (control.startsWith(QLatin1String("McodeSpindle"))
                || control.startsWith(QLatin1String("McodeMspindle")))
                QVERIFY2(item.insertion().endsWith(QLatin1String(" M63")), qPrintable(control));
            // Words appended to a block begin with a blank and never end the line.
            if (QStringView(item.menu) == u"Mcode")
                QVERIFY(item.insertion().startsWith(u' ') && !item.insertion().contains(u'\n'));
        }
        QCOMPARE(g, 54);
        QCOMPARE(m, 54);
    }

    void menusKeepTheirOrderAndCaptions()
    {
        QCOMPARE(captionsOf(m_main->menu(QStringLiteral("Gcode"))),
            (QStringList {"Turret  command ", "Main spindle  select ", "Dwell  G04",
                "Tool  diameter  compensation ", "Home  postion ", "Torque  control ", "Thread ",
                "Constant speed control ", " Auto  Chamfer ", "LAP Cycle ",
                "Rotation  Tool  Cycle ", "Tailstock  movement  G152",
                "Main spindle  Tap  Cycle "}));
        QCOMPARE(captionsOf(m_main->menu(QStringLiteral("Mcode"))),
            (QStringList {"Door ", "Coolant", "Air  blow ", "Chuck ", "Tailstock", "Main spindle ",
                "C  axis ", "Rotation  Tool "}));
        const auto* thread = m_main->findChild<QMenu*>(QStringLiteral("Gcode|Thread "));
        QVERIFY(thread);
        QCOMPARE(captionsOf(thread),
            (QStringList {"PLAN  direction ", "Length direction ", "Not fix Cycle  G34"}));
        const auto* tailstock = m_main->findChild<QMenu*>(QStringLiteral("Mcode|Tailstock"));
        QCOMPARE(captionsOf(tailstock),
            (QStringList {" advance  M56", " retract  M55", " interlock  ignore "}));
        QCOMPARE(m_main->action(QStringLiteral("mnuGcodeMap(6)"))->text(),
            QStringLiteral("Key way  length 手 G190"));
    }

    void insertion_data()
    {
        QTest::addColumn<QString>("before");
        QTest::addColumn<int>("selStart");
        QTest::addColumn<int>("selLength");
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("after");
        QTest::addColumn<int>("caret");
        QTest::newRow("selectionReplaced") << "N001 G00 M08" << 9 << 3 << "McodeCoolantStanderdOff"
                                           << "N001 G00  M09" << 13;
        QTest::newRow("blockSplitsTheLine") << "ABCD" << 2 << 0 << "GcodeG32"
                                            << "ABN000 G32 X Z F\r\nCD" << 18;
        QTest::newRow("dwellWaitsForItsValue") << "N001\r\n"
                                               << 6 << 0 << "GcodeG04"
                                               << "N001\r\nG04 F" << 11;
        QTest::newRow("subSpindleChuckClose") << "" << 0 << 0 << "McodeChuckSubClose"
                                              << " M249" << 5;
        QTest::newRow("subSpindleChuckOpen") << "" << 0 << 0 << "McodeChuckSubOpen"
                                             << " M248" << 5;
        QTest::newRow("grooveConditionHasNoNumber") << "" << 0 << 0 << "mnuGcodeLap(2)"
                                                    << "$    G84 XA= DA= FA= XB= DB= FB=\r\n"
                                                    << 34;
        QTest::newRow("turretB") << "" << 0 << 0 << "mnuGcode(14)"
                                 << "G14\r\n"
                                 << 5;
        QTest::newRow("compensation") << "G01 X10" << 3 << 0 << "mnuGcodeComp(1)"
                                      << "G01 G41 X10" << 7;
        QTest::newRow("rotatingToolStop") << "" << 0 << 0 << "McodeMspindleM12"
                                          << " M12 M63" << 8;
        QTest::newRow("orientationWithoutAngle") << "" << 0 << 0 << "McodeMspindleM229"
                                                 << " M229 M63" << 9;
        QTest::newRow("cycleCancel") << "" << 0 << 0 << "mnuGcodeMap(14)"
                                     << "N000 G180\r\n"
                                     << 11;
    }
    void insertion()
    {
        QFETCH(QString, before);
        QFETCH(int, selStart);
        QFETCH(int, selLength);
        QFETCH(QString, control);
        QFETCH(QString, after);
        QFETCH(int, caret);
        NcTextBox* text = ActiveText();
        text->loadText(before);
        text->setSelStart(selStart);
        text->setSelLength(selLength);
        choose(control);
        QCOMPARE(text->Text(), after);
        QCOMPARE(text->SelStart(), caret);
        QCOMPARE(text->SelLength(), 0);
        QVERIFY(text->DataChanged());
    }

    void everyItemWithoutADocumentReportsAndChangesNothing()
    {
        m_main->activeDocument()->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        for (const char* control : {"GcodeG04", "McodeSpindleM03", "mnuGcodeMap(1)"}) {
            ModalScript script;
            script.answerMessage(QMessageBox::Ok);
            choose(QString::fromLatin1(control));
            QCOMPARE(script.messages().size(), 1);
            QCOMPARE(script.messages()[0].text, QStringLiteral("Not file open. Can not insert."));
            QCOMPARE(script.messages()[0].title, QStringLiteral(" error  91"));
            QCOMPARE(script.messages()[0].icon, QMessageBox::Warning);
        }
    }
};

CORVANE_TEST_MAIN(CodeInsertionTest)
#include "CodeInsertionTest.moc"
