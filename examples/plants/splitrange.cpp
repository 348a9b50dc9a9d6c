// Reator com Jaqueta | Split range control: one temperature controller drives the jacket's
// steam valve and its cooling-water valve through two split-range blocks.
#include "examples/example.h"
#include "examples/harness.h"
#include "examples/pidpainter.h"
#include "examples/plantbuilder.h"
#include "examples/plants/fastrunfigures.h"
#include "examples/plants/reactordrawing.h"

#include <algorithm>
#include <cmath>

namespace zelvar::examples {

namespace {

constexpr PlantColour kColourBlue = 0xFF0000;
// The reactor temperature's scale: 0-150 °C.
constexpr double kDegreesPerPercent = 1.5;
constexpr double kSetpoint = 53.33;

void Build(PlantBuilder &b)
{
    b.Title("Reator com jaqueta - divisão de faixa|Jacketed reactor - split range");
    b.Memory(23, {.unit = "°C", .low = "0", .high = "150", .alarmLow = "70", .alarmHigh = "90"});

    b.Slider(1, {.name = "Calor de reação|Reaction heat", .percent = 50, .left = 40, .top = 470});
    b.PushButton(1,
                 {.name = "Pico de reação|Reaction surge", .textOff = "Normal", .textOn = "+30 %"});
    b.CommandPanel(30, 240);

    // Below 50 % of the output the water opens, above it the steam.
    b.Block(1,
            {.tag = "TY-101A",
             .description = "Válvula de vapor (50-100 % da saída)|Steam valve (50-100 % of output)",
             .expression = "(M01-50)*2",
             .high = "100",
             .low = "0",
             .left = 140,
             .top = 120});
    b.Block(2,
            {.tag = "TY-101B",
             .description
             = "Válvula de água fria (0-50 % da saída)|Cooling water valve (0-50 % of output)",
             .expression = "(50-M01)*2",
             .high = "100",
             .low = "0",
             .left = 150,
             .top = 440});
    b.Block(3,
            {.tag = "QY-100",
             .description = "Calor de reação|Reaction heat",
             .expression = "M15+30*M97",
             .high = "100",
             .low = "0",
             .left = 250,
             .top = 560});
    b.Block(4,
            {.tag = "BAL-101",
             .description = "Balanço térmico do reator|Reactor heat balance",
             .expression = "33.33+0.4*M43+0.5*M21-0.6*M22",
             .left = 340,
             .top = 560});
    b.Process(1,
              {.tag = "TV-101A",
               .description = "Vapor para a jaqueta|Steam to jacket",
               .input = 41,
               .tau1 = "2",
               .tau2 = "2",
               .left = 250,
               .top = 215});
    b.Process(2,
              {.tag = "TV-101B",
               .description = "Água fria para a jaqueta|Cooling water to jacket",
               .input = 42,
               .tau1 = "4",
               .tau2 = "2",
               .left = 250,
               .top = 440});
    // The reactor mass is the long lag, the jacket the short one.
    b.Process(3,
              {.tag = "TT-101",
               .description = "Temperatura do reator|Reactor temperature",
               .input = 44,
               .deadTime = "5",
               .tau1 = "90",
               .tau2 = "20",
               .left = 680,
               .top = 345});
    b.Controller(1,
                 {.tag = "TIC-101",
                  .description = "Temperatura do reator|Reactor temperature",
                  .pv = 23,
                  .setpoint = kSetpoint,
                  .kc = "2.0",
                  .ti = "100",
                  .left = 680,
                  .top = 160});

    b.Recorder(1,
               {.tag = "TR-101",
                .description = "Temperatura do reator|Reactor temperature",
                .pen1 = 23,
                .pen2 = 61,
                .pen3 = 1,
                .timeBase = 2,
                .left = 880,
                .top = 20});
    b.Recorder(2,
               {.tag = "TR-102",
                .description = "Divisão de faixa|Split range",
                .pen1 = 41,
                .pen2 = 42,
                .pen3 = 1,
                .name1 = "Vapor|Steam",
                .name2 = "Água|Water",
                .name3 = "Saída TIC|TIC output",
                .timeBase = 2,
                .left = 880,
                .top = 55});

    b.Text(1,
           {.description = "Temperatura do reator|Reactor temperature",
            .memory = 23,
            .decimals = 1,
            .left = 760,
            .top = 300});
    b.Text(2,
           {.description = "Saída do TIC-101|TIC-101 output",
            .memory = 1,
            .decimals = 1,
            .left = 760,
            .top = 110});
    b.Text(3,
           {.description = "Válvula de vapor|Steam valve",
            .memory = 41,
            .decimals = 1,
            .left = 40,
            .top = 160});
    b.Text(4,
           {.description = "Válvula de água|Water valve",
            .memory = 42,
            .decimals = 1,
            .left = 40,
            .top = 375});
    b.Text(5,
           {.description = "Calor de reação|Reaction heat",
            .memory = 43,
            .decimals = 1,
            .left = 440,
            .top = 465});

    b.Shape(1,
            {.circle = false,
             .memory = 41,
             .size = 50,
             .width = 14,
             .colour1 = kColourRed,
             .colour2 = kColourRed,
             .left = 226,
             .top = 75});
    b.Shape(2,
            {.circle = false,
             .memory = 42,
             .size = 50,
             .width = 14,
             .colour1 = kColourBlue,
             .colour2 = kColourBlue,
             .left = 228,
             .top = 295});
}

void Draw(PidPainter &p)
{
    QPainter &g = p.painter();
    DrawJacketedReactor(p, QRectF(380, 120, 220, 300), QStringLiteral("R-101"));

    // Steam into the jacket at the top, cooling water at the bottom; the jacket drains right.
    p.ProcessLine({{40, 190}, {362, 190}}, true);
    p.Label({40, 210}, QStringLiteral("Vapor"), QStringLiteral("Steam"));
    p.ControlValve({258, 190});
    p.Text({278, 178}, QStringLiteral("TV-101A"), true);
    p.ProcessLine({{40, 410}, {362, 410}}, true);
    p.Label({40, 432}, QStringLiteral("Água fria"), QStringLiteral("Cooling water"));
    p.ControlValve({258, 410});
    p.Text({278, 398}, QStringLiteral("TV-101B"), true);
    p.ProcessLine({{618, 400}, {760, 400}}, true);
    p.Label({630, 390}, QStringLiteral("Saída da jaqueta"), QStringLiteral("Jacket outlet"));

    // Measurement, controller and the split of its output.
    p.ProcessLine({{600, 318}, {640, 318}});
    p.Bubble({658, 318}, QStringLiteral("TT-101"));
    p.Bubble({718, 218}, QStringLiteral("TIC-101"));
    p.SignalLine({{676, 318}, {718, 318}, {718, 236}});
    p.SignalLine({{718, 200}, {718, 52}, {580, 52}});
    g.setPen(QPen(PidPainter::kInk, 1.5));
    g.setBrush(Qt::white);
    g.drawRect(QRectF(520, 40, 60, 24));
    p.Text({528, 57}, QStringLiteral("SPLIT"), true);
    p.SignalLine({{520, 48}, {258, 48}, {258, 148}});
    p.SignalLine({{520, 58}, {335, 58}, {335, 340}, {258, 340}, {258, 368}});

    // The split-range diagram: valve opening against the controller's output.
    const QRectF chart(790, 440, 160, 100);
    g.setPen(QPen(PidPainter::kInk, 1));
    g.setBrush(Qt::white);
    g.drawRect(chart);
    g.drawLine(chart.center().x(), chart.top(), chart.center().x(), chart.bottom());
    g.setPen(QPen(QColor(0x20, 0x60, 0xd0), 2));
    g.drawLine(chart.topLeft(), QPointF(chart.center().x(), chart.bottom()));
    g.setPen(QPen(QColor(0xd0, 0x20, 0x20), 2));
    g.drawLine(QPointF(chart.center().x(), chart.bottom()), chart.topRight());
    p.Text({784, 555}, QStringLiteral("0"));
    p.Text({860, 555}, QStringLiteral("50"));
    p.Text({934, 555}, QStringLiteral("100 %"));
    p.Label({790, 432}, QStringLiteral("Água / Vapor"), QStringLiteral("Water / Steam"));
    p.Label({790, 580}, QStringLiteral("Saída do TIC"), QStringLiteral("TIC output"));

    p.Label({250, 548}, QStringLiteral("Cálculos"), QStringLiteral("Calculations"));
}

// The reaction heat moved slowly from 20 to 80 %, after the plant has settled at 20 %.
struct RampFigures
{
    double maxDeviation = 0.0; // °C
    double steamAtStart = 0.0;
    double steamAtEnd = 0.0;
    double waterAtStart = 0.0;
    double waterAtEnd = 0.0;
    double bothOpenSeconds = 0.0;
};

RampFigures HeatRamp(Plant &plant)
{
    Scenario scenario(plant);
    MemoryTable &m = plant.memories;
    m.SetValue(15, 20);
    scenario.Run(3000);
    RampFigures figures;
    figures.steamAtStart = m.Value(41);
    figures.waterAtStart = m.Value(42);
    double heat = 20.0;
    const auto watch = [&] {
        figures.maxDeviation = std::max(figures.maxDeviation,
                                        std::abs(m.Value(23) - kSetpoint) * kDegreesPerPercent);
        if (m.Value(41) * m.Value(42) != 0.0)
            figures.bothOpenSeconds += Scenario::kTimeStep;
    };
    scenario.Run(1200, [&] {
        heat = std::min(80.0, heat + 0.05 * Scenario::kTimeStep);
        m.SetValue(15, heat);
        watch();
    });
    scenario.Run(600, watch);
    figures.steamAtEnd = m.Value(41);
    figures.waterAtEnd = m.Value(42);
    return figures;
}

// SP 80 -> 90 °C after 50 min at the given reaction heat.
double SpStep(Plant &plant, double heat, double StepResponse::*figure)
{
    Scenario scenario(plant);
    plant.memories.SetValue(15, heat);
    scenario.Run(3000);
    return SetpointStep(scenario, 1, 90.0 / kDegreesPerPercent, 900, 0.5).*figure;
}

// "+30 %" pressed after 50 min at 80 % reaction heat.
LoadResponse Surge(Plant &plant)
{
    Scenario scenario(plant);
    plant.memories.SetValue(15, 80.0);
    scenario.Run(3000);
    return LoadChange(
        scenario, 1, [&] { scenario.PressButton(1); }, 1200, 0.5);
}

ExamplePlant Make()
{
    ExamplePlant example;
    example.picture = "sim14";
    example.build = Build;
    example.drawBackground = Draw;
    // The reactor's 90 s lag starts from cold: give the loop time to settle.
    example.warmUpSeconds = 3600;
    example.commentsPortuguese
        = {"Reator com jaqueta de aquecimento (vapor) e resfriamento (água). Um único controlador "
           "(TIC-101) atua nas duas válvulas por divisão de faixa feita em blocos de cálculo: 0-50 "
           "% da saída abre a água, 50-100 % abre o vapor. Varie o calor de reação e observe a "
           "passagem de uma válvula para a outra."};
    example.commentsEnglish
        = {"Reactor with a heating (steam) and cooling (water) jacket. A single controller "
           "(TIC-101) drives both valves through split-range calculation blocks: 0-50 % of its "
           "output opens the water valve, 50-100 % opens the steam valve. Change the reaction "
           "heat and watch the hand-over between the valves."};
    example.descriptionPortuguese = {
        "Um controlador de temperatura atua numa válvula de aquecimento (vapor) e numa de "
        "resfriamento (água) por dois blocos de divisão de faixa. Abaixo de 50 % da saída ele "
        "resfria; acima de 50 %, aquece. Como o calor de reação varia, o ponto de operação passa "
        "de uma válvula para a outra.",
        {"Leve o calor de reação a 20 %, espere uns 50 min a planta assentar e mova-o devagar "
         "até 80 % (uns 20 min, 0,05 %/s): a saída cruza 50 %, a válvula de vapor "
         "fecha e a de água abre; a temperatura fica dentro de {HeatRampMaxDeviation:1} °C.",
         "SP 80 -> 90 °C com 50 % de calor de reação: sobressinal {SpStepOvershoot:0} %, t90 "
         "{SpStepT90:0} s. Com 80 % (lado do resfriamento; leve o calor a 80 % e espere uns 50 min "
         "antes do degrau) a malha é um pouco mais rápida e tem "
         "mais sobressinal ({CoolingSideSpStepOvershoot:0} %), porque o resfriamento tem o ganho "
         "maior (0,6 × 2 contra 0,5 × 2): a razão típica para reajustar os pontos de divisão.",
         "Pico de reação com 80 % de calor, depois de uns 50 min nele (o +30 % é cortado em 100 % "
         "pelo limite do QY-100, "
         "portanto +20 %): a temperatura sobe {SurgeTemperatureRise:1} °C; IAE {SurgeIae:0} "
         "°C·s."}};
    example.descriptionEnglish = {
        "One temperature controller drives a heating (steam) valve and a cooling (water) valve "
        "through two split-range blocks. Below 50 % output it cools; above 50 % it heats. "
        "Because the reaction heat varies, the operating point moves between the two valves.",
        {"Set the reaction heat to 20 %, wait some 50 min for the plant to settle, then move "
         "it slowly to 80 % (some 20 min, 0.05 %/s): the output crosses 50 %, the steam "
         "valve closes and the water valve opens; the temperature stays within "
         "{HeatRampMaxDeviation:1} °C.",
         "SP 80 -> 90 °C at 50 % reaction heat: overshoot {SpStepOvershoot:0} %, t90 "
         "{SpStepT90:0} s. At 80 % reaction heat (cooling side; set it and wait some 50 min before "
         "the step) the loop is slightly faster and "
         "overshoots more ({CoolingSideSpStepOvershoot:0} %), because the cooling side has the "
         "higher gain (0.6 × 2 vs 0.5 × 2): the typical reason to re-scale split points.",
         "Reaction surge at 80 % reaction heat, after some 50 min there (the +30 % is cut to 100 % "
         "by QY-100's limit, so "
         "effectively +20 %): the temperature rises {SurgeTemperatureRise:1} °C; IAE "
         "{SurgeIae:0} °C·s."}};
    // {name, measure, the design's figure, this engine's figure, low, high}. The fast-run
    // disturbance IEM is the identity -A·Ti/(Kc·W) = -10·100/(2·1800).
    example.checks = {
        {"FastRunSpStepIema",
         [](Plant &p) { return FastRunFigure(p, 2, 10, 1, &FastRunFigures::iema); },
         0.32,
         0.3212,
         0.0,
         0.45},
        {"FastRunSpStepEndError",
         [](Plant &p) { return FastRunLargestEndError(p, 10, 1); },
         0.0,
         0.0,
         0.0,
         0.1},
        {"FastRunDisturbanceIem",
         [](Plant &p) { return FastRunFigure(p, 3, 10, 1, &FastRunFigures::iem); },
         -0.278,
         -0.2778,
         -0.308,
         -0.248},
        {"SpStepOvershoot",
         [](Plant &p) { return SpStep(p, 50.0, &StepResponse::overshoot); },
         7.0,
         7.10,
         3.0,
         12.0},
        {"SpStepT90",
         [](Plant &p) { return SpStep(p, 50.0, &StepResponse::t90); },
         83.0,
         83.0,
         50.0,
         120.0},
        {"CoolingSideSpStepOvershoot",
         [](Plant &p) { return SpStep(p, 80.0, &StepResponse::overshoot); },
         15.0,
         14.82,
         8.0,
         22.0},
        {"SurgeTemperatureRise",
         [](Plant &p) { return (Surge(p).maxPv - kSetpoint) * kDegreesPerPercent; },
         3.8,
         3.75,
         2.5,
         5.0},
        {"SurgeIae",
         [](Plant &p) { return Surge(p).iae * kDegreesPerPercent; },
         500.0,
         500.0,
         400.0,
         600.0},
        {"HeatRampMaxDeviation",
         [](Plant &p) { return HeatRamp(p).maxDeviation; },
         1.5,
         1.5,
         0.0,
         2.5},
        {"HeatRampSteamValveAtStart",
         [](Plant &p) { return HeatRamp(p).steamAtStart; },
         24.0,
         24.0,
         22.0,
         26.0},
        {"HeatRampSteamValveAtEnd",
         [](Plant &p) { return HeatRamp(p).steamAtEnd; },
         0.0,
         0.0,
         0.0,
         0.1},
        {"HeatRampWaterValveAtStart",
         [](Plant &p) { return HeatRamp(p).waterAtStart; },
         0.0,
         0.0,
         0.0,
         0.1},
        {"HeatRampWaterValveAtEnd",
         [](Plant &p) { return HeatRamp(p).waterAtEnd; },
         20.0,
         20.0,
         18.0,
         22.0},
        {"HeatRampBothValvesOpenSeconds",
         [](Plant &p) { return HeatRamp(p).bothOpenSeconds; },
         0.0,
         0.0,
         0.0,
         0.0},
    };
    return example;
}

const bool registered = RegisterExample(Make);

} // namespace

} // namespace zelvar::examples
