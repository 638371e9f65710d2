#include "DialogTesting.h"

#include <QLabel>
#include <QTest>

class SizeShiftDialogTest : public QObject
{
    Q_OBJECT

    frmMain* main = nullptr;

    QWidget* open(const QString& letters, const QString& calculation)
    {
        return OpenSearchDialog(
            main, "mnuToolsSizeShift", "frmSizeShift", letters, "txtValue", calculation);
    }

private slots:
    void init()
    {
        main = StartFresh();
        ResetSearchState();
    }

    void designState()
    {
        NcTextBox* box = NewDocument(main, u"G00 X100"_qs);
        box->setSelStart(4);
        box->setSelLength(1);
        Trigger(main, "mnuToolsSizeShift");
        QWidget* form = OpenForm("frmSizeShift");
        QCOMPARE(form->windowTitle(), u"Calculation Replace"_qs);
        QCOMPARE(Control<QLineEdit>(form, "txtFind")->text(), u"X"_qs);
        QCOMPARE(Control<QLineEdit>(form, "txtFind")->toolTip(),
            u"Example: X , Z , S , SB , DA ,etc..."_qs);
        QCOMPARE(Control<QLineEdit>(form, "txtValue")->toolTip(),
            u"Example: 100 , -10 , *0.8 , /2 , etc..."_qs);
        QCOMPARE(Control<QLabel>(form, "Label3")->text(), u"(+,-,*,/Only)"_qs);
        for (const char* button : {"NextFind", "Change", "AllChange"})
            QVERIFY(!Control<QPushButton>(form, button)->isEnabled());
        Type(form, "txtValue", u"10"_qs);
        QVERIFY(Control<QPushButton>(form, "Change")->isDefault());
        QCOMPARE(module1().gReplaceText, u"10"_qs);
    }

    void allChangeChangesEveryValueInOneUndoStep()
    {
        const QString original = Crlf(u"G00 X100 Z5|G01 X-15|X Y|SB=2"_qs);
        NcTextBox* box = NewDocument(main, original);
        QWidget* form = open(u"X"_qs, u"10"_qs);
        const auto said = Answering([&] { Click(form, "AllChange"); });
        QCOMPARE(box->Text(), Crlf(u"G00 X110 Z5|G01 X-5|X Y|SB=2"_qs));
        QCOMPARE(said[0].title, u"Size Shift"_qs);
        QCOMPARE(said[0].text, u"2 times size shifted."_qs);
        QCOMPARE(box->SelText(), u"X"_qs); // the bare X found last stays selected
        box->undo();
        QCOMPARE(box->Text(), original);
    }

    void changeSequenceAndItsMessage()
    {
        NcTextBox* box = NewDocument(main, u"SB=1000 SB= 30"_qs);
        QWidget* form = open(u"SB"_qs, u"/2"_qs);
        Click(form, "Change");
        QCOMPARE(box->Text(), u"SB=1000 SB= 30"_qs);
        Click(form, "Change");
        QCOMPARE(box->Text(), u"SB=500 SB= 30"_qs);
        QCOMPARE(box->SelStart(), 7);
        const auto said = Answering([&] { Click(form, "Change"); });
        QCOMPARE(box->Text(), u"SB=500 SB=15"_qs);
        QCOMPARE(said[0].title, u"DataChange"_qs);
        QCOMPARE(said[0].text, u"2 Time DataをChangeしました."_qs);
        QCOMPARE(box->SelStart(), 0);
    }

    void endMessagesWhenNothingFound_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("text");
        QTest::newRow("skip") << "NextFind"
                              << "Size Shift"
                              << "\"Q\" not find.";
        QTest::newRow("change") << "Change"
                                << "DataChange"
                                << "\"Q\" 見つかりません.";
        QTest::newRow("allChange") << "AllChange"
                                   << "Size Shift"
                                   << "\"Q\" not find.";
    }
    void endMessagesWhenNothingFound()
    {
        QFETCH(QString, button);
        NewDocument(main, u"X1"_qs);
        QWidget* form = open(u"Q"_qs, u"1"_qs);
        const auto said = Answering([&] { Click(form, button.toLatin1()); });
        QTEST(said[0].title, "title");
        QTEST(said[0].text, "text");
    }

    void handEditsAreChangedToo()
    {
        NcTextBox* box = NewDocument(main, Crlf(u"X1|X2"_qs));
        QWidget* form = open(u"X"_qs, u"*3"_qs);
        Click(form, "Change");
        AppendByHand(box, Crlf(u"|X3"_qs));
        Click(form, "Change");
        QCOMPARE(box->Text(), Crlf(u"X3|X2|X3"_qs));
        ModalScript script;
        script.answerMessage(QMessageBox::Ok);
        // All Change goes on behind the occurrence the last Change found and selected.
        Click(form, "AllChange");
        QCOMPARE(box->Text(), Crlf(u"X3|X2|X9"_qs));
        QCOMPARE(script.messages()[0].text, u"2 times size shifted."_qs);
    }

    void endlessChangeIsRefused()
    {
        NcTextBox* box = NewDocument(main, u"G00 11"_qs);
        QWidget* form = open(u"1"_qs, u"*11"_qs);
        const auto said = Answering([&] { Click(form, "AllChange"); });
        QCOMPARE(box->Text(), u"G00 11"_qs);
        QCOMPARE(said.size(), 1);
        QCOMPARE(said[0].icon, QMessageBox::Warning);
    }

    void enterWalksThroughTheBoxes()
    {
        NewDocument(main, u"X1"_qs);
        QWidget* form = open(QString(), QString());
        auto* find = Control<QLineEdit>(form, "txtFind");
        auto* value = Control<QLineEdit>(form, "txtValue");
        find->setFocus();
        QTest::keyClick(find, Qt::Key_Return);
        QCOMPARE(form->focusWidget(), value);
        QTest::keyClick(value, Qt::Key_Return);
        QCOMPARE(form->focusWidget(), find);
        QTest::keyClicks(find, u"X"_qs);
        QTest::keyClick(find, Qt::Key_Enter);
        QTest::keyClicks(value, u"5"_qs);
        QTest::keyClick(value, Qt::Key_Return);
        QCOMPARE(form->focusWidget(), Control<QPushButton>(form, "Change"));
        QCOMPARE(find->text(), u"X"_qs);
        QCOMPARE(value->text(), u"5"_qs);
    }

    void largeDocument()
    {
        NcTextBox* box = NewDocument(main, QString("G01 X1 Z-2\r\n").repeated(40000));
        QWidget* form = open(u"X"_qs, u"+0.5"_qs);
        const auto said = Answering([&] { Click(form, "AllChange"); });
        QCOMPARE(box->Text(), QString("G01 X1.5 Z-2\r\n").repeated(40000));
        QCOMPARE(said[0].text, u"40000 times size shifted."_qs);
    }
};

CORVANE_TEST_MAIN(SizeShiftDialogTest)
#include "SizeShiftDialogTest.moc"
