#include "TestSupport.h"

#include "app/FileCommands.h"
#include "app/SettingsStore.h"
#include "app/frmMain.h"
#include "common/Module1.h"
#include "common/ProgramFolder.h"
#include "documents/NcTextBox.h"

#include <QAction>
#include <QMenu>
#include <QSettings>
#include <QTemporaryDir>

// Start-up, the settings store and shutdown.
class StartUpTest : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

    QString file(const QString& name) const { return m_dir.filePath(name); }
    static QSettings stored() { return QSettings(SettingsFile(), QSettings::IniFormat); }

private slots:
    void firstRunUsesTheDefaults()
    {
        frmMain* main = StartFresh();
        QCOMPARE(main->windowTitle(), QStringLiteral("Corvane Ver.2.20 for Miltrop"));
        QCOMPARE(main->pos(), QPoint(1000 / 15, 1000 / 15));
        QCOMPARE(main->size(), QSize(6500 / 15, 6500 / 15));
        const Module1& m = module1();
        QCOMPARE(m.gScreenFontName, QStringLiteral("Terminal"));
        QCOMPARE(m.gScreenFontSize, 14);
        QCOMPARE(m.gPrintFontName, QStringLiteral("MS 明朝"));
        QCOMPARE(m.gPrintFontSize, 11);
        QCOMPARE(m.gPrinterOrientation, 1);
        QCOMPARE(m.gLeftMerge, 10);
        QCOMPARE(m.gRightMerge, 0);
        QCOMPARE(m.gPrintLineNo, 1);
        QCOMPARE(m.gOpenPathName, QDir::homePath());
        QCOMPARE(m.gSavePathName, QDir::homePath());
        QCOMPARE(m.gInsertPathName, ProgramFolder() + QStringLiteral("/Program"));
        QCOMPARE(
            m.gCsvFileName, ProgramFolder() + QStringLiteral("/ cutting  condition /S45C.CSV"));
        QCOMPARE(m.gCsvPathName, ProgramFolder() + QStringLiteral("/ cutting  condition "));
        QCOMPARE(m.gMaxS, 2500.0f);
        QCOMPARE(m.gHomeX.toNumber(), 500.0);
        QCOMPARE(m.gAppX.toNumber(), 200.0);
        QCOMPARE(m.gAppZ.toNumber(), 50.0);
        QVERIFY(!m.gTG);
        QVERIFY(m.gQCSK500.toBool());
        QVERIFY(!m.gDuomill.toBool());
        QVERIFY(m.gPanelChk.toBool());
        QCOMPARE(m.gTurretType, 2);
        QCOMPARE(m.gAtcMacroType, QStringLiteral("M421"));
        QVERIFY(m.gToolFrom.toBool());
        QVERIFY(!m.gLoadMoniter);
        for (int i = 1; i <= 5; ++i)
            QVERIFY(!main->action(QStringLiteral("mnuFileRecentFile(%1)").arg(i))->isVisible());
        QVERIFY(main->documents().isEmpty());
        CloseMain();
    }

    void shutdownWritesSettingsAndTheyComeBack()
    {
        frmMain* main = StartFresh();
        main->move(120, 90);
        main->resize(500, 400);
        module1().gOpenPathName = QStringLiteral("/srv/nc/in");
        module1().gLeftMerge = 25;
        module1().gScreenFontSize = 11;
        main->files()->OpenFile(file(QStringLiteral("a.min")));
        CloseMain();

        QSettings s = stored();
        QCOMPARE(s.value(QStringLiteral("Settings/MainLeft")).toString(), QStringLiteral("1800"));
        QCOMPARE(s.value(QStringLiteral("Settings/MainWidth")).toString(), QStringLiteral("7500"));
        QCOMPARE(s.value(QStringLiteral("Settings/OpenPathName")).toString(),
            QStringLiteral("/srv/nc/in"));
        QCOMPARE(s.value(QStringLiteral("Settings/LeftMerge")).toString(), QStringLiteral("25"));
        QCOMPARE(s.value(QStringLiteral("Settings/RecentFile1")).toString(),
            file(QStringLiteral("a.min")));
        QVERIFY(s.contains(QStringLiteral("Parameter/CsvFileName")));
        // Machine parameters are the set-up dialog's to write, not the shutdown's.
        QVERIFY(!s.contains(QStringLiteral("Parameter/MaxS")));
        QVERIFY(!s.contains(QStringLiteral("Settings/RecentFile2")));

        main = StartFresh(QString(), true);
        QCOMPARE(main->pos(), QPoint(120, 90));
        QCOMPARE(module1().gOpenPathName, QStringLiteral("/srv/nc/in"));
        QCOMPARE(module1().gLeftMerge, 25);
        QAction* recent = main->action(QStringLiteral("mnuFileRecentFile(1)"));
        QVERIFY(recent->isVisible());
        QCOMPARE(main->files()->recentFile(1), file(QStringLiteral("a.min")));
        CloseMain();
    }

    void minimizedShutdownWritesOnlyTheRecentFiles()
    {
        frmMain* main = StartFresh();
        main->files()->OpenFile(file(QStringLiteral("m.min")));
        main->showMinimized();
        module1().gLeftMerge = 33;
        CloseMain();
        QSettings s = stored();
        QVERIFY(!s.contains(QStringLiteral("Settings/MainLeft")));
        QVERIFY(!s.contains(QStringLiteral("Settings/LeftMerge")));
        QCOMPARE(s.value(QStringLiteral("Settings/RecentFile1")).toString(),
            file(QStringLiteral("m.min")));
    }

    void recentFilesKeepTheLastFiveNewestFirst()
    {
        frmMain* main = StartFresh();
        for (int i = 1; i <= 6; ++i)
            main->files()->OpenFile(file(QStringLiteral("f%1.min").arg(i)));
        main->files()->OpenFile(file(QStringLiteral("f6.min")));
        QCOMPARE(main->files()->recentFile(1), file(QStringLiteral("f6.min")));
        QCOMPARE(main->files()->recentFile(2), file(QStringLiteral("f6.min")));
        QCOMPARE(main->files()->recentFile(5), file(QStringLiteral("f3.min")));
        // A path with an ampersand is shown as it is, not as a mnemonic.
        main->files()->OpenFile(file(QStringLiteral("R&D.min")));
        QCOMPARE(main->action(QStringLiteral("mnuFileRecentFile(1)"))->text(),
            file(QStringLiteral("R&&D.min")));
        CloseMain();
    }

    void unreadableStoredValuesFallBackToDefaults()
    {
        StartFresh();
        CloseMain();
        {
            QSettings s = stored();
            s.setValue(QStringLiteral("Settings/MainLeft"), QStringLiteral("abc"));
            s.setValue(QStringLiteral("Settings/MainTop"), QStringLiteral("-999999"));
            s.setValue(QStringLiteral("Settings/ScreenFontSize"), QStringLiteral("big"));
            s.setValue(QStringLiteral("Settings/PrintLineNo"), QStringLiteral("99999999999999"));
            s.setValue(QStringLiteral("Parameter/HomeX"), QStringLiteral("far"));
            s.setValue(QStringLiteral("Parameter/AppZ"), QStringLiteral("75.5"));
            s.setValue(QStringLiteral("Parameter/Duomill"), QStringLiteral("maybe"));
            s.setValue(QStringLiteral("Parameter/TG"), QStringLiteral("True"));
            s.setValue(QStringLiteral("Parameter/QCSK500"), QStringLiteral("False"));
        }
        frmMain* main = StartFresh(QString(), true);
        QCOMPARE(module1().gScreenFontSize, 14);
        QCOMPARE(module1().gPrintLineNo, 1);
        QCOMPARE(module1().gHomeX.toNumber(), 500.0);
        QCOMPARE(module1().gAppZ.toText(), QStringLiteral("75.5"));
        QVERIFY(!module1().gDuomill.toBool());
        QVERIFY(module1().gTG);
        QVERIFY(!module1().gQCSK500.toBool());
        // The window is brought back onto the screen.
        QVERIFY(main->screen()->availableGeometry().contains(main->geometry().topLeft()));
        CloseMain();
    }

    void commandLineOpensTheQuotedFile()
    {
        const QString path = file(QStringLiteral("with blank.min"));
        WriteBytes(path, "O9\r\n");
        frmMain* main = StartFresh(QLatin1Char('"') + path + QStringLiteral("\" --extra"));
        QCOMPARE(main->documents().size(), 1);
        QCOMPARE(main->activeDocument()->caption(), path.toUpper());
        QCOMPARE(ActiveText()->Text(), QStringLiteral("O9\r\n"));
        QVERIFY(main->menu(QStringLiteral("Gcode"))->menuAction()->isVisible());
        CloseMain();
    }

    void commandLineWithoutQuotesCreatesAMissingFile()
    {
        const QString path = file(QStringLiteral("new one.min"));
        frmMain* main = StartFresh(path);
        QVERIFY(QFile::exists(path));
        QCOMPARE(main->documents().size(), 1);
        QCOMPARE(ActiveText()->Text(), QString());
        CloseMain();
    }

    void oversizedCommandLineFileStillOpens()
    {
        const QString path = file(QStringLiteral("big.min"));
        WriteBytes(path, QByteArray(100000, 'X'));
        StartFresh(path);
        QCOMPARE(ActiveText()->Text().size(), 100000);
        CloseMain();
    }
};

CORVANE_TEST_MAIN(StartUpTest)
#include "StartUpTest.moc"
