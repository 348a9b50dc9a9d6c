#pragma once

// Block-diagram pieces that several example pictures draw beside their P&ID: a box with its
// text centred, and a summing junction.
#include "examples/pidpainter.h"

#include <QFont>

namespace zelvar::examples {

inline void DiagramBox(PidPainter &p,
                       const QRectF &box,
                       const QString &text,
                       int pixelSize = 13,
                       bool bold = false,
                       double penWidth = 2.0)
{
    QPainter &painter = p.painter();
    painter.setPen(QPen(PidPainter::kInk, penWidth));
    painter.setBrush(Qt::white);
    painter.drawRect(box);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    painter.setFont(font);
    painter.setPen(PidPainter::kInk);
    painter.drawText(box, Qt::AlignCenter, text);
}

inline void SummingJunction(PidPainter &p, QPointF centre)
{
    QPainter &painter = p.painter();
    painter.setPen(QPen(PidPainter::kInk, 1.5));
    painter.setBrush(Qt::white);
    painter.drawEllipse(centre, 12, 12);
}

} // namespace zelvar::examples
