// Vazão em Duto | Basic flow loop: one well-tuned flow loop, its setpoint response and its
// rejection of a supply-pressure drop.
#include "examples/example.h"
#include "examples/harness.h"
#include "examples/pidpainter.h"
#include "examples/plantbuilder.h"

#include <cmath>

namespace zelvar::examples {

namespace {

void Build(PlantBuilder &b)
{
    b.Title("Vazão em Duto|Basic flow loop");
    b.Memory(21, {.unit = "m3/h", .low = "0", .high = "120", .alarmLow = "20", .alarmHigh = "100"});
    b.Memory(15, {.unit = "bar", .low = "0", .high = "10"});
    // Flow follows the square root of the upstream pressure; button 1 cuts it by 40 %.
    b.Process(1,
              {.tag = "FT-101",
               .description = "Vazão de água|Water flow",
               .input = 1,
               .gain = "(M15*(1-0.4*M97)/50)^0.5",
               .deadTime = "0.5",
               .tau1 = "3",
               .tau2 = "1.5",
               .left = 340,
               .top = 355});
    b.Controller(1,
                 {.tag = "FIC-101",
                  .description = "Controle de vazão|Flow control",
                  .pv = 21,
                  .setpoint = 50,
                  .kc = "0.8",
                  .ti = "3.5",
                  .left = 440,
                  .top = 110});
    b.Slider(1,
             {.name = "Pressão montante|Upstream press.", .percent = 50, .left = 40, .top = 420});
    b.PushButton(1,
                 {.name = "Perturbação|Disturbance",
                  .textOff = "Pressão normal|Normal pressure",
                  .textOn = "Queda p/ 3 bar|Drop to 3 bar"});
    b.CommandPanel(240, 420);
    b.Recorder(1,
               {.tag = "TR-101",
                .description = "Malha de vazão|Flow loop",
                .pen1 = 21,
                .pen2 = 61,
                .pen3 = 1,
                .timeBase = 0,
                .left = 700,
                .top = 110});
    b.Text(1, {.description = "Vazão|Flow", .memory = 21, .decimals = 1, .left = 350, .top = 205});
    b.Text(2,
           {.kind = TextKind::Equation,
            .description = "Pressão a montante|Upstream pressure",
            .expression = "M15*(1-0.4*M97)",
            .unit = "bar",
            .low = "0",
            .high = "10",
            .decimals = 2,
            .left = 165,
            .top = 215});
    b.Text(3,
           {.description = "Abertura FV-101|FV-101 opening",
            .memory = 1,
            .decimals = 1,
            .left = 570,
            .top = 255});
    b.Shape(1,
            {.memory = 97,
             .size = 30,
             .width = 30,
             .colour1 = kColourLime,
             .colour2 = kColourRed,
             .left = 245,
             .top = 250});
}

void Draw(PidPainter &p)
{
    p.ProcessLine({{40, 330}, {860, 330}}, true);
    p.Pump({130, 330}, 35);
    p.Text({100, 385}, QStringLiteral("P-101"), true);
    p.ProcessLine({{213, 330}, {213, 276}});
    p.PressureGauge({213, 263});
    p.Text({222, 300}, QStringLiteral("PI-100"), true);
    p.Orifice({380, 330});
    p.SignalLine({{380, 314}, {380, 276}});
    p.Bubble({380, 258}, QStringLiteral("FT-101"));
    p.ControlValve({600, 330});
    p.Text({575, 370}, QStringLiteral("FV-101"), true);
    p.Bubble({498, 168}, QStringLiteral("FIC-101"));
    p.SignalLine({{398, 258}, {498, 258}, {498, 186}});
    p.SignalLine({{516, 168}, {600, 168}, {600, 288}});
    p.Tank({860, 280, 90, 110});
    p.Label({800, 420}, QStringLiteral("Para consumo"), QStringLiteral("To users"));
}

// The figures of the loop as it opens, with FIC-101 retuned first when
// a Kc or a Ti is given.
double SpStep(Plant &plant,
              double StepResponse::*figure,
              const char *kc = nullptr,
              const char *ti = nullptr)
{
    Controller &fic = plant.controllers[1];
    fic.EditSettings([&](ControllerSettings &settings) {
        if (kc != nullptr)
            settings.KpText = kc;
        if (ti != nullptr)
            settings.KiText = ti;
    });
    fic.ApplyControllerSettings(plant.memories, false);
    Scenario scenario(plant);
    return SetpointStep(scenario, 1, 60, 120, 0.2).*figure;
}

double PressureDrop(Plant &plant, double LoadResponse::*figure)
{
    Scenario scenario(plant);
    return LoadChange(
               scenario, 1, [&] { scenario.PressButton(1); }, 120, 0.5)
           .*figure;
}

double FastRunFigure(Plant &plant, int testSignal, double FastRunFigures::*figure)
{
    return FiguresOf(FastRun(plant, testSignal, 10)[1]).*figure;
}

ExamplePlant Make()
{
    ExamplePlant example;
    example.picture = "sim18";
    example.build = Build;
    example.drawBackground = Draw;
    example.commentsPortuguese
        = {"Malha de vazão de água com válvula de controle. Altere o SP do FIC-101 e observe a "
           "resposta; use o botão \"Perturbação\" ou o controle deslizante para simular variações "
           "da pressão a montante (perturbação de carga). Experimente outras sintonias (Kc, Ti) e "
           "compare a rapidez e o sobressinal."};
    example.commentsEnglish
        = {"Water flow loop with a control valve. Change the FIC-101 setpoint and watch the "
           "response; use the \"Disturbance\" button or the slider to change the upstream pressure "
           "(load disturbance). Try other tunings (Kc, Ti) and compare speed and overshoot."};
    example.descriptionPortuguese
        = {"Uma malha de vazão bem sintonizada: observe e meça a resposta a mudanças de SP e a "
           "rejeição de uma queda da pressão de suprimento.",
           {"SP 60 -> 72 m3/h (50 -> 60 %): sobressinal {SpStepOvershoot:1} %, 90 % em "
            "{SpStepT90:1} s, dentro de 2 % do degrau em {SpStepSettling:1} s, IAE {SpStepIae:0} "
            "%·s (= Ti·10/(Kc·K) = 3,5·10/0,8).",
            "Pressione \"Perturbação\" (5 -> 3 bar): a vazão cai de imediato "
            "{50-PressureDropMinimumPv:1} % ({60-PressureDropMinimumPv*1.2:1} m3/h; o ganho age "
            "instantaneamente), volta a menos de 0,5 % da faixa (0,6 m3/h) do SP em "
            "{PressureDropRecovery:1} s, IAE "
            "{PressureDropIae:0} %·s, e a "
            "FV-101 se acomoda em {PressureDropFinalOutput:1} %.",
            "Experimente Kc 1,6: mais rápido (t90 {Kc16SpStepT90:1} s), porém "
            "{Kc16SpStepOvershoot:0} % de sobressinal. Experimente Ti 1 s: {Ti1SpStepOvershoot:0} "
            "% de sobressinal, oscilatório, acomodação em {Ti1SpStepSettling:0} s.",
            "Mova o controle deslizante: o ganho do processo muda com a raiz de P. A 2 bar a mesma "
            "sintonia fica lenta; a 10 bar, mais agressiva."}};
    example.descriptionEnglish
        = {"A single, well-tuned flow loop whose setpoint response and whose rejection of a "
           "supply-pressure load change you can watch and measure.",
           {"SP 60 -> 72 m3/h (50 -> 60 %): overshoot {SpStepOvershoot:1} %, 90 % in {SpStepT90:1} "
            "s, within 2 % of the step in {SpStepSettling:1} s, IAE {SpStepIae:0} %·s (= "
            "Ti·10/(Kc·K) = 3.5·10/0.8).",
            "Press \"Disturbance\" (5 -> 3 bar): the flow drops at once by "
            "{50-PressureDropMinimumPv:1} % ({60-PressureDropMinimumPv*1.2:1} m3/h; the gain acts "
            "instantly), is back within 0.5 % of range (0.6 m3/h) of the SP in "
            "{PressureDropRecovery:1} s, IAE "
            "{PressureDropIae:0} %·s, "
            "and FV-101 settles at {PressureDropFinalOutput:1} %.",
            "Try Kc 1.6: faster (t90 {Kc16SpStepT90:1} s), but {Kc16SpStepOvershoot:0} % "
            "overshoot. Try Ti 1 s: {Ti1SpStepOvershoot:0} % overshoot, oscillatory, settling in "
            "{Ti1SpStepSettling:0} s.",
            "Move the slider: the process gain changes with the square root of P. At 2 bar the "
            "same tuning is sluggish, at 10 bar more aggressive."}};
    // {name, measure, the design's figure, this engine's figure, low, high}. The fast run
    // samples once per second, so its IEM after the SP step reads 0.0224 against the
    // continuous integral's 43.75 %·s / 1800 s = 0.0243.
    example.checks = {
        {"FastRunSpStepIema",
         [](Plant &p) { return FastRunFigure(p, 2, &FastRunFigures::iema); },
         0.024,
         0.0226,
         0.0,
         0.05},
        {"FastRunSpStepIem",
         [](Plant &p) { return FastRunFigure(p, 2, &FastRunFigures::iem); },
         0.024,
         0.0224,
         0.019,
         0.029},
        {"FastRunSpStepEndError",
         [](Plant &p) { return std::abs(FastRunFigure(p, 2, &FastRunFigures::endError)); },
         0.0,
         0.0,
         0.0,
         0.1},
        {"FastRunDisturbanceIem",
         [](Plant &p) { return FastRunFigure(p, 3, &FastRunFigures::iem); },
         -0.024,
         -0.0243,
         -0.029,
         -0.019},
        {"SpStepOvershoot",
         [](Plant &p) { return SpStep(p, &StepResponse::overshoot); },
         0.6,
         0.629,
         0.0,
         3.0},
        {"SpStepT90", [](Plant &p) { return SpStep(p, &StepResponse::t90); }, 7.5, 7.5, 0.0, 10.0},
        {"SpStepSettling",
         [](Plant &p) { return SpStep(p, &StepResponse::settling); },
         9.2,
         9.2,
         5.0,
         15.0},
        {"Kc16SpStepOvershoot",
         [](Plant &p) { return SpStep(p, &StepResponse::overshoot, "1.6"); },
         20.0,
         20.12,
         10.0,
         30.0},
        {"Kc16SpStepT90",
         [](Plant &p) { return SpStep(p, &StepResponse::t90, "1.6"); },
         4.1,
         4.1,
         2.0,
         7.0},
        {"Ti1SpStepOvershoot",
         [](Plant &p) { return SpStep(p, &StepResponse::overshoot, nullptr, "1"); },
         67.0,
         67.27,
         50.0,
         85.0},
        {"Ti1SpStepSettling",
         [](Plant &p) { return SpStep(p, &StepResponse::settling, nullptr, "1"); },
         76.0,
         76.5,
         50.0,
         110.0},
        {"SpStepIae",
         [](Plant &p) { return SpStep(p, &StepResponse::iae); },
         44.0,
         44.08,
         40.0,
         48.0},
        {"PressureDropMinimumPv",
         [](Plant &p) { return PressureDrop(p, &LoadResponse::minPv); },
         38.7,
         38.73,
         38.0,
         50.0},
        {"PressureDropIae",
         [](Plant &p) { return PressureDrop(p, &LoadResponse::iae); },
         64.0,
         63.66,
         55.0,
         75.0},
        {"PressureDropRecovery",
         [](Plant &p) { return PressureDrop(p, &LoadResponse::recovery); },
         12.7,
         12.7,
         0.0,
         20.0},
        {"PressureDropFinalOutput",
         [](Plant &p) { return PressureDrop(p, &LoadResponse::finalOutput); },
         64.5,
         64.55,
         64.0,
         65.0},
    };
    return example;
}

const bool registered = RegisterExample(Make);

} // namespace

} // namespace zelvar::examples
