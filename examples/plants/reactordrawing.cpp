#include "examples/plants/reactordrawing.h"

namespace zelvar::examples {

void DrawJacketedReactor(PidPainter &p, const QRectF &vessel, const QString &tag)
{
    QPainter &g = p.painter();
    const double x = vessel.center().x();
    g.setPen(QPen(PidPainter::kInk, 2));
    g.setBrush(QColor(0xe8, 0xee, 0xf4));
    g.drawRoundedRect(
        QRectF(vessel.left() - 18, vessel.top() + 50, vessel.width() + 36, vessel.height() - 32),
        60,
        50);
    p.Vessel(vessel);
    g.setPen(QPen(PidPainter::kInk, 2));
    g.setBrush(Qt::white);
    g.drawRect(QRectF(x - 14, vessel.top() - 34, 28, 22));
    p.Text({x - 8, vessel.top() - 18}, QStringLiteral("M"), true);
    g.drawLine(QPointF(x, vessel.top() - 12), QPointF(x, vessel.bottom() - 60));
    g.drawLine(QPointF(x - 34, vessel.bottom() - 60), QPointF(x + 34, vessel.bottom() - 60));
    g.drawLine(QPointF(x - 34, vessel.bottom() - 120), QPointF(x + 34, vessel.bottom() - 120));
    // Left of the shaft, which would strike the tag through.
    p.Text({vessel.left() + 38, vessel.top() + 30}, tag, true);
}

} // namespace zelvar::examples
