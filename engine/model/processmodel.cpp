#include "engine/model/processmodel.h"

#include "engine/model/engineplant.h"
#include "engine/model/expression.h"
#include "engine/model/numbertext.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

namespace zelvar {

namespace {

// The problems Apply reports, in the order of its messages.
enum Problem {
    kInput,
    kGain,
    kDeadTime,
    kTau1,
    kTau2,
    kLag,
    kLead,
    kCycles,
    kPeriod,
    kHysteresis,
    kRate,
    kStiction,
    kTimeConstant,
    kProblemCount
};

constexpr std::array<std::string_view, kProblemCount> kProblemSuffixes = {
    ": Variável de entrada não informada",
    ": Ganho inválido",
    ": Tempo Morto inválido",
    ": Tal1 inválido",
    ": Tal2 inválido",
    ": LAG inválido",
    ": LEAD inválido",
    ": NCn inválido",
    ": Periodo inválido",
    ": Histerese inválida",
    ": Rate inválido",
    ": Agarramento inválido",
    ": Constante de tempo inválido",
};

// A "number" edit: a decimal comma is accepted, nothing else around the number.
bool ReadNumberSetting(std::string_view text, double &value)
{
    const ParsedNumber parsed = ParseNumber(DecimalCommaToPoint(text));
    if (parsed.errorPosition != 0)
        return false;
    value = parsed.value;
    return true;
}

bool IsValid(const CompiledExpression &expression, const MemoryTable &memories)
{
    return expression.Evaluate(memories).EvaluatorError.empty();
}

double RoundToTenth(double x)
{
    return std::nearbyint(x * 10.0) / 10.0;
}

double Clamp(double value, bool saturationOff)
{
    if (saturationOff)
        return value;
    if (value > 100.0)
        return 100.0;
    if (value < 0.0)
        return 0.0;
    return value;
}

// First-order lag y += dt/(tau+dt) (x - y), in the form the formulas use; x itself when tau is 0,
// the denominator is 0 or the result is not finite.
double Lag(double previous, double input, double tau, double dt)
{
    const double denominator = tau + dt;
    if (tau == 0.0 || denominator == 0.0)
        return input;
    const double next = tau / denominator * previous + dt / denominator * input;
    return std::isfinite(next) ? next : input;
}

double ValveCharacteristic(int curve, double h)
{
    switch (curve) {
    case 0:
        return h;
    case 1:
        return 100.0 - (112.0 * std::exp(-h / 40.0) - 9.1935);
    case 2:
        return (std::exp(h / 40.0) - 1.0253) * 8.9628;
    case 3: {
        const double w = h / 2.5 + 30.0;
        const double z = w / 10.0 - 5.0;
        return (50.0 * z / std::sqrt(z * z + 1.0) + 50.0 - 5.2786) / 0.8944;
    }
    default: {
        const double z = h / 10.0 - 5.0;
        return 50.0 * z / std::sqrt(z * z + 1.0) + 50.0;
    }
    }
}

int DeadTimeSteps(double seconds, double dt)
{
    if (!std::isfinite(seconds))
        return 0;
    const double steps = seconds / dt;
    if (std::isnan(steps) || steps <= 0.0)
        return 0;
    constexpr double kMaxSteps = ProcessModel::kRingSize - 1;
    return RoundHalfEven(steps < kMaxSteps ? steps : kMaxSteps);
}

// One step of the chosen transfer function on the delayed position dd; returns its output.
double StepTransferFunction(
    ProcessModel &process, double dd, double gain, double dt, const MemoryTable &memories)
{
    const bool saturationOff = process.CheckBox1;
    const double ddPrev = process.DelayedPositionPrev;
    switch (process.TransferType) {
    case 0: {
        const double tau1 = process.LText.Evaluate(memories).value;
        const double tau2 = process.Ctext.Evaluate(memories).value;
        double x1 = dd;
        const double denominator = 2.0 * tau1 + dt;
        if (tau1 != 0.0 && denominator != 0.0) {
            x1 = ((2.0 * tau1 - dt) * process.LagStage1 + dt * (dd + ddPrev)) / denominator;
            if (!std::isfinite(x1))
                x1 = dd;
        }
        process.LagStage1 = x1;
        process.LagStage2 = Clamp(Lag(process.LagStage2, x1, tau2, dt), saturationOff);
        return process.LagStage2;
    }
    case 1: {
        const double omega = 6.283 / process.Period;
        const double zeta = process.Cycles == 0.0 ? 1.0 : 0.6 / process.Cycles;
        const double a = 1.0 + 2.0 * zeta * omega * dt + omega * omega * dt * dt;
        const double b = 2.0 + 2.0 * zeta * omega * dt;
        const double c = omega * omega * dt * dt;
        double y = dd;
        if (process.Period != 0.0 && a != 0.0) {
            y = (b * process.FilterOutputPrev - process.FilterOutputPrev2 + c * dd) / a;
            if (!std::isfinite(y))
                y = dd;
        }
        y = Clamp(y, saturationOff);
        process.FilterOutput = y;
        process.FilterOutputPrev2 = process.FilterOutputPrev;
        process.FilterOutputPrev = y;
        return y;
    }
    case 2: {
        const double lead = process.LEAD.Evaluate(memories).value;
        const double lag = process.LAG.Evaluate(memories).value;
        const double denominator = dt + lag;
        double y = dd;
        if (denominator != 0.0) {
            y = lag / denominator * process.FilterOutputPrev + (dt + lead) / denominator * dd
                - lead / denominator * ddPrev;
            if (!std::isfinite(y))
                y = dd;
        }
        y = Clamp(y, saturationOff);
        process.FilterOutput = y;
        process.FilterOutputPrev = y;
        return y;
    }
    default: {
        double y = gain * dt * dd + process.FilterOutputPrev;
        if (!std::isfinite(y))
            y = dd;
        y = Clamp(y, saturationOff);
        process.FilterOutput = y;
        process.FilterOutputPrev = y;
        return y;
    }
    }
}

// The valve position h whose characteristic gives v, for the increasing curves; bisection, so
// a v outside the curve's reach gives the nearer end of the search.
double InverseValveCharacteristic(int curve, double v)
{
    if (curve == 0)
        return v;
    double low = -1000.0;
    double high = 1000.0;
    for (int i = 0; i < 100; ++i) {
        const double middle = (low + high) / 2.0;
        if (ValveCharacteristic(curve, middle) < v)
            low = middle;
        else
            high = middle;
    }
    return (low + high) / 2.0;
}

// The stages between the input u and the dead time as a long rest at u leaves them. Backlash
// and stiction can rest anywhere inside their bands: there the valve position that gave the
// restored delayed position is taken, so a plant saved at rest does not move.
void SettleValveStages(ProcessModel &process, double u)
{
    if (!std::isfinite(u))
        return;
    const double resting
        = InverseValveCharacteristic(process.ValveCurve, process.DelayedPositionPrev);
    double p = u;
    const double width = process.HysteresisWidth;
    if (width > 0.0) {
        const double r = RoundToTenth(u);
        // The backlash holds anywhere from r - width (where a rise leaves it) up to u.
        if (std::isfinite(resting) && r - width <= u)
            p = std::clamp(resting, r - width, u);
        process.RoundedInput = r;
        process.BacklashTop = p + width;
    }
    process.BacklashPosition = p;
    process.StictionFilter = p;
    process.StictionRounded = RoundToTenth(p);
    process.StictionRoundedPrev = process.StictionRounded;
    process.StuckCount = 5;
    const double band = process.StictionBand;
    process.Stuck = band > 0.0;
    process.StictionPosition
        = band > 0.0 && std::isfinite(resting) && std::abs(resting - p) < band ? resting : p;
    process.RatePosition = process.StictionPosition;
    double v = ValveCharacteristic(process.ValveCurve, process.RatePosition);
    if (!std::isfinite(v))
        v = process.RatePosition;
    process.CurvePosition = v;
    process.ActuatorPositionValue = v;
}

} // namespace

int ProcessObjectNumber(int slot)
{
    if (slot >= 1 && slot <= 20)
        return 20 + slot;
    if (slot >= 21 && slot <= 24)
        return 50 + slot;
    return 0;
}

int ProcessSlot(int objectNumber)
{
    if (objectNumber >= 21 && objectNumber <= 40)
        return objectNumber - 20;
    if (objectNumber >= 71 && objectNumber <= 74)
        return objectNumber - 50;
    return 0;
}

ProcessModel::ProcessModel()
    : DeadTimeRing(kRingSize + 1, 0.0)
{}

ProcessModel::ProcessModel(int slot)
    : ProcessModel()
{
    ObjectNumber = ProcessObjectNumber(slot);
}

void ProcessModel::SetValorInicialText(std::string_view text)
{
    ValorInicialText = std::string(text);
    InitialValueChanged = true;
    btnatualizaEnabled = true;
}

void ProcessModel::SettingsEdited()
{
    btnatualizaEnabled = true;
    SairButtonEnabled = false;
}

void ProcessModel::SetDescricaoText(std::string_view text)
{
    DescricaoText = std::string(text);
    DescricaoTextEdited = true;
    SettingsEdited();
}

void ProcessModel::RefillDescription(const MemoryTable &memories)
{
    if (!DescricaoTextEdited)
        DescricaoText = memories.Description(ObjectNumber);
}

std::vector<std::string>
ApplyProcessSettings(ProcessModel &process, MemoryTable &memories, TakeOver takeOver)
{
    const bool eachPart = takeOver == TakeOver::EachValidPart;
    std::array<bool, kProblemCount> problems{};
    double number = 0.0;
    // A number edit: taken over into its working value and the applied settings, or a problem.
    const auto takeNumber
        = [&](const std::string &text, std::string &appliedText, double &working, Problem problem) {
              if (ReadNumberSetting(text, number)) {
                  working = number;
                  appliedText = text;
              } else
                  problems[problem] = true;
          };

    const bool inputChosen
        = process.EntradaSelect >= 0 && process.EntradaSelect < MemoryTable::kMemoryCount;
    ProcessModel::AppliedSettings &applied = process.applied;
    if (inputChosen) {
        process.InputMemory = process.EntradaSelect + 1;
        applied.EntradaSelect = process.EntradaSelect;
    } else {
        problems[kInput] = true;
    }
    if (inputChosen || eachPart) {
        applied.ComboBox2 = process.ComboBox2;
        applied.ComboBox1 = process.ComboBox1;

        const CompiledExpression gain(process.GanhoText);
        if (IsValid(gain, memories)) {
            process.GainText = gain;
            applied.GanhoText = process.GanhoText;
        } else
            problems[kGain] = true;

        const CompiledExpression deadTime(process.TempoMorto);
        const ExpressionResult seconds = deadTime.Evaluate(memories);
        if (seconds.EvaluatorError.empty() && seconds.value >= 0.0) {
            process.DeadTimeText = deadTime;
            applied.TempoMorto = process.TempoMorto;
        } else
            problems[kDeadTime] = true;

        switch (process.ComboBox2) {
        case 0:
            process.TransferType = 0;
            problems[kTau1] = !IsValid(process.LText, memories);
            problems[kTau2] = !IsValid(process.Ctext, memories);
            break;
        case 1:
            process.TransferType = 1;
            if (ReadNumberSetting(process.NCText, number) && number != 0.0) {
                process.Cycles = number;
                applied.NCText = process.NCText;
            } else
                problems[kCycles] = true;
            takeNumber(process.PeriodoText, applied.PeriodoText, process.Period, kPeriod);
            break;
        case 2:
            process.TransferType = 2;
            problems[kLag] = !IsValid(process.LAG, memories);
            problems[kLead] = !IsValid(process.LEAD, memories);
            break;
        default:
            process.TransferType = 3;
            if (process.InitialValueChanged) {
                // Not checked: whatever the edit reads as becomes the integrator's start.
                process.InitialValue
                    = ParseNumber(DecimalCommaToPoint(process.ValorInicialText)).value;
                process.FilterOutputPrev = process.InitialValue;
                process.InitialValueChanged = false;
            }
            break;
        }

        takeNumber(process.Histerese, applied.Histerese, process.HysteresisWidth, kHysteresis);

        process.ValveCurve
            = process.ComboBox1 >= 0 && process.ComboBox1 <= 3 ? process.ComboBox1 : 4;

        const ExpressionResult rate = process.ratetext.Evaluate(memories);
        if (rate.EvaluatorError.empty())
            process.RateStep = rate.value;
        else
            problems[kRate] = true;

        takeNumber(process.valveStext, applied.valveStext, process.StictionBand, kStiction);
        takeNumber(process.tal, applied.tal, process.ActuatorTau, kTimeConstant);
    }

    std::vector<std::string> messages;
    const std::string prefix = "Processo " + FormatFixed(process.ObjectNumber, 0, 0);
    for (int problem = 0; problem < kProblemCount; ++problem) {
        if (problems[static_cast<std::size_t>(problem)])
            messages.push_back(prefix
                               + std::string(kProblemSuffixes[static_cast<std::size_t>(problem)]));
    }
    if (!messages.empty() && !eachPart)
        return messages;

    memories.SetDescription(process.ObjectNumber, process.DescricaoText);
    process.Label9 = process.TagText + " " + process.DescricaoText;
    process.Label22 = "(M" + FormatFixed(process.ObjectNumber, 0, 0) + ")";
    process.Label2 = "(M" + FormatFixed(100 + ProcessSlot(process.ObjectNumber), 0, 0) + ")";
    process.Caption = process.DescricaoText;
    return messages;
}

std::vector<std::string> ApplyFromWindow(ProcessModel &process, MemoryTable &memories)
{
    std::vector<std::string> messages = ApplyProcessSettings(process, memories);
    if (messages.empty()) {
        process.DescricaoTextEdited = false;
        process.RefillDescription(memories);
        process.btnatualizaEnabled = false;
        process.SairButtonEnabled = true;
    }
    return messages;
}

void StepProcess(ProcessModel &process, int slot, EnginePlant &plant, const StepContext &context)
{
    const MemoryTable &memories = plant.memories;
    const double dt = context.TimeStep;

    const double u = memories.Value(process.InputMemory);
    process.InputValue = u;
    if (process.PrimeValveStages) {
        SettleValveStages(process, u);
        process.PrimeValveStages = false;
    }
    const double gain = process.GainText.Evaluate(memories).value;

    // Backlash.
    const double width = process.HysteresisWidth;
    if (width > 0.0) {
        const double r = RoundToTenth(u);
        double p = process.BacklashPosition;
        double q = process.BacklashTop;
        if (p + width <= r) {
            p = r - width;
            q = r;
        } else if (q - width > u) {
            p = r;
            q = r + width;
        }
        if (std::isfinite(r) && std::isfinite(p) && std::isfinite(q)) {
            process.RoundedInput = r;
            process.BacklashPosition = p;
            process.BacklashTop = q;
        } else {
            process.BacklashPosition = u;
        }
    } else {
        process.BacklashPosition = u;
    }
    const double p = process.BacklashPosition;

    // Stiction.
    if (!process.Stuck) {
        process.StictionPosition = p;
        process.StictionFilter = Lag(process.StictionFilter, p, 0.5, dt);
        const double rounded = RoundToTenth(process.StictionFilter);
        process.StictionRounded = std::isfinite(rounded) ? rounded : process.StictionFilter;
        if (std::abs(process.StictionRounded - process.StictionRoundedPrev) < 0.2) {
            if (process.StuckCount < std::numeric_limits<std::int32_t>::max())
                ++process.StuckCount;
        } else {
            process.StuckCount = 0;
        }
        if (process.StuckCount > 4 && process.StictionBand > 0.0)
            process.Stuck = true;
    }
    if (process.Stuck && std::abs(process.StictionPosition - p) >= process.StictionBand)
        process.Stuck = false; // moves from the next step on
    process.StictionRoundedPrev = process.StictionRounded;
    const double s = process.StictionPosition;

    // Rate limit.
    double rate = process.ratetext.Evaluate(memories).value;
    if (rate == 0.0)
        rate = 100000.0;
    process.RateStep = std::abs(rate) * dt;
    double h = s;
    if (std::abs(process.RatePosition - s) > process.RateStep) {
        h = s > process.RatePosition ? process.RatePosition + process.RateStep
                                     : process.RatePosition - process.RateStep;
        if (!std::isfinite(h))
            h = s;
    }
    process.RatePosition = h;

    // Valve characteristic and actuator.
    double v = ValveCharacteristic(process.ValveCurve, h);
    if (!std::isfinite(v))
        v = h;
    process.CurvePosition = v;
    process.ActuatorPositionValue = Lag(process.ActuatorPositionValue, v, process.ActuatorTau, dt);
    const double a = process.ActuatorPositionValue;

    // Dead time.
    const int steps = DeadTimeSteps(process.DeadTimeText.Evaluate(memories).value, dt);
    process.DeadTimeSteps = steps;
    int i = process.RingIndex;
    i = i >= 1 && i < ProcessModel::kRingSize ? i + 1 : 1;
    process.RingIndex = i;
    process.DeadTimeRing[static_cast<std::size_t>(i)] = a;
    const int j = i - steps;
    const double dd
        = process.DeadTimeRing[static_cast<std::size_t>(j > 0 ? j : j + ProcessModel::kRingSize)];
    process.DelayedPosition = dd;

    // Transfer function and gain.
    double out = StepTransferFunction(process, dd, gain, dt, memories);
    process.DelayedPositionPrev = dd;
    if (process.TransferType >= 0 && process.TransferType <= 2) {
        const double scaled = out * gain;
        if (std::isfinite(scaled))
            out = scaled;
    }
    process.ProcessOutput = out;

    plant.memories.SetValue(process.ObjectNumber, out);
    if (slot >= 1 && slot < static_cast<int>(plant.ActuatorPosition.size()))
        plant.ActuatorPosition[static_cast<std::size_t>(slot)] = a;
    if (!context.FastRunFlag) {
        process.ShownInput = u;
        process.ShownActuatorPosition = a;
        process.ShownOutput = out;
    }
}

} // namespace zelvar
