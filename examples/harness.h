#pragma once

#include "documents/model/plant.h"
#include "engine/model/randomsource.h"
#include "instruments/model/fastsimulation.h"

#include <array>
#include <cstdint>
#include <functional>
#include <memory>

namespace zelvar::examples {

// Steps a plant headless in the engine's order at 0.1 s, with a seeded random source for the
// noise rows, keeping the plant time.
class Scenario
{
public:
    static constexpr double kTimeStep = 0.1;

    explicit Scenario(Plant &plant, std::uint32_t seed = 14);

    Plant &plant() { return m_plant; }
    double Time() const { return m_time; }

    // Steps for the given plant time; each (when given) sees the plant after every step.
    void Run(double seconds, const std::function<void()> &each = {});

    // Operator actions.
    void SetSetpoint(int loop, double percent);
    void PressButton(int k); // toggles M(96 + k) as a click on the command panel does

private:
    Plant &m_plant;
    StandardRandomSource m_random;
    StepContext m_context;
    double m_time = 0.0;
};

// A loop's answer to a setpoint step, measured from the moment of the step.
struct StepResponse
{
    double overshoot = 0.0; // % of the step
    double t90 = 0.0;       // s until the PV first covers 90 % of the step
    double settling = 0.0;  // s after which the PV stays within band % (of range) of the SP
    double iae = 0.0;       // integral of |SP - PV|, %·s
};

// Steps the setpoint of the loop to `to` percent and watches for `seconds`.
StepResponse SetpointStep(Scenario &scenario, int loop, double to, double seconds, double band);

// A load change made by `act`, watched for `seconds` on the loop.
struct LoadResponse
{
    double minPv = 0.0;
    double maxPv = 0.0;
    double recovery = 0.0; // s after which the PV stays within band % of the SP
    double iae = 0.0;
    double finalOutput = 0.0;
};
LoadResponse LoadChange(
    Scenario &scenario, int loop, const std::function<void()> &act, double seconds, double band);

// The fast run as a trainee starts it on the plant as it stands: "30 min" at "100 ms" with the
// test signal (2 SP step, 3 disturbance step, 1 none) and its amplitude, normalised, its noise
// drawn from the seed. Returns the charts of every loop.
LoopCharts FastRun(Plant &plant, int testSignal, int amplitude, std::uint32_t seed = 41);

// A fresh copy of the plant as it stands, through the plant file as the program's save and open
// would make it, for figures that need the same start more than once.
std::unique_ptr<Plant> CopyOf(const Plant &plant);

// Where a figure hangs on the moment of the operator's action (the phase of a cycle a valve's
// stick-slip keeps up), the smallest and the largest of `measure` over moments `from` to `to` s
// after opening, `every` s apart, each on its own copy of the plant (measure runs the copy for
// the moment, then acts).
std::array<double, 2>
RangeOverMoments(const Plant &plant,
                 double from,
                 double to,
                 double every,
                 const std::function<double(Plant &, double moment)> &measure);

// The program's noise comes from one source seeded at start-up, so every opening and every run
// draws other numbers: a figure that rests on the noise is what a trainee meets on average, the
// mean of `measure` over kNoiseSeeds seeds, each on its own copy of the plant as it stands
// (measure acts on the copy and hands the seed to its run or scenario).
inline constexpr int kNoiseSeeds = 20;
double MeanOverNoiseSeeds(const Plant &plant,
                          const std::function<double(Plant &, std::uint32_t seed)> &measure);

// A loop's fast-run figures from its chart, with the full precision the index boxes round.
struct FastRunFigures
{
    double iem = 0.0;      // mean of SP - PV
    double iema = 0.0;     // mean of |SP - PV|
    double endError = 0.0; // SP - PV at the last sample
};
FastRunFigures FiguresOf(const LoopSeries &series);

} // namespace zelvar::examples
