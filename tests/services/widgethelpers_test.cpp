#include "services/widgethelpers.h"
#include "services/windowsonscreen.h"

#include <QFrame>
#include <QMainWindow>
#include <QMenuBar>
#include <QScreen>

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

namespace zelvar {
namespace {

class PlaceBelowMainMenuTest : public ::testing::Test
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

TEST_F(PlaceBelowMainMenuTest, AWindowThatFitsIsCentredOnTheScreen)
{
    QWidget tool(&m_main, Qt::Tool | Qt::WindowStaysOnTopHint);
    tool.resize(300, 200);
    PlaceBelowMainMenu(&tool);
    tool.show();
    const QRect screen = m_main.screen()->availableGeometry();
    EXPECT_EQ(tool.frameGeometry().center(), screen.center());
}

TEST_F(PlaceBelowMainMenuTest, AWindowAsTallAsTheScreenStartsBelowTheMenu)
{
    QWidget tool(&m_main, Qt::Tool | Qt::WindowStaysOnTopHint);
    const QRect screen = m_main.screen()->availableGeometry();
    tool.resize(300, screen.height());
    PlaceBelowMainMenu(&tool);
    tool.show();
    ASSERT_GT(menuBottom(), screen.top());
    EXPECT_EQ(tool.frameGeometry().top(), menuBottom());
    EXPECT_EQ(tool.frameGeometry().center().x(), screen.center().x());
}

TEST_F(PlaceBelowMainMenuTest, AWindowTallerThanTheRoomBelowTheMenuShrinksToIt)
{
    // Its bottom row of buttons went past the screen's edge.
    QWidget tool(&m_main, Qt::Tool | Qt::WindowStaysOnTopHint);
    const QRect screen = m_main.screen()->availableGeometry();
    tool.resize(300, screen.height() + 200);
    PlaceBelowMainMenu(&tool);
    // Framed like its owner once shown.
    tool.show();
    EXPECT_EQ(tool.frameGeometry().top(), menuBottom());
    EXPECT_EQ(tool.frameGeometry().bottom(), screen.bottom());
}

TEST_F(PlaceBelowMainMenuTest, AWindowWithoutAMainWindowIsCentredOnly)
{
    QWidget tool(nullptr, Qt::Tool | Qt::WindowStaysOnTopHint);
    const QRect screen = m_main.screen()->availableGeometry();
    tool.resize(300, screen.height());
    PlaceBelowMainMenu(&tool);
    EXPECT_EQ(tool.frameGeometry().top(), screen.top());
}

TEST_F(PlaceBelowMainMenuTest, AWindowOpensClearOfAMarkedControlUnderTheCentre)
{
    // A tool window over the control a lesson asks for next hides it.
    auto *control = new QFrame(&m_main);
    MarkKeptClear(control);
    control->resize(120, 60);
    const QRect screen = m_main.screen()->availableGeometry();
    control->move(m_main.mapFromGlobal(screen.center()) - QPoint(60, 30));
    control->show();
    QWidget tool(&m_main, Qt::Tool | Qt::WindowStaysOnTopHint);
    tool.resize(300, 200);
    PlaceBelowMainMenu(&tool);
    const QRect covered(tool.pos(), FrameGeometry(&tool).size());
    EXPECT_FALSE(covered.intersects(QRect(control->mapToGlobal(QPoint(0, 0)), control->size())));
    EXPECT_TRUE(screen.contains(covered));
}

TEST(KeptClearAreasTest, OnlyShownMarkedControlsInTheGivenWidgetsCoordinates)
{
    QWidget within;
    within.resize(400, 300);
    auto *group = new QFrame(&within);
    group->setGeometry(10, 20, 200, 100);
    auto *marked = new QFrame(group);
    marked->setGeometry(5, 5, 30, 10);
    MarkKeptClear(marked);
    auto *hidden = new QFrame(&within);
    hidden->setGeometry(50, 50, 10, 10);
    MarkKeptClear(hidden);
    hidden->hide();
    auto *plain = new QFrame(&within);
    plain->setGeometry(70, 70, 10, 10);
    const std::vector<QRect> areas = KeptClearAreas(&within);
    ASSERT_EQ(areas.size(), 1u);
    EXPECT_EQ(areas.front(), QRect(15, 25, 30, 10));
}

struct OpeningRow
{
    const char *name;
    QSize frame;
    int top;
    std::vector<QRect> keepClear;
    QPoint expected;
};

void PrintTo(const OpeningRow &row, std::ostream *out)
{
    *out << row.name;
}

class OpeningPlaceTest : public ::testing::TestWithParam<OpeningRow>
{
};

// A 400 x 200 window on a 1000 x 800 screen is centred at (300, 300).
TEST_P(OpeningPlaceTest, NearestPlaceClearOfTheControls)
{
    const OpeningRow &row = GetParam();
    EXPECT_EQ(
        OpeningPlace(QSize(400, 200), row.frame, QRect(0, 0, 1000, 800), row.top, row.keepClear),
        row.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Rows,
    OpeningPlaceTest,
    ::testing::Values(
        OpeningRow{"NothingToKeepClear", {400, 200}, 20, {}, {300, 300}},
        OpeningRow{"AControlBesideTheWindowLeavesItCentred",
                   {400, 200},
                   20,
                   {QRect(100, 300, 100, 50)},
                   {300, 300}},
        OpeningRow{"AControlUnderItMovesItTheShortestWay",
                   {400, 200},
                   20,
                   {QRect(320, 450, 60, 40)},
                   {300, 244}},
        OpeningRow{"NeverAboveTheMenu", {400, 200}, 280, {QRect(320, 450, 60, 40)}, {386, 300}},
        OpeningRow{
            "AControlWithinTheMarginCounts", {400, 200}, 20, {QRect(703, 300, 20, 20)}, {297, 300}},
        OpeningRow{"TheFrameCountsAsWellAsTheClient",
                   {400, 240},
                   20,
                   {QRect(300, 510, 100, 20)},
                   {300, 264}},
        OpeningRow{"NoRoomAnywhereLeavesItCentred",
                   {400, 200},
                   20,
                   {QRect(0, 0, 1000, 400), QRect(0, 380, 1000, 420)},
                   {300, 300}}),
    [](const ::testing::TestParamInfo<OpeningRow> &info) { return std::string(info.param.name); });

} // namespace
} // namespace zelvar
