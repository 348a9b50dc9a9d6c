#pragma once

#include <QColor>
#include <QPalette>
#include <QSize>
#include <QWidget>

#include <functional>
#include <vector>

namespace zelvar {

class Trend;

// Image1 of the trend windows: a Trend drawn on a strip of paper. The paper sits one pixel in
// from the strip's corner; ten horizontal divisions of 20 pixels, vertical lines every 30
// pixels that move one pixel left per sample, in step with the traces. Presses and double
// clicks are reported with their button; what they mean is the window's business.
class TrendStrip : public QWidget
{
    Q_OBJECT

public:
    static constexpr int kWidth = 453;
    static constexpr int kHeight = 203;
    // The y of horizontal grid line 0 (top) to 10 (bottom) in the strip's pixels.
    static constexpr int GridLineY(int line) { return 1 + 20 * line; }

    struct TraceStyle
    {
        QColor colour;
        // False: always one pixel, whatever the trend's thick-line option says.
        bool followsThickLine = true;
    };

    // source: the trend, or null while the window has no object (then only the paper shows).
    // traces: the style of trace 0, 1, ...; shown(trace) says whether it is drawn now.
    // frame: the colour around the paper; paper: its size.
    TrendStrip(QWidget *parent,
               std::function<const Trend *()> source,
               std::vector<TraceStyle> traces,
               std::function<bool(int trace)> shown,
               QPalette::ColorRole frame,
               QSize paper);

signals:
    void pressed(QPoint at, Qt::MouseButton button);
    void doubleClicked(Qt::MouseButton button);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    std::function<const Trend *()> m_source;
    std::vector<TraceStyle> m_traces;
    std::function<bool(int)> m_shown;
    QPalette::ColorRole m_frame;
    QSize m_paper;
};

} // namespace zelvar
