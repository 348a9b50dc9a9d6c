#include "services/windowsonscreen.h"

#include "services/applicationfilter.h"

#include <QEvent>
#include <QMainWindow>
#include <QMargins>
#include <QPoint>
#include <QRect>
#include <QScreen>
#include <QWidget>

#include <algorithm>
#include <optional>

namespace zelvar {

namespace {

// A border's width, which a maximised window goes without.
constexpr int kBorder = 4;
// A usual title bar and border.
const QMargins kUsualFrame(kBorder, 30, kBorder, kBorder);

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

// Until its window exists, the toolkit takes a move as the frame's place and reports that as the
// contents' place; from then on a move is the contents' place. Made at once, a window is placed
// by one rule.
void madeForPlacing(QWidget *window)
{
    if (!window->testAttribute(Qt::WA_WState_Created))
        window->winId();
}

// The frame's margins once the window manager has framed the window.
std::optional<QMargins> knownFrame(const QWidget *window)
{
    const QRect contents = window->geometry();
    const QRect frame = window->frameGeometry();
    const QMargins margins(contents.left() - frame.left(),
                           contents.top() - frame.top(),
                           frame.right() - contents.right(),
                           frame.bottom() - contents.bottom());
    if (margins.isNull() || margins.left() < 0 || margins.top() < 0 || margins.right() < 0
        || margins.bottom() < 0)
        return std::nullopt;
    return margins;
}

// A place given before the window was made stands for its frame until the window shows; the
// toolkit tells so, once it knows the frame, by reporting that place apart from the frame's.
bool placedAsFrame(const QWidget *window)
{
    return window->pos() != window->frameGeometry().topLeft();
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

QMargins FrameMargins(const QWidget *window)
{
    if (const std::optional<QMargins> own = knownFrame(window))
        return *own;
    for (const QWidget *owner = window->parentWidget(); owner != nullptr;
         owner = owner->window()->parentWidget()) {
        const QWidget *framed = owner->window();
        if (!framed->isVisible())
            continue;
        if (const std::optional<QMargins> margins = knownFrame(framed)) {
            if (framed->windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen))
                return *margins + QMargins(kBorder, kBorder, kBorder, kBorder);
            return *margins;
        }
    }
    return kUsualFrame;
}

QSize FrameDecoration(const QWidget *window)
{
    const QMargins margins = FrameMargins(window);
    return {margins.left() + margins.right(), margins.top() + margins.bottom()};
}

QRect FrameGeometry(const QWidget *window)
{
    const QMargins margins = FrameMargins(window);
    if (placedAsFrame(window))
        return {window->pos(), window->size().grownBy(margins)};
    // The contents' place is known whether or not the window has been framed.
    return window->geometry().marginsAdded(margins);
}

void MoveFrameTo(QWidget *window, const QPoint &place)
{
    madeForPlacing(window);
    if (FrameGeometry(window).topLeft() == place)
        return;
    if (placedAsFrame(window)) {
        window->move(place);
        return;
    }
    // The contents go inside the frame. A move shifts them by as much as it shifts the place the
    // toolkit reports, which is the frame's or, before the frame is known, the contents' own.
    const QMargins margins = FrameMargins(window);
    const QPoint contents = place + QPoint(margins.left(), margins.top());
    window->move(window->pos() + contents - window->geometry().topLeft());
}

void KeepWithinArea(QWidget *window, const QRect &area)
{
    if (!isPlacedWindow(window) || area.isEmpty())
        return;
    madeForPlacing(window);
    const QSize room = area.size() - FrameDecoration(window);
    const QSize fitted = window->size().boundedTo(room).expandedTo(window->minimumSize());
    if (fitted != window->size())
        window->resize(fitted);
    // A window nobody has placed yet gets its place from the toolkit (a dialog centres itself on
    // its owner as it shows) or the window manager, on the screen either way.
    if (!window->testAttribute(Qt::WA_Moved) && !knownFrame(window))
        return;
    const QRect frame = FrameGeometry(window);
    MoveFrameTo(
        window,
        QPoint(std::max(area.left(), std::min(frame.left(), area.right() + 1 - frame.width())),
               std::max(area.top(), std::min(frame.top(), area.bottom() + 1 - frame.height()))));
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
