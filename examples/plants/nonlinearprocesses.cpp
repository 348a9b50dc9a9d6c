// Processos Não Lineares | Nonlinear processes: four identical flow loops, each with one
// nonlinearity of its final element: stiction, backlash, an equal-percentage valve and a
// variable-speed pump with an acceleration ramp.
#include "documents/model/plantoperations.h"
#include "examples/example.h"
#include "examples/harness.h"
#include "examples/pidpainter.h"
#include "examples/plantbuilder.h"
#include "examples/plants/samplestatistics.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <string>
#include <vector>

namespace zelvar::examples {

namespace {

// The process lines of loops 1-4.
constexpr std::array<int, 4> kLineY{110, 240, 370, 500};
// Loop 4's pump lifts its line: suction below, discharge at the line.
constexpr int kSuctionDrop = 28;

int TransmitterY(int loop)
{
    const int y = kLineY[static_cast<std::size_t>(loop - 1)];
    return loop == 4 ? y + kSuctionDrop : y;
}

void Build(PlantBuilder &b)
{
    b.Title("Processos não lineares|Nonlinear processes");
    b.Memory(15, {.unit = "%/s", .low = "0", .high = "10"});
    // A supply-pressure oscillation of +-5 %, reaching the loops through switch 1.
    b.GeneratorRow(81, {.kind = kSine, .description = "40", .min = "-5", .max = "5"});
    const std::string gain = "1+M11*M81/100";
    struct Loop
    {
        const char *transmitter;
        const char *controller;
        const char *description;
        const char *kc;
    };
    const std::array<Loop, 4> loops{{
        {"FT-101", "FIC-101", "Vazão - válvula com agarramento|Flow - sticky valve", "1.0"},
        {"FT-102",
         "FIC-102",
         "Vazão - válvula com folga (histerese)|Flow - valve with backlash",
         "1.0"},
        // Tuned at 50 % flow, where the valve's gain is 1.48.
        {"FT-103",
         "FIC-103",
         "Vazão - válvula igual porcentagem|Flow - equal-percentage valve",
         "0.68"},
        {"FT-104", "SIC-104", "Vazão - bomba com variador (rampa)|Flow - VSD pump (ramp)", "1.0"},
    }};
    for (int k = 1; k <= 4; ++k) {
        const Loop &loop = loops[static_cast<std::size_t>(k - 1)];
        const int y = kLineY[static_cast<std::size_t>(k - 1)];
        b.Memory(20 + k, {.unit = "m3/h", .low = "0", .high = "100"});
        // Loop k drives process slot k, so the XY presets "COxMV [Malha k]" show each final
        // element's characteristic.
        b.Process(k,
                  {.tag = loop.transmitter,
                   .description = loop.description,
                   .input = k,
                   .gain = gain,
                   .deadTime = "0.5",
                   .tau1 = "2",
                   .tau2 = "1",
                   .valveCurve = k == 3 ? 2 : 0,
                   .backlash = k == 2 ? "4" : "0",
                   .stiction = k == 1 ? "3" : "0",
                   .rate = k == 4 ? "M15/10" : "0",
                   .left = 150,
                   .top = TransmitterY(k) - 56});
        b.Controller(k,
                     {.tag = loop.controller,
                      .description = loop.description,
                      .pv = 20 + k,
                      .setpoint = 50,
                      .kc = loop.kc,
                      .ti = "2.5",
                      .left = 290,
                      .top = y - 60});
        b.Recorder(k,
                   {.tag = "TR-10" + std::to_string(k),
                    .description = loop.description,
                    .pen1 = 20 + k,
                    .pen2 = 60 + k,
                    .pen3 = k,
                    .timeBase = 0,
                    .left = 820,
                    .top = 20 + 30 * (k - 1)});
        b.Text(k,
               {.description = "Vazão|Flow",
                .memory = 20 + k,
                .decimals = 1,
                .left = 190,
                .top = TransmitterY(k) + 22});
        b.Text(4 + k,
               {.description = k == 4 ? "Rotação|Speed" : "Abertura|Opening",
                .memory = k,
                .decimals = 1,
                .left = 600,
                .top = y + 22});
    }
    // At 0 the ramp is unlimited.
    b.Slider(1, {.name = "Rampa do variador|VSD ramp", .percent = 20, .left = 600, .top = 415});
    b.Switch(1, {.orientation = 2, .on = false, .left = 820, .top = 300});
    b.Text(9,
           {.kind = TextKind::Binary,
            .description = "Perturbação de pressão|Pressure disturbance",
            .memory = 11,
            .expression = "Desligada/Ligada|Off/On",
            .left = 820,
            .top = 372});
}

void Draw(PidPainter &p)
{
    const QString notes[4][2]
        = {{QStringLiteral("agarramento 3 %"), QStringLiteral("stiction 3 %")},
           {QStringLiteral("folga 4 %"), QStringLiteral("backlash 4 %")},
           {QStringLiteral("=%"), QStringLiteral("=%")},
           {QStringLiteral("rampa"), QStringLiteral("ramp")}};
    for (int k = 1; k <= 4; ++k) {
        const double y = kLineY[static_cast<std::size_t>(k - 1)];
        const double ft = TransmitterY(k);
        const QString number = QStringLiteral("10") + QString::number(k);
        p.Orifice({250, ft});
        p.SignalLine({{250, ft - 16}, {250, ft - 27}});
        p.Bubble({250, ft - 45}, QStringLiteral("FT-") + number);
        p.SignalLine({{250, ft - 63}, {250, y - 67}, {380, y - 67}});
        p.Bubble({398, y - 67},
                 (k == 4 ? QStringLiteral("SIC-") : QStringLiteral("FIC-")) + number);
        if (k < 4) {
            p.ProcessLine({{40, y}, {760, y}}, true);
            p.ControlValve({520, y});
            p.SignalLine({{416, y - 67}, {520, y - 67}, {520, y - 42}});
            p.Text({495, y + 32}, QStringLiteral("FV-") + number, true);
            if (k == 3)
                p.Text({545, y - 14}, notes[2][0], true, 11);
            else
                p.Label({545, y - 14}, notes[k - 1][0], notes[k - 1][1]);
        } else {
            p.ProcessLine({{40, ft}, {492, ft}});
            p.Pump({520, ft}, 28);
            p.ProcessLine({{548, y}, {760, y}}, true);
            p.Tank({500, y - 72, 40, 24});
            p.Text({510, y - 55}, QStringLiteral("SC"), true);
            p.SignalLine({{416, y - 67}, {460, y - 67}, {460, y - 60}, {500, y - 60}});
            p.SignalLine({{520, y - 48}, {520, y - 2}});
            p.Label({420, y - 14}, notes[3][0], notes[3][1]);
            p.Text({500, ft + 50}, QStringLiteral("P-104"), true);
        }
    }
}

// How long a loop is left at its starting SP before a step from it.
constexpr double kSettle = 600;

double FastRunIema(Plant &plant, int loop)
{
    return FiguresOf(FastRun(plant, 2, 10)[static_cast<std::size_t>(loop)]).iema;
}

double FastRunSeries(Plant &plant, int loop, double (*reduce)(const LoopSeries &))
{
    return reduce(FastRun(plant, 2, 10)[static_cast<std::size_t>(loop)]);
}

double HighestPv(const LoopSeries &series)
{
    return *std::max_element(series.PV.begin(), series.PV.end());
}

// With the supply pressure oscillating, the backlash loop's error against a loop that only has
// a ramp to live with, both from the same run.
double BacklashErrorRatio(Plant &plant)
{
    ClickSwitch(plant, 1);
    const LoopCharts charts = FastRun(plant, 2, 10);
    return FiguresOf(charts[2]).iema / FiguresOf(charts[4]).iema;
}

// Loop `loop` brought to rest at SP `from` %, then stepped to `to` and watched for 2 min,
// settling within 2 % of the step; the drive's ramp slider moved first when a position (of
// 10000) is given.
double LoopStep(Plant &plant,
                int loop,
                double from,
                double to,
                double StepResponse::*figure,
                int rampPosition = -1)
{
    if (rampPosition >= 0)
        MoveSlider(plant, 1, rampPosition);
    Scenario scenario(plant);
    scenario.SetSetpoint(loop, from);
    scenario.Run(kSettle);
    return SetpointStep(scenario, loop, to, 120, 0.2).*figure;
}

// PV peak-to-peak of each loop over 10 min at SP 50 %.
std::array<double, 5> HoldPeakToPeak(Plant &plant)
{
    Scenario scenario(plant);
    std::array<double, 5> low{100, 100, 100, 100, 100};
    std::array<double, 5> high{};
    scenario.Run(600, [&] {
        for (std::size_t k = 1; k <= 4; ++k) {
            const double pv = plant.memories.Value(20 + static_cast<int>(k));
            low[k] = std::min(low[k], pv);
            high[k] = std::max(high[k], pv);
        }
    });
    std::array<double, 5> range{};
    for (std::size_t k = 1; k <= 4; ++k)
        range[k] = high[k] - low[k];
    return range;
}

// The period of the stiction loop's limit cycle over 10 min at SP 50 %.
double StictionPeriod(Plant &plant)
{
    Scenario scenario(plant);
    std::vector<double> flow;
    scenario.Run(600, [&] { flow.push_back(plant.memories.Value(21)); });
    const auto [low, high] = std::minmax_element(flow.begin(), flow.end());
    return CyclePeriod(flow, *low, *high, Scenario::kTimeStep);
}

// The stiction loop with its integral action taken away (Ti 0) `after` s from opening: where it
// stands 5 min later (|SP - PV|) and how far it still moves over the next 2 min.
struct StoppedCycle
{
    double offset = 0.0;
    double peakToPeak = 0.0;
};

StoppedCycle StictionWithoutIntegral(Plant &plant, double after = 0.0)
{
    Scenario scenario(plant);
    scenario.Run(after);
    Controller &fic = plant.controllers[1];
    fic.EditSettings([](ControllerSettings &settings) { settings.KiText = "0"; });
    fic.ApplyControllerSettings(plant.memories, false);
    scenario.Run(300);
    StoppedCycle stopped{std::abs(50.0 - plant.memories.Value(21)), 0.0};
    double low = plant.memories.Value(21);
    double high = low;
    scenario.Run(120, [&] {
        low = std::min(low, plant.memories.Value(21));
        high = std::max(high, plant.memories.Value(21));
    });
    stopped.peakToPeak = high - low;
    return stopped;
}

// Where the valve sticks depends on the moment in the cycle that Ti 0 is set: the smallest and
// the largest offset over two cycles of moments, half a second apart.
std::array<double, 2> StictionOffsetRange(const Plant &plant)
{
    return RangeOverMoments(plant, 0.0, 24.0, 0.5, [](Plant &run, double moment) {
        return StictionWithoutIntegral(run, moment).offset;
    });
}

// Largest |SP - PV| of each loop over 10 min at SP 50 % with the supply pressure oscillating.
std::array<double, 5> DisturbedDeviation(Plant &plant)
{
    ClickSwitch(plant, 1);
    Scenario scenario(plant);
    std::array<double, 5> deviation{};
    scenario.Run(600, [&] {
        for (std::size_t k = 1; k <= 4; ++k) {
            const double pv = plant.memories.Value(20 + static_cast<int>(k));
            deviation[k] = std::max(deviation[k], std::abs(pv - 50.0));
        }
    });
    return deviation;
}

ExamplePlant Make()
{
    ExamplePlant example;
    example.picture = "sim9";
    example.build = Build;
    example.drawBackground = Draw;
    example.commentsPortuguese
        = {"Quatro malhas de vazão idênticas, cada uma com uma não linearidade: agarramento "
           "(FIC-101), folga/histerese (FIC-102), válvula de igual porcentagem (FIC-103) e bomba "
           "com variador de velocidade com rampa de aceleração (SIC-104). Observe o ciclo-limite "
           "do agarramento, a zona morta da folga, a variação de ganho da válvula e o sobressinal "
           "causado pela rampa. Use o Registrador XY (COxMV) para ver a característica de cada "
           "atuador."};
    example.commentsEnglish
        = {"Four identical flow loops, each with one nonlinearity: stiction (FIC-101), backlash "
           "(FIC-102), equal-percentage valve (FIC-103) and a variable-speed pump with an "
           "acceleration ramp (SIC-104). Watch the stiction limit cycle, the backlash dead zone, "
           "the varying valve gain and the overshoot caused by the ramp. Use the XY recorder "
           "(COxMV) to see each actuator's characteristic."};
    example.descriptionPortuguese = {
        "Quatro malhas de vazão idênticas lado a lado, cada uma com uma não linearidade: "
        "válvula com agarramento, válvula com folga (histerese), válvula de igual porcentagem "
        "(o ganho varia com a abertura) e bomba com variador de velocidade com rampa de "
        "aceleração. Veja a assinatura típica de cada uma: ciclo-limite, zona morta, "
        "dificuldade de ganho variável e sobressinal por windup.",
        {"Observe o FIC-101 com SP constante: um ciclo-limite de {HoldStictionPeakToPeak:1} % "
         "pico a pico, período de cerca de {HoldStictionPeriod:0} s; o CO em dente de serra é a "
         "assinatura clássica "
         "do agarramento. Tire a ação integral (Ti = 0) ou ponha a malha em manual: o ciclo "
         "para, deixando um desvio que depende de onde a válvula grudou: 5 min depois de Ti = 0, "
         "entre cerca de {StictionOffsetSmallest:1} e {StictionOffsetLargest:1} %, conforme o "
         "momento do ciclo em que se zera Ti ({StictionOffsetWithoutIntegral:1} % com Ti = 0 "
         "logo ao abrir). Na Simulação Rápida "
         "(degrau de SP de 10 %) o quadro \"Excursão CO\" do FIC-101 mostra "
         "{FastRunStictionTravel:1}: o número de cursos completos da válvula em 30 min, embora "
         "o quadro escreva \"%\" depois dele.",
         "SP 50 -> 60 % nas quatro malhas: o FIC-102 (folga) passa {BacklashStepOvershoot:0} % "
         "e acomoda em {BacklashStepSettling:0} s; o FIC-103 passa "
         "{EqualPercentageStepOvershoot:0} %, mas de 15 -> 25 % (10 min em 15 %, depois 25 %) é "
         "lento (sobressinal "
         "{EqualPercentageLowStepOvershoot:0} %, t90 {EqualPercentageLowStepT90:1} s) e de 80 "
         "-> 90 % (partindo de 10 min em 80 %) passa {EqualPercentageHighStepOvershoot:0} %; o "
         "SIC-104, limitado a 2 %/s, "
         "passa {VsdStepOvershoot:0} % (windup durante a rampa); com o controle deslizante em "
         "10 %/s o sobressinal é {FastVsdStepOvershoot:1} %.",
         "Ligue a perturbação de pressão: as malhas quase lineares mantêm a vazão em cerca de "
         "+-{DisturbedLinearLikeDeviation:1} %, enquanto a malha com folga erra mais "
         "(+-{DisturbedBacklashDeviation:1} %): numa Simulação Rápida com a perturbação "
         "ligada (sinal de teste \"Degrau no SP\", amplitude 10 %), seu IEMA é "
         "{DisturbanceBacklashErrorRatio:1} vezes o do SIC-104. Com a "
         "perturbação ligada, rode o Registrador XY por 10 min: \"COxMV [Malha 2]\" desenha a "
         "folga e \"[Malha 1]\" a escada do agarramento."}};
    example.descriptionEnglish = {
        "Four identical flow loops side by side, each with one nonlinearity: a valve with "
        "stiction, a valve with backlash (hysteresis), an equal-percentage valve (gain varies with "
        "opening) and a variable-speed pump with an acceleration ramp. See the typical signature "
        "of each: a limit cycle, a dead zone, gain scheduling trouble, and windup overshoot.",
        {"Watch FIC-101 at constant SP: a stick-slip limit cycle of {HoldStictionPeakToPeak:1} % "
         "pk-pk, period about {HoldStictionPeriod:0} s; the saw-tooth CO is the classic stiction "
         "signature. Remove the "
         "integral action (Ti = 0), or put the loop in manual: the cycle stops, leaving an offset "
         "that depends on where the valve stuck: 5 min after Ti = 0, between about "
         "{StictionOffsetSmallest:1} and {StictionOffsetLargest:1} %, depending on the moment in "
         "the cycle that Ti is zeroed ({StictionOffsetWithoutIntegral:1} % with Ti = 0 set as the "
         "example opens). In the Fast Simulation (10 % SP step) "
         "FIC-101's \"CO Travel\" box shows {FastRunStictionTravel:1}: the number of full valve "
         "strokes in 30 min, though the box prints \"%\" after it.",
         "SP 50 -> 60 % on all four loops: FIC-102 (backlash) overshoots {BacklashStepOvershoot:0} "
         "% and settles in {BacklashStepSettling:0} s; FIC-103 overshoots "
         "{EqualPercentageStepOvershoot:0} %, but at 15 -> 25 % (10 min at 15 %, then 25 %) it is "
         "sluggish (overshoot "
         "{EqualPercentageLowStepOvershoot:0} %, t90 {EqualPercentageLowStepT90:1} s) and at 80 -> "
         "90 % (after 10 min at 80 %) it overshoots {EqualPercentageHighStepOvershoot:0} %; "
         "SIC-104, limited to 2 %/s, "
         "overshoots {VsdStepOvershoot:0} % (integral windup during the ramp); with the slider at "
         "10 %/s the overshoot is {FastVsdStepOvershoot:1} %.",
         "Switch the pressure disturbance on: the linear-like loops keep the flow within about "
         "+-{DisturbedLinearLikeDeviation:1} %, while the backlash loop errs more "
         "(+-{DisturbedBacklashDeviation:1} %): in a Fast Simulation with the disturbance on (test "
         "signal \"SP step change\", amplitude 10 %) its IEMA is {DisturbanceBacklashErrorRatio:1} "
         "times that of SIC-104. With the disturbance "
         "on, run the XY recorder for 10 min: \"COxMV [Malha 2]\" draws the backlash loop and "
         "\"[Malha 1]\" the stick-slip staircase."}};
    example.checks = {
        {"FastRunStictionIema", [](Plant &p) { return FastRunIema(p, 1); }, 0.90, 0.898, 0.5, 1.5},
        {"FastRunStictionTravel",
         [](Plant &p) { return FastRunSeries(p, 1, CoTravel); },
         11.7,
         11.69,
         5.0,
         100.0},
        {"FastRunBacklashIema",
         [](Plant &p) { return FastRunIema(p, 2); },
         0.025,
         0.0254,
         0.0,
         0.05},
        {"FastRunEqualPercentageIema",
         [](Plant &p) { return FastRunIema(p, 3); },
         0.013,
         0.0134,
         0.0,
         0.05},
        {"FastRunVsdIema", [](Plant &p) { return FastRunIema(p, 4); }, 0.051, 0.0509, 0.0, 0.1},
        {"FastRunVsdHighestPv",
         [](Plant &p) { return FastRunSeries(p, 4, HighestPv); },
         66.1,
         66.11,
         63.0,
         100.0},
        {"BacklashStepOvershoot",
         [](Plant &p) { return LoopStep(p, 2, 50, 60, &StepResponse::overshoot); },
         13.0,
         13.02,
         5.0,
         25.0},
        {"BacklashStepSettling",
         [](Plant &p) { return LoopStep(p, 2, 50, 60, &StepResponse::settling); },
         15.0,
         14.8,
         5.0,
         60.0},
        {"EqualPercentageStepOvershoot",
         [](Plant &p) { return LoopStep(p, 3, 50, 60, &StepResponse::overshoot); },
         10.0,
         9.80,
         3.0,
         20.0},
        {"EqualPercentageLowStepOvershoot",
         [](Plant &p) { return LoopStep(p, 3, 15, 25, &StepResponse::overshoot); },
         0.0,
         0.0,
         0.0,
         5.0},
        {"EqualPercentageLowStepT90",
         [](Plant &p) { return LoopStep(p, 3, 15, 25, &StepResponse::t90); },
         9.7,
         9.7,
         5.0,
         20.0},
        {"EqualPercentageHighStepOvershoot",
         [](Plant &p) { return LoopStep(p, 3, 80, 90, &StepResponse::overshoot); },
         16.0,
         16.12,
         8.0,
         30.0},
        {"VsdStepOvershoot",
         [](Plant &p) { return LoopStep(p, 4, 50, 60, &StepResponse::overshoot); },
         61.0,
         61.23,
         40.0,
         80.0},
        {"FastVsdStepOvershoot",
         [](Plant &p) { return LoopStep(p, 4, 50, 60, &StepResponse::overshoot, 10000); },
         15.5,
         15.51,
         5.0,
         30.0},
        {"DisturbanceBacklashErrorRatio", BacklashErrorRatio, 1.62, 1.573, 1.4, 10.0},
        {"HoldStictionPeakToPeak",
         [](Plant &p) { return HoldPeakToPeak(p)[1]; },
         3.0,
         3.0,
         2.0,
         4.0},
        {"HoldOthersPeakToPeak",
         [](Plant &p) {
             const std::array<double, 5> range = HoldPeakToPeak(p);
             return std::max({range[2], range[3], range[4]});
         },
         0.0,
         0.002559,
         0.0,
         0.05},
        {"HoldStictionPeriod", StictionPeriod, 12.0, 11.58, 10.0, 14.0},
        {"StictionOffsetWithoutIntegral",
         [](Plant &p) { return StictionWithoutIntegral(p).offset; },
         1.25,
         1.870,
         0.5,
         2.5},
        {"StictionOffsetSmallest",
         [](Plant &p) { return StictionOffsetRange(p)[0]; },
         1.0,
         0.9729,
         0.5,
         1.5},
        {"StictionOffsetLargest",
         [](Plant &p) { return StictionOffsetRange(p)[1]; },
         1.9,
         1.896,
         1.5,
         2.5},
        {"StictionPeakToPeakWithoutIntegral",
         [](Plant &p) { return StictionWithoutIntegral(p).peakToPeak; },
         0.0,
         0.0,
         0.0,
         0.01},
        {"DisturbedLinearLikeDeviation",
         [](Plant &p) {
             const std::array<double, 5> deviation = DisturbedDeviation(p);
             return std::max(deviation[3], deviation[4]);
         },
         1.0,
         0.982,
         0.0,
         1.5},
        {"DisturbedBacklashDeviation",
         [](Plant &p) { return DisturbedDeviation(p)[2]; },
         2.5,
         2.479,
         1.5,
         5.0},
    };
    return example;
}

const bool registered = RegisterExample(Make);

} // namespace

} // namespace zelvar::examples
