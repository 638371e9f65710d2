#include "app/core/WindowPlacement.h"

#include <algorithm>

QRect PlaceOnScreens(const QRect& stored, const QList<QRect>& screens)
{
    if (screens.isEmpty())
        return stored;
    constexpr int kGrip = 48; // enough of the window to take hold of
    QRect rect = stored;
    rect.setWidth(std::max(rect.width(), 200));
    rect.setHeight(std::max(rect.height(), 150));

    const QRect* best = nullptr;
    qint64 bestArea = 0;
    for (const QRect& screen : screens) {
        const QRect visible = screen.intersected(rect);
        const qint64 area = qint64(visible.width()) * visible.height();
        if (visible.width() >= kGrip && visible.height() >= kGrip && area > bestArea) {
            best = &screen;
            bestArea = area;
        }
    }
    if (!best) {
        const QRect& home = screens.first();
        rect.setSize(rect.size().boundedTo(home.size()));
        rect.moveCenter(home.center());
        return rect;
    }
    // Whole on the screen it mostly lies on.
    rect.setSize(rect.size().boundedTo(best->size()));
    rect.moveLeft(std::clamp(rect.left(), best->left(), best->right() + 1 - rect.width()));
    rect.moveTop(std::clamp(rect.top(), best->top(), best->bottom() + 1 - rect.height()));
    return rect;
}

QRect FirstPlacement(const QRect& screen, const QMargins& frame)
{
    QRect rect(0, 0, screen.width() * 4 / 5, screen.height() * 4 / 5);
    rect.moveCenter(screen.center());
    return rect.marginsRemoved(frame);
}

QRect FitOnScreen(const QRect& window, const QMargins& frame, const QRect& available)
{
    const QRect room = available.marginsRemoved(frame);
    QRect rect(window.topLeft(), window.size().boundedTo(room.size()));
    rect.moveLeft(std::clamp(rect.left(), room.left(), room.right() + 1 - rect.width()));
    rect.moveTop(std::clamp(rect.top(), room.top(), room.bottom() + 1 - rect.height()));
    return rect;
}
