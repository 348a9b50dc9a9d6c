// The fast simulation from the click on "Simular" to the painted charts, on the offscreen
// platform, for the typical plant of bench/fastrun_bench.cpp: a 4-hour run sampled every second
// (14 400 points a trace) with an SP step, the data file and the indices. The window waits
// 110 ms before it runs, as the timer needs; the target is the rest, "beyond the pause", at
// most 0.4 s (the counter beyond_pause_ms; RunWithoutWindow is the model's share of it, on the
// same machine at the same time). The hand-over of the run's traces to the ten upper
// charts and their painting runs once more on the toolkit's line series, the way the window
// drew before, and the ratio is printed at the end.
// Run: build/release/bench/fastrun_ui_bench
#include "bench/benchplants.h"
#include "bench/ui/uibench.h"
#include "documents/model/plant.h"
#include "engine/model/randomsource.h"
#include "instruments/model/fastsimulation.h"
#include "instruments/ui/fastsimulationwindow.h"
#include "instruments/ui/performancechart.h"
#include "services/session.h"

#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QLineSeries>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QValueAxis>

#include <algorithm>
#include <array>
#include <chrono>
#include <memory>

namespace {

using namespace zelvar;

constexpr double kPauseMs = 110.0;

double Milliseconds(std::chrono::steady_clock::time_point since)
{
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - since)
        .count();
}

void choose(QWidget &window, const char *name, int index)
{
    auto *list = window.findChild<QComboBox *>(QString::fromLatin1(name));
    list->setCurrentIndex(index);
    emit list->activated(index);
}

void ClickToPaintedCharts(benchmark::State &state)
{
    const QTemporaryDir folder;
    const QString previousFolder = QDir::currentPath();
    QDir::setCurrent(folder.path());
    double beyondPause = 0.0;
    double clicked = 0.0;
    for (auto _ : state) {
        state.PauseTiming();
        Session session(folder.path());
        session.SetRunning(false);
        bench::FillPlant(session.plant(), bench::kTypical);
        bench::NoDialogs dialogs;
        TAboutBox window(session, nullptr, &dialogs);
        window.resize(1000, 700);
        window.show();
        choose(window, "JanelaComboBox", 3); // 4 hours
        choose(window, "TACombo", 0);
        choose(window, "SinalTesteCombo", 2);
        QCoreApplication::processEvents();
        state.ResumeTiming();

        const auto start = std::chrono::steady_clock::now();
        window.findChild<QPushButton *>(QStringLiteral("BTNSimular"))->click();
        clicked = Milliseconds(start);
        QCoreApplication::processEvents();
        window.repaint();
        beyondPause = Milliseconds(start) - kPauseMs;

        state.PauseTiming();
        const auto *chart = window.findChild<PerformanceChart *>(QStringLiteral("ChartM1"));
        if (chart->Count() != 14400)
            state.SkipWithError("the run did not give 14 400 points");
        state.ResumeTiming();
    }
    QDir::setCurrent(previousFolder);
    state.counters["beyond_pause_ms"] = beyondPause;
    // What painting the window adds after the click's own work.
    state.counters["painting_ms"] = beyondPause + kPauseMs - clicked;
}
BENCHMARK(ClickToPaintedCharts)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

// The run the click makes, without the window: the model's part of the click.
LoopCharts ModelRun()
{
    const QTemporaryDir folder;
    // The plant as the program holds it, with the start-up memories, like the window's.
    auto plant = std::make_unique<Plant>();
    plant->memories.SetStartupDefaults();
    bench::FillPlant(*plant, bench::kTypical);
    StandardRandomSource random(12345);
    StepContext context;
    context.random = &random;
    PerformanceWindow window = bench::FourHourRunPanel();
    PerformanceTables tables;
    SimulateFromPanel(
        window, tables, *plant, context, folder.path().toStdString(), Language::Portuguese);
    return window.upperCharts;
}

void RunWithoutWindow(benchmark::State &state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(ModelRun());
}
BENCHMARK(RunWithoutWindow)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

// The traces of one 4-hour run of the typical plant.
const LoopCharts &RunTraces()
{
    static const LoopCharts traces = ModelRun();
    return traces;
}

// The chart as the window built it before: three line series that get every point.
class SeriesChart : public QChartView
{
public:
    explicit SeriesChart(QWidget *parent)
        : QChartView(parent)
    {
        auto *chart = new QChart;
        chart->legend()->hide();
        m_x = new QValueAxis(chart);
        m_y = new QValueAxis(chart);
        chart->addAxis(m_x, Qt::AlignBottom);
        chart->addAxis(m_y, Qt::AlignLeft);
        for (auto &series : m_series) {
            series = new QLineSeries(chart);
            series->setPen(QPen(Qt::red, 2));
            chart->addSeries(series);
            series->attachAxis(m_x);
            series->attachAxis(m_y);
        }
        setChart(chart);
    }

    void SetPoints(const LoopSeries &loop)
    {
        const std::array<const std::vector<double> *, 3> values = {&loop.PV, &loop.SP, &loop.CO};
        double low = 0.0;
        double high = 100.0;
        for (std::size_t i = 0; i < values.size(); ++i) {
            QList<QPointF> points;
            points.reserve(static_cast<qsizetype>(values[i]->size()));
            for (std::size_t n = 0; n < values[i]->size(); ++n) {
                points.append(QPointF(static_cast<double>(n), (*values[i])[n]));
                low = std::min(low, (*values[i])[n]);
                high = std::max(high, (*values[i])[n]);
            }
            m_series[i]->replace(points);
        }
        m_x->setRange(0, std::max<std::size_t>(1, loop.PV.size()) - 1.0);
        m_y->setRange(low, high);
    }

private:
    std::array<QLineSeries *, 3> m_series{};
    QValueAxis *m_x = nullptr;
    QValueAxis *m_y = nullptr;
};

// Ten charts in a notebook, the first one in sight, as the window has them.
template<typename Chart> void TracesToPaintedCharts(benchmark::State &state)
{
    const LoopCharts &traces = RunTraces();
    for (auto _ : state) {
        state.PauseTiming();
        QTabWidget notebook;
        std::array<Chart *, kLoopCount + 1> charts{};
        for (int k = 1; k <= kLoopCount; ++k) {
            charts[static_cast<std::size_t>(k)] = new Chart(&notebook);
            notebook.addTab(charts[static_cast<std::size_t>(k)], QString::number(k));
        }
        notebook.resize(1000, 500);
        notebook.show();
        QCoreApplication::processEvents();
        state.ResumeTiming();

        for (int k = 1; k <= kLoopCount; ++k)
            charts[static_cast<std::size_t>(k)]->SetPoints(traces[static_cast<std::size_t>(k)]);
        QCoreApplication::processEvents();
        notebook.repaint();
    }
}

class NowChart : public PerformanceChart
{
public:
    explicit NowChart(QWidget *parent)
        : PerformanceChart(QStringLiteral("Chart"), parent)
    {}
};

BENCHMARK_TEMPLATE(TracesToPaintedCharts, NowChart)
    ->Name("TracesToPaintedCharts/now")
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(5);
BENCHMARK_TEMPLATE(TracesToPaintedCharts, SeriesChart)
    ->Name("TracesToPaintedCharts/series")
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(3);

} // namespace

int main(int argc, char **argv)
{
    return zelvar::bench::RunAndCompare(argc,
                                        argv,
                                        {{"a run's traces to ten charts, painted",
                                          "TracesToPaintedCharts/now/iterations:5/real_time",
                                          "TracesToPaintedCharts/series/iterations:3/real_time"}});
}
