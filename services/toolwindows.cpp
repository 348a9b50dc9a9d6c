#include "services/toolwindows.h"

#include "services/applicationfilter.h"

#include <QApplication>
#include <QEvent>
#include <QPointer>
#include <QWidget>
#include <QWindow>
#include <QWindowStateChangeEvent>

#include <vector>

namespace zelvar {

namespace {

bool isToolWindow(const QWidget *widget)
{
    return widget->windowType() == Qt::Tool && !widget->isModal();
}

class ToolWindowsApart : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        auto *widget = qobject_cast<QWidget *>(watched);
        if (widget == nullptr || !widget->isWindow())
            return false;
        if (event->type() == QEvent::Show && !event->spontaneous() && isToolWindow(widget)) {
            // Show comes after the native window is made and before it is mapped, when its
            // transient hint goes to the window manager; a window made anew is shown anew.
            if (QWindow *handle = widget->windowHandle())
                handle->setTransientParent(nullptr);
        } else if (event->type() == QEvent::WindowStateChange && !isToolWindow(widget)) {
            const Qt::WindowStates before
                = static_cast<QWindowStateChangeEvent *>(event)->oldState();
            if (widget->isMinimized() && !before.testFlag(Qt::WindowMinimized))
                ownerMinimised(widget);
            else if (!widget->isMinimized() && before.testFlag(Qt::WindowMinimized))
                ownerRestored(widget);
        }
        return false;
    }

private:
    // The window manager no longer takes the tool windows along with their owner: the program
    // hides and comes back as one.
    void ownerMinimised(const QWidget *owner)
    {
        m_minimisedWithOwner.clear();
        for (QWidget *window : QApplication::topLevelWidgets()) {
            if (isToolWindow(window) && window->parentWidget() != nullptr
                && window->parentWidget()->window() == owner && window->isVisible()
                && !window->isMinimized()) {
                window->setWindowState(window->windowState() | Qt::WindowMinimized);
                m_minimisedWithOwner.emplace_back(window);
            }
        }
    }

    void ownerRestored(const QWidget *owner)
    {
        for (const QPointer<QWidget> &window : m_minimisedWithOwner) {
            if (window && window->parentWidget()->window() == owner)
                window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
        }
        m_minimisedWithOwner.clear();
    }

    std::vector<QPointer<QWidget>> m_minimisedWithOwner;
};

} // namespace

void MinimiseToolWindowsAlone()
{
    InstallApplicationFilterOnce<ToolWindowsApart>();
}

void ShowToolWindow(QWidget *window)
{
    window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
    window->show();
    window->raise();
    window->activateWindow();
}

} // namespace zelvar
