#pragma once

// What the plants with a burner share: the excess air from the measured flows, and the
// function boxes and flame of their pictures.
#include "documents/model/plant.h"
#include "examples/pidpainter.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainterPath>

#include <algorithm>

namespace zelvar::examples {

// Excess air, 110·air/fuel − 100 %: both flow ranges are chosen so that equal percentages give
// 10 % excess air. 0 without fuel.
inline double ExcessAirPercent(const Plant &plant, int fuelMemory, int airMemory)
{
    const double fuel = plant.memories.Value(fuelMemory);
    return fuel > 0.0 ? 110.0 * plant.memories.Value(airMemory) / fuel - 100.0 : 0.0;
}

// A computing box with its symbol ("<", "Σ", "×R") inside, wide enough for the symbol; drawn
// over the signal lines that meet it.
inline void FunctionBox(PidPainter &p, QPointF centre, const QString &symbol)
{
    QPainter &painter = p.painter();
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(13);
    font.setBold(true);
    const double width = std::max(30.0, QFontMetricsF(font).horizontalAdvance(symbol) + 14.0);
    const QRectF box(centre.x() - width / 2.0, centre.y() - 15, width, 30);
    painter.setPen(QPen(PidPainter::kInk, 1.5));
    painter.setBrush(Qt::white);
    painter.drawRect(box);
    painter.setFont(font);
    painter.drawText(box, Qt::AlignCenter, symbol);
}

// A flame leaving the burner at the left of its bounds.
inline void Flame(PidPainter &p, const QRectF &bounds)
{
    const double y = bounds.center().y();
    const double h = bounds.height() / 2.0;
    QPainterPath flame;
    flame.moveTo(bounds.left(), y);
    flame.cubicTo(bounds.left() + bounds.width() * 0.22,
                  y - h,
                  bounds.left() + bounds.width() * 0.72,
                  y - h,
                  bounds.right(),
                  y);
    flame.cubicTo(bounds.left() + bounds.width() * 0.72,
                  y + h,
                  bounds.left() + bounds.width() * 0.22,
                  y + h,
                  bounds.left(),
                  y);
    QPainter &painter = p.painter();
    painter.setPen(QPen(QColor(0xd0, 0x70, 0x10), 2));
    painter.setBrush(QColor(0xff, 0xd8, 0x90));
    painter.drawPath(flame);
}

} // namespace zelvar::examples
