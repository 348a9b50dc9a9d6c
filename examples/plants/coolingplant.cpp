// Planta de resfriamento | Cooling plant: hot gas cooled with water, its condensate separated in
// a knock-out drum; three interacting loops on temperature, level and pressure.
#include "examples/example.h"
#include "examples/harness.h"
#include "examples/pidpainter.h"
#include "examples/plantbuilder.h"
#include "examples/plants/fastrunfigures.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace zelvar::examples {

namespace {

constexpr PlantColour kColourBlue = 0xFF0000;

void Build(PlantBuilder &b)
{
    b.Title("Planta de resfriamento de gás|Gas cooling plant");
    b.Memory(15, {.unit = "Nm3/h", .low = "0", .high = "10000"});
    b.Memory(16, {.unit = "°C", .low = "0", .high = "50"});
    b.Memory(21, {.unit = "m3/h", .low = "0", .high = "200"});
    b.Memory(22, {.unit = "°C", .low = "0", .high = "100", .alarmLow = "35", .alarmHigh = "45"});
    b.Memory(23, {.unit = "bar", .low = "0", .high = "10", .alarmLow = "4", .alarmHigh = "6"});
    b.Memory(24, {.unit = "%", .low = "0", .high = "100", .alarmLow = "20", .alarmHigh = "80"});
    b.Memory(25, {.unit = "m3/h", .low = "0", .high = "10"});
    b.Memory(26, {.unit = "Nm3/h", .low = "0", .high = "10000"});
    b.Memory(42, {.unit = "m3/h", .low = "0", .high = "10"});

    b.Slider(1, {.name = "Vazão de gás quente|Hot gas flow", .percent = 60, .left = 40, .top = 20});
    b.Slider(2,
             {.name = "Temp. água resfr.|CW temperature", .percent = 50, .left = 40, .top = 380});

    // The drum pressure comes before the flows that it pushes.
    b.Process(1,
              {.tag = "FT-101",
               .description = "Vazão de água de resfriamento|Cooling water flow",
               .input = 1,
               .tau1 = "3",
               .tau2 = "2",
               .left = 40,
               .top = 258});
    b.Process(2,
              {.tag = "TT-101",
               .description = "Temperatura do gás resfriado|Cooled gas temperature",
               .input = 41,
               .deadTime = "3",
               .tau1 = "40",
               .tau2 = "8",
               .left = 440,
               .top = 60});
    b.Process(3,
              {.tag = "PT-103",
               .description = "Pressão do vaso separador|Separator pressure",
               .input = 44,
               .gain = "0.02",
               .transfer = 3,
               .initialValue = "50",
               .left = 712,
               .top = 140});
    b.Process(4,
              {.tag = "LT-102",
               .description = "Nível de condensado|Condensate level",
               .input = 43,
               .gain = "0.004",
               .transfer = 3,
               .initialValue = "50",
               .left = 712,
               .top = 368});
    // The drum pressure pushes the liquid out.
    b.Process(5,
              {.tag = "FT-102",
               .description = "Vazão de condensado drenado|Condensate drain flow",
               .input = 2,
               .gain = "(M23/50)^0.5",
               .tau1 = "2",
               .tau2 = "1",
               .left = 850,
               .top = 520});
    b.Process(6,
              {.tag = "FT-103",
               .description = "Vazão de gás de saída|Outlet gas flow",
               .input = 3,
               .gain = "M23/50",
               .tau1 = "2",
               .tau2 = "1",
               .left = 880,
               .top = 138});
    b.Block(1,
            {.tag = "BAL-E",
             .description = "Balanço térmico do resfriador|Cooler heat balance",
             .expression = "40+0.5*(M15-60)-0.6*(M21-50)+0.5*(M16-50)",
             .left = 250,
             .top = 565});
    // Condensation grows with the gas flow and with the cooling below 40 °C.
    b.Block(2,
            {.tag = "FI-COND",
             .description = "Taxa de condensação|Condensation rate",
             .expression = "0.5*M15+1.0*(40-M22)",
             .high = "100",
             .low = "0",
             .left = 335,
             .top = 565});
    b.Block(3,
            {.tag = "BAL-L",
             .description = "Balanço de líquido|Liquid balance",
             .expression = "M42-M25",
             .left = 420,
             .top = 565});
    b.Block(4,
            {.tag = "BAL-G",
             .description = "Balanço de gás|Gas balance",
             .expression = "M15-M26-0.2*(M42-30)",
             .left = 505,
             .top = 565});

    b.Controller(1,
                 {.tag = "TIC-101",
                  .description = "Temperatura do gás|Gas temperature",
                  .pv = 22,
                  .setpoint = 40,
                  .kc = "2.5",
                  .ti = "45",
                  .reverse = true,
                  .left = 240,
                  .top = 92});
    b.Controller(2,
                 {.tag = "LIC-102",
                  .description = "Nível de condensado|Condensate level",
                  .pv = 24,
                  .setpoint = 50,
                  .kc = "5.0",
                  .ti = "150",
                  .reverse = true,
                  .left = 478,
                  .top = 440});
    b.Controller(3,
                 {.tag = "PIC-103",
                  .description = "Pressão do separador|Separator pressure",
                  .pv = 23,
                  .setpoint = 50,
                  .kc = "4.0",
                  .ti = "30",
                  .reverse = true,
                  .left = 660,
                  .top = 20});

    b.Recorder(1,
               {.tag = "TR-101",
                .description = "Temperatura do gás|Gas temperature",
                .pen1 = 22,
                .pen2 = 61,
                .pen3 = 1,
                .timeBase = 1,
                .left = 880,
                .top = 5});
    b.Recorder(2,
               {.tag = "TR-102",
                .description = "Nível de condensado|Condensate level",
                .pen1 = 24,
                .pen2 = 62,
                .pen3 = 2,
                .timeBase = 2,
                .left = 880,
                .top = 30});
    b.Recorder(3,
               {.tag = "TR-103",
                .description = "Pressão do separador|Separator pressure",
                .pen1 = 23,
                .pen2 = 63,
                .pen3 = 3,
                .timeBase = 1,
                .left = 880,
                .top = 55});

    b.Text(1,
           {.description = "Temperatura do gás|Gas temperature",
            .memory = 22,
            .decimals = 1,
            .left = 260,
            .top = 352});
    b.Text(2,
           {.description = "Nível de condensado|Condensate level",
            .memory = 24,
            .decimals = 1,
            .left = 680,
            .top = 290});
    b.Text(3,
           {.description = "Pressão do vaso|Drum pressure",
            .memory = 23,
            .decimals = 2,
            .left = 820,
            .top = 180});
    b.Text(4,
           {.description = "Vazão de água|Water flow",
            .memory = 21,
            .decimals = 1,
            .left = 40,
            .top = 352});
    b.Text(5,
           {.description = "Condensado drenado|Condensate drained",
            .memory = 25,
            .decimals = 2,
            .left = 820,
            .top = 560});
    b.Text(6,
           {.description = "Taxa de condensação|Condensation rate",
            .memory = 42,
            .decimals = 2,
            .left = 680,
            .top = 230});
    b.Text(7,
           {.description = "Gás de saída|Outlet gas",
            .memory = 26,
            .decimals = 0,
            .left = 820,
            .top = 230});

    b.Shape(1,
            {.circle = false,
             .memory = 24,
             .size = 22,
             .width = 14,
             .colour1 = kColourBlue,
             .colour2 = kColourBlue,
             .left = 573,
             .top = 423});
}

void Draw(PidPainter &p)
{
    QPainter &g = p.painter();
    // Hot gas through the water cooler into the knock-out drum.
    p.ProcessLine({{40, 200}, {150, 200}});
    p.Text({40, 178}, QStringLiteral("Gás quente"));
    p.Text({40, 192}, QStringLiteral("Hot gas"));
    g.setPen(QPen(PidPainter::kInk, 2));
    g.setBrush(Qt::white);
    g.drawRoundedRect(QRectF(150, 160, 270, 80), 24, 24);
    g.drawLine(QPointF(180, 160), QPointF(180, 240));
    g.drawLine(QPointF(390, 160), QPointF(390, 240));
    g.setPen(QPen(PidPainter::kInk, 1));
    for (int y = 175; y <= 225; y += 12)
        g.drawLine(QPointF(180, y), QPointF(390, y));
    p.Text({200, 152}, QStringLiteral("E-101"), true);
    p.ProcessLine({{420, 200}, {520, 200}}, true);

    // Cooling water in below through its valve, back out above.
    p.ProcessLine({{40, 300}, {360, 300}, {360, 240}}, true);
    p.Label({120, 330}, QStringLiteral("Água de resfriamento"), QStringLiteral("Cooling water"));
    p.Orifice({100, 300});
    p.ControlValve({230, 300});
    p.Text({250, 290}, QStringLiteral("FV-101"), true);
    p.ProcessLine({{170, 160}, {170, 120}, {40, 120}}, true);
    p.Label({40, 112}, QStringLiteral("Retorno"), QStringLiteral("Return"));

    // Knock-out drum with its demister and the condensate boot.
    g.setPen(QPen(PidPainter::kInk, 2));
    g.setBrush(Qt::white);
    g.drawRect(QRectF(560, 400, 40, 70));
    p.Vessel(QRectF(520, 100, 120, 320));
    g.setPen(QPen(PidPainter::kInk, 1, Qt::DashDotLine));
    g.drawLine(QPointF(525, 150), QPointF(635, 150));
    g.drawLine(QPointF(525, 158), QPointF(635, 158));
    p.Text({556, 250}, QStringLiteral("V-101"), true);

    // Gas out at the top through the pressure valve; condensate out of the boot.
    p.ProcessLine({{580, 100}, {580, 80}, {660, 80}, {660, 118}, {960, 118}}, true);
    p.ControlValve({818, 118});
    p.Text({838, 104}, QStringLiteral("PV-103"), true);
    p.Orifice({920, 118});
    p.ProcessLine({{580, 470}, {580, 500}, {960, 500}}, true);
    p.Label({610, 520}, QStringLiteral("Condensado"), QStringLiteral("Condensate"));
    p.ControlValve({800, 500});
    p.Text({772, 540}, QStringLiteral("LV-102"), true);
    p.Orifice({900, 500});

    // The three loops.
    p.SignalLine({{478, 200}, {478, 178}});
    p.Bubble({478, 160}, QStringLiteral("TT-101"));
    p.Bubble({348, 98}, QStringLiteral("TIC-101"));
    p.SignalLine({{478, 142}, {478, 98}, {366, 98}});
    p.SignalLine({{348, 116}, {348, 130}, {440, 130}, {440, 250}, {230, 250}, {230, 258}});
    p.SignalLine({{640, 378}, {670, 378}});
    p.Bubble({688, 378}, QStringLiteral("LT-102"));
    p.Bubble({718, 458}, QStringLiteral("LIC-102"));
    p.SignalLine({{688, 396}, {688, 458}, {700, 458}});
    p.SignalLine({{718, 440}, {718, 430}, {800, 430}, {800, 458}});
    p.SignalLine({{640, 148}, {670, 148}});
    p.Bubble({688, 148}, QStringLiteral("PT-103"));
    p.Bubble({778, 58}, QStringLiteral("PIC-103"));
    p.SignalLine({{688, 130}, {688, 58}, {760, 58}});
    p.SignalLine({{796, 58}, {818, 58}, {818, 76}});

    p.Label({250, 548}, QStringLiteral("Cálculos"), QStringLiteral("Calculations"));
}

// The hot gas 6000 -> 7500 Nm3/h at rest: the largest deviation of M22, M24 and M23 from
// their setpoints.
std::array<double, 3> HotGasStep(Plant &plant)
{
    Scenario scenario(plant);
    MoveSlider(plant, 1, 7500);
    std::array<double, 3> largest{};
    const std::array<int, 3> memories{22, 24, 23};
    const std::array<double, 3> setpoints{40.0, 50.0, 50.0};
    scenario.Run(1500, [&] {
        for (std::size_t i = 0; i < 3; ++i)
            largest[i]
                = std::max(largest[i], std::abs(plant.memories.Value(memories[i]) - setpoints[i]));
    });
    return largest;
}

// Loop `loop` stepped to `to` % as the plant opens, watched for 15 min.
double SpStep(Plant &plant, int loop, double to, double StepResponse::*figure)
{
    Scenario scenario(plant);
    return SetpointStep(scenario, loop, to, 900, 0.5).*figure;
}

ExamplePlant Make()
{
    ExamplePlant example;
    example.picture = "sim15";
    example.build = Build;
    example.drawBackground = Draw;
    // Two integrating processes and a 40 s lag: let the three loops come to rest.
    example.warmUpSeconds = 3600;
    example.commentsPortuguese
        = {"Resfriamento de gás de processo com separação de condensado. O TIC-101 controla a "
           "temperatura do gás pela água de resfriamento, o LIC-102 o nível de condensado no vaso "
           "e o PIC-103 a pressão do vaso pela válvula de saída de gás. Varie a vazão de gás "
           "quente e a temperatura da água e observe a interação entre as malhas."};
    example.commentsEnglish
        = {"Process gas cooling with condensate separation. TIC-101 controls the gas temperature "
           "with cooling water, LIC-102 the condensate level in the drum and PIC-103 the drum "
           "pressure with the gas outlet valve. Change the hot-gas flow and the water temperature "
           "and watch the loops interact."};
    example.descriptionPortuguese = {
        "Gás de processo quente é resfriado num resfriador a água e o condensado é separado num "
        "vaso separador. Três malhas interagem: temperatura do gás resfriado (TIC-101 na água de "
        "resfriamento), nível de condensado (LIC-102 na drenagem) e pressão do vaso (PIC-103 na "
        "saída de gás). A vazão de gás e a temperatura da água são os distúrbios.",
        {"Gás quente 6000 -> 7500 Nm3/h: a temperatura sobe {HotGasStepTemperatureDeviation:1} °C, "
         "o nível {HotGasStepLevelDeviation:1} % e a pressão {HotGasStepPressureDeviation*0.1:2} "
         "bar, e as três malhas se recuperam. A condensação depende da vazão e da temperatura do "
         "gás, então a ação do TIC-101 chega à malha de nível; a pressão do vaso muda a vazão de "
         "drenagem, então o PIC-103 perturba o LIC-102.",
         "Degraus de SP: TIC 40 -> 45 °C: sobressinal {TemperatureSpStepOvershoot:0} %, t90 "
         "{TemperatureSpStepT90:0} s; LIC 50 -> 60 %: sobressinal {LevelSpStepOvershoot:0} %, t90 "
         "{LevelSpStepT90:0} s; PIC 5 -> 6 bar: sobressinal {PressureSpStepOvershoot:0} %, t90 "
         "{PressureSpStepT90:0} s."}};
    example.descriptionEnglish
        = {"Hot process gas is cooled in a water cooler; condensate is separated in a knock-out "
           "drum. Three interacting loops: cooled-gas temperature (TIC-101 on the cooling water), "
           "condensate level (LIC-102 on the drain) and drum pressure (PIC-103 on the gas outlet). "
           "Gas flow and cooling-water temperature are the disturbances.",
           {"Hot gas 6000 -> 7500 Nm3/h: the temperature rises {HotGasStepTemperatureDeviation:1} "
            "°C, the level {HotGasStepLevelDeviation:1} % and the pressure "
            "{HotGasStepPressureDeviation*0.1:2} bar, and all three loops recover. Condensation "
            "depends on both the gas flow and the gas temperature, so TIC-101's action reaches the "
            "level loop; the drum pressure changes the drain flow, so PIC-103 disturbs LIC-102.",
            "SP steps: TIC 40 -> 45 °C: overshoot {TemperatureSpStepOvershoot:0} %, t90 "
            "{TemperatureSpStepT90:0} s; LIC 50 -> 60 %: overshoot {LevelSpStepOvershoot:0} %, t90 "
            "{LevelSpStepT90:0} s; PIC 5 -> 6 bar: overshoot {PressureSpStepOvershoot:0} %, t90 "
            "{PressureSpStepT90:0} s."}};
    // {name, measure, the design's figure, this engine's figure, low, high}, in % of range.
    example.checks = {
        {"FastRunSpStepIemaTemperature",
         [](Plant &p) { return FastRunFigure(p, 2, 10, 1, &FastRunFigures::iema); },
         0.18,
         0.1813,
         0.0,
         0.25},
        {"FastRunSpStepIemaLevel",
         [](Plant &p) { return FastRunFigure(p, 2, 10, 2, &FastRunFigures::iema); },
         0.54,
         0.5378,
         0.0,
         0.75},
        {"FastRunSpStepIemaPressure",
         [](Plant &p) { return FastRunFigure(p, 2, 10, 3, &FastRunFigures::iema); },
         0.077,
         0.0774,
         0.0,
         0.12},
        {"FastRunSpStepLargestEndError",
         [](Plant &p) { return FastRunLargestEndError(p, 10, 3); },
         0.0,
         0.0,
         0.0,
         0.1},
        {"TemperatureSpStepOvershoot",
         [](Plant &p) { return SpStep(p, 1, 45, &StepResponse::overshoot); },
         5.0,
         5.36,
         2.0,
         9.0},
        {"TemperatureSpStepT90",
         [](Plant &p) { return SpStep(p, 1, 45, &StepResponse::t90); },
         48.0,
         47.5,
         30.0,
         70.0},
        {"LevelSpStepOvershoot",
         [](Plant &p) { return SpStep(p, 2, 60, &StepResponse::overshoot); },
         2.0,
         2.26,
         0.5,
         5.0},
        {"LevelSpStepT90",
         [](Plant &p) { return SpStep(p, 2, 60, &StepResponse::t90); },
         143.0,
         142.6,
         100.0,
         200.0},
        {"PressureSpStepOvershoot",
         [](Plant &p) { return SpStep(p, 3, 60, &StepResponse::overshoot); },
         7.0,
         6.92,
         3.0,
         12.0},
        {"PressureSpStepT90",
         [](Plant &p) { return SpStep(p, 3, 60, &StepResponse::t90); },
         19.0,
         18.2,
         10.0,
         30.0},
        {"HotGasStepTemperatureDeviation",
         [](Plant &p) { return HotGasStep(p)[0]; },
         3.05,
         3.049,
         0.0,
         4.5},
        {"HotGasStepLevelDeviation",
         [](Plant &p) { return HotGasStep(p)[1]; },
         0.86,
         0.86,
         0.0,
         1.5},
        {"HotGasStepPressureDeviation",
         [](Plant &p) { return HotGasStep(p)[2]; },
         2.14,
         2.143,
         0.0,
         3.5},
    };
    return example;
}

const bool registered = RegisterExample(Make);

} // namespace

} // namespace zelvar::examples
