#include "app/ScreenFit.h"

#include "app/core/WindowPlacement.h"

#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QLayout>
#include <QPointer>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>

namespace {
// Moves the dialog's layout with its controls into a scroll area filling the dialog.
void scrollContent(QDialog* dialog)
{
    auto* content = new QWidget;
    content->setObjectName(dialog->objectName() + QLatin1String("Content"));
    content->setLayout(dialog->layout()); // takes the controls along
    auto* area = new QScrollArea;
    area->setObjectName(dialog->objectName() + QLatin1String("Scroll"));
    area->setFrameShape(QFrame::NoFrame);
    area->setWidget(content);
    auto* layout = new QVBoxLayout(dialog);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(area);
    dialog->setMinimumSize(0, 0);
    dialog->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    const int bar = area->style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    dialog->resize(content->size() + QSize(bar, bar));
}

class ScreenFitFilter : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Show)
            if (auto* dialog = qobject_cast<QDialog*>(watched); dialog && dialog->isWindow())
                FitToScreen(dialog);
        return false;
    }
};
} // namespace

void FitToScreen(QDialog* window)
{
    const QScreen* screen = window->screen();
    if (!screen)
        return;
    const QRect available = screen->availableGeometry();
    const QMargins frame = ExpectedFrame(window);
    const QSize room = available.marginsRemoved(frame).size();
    const QSize size = window->size();
    if (size.width() > room.width() || size.height() > room.height()) {
        const QSize least = window->minimumSize().expandedTo(window->minimumSizeHint());
        if (window->layout() && (least.width() > room.width() || least.height() > room.height()))
            scrollContent(window);
    }
    QRect rect = window->geometry();
    if (!window->testAttribute(Qt::WA_Moved)) {
        // Not placed yet: over the middle of its parent window, frame and all, as dialogs open.
        const QWidget* parent = window->parentWidget() ? window->parentWidget()->window() : nullptr;
        QRect framed = rect.marginsAdded(frame);
        framed.moveCenter(
            parent && parent->isVisible() ? parent->frameGeometry().center() : available.center());
        rect = framed.marginsRemoved(frame);
    }
    const QRect placed = FitOnScreen(rect, frame, available);
    if (placed.size() != window->size())
        window->resize(placed.size());
    // A window's position is its frame's.
    const QPoint origin = placed.topLeft() - window->geometry().topLeft() + window->pos();
    if (origin != window->pos() || !window->testAttribute(Qt::WA_Moved))
        window->move(origin);
}

void KeepWindowsOnScreen()
{
    static QPointer<ScreenFitFilter> filter;
    if (!filter)
        qApp->installEventFilter(filter = new ScreenFitFilter(qApp));
}

QMargins ExpectedFrame(const QWidget* window)
{
    const QRect frame = window->frameGeometry(), inner = window->geometry();
    if (frame != inner)
        return {inner.left() - frame.left(), inner.top() - frame.top(),
            frame.right() - inner.right(), frame.bottom() - inner.bottom()};
    const int title = std::max(window->style()->pixelMetric(QStyle::PM_TitleBarHeight), 24);
    return {4, title + 4, 4, 4};
}
