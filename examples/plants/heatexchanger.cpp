// Trocador de Calor | Heat exchanger: outlet temperature of a steam heater, with a static
// feed-forward from the measured inlet temperature that a switch turns on and off.
#include "examples/example.h"
#include "examples/harness.h"
#include "examples/pidpainter.h"
#include "examples/plantbuilder.h"
#include "examples/plants/fastrunfigures.h"

#include <algorithm>
#include <cmath>

namespace zelvar::examples {

namespace {

// The outlet temperature's scale: 0-150 °C.
constexpr double kDegreesPerPercent = 1.5;

void Build(PlantBuilder &b)
{
    b.Title("Trocador de calor com compensação direta|Heat exchanger with feedforward");
    b.Memory(15, {.unit = "°C", .low = "0", .high = "100"});
    b.Memory(41, {.unit = "°C", .low = "0", .high = "100"});
    b.Memory(21, {.unit = "kg/h", .low = "0", .high = "2000"});
    b.Memory(22, {.unit = "°C", .low = "0", .high = "150"});
    b.Memory(23, {.unit = "°C", .low = "0", .high = "150"});
    b.Memory(42, {.unit = "°C", .low = "0", .high = "150", .alarmLow = "80", .alarmHigh = "100"});

    b.Slider(1,
             {.name = "Temp. de chegada|Inlet temperature", .percent = 30, .left = 40, .top = 440});
    b.PushButton(1, {.name = "Degrau Tin|Tin step", .textOff = "Normal", .textOn = "-10 °C"});
    b.CommandPanel(250, 440);
    b.Switch(1, {.orientation = 1, .on = true, .left = 250, .top = 40});

    b.Block(1,
            {.tag = "TT-100",
             .description = "Temperatura de chegada|Inlet temperature",
             .expression = "M15-10*M97",
             .high = "100",
             .low = "0",
             .left = 130,
             .top = 236});
    b.Process(1,
              {.tag = "FT-101",
               .description = "Vazão de vapor|Steam flow",
               .input = 1,
               .tau1 = "2",
               .tau2 = "1",
               .left = 300,
               .top = 175});
    // The two paths into the outlet temperature: steam quickly, the inlet with 8 s of transport.
    b.Process(2,
              {.tag = "HX-VAP",
               .description = "Aquecimento pelo vapor (elevação de temperatura)|Steam heating "
                              "(temperature rise)",
               .input = 21,
               .gain = "0.8",
               .deadTime = "2",
               .tau1 = "12",
               .tau2 = "3",
               .left = 40,
               .top = 560});
    b.Process(3,
              {.tag = "HX-TIN",
               .description = "Efeito da temperatura de chegada|Inlet temperature effect",
               .input = 41,
               .gain = "0.6667",
               .deadTime = "8",
               .tau1 = "20",
               .left = 130,
               .top = 560});
    b.Block(2,
            {.tag = "TT-101",
             .description = "Temperatura de saída|Outlet temperature",
             .expression = "M22+M23",
             .left = 810,
             .top = 236});
    // Steam % = (T_SP - T_in)/1.2 at the design point: -0.8333 % per °C of inlet temperature.
    b.Controller(1,
                 {.tag = "TIC-101",
                  .description = "Temperatura de saída|Outlet temperature",
                  .pv = 42,
                  .setpoint = 60,
                  .kc = "1.2",
                  .ti = "14",
                  .feedForward = "50-M11*0.8333*(M41-30)",
                  .left = 560,
                  .top = 20});

    b.Recorder(1,
               {.tag = "TR-101",
                .description = "Temperatura de saída|Outlet temperature",
                .pen1 = 42,
                .pen2 = 61,
                .pen3 = 1,
                .timeBase = 1,
                .left = 880,
                .top = 440});
    b.Recorder(2,
               {.tag = "TR-100",
                .description = "Chegada e vapor|Inlet and steam",
                .pen1 = 41,
                .pen3 = 21,
                .name1 = "Tin",
                .name3 = "Vapor %|Steam %",
                .timeBase = 1,
                .left = 880,
                .top = 475});

    b.Text(1,
           {.description = "Temperatura de chegada|Inlet temperature",
            .memory = 41,
            .decimals = 1,
            .left = 40,
            .top = 305});
    b.Text(2,
           {.description = "Temperatura de saída|Outlet temperature",
            .memory = 42,
            .decimals = 1,
            .left = 840,
            .top = 305});
    b.Text(3,
           {.description = "Vazão de vapor|Steam flow",
            .memory = 21,
            .decimals = 0,
            .left = 580,
            .top = 190});
    b.Text(4,
           {.description = "Abertura FV-101|FV-101 opening",
            .memory = 1,
            .decimals = 1,
            .left = 420,
            .top = 190});
    b.Text(5,
           {.kind = TextKind::Binary,
            .description = "Compensação direta|Feedforward",
            .memory = 11,
            .expression = "Desligada/Ligada|Off/On",
            .left = 110,
            .top = 60});
}

void Draw(PidPainter &p)
{
    QPainter &g = p.painter();
    // Process fluid through the tubes, left to right.
    p.ProcessLine({{40, 280}, {300, 280}});
    p.ProcessLine({{700, 280}, {960, 280}}, true);
    p.Label({40, 270}, QStringLiteral("Fluido de processo"), QStringLiteral("Process fluid"));

    // Shell-and-tube exchanger: shell, tube sheets and a few tubes.
    g.setPen(QPen(PidPainter::kInk, 2));
    g.setBrush(Qt::white);
    g.drawRoundedRect(QRectF(300, 230, 400, 100), 30, 30);
    g.drawLine(QPointF(340, 230), QPointF(340, 330));
    g.drawLine(QPointF(660, 230), QPointF(660, 330));
    g.setPen(QPen(PidPainter::kInk, 1));
    for (int y = 250; y <= 310; y += 15)
        g.drawLine(QPointF(340, y), QPointF(660, y));
    p.Text({448, 350}, QStringLiteral("E-101"), true);

    // Steam in at the top, condensate out at the bottom through the trap.
    p.ProcessLine({{230, 160}, {560, 160}, {560, 230}}, true);
    p.Label({230, 150}, QStringLiteral("Vapor"), QStringLiteral("Steam"));
    p.Orifice({400, 160});
    p.SignalLine({{400, 144}, {400, 128}});
    p.Bubble({400, 110}, QStringLiteral("FT-101"));
    p.ControlValve({480, 160});
    p.Text({500, 148}, QStringLiteral("FV-101"), true);
    p.ProcessLine({{500, 330}, {500, 372}});
    g.setPen(QPen(PidPainter::kInk, 2));
    g.setBrush(Qt::white);
    g.drawRect(QRectF(488, 372, 24, 20));
    p.Text({494, 387}, QStringLiteral("T"), true);
    p.ProcessLine({{500, 392}, {500, 430}, {600, 430}}, true);
    p.Label({520, 420}, QStringLiteral("Condensado"), QStringLiteral("Condensate"));

    // Transmitters, controller and the feed-forward summing box.
    p.SignalLine({{218, 280}, {218, 218}});
    p.Bubble({218, 200}, QStringLiteral("TT-100"));
    p.SignalLine({{798, 280}, {798, 218}});
    p.Bubble({798, 200}, QStringLiteral("TT-101"));
    p.Bubble({618, 78}, QStringLiteral("TIC-101"));
    p.SignalLine({{798, 182}, {798, 78}, {636, 78}});
    p.SignalLine({{618, 96}, {618, 104}, {480, 104}, {480, 118}});
    p.SignalLine({{218, 182}, {218, 124}, {348, 124}, {348, 96}});
    p.SignalLine({{366, 78}, {600, 78}});
    g.setPen(QPen(PidPainter::kInk, 1.5));
    g.setBrush(Qt::white);
    g.drawRect(QRectF(330, 60, 36, 36));
    p.Text({340, 85}, QStringLiteral("Σ"), true, 12);
    p.Text({375, 70}, QStringLiteral("FF"), true);

    p.Label({40, 548}, QStringLiteral("Cálculos"), QStringLiteral("Calculations"));
}

// The inlet temperature step of -10 °C at rest, with the feed-forward as the switch leaves it.
LoadResponse InletStep(Plant &plant, bool feedforward)
{
    Scenario scenario(plant);
    if (!feedforward)
        ClickSwitch(plant, 1);
    return LoadChange(
        scenario, 1, [&] { scenario.PressButton(1); }, 400, 0.5);
}

// The move of the steam valve in the first step after the inlet step, with the feed-forward on:
// the PV has not moved yet, so it is the feed-forward's alone.
double InletStepValveJump(Plant &plant)
{
    Scenario scenario(plant);
    const double before = plant.memories.Value(1);
    scenario.PressButton(1);
    scenario.Run(Scenario::kTimeStep);
    return plant.memories.Value(1) - before;
}

// 2 % of a 10 °C step, in % of the 0-150 °C range.
constexpr double kSettlingBand = 0.2 / kDegreesPerPercent;

// SP 90 -> 100 °C at rest with the feed-forward on, settling within `band` % of range.
double SpStep(Plant &plant, double StepResponse::*figure, double band)
{
    Scenario scenario(plant);
    return SetpointStep(scenario, 1, 100.0 / kDegreesPerPercent, 200, band).*figure;
}

double InletStepIae(Plant &plant, bool feedforward)
{
    return InletStep(plant, feedforward).iae * kDegreesPerPercent;
}

// The IAE of the inlet step without the feed-forward over the IAE with it, both from one plant:
// the step with it, the button released and the plant at rest again, then the step without.
double InletStepFeedforwardIaeGain(Plant &plant)
{
    const double with = InletStepIae(plant, true);
    Scenario scenario(plant);
    scenario.PressButton(1);
    scenario.Run(900);
    return InletStepIae(plant, false) / with;
}

ExamplePlant Make()
{
    ExamplePlant example;
    example.picture = "sim11";
    example.build = Build;
    example.drawBackground = Draw;
    example.commentsPortuguese
        = {"Aquecedor a vapor. O TIC-101 controla a temperatura de saída manipulando a válvula de "
           "vapor. A compensação direta (feedforward) usa a temperatura de chegada medida (TT-100) "
           "na equação do bias dinâmico do controlador e pode ser ligada/desligada pela chave. "
           "Aplique o degrau na temperatura de chegada com e sem compensação."};
    example.commentsEnglish
        = {"Steam heater. TIC-101 controls the outlet temperature with the steam valve. "
           "Feedforward from the measured inlet temperature (TT-100) enters through the "
           "controller's dynamic-bias (FF) expression and can be switched on and off. Apply the "
           "inlet temperature step with and without feedforward."};
    example.descriptionPortuguese
        = {"Controle da temperatura de saída de um aquecedor a vapor. Uma compensação direta "
           "estática a partir da temperatura de chegada medida, que pode ser desligada, está "
           "escrita na expressão FF (bias dinâmico) do controlador.",
           {"Compensação ligada, SP 90 -> 100 °C: sobressinal {SpStepOvershoot:1} %, t90 "
            "{SpStepT90:0} s, acomodado (2 % do degrau) em {SpStepSettling:0} s.",
            "Pressione \"Degrau Tin\" (-10 °C) com a compensação DESLIGADA: a saída cai "
            "{0-InletStepWithoutFeedforwardMinimum:1} °C; IAE {InletStepWithoutFeedforwardIae:0} "
            "°C·s.",
            "O mesmo com a compensação LIGADA: a válvula abre de imediato +{InletStepValveJump:1} "
            "%; o desvio da "
            "saída fica em "
            "-{0-InletStepWithFeedforwardMinimum:1}/+{InletStepWithFeedforwardDeviation:1} °C; IAE "
            "{InletStepWithFeedforwardIae:0} °C·s ({InletStepFeedforwardIaeGain:0} vezes melhor). "
            "O erro que resta vem das "
            "dinâmicas diferentes dos dois caminhos (a chegada tem 8 s de tempo morto, o vapor só "
            "2 s): é a deixa para discutir a compensação dinâmica (avanço-atraso)."}};
    example.descriptionEnglish
        = {"Steam heater outlet-temperature control. A static feed-forward from the measured inlet "
           "temperature, switchable, is written in the controller's FF (dynamic bias) expression.",
           {"FF on, SP 90 -> 100 °C: overshoot {SpStepOvershoot:1} %, t90 {SpStepT90:0} s, settled "
            "(2 % of the step) in {SpStepSettling:0} s.",
            "Press \"Tin step\" (-10 °C) with FF OFF: the outlet drops "
            "{0-InletStepWithoutFeedforwardMinimum:1} °C; IAE {InletStepWithoutFeedforwardIae:0} "
            "°C·s.",
            "Same with FF ON: the valve moves at once by +{InletStepValveJump:1} %; the outlet "
            "deviation is "
            "-{0-InletStepWithFeedforwardMinimum:1}/+{InletStepWithFeedforwardDeviation:1} °C; IAE "
            "{InletStepWithFeedforwardIae:0} "
            "°C·s ({InletStepFeedforwardIaeGain:0} times better). The remaining error comes from "
            "the different dynamics of the "
            "two paths (the inlet effect has 8 s dead time, the steam only 2 s): the cue to "
            "discuss dynamic (lead-lag) compensation."}};
    // {name, measure, the design's figure, this engine's figure, low, high}. Temperatures in
    // °C of the 0-150 °C outlet scale; the fast run's figures in % of range.
    example.checks = {
        {"FastRunSpStepIema",
         [](Plant &p) { return FastRunFigure(p, 2, 10, 1, &FastRunFigures::iema); },
         0.087,
         0.0865,
         0.0,
         0.15},
        {"FastRunSpStepEndError",
         [](Plant &p) { return FastRunLargestEndError(p, 10, 1); },
         0.0,
         0.0,
         0.0,
         0.1},
        {"InletStepValveJump", InletStepValveJump, 8.3, 8.333, 8.0, 8.7},
        {"SpStepOvershoot",
         [](Plant &p) { return SpStep(p, &StepResponse::overshoot, 0.2); },
         5.4,
         5.402,
         3.0,
         8.0},
        {"SpStepT90",
         [](Plant &p) { return SpStep(p, &StepResponse::t90, 0.2); },
         23.0,
         22.7,
         18.0,
         28.0},
        {"SpStepSettling",
         [](Plant &p) { return SpStep(p, &StepResponse::settling, kSettlingBand); },
         43.0,
         42.6,
         35.0,
         55.0},
        {"InletStepFeedforwardIaeGain", InletStepFeedforwardIaeGain, 3.0, 3.054, 2.0, 4.0},
        {"InletStepWithoutFeedforwardIae",
         [](Plant &p) { return InletStepIae(p, false); },
         146.0,
         145.8,
         120.0,
         1000.0},
        {"InletStepWithoutFeedforwardMinimum",
         [](Plant &p) { return (InletStep(p, false).minPv - 60.0) * kDegreesPerPercent; },
         -4.3,
         -4.28,
         -100.0,
         -3.5},
        {"InletStepWithFeedforwardIae",
         [](Plant &p) { return InletStepIae(p, true); },
         48.0,
         47.8,
         0.0,
         70.0},
        {"InletStepWithFeedforwardMinimum",
         [](Plant &p) { return (InletStep(p, true).minPv - 60.0) * kDegreesPerPercent; },
         -0.6,
         -0.592,
         -2.0,
         0.0},
        {"InletStepWithFeedforwardDeviation",
         [](Plant &p) {
             const LoadResponse r = InletStep(p, true);
             return std::max(60.0 - r.minPv, r.maxPv - 60.0) * kDegreesPerPercent;
         },
         1.2,
         1.2,
         0.0,
         2.0},
    };
    return example;
}

const bool registered = RegisterExample(Make);

} // namespace

} // namespace zelvar::examples
