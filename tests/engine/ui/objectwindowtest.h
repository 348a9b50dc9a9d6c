#pragma once

#include "documents/model/plantoperations.h"
#include "services/session.h"
#include "tests/services/scripteddialogs.h"

#include <QApplication>
#include <QDir>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QToolButton>

#include <gtest/gtest.h>

#include <initializer_list>
#include <memory>

namespace zelvar {

// The user types text over the whole content of an edit.
inline void typeInto(QLineEdit *edit, const QString &text)
{
    edit->selectAll();
    if (text.isEmpty()) {
        QKeyEvent erase(QEvent::KeyPress, Qt::Key_Backspace, Qt::NoModifier);
        QApplication::sendEvent(edit, &erase);
        return;
    }
    QKeyEvent key(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, text);
    QApplication::sendEvent(edit, &key);
}

// An object window (TProcesso, TBloco) on a session whose timer is stopped, so the test ticks
// it; its widgets found by object name. The subclass puts the objects in the plant.
template<typename Window> class ObjectWindowTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_session = std::make_unique<Session>(QDir::tempPath());
        m_session->SetRunning(false);
        m_session->HelpFolder = QStringLiteral("/opt/zelvar/help");
    }

    void TearDown() override
    {
        delete m_window.data();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        m_session.reset();
    }

    void open(int slot = 1)
    {
        delete m_window.data();
        m_window = new Window(*m_session, slot, nullptr, &m_dialogs);
    }

    Plant &plant() { return m_session->plant(); }

    template<typename Widget> Widget *widget(const char *name) const
    {
        auto *found = m_window->template findChild<Widget *>(QString::fromLatin1(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    QLineEdit *edit(const char *name) const { return widget<QLineEdit>(name); }
    QString labelText(const char *name) const { return widget<QLabel>(name)->text(); }
    bool applyEnabled() const { return widget<QPushButton>("btnatualiza")->isEnabled(); }
    bool exitEnabled() const { return widget<QToolButton>("SairButton")->isEnabled(); }

    void type(const char *name, const char *text) { typeInto(edit(name), QString::fromUtf8(text)); }

    // The window and its buttons lie within the screen, so the mouse reaches them.
    void expectWithinScreen(std::initializer_list<const char *> buttons
                            = {"btnatualiza", "SairButton"}) const
    {
        const QRect screen = m_window->screen()->availableGeometry();
        EXPECT_TRUE(screen.contains(m_window->frameGeometry()))
            << m_window->frameGeometry().width() << " x " << m_window->frameGeometry().height();
        for (const char *name : buttons) {
            const QWidget *button = widget<QWidget>(name);
            EXPECT_TRUE(screen.contains(QRect(button->mapToGlobal(QPoint(0, 0)), button->size())))
                << name;
        }
    }
    // The window is closed and opened again, as the user reopens it from the picture.
    void reopen()
    {
        m_window->close();
        m_window->show();
        QCoreApplication::processEvents();
    }
    void apply() { widget<QPushButton>("btnatualiza")->click(); }
    void activate()
    {
        QEvent activation(QEvent::WindowActivate);
        QApplication::sendEvent(m_window, &activation);
    }

    std::unique_ptr<Session> m_session;
    ScriptedDialogs m_dialogs;
    QPointer<Window> m_window;
};

} // namespace zelvar
