#pragma once

#include <QChartView>

#include <array>
#include <vector>

class QLineSeries;
class QValueAxis;

namespace zelvar {

struct LoopSeries;

// One loop's chart of the performance window: series 0 "PV" (red), 1 "SP" (blue) and 2 "MV"
// (green, the CO), X the sample number. Each axis either scales to the points of the current
// page or keeps a range it was given (a zoom, a copied zoom, the 0-100 % scale). Points go in
// all at once; paging shows MaxPointsPerPage points at a time, pages counting from 1.
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
    // The points of the longest series.
    int Count() const;

    QValueAxis *BottomAxis() const { return m_bottomAxis; }
    QValueAxis *LeftAxis() const { return m_leftAxis; }
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

    std::array<QLineSeries *, 3> m_series{};
    std::array<std::vector<double>, 3> m_values;
    QValueAxis *m_bottomAxis = nullptr;
    QValueAxis *m_leftAxis = nullptr;
    bool m_bottomAutomatic = true;
    bool m_leftAutomatic = true;
    bool m_allowZoom = false;
    bool m_dragging = false;
    int m_pointsPerPage = 1800;
    int m_page = 1;
};

} // namespace zelvar
