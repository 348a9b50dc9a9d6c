#include "instruments/model/animatedtext.h"

#include "engine/model/engineplant.h"
#include "engine/model/expression.h"
#include "engine/model/memorytable.h"
#include "engine/model/numbertext.h"
#include "engine/model/planttextfile.h"
#include "instruments/model/memorylist.h"

#include <algorithm>
#include <cmath>

namespace zelvar {

namespace {

constexpr double kWideAlarm = 999999.0;

AnimatedTextKind KindOf(int tipo)
{
    return tipo == kBinario || tipo == kEquacao ? static_cast<AnimatedTextKind>(tipo) : kEscalar;
}

std::string LimitText(const std::string &limit, const MemoryTable &memories)
{
    return FormatFixed(EvaluateLiteral(limit, memories).value, 4, 2);
}

double Finite(double x, double fallback)
{
    return std::isfinite(x) ? x : fallback;
}

// Follows a memory's limit text and evaluates it over the current memories; a result that is
// not finite keeps the previous limit.
void RefreshLimit(CompiledExpression &limit,
                  const std::string &text,
                  const MemoryTable &memories,
                  double &value)
{
    if (limit.Text() != text)
        limit.SetText(text);
    value = Finite(limit.Evaluate(memories).value, value);
}

PlantColour BandColour(double x, double low, double high)
{
    return low <= x && x <= high ? kAnimatedTextBlue : kAnimatedTextRed;
}

std::string RecordNumber(int n)
{
    return FormatFixed(n, 0, 0);
}

} // namespace

AnimatedTextLayout ArrangeTextLayout(int kind)
{
    AnimatedTextLayout layout;
    switch (KindOf(kind)) {
    case kEscalar:
        break;
    case kBinario:
        layout.Panel2Shown = false;
        layout.Label3 = "<Texto>";
        layout.FuncaoTrShown = true;
        layout.FuncaoTrLeft = 115;
        layout.rangeEdits = AnimatedTextLayout::Edits::Unchanged;
        layout.Height = 173;
        break;
    case kEquacao:
        layout.ComboBox1Shown = false;
        layout.Panel2Height = 61;
        layout.Label3 = "Equação";
        layout.FuncaoTrShown = true;
        layout.rangeEdits = AnimatedTextLayout::Edits::Editable;
        layout.Height = 239;
        break;
    }
    return layout;
}

AnimatedText::AnimatedText(int slot)
    : ObjectNumber(slot >= 1 && slot <= kCount ? 100 + slot : 0)
{}

void AnimatedText::SetRangeHighText(std::string text)
{
    Edit1 = text;
    Edit2 = std::move(text);
}

void AnimatedText::SetRangeLowText(std::string text)
{
    Edit4 = text;
    Edit3 = std::move(text);
}

void AnimatedText::SetDecimals(int decimals)
{
    CasasDecimais = std::clamp(decimals, 0, 5);
}

void ChooseTextMemory(AnimatedText &text, int position, const MemoryTable &memories)
{
    text.ComboBox1 = position >= -1 && position < kMemoryListCount ? position : -1;
    const AnimatedTextKind kind = KindOf(text.Tipo);
    if (kind == kEscalar && NamesMemory(text.ComboBox1)) {
        const int memory = text.ComboBox1 + 1;
        const auto at = static_cast<std::size_t>(memory);
        // Controller outputs are always shown from 0.
        text.Edit4 = memory <= 10 ? std::string("0.00") : memories.MemoryUEMin[at];
        text.Edit1 = memories.MemoryUEMax[at];
        text.Edit3 = LimitText(memories.MemoryLIE[at], memories);
        text.Edit2 = LimitText(memories.MemoryLSE[at], memories);
        text.Unidade = memories.MemoryUnit[at];
    } else if (kind == kEquacao) {
        text.SetRangeLowText("0.00");
        text.SetRangeHighText("100.00");
    }
}

bool ApplyTextSettings(AnimatedText &text, const MemoryTable &memories, TakeOver takeOver)
{
    const AnimatedTextKind kind = KindOf(text.Tipo);
    if (kind == kEscalar && NamesMemory(text.ComboBox1)) {
        const auto at = static_cast<std::size_t>(text.ComboBox1 + 1);
        text.Edit4 = memories.MemoryUEMin[at];
        text.Edit1 = memories.MemoryUEMax[at];
        text.Edit3 = LimitText(memories.MemoryLIE[at], memories);
        text.Edit2 = LimitText(memories.MemoryLSE[at], memories);
        text.Unidade = memories.MemoryUnit[at];
    }

    const ParsedNumber high = ParseNumber(text.Edit1);
    const ParsedNumber low = ParseNumber(text.Edit4);
    const bool rangeValid = high.errorPosition == 0 && low.errorPosition == 0
                            && !(high.value < low.value) && IsShowableRange(low.value, high.value);
    if (rangeValid) {
        text.rangeHigh = high.value;
        text.rangeLow = low.value;
        text.appliedRangeHigh = text.Edit1;
        text.appliedRangeLow = text.Edit4;
    }
    text.alarmLow = ParseNumber(text.Edit3).value;
    text.alarmHigh = ParseNumber(text.Edit2).value;

    bool valid = rangeValid;
    if (kind == kEquacao) {
        text.alarmLow = -kWideAlarm;
        text.alarmHigh = kWideAlarm;
        // A rejected expression is not taken over: the text keeps showing the last valid one.
        if (text.m_expression.Text() != text.FuncaoTr) {
            const CompiledExpression candidate(text.FuncaoTr);
            if (candidate.Evaluate(memories).EvaluatorError.empty())
                text.m_expression = candidate;
            else
                valid = false;
        }
        valid = valid && text.m_expression.Evaluate(memories).EvaluatorError.empty();
    } else {
        valid = valid && text.ComboBox1 >= 0;
    }
    if (valid || takeOver == TakeOver::EachValidPart)
        text.Label4 = text.DescricaoText;
    return valid;
}

void StepAnimatedText(AnimatedText &text, const EnginePlant &plant)
{
    const int decimals = std::clamp(text.CasasDecimais, 0, 5);
    const auto showValue = [&](double x) {
        text.Label1.assign(FormatFixed(x, decimals, decimals));
        text.Label1 += ' ';
        text.Label1 += text.Unidade;
        text.Label1Colour = BandColour(x, text.alarmLow, text.alarmHigh);
    };
    const auto engineering = [&](double percent) {
        return Finite(EngineeringFromPercent(text.rangeLow, text.rangeHigh, percent), 0.0);
    };

    const AnimatedTextKind kind = KindOf(text.Tipo);
    if (kind == kEquacao) {
        showValue(engineering(text.m_expression.Evaluate(plant.memories).value));
        return;
    }
    if (kind == kBinario && NamesMemory(text.ComboBox1)) {
        const std::string &texts = text.FuncaoTr;
        const std::size_t slash = texts.find('/');
        if (plant.memories.Value(text.ComboBox1 + 1) == 0.0) {
            text.Label1.assign(texts, 0, slash == std::string::npos ? 0 : slash);
            text.Label1Colour = kAnimatedTextRed;
        } else {
            text.Label1.assign(texts, slash == std::string::npos ? 0 : slash + 1);
            text.Label1Colour = kAnimatedTextBlue;
        }
        return;
    }
    const double x = engineering(ReadListSignal(plant, text.ComboBox1));
    if (NamesMemory(text.ComboBox1)) {
        // Limits written with memory references follow the live values.
        const auto at = static_cast<std::size_t>(text.ComboBox1 + 1);
        RefreshLimit(
            text.m_alarmLowLimit, plant.memories.MemoryLIE[at], plant.memories, text.alarmLow);
        RefreshLimit(
            text.m_alarmHighLimit, plant.memories.MemoryLSE[at], plant.memories, text.alarmHigh);
    }
    showValue(x);
}

void StepAnimatedTexts(SlotPool<AnimatedText, AnimatedText::kCount> &texts,
                       const EnginePlant &plant)
{
    for (int slot = 1; slot <= texts.kCount; ++slot) {
        if (texts.IsPresent(slot))
            StepAnimatedText(texts[slot], plant);
    }
}

void SaveTextSection(const AnimatedText &text, PlantTextWriter &writer)
{
    writer.WriteLine("=====<<<TEXTO ANIMADO:" + RecordNumber(text.ObjectNumber) + ">>>=====");
    // An equation acts as Apply took it; the texts of Binário are read live.
    const bool equation = KindOf(text.Tipo) == kEquacao;
    writer.WriteLine("{T/01} Desc:", text.Label4);
    writer.WriteLine("{T/02} Funcao:", equation ? text.Expression().Text() : text.FuncaoTr);
    writer.WriteLine("{T/03} Casas Decimais:", RecordNumber(text.CasasDecimais));
    writer.WriteLine("{T/04} Unidade:", text.Unidade);
    writer.WriteLine("{T/05} Faixa Max:", text.appliedRangeHigh);
    writer.WriteLine("{T/06} Faixa Min:", text.appliedRangeLow);
    writer.WriteLine("{T/07} Tipo:", RecordNumber(text.Tipo));
    writer.WriteLine("{T/08} Variavel:", RecordNumber(text.ComboBox1));
}

void LoadTextSection(AnimatedText &text, PlantTextReader &reader, Language language)
{
    reader.SkipLine();
    // The description comes back as its edit holds it.
    text.DescricaoText = LimitMemoryText(PickLanguage(reader.ReadValue(12), language));
    text.FuncaoTr = std::string(PickLanguage(reader.ReadValue(14), language));
    text.SetDecimals(ParseInteger(reader.ReadValue(22)).value);
    text.Unidade = reader.ReadValue(15);
    text.SetRangeHighText(reader.ReadValue(17));
    text.SetRangeLowText(reader.ReadValue(17));
    const int kind = reader.ReadInteger(12);
    text.Tipo = kind >= kEscalar && kind <= kEquacao ? kind : -1;
    const int position = reader.ReadInteger(16);
    text.ComboBox1 = position >= -1 && position < kMemoryListCount ? position : -1;
}

} // namespace zelvar
