#pragma once

// What the window benchmarks share: dialogs that nobody answers, and a run on the offscreen
// platform that prints, after Google Benchmark's own table, each new path's figure beside the
// old path's and their ratio.
#include "services/userdialogs.h"

#include <QApplication>
#include <QUrl>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace zelvar::bench {

// Every question is No, every dialog cancelled.
class NoDialogs : public UserDialogs
{
public:
    bool askYesNo(QWidget *, const QString &) override { return false; }
    void inform(QWidget *, const QString &) override {}
    void showError(QWidget *, const QString &) override {}
    QString openFile(QWidget *, const FileDialogRequest &) override { return {}; }
    QString saveFile(QWidget *, const FileDialogRequest &) override { return {}; }
    void openUrl(const QUrl &) override {}
};

// The console table, plus the real time in milliseconds of every benchmark by name.
class RememberingReporter : public benchmark::ConsoleReporter
{
public:
    void ReportRuns(const std::vector<Run> &runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run &run : runs) {
            const double seconds
                = run.GetAdjustedRealTime() / benchmark::GetTimeUnitMultiplier(run.time_unit);
            times[run.benchmark_name()] = seconds * 1000.0;
        }
    }

    std::map<std::string, double> times;
};

struct Comparison
{
    const char *what;
    const char *newPath; // benchmark names as the table shows them
    const char *oldPath;
};

inline int RunAndCompare(int argc, char **argv, const std::vector<Comparison> &comparisons)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // The offscreen platform's notes on window placement are of no interest here.
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &) {});
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    RememberingReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    std::printf("\n%-48s %12s %12s %8s\n", "", "now", "series path", "ratio");
    for (const Comparison &comparison : comparisons) {
        const auto now = reporter.times.find(comparison.newPath);
        const auto old = reporter.times.find(comparison.oldPath);
        if (now == reporter.times.end() || old == reporter.times.end())
            continue;
        std::printf("%-48s %9.1f ms %9.1f ms %7.1fx\n",
                    comparison.what,
                    now->second,
                    old->second,
                    old->second / now->second);
    }
    return 0;
}

} // namespace zelvar::bench
