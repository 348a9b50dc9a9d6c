#include "instruments/model/recorder.h"

#include "engine/model/engineplant.h"
#include "engine/model/memorytable.h"
#include "engine/model/numbertext.h"
#include "engine/model/planttextfile.h"
#include "instruments/model/memorylist.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <string_view>

namespace zelvar {

namespace {

constexpr int kLastPen1Position = kMemoryListCount - 1;

// Label length beyond the pen name and unit, enough for any ordinary number.
constexpr std::size_t kLabelSlack = 32;

// "<name>: <number><separator><unit>", built in place so that a label that has reached its
// length is rewritten without allocating.
void ComposeLabel(std::string &label,
                  const std::string &name,
                  double number,
                  std::string_view separator,
                  std::string_view unit)
{
    label.assign(name);
    label += ": ";
    label += FormatFixed(number, 4, 2);
    label += separator;
    label += unit;
}

double Engineering(double low, double high, double percent)
{
    const double value = EngineeringFromPercent(low, high, percent);
    return std::isfinite(value) ? value : 0.0;
}

bool Pen1Position(int position)
{
    return position >= 0 && position <= kLastPen1Position;
}

// A list position the list holds, or no choice.
int ListPosition(int position, int last)
{
    return position >= -1 && position <= last ? position : -1;
}

std::string RecordNumber(int n)
{
    return FormatFixed(n, 0, 0);
}

} // namespace

Recorder::Recorder(int slot)
    : ObjectNumber(slot >= 1 && slot <= kCount ? 200 + slot : 0)
    , trend(RecorderReadoutText)
{}

void Recorder::Applied(const MemoryTable &memories)
{
    ApplyRecorderSettings(*this, memories);
}

bool Recorder::PenDrawn(int pen) const
{
    switch (pen) {
    case 1:
        return true;
    case 2:
        return !AzulLabel.empty();
    case 3:
        return !VerdeLabel.empty();
    default:
        return false;
    }
}

void ApplyRecorderSettings(Recorder &recorder, const MemoryTable &memories)
{
    const RecorderSettings &settings = recorder.Settings();
    recorder.CheckBox1Enabled = !settings.TagText.empty();

    const int position = settings.Variavel1Select;
    if (Pen1Position(position) && !NamesMemory(position)) {
        // An actuator position, or the signal without a value: plain percent.
        recorder.rangeLow = 0.0;
        recorder.rangeHigh = 100.0;
        recorder.unit = "%";
    } else {
        const int memory = NamesMemory(position) ? position + 1 : 1;
        const auto at = static_cast<std::size_t>(memory);
        recorder.rangeLow = ParseNumber(memories.MemoryUEMin[at]).value;
        recorder.rangeHigh = ParseNumber(memories.MemoryUEMax[at]).value;
        recorder.unit = memories.MemoryUnit[at];
    }

    recorder.trend.ApplySettingsScale(recorder.rangeLow, recorder.rangeHigh);
    recorder.Label1 = recorder.unit;
    recorder.Caption = settings.TagText + " - " + settings.DescricaoText;
    recorder.trend.UpdateArchiveIndicator();

    // The step rewrites the labels in place; give them room once here.
    recorder.VermelhoLabel.reserve(settings.Edit1.size() + recorder.unit.size() + kLabelSlack);
    recorder.AzulLabel.reserve(settings.Edit2.size() + recorder.unit.size() + kLabelSlack);
    recorder.VerdeLabel.reserve(settings.Edit3.size() + kLabelSlack);
}

void SelectRecorderPen3(Recorder &recorder, int position, const EnginePlant &plant)
{
    recorder.EditSettings(plant.memories, [&](RecorderSettings &settings) {
        settings.Variavel3Select = ListPosition(position, kNoneListPosition);
        const int loop = settings.Variavel3Select + 1;
        if (loop < 1 || loop > plant.controllers.kCount)
            return;
        if (settings.Edit2 == "SP")
            settings.Variavel2Select = 60 + loop - 1;
        if (settings.Edit1 == "PV" && plant.controllers.IsPresent(loop))
            settings.Variavel1Select = ListPosition(
                plant.controllers[loop].Settings().VariavelSelect, kLastPen1Position);
    });
}

void SetRecorderAutoScale(Recorder &recorder, const MemoryTable &memories, bool ticked)
{
    recorder.trend.EscalaAuto = ticked;
    ApplyRecorderSettings(recorder, memories);
}

bool EnterRecorderManualScale(Recorder &recorder, const MemoryTable &memories)
{
    Trend &trend = recorder.trend;
    if (trend.Archiving())
        return false;
    // Unticking "Auto" redraws at full range and rewrites the bound edits; the typed bounds
    // are what the user asked for.
    const std::string typedTop = trend.eSupText;
    const std::string typedBottom = trend.eInfText;
    if (trend.EscalaAuto)
        SetRecorderAutoScale(recorder, memories, false);
    trend.eSupText = typedTop;
    trend.eInfText = typedBottom;
    return trend.ApplyManualScale(recorder.rangeLow, recorder.rangeHigh);
}

void StepRecorder(Recorder &recorder, const EnginePlant &plant, const StepContext &context)
{
    (void)context; // a recorder samples per call, whatever the time step
    Trend &trend = recorder.trend;
    if (!trend.DueForSample())
        return;
    const RecorderSettings &settings = recorder.Settings();
    const double low = recorder.rangeLow;
    const double high = recorder.rangeHigh;

    double p1 = 0.0;
    double e1 = 0.0;
    if (Pen1Position(settings.Variavel1Select)) {
        p1 = ReadListSignal(plant, settings.Variavel1Select);
        e1 = Engineering(low, high, p1);
        ComposeLabel(recorder.VermelhoLabel, settings.Edit1, e1, " ", recorder.unit);
    } else {
        recorder.VermelhoLabel.clear();
    }

    double p2 = 0.0;
    double e2 = 0.0;
    const bool pen2 = NamesSignal(settings.Variavel2Select);
    if (pen2) {
        p2 = ReadListSignal(plant, settings.Variavel2Select);
        e2 = Engineering(low, high, p2);
        ComposeLabel(recorder.AzulLabel, settings.Edit2, e2, " ", recorder.unit);
    } else {
        recorder.AzulLabel.clear();
    }

    double p3 = 0.0;
    const bool pen3 = NamesSignal(settings.Variavel3Select);
    if (pen3) {
        p3 = ReadListSignal(plant, settings.Variavel3Select);
        ComposeLabel(recorder.VerdeLabel, settings.Edit3, p3, "", "%");
    } else {
        recorder.VerdeLabel.clear();
    }

    TrendSample sample;
    sample.value = {p1, p2, p3, 0.0};
    sample.updatePoint = {true, pen2, pen3, false};
    trend.Record(sample);

    if (trend.Archiving()) {
        const bool engineering = trend.UsarUE;
        trend.ArchiveSample(
            engineering ? e1 : p1, engineering ? e2 : p2, std::clamp(p3, 0.0, 100.0));
    }
}

std::string
StartRecorderArchive(Recorder &recorder, const std::filesystem::path &folder, Language language)
{
    const RecorderSettings &settings = recorder.Settings();
    if (settings.TagText.empty())
        return {};
    const std::string columns = settings.Edit1 + ";" + settings.Edit2 + ";" + settings.Edit3;
    return recorder.trend.StartArchive(folder, settings.TagText, columns, language);
}

std::string StopRecorderArchive(Recorder &recorder)
{
    return recorder.trend.StopArchive();
}

void CloseRecorderArchive(Recorder &recorder)
{
    recorder.trend.StopArchive();
    recorder.trend.TakeArchiveMessage();
}

std::string RecorderReadoutText(int slot, double value, double seconds)
{
    (void)slot;
    return "Y: " + FormatFixed(value, 4, 1) + " %" + "  T: " + FormatFixed(seconds, 4, 1) + " s";
}

void SaveRecorderSection(const Recorder &recorder, PlantTextWriter &writer)
{
    const RecorderSettings &settings = recorder.Settings();
    writer.WriteLine("=====<<<REGISTRADOR:" + RecordNumber(recorder.ObjectNumber) + ">>>=====");
    writer.WriteLine("{R/01} Tag:", settings.TagText);
    writer.WriteLine("{R/02} Desc:", settings.DescricaoText);
    writer.WriteLine("{R/03} Ind Lista Var1:", RecordNumber(settings.Variavel1Select));
    writer.WriteLine("{R/04} Desc Var1:", settings.Edit1);
    writer.WriteLine("{R/05} Ind Lista Var2:", RecordNumber(settings.Variavel2Select));
    writer.WriteLine("{R/06} Desc Var2:", settings.Edit2);
    writer.WriteLine("{R/07} Ind Lista Var3:", RecordNumber(settings.Variavel3Select));
    writer.WriteLine("{R/08} Desc Var3:", settings.Edit3);
    writer.WriteLine("{R/09} Ind Lista Base Tempo:", RecordNumber(recorder.trend.TimeBase()));
}

void LoadRecorderSection(Recorder &recorder, PlantTextReader &reader, Language language)
{
    const auto text = [&](std::size_t prefix) {
        return std::string(PickLanguage(reader.ReadValue(prefix), language));
    };
    reader.SkipLine();
    RecorderSettings loaded;
    // Tag and description come back as their edits hold them.
    loaded.TagText = LimitMemoryText(text(11));
    loaded.DescricaoText = LimitMemoryText(text(12));
    loaded.Variavel1Select = ListPosition(reader.ReadInteger(22), kLastPen1Position);
    loaded.Edit1 = text(17);
    loaded.Variavel2Select = ListPosition(reader.ReadInteger(22), kNoneListPosition);
    loaded.Edit2 = text(17);
    loaded.Variavel3Select = ListPosition(reader.ReadInteger(22), kNoneListPosition);
    loaded.Edit3 = text(17);
    const int timeBase = reader.ReadInteger(28);
    recorder.LoadSettings([&](RecorderSettings &settings) { settings = std::move(loaded); });
    recorder.trend.SetTimeBase(timeBase);
}

} // namespace zelvar

namespace zelvar {

void StepRecorders(SlotPool<Recorder, Recorder::kCount> &recorders,
                   const EnginePlant &plant,
                   const StepContext &context)
{
    for (int slot = 1; slot <= Recorder::kCount; ++slot) {
        if (recorders.IsPresent(slot))
            StepRecorder(recorders[slot], plant, context);
    }
}

} // namespace zelvar
