#include "TestSupport.h"

#include "app/FileCommands.h"

#include <QDropEvent>
#include <QMimeData>
#include <QSettings>

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

    // Unchanged, and after an edit saved and then undone, every byte stays: line ends of every
    // kind, Shift_JIS and bytes no encoding reads. Undo never goes before the text as opened.
    void openAndSaveIsByteForByte()
    {
        const QString path = file(u"roundtrip.min"_qs);
        for (const QByteArray& bytes :
            {QByteArray("O1234\r\nN001 G00 X200 Z50\r\nN002 M02\r\n"), QByteArray("A\nB\rC\r\nD"),
                QByteArray("(\x8A\x4F\x8C\x61)\r\n"), QByteArray("\xFF\x00\x80\r\n\x81", 6)}) {
            WriteBytes(path, bytes);
            QVERIFY(m_main->files()->OpenFile(path));
            QVERIFY(!m_main->action(u"mnuEditUndo"_qs)->isEnabled());
            trigger("mnuFileSave");
            QCOMPARE(ReadBytes(path), bytes);
            ActiveText()->setSelStart(0);
            typeInto(u"X"_qs);
            trigger("mnuFileSave");
            trigger("mnuEditUndo");
            trigger("mnuFileSave");
            QCOMPARE(ReadBytes(path), bytes);
            CloseActiveDocumentDiscardingChanges();
        }
    }

    // The caption is the path as spelled, with "*" in the window list while changed. A failed save
    // says why and keeps text, "*" and old file; the Save As it offers writes the text elsewhere.
    void saveWritesTheFileOrSaysWhyAndOffersSaveAs()
    {
        const QString path = file(u"lower.min"_qs), other = file(u"Other.min"_qs);
        WriteBytes(path, "O1\r\n");
        m_main->files()->OpenFile(path);
        frmDocument* doc = m_main->activeDocument();
        typeInto(u"N1\r\n"_qs);
        QMenu* view = m_main->menu(u"mnuView"_qs);
        emit view->aboutToShow();
        QCOMPARE(view->actions().last()->text(), u"&1 "_qs + path + u'*');
        trigger("mnuFileSave");
        QVERIFY(!doc->isWindowModified());
        QFile::setPermissions(path, QFile::ReadOwner);
        typeInto(u"new"_qs);
        ModalScript script;
        script.answerMessage(QMessageBox::No).answerMessage(QMessageBox::Yes).chooseFile(other);
        trigger("mnuFileSave");
        QVERIFY(doc->isWindowModified());
        trigger("mnuFileSave");
        QCOMPARE(Said(script.messages()),
            QStringList(2,
                u"Corvane|Can not save.\r\nPermission denied\r\n\r\nSave it as "
                u"another file ?"_qs));
        QCOMPARE(ReadBytes(path) + ReadBytes(other), QByteArray("N1\r\nO1\r\nN1\r\nnewO1\r\n"));
        QVERIFY(!doc->isWindowModified());
        QCOMPARE((QStringList {caption(), m_main->files()->recentFile(1)}),
            (QStringList {other, other}));
    }

    // A file opened again comes to the front with its changes; the recent list holds each path
    // once, the one chosen on top. A file that is gone, named on the command line or chosen from
    // the list, is not created; Yes takes it off the list, for the next run too.
    void oneWindowPerFileAndMissingRecentFiles()
    {
        const QString a = file(u"a.min"_qs), b = file(u"b.min"_qs);
        WriteBytes(a, "A");
        WriteBytes(b, "B");
        m_main->files()->OpenFile(a);
        typeInto(u"changed "_qs);
        m_main->files()->OpenFile(b);
        ModalScript script;
        script.chooseFile(a);
        trigger("mnuFileOpen");
        QCOMPARE((QStringList {caption(), ActiveText()->Text()}), (QStringList {a, "changed A"}));
        trigger("mnuFileRecentFile(2)");
        QCOMPARE(m_main->documents().size(), 2);
        QCOMPARE(
            (QStringList {caption()} + m_main->files()->recentFiles()), (QStringList {b, b, a}));
        CloseMainDiscardingChanges();
        QFile::remove(a);
        script.answerMessage(QMessageBox::No).answerMessage(QMessageBox::Yes);
        m_main = StartFresh(a, true); // named on the command line
        trigger("mnuFileRecentFile(2)");
        QCOMPARE(Said(script.messages()),
            QStringList(2,
                u"Corvane|"_qs + a + u" not found.\r\nRemove it from the recent file list ?"_qs));
        QVERIFY(!QFile::exists(a) && m_main->documents().isEmpty());
        CloseMain();
        m_main = StartFresh({}, true);
        QCOMPARE(m_main->files()->recentFiles(), QStringList {b});
    }

    void untitledSaveAsksForANameAndListsIt()
    {
        trigger("mnuFileNew");
        typeInto(u"O7\r\n"_qs);
        const QString path = file(u"named.min"_qs);
        ModalScript script;
        script.chooseFile(QString()); // a cancelled dialog writes nothing
        trigger("mnuFileSaveAs");
        QVERIFY(ActiveText()->DataChanged());
        QCOMPARE(caption(), u"Untitled1"_qs);
        QVERIFY(m_main->files()->recentFile(1).isEmpty());
        script.chooseFile(path);
        trigger("mnuFileSave");
        QCOMPARE(ReadBytes(path), QByteArray("O7\r\n"));
        QCOMPARE((QStringList {caption(), m_main->files()->recentFile(1), module1().gSavePathName}),
            (QStringList {path, path, m_dir.path()}));
    }

    // A path that cannot be read leaves no window behind. Files dropped on the window follow the
    // same rules.
    void openRefusesFilesAbove65000BytesAndUnreadableOnes()
    {
        const QString folder = file(u"afolder.min"_qs);
        WriteBytes(file(u"fits.min"_qs), QByteArray(65000, 'A'));
        WriteBytes(file(u"toobig.min"_qs), QByteArray(65001, 'A'));
        WriteBytes(file(u"dropped.min"_qs), "G00\r\n");
        WriteBytes(file(u"big.min"_qs), QByteArray(70 * 1024, 'A'));
        QDir().mkpath(folder);
        ModalScript script;
        script.chooseFile(file(u"fits.min"_qs))
            .chooseFile(file(u"toobig.min"_qs))
            .answerMessage(QMessageBox::Ok)
            .answerMessage(QMessageBox::Ok)
            .answerMessage(QMessageBox::Ok);
        trigger("mnuFileOpen");
        QCOMPARE(module1().gOpenPathName, m_dir.path());
        trigger("mnuFileOpen");
        QVERIFY(!m_main->files()->OpenFile(folder));
        for (const char* name : {"dropped.min", "big.min"}) {
            QMimeData dragged;
            dragged.setUrls({QUrl::fromLocalFile(file(QString::fromLatin1(name)))});
            QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &dragged, Qt::LeftButton, {});
            QCoreApplication::sendEvent(m_main, &enter);
            QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &dragged, Qt::LeftButton, {});
            QCoreApplication::sendEvent(m_main, &drop);
        }
        QCOMPARE(Said(script.messages()),
            (QStringList {"Corvane|This file size is too big, can not open.",
                u"Corvane|"_qs + folder + u"  file が Open けません."_qs,
                "Corvane|This file size is too big, can not open."}));
        QCOMPARE(m_main->documents().size(), 2);
        QCOMPARE(m_main->activeDocument()->txtText()->Text(), u"G00\r\n"_qs);
    }

    // Cancel keeps the window, and so does a save dialog cancelled after Yes; the Close command
    // answered No asks once more, then closes.
    void closePromptsOfOneWindow()
    {
        trigger("mnuFileNew");
        typeInto(u"keep me"_qs);
        ModalScript script;
        script.answerMessage(QMessageBox::Cancel);
        trigger("mnuFileClose");
        script.answerMessage(QMessageBox::Yes).chooseFile(QString());
        m_main->activeDocument()->close();
        QCOMPARE(m_main->documents().size(), 1);
        QCOMPARE(ActiveText()->Text(), u"keep me"_qs);
        script.answerMessage(QMessageBox::No).answerMessage(QMessageBox::No);
        trigger("mnuFileClose");
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(m_main->documents().isEmpty());
        const QList<ModalScript::Message> said = script.messages().mid(2);
        QCOMPARE(Said(said),
            (QStringList {"Corvane|The data is changed. Do you want save ?",
                "Corvane Ver.2.20 for Miltrop|[Untitled1] is changed,\r\n Do you want save ?"}));
        QCOMPARE(said[0].icon, QMessageBox::Warning);
    }

    // Exit asks for every changed window: Yes saves that window's text; Cancel keeps everything
    // and writes no settings.
    void exitPrompts()
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
        CloseActiveDocumentDiscardingChanges();
        CloseActiveDocumentDiscardingChanges();

        const QString a = file(u"a.min"_qs), b = file(u"b.min"_qs);
        WriteBytes(a, "");
        WriteBytes(b, "");
        m_main->files()->OpenFile(a);
        typeInto(u"text of a"_qs);
        m_main->files()->OpenFile(b);
        typeInto(u"text of b"_qs);
        script.answerMessage(QMessageBox::Yes).answerMessage(QMessageBox::Yes);
        CloseMain();
        QCOMPARE(script.messages().size(), 3);
        QVERIFY(script.messages()[1].text.startsWith(u'[' + a + u']'));
        QCOMPARE(ReadBytes(a) + ReadBytes(b), QByteArray("text of atext of b"));
    }

    // New numbers its documents for the whole run; every command that works on the active
    // document says there is none once the last one is closed.
    void newNumbersAndCommandsWithoutADocument()
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
        trigger("mnuFileNew");
        QCOMPARE(caption(), u"Untitled4"_qs);
        QVERIFY(!ActiveText()->DataChanged());
    }
};

CORVANE_TEST_MAIN(FileCommandsTest)
#include "FileCommandsTest.moc"
