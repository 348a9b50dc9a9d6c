#include "instruments/ui/chartpoints.h"

#include <QChart>
#include <QPainter>
#include <QValueAxis>

#include <algorithm>
#include <cmath>

namespace zelvar {

namespace {

// Far outside any picture, yet small enough for the painter's integer arithmetic.
constexpr double kPixelLimit = 1.0e6;

// Where a picture's values land: the picture's pixel (i, j) is the square [i, i + 1) x
// [j, j + 1) of the plot rectangle `plot`, which shows `range` (x from left to right, y from
// bottom to top). A value lands in the pixel whose square holds its point, as the chart's own
// lines do; values on the plot's edges land in the first and last pixels.
class PixelMap
{
public:
    PixelMap(const QImage &image, const QRectF &plot, const QRectF &range)
        : m_plot(plot)
        , m_range(range)
        , m_lastColumn(image.width() - 1)
        , m_lastRow(image.height() - 1)
        , m_scaleX(range.width() > 0.0 ? plot.width() / range.width() : 0.0)
        , m_scaleY(range.height() > 0.0 ? plot.height() / range.height() : 0.0)
    {}

    // The sums in the order the chart places its own points, so that a point on a grid line
    // lands on the line's pixels.
    double Column(double x) const
    {
        return pixel(m_plot.left() + (x - m_range.left()) * m_scaleX,
                     x >= m_range.left() && x <= m_range.right(),
                     m_lastColumn);
    }
    double Row(double y) const
    {
        return pixel(m_plot.top() + (m_plot.height() - (y - m_range.top()) * m_scaleY),
                     y >= m_range.top() && y <= m_range.bottom(),
                     m_lastRow);
    }

private:
    static double pixel(double at, bool inRange, int last)
    {
        if (std::isnan(at))
            return kPixelLimit;
        // A point a rounding error short of a pixel's edge belongs to that pixel.
        constexpr double kNudge = 1e-7;
        const double index = std::floor(std::clamp(at + kNudge, -kPixelLimit, kPixelLimit));
        // Rounding must not push a value on an edge out of the picture.
        return inRange ? std::clamp(index, 0.0, static_cast<double>(last)) : index;
    }

    QRectF m_plot;
    QRectF m_range;
    int m_lastColumn;
    int m_lastRow;
    double m_scaleX;
    double m_scaleY;
};

void renderDots(QImage &image, const ChartData &data, const PixelMap &map, const QColor &colour)
{
    const int width = image.width();
    const int height = image.height();
    const QRgb rgb = colour.rgba();
    auto *pixels = reinterpret_cast<QRgb *>(image.bits());
    const qsizetype stride = image.bytesPerLine() / static_cast<qsizetype>(sizeof(QRgb));
    // A dot is the pixel and its four neighbours, the size of the smallest round marker.
    constexpr int kDot[5][2] = {{0, 0}, {-1, 0}, {1, 0}, {0, -1}, {0, 1}};
    for (std::size_t i = 0; i < data.size(); ++i) {
        const double px = map.Column(data.x(i));
        const double py = map.Row(data.ys[i]);
        if (px < -1.0 || py < -1.0 || px > width || py > height)
            continue;
        const int x = static_cast<int>(px);
        const int y = static_cast<int>(py);
        for (const auto &offset : kDot) {
            const int dx = x + offset[0];
            const int dy = y + offset[1];
            if (dx >= 0 && dy >= 0 && dx < width && dy < height)
                pixels[dy * stride + dx] = rgb;
        }
    }
}

void renderLine(QImage &image,
                const ChartData &data,
                const PixelMap &map,
                const QRectF &range,
                const ChartPointsStyle &style)
{
    if (data.size() == 0 || !(range.width() > 0.0))
        return;
    const auto toPixel = [&](std::size_t i) {
        return QPointF(map.Column(data.x(i)), map.Row(data.ys[i]));
    };
    // The points that the plot shows, and one beyond each edge for the lines that cross it.
    std::size_t first = 0;
    std::size_t last = data.size();
    if (data.xs.empty()) {
        first = static_cast<std::size_t>(
            std::clamp(std::floor(range.left()) - 1.0, 0.0, static_cast<double>(data.size())));
        last = static_cast<std::size_t>(
            std::clamp(std::ceil(range.right()) + 2.0, 0.0, static_cast<double>(data.size())));
    }
    QPolygonF line;
    line.reserve(4 * image.width() + 8);
    double column = 0.0;
    bool open = false;
    QPointF low;
    QPointF high;
    QPointF end;
    const auto closeColumn = [&] {
        // The extremes in the order they came keep the line's shape within the column.
        if (low.x() <= high.x()) {
            line.append(low);
            line.append(high);
        } else {
            line.append(high);
            line.append(low);
        }
        line.append(end);
    };
    for (std::size_t i = first; i < last; ++i) {
        const QPointF point = toPixel(i);
        const double pointColumn = std::nearbyint(point.x());
        if (open && pointColumn == column) {
            if (point.y() < low.y())
                low = point;
            if (point.y() > high.y())
                high = point;
            end = point;
            continue;
        }
        if (open)
            closeColumn();
        line.append(point);
        column = pointColumn;
        low = high = end = point;
        open = true;
    }
    if (open)
        closeColumn();
    QPainter painter(&image);
    painter.setPen(QPen(style.colour, style.width));
    painter.drawPolyline(line);
    // A line leaves out its end pixel; the last point is drawn all the same.
    painter.drawPoint(line.constLast());
}

} // namespace

ChartPoints::ChartPoints(QChart *chart,
                         QValueAxis *axisX,
                         QValueAxis *axisY,
                         ChartPointsStyle style)
    : QGraphicsObject(chart)
    , m_chart(chart)
    , m_axisX(axisX)
    , m_axisY(axisY)
    , m_style(style)
{
    // Where the chart puts its own series: above the shades, the grid and the axis lines.
    constexpr qreal kSeriesLayer = 4.0;
    setZValue(kSeriesLayer);
    connect(chart, &QChart::plotAreaChanged, this, &ChartPoints::invalidate);
    connect(axisX, &QValueAxis::rangeChanged, this, &ChartPoints::invalidate);
    connect(axisY, &QValueAxis::rangeChanged, this, &ChartPoints::invalidate);
}

void ChartPoints::SetData(ChartData data)
{
    m_data = std::move(data);
    invalidate();
}

QRectF ChartPoints::boundingRect() const
{
    // The pixels the plot's edges fall in belong to the picture.
    return m_chart->plotArea().adjusted(-1.0, -1.0, 1.0, 1.0);
}

void ChartPoints::paint(QPainter *painter, const QStyleOptionGraphicsItem *, QWidget *)
{
    const QRectF area = m_chart->plotArea();
    if (area.isEmpty())
        return;
    // The picture goes on whole device pixels, from the one that holds the plot's top left
    // corner, so that its pixels are the ones the chart's own lines take.
    const QPointF offset(painter->worldTransform().dx(), painter->worldTransform().dy());
    const QRectF onDevice = area.translated(offset);
    const QPointF origin(std::floor(onDevice.left()), std::floor(onDevice.top()));
    const QRectF plot = onDevice.translated(-origin);
    if (!m_cacheValid || plot != m_cachePlot) {
        m_cache = Render(m_data,
                         plot,
                         QRectF(m_axisX->min(),
                                m_axisY->min(),
                                m_axisX->max() - m_axisX->min(),
                                m_axisY->max() - m_axisY->min()),
                         m_style);
        m_cachePlot = plot;
        m_cacheValid = true;
    }
    painter->drawImage(origin - offset, m_cache);
}

QImage ChartPoints::Render(const ChartData &data,
                           const QRectF &plot,
                           const QRectF &range,
                           const ChartPointsStyle &style)
{
    QImage image(static_cast<int>(std::floor(plot.right())) + 1,
                 static_cast<int>(std::floor(plot.bottom())) + 1,
                 QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    const PixelMap map(image, plot, range);
    if (style.kind == ChartPointsStyle::Kind::Dots)
        renderDots(image, data, map, style.colour);
    else
        renderLine(image, data, map, range, style);
    return image;
}

void ChartPoints::invalidate()
{
    prepareGeometryChange();
    m_cacheValid = false;
    update();
}

} // namespace zelvar
