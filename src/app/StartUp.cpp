#include "app/StartUp.h"

#include "app/FileCommands.h"
#include "app/ScreenFit.h"
#include "app/SettingsStore.h"
#include "app/core/CommandLine.h"
#include "app/core/WindowPlacement.h"
#include "app/frmMain.h"
#include "common/Module1.h"
#include "common/RuntimeError.h"
#include "process/ProcessCommands.h"

#include <QAction>
#include <QCursor>
#include <QGuiApplication>
#include <QScreen>

namespace {
// Places the main window as it was left; true when it was left maximized.
bool placeMainWindow(frmMain* main)
{
    const QString settings = QStringLiteral("Settings");
    FlushSettings(); // the store as it is on disk now
    if (GetSetting(settings, QStringLiteral("MainWidth"), QString()).isEmpty()) {
        // The first start: most of the screen the window opens on.
        // The screen it opens on is the one with the mouse pointer.
        QScreen* screen = QGuiApplication::primaryScreen();
        for (QScreen* each : QGuiApplication::screens())
            if (each->geometry().contains(QCursor::pos()))
                screen = each;
        if (screen) {
            main->setScreen(screen);
            const QMargins frame = ExpectedFrame(main);
            const QRect placed = FirstPlacement(screen->availableGeometry(), frame);
            main->move(placed.topLeft() - QPoint(frame.left(), frame.top())); // the frame's place
            main->resize(placed.size());
            return false;
        }
    }
    const auto pixels = [&](const char* key, double twips) {
        return static_cast<int>(
            SettingNumber(settings, QString::fromLatin1(key), twips) / kTwipsPerPixel);
    };
    const QRect stored(pixels("MainLeft", 1000), pixels("MainTop", 1000), pixels("MainWidth", 6500),
        pixels("MainHeight", 6500));
    QList<QRect> screens;
    for (const QScreen* screen : QGuiApplication::screens())
        screens.append(screen->availableGeometry());
    const QRect placed = PlaceOnScreens(stored, screens);
    main->move(placed.topLeft());
    main->resize(placed.size());
    return GetSetting(settings, QStringLiteral("MainMaximized"), QString()) == BooleanText(true);
}

void adaptToMachine(frmMain* main, const Module1& m)
{
    bool duomill = false;
    try {
        duomill = m.gDuomill.toBool();
    } catch (const RuntimeError&) { }
    for (const char* name :
        {"ProcessMT", "ProcessMDrillSlant", "ProcessMKeySlant", "ProcessMTapSlant"})
        if (QAction* item = main->action(QString::fromLatin1(name)))
            item->setVisible(duomill);
}
} // namespace

frmMain* StartUp(const QString& commandLine)
{
    Module1& m = module1();
    KeepWindowsOnScreen();
    auto* main = new frmMain;
    m.gPi = 3.14159265398;

    const bool maximized = placeMainWindow(main);
    LoadSettings(m);
    main->action(QStringLiteral("mnuViewColouring"))->setChecked(m.gColouring);
    main->HideDocumentMenus();
    m.gDocClosed = false;
    LoadProcessSetup(main);
    adaptToMachine(main, m);
    main->files()->LoadRecentFiles();
    if (maximized)
        main->showMaximized();
    else
        main->show();

    if (!commandLine.isEmpty()) {
        if (main->files()->OpenFile(CommandLinePath(commandLine)))
            main->ShowDocumentMenus();
    }
    return main;
}
