#include "instruments/model/xyrecorder.h"

#include "engine/model/engineplant.h"
#include "engine/model/numbertext.h"
#include "engine/model/planttextfile.h"
#include "engine/model/steporder.h"
#include "instruments/model/fastrunscope.h"
#include "instruments/model/memorylist.h"

#include <algorithm>

namespace zelvar {

namespace {

constexpr double kSweepTimeStep = 0.1;
constexpr int kRecordLines = 19;

} // namespace

int XYRecorder::WindowSeconds() const
{
    switch (JanelaComboBox) {
    case 0:
        return 600;
    case 1:
        return 1800;
    default:
        return 3600;
    }
}

void XYRecorder::OpenXList()
{
    ComboX = 0;
    Presets = 0;
}

void XYRecorder::OpenYList()
{
    ComboY = 0;
    Presets = 0;
}

void XYRecorder::AddPoints(const std::vector<XYPoint> &points)
{
    const auto byX = [](const XYPoint &a, const XYPoint &b) {
        return a.x < b.x;
    };
    const auto middle = static_cast<std::ptrdiff_t>(m_points.size());
    m_points.insert(m_points.end(), points.begin(), points.end());
    std::stable_sort(m_points.begin() + middle, m_points.end(), byX);
    std::inplace_merge(m_points.begin(), m_points.begin() + middle, m_points.end(), byX);
}

std::string XYPresetItem(int index)
{
    if (index == 0)
        return "Seleção Individual";
    if (index < 1 || index >= XYRecorder::kPresetCount)
        return {};
    const int loop = (index + 1) / 2;
    return std::string(index % 2 == 1 ? "COxPV [Malha " : "COxMV [Malha ") + FormatFixed(loop, 0, 0)
           + "]";
}

void SelectXYPreset(XYRecorder &recorder, int index, const EnginePlant &plant)
{
    if (index < 0 || index >= XYRecorder::kPresetCount)
        return;
    recorder.Presets = index;
    if (index == 0)
        return;
    const int loop = (index + 1) / 2;
    if (!plant.controllers.IsPresent(loop))
        return;
    if (index % 2 == 1) {
        const int pv = plant.controllers[loop].Settings().VariavelSelect;
        recorder.ComboX = loop - 1;
        recorder.ComboY = NamesSignal(pv) ? pv : -1;
    } else {
        recorder.ComboX = loop - 1;
        recorder.ComboY = 99 + loop;
    }
}

std::vector<XYPoint> RunXYSweep(EnginePlant &plant,
                                StepContext &context,
                                int windowSeconds,
                                int x,
                                int y,
                                const ProgressCallback &progress)
{
    const FastRunScope fastRun(context, plant);
    context.TimeStep = kSweepTimeStep;
    const int steps = std::max(0, RoundHalfEven(windowSeconds / kSweepTimeStep));

    std::vector<XYPoint> points;
    points.reserve(static_cast<std::size_t>(steps));
    int shown = -1;
    for (int i = 0; i < steps; ++i) {
        const int percent = RoundHalfEven(i * 100.0 / steps);
        if (percent != shown && progress) {
            shown = percent;
            progress(percent);
        }
        StepPlant(plant, context);
        points.push_back({ReadListSignal(plant, x - 1), ReadListSignal(plant, y - 1)});
    }
    return points;
}

void RecordXYSweep(XYRecorder &recorder,
                   EnginePlant &plant,
                   StepContext &context,
                   const ProgressCallback &progress)
{
    if (!recorder.Button1Enabled())
        return;
    recorder.AddPoints(RunXYSweep(plant,
                                  context,
                                  recorder.WindowSeconds(),
                                  recorder.ComboX + 1,
                                  recorder.ComboY + 1,
                                  progress));
}

void SalvaParametros(const XYRecorder &recorder, PlantTextWriter &writer)
{
    (void)recorder; // none of its choices is stored
    writer.WriteLine("=====<<<REGISTRADOR XY>>>=====");
    for (int n = 1; n < kRecordLines; ++n) {
        std::string line = "{X/";
        if (n < 10)
            line += '0';
        line += FormatFixed(n, 0, 0);
        line += "} ";
        writer.WriteLine(line);
    }
}

void LeParametros(XYRecorder &recorder, PlantTextReader &reader)
{
    (void)recorder;
    for (int n = 0; n < kRecordLines; ++n)
        reader.SkipLine();
}

} // namespace zelvar
