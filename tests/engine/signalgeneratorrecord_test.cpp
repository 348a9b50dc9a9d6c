#include "engine/model/signalgeneratorrecord.h"

#include "engine/model/memorytable.h"
#include "engine/model/planttextfile.h"
#include "engine/model/randomsource.h"
#include "engine/model/signalgenerator.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

namespace zelvar {
namespace {

constexpr double kTolerance = 1e-9;

class AlwaysDraws : public RandomSource
{
public:
    explicit AlwaysDraws(int draw)
        : m_draw(draw)
    {}
    int Random(int) override { return m_draw; }

private:
    int m_draw;
};

std::vector<std::string> Written(const SignalGenerator &generator)
{
    PlantTextWriter writer;
    SaveSignalGeneratorSection(generator, writer);
    return writer.Lines();
}

// Line "{P/NN} value" of row n's k-th value (1-5), counting the header as line 0.
std::size_t LineOf(int row, int k)
{
    return static_cast<std::size_t>(5 * (row - 81) + k);
}

class GeneratorRecord : public ::testing::Test
{
protected:
    // Reads the lines through the file's bytes into `generator`.
    void Read(const std::vector<std::string> &lines, Language language = Language::Portuguese)
    {
        PlantTextWriter writer;
        for (const std::string &line : lines)
            writer.WriteLine(line);
        PlantTextReader reader = PlantTextReader::FromFileBytes(writer.ToFileBytes());
        LoadSignalGeneratorSection(generator, reader, memories, language);
        EXPECT_FALSE(reader.Failed()) << reader.Error();
        EXPECT_TRUE(reader.AtEnd());
    }

    std::vector<std::string> Untouched() const { return Written(SignalGenerator()); }

    MemoryTable memories;
    SignalGenerator generator;
};

TEST_F(GeneratorRecord, AnUntouchedGeneratorWritesItsPlaceholders)
{
    const std::vector<std::string> lines = Untouched();
    ASSERT_EQ(lines.size(), 81u);
    EXPECT_EQ(lines[0], "<Parametros>");
    const std::vector<std::string> row81(lines.begin() + 1, lines.begin() + 6);
    EXPECT_EQ(row81,
              (std::vector<std::string>{
                  "{P/01} 0", "{P/02} Descrição", "{P/03} Min.", "{P/04} Máx.", "{P/05} Valor"}));
    const std::vector<std::string> row91(lines.begin() + 51, lines.begin() + 56);
    EXPECT_EQ(row91,
              (std::vector<std::string>{
                  "{P/51} 0", "{P/52} Descrição", "{P/53} /", "{P/54} /", "{P/55} Valor"}));
    EXPECT_EQ(lines[50], "{P/50} Valor");
    EXPECT_EQ(lines[80], "{P/80} Valor");
}

// The committed texts and the value the row shows; a text typed after the commit, without
// Enter, is not running and is not saved.
TEST_F(GeneratorRecord, AMediumRandomRowWritesWhatItRunsWith)
{
    generator.ChangeKind(81, kMediumRandom, memories);
    generator.SetText(81, SignalText::Desc, "5");
    generator.SetText(81, SignalText::Min, "20");
    generator.SetText(81, SignalText::Max, "80");
    generator.ApplySignalGeneratorSettings(memories);
    generator.SetText(81, SignalText::Valor, "47.12");
    generator.SetText(81, SignalText::Max, "90");
    const std::vector<std::string> lines = Written(generator);
    EXPECT_EQ(std::vector<std::string>(lines.begin() + 1, lines.begin() + 6),
              (std::vector<std::string>{
                  "{P/01} 3", "{P/02} 5", "{P/03} 20", "{P/04} 80", "{P/05} 47.12"}));
}

TEST_F(GeneratorRecord, AZeroOneRowNeverCommittedWritesWhatItsReaderAccepts)
{
    // Regression: the placeholder "Valor" used to be written, and reading it back failed.
    SignalGenerator source;
    source.ChangeKind(82, kZeroOne, memories);
    const std::vector<std::string> lines = Written(source);
    EXPECT_EQ(lines[LineOf(82, 5)], "{P/10} 0");

    Read(lines);
    EXPECT_EQ(generator.Row(82).Tipo, kZeroOne);
    EXPECT_EQ(generator.Row(82).Valor, "0");
    EXPECT_EQ(memories.Value(82), 0.0);
}

TEST_F(GeneratorRecord, BilingualDescriptionsKeepTheLanguagePart)
{
    std::vector<std::string> lines = Untouched();
    lines[LineOf(81, 2)] = "{P/02} Vazão|Flow";
    lines[LineOf(92, 2)] = "{P/57} Vazão|";

    Read(lines, Language::Portuguese);
    EXPECT_EQ(generator.Row(81).Desc, "Vazão");
    EXPECT_EQ(generator.Row(92).Desc, "Vazão");
    EXPECT_EQ(memories.Description(81), "Vazão");

    Read(lines, Language::English);
    EXPECT_EQ(generator.Row(81).Desc, "Flow");
    // An empty English part would leave the memory without a description.
    EXPECT_EQ(generator.Row(92).Desc, "Vazão");
    EXPECT_EQ(Written(generator)[LineOf(81, 2)], "{P/02} Flow");
}

// A Desc longer than its edit holds saved more than the window showed.
TEST_F(GeneratorRecord, ADescComesBackAsItsEditHoldsIt)
{
    std::vector<std::string> lines = Untouched();
    const std::string longText(3000, 'g');
    lines[LineOf(81, 2)] = "{P/02} " + longText;
    Read(lines);
    EXPECT_EQ(generator.Row(81).Desc, longText.substr(0, MemoryTable::kMaxTextLength));
}

// A sine's period, a medium random's time constant and a random walk's band run as typed:
// cutting them at a bar would make the reopened row run on another number.
TEST_F(GeneratorRecord, ADescHoldingTheRowsParameterIsReadWhole)
{
    for (const int kind : {kMediumRandom, kSine, kRandomWalk}) {
        SCOPED_TRACE(kind);
        std::vector<std::string> lines = Untouched();
        lines[LineOf(83, 1)] = "{P/11} " + std::to_string(kind);
        lines[LineOf(83, 2)] = "{P/12} 1.5|2";
        for (const Language language : {Language::Portuguese, Language::English}) {
            Read(lines, language);
            EXPECT_EQ(generator.Row(83).Desc, "1.5|2");
            EXPECT_EQ(Written(generator)[LineOf(83, 2)], "{P/12} 1.5|2");
        }
    }
}

TEST_F(GeneratorRecord, AMediumRandomRowResumesItsLagWhileItsTargetStays)
{
    generator.working[0].GeneratorTarget = 30;
    std::vector<std::string> lines = Untouched();
    lines[LineOf(81, 1)] = "{P/01} 3";
    lines[LineOf(81, 2)] = "{P/02} 5";
    lines[LineOf(81, 3)] = "{P/03} 0";
    lines[LineOf(81, 4)] = "{P/04} 100";
    lines[LineOf(81, 5)] = "{P/05} 47.12";
    Read(lines);
    EXPECT_EQ(generator.LagOutput[0], 47.12);
    EXPECT_EQ(generator.working[0].GeneratorTarget, 30.0);
    EXPECT_EQ(generator.Row(81).Min, "0"); // the layout kept the texts just read
    EXPECT_EQ(memories.Description(81), "5");

    AlwaysDraws noRedraw(29999);
    StepContext context;
    context.random = &noRedraw;
    generator.Step(memories, context);
    EXPECT_NEAR(memories.Value(81), 5.0 / 5.1 * 47.12 + 0.1 / 5.1 * 30.0, kTolerance);
}

TEST_F(GeneratorRecord, ASineRowTakesItsPeriodFromItsDescriptionLine)
{
    std::vector<std::string> lines = Untouched();
    lines[LineOf(86, 1)] = "{P/26} 5";
    lines[LineOf(86, 2)] = "{P/27} 10";
    lines[LineOf(86, 3)] = "{P/28} 0";
    lines[LineOf(86, 4)] = "{P/29} 100";
    Read(lines);
    EXPECT_EQ(memories.Description(86), "Sinal Senoidal");
    generator.Step(memories, StepContext{});
    EXPECT_EQ(generator.Row(86).Valor, "53.14");
}

TEST_F(GeneratorRecord, AKindTheRowDoesNotOfferLeavesItWithoutKind)
{
    std::vector<std::string> lines = Untouched();
    lines[LineOf(88, 1)] = "{P/36} 8";
    lines[LineOf(88, 5)] = "{P/40} 12.5";
    Read(lines);
    EXPECT_EQ(generator.Row(88).Tipo, kNoSignalKind);
    EXPECT_EQ(memories.Value(88), 12.5);
    memories.SetValue(88, 3);
    generator.Step(memories, StepContext{});
    EXPECT_EQ(memories.Value(88), 3.0);
}

TEST_F(GeneratorRecord, AMalformedKindOrChoiceTakesTheRowDefault)
{
    // Regression: these used to stop the whole plant from loading.
    // valueIndex: 1 the kind line, 5 the Valor line of a 0/1 row
    for (const auto &[row, valueIndex, value, kind, memory] :
         {std::tuple{81, 1, "x", kConstant, 0.0},
          {82, 1, "2 a", kConstant, 0.0},
          {83, 1, "3x", kMediumRandom, 0.0}, // rows from 83 take the digits read
          {84, 5, "Valor", kZeroOne, 0.0},
          {93, 5, "5", kZeroOne, 1.0},
          {85, 5, "-2", kZeroOne, 1.0}}) { // -2 selects nothing, which commits 1
        SCOPED_TRACE(value);
        std::vector<std::string> lines = Untouched();
        const std::size_t kindLine = LineOf(row, 1);
        const std::size_t valueLine = LineOf(row, valueIndex);
        if (valueIndex != 1)
            lines[kindLine] = lines[kindLine].substr(0, 7) + "1";
        lines[valueLine] = lines[valueLine].substr(0, 7) + value;
        Read(lines);
        EXPECT_EQ(generator.Row(row).Tipo, kind);
        EXPECT_EQ(memories.Value(row), memory);
    }
}

} // namespace
} // namespace zelvar
