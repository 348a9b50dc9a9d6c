#include "services/widgethelpers.h"

#include <QMainWindow>
#include <QMenuBar>
#include <QScreen>

#include <gtest/gtest.h>

namespace zelvar {
namespace {

class CentreBelowMainMenuTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_main.menuBar()->addMenu(QStringLiteral("Arquivo"));
        m_main.setGeometry(m_main.screen()->availableGeometry());
        m_main.show();
    }

    int menuBottom() const
    {
        const QWidget *menu = m_main.menuBar();
        return menu->mapToGlobal(QPoint(0, menu->height())).y();
    }

    QMainWindow m_main;
};

TEST_F(CentreBelowMainMenuTest, AWindowThatFitsIsCentredOnTheScreen)
{
    QWidget tool(&m_main, Qt::Tool | Qt::WindowStaysOnTopHint);
    tool.resize(300, 200);
    CentreBelowMainMenu(&tool);
    const QRect screen = m_main.screen()->availableGeometry();
    EXPECT_EQ(tool.frameGeometry().center(), screen.center());
}

TEST_F(CentreBelowMainMenuTest, AWindowAsTallAsTheScreenStartsBelowTheMenu)
{
    QWidget tool(&m_main, Qt::Tool | Qt::WindowStaysOnTopHint);
    const QRect screen = m_main.screen()->availableGeometry();
    tool.resize(300, screen.height());
    CentreBelowMainMenu(&tool);
    ASSERT_GT(menuBottom(), screen.top());
    EXPECT_EQ(tool.frameGeometry().top(), menuBottom());
    EXPECT_EQ(tool.frameGeometry().center().x(), screen.center().x());
}

TEST_F(CentreBelowMainMenuTest, AWindowTallerThanTheRoomBelowTheMenuShrinksToIt)
{
    // Its bottom row of buttons went past the screen's edge.
    QWidget tool(&m_main, Qt::Tool | Qt::WindowStaysOnTopHint);
    const QRect screen = m_main.screen()->availableGeometry();
    tool.resize(300, screen.height() + 200);
    CentreBelowMainMenu(&tool);
    // Framed like its owner once shown.
    tool.show();
    EXPECT_EQ(tool.frameGeometry().top(), menuBottom());
    EXPECT_EQ(tool.frameGeometry().bottom(), screen.bottom());
}

TEST_F(CentreBelowMainMenuTest, AWindowWithoutAMainWindowIsCentredOnly)
{
    QWidget tool(nullptr, Qt::Tool | Qt::WindowStaysOnTopHint);
    const QRect screen = m_main.screen()->availableGeometry();
    tool.resize(300, screen.height());
    CentreBelowMainMenu(&tool);
    EXPECT_EQ(tool.frameGeometry().top(), screen.top());
}

} // namespace
} // namespace zelvar
