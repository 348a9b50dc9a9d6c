#include "examples/pidpainter.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainterPath>
#include <QPolygonF>

#include <cmath>

namespace zelvar::examples {

const QColor PidPainter::kGround(0xf7, 0xf9, 0xfb);
const QColor PidPainter::kInk(0x3a, 0x3f, 0x44);

namespace {

const QColor kFill(0xff, 0xff, 0xff);
const QColor kSignal(0x2f, 0x6f, 0xb0);

QPolygonF Polygon(std::initializer_list<QPointF> points)
{
    QPolygonF polygon;
    for (const QPointF &point : points)
        polygon << point;
    return polygon;
}

void ArrowHead(QPainter &p, QPointF from, QPointF to, double size)
{
    const double angle = std::atan2(to.y() - from.y(), to.x() - from.x());
    const QPointF left(to.x() - size * std::cos(angle - 0.45),
                       to.y() - size * std::sin(angle - 0.45));
    const QPointF right(to.x() - size * std::cos(angle + 0.45),
                        to.y() - size * std::sin(angle + 0.45));
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(PidPainter::kInk);
    p.drawPolygon(Polygon({to, left, right}));
    p.restore();
}

} // namespace

PidPainter::PidPainter()
    : PidPainter(false)
{}

PidPainter::PidPainter(bool leaveOutTexts)
    : m_image(kWidth, kHeight, QImage::Format_RGB32)
    , m_leaveOutTexts(leaveOutTexts)
{
    m_image.fill(kGround);
    m_painter.begin(&m_image);
    m_painter.setRenderHint(QPainter::Antialiasing);
    m_painter.setRenderHint(QPainter::TextAntialiasing);
}

QImage PidPainter::Finish()
{
    m_painter.end();
    // The corner keeps the ground colour whatever was drawn near it.
    m_image.setPixelColor(0, kHeight - 1, kGround);
    return m_image;
}

void PidPainter::ProcessLine(std::initializer_list<QPointF> points, bool arrow)
{
    const QPolygonF line = Polygon(points);
    m_painter.setPen(QPen(kInk, 4, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
    m_painter.setBrush(Qt::NoBrush);
    m_painter.drawPolyline(line);
    if (arrow && line.size() >= 2)
        ArrowHead(m_painter, line[line.size() - 2], line.back(), 14);
}

void PidPainter::SignalLine(std::initializer_list<QPointF> points)
{
    QPen pen(kSignal, 1, Qt::DashLine);
    m_painter.setPen(pen);
    m_painter.setBrush(Qt::NoBrush);
    m_painter.drawPolyline(Polygon(points));
}

void PidPainter::Bubble(QPointF centre, const QString &tag)
{
    m_painter.setPen(QPen(kInk, 1.5));
    m_painter.setBrush(kFill);
    m_painter.drawEllipse(centre, 18, 18);
    const int dash = static_cast<int>(tag.indexOf(QLatin1Char('-')));
    const QString letters = dash < 0 ? tag : tag.left(dash);
    const QString number = dash < 0 ? QString() : tag.mid(dash + 1);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(letters.size() > 3 ? 8 : 10);
    font.setBold(true);
    m_painter.setFont(font);
    m_painter.setPen(kInk);
    m_painter.drawText(QRectF(centre.x() - 18, centre.y() - 14, 36, 14),
                       Qt::AlignHCenter | Qt::AlignBottom,
                       letters);
    font.setBold(false);
    m_painter.setFont(font);
    m_painter.drawText(
        QRectF(centre.x() - 18, centre.y(), 36, 14), Qt::AlignHCenter | Qt::AlignTop, number);
    m_painter.setPen(QPen(kInk, 1));
    m_painter.drawLine(QPointF(centre.x() - 17, centre.y()), QPointF(centre.x() + 17, centre.y()));
}

void PidPainter::ControlValve(QPointF centre, bool vertical)
{
    const double x = centre.x();
    const double y = centre.y();
    m_painter.setPen(QPen(kInk, 2));
    m_painter.setBrush(kFill);
    if (!vertical) {
        m_painter.drawPolygon(
            Polygon({{x - 16, y - 11}, {x + 16, y + 11}, {x + 16, y - 11}, {x - 16, y + 11}}));
        m_painter.drawLine(QPointF(x, y), QPointF(x, y - 28));
        QPainterPath dome;
        dome.moveTo(x - 14, y - 28);
        dome.arcTo(QRectF(x - 14, y - 42, 28, 28), 180, -180);
        dome.closeSubpath();
        m_painter.drawPath(dome);
    } else {
        m_painter.drawPolygon(
            Polygon({{x - 11, y - 16}, {x + 11, y + 16}, {x - 11, y + 16}, {x + 11, y - 16}}));
        m_painter.drawLine(QPointF(x, y), QPointF(x - 28, y));
        QPainterPath dome;
        dome.moveTo(x - 28, y - 14);
        dome.arcTo(QRectF(x - 42, y - 14, 28, 28), 90, 180);
        dome.closeSubpath();
        m_painter.drawPath(dome);
    }
}

void PidPainter::Pump(QPointF centre, double radius)
{
    m_painter.setPen(QPen(kInk, 2));
    m_painter.setBrush(kFill);
    m_painter.drawEllipse(centre, radius, radius);
    // The discharge leaves tangentially at the top.
    m_painter.drawPolygon(Polygon({{centre.x(), centre.y() - radius},
                                   {centre.x() + radius, centre.y() - radius},
                                   {centre.x() + radius, centre.y() - radius * 0.55}}));
    m_painter.drawPolygon(Polygon({{centre.x() - radius * 0.5, centre.y() + radius * 0.75},
                                   {centre.x() + radius * 0.5, centre.y() + radius * 0.75},
                                   {centre.x() + radius * 0.8, centre.y() + radius * 1.15},
                                   {centre.x() - radius * 0.8, centre.y() + radius * 1.15}}));
    m_painter.drawEllipse(centre, radius * 0.18, radius * 0.18);
}

void PidPainter::Orifice(QPointF centre, bool vertical)
{
    m_painter.setPen(QPen(kInk, 3));
    if (!vertical) {
        m_painter.drawLine(QPointF(centre.x() - 4, centre.y() - 16),
                           QPointF(centre.x() - 4, centre.y() + 16));
        m_painter.drawLine(QPointF(centre.x() + 4, centre.y() - 16),
                           QPointF(centre.x() + 4, centre.y() + 16));
    } else {
        m_painter.drawLine(QPointF(centre.x() - 16, centre.y() - 4),
                           QPointF(centre.x() + 16, centre.y() - 4));
        m_painter.drawLine(QPointF(centre.x() - 16, centre.y() + 4),
                           QPointF(centre.x() + 16, centre.y() + 4));
    }
}

void PidPainter::PressureGauge(QPointF centre)
{
    m_painter.setPen(QPen(kInk, 2));
    m_painter.setBrush(kFill);
    m_painter.drawEllipse(centre, 13, 13);
    m_painter.drawLine(centre, QPointF(centre.x() + 8, centre.y() - 7));
}

void PidPainter::Tank(const QRectF &outline)
{
    m_painter.setPen(QPen(kInk, 2));
    m_painter.setBrush(kFill);
    m_painter.drawRect(outline);
}

void PidPainter::Vessel(const QRectF &outline)
{
    m_painter.setPen(QPen(kInk, 2));
    m_painter.setBrush(kFill);
    const double r = outline.width() / 2.0;
    m_painter.drawRoundedRect(outline, r, r * 0.6);
}

void PidPainter::HeatExchanger(QPointF centre, double radius)
{
    m_painter.setPen(QPen(kInk, 2));
    m_painter.setBrush(kFill);
    m_painter.drawEllipse(centre, radius, radius);
    m_painter.drawPolyline(Polygon({{centre.x() - radius, centre.y()},
                                    {centre.x() - radius * 0.4, centre.y() - radius * 0.5},
                                    {centre.x() + radius * 0.4, centre.y() + radius * 0.5},
                                    {centre.x() + radius, centre.y()}}));
}

void PidPainter::Furnace(const QRectF &outline)
{
    m_painter.setPen(QPen(kInk, 2));
    m_painter.setBrush(kFill);
    const double hood = outline.height() * 0.25;
    m_painter.drawPolygon(Polygon({outline.bottomLeft(),
                                   {outline.left(), outline.top() + hood},
                                   {outline.center().x() - outline.width() * 0.15, outline.top()},
                                   {outline.center().x() + outline.width() * 0.15, outline.top()},
                                   {outline.right(), outline.top() + hood},
                                   outline.bottomRight()}));
}

void PidPainter::Arrow(QPointF from, QPointF to)
{
    m_painter.setPen(QPen(kInk, 2));
    m_painter.drawLine(from, to);
    ArrowHead(m_painter, from, to, 10);
}

void PidPainter::Text(QPointF at, const QString &text, bool bold, int pointSize)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(pointSize + 3);
    font.setBold(bold);
    m_painter.setFont(font);
    m_textAreas.push_back(
        m_painter.transform().mapRect(QFontMetricsF(font).tightBoundingRect(text).translated(at)));
    if (m_leaveOutTexts)
        return;
    m_painter.setPen(kInk);
    m_painter.drawText(at, text);
}

void PidPainter::Label(QPointF at, const QString &portuguese, const QString &english, int pointSize)
{
    Text(at, portuguese + QStringLiteral(" | ") + english, false, pointSize);
}

} // namespace zelvar::examples
