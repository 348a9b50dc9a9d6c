// Forno Tubular II | Furnace Temperature (Master-Slave): the furnace of the single-loop example
// with the outlet temperature cascaded onto a fuel-gas flow loop.
#include "examples/example.h"
#include "examples/harness.h"
#include "examples/pidpainter.h"
#include "examples/plantbuilder.h"
#include "examples/plants/fastrunfigures.h"
#include "examples/plants/furnacecore.h"

#include <algorithm>
#include <cmath>

namespace zelvar::examples {

namespace {

void Build(PlantBuilder &b)
{
    b.Title("Forno tubular II - controle mestre-escravo|Tubular furnace II - master-slave "
            "(cascade)");
    // Slider group 2 drives M16 as in the single-loop furnace; group 1 stays hidden.
    BuildFurnaceCore(b, "FT-102", 2, 5);
    b.Memory(21,
             {.unit = "Nm3/h", .low = "0", .high = "500", .alarmLow = "50", .alarmHigh = "450"});
    b.Memory(41, {.unit = "°C", .low = "0", .high = "600", .alarmLow = "380", .alarmHigh = "420"});

    // No noise and no filter: the PV is the temperature block, valid from the first tick.
    b.Block(1,
            {.tag = "TT-101",
             .description = "Temperatura de saída|Outlet temperature",
             .expression = "21.67+M22-M23",
             .left = 650,
             .top = 565});
    BuildFurnaceTemperatureLoop(b, 41, 900, 194);
    // The slave's setpoint is the master's output: the fuel flow in % of 0-500 Nm3/h.
    b.Controller(2,
                 {.tag = "FIC-102",
                  .description = "Vazão de gás combustível|Fuel gas flow",
                  .pv = 21,
                  .setpoint = 50,
                  .kc = "1.0",
                  .ti = "2.5",
                  .remoteSetpoint = 1,
                  .remote = true,
                  .left = 220,
                  .top = 415});

    b.Recorder(2,
               {.tag = "TR-102",
                .description = "Vazão de gás combustível|Fuel gas flow",
                .pen1 = 21,
                .pen2 = 62,
                .pen3 = 2,
                .timeBase = 0,
                .left = 880,
                .top = 55});

    b.Text(1,
           {.description = "Temperatura de saída|Outlet temperature",
            .memory = 41,
            .decimals = 1,
            .left = 620,
            .top = 290});
    b.Text(2,
           {.description = "Vazão de gás|Gas flow",
            .memory = 21,
            .decimals = 0,
            .left = 40,
            .top = 575});
    b.Text(3,
           {.description = "SP de vazão (do TIC)|Flow SP (from TIC)",
            .memory = 62,
            .decimals = 1,
            .left = 40,
            .top = 330});
    b.Text(4,
           {.description = "Abertura FV-102|FV-102 opening",
            .memory = 2,
            .decimals = 1,
            .left = 40,
            .top = 380});
}

void Draw(PidPainter &p)
{
    DrawFurnaceCore(p, QStringLiteral("FV-102"));
    p.SignalLine({{678, 205}, {852, 205}});
    p.Bubble({870, 205}, QStringLiteral("TIC-101"));
    // The fuel-gas flow loop, its setpoint coming from the master over the furnace.
    p.SignalLine({{198, 504}, {198, 473}});
    p.Bubble({198, 455}, QStringLiteral("FIC-102"));
    p.SignalLine({{216, 455}, {298, 455}, {298, 478}});
    p.SignalLine({{870, 187}, {870, 30}, {260, 30}, {260, 400}, {198, 400}, {198, 437}});
    p.Label({270, 100}, QStringLiteral("SP remoto"), QStringLiteral("remote SP"));
}

// SP 400 -> 420 °C on the master.
double SpStep(Plant &plant, double StepResponse::*figure)
{
    Scenario scenario(plant);
    return SetpointStep(scenario, 1, 70.0, 900, 0.5).*figure;
}

// A button pressed at rest: the outlet temperature's largest distance from its setpoint and
// its lowest value.
LoadResponse Upset(Plant &plant, int button)
{
    Scenario scenario(plant);
    return LoadChange(
        scenario, 1, [&] { scenario.PressButton(button); }, 1500, 0.5);
}

ExamplePlant Make()
{
    ExamplePlant example;
    example.picture = "sim13";
    example.build = Build;
    example.drawBackground = Draw;
    example.warmUpSeconds = 1800;
    example.commentsPortuguese
        = {"Mesmo forno do exemplo anterior, agora com controle em cascata: o TIC-101 (mestre) "
           "define o SP do controlador de vazão de gás FIC-102 (escravo). A malha interna corrige "
           "rapidamente as variações de pressão do gás antes que afetem a temperatura. Compare a "
           "queda de pressão do gás com o exemplo sem cascata e observe que a abertura da porta "
           "não é compensada pela malha interna."};
    example.commentsEnglish
        = {"The same furnace as the previous example, now with cascade control: TIC-101 (master) "
           "sets the setpoint of the fuel-gas flow controller FIC-102 (slave). The inner loop "
           "corrects fuel-gas pressure changes before they reach the temperature. Compare the gas "
           "pressure drop with the single-loop example, and note that the door opening is not "
           "helped by the inner loop."};
    example.descriptionPortuguese
        = {"O mesmo forno do \"Forno Tubular\", com o mestre de temperatura de saída TIC-101 em "
           "cascata com o escravo de vazão de gás FIC-102. A malha interna cancela as variações da "
           "pressão do gás antes que cheguem à temperatura. O distúrbio da porta, que entra na "
           "malha externa, não é ajudado.",
           {"Queda de pressão do gás (botão 2): o escravo restabelece a vazão em poucos segundos e "
            "a temperatura se move só -{GasPressureDropDeviation*6:1} °C (IAE "
            "{GasPressureDropIae*6:0} °C·s), contra -{sim12.GasPressureDropDeviation*6:0} °C / "
            "{sim12.GasPressureDropIae*6:0} °C·s no \"Forno Tubular\".",
            "Porta aberta: -{400-DoorOpenedMinimum*6:0} °C, quase como no \"Forno Tubular\". O "
            "escravo não ajuda com um distúrbio que não passa por ele.",
            "SP 400 -> 420 °C: sobressinal {SpStepOvershoot:0} %, t90 {SpStepT90:0} s.",
            "Ponha o FIC-102 em local (L/R) e veja o mestre perder o controle. Ponha o FIC-102 em "
            "manual: o retorno é sem solavanco."}};
    example.descriptionEnglish
        = {"The same furnace as \"Furnace Temperature\", with the outlet-temperature master "
           "TIC-101 cascaded onto a fuel-gas flow slave FIC-102. The inner loop cancels fuel-gas "
           "pressure disturbances before they reach the temperature. The door disturbance, which "
           "enters at the outer loop, is not helped.",
           {"Gas pressure drop (button 2): the slave restores the fuel flow in a few seconds, and "
            "the temperature moves only -{GasPressureDropDeviation*6:1} °C (IAE "
            "{GasPressureDropIae*6:0} °C·s), against -{sim12.GasPressureDropDeviation*6:0} °C / "
            "{sim12.GasPressureDropIae*6:0} °C·s in \"Furnace Temperature\".",
            "Door opened: -{400-DoorOpenedMinimum*6:0} °C, about as in \"Furnace Temperature\". "
            "The slave cannot help with a disturbance that does not pass through it.",
            "SP 400 -> 420 °C: overshoot {SpStepOvershoot:0} %, t90 {SpStepT90:0} s.",
            "Put FIC-102 in local (L/R) and watch the master lose control. Put FIC-102 in manual: "
            "bumpless return."}};
    // {name, measure, the design's figure, this engine's figure, low, high}, in % of range.
    // The single-loop furnace checks the same gas-pressure drop (3.07 %).
    example.checks = {
        {"SpStepOvershoot",
         [](Plant &p) { return SpStep(p, &StepResponse::overshoot); },
         7.0,
         6.63,
         2.0,
         15.0},
        {"SpStepT90",
         [](Plant &p) { return SpStep(p, &StepResponse::t90); },
         57.0,
         56.6,
         30.0,
         90.0},
        {"FastRunSpStepIemaMaster",
         [](Plant &p) { return FastRunFigure(p, 2, 5, 1, &FastRunFigures::iema); },
         0.115,
         0.1149,
         0.0,
         0.17},
        {"FastRunSpStepIemaSlave",
         [](Plant &p) { return FastRunFigure(p, 2, 5, 2, &FastRunFigures::iema); },
         0.033,
         0.0329,
         0.0,
         0.06},
        {"FastRunSpStepEndError",
         [](Plant &p) { return FastRunLargestEndError(p, 5, 1); },
         0.0,
         0.0,
         0.0,
         0.1},
        {"GasPressureDropDeviation",
         [](Plant &p) {
             const LoadResponse r = Upset(p, 2);
             return std::max(kFurnaceSetpoint - r.minPv, r.maxPv - kFurnaceSetpoint);
         },
         0.27,
         0.2649,
         0.0,
         0.5},
        {"GasPressureDropIae", [](Plant &p) { return Upset(p, 2).iae; }, 16.2, 16.14, 10.0, 25.0},
        {"DoorOpenedMinimum",
         [](Plant &p) { return Upset(p, 1).minPv; },
         61.93,
         61.93,
         61.0,
         kFurnaceSetpoint},
    };
    return example;
}

const bool registered = RegisterExample(Make);

} // namespace

} // namespace zelvar::examples
