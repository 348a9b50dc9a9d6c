#include "instruments/ui/chartpoints.h"

#include <QChart>
#include <QChartView>
#include <QCoreApplication>
#include <QScatterSeries>
#include <QValueAxis>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <utility>
#include <vector>

namespace zelvar {
namespace {

const QColor kInk(Qt::red);

bool Painted(const QImage &image, int x, int y)
{
    return qAlpha(image.pixel(x, y)) != 0;
}

// An 11 by 11 picture of 0..10 on both axes: value v lies at pixel v across and 10 - v down.
QImage RenderSmall(ChartData data, ChartPointsStyle::Kind kind)
{
    return ChartPoints::Render(data, QSize(11, 11), QRectF(0, 0, 10, 10), {kind, kInk, 1});
}

TEST(ChartPoints, DotsLandOnTheirPixelsAndNowhereElse)
{
    const QImage image
        = RenderSmall({{0, 10, 3, 20, std::numeric_limits<double>::quiet_NaN()}, {0, 10, 7, 5, 5}},
                      ChartPointsStyle::Kind::Dots);
    std::vector<std::pair<int, int>> expected;
    for (const auto &[x, y] : {std::pair{0, 10}, {10, 0}, {3, 3}}) {
        EXPECT_EQ(image.pixel(x, y), kInk.rgba()) << x << "," << y;
        for (const auto &[dx, dy] : {std::pair{0, 0}, {-1, 0}, {1, 0}, {0, -1}, {0, 1}})
            expected.emplace_back(x + dx, y + dy);
    }
    // The point beyond the range and the NaN draw nothing.
    for (int x = 0; x < 11; ++x) {
        for (int y = 0; y < 11; ++y) {
            const bool dot
                = std::find(expected.begin(), expected.end(), std::pair{x, y}) != expected.end();
            EXPECT_EQ(Painted(image, x, y), dot) << x << "," << y;
        }
    }
}

// n values, 0 and 10 in turn.
ChartData Alternating(std::size_t n)
{
    ChartData data;
    for (std::size_t i = 0; i < n; ++i)
        data.ys.push_back(i % 2 == 0 ? 0.0 : 10.0);
    return data;
}

TEST(ChartPoints, LinesJoinThePointsAndKeepEveryColumnsExtremes)
{
    // Two points make the diagonal; ten thousand in eleven columns fill every column top to
    // bottom, as drawing each of them would.
    for (const auto &[count, wholeColumns] : {std::pair{std::size_t{2}, false}, {10000, true}}) {
        SCOPED_TRACE(count);
        const QImage image = ChartPoints::Render(Alternating(count),
                                                 QSize(11, 11),
                                                 QRectF(0, 0, count - 1.0, 10),
                                                 {ChartPointsStyle::Kind::Line, kInk, 1});
        EXPECT_TRUE(Painted(image, 0, 10));
        EXPECT_TRUE(Painted(image, 10, 0));
        EXPECT_TRUE(Painted(image, 5, 5));
        EXPECT_EQ(Painted(image, 5, 0), wholeColumns);
        EXPECT_EQ(Painted(image, 5, 10), wholeColumns);
    }
}

TEST(ChartPoints, ACloudOnAChartShowsEachPointWhereTheAxesPutIt)
{
    auto *chart = new QChart;
    chart->legend()->hide();
    auto *series = new QScatterSeries; // empty: only asked where a value lies
    chart->addSeries(series);
    auto *axisX = new QValueAxis;
    auto *axisY = new QValueAxis;
    axisX->setRange(0, 100);
    axisY->setRange(-50, 50);
    chart->addAxis(axisX, Qt::AlignBottom);
    chart->addAxis(axisY, Qt::AlignLeft);
    series->attachAxis(axisX);
    series->attachAxis(axisY);
    auto *cloud = new ChartPoints(chart, axisX, axisY, {ChartPointsStyle::Kind::Dots, kInk, 1});
    QChartView view(chart);
    view.resize(400, 300);
    view.show();
    QCoreApplication::processEvents();

    const std::vector<QPointF> points = {{10, -40}, {50, 0}, {90, 45}};
    cloud->SetData({{10, 50, 90}, {-40, 0, 45}});
    const QImage shown = view.grab().toImage();

    ASSERT_EQ(cloud->Count(), 3);
    for (const QPointF &point : points) {
        const QPoint at = view.mapFromScene(chart->mapToPosition(point, series));
        EXPECT_EQ(shown.pixelColor(at), kInk) << point.x() << "," << point.y();
        // Halfway to the next point the plot is bare.
        const QPoint bare = view.mapFromScene(chart->mapToPosition(point + QPointF(20, 0), series));
        EXPECT_NE(shown.pixelColor(bare), kInk) << point.x() << "," << point.y();
    }
}

} // namespace
} // namespace zelvar
