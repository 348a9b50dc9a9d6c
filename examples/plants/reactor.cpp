// Reator | Reactor: a continuous stirred reactor with four loops: feed flow, level on the
// outlet, temperature cascaded onto cooling-water flow, and a switchable feed-forward from the
// feed rate to the coolant demand.
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

void Build(PlantBuilder &b)
{
    b.Title("Reator contínuo|Continuous reactor");
    b.Memory(15, {.unit = "bar", .low = "0", .high = "6"});
    b.Memory(21, {.unit = "m3/h", .low = "0", .high = "20"});
    b.Memory(22, {.unit = "%", .low = "0", .high = "100", .alarmLow = "20", .alarmHigh = "80"});
    b.Memory(23, {.unit = "m3/h", .low = "0", .high = "20"});
    b.Memory(24, {.unit = "m3/h", .low = "0", .high = "50"});
    b.Memory(26, {.unit = "°C", .low = "0", .high = "150", .alarmLow = "65", .alarmHigh = "85"});

    b.Slider(1, {.name = "Pressão água resfr.|CW pressure", .percent = 50, .left = 40, .top = 470});
    b.Switch(1, {.orientation = 1, .on = true, .left = 240, .top = 10});

    b.Process(1,
              {.tag = "FT-101",
               .description = "Vazão de carga|Feed flow",
               .input = 1,
               .tau1 = "2",
               .tau2 = "2",
               .left = 40,
               .top = 145});
    b.Process(2,
              {.tag = "LT-102",
               .description = "Nível do reator|Reactor level",
               .input = 41,
               .gain = "0.0025",
               .transfer = 3,
               .initialValue = "50",
               .left = 620,
               .top = 145});
    // The outlet flow grows with the square root of the level's head.
    b.Process(3,
              {.tag = "FT-102",
               .description = "Vazão de descarga|Outlet flow",
               .input = 2,
               .gain = "(M22/50)^0.5",
               .tau1 = "2",
               .tau2 = "2",
               .left = 565,
               .top = 510});
    b.Process(4,
              {.tag = "FT-104",
               .description = "Vazão de água de resfriamento|Cooling water flow",
               .input = 4,
               .gain = "(M15/50)^0.5",
               .tau1 = "2",
               .tau2 = "2",
               .left = 150,
               .top = 440});
    // Conversion lags the feed by 30 s.
    b.Process(5,
              {.tag = "QR-101",
               .description = "Calor gerado pela reação|Reaction heat generation",
               .input = 21,
               .tau1 = "30",
               .left = 250,
               .top = 538});
    b.Process(6,
              {.tag = "TT-103",
               .description = "Temperatura do reator|Reactor temperature",
               .input = 42,
               .deadTime = "5",
               .tau1 = "120",
               .tau2 = "20",
               .left = 640,
               .top = 340});
    b.Block(1,
            {.tag = "BAL-M",
             .description = "Balanço de massa|Mass balance",
             .expression = "M21-M23",
             .left = 335,
             .top = 538});
    b.Block(2,
            {.tag = "BAL-E",
             .description = "Balanço térmico|Heat balance",
             .expression = "50+0.8*(M25-M24)",
             .left = 420,
             .top = 538});

    b.Controller(1,
                 {.tag = "FIC-101",
                  .description = "Vazão de carga|Feed flow",
                  .pv = 21,
                  .setpoint = 50,
                  .kc = "1.0",
                  .ti = "3",
                  .left = 62,
                  .top = 98});
    b.Controller(2,
                 {.tag = "LIC-102",
                  .description = "Nível do reator|Reactor level",
                  .pv = 22,
                  .setpoint = 50,
                  .kc = "4.0",
                  .ti = "250",
                  .reverse = true,
                  .left = 740,
                  .top = 96});
    // With the switch on, the coolant setpoint follows the feed at once.
    b.Controller(3,
                 {.tag = "TIC-103",
                  .description = "Temperatura do reator|Reactor temperature",
                  .pv = 26,
                  .setpoint = 50,
                  .kc = "3.0",
                  .ti = "130",
                  .reverse = true,
                  .feedForward = "50+M11*(M21-50)",
                  .left = 676,
                  .top = 222});
    b.Controller(4,
                 {.tag = "FIC-104",
                  .description = "Água de resfriamento|Cooling water",
                  .pv = 24,
                  .setpoint = 50,
                  .kc = "1.0",
                  .ti = "3",
                  .remoteSetpoint = 3,
                  .remote = true,
                  .left = 190,
                  .top = 295});

    b.Recorder(1,
               {.tag = "TR-103",
                .description = "Temperatura do reator|Reactor temperature",
                .pen1 = 26,
                .pen2 = 63,
                .pen3 = 3,
                .timeBase = 2,
                .left = 880,
                .top = 520});
    b.Recorder(2,
               {.tag = "TR-102",
                .description = "Nível do reator|Reactor level",
                .pen1 = 22,
                .pen2 = 62,
                .pen3 = 2,
                .timeBase = 2,
                .left = 880,
                .top = 545});
    b.Recorder(3,
               {.tag = "TR-104",
                .description = "Água de resfriamento|Cooling water",
                .pen1 = 24,
                .pen2 = 64,
                .pen3 = 4,
                .timeBase = 1,
                .left = 880,
                .top = 570});

    b.Text(1,
           {.description = "Temperatura do reator|Reactor temperature",
            .memory = 26,
            .decimals = 1,
            .left = 680,
            .top = 390});
    b.Text(2,
           {.description = "Nível do reator|Reactor level",
            .memory = 22,
            .decimals = 1,
            .left = 800,
            .top = 180});
    b.Text(3,
           {.description = "Vazão de carga|Feed flow",
            .memory = 21,
            .decimals = 2,
            .left = 40,
            .top = 225});
    b.Text(4,
           {.description = "Vazão de descarga|Outlet flow",
            .memory = 23,
            .decimals = 2,
            .left = 700,
            .top = 535});
    b.Text(5,
           {.description = "Vazão de água|Water flow",
            .memory = 24,
            .decimals = 1,
            .left = 40,
            .top = 270});
    b.Text(6,
           {.description = "SP de água (do TIC)|Water SP (from TIC)",
            .memory = 64,
            .decimals = 1,
            .left = 40,
            .top = 315});
    b.Text(7,
           {.kind = TextKind::Binary,
            .description = "Compensação direta|Feedforward",
            .memory = 11,
            .expression = "Desligada/Ligada|Off/On",
            .left = 100,
            .top = 40});

    // The liquid in the level glass beside the vessel, its full height the vessel's straight
    // side: 1.64 px per percent.
    b.Shape(1,
            {.circle = false,
             .memory = 22,
             .size = 82,
             .width = 18,
             .colour1 = kColourBlue,
             .colour2 = kColourBlue,
             .left = 324,
             .top = 208});
}

void Draw(PidPainter &p)
{
    QPainter &g = p.painter();
    DrawJacketedReactor(p, QRectF(380, 140, 220, 300), QStringLiteral("R-101"));

    // The level glass on the vessel's straight side, through the jacket, ticked every 25 %.
    g.setPen(QPen(PidPainter::kInk, 2));
    g.drawLine(QPointF(344, 214), QPointF(382, 214));
    g.drawLine(QPointF(344, 366), QPointF(382, 366));
    g.setPen(QPen(PidPainter::kInk, 1.5));
    g.setBrush(Qt::white);
    g.drawRect(QRectF(322, 206, 22, 168));
    for (int percent = 0; percent <= 100; percent += 25) {
        const double y = 372 - 1.64 * percent;
        g.drawLine(QPointF(314, y), QPointF(322, y));
    }
    p.Text({312, 200}, QStringLiteral("LG-102"), false, 8);

    // Feed from the left through its flow loop.
    p.ProcessLine({{40, 180}, {380, 180}}, true);
    p.Label({40, 198}, QStringLiteral("Carga"), QStringLiteral("Feed"));
    p.Orifice({150, 180});
    p.ControlValve({260, 180});
    p.Bubble({200, 120}, QStringLiteral("FIC-101"));
    p.SignalLine({{150, 164}, {150, 120}, {182, 120}});
    p.SignalLine({{218, 120}, {260, 120}, {260, 138}});

    // Outlet from the bottom, its valve moved by the level controller.
    p.ProcessLine({{490, 440}, {490, 500}, {960, 500}}, true);
    p.Label({800, 490}, QStringLiteral("Produto"), QStringLiteral("Product"));
    p.Orifice({660, 500});
    p.SignalLine({{660, 484}, {660, 470}});
    p.Bubble({660, 452}, QStringLiteral("FT-102"));
    p.ControlValve({760, 500});
    p.Bubble({658, 188}, QStringLiteral("LT-102"));
    p.SignalLine({{600, 188}, {640, 188}});
    p.Bubble({778, 138}, QStringLiteral("LIC-102"));
    p.SignalLine({{676, 188}, {778, 188}, {778, 156}});
    p.SignalLine({{796, 138}, {940, 138}, {940, 440}, {760, 440}, {760, 458}});

    // Cooling water into the jacket at the bottom left, back out at the right.
    p.ProcessLine({{40, 420}, {362, 420}}, true);
    p.Text({40, 396}, QStringLiteral("Água de resfriamento"));
    p.Text({40, 411}, QStringLiteral("Cooling water"));
    p.Orifice({200, 420});
    p.ControlValve({300, 420});
    p.ProcessLine({{618, 270}, {960, 270}}, true);
    p.Label({830, 262}, QStringLiteral("Retorno"), QStringLiteral("Return"));
    p.Bubble({138, 358}, QStringLiteral("FIC-104"));
    p.SignalLine({{200, 404}, {200, 358}, {156, 358}});
    p.SignalLine({{138, 340}, {138, 330}, {300, 330}, {300, 378}});

    // Temperature, its cascade onto the cooling water and the feed-forward from the feed.
    p.ProcessLine({{600, 318}, {640, 318}});
    p.Bubble({658, 318}, QStringLiteral("TT-103"));
    p.Bubble({778, 238}, QStringLiteral("TIC-103"));
    p.SignalLine({{676, 318}, {778, 318}, {778, 256}});
    p.SignalLine({{796, 238}, {860, 238}, {860, 592}, {28, 592}, {28, 358}, {120, 358}});
    p.Label({110, 585}, QStringLiteral("SP remoto"), QStringLiteral("remote SP"));
    p.SignalLine({{150, 120}, {150, 78}, {300, 78}});
    g.setPen(QPen(PidPainter::kInk, 1.5));
    g.setBrush(Qt::white);
    g.drawRect(QRectF(300, 60, 36, 36));
    p.Text({310, 85}, QStringLiteral("Σ"), true, 12);
    p.Text({345, 56}, QStringLiteral("FF"), true);
    p.SignalLine({{336, 78}, {840, 78}, {840, 205}, {778, 205}, {778, 220}});

    p.Label({250, 532}, QStringLiteral("Cálculos"), QStringLiteral("Calculations"));
}

// Loop `loop` stepped to `to` % as the plant opens, watched for 15 min.
double SpStep(Plant &plant, int loop, double to, double StepResponse::*figure)
{
    Scenario scenario(plant);
    return SetpointStep(scenario, loop, to, 900, 0.5).*figure;
}

// The feed setpoint 50 -> 70 % at rest, with the feed-forward as the switch leaves it: the IAE
// of the reactor temperature over 1500 s, or its largest distance from the setpoint.
double FeedStepIae(Plant &plant, bool feedforward, bool deviation = false)
{
    Scenario scenario(plant);
    if (!feedforward)
        ClickSwitch(plant, 1);
    scenario.SetSetpoint(1, 70);
    double iae = 0.0;
    double largest = 0.0;
    scenario.Run(1500, [&] {
        const double error = std::abs(50.0 - plant.memories.Value(26));
        iae += error * Scenario::kTimeStep;
        largest = std::max(largest, error);
    });
    return deviation ? largest : iae;
}

ExamplePlant Make()
{
    ExamplePlant example;
    example.picture = "sim10";
    example.build = Build;
    example.drawBackground = Draw;
    // The level integrates and the temperature lags 2 min: let every loop come to rest.
    example.warmUpSeconds = 3600;
    example.commentsPortuguese
        = {"Reator contínuo com quatro malhas: vazão de carga (FIC-101), nível pela descarga "
           "(LIC-102), temperatura (TIC-103) em cascata com a vazão de água de resfriamento "
           "(FIC-104) e compensação direta da vazão de carga no TIC-103 (chave). Varie a carga com "
           "e sem compensação e reduza a pressão da água de resfriamento para ver a ação da malha "
           "interna."};
    example.commentsEnglish
        = {"Continuous reactor with four loops: feed flow (FIC-101), level on the outlet "
           "(LIC-102), temperature (TIC-103) cascaded onto cooling-water flow (FIC-104), and "
           "feedforward from the feed rate into TIC-103 (switch). Change the feed rate with and "
           "without feedforward, and lower the cooling-water pressure to see the inner loop at "
           "work."};
    example.descriptionPortuguese
        = {"Um reator contínuo com várias malhas: vazão de carga; nível controlado pela descarga; "
           "temperatura em cascata com a vazão de água de resfriamento (a malha interna rejeita as "
           "variações de pressão da água); e uma compensação direta estática, ligada por chave, da "
           "vazão de carga para a demanda de água.",
           {"SP de carga 10 -> 14 m3/h (50 -> 70 %): sem compensação a temperatura desvia "
            "{FeedStepWithoutFeedforwardDeviation:1} °C (IAE {FeedStepWithoutFeedforwardIae*1.5:0} "
            "°C·s = ΔCO·Ti/Kc exatamente); com compensação, {FeedStepWithFeedforwardDeviation:1} "
            "°C (IAE {FeedStepWithFeedforwardIae*1.5:0}). O erro que resta é o atraso de 30 s do "
            "calor de reação, que a compensação estática não modela.",
            "Pressão da água de resfriamento 3 -> 1,8 bar: o FIC-104 reabre sua válvula e a "
            "temperatura se move só {CoolingWaterPressureDropDeviation*1.5:2} °C.",
            "SP do TIC 75 -> 90 °C: sobressinal {TemperatureSpStepOvershoot:1} %, t90 "
            "{TemperatureSpStepT90:0} s. SP do LIC 50 -> 60 %: sobressinal "
            "{LevelSpStepOvershoot:0} %, t90 {LevelSpStepT90:0} s."}};
    example.descriptionEnglish
        = {"A multiloop continuous stirred reactor: feed flow control; level control on the "
           "outlet; temperature control cascaded onto cooling-water flow (the inner loop rejects "
           "cooling-water pressure changes); and a switchable static feed-forward from feed rate "
           "to coolant demand.",
           {"Feed SP 10 -> 14 m3/h (50 -> 70 %): with FF off the temperature deviates "
            "{FeedStepWithoutFeedforwardDeviation:1} °C (IAE {FeedStepWithoutFeedforwardIae*1.5:0} "
            "°C·s = ΔCO·Ti/Kc exactly); with FF on {FeedStepWithFeedforwardDeviation:1} °C (IAE "
            "{FeedStepWithFeedforwardIae*1.5:0}). The remaining error is the 30 s lag of the "
            "reaction heat, which the static FF does not model.",
            "Cooling-water pressure 3 -> 1.8 bar: FIC-104 re-opens its valve, and the temperature "
            "moves only {CoolingWaterPressureDropDeviation*1.5:2} °C.",
            "TIC SP 75 -> 90 °C: overshoot {TemperatureSpStepOvershoot:1} %, t90 "
            "{TemperatureSpStepT90:0} s. LIC SP 50 -> 60 %: overshoot {LevelSpStepOvershoot:0} %, "
            "t90 {LevelSpStepT90:0} s."}};
    // {name, measure, the design's figure, this engine's figure, low, high}, in % of range.
    // Without feed-forward the temperature's IAE is the identity 20·130/3 %·s.
    example.checks = {
        {"FastRunSpStepIemaFeed",
         [](Plant &p) { return FastRunFigure(p, 2, 10, 1, &FastRunFigures::iema); },
         0.016,
         0.0155,
         0.0,
         0.03},
        {"FastRunSpStepIemaLevel",
         [](Plant &p) { return FastRunFigure(p, 2, 10, 2, &FastRunFigures::iema); },
         0.77,
         0.773,
         0.0,
         1.1},
        {"FastRunSpStepIemaTemperature",
         [](Plant &p) { return FastRunFigure(p, 2, 10, 3, &FastRunFigures::iema); },
         0.37,
         0.3692,
         0.0,
         0.55},
        {"FastRunSpStepIemaCoolingWater",
         [](Plant &p) { return FastRunFigure(p, 2, 10, 4, &FastRunFigures::iema); },
         0.081,
         0.0806,
         0.0,
         0.15},
        {"FastRunSpStepLargestEndError",
         [](Plant &p) { return FastRunLargestEndError(p, 10, 4); },
         0.0,
         0.0007,
         0.0,
         0.2},
        {"FeedStepWithoutFeedforwardDeviation",
         [](Plant &p) { return FeedStepIae(p, false, true) * 1.5; },
         6.1,
         6.06,
         4.5,
         8.0},
        {"FeedStepWithFeedforwardDeviation",
         [](Plant &p) { return FeedStepIae(p, true, true) * 1.5; },
         2.3,
         2.33,
         1.5,
         3.5},
        {"TemperatureSpStepOvershoot",
         [](Plant &p) { return SpStep(p, 3, 60, &StepResponse::overshoot); },
         4.5,
         4.52,
         2.0,
         8.0},
        {"TemperatureSpStepT90",
         [](Plant &p) { return SpStep(p, 3, 60, &StepResponse::t90); },
         90.0,
         90.4,
         60.0,
         130.0},
        {"LevelSpStepOvershoot",
         [](Plant &p) { return SpStep(p, 2, 60, &StepResponse::overshoot); },
         12.0,
         11.74,
         6.0,
         18.0},
        {"LevelSpStepT90",
         [](Plant &p) { return SpStep(p, 2, 60, &StepResponse::t90); },
         146.0,
         145.4,
         100.0,
         200.0},
        {"FeedStepWithoutFeedforwardIae",
         [](Plant &p) { return FeedStepIae(p, false); },
         866.7,
         866.6,
         807.0,
         927.0},
        {"FeedStepWithFeedforwardIae",
         [](Plant &p) { return FeedStepIae(p, true); },
         218.0,
         218.2,
         0.0,
         330.0},
        {"CoolingWaterPressureDropDeviation",
         [](Plant &p) {
             Scenario scenario(p);
             MoveSlider(p, 1, 3000);
             double largest = 0.0;
             scenario.Run(
                 1500, [&] { largest = std::max(largest, std::abs(p.memories.Value(26) - 50.0)); });
             return largest;
         },
         0.18,
         0.179,
         0.0,
         0.4},
    };
    return example;
}

const bool registered = RegisterExample(Make);

} // namespace

} // namespace zelvar::examples
