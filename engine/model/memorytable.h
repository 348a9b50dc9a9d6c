#pragma once

#include <array>
#include <string>
#include <string_view>

namespace zelvar {

// A value in percent of a range, in the range's units: (high - low) x percent / 100 + low.
double EngineeringFromPercent(double low, double high, double percent);

// Whether the instruments can show a range: its span and its values from 0 to 100 percent are
// finite numbers. Ends near the largest double overflow there (-1e308 to 1e308 has no finite
// span), and every reading, scale label and typed setpoint of the range would be lost.
bool IsShowableRange(double low, double high);

// The signal bus: memories M1 to M99, each a value in percent of its engineering range with
// five texts (unit, range low and high, lower and upper alarm limit), plus 124 descriptions of
// which 101 to 124 name the actuator positions of process slots 1 to 24.
//
// Index 0 of every array is unused so that entry k is memory Mk. The table neither clamps nor
// checks what writers put in the values; SetValue keeps out indices outside 1-99 and
// non-finite numbers, so that no NaN or infinity ever reaches another object.
struct MemoryTable
{
    static constexpr int kMemoryCount = 99;
    static constexpr int kDescriptionCount = 124;
    static constexpr std::size_t kMaxTextLength = 255; // characters

    std::array<double, kMemoryCount + 1> MemoryValue{};
    std::array<std::string, kMemoryCount + 1> MemoryUnit;
    std::array<std::string, kMemoryCount + 1> MemoryUEMin;
    std::array<std::string, kMemoryCount + 1> MemoryUEMax;
    std::array<std::string, kMemoryCount + 1> MemoryLIE;
    std::array<std::string, kMemoryCount + 1> MemoryLSE;
    std::array<std::string, kDescriptionCount + 1> MemoryDescription;

    // Filled with the start-up defaults.
    MemoryTable();

    // Value 0, unit "%", range "0.0" to "100.00", limits "0.00" and "100.00", the fixed
    // descriptions (M11 to M20 and the actuator positions), every other description empty.
    void SetStartupDefaults();
    // As the start-up defaults, but the range low is "0.00" (what a new plant gets).
    void SetResetDefaults();

    static bool IsMemory(int k) { return k >= 1 && k <= kMemoryCount; }

    // 0 outside 1-99.
    double Value(int k) const
    {
        return IsMemory(k) ? MemoryValue[static_cast<std::size_t>(k)] : 0.0;
    }
    // Ignores indices outside 1-99 and non-finite values (the memory keeps its value).
    void SetValue(int k, double value);

    // The value in the memory's range (EngineeringFromPercent), the ends read from their texts.
    double EngineeringValue(int k) const;
    double RangeLow(int k) const;
    double RangeHigh(int k) const;

    // Description of entry 1-124; empty outside.
    const std::string &Description(int k) const;
    void SetDescription(int k, std::string_view text);
};

// Cuts a text to the 255 characters a memory text holds.
std::string LimitMemoryText(std::string_view text);

} // namespace zelvar
