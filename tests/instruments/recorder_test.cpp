#include "instruments/model/recorder.h"

#include "engine/model/engineplant.h"
#include "engine/model/planttextfile.h"
#include "tempfolder.h"
#include "tests/engine/testplant.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

namespace zelvar {
namespace {

class RecorderTest : public testing::Test
{
protected:
    void SetUp() override
    {
        // M21: 0-200 kg/h; M22: 0-10 bar.
        plant.memories.MemoryUEMax[21] = "200";
        plant.memories.MemoryUnit[21] = "kg/h";
        plant.memories.MemoryUEMax[22] = "10";
        plant.memories.MemoryUnit[22] = "bar";
    }

    template<typename Change> void Edit(Change &&edit)
    {
        recorder.EditSettings(plant.memories, edit);
    }
    void Pens(int pen1, int pen2, int pen3)
    {
        Edit([&](RecorderSettings &s) {
            s.Variavel1Select = pen1;
            s.Variavel2Select = pen2;
            s.Variavel3Select = pen3;
        });
    }
    void Tick() { StepRecorder(recorder, plant, context); }
    int NewestPoint(int trace) const
    {
        return recorder.trend.Point(trace, recorder.trend.RingPosition());
    }

    EnginePlant plant;
    StepContext context;
    Recorder recorder{3};
};

TEST_F(RecorderTest, NewRecorderShowsNoPenAndDrawsPen1OnTheBottomLine)
{
    ApplyRecorderSettings(recorder, plant.memories);
    plant.memories.SetValue(1, 60.0);
    Tick();

    EXPECT_EQ(recorder.VermelhoLabel, "");
    EXPECT_EQ(recorder.AzulLabel, "");
    EXPECT_EQ(recorder.VerdeLabel, "");
    EXPECT_TRUE(recorder.PenDrawn(1));
    EXPECT_FALSE(recorder.PenDrawn(2));
    EXPECT_FALSE(recorder.PenDrawn(3));
    EXPECT_EQ(NewestPoint(0), 0);
}

TEST_F(RecorderTest, Pens1And2ShowInPen1sUnitsPen3InPercent)
{
    Pens(20, 21, 0);
    plant.memories.SetValue(21, 25.0);
    plant.memories.SetValue(22, 50.0);
    plant.memories.SetValue(1, 12.5);
    Tick();

    EXPECT_EQ(recorder.VermelhoLabel, "PV: 50.00 kg/h");
    EXPECT_EQ(recorder.AzulLabel, "SP: 100.00 kg/h");
    EXPECT_EQ(recorder.VerdeLabel, "MV: 12.50%");
    EXPECT_EQ(recorder.Label1, "kg/h");
    EXPECT_EQ(NewestPoint(0), 50);
    EXPECT_EQ(NewestPoint(1), 100);
    EXPECT_EQ(NewestPoint(2), 25);
}

TEST_F(RecorderTest, ListPositionsBeyondTheMemoryTable)
{
    // Positions 99-124 have no memory behind them and must never index the memory table.
    plant.ActuatorPosition[1] = 37.5;
    plant.ActuatorPosition[24] = 80.0;
    // actuators of processes 1 and 24, a signal without a value, "Nenhum", no choice
    for (const auto &[position, label, drawn] : {std::tuple{100, "MV: 37.50%", true},
                                                 {123, "MV: 80.00%", true},
                                                 {99, "MV: 0.00%", true},
                                                 {124, "", false},
                                                 {-1, "", false}}) {
        SCOPED_TRACE(position);
        Pens(-1, -1, position);
        Tick();
        EXPECT_EQ(recorder.VerdeLabel, label);
        EXPECT_EQ(recorder.PenDrawn(3), drawn);
    }
}

TEST_F(RecorderTest, Pen1OnAnActuatorScalesInPercent)
{
    plant.ActuatorPosition[2] = 40.0;
    Pens(101, -1, -1);
    Tick();
    EXPECT_EQ(recorder.VermelhoLabel, "PV: 40.00 %");
    EXPECT_EQ(recorder.Label1, "%");
    EXPECT_EQ(NewestPoint(0), 80);
}

TEST_F(RecorderTest, ApplySetsCaptionArchiveBoxAndIndicator)
{
    ApplyRecorderSettings(recorder, plant.memories);
    EXPECT_FALSE(recorder.CheckBox1Enabled);
    recorder.trend.SetTimeBase(2);
    Edit([](RecorderSettings &s) {
        s.TagText = "TR-101";
        s.DescricaoText = "Reator";
    });
    EXPECT_TRUE(recorder.CheckBox1Enabled);
    EXPECT_EQ(recorder.Caption, "TR-101 - Reator");
    EXPECT_EQ(recorder.trend.ArchiveIndicatorText(), "Saving 2s sampling");
}

TEST_F(RecorderTest, NineSecondBaseArchivesEveryThirdTickInPen1sEngineeringUnits)
{
    TempFolder folder;
    Edit([](RecorderSettings &s) { s.TagText = "REC"; });
    Pens(20, 21, 0);
    recorder.trend.SetTimeBase(1);
    recorder.trend.UsarUE = true; // pens 1 and 2 in M21's 0-200, pen 3 stays in percent
    ASSERT_EQ(StartRecorderArchive(recorder, folder.Path(), Language::Portuguese), "");

    for (int tick = 1; tick <= 9; ++tick) {
        plant.memories.SetValue(21, tick);
        plant.memories.SetValue(22, 2.0 * tick);
        plant.memories.SetValue(1, 3.0 * tick);
        Tick();
    }
    const std::string message = StopRecorderArchive(recorder);

    EXPECT_EQ(message.rfind("Data saved: ", 0), 0u) << message;
    EXPECT_NE(message.find("REC_1.txt"), std::string::npos);
    EXPECT_EQ(recorder.trend.RingPosition(), 3);
    const std::vector<std::string> expected = {
        "Tempo (0.300 seg);PV;SP;MV",
        "0.00;6.00;12.00;9.00",
        "0.30;12.00;24.00;18.00",
        "0.60;18.00;36.00;27.00",
    };
    EXPECT_EQ(folder.Lines("REC_1.txt"), expected);
}

TEST_F(RecorderTest, ArchiveNeedsATag)
{
    TempFolder folder;
    EXPECT_EQ(StartRecorderArchive(recorder, folder.Path(), Language::English), "");
    EXPECT_FALSE(recorder.trend.Archiving());
}

TEST_F(RecorderTest, SecondArchiveTakesTheNextNumberAndKeepsTheTag)
{
    TempFolder folder;
    folder.Write("REC_1.txt", "older");
    Edit([](RecorderSettings &s) { s.TagText = "REC"; });
    ASSERT_EQ(StartRecorderArchive(recorder, folder.Path(), Language::Portuguese), "");
    Edit([](RecorderSettings &s) {
        s.TagText = "OTHER";
        s.DescricaoText = "changed";
    });

    EXPECT_EQ(recorder.Settings().TagText, "REC");
    EXPECT_EQ(recorder.Settings().DescricaoText, "changed");
    EXPECT_NE(recorder.trend.ArchiveFileName().find("REC_2.txt"), std::string::npos);
    EXPECT_EQ(folder.Read("REC_1.txt"), "older");
}

TEST_F(RecorderTest, CloseWritesTheArchiveOut)
{
    TempFolder folder;
    Edit([](RecorderSettings &s) { s.TagText = "RESET"; });
    ASSERT_EQ(StartRecorderArchive(recorder, folder.Path(), Language::Portuguese), "");
    Tick();
    CloseRecorderArchive(recorder);
    EXPECT_FALSE(recorder.trend.Archiving());
    EXPECT_EQ(folder.Lines("RESET_1.txt").size(), 2u);
}

TEST_F(RecorderTest, EnterTakesTypedBoundsAndUnticksAuto)
{
    plant.memories.MemoryUEMin[1] = "-50";
    plant.memories.MemoryUEMax[1] = "150";
    Pens(0, -1, -1);
    plant.memories.SetValue(1, 30.0);
    Tick();
    // Automatic: 1.1 x 30 = 33 % and 0.9 x 0 = 0 % (the unsampled positions) of -50..150.
    SetRecorderAutoScale(recorder, plant.memories, true);
    EXPECT_EQ(recorder.trend.eSupText, "16.0");
    EXPECT_EQ(recorder.trend.eInfText, "-50.0");
    plant.memories.SetValue(1, 22.0);
    Tick();
    EXPECT_EQ(NewestPoint(0), 133); // 2 x 22 x 100 / 33
    recorder.trend.eSupText = "50";
    recorder.trend.eInfText = "10";

    ASSERT_TRUE(EnterRecorderManualScale(recorder, plant.memories));

    EXPECT_FALSE(recorder.trend.EscalaAuto);
    EXPECT_EQ(recorder.trend.ScaleLabel(1), "14");
    // 10 and 50 are 30 % and 50 % of the range: a new 40 % stands halfway up the strip.
    plant.memories.SetValue(1, 40.0);
    Tick();
    EXPECT_EQ(NewestPoint(0), 100);
}

TEST_F(RecorderTest, ScaleLabelsOfASmallRangeTellTheirLinesApart)
{
    // Regression: a 0-14 pH pen labelled its grid "1 3 4 6 7 8 10 11 13".
    plant.memories.MemoryUEMax[23] = "14";
    Pens(22, -1, -1);
    ApplyRecorderSettings(recorder, plant.memories);
    EXPECT_EQ(recorder.trend.ScaleLabel(1), "1.4");
    EXPECT_EQ(recorder.trend.ScaleLabel(3), "4.2");
    EXPECT_EQ(recorder.trend.ScaleLabel(9), "12.6");
}

TEST_F(RecorderTest, Pen3OnAControllerOutputPairsTheLoop)
{
    // loop 3 with and without its controller, a renamed pen 2, not a controller output
    for (const auto &[present, pen2Name, pen3, pen1, pen2] : {std::tuple{true, "SP", 2, 22, 62},
                                                              {false, "SP", 2, 5, 62},
                                                              {true, "Vazão", 2, 22, 7},
                                                              {true, "SP", 10, 5, 7}}) {
        SCOPED_TRACE(testing::Message() << present << pen2Name << pen3);
        plant.controllers.present[3] = false;
        if (present)
            AddController(plant, 3, 22);
        const std::string name = pen2Name;
        Edit([&](RecorderSettings &s) {
            s.Variavel1Select = 5;
            s.Variavel2Select = 7;
            s.Edit2 = name;
        });
        SelectRecorderPen3(recorder, pen3, plant);
        EXPECT_EQ(recorder.Settings().Variavel3Select, pen3);
        EXPECT_EQ(recorder.Settings().Variavel1Select, pen1);
        EXPECT_EQ(recorder.Settings().Variavel2Select, pen2);
    }
}

TEST_F(RecorderTest, ReadoutUsesTheRecorderFormat)
{
    ApplyRecorderSettings(recorder, plant.memories);
    recorder.trend.eSupText = "100";
    recorder.trend.eInfText = "0";
    recorder.trend.TogglePause();
    ASSERT_TRUE(recorder.trend.Readout(100, 100));
    EXPECT_EQ(recorder.trend.ReadoutText(1), "Y: 50.0 %  T: 10.0 s");
    EXPECT_EQ(recorder.trend.ReadoutSlot(), 2);
}

std::vector<std::string> RecordOf(const Recorder &recorder)
{
    PlantTextWriter writer;
    SaveRecorderSection(recorder, writer);
    return writer.Lines();
}

TEST_F(RecorderTest, RecordOfRecorder203)
{
    Edit([](RecorderSettings &s) {
        s.TagText = "TR-3";
        s.DescricaoText = "Malha 1";
        s.Variavel1Select = 20;
        s.Variavel2Select = 60;
        s.Variavel3Select = 0;
    });
    recorder.trend.SetTimeBase(1);

    const std::vector<std::string> expected = {
        "=====<<<REGISTRADOR:203>>>=====",
        "{R/01} Tag:TR-3",
        "{R/02} Desc:Malha 1",
        "{R/03} Ind Lista Var1:20",
        "{R/04} Desc Var1:PV",
        "{R/05} Ind Lista Var2:60",
        "{R/06} Desc Var2:SP",
        "{R/07} Ind Lista Var3:0",
        "{R/08} Desc Var3:MV",
        "{R/09} Ind Lista Base Tempo:1",
    };
    EXPECT_EQ(RecordOf(recorder), expected);
}

TEST_F(RecorderTest, RecordReadsBackByLanguage)
{
    Edit([](RecorderSettings &s) {
        s.TagText = "TR|TR-EN";
        s.Edit1 = "Vazão|Flow";
        s.Variavel3Select = 124;
    });
    recorder.trend.SetTimeBase(2);
    const std::vector<std::string> lines = RecordOf(recorder);

    for (const auto &[language, tag, pen1Name] :
         {std::tuple{Language::Portuguese, "TR", "Vazão"}, {Language::English, "TR-EN", "Flow"}}) {
        PlantTextReader reader(lines);
        Recorder loaded(3);
        LoadRecorderSection(loaded, reader, language);
        ASSERT_FALSE(reader.Failed()) << reader.Error();
        EXPECT_TRUE(reader.AtEnd());
        EXPECT_EQ(loaded.Settings().TagText, tag);
        EXPECT_EQ(loaded.Settings().Edit1, pen1Name);
        EXPECT_EQ(loaded.Settings().Edit2, "SP");
        EXPECT_EQ(loaded.Settings().Variavel1Select, -1);
        EXPECT_EQ(loaded.Settings().Variavel2Select, -1);
        EXPECT_EQ(loaded.Settings().Variavel3Select, 124);
        EXPECT_EQ(loaded.trend.TimeBase(), 2);
    }
    EXPECT_EQ(lines[3], "{R/03} Ind Lista Var1:-1");
}

TEST_F(RecorderTest, RecordReaderRejectsWhatTheListsCannotHold)
{
    std::vector<std::string> lines = RecordOf(recorder);
    lines[3] = "{R/03} Ind Lista Var1:300";
    lines[5] = "{R/05} Ind Lista Var2:124";
    PlantTextReader reader(lines);
    Recorder loaded(3);
    LoadRecorderSection(loaded, reader, Language::Portuguese);
    ASSERT_FALSE(reader.Failed());
    EXPECT_EQ(loaded.Settings().Variavel1Select, -1);
    EXPECT_EQ(loaded.Settings().Variavel2Select, 124);

    lines[7] = "{R/07} Ind Lista Var3:2.5";
    PlantTextReader failing(lines);
    LoadRecorderSection(loaded, failing, Language::Portuguese);
    EXPECT_TRUE(failing.Failed());
    EXPECT_EQ(failing.ErrorLine(), 8);
}

} // namespace
} // namespace zelvar
