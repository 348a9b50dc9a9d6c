// Condutividade Linearizado | Linearized pH control: neutralisation of a leach liquor with lime
// along an S-shaped titration curve, with the linearizer inverting that curve on the controller
// output so that one tuning serves every pH.
#include "examples/example.h"
#include "examples/harness.h"
#include "examples/pidpainter.h"
#include "examples/plantbuilder.h"
#include "examples/plants/blockdiagram.h"

#include <QPainterPath>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <utility>

namespace zelvar::examples {

namespace {

// The titration curve, which the pH process applies as its "S2" valve curve: the pH in % of
// 0-14 against the reagent-to-liquor ratio in % (50 % = equivalence).
double Titration(double reagent)
{
    const double z = reagent / 10.0 - 5.0;
    return 50.0 * z / std::sqrt(z * z + 1.0) + 50.0;
}

// The linearizer's table: that curve at six breakpoints, placed symmetrically so that the gain
// left after the inversion stays within 0.72-1.40 over pH 2-12.
constexpr std::array<const char *, 6> kReagentPoints{"0", "39", "44", "56", "61", "100"};
constexpr std::array<const char *, 6> kPhPoints{
    "0.97", "13.00", "24.28", "75.72", "87.00", "99.03"};

void Build(PlantBuilder &b)
{
    b.Title("Controle de pH linearizado (lixiviação)|Linearized pH control (leaching)");
    b.Memory(15, {.unit = "m3/h", .low = "0", .high = "100"});
    b.Memory(21, {.unit = "m3/h", .low = "0", .high = "10"});
    b.Memory(23, {.unit = "pH", .low = "0", .high = "14", .alarmLow = "6", .alarmHigh = "8"});
    // With the switch on the valve gets the linearized output, with it off the raw one.
    b.Block(1,
            {.tag = "FY-101",
             .description = "Comando da válvula de cal|Lime valve command",
             .expression = "M11*M13+(1-M11)*M01",
             .high = "100",
             .low = "0",
             .left = 250,
             .top = 118});
    b.Process(1,
              {.tag = "FT-101",
               .description = "Vazão de leite de cal|Lime slurry flow",
               .input = 41,
               .tau1 = "2",
               .tau2 = "2",
               .left = 150,
               .top = 118});
    b.Block(2,
            {.tag = "XY-101",
             .description = "Grau de neutralização|Neutralisation degree",
             .expression = "50*M21/(M15+10*M97)",
             .high = "100",
             .low = "0",
             .left = 445,
             .top = 452});
    b.Process(2,
              {.tag = "TK-101",
               .description = "Mistura no tanque|Tank mixing",
               .input = 42,
               .deadTime = "10",
               .tau1 = "60",
               .left = 360,
               .top = 452});
    b.Process(3,
              {.tag = "AT-101",
               .description = "pH do licor|Liquor pH",
               .input = 22,
               .deadTime = "5",
               .tau1 = "5",
               .valveCurve = 4,
               .left = 662,
               .top = 345});
    b.Controller(1,
                 {.tag = "AIC-101",
                  .description = "pH do licor|Liquor pH",
                  .pv = 23,
                  .kc = "1.2",
                  .ti = "60",
                  .left = 702,
                  .top = 237});
    Linearizer &linearizer = b.plant().linearizer;
    linearizer.Lin1Ativar = true;
    linearizer.Lin1EndEnt = "01 MV";
    for (std::size_t i = 0; i < kReagentPoints.size(); ++i) {
        linearizer.Lin1MV[i + 1] = kReagentPoints[i];
        linearizer.Lin1PV[i + 1] = kPhPoints[i];
    }
    b.Slider(1, {.name = "Vazão de licor|Liquor flow", .percent = 50, .left = 40, .top = 300});
    b.PushButton(1,
                 {.name = "Carga de licor|Liquor load", .textOff = "Normal", .textOn = "+10 m3/h"});
    b.CommandPanel(40, 380);
    b.Switch(1, {.orientation = 1, .on = true, .left = 600, .top = 26});
    b.Recorder(1,
               {.tag = "TR-101",
                .description = "pH do licor|Liquor pH",
                .pen1 = 23,
                .pen2 = 61,
                .pen3 = 1,
                .timeBase = 2,
                .left = 890,
                .top = 14});
    b.Recorder(2,
               {.tag = "TR-102",
                .description = "Reagente|Reagent",
                .pen1 = 21,
                .pen3 = 13,
                .name1 = "Cal|Lime",
                .name3 = "Saída linearizador|Characterizer out",
                .timeBase = 2,
                .left = 890,
                .top = 42});
    b.Text(1, {.description = "pH", .memory = 23, .decimals = 2, .left = 760, .top = 318});
    b.Text(2,
           {.description = "Vazão de cal|Lime flow",
            .memory = 21,
            .decimals = 2,
            .left = 40,
            .top = 150});
    b.Text(3,
           {.description = "Vazão de licor|Liquor flow",
            .memory = 15,
            .decimals = 1,
            .left = 200,
            .top = 232});
    b.Text(4,
           {.description = "Saída AIC-101|AIC-101 output",
            .memory = 1,
            .decimals = 1,
            .left = 690,
            .top = 130});
    b.Text(5,
           {.description = "Saída linearizador|Characterizer out",
            .memory = 13,
            .decimals = 1,
            .left = 300,
            .top = 22});
    b.Text(6,
           {.kind = TextKind::Binary,
            .description = "Linearizador|Characterizer",
            .memory = 11,
            .expression = "Desligado/Ligado|Off/On",
            .left = 656,
            .top = 52});
}

// The titration curve at (760,380)-(960,560), with the linearizer's breakpoints on it.
void DrawTitrationCurve(PidPainter &p)
{
    QPainter &painter = p.painter();
    const QRectF frame(760, 380, 200, 180);
    painter.setPen(QPen(PidPainter::kInk, 1.5));
    painter.setBrush(Qt::white);
    painter.drawRect(frame);
    const QRectF plot(800, 400, 145, 125);
    const auto at = [&](double reagent, double ph) {
        return QPointF(plot.left() + reagent / 100.0 * plot.width(),
                       plot.bottom() - ph / 100.0 * plot.height());
    };
    painter.drawLine(plot.bottomLeft(), plot.bottomRight());
    painter.drawLine(plot.bottomLeft(), plot.topLeft());
    QPainterPath curve;
    for (int x = 0; x <= 100; ++x) {
        if (x == 0)
            curve.moveTo(at(x, Titration(x)));
        else
            curve.lineTo(at(x, Titration(x)));
    }
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(PidPainter::kInk, 2));
    painter.drawPath(curve);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0xc0, 0x39, 0x2b));
    for (const char *point : kReagentPoints) {
        const double x = std::atof(point);
        painter.drawEllipse(at(x, Titration(x)), 3.5, 3.5);
    }
    for (const int ph : {0, 7, 14})
        p.Text({plot.left() - 22, plot.bottom() - ph / 14.0 * plot.height() + 4},
               QString::number(ph),
               false,
               8);
    p.Text({frame.left() + 6, frame.top() + 14}, QStringLiteral("pH"), true, 8);
    p.Text({plot.left() + 10, plot.bottom() + 16}, QStringLiteral("reagente | reagent"), false, 8);
    p.Text({frame.left() + 4, frame.bottom() + 14},
           QStringLiteral("Curva de titulação | Titration curve"),
           true,
           8);
}

void Draw(PidPainter &p)
{
    // Leach liquor into the agitated tank, overflow to the thickener.
    p.ProcessLine({{20, 200}, {350, 200}}, true);
    p.Text({24, 190}, QStringLiteral("Licor de lixiviação | Leach liquor"), false, 8);
    p.Tank({350, 150, 200, 270});
    p.Text({360, 440}, QStringLiteral("TK-101"), true);
    QPainter &painter = p.painter();
    painter.setPen(QPen(PidPainter::kInk, 2));
    painter.setBrush(Qt::white);
    painter.drawRect(QRectF(435, 112, 30, 26));
    p.Text({441, 130}, QStringLiteral("M"), true);
    painter.setPen(QPen(PidPainter::kInk, 3));
    painter.drawLine(QPointF(450, 138), QPointF(450, 370));
    painter.drawLine(QPointF(420, 370), QPointF(480, 370));
    p.ProcessLine({{550, 390}, {740, 390}}, true);
    p.Label({560, 412}, QStringLiteral("Para o espessador"), QStringLiteral("To thickener"), 8);
    // Lime slurry from the top left through FT-101 and FV-101 into the tank.
    p.ProcessLine({{20, 100}, {390, 100}, {390, 150}}, true);
    p.Text({24, 90}, QStringLiteral("Leite de cal | Lime slurry"), false, 8);
    p.Orifice({200, 100});
    p.SignalLine({{200, 84}, {200, 73}});
    p.Bubble({200, 55}, QStringLiteral("FT-101"));
    p.ControlValve({300, 100});
    // Sample loop to the analyser and the pH controller.
    p.ProcessLine({{550, 330}, {620, 330}});
    p.Bubble({638, 330}, QStringLiteral("AT-101"));
    p.SignalLine({{638, 312}, {638, 248}, {660, 248}});
    p.Bubble({678, 248}, QStringLiteral("AIC-101"));
    // Controller output through the linearizer (or past it) to the lime valve.
    p.SignalLine({{678, 230}, {678, 50}, {580, 50}});
    DiagramBox(p, {430, 30, 150, 40}, QStringLiteral("f⁻¹(x)"), 13);
    p.SignalLine({{430, 50}, {300, 50}, {300, 58}});
    DrawTitrationCurve(p);
}

// Switches the linearizer off with the switch and retunes AIC-101 when asked.
void WithoutLinearizer(Plant &plant, const char *kc)
{
    ClickSwitch(plant, 1);
    if (kc == nullptr)
        return;
    Controller &aic = plant.controllers[1];
    aic.EditSettings([&](ControllerSettings &settings) { settings.KpText = kc; });
    aic.ApplyControllerSettings(plant.memories, false);
}

double FastRunIema(Plant &plant, bool linearizer)
{
    if (!linearizer)
        WithoutLinearizer(plant, nullptr);
    return FiguresOf(FastRun(plant, 2, 7)[1]).iema;
}

// From rest at pH `from` to pH `to`; without the linearizer AIC-101 is retuned to Kc 0.24.
double PhStep(Plant &plant, bool linearizer, double from, double to, double StepResponse::*figure)
{
    if (!linearizer)
        WithoutLinearizer(plant, "0.24");
    Scenario scenario(plant);
    scenario.SetSetpoint(1, 100.0 * from / 14.0);
    scenario.Run(3600);
    return SetpointStep(scenario, 1, 100.0 * to / 14.0, 900, 0.5).*figure;
}

double Ph11To12T90(Plant &plant, bool linearizer)
{
    return PhStep(plant, linearizer, 11, 12, &StepResponse::t90);
}

// Without the linearizer and with the same tuning, the SP moved to pH 8: the lowest and the
// highest pH of the limit cycle once it has grown.
std::pair<double, double> LimitCycle(Plant &plant)
{
    WithoutLinearizer(plant, nullptr);
    Scenario scenario(plant);
    scenario.SetSetpoint(1, 100.0 * 8.0 / 14.0);
    scenario.Run(1800);
    const int pv = plant.controllers[1].Settings().VariavelSelect + 1;
    double lowest = 100.0;
    double highest = 0.0;
    scenario.Run(1800, [&] {
        lowest = std::min(lowest, plant.memories.Value(pv));
        highest = std::max(highest, plant.memories.Value(pv));
    });
    return {lowest * 14.0 / 100.0, highest * 14.0 / 100.0};
}

// "Carga de licor" pressed at rest with the linearizer on, in pH: the largest distance from
// the SP, or the seconds until the pH stays within 0.1 of it.
double LiquorLoad(Plant &plant, bool recovery)
{
    Scenario scenario(plant);
    const double setpoint = plant.controllers[1].Setpoint;
    const LoadResponse response = LoadChange(
        scenario, 1, [&] { scenario.PressButton(1); }, 1800, 0.1 * 100.0 / 14.0);
    if (recovery)
        return response.recovery;
    return std::max(setpoint - response.minPv, response.maxPv - setpoint) * 14.0 / 100.0;
}

// The linearizer's output for a controller output held in manual.
double LinearizedOutput(Plant &plant, double output)
{
    Controller &aic = plant.controllers[1];
    aic.automatic = false;
    aic.co = output;
    Scenario scenario(plant);
    scenario.Run(Scenario::kTimeStep);
    return plant.memories.Value(13);
}

// The steady pH's slope against AIC-101's output held in manual, in % of pH range per % of
// output, between `co` and co + 1 % (with the linearizer in the path or past it).
double SteadyPhSlope(Plant &plant, bool linearizer, double co)
{
    if (!linearizer)
        ClickSwitch(plant, 1);
    Controller &aic = plant.controllers[1];
    aic.automatic = false;
    Scenario scenario(plant);
    const int pv = aic.pvMemory;
    aic.co = co;
    scenario.Run(900);
    const double from = plant.memories.Value(pv);
    aic.co = co + 1.0;
    scenario.Run(900);
    return plant.memories.Value(pv) - from;
}

// The titration curve's gain at pH 7 over its gain at the ends, through the raw output.
double TitrationGainRatio(Plant &plant)
{
    const double middle = SteadyPhSlope(plant, false, 49.5);
    ClickSwitch(plant, 1); // back on, so that the next measure turns it off again
    return middle / SteadyPhSlope(plant, false, 0.0);
}

// The loop's gain at pH 7 without the linearizer over its gain with it.
double LinearizerGainRatio(Plant &plant)
{
    const double with = SteadyPhSlope(plant, true, 49.5);
    return SteadyPhSlope(plant, false, 49.5) / with;
}

ExamplePlant Make()
{
    ExamplePlant example;
    example.picture = "sim4";
    example.build = Build;
    example.drawBackground = Draw;
    example.warmUpSeconds = 1800.0;
    example.commentsPortuguese
        = {"Neutralização do licor de lixiviação com leite de cal. A curva de titulação (pH × "
           "reagente) é fortemente não linear: perto de pH 7 o ganho é muito maior do que nos "
           "extremos. O linearizador, aplicado na saída do AIC-101, inverte essa curva e torna a "
           "malha linear. Desligue o linearizador (chave), altere o SP e veja a malha oscilar; "
           "compare a resposta em diferentes pontos de pH."};
    example.commentsEnglish
        = {"Neutralisation of the leach liquor with lime slurry. The titration curve (pH vs "
           "reagent) is strongly nonlinear: near pH 7 the gain is far higher than at the ends. "
           "The characterizer (linearizer) on the AIC-101 output inverts that curve and makes "
           "the loop linear. Switch the characterizer off, change the setpoint and watch the "
           "loop oscillate; compare the response at different pH values."};
    example.descriptionPortuguese = {
        "Neutralização de um licor ácido de lixiviação com leite de cal. O pH responde ao reagente "
        "por uma curva de titulação em S: o ganho em pH 7 é cerca de {TitrationGainRatio:0} vezes "
        "o ganho nos "
        "extremos (em manual, sem linearizador: pH assentado para +1 % de saída a partir de 49,5 "
        "% contra a partir de 0 %). O linearizador inverte essa curva na saída do controlador, e "
        "uma só sintonia "
        "serve para qualquer pH. A saída do AIC-101 passa a ser o \"pH desejado\" em %.",
        {"Linearizador ligado, do pH 7 em que o exemplo abre: pH 7 -> 8 com {Ph7To8Overshoot:0} % "
         "de sobressinal e 90 % em "
         "{Ph7To8T90:0} s; com o SP em pH 11 e o pH assentado, 11 -> 12 com {Ph11To12Overshoot:0} "
         "% de sobressinal e 90 % em "
         "{Ph11To12T90:0} s. A resposta é quase a mesma em toda a faixa.",
         "Desligue o linearizador com a mesma sintonia e mude o SP para pH 8: o ganho da malha em "
         "pH "
         "7 fica cerca de {LinearizerGainRatio:0} vezes maior (em manual, +1 % de saída a partir "
         "de 49,5 %, sem e com o linearizador) e, uns 30 min depois, com o ciclo "
         "crescido, o pH oscila entre "
         "cerca de {LimitCycleLowestPh:1} e {LimitCycleHighestPh:1}, o ciclo limite clássico do "
         "pH. Em repouso nada acontece até algo mover a malha.",
         "Reabra o exemplo, desligue o linearizador, ressintonize para pH 7 (Kc cerca de 0,24) e "
         "espere o pH assentar: pH 7 -> 8 fica bom (90 % "
         "em {Ph7To8T90WithoutLinearizerKc024:0} s), mas, partindo de cada SP com o pH assentado, "
         "pH 11 -> 12 leva "
         "{Ph11To12T90WithoutLinearizerKc024:0} s e pH 12 -> 13 leva "
         "{Ph12To13T90WithoutLinearizerKc024:0} s.",
         "Pressione \"Carga de licor\" (+10 m3/h de licor): a curva de titulação se desloca; "
         "desvio máximo de "
         "{LiquorLoadDeviation:1} pH, de volta a 0,1 pH em {LiquorLoadRecovery:0} s."}};
    example.descriptionEnglish = {
        "Neutralisation of an acid leach liquor with lime slurry. The pH responds to the reagent "
        "along an S-shaped titration curve: the gain at pH 7 is about {TitrationGainRatio:0} times "
        "the gain at the "
        "ends (in manual, characterizer off: the settled pH for +1 % of output from 49.5 % "
        "against from 0 %). The characterizer (linearizer) inverts that curve on the controller "
        "output, so that "
        "one tuning works at any pH. The AIC-101 output then means \"desired pH\" in %.",
        {"Characterizer on, from the pH 7 the example opens at: pH 7 -> 8 with {Ph7To8Overshoot:0} "
         "% overshoot and 90 % in "
         "{Ph7To8T90:0} s; with the SP at pH 11 and the pH settled, 11 -> 12 with "
         "{Ph11To12Overshoot:0} % overshoot and 90 % in "
         "{Ph11To12T90:0} s. The response looks nearly the same everywhere.",
         "Switch the characterizer off with the same tuning, then move the SP to pH 8: the loop "
         "gain at "
         "pH 7 is about {LinearizerGainRatio:0} times higher (in manual, +1 % of output from "
         "49.5 %, without and with the characterizer), and some 30 min later, once the "
         "cycle has grown, the pH oscillates "

         "between about {LimitCycleLowestPh:1} and {LimitCycleHighestPh:1}, the classic pH limit "
         "cycle. At rest nothing happens until something moves the loop.",
         "Reopen the example, switch the characterizer off, retune for pH 7 (Kc about 0.24) and "
         "wait for the pH to settle: pH 7 -> 8 is fine (90 % in "
         "{Ph7To8T90WithoutLinearizerKc024:0} s), but, starting each from the pH settled at its "
         "SP, pH 11 -> 12 takes "

         "{Ph11To12T90WithoutLinearizerKc024:0} s and pH 12 -> 13 takes "
         "{Ph12To13T90WithoutLinearizerKc024:0} s.",
         "Press \"Liquor load\" (+10 m3/h of liquor): the titration curve shifts; largest "
         "deviation "
         "{LiquorLoadDeviation:1} pH, back within 0.1 pH after {LiquorLoadRecovery:0} s."}};
    // Without the linearizer the fast run's SP step starts a limit cycle: a sustained
    // oscillation, however its amplitude happens to settle.
    example.checks = {
        {"FastRunSpStepIema",
         [](Plant &p) { return FastRunIema(p, true); },
         0.197,
         0.1975,
         0.0,
         0.3},
        {"FastRunSpStepEndError",
         [](Plant &p) { return std::abs(FiguresOf(FastRun(p, 2, 7)[1]).endError); },
         0.0,
         0.0,
         0.0,
         0.1},
        {"FastRunSpStepIemaWithoutLinearizer",
         [](Plant &p) { return FastRunIema(p, false); },
         20.3,
         20.26,
         5.0,
         100.0},
        {"Ph7To8Overshoot",
         [](Plant &p) { return PhStep(p, true, 7, 8, &StepResponse::overshoot); },
         8.0,
         7.87,
         4.0,
         12.0},
        {"Ph7To8T90",
         [](Plant &p) { return PhStep(p, true, 7, 8, &StepResponse::t90); },
         69.0,
         68.7,
         45.0,
         100.0},
        {"Ph11To12Overshoot",
         [](Plant &p) { return PhStep(p, true, 11, 12, &StepResponse::overshoot); },
         19.0,
         19.54,
         12.0,
         28.0},
        {"Ph7To8T90WithoutLinearizerKc024",
         [](Plant &p) { return PhStep(p, false, 7, 8, &StepResponse::t90); },
         80.0,
         80.2,
         50.0,
         120.0},
        {"Ph12To13T90WithoutLinearizerKc024",
         [](Plant &p) { return PhStep(p, false, 12, 13, &StepResponse::t90); },
         530.0,
         530.1,
         350.0,
         900.0},
        {"Ph11To12T90", [](Plant &p) { return Ph11To12T90(p, true); }, 50.0, 49.7, 0.0, 80.0},
        {"Ph11To12T90WithoutLinearizerKc024",
         [](Plant &p) { return Ph11To12T90(p, false); },
         238.0,
         237.6,
         150.0,
         900.0},
        {"LimitCycleLowestPh", [](Plant &p) { return LimitCycle(p).first; }, 2.4, 2.402, 1.5, 3.5},
        {"LimitCycleHighestPh",
         [](Plant &p) { return LimitCycle(p).second; },
         12.5,
         12.535,
         11.5,
         13.5},
        {"LiquorLoadDeviation",
         [](Plant &p) { return LiquorLoad(p, false); },
         2.5,
         2.547,
         1.8,
         3.3},
        {"LiquorLoadRecovery",
         [](Plant &p) { return LiquorLoad(p, true); },
         360.0,
         341.2,
         240.0,
         480.0},
        {"TitrationGainRatio", TitrationGainRatio, 130.0, 128.6, 110.0, 150.0},
        {"LinearizerGainRatio", LinearizerGainRatio, 5.0, 4.282, 3.5, 5.5},
        {"LinearizerAt50",
         [](Plant &p) { return LinearizedOutput(p, 50.0); },
         50.0,
         50.0,
         49.99,
         50.01},
        {"LinearizerAt20",
         [](Plant &p) { return LinearizedOutput(p, 20.0); },
         42.10,
         42.10,
         42.09,
         42.11},
        {"LinearizerAt80",
         [](Plant &p) { return LinearizedOutput(p, 80.0); },
         57.90,
         57.90,
         57.89,
         57.91},
    };
    return example;
}

const bool registered = RegisterExample(Make);

} // namespace

} // namespace zelvar::examples
