// Caldeira industrial | Industrial Boiler: a drum boiler with three-element drum-level control
// against shrink and swell, steam pressure setting the firing demand, single cross-limited
// fuel/air combustion, attemperated steam temperature and the steam load under flow control.
#include "examples/example.h"
#include "examples/harness.h"
#include "examples/pidpainter.h"
#include "examples/plantbuilder.h"
#include "examples/plants/burner.h"

#include "documents/model/plantoperations.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace zelvar::examples {

namespace {

// Water blue for the gauge glass, as the plant file stores colours (0x00BBGGRR).
constexpr PlantColour kWater = 0xE09030;

void Build(PlantBuilder &b)
{
    b.Title("Caldeira industrial|Industrial boiler");
    b.Memory(21, {.unit = "Nm3/h", .low = "0", .high = "2000"});
    // Scaled so that 1 % air per 1 % gas is 10 % excess air.
    b.Memory(22, {.unit = "Nm3/h", .low = "0", .high = "21000"});
    b.Memory(24, {.unit = "bar", .low = "0", .high = "80", .alarmLow = "35", .alarmHigh = "45"});
    b.Memory(25, {.unit = "t/h", .low = "0", .high = "50"});
    b.Memory(26, {.unit = "t/h", .low = "0", .high = "50"});
    b.Memory(28, {.unit = "t/h", .low = "0", .high = "50"});
    b.Memory(29, {.unit = "t/h", .low = "0", .high = "5"});
    b.Memory(30,
             {.unit = "°C", .low = "300", .high = "500", .alarmLow = "390", .alarmHigh = "410"});
    // 50 % is the normal water level.
    b.Memory(44,
             {.unit = "mm", .low = "-250", .high = "250", .alarmLow = "-100", .alarmHigh = "100"});
    b.Memory(48, {.unit = "%", .low = "-50", .high = "100", .alarmLow = "5", .alarmHigh = "30"});

    // Slot order: every gain and every input is computed earlier in the same tick where it can be.
    b.Process(1,
              {.tag = "FT-104",
               .description = "Vazão de gás combustível|Fuel gas flow",
               .input = 4,
               .tau1 = "1",
               .tau2 = "1",
               .left = 60,
               .top = 390});
    b.Process(2,
              {.tag = "FT-105",
               .description = "Vazão de ar de combustão|Combustion air flow",
               .input = 5,
               .tau1 = "3",
               .tau2 = "2",
               .left = 15,
               .top = 572});
    b.Process(3,
              {.tag = "Q-101",
               .description = "Calor absorvido na fornalha|Furnace heat absorbed",
               .input = 41,
               .deadTime = "2",
               .tau1 = "20",
               .tau2 = "5",
               .left = 250,
               .top = 250});
    b.Process(4,
              {.tag = "PT-103",
               .description = "Pressão do tubulão|Drum pressure",
               .input = 42,
               .gain = "0.005",
               .transfer = 3,
               .initialValue = "50",
               .left = 615,
               .top = 20});
    b.Process(5,
              {.tag = "FT-107",
               .description = "Vazão de vapor|Steam flow",
               .input = 7,
               .gain = "(M24/50)^0.5",
               .tau1 = "2",
               .tau2 = "1",
               .left = 712,
               .top = 368});
    b.Process(6,
              {.tag = "FT-102",
               .description = "Vazão de água de alimentação|Feedwater flow",
               .input = 2,
               .tau1 = "2",
               .tau2 = "1",
               .left = 895,
               .top = 240});
    b.Process(7,
              {.tag = "INV-101",
               .description = "Inventário de água no tubulão|Drum water inventory",
               .input = 43,
               .gain = "0.01",
               .transfer = 3,
               .initialValue = "50",
               .left = 395,
               .top = 122});
    // A steam increase first swells the level: the lagged steam flow is the swell's memory.
    b.Process(8,
              {.tag = "SWELL",
               .description = "Vazão de vapor atrasada (swell)|Lagged steam flow (swell)",
               .input = 25,
               .tau1 = "15",
               .left = 395,
               .top = 150});
    b.Process(9,
              {.tag = "FT-106",
               .description = "Vazão de água de atemperação|Spray water flow",
               .input = 6,
               .tau1 = "2",
               .tau2 = "1",
               .left = 595,
               .top = 520});
    b.Process(10,
              {.tag = "TT-106",
               .description = "Temperatura do vapor superaquecido|Superheated steam temperature",
               .input = 45,
               .deadTime = "5",
               .tau1 = "30",
               .tau2 = "10",
               .left = 621,
               .top = 442});

    b.Block(1,
            {.tag = "QY-101",
             .description = "Calor liberado (limitado pelo ar)|Heat released (air-limited)",
             .expression = "M21<M22",
             .left = 240,
             .top = 572});
    b.Block(2,
            {.tag = "BAL-E",
             .description = "Balanço de energia do tubulão|Drum energy balance",
             .expression = "M23-M25",
             .left = 325,
             .top = 572});
    b.Block(3,
            {.tag = "BAL-M",
             .description = "Balanço de massa do tubulão|Drum mass balance",
             .expression = "M26-M25",
             .left = 410,
             .top = 572});
    // Inventory plus swell.
    b.Block(4,
            {.tag = "LT-101",
             .description = "Nível do tubulão|Drum level",
             .expression = "M27+0.6*(M25-M28)",
             .left = 700,
             .top = 130});
    b.Block(5,
            {.tag = "BAL-SH",
             .description = "Balanço térmico do superaquecedor|Superheater heat balance",
             .expression = "50+0.6*(M23-50)-0.3*(M25-50)-0.8*(M29-30)",
             .left = 495,
             .top = 572});
    // Cross limits: the fuel never above the measured air, the air never below the measured fuel.
    b.Block(6,
            {.tag = "FY-104",
             .description = "SP de combustível (limite cruzado)|Fuel SP (cross-limited)",
             .expression = "M03<M22",
             .left = 20,
             .top = 165});
    b.Block(7,
            {.tag = "FY-105",
             .description = "SP de ar (limite cruzado)|Air SP (cross-limited)",
             .expression = "M03>M21",
             .left = 192,
             .top = 160});
    b.Block(8,
            {.tag = "AY-100",
             .description = "Excesso de ar|Excess air",
             .expression = "(110*M22/M21-50)/1.5",
             .high = "100",
             .low = "0",
             .left = 250,
             .top = 350});

    b.Controller(1,
                 {.tag = "LIC-101",
                  .description = "Nível do tubulão|Drum level",
                  .pv = 44,
                  .kc = "2.0",
                  .ti = "150",
                  .feedForward = "M11*M25+(1-M11)*50",
                  .left = 700,
                  .top = 20});
    b.Controller(2,
                 {.tag = "FIC-102",
                  .description = "Água de alimentação|Feedwater",
                  .pv = 26,
                  .kc = "0.8",
                  .ti = "3",
                  .remoteSetpoint = 1,
                  .remote = true,
                  .left = 860,
                  .top = 130});
    b.Controller(3,
                 {.tag = "PIC-103",
                  .description = "Pressão do vapor|Steam pressure",
                  .pv = 24,
                  .kc = "4.0",
                  .ti = "200",
                  .left = 120,
                  .top = 60});
    b.Controller(4,
                 {.tag = "FIC-104",
                  .description = "Gás combustível|Fuel gas",
                  .pv = 21,
                  .kc = "0.8",
                  .ti = "2.5",
                  .remoteSetpoint = 46,
                  .remote = true,
                  .left = 60,
                  .top = 290});
    b.Controller(5,
                 {.tag = "FIC-105",
                  .description = "Ar de combustão|Combustion air",
                  .pv = 22,
                  .kc = "0.8",
                  .ti = "4",
                  .remoteSetpoint = 47,
                  .remote = true,
                  .left = 100,
                  .top = 572});
    b.Controller(6,
                 {.tag = "TIC-106",
                  .description = "Temperatura do vapor|Steam temperature",
                  .pv = 30,
                  .kc = "1.5",
                  .ti = "35",
                  .reverse = true,
                  .left = 780,
                  .top = 430});
    // This setpoint is the boiler load.
    b.Controller(7,
                 {.tag = "FIC-107",
                  .description = "Vazão de vapor (carga)|Steam flow (load)",
                  .pv = 25,
                  .kc = "0.8",
                  .ti = "3",
                  .left = 895,
                  .top = 268});

    b.Switch(1, {.orientation = 1, .on = true, .left = 930, .top = 45});

    b.Recorder(1,
               {.tag = "TR-101",
                .description = "Nível do tubulão|Drum level",
                .pen1 = 44,
                .pen2 = 61,
                .pen3 = 1,
                .timeBase = 2,
                .left = 590,
                .top = 572});
    b.Recorder(2,
               {.tag = "TR-103",
                .description = "Pressão do vapor|Steam pressure",
                .pen1 = 24,
                .pen2 = 63,
                .pen3 = 3,
                .timeBase = 2,
                .left = 672,
                .top = 572});
    b.Recorder(3,
               {.tag = "TR-COMB",
                .description = "Combustão|Combustion",
                .pen1 = 21,
                .pen2 = 64,
                .pen3 = 22,
                .name1 = "Gás|Gas",
                .name2 = "SP gás|Gas SP",
                .name3 = "Ar|Air",
                .timeBase = 1,
                .left = 754,
                .top = 572});
    b.Recorder(4,
               {.tag = "TR-106",
                .description = "Temperatura do vapor|Steam temperature",
                .pen1 = 30,
                .pen2 = 66,
                .pen3 = 6,
                .timeBase = 2,
                .left = 836,
                .top = 572});
    b.Recorder(5,
               {.tag = "TR-3EL",
                .description = "Vapor x água|Steam vs water",
                .pen1 = 25,
                .pen2 = 26,
                .pen3 = 44,
                .name1 = "Vapor|Steam",
                .name2 = "Água|Water",
                .name3 = "Nível|Level",
                .timeBase = 1,
                .left = 918,
                .top = 572});

    b.Text(1,
           {.description = "Nível do tubulão|Drum level",
            .memory = 44,
            .decimals = 0,
            .left = 520,
            .top = 252});
    b.Text(2, {.description = "Pressão|Pressure", .memory = 24, .left = 480, .top = 70});
    b.Text(3, {.description = "Vapor|Steam", .memory = 25, .left = 840, .top = 375});
    b.Text(4,
           {.description = "Água de alimentação|Feedwater", .memory = 26, .left = 745, .top = 262});
    b.Text(5, {.description = "Gás|Gas", .memory = 21, .decimals = 0, .left = 60, .top = 345});
    b.Text(6, {.description = "Ar|Air", .memory = 22, .decimals = 0, .left = 15, .top = 545});
    b.Text(7, {.description = "Excesso de ar|Excess air", .memory = 48, .left = 250, .top = 330});
    b.Text(8,
           {.description = "Vapor superaquecido|Superheated steam",
            .memory = 30,
            .left = 665,
            .top = 300});
    b.Text(9,
           {.description = "Atemperação|Spray water",
            .memory = 29,
            .decimals = 2,
            .left = 602,
            .top = 500});
    b.Text(10,
           {.description = "Demanda de queima|Firing demand", .memory = 3, .left = 60, .top = 30});
    b.Text(11,
           {.kind = TextKind::Binary,
            .description = "Nível a 3 elementos|3-element level",
            .memory = 11,
            .expression = "1 elemento/3 elementos|1-element/3-element",
            .left = 860,
            .top = 112});
    b.Text(12, {.description = "SP água|Water SP", .memory = 62, .left = 762, .top = 200});
    b.Shape(1,
            {.circle = false,
             .memory = 44,
             .size = 30,
             .width = 10,
             .colour1 = kWater,
             .left = 617,
             .top = 127});
}

void Draw(PidPainter &p)
{
    QPainter &painter = p.painter();

    // Boiler casing: furnace on the left, convection pass with the superheater on the right.
    p.Tank({230, 210, 280, 330});
    painter.setPen(QPen(PidPainter::kInk, 2));
    painter.drawLine(QPointF(380, 210), QPointF(380, 440));
    p.Label({240, 232}, QStringLiteral("Fornalha"), QStringLiteral("Furnace"), 8);
    // Below the coil, which would strike it through higher up.
    p.Text({388, 380}, QStringLiteral("Superaquecedor"), false, 7);
    p.Text({388, 392}, QStringLiteral("Superheater"), false, 7);
    // Saturated steam from the drum through the superheater coil; the riser below the drum.
    p.ProcessLine({{460, 190},
                   {460, 260},
                   {495, 260},
                   {495, 285},
                   {400, 285},
                   {400, 310},
                   {495, 310},
                   {495, 335},
                   {400, 335},
                   {400, 350},
                   {510, 350}});
    p.ProcessLine({{400, 210}, {400, 190}});
    // Burner and flame at the bottom-left.
    p.Tank({230, 428, 24, 104});
    Flame(p, {254, 440, 116, 80});

    // Fuel gas train.
    p.ProcessLine({{10, 440}, {230, 440}}, true);
    p.Text({60, 432}, QStringLiteral("Gás | Gas"), false, 8);
    p.Orifice({40, 440});
    p.ControlValve({170, 440});
    p.Text({152, 462}, QStringLiteral("FV-104"), true, 7);
    p.SignalLine({{40, 424}, {40, 398}});
    p.Bubble({40, 380}, QStringLiteral("FT-104"));
    p.SignalLine({{40, 362}, {40, 320}, {152, 320}});
    p.Bubble({170, 320}, QStringLiteral("FIC-104"));
    p.SignalLine({{170, 338}, {170, 398}});

    // Combustion air duct and its damper.
    p.ProcessLine({{10, 520}, {230, 520}}, true);
    p.Text({60, 514}, QStringLiteral("Ar | Air"), false, 8);
    p.Orifice({40, 520});
    p.ControlValve({170, 520});
    p.Text({182, 552}, QStringLiteral("FV-105"), true, 7);
    p.SignalLine({{40, 504}, {40, 488}});
    p.Bubble({40, 470}, QStringLiteral("FT-105"));
    p.SignalLine({{58, 470}, {92, 470}});
    p.Bubble({110, 470}, QStringLiteral("FIC-105"));
    p.SignalLine({{128, 470}, {170, 470}, {170, 478}});

    // Firing demand and cross limits: fuel below the measured air, air above the measured fuel.
    p.SignalLine({{600, 52}, {600, 40}, {230, 40}, {230, 60}});
    p.Bubble({230, 78}, QStringLiteral("PIC-103"));
    p.SignalLine({{230, 96}, {230, 112}, {170, 112}, {170, 302}});
    p.SignalLine({{230, 112}, {290, 112}, {290, 190}});
    p.Text({270, 203}, QStringLiteral("FIC-105"), false, 8);
    p.SignalLine({{170, 150}, {130, 150}});
    p.Text({90, 154}, QStringLiteral("FT-105"), false, 8);
    p.SignalLine({{290, 150}, {330, 150}});
    p.Text({333, 154}, QStringLiteral("FT-104"), false, 8);
    FunctionBox(p, {170, 150}, QStringLiteral("<"));
    p.Text({150, 131}, QStringLiteral("FY-104"), true, 7);
    FunctionBox(p, {290, 150}, QStringLiteral(">"));
    p.Text({270, 131}, QStringLiteral("FY-105"), true, 7);

    // Steam drum with its gauge glass.
    painter.setPen(QPen(PidPainter::kInk, 2));
    painter.setBrush(Qt::white);
    painter.drawRoundedRect(QRectF(380, 110, 260, 80), 40, 40);
    painter.setBrush(QColor(0xee, 0xf4, 0xfa));
    painter.drawRect(QRectF(614, 124, 16, 66));
    p.Text({445, 107}, QStringLiteral("Tubulão | Steam drum"), true, 8);
    painter.setPen(QPen(PidPainter::kInk, 1, Qt::DotLine));
    painter.drawLine(QPointF(500, 155), QPointF(610, 155));
    p.SignalLine({{600, 110}, {600, 88}});
    p.Bubble({600, 70}, QStringLiteral("PT-103"));

    // Drum level: three elements into the feedwater flow loop.
    p.SignalLine({{640, 150}, {662, 150}});
    p.Bubble({680, 150}, QStringLiteral("LT-101"));
    p.SignalLine({{680, 132}, {680, 70}, {742, 70}});
    p.Bubble({760, 70}, QStringLiteral("LIC-101"));
    p.SignalLine({{778, 70}, {840, 70}, {840, 160}});
    p.SignalLine({{840, 70}, {875, 70}});
    p.Text({878, 74}, QStringLiteral("FT-107"), false, 8);
    FunctionBox(p, {840, 70}, QStringLiteral("Σ"));

    // Feedwater.
    p.ProcessLine({{990, 230}, {620, 230}, {620, 190}}, true);
    p.Orifice({880, 230});
    p.ControlValve({740, 230});
    p.Text({668, 265}, QStringLiteral("FV-102"), true, 8);
    p.SignalLine({{880, 214}, {880, 178}, {858, 178}});
    p.Bubble({840, 178}, QStringLiteral("FIC-102"));
    p.SignalLine({{822, 178}, {740, 178}, {740, 188}});

    // Superheated steam to the consumers, with the attemperator spray.
    p.ProcessLine({{510, 350}, {985, 350}}, true);
    p.Text({930, 377}, QStringLiteral("Consumidores"), false, 7);
    p.Text({930, 389}, QStringLiteral("To users"), false, 7);
    p.ProcessLine({{580, 545}, {580, 350}});
    p.Text({588, 560}, QStringLiteral("Água | Water"), false, 8);
    p.Orifice({580, 500}, true);
    p.ControlValve({580, 440}, true);
    p.Text({590, 428}, QStringLiteral("FV-106"), true, 8);
    p.SignalLine({{660, 350}, {660, 402}});
    p.Bubble({660, 420}, QStringLiteral("TT-106"));
    p.SignalLine({{678, 420}, {742, 420}});
    p.Bubble({760, 420}, QStringLiteral("TIC-106"));
    p.SignalLine({{760, 438}, {760, 475}, {530, 475}, {530, 440}, {538, 440}});
    p.Orifice({800, 350});
    p.ControlValve({920, 350});
    p.Text({937, 322}, QStringLiteral("FV-107"), true, 7);
    p.SignalLine({{800, 334}, {800, 295}, {842, 295}});
    p.Bubble({860, 295}, QStringLiteral("FIC-107"));
    p.SignalLine({{878, 295}, {920, 295}, {920, 308}});

    p.Label({240, 566}, QStringLiteral("Cálculos"), QStringLiteral("Calculations"), 8);
}

// A load change on FIC-107, with three-element or single-element level control.
struct LoadChangeFigures
{
    double minLevel = std::numeric_limits<double>::max();
    double maxLevel = std::numeric_limits<double>::lowest();
    double minExcessAir = std::numeric_limits<double>::max();
    double maxExcessAir = std::numeric_limits<double>::lowest();
    double minPressure = std::numeric_limits<double>::max();
    double minTemperature = std::numeric_limits<double>::max();
    double maxTemperature = std::numeric_limits<double>::lowest();
    double finalPressure = 0.0;
};

// With `airManual` FIC-105 (air) is put in manual first.
LoadChangeFigures
ChangeLoad(Plant &plant, double toPercent, bool threeElement, bool airManual = false)
{
    Scenario scenario(plant);
    if (!threeElement)
        ClickSwitch(plant, 1);
    if (airManual)
        ToggleAutoManual(plant.controllers[5]);
    scenario.SetSetpoint(7, toPercent);
    LoadChangeFigures figures;
    scenario.Run(2000, [&] {
        const double level = plant.memories.Value(44);
        figures.minLevel = std::min(figures.minLevel, level);
        figures.maxLevel = std::max(figures.maxLevel, level);
        figures.minExcessAir = std::min(figures.minExcessAir, ExcessAirPercent(plant, 21, 22));
        figures.maxExcessAir = std::max(figures.maxExcessAir, ExcessAirPercent(plant, 21, 22));
        figures.minPressure = std::min(figures.minPressure, plant.memories.Value(24));
        figures.minTemperature = std::min(figures.minTemperature, plant.memories.Value(30));
        figures.maxTemperature = std::max(figures.maxTemperature, plant.memories.Value(30));
    });
    figures.finalPressure = plant.memories.Value(24);
    return figures;
}

AcceptanceCheck LoadCheck(std::string name,
                          double toPercent,
                          bool threeElement,
                          double LoadChangeFigures::*figure,
                          double design,
                          double engine,
                          double low,
                          double high)
{
    return {std::move(name),
            [=](Plant &plant) { return ChangeLoad(plant, toPercent, threeElement).*figure; },
            design,
            engine,
            low,
            high};
}

// The fast run with every local loop's setpoint stepped at once.
AcceptanceCheck IemaCheck(std::string name, int loop, double design, double engine, double high)
{
    return {std::move(name),
            [loop](Plant &plant) { return FiguresOf(FastRun(plant, 2, 10)[loop]).iema; },
            design,
            engine,
            0.0,
            high};
}

// The largest of a figure over the seven loops of the same fast run.
double WorstLoop(Plant &plant, const std::function<double(const LoopSeries &)> &figure)
{
    const LoopCharts charts = FastRun(plant, 2, 10);
    double worst = 0.0;
    for (int loop = 1; loop <= 7; ++loop)
        worst = std::max(worst, figure(charts[static_cast<std::size_t>(loop)]));
    return worst;
}

double SaturatedShare(const LoopSeries &series)
{
    const auto saturated = std::count_if(
        series.CO.begin(), series.CO.end(), [](double co) { return co >= 98.0 || co <= 2.0; });
    return 100.0 * static_cast<double>(saturated) / static_cast<double>(series.CO.size());
}

ExamplePlant Make()
{
    ExamplePlant example;
    example.picture = "sim1";
    example.build = Build;
    example.drawBackground = Draw;
    // The pressure and the drum level integrate: let their slow loops come to rest.
    example.warmUpSeconds = 7200;
    example.commentsPortuguese
        = {"Caldeira aquatubular com tubulão. O nível do tubulão usa controle a três elementos "
           "(nível, vazão de vapor e vazão de água), que compensa o efeito de inchamento (swell); "
           "a chave permite comparar com o controle a um elemento. A pressão do vapor define a "
           "demanda de queima, com limites cruzados entre combustível e ar; a temperatura do "
           "vapor superaquecido é controlada por atemperação. Varie a carga pelo SP do FIC-107."};
    example.commentsEnglish
        = {"Water-tube drum boiler. The drum level uses three-element control (level, steam flow "
           "and feedwater flow), which copes with swell; the switch compares it with "
           "single-element control. Steam pressure sets the firing demand with cross limits "
           "between fuel and air; the superheated-steam temperature is controlled by "
           "attemperation. Change the load with the FIC-107 setpoint."};
    example.descriptionPortuguese = {
        "Caldeira com tubulão: controle de nível a três elementos (mestre de nível, escravo de "
        "vazão de água e compensação pela vazão de vapor) contra o inchamento; controle da pressão "
        "do vapor definindo a demanda de queima; combustão com limites cruzados simples entre "
        "combustível e ar; temperatura do vapor superaquecido com atemperação; vazão de vapor para "
        "os consumidores (a carga) sob controle de vazão. A chave compara o controle a três "
        "elementos com o controle a um elemento.",
        {"Degrau de carga (SP do FIC-107 de 25 para 35 t/h, +20 %): a pressão cai "
         "{40-LoadUpMinPressure*0.8:1} bar e o PIC-103 aumenta a queima com o ar à frente (o "
         "excesso de ar fica entre {LoadUpMinExcessAir:0} e {LoadUpMaxExcessAir:1} %, nunca abaixo "
         "de 10 %); o nível incha +{-250-LoadUpThreeElementMaxLevel*-5:0} mm e, com três "
         "elementos, desce só -{250-LoadUpThreeElementMinLevel*5:0} mm; a temperatura do vapor "
         "varia -{100-LoadUpMinTemperature*2:0}/+{-100-LoadUpMaxTemperature*-2:0} °C.",
         "O mesmo degrau a um elemento (chave em 0): o nível oscila de "
         "+{-250-LoadUpSingleElementMaxLevel*-5:0} a -{250-LoadUpSingleElementMinLevel*5:0} mm.",
         "Redução de carga de 25 para 15 t/h: três elementos "
         "-{250-LoadDownThreeElementMinLevel*5:0}/+{-250-LoadDownThreeElementMaxLevel*-5:0} mm; um "
         "elemento "
         "-{250-LoadDownSingleElementMinLevel*5:0}/+{-250-LoadDownSingleElementMaxLevel*-5:0} mm.",
         "Coloque o FIC-105 (ar) em manual e aumente a carga (25 -> 35 t/h): o limite cruzado "
         "segura o combustível no ar disponível, a pressão não se recupera (2000 s depois está em "
         "{AirManualLoadUpFinalPressure*0.8:0} bar), mas o excesso de ar nunca fica abaixo de "
         "{AirManualLoadUpMinExcessAir:0} %."}};
    example.descriptionEnglish = {
        "A drum boiler with three-element drum-level control (level master, feedwater flow slave "
        "and steam-flow feed-forward) against shrink and swell; steam pressure control setting the "
        "firing demand; single cross-limited fuel/air combustion control; superheated-steam "
        "temperature control with an attemperator; and the steam flow to the consumers (the load) "
        "under flow control. A switch compares three-element with single-element level control.",
        {"Load step (FIC-107 SP 25 -> 35 t/h, +20 %): the pressure dips "
         "{40-LoadUpMinPressure*0.8:1} bar and PIC-103 raises the firing with air leading (excess "
         "air stays at {LoadUpMinExcessAir:0} to {LoadUpMaxExcessAir:1} %, never below 10 %); the "
         "level swells +{-250-LoadUpThreeElementMaxLevel*-5:0} mm, then with three-element control "
         "dips only -{250-LoadUpThreeElementMinLevel*5:0} mm; the steam temperature moves "
         "-{100-LoadUpMinTemperature*2:0}/+{-100-LoadUpMaxTemperature*-2:0} °C.",
         "The same step with single-element control (switch at 0): the level swings from "
         "+{-250-LoadUpSingleElementMaxLevel*-5:0} to -{250-LoadUpSingleElementMinLevel*5:0} mm.",
         "Load decrease 25 -> 15 t/h: three-element "
         "-{250-LoadDownThreeElementMinLevel*5:0}/+{-250-LoadDownThreeElementMaxLevel*-5:0} mm; "
         "single-element "
         "-{250-LoadDownSingleElementMinLevel*5:0}/+{-250-LoadDownSingleElementMaxLevel*-5:0} mm.",
         "Put FIC-105 (air) in manual and raise the load (25 -> 35 t/h): the cross limit holds the "
         "fuel at the available air, so the pressure cannot recover (2000 s later it stands at "
         "{AirManualLoadUpFinalPressure*0.8:0} bar), but the excess air never goes below "
         "{AirManualLoadUpMinExcessAir:0} %."}};
    // {name, measure, the design's figure, this engine's figure, low, high}
    example.checks = {
        IemaCheck("FastRunSpStepLic101Iema", 1, 0.41, 0.4064, 0.6),
        IemaCheck("FastRunSpStepFic102Iema", 2, 0.078, 0.0783, 0.2),
        IemaCheck("FastRunSpStepPic103Iema", 3, 0.54, 0.5442, 0.8),
        IemaCheck("FastRunSpStepFic104Iema", 4, 0.16, 0.1629, 0.25),
        IemaCheck("FastRunSpStepFic105Iema", 5, 0.26, 0.2568, 0.35),
        IemaCheck("FastRunSpStepTic106Iema", 6, 0.72, 0.7223, 1.0),
        IemaCheck("FastRunSpStepFic107Iema", 7, 0.035, 0.03466, 0.06),
        {"FastRunSpStepSaturation",
         [](Plant &p) { return WorstLoop(p, SaturatedShare); },
         0.0,
         0.0,
         0.0,
         0.0},
        {"FastRunSpStepEndError",
         [](Plant &p) {
             return WorstLoop(p,
                              [](const LoopSeries &s) { return std::abs(FiguresOf(s).endError); });
         },
         0.0,
         0.0,
         0.0,
         0.2},
        LoadCheck("LoadUpThreeElementMinLevel",
                  70,
                  true,
                  &LoadChangeFigures::minLevel,
                  48.0,
                  47.99,
                  41.0,
                  58.0),
        LoadCheck("LoadUpThreeElementMaxLevel",
                  70,
                  true,
                  &LoadChangeFigures::maxLevel,
                  57.5,
                  57.54,
                  41.0,
                  58.0),
        {"AirManualLoadUpMinExcessAir",
         [](Plant &p) { return ChangeLoad(p, 70, true, true).minExcessAir; },
         10.0,
         10.0,
         9.5,
         12.0},
        {"AirManualLoadUpFinalPressure",
         [](Plant &p) { return ChangeLoad(p, 70, true, true).finalPressure; },
         12.5,
         12.5,
         5.0,
         30.0},
        LoadCheck("LoadUpMinExcessAir",
                  70,
                  true,
                  &LoadChangeFigures::minExcessAir,
                  10.0,
                  10.0,
                  9.5,
                  12.0),
        LoadCheck("LoadUpMaxExcessAir",
                  70,
                  true,
                  &LoadChangeFigures::maxExcessAir,
                  12.5,
                  12.47,
                  10.0,
                  16.0),
        LoadCheck("LoadUpMinPressure",
                  70,
                  true,
                  &LoadChangeFigures::minPressure,
                  44.5,
                  44.50,
                  42.0,
                  48.0),
        LoadCheck("LoadUpMinTemperature",
                  70,
                  true,
                  &LoadChangeFigures::minTemperature,
                  47.5,
                  47.52,
                  44.0,
                  50.0),
        LoadCheck("LoadUpMaxTemperature",
                  70,
                  true,
                  &LoadChangeFigures::maxTemperature,
                  54.5,
                  54.53,
                  50.0,
                  58.0),
        LoadCheck("LoadUpSingleElementMaxLevel",
                  70,
                  false,
                  &LoadChangeFigures::maxLevel,
                  57.4,
                  57.42,
                  53.0,
                  62.0),
        LoadCheck("LoadDownThreeElementMinLevel",
                  30,
                  true,
                  &LoadChangeFigures::minLevel,
                  42.4,
                  42.43,
                  38.0,
                  47.0),
        LoadCheck("LoadDownSingleElementMinLevel",
                  30,
                  false,
                  &LoadChangeFigures::minLevel,
                  42.6,
                  42.56,
                  38.0,
                  47.0),
        LoadCheck("LoadUpSingleElementMinLevel",
                  70,
                  false,
                  &LoadChangeFigures::minLevel,
                  41.5,
                  41.46,
                  30.0,
                  44.0),
        LoadCheck("LoadDownThreeElementMaxLevel",
                  30,
                  true,
                  &LoadChangeFigures::maxLevel,
                  52.0,
                  52.04,
                  50.0,
                  53.0),
        LoadCheck("LoadDownSingleElementMaxLevel",
                  30,
                  false,
                  &LoadChangeFigures::maxLevel,
                  58.6,
                  58.62,
                  56.0,
                  70.0),
    };
    return example;
}

const bool registered = RegisterExample(Make);

} // namespace

} // namespace zelvar::examples
