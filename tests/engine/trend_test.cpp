#include "engine/model/trend.h"

#include "engine/model/numbertext.h"

#include <gtest/gtest.h>

#include <cmath>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#ifdef __linux__
#include <sys/resource.h>
#endif

namespace zelvar {
namespace {

namespace fs = std::filesystem;

constexpr int kFixedTrace = 2;

TrendSample Sample(double upper, double lower = 0.0)
{
    TrendSample sample;
    sample.value = {upper, upper, lower, lower};
    return sample;
}

void FillRing(Trend &trend, double low, double high)
{
    for (int i = 0; i < Trend::kRingSize; ++i)
        trend.Record(Sample(i % 2 == 0 ? low : high));
}

std::string ReadFile(const fs::path &path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// A folder of its own per test, removed afterwards.
class TrendArchive : public ::testing::Test
{
protected:
    void SetUp() override
    {
        const auto *info = ::testing::UnitTest::GetInstance()->current_test_info();
        folder = fs::temp_directory_path() / (std::string("zelvar_trend_") + info->name());
        fs::remove_all(folder);
        fs::create_directories(folder);
    }
    void TearDown() override { fs::remove_all(folder); }

    fs::path folder;
    Trend trend;
};

TEST(Trend, The451stSampleOverwritesTheFirstPosition)
{
    Trend trend;
    trend.Record(Sample(0, 10));
    EXPECT_EQ(trend.PointOldestFirst(kFixedTrace, 0), 0); // not yet written
    EXPECT_EQ(trend.PointOldestFirst(kFixedTrace, 449), 20);
    for (int i = 2; i <= 451; ++i)
        trend.Record(Sample(0, i % 100));
    EXPECT_EQ(trend.RingPosition(), 1);
    EXPECT_EQ(trend.Point(kFixedTrace, 1), 102); // sample 451: 51 %
    // Drawing starts at position 2 (sample 2) and ends with the newest.
    EXPECT_EQ(trend.PointOldestFirst(kFixedTrace, 0), 4);
    EXPECT_EQ(trend.PointOldestFirst(kFixedTrace, 449), 102);
    EXPECT_EQ(trend.GridScrollOffset(), 451 % 30);
}

TEST(Trend, TimeBasesSampleEveryFirstThirdOrTwentiethCall)
{
    for (const auto &[timeBase, callsPerSample] : {std::pair{0, 1}, {1, 3}, {2, 20}}) {
        Trend trend;
        trend.SetTimeBase(timeBase);
        std::vector<int> sampledCalls;
        for (int call = 1; call <= 3 * callsPerSample; ++call) {
            if (trend.DueForSample())
                sampledCalls.push_back(call);
        }
        const int n = callsPerSample;
        EXPECT_EQ(sampledCalls, (std::vector<int>{n, 2 * n, 3 * n})) << timeBase;
    }
}

TEST(Trend, ATimeBaseChangeTakesEffectAtOnce)
{
    Trend trend;
    trend.SetTimeBase(2);
    for (int i = 0; i < 5; ++i)
        ASSERT_FALSE(trend.DueForSample());
    // The counter (6 on the next call) is already past the threshold of "9 segundos".
    trend.SetTimeBase(1);
    EXPECT_EQ(trend.ArchiveIndicatorText(), "Saving 0.3s sampling");
    EXPECT_TRUE(trend.DueForSample());
    EXPECT_EQ(trend.DecimationCounter(), 0);
}

TEST(Trend, PausedCountsButTakesNoSample)
{
    Trend trend;
    trend.TogglePause();
    EXPECT_FALSE(trend.DueForSample());
    EXPECT_FALSE(trend.DueForSample());
    EXPECT_EQ(trend.DecimationCounter(), 2);
    trend.EndPause();
    EXPECT_TRUE(trend.DueForSample());
}

TEST(Trend, ValuesBeyondTheScaleDrawOnTheEdgeLinesAndHalfPixelsGoToEven)
{
    Trend trend;
    TrendSample sample;
    sample.value = {150.0, -5.0, 100.25, 0.25};
    trend.Record(sample);
    EXPECT_EQ(trend.Point(0, 1), 200);
    EXPECT_EQ(trend.Point(1, 1), 0);
    EXPECT_EQ(trend.Point(2, 1), 200);
    EXPECT_EQ(trend.Point(3, 1), 0);       // half a pixel
    EXPECT_EQ(trend.History(0, 1), 150.0); // the history keeps the value as sampled
    trend.Record(Sample(0, 0.75));
    EXPECT_EQ(trend.Point(kFixedTrace, 2), 2);
}

TEST(Trend, AutomaticScaleSpansTheFirstHistoryWithMargins)
{
    Trend trend;
    FillRing(trend, 20.0, 60.0);
    trend.EscalaAuto = true;
    trend.ApplySettingsScale(50.0, 250.0);
    // 1.1 x 60 = 66 % and 0.9 x 20 = 18 % of a 50-250 scale: 182 and 86.
    EXPECT_EQ(trend.eSupText, "182.0");
    EXPECT_EQ(trend.eInfText, "86.0");
    EXPECT_DOUBLE_EQ(trend.ScaleTop(), 66.0);
    EXPECT_DOUBLE_EQ(trend.ScaleBottom(), 18.0);
    EXPECT_EQ(trend.ScaleLabel(5), "134");
    // 2 x (60 - 18) x 100 / 48 = 175 and 2 x 2 x 100 / 48 = 8.3.
    EXPECT_EQ(trend.Point(0, 2), 175);
    EXPECT_EQ(trend.Point(0, 1), 8);
    // A new sample on the new scale: 2 x (42 - 18) x 100 / 48 = 100.
    trend.Record(Sample(42.0));
    EXPECT_EQ(trend.Point(0, trend.RingPosition()), 100);
}

TEST(Trend, AutomaticScaleOnAFlatHistoryTakesTheFullRange)
{
    // Regression: a new strip's all-zero history gave a 0..0 scale, every trace on the bottom
    // line and every grid label 0.
    Trend trend;
    trend.EscalaAuto = true;
    trend.ApplySettingsScale(0.0, 200.0);
    EXPECT_DOUBLE_EQ(trend.ScaleTop(), 100.0);
    EXPECT_DOUBLE_EQ(trend.ScaleBottom(), 0.0);
    EXPECT_EQ(trend.eSupText, "200.0");
    EXPECT_EQ(trend.ScaleLabel(9), "180");
    trend.Record(Sample(50.0));
    EXPECT_EQ(trend.Point(0, 1), 100);
}

TEST(Trend, AMemoryRangeWithoutSpanDrawsAtTheBottom)
{
    Trend trend;
    trend.EscalaAuto = false;
    trend.ApplySettingsScale(5.0, 5.0);
    trend.Record(Sample(40.0));
    EXPECT_EQ(trend.Point(0, 1), 0);
    EXPECT_EQ(trend.ScaleLabel(1), " 5");
    EXPECT_TRUE(std::isfinite(trend.ScaleTop()));
}

TEST(Trend, FullRangeRedrawsFromTheHistories)
{
    Trend trend;
    trend.EscalaAuto = true;
    FillRing(trend, 20.0, 60.0);
    trend.ApplySettingsScale(0.0, 50.0);
    trend.EscalaAuto = false;
    trend.ApplySettingsScale(0.0, 50.0);
    EXPECT_EQ(trend.Point(0, 2), 120);
    EXPECT_EQ(trend.eSupText, "50.0");
    EXPECT_EQ(trend.eInfText, " 0.0");
    EXPECT_EQ(trend.ScaleLabel(9), "45");
    EXPECT_DOUBLE_EQ(trend.ScaleTop(), 100.0);
}

TEST(Trend, GridLabelsOfASmallScaleTakeTheDecimalsTheyNeed)
{
    // Regression: a 0-4 m level read "0 1 1 2 2 2 3 3 4", on the full range and when typed.
    Trend trend;
    trend.ApplySettingsScale(0.0, 4.0);
    EXPECT_EQ(trend.ScaleLabel(1), "0.4");
    EXPECT_EQ(trend.ScaleLabel(5), "2.0");
    EXPECT_EQ(trend.ScaleLabel(9), "3.6");
    trend.eSupText = "3";
    trend.eInfText = "1";
    ASSERT_TRUE(trend.ApplyManualScale(0.0, 4.0));
    EXPECT_EQ(trend.ScaleLabel(1), "1.2");
    EXPECT_EQ(trend.ScaleLabel(9), "2.8");
}

TEST(Trend, ManualScaleLabelsTheGridBetweenTheTypedBounds)
{
    Trend trend;
    FillRing(trend, 40.0, 40.0);
    trend.eSupText = "50";
    trend.eInfText = "10";
    // On a -50..150 range, 10 and 50 are 30 % and 50 %.
    ASSERT_TRUE(trend.ApplyManualScale(-50.0, 150.0));
    const char *expected[] = {"", "14", "18", "22", "26", "30", "34", "38", "42", "46"};
    for (int j = 1; j <= 9; ++j)
        EXPECT_EQ(trend.ScaleLabel(j), expected[j]) << j;
    EXPECT_EQ(trend.Point(0, 1), 100); // 40 % between 30 % and 50 %
    trend.Record(Sample(35.0));
    EXPECT_EQ(trend.Point(0, trend.RingPosition()), 50);
}

TEST(Trend, ManualScaleRefusesWhatIsNotARange)
{
    const std::pair<const char *, const char *> refused[]
        = {{"10", "50"}, {"50", "50"}, {"5x", "0"}, {"50", ""}, {"1,5", "0"}};
    for (const auto &[top, bottom] : refused) {
        Trend trend;
        trend.eSupText = top;
        trend.eInfText = bottom;
        EXPECT_FALSE(trend.ApplyManualScale(0.0, 100.0)) << top << " " << bottom;
        EXPECT_EQ(trend.ScaleLabel(9), "90");
        EXPECT_EQ(trend.ScaleTop(), 100.0);
        // The edits show the scale in force again.
        EXPECT_EQ(trend.eSupText, "100");
        EXPECT_EQ(trend.eInfText, "0");
    }
}

TEST(Trend, ARefusedScaleGivesTheEditsBackTheBoundsInForce)
{
    Trend trend;
    trend.eSupText = "50";
    trend.eInfText = "10";
    ASSERT_TRUE(trend.ApplyManualScale(0.0, 100.0));
    trend.eSupText = "abc";
    EXPECT_FALSE(trend.ApplyManualScale(0.0, 100.0));
    EXPECT_EQ(trend.eSupText, "50");
    EXPECT_EQ(trend.eInfText, "10");

    trend.ApplySettingsScale(0.0, 10000.0);
    trend.eInfText = "20000";
    EXPECT_FALSE(trend.ApplyManualScale(0.0, 10000.0));
    EXPECT_EQ(trend.eSupText, "10000.0");
    EXPECT_EQ(trend.eInfText, " 0.0");
}

std::string TestReadout(int slot, double value, double seconds)
{
    return FormatFixed(slot, 0, 0) + ":" + FormatFixed(value, 0, 3) + "@"
           + FormatFixed(seconds, 0, 3);
}

TEST(Trend, ReadoutOnlyWhilePausedAndCyclesThroughSixSlots)
{
    Trend trend(TestReadout);
    EXPECT_FALSE(trend.Readout(100, 50));
    EXPECT_EQ(trend.ReadoutText(1), "Ponto 1:");

    trend.SetTimeBase(1);
    trend.TogglePause();
    ASSERT_TRUE(trend.Readout(100, 50));
    // (100 - 0) / 100 x (200 - 50) / 2 = 75 at 100 pixels x 0.3 s.
    EXPECT_EQ(trend.ReadoutText(1), TestReadout(1, 75.0, 30.0));
    EXPECT_TRUE(trend.Marker(1).shown);
    EXPECT_EQ(trend.Marker(1).x, 100);
    EXPECT_EQ(trend.Marker(1).y, 50);
    for (int click = 2; click <= 6; ++click)
        trend.Readout(click, 200);
    EXPECT_EQ(trend.ReadoutSlot(), 1);
    EXPECT_EQ(trend.ReadoutText(6), TestReadout(6, 0.0, 1.8));
}

TEST_F(TrendArchive, NamesTheFileAfterTheTagAndWritesOneLinePerSample)
{
    ASSERT_EQ(trend.StartArchive(folder, "FIC-01", "PV;SP;MV", Language::Portuguese), "");
    ASSERT_TRUE(trend.Archiving());
    trend.ArchiveSample(12.5, 50.0, 100.0);
    trend.ArchiveSample(-0.004, 5.0, 0.0);
    trend.SetTimeBase(2); // locked while archiving, like the pause
    trend.TogglePause();
    EXPECT_EQ(trend.TimeBase(), 0);
    EXPECT_FALSE(trend.Paused());
    const std::string message = trend.StopArchive();
    const fs::path file = folder / "FIC-01_1.txt";
    EXPECT_EQ(message, "Data saved: " + fs::absolute(file).string());
    EXPECT_EQ(ReadFile(file),
              "Tempo (0.100 seg);PV;SP;MV\r\n"
              "0.00;12.50;50.00;100.00\r\n"
              "0.10;-0.00;5.00;0.00\r\n");
}

TEST_F(TrendArchive, HostileTagsNameAFileInsideTheChosenFolder)
{
    // Regression: the raw tag once made "../escape" write outside the folder and "a/b" fail.
    for (const auto &[tag, expected] : {std::pair{"../escape", ".._escape_1.txt"},
                                        {"a/b", "a_b_1.txt"},
                                        {"C:\\x*?", "C__x___1.txt"},
                                        {"/", "__1.txt"},
                                        {"\t<\">|", "______1.txt"},
                                        {"Forno 2", "Forno 2_1.txt"}}) {
        SCOPED_TRACE(tag);
        Trend archive;
        ASSERT_EQ(archive.StartArchive(folder, tag, "A;B;C", Language::English), "");
        archive.StopArchive();
        EXPECT_TRUE(fs::exists(folder / expected));
    }
    std::size_t files = 0;
    for ([[maybe_unused]] const auto &entry : fs::directory_iterator(folder))
        ++files;
    EXPECT_EQ(files, 6u);
    EXPECT_FALSE(fs::exists(folder.parent_path() / "escape_1.txt"));
}

TEST_F(TrendArchive, EachLineIsOnDiskOnceWritten)
{
    // Regression: lines once waited in an 8 KB buffer, lost on a crash and unseen by a reader.
    ASSERT_EQ(trend.StartArchive(folder, "T", "A;B;C", Language::English), "");
    trend.ArchiveSample(1, 2, 3);
    EXPECT_EQ(ReadFile(folder / "T_1.txt"), "Tempo (0.100 seg);A;B;C\r\n0.00;1.00;2.00;3.00\r\n");
    trend.ArchiveSample(4, 5, 6);
    EXPECT_EQ(ReadFile(folder / "T_1.txt"),
              "Tempo (0.100 seg);A;B;C\r\n0.00;1.00;2.00;3.00\r\n0.10;4.00;5.00;6.00\r\n");
}

TEST_F(TrendArchive, DecimalCommaReplacesTheFirstPointOfEachNumber)
{
    trend.UsarVirgula = true;
    ASSERT_EQ(trend.StartArchive(folder, "T", "PV;SP;MV", Language::English), "");
    trend.ArchiveSample(25.0, 1234.5, 100.0);
    trend.StopArchive();
    EXPECT_EQ(ReadFile(folder / "T_1.txt"),
              "Tempo (0.100 seg);PV;SP;MV\r\n0,00;25,00;1234,50;100,00\r\n");
}

TEST_F(TrendArchive, TheTimeColumnRunsOnAcrossArchives)
{
    trend.SetTimeBase(1);
    ASSERT_EQ(trend.StartArchive(folder, "T", "PV;SP;MV", Language::English), "");
    trend.ArchiveSample(1, 2, 3);
    trend.ArchiveSample(1, 2, 3);
    trend.StopArchive();
    ASSERT_EQ(trend.StartArchive(folder, "T", "PV;SP;MV", Language::English), "");
    trend.ArchiveSample(1, 2, 3);
    trend.StopArchive();
    EXPECT_EQ(ReadFile(folder / "T_1.txt"),
              "Tempo (0.300 seg);PV;SP;MV\r\n0.00;1.00;2.00;3.00\r\n0.30;1.00;2.00;3.00\r\n");
    EXPECT_EQ(ReadFile(folder / "T_2.txt"),
              "Tempo (0.300 seg);PV;SP;MV\r\n0.60;1.00;2.00;3.00\r\n");
}

TEST_F(TrendArchive, TimesAndHeaderTellTheRealSamplingInterval)
{
    // Regression: "9 segundos" sampled every 0.3 s but stamped and announced 0.334 s.
    constexpr double kTick = 0.1;
    for (int timeBase = 0; timeBase <= 2; ++timeBase) {
        SCOPED_TRACE(timeBase);
        Trend archive;
        archive.SetTimeBase(timeBase);
        const std::string tag = "B" + FormatFixed(timeBase, 0, 0);
        ASSERT_EQ(archive.StartArchive(folder, tag, "A;B;C", Language::English), "");
        std::vector<int> sampledTicks;
        for (int tick = 1; tick <= 200; ++tick) {
            if (!archive.DueForSample())
                continue;
            sampledTicks.push_back(tick);
            archive.ArchiveSample(1, 2, 3);
        }
        archive.StopArchive();
        std::istringstream file(ReadFile(folder / (tag + "_1.txt")));
        std::string header;
        std::getline(file, header);
        ASSERT_EQ(header.rfind("Tempo (", 0), 0u) << header;
        const double stated = ParseNumber(header.substr(7, header.find(' ', 7) - 7)).value;
        ASSERT_GE(sampledTicks.size(), 10u);
        EXPECT_NEAR(stated, (sampledTicks[1] - sampledTicks[0]) * kTick, 1e-9) << header;
        std::string line;
        for (const int tick : sampledTicks) {
            ASSERT_TRUE(std::getline(file, line));
            const double stamped = ParseNumber(line.substr(0, line.find(';'))).value;
            EXPECT_NEAR(stamped, (tick - sampledTicks[0]) * kTick, 0.005) << line;
        }
    }
}

TEST_F(TrendArchive, AFolderThatCannotTakeTheFileLeavesArchivingOff)
{
    const std::string message
        = trend.StartArchive(folder / "missing", "T", "A;B;C", Language::English);
    EXPECT_NE(message.find("Could not create the file"), std::string::npos);
    EXPECT_FALSE(trend.Archiving());
    trend.ArchiveSample(1, 2, 3); // not archiving: nothing happens
    EXPECT_EQ(trend.StopArchive(), "");
}

TEST_F(TrendArchive, ReplacingTheTrendClosesTheFileWithEveryLine)
{
    // Regression: deleting the owner or resetting the plant must not lose buffered lines.
    ASSERT_EQ(trend.StartArchive(folder, "T", "A;B;C", Language::English), "");
    for (int i = 0; i < 3; ++i)
        trend.ArchiveSample(i, i, i);
    trend = Trend();
    EXPECT_EQ(ReadFile(folder / "T_1.txt"),
              "Tempo (0.100 seg);A;B;C\r\n0.00;0.00;0.00;0.00\r\n0.10;1.00;1.00;1.00\r\n"
              "0.20;2.00;2.00;2.00\r\n");
}

#ifdef __linux__
TEST_F(TrendArchive, AFailedWriteStopsArchivingWithOneMessage)
{
    // A file-size limit makes the writes fail as a full disk would.
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit previous{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &previous), 0);
    ASSERT_EQ(trend.StartArchive(folder, "T", "A;B;C", Language::English), "");
    rlimit small = previous;
    small.rlim_cur = 64;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    for (int i = 0; i < 2000 && trend.Archiving(); ++i)
        trend.ArchiveSample(i, i, i);
    setrlimit(RLIMIT_FSIZE, &previous);
    std::signal(SIGXFSZ, previousHandler);

    EXPECT_FALSE(trend.Archiving());
    EXPECT_NE(trend.TakeArchiveMessage().find("Could not write the file"), std::string::npos);
    EXPECT_EQ(trend.TakeArchiveMessage(), "");
    EXPECT_EQ(trend.StopArchive(), "");
}
#endif

} // namespace
} // namespace zelvar
