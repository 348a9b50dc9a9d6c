// Queima com 2 combustíveis | Combustion with two fuels: a cheap waste gas of limited
// availability is burnt first and natural gas makes up the heat demand; the air follows the
// actual fuel mix, with cross limits that keep the flame lean.
#include "examples/example.h"
#include "examples/harness.h"
#include "examples/pidpainter.h"
#include "examples/plantbuilder.h"
#include "examples/plants/blockdiagram.h"

#include <QPainterPath>

#include <algorithm>
#include <cmath>
#include <string>
#include <utility>

namespace zelvar::examples {

namespace {

// The heights of the two fuel lines and the air duct.
constexpr double kWasteY = 170;
constexpr double kNaturalY = 280;
constexpr double kAirY = 420;

// Fuel flows are in % of the maximum heat, so waste % + natural % = heat %; per unit of heat
// the waste gas needs 0.86 of the natural gas's air.
void Build(PlantBuilder &b)
{
    b.Title("Queima com dois combustíveis|Combustion with two fuels");
    b.Memory(21, {.unit = "Nm3/h", .low = "0", .high = "40000"});
    b.Memory(22, {.unit = "Nm3/h", .low = "0", .high = "3700"});
    b.Memory(23, {.unit = "Nm3/h", .low = "0", .high = "39000"});
    b.Memory(45, {.unit = "Nm3/h", .low = "0", .high = "39000"});
    b.Memory(46, {.unit = "Nm3/h", .low = "0", .high = "40000"});
    b.Memory(47, {.unit = "Nm3/h", .low = "0", .high = "3700"});
    b.Memory(48, {.unit = "%", .low = "-50", .high = "100", .alarmLow = "5", .alarmHigh = "40"});
    b.Slider(1, {.name = "Demanda térmica|Heat demand", .percent = 60, .left = 40, .top = 20});
    b.Slider(
        2, {.name = "Gás residual disp.|Waste gas avail.", .percent = 40, .left = 250, .top = 20});
    b.PushButton(1, {.name = "Carga|Load", .textOff = "Normal", .textOn = "+20 %"});
    b.PushButton(
        2,
        {.name = "Gás residual|Waste gas", .textOff = "Normal", .textOn = "Corte -20 %|Cut -20 %"});
    b.CommandPanel(40, 470);

    b.Block(1,
            {.tag = "HY-100",
             .description = "Demanda térmica|Heat demand",
             .expression = "M15+20*M97",
             .high = "100",
             .low = "0",
             .left = 250,
             .top = 566});
    b.Block(2,
            {.tag = "FY-100",
             .description = "Disponibilidade de gás residual|Waste gas availability",
             .expression = "M16-20*M98",
             .high = "100",
             .low = "0",
             .left = 335,
             .top = 566});
    b.Block(3,
            {.tag = "FY-101T",
             .description = "Meta de gás residual|Waste gas target",
             .expression = "M41<M42",
             .left = 592,
             .top = 209});
    b.Block(4,
            {.tag = "FY-103D",
             .description = "Ar requerido pela demanda|Air required by demand",
             .expression = "0.86*M43+M41-M43",
             .left = 420,
             .top = 566});
    // The air covers at least what the measured fuels need.
    b.Block(5,
            {.tag = "FY-103",
             .description = "SP de ar (limite cruzado)|Air SP (cross-limited)",
             .expression = "M44>0.86*M21+M22",
             .left = 592,
             .top = 354});
    // The waste gas is held to the air left over after the natural gas. The +3 % margin lets it
    // come back after an availability cut; a pure limit would lock it out for good.
    b.Block(6,
            {.tag = "FY-101",
             .description = "SP de gás residual|Waste gas SP",
             .expression = "M43",
             .high = "(M23-M22)/0.86+3",
             .left = 505,
             .top = 566});
    b.Block(7,
            {.tag = "FY-102",
             .description = "SP de gás natural (complementar)|Natural gas SP (complement)",
             .expression = "M41-M21",
             .high = "M23-0.86*M21",
             .low = "0",
             .left = 592,
             .top = 304});
    b.Block(8,
            {.tag = "AY-100",
             .description = "Excesso de ar|Excess air",
             .expression = "(110*M23/(0.86*M21+M22)-50)/1.5",
             .high = "100",
             .low = "0",
             .left = 590,
             .top = 566});

    b.Process(1,
              {.tag = "FT-101",
               .description = "Vazão de gás residual|Waste gas flow",
               .input = 1,
               .tau1 = "2",
               .tau2 = "2",
               .left = 152,
               .top = 128});
    b.Process(2,
              {.tag = "FT-102",
               .description = "Vazão de gás natural|Natural gas flow",
               .input = 2,
               .tau1 = "1",
               .tau2 = "1",
               .left = 150,
               .top = 224});
    b.Process(3,
              {.tag = "FT-103",
               .description = "Vazão de ar de combustão|Combustion air flow",
               .input = 3,
               .tau1 = "5",
               .tau2 = "3",
               .left = 150,
               .top = 364});
    b.Controller(1,
                 {.tag = "FIC-101",
                  .description = "Gás residual|Waste gas",
                  .pv = 21,
                  .kc = "0.8",
                  .ti = "4",
                  .remoteSetpoint = 46,
                  .remote = true,
                  .left = 382,
                  .top = 100});
    b.Controller(2,
                 {.tag = "FIC-102",
                  .description = "Gás natural|Natural gas",
                  .pv = 22,
                  .kc = "0.8",
                  .ti = "2",
                  .remoteSetpoint = 47,
                  .remote = true,
                  .left = 382,
                  .top = 210});
    b.Controller(3,
                 {.tag = "FIC-103",
                  .description = "Ar de combustão|Combustion air",
                  .pv = 23,
                  .kc = "1.0",
                  .ti = "6",
                  .remoteSetpoint = 45,
                  .remote = true,
                  .left = 382,
                  .top = 350});

    b.Recorder(1,
               {.tag = "TR-COMB",
                .description = "Combustíveis|Fuels",
                .pen1 = 21,
                .pen2 = 46,
                .pen3 = 22,
                .name1 = "Residual|Waste",
                .name2 = "SP resid.|Waste SP",
                .name3 = "Natural",
                .left = 880,
                .top = 20});
    b.Recorder(2,
               {.tag = "TR-AR",
                .description = "Ar|Air",
                .pen1 = 23,
                .pen2 = 45,
                .pen3 = 3,
                .left = 880,
                .top = 48});
    // Excess air is a percent on -50..100: only pen 1 shows it as it is.
    b.Recorder(3,
               {.tag = "TR-EXC",
                .description = "Excesso de ar|Excess air",
                .pen1 = 48,
                .name1 = "Exc. ar|Exc. air",
                .left = 880,
                .top = 76});

    b.Text(1,
           {.description = "Demanda|Demand", .memory = 41, .decimals = 1, .left = 40, .top = 100});
    b.Text(2,
           {.description = "Disponível|Available",
            .memory = 42,
            .decimals = 1,
            .left = 140,
            .top = 100});
    b.Text(3,
           {.description = "Gás residual|Waste gas",
            .memory = 21,
            .decimals = 0,
            .left = 140,
            .top = 196});
    b.Text(4,
           {.description = "Gás natural|Natural gas",
            .memory = 22,
            .decimals = 0,
            .left = 280,
            .top = 300});
    b.Text(5, {.description = "Ar|Air", .memory = 23, .decimals = 0, .left = 280, .top = 440});
    b.Text(6,
           {.description = "Excesso de ar|Excess air",
            .memory = 48,
            .decimals = 1,
            .left = 730,
            .top = 475});
    b.Text(7,
           {.kind = TextKind::Equation,
            .description = "Calor entregue|Heat delivered",
            .expression = "M21+M22",
            .unit = "%",
            .decimals = 1,
            .left = 830,
            .top = 475});
    // Per unit of heat the waste gas costs a quarter of the natural gas.
    b.Text(8,
           {.kind = TextKind::Equation,
            .description = "Custo relativo|Relative cost",
            .expression = "0.25*M21+M22",
            .unit = "%",
            .decimals = 1,
            .left = 830,
            .top = 525});
}

void FunctionBox(PidPainter &p, QPointF centre, const QString &symbol)
{
    DiagramBox(p, {centre.x() - 24, centre.y() - 15, 48, 30}, symbol, 11, true, 1.5);
}

// One metered, controlled stream: FT bubble over its orifice, FIC beside it, valve downstream.
void Stream(PidPainter &p, double y, const QString &number)
{
    p.Orifice({250, y});
    p.SignalLine({{250, y - 16}, {250, y - 27}});
    p.Bubble({250, y - 45}, QStringLiteral("FT-") + number);
    p.SignalLine({{268, y - 45}, {342, y - 45}});
    p.Bubble({360, y - 45}, QStringLiteral("FIC-") + number);
    p.SignalLine({{378, y - 45}, {450, y - 45}, {450, y - 42}});
    p.ControlValve({450, y});
}

void Draw(PidPainter &p)
{
    // Furnace front with its flame.
    p.Furnace({700, 130, 250, 320});
    QPainter &painter = p.painter();
    QPainterPath flame;
    flame.moveTo(705, 300);
    flame.cubicTo(760, 230, 840, 250, 900, 300);
    flame.cubicTo(840, 350, 760, 370, 705, 300);
    painter.setPen(QPen(QColor(0xc0, 0x5a, 0x10), 2));
    painter.setBrush(QColor(0xf5, 0xa6, 0x23));
    painter.drawPath(flame);
    p.Text({760, 420}, QStringLiteral("Forno | Furnace"), true);

    p.ProcessLine({{20, kWasteY}, {700, kWasteY}}, true);
    p.Text({24, kWasteY - 8}, QStringLiteral("Gás residual | Waste gas"), false, 8);
    Stream(p, kWasteY, QStringLiteral("101"));
    p.ProcessLine({{20, kNaturalY}, {700, kNaturalY}}, true);
    p.Text({24, kNaturalY - 8}, QStringLiteral("Gás natural | Natural gas"), false, 8);
    Stream(p, kNaturalY, QStringLiteral("102"));
    // The air duct, drawn wider, from the fan.
    painter.setPen(QPen(PidPainter::kInk, 10, Qt::SolidLine, Qt::FlatCap));
    painter.drawLine(QPointF(130, kAirY), QPointF(690, kAirY));
    p.ProcessLine({{680, kAirY}, {700, kAirY}}, true);
    p.Pump({100, kAirY}, 28);
    p.Text({20, kAirY - 35}, QStringLiteral("Ventilador | Fan"), false, 8);
    p.Text({480, kAirY - 12}, QStringLiteral("Ar de combustão | Combustion air"), false, 8);
    Stream(p, kAirY, QStringLiteral("103"));

    // The set-point chain: waste gas target, natural gas complement, air by the fuel mix.
    // Each result is its stream's flow set point, entering the FIC from above.
    p.SignalLine({{560, 209}, {560, 95}, {360, 95}, {360, 107}});
    p.SignalLine({{536, 319}, {520, 319}, {520, 205}, {360, 205}, {360, 217}});
    p.SignalLine({{536, 369}, {510, 369}, {510, 345}, {360, 345}, {360, 357}});
    FunctionBox(p, {560, 224}, QStringLiteral("MIN"));
    FunctionBox(p, {560, 319}, QStringLiteral("−"));
    FunctionBox(p, {560, 369}, QStringLiteral("MAX"));
    p.Text({250, 558}, QStringLiteral("Cálculos | Calculations"), true, 8);
}

double ExcessAir(const Plant &plant)
{
    return plant.memories.EngineeringValue(48);
}

double Heat(const Plant &plant)
{
    return plant.memories.Value(21) + plant.memories.Value(22);
}

// Acts at rest and watches for the given time: the lowest excess air, the first time the heat
// comes within 1 % of the target and the first time the waste gas comes within 0.5 % of it.
struct Watch
{
    double minExcessAir = 1000.0;
    double maxExcessAir = -1000.0;
    double minHeat = 1000.0;
    double heatReached = -1.0;
    double wasteReached = -1.0;
};

Watch WatchAfter(Scenario &scenario, double seconds, double heatTarget, double wasteTarget)
{
    Plant &plant = scenario.plant();
    const double start = scenario.Time();
    Watch watch;
    scenario.Run(seconds, [&] {
        watch.minExcessAir = std::min(watch.minExcessAir, ExcessAir(plant));
        watch.maxExcessAir = std::max(watch.maxExcessAir, ExcessAir(plant));
        watch.minHeat = std::min(watch.minHeat, Heat(plant));
        if (watch.heatReached < 0 && std::abs(Heat(plant) - heatTarget) <= 1.0)
            watch.heatReached = scenario.Time() - start;
        if (watch.wasteReached < 0 && std::abs(plant.memories.Value(21) - wasteTarget) <= 0.5)
            watch.wasteReached = scenario.Time() - start;
    });
    return watch;
}

double LoadIncrease(Plant &plant, double Watch::*figure)
{
    Scenario scenario(plant);
    scenario.PressButton(1);
    return WatchAfter(scenario, 300, 80.0, 40.0).*figure;
}

// "Corte -20 %" from rest: the lowest excess air, or the flows it settles at.
double AvailabilityCut(Plant &plant, int figure)
{
    Scenario scenario(plant);
    scenario.PressButton(2);
    const Watch watch = WatchAfter(scenario, 300, 60.0, 20.0);
    return figure == 0 ? watch.minExcessAir : plant.memories.Value(figure);
}

// The same cut, watched.
double CutWatched(Plant &plant, double Watch::*figure)
{
    Scenario scenario(plant);
    scenario.PressButton(2);
    return WatchAfter(scenario, 300, 60.0, 20.0).*figure;
}

// The cut released after the plant settled on it: the waste gas must come back.
double AvailabilityRestored(Plant &plant, double Watch::*figure)
{
    Scenario scenario(plant);
    scenario.PressButton(2);
    scenario.Run(300);
    scenario.PressButton(2);
    return WatchAfter(scenario, 300, 60.0, 40.0).*figure;
}

// Demand 30 -> 50 % with 40 % available: the waste gas is used up, the natural gas makes up
// the rest.
double DemandRise(Plant &plant, int figure)
{
    Scenario scenario(plant);
    MoveSlider(plant, 1, 3000);
    scenario.Run(600);
    MoveSlider(plant, 1, 5000);
    const Watch watch = WatchAfter(scenario, 600, 50.0, 40.0);
    return figure == 0 ? watch.minExcessAir : plant.memories.Value(figure);
}

// Where the plant comes to rest after an operator's action, in % of the maximum heat.
struct Rest
{
    double wasteGas = 0.0;
    double naturalGas = 0.0;
    double excessAir = 0.0;
    double cost = 0.0; // the "Custo relativo" text: the waste gas costs a quarter
};

enum class Action { None, LoadIncrease, CutReleased, DemandTo30 };

Rest RestAfter(Plant &plant, Action action)
{
    Scenario scenario(plant);
    if (action == Action::LoadIncrease)
        scenario.PressButton(1);
    if (action == Action::CutReleased) {
        scenario.PressButton(2);
        scenario.Run(300);
        scenario.PressButton(2);
    }
    if (action == Action::DemandTo30)
        MoveSlider(plant, 1, 3000);
    scenario.Run(600);
    return {plant.memories.Value(21),
            plant.memories.Value(22),
            ExcessAir(plant),
            0.25 * plant.memories.Value(21) + plant.memories.Value(22)};
}

AcceptanceCheck RestCheck(std::string name,
                          Action action,
                          double Rest::*figure,
                          double design,
                          double engine,
                          double low,
                          double high)
{
    return {std::move(name),
            [action, figure](Plant &plant) { return RestAfter(plant, action).*figure; },
            design,
            engine,
            low,
            high};
}

double FastRunIema(Plant &plant, int loop)
{
    return FiguresOf(FastRun(plant, 3, 5)[loop]).iema;
}

ExamplePlant Make()
{
    ExamplePlant example;
    example.picture = "sim3d";
    example.build = Build;
    example.drawBackground = Draw;
    example.commentsPortuguese
        = {"Queima com dois combustíveis: o gás residual (barato, com disponibilidade limitada) é "
           "usado até o limite disponível e o gás natural completa a demanda térmica. O ar "
           "acompanha a mistura real de combustíveis com limites cruzados. Aumente a demanda e "
           "corte a disponibilidade do gás residual; observe o excesso de ar e o custo."};
    example.commentsEnglish
        = {"Firing with two fuels: the waste gas (cheap, limited availability) is used up to what "
           "is available, and natural gas makes up the rest of the heat demand. The air follows "
           "the actual fuel mix, with cross limits. Raise the demand and cut the waste-gas "
           "availability; watch the excess air and the cost."};
    example.descriptionPortuguese = {
        "Um gás residual barato (A) é preferido até a sua disponibilidade limitada, e o gás "
        "natural (B) completa a demanda térmica. O ar segue a mistura real de combustíveis: A e B "
        "pedem quantidades de ar diferentes por unidade de calor (A pede 0,86 do ar de B). Limites "
        "cruzados mantêm a chama pobre durante mudanças de carga e de disponibilidade. As vazões "
        "de combustível estão em % do calor máximo, logo A % + B % = calor %.",
        {"Com demanda 60 % e disponibilidade 40 %: A = {RestWasteGas:0}, B = {RestNaturalGas:0}, "
         "excesso de ar {RestExcessAir:0} %, custo relativo {RestCost:0}.",
         "\"+20 %\": A fica em {LoadIncreaseWasteGas:0} (seu limite) e B sobe para "
         "{LoadIncreaseNaturalGas:0}; o excesso de ar fica entre "
         "{LoadIncreaseMinExcessAir:1} e {LoadIncreaseMaxExcessAir:1} %; o calor acompanha a "
         "demanda.",
         "\"Corte -20 %\": A cai para {CutWasteGasFlow:0} e B sobe para {CutNaturalGasFlow:0}. O "
         "calor cai por um instante a {CutMinHeat:0} %, porque B só pode subir tão rápido quanto o "
         "ar permite; o excesso de ar chega a {CutMaxExcessAir:0} %. Ao soltar, A volta a "
         "{RestoreWasteGas:0} e B a {RestoreNaturalGas:0}; o excesso de ar fica entre "
         "{RestoreMinExcessAir:1} e {RestoreMaxExcessAir:1} %.",
         "Demanda 60 -> 30 %: B vai a {Demand30NaturalGas:0} e A sozinho carrega a carga "
         "(A = {Demand30WasteGas:0})."}};
    example.descriptionEnglish = {
        "A cheap waste gas (A) is preferred up to its limited availability, and natural gas (B) "
        "makes up the rest of the heat demand. The air follows the actual fuel mix: A and B need "
        "different amounts of air per unit of heat (A needs 0.86 of B's air). Cross limits keep "
        "the flame lean during load and availability changes. Fuel flows are in % of the maximum "
        "heat, so A % + B % = heat %.",
        {"At demand 60 % and availability 40 %: A = {RestWasteGas:0}, B = {RestNaturalGas:0}, "
         "excess air {RestExcessAir:0} %, relative cost {RestCost:0}.",
         "\"+20 %\": A stays at {LoadIncreaseWasteGas:0} (its limit) and B rises to "
         "{LoadIncreaseNaturalGas:0}; excess air stays between "
         "{LoadIncreaseMinExcessAir:1} and {LoadIncreaseMaxExcessAir:1} %; the heat follows the "
         "demand.",
         "\"Cut -20 %\": A falls to {CutWasteGasFlow:0} and B rises to {CutNaturalGasFlow:0}. The "
         "heat dips briefly to {CutMinHeat:0} %, because B can only rise as fast as the air "
         "allows; excess air peaks at {CutMaxExcessAir:0} %. On release, A returns to "
         "{RestoreWasteGas:0} and B to {RestoreNaturalGas:0}; excess air stays between "
         "{RestoreMinExcessAir:1} and {RestoreMaxExcessAir:1} %.",
         "Demand 60 -> 30 %: B goes to {Demand30NaturalGas:0} and A alone carries the load "
         "(A = {Demand30WasteGas:0})."}};
    example.checks = {
        RestCheck("RestWasteGas", Action::None, &Rest::wasteGas, 40.0, 40.0, 39.5, 40.5),
        RestCheck("RestNaturalGas", Action::None, &Rest::naturalGas, 20.0, 20.0, 19.5, 20.5),
        RestCheck("RestExcessAir", Action::None, &Rest::excessAir, 10.0, 10.0, 9.5, 10.5),
        RestCheck("RestCost", Action::None, &Rest::cost, 30.0, 30.0, 29.5, 30.5),
        RestCheck(
            "LoadIncreaseWasteGas", Action::LoadIncrease, &Rest::wasteGas, 40.0, 40.0, 39.5, 40.5),
        RestCheck("LoadIncreaseNaturalGas",
                  Action::LoadIncrease,
                  &Rest::naturalGas,
                  40.0,
                  40.0,
                  39.5,
                  40.5),
        RestCheck("RestoreWasteGas", Action::CutReleased, &Rest::wasteGas, 40.0, 40.0, 39.5, 40.5),
        RestCheck(
            "RestoreNaturalGas", Action::CutReleased, &Rest::naturalGas, 20.0, 20.0, 19.5, 20.5),
        RestCheck("Demand30WasteGas", Action::DemandTo30, &Rest::wasteGas, 30.0, 30.0, 29.5, 30.5),
        RestCheck("Demand30NaturalGas", Action::DemandTo30, &Rest::naturalGas, 0.0, 0.0, 0.0, 0.5),
        {"LoadIncreaseMinExcessAir",
         [](Plant &p) { return LoadIncrease(p, &Watch::minExcessAir); },
         9.5,
         9.97,
         9.5,
         100.0},
        {"LoadIncreaseHeatWithin1PercentOf80",
         [](Plant &p) { return LoadIncrease(p, &Watch::heatReached); },
         16.0,
         15.7,
         0.0,
         60.0},
        {"LoadIncreaseMaxExcessAir",
         [](Plant &p) { return LoadIncrease(p, &Watch::maxExcessAir); },
         18.7,
         18.71,
         12.0,
         25.0},
        {"CutMinHeat",
         [](Plant &p) { return CutWatched(p, &Watch::minHeat); },
         53.0,
         53.35,
         45.0,
         60.0},
        {"CutMaxExcessAir",
         [](Plant &p) { return CutWatched(p, &Watch::maxExcessAir); },
         23.0,
         23.26,
         15.0,
         30.0},
        {"RestoreMaxExcessAir",
         [](Plant &p) { return AvailabilityRestored(p, &Watch::maxExcessAir); },
         12.4,
         12.36,
         10.0,
         16.0},
        {"CutWasteGasFlow",
         [](Plant &p) { return AvailabilityCut(p, 21); },
         20.0,
         20.0,
         19.5,
         20.5},
        {"CutNaturalGasFlow",
         [](Plant &p) { return AvailabilityCut(p, 22); },
         40.0,
         40.0,
         39.5,
         40.5},
        {"CutMinExcessAir", [](Plant &p) { return AvailabilityCut(p, 0); }, 10.0, 10.0, 9.5, 100.0},
        {"RestoreWasteGasBackWithin05",
         [](Plant &p) { return AvailabilityRestored(p, &Watch::wasteReached); },
         37.0,
         37.1,
         0.0,
         120.0},
        {"RestoreMinExcessAir",
         [](Plant &p) { return AvailabilityRestored(p, &Watch::minExcessAir); },
         8.7,
         8.70,
         7.5,
         100.0},
        {"Demand30To50WasteGas",
         [](Plant &p) { return DemandRise(p, 21); },
         40.0,
         40.0,
         39.5,
         40.5},
        {"Demand30To50NaturalGas",
         [](Plant &p) { return DemandRise(p, 22); },
         10.0,
         10.0,
         9.5,
         10.5},
        {"Demand30To50MinExcessAir",
         [](Plant &p) { return DemandRise(p, 0); },
         9.0,
         9.80,
         9.0,
         100.0},
        {"FastRunDisturbanceIemaWasteGas",
         [](Plant &p) { return FastRunIema(p, 1); },
         0.014,
         0.0139,
         0.0,
         0.1},
        {"FastRunDisturbanceIemaNaturalGas",
         [](Plant &p) { return FastRunIema(p, 2); },
         0.011,
         0.0109,
         0.0,
         0.1},
        {"FastRunDisturbanceIemaAir",
         [](Plant &p) { return FastRunIema(p, 3); },
         0.024,
         0.0245,
         0.0,
         0.1},
    };
    return example;
}

const bool registered = RegisterExample(Make);

} // namespace

} // namespace zelvar::examples
