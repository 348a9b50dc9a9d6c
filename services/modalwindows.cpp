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
    explicit ModalFront(QObject *parent)
        : QObject(parent)
    {
        connect(qApp, &QGuiApplication::focusWindowChanged, this, &ModalFront::focusMoved);
        m_settled.setSingleShot(true);
        m_settled.setInterval(kSettleMilliseconds);
        connect(&m_settled, &QTimer::timeout, this, [this] { m_giveBack.clear(); });
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        const QEvent::Type type = event->type();
        QWidget *const pending = m_giveBack.data();
        if (m_giveBack && isOwnChoice(watched, event))
            m_giveBack.clear();
        if ((type != QEvent::Show && type != QEvent::Hide) || event->spontaneous())
            return false;
        auto *widget = qobject_cast<QWidget *>(watched);
        if (widget == nullptr || !widget->isWindow() || !widget->isModal())
            return false;
        if (type == QEvent::Show)
            opened(widget, pending);
        else
            closed(widget);
        return false;
    }

private:
    struct Open
    {
        const QObject *modal;
        std::vector<QPointer<QWindow>> lowered;
        // The window the user worked in when the modal window opened.
        QPointer<QWidget> previous;
    };

    static bool staysOnTop(const QWindow *window)
    {
        return window->flags().testFlag(Qt::WindowStaysOnTopHint);
    }

    // pending: the window a modal window that just closed gives the focus back to; a message
    // right after another opens before the focus got anywhere.
    void opened(QWidget *modal, QWidget *pending)
    {
        closed(modal);
        QWidget *active = QApplication::activeWindow();
        if (active == nullptr || active == modal || !active->isVisible()
            || active->windowType() == Qt::Popup)
            active = pending;
        Open open{modal, {}, active};
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
        const QPointer<QWidget> previous = found->previous;
        m_open.erase(found);
        // The window the user worked in comes back in front with the keyboard, unless another
        // modal window still blocks it. Asked for now, so that a window the program shows next
        // comes in front of it.
        m_giveBack.clear();
        if (previous && (m_open.empty() || m_open.back().modal == previous)) {
            m_giveBack = previous;
            giveBack();
            m_settled.start();
        }
    }

    // The window manager moves the focus, once the modal window is gone, to a window of its own
    // choice (the main window: the tool windows are nobody's transients), mostly after the
    // request above; that first move, if elsewhere, is handed back.
    void focusMoved(QWindow *now)
    {
        if (!m_giveBack || now == nullptr)
            return;
        if (now != m_giveBack->windowHandle() && now->modality() == Qt::NonModal
            && now->type() != Qt::Popup)
            giveBack();
        m_giveBack.clear();
    }

    void giveBack()
    {
        if (m_giveBack->isVisible() && !m_giveBack->isMinimized()) {
            m_giveBack->raise();
            m_giveBack->activateWindow();
        }
    }

    // The user's own keys and clicks, and a window the program shows, decide where the focus
    // goes from then on.
    static bool isOwnChoice(const QObject *watched, const QEvent *event)
    {
        switch (event->type()) {
        case QEvent::KeyPress:
        case QEvent::MouseButtonPress:
            return event->spontaneous();
        case QEvent::Show:
            return !event->spontaneous() && watched->isWidgetType()
                   && static_cast<const QWidget *>(watched)->isWindow();
        default:
            return false;
        }
    }

    std::vector<Open> m_open;
    // The window to give the focus back to when the window manager moves it elsewhere, until
    // the focus moves, the user or the program decides, or the window manager has long settled.
    QPointer<QWidget> m_giveBack;
    static constexpr int kSettleMilliseconds = 1000;
    QTimer m_settled;
};

} // namespace

void KeepModalWindowsInFront()
{
    InstallApplicationFilterOnce<ModalFront>();
}

} // namespace zelvar
