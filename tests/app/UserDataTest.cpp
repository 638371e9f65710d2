#include "TestSupport.h"

#include "app/FileCommands.h"
#include "app/SettingsStore.h"
#include "common/ProgramFolder.h"

// The files a user changes (the comment file, the cutting-condition tables) are the user's own
// copies in $XDG_DATA_HOME/Corvane, looked up before the installed ones; the installed files are
// never written.
class UserDataTest : public QObject
{
    Q_OBJECT

    QTemporaryDir m_installed;
    QTemporaryDir m_home;
    QString m_user;

    QString installed(const QString& name) const { return m_installed.filePath(name); }
    QString user(const QString& name) const { return m_user + u'/' + name; }

    // A fresh user data folder for each case.
    void newUser(const QString& name)
    {
        const QString home = m_home.filePath(name);
        qputenv("XDG_DATA_HOME", home.toLocal8Bit());
        m_user = home + u"/Corvane"_qs;
        QCOMPARE(UserDataFolder(), m_user);
    }

private slots:
    void initTestCase()
    {
        for (const char* name :
            {"Comment.txt", " cutting  condition /S45C.CSV", " cutting  condition /A5052.CSV",
                " cutting  condition /old/S45C.CSV", "help/Corvane.html", "Program/SAMPLE.MIN"}) {
            const QString path = installed(QString::fromUtf8(name));
            QDir().mkpath(QFileInfo(path).absolutePath());
            WriteBytes(path, "installed " + QByteArray(name));
        }
    }
    void cleanup() { SetProgramFolder({}); }

    void readUserFirstWriteUserCopies_data() { AddDataRows(u"app/UserDataRows.txt"_qs); }
    void readUserFirstWriteUserCopies()
    {
        QFETCH(QStringList, row);
        const QString name = row[0];
        newUser(QTest::currentDataTag());
        if (row[1] != u"none")
            for (const QString& file : row[1].split(u'+')) {
                QDir().mkpath(QFileInfo(user(file)).absolutePath());
                WriteBytes(user(file), "the user's");
            }
        SetProgramFolder(m_installed.path(), row[2] == u"installed");
        const QString where[] = {installed(name), user(name)};
        const auto place = [&](const QString& path) {
            return path == where[0] ? u"program"_qs : path == where[1] ? u"user"_qs : path;
        };
        QCOMPARE(place(PreferUserCopy(installed(name))), row[4]);
        QCOMPARE(place(ReadableDataFile(name)), row[4]);
        const QByteArray before = ReadBytes(installed(name));
        const QString written = WritablePath(installed(name));
        QCOMPARE(place(written), row[5]);
        // A first write starts from the installed file; the installed one stays as it was.
        if (row[5] == u"user" && row[1] == u"none" && QFileInfo(installed(name)).isFile()) {
            QCOMPARE(ReadBytes(written), before);
            QVERIFY(QFileInfo(written).isWritable());
        }
        QCOMPARE(QFileInfo(written).isDir(), QFileInfo(installed(name)).isDir());
        QCOMPARE(ReadBytes(installed(name)), before);
    }

    // Without XDG_DATA_HOME the user's files live in ~/.local/share/Corvane.
    void userFolderWithoutXdgDataHome()
    {
        const QByteArray home = qgetenv("HOME");
        qputenv("HOME", m_home.path().toLocal8Bit());
        qunsetenv("XDG_DATA_HOME");
        QCOMPARE(UserDataFolder(), m_home.filePath(u".local/share/Corvane"_qs));
        qputenv("HOME", home);
    }

    // As a user meets it: the installed comment first, saving an installed file keeps the
    // user's copy, which from then on is the one inserted and the default material table.
    void editingInstalledFilesMakesTheUserCopies()
    {
        newUser(u"desktop"_qs);
        SetProgramFolder(m_installed.path(), true);
        frmMain* main = StartFresh();
        const Module1& m = module1();
        QCOMPARE(m.gCsvFileName, installed(u" cutting  condition /S45C.CSV"_qs));
        main->action(u"mnuFileNew"_qs)->trigger();
        main->action(u"mnuInsertComment"_qs)->trigger();
        QCOMPARE(ActiveText()->Text(), u"installed Comment.txt"_qs);
        CloseActiveDocumentDiscardingChanges();

        for (const QString& name : {u"Comment.txt"_qs, u" cutting  condition /S45C.CSV"_qs}) {
            QVERIFY(main->files()->OpenFile(installed(name)));
            ActiveText()->setSelStart(0);
            ActiveText()->setSelText(u"(MINE)"_qs);
            main->action(u"mnuFileSave"_qs)->trigger();
            QCOMPARE(ReadBytes(user(name)), "(MINE)installed " + name.toUtf8());
            QCOMPARE(ReadBytes(installed(name)), "installed " + name.toUtf8());
            QCOMPARE(main->activeDocument()->filePath(), user(name));
            CloseActiveDocumentDiscardingChanges();
        }
        main->action(u"mnuFileNew"_qs)->trigger();
        main->action(u"mnuInsertComment"_qs)->trigger();
        QCOMPARE(ActiveText()->Text(), u"(MINE)installed Comment.txt"_qs);
        CloseMainDiscardingChanges();

        // The installed table stored at the last shutdown now means the user's copy.
        StartFresh(QString(), true);
        QCOMPARE(module1().gCsvFileName, user(u" cutting  condition /S45C.CSV"_qs));
        QCOMPARE(module1().gCsvPathName, user(u" cutting  condition "_qs));
        CloseMain();
        // A table the user chose elsewhere stays theirs.
        const QString own = m_home.filePath(u"OWN.CSV"_qs);
        SaveSetting(u"Parameter"_qs, u"CsvFileName"_qs, own);
        FlushSettings();
        StartFresh(QString(), true);
        QCOMPARE(module1().gCsvFileName, own);
        CloseMain();

        // No comment file anywhere: an empty one is made the user's, not the installed folder's.
        newUser(u"empty"_qs);
        QFile::remove(installed(u"Comment.txt"_qs));
        main = StartFresh();
        main->action(u"mnuFileNew"_qs)->trigger();
        main->action(u"mnuInsertComment"_qs)->trigger();
        QVERIFY(QFileInfo(user(u"Comment.txt"_qs)).isFile());
        QVERIFY(!QFile::exists(installed(u"Comment.txt"_qs)));
        CloseMainDiscardingChanges();
    }
};

CORVANE_TEST_MAIN(UserDataTest)
#include "UserDataTest.moc"
