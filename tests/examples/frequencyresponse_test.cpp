// The frequency-response picture's chart shows the amplitude ratios its lesson gives, each where
// the chart's axes put it: an empty chart promised the trainee data that never came.
#include "examples/plants/frequencyresponse.h"

#include "examples/example.h"
#include "examples/generator.h"

#include <QImage>

#include <gtest/gtest.h>

#include <string>

namespace zelvar::examples {

namespace {

// The marker's colour within a few pixels of the point: a marker drawn later may cover the
// middle of another.
bool ColourNear(const QImage &picture, QPointF at, const QColor &colour)
{
    constexpr int kReach = 3;
    constexpr int kTolerance = 40;
    const QPoint centre = at.toPoint();
    for (int dy = -kReach; dy <= kReach; ++dy) {
        for (int dx = -kReach; dx <= kReach; ++dx) {
            const QColor pixel = picture.pixelColor(centre + QPoint(dx, dy));
            if (std::abs(pixel.red() - colour.red()) + std::abs(pixel.green() - colour.green())
                    + std::abs(pixel.blue() - colour.blue())
                < kTolerance)
                return true;
        }
    }
    return false;
}

TEST(FrequencyResponseChartTest, EveryRatioOfTheLessonIsDrawnAtItsPeriod)
{
    const ExamplePlant *example = FindExample("sim19");
    ASSERT_NE(example, nullptr);
    const QImage picture = BackgroundPicture(*example);
    int drawn = 0;
    for (const AcceptanceCheck &check : example->checks) {
        const auto ratio = [&](const char *prefix, const char *suffix, const QColor &colour) {
            for (const int period : {10, 20, 30, 60, 120, 300}) {
                if (check.name != prefix + std::to_string(period) + suffix)
                    continue;
                EXPECT_TRUE(ColourNear(picture, AmplitudeRatioAt(period, check.engine), colour))
                    << check.name << " = " << check.engine << " is not on the chart";
                ++drawn;
            }
        };
        ratio("SpPeriod", "Ratio", kSetpointRatioColour);
        ratio("Disturbance", "ClosedOverOpen", kDisturbanceRatioColour);
    }
    EXPECT_EQ(drawn, 12);
}

} // namespace

} // namespace zelvar::examples
