// Resposta em Frequência | Frequency Response: a flow loop driven by a sinusoidal remote
// setpoint and a sinusoidal valve disturbance whose periods the sliders set, to read amplitude
// ratios and phase lags and to see feedback amplify disturbances near 20-30 s.
#include "examples/plants/frequencyresponse.h"

#include "examples/example.h"
#include "examples/harness.h"
#include "examples/pidpainter.h"
#include "examples/plantbuilder.h"
#include "examples/plants/blockdiagram.h"

#include <QPainterPath>

#include <array>
#include <cmath>
#include <numbers>
#include <stdexcept>
#include <string>
#include <vector>

namespace zelvar::examples {

namespace {

void Build(PlantBuilder &b)
{
    b.Title("Resposta em frequência de uma malha de vazão|Frequency response of a flow loop");
    // The slider's value in engineering units is the period itself; the +5 s keeps a period
    // from ever being 0, which would drop the sine's output (and the SP) to 0.
    b.Memory(15, {.unit = "s", .low = "5", .high = "305"});
    b.Memory(16, {.unit = "s", .low = "5", .high = "305"});
    b.Memory(21, {.unit = "m3/h", .low = "0", .high = "100"});
    b.Memory(41, {.unit = "m3/h", .low = "0", .high = "100"});
    b.GeneratorRow(81, {.kind = kSine, .description = "M15*3+5", .min = "40", .max = "60"});
    b.GeneratorRow(82, {.kind = kSine, .description = "M16*3+5", .min = "-10", .max = "10"});
    b.Slider(1, {.name = "Período do SP|SP period", .percent = 18.33, .left = 20, .top = 20});
    b.Slider(2,
             {.name = "Período distúrbio|Dist. period", .percent = 8.33, .left = 40, .top = 274});
    b.Switch(1, {.orientation = 1, .on = true, .left = 300, .top = 10});
    b.Switch(2, {.orientation = 1, .on = false, .left = 525, .top = 256});
    b.Block(1,
            {.tag = "FY-101S",
             .description = "SP remoto senoidal|Sinusoidal remote SP",
             .expression = "50+M11*(M81-50)",
             .left = 200,
             .top = 116});
    b.Block(2,
            {.tag = "FY-101D",
             .description = "Comando da válvula + distúrbio|Valve command + disturbance",
             .expression = "M01+M12*M82",
             .left = 735,
             .top = 96});
    b.Process(1,
              {.tag = "FT-101",
               .description = "Vazão|Flow",
               .input = 42,
               .deadTime = "1",
               .tau1 = "5",
               .tau2 = "2",
               .left = 252,
               .top = 226});
    b.Controller(1,
                 {.tag = "FIC-101",
                  .description = "Vazão|Flow",
                  .pv = 21,
                  .kc = "1.2",
                  .ti = "6",
                  .remoteSetpoint = 41,
                  .remote = true,
                  .left = 470,
                  .top = 30});
    b.Recorder(1,
               {.tag = "TR-101",
                .description = "Vazão|Flow",
                .pen1 = 21,
                .pen2 = 61,
                .pen3 = 1,
                .timeBase = 1,
                .left = 880,
                .top = 40});
    b.Text(1,
           {.kind = TextKind::Equation,
            .description = "Período do SP|SP period",
            .expression = "M15*3+5",
            .unit = "s",
            .decimals = 2,
            .left = 200,
            .top = 160});
    b.Text(2,
           {.kind = TextKind::Equation,
            .description = "Período distúrbio|Dist. period",
            .expression = "M16*3+5",
            .unit = "s",
            .decimals = 2,
            .left = 250,
            .top = 290});
    b.Text(3,
           {.description = "PV (vazão)|PV (flow)",
            .memory = 21,
            .decimals = 1,
            .left = 360,
            .top = 160});
    b.Text(4, {.description = "SP", .memory = 61, .decimals = 1, .left = 560, .top = 60});
    b.Text(5, {.description = "CO", .memory = 1, .decimals = 1, .left = 620, .top = 160});
    b.Text(6,
           {.kind = TextKind::Binary,
            .description = "SP senoidal|Sinusoidal SP",
            .memory = 11,
            .expression = "Desligado/Ligado|Off/On",
            .left = 355,
            .top = 30});
    b.Text(7,
           {.kind = TextKind::Binary,
            .description = "Distúrbio senoidal|Sinusoidal disturbance",
            .memory = 12,
            .expression = "Desligado/Ligado|Off/On",
            .left = 580,
            .top = 290});
}

// The chart's plot: periods from 5 to 400 s on a logarithmic axis, ratios from 0 to 1.6.
const QRectF kPlot(110, 395, 600, 140);

} // namespace

const QColor kSetpointRatioColour(0x1f, 0x4e, 0xc8);
const QColor kDisturbanceRatioColour(0xc8, 0x2a, 0x1f);

QPointF AmplitudeRatioAt(double periodSeconds, double ratio)
{
    const double low = std::log10(5.0);
    const double high = std::log10(400.0);
    return {kPlot.left() + (std::log10(periodSeconds) - low) / (high - low) * kPlot.width(),
            kPlot.bottom() - ratio / 1.6 * kPlot.height()};
}

namespace {

// The figure of the check with that name; the chart draws what the lesson states.
double Figure(const std::vector<AcceptanceCheck> &checks, const std::string &name)
{
    for (const AcceptanceCheck &check : checks) {
        if (check.name == name)
            return check.engine;
    }
    throw std::runtime_error("the chart has no check " + name);
}

// The periods the lesson measures, in seconds.
constexpr std::array<int, 6> kPeriods{10, 20, 30, 60, 120, 300};

// The amplitude ratios the lesson gives, so the trainee can set his own readings beside them.
void DrawAmplitudeRatios(PidPainter &p, const std::vector<AcceptanceCheck> &checks)
{
    const QRectF frame(40, 345, 720, 230);
    QPainter &painter = p.painter();
    painter.setPen(QPen(PidPainter::kInk, 1.5));
    painter.setBrush(Qt::white);
    painter.drawRect(frame);
    const QRectF &plot = kPlot;
    const auto x = [](double period) {
        return AmplitudeRatioAt(period, 0.0).x();
    };
    const auto y = [](double ratio) {
        return AmplitudeRatioAt(5.0, ratio).y();
    };
    const QPen grid(QColor(0xc8, 0xce, 0xd4), 1, Qt::DotLine);
    for (const int period : kPeriods) {
        painter.setPen(grid);
        painter.drawLine(QPointF(x(period), plot.top()), QPointF(x(period), plot.bottom()));
        p.Text({x(period) - 9, plot.bottom() + 16}, QString::number(period), false, 8);
    }
    for (const double ratio : {0.0, 0.5, 1.0, 1.5}) {
        // Above 1 the loop amplifies: that line is drawn firmer.
        painter.setPen(ratio == 1.0 ? QPen(QColor(0x90, 0x98, 0xa0), 1, Qt::DashLine) : grid);
        painter.drawLine(QPointF(plot.left(), y(ratio)), QPointF(plot.right(), y(ratio)));
        p.Text({plot.left() - 30, y(ratio) + 4}, QString::number(ratio, 'f', 1), false, 8);
    }
    painter.setPen(QPen(PidPainter::kInk, 1.5));
    painter.drawLine(plot.bottomLeft(), plot.bottomRight());
    painter.drawLine(plot.bottomLeft(), plot.topLeft());

    struct Curve
    {
        QColor colour;
        const char *checkName; // with %1 for the period
        QString legend;
    };
    const Curve curves[] = {
        {kSetpointRatioColour, "SpPeriod%1Ratio", QStringLiteral("PV/SP: seno no SP | sine on SP")},
        {kDisturbanceRatioColour,
         "Disturbance%1ClosedOverOpen",
         QStringLiteral("PV fechada/aberta: seno na válvula | closed/open loop: valve sine")},
    };
    // The legend runs under the title, an entry a curve.
    QPointF entry(frame.left() + 12, frame.top() + 36);
    for (const Curve &curve : curves) {
        QPolygonF points;
        for (const int period : kPeriods) {
            const QString name = QString::fromLatin1(curve.checkName).arg(period);
            points << AmplitudeRatioAt(period, Figure(checks, name.toStdString()));
        }
        painter.setPen(QPen(curve.colour, 2));
        painter.setBrush(Qt::NoBrush);
        painter.drawPolyline(points);
        painter.setBrush(curve.colour);
        for (const QPointF &point : points)
            painter.drawEllipse(point, 3, 3);
        painter.drawLine(entry, entry + QPointF(18, 0));
        p.Text(entry + QPointF(24, 4), curve.legend, false, 8);
        entry += QPointF(210, 0);
    }
    p.Text({frame.left() + 12, frame.top() + 20},
           QStringLiteral("Razão de amplitudes x período, valores da lição | Amplitude ratio vs "
                          "period, the lesson's figures"),
           true);
    p.Label({plot.left() + 220, plot.bottom() + 34},
            QStringLiteral("Período (s)"),
            QStringLiteral("Period (s)"),
            8);
}

// A sine generator drawn as a box with a wave in it.
void SineGenerator(PidPainter &p, const QRectF &box)
{
    QPainter &painter = p.painter();
    painter.setPen(QPen(PidPainter::kInk, 2));
    painter.setBrush(Qt::white);
    painter.drawRect(box);
    QPainterPath wave;
    for (int i = 0; i <= 40; ++i) {
        const double x = box.left() + 6 + (box.width() - 12) * i / 40.0;
        const double y
            = box.center().y() - box.height() * 0.3 * std::sin(2 * std::numbers::pi * i / 40.0);
        if (i == 0)
            wave.moveTo(x, y);
        else
            wave.lineTo(x, y);
    }
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(wave);
}

void Draw(PidPainter &p, const std::vector<AcceptanceCheck> &checks)
{
    DrawAmplitudeRatios(p, checks);
    p.ProcessLine({{40, 210}, {860, 210}}, true);
    p.Pump({110, 210}, 30);
    p.Text({85, 262}, QStringLiteral("P-101"), true);
    p.Orifice({330, 210});
    p.SignalLine({{330, 194}, {330, 166}});
    p.Bubble({330, 148}, QStringLiteral("FT-101"));
    p.ControlValve({720, 210});
    p.Text({700, 250}, QStringLiteral("FV-101"), true);
    p.Tank({860, 160, 90, 110});
    p.Label({800, 300}, QStringLiteral("Para consumo"), QStringLiteral("To users"));
    // Remote SP: the sine generator into FIC-101.
    SineGenerator(p, {200, 60, 60, 40});
    p.SignalLine({{260, 80}, {432, 80}});
    p.Bubble({450, 80}, QStringLiteral("FIC-101"));
    p.SignalLine({{348, 148}, {450, 148}, {450, 98}});
    // Controller output plus the disturbance, summed into the valve command.
    p.SignalLine({{468, 80}, {720, 80}, {720, 128}});
    SummingJunction(p, {720, 140});
    p.Text({716, 145}, QStringLiteral("+"), true);
    p.SignalLine({{720, 152}, {720, 168}});
    SineGenerator(p, {450, 260, 60, 40});
    p.SignalLine({{480, 260}, {480, 240}, {780, 240}, {780, 140}, {732, 140}});
    p.Text({202, 54}, QStringLiteral("SP"), true, 8);
    // Left of its generator, where the tool windows that keep clear of the switch do not go.
    p.Text({372, 278}, QStringLiteral("distúrbio"), false, 8);
    p.Text({372, 290}, QStringLiteral("disturbance"), false, 8);
}

// Amplitude and phase (rad) of the sine of angular frequency w that fits y(t) best, with an
// offset: the least-squares solution of y = c + a sin(wt) + b cos(wt).
struct Sine
{
    double amplitude = 0.0;
    double phase = 0.0;
};

Sine FitSine(const std::vector<double> &t, const std::vector<double> &y, double w)
{
    std::array<std::array<double, 4>, 3> m{};
    for (std::size_t i = 0; i < t.size(); ++i) {
        const std::array<double, 3> f{1.0, std::sin(w * t[i]), std::cos(w * t[i])};
        for (std::size_t r = 0; r < 3; ++r) {
            for (std::size_t c = 0; c < 3; ++c)
                m[r][c] += f[r] * f[c];
            m[r][3] += f[r] * y[i];
        }
    }
    for (std::size_t c = 0; c < 3; ++c)
        for (std::size_t r = c + 1; r < 3; ++r) {
            const double factor = m[r][c] / m[c][c];
            for (std::size_t k = c; k < 4; ++k)
                m[r][k] -= factor * m[c][k];
        }
    std::array<double, 3> x{};
    for (std::size_t r = 3; r-- > 0;) {
        double sum = m[r][3];
        for (std::size_t k = r + 1; k < 3; ++k)
            sum -= m[r][k] * x[k];
        x[r] = sum / m[r][r];
    }
    return {std::hypot(x[1], x[2]), std::atan2(x[2], x[1])};
}

enum class Drive { Setpoint, Disturbance, OpenLoopDisturbance };

// Drives the loop with one sine of the period (as the slider gives it) for twelve periods or
// 10 min, whichever is longer, and fits the last four periods: PV against the driving sine.
struct Response
{
    double ratio = 0.0;
    double lagDegrees = 0.0;
    double pvAmplitude = 0.0;
    double coAmplitude = 0.0;
};

Response DriveLoop(Plant &plant, double period, Drive drive)
{
    const bool setpoint = drive == Drive::Setpoint;
    MoveSlider(
        plant, setpoint ? 1 : 2, static_cast<int>(std::nearbyint((period - 5.0) / 3.0 * 100.0)));
    if (plant.memories.Value(11) != (setpoint ? 1.0 : 0.0))
        ClickSwitch(plant, 1);
    if (plant.memories.Value(12) != (setpoint ? 0.0 : 1.0))
        ClickSwitch(plant, 2);
    if (drive == Drive::OpenLoopDisturbance)
        plant.controllers[1].automatic = false;
    const double shownPeriod = plant.memories.Value(setpoint ? 15 : 16) * 3.0 + 5.0;
    const double length = std::max(600.0, 12.0 * shownPeriod);
    Scenario scenario(plant);
    std::vector<double> t;
    std::vector<double> pv;
    std::vector<double> input;
    std::vector<double> co;
    scenario.Run(length, [&] {
        if (scenario.Time() <= length - 4.0 * shownPeriod)
            return;
        t.push_back(scenario.Time());
        pv.push_back(plant.memories.Value(21));
        input.push_back(plant.memories.Value(setpoint ? 61 : 82));
        co.push_back(plant.memories.Value(1));
    });
    const double w = 2.0 * std::numbers::pi / shownPeriod;
    const Sine out = FitSine(t, pv, w);
    const Sine in = FitSine(t, input, w);
    double lag = (in.phase - out.phase) * 180.0 / std::numbers::pi;
    lag = std::fmod(lag + 720.0, 360.0);
    return {out.amplitude / in.amplitude, lag, out.amplitude, FitSine(t, co, w).amplitude};
}

double SetpointRatio(Plant &plant, double period)
{
    return DriveLoop(plant, period, Drive::Setpoint).ratio;
}

double SetpointLag(Plant &plant, double period)
{
    return DriveLoop(plant, period, Drive::Setpoint).lagDegrees;
}

double SetpointCoAmplitude(Plant &plant, double period)
{
    return DriveLoop(plant, period, Drive::Setpoint).coAmplitude;
}

// The disturbance's PV amplitude with feedback, then with the loop left in manual.
double ClosedOverOpen(Plant &plant, double period)
{
    const double closed = DriveLoop(plant, period, Drive::Disturbance).pvAmplitude;
    return closed / DriveLoop(plant, period, Drive::OpenLoopDisturbance).pvAmplitude;
}

// The fast run's SP step acts only on a local loop, so the check puts FIC-101 in local with
// both sines off.
double LocalFastRunIema(Plant &plant)
{
    ClickSwitch(plant, 1);
    plant.controllers[1].local = true;
    plant.controllers[1].Setpoint = 50.0;
    return FiguresOf(FastRun(plant, 2, 10)[1]).iema;
}

// FIC-101 retuned, brought to rest in local at SP 50 % with both sines off, then stepped to 60 %.
double RetunedSpStepOvershoot(Plant &plant, const char *kc, const char *ti)
{
    ClickSwitch(plant, 1);
    Controller &fic = plant.controllers[1];
    fic.local = true;
    fic.Setpoint = 50.0;
    fic.EditSettings([&](ControllerSettings &settings) {
        settings.KpText = kc;
        settings.KiText = ti;
    });
    fic.ApplyControllerSettings(plant.memories, false);
    Scenario scenario(plant);
    scenario.Run(300);
    return SetpointStep(scenario, 1, 60, 120, 0.2).overshoot;
}

ExamplePlant Make()
{
    ExamplePlant example;
    example.picture = "sim19";
    example.build = Build;
    // Twenty periods of the SP sine: the file is written where the sine's phase, which restarts
    // at its midpoint when a newly started program opens the plant, is back at its start.
    example.warmUpSeconds = 1199.8;
    example.commentsPortuguese
        = {"Malha de vazão com SP remoto senoidal e distúrbio senoidal, gerados pelo Gerador de "
           "Sinais com período ajustável pelos controles deslizantes. Meça a razão de amplitudes "
           "e a defasagem entre SP e PV para vários períodos (use o Registrador XY com X = M61 e "
           "Y = M21) e observe que distúrbios com período próximo de 20-30 s são amplificados "
           "pela realimentação."};
    example.commentsEnglish
        = {"Flow loop with a sinusoidal remote setpoint and a sinusoidal disturbance from the "
           "signal generator, with periods set by the sliders. Measure the amplitude ratio and "
           "phase lag between SP and PV at several periods (use the XY recorder with X = M61, "
           "Y = M21) and note that disturbances with periods near 20-30 s are amplified by the "
           "feedback."};
    example.descriptionPortuguese = {
        "Uma malha de vazão acionada por um SP remoto senoidal e/ou por um distúrbio senoidal na "
        "válvula, cada um com o período dado por um controle deslizante. Leia razões de amplitude "
        "e defasagens e levante a banda passante da malha fechada. Leia a amplitude depois de 3 a "
        "4 períodos; mover o controle deslizante faz o seno saltar, porque a fase vem do tempo "
        "decorrido.",
        {"SP ±10 % em torno de 50 %: razão PV/SP {SpPeriod10Ratio:2} / {SpPeriod20Ratio:2} / "
         "{SpPeriod30Ratio:2} / {SpPeriod60Ratio:2} / {SpPeriod120Ratio:2} / {SpPeriod300Ratio:2} "
         "e defasagem {SpPeriod10Lag:0}° / {SpPeriod20Lag:0}° / {SpPeriod30Lag:0}° / "
         "{SpPeriod60Lag:0}° / {SpPeriod120Lag:0}° / {SpPeriod300Lag:0}° para períodos de 10 / 20 "
         "/ 30 / 60 / 120 / 300 s; amplitude da CO "
         "{SpPeriod10CoAmplitude:1} / {SpPeriod20CoAmplitude:1} / {SpPeriod30CoAmplitude:1} / "
         "{SpPeriod60CoAmplitude:1} / {SpPeriod120CoAmplitude:1} / {SpPeriod300CoAmplitude:1} %.",
         "Só o distúrbio (±10 % na válvula): amplitude da PV em malha fechada sobre a de malha "
         "aberta (a mesma senoide com o FIC-101 em manual) {Disturbance10ClosedOverOpen:2} / "
         "{Disturbance20ClosedOverOpen:2} / "
         "{Disturbance30ClosedOverOpen:2} / {Disturbance60ClosedOverOpen:2} / "
         "{Disturbance120ClosedOverOpen:2} / {Disturbance300ClosedOverOpen:2} para os mesmos "
         "períodos. A realimentação amplifica distúrbios mais rápidos que cerca de 30 s e atenua "
         "os lentos (efeito colchão d'água).",
         "Ressintonize (desligue as senoides, FIC-101 em local com SP 50 %, novos Kc e Ti, espere "
         "5 min e leve o SP a 60 %; Kc 0,6 / Ti 10 s: sobressinal {Kc06Ti10SpStepOvershoot:0} %, "
         "banda mais "
         "estreita; Kc 2 / Ti 4 s: "
         "{Kc2Ti4SpStepOvershoot:0} % de sobressinal ao degrau de SP, pico maior) e veja a banda e "
         "o pico mudarem.",
         "No Registrador XY (X = M61, Y = M21) a elipse se abre à medida que o período diminui."}};
    example.descriptionEnglish = {
        "A flow loop driven by a sinusoidal remote setpoint and/or a sinusoidal load disturbance "
        "at the valve, each with its period set from a slider. Read amplitude ratios and phase "
        "lags and map the closed-loop bandwidth. Read the amplitude after 3 to 4 periods; moving a "
        "period slider makes its sine jump, because the phase is taken from the running time.",
        {"SP ±10 % around 50 %: PV/SP ratio {SpPeriod10Ratio:2} / {SpPeriod20Ratio:2} / "
         "{SpPeriod30Ratio:2} / {SpPeriod60Ratio:2} / {SpPeriod120Ratio:2} / {SpPeriod300Ratio:2} "
         "and phase lag {SpPeriod10Lag:0}° / {SpPeriod20Lag:0}° / {SpPeriod30Lag:0}° / "
         "{SpPeriod60Lag:0}° / {SpPeriod120Lag:0}° / {SpPeriod300Lag:0}° for periods of 10 / 20 / "
         "30 / 60 / 120 / 300 s; CO amplitude "
         "{SpPeriod10CoAmplitude:1} / {SpPeriod20CoAmplitude:1} / {SpPeriod30CoAmplitude:1} / "
         "{SpPeriod60CoAmplitude:1} / {SpPeriod120CoAmplitude:1} / {SpPeriod300CoAmplitude:1} %.",
         "Disturbance only (±10 % at the valve): closed-loop over open-loop PV amplitude (the same "
         "sine with FIC-101 in manual) {Disturbance10ClosedOverOpen:2} / "
         "{Disturbance20ClosedOverOpen:2} / "
         "{Disturbance30ClosedOverOpen:2} / {Disturbance60ClosedOverOpen:2} / "
         "{Disturbance120ClosedOverOpen:2} / {Disturbance300ClosedOverOpen:2} for the same "
         "periods. Feedback amplifies disturbances faster than about 30 s and attenuates slow ones "
         "(the waterbed effect).",
         "Retune (switch both sines off, FIC-101 in local at SP 50 %, the new Kc and Ti, wait 5 "
         "min and move the SP to 60 %; Kc 0.6 / Ti 10 s: {Kc06Ti10SpStepOvershoot:0} % overshoot, "
         "narrower bandwidth; "
         "Kc 2 / Ti 4 s: "
         "{Kc2Ti4SpStepOvershoot:0} % SP overshoot, a higher peak) and watch the bandwidth and the "
         "peak move.",
         "With the XY recorder (X = M61, Y = M21) the ellipse opens as the period shortens."}};
    // The periods are the slider's nearest steps: 59.99, 20.00 and 10.01 s, 299.99 s.
    example.checks = {
        {"SpPeriod60Ratio",
         [](Plant &p) { return SetpointRatio(p, 60.0); },
         1.00,
         0.996,
         0.97,
         1.03},
        {"SpPeriod60Lag", [](Plant &p) { return SetpointLag(p, 60.0); }, 30.0, 29.5, 26.0, 34.0},
        {"SpPeriod20Ratio",
         [](Plant &p) { return SetpointRatio(p, 20.0); },
         0.92,
         0.917,
         0.87,
         0.97},
        {"SpPeriod20Lag", [](Plant &p) { return SetpointLag(p, 20.0); }, 102.0, 101.6, 96.0, 108.0},
        {"SpPeriod10Ratio",
         [](Plant &p) { return SetpointRatio(p, 10.0); },
         0.30,
         0.303,
         0.26,
         0.34},
        {"SpPeriod10Lag",
         [](Plant &p) { return SetpointLag(p, 10.0); },
         181.0,
         180.8,
         170.0,
         190.0},
        {"SpPeriod30Ratio",
         [](Plant &p) { return SetpointRatio(p, 30.0); },
         1.01,
         1.014,
         0.97,
         1.06},
        {"SpPeriod30Lag", [](Plant &p) { return SetpointLag(p, 30.0); }, 62.0, 61.97, 56.0, 68.0},
        {"SpPeriod120Ratio",
         [](Plant &p) { return SetpointRatio(p, 120.0); },
         1.00,
         0.9965,
         0.97,
         1.03},
        {"SpPeriod120Lag", [](Plant &p) { return SetpointLag(p, 120.0); }, 15.0, 14.88, 12.0, 18.0},
        {"SpPeriod300Ratio",
         [](Plant &p) { return SetpointRatio(p, 300.0); },
         1.00,
         0.9993,
         0.97,
         1.03},
        {"SpPeriod300Lag", [](Plant &p) { return SetpointLag(p, 300.0); }, 6.0, 5.991, 4.0, 8.0},
        {"Disturbance10ClosedOverOpen",
         [](Plant &p) { return ClosedOverOpen(p, 10.0); },
         1.28,
         1.304,
         1.2,
         1.4},
        {"Disturbance30ClosedOverOpen",
         [](Plant &p) { return ClosedOverOpen(p, 30.0); },
         1.03,
         1.037,
         0.95,
         1.12},
        {"Disturbance60ClosedOverOpen",
         [](Plant &p) { return ClosedOverOpen(p, 60.0); },
         0.51,
         0.5085,
         0.45,
         0.57},
        {"Disturbance120ClosedOverOpen",
         [](Plant &p) { return ClosedOverOpen(p, 120.0); },
         0.26,
         0.2586,
         0.22,
         0.3},
        {"Disturbance300ClosedOverOpen",
         [](Plant &p) { return ClosedOverOpen(p, 300.0); },
         0.10,
         0.104,
         0.08,
         0.12},
        {"Disturbance20ClosedOverOpen",
         [](Plant &p) { return ClosedOverOpen(p, 20.0); },
         1.48,
         1.487,
         1.40,
         1.56},
        {"LocalFastRunSpStepIema", LocalFastRunIema, 0.031, 0.03872, 0.0, 0.06},
        {"SpPeriod10CoAmplitude",
         [](Plant &p) { return SetpointCoAmplitude(p, 10.0); },
         16,
         16.31,
         14.7,
         17.9},
        {"SpPeriod20CoAmplitude",
         [](Plant &p) { return SetpointCoAmplitude(p, 20.0); },
         20,
         20.32,
         18.3,
         22.4},
        {"SpPeriod30CoAmplitude",
         [](Plant &p) { return SetpointCoAmplitude(p, 30.0); },
         16,
         15.98,
         14.4,
         17.6},
        {"SpPeriod60CoAmplitude",
         [](Plant &p) { return SetpointCoAmplitude(p, 60.0); },
         11.5,
         11.5,
         10.3,
         12.7},
        {"SpPeriod120CoAmplitude",
         [](Plant &p) { return SetpointCoAmplitude(p, 120.0); },
         10.4,
         10.36,
         9.3,
         11.4},
        {"SpPeriod300CoAmplitude",
         [](Plant &p) { return SetpointCoAmplitude(p, 300.0); },
         10.1,
         10.06,
         9.1,
         11.1},
        {"Kc06Ti10SpStepOvershoot",
         [](Plant &p) { return RetunedSpStepOvershoot(p, "0.6", "10"); },
         0.0,
         0.0,
         0.0,
         1.0},
        {"Kc2Ti4SpStepOvershoot",
         [](Plant &p) { return RetunedSpStepOvershoot(p, "2", "4"); },
         52.0,
         51.67,
         40.0,
         65.0},
    };
    example.drawBackground = [checks = example.checks](PidPainter &p) {
        Draw(p, checks);
    };
    return example;
}

const bool registered = RegisterExample(Make);

} // namespace

} // namespace zelvar::examples
