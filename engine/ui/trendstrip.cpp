#include "engine/ui/trendstrip.h"

#include "engine/model/trend.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPen>
#include <QPolygon>

#include <utility>

namespace zelvar {

namespace {

constexpr int kBottomLine = 1 + Trend::kTopPoint;

} // namespace

TrendStrip::TrendStrip(QWidget *parent,
                       std::function<const Trend *()> source,
                       std::vector<TraceStyle> traces,
                       std::function<bool(int trace)> shown,
                       QPalette::ColorRole frame,
                       QSize paper)
    : QWidget(parent)
    , m_source(std::move(source))
    , m_traces(std::move(traces))
    , m_shown(std::move(shown))
    , m_frame(frame)
    , m_paper(paper)
{
    setObjectName(QStringLiteral("Image1"));
    setFixedSize(kWidth, kHeight);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TrendStrip::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(m_frame));
    painter.fillRect(QRect(QPoint(1, 1), m_paper), Qt::white);
    const Trend *trend = m_source();
    if (!trend)
        return;

    painter.setPen(QPen(QColor(192, 192, 192), 1));
    for (int i = 0; i <= 10; ++i)
        painter.drawLine(1, GridLineY(i), m_paper.width(), GridLineY(i));
    for (int j = 1; j <= 15; ++j) {
        const int x = 1 + 30 * j - trend->GridScrollOffset() - 1;
        painter.drawLine(x, 2, x, kBottomLine);
    }

    const int thickness = trend->CheckBox2 ? 2 : 1;
    QPolygon line(Trend::kRingSize);
    for (int trace = 0; trace < static_cast<int>(m_traces.size()); ++trace) {
        if (!m_shown(trace))
            continue;
        for (int i = 0; i < Trend::kRingSize; ++i)
            line.setPoint(i, 1 + i, kBottomLine - trend->PointOldestFirst(trace, i));
        const TraceStyle &style = m_traces[static_cast<std::size_t>(trace)];
        painter.setPen(QPen(style.colour, style.followsThickLine ? thickness : 1));
        painter.drawPolyline(line);
    }
}

void TrendStrip::mousePressEvent(QMouseEvent *event)
{
    emit pressed(event->position().toPoint(), event->button());
}

void TrendStrip::mouseDoubleClickEvent(QMouseEvent *event)
{
    emit doubleClicked(event->button());
}

} // namespace zelvar
