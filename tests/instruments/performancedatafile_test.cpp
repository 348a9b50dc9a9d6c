#include "instruments/model/performancedatafile.h"

#include "engine/model/memorytable.h"
#include "engine/model/numbertext.h"
#include "tempfolder.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

namespace zelvar {
namespace {

std::vector<std::string> Fields(const std::string &line)
{
    std::vector<std::string> fields;
    std::size_t start = 0;
    for (std::size_t end = line.find(';'); end != std::string::npos; end = line.find(';', start)) {
        fields.push_back(line.substr(start, end - start));
        start = end + 1;
    }
    EXPECT_EQ(start, line.size()) << "every field ends with ';'";
    return fields;
}

TEST(PerformanceDataFile, HeaderNamesEveryMemoryThenSampleTimeAndLength)
{
    MemoryTable memories;
    memories.SetDescription(1, " MV TIC-01");
    memories.SetDescription(9, "MV FIC-09");
    memories.SetDescription(10, "MV FIC-10");
    const std::vector<std::string> fields = Fields(DataFileHeader(memories, 0.1, 1800));
    ASSERT_EQ(fields.size(), 101u);
    EXPECT_EQ(fields[0], "01  MV TIC-01");
    EXPECT_EQ(fields[8], "09 MV FIC-09"); // the last number with a leading zero
    EXPECT_EQ(fields[9], "10 MV FIC-10"); // the first without
    EXPECT_EQ(fields[10], "11 Chave_1");
    EXPECT_EQ(fields[98], "99 ");
    EXPECT_EQ(fields[99], "0.1");
    EXPECT_EQ(fields[100], "1800");
    EXPECT_EQ(Fields(DataFileHeader(memories, 1.0, 14400))[99], "1.0");
}

TEST(PerformanceDataFile, DataLineHoldsEveryValueInFiveCharacters)
{
    MemoryTable memories;
    memories.SetValue(1, 100.0);
    memories.SetValue(2, 50.0);
    memories.SetValue(3, 12.345);
    memories.SetValue(4, -3.5);
    std::string line;
    AppendDataLine(line, memories);
    const std::vector<std::string> fields = Fields(line);
    ASSERT_EQ(fields.size(), 99u);
    EXPECT_EQ(fields[0], "100.00");
    EXPECT_EQ(fields[1], "50.00");
    EXPECT_EQ(fields[2], "12.35");
    EXPECT_EQ(fields[3], "-3.50");
    EXPECT_EQ(fields[4], " 0.00");
}

TEST(PerformanceDataFile, ReadDataField)
{
    for (const auto &[line, n, value] : {std::tuple{"1;2.5;3;", 2, 2.5},
                                         {"1;2.5;3;", 4, 0.0},
                                         {"1;2.5;3", 3, 0.0}, // not terminated
                                         {" 0.00;100.00;", 2, 100.0},
                                         {" 7.25;", 1, 7.25},
                                         {"", 1, 0.0},
                                         {"1;;3;", 2, 0.0}}) {
        SCOPED_TRACE(std::string(line) + " #" + FormatFixed(n, 0, 0));
        EXPECT_EQ(ReadDataField(line, n), value);
    }
}

TEST(PerformanceDataFile, CreatesTheFirstFreeNumberAndWritesCrLfLines)
{
    TempFolder folder;
    folder.Write("Dados_1.txd", "older");
    MemoryTable memories;
    memories.SetDescription(1, "Saída");
    memories.SetValue(2, 50.0);

    PerformanceDataFile file;
    ASSERT_EQ(file.Create(folder.Path(), "Dados", memories, 0.5, 1800, Language::Portuguese), "");
    EXPECT_EQ(file.FileName(), "Dados_2.txd");
    file.WriteSample(memories);
    file.WriteSample(memories);
    EXPECT_EQ(file.Close(), "");
    EXPECT_FALSE(file.IsOpen());

    const std::string bytes = folder.Read("Dados_2.txd");
    EXPECT_EQ(bytes.substr(0, 9),
              "01 Sa\xED"
              "da;");
    const std::vector<std::string> lines = folder.Lines("Dados_2.txd");
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[1].substr(0, 12), " 0.00;50.00;");
    EXPECT_EQ(lines[1], lines[2]);
    EXPECT_EQ(folder.Read("Dados_1.txd"), "older");
}

// A field written again follows its memory's value, down to the sign of what rounds to zero.
TEST(PerformanceDataFile, EachLineHoldsTheValuesOfItsOwnSample)
{
    struct Sample
    {
        double value;
        const char *field;
    };
    const std::vector<Sample> samples = {{0.0, " 0.00"},
                                         {-0.0, " 0.00"},
                                         {12.5, "12.50"},
                                         {12.5, "12.50"},
                                         {1e-300, " 0.00"},
                                         {-1e-300, "-0.00"},
                                         {99.999, "100.00"},
                                         {0.0, " 0.00"}};
    TempFolder folder;
    MemoryTable memories;
    memories.SetValue(7, 33.333);
    PerformanceDataFile file;
    ASSERT_EQ(file.Create(folder.Path(), "Dados", memories, 1.0, 1800, Language::Portuguese), "");
    for (const Sample &sample : samples) {
        memories.MemoryValue[5] = sample.value;
        file.WriteSample(memories);
    }
    EXPECT_EQ(file.Close(), "");
    const std::vector<std::string> lines = folder.Lines("Dados_1.txd");
    ASSERT_EQ(lines.size(), samples.size() + 1);
    for (std::size_t i = 0; i < samples.size(); ++i) {
        const std::string &line = lines[i + 1];
        EXPECT_EQ(line.substr(24, line.find(';', 24) - 24), samples[i].field) << "line " << i + 2;
        EXPECT_EQ(line.substr(0, 24), " 0.00; 0.00; 0.00; 0.00;") << "line " << i + 2;
        EXPECT_EQ(ReadDataField(line, 7), 33.33) << "line " << i + 2;
    }
}

TEST(PerformanceDataFile, FailedCreateLeavesNoFileOpen)
{
    TempFolder folder;
    MemoryTable memories;
    PerformanceDataFile file;
    const std::string message
        = file.Create(folder.Path() / "missing", "Dados", memories, 0.5, 1800, Language::English);
    EXPECT_EQ(message.rfind("Could not create the file ", 0), 0u) << message;
    EXPECT_FALSE(file.IsOpen());
    file.WriteSample(memories);
    EXPECT_EQ(file.Close(), "");
}

TEST(PerformanceDataFile, FailedWriteClosesTheFileWithOneMessage)
{
    TempFolder folder;
    MemoryTable memories;
    PerformanceDataFile file;
    ASSERT_EQ(file.Create(folder.Path(), "Dados", memories, 1.0, 1800, Language::Portuguese), "");
    {
        const FileSizeLimit limit(4096);
        for (int line = 0; line < 100; ++line)
            file.WriteSample(memories);
    }
    EXPECT_FALSE(file.IsOpen());
    file.WriteSample(memories);
    EXPECT_EQ(file.Close(), "Falha ao gravar o arquivo Dados_1.txd");
    EXPECT_EQ(file.Close(), "");
}

TEST(PerformanceDataFile, ListShowsDataFilesWithoutTheirExtension)
{
    TempFolder folder;
    folder.Write("DadosDesempenho_2.txd", "");
    folder.Write("DadosDesempenho_1.txd", "");
    folder.Write("notas.txt", "");
    folder.Write("caldeira_1.TXD", "");
    const std::vector<std::string> expected
        = {"caldeira_1", "DadosDesempenho_1", "DadosDesempenho_2"};
    EXPECT_EQ(DataFileList(folder.Path()), expected);
    EXPECT_TRUE(DataFileList(folder.Path() / "missing").empty());
}

} // namespace
} // namespace zelvar
