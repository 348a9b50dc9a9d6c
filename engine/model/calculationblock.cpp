#include "engine/model/calculationblock.h"

#include "engine/model/engineplant.h"
#include "engine/model/memorytable.h"
#include "engine/model/numbertext.h"
#include "engine/model/planttextfile.h"

#include <array>
#include <string_view>

namespace zelvar {

namespace {

// Record labels in file order; each value starts after "{B41/01} " and its label.
constexpr std::array<std::string_view, 7> kBlockLabels = {
    "Tag:",
    "Desc:",
    "Funcao:",
    "Lim Sup:",
    "Lim Inf:",
    "Habilita Lim Sup:",
    "Habilita Lim Inf:",
};

std::string ItemPrefix(int objectNumber, std::size_t item)
{
    return "{B" + TwoDigits(objectNumber) + "/" + TwoDigits(static_cast<int>(item + 1)) + "} "
           + std::string(kBlockLabels[item]);
}

std::size_t PrefixLength(std::size_t item)
{
    return 9 + Utf8Length(kBlockLabels[item]);
}

} // namespace

int BlockObjectNumber(int slot)
{
    if (slot >= 1 && slot <= 20)
        return 40 + slot;
    if (slot >= 21 && slot <= 24)
        return 54 + slot;
    return 0;
}

int BlockSlot(int objectNumber)
{
    if (objectNumber >= 41 && objectNumber <= 60)
        return objectNumber - 40;
    if (objectNumber >= 75 && objectNumber <= 78)
        return objectNumber - 54;
    return 0;
}

CalculationBlock::CalculationBlock(int slot)
    : ObjectNumber(BlockObjectNumber(slot))
{}

void CalculationBlock::SettingsEdited()
{
    btnatualizaEnabled = true;
    SairButtonEnabled = false;
}

void CalculationBlock::SetDescricaoText(std::string_view text)
{
    DescricaoText = std::string(text);
    DescricaoTextEdited = true;
    SettingsEdited();
}

void CalculationBlock::RefillDescription(const MemoryTable &memories)
{
    if (!DescricaoTextEdited)
        DescricaoText = memories.Description(ObjectNumber);
}

std::vector<std::string> ApplyBlockSettings(CalculationBlock &block, MemoryTable &memories)
{
    memories.SetDescription(block.ObjectNumber, block.DescricaoText);
    block.Label9 = LimitMemoryText(block.DescricaoText);
    const std::string number = FormatFixed(block.ObjectNumber, 0, 0);
    block.Label1 = "M" + number + "=";

    std::vector<std::string> messages;
    const SelectorExpression function(block.FuncaoTr);
    if (function.Evaluate(memories).EvaluatorError.empty())
        block.FunctionText = function;
    else
        messages.push_back("Bloco " + number + ": Função inválida");

    // An unticked limit is taken over unchecked; the step reads it only once its box is ticked.
    const CompiledExpression upper(block.LimSupText);
    if (!block.LimSupCheck || upper.Evaluate(memories).EvaluatorError.empty())
        block.UpperLimitText = upper;
    else
        messages.push_back("Bloco " + number + ": Limite Superior inválido");

    const CompiledExpression lower(block.LimInfText);
    if (!block.LimInfCheck || lower.Evaluate(memories).EvaluatorError.empty())
        block.LowerLimitText = lower;
    else
        messages.push_back("Bloco " + number + ": Limite Inferior inválido");
    return messages;
}

std::vector<std::string> ApplyFromWindow(CalculationBlock &block, MemoryTable &memories)
{
    std::vector<std::string> messages = ApplyBlockSettings(block, memories);
    // Apply has written the description into the memory table, valid settings or not.
    block.DescricaoTextEdited = false;
    if (messages.empty()) {
        block.RefillDescription(memories);
        block.btnatualizaEnabled = false;
        block.SairButtonEnabled = true;
    }
    return messages;
}

void StepBlock(CalculationBlock &block, EnginePlant &plant, const StepContext &context)
{
    double value = block.FunctionText.Evaluate(plant.memories).value;
    if (block.LimSupCheck) {
        const double upper = block.UpperLimitText.Evaluate(plant.memories).value;
        if (value > upper)
            value = upper;
    }
    if (block.LimInfCheck) {
        const double lower = block.LowerLimitText.Evaluate(plant.memories).value;
        if (value < lower)
            value = lower;
    }
    if (!context.FastRunFlag)
        block.ShownOutput = value;
    plant.memories.SetValue(block.ObjectNumber, value);
}

void SaveBlockSection(const CalculationBlock &block,
                      const MemoryTable &memories,
                      PlantTextWriter &writer)
{
    writer.WriteLine("=====<<<BLOCO CALC:" + TwoDigits(block.ObjectNumber) + ">>>=====");
    const std::array<std::string_view, 5> texts = {block.TagText,
                                                   memories.Description(block.ObjectNumber),
                                                   block.FunctionText.Text(),
                                                   block.UpperLimitText.Text(),
                                                   block.LowerLimitText.Text()};
    for (std::size_t item = 0; item < texts.size(); ++item)
        writer.WriteLine(ItemPrefix(block.ObjectNumber, item), texts[item]);
    writer.WriteTrueFalse(ItemPrefix(block.ObjectNumber, 5), block.LimSupCheck);
    writer.WriteTrueFalse(ItemPrefix(block.ObjectNumber, 6), block.LimInfCheck);
}

void LoadBlockSection(CalculationBlock &block, PlantTextReader &reader, Language language)
{
    reader.SkipLine();
    // Tag and description come back as their edits hold them.
    block.TagText = LimitMemoryText(PickLanguage(reader.ReadValue(PrefixLength(0)), language));
    block.DescricaoText
        = LimitMemoryText(PickLanguage(reader.ReadValue(PrefixLength(1)), language));
    block.FuncaoTr = reader.ReadValue(PrefixLength(2));
    block.LimSupText = reader.ReadValue(PrefixLength(3));
    block.LimInfText = reader.ReadValue(PrefixLength(4));
    block.LimSupCheck = reader.ReadTrueFalse(PrefixLength(5));
    block.LimInfCheck = reader.ReadTrueFalse(PrefixLength(6));
    block.DescricaoTextEdited = false;
    block.btnatualizaEnabled = false;
    block.SairButtonEnabled = true;
}

} // namespace zelvar
