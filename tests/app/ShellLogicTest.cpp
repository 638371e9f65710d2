#include "TestSupport.h"

#include "app/core/CommandLine.h"
#include "app/core/FileFilter.h"
#include "app/core/WindowPlacement.h"
#include "app/core/WindowTiling.h"

namespace {
using In = const QStringList&;
using Out = QStringList;
const QHash<QString, DataRule> rules = {
    {"CommandLinePath", [](In in) -> Out { return {CommandLinePath(in[0])}; }},
    {"DialogFilter", [](In in) -> Out { return {DialogFilter(in[0])}; }},
    {"TileRects",
        [](In in) -> Out {
            const QStringList a = in[1].split(u' ');
            const QRect area(a[0].toInt(), a[1].toInt(), a[2].toInt(), a[3].toInt());
            Out rects;
            for (const QRect& r : TileRects(in[0].toInt(), area,
                     in[2] == u"Vertical" ? Tiling::Vertical : Tiling::Horizontal))
                rects << u"%1 %2 %3 %4"_qs.arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
            return rects;
        }},
};
} // namespace

class ShellLogicTest : public QObject
{
    Q_OBJECT

private slots:
    void rules_data() { AddDataRows(u"app/ShellRows.txt"_qs); }
    void rules() { RunDataRow(::rules); }

    void placementBringsLostWindowsBack()
    {
        const QList<QRect> screens = {QRect(0, 0, 1280, 1024), QRect(1280, 0, 1920, 1080)};
        const auto onAScreen
            = [&](const QRect& r) { return screens[0].contains(r) || screens[1].contains(r); };
        const QRect onSecond(1500, 100, 600, 400);
        QCOMPARE(PlaceOnScreens(onSecond, screens), onSecond);
        QVERIFY(screens[0].contains(PlaceOnScreens(QRect(-40000, 90000, 600, 400), screens)));
        QVERIFY(screens[0].contains(PlaceOnScreens(QRect(100, -300, 600, 400), screens).topLeft()));
        QVERIFY(onAScreen(PlaceOnScreens(QRect(-50000, 0, 90000, 90000), screens)));
        QVERIFY(onAScreen(PlaceOnScreens(QRect(1000, 100, 600, 400), screens)));
    }
};

QTEST_GUILESS_MAIN(ShellLogicTest)
#include "ShellLogicTest.moc"
