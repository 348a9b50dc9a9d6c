#pragma once

#include "engine/model/stepcontext.h"

#include <array>
#include <cstdint>
#include <string>

namespace zelvar {

struct EnginePlant;

// The linearizer inverts a six-point table PV(MV) and writes the MV for its input to M13:
//
//   segment i joins breakpoints i and i+1:  slope_i = (PV_i+1 - PV_i) / (MV_i+1 - MV_i),
//                                            intercept_i = PV_i+1 - slope_i MV_i+1,
//                                            end_i = slope_i MV_i+1 + intercept_i
//   M13 = (x - intercept_i) / slope_i        for the first segment i (1-4) with x < end_i;
//                                            segment 5 takes every x that is left
//
// A breakpoint MV of 0 (after the first) switches off the segment that ends at it, and its PV
// is not read in that step; if no segment takes x, M13 keeps its value. A segment whose slope
// is 0 or not finite (two equal MV breakpoints, two equal PV values) is not used.
//
// The texts are read at every step, so an edit acts at once. Breakpoints accept surrounding
// blanks and a decimal comma; what does not read as a number counts as the digits read before
// the fault. The first two characters of Lin1EndEnt name the input memory ("01 MV" reads M1);
// anything but 01-99 reads the input as 0.
struct Linearizer
{
    static constexpr int kPoints = 6;

    // Settings (the configuration window's "Linearizador" panel); index 0 unused.
    bool Lin1Ativar = false; // stepped only while ticked
    std::string Lin1EndEnt = "01 MV";
    std::array<std::string, kPoints + 1> Lin1MV{"", "0", "20", "40", "60", "80", "100"};
    std::array<std::string, kPoints + 1> Lin1PV{"", "0", "20", "40", "60", "80", "100"};

    // Working values as the last step left them; index 0 unused.
    std::int32_t LinearizerInputMemory = 0;
    double LinearizerInput = 0.0;
    std::array<double, kPoints + 1> LinearizerMV{};
    std::array<double, kPoints + 1> LinearizerPV{};
    std::array<double, kPoints> LinearizerSlope{}; // 0 for a segment not usable
    std::array<double, kPoints> LinearizerIntercept{};
    std::array<double, kPoints> LinearizerSegmentEnd{};
};

// Writes M13 (or leaves it); no time step, nothing shown.
void StepLinearizer(Linearizer &linearizer, EnginePlant &plant, const StepContext &context);

} // namespace zelvar
