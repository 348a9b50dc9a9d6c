#include "engine/model/signalgenerator.h"

#include "engine/model/engineplant.h"
#include "engine/model/expression.h"
#include "engine/model/memorytable.h"
#include "engine/model/numbertext.h"
#include "engine/model/randomsource.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace zelvar {

namespace {

std::size_t RowIndex(int n)
{
    return static_cast<std::size_t>(n - SignalGenerator::kFirstRow);
}

// The Min placeholder the layouts of kinds 2 to 5 write; rows differ.
const char *MinPlaceholder(int n, int kind)
{
    switch (n) {
    case 81:
        return kind == kSine || kind == kMediumRandom ? "Min." : "Min";
    case 82:
    case 84:
        return "Min.";
    default:
        return "Min";
    }
}

SignalRowLayout ConstantLayout()
{
    return SignalRowLayout{};
}

SignalRowLayout ZeroOneLayout()
{
    SignalRowLayout layout;
    layout.upDownShown = false;
    layout.valorDigShown = true;
    layout.valorShown = false;
    layout.valorEnabled = false;
    return layout;
}

// Random, sine and random-walk rows: bounds shown, the value only displayed.
SignalRowLayout BoundsLayout()
{
    SignalRowLayout layout;
    layout.upDownShown = false;
    layout.minMaxShown = true;
    layout.descWidth = 60;
    layout.valorEnabled = false;
    return layout;
}

SignalRowLayout ExpressionLayout()
{
    SignalRowLayout layout;
    layout.upDownShown = false;
    layout.descWidth = 60;
    layout.valorLeft = 200;
    layout.valorWidth = 150;
    return layout;
}

const char *ExpressionKindText(int kind)
{
    switch (kind) {
    case kEquation:
        return "Equação";
    case kLogarithm:
        return "LN()";
    default:
        return "Exp()";
    }
}

} // namespace

int SignalGenerator::KindCount(int n)
{
    if (n >= kFirstRow && n <= kLastExpressionRow)
        return 10;
    if (n > kLastExpressionRow && n <= kLastSteppedRow)
        return 7;
    if (n > kLastSteppedRow && n <= kLastRow)
        return 2;
    return 0;
}

SignalGenerator::SignalGenerator() = default;

void SignalGenerator::FormatShownValue(std::size_t index) const
{
    if (index < m_shownValuePending.size() && m_shownValuePending[index]) {
        m_rows[index].Valor = FormatFixed(m_shownValue[index], 2, 2);
        m_shownValuePending[index] = false;
    }
}

const SignalRow &SignalGenerator::Row(int n) const
{
    static const SignalRow none;
    if (!IsRow(n))
        return none;
    FormatShownValue(RowIndex(n));
    return m_rows[RowIndex(n)];
}

SignalRow &SignalGenerator::MutableRow(int n)
{
    FormatShownValue(RowIndex(n));
    return m_rows[RowIndex(n)];
}

void SignalGenerator::SelectKind(int n, int kind)
{
    if (!IsRow(n))
        return;
    MutableRow(n).Tipo = kind >= 0 && kind < KindCount(n) ? kind : kNoSignalKind;
}

void SignalGenerator::SelectZeroOne(int n, int position)
{
    if (IsRow(n))
        MutableRow(n).ValorDig = position == 0 || position == 1 ? position : -1;
}

void SignalGenerator::ChangeKind(int n, int kind, MemoryTable &memories)
{
    if (!IsRow(n))
        return;
    SelectKind(n, kind);
    ArrangeSignalRow(n, memories);
    // The layout zeroes the row's working values, which its placeholder texts read as.
    m_committed[RowIndex(n)] = MutableRow(n);
}

void SignalGenerator::SetText(int n, SignalText which, std::string text)
{
    if (!IsRow(n))
        return;
    SignalRow &row = MutableRow(n);
    switch (which) {
    case SignalText::Desc:
        row.Desc = std::move(text);
        break;
    case SignalText::Min:
        row.Min = std::move(text);
        break;
    case SignalText::Max:
        row.Max = std::move(text);
        break;
    case SignalText::Valor:
        row.Valor = std::move(text);
        break;
    }
    m_button1Enabled = true;
}

void SignalGenerator::TakeDescription(int n, const std::string &text)
{
    if (!IsRow(n) || DescIsParameter(n, Row(n).Tipo))
        return;
    MutableRow(n).Desc = text;
    m_committed[RowIndex(n)].Desc = text;
}

void SignalGenerator::ClickZeroOne(int n, int position, MemoryTable &memories)
{
    if (!IsRow(n))
        return;
    SelectZeroOne(n, position);
    ApplySignalGeneratorSettings(memories);
}

void SignalGenerator::ClickUpDown(int n, bool up, MemoryTable &memories)
{
    if (!IsRow(n))
        return;
    SignalRow &row = MutableRow(n);
    row.UpDown = std::clamp(row.UpDown + (up ? 1 : -1), 0, 100);
    row.Valor = FormatFixed(row.UpDown, 0, 0);
    ApplySignalGeneratorSettings(memories);
}

void SignalGenerator::CommitConstant(int n, MemoryTable &memories)
{
    SignalRow &row = MutableRow(n);
    if (row.Tipo == kConstant) {
        // A constant is a plain number text: memory references are not taken.
        memories.SetValue(n, EvaluateExpression(row.Valor).value);
        row.UpDown = std::clamp(RoundHalfEven(memories.Value(n)), 0, 100);
    } else if (row.Tipo == kZeroOne) {
        const bool one = row.ValorDig != 0;
        memories.SetValue(n, one ? 1.0 : 0.0);
        row.Valor = one ? "1" : "0";
    }
}

SignalRow SignalGenerator::SavedRow(int n) const
{
    if (!IsRow(n))
        return Row(n);
    SignalRow saved = Row(n);
    const SignalRow &committed = m_committed[RowIndex(n)];
    const int kind = saved.Tipo;
    if (kind != kSine)
        saved.Desc = committed.Desc;
    saved.Min = committed.Min;
    saved.Max = committed.Max;
    const bool showsItsValue = n <= kLastSteppedRow && kind >= kFastRandom && kind <= kRandomWalk;
    if (!showsItsValue)
        saved.Valor = committed.Valor;
    return saved;
}

void SignalGenerator::ApplySignalGeneratorSettings(MemoryTable &memories)
{
    m_button1Enabled = false;
    for (int n = kFirstRow; n <= kLastSteppedRow; ++n) {
        SignalRow &row = MutableRow(n);
        GeneratorWorkingValues &w = working[RowIndex(n)];
        const int kind = row.Tipo;
        // A sine row's Desc holds its period: its memory keeps the layout's description.
        if (kind != kSine)
            memories.SetDescription(n, row.Desc);
        if (kind == kConstant || kind == kZeroOne) {
            CommitConstant(n, memories);
        } else if (kind >= kEquation && kind <= kExponential && n <= kLastExpressionRow) {
            w.GeneratorExpression = row.Valor;
            m_expression[RowIndex(n)].SetText(w.GeneratorExpression);
        } else {
            memories.SetValue(n, ParseNumber(row.Valor).value);
        }
        w.GeneratorMin = ParseNumber(row.Min).value;
        w.GeneratorMax = ParseNumber(row.Max).value;
        w.GeneratorWalk = w.GeneratorMin;
        if (kind == kSine) {
            const double period = EvaluateLiteral(row.Desc, memories).value;
            w.GeneratorParam = std::isfinite(period) ? period : 0.0;
        } else {
            w.GeneratorParam = ParseNumber(row.Desc).value;
        }
    }
    for (int n = kLastSteppedRow + 1; n <= kLastRow; ++n) {
        memories.SetDescription(n, MutableRow(n).Desc);
        CommitConstant(n, memories);
    }
    for (int n = kFirstRow; n <= kLastRow; ++n)
        m_committed[RowIndex(n)] = MutableRow(n);
}

void SignalGenerator::ArrangeSignalRow(int n, MemoryTable &memories)
{
    if (!IsRow(n))
        return;
    SignalRow &row = MutableRow(n);
    const bool loading = GeneratorLoadingFlag;
    const int kind = row.Tipo;

    if (n > kLastSteppedRow) {
        if (kind == kConstant) {
            row.layout = ConstantLayout();
            if (!loading) {
                memories.SetDescription(n, "Constante 0-100");
                row.Desc = "Descrição";
                row.Valor = "Valor";
            }
        } else if (kind == kZeroOne) {
            row.layout = ZeroOneLayout();
            if (!loading) {
                memories.SetDescription(n, "Constante 0-1");
                row.Desc = "Descrição";
            }
        }
        return;
    }

    GeneratorWorkingValues &w = working[RowIndex(n)];
    w.GeneratorMin = 0.0;
    w.GeneratorMax = 0.0;
    w.GeneratorParam = 0.0;
    w.GeneratorWalk = 0.0;

    switch (kind) {
    case kConstant:
        row.layout = ConstantLayout();
        if (!loading) {
            memories.SetDescription(n, "Constante 0-100");
            row.Desc = "Descrição";
            row.Valor = "Valor";
        }
        break;
    case kZeroOne:
        row.layout = ZeroOneLayout();
        if (!loading) {
            memories.SetDescription(n, "Constante 0-1");
            row.Desc = "Descrição";
        }
        break;
    case kMediumRandom:
    case kSine:
        row.layout = BoundsLayout();
        memories.SetDescription(n, kind == kSine ? "Sinal Senoidal" : "Aleatório Médio");
        if (!loading) {
            row.Min = MinPlaceholder(n, kind);
            row.Max = "Máx.";
            row.Desc = kind == kSine ? "Per (seg)" : "Tal(seg)";
        }
        break;
    case kRandomWalk:
        row.layout = BoundsLayout();
        if (!loading) {
            memories.SetDescription(n, "Random Walk");
            row.Min = "Inicial";
            row.Max = "Ganho";
            row.Desc = "Faixa";
        }
        break;
    case kEquation:
    case kLogarithm:
    case kExponential:
        row.layout = ExpressionLayout();
        if (!loading) {
            memories.SetDescription(n, ExpressionKindText(kind));
            row.Desc = "Descrição";
            row.Valor = "Equação";
        }
        break;
    default: // fast and slow random, and no kind
        row.layout = BoundsLayout();
        memories.SetDescription(n, "Aleatório");
        if (!loading) {
            row.Min = MinPlaceholder(n, kind);
            row.Max = "Máx.";
            row.Desc = "Descrição";
        }
        break;
    }
}

void SignalGenerator::RecreateWindow()
{
    m_rows = {};
    m_committed = {};
    m_shownValuePending = {};
    LagOutput = {};
    m_button1Enabled = true;
    GeneratorLoadingFlag = false;
}

void SignalGenerator::ShowValue(int n, double value)
{
    const std::size_t index = RowIndex(n);
    m_shownValue[index] = value;
    m_shownValuePending[index] = true;
}

void SignalGenerator::Step(MemoryTable &memories, const StepContext &context)
{
    const double dt = context.TimeStep;
    RandomSource *random = context.random;
    const auto draw = [random](int n) {
        return random ? random->Random(n) : 0;
    };
    const auto output = [&](int n, double value) {
        if (!std::isfinite(value))
            return;
        memories.SetValue(n, value);
        ShowValue(n, value);
    };

    for (int n = kFirstRow; n <= kLastSteppedRow; ++n) {
        const std::size_t i = RowIndex(n);
        SignalRow &row = m_rows[i];
        GeneratorWorkingValues &w = working[i];
        const auto scaledDraw = [&]() {
            return (w.GeneratorMax - w.GeneratorMin) / 10000.0 * draw(10000) + w.GeneratorMin;
        };

        switch (row.Tipo) {
        case kFastRandom:
            output(n, scaledDraw());
            break;
        case kMediumRandom: {
            // The draw for the test comes first, the value draw only when it passes.
            if (dt / 0.1 * 500.0 > draw(30000)) {
                const double target = scaledDraw();
                if (std::isfinite(target))
                    w.GeneratorTarget = target;
            }
            const double p = w.GeneratorParam;
            const double lag = p / (p + dt) * LagOutput[i] + dt / (p + dt) * w.GeneratorTarget;
            LagOutput[i] = std::isfinite(lag) ? lag : w.GeneratorTarget;
            output(n, LagOutput[i]);
            break;
        }
        case kSlowRandom:
            if (dt / 0.1 * 30.0 > draw(30000))
                output(n, scaledDraw());
            break;
        case kSine: {
            w.GeneratorSineTime += dt;
            if (w.GeneratorSineTime > 100000000.0 || !std::isfinite(w.GeneratorSineTime))
                w.GeneratorSineTime = 0.0;
            // The period follows its edit and the memories it names, without a commit.
            if (m_period[i].Text() != row.Desc)
                m_period[i].SetText(row.Desc);
            const double period = m_period[i].Evaluate(memories).value;
            w.GeneratorParam = std::isfinite(period) ? period : 0.0;
            if (w.GeneratorParam == 0.0) {
                output(n, 0.0);
            } else {
                const double phase
                    = std::sin(2.0 * std::numbers::pi * w.GeneratorSineTime / w.GeneratorParam);
                output(n, (phase + 1.0) / 2.0 * (w.GeneratorMax - w.GeneratorMin) + w.GeneratorMin);
            }
            break;
        }
        case kRandomWalk: {
            const double move = draw(10000) / 5000.0 - 1.0;
            w.GeneratorWalk += move * w.GeneratorMax;
            if (!std::isfinite(w.GeneratorWalk)
                || w.GeneratorWalk > w.GeneratorMin + w.GeneratorParam
                || w.GeneratorWalk < w.GeneratorMin - w.GeneratorParam)
                w.GeneratorWalk = w.GeneratorMin;
            output(n, w.GeneratorWalk);
            break;
        }
        case kEquation:
        case kLogarithm:
        case kExponential: {
            if (n > kLastExpressionRow)
                break;
            const double x = m_expression[i].Evaluate(memories).value;
            if (row.Tipo == kEquation)
                memories.SetValue(n, x);
            else if (row.Tipo == kLogarithm && x > 0.0)
                memories.SetValue(n, std::log(x));
            else if (row.Tipo == kExponential)
                memories.SetValue(n, std::exp(x));
            break;
        }
        default: // constants and no kind: the commit wrote the memory
            break;
        }
    }
}

void StepSignalGenerator(SignalGenerator &generator, EnginePlant &plant, const StepContext &context)
{
    generator.Step(plant.memories, context);
}

} // namespace zelvar
