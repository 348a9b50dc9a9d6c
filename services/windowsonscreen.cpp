#include "services/windowsonscreen.h"

#include "services/applicationfilter.h"

#include <QEvent>
#include <QMainWindow>
#include <QRect>
#include <QScreen>
#include <QWidget>

#include <algorithm>
#include <optional>

namespace zelvar {

namespace {

bool isPlacedWindow(const QWidget *widget)
{
    if (widget == nullptr || !widget->isWindow())
        return false;
    switch (widget->windowType()) {
    case Qt::Window:
    case Qt::Dialog:
    case Qt::Tool:
    case Qt::SplashScreen:
        break;
    default:
        return false; // menus, lists, tool tips: the toolkit places them itself
    }
    return !(widget->windowState()
             & (Qt::WindowMaximized | Qt::WindowFullScreen | Qt::WindowMinimized));
}

class OnScreenGuard : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        const QEvent::Type type = event->type();
        // What the window system reports (a mapping, the user's own resizing) is its business;
        // while it reparents a window the reported place is not yet the one on the screen.
        if (m_placing || (type != QEvent::Show && type != QEvent::Resize) || event->spontaneous())
            return false;
        auto *widget = qobject_cast<QWidget *>(watched);
        // The main window opens maximised and is then the user's to size.
        if (!isPlacedWindow(widget) || !widget->isVisible() || qobject_cast<QMainWindow *>(widget))
            return false;
        // Placing resizes, which comes back here.
        m_placing = true;
        KeepWithinScreen(widget);
        m_placing = false;
        return false;
    }

private:
    bool m_placing = false;
};

} // namespace

QSize FrameDecoration(const QWidget *window)
{
    const auto known = [](const QWidget *framed) -> std::optional<QSize> {
        const QSize frame = framed->frameGeometry().size() - framed->size();
        if (frame.isNull() || frame.width() < 0 || frame.height() < 0)
            return std::nullopt;
        return frame;
    };
    if (const std::optional<QSize> own = known(window))
        return *own;
    for (const QWidget *owner = window->parentWidget(); owner != nullptr;
         owner = owner->window()->parentWidget()) {
        if (!owner->window()->isVisible())
            continue;
        if (const std::optional<QSize> framed = known(owner->window()))
            return *framed;
    }
    return {0, 0};
}

void KeepWithinArea(QWidget *window, const QRect &area)
{
    if (!isPlacedWindow(window) || area.isEmpty())
        return;
    const QSize decoration = FrameDecoration(window);
    const QSize room = area.size() - decoration;
    const QSize fitted = window->size().boundedTo(room).expandedTo(window->minimumSize());
    if (fitted != window->size())
        window->resize(fitted);
    const QRect frame(window->pos(), window->size() + decoration);
    const QPoint place(
        std::max(area.left(), std::min(frame.left(), area.right() + 1 - frame.width())),
        std::max(area.top(), std::min(frame.top(), area.bottom() + 1 - frame.height())));
    if (place != frame.topLeft())
        window->move(place);
}

void KeepWithinScreen(QWidget *window)
{
    if (const QScreen *screen = window->screen())
        KeepWithinArea(window, screen->availableGeometry());
}

void KeepWindowsOnScreen()
{
    InstallApplicationFilterOnce<OnScreenGuard>();
}

} // namespace zelvar
