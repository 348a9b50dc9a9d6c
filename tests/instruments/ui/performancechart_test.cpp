#include "instruments/ui/performancechart.h"

#include "instruments/model/fastsimulation.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QValueAxis>

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace zelvar {
namespace {

// What the bottom axis showed after one pass of the event loop.
struct Frame
{
    double minimum;
    double maximum;
    double tickInterval;
};

// The lower chart of a four-hour run at one sample a second, with an animated zoom.
class AnimatedPerformanceChart : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_chart.SetBottomLabelsWithThreeDecimalsAtMost();
        m_chart.SetZoomAnimated(true);
        m_chart.resize(640, 320);
        m_chart.show();
        LoopSeries series;
        for (int i = 0; i < kSamples; ++i) {
            series.PV.push_back(50.0 + 20.0 * std::sin(i / 300.0));
            series.SP.push_back(50.0);
            series.CO.push_back(40.0 + 10.0 * std::cos(i / 200.0));
        }
        m_chart.SetPoints(series);
        glideToTheEnd();
    }

    // Runs the event loop for at least a whole glide and until none runs; every frame shown.
    std::vector<Frame> glideToTheEnd()
    {
        std::vector<Frame> frames;
        QElapsedTimer clock;
        clock.start();
        while ((clock.elapsed() < PerformanceChart::kGlideMilliseconds + 100 || m_chart.Gliding())
               && clock.elapsed() < 10000) {
            QApplication::processEvents(QEventLoop::AllEvents, 10);
            const QValueAxis *axis = m_chart.BottomAxis();
            if (frames.empty() || frames.back().minimum != axis->min()
                || frames.back().maximum != axis->max())
                frames.push_back({axis->min(), axis->max(), axis->tickInterval()});
        }
        EXPECT_FALSE(m_chart.Gliding());
        return frames;
    }

    void expectShowingItsRanges() const
    {
        EXPECT_EQ(m_chart.BottomAxis()->min(), m_chart.BottomRange().minimum);
        EXPECT_EQ(m_chart.BottomAxis()->max(), m_chart.BottomRange().maximum);
        EXPECT_EQ(m_chart.LeftAxis()->min(), m_chart.LeftRange().minimum);
        EXPECT_EQ(m_chart.LeftAxis()->max(), m_chart.LeftRange().maximum);
    }

    static constexpr int kSamples = 14400;
    PerformanceChart m_chart{QStringLiteral("ChartH1")};
};

TEST_F(AnimatedPerformanceChart, ASmallerPageGlidesThroughRangesThatEachHaveTheirOwnTicks)
{
    // Regression: the chart's own axis animation wrote past its tick labels here and crashed.
    EXPECT_EQ(m_chart.BottomRange(), (AxisRange{0.0, 1799.0}));
    m_chart.SetMaxPointsPerPage(900);
    // The new range holds at once; the axes take the glide to show it.
    EXPECT_EQ(m_chart.BottomRange(), (AxisRange{0.0, 899.0}));
    EXPECT_TRUE(m_chart.Gliding());
    const std::vector<Frame> frames = glideToTheEnd();
    expectShowingItsRanges();
    int between = 0;
    for (const Frame &frame : frames) {
        if (frame.maximum > 899.0 && frame.maximum < 1799.0)
            ++between;
        // A range in between labels round ticks, eight steps at most.
        EXPECT_LE((frame.maximum - frame.minimum) / frame.tickInterval, 8.0)
            << frame.minimum << ".." << frame.maximum << " every " << frame.tickInterval;
    }
    EXPECT_GE(between, 3);
}

TEST_F(AnimatedPerformanceChart, ANewRangeInTheMiddleOfAGlideGlidesOnFromWhereTheAxesAre)
{
    m_chart.SetMaxPointsPerPage(900);
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < PerformanceChart::kGlideMilliseconds / 10)
        QApplication::processEvents(QEventLoop::AllEvents, 10);
    ASSERT_TRUE(m_chart.Gliding());
    const double halfway = m_chart.BottomAxis()->max();
    ASSERT_GT(halfway, 899.0);

    m_chart.SetPage(3);
    EXPECT_EQ(m_chart.BottomAxis()->max(), halfway);
    EXPECT_EQ(m_chart.BottomRange(), (AxisRange{1800.0, 2699.0}));
    glideToTheEnd();
    expectShowingItsRanges();

    // A chart no longer animated shows its ranges at once, also from the middle of a glide.
    m_chart.SetLeftRange(0.0, 100.0);
    ASSERT_TRUE(m_chart.Gliding());
    m_chart.SetZoomAnimated(false);
    expectShowingItsRanges();
    m_chart.SetPage(1);
    EXPECT_FALSE(m_chart.Gliding());
    EXPECT_EQ(m_chart.BottomAxis()->max(), 899.0);
}

TEST_F(AnimatedPerformanceChart, ThePageStaysWithinThePagesWhateverChangesThem)
{
    // Regression: fewer points left the chart on a page past them, empty.
    m_chart.SetMaxPointsPerPage(900);
    m_chart.SetPage(20);
    EXPECT_EQ(m_chart.Page(), 16);
    EXPECT_EQ(m_chart.BottomRange(), (AxisRange{13500.0, 14399.0}));
    LoopSeries shorter;
    shorter.PV.assign(1000, 50.0);
    m_chart.SetPoints(shorter);
    EXPECT_EQ(m_chart.Page(), 2);
    EXPECT_EQ(m_chart.BottomRange(), (AxisRange{900.0, 999.0}));
    m_chart.SetPoints({});
    EXPECT_EQ(m_chart.Page(), 1);
    m_chart.SetPage(0);
    EXPECT_EQ(m_chart.Page(), 1);
    glideToTheEnd();
    expectShowingItsRanges();
}

} // namespace
} // namespace zelvar
