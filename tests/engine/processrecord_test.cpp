#include "engine/model/processmodel.h"

#include "engine/model/engineplant.h"
#include "engine/model/planttextfile.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

namespace zelvar {
namespace {

// The process applied into the memory table, which then holds its description.
ProcessModel ConfiguredProcess(MemoryTable &memories)
{
    ProcessModel process(1);
    process.TagText = "TIC-01";
    process.DescricaoText = "Forno";
    process.EntradaSelect = 4;
    process.LText.SetText("12");
    process.Ctext.SetText("3");
    process.CheckBox1 = true;
    process.Histerese = "0.5";
    process.TempoMorto = "2";
    process.GanhoText = "M05*2";
    process.ComboBox1 = 2;
    process.valveStext = "1";
    process.ratetext.SetText("25");
    process.tal = "0.4";
    process.ComboBox2 = 1;
    process.NCText = "2";
    process.PeriodoText = "30";
    // The record holds what Apply took over.
    ApplyProcessSettings(process, memories);
    process.InputValue = 12.5;
    process.ProcessOutput = -1.5;
    process.DelayedPositionPrev = 0.0;
    process.FilterOutputPrev = 100.0;
    process.FilterOutputPrev2 = 7.125;
    process.StictionRoundedPrev = 3.0;
    process.LagStage1 = 0.25;
    process.LagStage2 = 31.25;
    return process;
}

std::vector<std::string> RecordLines(const ProcessModel &process, const MemoryTable &memories)
{
    PlantTextWriter writer;
    SaveProcessSection(process, memories, writer);
    return writer.Lines();
}

std::string FileBytes(const std::vector<std::string> &lines, const char *lineEnd)
{
    std::string bytes;
    for (const std::string &line : lines)
        bytes += EncodeWindows1252(line) + lineEnd;
    return bytes;
}

ProcessModel Load(const std::string &bytes, Language language = Language::Portuguese)
{
    PlantTextReader reader = PlantTextReader::FromFileBytes(bytes);
    ProcessModel process(1);
    LoadProcessSection(process, reader, language);
    EXPECT_FALSE(reader.Failed()) << reader.Error();
    EXPECT_TRUE(reader.AtEnd());
    return process;
}

TEST(ProcessRecord, WritesTwentySixLines)
{
    const std::vector<std::string> expected = {
        "=====<<<PROCESSO:21>>>=====",
        "{P21/01} Tag:TIC-01",
        "{P21/02} Desc:Forno",
        "{P21/03} Indice lista PV:4",
        "{P21/04} Tal 1:12",
        "{P21/05} Tal 2:3",
        "{P21/06} Habilita Desat Sat:True",
        "{P21/07} Histerese:0.5",
        "{P21/08} Tempo Morto:2",
        "{P21/09} Ganho:M05*2",
        "{P21/10} Tipo Valv:2",
        "{P21/11} Agarramento:1",
        "{P21/12} RateLimiter:25",
        "{P21/13} Const. Tempo Atuador:0.4",
        "{P21/14} Tipo FT:1",
        "{P21/15} Num.Ciclos:2x30",
        "{P21/16} Lead:0",
        "{P21/17} Lag:0",
        "{P21/18} X0:12.50",
        "{P21/19} Y2:-1.50",
        "{P21/20} Y0old:0.00",
        "{P21/21} Y1old:100.00",
        "{P21/22} Y1old2:7.13",
        "{P21/23} x5old:3.00",
        "{P21/24} IntAc1:0.25",
        "{P21/25} IntAc2:31.25",
    };
    MemoryTable memories;
    EXPECT_EQ(RecordLines(ConfiguredProcess(memories), memories), expected);
}

TEST(ProcessRecord, ReadsBackWhatItWrote)
{
    MemoryTable written;
    const std::vector<std::string> lines = RecordLines(ConfiguredProcess(written), written);
    ProcessModel process = Load(FileBytes(lines, "\r\n"));
    EXPECT_EQ(process.FilterOutputPrev2, 7.13); // states keep two decimals
    // The plant reader applies each record after reading it.
    MemoryTable memories;
    ApplyProcessSettings(process, memories);
    EXPECT_EQ(RecordLines(process, memories), lines);
    EXPECT_FALSE(process.btnatualizaEnabled);
    EXPECT_TRUE(process.SairButtonEnabled);
}

TEST(ProcessRecord, KeepsTheLanguagePartOfTagAndDescription)
{
    MemoryTable memories;
    ProcessModel written = ConfiguredProcess(memories);
    written.TagText = "Vazão|Flow";
    written.DescricaoText = "Só português";
    ApplyProcessSettings(written, memories);
    const std::string bytes = FileBytes(RecordLines(written, memories), "\r\n");
    const ProcessModel english = Load(bytes, Language::English);
    EXPECT_EQ(english.TagText, "Flow");
    EXPECT_EQ(english.DescricaoText, "Só português");
    EXPECT_EQ(Load(bytes, Language::Portuguese).TagText, "Vazão");
}

TEST(ProcessRecord, SplitsCyclesAndPeriodAtTheFirstX)
{
    for (const auto &[value, cycles, period] :
         {std::tuple{"2x3x0", "2", "3x0"},
          {"5", "5", "10"}, // no "x": the period keeps its default
          {"x7", "", "7"}}) {
        SCOPED_TRACE(value);
        MemoryTable memories;
        std::vector<std::string> lines = RecordLines(ConfiguredProcess(memories), memories);
        lines[15] = std::string("{P21/15} Num.Ciclos:") + value;
        const ProcessModel process = Load(FileBytes(lines, "\r\n"));
        EXPECT_EQ(process.NCText, cycles);
        EXPECT_EQ(process.PeriodoText, period);
    }
}

TEST(ProcessRecord, ListPositionMustBeAWholeNumber)
{
    MemoryTable memories;
    std::vector<std::string> lines = RecordLines(ConfiguredProcess(memories), memories);
    lines[3] = "{P21/03} Indice lista PV:4.0";
    PlantTextReader reader = PlantTextReader::FromFileBytes(FileBytes(lines, "\r\n"));
    ProcessModel process(1);
    LoadProcessSection(process, reader, Language::Portuguese);
    ASSERT_TRUE(reader.Failed());
    EXPECT_EQ(reader.ErrorLine(), 4);
}

TEST(ProcessRecord, ListPositionOutsideTheListReadsAsNoChoice)
{
    MemoryTable memories;
    std::vector<std::string> lines = RecordLines(ConfiguredProcess(memories), memories);
    lines[3] = "{P21/03} Indice lista PV:99";
    lines[10] = "{P21/10} Tipo Valv:5";
    lines[14] = "{P21/14} Tipo FT:-2";
    const ProcessModel process = Load(FileBytes(lines, "\r\n"));
    EXPECT_EQ(process.EntradaSelect, -1);
    EXPECT_EQ(process.ComboBox1, -1);
    EXPECT_EQ(process.ComboBox2, -1);
}

TEST(ProcessRecord, LoadedProcessDoesNotDipForItsDeadTime)
{
    // The ring is not stored; left at 0 it fed zeros for the whole dead time after a load.
    ProcessModel running(1);
    running.LText.SetText("0");
    running.TempoMorto = "1";
    running.DelayedPositionPrev = 40.0;
    running.LagStage1 = 40.0;
    running.LagStage2 = 40.0;
    running.ProcessOutput = 40.0;

    EnginePlant plant;
    plant.memories.SetValue(1, 40.0);
    plant.processes[1] = Load(FileBytes(RecordLines(running, plant.memories), "\r\n"));
    ASSERT_TRUE(ApplyProcessSettings(plant.processes[1], plant.memories).empty());
    const StepContext context;
    for (int step = 1; step <= 15; ++step) {
        StepProcess(plant.processes[1], 1, plant, context);
        EXPECT_EQ(plant.memories.Value(21), 40.0) << "step " << step;
    }
}

} // namespace
} // namespace zelvar
