#include "instruments/ui/performancechart.h"

#include "instruments/model/fastsimulation.h"
#include "instruments/ui/chartpoints.h"

#include <QChart>
#include <QLineSeries>
#include <QMouseEvent>
#include <QPen>
#include <QValueAxis>

#include <algorithm>
#include <cmath>

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

// finestTick: the smallest tick step the labels can tell apart (0: any).
void SetAxisRange(QValueAxis *axis, double minimum, double maximum, double finestTick = 0.0)
{
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
    SetAxisRange(m_bottomAxis, minimum, maximum, m_bottomFinestTick);
    rescale();
}

void PerformanceChart::SetLeftRange(double minimum, double maximum)
{
    m_leftAutomatic = false;
    SetAxisRange(m_leftAxis, minimum, maximum);
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
    chart()->setAnimationOptions(animated ? QChart::GridAxisAnimations : QChart::NoAnimation);
}

void PerformanceChart::SetBottomLabelsWithThreeDecimalsAtMost()
{
    // With ticks on multiples of at least 0.001 from 0, ten significant digits print every
    // label whole and without trailing zeros.
    m_bottomFinestTick = kThreeDecimalsTick;
    m_bottomAxis->setLabelFormat(QStringLiteral("%.10g"));
    SetAxisRange(m_bottomAxis, m_bottomAxis->min(), m_bottomAxis->max(), m_bottomFinestTick);
}

void PerformanceChart::SetMaxPointsPerPage(int points)
{
    m_pointsPerPage = std::max(1, points);
    // Larger pages may leave fewer pages than the one shown.
    m_page = std::min(m_page, NumPages());
    rescale();
}

void PerformanceChart::SetPage(int page)
{
    m_page = std::max(1, page);
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
    const double bottomMin = m_bottomAxis->min();
    const double bottomMax = m_bottomAxis->max();
    const double leftMin = m_leftAxis->min();
    const double leftMax = m_leftAxis->max();
    QChartView::mouseReleaseEvent(event);
    if (bottomMin == m_bottomAxis->min() && bottomMax == m_bottomAxis->max()
        && leftMin == m_leftAxis->min() && leftMax == m_leftAxis->max())
        return;
    m_bottomAutomatic = false;
    m_leftAutomatic = false;
    SetAxisRange(m_bottomAxis, m_bottomAxis->min(), m_bottomAxis->max(), m_bottomFinestTick);
    SetAxisRange(m_leftAxis, m_leftAxis->min(), m_leftAxis->max());
    emit zoomed();
}

void PerformanceChart::rescale()
{
    const int count = Count();
    if (m_bottomAutomatic) {
        const int first = (m_page - 1) * m_pointsPerPage;
        const int last = std::min(count, first + m_pointsPerPage) - 1;
        if (last > first)
            SetAxisRange(m_bottomAxis, first, last, m_bottomFinestTick);
        else
            SetAxisRange(m_bottomAxis, first, first + 1, m_bottomFinestTick);
    }
    if (!m_leftAutomatic)
        return;
    // The values of the points that the bottom axis shows.
    const double from = std::max(0.0, std::ceil(m_bottomAxis->min()));
    const double to = std::floor(m_bottomAxis->max());
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
    SetAxisRange(m_leftAxis, low, high);
}

} // namespace zelvar
