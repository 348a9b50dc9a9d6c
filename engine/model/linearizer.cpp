#include "engine/model/linearizer.h"

#include "engine/model/engineplant.h"
#include "engine/model/numbertext.h"

#include <cmath>
#include <string_view>

namespace zelvar {

namespace {

constexpr int kOutputMemory = 13;

// A breakpoint edit: blanks around the number and a decimal comma are accepted. Works in a
// fixed buffer, since the step must not allocate; a longer text is read as it stands.
double ReadBreakpoint(std::string_view text)
{
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    std::array<char, 64> buffer{};
    if (text.size() > buffer.size())
        return ParseNumber(text).value;
    for (std::size_t i = 0; i < text.size(); ++i)
        buffer[i] = text[i] == ',' ? '.' : text[i];
    return ParseNumber(std::string_view(buffer.data(), text.size())).value;
}

} // namespace

void StepLinearizer(Linearizer &linearizer, EnginePlant &plant, const StepContext & /*context*/)
{
    std::string_view memoryText = linearizer.Lin1EndEnt;
    if (Utf8Length(memoryText) < 2)
        memoryText = "    ";
    const ParsedInteger memory = ParseInteger(Utf8Left(memoryText, 2));
    linearizer.LinearizerInputMemory = memory.value;
    const bool validMemory = memory.errorPosition == 0 && MemoryTable::IsMemory(memory.value);
    const double x = validMemory ? plant.memories.Value(memory.value) : 0.0;
    linearizer.LinearizerInput = x;

    auto &mv = linearizer.LinearizerMV;
    auto &pv = linearizer.LinearizerPV;
    mv[1] = ReadBreakpoint(linearizer.Lin1MV[1]);
    pv[1] = ReadBreakpoint(linearizer.Lin1PV[1]);
    for (std::size_t i = 1; i < Linearizer::kPoints; ++i) {
        mv[i + 1] = ReadBreakpoint(linearizer.Lin1MV[i + 1]);
        if (mv[i + 1] == 0.0)
            continue;
        pv[i + 1] = ReadBreakpoint(linearizer.Lin1PV[i + 1]);
        const double slope = (pv[i + 1] - pv[i]) / (mv[i + 1] - mv[i]);
        const double intercept = pv[i + 1] - slope * mv[i + 1];
        const double end = slope * mv[i + 1] + intercept;
        const bool usable = slope != 0.0 && std::isfinite(slope) && std::isfinite(intercept)
                            && std::isfinite(end);
        linearizer.LinearizerSlope[i] = usable ? slope : 0.0;
        linearizer.LinearizerIntercept[i] = usable ? intercept : 0.0;
        linearizer.LinearizerSegmentEnd[i] = usable ? end : 0.0;
    }

    for (std::size_t i = 1; i < Linearizer::kPoints; ++i) {
        const double slope = linearizer.LinearizerSlope[i];
        if (mv[i + 1] == 0.0 || slope == 0.0)
            continue;
        const bool last = i == Linearizer::kPoints - 1;
        if (last || x < linearizer.LinearizerSegmentEnd[i]) {
            plant.memories.SetValue(kOutputMemory,
                                    x / slope - linearizer.LinearizerIntercept[i] / slope);
            return;
        }
    }
}

} // namespace zelvar
