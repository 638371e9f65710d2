#include "DialogTesting.h"

#include <QTest>

class FindReplaceDialogTest : public QObject
{
    Q_OBJECT

    frmMain* main = nullptr;

    QWidget* openFind(NcTextBox*)
    {
        Trigger(main, "mnuSearchFind");
        return OpenForm("frmFind");
    }

    QWidget* openReplace(const QString& find, const QString& replacement)
    {
        return OpenSearchDialog(
            main, "mnuSearchReplace", "frmReplace", find, "txtReplace", replacement);
    }

private slots:
    void init()
    {
        main = StartFresh();
        ResetSearchState();
    }

    void findStepsThroughOccurrencesThenSaysNotFound()
    {
        NcTextBox* box = NewDocument(main, u"ababab"_qs);
        QWidget* form = openFind(box);
        QVERIFY(form);
        QCOMPARE(form->windowTitle(), u"Find"_qs);
        QVERIFY(!Control<QPushButton>(form, "NextFind")->isEnabled());
        Type(form, "txtFind", u"ab"_qs);
        QVERIFY(Control<QPushButton>(form, "NextFind")->isEnabled());
        for (qint64 expected : {0, 2, 4}) {
            Click(form, "NextFind");
            QCOMPARE(box->SelStart(), expected);
            QCOMPARE(box->SelLength(), 2);
        }
        const auto said = Answering([&] { Click(form, "NextFind"); });
        QCOMPARE(said.size(), 1);
        QCOMPARE(said[0].title, u"Find"_qs);
        QCOMPARE(said[0].text, u"\"ab\" not find."_qs);
    }

    void findFromTopActsOnceAndIsCaseSensitive()
    {
        NcTextBox* box = NewDocument(main, u"G01 g01 G01"_qs);
        box->setSelStart(8);
        box->setSelLength(3);
        QWidget* form = openFind(box);
        QCOMPARE(Control<QLineEdit>(form, "txtFind")->text(), u"G01"_qs);
        Click(form, "NextFind");
        QCOMPARE(box->SelStart(), 8); // the selection itself is searched
        auto* fromTop = Control<QCheckBox>(form, "Check1");
        fromTop->setChecked(true);
        Click(form, "NextFind");
        QCOMPARE(box->SelStart(), 0);
        QVERIFY(!fromTop->isChecked());
        Click(form, "NextFind");
        QCOMPARE(box->SelStart(), 8);
    }

    void searchRunsOnTheTextAsEditedByHand()
    {
        NcTextBox* box = NewDocument(main, Crlf(u"G00 X1|G00 X2"_qs));
        QWidget* form = openFind(box);
        Type(form, "txtFind", u"X2"_qs);
        box->setSelStart(0);
        box->setSelText(u"N001 "_qs); // typed while the dialog is open
        Click(form, "NextFind");
        QCOMPARE(box->SelText(), u"X2"_qs);
        QCOMPARE(box->SelStart(), 17);
    }

    void nextFindRepeatsLastSearchBehindSelection()
    {
        NcTextBox* box = NewDocument(main, u"X1 X2 X3"_qs);
        QWidget* form = openFind(box);
        Type(form, "txtFind", u"X"_qs);
        Click(form, "NextFind");
        QCOMPARE(box->SelStart(), 0);
        Control<QPushButton>(form, "Cancel")->click();
        QCOMPARE(main->action(u"mnuSearchNextFind"_qs)->shortcut(), QKeySequence(Qt::Key_F3));
        Trigger(main, "mnuSearchNextFind");
        QCOMPARE(box->SelStart(), 3);
        Trigger(main, "mnuSearchNextFind");
        QCOMPARE(box->SelStart(), 6);
        ModalScript script;
        script.answerMessage(QMessageBox::Ok).answerMessage(QMessageBox::Ok);
        Trigger(main, "mnuSearchNextFind");
        module1().gChangeCount = 2;
        Trigger(main, "mnuSearchNextFind");
        QCOMPARE(script.messages().size(), 2);
        QCOMPARE(script.messages()[0].title, u" Fund "_qs);
        QCOMPARE(script.messages()[0].text, u"\"X\"は見つかりませんでした . "_qs);
        QCOMPARE(script.messages()[1].text, u"2 time  change しました . "_qs);
        QCOMPARE(module1().gChangeCount, 2);
    }

    void nextFindWithNothingSearchedSaysNothing()
    {
        NcTextBox* box = NewDocument(main, u"X1 X2"_qs);
        box->setSelStart(1);
        QVERIFY(Answering([&] { Trigger(main, "mnuSearchNextFind"); }).isEmpty());
        QCOMPARE(box->SelStart(), 1);
        QCOMPARE(box->SelLength(), 0);
    }

    void commandsWithoutDocumentReportIt_data()
    {
        QTest::addColumn<QString>("command");
        QTest::newRow("find") << "mnuSearchFind";
        QTest::newRow("replace") << "mnuSearchReplace";
        QTest::newRow("dataChange") << "mnuToolsSizeShift";
        QTest::newRow("arrange") << "mnuToolsNumberArrange";
    }
    void commandsWithoutDocumentReportIt()
    {
        QFETCH(QString, command);
        NewDocument(main, QString());
        CloseActiveDocument(main);
        const auto said = Answering([&] { Trigger(main, command.toLatin1()); });
        QCOMPARE(said.size(), 1);
        QCOMPARE(said[0].title, u" error  91"_qs);
        QCOMPARE(said[0].text, u"Not file open. Can not insert."_qs);
    }

    void replaceButtonsNeedBothBoxes()
    {
        NewDocument(main, u"G01"_qs);
        Trigger(main, "mnuSearchReplace");
        QWidget* form = OpenForm("frmReplace");
        QCOMPARE(form->windowTitle(), u"Replace"_qs);
        auto* change = Control<QPushButton>(form, "Change");
        QVERIFY(!change->isEnabled() && !change->isDefault());
        Type(form, "txtFind", u"G01"_qs);
        QVERIFY(!change->isEnabled());
        Type(form, "txtReplace", u"G1"_qs);
        QVERIFY(change->isEnabled() && change->isDefault());
        QVERIFY(Control<QPushButton>(form, "NextFind")->isEnabled());
        QVERIFY(Control<QPushButton>(form, "AllChange")->isEnabled());
        Type(form, "txtFind", QString());
        QVERIFY(!change->isEnabled() && !change->isDefault());
    }

    void changeReplacesWhatThePressBeforeFound()
    {
        NcTextBox* box = NewDocument(main, Crlf(u"G01 X1|G01 X2|G01 X3"_qs));
        QWidget* form = openReplace(u"G01"_qs, u"G1"_qs);
        Click(form, "Change"); // the first press only finds
        QCOMPARE(box->Text(), Crlf(u"G01 X1|G01 X2|G01 X3"_qs));
        QCOMPARE(box->SelStart(), 0);
        Click(form, "Change");
        QCOMPARE(box->SelStart(), 7);
        Click(form, "Change");
        const auto said = Answering([&] { Click(form, "Change"); });
        QCOMPARE(box->Text(), Crlf(u"G1 X1|G1 X2|G1 X3"_qs));
        QCOMPARE(said[0].title, u"Character列Change"_qs);
        QCOMPARE(said[0].text, u"3 Time Changeしました."_qs);
        QCOMPARE(box->SelStart(), 0);
        QVERIFY(module1().gFirstChange);
        QCOMPARE(module1().gChangeCount, 0);
    }

    void skipFirstThenChangeDoesNotReplaceSkipped()
    {
        NcTextBox* box = NewDocument(main, u"a a a"_qs);
        QWidget* form = openReplace(u"a"_qs, u"b"_qs);
        Click(form, "NextFind");
        Click(form, "Change");
        QCOMPARE(box->Text(), u"a a a"_qs);
        QCOMPARE(box->SelStart(), 2);
        Click(form, "Change");
        QCOMPARE(box->Text(), u"a b a"_qs);
    }

    void endMessagesWhenNothingFound_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("text");
        QTest::newRow("skip") << "NextFind"
                              << "Replace"
                              << "\"Q\" not find.";
        QTest::newRow("change") << "Change"
                                << "Character列Change"
                                << "\"Q\" 見つかりませんでした.";
        QTest::newRow("allChange") << "AllChange"
                                   << "Replace"
                                   << "\"Q\" not find.";
    }
    void endMessagesWhenNothingFound()
    {
        QFETCH(QString, button);
        NewDocument(main, u"G01"_qs);
        QWidget* form = openReplace(u"Q"_qs, u"R"_qs);
        const auto said = Answering([&] { Click(form, button.toLatin1()); });
        QCOMPARE(said.size(), 1);
        QTEST(said[0].title, "title");
        QTEST(said[0].text, "text");
    }

    void allChangeIsOneUndoStepAndLeavesCaretAtTop()
    {
        NcTextBox* box = NewDocument(main, u"a-a"_qs);
        box->setSelStart(3);
        QWidget* form = openReplace(u"a"_qs, u"aa"_qs);
        Control<QCheckBox>(form, "Check1")->setChecked(true);
        const auto said = Answering([&] { Click(form, "AllChange"); });
        QCOMPARE(box->Text(), u"aa-aa"_qs);
        QCOMPARE(said[0].title, u"Replace"_qs);
        QCOMPARE(said[0].text, u"2 times replaced."_qs);
        QCOMPARE(box->SelStart(), 0);
        box->undo();
        QCOMPARE(box->Text(), u"a-a"_qs);
    }

    void changeKeepsEditsMadeByHand()
    {
        NcTextBox* box = NewDocument(main, Crlf(u"G01 X1|G01 X2|G01 X3"_qs));
        QWidget* form = openReplace(u"G01"_qs, u"G1"_qs);
        Click(form, "Change");
        AppendByHand(box, Crlf(u"|M30"_qs));
        Click(form, "Change");
        QCOMPARE(box->Text(), Crlf(u"G1 X1|G01 X2|G01 X3|M30"_qs));
        // The operator clicked elsewhere: the text at the caret is not the text found and stays.
        box->setSelStart(3);
        Click(form, "Change");
        QCOMPARE(box->Text(), Crlf(u"G1 X1|G01 X2|G01 X3|M30"_qs));
        QCOMPARE(box->SelStart(), 15);
        QCOMPARE(box->SelText(), u"G01"_qs);
    }

    void allChangeBeyond16Bits()
    {
        NcTextBox* box = NewDocument(main, QString(40000, u'x'));
        QWidget* form = openReplace(u"x"_qs, u"yy"_qs);
        const auto said = Answering([&] { Click(form, "AllChange"); });
        QCOMPARE(box->Text(), QString(80000, u'y'));
        QCOMPARE(said[0].text, u"40000 times replaced."_qs);
    }

    void dialogWorksOnDocumentActiveAtCommand()
    {
        NcTextBox* first = NewDocument(main, u"A1"_qs);
        Trigger(main, "mnuSearchReplace");
        QWidget* form = OpenForm("frmReplace");
        NcTextBox* second = NewDocument(main, u"A1"_qs);
        QVERIFY(ActiveText() == second);
        Type(form, "txtFind", u"A"_qs);
        Type(form, "txtReplace", u"B"_qs);
        const auto said = Answering([&] { Click(form, "AllChange"); });
        QCOMPARE(first->Text(), u"B1"_qs);
        QCOMPARE(second->Text(), u"A1"_qs);
    }

    void reopenedDialogKeepsReplacementUntilCancelled()
    {
        NewDocument(main, u"G01"_qs);
        Trigger(main, "mnuSearchReplace");
        QWidget* form = OpenForm("frmReplace");
        Type(form, "txtReplace", u"G1"_qs);
        Trigger(main, "mnuSearchReplace");
        QCOMPARE(OpenForm("frmReplace"), form);
        QCOMPARE(Control<QLineEdit>(form, "txtReplace")->text(), u"G1"_qs);
        Click(form, "Cancel");
        Settle();
        Trigger(main, "mnuSearchReplace");
        QCOMPARE(Control<QLineEdit>(OpenForm("frmReplace"), "txtReplace")->text(), QString());
    }
};

CORVANE_TEST_MAIN(FindReplaceDialogTest)
#include "FindReplaceDialogTest.moc"
