#pragma once

#include <QColor>
#include <QGraphicsObject>
#include <QImage>
#include <QRectF>

#include <vector>

class QChart;
class QValueAxis;

namespace zelvar {

// The values a chart draws: y against x, or against the index when xs is empty.
struct ChartData
{
    std::vector<double> xs;
    std::vector<double> ys;

    std::size_t size() const { return ys.size(); }
    double x(std::size_t i) const { return xs.empty() ? static_cast<double>(i) : xs[i]; }
};

// How ChartPoints draws: a dot per point (a point cloud), or a line through the points in order
// (x rising), with pen width in pixels.
struct ChartPointsStyle
{
    enum class Kind { Dots, Line };
    Kind kind = Kind::Dots;
    QColor colour = Qt::red;
    int width = 1;
};

// Hundreds of thousands of points over a chart's plot area, drawn in one pass into an image
// that is kept until the points, the axes' ranges or the plot area change. The toolkit's own
// series cost time per point on every change; this costs one pass over the points when they
// or the scale change, and a picture copy on other repaints. A line keeps, per pixel column,
// only the first, lowest, highest and last point, which draws the same pixels.
class ChartPoints : public QGraphicsObject
{
    Q_OBJECT

public:
    // The item lies over the chart's plot area and follows the two axes.
    ChartPoints(QChart *chart, QValueAxis *axisX, QValueAxis *axisY, ChartPointsStyle style);

    // The points are handed over, not copied.
    void SetData(ChartData data);
    const ChartData &Data() const { return m_data; }
    int Count() const { return static_cast<int>(m_data.size()); }

    QRectF boundingRect() const override;
    void paint(QPainter *painter, const QStyleOptionGraphicsItem *option, QWidget *widget) override;

    // The picture of the points over the rectangle plot showing range (x from left to right, y
    // from bottom to top). Pixel (i, j) is the square [i, i + 1) x [j, j + 1); a point lands in
    // the pixel that holds it, and the picture reaches the pixels of the plot's right and bottom
    // edges, so points on any edge are drawn.
    static QImage Render(const ChartData &data,
                         const QRectF &plot,
                         const QRectF &range,
                         const ChartPointsStyle &style);

private:
    void invalidate();

    QChart *m_chart;
    QValueAxis *m_axisX;
    QValueAxis *m_axisY;
    ChartPointsStyle m_style;
    ChartData m_data;
    QImage m_cache;
    // The plot area within the picture when it was drawn: the picture sits on whole pixels.
    QRectF m_cachePlot;
    bool m_cacheValid = false;
};

} // namespace zelvar
