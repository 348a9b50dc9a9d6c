#pragma once

#include <QChartView>

#include <array>
#include <vector>

class QLineSeries;
class QValueAxis;
class QVariantAnimation;

namespace zelvar {

class ChartPoints;
struct LoopSeries;

struct AxisRange
{
    double minimum = 0.0;
    double maximum = 1.0;

    bool operator==(const AxisRange &) const = default;
};

// One loop's chart of the performance window: series 0 "PV" (red), 1 "SP" (blue) and 2 "MV"
// (green, the CO), X the sample number. Each axis either scales to the points of the current
// page or keeps a range it was given (a zoom, a copied zoom, the 0-100 % scale). Points go in
// all at once and are drawn as whole pictures (a four-hour run holds 144 000 points a trace);
// the toolkit's series stay empty and only carry the zoom. Paging shows MaxPointsPerPage points
// at a time, pages counting from 1; the page stays within the pages whatever changes them (new
// points, fewer points, a new page size), and a page asked for past them shows the last one.
// A chart whose zoom is animated glides its axes to each new range: the axes then show the
// ranges in between for a moment, while BottomRange and LeftRange already hold the new ones.
class PerformanceChart : public QChartView
{
    Q_OBJECT

public:
    explicit PerformanceChart(const QString &objectName, QWidget *parent = nullptr);

    // The three series of a run or a load, replacing what the chart held.
    void SetPoints(const LoopSeries &series);
    // Deletes the points of the CO trace.
    void ClearCO();
    QLineSeries *Series(int index) const { return m_series[static_cast<std::size_t>(index)]; }
    // What trace index (0 PV, 1 SP, 2 MV) draws.
    const ChartPoints *Trace(int index) const { return m_traces[static_cast<std::size_t>(index)]; }
    // The points of the longest series.
    int Count() const;

    QValueAxis *BottomAxis() const { return m_bottomAxis; }
    QValueAxis *LeftAxis() const { return m_leftAxis; }
    // What the axes show once any glide has ended.
    AxisRange BottomRange() const { return m_bottomRange; }
    AxisRange LeftRange() const { return m_leftRange; }
    bool BottomAutomatic() const { return m_bottomAutomatic; }
    bool LeftAutomatic() const { return m_leftAutomatic; }
    void SetAutomatic(bool bottom, bool left);
    // Fixed ranges; the other axis keeps its mode.
    void SetBottomRange(double minimum, double maximum);
    void SetLeftRange(double minimum, double maximum);

    // Mouse zoom: a rectangle dragged with the left button while allowed.
    bool AllowZoom() const { return m_allowZoom; }
    void SetAllowZoom(bool allow);
    // The zoom undone, as the right button does it: both axes automatic again.
    void UndoZoom();

    // The axes glide to a new zoom instead of jumping.
    void SetZoomAnimated(bool animated);
    bool ZoomAnimated() const { return m_glide != nullptr; }
    bool Gliding() const;
    static constexpr int kGlideMilliseconds = 1000;
    // Bottom labels without trailing zeros and with at most three decimals ("###0.###"); the
    // ticks then never come closer than 0.001.
    void SetBottomLabelsWithThreeDecimalsAtMost();

    int MaxPointsPerPage() const { return m_pointsPerPage; }
    void SetMaxPointsPerPage(int points);
    int Page() const { return m_page; }
    void SetPage(int page);
    int NumPages() const;

signals:
    // The end of a mouse zoom: the axes hold the zoomed window.
    void zoomed();
    void zoomUndone();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    void rescale();
    // Every range change goes through here: at once, or as a glide from what the axes show.
    void showRanges(AxisRange bottom, AxisRange left);
    void showFrame(double progress);

    std::array<QLineSeries *, 3> m_series{};
    std::array<ChartPoints *, 3> m_traces{};
    QValueAxis *m_bottomAxis = nullptr;
    QValueAxis *m_leftAxis = nullptr;
    AxisRange m_bottomRange;
    AxisRange m_leftRange{0.0, 100.0};
    QVariantAnimation *m_glide = nullptr;
    AxisRange m_glideFromBottom;
    AxisRange m_glideFromLeft;
    bool m_bottomAutomatic = true;
    bool m_leftAutomatic = true;
    bool m_allowZoom = false;
    bool m_dragging = false;
    double m_bottomFinestTick = 0.0;
    int m_pointsPerPage = 1800;
    int m_page = 1;
};

} // namespace zelvar
