#pragma once

#include <QColor>
#include <QPointF>

namespace zelvar::examples {

// The amplitude-ratio chart of the frequency-response picture: it draws the lesson's ratios
// against the period, PV over SP with the sine on the setpoint in one colour, closed- over
// open-loop PV with the sine on the valve in the other.
QPointF AmplitudeRatioAt(double periodSeconds, double ratio);
extern const QColor kSetpointRatioColour;
extern const QColor kDisturbanceRatioColour;

} // namespace zelvar::examples
