#include "examples/recorderlabels.h"

#include "engine/model/numbertext.h"

namespace zelvar::examples {

namespace {

struct Scale
{
    double low = 0.0;
    double high = 100.0;
    std::string unit = "%";

    bool operator==(const Scale &) const = default;
};

Scale TableScale(const MemoryTable &memories, int k)
{
    if (!MemoryTable::IsMemory(k))
        return {};
    return {memories.RangeLow(k),
            memories.RangeHigh(k),
            memories.MemoryUnit[static_cast<std::size_t>(k)]};
}

// The scale the memory's percent is of.
Scale TrueScale(const Plant &plant, int k)
{
    const int loop = k - 60;
    if (loop >= 1 && loop <= 10 && plant.controllers.IsPresent(loop))
        return TableScale(plant.memories, plant.controllers[loop].Settings().VariavelSelect + 1);
    return TableScale(plant.memories, k);
}

std::string Describe(const Scale &scale)
{
    return FormatFixed(scale.low, 0, 2) + ".." + FormatFixed(scale.high, 0, 2) + " " + scale.unit;
}

} // namespace

std::vector<std::string> MisstatedRecorderPens(const Plant &plant)
{
    std::vector<std::string> misstated;
    for (int slot = 1; slot <= Recorder::kCount; ++slot) {
        if (!plant.recorders.IsPresent(slot))
            continue;
        const RecorderSettings &s = plant.recorders[slot].Settings();
        const auto note = [&](int pen, int memory, const Scale &shown, const Scale &read) {
            misstated.push_back(s.TagText + " pen " + std::to_string(pen) + " (M"
                                + std::to_string(memory) + "): shown on " + Describe(shown)
                                + ", reads " + Describe(read));
        };
        // No choice is pen 1 on memory 1; "Nenhum" and no choice leave pens 2 and 3 off.
        const int m1 = s.Variavel1Select >= 0 ? s.Variavel1Select + 1 : 1;
        const Scale shown = TableScale(plant.memories, m1);
        if (TrueScale(plant, m1) != shown)
            note(1, m1, shown, TrueScale(plant, m1));
        const int m2 = s.Variavel2Select + 1;
        if (m2 >= 1 && m2 <= MemoryTable::kDescriptionCount && TrueScale(plant, m2) != shown)
            note(2, m2, shown, TrueScale(plant, m2));
        // Pen 3 prints percent of range with "%": false only for a percent quantity whose
        // range is not 0-100, where the printed figure reads as the quantity itself.
        const int m3 = s.Variavel3Select + 1;
        const Scale third = TrueScale(plant, m3);
        if (m3 >= 1 && m3 <= MemoryTable::kDescriptionCount && third.unit == "%"
            && third != Scale{})
            note(3, m3, Scale{}, third);
    }
    return misstated;
}

} // namespace zelvar::examples
