#include "services/toolwindows.h"

#include "services/session.h"

#include <QDir>
#include <QWidget>
#include <QWindow>

#include <gtest/gtest.h>

#include <memory>

namespace zelvar {
namespace {

// The session's tool windows beside a main window: two shown, one never shown.
class ToolWindowsTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_session = std::make_unique<Session>(QDir::currentPath());
        m_session->SetRunning(false);
        m_main.show();
        m_tool.show();
        m_otherTool.show();
    }

    void minimise(QWidget &window)
    {
        window.setWindowState(window.windowState() | Qt::WindowMinimized);
    }
    void restore(QWidget &window)
    {
        window.setWindowState(window.windowState() & ~Qt::WindowMinimized);
    }

    std::unique_ptr<Session> m_session;
    QWidget m_main;
    QWidget m_tool{&m_main, Qt::Tool | Qt::WindowStaysOnTopHint};
    QWidget m_otherTool{&m_main, Qt::Tool | Qt::WindowStaysOnTopHint};
    QWidget m_hiddenTool{&m_main, Qt::Tool | Qt::WindowStaysOnTopHint};
};

TEST_F(ToolWindowsTest, AToolWindowShownAnewIsNoTransientOfItsOwner)
{
    EXPECT_EQ(m_tool.windowHandle()->transientParent(), nullptr);
    // Changing its kind remakes the native window, with the owner as transient parent again.
    m_tool.setWindowFlag(Qt::WindowStaysOnTopHint, false);
    m_tool.show();
    EXPECT_EQ(m_tool.windowHandle()->transientParent(), nullptr);
}

// With the window manager no longer taking them along, the tool windows stayed on the screen,
// above everything, while the main window was minimised.
TEST_F(ToolWindowsTest, TheShownToolWindowsMinimiseAndComeBackWithTheMainWindow)
{
    minimise(m_otherTool);

    minimise(m_main);
    EXPECT_TRUE(m_tool.isMinimized());
    EXPECT_FALSE(m_hiddenTool.isVisible());

    restore(m_main);
    EXPECT_FALSE(m_tool.isMinimized());
    EXPECT_TRUE(m_tool.isVisible());
    // Minimised by the user before, it stays so; never shown, it stays hidden.
    EXPECT_TRUE(m_otherTool.isMinimized());
    EXPECT_FALSE(m_hiddenTool.isVisible());
}

} // namespace
} // namespace zelvar
