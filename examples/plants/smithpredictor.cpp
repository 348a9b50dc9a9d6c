// Preditor de Smith | Smith predictor: basis-weight control on a paper machine with 60 s of
// transport delay, compensated by a predictor built from process objects.
#include "examples/example.h"
#include "examples/harness.h"
#include "examples/pidpainter.h"
#include "examples/plantbuilder.h"
#include "examples/plants/blockdiagram.h"

#include <algorithm>
#include <cmath>

namespace zelvar::examples {

namespace {

void Build(PlantBuilder &b)
{
    b.Title("Preditor de Smith - gramatura em máquina de papel|Smith predictor - paper machine "
            "basis weight");
    b.Memory(15, {.unit = "s", .low = "0", .high = "120"});
    b.Memory(16, {.unit = "x", .low = "0", .high = "1.6"});
    b.Memory(17, {.unit = "s", .low = "0", .high = "60"});
    b.Memory(21, {.unit = "g/m2", .low = "40", .high = "120"});
    b.Memory(41, {.unit = "g/m2", .low = "40", .high = "120", .alarmLow = "76", .alarmHigh = "84"});
    b.Memory(42, {.unit = "g/m2", .low = "40", .high = "120"});
    b.Process(1,
              {.tag = "BW-REAL",
               .description = "Gramatura (processo real)|Basis weight (real process)",
               .input = 1,
               .gain = "0.8",
               .deadTime = "60",
               .tau1 = "30",
               .tau2 = "2",
               .left = 790,
               .top = 342});
    // The predictor: the model without its dead time, and the same output delayed by the
    // model's dead time. Process 3 reads process 2's output of the same tick.
    b.Process(2,
              {.tag = "MOD-1",
               .description = "Modelo sem tempo morto|Model without dead time",
               .input = 1,
               .gain = "M16*0.016",
               .tau1 = "M17*0.6",
               .tau2 = "2",
               .left = 276,
               .top = 100});
    b.Process(3,
              {.tag = "MOD-2",
               .description = "Modelo com tempo morto|Model with dead time",
               .input = 22,
               .deadTime = "M15*1.2",
               .tau1 = "0",
               .left = 466,
               .top = 100});
    // A stock consistency upset enters at the headbox and reaches the scanner by the same path.
    b.Process(4,
              {.tag = "DIST-1",
               .description = "Distúrbio de consistência|Consistency disturbance",
               .input = 97,
               .gain = "5",
               .deadTime = "60",
               .tau1 = "30",
               .left = 150,
               .top = 316});
    b.Block(1,
            {.tag = "BW-101",
             .description = "Gramatura medida|Measured basis weight",
             .expression = "M21+M24",
             .left = 875,
             .top = 205});
    b.Block(2,
            {.tag = "BW-101P",
             .description = "PV compensada (preditor)|Compensated PV (predictor)",
             .expression = "M41+M11*(M22-M23)",
             .left = 715,
             .top = 180});
    b.Controller(1,
                 {.tag = "WIC-101",
                  .description = "Gramatura|Basis weight",
                  .pv = 42,
                  .kc = "2.0",
                  .ti = "30",
                  .left = 160,
                  .top = 124});
    b.Switch(1, {.orientation = 1, .on = true, .left = 845, .top = 420});
    b.Slider(
        1, {.name = "Tempo morto modelo|Model dead time", .percent = 50, .left = 222, .top = 420});
    b.Slider(2, {.name = "Ganho do modelo|Model gain", .percent = 50, .left = 430, .top = 420});
    b.Slider(
        3,
        {.name = "Const. tempo modelo|Model time const.", .percent = 50, .left = 617, .top = 420});
    b.PushButton(1, {.name = "Consistência|Consistency", .textOff = "Normal", .textOn = "+5 %"});
    b.CommandPanel(20, 420);
    b.Recorder(1,
               {.tag = "TR-101P",
                .description = "Controlador (PV compensada)|Controller (compensated PV)",
                .pen1 = 42,
                .pen2 = 61,
                .pen3 = 1,
                .timeBase = 1,
                .left = 900,
                .top = 14});
    b.Recorder(2,
               {.tag = "TR-101M",
                .description = "Gramatura medida|Measured basis weight",
                .pen1 = 41,
                .pen2 = 61,
                .pen3 = 1,
                .name1 = "Medida|Measured",
                .timeBase = 1,
                .left = 900,
                .top = 42});
    b.Text(1,
           {.description = "Gramatura medida|Measured BW",
            .memory = 41,
            .decimals = 1,
            .left = 872,
            .top = 252});
    b.Text(2,
           {.description = "PV compensada|Compensated PV",
            .memory = 42,
            .decimals = 1,
            .left = 560,
            .top = 192});
    b.Text(3,
           {.description = "Saída do modelo|Model output",
            .memory = 22,
            .decimals = 1,
            .left = 290,
            .top = 142});
    b.Text(4,
           {.description = "Modelo atrasado|Delayed model",
            .memory = 23,
            .decimals = 1,
            .left = 480,
            .top = 142});
    b.Text(5,
           {.description = "Válvula FV-101|Valve FV-101",
            .memory = 1,
            .decimals = 1,
            .left = 92,
            .top = 222});
    b.Text(6,
           {.kind = TextKind::Equation,
            .description = "Tempo morto do modelo|Model dead time",
            .expression = "M15*1.2",
            .unit = "s",
            .decimals = 1,
            .left = 232,
            .top = 505});
    b.Text(7,
           {.kind = TextKind::Equation,
            .description = "Ganho do modelo|Model gain",
            .expression = "M16*0.016",
            .unit = "",
            .decimals = 2,
            .left = 440,
            .top = 505});
    b.Text(8,
           {.kind = TextKind::Equation,
            .description = "Const. de tempo do modelo|Model time constant",
            .expression = "M17*0.6",
            .unit = "s",
            .decimals = 1,
            .left = 627,
            .top = 505});
    b.Text(9,
           {.kind = TextKind::Binary,
            .description = "Preditor de Smith|Smith predictor",
            .memory = 11,
            .expression = "Desligado/Ligado|Off/On",
            .left = 840,
            .top = 485});
}

void Draw(PidPainter &p)
{
    // The paper machine: stock valve, headbox, wire, dryers, scanner and reel.
    p.Tank({20, 250, 40, 70});
    p.Text({8, 242}, QStringLiteral("Massa | Stock"), false, 8);
    p.ProcessLine({{60, 300}, {170, 300}});
    p.ControlValve({80, 300});
    p.Text({64, 330}, QStringLiteral("FV-101"), true);
    QPainter &painter = p.painter();
    painter.setPen(QPen(PidPainter::kInk, 2));
    painter.setBrush(Qt::white);
    painter.drawPolygon(QPolygonF({QPointF(170, 262),
                                   QPointF(232, 262),
                                   QPointF(232, 296),
                                   QPointF(250, 304),
                                   QPointF(170, 304)}));
    p.Text({176, 256}, QStringLiteral("Caixa de entrada | Headbox"), false, 8);
    p.ProcessLine({{250, 304}, {550, 304}});
    for (double x = 270; x <= 530; x += 40)
        p.Pump({x, 316}, 8);
    p.Text({330, 345}, QStringLiteral("Mesa formadora | Wire"), false, 8);
    for (int i = 0; i < 6; ++i) {
        const double x = 585 + 40 * i;
        painter.setPen(QPen(PidPainter::kInk, 2));
        painter.setBrush(Qt::white);
        painter.drawEllipse(QPointF(x, i % 2 == 0 ? 280 : 322), 18, 18);
    }
    p.ProcessLine({{550, 304}, {820, 304}, {935, 304}});
    p.Text({610, 251}, QStringLiteral("Secagem | Dryers"), false, 8);
    painter.setPen(QPen(PidPainter::kInk, 2));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(830, 280, 40, 48));
    p.Bubble({850, 240}, QStringLiteral("BW-101"));
    p.SignalLine({{850, 258}, {850, 280}});
    painter.setPen(QPen(PidPainter::kInk, 2));
    painter.setBrush(Qt::white);
    painter.drawEllipse(QPointF(960, 304), 25, 25);
    p.Text({912, 345}, QStringLiteral("Bobina | Reel"), false, 8);
    p.Arrow({90, 380}, {850, 380});
    p.Label({300, 400},
            QStringLiteral("atraso de transporte ≈ 60 s"),
            QStringLiteral("transport delay ≈ 60 s"));

    // The predictor: G(s) and its delayed copy; their difference corrects the measurement.
    p.Bubble({138, 138}, QStringLiteral("WIC-101"));
    p.SignalLine({{120, 138}, {80, 138}, {80, 258}});
    p.SignalLine({{80, 138}, {80, 72}, {250, 72}});
    DiagramBox(p, {250, 50, 130, 44}, QStringLiteral("G(s)"));
    DiagramBox(p, {450, 50, 110, 44}, QStringLiteral("e⁻ᶿˢ"));
    p.SignalLine({{380, 72}, {450, 72}});
    p.SignalLine({{415, 72}, {415, 34}, {700, 34}, {700, 60}});
    p.SignalLine({{560, 72}, {688, 72}});
    SummingJunction(p, {700, 72});
    p.Text({676, 66}, QStringLiteral("−"), true);
    p.Text({704, 56}, QStringLiteral("+"), true);
    p.SignalLine({{700, 84}, {700, 158}});
    SummingJunction(p, {700, 170});
    p.Text({704, 154}, QStringLiteral("+"), true);
    p.Text({716, 166}, QStringLiteral("+"), true);
    p.SignalLine({{850, 222}, {850, 170}, {712, 170}});
    p.SignalLine({{688, 170}, {138, 170}, {138, 156}});
    p.Text({240, 22}, QStringLiteral("Preditor de Smith | Smith predictor"), true);
}

// The measured basis weight's answer to an SP step of 50 -> 60 % from rest.
struct MeasuredStep
{
    double iae = 0.0;        // over 1200 s, %·s
    double overshoot = 0.0;  // % of the step
    double peakToPeak = 0.0; // between 15 and 30 min after the step
    double t90 = 0.0;        // s until the measurement first covers 90 % of the step
};

// The predictor switched off and WIC-101 retuned to the stable Kc 0.3.
void WithoutPredictorRetuned(Plant &plant)
{
    ClickSwitch(plant, 1);
    Controller &wic = plant.controllers[1];
    wic.EditSettings([](ControllerSettings &settings) { settings.KpText = "0.3"; });
    wic.ApplyControllerSettings(plant.memories, false);
}

MeasuredStep StepMeasured(Plant &plant, bool predictor, double seconds)
{
    if (!predictor)
        ClickSwitch(plant, 1);
    Scenario scenario(plant);
    scenario.SetSetpoint(1, 60.0);
    MeasuredStep step;
    double peak = 0.0;
    double low = 100.0;
    double high = 0.0;
    scenario.Run(seconds, [&] {
        const double measured = plant.memories.Value(41);
        if (scenario.Time() <= 1200.0 + Scenario::kTimeStep / 2)
            step.iae += std::abs(60.0 - measured) * Scenario::kTimeStep;
        peak = std::max(peak, measured);
        if (step.t90 == 0.0 && measured >= 59.0)
            step.t90 = scenario.Time();
        if (scenario.Time() >= 900.0) {
            low = std::min(low, measured);
            high = std::max(high, measured);
        }
    });
    step.overshoot = std::max(0.0, (peak - 60.0) / 10.0 * 100.0);
    step.peakToPeak = high - low;
    return step;
}

// The step with the predictor's model changed by its sliders first (positions of 10000), once
// the loop has come to rest on the new model.
MeasuredStep ModelMismatch(Plant &plant, int slider, int position)
{
    MoveSlider(plant, slider, position);
    Scenario settle(plant);
    settle.Run(1800.0);
    return StepMeasured(plant, true, 1200.0);
}

// FR(SP+10) on WIC-101, whose PV is the compensated one; without the predictor the loop is
// retuned to Kc 0.3 first.
double FastRunIema(Plant &plant, bool predictor)
{
    if (!predictor)
        WithoutPredictorRetuned(plant);
    return FiguresOf(FastRun(plant, 2, 10)[1]).iema;
}

// "Consistência" pressed at rest, the measured basis weight watched for 20 min.
struct ConsistencyFigures
{
    double deviation = 0.0; // largest |SP - measured|, % of range
    double iae = 0.0;       // %·s
};

ConsistencyFigures ConsistencyStep(Plant &plant, bool predictor)
{
    if (!predictor)
        WithoutPredictorRetuned(plant);
    Scenario scenario(plant);
    const double setpoint = plant.controllers[1].Setpoint;
    scenario.PressButton(1);
    ConsistencyFigures figures;
    scenario.Run(1200.0, [&] {
        const double error = std::abs(setpoint - plant.memories.Value(41));
        figures.deviation = std::max(figures.deviation, error);
        figures.iae += error * Scenario::kTimeStep;
    });
    return figures;
}

ExamplePlant Make()
{
    ExamplePlant example;
    example.picture = "sim7";
    example.build = Build;
    example.drawBackground = Draw;
    // Ten minutes of dead time in the loop and the model: let the rings fill with rest.
    example.warmUpSeconds = 1800.0;
    example.commentsPortuguese
        = {"Controle de gramatura com grande atraso de transporte (60 s) entre a válvula de massa "
           "e o medidor. O preditor de Smith é montado com blocos de processo (modelo sem tempo "
           "morto e modelo com tempo morto) e permite sintonizar o controlador como se o atraso "
           "não existisse. ATENÇÃO: desligar o preditor sem ressintonizar (Kc = 0,3) torna a "
           "malha instável. Use os controles deslizantes para estudar erros de modelo."};
    example.commentsEnglish
        = {"Basis-weight control with a long transport delay (60 s) between the stock valve and "
           "the scanner. The Smith predictor is built from process blocks (a model without dead "
           "time and the same model with dead time) and lets the controller be tuned as if there "
           "were no delay. WARNING: switching the predictor off without retuning (Kc = 0.3) "
           "makes the loop unstable. Use the sliders to study model errors."};
    example.descriptionPortuguese = {
        "Controle de gramatura numa máquina de papel: o medidor vê uma mudança da válvula de massa "
        "só depois de 60 s de atraso de transporte (tempo morto igual a duas constantes de tempo). "
        "Um preditor de Smith montado com processos (o modelo sem tempo morto e o mesmo modelo "
        "atrasado) permite sintonizar o WIC-101 como se não houvesse atraso. Os controles "
        "deslizantes mudam o modelo para estudar erros de modelo.",
        {"Preditor ligado, SP 80 -> 88 g/m2: nada acontece por 60 s; depois vem a resposta sem "
         "atraso, sem sobressinal, 90 % em {PredictorOnT90:0} s. IAE = atraso x degrau + IAE sem "
         "atraso = 600 + 187,5 = 787,5 %·s; medido, {PredictorOnMeasuredIae:1} %·s.",
         "Desligue o preditor com a mesma sintonia e mude o SP de 80 para 88 g/m2: a oscilação "
         "cresce e, de 15 min em diante, é um ciclo limite de ±{PredictorOffPeakToPeak*0.5:0} %. "
         "Em repouso nada acontece até algo mover a malha. Reabra o exemplo, desligue o preditor, "
         "ressintonize para Kc 0,3, Ti 30 s e repita o degrau: estável, mas "
         "IAE {RetunedWithoutPredictorIae:0} %·s e 90 % em {RetunedWithoutPredictorT90:0} s.",
         "Erros de modelo (reabra o exemplo, mova o controle deslizante, espere uns 30 min e dê o "
         "degrau 80 -> 88 g/m2): tempo morto do modelo 48 s dá {ShortModelDeadTimeOvershoot:0} % "
         "de "
         "sobressinal, 72 s dá {LongModelDeadTimeOvershoot:0} %; ganho do modelo 0,64 dá "
         "{LowModelGainOvershoot:0} % de sobressinal, ganho 1,0 deixa a malha lenta (90 % em "
         "{HighModelGainT90:0} s). Um tempo morto curto demais é pior que um longo demais.",
         "Consistência +5 %: o preditor não vence o atraso para distúrbios. O desvio máximo é "
         "quase "
         "o mesmo nas duas estruturas ({ConsistencyDeviation:1} % com o preditor, "
         "{ConsistencyDeviationWithoutPredictorKc03:1} % sem ele e Kc 0,3), mas a recuperação é "
         "mais rápida (IAE em 20 min {ConsistencyIae:0} contra "
         "{ConsistencyIaeWithoutPredictorKc03:0} %·s)."}};
    example.descriptionEnglish = {
        "Basis-weight control on a paper machine: the scanner sees a change of the stock valve "
        "only after 60 s of transport delay (a dead time of two time constants). A Smith predictor "
        "built from process objects (the model without dead time and the same model delayed) lets "
        "WIC-101 be tuned as if there were no delay. The sliders change the model to study "
        "mismatch.",
        {"Predictor on, SP 80 -> 88 g/m2: nothing happens for 60 s, then the delay-free response, "
         "with no overshoot, 90 % in {PredictorOnT90:0} s. IAE = delay x step + delay-free IAE = "
         "600 + 187.5 = 787.5 %·s; measured, {PredictorOnMeasuredIae:1} %·s.",
         "Switch the predictor off with the same tuning, then change the SP from 80 to 88 g/m2: "
         "the oscillation grows and, from 15 min on, is a limit cycle of "
         "±{PredictorOffPeakToPeak*0.5:0} %. At rest nothing happens until something moves the "
         "loop. Reopen the example, switch the predictor off, retune to Kc 0.3, Ti 30 s and "
         "repeat the step: stable, but IAE {RetunedWithoutPredictorIae:0} %·s and "
         "90 "
         "% in {RetunedWithoutPredictorT90:0} s.",
         "Mismatch (reopen the example, move the slider, wait some 30 min and step the SP 80 -> "
         "88 g/m2): a model dead time of 48 s gives {ShortModelDeadTimeOvershoot:0} % overshoot, "
         "72 s gives {LongModelDeadTimeOvershoot:0} %; a model gain of 0.64 gives "
         "{LowModelGainOvershoot:0} % overshoot, 1.0 a sluggish loop (90 % in {HighModelGainT90:0} "
         "s). A dead time that is too short is worse than one that is too long.",
         "Consistency +5 %: the predictor cannot beat the delay for disturbances. The largest "
         "deviation is nearly the same in both structures ({ConsistencyDeviation:1} % with the "
         "predictor, {ConsistencyDeviationWithoutPredictorKc03:1} % without it at Kc 0.3), though "
         "recovery is faster (IAE over 20 min {ConsistencyIae:0} against "
         "{ConsistencyIaeWithoutPredictorKc03:0} %·s)."}};
    // With a perfect model the measured IAE is exactly the delay times the step plus the
    // delay-free loop's Ti·Δr/(Kc·K) = 30·10/(2·0.8).
    example.checks = {
        {"PredictorOnMeasuredIae",
         [](Plant &p) { return StepMeasured(p, true, 1200.0).iae; },
         787.5,
         787.5,
         762.5,
         812.5},
        {"PredictorOnOvershoot",
         [](Plant &p) { return StepMeasured(p, true, 1200.0).overshoot; },
         0.0,
         0.0,
         0.0,
         1.0},
        {"PredictorOnT90",
         [](Plant &p) { return StepMeasured(p, true, 1200.0).t90; },
         100.0,
         100.3,
         80.0,
         130.0},
        {"ShortModelDeadTimeOvershoot",
         [](Plant &p) { return ModelMismatch(p, 1, 4000).overshoot; },
         25.0,
         24.72,
         15.0,
         35.0},
        {"LongModelDeadTimeOvershoot",
         [](Plant &p) { return ModelMismatch(p, 1, 6000).overshoot; },
         7.0,
         7.06,
         3.0,
         12.0},
        {"LowModelGainOvershoot",
         [](Plant &p) { return ModelMismatch(p, 2, 4000).overshoot; },
         19.0,
         18.84,
         12.0,
         28.0},
        {"HighModelGainT90",
         [](Plant &p) { return ModelMismatch(p, 2, 6250).t90; },
         152.0,
         152.0,
         120.0,
         200.0},
        {"PredictorOffPeakToPeak",
         [](Plant &p) { return StepMeasured(p, false, 1800.0).peakToPeak; },
         57.0,
         57.29,
         20.0,
         100.0},
        {"RetunedWithoutPredictorIae",
         [](Plant &p) {
             WithoutPredictorRetuned(p);
             return StepMeasured(p, true, 1200.0).iae;
         },
         1350.0,
         1349.4,
         1200.0,
         1500.0},
        {"RetunedWithoutPredictorT90",
         [](Plant &p) {
             WithoutPredictorRetuned(p);
             return StepMeasured(p, true, 1200.0).t90;
         },
         194.0,
         194.3,
         170.0,
         220.0},
        {"ConsistencyDeviation",
         [](Plant &p) { return ConsistencyStep(p, true).deviation; },
         4.4,
         4.380,
         3.8,
         5.0},
        {"ConsistencyDeviationWithoutPredictorKc03",
         [](Plant &p) { return ConsistencyStep(p, false).deviation; },
         4.4,
         4.491,
         3.8,
         5.2},
        {"ConsistencyIae",
         [](Plant &p) { return ConsistencyStep(p, true).iae; },
         394.0,
         393.75,
         340.0,
         450.0},
        {"ConsistencyIaeWithoutPredictorKc03",
         [](Plant &p) { return ConsistencyStep(p, false).iae; },
         664.0,
         664.4,
         580.0,
         750.0},
        {"FastRunSpStepIema",
         [](Plant &p) { return FastRunIema(p, true); },
         0.102,
         0.1022,
         0.0,
         0.15},
        {"FastRunSpStepIemaWithoutPredictorKc03",
         [](Plant &p) { return FastRunIema(p, false); },
         0.75,
         0.7497,
         0.5,
         10.0},
    };
    return example;
}

const bool registered = RegisterExample(Make);

} // namespace

} // namespace zelvar::examples
