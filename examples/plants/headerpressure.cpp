// Pressão Header e 3 Consumidores | Header pressure with 3 consumers: a tight header pressure
// loop decouples three flow-controlled consumers from each other.
#include "engine/model/faceplate.h"
#include "examples/example.h"
#include "examples/harness.h"
#include "examples/pidpainter.h"
#include "examples/plantbuilder.h"

#include <algorithm>
#include <cmath>

namespace zelvar::examples {

namespace {

// Consumers 1-3 hang from the header at these x, consumer 4 at the last.
constexpr int kConsumerX[] = {340, 510, 680, 880};

void Build(PlantBuilder &b)
{
    b.Title("Pressão no header e 3 consumidores|Header pressure with 3 consumers");
    b.Memory(21, {.unit = "bar", .low = "0", .high = "10", .alarmLow = "5", .alarmHigh = "7"});
    b.Memory(22, {.unit = "Nm3/h", .low = "0", .high = "3000"});
    for (int m = 23; m <= 25; ++m)
        b.Memory(m, {.unit = "Nm3/h", .low = "0", .high = "1000"});

    // Slot order: the pressure first, so that every flow reads this tick's header pressure.
    b.Process(1,
              {.tag = "PT-100",
               .description = "Pressão do header|Header pressure",
               .input = 41,
               .gain = "0.05",
               .transfer = 3,
               .initialValue = "60",
               .left = 340,
               .top = 262});
    // The source stands at 10 bar: the supply flow falls as the header pressure rises.
    b.Process(2,
              {.tag = "FT-100",
               .description = "Vazão de suprimento|Supply flow",
               .input = 1,
               .gain = "((100-M21)/40)^0.5",
               .tau1 = "2",
               .tau2 = "1",
               .left = 160,
               .top = 200});
    const char *consumers[]
        = {"Consumidor 1|Consumer 1", "Consumidor 2|Consumer 2", "Consumidor 3|Consumer 3"};
    for (int i = 0; i < 3; ++i) {
        const int x = kConsumerX[i];
        const std::string number = std::to_string(101 + i);
        b.Process(3 + i,
                  {.tag = "FT-" + number,
                   .description = consumers[i],
                   .input = 2 + i,
                   .gain = "(M21/60)^0.5",
                   .tau1 = "1",
                   .tau2 = "1",
                   .left = x + 66,
                   .top = 335});
        b.Controller(2 + i,
                     {.tag = "FIC-" + number,
                      .description = consumers[i],
                      .pv = 23 + i,
                      .setpoint = 50,
                      .kc = "0.8",
                      .ti = "2",
                      .left = x + 66,
                      .top = 370});
        b.Text(3 + i,
               {.description = consumers[i],
                .memory = 23 + i,
                .decimals = 0,
                .left = x - 55,
                .top = 507});
    }
    // In % of the supply range; button 1 adds an unmeasured 300 Nm3/h consumer.
    b.Block(1,
            {.tag = "BAL-100",
             .description = "Balanço de vazão do header|Header flow balance",
             .expression = "M22-(M23+M24+M25)/3-10*M97",
             .left = 40,
             .top = 560});
    b.Controller(1,
                 {.tag = "PIC-100",
                  .description = "Pressão do header|Header pressure",
                  .pv = 21,
                  .setpoint = 60,
                  .kc = "3.0",
                  .ti = "25",
                  .left = 220,
                  .top = 100});
    b.PushButton(1,
                 {.name = "Consumidor 4|Consumer 4",
                  .textOff = "Desligado|Off",
                  .textOn = "Ligado 300 Nm3/h|On 300 Nm3/h"});
    b.CommandPanel(790, 120);
    b.Recorder(1,
               {.tag = "TR-100",
                .description = "Pressão do header|Header pressure",
                .pen1 = 21,
                .pen2 = 61,
                .pen3 = 1,
                .timeBase = 1,
                .left = 880,
                .top = 20});
    b.Recorder(2,
               {.tag = "TR-101",
                .description = "Consumidores|Consumers",
                .pen1 = 23,
                .pen2 = 24,
                .pen3 = 25,
                .name1 = "Cons.1",
                .name2 = "Cons.2",
                .name3 = "Cons.3 (%)",
                .timeBase = 1,
                .left = 880,
                .top = 50});
    b.Text(1,
           {.description = "Pressão do header|Header pressure",
            .memory = 21,
            .decimals = 2,
            .left = 345,
            .top = 225});
    b.Text(2,
           {.description = "Vazão de suprimento|Supply flow",
            .memory = 22,
            .decimals = 0,
            .left = 40,
            .top = 190});
    b.Text(6,
           {.description = "Abertura PV-100|PV-100 opening",
            .memory = 1,
            .decimals = 1,
            .left = 215,
            .top = 355});
    b.Shape(1,
            {.memory = 97,
             .size = 24,
             .width = 24,
             .colour1 = kColourLime,
             .colour2 = kColourRed,
             .left = 900,
             .top = 398});
}

void Draw(PidPainter &p)
{
    // Source, supply flow, supply valve and header.
    p.Pump({70, 330}, 28);
    p.Label({20, 395}, QStringLiteral("Fonte 10 bar"), QStringLiteral("Source 10 bar"));
    p.ProcessLine({{98, 302}, {250, 302}});
    p.Orifice({140, 302});
    p.SignalLine({{140, 286}, {140, 258}});
    p.Bubble({140, 240}, QStringLiteral("FT-100"));
    p.ControlValve({205, 302});
    p.Text({185, 333}, QStringLiteral("PV-100"), true);
    QPainter &painter = p.painter();
    painter.setPen(QPen(PidPainter::kInk, 8, Qt::SolidLine, Qt::FlatCap));
    painter.drawLine(QPointF(250, 300), QPointF(900, 300));
    p.Text({600, 288}, QStringLiteral("HEADER"), true);
    p.SignalLine({{318, 296}, {318, 266}});
    p.Bubble({318, 248}, QStringLiteral("PT-100"));
    p.Bubble({278, 158}, QStringLiteral("PIC-100"));
    p.SignalLine({{318, 230}, {318, 158}, {296, 158}});
    p.SignalLine({{260, 158}, {205, 158}, {205, 260}});

    // Consumers 1-3: a drop with its flow element and valve, and the user below.
    for (int i = 0; i < 3; ++i) {
        const double x = kConsumerX[i];
        const QString number = QString::number(101 + i);
        p.ProcessLine({{x, 304}, {x, 470}}, true);
        p.Orifice({x, 345}, true);
        p.SignalLine({{x + 16, 345}, {x + 27, 345}});
        p.Bubble({x + 45, 345}, QStringLiteral("FT-") + number);
        p.ControlValve({x, 420}, true);
        p.Bubble({x + 45, 405}, QStringLiteral("FIC-") + number);
        p.SignalLine({{x + 45, 363}, {x + 45, 387}});
        p.SignalLine({{x + 45, 423}, {x + 45, 440}, {x - 28, 440}, {x - 28, 434}});
        // The animated text under it names the consumer in the reader's language.
        p.Tank({x - 65, 470, 130, 70});
    }
    // Consumer 4: a hand valve and an on/off user without instruments.
    const double x4 = kConsumerX[3];
    p.ProcessLine({{x4, 304}, {x4, 470}}, true);
    painter.setPen(QPen(PidPainter::kInk, 2));
    painter.setBrush(Qt::white);
    painter.drawPolygon(QPolygonF({QPointF(x4 - 11, 344),
                                   QPointF(x4 + 11, 376),
                                   QPointF(x4 - 11, 376),
                                   QPointF(x4 + 11, 344)}));
    painter.drawLine(QPointF(x4, 360), QPointF(x4 - 20, 360));
    painter.drawLine(QPointF(x4 - 20, 352), QPointF(x4 - 20, 368));
    p.Tank({x4 - 65, 470, 130, 70});
    p.Text({x4 - 58, 485}, QStringLiteral("Consumidor 4"), true);
    p.Text({x4 - 58, 500}, QStringLiteral("Consumer 4"), true);
    p.Label({x4 - 58, 516}, QStringLiteral("liga/desliga"), QStringLiteral("on/off"), 7);
    p.Text({x4 - 58, 532}, QStringLiteral("300 Nm3/h"), false, 8);
    p.Label({40, 553}, QStringLiteral("Cálculos"), QStringLiteral("Calculations"));
}

struct Consumer4Figures
{
    double minPressure = 0.0;
    double maxOtherConsumer = 0.0; // largest move of consumer 2, % of range
    double recovery = 0.0;         // s after which the pressure stays within 0.2 % of its SP
    double roughRecovery = 0.0;    // the same within 1 % (0.1 bar)
    double finalPressure = 0.0;
    double finalConsumer2 = 0.0;
};

// Consumer 4 switched on with the given loops put in manual first.
Consumer4Figures Consumer4On(Plant &plant, std::initializer_list<int> manualLoops, double watch)
{
    Scenario scenario(plant);
    for (int loop : manualLoops)
        ToggleAutoManual(plant.controllers[loop]);
    const double start = scenario.Time();
    scenario.PressButton(1);
    Consumer4Figures figures{plant.memories.Value(21), 0.0, 0.0};
    scenario.Run(watch, [&] {
        const double pressure = plant.memories.Value(21);
        figures.minPressure = std::min(figures.minPressure, pressure);
        figures.maxOtherConsumer
            = std::max(figures.maxOtherConsumer, std::abs(plant.memories.Value(24) - 50.0));
        if (std::abs(pressure - 60.0) > 0.2)
            figures.recovery = scenario.Time() - start;
        if (std::abs(pressure - 60.0) > 1.0)
            figures.roughRecovery = scenario.Time() - start;
    });
    figures.finalPressure = plant.memories.Value(21);
    figures.finalConsumer2 = plant.memories.Value(24);
    return figures;
}

struct SetpointStepFigures
{
    double minPressure = 0.0;
    double maxOtherConsumer = 0.0; // largest move of consumers 2 and 3, % of range
};

// All in auto, FIC-101's SP from 500 to 700 Nm3/h, watched for five minutes.
SetpointStepFigures Fic101Step(Plant &plant)
{
    Scenario scenario(plant);
    SetpointStepFigures figures{plant.memories.Value(21), 0.0};
    scenario.SetSetpoint(2, 70);
    scenario.Run(300, [&] {
        figures.minPressure = std::min(figures.minPressure, plant.memories.Value(21));
        for (int memory : {24, 25})
            figures.maxOtherConsumer
                = std::max(figures.maxOtherConsumer, std::abs(plant.memories.Value(memory) - 50.0));
    });
    return figures;
}

double AllAuto(Plant &plant, double Consumer4Figures::*figure)
{
    return Consumer4On(plant, {}, 300).*figure;
}

double FastRunFigure(Plant &plant, int loop, double FastRunFigures::*figure)
{
    return FiguresOf(FastRun(plant, 2, 10)[static_cast<std::size_t>(loop)]).*figure;
}

// Largest |end error| over the four loops of one fast run.
double FastRunEndError(Plant &plant)
{
    const LoopCharts charts = FastRun(plant, 2, 10);
    double largest = 0.0;
    for (int loop = 1; loop <= 4; ++loop)
        largest = std::max(largest,
                           std::abs(FiguresOf(charts[static_cast<std::size_t>(loop)]).endError));
    return largest;
}

ExamplePlant Make()
{
    ExamplePlant example;
    example.picture = "sim8";
    example.build = Build;
    example.drawBackground = Draw;
    example.commentsPortuguese
        = {"Header de ar comprimido com três consumidores controlados por vazão. O PIC-100 regula "
           "a pressão do header manipulando a válvula de suprimento, o que desacopla os "
           "consumidores entre si. Ligue o \"Consumidor 4\" com e sem o PIC-100 em automático e "
           "compare as vazões dos consumidores 2 e 3."};
    example.commentsEnglish
        = {"Compressed-air header with three flow-controlled consumers. PIC-100 holds the header "
           "pressure with the supply valve, which decouples the consumers from each other. Switch "
           "\"Consumer 4\" on with PIC-100 in automatic and in manual, and compare the flows of "
           "consumers 2 and 3."};
    example.descriptionPortuguese = {
        "Header de ar comprimido com controle apertado de pressão (PIC-100 na válvula de "
        "suprimento) e três malhas de vazão de consumidores. Uma mudança de carga em um "
        "consumidor, ou um consumidor liga/desliga não medido, quase não perturba os outros. "
        "Sem a malha de pressão, os consumidores interagem através do header.",
        {"Tudo em automático, pressione \"Consumidor 4\": o header cai "
         "{6-Consumer4MinimumPressure*0.1:2} bar (-{60-Consumer4MinimumPressure:1} %), volta a "
         "0,1 bar em {Consumer4PressureRoughRecovery:0} s e a 0,02 bar em "
         "{Consumer4PressureRecovery:0} s; os consumidores 2 e 3 mudam no máximo "
         "{Consumer4OtherConsumerMove:2} %.",
         "PIC-100 em manual, FICs em automático, mesmo botão: a pressão cai "
         "{6-PicManualPressure*0.1:2} bar até um novo equilíbrio de {PicManualPressure*0.1:2} "
         "bar. As malhas de vazão abrem suas válvulas e removem a autorregulação do header; as "
         "vazões se mantêm, mas só até as válvulas saturarem.",
         "Tudo em manual: a pressão cai apenas {6-AllManualPressure*0.1:2} bar, mas a vazão de "
         "cada consumidor cai {500-AllManualConsumer2*10:0} Nm3/h ({50-AllManualConsumer2:1} % da "
         "faixa). É essa interação que uma malha de "
         "pressão apertada remove.",
         "Tudo em automático, SP do FIC-101 500 -> 700 Nm3/h: o header cai "
         "{6-Fic101StepMinimumPressure*0.1:2} bar e os outros consumidores mudam no máximo "
         "{Fic101StepOtherConsumerMove:1} %."}};
    example.descriptionEnglish
        = {"A compressed-air header with tight pressure control (PIC-100 on the supply valve) and "
           "three consumer flow loops. A load change at one consumer, or an unmeasured on/off "
           "consumer, barely disturbs the others. Without the pressure loop, the consumers "
           "interact through the header.",
           {"All loops in auto; press \"Consumer 4\". The header dips by "
            "{6-Consumer4MinimumPressure*0.1:2} bar (-{60-Consumer4MinimumPressure:1} %), is back "
            "within 0.1 bar after {Consumer4PressureRoughRecovery:0} s and within 0.02 bar after "
            "{Consumer4PressureRecovery:0} s; consumers 2 and 3 move by at most "
            "{Consumer4OtherConsumerMove:2} %.",
            "PIC-100 in manual, FICs in auto, same button: the pressure falls by "
            "{6-PicManualPressure*0.1:2} bar to a new equilibrium of {PicManualPressure*0.1:2} "
            "bar. The consumer flow loops open their valves and remove the header's "
            "self-regulation; the flows are held, but only until the valves saturate.",
            "Everything in manual: the pressure falls only {6-AllManualPressure*0.1:2} bar, but "
            "every consumer flow drops by {500-AllManualConsumer2*10:0} Nm3/h "
            "({50-AllManualConsumer2:1} % of range). That is the interaction a "
            "tight header pressure loop removes.",
            "All in auto, FIC-101 SP 500 -> 700 Nm3/h: the header dips "
            "{6-Fic101StepMinimumPressure*0.1:2} bar and the other consumers move by at most "
            "{Fic101StepOtherConsumerMove:1} %."}};
    // The fast run raises PIC-100 by 1 bar and every consumer by 50 Nm3/h at once.
    example.checks = {
        {"FastRunPicIema",
         [](Plant &p) { return FastRunFigure(p, 1, &FastRunFigures::iema); },
         0.087,
         0.0873,
         0.0,
         0.15},
        {"FastRunFicIema",
         [](Plant &p) { return FastRunFigure(p, 3, &FastRunFigures::iema); },
         0.013,
         0.0134,
         0.0,
         0.03},
        {"FastRunEndError", FastRunEndError, 0.0, 0.0, 0.0, 0.1},
        {"Consumer4MinimumPressure",
         [](Plant &p) { return AllAuto(p, &Consumer4Figures::minPressure); },
         57.4,
         57.40,
         56.0,
         60.0},
        {"Consumer4OtherConsumerMove",
         [](Plant &p) { return AllAuto(p, &Consumer4Figures::maxOtherConsumer); },
         0.4,
         0.348,
         0.0,
         0.6},
        {"Consumer4PressureRoughRecovery",
         [](Plant &p) { return AllAuto(p, &Consumer4Figures::roughRecovery); },
         34.0,
         33.7,
         20.0,
         50.0},
        {"Consumer4PressureRecovery",
         [](Plant &p) { return AllAuto(p, &Consumer4Figures::recovery); },
         73.0,
         72.6,
         0.0,
         200.0},
        {"Fic101StepMinimumPressure",
         [](Plant &p) { return Fic101Step(p).minPressure; },
         58.3,
         58.34,
         57.5,
         59.0},
        {"Fic101StepOtherConsumerMove",
         [](Plant &p) { return Fic101Step(p).maxOtherConsumer; },
         0.2,
         0.197,
         0.0,
         0.4},
        {"PicManualPressure",
         [](Plant &p) { return Consumer4On(p, {1}, 3000).finalPressure; },
         42.4,
         42.40,
         41.4,
         43.4},
        {"AllManualPressure",
         [](Plant &p) {
             return Consumer4On(p, {1, 2, 3, 4}, 3000).finalPressure;
         },
         50.3,
         50.25,
         49.0,
         52.0},
        {"AllManualConsumer2",
         [](Plant &p) {
             return Consumer4On(p, {1, 2, 3, 4}, 3000).finalConsumer2;
         },
         45.8,
         45.76,
         45.3,
         46.3},
    };
    return example;
}

const bool registered = RegisterExample(Make);

} // namespace

} // namespace zelvar::examples
