// The XY recorder with large clouds, on the offscreen platform, with the typical plant of the
// fast-run benchmark. The click on "Registra" after two one-hour sweeps (72 000 points) sweeps
// a third hour and shows all 108 000 points: the target is the window updated within 0.3 s of
// the click (XYClickWith108000Points). A repaint of a 200 000-point cloud at a new scale should
// take at most 50 ms (CloudRepaint/200000). The hand-over and the repaint of 108 000 points run
// again on the toolkit's scatter series, the way the window drew before (about 40 s to fill),
// and the ratios are printed at the end.
// Run: build/release/bench/xyrecorder_ui_bench
#include "bench/benchplants.h"
#include "bench/ui/uibench.h"
#include "instruments/model/xyrecorder.h"
#include "instruments/ui/chartpoints.h"
#include "instruments/ui/xyrecorderwindow.h"
#include "services/session.h"

#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QPushButton>
#include <QScatterSeries>
#include <QTemporaryDir>
#include <QValueAxis>

#include <algorithm>
#include <chrono>
#include <random>

namespace {

using namespace zelvar;

constexpr int kSweeps = 3;
constexpr std::size_t kCloud = 200000;

double Seconds(std::chrono::steady_clock::time_point since)
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - since).count();
}

// The plant's XY recorder on a loop that keeps moving: M21 follows the generator's sine.
class XYWindow
{
public:
    XYWindow()
    {
        m_session.SetRunning(false);
        // The typical plant of the fast-run benchmark, so that the sweep has work to do.
        bench::FillPlant(m_session.plant(), bench::kTypical);
        m_window.resize(900, 640);
        m_window.show();
        choose("JanelaComboBox", 2); // "1 hora"
        choose("ComboX", 80);        // M81
        choose("ComboY", 81);        // M82
        QCoreApplication::processEvents();
    }

    void choose(const char *name, int index)
    {
        auto *list = m_window.findChild<QComboBox *>(QString::fromLatin1(name));
        list->setCurrentIndex(index);
        emit list->activated(index);
    }

    // "Registra", then the repaint the click leads to.
    void Registra()
    {
        m_window.findChild<QPushButton *>(QStringLiteral("Button1"))->click();
        QCoreApplication::processEvents();
        m_window.repaint();
        QCoreApplication::processEvents();
    }

    std::size_t Points() const { return m_session.plant().xyRecorder.Series1().size(); }
    void Clear() { m_session.plant().xyRecorder.Clear(); }

private:
    QTemporaryDir m_folder;
    Session m_session{m_folder.path()};
    TRegXY m_window{m_session};
};

void XYClickWith108000Points(benchmark::State &state)
{
    XYWindow window;
    for (auto _ : state) {
        window.Clear();
        for (int sweep = 1; sweep < kSweeps; ++sweep)
            window.Registra();
        const auto start = std::chrono::steady_clock::now();
        window.Registra();
        state.SetIterationTime(Seconds(start));
        if (window.Points() != 36000u * kSweeps)
            state.SkipWithError("the sweeps did not give 108 000 points");
    }
}
BENCHMARK(XYClickWith108000Points)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(3);

std::vector<QPointF> Cloud(std::size_t count)
{
    std::mt19937 random(7);
    std::normal_distribution<double> spread(50.0, 15.0);
    std::vector<QPointF> points(count);
    for (QPointF &point : points)
        point = QPointF(spread(random), spread(random));
    return points;
}

// A chart as the window has it: axes, an empty series for the zoom, and the cloud item or the
// toolkit's scatter series.
class CloudChart
{
public:
    explicit CloudChart(bool series)
    {
        auto *chart = new QChart;
        chart->legend()->hide();
        m_scatter = new QScatterSeries;
        m_scatter->setMarkerShape(QScatterSeries::MarkerShapeCircle);
        m_scatter->setMarkerSize(3.0);
        m_scatter->setColor(Qt::red);
        m_scatter->setBorderColor(Qt::red);
        chart->addSeries(m_scatter);
        m_x = new QValueAxis;
        m_y = new QValueAxis;
        chart->addAxis(m_x, Qt::AlignBottom);
        chart->addAxis(m_y, Qt::AlignLeft);
        m_scatter->attachAxis(m_x);
        m_scatter->attachAxis(m_y);
        if (!series)
            m_cloud = new ChartPoints(chart, m_x, m_y, {ChartPointsStyle::Kind::Dots, Qt::red, 1});
        m_view.setChart(chart);
        m_view.resize(900, 600);
        m_view.show();
    }

    void SetPoints(const std::vector<QPointF> &points)
    {
        if (m_cloud) {
            ChartData data;
            for (const QPointF &point : points) {
                data.xs.push_back(point.x());
                data.ys.push_back(point.y());
            }
            m_cloud->SetData(std::move(data));
        } else {
            m_scatter->replace(QList<QPointF>(points.begin(), points.end()));
        }
        QCoreApplication::processEvents();
    }

    // A new scale: everything is drawn again.
    void Rescale(int step)
    {
        m_x->setRange(-step, 100 + step);
        m_y->setRange(-step, 100 + step);
        QCoreApplication::processEvents();
        m_view.viewport()->repaint();
    }

private:
    QChartView m_view;
    QScatterSeries *m_scatter = nullptr;
    ChartPoints *m_cloud = nullptr;
    QValueAxis *m_x = nullptr;
    QValueAxis *m_y = nullptr;
};

// The chart of the toolkit's series path, kept from its hand-over for its repaints: filling it
// takes longer than everything else here together.
std::unique_ptr<CloudChart> &SeriesChart()
{
    static std::unique_ptr<CloudChart> chart;
    return chart;
}

// The same hand-over to the cloud item.
void XYCloudPathWith108000Points(benchmark::State &state)
{
    const std::vector<QPointF> points = Cloud(36000u * kSweeps);
    for (auto _ : state) {
        CloudChart chart(false);
        const auto start = std::chrono::steady_clock::now();
        chart.SetPoints(points);
        chart.Rescale(0);
        state.SetIterationTime(Seconds(start));
    }
}
BENCHMARK(XYCloudPathWith108000Points)
    ->Unit(benchmark::kMillisecond)
    ->UseManualTime()
    ->Iterations(3);

void CloudRepaint(benchmark::State &state)
{
    CloudChart chart(false);
    chart.SetPoints(Cloud(static_cast<std::size_t>(state.range(0))));
    int step = 0;
    for (auto _ : state)
        chart.Rescale(++step % 2);
}
BENCHMARK(CloudRepaint)
    ->Arg(kCloud)
    ->Arg(36000 * kSweeps)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(20);

// The window's old way: the whole cloud into the scatter series, the axes ranged to it.
void XYSeriesPathWith108000Points(benchmark::State &state)
{
    const std::vector<QPointF> points = Cloud(36000u * kSweeps);
    for (auto _ : state) {
        SeriesChart() = std::make_unique<CloudChart>(true);
        const auto start = std::chrono::steady_clock::now();
        SeriesChart()->SetPoints(points);
        SeriesChart()->Rescale(0);
        state.SetIterationTime(Seconds(start));
    }
}
BENCHMARK(XYSeriesPathWith108000Points)
    ->Unit(benchmark::kMillisecond)
    ->UseManualTime()
    ->Iterations(1);

void SeriesRepaint(benchmark::State &state)
{
    if (!SeriesChart()) {
        state.SkipWithError("runs only after XYSeriesPathWith108000Points");
        return;
    }
    int step = 0;
    for (auto _ : state)
        SeriesChart()->Rescale(++step % 2);
    SeriesChart().reset();
}
BENCHMARK(SeriesRepaint)->Arg(36000 * kSweeps)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace

int main(int argc, char **argv)
{
    return zelvar::bench::RunAndCompare(argc,
                                        argv,
                                        {{"108 000 points handed to the chart and drawn",
                                          "XYCloudPathWith108000Points/iterations:3/manual_time",
                                          "XYSeriesPathWith108000Points/iterations:1/manual_time"},
                                         {"repaint of a 108 000-point cloud",
                                          "CloudRepaint/108000/iterations:20",
                                          "SeriesRepaint/108000/iterations:3"}});
}
