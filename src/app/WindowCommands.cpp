#include "app/WindowCommands.h"

#include "app/Shell.h"
#include "app/core/WindowTiling.h"
#include "common/Module1.h"
#include "documents/NcTextBox.h"
#include "documents/frmDocument.h"

#include <QAction>
#include <QEvent>
#include <QMdiArea>
#include <QMdiSubWindow>

WindowCommands::WindowCommands(Shell* shell, QMdiArea* area)
    : QObject(shell->mainWindow())
    , m_shell(shell)
    , m_area(area)
{ }

void WindowCommands::connectTo(Shell* shell, QWidget* toolBar, QWidget* statusBar)
{
    m_toolBar = toolBar;
    m_statusBar = statusBar;
    ConnectCommands(shell, this,
        {{"mnuViewToolbar", &WindowCommands::mnuViewToolbar_Click},
            {"mnuViewStatusBar", &WindowCommands::mnuViewStatusBar_Click},
            {"mnuViewColouring", &WindowCommands::mnuViewColouring_Click},
            {"mnuWindowCascade", &WindowCommands::mnuWindowCascade_Click},
            {"mnuWindowTileHorizontal", &WindowCommands::mnuWindowTileHorizontal_Click},
            {"mnuWindowTileVertical", &WindowCommands::mnuWindowTileVertical_Click}});
    m_area->viewport()->installEventFilter(this);
}

void WindowCommands::mnuViewToolbar_Click()
{
    // The item is checkable: the click has already flipped its check mark.
    m_toolBar->setVisible(m_shell->action(QStringLiteral("mnuViewToolbar"))->isChecked());
}

void WindowCommands::mnuViewStatusBar_Click()
{
    m_statusBar->setVisible(m_shell->action(QStringLiteral("mnuViewStatusBar"))->isChecked());
}

void WindowCommands::mnuViewColouring_Click()
{
    // Every open program follows at once; new ones take the setting when they are created.
    Module1& m = module1();
    m.gColouring = m_shell->action(QStringLiteral("mnuViewColouring"))->isChecked();
    for (frmDocument* doc : m_shell->documents())
        doc->txtText()->setColouring(m.gColouring);
}

void WindowCommands::check(const char* control)
{
    for (const char* name :
        {"mnuWindowCascade", "mnuWindowTileHorizontal", "mnuWindowTileVertical"})
        m_shell->action(QString::fromLatin1(name))->setChecked(qstrcmp(name, control) == 0);
}

void WindowCommands::mnuWindowCascade_Click()
{
    check("mnuWindowCascade");
    cascade();
}

void WindowCommands::mnuWindowTileHorizontal_Click()
{
    check("mnuWindowTileHorizontal");
    tile(true);
}

void WindowCommands::mnuWindowTileVertical_Click()
{
    check("mnuWindowTileVertical");
    tile(false);
}

void WindowCommands::ArrangeWindows()
{
    if (m_shell->action(QStringLiteral("mnuWindowCascade"))->isChecked())
        cascade();
    else if (m_shell->action(QStringLiteral("mnuWindowTileHorizontal"))->isChecked())
        tile(true);
    else if (m_shell->action(QStringLiteral("mnuWindowTileVertical"))->isChecked())
        tile(false);
}

void WindowCommands::cascade()
{
    for (QMdiSubWindow* w : m_area->subWindowList())
        if (w->isMaximized())
            w->showNormal();
    m_area->cascadeSubWindows();
}

void WindowCommands::tile(bool horizontal)
{
    QList<QMdiSubWindow*> windows;
    for (QMdiSubWindow* w : m_area->subWindowList(QMdiArea::CreationOrder))
        if (!w->isMinimized() && w->isVisible())
            windows.append(w);
    const QList<QRect> rects = TileRects(windows.size(), m_area->viewport()->rect(),
        horizontal ? Tiling::Horizontal : Tiling::Vertical);
    for (qsizetype i = 0; i < windows.size(); ++i) {
        if (windows[i]->isMaximized())
            windows[i]->showNormal();
        windows[i]->setGeometry(rects[i]);
    }
}

bool WindowCommands::eventFilter(QObject* watched, QEvent* e)
{
    if (watched == m_area->viewport() && e->type() == QEvent::Resize)
        ArrangeWindows();
    return QObject::eventFilter(watched, e);
}
