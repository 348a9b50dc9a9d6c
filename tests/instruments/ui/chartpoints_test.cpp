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

// A plot of 0..10 on both axes from the middle of pixel 0 to the middle of pixel 10: value v
// lies at pixel v across and 10 - v down.
const QRectF kSmallPlot(0.5, 0.5, 10, 10);

QImage RenderSmall(ChartData data, ChartPointsStyle::Kind kind)
{
    return ChartPoints::Render(data, kSmallPlot, QRectF(0, 0, 10, 10), {kind, kInk, 1});
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
                                                 kSmallPlot,
                                                 QRectF(0, 0, count - 1.0, 10),
                                                 {ChartPointsStyle::Kind::Line, kInk, 1});
        EXPECT_TRUE(Painted(image, 0, 10));
        EXPECT_TRUE(Painted(image, 10, 0));
        EXPECT_TRUE(Painted(image, 5, 5));
        EXPECT_EQ(Painted(image, 5, 0), wholeColumns);
        EXPECT_EQ(Painted(image, 5, 10), wholeColumns);
    }
}

// The device pixel that holds a point of the chart's scene, in the view's own picture.
QPoint PixelOf(const QChartView &view, QPointF scene)
{
    const QPointF at = view.mapToScene(0, 0) * -1.0 + scene;
    return view.viewport()->mapTo(
        &view, QPoint(static_cast<int>(std::floor(at.x())), static_cast<int>(std::floor(at.y()))));
}

TEST(ChartPoints, ACloudShowsEachPointWhereTheAxesPutItAlsoOnTheEdgesAtAnySize)
{
    // Regression: the picture lay half a pixel off and was clipped at the plot's edges, so the
    // points on the right and bottom edges (and, at some sizes, the left one) were not drawn.
    for (const QSize size :
         {QSize(400, 300), QSize(401, 301), QSize(517, 333), QSize(640, 480), QSize(333, 517)}) {
        SCOPED_TRACE(QStringLiteral("%1x%2").arg(size.width()).arg(size.height()).toStdString());
        auto *chart = new QChart;
        chart->legend()->hide();
        auto *series = new QScatterSeries; // empty: only asked where a value lies
        chart->addSeries(series);
        auto *axisX = new QValueAxis;
        auto *axisY = new QValueAxis;
        axisX->setRange(0, 80);
        axisY->setRange(-30, 60);
        chart->addAxis(axisX, Qt::AlignBottom);
        chart->addAxis(axisY, Qt::AlignLeft);
        series->attachAxis(axisX);
        series->attachAxis(axisY);
        auto *cloud = new ChartPoints(chart, axisX, axisY, {ChartPointsStyle::Kind::Dots, kInk, 1});
        QChartView view(chart);
        view.setRenderHint(QPainter::Antialiasing, false);
        view.resize(size);
        view.show();
        QCoreApplication::processEvents();

        // The corners, the middle of each edge and the centre.
        ChartData data;
        for (const double x : {0.0, 40.0, 80.0}) {
            for (const double y : {-30.0, 15.0, 60.0}) {
                data.xs.push_back(x);
                data.ys.push_back(y);
            }
        }
        cloud->SetData(data);
        const QImage shown = view.grab().toImage();

        ASSERT_EQ(cloud->Count(), 9);
        for (std::size_t i = 0; i < data.size(); ++i) {
            SCOPED_TRACE(QStringLiteral("%1,%2").arg(data.xs[i]).arg(data.ys[i]).toStdString());
            const QPointF point(data.xs[i], data.ys[i]);
            const QPoint at = PixelOf(view, chart->mapToPosition(point, series));
            EXPECT_EQ(shown.pixelColor(at), kInk);
            // A dot reaches no further out than the plot's edges.
            const int outwardX = data.xs[i] == 0.0 ? -1 : (data.xs[i] == 80.0 ? 1 : 0);
            const int outwardY = data.ys[i] == 60.0 ? -1 : (data.ys[i] == -30.0 ? 1 : 0);
            if (outwardX != 0) {
                EXPECT_NE(shown.pixelColor(at + QPoint(outwardX, 0)), kInk);
            }
            if (outwardY != 0) {
                EXPECT_NE(shown.pixelColor(at + QPoint(0, outwardY)), kInk);
            }
            // Halfway to the next point inwards the plot is bare.
            const QPointF inwards(data.xs[i] < 40.0 ? 20.0 : -20.0,
                                  data.ys[i] < 15.0 ? 22.5 : -22.5);
            const QPoint bare = PixelOf(view, chart->mapToPosition(point + inwards, series));
            EXPECT_NE(shown.pixelColor(bare), kInk);
        }
    }
}

} // namespace
} // namespace zelvar
