#include "engine/model/calculationblock.h"

#include "engine/model/engineplant.h"
#include "engine/model/planttextfile.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

namespace zelvar {
namespace {

TEST(BlockObjectNumber, FollowsTheMemoryMap)
{
    for (const auto &[slot, number] :
         {std::pair{1, 41}, {20, 60}, {21, 75}, {24, 78}, {0, 0}, {25, 0}}) {
        EXPECT_EQ(BlockObjectNumber(slot), number) << slot;
        if (number != 0) {
            EXPECT_EQ(BlockSlot(number), slot);
        }
    }
    for (const int outside : {40, 61, 74, 79})
        EXPECT_EQ(BlockSlot(outside), 0) << outside;
    EXPECT_EQ(CalculationBlock(22).ObjectNumber, 76);
}

// Block slot 1 (M41) with M21 = 30, M22 = 70, M23 = 50.
class BlockStep : public testing::Test
{
protected:
    void SetUp() override
    {
        Block() = CalculationBlock(1);
        plant.memories.SetValue(21, 30);
        plant.memories.SetValue(22, 70);
        plant.memories.SetValue(23, 50);
    }

    CalculationBlock &Block() { return plant.blocks[1]; }
    std::vector<std::string> Apply() { return ApplyBlockSettings(Block(), plant.memories); }
    double Step()
    {
        StepBlock(Block(), plant, context);
        return plant.memories.Value(41);
    }

    EnginePlant plant;
    StepContext context;
};

TEST_F(BlockStep, NeverAppliedWritesZero)
{
    Block().FuncaoTr = "M22";
    plant.memories.SetValue(41, 12);
    EXPECT_EQ(Step(), 0.0);
}

TEST_F(BlockStep, FunctionAndSelector)
{
    // the last is not clamped to 0-100
    for (const auto &[function, expected] : {std::pair{"M21+M22*2", 170.0},
                                             {"M21>M22", 70.0},
                                             {"M21<M22", 30.0},
                                             {"M21>", 30.0},
                                             {"M21*5", 150.0}}) {
        SCOPED_TRACE(function);
        Block().FuncaoTr = function;
        ASSERT_TRUE(Apply().empty());
        EXPECT_EQ(Step(), expected);
    }
}

TEST_F(BlockStep, Limits)
{
    for (const auto &[name, function, upperOn, upper, lowerOn, lower, expected] :
         {std::tuple{"belowUpper", "M21", true, "40", false, "0", 30.0},
          {"aboveUpper", "M22", true, "M23", false, "0", 50.0},
          {"upperOff", "M22", false, "M23", false, "0", 70.0},
          {"belowLower", "M21", false, "100", true, "M23-10", 40.0},
          {"aboveLower", "M22", false, "100", true, "M23-10", 70.0},
          {"crossedLowerWins", "M22", true, "10", true, "20", 20.0},
          {"crossedLowerWinsBelow", "0-5", true, "10", true, "20", 20.0}}) {
        SCOPED_TRACE(name);
        SetUp();
        Block().FuncaoTr = function;
        Block().LimSupCheck = upperOn;
        Block().LimSupText = upper;
        Block().LimInfCheck = lowerOn;
        Block().LimInfText = lower;
        ASSERT_TRUE(Apply().empty());
        EXPECT_EQ(Step(), expected);
    }
}

TEST_F(BlockStep, CheckBoxesActLiveWithTheAppliedLimitTexts)
{
    Block().FuncaoTr = "M22";
    Block().LimSupText = "60";
    ASSERT_TRUE(Apply().empty());
    Block().LimSupText = "10"; // edited, not applied
    EXPECT_EQ(Step(), 70.0);
    Block().LimSupCheck = true;
    EXPECT_EQ(Step(), 60.0);
    Block().LimInfCheck = true; // lower limit applied as its default "-5"
    EXPECT_EQ(Step(), 60.0);
}

TEST_F(BlockStep, FastRunLeavesTheShownOutput)
{
    Block().FuncaoTr = "M21";
    ASSERT_TRUE(Apply().empty());
    Step();
    EXPECT_EQ(Block().ShownOutput, 30.0);
    context.FastRunFlag = true;
    plant.memories.SetValue(21, 35);
    EXPECT_EQ(Step(), 35.0);
    EXPECT_EQ(Block().ShownOutput, 30.0);
}

TEST_F(BlockStep, ApplyReportsInOrderAndKeepsRejectedTexts)
{
    Block().FuncaoTr = "M21";
    Block().LimSupCheck = true;
    Block().LimSupText = "90";
    Block().LimInfCheck = true;
    Block().LimInfText = "10";
    ASSERT_TRUE(Apply().empty());

    Block().FuncaoTr = "M21>M22>M23";
    Block().LimSupText = "9O";
    Block().LimInfText = "1 0x";
    const std::vector<std::string> expected = {
        "Bloco 41: Função inválida",
        "Bloco 41: Limite Superior inválido",
        "Bloco 41: Limite Inferior inválido",
    };
    EXPECT_EQ(Apply(), expected);
    EXPECT_EQ(Block().FunctionText.Text(), "M21");
    EXPECT_EQ(Block().UpperLimitText.Text(), "90");
    EXPECT_EQ(Block().LowerLimitText.Text(), "10");
    EXPECT_EQ(Step(), 30.0);
}

TEST_F(BlockStep, UntickedLimitIsTakenOverUnchecked)
{
    Block().FuncaoTr = "M22";
    Block().LimSupText = "bad";
    EXPECT_TRUE(Apply().empty());
    EXPECT_EQ(Block().UpperLimitText.Text(), "bad");
    Block().LimSupCheck = true; // an invalid limit reads 0
    EXPECT_EQ(Step(), 0.0);
}

TEST_F(BlockStep, ApplyDescribesTheMemoryAndLabelsTheWindow)
{
    Block().DescricaoText = "Soma das vazões";
    Block().FuncaoTr = "?";
    EXPECT_EQ(Apply().size(), 1u);
    EXPECT_EQ(plant.memories.Description(41), "Soma das vazões");
    EXPECT_EQ(Block().Label9, "Soma das vazões");
    EXPECT_EQ(Block().Label1, "M41=");
}

TEST_F(BlockStep, DescriptionIsRefilledOnlyWithoutAPendingEdit)
{
    plant.memories.SetDescription(41, "Soma");
    Block().RefillDescription(plant.memories);
    EXPECT_EQ(Block().DescricaoText, "Soma");

    Block().SetDescricaoText("Diferença");
    plant.memories.SetDescription(41, "from the variable list");
    Block().RefillDescription(plant.memories);
    EXPECT_EQ(Block().DescricaoText, "Diferença");

    // Even a failed Apply hands the description to the memory table.
    Block().FuncaoTr = "?";
    ASSERT_FALSE(ApplyFromWindow(Block(), plant.memories).empty());
    EXPECT_EQ(plant.memories.Description(41), "Diferença");
    plant.memories.SetDescription(41, "Renamed");
    Block().RefillDescription(plant.memories);
    EXPECT_EQ(Block().DescricaoText, "Renamed");
}

// The block applied into the memory table, which then holds its description.
CalculationBlock ConfiguredBlock(MemoryTable &memories)
{
    CalculationBlock block(21);
    block.TagText = "FY-10";
    block.DescricaoText = "Razão";
    block.FuncaoTr = "M21>M22";
    block.LimSupText = "95";
    block.LimInfText = "5,5";
    block.LimSupCheck = true;
    // The record holds what Apply took over.
    ApplyBlockSettings(block, memories);
    return block;
}

std::vector<std::string> RecordLines(const CalculationBlock &block, const MemoryTable &memories)
{
    PlantTextWriter writer;
    SaveBlockSection(block, memories, writer);
    return writer.Lines();
}

CalculationBlock LoadBlock(const std::string &bytes, Language language = Language::Portuguese)
{
    PlantTextReader reader = PlantTextReader::FromFileBytes(bytes);
    CalculationBlock block(21);
    LoadBlockSection(block, reader, language);
    EXPECT_FALSE(reader.Failed()) << reader.Error();
    EXPECT_TRUE(reader.AtEnd());
    return block;
}

std::string FileBytes(const std::vector<std::string> &lines)
{
    std::string bytes;
    for (const std::string &line : lines)
        bytes += EncodeWindows1252(line) + "\r\n";
    return bytes;
}

TEST(BlockRecord, WritesEightLines)
{
    const std::vector<std::string> expected = {
        "=====<<<BLOCO CALC:75>>>=====",
        "{B75/01} Tag:FY-10",
        "{B75/02} Desc:Razão",
        "{B75/03} Funcao:M21>M22",
        "{B75/04} Lim Sup:95",
        "{B75/05} Lim Inf:5,5",
        "{B75/06} Habilita Lim Sup:True",
        "{B75/07} Habilita Lim Inf:False",
    };
    MemoryTable memories;
    EXPECT_EQ(RecordLines(ConfiguredBlock(memories), memories), expected);
}

// A block that wrote 60 while running writes 60 after a save and a reopening, although the
// last Apply rejected both edits.
TEST(BlockRecord, RejectedEditsAreNotSavedSoTheReopenedBlockRunsAsBefore)
{
    EnginePlant plant;
    plant.memories.SetValue(15, 80.0);
    plant.memories.SetValue(16, 10.0);
    CalculationBlock block(21);
    block.FuncaoTr = "M15";
    block.LimSupText = "60";
    block.LimSupCheck = true;
    ASSERT_TRUE(ApplyBlockSettings(block, plant.memories).empty());
    block.FuncaoTr = "M15>M16>1";
    block.LimSupText = "6O";
    ASSERT_EQ(ApplyBlockSettings(block, plant.memories).size(), 2u);
    StepContext context;
    StepBlock(block, plant, context);
    ASSERT_EQ(plant.memories.Value(75), 60.0);

    CalculationBlock reopened = LoadBlock(FileBytes(RecordLines(block, plant.memories)));
    EXPECT_TRUE(ApplyBlockSettings(reopened, plant.memories).empty());
    plant.memories.SetValue(75, 0.0);
    StepBlock(reopened, plant, context);
    EXPECT_EQ(plant.memories.Value(75), 60.0);
}

TEST(BlockRecord, ReadsBackWhatItWrote)
{
    MemoryTable written;
    const std::vector<std::string> lines = RecordLines(ConfiguredBlock(written), written);
    CalculationBlock block = LoadBlock(FileBytes(lines));
    // The plant reader applies each record after reading it.
    MemoryTable memories;
    ApplyBlockSettings(block, memories);
    EXPECT_EQ(RecordLines(block, memories), lines);
    EXPECT_FALSE(block.btnatualizaEnabled);
    EXPECT_TRUE(block.SairButtonEnabled);
}

TEST(BlockRecord, ShortLinesReadEmptyAndOnlyExactTrueTicks)
{
    MemoryTable memories;
    std::vector<std::string> lines = RecordLines(ConfiguredBlock(memories), memories);
    lines[3] = "{B75/03} Fun";
    lines[6] = "{B75/06} Habilita Lim Sup:true";
    lines[7] = "{B75/07} Habilita Lim Inf:True";
    const CalculationBlock block = LoadBlock(FileBytes(lines));
    EXPECT_EQ(block.FuncaoTr, "");
    EXPECT_FALSE(block.LimSupCheck);
    EXPECT_TRUE(block.LimInfCheck);
}

TEST(BlockRecord, EnglishModeKeepsTheEnglishTagAndSavesOnlyIt)
{
    MemoryTable memories;
    CalculationBlock written = ConfiguredBlock(memories);
    written.TagText = "Vazão|Flow";
    const CalculationBlock block
        = LoadBlock(FileBytes(RecordLines(written, memories)), Language::English);
    EXPECT_EQ(block.TagText, "Flow");
    EXPECT_EQ(RecordLines(block, memories)[1], "{B75/01} Tag:Flow");
}

} // namespace
} // namespace zelvar
