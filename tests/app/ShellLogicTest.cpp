#include "app/core/CommandLine.h"
#include "app/core/FileFilter.h"
#include "app/core/WindowPlacement.h"
#include "app/core/WindowTiling.h"

#include <QTest>

class ShellLogicTest : public QObject
{
    Q_OBJECT

private slots:
    void commandLinePath_data()
    {
        QTest::addColumn<QString>("commandLine");
        QTest::addColumn<QString>("path");
        const auto row = [](const char* name, const char* commandLine, const char* path) {
            QTest::newRow(name) << QString::fromUtf8(commandLine) << QString::fromUtf8(path);
        };
        row("quotedThenMore", "\"/home/a b/P1.MIN\" /x", "/home/a b/P1.MIN");
        row("unquotedKeepsBlanks", "/home/a b/P1.MIN", "/home/a b/P1.MIN");
        row("openQuoteToEnd", "x \"/tmp/A.MIN", "/tmp/A.MIN");
        row("textBeforeQuoteDropped", "-x \"/tmp/B.MIN\"", "/tmp/B.MIN");
    }
    void commandLinePath()
    {
        QFETCH(QString, commandLine);
        QTEST(CommandLinePath(commandLine), "path");
    }

    void dialogFilter()
    {
        QCOMPARE(DialogFilter(QStringLiteral(
                     "All Files (*.*)|*.*|Main File (*.min)|*.min|System Sub (*.ssb)|*.ssb")),
            u"All Files (*);;Main File (*.min);;System Sub (*.ssb)"_qs);
    }

    void tilingCoversTheAreaWithoutGaps()
    {
        const QRect area(0, 0, 301, 200);
        const QList<QRect> vertical = TileRects(3, area, Tiling::Vertical);
        QCOMPARE(vertical.size(), 3);
        QCOMPARE(vertical[0], QRect(0, 0, 100, 200));
        QCOMPARE(vertical[2], QRect(200, 0, 101, 200));
        const QList<QRect> horizontal = TileRects(2, area, Tiling::Horizontal);
        QCOMPARE(horizontal[0], QRect(0, 0, 301, 100));
        QCOMPARE(horizontal[1], QRect(0, 100, 301, 100));
        QVERIFY(TileRects(0, area, Tiling::Vertical).isEmpty());
    }

    void placementBringsLostWindowsBack()
    {
        const QList<QRect> screens = {QRect(0, 0, 1280, 1024), QRect(1280, 0, 1920, 1080)};
        const QRect onSecond(1500, 100, 600, 400);
        QCOMPARE(PlaceOnScreens(onSecond, screens), onSecond);
        const QRect far = PlaceOnScreens(QRect(-40000, 90000, 600, 400), screens);
        QVERIFY(screens[0].contains(far));
        const QRect titleAbove = PlaceOnScreens(QRect(100, -300, 600, 400), screens);
        QVERIFY(screens[0].contains(titleAbove.topLeft()));
        const QRect huge = PlaceOnScreens(QRect(-50000, 0, 90000, 90000), screens);
        QVERIFY(screens[0].contains(huge) || screens[1].contains(huge));
        const QRect halfOff = PlaceOnScreens(QRect(1000, 100, 600, 400), screens);
        QVERIFY(screens[0].contains(halfOff) || screens[1].contains(halfOff));
    }
};

QTEST_GUILESS_MAIN(ShellLogicTest)
#include "ShellLogicTest.moc"
