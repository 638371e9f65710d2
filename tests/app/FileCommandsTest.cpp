#include "TestSupport.h"

#include "app/FileCommands.h"
#include "app/frmMain.h"
#include "common/Module1.h"
#include "documents/NcTextBox.h"

#include <QAction>
#include <QSettings>
#include <QTemporaryDir>

// New, Open, Save, Save As, Close, Exit and the close prompts on real files.
class FileCommandsTest : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    frmMain* m_main = nullptr;

    QString file(const QString& name) const { return m_dir.filePath(name); }
    void trigger(const char* name) { m_main->action(QString::fromLatin1(name))->trigger(); }
    void typeInto(const QString& text) { ActiveText()->setSelText(text); }
    QString caption() const { return m_main->activeDocument()->caption(); }

private slots:
    void init() { m_main = StartFresh(); }
    void cleanup() { CloseMainDiscardingChanges(); }

    void newDocumentsAreNumberedForTheWholeRun()
    {
        QStringList captions;
        for (int i = 0; i < 3; ++i) {
            trigger("mnuFileNew");
            captions << caption();
        }
        QCOMPARE(captions, (QStringList {"Untitled1", "Untitled2", "Untitled3"}));
        for (frmDocument* doc : m_main->documents())
            doc->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        trigger("mnuFileNew");
        QCOMPARE(caption(), u"Untitled4"_qs);
        QVERIFY(!ActiveText()->DataChanged());
    }

    void openAndSaveUnchangedIsByteForByte_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("crlfProgram") << QByteArray("O1234\r\nN001 G00 X200 Z50\r\nN002 M02\r\n");
        QTest::newRow("mixedLineEnds") << QByteArray("A\nB\rC\r\nD");
        QTest::newRow("shiftJisComment") << QByteArray("(\x8A\x4F\x8C\x61)\r\n");
        QTest::newRow("arbitraryBytes") << QByteArray("\xFF\x00\x80\r\n\x81", 6);
    }
    void openAndSaveUnchangedIsByteForByte()
    {
        QFETCH(QByteArray, bytes);
        const QString path = file(u"roundtrip.min"_qs);
        WriteBytes(path, bytes);
        QVERIFY(m_main->files()->OpenFile(path));
        trigger("mnuFileSave");
        QCOMPARE(ReadBytes(path), bytes);
        // And after an edit that is undone by hand, the rest stays untouched too.
        ActiveText()->setSelStart(0);
        typeInto(u"X"_qs);
        ActiveText()->setSelStart(0);
        ActiveText()->setSelLength(1);
        typeInto(QString());
        trigger("mnuFileSave");
        QCOMPARE(ReadBytes(path), bytes);
    }

    void saveWritesToTheFileNotToItsUpperCaseCaption()
    {
        const QString path = file(u"lower.min"_qs);
        WriteBytes(path, "O1\r\n");
        m_main->files()->OpenFile(path);
        QCOMPARE(caption(), path.toUpper());
        typeInto(u"N1\r\n"_qs);
        QVERIFY(ActiveText()->DataChanged());
        trigger("mnuFileSave");
        QCOMPARE(ReadBytes(path), QByteArray("N1\r\nO1\r\n"));
        QVERIFY(!ActiveText()->DataChanged());
        QVERIFY(!QFile::exists(path.toUpper()));
    }

    void untitledSaveAsksForANameAndListsIt()
    {
        trigger("mnuFileNew");
        typeInto(u"O7\r\n"_qs);
        {
            // A cancelled dialog writes nothing.
            ModalScript script;
            script.chooseFile(QString());
            trigger("mnuFileSaveAs");
        }
        QVERIFY(ActiveText()->DataChanged());
        QCOMPARE(caption(), u"Untitled1"_qs);
        QVERIFY(m_main->files()->recentFile(1).isEmpty());
        const QString path = file(u"named.min"_qs);
        ModalScript script;
        script.chooseFile(path);
        trigger("mnuFileSave");
        QCOMPARE(ReadBytes(path), QByteArray("O7\r\n"));
        QCOMPARE(caption(), path.toUpper());
        QCOMPARE(m_main->files()->recentFile(1), path);
        QCOMPARE(module1().gSavePathName, m_dir.path());
    }

    void failedSaveSaysSoAndKeepsTheOldFile()
    {
        const QString path = file(u"readonly.min"_qs);
        WriteBytes(path, "old\r\n");
        m_main->files()->OpenFile(path);
        QFile::setPermissions(path, QFile::ReadOwner);
        typeInto(u"new"_qs);
        ModalScript script;
        script.answerMessage(QMessageBox::Ok);
        trigger("mnuFileSave");
        QCOMPARE(Said(script.messages()), QStringList {"Corvane|Can not save."});
        QCOMPARE(ReadBytes(path), QByteArray("old\r\n"));
        QVERIFY(ActiveText()->DataChanged());
        QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
    }

    void openRefusesFilesAbove65000BytesAndUnreadableOnes()
    {
        const QString fits = file(u"fits.min"_qs);
        const QString tooBig = file(u"toobig.min"_qs);
        const QString folder = file(u"afolder.min"_qs);
        WriteBytes(fits, QByteArray(65000, 'A'));
        WriteBytes(tooBig, QByteArray(65001, 'A'));
        QDir().mkpath(folder);
        ModalScript script;
        script.chooseFile(fits).chooseFile(tooBig).answerMessage(QMessageBox::Ok);
        trigger("mnuFileOpen");
        QCOMPARE(module1().gOpenPathName, m_dir.path());
        trigger("mnuFileOpen");
        script.answerMessage(QMessageBox::Ok);
        QVERIFY(!m_main->files()->OpenFile(folder));
        QCOMPARE(script.messages().size(), 2);
        QCOMPARE(script.messages()[0].text, u"This file size is too big, can not open."_qs);
        // A path that cannot be read leaves no window behind.
        QCOMPARE(script.messages()[1].text, folder + u"  file が Open けません."_qs);
        QCOMPARE(m_main->documents().size(), 1);
    }

    void closeCommandAnsweredNoAsksAgainThenCloses()
    {
        trigger("mnuFileNew");
        typeInto(u"X"_qs);
        ModalScript script;
        script.answerMessage(QMessageBox::No).answerMessage(QMessageBox::No);
        trigger("mnuFileClose");
        QCOMPARE(script.messages().size(), 2);
        QCOMPARE(script.messages()[0].text, u"The data is changed. Do you want save ?"_qs);
        QCOMPARE(script.messages()[0].icon, QMessageBox::Warning);
        QCOMPARE(script.messages()[1].text, u"[Untitled1] is changed,\r\n Do you want save ?"_qs);
        QCOMPARE(script.messages()[1].title, u"Corvane Ver.2.20 for Miltrop"_qs);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(m_main->documents().isEmpty());
    }

    void closePromptCancelledOrSaveCancelledKeepsTheWindow()
    {
        trigger("mnuFileNew");
        typeInto(u"keep me"_qs);
        {
            ModalScript script;
            script.answerMessage(QMessageBox::Cancel);
            trigger("mnuFileClose");
        }
        QCOMPARE(m_main->documents().size(), 1);
        {
            // Yes on an untitled document, then the save dialog cancelled: the text stays.
            ModalScript script;
            script.answerMessage(QMessageBox::Yes).chooseFile(QString());
            m_main->activeDocument()->close();
        }
        QCOMPARE(m_main->documents().size(), 1);
        QCOMPARE(ActiveText()->Text(), u"keep me"_qs);
    }

    void closePromptYesSavesThatWindowsText()
    {
        const QString a = file(u"a.min"_qs);
        const QString b = file(u"b.min"_qs);
        m_main->files()->OpenFile(a);
        typeInto(u"text of a"_qs);
        m_main->files()->OpenFile(b);
        typeInto(u"text of b"_qs);
        ModalScript script;
        script.answerMessage(QMessageBox::Yes).answerMessage(QMessageBox::Yes);
        CloseMain();
        QCOMPARE(script.messages().size(), 2);
        QVERIFY(script.messages()[0].text.startsWith(u'[' + a.toUpper() + u']'));
        QCOMPARE(ReadBytes(a), QByteArray("text of a"));
        QCOMPARE(ReadBytes(b), QByteArray("text of b"));
        m_main = StartFresh();
    }

    void exitCancelledKeepsEverythingAndWritesNoSettings()
    {
        trigger("mnuFileNew");
        typeInto(u"unsaved"_qs);
        trigger("mnuFileNew");
        trigger("mnuWindowCascade");
        ModalScript script;
        script.answerMessage(QMessageBox::Cancel);
        trigger("mnuFileExit");
        QVERIFY(m_main->isVisible());
        QCOMPARE(m_main->documents().size(), 2);
        QVERIFY(!QSettings(SettingsFile(), QSettings::IniFormat).contains(u"Settings/MainLeft"_qs));
    }

    void recentFileThatVanishedIsCreatedEmpty()
    {
        const QString path = file(u"gone.min"_qs);
        WriteBytes(path, "O5\r\n");
        m_main->files()->OpenFile(path);
        m_main->activeDocument()->close();
        QFile::remove(path);
        trigger("mnuFileRecentFile(1)");
        QVERIFY(QFile::exists(path));
        QCOMPARE(caption(), path.toUpper());
        QCOMPARE(ActiveText()->Text(), QString());
        QCOMPARE(m_main->files()->recentFile(2), path);
    }

    // Every command that works on the active document, once the last one is closed.
    void documentCommandsWithoutADocumentSayNotFileOpen()
    {
        trigger("mnuFileNew");
        m_main->activeDocument()->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        for (const char* command : {"mnuFileSave", "mnuFileSaveAs", "mnuFileClose", "mnuFilePrint",
                 "mnuEditCut", "mnuEditCopy", "mnuEditPaste", "GcodeG04", "McodeSpindleM03",
                 "mnuGcodeMap(1)", "mnuSearchFind", "mnuSearchReplace", "mnuToolsSizeShift",
                 "mnuToolsNumberArrange", "mnuInsertDate", "ProcessMT1"}) {
            ModalScript script;
            script.answerMessage(QMessageBox::Ok);
            trigger(command);
            QCOMPARE(QString::fromLatin1(command) + u' ' + Said(script.messages()).join(u';'),
                QString::fromLatin1(command) + u"  error  91|Not file open. Can not insert."_qs);
            QCOMPARE(script.messages()[0].icon, QMessageBox::Warning);
        }
    }
};

CORVANE_TEST_MAIN(FileCommandsTest)
#include "FileCommandsTest.moc"
