// 4 Processos para Modelagem | 4 Processes for Modelling: four open-loop processes (first order
// with dead time, under-damped second order, fourth order, integrating) for step-test
// identification, with a common step button and optional measurement noise.
#include "examples/example.h"
#include "examples/harness.h"
#include "examples/pidpainter.h"
#include "examples/plantbuilder.h"
#include "examples/plants/blockdiagram.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>
#include <string>
#include <vector>

namespace zelvar::examples {

namespace {

// The four boxes of the picture, 2 x 2, and the band between the rows that holds the step
// button and the noise switch.
constexpr int kBoxWidth = 470;
constexpr int kBoxHeight = 240;
constexpr std::array<QPoint, 4> kBox{
    QPoint(15, 10), QPoint(515, 10), QPoint(15, 350), QPoint(515, 350)};
// Inside a box: the diagram's signal line, its two summing junctions and the transfer box.
constexpr int kLineY = 165;
constexpr int kStepX = 200;
constexpr int kNoiseX = 440;
constexpr int kTransferLeft = 232;
constexpr int kTransferRight = 412;
constexpr int kIconsY = 189;

struct BoxObjects
{
    const char *title;
    const char *sliderName;
    int pen; // the measured output, M45-M48
    int input;
};

constexpr std::array<BoxObjects, 4> kBoxes{{
    {"Processo 1 - 1ª ordem com tempo morto|Process 1 - first order with dead time",
     "Entrada P1|Input P1",
     45,
     41},
    {"Processo 2 - 2ª ordem subamortecido|Process 2 - under-damped second order",
     "Entrada P2|Input P2",
     46,
     42},
    {"Processo 3 - 4ª ordem|Process 3 - fourth order", "Entrada P3|Input P3", 47, 43},
    {"Processo 4 - integrador|Process 4 - integrating", "Entrada P4|Input P4", 48, 44},
}};

void Build(PlantBuilder &b)
{
    b.Title("Quatro processos para modelagem|Four processes for modelling");
    for (int i = 0; i < 4; ++i) {
        const int x = kBox[i].x();
        const int y = kBox[i].y();
        const std::string n = std::to_string(i + 1);
        b.Slider(i + 1,
                 {.name = kBoxes[i].sliderName, .percent = 50, .left = x + 12, .top = y + 40});
        b.Block(i + 1,
                {.tag = "IN-" + n,
                 .description = "Entrada " + n + " (com degrau)|Input " + n + " (with step)",
                 .expression = "M" + std::to_string(15 + i) + "+10*M97",
                 .left = x + 150,
                 .top = y + kIconsY});
        b.Block(i + 5,
                {.tag = "PV-" + n,
                 .description = "PV medida do processo " + n + "|Measured PV of process " + n,
                 .expression = (i == 0   ? std::string("M21")
                                : i == 1 ? std::string("M22")
                                : i == 2 ? std::string("M24")
                                         : std::string("M25"))
                               + "+M11*M8" + std::to_string(i + 1),
                 .left = x + 391,
                 .top = y + kIconsY});
        b.Recorder(i + 1,
                   {.tag = "TR-P" + n,
                    .description = "Processo " + n + "|Process " + n,
                    .pen1 = kBoxes[i].pen,
                    .pen3 = kBoxes[i].input,
                    .name1 = "Saída|Output",
                    .name3 = "Entrada|Input",
                    .timeBase = 1,
                    .left = x + 383,
                    .top = y + 8});
        b.Text(i + 1,
               {.description = "Entrada|Input",
                .memory = kBoxes[i].input,
                .decimals = 2,
                .left = x + 95,
                .top = y + 130});
        b.Text(i + 5,
               {.description = "Saída medida|Measured PV",
                .memory = kBoxes[i].pen,
                .decimals = 2,
                .left = x + 290,
                .top = y + 112});
        b.GeneratorRow(81 + i,
                       {.kind = kFastRandom,
                        .description = "Ruído P" + n + "|Noise P" + n,
                        .min = "-0.5",
                        .max = "0.5"});
    }
    const int icon = kTransferLeft + (kTransferRight - kTransferLeft) / 2 - 40;
    b.Process(1,
              {.tag = "PROC-1",
               .description
               = "Processo 1 - 1ª ordem com tempo morto|Process 1 - first order with dead time",
               .input = 41,
               .gain = "1.2",
               .deadTime = "4",
               .tau1 = "25",
               .left = kBox[0].x() + icon,
               .top = kBox[0].y() + kIconsY});
    b.Process(
        2,
        {.tag = "PROC-2",
         .description = "Processo 2 - 2ª ordem subamortecido|Process 2 - under-damped second order",
         .input = 42,
         .gain = "0.8",
         .deadTime = "2",
         .transfer = 1,
         .cycles = "2",
         .period = "30",
         .left = kBox[1].x() + icon,
         .top = kBox[1].y() + kIconsY});
    // The fourth order is two two-lag processes in series; the second reads the first's output.
    b.Process(3,
              {.tag = "PROC-3A",
               .description = "Processo 3 - estágios 1 e 2|Process 3 - stages 1 and 2",
               .input = 43,
               .tau1 = "8",
               .tau2 = "8",
               .left = kBox[2].x() + icon,
               .top = kBox[2].y() + kIconsY});
    b.Process(4,
              {.tag = "PROC-3",
               .description = "Processo 3 - 4ª ordem (saída)|Process 3 - fourth order (output)",
               .input = 23,
               .gain = "1.4",
               .tau1 = "8",
               .tau2 = "8",
               .left = kBox[2].x() + icon,
               .top = kBox[2].y() + kIconsY + 24});
    b.Process(5,
              {.tag = "PROC-4",
               .description = "Processo 4 - integrador|Process 4 - integrating",
               .input = 49,
               .gain = "0.01",
               .transfer = 3,
               .initialValue = "50",
               .left = kBox[3].x() + icon,
               .top = kBox[3].y() + kIconsY + 24});
    // The integrator sees its input less the 50 % at which it rests.
    b.Block(9,
            {.tag = "BAL-4",
             .description = "Vazão líquida P4|P4 net flow",
             .expression = "M44-50",
             .left = kBox[3].x() + icon,
             .top = kBox[3].y() + kIconsY});
    b.PushButton(1,
                 {.name = "Degrau|Step",
                  .textOff = "Entradas base|Base inputs",
                  .textOn = "+10 % em todas|+10 % on all"});
    // The switch's caption stands left of it, between it and the panel: a tool window that opens
    // clear of the switch goes to its right.
    b.CommandPanel(300, 265);
    b.Switch(1, {.orientation = 2, .left = 630, .top = 276});
}

void DrawBox(
    PidPainter &p, int i, const QString &formula, const QString &titlePt, const QString &titleEn)
{
    const double x = kBox[i].x();
    const double y = kBox[i].y();
    QPainter &painter = p.painter();
    painter.setPen(QPen(PidPainter::kInk, 1.5));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(QRectF(x, y, kBoxWidth, kBoxHeight), 8, 8);
    p.Text({x + 12, y + 22}, titlePt, true);
    p.Text({x + 12, y + 36}, titleEn, false, 8);
    // From the slider to the step junction, through the transfer box and the noise junction.
    const double line = y + kLineY;
    p.SignalLine({{x + 157 + 12, y + 70}, {x + 175, y + 70}, {x + 175, line}});
    p.Arrow({x + 175, line}, {x + kStepX - 12, line});
    SummingJunction(p, {x + kStepX, line});
    SummingJunction(p, {x + kNoiseX, line});
    p.Text({x + kStepX - 4, line + 5}, QStringLiteral("+"), true);
    p.Text({x + kNoiseX - 4, line + 5}, QStringLiteral("+"), true);
    p.Arrow({x + kStepX + 12, line}, {x + kTransferLeft, line});
    DiagramBox(p, {x + kTransferLeft, line - 20, kTransferRight - kTransferLeft, 40}, formula);
    p.Arrow({x + kTransferRight, line}, {x + kNoiseX - 12, line});
    p.Arrow({x + kNoiseX + 12, line}, {x + kBoxWidth - 4, line});
    // The step and the noise come in from above.
    p.Arrow({x + kStepX, line - 60}, {x + kStepX, line - 12});
    p.Text({x + kStepX + 6, line - 48}, QStringLiteral("degrau | step"), false, 8);
    p.Arrow({x + kNoiseX, line - 60}, {x + kNoiseX, line - 12});
    // On two lines: one would run across the noise arrow or into the output's name.
    p.Text({x + kNoiseX - 38, line - 50}, QStringLiteral("ruído"), false, 8);
    p.Text({x + kNoiseX - 38, line - 37}, QStringLiteral("noise"), false, 8);
}

void Draw(PidPainter &p)
{
    DrawBox(p,
            0,
            QStringLiteral("K e⁻ᶿˢ / (τs + 1)"),
            QStringLiteral("Processo 1 - 1ª ordem com tempo morto"),
            QStringLiteral("Process 1 - first order with dead time"));
    DrawBox(p,
            1,
            QStringLiteral("K ω² / (s² + 2ζωs + ω²)"),
            QStringLiteral("Processo 2 - 2ª ordem subamortecido"),
            QStringLiteral("Process 2 - under-damped second order"));
    DrawBox(p,
            2,
            QStringLiteral("K / (τs + 1)⁴"),
            QStringLiteral("Processo 3 - 4ª ordem (dois processos em série)"),
            QStringLiteral("Process 3 - fourth order (two processes in series)"));
    DrawBox(p,
            3,
            QStringLiteral("K / s"),
            QStringLiteral("Processo 4 - integrador"),
            QStringLiteral("Process 4 - integrating"));
    p.Text({503, 298}, QStringLiteral("Ruído de medição"), true);
    p.Text({503, 314}, QStringLiteral("Measurement noise"));
}

// The design's step test: 60 s at rest, then "+10 % on all", sampled every 0.1 s, with what a
// trainee identifies from it: the two-point method (28.3 % and 63.2 % of the change) on P1 and
// P3, the damping and natural frequency from P2's first overshoot and damped period.
struct StepTest
{
    double p1Final = 0.0;
    double p1T5 = 0.0;
    double p1T28 = 0.0;
    double p1T63 = 0.0;
    double p1Tau = 0.0;
    double p1DeadTime = 0.0;
    double p2PeakTime = 0.0;
    double p2Peak = 0.0;
    double p2Final = 0.0;
    double p2Overshoot = 0.0;    // % of the final change
    double p2DampedPeriod = 0.0; // s between the first two peaks
    double p2Damping = 0.0;
    double p2NaturalFrequency = 0.0; // rad/s
    double p3Final = 0.0;
    double p3T28 = 0.0;
    double p3T63 = 0.0;
    double p3Tau = 0.0;
    double p3DeadTime = 0.0;
    double p4Slope = 0.0;
    double quietBeforeStep = 0.0; // largest move of any output in the 60 s before the step
};

// Seconds after the step until a rise, sampled every step from the first step on, first
// covers `fraction` of its final value.
double Crossing(const std::vector<double> &rise, double fraction)
{
    for (std::size_t i = 0; i < rise.size(); ++i) {
        if (rise[i] >= fraction * rise.back())
            return static_cast<double>(i + 1) * Scenario::kTimeStep;
    }
    return -1.0;
}

StepTest RunStepTest(Plant &plant)
{
    Scenario scenario(plant);
    const auto value = [&](int k) {
        return plant.memories.Value(k);
    };
    const std::array<double, 4> rest{value(45), value(46), value(47), value(48)};
    StepTest test;
    scenario.Run(60, [&] {
        for (int i = 0; i < 4; ++i)
            test.quietBeforeStep
                = std::max(test.quietBeforeStep, std::abs(value(45 + i) - rest[i]));
    });
    scenario.PressButton(1);
    const double start = scenario.Time();
    double previous = value(46);
    bool rising = true;
    int peaks = 0;
    double p4At100 = 0.0;
    double p4At200 = 0.0;
    std::vector<double> p1;
    std::vector<double> p3;
    scenario.Run(600, [&] {
        const double elapsed = scenario.Time() - start;
        p1.push_back(value(45) - rest[0]);
        p3.push_back(value(47) - rest[2]);
        if (rising && value(46) < previous) {
            ++peaks;
            if (peaks == 1) {
                test.p2Peak = previous;
                test.p2PeakTime = elapsed - Scenario::kTimeStep;
            } else if (peaks == 2) {
                test.p2DampedPeriod = elapsed - Scenario::kTimeStep - test.p2PeakTime;
            }
        }
        rising = value(46) >= previous;
        previous = value(46);
        if (std::abs(elapsed - 100.0) < Scenario::kTimeStep / 2)
            p4At100 = value(48);
        if (std::abs(elapsed - 200.0) < Scenario::kTimeStep / 2)
            p4At200 = value(48);
    });
    test.p1Final = p1.back();
    test.p1T5 = Crossing(p1, 0.05);
    test.p1T28 = Crossing(p1, 0.283);
    test.p1T63 = Crossing(p1, 0.632);
    test.p1Tau = 1.5 * (test.p1T63 - test.p1T28);
    test.p1DeadTime = test.p1T63 - test.p1Tau;
    test.p2Final = value(46) - rest[1];
    test.p2Overshoot = (test.p2Peak - rest[1] - test.p2Final) / test.p2Final * 100.0;
    const double decay = std::log(test.p2Overshoot / 100.0);
    test.p2Damping = -decay / std::sqrt(std::numbers::pi * std::numbers::pi + decay * decay);
    test.p2NaturalFrequency
        = 2.0 * std::numbers::pi
          / (test.p2DampedPeriod * std::sqrt(1.0 - test.p2Damping * test.p2Damping));
    test.p3Final = p3.back();
    test.p3T28 = Crossing(p3, 0.283);
    test.p3T63 = Crossing(p3, 0.632);
    test.p3Tau = 1.5 * (test.p3T63 - test.p3T28);
    test.p3DeadTime = test.p3T63 - test.p3Tau;
    test.p4Slope = (p4At200 - p4At100) / 100.0;
    return test;
}

AcceptanceCheck Check(const char *name,
                      double StepTest::*figure,
                      double design,
                      double engine,
                      double low,
                      double high)
{
    return {name,
            [figure](Plant &plant) { return RunStepTest(plant).*figure; },
            design,
            engine,
            low,
            high};
}

ExamplePlant Make()
{
    ExamplePlant example;
    example.picture = "sim2";
    example.build = Build;
    example.drawBackground = Draw;
    example.commentsPortuguese
        = {"Quatro processos em malha aberta para exercícios de modelagem: primeira ordem com "
           "tempo morto, segunda ordem subamortecido, quarta ordem (dois processos em série) e "
           "integrador. Aplique degraus pelos controles deslizantes ou pelo botão \"Degrau\" e "
           "identifique os parâmetros (ganho, constantes de tempo, tempo morto, amortecimento). "
           "Use a simulação rápida com armazenamento de dados para obter os registros."};
    example.commentsEnglish
        = {"Four open-loop processes for modelling exercises: first order with dead time, "
           "under-damped second order, fourth order (two processes in series) and integrating. "
           "Apply steps with the sliders or the \"Step\" button and identify the parameters "
           "(gain, time constants, dead time, damping). Use the fast simulation with data "
           "archiving to collect the records."};
    example.descriptionPortuguese = {
        "Quatro processos em malha aberta, de estruturas diferentes, para exercícios de "
        "identificação por degrau. Pressione \"Degrau\" (+10 % em todas as entradas) e registre "
        "as respostas com os registradores, ou melhor, com uma simulação rápida de 30 min com "
        "\"Armazenar Dados\": o arquivo .txd guarda todas as memórias uma vez por segundo, "
        "mesmo sem controladores.",
        {"P1: variação final +{P1FinalChange:0} %; 5 % da variação em {P1T5:1} s, 28,3 % em "
         "{P1T28:1} s, 63,2 % em {P1T63:1} s. Identifique K = {P1FinalChange*0.1:1}, tempo morto "
         "de cerca de {P1DeadTime:1} s e constante de tempo de cerca de {P1Tau:0} s (0,1 s é o "
         "atraso de um passo do bloco de entrada).",
         "P2: variação final +{P2FinalChange:0} %; primeiro pico em {P2FirstPeakTime:1} s com "
         "{P2Overshoot:0} % de sobressinal, período amortecido de {P2DampedPeriod:1} s. "
         "Identifique o amortecimento {P2Damping:2} e a frequência natural "
         "{P2NaturalFrequency:2} rad/s.",
         "P3: variação final +{P3FinalChange:0} %; 28 % em {P3T28:1} s e 63 % em {P3T63:1} s. "
         "O método dos dois pontos dá um modelo de primeira ordem com constante de tempo "
         "{P3Tau:0} s e tempo morto {P3DeadTime:0} s: uma ordem alta aproximada por tempo morto. A "
         "estrutura verdadeira "
         "são quatro atrasos de 8 s.",
         "P4: a saída sobe em rampa de {P4Slope:1} %/s para cada +10 % na entrada. Solte o "
         "botão para parar a rampa; ela para em 0 ou 100 % (saturação).",
         "Ligue o ruído (±0,5 %), repita os degraus e compare as estimativas."}};
    example.descriptionEnglish = {
        "Four open-loop processes with different structures, for step-test identification "
        "exercises. Press \"Step\" (+10 % on every input) and record the responses with the "
        "recorders, or better with a 30-min fast run with \"Armazenar Dados\" on: the .txd file "
        "holds every memory once per second, even without controllers.",
        {"P1: +{P1FinalChange:0} % final change; 5 % of the change at {P1T5:1} s, 28.3 % at "
         "{P1T28:1} s, 63.2 % at {P1T63:1} s. Identify K = {P1FinalChange*0.1:1}, a dead time of "
         "about {P1DeadTime:1} s and a time constant of about {P1Tau:0} s (0.1 s is the one-step "
         "delay of the input block).",
         "P2: +{P2FinalChange:0} % final change; first peak at {P2FirstPeakTime:1} s with "
         "{P2Overshoot:0} % overshoot, damped period {P2DampedPeriod:1} s. Identify a damping "
         "ratio of {P2Damping:2} and a natural frequency of {P2NaturalFrequency:2} rad/s.",
         "P3: +{P3FinalChange:0} % final change; 28 % at {P3T28:1} s and 63 % at {P3T63:1} s. "
         "The two-point method gives a first-order model with a {P3Tau:0} s time constant and a "
         "{P3DeadTime:0} s dead time: high order approximated by dead time. The true structure is "
         "four lags of 8 s.",
         "P4: the output ramps at {P4Slope:1} %/s per +10 % of input. Release the button to stop "
         "the ramp; it stops at 0 or 100 % (saturation).",
         "Switch the noise on (±0.5 %), repeat the steps and compare the estimates."}};
    example.checks = {
        Check("P1FinalChange", &StepTest::p1Final, 12.0, 12.0, 11.95, 12.05),
        Check("P1T63", &StepTest::p1T63, 29.2, 29.2, 28.7, 29.7),
        Check("P2FirstPeakTime", &StepTest::p2PeakTime, 17.9, 17.9, 17.4, 18.4),
        Check("P2FirstPeak", &StepTest::p2Peak, 50.9, 50.88, 50.7, 51.1),
        Check("P3FinalChange", &StepTest::p3Final, 14.0, 14.0, 13.95, 14.05),
        Check("P3T63", &StepTest::p3T63, 35.0, 35.0, 34.5, 35.5),
        Check("P4Slope", &StepTest::p4Slope, 0.100, 0.100, 0.098, 0.102),
        Check("P1T5", &StepTest::p1T5, 5.5, 5.5, 5.0, 6.0),
        Check("P1T28", &StepTest::p1T28, 12.5, 12.5, 12.0, 13.0),
        Check("P1Tau", &StepTest::p1Tau, 25.0, 25.05, 24.0, 26.0),
        Check("P1DeadTime", &StepTest::p1DeadTime, 4.1, 4.15, 3.6, 4.6),
        Check("P2FinalChange", &StepTest::p2Final, 8.0, 8.0, 7.95, 8.05),
        Check("P2Overshoot", &StepTest::p2Overshoot, 36.0, 35.97, 33.0, 39.0),
        Check("P2DampedPeriod", &StepTest::p2DampedPeriod, 31.4, 31.6, 30.5, 32.5),
        Check("P2Damping", &StepTest::p2Damping, 0.31, 0.3095, 0.29, 0.33),
        Check("P2NaturalFrequency", &StepTest::p2NaturalFrequency, 0.21, 0.2091, 0.20, 0.22),
        Check("P3T28", &StepTest::p3T28, 21.7, 21.7, 21.2, 22.2),
        Check("P3Tau", &StepTest::p3Tau, 20.0, 19.95, 19.0, 21.0),
        Check("P3DeadTime", &StepTest::p3DeadTime, 15.0, 15.05, 14.0, 16.0),
        Check("QuietBeforeStep", &StepTest::quietBeforeStep, 0.0, 0.0, 0.0, 1e-9),
    };
    return example;
}

const bool registered = RegisterExample(Make);

} // namespace

} // namespace zelvar::examples
