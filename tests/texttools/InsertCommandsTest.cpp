#include "DialogTesting.h"

#include "common/ProgramFolder.h"
#include "texttools/core/Insertions.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>

class InsertCommandsTest : public QObject
{
    Q_OBJECT

    frmMain* main = nullptr;
    QTemporaryDir folder;

private slots:
    void init() { main = StartFresh(); }
    void cleanup() { SetProgramFolder(QString()); }

    void shippedCommentIsCommentLines()
    {
        const QStringList lines
            = QString::fromUtf8(ReadBytes(ProgramFolder() + u"/Comment.txt"_qs)).split(u"\r\n"_qs);
        QVERIFY(lines.size() > 3);
        QVERIFY(lines.last().isEmpty()); // every line ends with CR LF
        for (qsizetype i = 0; i + 1 < lines.size(); ++i)
            QVERIFY2(lines[i].startsWith(u'(') && lines[i].endsWith(u')'), qPrintable(lines[i]));
    }

    void commentInsertedWholeAtCaret()
    {
        SetProgramFolder(folder.path());
        WriteBytes(folder.filePath(u"Comment.txt"_qs), "(A)\r\n(B)\r\n(C \xE6\xB8\xAC)\r\n");
        NcTextBox* box = NewDocument(main, u"G00"_qs);
        Trigger(main, "mnuInsertComment");
        QCOMPARE(box->Text(), u"(A)\r\n(B)\r\n(C 測)\r\nG00"_qs);
        QCOMPARE(box->SelStart(), 17); // at the start of the line after them
    }

    void missingCommentFileIsCreatedEmpty()
    {
        SetProgramFolder(folder.path());
        QFile::remove(folder.filePath(u"Comment.txt"_qs));
        NcTextBox* box = NewDocument(main, u"G00"_qs);
        Trigger(main, "mnuInsertComment");
        QCOMPARE(box->Text(), u"G00"_qs);
        QVERIFY(QFile::exists(folder.filePath(u"Comment.txt"_qs)));
    }

    void subProgramSizeLimit_data()
    {
        QTest::addColumn<int>("size");
        QTest::addColumn<bool>("inserted");
        QTest::newRow("exactly65000") << 65000 << true;
        QTest::newRow("65001") << 65001 << false;
    }
    void subProgramSizeLimit()
    {
        QFETCH(int, size);
        QFETCH(bool, inserted);
        const QString path = folder.filePath(u"SUB.SSB"_qs);
        WriteBytes(path, QByteArray(size - 2, 'X') + "\r\n");
        NcTextBox* box = NewDocument(main, u"M30"_qs);
        ModalScript script;
        script.chooseFile(path).answerMessage(QMessageBox::Ok);
        Trigger(main, "mnuInsertFile");
        QCOMPARE(box->Text().size(), inserted ? size + 3 : 3);
        QCOMPARE(script.messages().size(), inserted ? 0 : 1);
        if (!inserted)
            QCOMPARE(script.messages()[0].text,
                u" this  file は size が big きすぎるため Open ことが can not do  . "_qs);
        QCOMPARE(QDir(module1().gInsertPathName), QDir(folder.path()));
    }

    void subProgramDialogCancelled()
    {
        NcTextBox* box = NewDocument(main, u"M30"_qs);
        ModalScript script;
        script.chooseFile(QString());
        Trigger(main, "mnuInsertFile");
        QCOMPARE(box->Text(), u"M30"_qs);
        QCOMPARE(script.pendingSteps(), 0);
    }

    void dateLine()
    {
        QCOMPARE(DateLine(QDate(2024, 5, 7)), u"DATE : 2024.05.07\r\n"_qs);
        NcTextBox* box = NewDocument(main, u"M30"_qs);
        Trigger(main, "mnuInsertDate");
        QCOMPARE(box->Text(), DateLine(QDate::currentDate()) + u"M30"_qs);
    }

    void dateWithoutDocumentReported()
    {
        NewDocument(main, QString());
        CloseActiveDocument(main);
        const auto said = Answering([&] { Trigger(main, "mnuInsertDate"); });
        QCOMPARE(said[0].text, u"Not file open. Can not insert."_qs);
    }

    void autoNumberSwitchFromMenuAndButton()
    {
        NcTextBox* box = NewDocument(main, u"G00\r\n"_qs);
        QAction* item = main->action(u"mnuToolsAutoNo"_qs);
        QAction* button = main->toolBarButton(u" Auto Sequence No.  Insert "_qs);
        QCOMPARE(button->objectName(), u"tbToolBar(12)"_qs);
        QVERIFY(!module1().gAutoSeqNo && !item->isChecked() && !button->isChecked());
        item->trigger();
        QVERIFY(module1().gAutoSeqNo && item->isChecked() && button->isChecked());
        box->setSelStart(5);
        QTest::keyClicks(box, u"X"_qs);
        QCOMPARE(box->Text(), u"G00\r\nN000     X"_qs);
        item->trigger();
        QVERIFY(!module1().gAutoSeqNo && !item->isChecked() && !button->isChecked());
        button->trigger();
        QVERIFY(module1().gAutoSeqNo && item->isChecked() && button->isChecked());
        button->trigger();
        QVERIFY(!module1().gAutoSeqNo && !item->isChecked() && !button->isChecked());
    }
};

CORVANE_TEST_MAIN(InsertCommandsTest)
#include "InsertCommandsTest.moc"
