#include "TestSupport.h"

#include "app/FileCommands.h"
#include "common/ProgramFolder.h"

#include <QSettings>

// Start-up, the settings store and shutdown. The machine parameters' defaults and their way
// through the store are the parameters dialog's test.
class StartUpTest : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

    QString file(const QString& name) const { return m_dir.filePath(name); }
    static QSettings stored() { return QSettings(SettingsFile(), QSettings::IniFormat); }

private slots:
    // The first run uses the defaults; shutdown writes the settings and they come back.
    void settingsFromTheDefaultsAndBack()
    {
        frmMain* main = StartFresh();
        QCOMPARE(main->windowTitle(), u"Corvane Ver.2.20 for Miltrop"_qs);
        // No stored geometry: most of the screen (the screenshot test checks how much).
        const QRect screen = main->screen()->availableGeometry();
        QVERIFY(screen.contains(main->frameGeometry()) && main->width() > screen.width() / 2);
        const Module1& m = module1();
        QCOMPARE((QStringList {m.gScreenFontName, m.gPrintFontName, m.gOpenPathName,
                     m.gSavePathName, m.gInsertPathName, m.gCsvFileName, m.gCsvPathName}),
            (QStringList {"Terminal", "MS 明朝", QDir::homePath(), QDir::homePath(),
                ProgramFolder() + "/Program", ProgramFolder() + "/ cutting  condition /S45C.CSV",
                ProgramFolder() + "/ cutting  condition "}));
        QCOMPARE((QList<int> {m.gScreenFontSize, m.gPrintFontSize, m.gPrinterOrientation,
                     m.gLeftMerge, m.gRightMerge, m.gPrintLineNo}),
            (QList<int> {14, 11, 1, 10, 0, 1}));
        QVERIFY(main->documents().isEmpty());
        main->move(120, 90);
        main->resize(500, 400);
        module1().gOpenPathName = u"/srv/nc/in"_qs;
        module1().gLeftMerge = 25;
        module1().gScreenFontSize = 11;
        WriteBytes(file(u"a.min"_qs), "");
        main->files()->OpenFile(file(u"a.min"_qs));
        CloseMain();

        QSettings s = stored();
        const auto value = [&s](const char* key) { return s.value(QLatin1String(key)).toString(); };
        QCOMPARE((QStringList {value("Settings/MainLeft"), value("Settings/MainWidth"),
                     value("Settings/OpenPathName"), value("Settings/LeftMerge"),
                     value("Settings/RecentFile1")}),
            (QStringList {"1800", "7500", "/srv/nc/in", "25", file(u"a.min"_qs)}));
        QVERIFY(s.contains(u"Parameter/CsvFileName"_qs));
        // Machine parameters are the set-up dialog's to write, not the shutdown's.
        QVERIFY(!s.contains(u"Parameter/MaxS"_qs));
        QVERIFY(!s.contains(u"Settings/RecentFile2"_qs));

        main = StartFresh(QString(), true);
        QCOMPARE(main->pos(), QPoint(120, 90));
        QCOMPARE(module1().gOpenPathName, u"/srv/nc/in"_qs);
        QCOMPARE(module1().gLeftMerge, 25);
        QVERIFY(main->action(u"mnuFileRecentFile(1)"_qs)->isVisible());
        QCOMPARE(main->files()->recentFile(1), file(u"a.min"_qs));
        CloseMain();
    }

    // The recent files keep the last five, newest first; minimized, shutdown writes only them.
    void recentFilesAndAMinimizedShutdown()
    {
        frmMain* main = StartFresh();
        for (int i = 1; i <= 6; ++i) {
            WriteBytes(file(u"f%1.min"_qs.arg(i)), "");
            main->files()->OpenFile(file(u"f%1.min"_qs.arg(i)));
        }
        QCOMPARE(main->files()->recentFile(1), file(u"f6.min"_qs));
        QCOMPARE(main->files()->recentFile(5), file(u"f2.min"_qs));
        // A path with an ampersand is shown as it is, not as a mnemonic.
        WriteBytes(file(u"R&D.min"_qs), "");
        main->files()->OpenFile(file(u"R&D.min"_qs));
        QCOMPARE(main->action(u"mnuFileRecentFile(1)"_qs)->text(), file(u"R&&D.min"_qs));
        main->showMinimized();
        module1().gLeftMerge = 33;
        CloseMain();
        QSettings s = stored();
        QVERIFY(!s.contains(u"Settings/MainLeft"_qs) && !s.contains(u"Settings/LeftMerge"_qs));
        QCOMPARE(s.value(u"Settings/RecentFile1"_qs).toString(), file(u"R&D.min"_qs));
    }

    // Left maximized, the window comes back maximized over the geometry it had before.
    void maximizedIsRememberedWithTheGeometry()
    {
        frmMain* main = StartFresh();
        main->move(120, 90);
        main->resize(500, 400);
        const QRect normal = main->geometry();
        main->showMaximized();
        QTRY_VERIFY(main->isMaximized());
        CloseMain();
        QCOMPARE(stored().value(u"Settings/MainWidth"_qs).toString(), u"7500"_qs);
        main = StartFresh(QString(), true);
        QVERIFY(main->isMaximized());
        main->showNormal();
        QTRY_COMPARE(main->geometry(), normal);
        CloseMain();
        QCOMPARE(stored().value(u"Settings/MainMaximized"_qs).toString(), u"False"_qs);
        main = StartFresh(QString(), true);
        QVERIFY(!main->isMaximized());
        QCOMPARE(main->geometry(), normal);
        CloseMain();
    }

    void unreadableStoredValuesFallBackToDefaults()
    {
        StartFresh();
        CloseMain();
        {
            QSettings s = stored();
            for (const auto& [key, value] :
                {std::pair {"Settings/MainLeft", "abc"}, {"Settings/MainTop", "-999999"},
                    {"Settings/ScreenFontSize", "big"}, {"Settings/PrintLineNo", "99999999999999"},
                    {"Parameter/HomeX", "far"}, {"Parameter/AppZ", "75.5"},
                    {"Parameter/Duomill", "maybe"}, {"Parameter/TG", "True"},
                    {"Parameter/QCSK500", "False"}, {"Parameter/MaxS", "1e300"}})
                s.setValue(QLatin1String(key), QLatin1String(value));
        }
        frmMain* main = StartFresh(QString(), true);
        const Module1& m = module1();
        QCOMPARE((QList<double> {double(m.gScreenFontSize), double(m.gPrintLineNo),
                     m.gHomeX.toNumber(), m.gAppZ.toNumber(), m.gMaxS}),
            (QList<double> {14, 1, 500, 75.5, 2500}));
        QCOMPARE((QList<bool> {m.gDuomill.toBool(), m.gTG, m.gQCSK500.toBool()}),
            (QList<bool> {false, true, false}));
        // The window is brought back onto the screen.
        QVERIFY(main->screen()->availableGeometry().contains(main->geometry().topLeft()));
        CloseMain();
    }

    // Quoted with more behind, unquoted, and oversized (opened all the same), captioned as spelled.
    void commandLineOpensItsFile()
    {
        for (const auto& [name, commandLine, bytes] :
            {std::tuple {"With blank.min", "\"%1\" --extra", QByteArray("O9\r\n")},
                {"big.min", "%1", QByteArray(100000, 'X')}}) {
            const QString path = file(QString::fromLatin1(name));
            WriteBytes(path, bytes);
            frmMain* main = StartFresh(QString::fromLatin1(commandLine).arg(path));
            QCOMPARE(main->documents().size(), 1);
            QCOMPARE(main->activeDocument()->caption(), path);
            QCOMPARE(ActiveText()->Text(), QString::fromLatin1(bytes));
            QVERIFY(main->menu(u"Gcode"_qs)->menuAction()->isVisible());
            CloseMain();
        }
    }
};

CORVANE_TEST_MAIN(StartUpTest)
#include "StartUpTest.moc"
