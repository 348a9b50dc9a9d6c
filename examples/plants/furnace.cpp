// Forno Tubular | Furnace Temperature: PID control of a fired heater's outlet temperature, with
// measurement noise and a transmitter filter that shows why the derivative needs one.
#include "examples/example.h"
#include "examples/harness.h"
#include "examples/pidpainter.h"
#include "examples/plantbuilder.h"
#include "examples/plants/furnacecore.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace zelvar::examples {

namespace {

void Build(PlantBuilder &b)
{
    b.Title("Forno tubular|Tubular furnace");
    BuildFurnaceCore(b, "FT-101", 1, 6);
    b.Memory(15, {.unit = "s", .low = "0", .high = "20"});
    b.Memory(21, {.unit = "Nm3/h", .low = "0", .high = "500"});
    for (const int m : {41, 42})
        b.Memory(m, {.unit = "°C", .low = "0", .high = "600"});
    b.Memory(24, {.unit = "°C", .low = "0", .high = "600", .alarmLow = "380", .alarmHigh = "420"});

    // +-0.5 % of range is +-3 °C, drawn afresh at every step.
    b.GeneratorRow(81,
                   {.kind = kFastRandom,
                    .description = "Ruído do TT-101|TT-101 noise",
                    .min = "-0.5",
                    .max = "0.5"});
    b.Switch(1, {.orientation = 1, .on = true, .left = 700, .top = 40});
    b.Slider(
        1, {.name = "Filtro TT-101 (s)|TT-101 filter (s)", .percent = 15, .left = 800, .top = 330});

    b.Block(1,
            {.tag = "TI-101R",
             .description = "Temperatura real de saída|True outlet temperature",
             .expression = "21.67+M22-M23",
             .left = 650,
             .top = 565});
    b.Block(2,
            {.tag = "TT-101B",
             .description = "Sinal bruto do TT-101|TT-101 raw signal",
             .expression = "M41+M11*M81",
             .left = 735,
             .top = 565});
    // The transmitter's first-order filter, its time constant set by slider 1 (0-20 s).
    b.Process(4,
              {.tag = "TT-101",
               .description = "Temperatura de saída (filtrada)|Outlet temperature (filtered)",
               .input = 42,
               .tau1 = "M15/5",
               .left = 716,
               .top = 194});
    BuildFurnaceTemperatureLoop(b, 24, 831, 150);

    b.Recorder(2,
               {.tag = "TR-102",
                .description = "Sinal do transmissor|Transmitter signal",
                .pen1 = 42,
                .pen2 = 24,
                .pen3 = 1,
                .name1 = "Bruto|Raw",
                .name2 = "Filtrado|Filtered",
                .timeBase = 0,
                .left = 880,
                .top = 55});

    b.Text(1,
           {.description = "Temperatura real|True temperature",
            .memory = 41,
            .decimals = 1,
            .left = 620,
            .top = 290});
    b.Text(2,
           {.description = "Temperatura medida|Measured temperature",
            .memory = 24,
            .decimals = 1,
            .left = 860,
            .top = 290});
    b.Text(3,
           {.description = "Vazão de gás|Gas flow",
            .memory = 21,
            .decimals = 0,
            .left = 40,
            .top = 575});
    b.Text(4,
           {.description = "Abertura FV-101|FV-101 opening",
            .memory = 1,
            .decimals = 1,
            .left = 180,
            .top = 440});
    b.Text(5,
           {.kind = TextKind::Equation,
            .description = "Filtro do TT-101|TT-101 filter",
            .expression = "M15",
            .unit = "s",
            .low = "0",
            .high = "20",
            .decimals = 1,
            .left = 700,
            .top = 150});
    b.Text(7,
           {.kind = TextKind::Binary,
            .description = "Ruído na medição|Measurement noise",
            .memory = 11,
            .expression = "Desligado/Ligado|Off/On",
            .left = 760,
            .top = 80});
}

void Draw(PidPainter &p)
{
    DrawFurnaceCore(p, QStringLiteral("FV-101"));
    // The transmitter's filter between TT-101 and the controller.
    QPainter &g = p.painter();
    p.SignalLine({{678, 205}, {706, 205}});
    g.setPen(QPen(PidPainter::kInk, 1.5));
    g.setBrush(Qt::white);
    g.drawRect(QRectF(706, 186, 100, 38));
    p.Label({712, 182}, QStringLiteral("filtro"), QStringLiteral("filter"));
    p.SignalLine({{806, 205}, {852, 205}});
    p.Bubble({870, 205}, QStringLiteral("TIC-101"));
    p.SignalLine({{870, 223}, {870, 236}, {780, 236}, {780, 486}, {312, 486}});
}

// A button pressed at rest with the noise off: the true outlet temperature M41, which the
// filter would otherwise smooth, and its IAE over the first `iaeWindow` s.
struct TrueTemperature
{
    double minimum = 100.0;
    double iae = 0.0;
};

TrueTemperature WithoutNoise(Plant &plant, int button, double iaeWindow = 1500.0)
{
    Scenario scenario(plant);
    ClickSwitch(plant, 1);
    scenario.Run(300);
    scenario.PressButton(button);
    const double pressed = scenario.Time();
    TrueTemperature figures;
    scenario.Run(1500, [&] {
        const double t = plant.memories.Value(41);
        figures.minimum = std::min(figures.minimum, t);
        if (scenario.Time() - pressed <= iaeWindow)
            figures.iae += std::abs(kFurnaceSetpoint - t) * Scenario::kTimeStep;
    });
    return figures;
}

// SP 400 -> 420 °C with the noise off, the transmitter filter at `filterSeconds` when given.
double SpStep(Plant &plant, double StepResponse::*figure, double filterSeconds = -1.0)
{
    ClickSwitch(plant, 1);
    if (filterSeconds >= 0.0)
        MoveSlider(plant, 1, static_cast<int>(std::nearbyint(filterSeconds / 20.0 * 10000.0)));
    Scenario scenario(plant);
    return SetpointStep(scenario, 1, 70.0, 900, 0.5).*figure;
}

// TIC-101 as a PI controller (Kc 1.8, Ti 60 s, no derivative action).
void AsPi(Plant &plant)
{
    Controller &tic = plant.controllers[1];
    tic.EditSettings([](ControllerSettings &settings) {
        settings.KpText = "1.8";
        settings.KiText = "60";
        settings.KdText = "0";
    });
    tic.ApplyControllerSettings(plant.memories, false);
}

// The noisy plant with the transmitter filter set to `seconds`: the standard deviation of the
// controller output over the next 10 min.
double OutputSpread(Plant &plant, double seconds)
{
    MoveSlider(plant, 1, static_cast<int>(std::nearbyint(seconds / 20.0 * 10000.0)));
    Scenario scenario(plant);
    std::vector<double> outputs;
    scenario.Run(600, [&] { outputs.push_back(plant.memories.Value(1)); });
    double mean = 0.0;
    for (const double x : outputs)
        mean += x;
    mean /= static_cast<double>(outputs.size());
    double sum = 0.0;
    for (const double x : outputs)
        sum += (x - mean) * (x - mean);
    return std::sqrt(sum / static_cast<double>(outputs.size() - 1));
}

// Index `which` of the fast run's seven index texts (SP +amplitude), read as a number; with the
// noise on, the mean over the seeds a trainee's runs draw.
double FastRunIndex(Plant &plant, bool noise, double filterSeconds, int amplitude, int which)
{
    const auto index = [=](Plant &run, std::uint32_t seed) {
        if (!noise)
            ClickSwitch(run, 1);
        MoveSlider(run, 1, static_cast<int>(std::nearbyint(filterSeconds / 20.0 * 10000.0)));
        const LoopCharts charts = FastRun(run, 2, amplitude, seed);
        const LoopSeries &loop = charts[1];
        if (which == 0)
            return FiguresOf(loop).iema;
        if (which == 1)
            return std::abs(FiguresOf(loop).endError);
        return std::stod(
            CalcLoopIndices(loop.PV, loop.SP, loop.CO)[static_cast<std::size_t>(which)]);
    };
    return noise ? MeanOverNoiseSeeds(plant, index) : index(plant, 41);
}

ExamplePlant Make()
{
    ExamplePlant example;
    example.picture = "sim12";
    example.build = Build;
    example.drawBackground = Draw;
    example.warmUpSeconds = 1800;
    example.commentsPortuguese = {
        "Forno tubular com controle de temperatura de saída por PID atuando direto na válvula "
        "de gás. Teste degraus de SP e a abertura da porta do forno. Com ruído na medição, a "
        "ação derivativa amplifica o ruído: ajuste o filtro do transmissor (controle deslizante) "
        "e observe o compromisso entre saída do controlador suave e resposta mais lenta. "
        "Compare a queda de pressão do gás com o exemplo \"Forno Tubular II\" (cascata)."};
    example.commentsEnglish
        = {"Tubular furnace with PID outlet-temperature control acting straight on the fuel-gas "
           "valve. Try setpoint steps and opening the furnace door. With measurement noise the "
           "derivative action amplifies the noise: adjust the transmitter filter (slider) and "
           "watch the trade-off between a smooth controller output and a slower loop. Compare the "
           "fuel-gas pressure drop with \"Furnace Temperature (Master-Slave)\"."};
    example.descriptionPortuguese = {
        "Controle PID de malha simples da temperatura de saída de um forno: degraus de SP, um "
        "distúrbio em degrau (porta do forno aberta), ruído de medição e um filtro de primeira "
        "ordem no transmissor com a constante de tempo ajustada por um controle deslizante. Veja "
        "por que a ação derivativa precisa de uma medição filtrada, e quanto o filtro custa. A "
        "queda de pressão do gás é a mesma do \"Forno Tubular II\", para comparar.",
        {"Ruído desligado (chave), SP 400 -> 420 °C: sobressinal {SpStepOvershoot:0} %, t90 "
         "{SpStepT90:0} s.",
         "Ruído desligado, 5 min de espera, porta aberta: a temperatura real (M41) tem pico de "
         "-{400-DoorOpenedMinimum*6:0} °C; IAE nos primeiros 5 min {DoorOpenedIae*6:0} °C·s (= "
         "ΔCO·Ti/Kc × 6 °C/%).",
         "Do mesmo modo, queda de pressão do gás: temperatura real -{GasPressureDropDeviation*6:0} "
         "°C.",
         "Ruído ligado, filtro 0 s: a derivada amplifica o ruído de ±3 °C. A saída salta e fica "
         "saturada em 0/100 % cerca de {FastRunSpStepSaturationFilter0s:0} % do tempo (quadro "
         "\"Saturação "
         "CO\" da Simulação Rápida com degrau de SP de 10 %; cada corrida sorteia outro ruído), e "
         "a temperatura real oscila alguns "
         "°C.",
         "Reabra o exemplo (ruído ligado, SP parado), mova o filtro e tome o desvio padrão da "
         "saída nos 10 min seguintes: {NoiseOutputSpreadFilter1s:1} % com filtro "
         "de 1 s, {NoiseOutputSpreadFilter3s:1} % com 3 s e {NoiseOutputSpreadFilter10s:1} % com "
         "10 s. O quadro \"Desvio Pad. CO\" da Simulação Rápida mostra três desvios padrão: "
         "cerca de {FastRunOutputDeviationFilter3s:1} % com filtro de 3 s numa corrida sem degrau "
         "(amplitude 0). Mas com filtro de 10 s o degrau de SP passa a ter "
         "{SpStepOvershootFilter10s:0} % de sobressinal: o atraso do filtro está dentro da malha.",
         "Use PI (Kc 1,8, Ti 60 s, Td 0): a saída fica calma mesmo sem filtro (desvio padrão "
         "{PiNoiseOutputSpreadFilter0s:1} %), mas a porta aberta custa mais "
         "(-{400-PiDoorOpenedMinimum*6:0} °C contra -{400-DoorOpenedMinimum*6:0} °C).",
         "Compare com o \"Forno Tubular II\": a mesma queda de pressão do gás custa lá "
         "{sim13.GasPressureDropDeviation*6:1} °C.",
         "Uma Simulação Rápida roda a própria planta: depois dela o SP fica com o degrau e o forno "
         "no estado em que a corrida terminou, e uma segunda corrida parte dali e dá outro IEMA. "
         "Para repetir um exercício desde o início, abra a planta de novo."}};
    example.descriptionEnglish
        = {"Single-loop PID control of a fired heater's outlet temperature: SP steps, a step "
           "disturbance (furnace door opened), measurement noise, and a first-order filter in the "
           "transmitter with a time constant set from a slider. See why derivative action needs a "
           "filtered measurement, and what the filter costs. The fuel-gas pressure disturbance is "
           "the same as in \"Furnace Temperature (Master-Slave)\", so the two can be compared.",
           {"Noise off (switch), SP 400 -> 420 °C: overshoot {SpStepOvershoot:0} %, t90 "
            "{SpStepT90:0} s.",
            "Noise off, 5 min of waiting, door opened: the true temperature (M41) peaks at "
            "-{400-DoorOpenedMinimum*6:0} °C; IAE over the first 5 min {DoorOpenedIae*6:0} °C·s (= "
            "ΔCO·Ti/Kc × 6 °C/%).",
            "The same way, gas pressure drop: true temperature -{GasPressureDropDeviation*6:0} "
            "°C.",
            "Noise on, filter 0 s: the derivative amplifies the ±3 °C noise. The output jumps "
            "around and is saturated at 0/100 % about {FastRunSpStepSaturationFilter0s:0} % of the "
            "time "
            "(the \"CO Saturation Index\" box of a Fast Simulation with a 10 % SP step; each run "
            "draws other noise), and the "
            "true temperature wanders by a few °C.",
            "Reopen the example (noise on, SP steady), move the filter slider and take the "
            "output's standard deviation over the next 10 min: {NoiseOutputSpreadFilter1s:1} % "
            "with a 1 s filter, {NoiseOutputSpreadFilter3s:1} % with 3 s and "
            "{NoiseOutputSpreadFilter10s:1} % with 10 s. The Fast Simulation's \"CO Standard "
            "Deviation\" box shows three standard deviations: about "
            "{FastRunOutputDeviationFilter3s:1} % "
            "with a 3 s filter in a run without a step (step size 0). But with a 10 s filter the "
            "SP step overshoots {SpStepOvershootFilter10s:0} %: the filter lag is inside the loop.",
            "Set PI (Kc 1.8, Ti 60 s, Td 0): the output is quiet even without a filter (standard "
            "deviation {PiNoiseOutputSpreadFilter0s:1} %), but the door disturbance is worse "
            "(-{400-PiDoorOpenedMinimum*6:0} °C vs -{400-DoorOpenedMinimum*6:0} °C).",
            "Compare with \"Furnace Temperature (Master-Slave)\": the same gas-pressure drop costs "
            "{sim13.GasPressureDropDeviation*6:1} °C there.",
            "A Fast Simulation runs the plant itself: afterwards the SP keeps its step and the "
            "furnace stays where the run ended, and a second run starts from there and gives "
            "another IEMA. To repeat an exercise from the start, open the plant anew."}};
    // {name, measure, the design's figure, this engine's figure, low, high}. Figures in % of
    // the 0-600 °C range; index 5 of the fast run is the CO saturation, 4 the CO deviation.
    // The design gives only a bound for the output spread without a filter (20 %).
    example.checks = {
        {"FastRunSpStepIemaWithoutNoise",
         [](Plant &p) { return FastRunIndex(p, false, 3, 5, 0); },
         0.124,
         0.1242,
         0.0,
         0.18},
        {"FastRunSpStepEndErrorWithoutNoise",
         [](Plant &p) { return FastRunIndex(p, false, 3, 5, 1); },
         0.0,
         0.0,
         0.0,
         0.1},
        {"FastRunSpStepIemaFilter3s",
         [](Plant &p) { return FastRunIndex(p, true, 3, 10, 0); },
         0.273,
         0.2724,
         0.0,
         0.4},
        {"FastRunSpStepSaturationFilter3s",
         [](Plant &p) { return FastRunIndex(p, true, 3, 10, 5); },
         0.0,
         0.0,
         0.0,
         0.0},
        {"FastRunSpStepSaturationFilter0s",
         [](Plant &p) { return FastRunIndex(p, true, 0, 10, 5); },
         79.0,
         80.07,
         50.0,
         100.0},
        {"FastRunSpStepOutputDeviationFilter0s",
         [](Plant &p) { return FastRunIndex(p, true, 0, 10, 4); },
         138.0,
         139.3,
         100.0,
         1000.0},
        {"SpStepOvershoot",
         [](Plant &p) { return SpStep(p, &StepResponse::overshoot); },
         9.0,
         9.016,
         3.0,
         15.0},
        {"SpStepT90",
         [](Plant &p) { return SpStep(p, &StepResponse::t90); },
         55.0,
         54.7,
         30.0,
         90.0},
        {"SpStepOvershootFilter10s",
         [](Plant &p) { return SpStep(p, &StepResponse::overshoot, 10); },
         20.0,
         20.18,
         12.0,
         30.0},
        {"PiDoorOpenedMinimum",
         [](Plant &p) {
             AsPi(p);
             return WithoutNoise(p, 1).minimum;
         },
         60.33,
         60.38,
         58.0,
         63.0},
        {"DoorOpenedMinimum",
         [](Plant &p) { return WithoutNoise(p, 1).minimum; },
         61.47,
         61.47,
         60.5,
         66.67},
        {"DoorOpenedIae",
         [](Plant &p) { return WithoutNoise(p, 1, 300.0).iae; },
         222.0,
         222.2,
         207.0,
         237.0},
        {"GasPressureDropDeviation",
         [](Plant &p) { return kFurnaceSetpoint - WithoutNoise(p, 2).minimum; },
         3.07,
         3.07,
         2.5,
         10.0},
        {"GasPressureDropIae",
         [](Plant &p) { return WithoutNoise(p, 2).iae; },
         363.7,
         363.75,
         300.0,
         430.0},
        {"NoiseOutputSpreadFilter3s",
         [](Plant &p) { return OutputSpread(p, 3); },
         2.4,
         2.399,
         0.0,
         4.0},
        {"NoiseOutputSpreadFilter1s",
         [](Plant &p) { return OutputSpread(p, 1); },
         7.0,
         6.955,
         3.0,
         12.0},
        {"NoiseOutputSpreadFilter10s",
         [](Plant &p) { return OutputSpread(p, 10); },
         0.7,
         0.7318,
         0.3,
         1.5},
        {"FastRunOutputDeviationFilter3s",
         [](Plant &p) { return FastRunIndex(p, true, 3, 0, 4); },
         7.3,
         7.288,
         5.0,
         10.0},
        {"PiNoiseOutputSpreadFilter0s",
         [](Plant &p) {
             AsPi(p);
             return OutputSpread(p, 0);
         },
         0.5,
         0.5192,
         0.2,
         1.0},
        {"NoiseOutputSpreadFilter0s",
         [](Plant &p) { return OutputSpread(p, 0); },
         20.0,
         46.43,
         20.0,
         100.0},
    };
    return example;
}

const bool registered = RegisterExample(Make);

} // namespace

} // namespace zelvar::examples
