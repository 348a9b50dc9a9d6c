#include "instruments/model/animatedtext.h"

#include "engine/model/engineplant.h"
#include "engine/model/planttextfile.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

namespace zelvar {
namespace {

class AnimatedTextTest : public testing::Test
{
protected:
    void SetUp() override
    {
        // M21: 0-200 %, value 25 %.
        plant.memories.MemoryUEMax[21] = "200";
        plant.memories.SetValue(21, 25.0);
    }

    void Refresh() { StepAnimatedText(text, plant); }

    EnginePlant plant;
    AnimatedText text{4};
};

// Until its first Apply a text shows its signal on the range its edits started with (0-100),
// not on the memory's range that choosing the signal put into the edits.
TEST_F(AnimatedTextTest, NewTextShowsItsSignalOnTheStartingRange)
{
    ChooseTextMemory(text, 20, plant.memories);
    Refresh();
    EXPECT_EQ(text.Label1.substr(0, 5), "25.00");
}

TEST_F(AnimatedTextTest, EscalarShowsTheEngineeringValueInItsAlarmColour)
{
    text.SetDecimals(1);
    ChooseTextMemory(text, 20, plant.memories);
    ASSERT_TRUE(ApplyTextSettings(text, plant.memories));
    Refresh();
    EXPECT_EQ(text.Label1, "50.0 %");
    EXPECT_EQ(text.Label1Colour, kAnimatedTextBlue);

    // The limits follow the memory table without a new Apply.
    plant.memories.MemoryLSE[21] = "40";
    Refresh();
    EXPECT_EQ(text.Label1Colour, kAnimatedTextRed);
}

TEST_F(AnimatedTextTest, CrossingTheAlarmLimits)
{
    plant.memories.MemoryLIE[21] = "20";
    plant.memories.MemoryLSE[21] = "M05"; // follows M5 (percent) as the value moves
    plant.memories.SetValue(5, 150.0);
    ChooseTextMemory(text, 20, plant.memories);
    ASSERT_TRUE(ApplyTextSettings(text, plant.memories));
    // below, on the low limit, on the high limit, above it, the high limit moved up
    for (const auto &[percent, m05, colour] : {std::tuple{9.0, 150.0, kAnimatedTextRed},
                                               {10.0, 150.0, kAnimatedTextBlue},
                                               {75.0, 150.0, kAnimatedTextBlue},
                                               {76.0, 150.0, kAnimatedTextRed},
                                               {76.0, 160.0, kAnimatedTextBlue}}) {
        SCOPED_TRACE(testing::Message() << percent << " " << m05);
        plant.memories.SetValue(21, percent);
        plant.memories.SetValue(5, m05);
        Refresh();
        EXPECT_EQ(text.Label1Colour, colour);
    }
}

TEST_F(AnimatedTextTest, BinarioShowsOneOfTwoTexts)
{
    text.Tipo = kBinario;
    ChooseTextMemory(text, 10, plant.memories);
    // a half counts as one; without a slash zero shows nothing; a second slash is kept
    for (const auto &[texts, value, shown, colour] :
         {std::tuple{"Aberta/Fechada", 0.0, "Aberta", kAnimatedTextRed},
          {"Aberta/Fechada", 1.0, "Fechada", kAnimatedTextBlue},
          {"Aberta/Fechada", 0.5, "Fechada", kAnimatedTextBlue},
          {"Ligada", 0.0, "", kAnimatedTextRed},
          {"Ligada", 1.0, "Ligada", kAnimatedTextBlue},
          {"a/b/c", 1.0, "b/c", kAnimatedTextBlue}}) {
        SCOPED_TRACE(testing::Message() << texts << " " << value);
        text.FuncaoTr = texts;
        ASSERT_TRUE(ApplyTextSettings(text, plant.memories));
        plant.memories.SetValue(11, value);
        Refresh();
        EXPECT_EQ(text.Label1, shown);
        EXPECT_EQ(text.Label1Colour, colour);
    }
}

TEST_F(AnimatedTextTest, EquacaoFollowsTheMemoriesAtEveryRefresh)
{
    // An equation follows the memories at every refresh, not the values it met at Apply.
    text.Tipo = kEquacao;
    text.FuncaoTr = "M05*2";
    text.Unidade = "m";
    text.SetDecimals(0);
    text.SetRangeLowText("0");
    text.SetRangeHighText("10");
    plant.memories.SetValue(5, 25.0);
    ASSERT_TRUE(ApplyTextSettings(text, plant.memories));
    Refresh();
    EXPECT_EQ(text.Label1, "5 m");
    EXPECT_EQ(text.Label1Colour, kAnimatedTextBlue);

    plant.memories.SetValue(5, 40.0);
    Refresh();
    EXPECT_EQ(text.Label1, "8 m");
    EXPECT_EQ(text.alarmLow, -999999.0);
    EXPECT_EQ(text.alarmHigh, 999999.0);
}

TEST_F(AnimatedTextTest, InvalidEquationShowsTheRangeLowAndIsNotValid)
{
    text.Tipo = kEquacao;
    text.FuncaoTr = "M05+sin(1)";
    text.SetRangeLowText("3");
    text.SetRangeHighText("10");
    EXPECT_FALSE(ApplyTextSettings(text, plant.memories));
    Refresh();
    EXPECT_EQ(text.Label1.substr(0, 4), "3.00");
}

TEST_F(AnimatedTextTest, ChoosingAMemoryFillsTheEdits)
{
    plant.memories.MemoryUEMin[3] = "-50";
    plant.memories.MemoryUEMax[3] = "150";
    plant.memories.MemoryLIE[3] = "5*2";
    plant.memories.MemoryUnit[3] = "mm";
    ChooseTextMemory(text, 2, plant.memories);
    EXPECT_EQ(text.Edit4, "0.00"); // controller outputs start at 0 in the window
    EXPECT_EQ(text.Edit1, "150");
    EXPECT_EQ(text.Edit3, "10.00");
    EXPECT_EQ(text.Edit2, "100.00");
    EXPECT_EQ(text.Unidade, "mm");

    ASSERT_TRUE(ApplyTextSettings(text, plant.memories));
    EXPECT_EQ(text.Edit4, "-50");
    EXPECT_EQ(text.rangeLow, -50.0);
    EXPECT_EQ(text.rangeHigh, 150.0);

    text.Tipo = kEquacao;
    ChooseTextMemory(text, 2, plant.memories);
    EXPECT_EQ(text.Edit4, "0.00");
    EXPECT_EQ(text.Edit3, "0.00");
    EXPECT_EQ(text.Edit1, "100.00");
    EXPECT_EQ(text.Edit2, "100.00");
}

TEST_F(AnimatedTextTest, SignalsBeyondTheMemoryTable)
{
    // Position 99 has no memory behind it: it reads 0 and never indexes memory 100.
    plant.ActuatorPosition[3] = 42.0;
    text.SetRangeLowText("0");
    text.SetRangeHighText("100");
    text.Unidade = "%";
    // the actuator of process 3; a signal without a value, scalar and binary
    for (const auto &[kind, position, shown] : {std::tuple{kEscalar, 102, "42.00 %"},
                                                {kEscalar, 99, "0.00 %"},
                                                {kBinario, 99, "0.00 %"}}) {
        SCOPED_TRACE(testing::Message() << kind << " " << position);
        text.Tipo = kind;
        ChooseTextMemory(text, position, plant.memories);
        ASSERT_TRUE(ApplyTextSettings(text, plant.memories));
        Refresh();
        EXPECT_EQ(text.Label1, shown);
    }
}

TEST_F(AnimatedTextTest, ApplyValidity)
{
    struct Row
    {
        const char *name;
        int kind;
        int position;
        const char *high;
        const char *low;
        bool valid;
        double takenHigh;
    };
    const Row rows[] = {
        {"binary with a memory", kBinario, 0, "80", "20", true, 80.0},
        {"no memory chosen", kBinario, -1, "70", "30", false, 70.0},
        {"high below low", kBinario, 0, "10", "20", false, 70.0},
        {"high not a number", kBinario, 0, "1a", "0", false, 70.0},
        {"equal ends", kBinario, 0, "20", "20", true, 20.0},
        {"span too large to show", kBinario, 0, "1e308", "-1e308", false, 20.0},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        text.Tipo = row.kind;
        text.DescricaoText = row.name;
        text.ComboBox1 = row.position;
        text.SetRangeHighText(row.high);
        text.SetRangeLowText(row.low);
        EXPECT_EQ(ApplyTextSettings(text, plant.memories), row.valid);
        // A rejected range keeps the one taken over before.
        EXPECT_EQ(text.rangeHigh, row.takenHigh);
        if (row.valid)
            EXPECT_EQ(text.Label4, row.name);
        else
            EXPECT_NE(text.Label4, row.name);
    }
}

std::vector<std::string> RecordOf(const AnimatedText &text)
{
    PlantTextWriter writer;
    SaveTextSection(text, writer);
    return writer.Lines();
}

TEST_F(AnimatedTextTest, RecordWritesNineLines)
{
    text.DescricaoText = "Nível";
    text.FuncaoTr = "M21/2";
    text.SetDecimals(3);
    text.Unidade = "m";
    text.SetRangeHighText("12.5");
    text.SetRangeLowText("0");
    text.Tipo = kEquacao;
    text.ComboBox1 = -1;
    ApplyTextSettings(text, plant.memories);
    const std::vector<std::string> expected = {
        "=====<<<TEXTO ANIMADO:104>>>=====",
        "{T/01} Desc:Nível",
        "{T/02} Funcao:M21/2",
        "{T/03} Casas Decimais:3",
        "{T/04} Unidade:m",
        "{T/05} Faixa Max:12.5",
        "{T/06} Faixa Min:0",
        "{T/07} Tipo:2",
        "{T/08} Variavel:-1",
    };
    EXPECT_EQ(RecordOf(text), expected);
}

TEST_F(AnimatedTextTest, RecordReadsBack)
{
    text.DescricaoText = "Nível|Level";
    text.FuncaoTr = "Aberta/Fechada|Open/Closed";
    text.Unidade = "a|b";
    text.SetRangeHighText("80");
    text.SetRangeLowText("20");
    text.Tipo = kBinario;
    text.ComboBox1 = 10;
    ApplyTextSettings(text, plant.memories);
    std::vector<std::string> lines = RecordOf(text);
    lines[3] = "{T/03} Casas Decimais:9";

    PlantTextReader reader(lines);
    AnimatedText loaded(4);
    LoadTextSection(loaded, reader, Language::English);
    ASSERT_FALSE(reader.Failed()) << reader.Error();
    EXPECT_TRUE(reader.AtEnd());
    EXPECT_EQ(loaded.DescricaoText, "Level");
    EXPECT_EQ(loaded.FuncaoTr, "Open/Closed");
    EXPECT_EQ(loaded.Unidade, "a|b"); // taken whole
    EXPECT_EQ(loaded.CasasDecimais, 5);
    EXPECT_EQ(loaded.Edit1, "80");
    EXPECT_EQ(loaded.Edit2, "80");
    EXPECT_EQ(loaded.Edit4, "20");
    EXPECT_EQ(loaded.Edit3, "20");
    EXPECT_EQ(loaded.Tipo, kBinario);
    EXPECT_EQ(loaded.ComboBox1, 10);

    lines[7] = "{T/07} Tipo:x";
    PlantTextReader failing(lines);
    LoadTextSection(loaded, failing, Language::English);
    EXPECT_TRUE(failing.Failed());
    EXPECT_EQ(failing.ErrorLine(), 8);
}

} // namespace
} // namespace zelvar
