#include "services/modalwindows.h"

#include "services/applicationfilter.h"

#include <QApplication>
#include <QEvent>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <algorithm>
#include <vector>

namespace zelvar {

namespace {

// A window manager raises a clicked window over the others of its layer, blocked or not; with
// the modal window the only one left on top, no click can bury it.
class ModalFront : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        const QEvent::Type type = event->type();
        if ((type != QEvent::Show && type != QEvent::Hide) || event->spontaneous())
            return false;
        auto *widget = qobject_cast<QWidget *>(watched);
        if (widget == nullptr || !widget->isWindow() || !widget->isModal())
            return false;
        if (type == QEvent::Show)
            opened(widget);
        else
            closed(widget);
        return false;
    }

private:
    struct Open
    {
        const QObject *modal;
        std::vector<QPointer<QWindow>> lowered;
    };

    static bool staysOnTop(const QWindow *window)
    {
        return window->flags().testFlag(Qt::WindowStaysOnTopHint);
    }

    void opened(QWidget *modal)
    {
        closed(modal);
        Open open{modal, {}};
        const QWidgetList windows = QApplication::topLevelWidgets();
        for (QWidget *other : windows) {
            QWindow *handle = other->windowHandle();
            if (other == modal || !other->isVisible() || handle == nullptr
                || other->windowType() == Qt::Popup || other->windowType() == Qt::ToolTip
                || !staysOnTop(handle))
                continue;
            // The window's own flag, not the widget's: setting that would hide and remake it.
            handle->setFlags(handle->flags() & ~Qt::WindowStaysOnTopHint);
            open.lowered.emplace_back(handle);
        }
        if (QWindow *handle = modal->windowHandle(); handle != nullptr && !staysOnTop(handle))
            handle->setFlags(handle->flags() | Qt::WindowStaysOnTopHint);
        m_open.push_back(std::move(open));
        connect(modal, &QObject::destroyed, this, &ModalFront::closed, Qt::UniqueConnection);
        // Once mapped, in front of the window it belongs to and with the keyboard.
        QTimer::singleShot(0, modal, [modal] {
            modal->raise();
            modal->activateWindow();
        });
    }

    void closed(const QObject *modal)
    {
        const auto found = std::find_if(m_open.begin(), m_open.end(), [modal](const Open &open) {
            return open.modal == modal;
        });
        if (found == m_open.end())
            return;
        for (const QPointer<QWindow> &window : found->lowered) {
            if (window)
                window->setFlags(window->flags() | Qt::WindowStaysOnTopHint);
        }
        m_open.erase(found);
    }

    std::vector<Open> m_open;
};

} // namespace

void KeepModalWindowsInFront()
{
    InstallApplicationFilterOnce<ModalFront>();
}

} // namespace zelvar
