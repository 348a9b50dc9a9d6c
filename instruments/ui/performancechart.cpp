#include "instruments/ui/performancechart.h"

#include "instruments/model/fastsimulation.h"
#include "instruments/ui/chartpoints.h"

#include <QChart>
#include <QLineSeries>
#include <QMouseEvent>
#include <QPen>
#include <QValueAxis>
#include <QVariantAnimation>

#include <algorithm>
#include <cmath>
#include <memory>

namespace zelvar {

namespace {

// A tick step of 1, 2 or 5 times a power of ten that gives the range at most eight steps.
double TickInterval(double span)
{
    if (!(span > 0.0) || !std::isfinite(span))
        return 1.0;
    const double rough = span / 8.0;
    const double power = std::pow(10.0, std::floor(std::log10(rough)));
    for (const double factor : {1.0, 2.0, 5.0, 10.0})
        if (factor * power >= rough)
            return factor * power;
    return 10.0 * power;
}

// The finest tick step of an axis whose labels show three decimals at most.
constexpr double kThreeDecimalsTick = 0.001;

AxisRange Shown(const QValueAxis *axis)
{
    return {axis->min(), axis->max()};
}

// finestTick: the smallest tick step the labels can tell apart (0: any).
void SetAxisRange(QValueAxis *axis, AxisRange range, double finestTick = 0.0)
{
    const double minimum = range.minimum;
    const double maximum = range.maximum;
    // Ticks on round values while the range stays exactly as given. The wider of the two
    // steps goes first, so no state in between asks the axis for thousands of ticks.
    const double interval = std::max(TickInterval(maximum - minimum), finestTick);
    axis->setTickAnchor(0.0);
    if (interval >= axis->tickInterval()) {
        axis->setTickInterval(interval);
        axis->setRange(minimum, maximum);
    } else {
        axis->setRange(minimum, maximum);
        axis->setTickInterval(interval);
    }
}

} // namespace

PerformanceChart::PerformanceChart(const QString &objectName, QWidget *parent)
    : QChartView(parent)
{
    setObjectName(objectName);
    auto *chart = new QChart;
    chart->legend()->hide();
    chart->setBackgroundBrush(Qt::white);
    chart->setMargins(QMargins(2, 2, 2, 2));
    chart->setBackgroundRoundness(0);

    m_bottomAxis = new QValueAxis(chart);
    m_leftAxis = new QValueAxis(chart);
    for (QValueAxis *axis : {m_bottomAxis, m_leftAxis}) {
        axis->setTickType(QValueAxis::TicksDynamic);
        axis->setLabelFormat(QStringLiteral("%g"));
    }
    chart->addAxis(m_bottomAxis, Qt::AlignBottom);
    chart->addAxis(m_leftAxis, Qt::AlignLeft);

    const std::array<std::pair<const char *, QColor>, 3> traces
        = {{{"PV", Qt::red}, {"SP", Qt::blue}, {"MV", QColor(0, 160, 0)}}};
    for (std::size_t i = 0; i < traces.size(); ++i) {
        auto *series = new QLineSeries(chart);
        series->setName(QString::fromLatin1(traces[i].first));
        series->setPen(QPen(traces[i].second, 2));
        chart->addSeries(series);
        series->attachAxis(m_bottomAxis);
        series->attachAxis(m_leftAxis);
        m_series[i] = series;
        m_traces[i] = new ChartPoints(
            chart, m_bottomAxis, m_leftAxis, {ChartPointsStyle::Kind::Line, traces[i].second, 2});
    }
    // The view made a chart of its own, which it gives up without deleting.
    std::unique_ptr<QChart> madeByTheView(this->chart());
    setChart(chart);
    setRenderHint(QPainter::Antialiasing, false);
    rescale();
}

void PerformanceChart::SetPoints(const LoopSeries &series)
{
    m_traces[0]->SetData({{}, series.PV});
    m_traces[1]->SetData({{}, series.SP});
    m_traces[2]->SetData({{}, series.CO});
    rescale();
}

void PerformanceChart::ClearCO()
{
    m_traces[2]->SetData({});
    rescale();
}

int PerformanceChart::Count() const
{
    int count = 0;
    for (const ChartPoints *trace : m_traces)
        count = std::max(count, trace->Count());
    return count;
}

void PerformanceChart::SetAutomatic(bool bottom, bool left)
{
    m_bottomAutomatic = bottom;
    m_leftAutomatic = left;
    rescale();
}

void PerformanceChart::SetBottomRange(double minimum, double maximum)
{
    m_bottomAutomatic = false;
    m_bottomRange = {minimum, maximum};
    rescale();
}

void PerformanceChart::SetLeftRange(double minimum, double maximum)
{
    m_leftAutomatic = false;
    showRanges(m_bottomRange, {minimum, maximum});
}

void PerformanceChart::SetAllowZoom(bool allow)
{
    m_allowZoom = allow;
    setRubberBand(allow ? QChartView::RectangleRubberBand : QChartView::NoRubberBand);
}

void PerformanceChart::UndoZoom()
{
    SetAutomatic(true, true);
    emit zoomUndone();
}

void PerformanceChart::SetZoomAnimated(bool animated)
{
    if (animated == ZoomAnimated())
        return;
    if (!animated) {
        delete m_glide;
        m_glide = nullptr;
        showRanges(m_bottomRange, m_leftRange);
        return;
    }
    // The chart's own axis animation is not used: it keeps the tick labels of the range it
    // starts from and writes past them when a range in between needs more ticks. Here every
    // frame sets a range with ticks of its own.
    m_glide = new QVariantAnimation(this);
    m_glide->setStartValue(0.0);
    m_glide->setEndValue(1.0);
    m_glide->setDuration(kGlideMilliseconds);
    m_glide->setEasingCurve(QEasingCurve::OutQuart);
    connect(m_glide, &QVariantAnimation::valueChanged, this, [this](const QVariant &progress) {
        showFrame(progress.toDouble());
    });
}

bool PerformanceChart::Gliding() const
{
    return m_glide && m_glide->state() == QAbstractAnimation::Running;
}

void PerformanceChart::SetBottomLabelsWithThreeDecimalsAtMost()
{
    // With ticks on multiples of at least 0.001 from 0, ten significant digits print every
    // label whole and without trailing zeros.
    m_bottomFinestTick = kThreeDecimalsTick;
    m_bottomAxis->setLabelFormat(QStringLiteral("%.10g"));
    SetAxisRange(m_bottomAxis, Shown(m_bottomAxis), m_bottomFinestTick);
}

void PerformanceChart::SetMaxPointsPerPage(int points)
{
    m_pointsPerPage = std::max(1, points);
    rescale();
}

void PerformanceChart::SetPage(int page)
{
    m_page = page;
    rescale();
}

int PerformanceChart::NumPages() const
{
    const int count = Count();
    return count > m_pointsPerPage ? (count + m_pointsPerPage - 1) / m_pointsPerPage : 1;
}

void PerformanceChart::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::RightButton) {
        event->accept();
        return;
    }
    m_dragging = m_allowZoom && event->button() == Qt::LeftButton;
    QChartView::mousePressEvent(event);
}

void PerformanceChart::mouseReleaseEvent(QMouseEvent *event)
{
    // The right button undoes a zoom; the view's own zoom-out step is not used.
    if (event->button() == Qt::RightButton) {
        event->accept();
        UndoZoom();
        return;
    }
    const bool zoom = m_dragging && event->button() == Qt::LeftButton;
    m_dragging = false;
    if (!zoom) {
        QChartView::mouseReleaseEvent(event);
        return;
    }
    // The rectangle was drawn over what the axes show, also in the middle of a glide.
    const AxisRange shownBottom = Shown(m_bottomAxis);
    const AxisRange shownLeft = Shown(m_leftAxis);
    if (m_glide)
        m_glide->stop();
    QChartView::mouseReleaseEvent(event);
    const AxisRange zoomBottom = Shown(m_bottomAxis);
    const AxisRange zoomLeft = Shown(m_leftAxis);
    if (zoomBottom == shownBottom && zoomLeft == shownLeft) {
        showRanges(m_bottomRange, m_leftRange);
        return;
    }
    m_bottomAutomatic = false;
    m_leftAutomatic = false;
    // The zoom glides from where the rectangle was drawn.
    SetAxisRange(m_bottomAxis, shownBottom, m_bottomFinestTick);
    SetAxisRange(m_leftAxis, shownLeft);
    showRanges(zoomBottom, zoomLeft);
    emit zoomed();
}

void PerformanceChart::rescale()
{
    // Fewer points or larger pages may leave fewer pages than the one shown; the chart goes
    // back to its last page rather than show an empty one.
    m_page = std::clamp(m_page, 1, NumPages());
    const int count = Count();
    AxisRange bottom = m_bottomRange;
    if (m_bottomAutomatic) {
        const int first = (m_page - 1) * m_pointsPerPage;
        const int last = std::min(count, first + m_pointsPerPage) - 1;
        bottom = {static_cast<double>(first), static_cast<double>(last > first ? last : first + 1)};
    }
    if (!m_leftAutomatic) {
        showRanges(bottom, m_leftRange);
        return;
    }
    // The values of the points that the bottom axis shows.
    const double from = std::max(0.0, std::ceil(bottom.minimum));
    const double to = std::floor(bottom.maximum);
    bool any = false;
    double low = 0.0;
    double high = 0.0;
    for (const ChartPoints *trace : m_traces) {
        const std::vector<double> &values = trace->Data().ys;
        const auto end = std::min(static_cast<double>(values.size()) - 1.0, to);
        for (double x = from; x <= end; x += 1.0) {
            const double y = values[static_cast<std::size_t>(x)];
            low = any ? std::min(low, y) : y;
            high = any ? std::max(high, y) : y;
            any = true;
        }
    }
    if (!any) {
        low = 0.0;
        high = 100.0;
    } else if (high - low < 1e-9) {
        low -= 1.0;
        high += 1.0;
    }
    showRanges(bottom, {low, high});
}

void PerformanceChart::showRanges(AxisRange bottom, AxisRange left)
{
    // A glide already on its way there goes on rather than starting over.
    if (Gliding() && bottom == m_bottomRange && left == m_leftRange)
        return;
    m_bottomRange = bottom;
    m_leftRange = left;
    if (m_glide)
        m_glide->stop();
    m_glideFromBottom = Shown(m_bottomAxis);
    m_glideFromLeft = Shown(m_leftAxis);
    if (!m_glide || (m_glideFromBottom == bottom && m_glideFromLeft == left)) {
        showFrame(1.0);
        return;
    }
    m_glide->start();
}

void PerformanceChart::showFrame(double progress)
{
    const auto between = [progress](AxisRange from, AxisRange to) {
        if (progress >= 1.0)
            return to;
        return AxisRange{from.minimum + (to.minimum - from.minimum) * progress,
                         from.maximum + (to.maximum - from.maximum) * progress};
    };
    SetAxisRange(m_bottomAxis, between(m_glideFromBottom, m_bottomRange), m_bottomFinestTick);
    SetAxisRange(m_leftAxis, between(m_glideFromLeft, m_leftRange));
}

} // namespace zelvar
