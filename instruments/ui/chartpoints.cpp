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

double pixelOf(double value)
{
    if (std::isnan(value))
        return kPixelLimit;
    return std::clamp(value, -kPixelLimit, kPixelLimit);
}

void renderDots(QImage &image, const ChartData &data, const QRectF &range, const QColor &colour)
{
    const double scaleX = range.width() > 0.0 ? (image.width() - 1) / range.width() : 0.0;
    const double scaleY = range.height() > 0.0 ? (image.height() - 1) / range.height() : 0.0;
    const double left = range.left();
    const double top = range.top() + range.height();
    const int width = image.width();
    const int height = image.height();
    const QRgb rgb = colour.rgba();
    auto *pixels = reinterpret_cast<QRgb *>(image.bits());
    const qsizetype stride = image.bytesPerLine() / static_cast<qsizetype>(sizeof(QRgb));
    // A dot is the pixel and its four neighbours, the size of the smallest round marker.
    constexpr int kDot[5][2] = {{0, 0}, {-1, 0}, {1, 0}, {0, -1}, {0, 1}};
    for (std::size_t i = 0; i < data.size(); ++i) {
        const double px = pixelOf(std::nearbyint((data.x(i) - left) * scaleX));
        const double py = pixelOf(std::nearbyint((top - data.ys[i]) * scaleY));
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
                const QRectF &range,
                const ChartPointsStyle &style)
{
    if (data.size() == 0 || !(range.width() > 0.0))
        return;
    const double scaleX = (image.width() - 1) / range.width();
    const double scaleY = range.height() > 0.0 ? (image.height() - 1) / range.height() : 0.0;
    const double top = range.top() + range.height();
    const auto toPixel = [&](std::size_t i) {
        return QPointF(pixelOf((data.x(i) - range.left()) * scaleX),
                       pixelOf((top - data.ys[i]) * scaleY));
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
    setFlag(QGraphicsItem::ItemClipsToShape);
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
    return m_chart->plotArea();
}

void ChartPoints::paint(QPainter *painter, const QStyleOptionGraphicsItem *, QWidget *)
{
    const QRectF area = m_chart->plotArea();
    if (area.isEmpty())
        return;
    if (!m_cacheValid) {
        const QSize size(static_cast<int>(std::ceil(area.width())) + 1,
                         static_cast<int>(std::ceil(area.height())) + 1);
        m_cache = Render(m_data,
                         size,
                         QRectF(m_axisX->min(),
                                m_axisY->min(),
                                m_axisX->max() - m_axisX->min(),
                                m_axisY->max() - m_axisY->min()),
                         m_style);
        m_cacheValid = true;
    }
    painter->save();
    painter->setClipRect(area);
    painter->drawImage(area.topLeft() - QPointF(0.5, 0.5), m_cache);
    painter->restore();
}

QImage ChartPoints::Render(const ChartData &data,
                           QSize size,
                           const QRectF &range,
                           const ChartPointsStyle &style)
{
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    if (style.kind == ChartPointsStyle::Kind::Dots)
        renderDots(image, data, range, style.colour);
    else
        renderLine(image, data, range, style);
    return image;
}

void ChartPoints::invalidate()
{
    prepareGeometryChange();
    m_cacheValid = false;
    update();
}

} // namespace zelvar
