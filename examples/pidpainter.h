#pragma once

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPointF>
#include <QRectF>
#include <QString>

#include <initializer_list>
#include <vector>

namespace zelvar::examples {

// Draws a plant's background picture in P&ID style on a 1000 x 600 image: process lines dark
// grey 4 px, signal lines dashed 1 px, instrument bubbles 36 px with their tag inside. The
// ground colour fills the image and stays in the bottom-left corner, whose colour the plant
// picture makes transparent; equipment is filled white so that it stays opaque.
class PidPainter
{
public:
    static constexpr int kWidth = 1000;
    static constexpr int kHeight = 600;
    static const QColor kGround;
    static const QColor kInk;

    PidPainter();
    // leaveOutTexts: Text and Label only note where they would write, so that the picture
    // shows what else lies under a text.
    explicit PidPainter(bool leaveOutTexts);
    QImage Finish();
    // Where Text and Label wrote (or would have written), as tight rectangles.
    const std::vector<QRectF> &TextAreas() const { return m_textAreas; }

    QPainter &painter() { return m_painter; }

    // A process line through the points, with an arrowhead at the last one when arrow is set.
    void ProcessLine(std::initializer_list<QPointF> points, bool arrow = false);
    // A dashed instrument signal line.
    void SignalLine(std::initializer_list<QPointF> points);
    // An instrument bubble centred at the point: "FIC-101" is written "FIC" over "101".
    void Bubble(QPointF centre, const QString &tag);
    // A control valve on a horizontal (or vertical) line, with its diaphragm actuator above
    // (or to the left).
    void ControlValve(QPointF centre, bool vertical = false);
    void Pump(QPointF centre, double radius);
    void Orifice(QPointF centre, bool vertical = false);
    void PressureGauge(QPointF centre);
    void Tank(const QRectF &outline);
    void Vessel(const QRectF &outline); // a vertical vessel with rounded heads
    void HeatExchanger(QPointF centre, double radius);
    void Furnace(const QRectF &outline);
    void Arrow(QPointF from, QPointF to);
    // Equipment tag or note; bold for a tag.
    void Text(QPointF at, const QString &text, bool bold = false, int pointSize = 9);
    // "Português | English" on one line.
    void Label(QPointF at, const QString &portuguese, const QString &english, int pointSize = 9);

private:
    QImage m_image;
    QPainter m_painter;
    bool m_leaveOutTexts = false;
    std::vector<QRectF> m_textAreas;
};

} // namespace zelvar::examples
