// The combustion ratio series: Razão Ar/Gas básico | Basic Ratio Control, Razão Ar/Gás com
// Limites Cruzados | Ratio Control with Crossed Limits and Razão Ar/Gás com Duplo Limites
// Cruzados | Ratio Control with Double Crossed Limits. One burner, one picture and one set of
// objects; only the two setpoint blocks differ, so a trainee can open them one after the other
// and compare what each computation does to the excess air while the slower air loop catches up.
#include "examples/example.h"
#include "examples/harness.h"
#include "examples/pidpainter.h"
#include "examples/plantbuilder.h"
#include "examples/plants/burner.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <utility>
#include <vector>

namespace zelvar::examples {

namespace {

// What sets one plant of the series apart: its setpoint blocks and the symbols drawn in them.
struct SetpointBlocks
{
    BlockSetup gas;
    BlockSetup air;
    QString gasSymbol;
    QString airSymbol;
    bool crossLimited = false;
};

void BuildCore(PlantBuilder &b, const SetpointBlocks &setpoints)
{
    b.Memory(15, {});
    b.Memory(16, {.unit = "x", .low = "0", .high = "2"});
    b.Memory(21, {.unit = "Nm3/h", .low = "0", .high = "1000"});
    // 10.45 Nm3 of air per Nm3 of gas: equal percentages of the two ranges give 10 % excess air.
    b.Memory(22, {.unit = "Nm3/h", .low = "0", .high = "10450"});
    b.Memory(42, {.unit = "Nm3/h", .low = "0", .high = "1000"});
    b.Memory(43, {.unit = "Nm3/h", .low = "0", .high = "10450"});
    b.Memory(44, {.unit = "%", .low = "-50", .high = "100", .alarmLow = "5", .alarmHigh = "40"});

    b.Slider(1, {.name = "Demanda de queima|Firing demand", .percent = 50, .left = 40, .top = 60});
    b.Slider(2, {.name = "Relação ar/gás|Air/gas ratio", .percent = 50, .left = 250, .top = 60});
    b.PushButton(1, {.name = "Carga|Load", .textOff = "Normal", .textOn = "+20 %"});
    b.CommandPanel(40, 440);

    b.Block(1,
            {.tag = "HY-100",
             .description = "Demanda de queima|Firing demand",
             .expression = "M15+20*M97",
             .high = "100",
             .low = "0",
             .left = 300,
             .top = 560});
    BlockSetup gas = setpoints.gas;
    gas.tag = "FY-101";
    gas.description = "SP de gás|Gas SP";
    gas.left = 390;
    gas.top = 560;
    b.Block(2, gas);
    BlockSetup air = setpoints.air;
    air.tag = "FY-102";
    air.description = "SP de ar|Air SP";
    air.left = 480;
    air.top = 560;
    b.Block(3, air);
    b.Block(4,
            {.tag = "AY-100",
             .description = "Excesso de ar|Excess air",
             .expression = "(110*M22/M21-50)/1.5",
             .high = "100",
             .low = "0",
             .left = 570,
             .top = 560});
    // 0 while the flame is fuel-rich (excess air below 0), 1 otherwise.
    b.Block(5,
            {.tag = "XY-100",
             .description = "Combustão OK / fumaça|Combustion OK / smoke",
             .expression = "(M22-M21/1.1)*100",
             .high = "1",
             .low = "0",
             .left = 660,
             .top = 560});

    b.Process(1,
              {.tag = "FT-101",
               .description = "Vazão de gás natural|Natural gas flow",
               .input = 1,
               .tau1 = "1",
               .tau2 = "1",
               .left = 165,
               .top = 232});
    // The fan and its damper make the air loop the slow one: the crux of the series.
    b.Process(2,
              {.tag = "FT-102",
               .description = "Vazão de ar de combustão|Combustion air flow",
               .input = 2,
               .tau1 = "5",
               .tau2 = "3",
               .left = 165,
               .top = 392});
    b.Controller(1,
                 {.tag = "FIC-101",
                  .description = "Gás natural|Natural gas",
                  .pv = 21,
                  .kc = "0.8",
                  .ti = "2",
                  .remoteSetpoint = 42,
                  .remote = true,
                  .left = 315,
                  .top = 172});
    b.Controller(2,
                 {.tag = "FIC-102",
                  .description = "Ar de combustão|Combustion air",
                  .pv = 22,
                  .kc = "1.0",
                  .ti = "6",
                  .remoteSetpoint = 43,
                  .remote = true,
                  .left = 315,
                  .top = 332});
    b.Recorder(1,
               {.tag = "TR-101",
                .description = "Gás x ar|Gas vs air",
                .pen1 = 21,
                .pen2 = 42,
                .pen3 = 22,
                .name1 = "Gás|Gas",
                .name2 = "SP gás|Gas SP",
                .name3 = "Ar|Air",
                .timeBase = 0,
                .left = 860,
                .top = 20});
    // Excess air is a percent on -50..100: only pen 1 shows it as it is.
    b.Recorder(2,
               {.tag = "TR-EXC",
                .description = "Excesso de ar|Excess air",
                .pen1 = 44,
                .name1 = "Exc. ar|Exc. air",
                .timeBase = 0,
                .left = 860,
                .top = 48});

    b.Text(1, {.description = "Demanda|Demand", .memory = 41, .left = 530, .top = 45});
    b.Text(2,
           {.description = "Vazão de gás|Gas flow",
            .memory = 21,
            .decimals = 0,
            .left = 265,
            .top = 245});
    b.Text(3,
           {.description = "Vazão de ar|Air flow",
            .memory = 22,
            .decimals = 0,
            .left = 265,
            .top = 405});
    b.Text(
        4,
        {.description = "SP de gás|Gas SP", .memory = 42, .decimals = 0, .left = 475, .top = 88});
    b.Text(
        5,
        {.description = "SP de ar|Air SP", .memory = 43, .decimals = 0, .left = 480, .top = 250});
    b.Text(6, {.description = "Excesso de ar|Excess air", .memory = 44, .left = 712, .top = 375});
    b.Text(7,
           {.kind = TextKind::Binary,
            .description = "Chama|Flame",
            .memory = 45,
            .expression = "FUMAÇA! Excesso de gás/Combustão OK|SMOKE! Excess gas/Combustion OK",
            // Far enough from the right wall for the longer smoke warning.
            .left = 712,
            .top = 418});
    b.Shape(1, {.memory = 45, .size = 40, .width = 40, .left = 800, .top = 280});
}

void DrawCore(PidPainter &p, const SetpointBlocks &setpoints)
{
    p.Furnace({700, 150, 250, 300});
    p.ProcessLine({{805, 150}, {805, 80}});
    p.ProcessLine({{845, 150}, {845, 80}});
    p.Label({735, 215}, QStringLiteral("Fornalha"), QStringLiteral("Furnace"));
    // Burner front: gas and air meet at the left wall.
    p.Tank({700, 282, 32, 36});
    Flame(p, {735, 255, 160, 90});
    p.Label({708, 345}, QStringLiteral("Queimador"), QStringLiteral("Burner"), 8);

    // Natural gas line.
    p.ProcessLine({{40, 220}, {660, 220}, {660, 290}, {700, 290}}, true);
    p.Label({40, 208}, QStringLiteral("Gás natural"), QStringLiteral("Natural gas"));
    p.Orifice({250, 220});
    p.SignalLine({{250, 204}, {250, 176}});
    p.Bubble({250, 158}, QStringLiteral("FT-101"));
    p.ControlValve({450, 220});
    p.Text({405, 254}, QStringLiteral("FV-101"), true);
    p.Bubble({418, 158}, QStringLiteral("FIC-101"));
    p.SignalLine({{268, 158}, {400, 158}});
    p.SignalLine({{436, 158}, {450, 158}, {450, 178}});

    // Combustion air duct.
    p.Pump({70, 380}, 26);
    p.ProcessLine({{96, 380}, {660, 380}, {660, 310}, {700, 310}}, true);
    p.Label({40, 342}, QStringLiteral("Ar de combustão"), QStringLiteral("Combustion air"), 8);
    p.Orifice({250, 380});
    p.SignalLine({{250, 364}, {250, 336}});
    p.Bubble({250, 318}, QStringLiteral("FT-102"));
    p.ControlValve({450, 380});
    p.Text({405, 414}, QStringLiteral("FV-102"), true);
    p.Bubble({418, 318}, QStringLiteral("FIC-102"));
    p.SignalLine({{268, 318}, {400, 318}});
    p.SignalLine({{436, 318}, {450, 318}, {450, 338}});

    // The setpoint computation: demand, then the gas and air setpoints, remote on the loops.
    p.SignalLine({{640, 105}, {640, 318}, {560, 318}});
    p.SignalLine({{640, 158}, {560, 158}});
    p.SignalLine({{560, 158}, {560, 125}, {418, 125}, {418, 140}});
    p.SignalLine({{560, 318}, {560, 285}, {418, 285}, {418, 300}});
    if (setpoints.crossLimited) {
        // Each setpoint is limited by the other stream's measured flow.
        p.SignalLine({{560, 158}, {560, 196}});
        p.Text({566, 200}, QStringLiteral("FT-102"), false, 8);
        p.SignalLine({{560, 318}, {560, 356}});
        p.Text({566, 360}, QStringLiteral("FT-101"), false, 8);
    }
    FunctionBox(p, {640, 90}, QStringLiteral("Σ"));
    p.Text({617, 71}, QStringLiteral("HY-100"), true, 8);
    FunctionBox(p, {560, 158}, setpoints.gasSymbol);
    p.Text({537, 139}, QStringLiteral("FY-101"), true, 8);
    FunctionBox(p, {560, 318}, setpoints.airSymbol);
    p.Text({537, 299}, QStringLiteral("FY-102"), true, 8);

    p.Label({300, 548}, QStringLiteral("Cálculos"), QStringLiteral("Calculations"), 8);
}

// A press of "+20 %" at rest, then its release, each watched for two minutes.
struct LoadSwing
{
    double minExcessAir = std::numeric_limits<double>::max();
    double maxExcessAir = std::numeric_limits<double>::lowest();
    double smokeSeconds = 0.0;
    double maxExcessAirOnPress = std::numeric_limits<double>::lowest();
    double minExcessAirOnRelease = std::numeric_limits<double>::max();
    double maxExcessAirOnRelease = std::numeric_limits<double>::lowest();
    double gasSettling = 0.0; // s after the press until the gas stays within 1 % of its end
    double airSettling = 0.0;
};

LoadSwing SwingLoad(Plant &plant)
{
    Scenario scenario(plant);
    LoadSwing swing;
    const auto watch = [&](bool release) {
        std::vector<double> gas;
        std::vector<double> air;
        scenario.Run(120, [&] {
            const double excess = ExcessAirPercent(plant, 21, 22);
            swing.minExcessAir = std::min(swing.minExcessAir, excess);
            swing.maxExcessAir = std::max(swing.maxExcessAir, excess);
            if (release) {
                swing.minExcessAirOnRelease = std::min(swing.minExcessAirOnRelease, excess);
                swing.maxExcessAirOnRelease = std::max(swing.maxExcessAirOnRelease, excess);
            } else {
                swing.maxExcessAirOnPress = std::max(swing.maxExcessAirOnPress, excess);
            }
            if (plant.memories.Value(45) == 0.0)
                swing.smokeSeconds += Scenario::kTimeStep;
            gas.push_back(plant.memories.Value(21));
            air.push_back(plant.memories.Value(22));
        });
        return std::pair{gas, air};
    };
    const auto settling = [](const std::vector<double> &series) {
        for (std::size_t i = series.size(); i-- > 0;) {
            if (std::abs(series[i] - series.back()) > 1.0)
                return static_cast<double>(i + 1) * Scenario::kTimeStep;
        }
        return 0.0;
    };
    scenario.PressButton(1);
    const auto [gas, air] = watch(false);
    swing.gasSettling = settling(gas);
    swing.airSettling = settling(air);
    scenario.PressButton(1);
    watch(true);
    return swing;
}

AcceptanceCheck SwingCheck(std::string name,
                           double LoadSwing::*figure,
                           double design,
                           double engine,
                           double low,
                           double high)
{
    return {std::move(name),
            [figure](Plant &plant) { return SwingLoad(plant).*figure; },
            design,
            engine,
            low,
            high};
}

// The firing demand ramped from 50 to 70 % at 0.5 %/s at rest, then two minutes more: the
// lowest excess air.
double SlowRampMinimumExcessAir(Plant &plant)
{
    Scenario scenario(plant);
    double lowest = std::numeric_limits<double>::max();
    const auto watch = [&] {
        lowest = std::min(lowest, ExcessAirPercent(plant, 21, 22));
    };
    // 0.5 %/s is 5 of the slider's 10000 positions a step.
    for (int position = 5005; position <= 7000; position += 5) {
        MoveSlider(plant, 1, position);
        scenario.Run(Scenario::kTimeStep, watch);
    }
    scenario.Run(120, watch);
    return lowest;
}

ExamplePlant
MakeVariant(const std::string &picture, const std::string &title, const SetpointBlocks &setpoints)
{
    ExamplePlant example;
    example.picture = picture;
    example.build = [title, setpoints](PlantBuilder &b) {
        b.Title(title);
        BuildCore(b, setpoints);
    };
    example.drawBackground = [setpoints](PidPainter &p) {
        DrawCore(p, setpoints);
    };
    return example;
}

ExamplePlant MakeRatio()
{
    ExamplePlant example = MakeVariant("sim3a",
                                       "Razão ar/gás básica|Basic air/gas ratio",
                                       {.gas = {.expression = "M41"},
                                        .air = {.expression = "M41*M16/50"},
                                        .gasSymbol = QStringLiteral("1:1"),
                                        .airSymbol = QStringLiteral("×R")});
    example.commentsPortuguese = {
        "Controle de razão ar/gás básico: a demanda define o SP do gás e, multiplicada pela "
        "relação, o SP do ar. Como a malha de ar é mais lenta, aumentos de carga provocam "
        "falta de ar (excesso de gás, fumaça). Use o botão \"+20 %\" e observe o excesso de ar."};
    example.commentsEnglish
        = {"Basic air/gas ratio control: the demand sets the gas setpoint and, multiplied by the "
           "ratio, the air setpoint. Because the air loop is slower, load increases cause a "
           "shortage of air (excess gas, smoke). Press \"+20 %\" and watch the excess air."};
    example.descriptionPortuguese
        = {"Controle de razão em que apenas os SPs são calculados a partir da demanda (SP do gás = "
           "demanda, SP do ar = demanda × relação). Nada protege contra o excesso de gás enquanto "
           "a malha de ar, mais lenta, se ajusta.",
           {"Pressione \"+20 %\": o gás fica a menos de 1 % da faixa da nova vazão em cerca de "
            "{PressGasSettling:0} s, o ar em cerca de {PressAirSettling:0} s; enquanto isso o "
            "excesso de ar cai a "
            "-{0-PressMinimumExcessAir:0} % e \"FUMAÇA\" aparece por cerca de "
            "{PressSmokeSeconds:0} s.",
            "Solte o botão: o excesso de ar salta para {ReleaseMaximumExcessAir:0} % (rico em ar, "
            "ineficiente).",
            "Rampas lentas do controle deslizante poupam o excesso de ar: subindo a demanda de 50 "
            "a 70 % a 0,5 %/s, o excesso de ar não cai abaixo de {SlowRampMinimumExcessAir:1} %."}};
    example.descriptionEnglish
        = {"Ratio control in which only the setpoints are computed from the demand (gas SP = "
           "demand, air SP = demand × ratio). Nothing protects against excess gas while the slower "
           "air loop catches up.",
           {"Press \"+20 %\": the gas gets within 1 % of range of its new flow in about "
            "{PressGasSettling:0} s, the air in about {PressAirSettling:0} s; meanwhile the excess "
            "air falls to "
            "-{0-PressMinimumExcessAir:0} % and \"SMOKE\" shows for about {PressSmokeSeconds:0} s.",
            "Release the button: the excess air jumps to {ReleaseMaximumExcessAir:0} % (air-rich, "
            "inefficient).",
            "Slow ramps of the slider spare the excess air: raising the demand from 50 to 70 % at "
            "0.5 %/s, the excess air falls no lower than {SlowRampMinimumExcessAir:1} %."}};
    // {name, measure, the design's figure, this engine's figure, low, high}
    example.checks = {
        SwingCheck("PressMinimumExcessAir", &LoadSwing::minExcessAir, -9.1, -9.05, -20.0, -5.0),
        SwingCheck("PressSmokeSeconds", &LoadSwing::smokeSeconds, 5.7, 5.7, 3.0, 10.0),
        SwingCheck("PressGasSettling", &LoadSwing::gasSettling, 8.0, 7.6, 5.0, 11.0),
        SwingCheck("PressAirSettling", &LoadSwing::airSettling, 12.0, 12.0, 8.0, 16.0),
        SwingCheck(
            "ReleaseMaximumExcessAir", &LoadSwing::maxExcessAirOnRelease, 33.4, 33.35, 25.0, 45.0),
        {"SlowRampMinimumExcessAir", SlowRampMinimumExcessAir, 6.0, 6.466, 3.0, 9.0},
        {"FastRunDisturbanceGasIema",
         [](Plant &p) { return FiguresOf(FastRun(p, 3, 5)[1]).iema; },
         0.007,
         0.007,
         0.0,
         0.05},
        {"FastRunDisturbanceAirIema",
         [](Plant &p) { return FiguresOf(FastRun(p, 3, 5)[2]).iema; },
         0.017,
         0.017,
         0.0,
         0.05},
    };
    return example;
}

ExamplePlant MakeCrossLimits()
{
    ExamplePlant example
        = MakeVariant("sim3b",
                      "Razão ar/gás com limites cruzados|Air/gas ratio with cross limits",
                      {.gas = {.expression = "M41", .high = "M22*50/M16"},
                       .air = {.expression = "M41*M16/50", .low = "M21*M16/50"},
                       .gasSymbol = QStringLiteral("<"),
                       .airSymbol = QStringLiteral("×R >"),
                       .crossLimited = true});
    example.commentsPortuguese
        = {"Limites cruzados simples: o SP do gás é limitado pela vazão de ar medida e o SP do ar "
           "pela vazão de gás medida. Em aumento de carga o ar lidera; em redução o gás lidera. "
           "Não há excesso de gás, mas na redução o excesso de ar fica alto por alguns segundos."};
    example.commentsEnglish
        = {"Single cross limits: the gas setpoint is limited by the measured air flow and the air "
           "setpoint by the measured gas flow. On load increases air leads; on decreases gas "
           "leads. There is never excess gas, but on decreases excess air runs high for a few "
           "seconds."};
    example.descriptionPortuguese = {
        "Limites cruzados simples: o SP do gás é limitado por cima pelo ar medido e o SP do ar por "
        "baixo pelo gás medido. Em aumentos de carga o ar lidera, em reduções o gás lidera, e "
        "nunca há excesso de gás.",
        {"Pressione \"+20 %\": o excesso de ar fica entre {MinimumExcessAir:0} e "
         "{PressMaximumExcessAir:0} %; o gás segue o ar e se acomoda (a menos de 1 % da faixa da "
         "nova vazão) em cerca de {PressGasSettling:0} s, em vez de {sim3a.PressGasSettling:0} s.",
         "Solte o botão: o excesso de ar sobe a {ReleaseMaximumExcessAir:0} % enquanto o ar segue "
         "o gás na descida. A proteção é de um lado só, o que motiva os limites cruzados duplos."}};
    example.descriptionEnglish = {
        "Single cross-limiting: the gas SP is limited above by the measured air, the air SP "
        "below by the measured gas. On load increases the air leads, on decreases the gas "
        "leads, and there is never excess gas.",
        {"Press \"+20 %\": the excess air stays between {MinimumExcessAir:0} and "
         "{PressMaximumExcessAir:0} %; the gas follows the air, settling (within 1 % of range of "
         "its new flow) in about {PressGasSettling:0} s instead of {sim3a.PressGasSettling:0} s.",
         "Release the button: the excess air rises to {ReleaseMaximumExcessAir:0} % while the "
         "air follows the gas down. The protection is one-sided, which motivates double cross "
         "limits."}};
    example.checks = {
        SwingCheck("MinimumExcessAir", &LoadSwing::minExcessAir, 9.8, 9.846, 9.5, 12.0),
        SwingCheck("SmokeSeconds", &LoadSwing::smokeSeconds, 0.0, 0.0, 0.0, 0.0),
        SwingCheck(
            "ReleaseMaximumExcessAir", &LoadSwing::maxExcessAirOnRelease, 41.0, 41.05, 30.0, 50.0),
        SwingCheck(
            "PressMaximumExcessAir", &LoadSwing::maxExcessAirOnPress, 19.0, 19.40, 15.0, 24.0),
        SwingCheck("PressGasSettling", &LoadSwing::gasSettling, 15.6, 15.6, 12.0, 20.0),
    };
    return example;
}

ExamplePlant MakeDoubleCrossLimits()
{
    // The Min is applied after the Max, so the safe side wins; the bands are absolute (5 % of
    // range), so the pair can always start from zero flow.
    ExamplePlant example = MakeVariant(
        "sim3c",
        "Razão ar/gás com duplos limites cruzados|Air/gas ratio with double cross limits",
        {.gas = {.expression = "M41", .high = "M22*50/M16", .low = "M22*50/M16-5"},
         .air = {.expression = "M41*M16/50", .high = "M21*M16/50+5", .low = "M21*M16/50"},
         .gasSymbol = QStringLiteral("< >"),
         .airSymbol = QStringLiteral("×R < >"),
         .crossLimited = true});
    example.commentsPortuguese
        = {"Duplos limites cruzados: cada SP fica restrito a uma faixa em torno da vazão medida do "
           "outro fluido, o que mantém o excesso de ar perto do valor desejado tanto no aumento "
           "quanto na redução de carga, à custa de uma mudança de carga mais lenta."};
    example.commentsEnglish
        = {"Double cross limits: each setpoint is kept inside a band around the other stream's "
           "measured flow. Excess air stays near its target on both load increases and "
           "decreases, at the price of a slower load change."};
    example.descriptionPortuguese = {
        "Limites cruzados duplos: cada SP fica numa faixa em torno da medição do outro fluido "
        "(gás entre ar/R - 5 % e ar/R; ar entre gás×R e gás×R + 5 %). Gás e ar avançam "
        "alternadamente, e o excesso de ar fica entre {MinimumExcessAir:0} % e cerca de "
        "{MaximumExcessAir:0} % nos dois sentidos.",
        {"Pressione \"+20 %\": excesso de ar entre {MinimumExcessAir:0} e "
         "{PressMaximumExcessAir:0} %.",
         "Solte o botão: entre {ReleaseMinimumExcessAir:0} e {ReleaseMaximumExcessAir:1} %.",
         "O preço é a velocidade: cerca de {PressGasSettling:0} s para o gás ficar a menos de 1 % "
         "da faixa da nova vazão, em vez de {sim3a.PressAirSettling:0} a "
         "{sim3b.PressGasSettling:0} s.",
         "Experimente faixas de 2 % e de 10 % (edite FY-101 e FY-102) e veja a troca entre "
         "velocidade e precisão."}};
    example.descriptionEnglish = {
        "Double cross-limiting: each SP is kept inside a band around the other stream's "
        "measurement (gas between air/R - 5 % and air/R; air between gas×R and gas×R + 5 %). "
        "Gas and air leap-frog, and the excess air stays between {MinimumExcessAir:0} % and about "
        "{MaximumExcessAir:0} % in both directions.",
        {"Press \"+20 %\": excess air {MinimumExcessAir:0} to {PressMaximumExcessAir:0} %.",
         "Release the button: {ReleaseMinimumExcessAir:0} to {ReleaseMaximumExcessAir:1} %.",
         "The price is speed: about {PressGasSettling:0} s for the gas to get within 1 % of range "
         "of its new flow, instead of "
         "{sim3a.PressAirSettling:0} to {sim3b.PressGasSettling:0} s.",
         "Try bands of 2 % and 10 % (edit FY-101 and FY-102) and see the speed/accuracy "
         "trade-off."}};
    example.checks = {
        SwingCheck("MinimumExcessAir", &LoadSwing::minExcessAir, 10.0, 10.0, 9.5, 20.0),
        SwingCheck("MaximumExcessAir", &LoadSwing::maxExcessAir, 17.6, 17.57, 9.5, 20.0),
        SwingCheck(
            "PressMaximumExcessAir", &LoadSwing::maxExcessAirOnPress, 13.0, 13.04, 11.0, 16.0),
        SwingCheck(
            "ReleaseMinimumExcessAir", &LoadSwing::minExcessAirOnRelease, 10.0, 10.0, 9.5, 12.0),
        SwingCheck(
            "ReleaseMaximumExcessAir", &LoadSwing::maxExcessAirOnRelease, 17.6, 17.57, 9.5, 20.0),
        SwingCheck("SmokeSeconds", &LoadSwing::smokeSeconds, 0.0, 0.0, 0.0, 0.0),
        SwingCheck("PressGasSettling", &LoadSwing::gasSettling, 37.0, 37.0, 25.0, 45.0),
        SwingCheck("PressAirSettling", &LoadSwing::airSettling, 34.0, 34.0, 25.0, 45.0),
    };
    return example;
}

const bool ratioRegistered = RegisterExample(MakeRatio);
const bool crossLimitsRegistered = RegisterExample(MakeCrossLimits);
const bool doubleCrossLimitsRegistered = RegisterExample(MakeDoubleCrossLimits);

} // namespace

} // namespace zelvar::examples
