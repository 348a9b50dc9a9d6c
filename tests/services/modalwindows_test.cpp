#include "services/modalwindows.h"

#include "services/session.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDialog>
#include <QDir>
#include <QWindow>

#include <gtest/gtest.h>

#include <memory>

namespace zelvar {
namespace {

bool staysOnTop(const QWidget &window)
{
    return window.windowHandle() != nullptr
           && window.windowHandle()->flags().testFlag(Qt::WindowStaysOnTopHint);
}

// The session keeps every modal window in front: two tool windows that stay on top are shown
// beside the main window, and one that is hidden.
class ModalWindowsTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_session = std::make_unique<Session>(QDir::currentPath());
        m_session->SetRunning(false);
        m_main.show();
        for (QWidget *tool : {&m_tool, &m_otherTool})
            tool->show();
        m_hiddenTool.winId();
    }

    std::unique_ptr<Session> m_session;
    QWidget m_main;
    QWidget m_tool{&m_main, Qt::Tool | Qt::WindowStaysOnTopHint};
    QWidget m_otherTool{&m_main, Qt::Tool | Qt::WindowStaysOnTopHint};
    QWidget m_hiddenTool{&m_main, Qt::Tool | Qt::WindowStaysOnTopHint};
};

// A click on a tool window that stays on top raised it over the question, which then blocked
// every window unseen.
TEST_F(ModalWindowsTest, WhileAModalWindowIsOpenOnlyItStaysOnTop)
{
    ASSERT_TRUE(staysOnTop(m_tool));
    QDialog question(&m_main);
    question.setModal(true);
    question.show();
    EXPECT_TRUE(staysOnTop(question));
    EXPECT_FALSE(staysOnTop(m_tool));
    EXPECT_FALSE(staysOnTop(m_otherTool));
    // The widgets keep their own flags: nothing was remade.
    EXPECT_TRUE(m_tool.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_TRUE(m_tool.isVisible());
    QCoreApplication::processEvents();
    EXPECT_EQ(QApplication::activeWindow(), &question);

    question.hide();
    EXPECT_TRUE(staysOnTop(m_tool));
    EXPECT_TRUE(staysOnTop(m_otherTool));
    EXPECT_TRUE(staysOnTop(m_hiddenTool));
}

TEST_F(ModalWindowsTest, ANestedModalWindowTakesTheTopFromTheOneBelowUntilItCloses)
{
    QDialog question(&m_main);
    question.setModal(true);
    question.show();
    auto fileDialog = std::make_unique<QDialog>(&question);
    fileDialog->setModal(true);
    fileDialog->show();
    EXPECT_TRUE(staysOnTop(*fileDialog));
    EXPECT_FALSE(staysOnTop(question));
    EXPECT_FALSE(staysOnTop(m_tool));

    // Freed without being hidden first, as a dialog on the stack is.
    fileDialog.reset();
    EXPECT_TRUE(staysOnTop(question));
    EXPECT_FALSE(staysOnTop(m_tool));
    question.hide();
    EXPECT_TRUE(staysOnTop(m_tool));
}

// The window manager's choice once a modal window is gone: it gives the focus to the main window,
// whatever the request the program made before.
class MainWindowTakesTheFocus : public QObject
{
public:
    MainWindowTakesTheFocus(QWidget &modal, QWidget &main)
        : m_modal(modal)
        , m_main(main)
    {
        QCoreApplication::instance()->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == &m_modal && event->type() == QEvent::Hide)
            m_main.activateWindow();
        return false;
    }

private:
    QWidget &m_modal;
    QWidget &m_main;
};

// A message from a tool window left the main window active, its slider edit taking the keys.
TEST_F(ModalWindowsTest, TheWindowActiveBeforeAModalWindowHasTheFocusBackAfterIt)
{
    const struct
    {
        const char *name;
        bool windowManagerMovesTheFocus;
    } rows[] = {
        {"the focus left to the program", false},
        {"the window manager gives it to the main window", true},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        m_tool.activateWindow();
        QCoreApplication::processEvents();
        ASSERT_EQ(QApplication::activeWindow(), &m_tool);
        QDialog message(&m_tool);
        message.setModal(true);
        message.show();
        QCoreApplication::processEvents();
        ASSERT_EQ(QApplication::activeWindow(), &message);

        {
            std::unique_ptr<MainWindowTakesTheFocus> windowManager;
            if (row.windowManagerMovesTheFocus)
                windowManager = std::make_unique<MainWindowTakesTheFocus>(message, m_main);
            message.hide();
            QCoreApplication::processEvents();
        }

        EXPECT_EQ(QApplication::activeWindow(), &m_tool);
    }
}

// Apply's messages come one after the other, the next shown before the window manager has moved
// the focus anywhere.
TEST_F(ModalWindowsTest, AfterMessagesInARowTheWindowActiveBeforeTheFirstHasTheFocusBack)
{
    m_tool.activateWindow();
    QCoreApplication::processEvents();
    QDialog first(&m_tool);
    first.setModal(true);
    first.show();
    QCoreApplication::processEvents();
    QDialog second(&m_tool);
    second.setModal(true);

    first.hide();
    second.show();
    QCoreApplication::processEvents();
    ASSERT_EQ(QApplication::activeWindow(), &second);
    {
        MainWindowTakesTheFocus windowManager(second, m_main);
        second.hide();
        QCoreApplication::processEvents();
    }

    EXPECT_EQ(QApplication::activeWindow(), &m_tool);
}

TEST_F(ModalWindowsTest, AWindowTheProgramShowsAfterAModalWindowKeepsTheFocus)
{
    m_tool.activateWindow();
    QCoreApplication::processEvents();
    QDialog question(&m_tool);
    question.setModal(true);
    question.show();
    QCoreApplication::processEvents();
    QWidget opened(&m_main, Qt::Tool);
    MainWindowTakesTheFocus windowManager(question, m_main);

    question.hide();
    opened.show();
    opened.activateWindow();
    QCoreApplication::processEvents();

    EXPECT_EQ(QApplication::activeWindow(), &opened);
}

TEST_F(ModalWindowsTest, AWindowThatIsNotModalLeavesTheOthersAlone)
{
    QDialog box(&m_main);
    box.show();
    EXPECT_TRUE(staysOnTop(m_tool));
    EXPECT_FALSE(staysOnTop(box));
}

} // namespace
} // namespace zelvar
