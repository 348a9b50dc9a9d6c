#pragma once

#include "examples/pidpainter.h"

#include <QRectF>
#include <QString>

namespace zelvar::examples {

// A stirred vessel with its jacket: the jacket shell behind the lower part of the vessel, the
// agitator's motor on top and its shaft with two impellers inside.
void DrawJacketedReactor(PidPainter &p, const QRectF &vessel, const QString &tag);

} // namespace zelvar::examples
