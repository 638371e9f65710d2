#include "DialogTesting.h"

#include <QGroupBox>
#include <QRadioButton>
#include <QTest>

class NumberArrangeDialogTest : public QObject
{
    Q_OBJECT

    frmMain* main = nullptr;

    QWidget* open()
    {
        Trigger(main, "mnuToolsNumberArrange");
        return OpenForm("frmNumberArrange");
    }

private slots:
    void init() { main = StartFresh(); }

    void designState()
    {
        NewDocument(main, QString());
        QWidget* form = open();
        QCOMPARE(form->windowTitle(), u"Sequence Number Arrange"_qs);
        QCOMPARE(Control<QLineEdit>(form, "DigitNo")->text(), u"3"_qs);
        QCOMPARE(Control<QLineEdit>(form, "DigitNo")->toolTip(), u"3=N000 , 4=N0000..."_qs);
        QCOMPARE(Control<QLineEdit>(form, "StartNo")->toolTip(), u"100=N100, N101..."_qs);
        QCOMPARE(Control<QLineEdit>(form, "AddNo")->toolTip(), u"1=N001, N002..."_qs);
        QVERIFY(Control<QCheckBox>(form, "FromTop")->isChecked());
        QVERIFY(Control<QRadioButton>(form, "With5Space")->isChecked());
        QCOMPARE(Control<QRadioButton>(form, "With5Space")->toolTip(), u"N000     X100..."_qs);
        QCOMPARE(Control<QRadioButton>(form, "WithoutSpace")->text(), u"non"_qs);
        QCOMPARE(Control<QGroupBox>(form, "Frame1")->title(), u"Space"_qs);
        QCOMPARE(Control<QPushButton>(form, "Command1")->text(), u"O  K"_qs);
        auto* stop = Control<QCheckBox>(form, "StopM02");
        auto* continuous = Control<QCheckBox>(form, "Continue");
        QVERIFY(!stop->isChecked() && continuous->isEnabled());
        stop->click();
        QVERIFY(!continuous->isEnabled());
        stop->click();
        QVERIFY(continuous->isEnabled());
    }

    void okRenumbersInOneUndoStepAndClosesDialog()
    {
        const QString original = Crlf(u"N000 G00 X100 Z5|G01 Z-10 F0.2|X50"_qs);
        NcTextBox* box = NewDocument(main, original);
        QWidget* form = open();
        Click(form, "Command1");
        Settle();
        QVERIFY(!OpenForm("frmNumberArrange"));
        QCOMPARE(box->Text(), Crlf(u"N001 G00 X100 Z5|N002 G01 Z-10 F0.2|N003     X50"_qs));
        QCOMPARE(box->SelStart(), box->Text().size());
        box->undo();
        QCOMPARE(box->Text(), original);
    }

    void textAndCaretAreTakenWhenOkIsPressed()
    {
        NcTextBox* box = NewDocument(main, Crlf(u"G00|G01"_qs));
        QWidget* form = open();
        Control<QCheckBox>(form, "FromTop")->setChecked(false);
        Control<QRadioButton>(form, "With1Space")->setChecked(true);
        Type(form, "StartNo", u"10"_qs);
        AppendByHand(box, Crlf(u"|G02|G03"_qs));
        box->setSelStart(5); // in the second line
        Click(form, "Command1");
        QCOMPARE(box->Text(), Crlf(u"G00|G01|N010 G02|N011 G03"_qs));
    }

    void badInputKeepsDialogAndText_data()
    {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("message");
        QTest::newRow("fractionDigits") << "DigitNo"
                                        << "2.5"
                                        << "Digit Number must be a whole number from 0 to 15.";
        QTest::newRow("negativeStart")
            << "StartNo"
            << "-3"
            << "Start Number must be a whole number from 0 to 999999999999999.";
        QTest::newRow("negativeAdd")
            << "AddNo"
            << "-1"
            << "Add Value must be a whole number from 0 to 999999999999999.";
    }
    void badInputKeepsDialogAndText()
    {
        QFETCH(QString, box);
        QFETCH(QString, value);
        NcTextBox* text = NewDocument(main, u"G00"_qs);
        QWidget* form = open();
        Type(form, box.toLatin1(), value);
        const auto said = Answering([&] { Click(form, "Command1"); });
        QTEST(said[0].text, "message");
        QCOMPARE(OpenForm("frmNumberArrange"), form);
        QCOMPARE(text->Text(), u"G00"_qs);
        QCOMPARE(form->focusWidget(), Control<QLineEdit>(form, box.toLatin1()));
    }

    void enterMovesToNextBoxAndFocusSelectsAll()
    {
        NewDocument(main, QString());
        QWidget* form = open();
        auto* digits = Control<QLineEdit>(form, "DigitNo");
        auto* start = Control<QLineEdit>(form, "StartNo");
        auto* add = Control<QLineEdit>(form, "AddNo");
        digits->setFocus();
        QTest::keyClick(digits, Qt::Key_Return);
        QCOMPARE(form->focusWidget(), start);
        QTRY_COMPARE(start->selectedText(), u"1"_qs);
        QTest::keyClick(start, Qt::Key_Enter);
        QCOMPARE(form->focusWidget(), add);
        QTest::keyClick(add, Qt::Key_Return);
        QCOMPARE(form->focusWidget(), Control<QPushButton>(form, "Command1"));
        QVERIFY(OpenForm("frmNumberArrange")); // Enter in a box never runs the arrange
    }

    void documentClosedBeforeOk()
    {
        NewDocument(main, u"G00"_qs);
        QWidget* form = open();
        CloseActiveDocument(main);
        const auto said = Answering([&] { Click(form, "Command1"); });
        QCOMPARE(said[0].text, u"Not file open. Can not insert."_qs);
    }

    void largeDocument()
    {
        NcTextBox* box = NewDocument(main, QString("N000 G01 X1\r\n").repeated(40000));
        QWidget* form = open();
        Type(form, "DigitNo", u"5"_qs);
        Click(form, "Command1");
        QVERIFY(box->Text().endsWith(u"N39999 G01 X1\r\nN40000 G01 X1\r\n"_qs));
    }
};

CORVANE_TEST_MAIN(NumberArrangeDialogTest)
#include "NumberArrangeDialogTest.moc"
