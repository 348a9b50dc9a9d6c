#include "documents/model/plantfile.h"

#include "documents/model/plantoperations.h"
#include "engine/model/numbertext.h"
#include "engine/model/planttextfile.h"
#include "engine/model/steporder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cmath>
#include <csignal>
#include <cstdlib>
#include <deque>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <map>
#include <random>
#include <tuple>

#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace zelvar {
namespace {

const std::filesystem::path kGoldenFolder = std::filesystem::path(ZELVAR_TEST_DATA) / "plantfile";

std::string ReadBytes(const std::filesystem::path &path)
{
    std::ifstream file(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
}

// Compares with the golden file; ZELVAR_UPDATE_GOLDEN=1 rewrites it (then read the diff).
void ExpectGolden(const std::string &bytes, const std::string &name)
{
    const std::filesystem::path path = kGoldenFolder / name;
    if (std::getenv("ZELVAR_UPDATE_GOLDEN")) {
        std::filesystem::create_directories(path.parent_path());
        std::ofstream(path, std::ios::binary) << bytes;
    }
    ASSERT_TRUE(std::filesystem::exists(path)) << path;
    EXPECT_EQ(bytes, ReadBytes(path)) << name;
}

std::vector<std::string> Lines(const std::string &bytes)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < bytes.size()) {
        const std::size_t end = bytes.find("\r\n", start);
        lines.push_back(bytes.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}

PlantReadResult Read(const std::string &bytes, Language language = Language::Portuguese)
{
    PlantReadOptions options;
    options.language = language;
    options.fileBaseName = "minha planta";
    return ReadPlantText(bytes, options);
}

// A plant with an object in the first and the last slot of every pool, and some of every
// kind of presentation setting.
std::unique_ptr<Plant> MixedPlant()
{
    auto plant = std::make_unique<Plant>();
    SetTitle(*plant, "Caldeira");
    plant->PictureFileName = "caldeira.bmp";
    plant->memories.MemoryUnit[21] = "kg/h";
    plant->memories.MemoryUEMax[21] = "2500";
    for (const auto &[pool, first, last] : {std::tuple{ObjectPool::Controllers, 3, 10},
                                            std::tuple{ObjectPool::Processes, 1, 21},
                                            std::tuple{ObjectPool::Blocks, 1, 24},
                                            std::tuple{ObjectPool::Recorders, 1, 10},
                                            std::tuple{ObjectPool::AnimatedTexts, 1, 20}}) {
        SetInventoryChecked(*plant, pool, first, true);
        SetInventoryChecked(*plant, pool, last, true);
    }
    plant->processes[21].TagText = "LT-104";
    plant->processes[21].DescricaoText = "Nível do tubulão";
    plant->blocks[24].TagText = "FY-200";
    plant->controllers[3].LoadSettings([](ControllerSettings &s) { s.KpText = "2.5"; });
    // Every object as its Apply leaves it, as the reader does after each record.
    for (const int slot : {3, 10})
        plant->controllers[slot].ApplyControllerSettings(plant->memories, false);
    for (const int slot : {1, 21})
        ApplyProcessSettings(plant->processes[slot], plant->memories);
    for (const int slot : {1, 24})
        ApplyBlockSettings(plant->blocks[slot], plant->memories);
    for (const int slot : {1, 10})
        ApplyRecorderSettings(plant->recorders[slot], plant->memories);
    for (const int slot : {1, 20})
        ApplyTextSettings(plant->animatedTexts[slot], plant->memories);
    plant->controllers[3].co = 42.25;
    MoveObject(*plant, 4, 120, 300);
    SetSliderShown(*plant, 1, true);
    SetSliderName(*plant, 1, "Vazão de água");
    plant->memories.SetValue(15, 37.5);
    SetShapeShown(*plant, 2, true);
    plant->shapes[2].kind = 1;
    plant->shapes[2].colour2 = 0x00123456;
    SetSwitchShown(*plant, 1, true);
    SetSwitchOrientation(*plant, 1, 2);
    plant->memories.SetValue(11, 1);
    SetPushButtonChecked(*plant, 1, true);
    plant->pushButtons[1].name = "Bomba";
    plant->linearizer.Lin1Ativar = true;
    plant->linearizer.Lin1PV[3] = "55,5";
    plant->comments = {"Primeira linha", "", "Ação com acento"};
    plant->commentDisplay = true;
    RefreshMainWindow(*plant);
    return plant;
}

TEST(PlantFile, EmptyPlantIsWrittenAs411Lines)
{
    for (const Language language : {Language::Portuguese, Language::English}) {
        const Plant plant(language);
        const std::string bytes = WritePlantText(plant, language);
        const std::vector<std::string> lines = Lines(bytes);
        EXPECT_EQ(lines.size(), 411u);
        EXPECT_EQ(lines[2], "<<<Unidades Engenharia>>>");
        EXPECT_EQ(lines[3], "M15:%;0.00;100.00;0.00;100.00;");
        EXPECT_EQ(lines[85], "<<Tracks>>");
        EXPECT_EQ(lines[122], "<Controls>");
        EXPECT_EQ(lines.back(), "<END_COMMENTS>");
        ExpectGolden(bytes, language == Language::English ? "empty-en.smp" : "empty-pt.smp");
    }
}

TEST(PlantFile, MixedPlantReadsBackToTheSameBytes)
{
    const auto plant = MixedPlant();
    const std::string first = WritePlantText(*plant, Language::Portuguese);
    ExpectGolden(first, "mixed.smp");
    const PlantReadResult read = Read(first);
    ASSERT_TRUE(read.Succeeded()) << read.errorLine << ": " << read.error;
    EXPECT_EQ(WritePlantText(*read.plant, Language::Portuguese), first);

    const Plant &loaded = *read.plant;
    EXPECT_TRUE(loaded.controllers.IsPresent(3));
    EXPECT_TRUE(loaded.processes.IsPresent(21));
    EXPECT_EQ(loaded.processes[21].ObjectNumber, 71);
    EXPECT_TRUE(loaded.blocks.IsPresent(24));
    EXPECT_EQ(loaded.blocks[24].ObjectNumber, 78);
    EXPECT_EQ(loaded.recorders[10].ObjectNumber, 210);
    EXPECT_TRUE(loaded.animatedTexts.IsPresent(20));
    EXPECT_EQ(loaded.title, "Caldeira");
    EXPECT_TRUE(loaded.processIcons[21].visible);
    EXPECT_EQ(loaded.processIcons[21].caption, "LT-104");
    EXPECT_EQ(loaded.controllerIcons[3].left, 120);
    EXPECT_EQ(loaded.memories.Description(15), "Vazão de água");
    EXPECT_EQ(loaded.switches[1].visiblePicture, 6);
    EXPECT_EQ(loaded.shapes[2].colour2, 0x00123456);
    EXPECT_EQ(loaded.comments.size(), 3u);
    // The controller's output is in its memory before the first tick.
    EXPECT_EQ(loaded.memories.Value(3), 42.25);
}

TEST(PlantFile, GoldenFileFromDiskReadsAndWritesBackWhole)
{
    // Windows-1252 bytes above 127 in record labels ("Endereço") and CRLF line ends.
    const std::filesystem::path golden = kGoldenFolder / "mixed.smp";
    const PlantReadResult read = ReadPlantFile(golden.string(), Language::Portuguese);
    ASSERT_TRUE(read.Succeeded()) << read.errorLine << ": " << read.error;
    EXPECT_EQ(WritePlantText(*read.plant, Language::Portuguese), ReadBytes(golden));
}

TEST(PlantFile, ReaderReportsProgressAndCarriesTheUnitLevelState)
{
    Plant previous;
    previous.xyRecorder = XYRecorder();
    previous.signalGenerator.working[0].GeneratorSineTime = 12.5;
    std::vector<int> steps;
    PlantReadOptions options;
    options.previous = &previous;
    options.progress = [&steps](int percent) {
        steps.push_back(percent);
    };
    const PlantReadResult read
        = ReadPlantText(WritePlantText(*MixedPlant(), Language::Portuguese), options);
    ASSERT_TRUE(read.Succeeded());
    EXPECT_EQ(steps, (std::vector<int>{5, 10, 25, 45, 60, 70, 85, 95, 100}));
    EXPECT_EQ(read.plant->signalGenerator.working[0].GeneratorSineTime, 12.5);
}

TEST(PlantFile, BilingualLinesKeepTheCurrentLanguage)
{
    const auto plant = MixedPlant();
    SetTitle(*plant, "Caldeira|Boiler");
    const std::string bytes = WritePlantText(*plant, Language::Portuguese);
    EXPECT_EQ(Read(bytes, Language::English).plant->title, "Boiler");
    EXPECT_EQ(Read(bytes, Language::Portuguese).plant->title, "Caldeira");
    // A plant saved in Portuguese shows no comments in English.
    EXPECT_TRUE(Read(bytes, Language::English).plant->comments.empty());
    const std::string english = WritePlantText(*plant, Language::English);
    EXPECT_EQ(Read(english, Language::English).plant->comments, plant->comments);
    EXPECT_TRUE(Read(english, Language::Portuguese).plant->comments.empty());
}

// A text with bars reads as its language's part, which holds no bar, so from the first
// reopening on the plant writes the same file. An empty part takes the other: a controller tag
// "|FIC-101" reopened empty in Portuguese, and the controller fell back to its defaults.
TEST(PlantFile, BilingualTextsSettleAfterOneSaveAndAnEmptyPartTakesTheOther)
{
    const std::tuple<const char *, Language, const char *> cases[] = {
        {"Caldeira|Boiler|Kessel", Language::Portuguese, "Caldeira"},
        {"Caldeira|Boiler|Kessel", Language::English, "Boiler"},
        {"|FIC-101", Language::Portuguese, "FIC-101"},
        {"FIC-101|", Language::English, "FIC-101"},
        {"||FIC-101|", Language::English, "FIC-101"},
        {"||", Language::Portuguese, "||"},
    };
    for (const auto &[text, language, expected] : cases) {
        SCOPED_TRACE(text);
        const auto plant = MixedPlant();
        SetTitle(*plant, text);
        Controller &controller = plant->controllers[3];
        controller.EditSettings([&](ControllerSettings &s) { s.TagText = text; });
        ASSERT_TRUE(controller.ApplyControllerSettings(plant->memories, true).empty());

        const PlantReadResult first = Read(WritePlantText(*plant, language), language);
        ASSERT_TRUE(first.Succeeded()) << first.error;
        EXPECT_TRUE(first.applyMessages.empty()) << first.applyMessages.front();
        EXPECT_EQ(first.plant->title, expected);
        EXPECT_EQ(first.plant->controllers[3].AppliedTag(), expected);

        const std::string settled = WritePlantText(*first.plant, language);
        EXPECT_EQ(WritePlantText(*Read(settled, language).plant, language), settled);
    }
}

// An animated text switched to "Escalar" without a signal, and not applied since, runs on what
// it had; its Apply fails on reopening, which lost its description from the file for good.
TEST(PlantFile, AnimatedTextWhoseSettingsNoLongerApplyKeepsItsDescription)
{
    Plant plant;
    SetTitle(plant, "Caldeira");
    SetInventoryChecked(plant, ObjectPool::AnimatedTexts, 1, true);
    AnimatedText &text = plant.animatedTexts[1];
    text.Tipo = kEquacao;
    text.FuncaoTr = "M21/2";
    text.DescricaoText = "Vazão de vapor";
    ASSERT_TRUE(ApplyTextSettings(text, plant.memories));
    text.Tipo = kEscalar;

    const std::string bytes = WritePlantText(plant, Language::Portuguese);
    const PlantReadResult read = Read(bytes);
    ASSERT_TRUE(read.Succeeded()) << read.error;
    EXPECT_EQ(read.plant->animatedTexts[1].Label4, "Vazão de vapor");
    EXPECT_EQ(WritePlantText(*read.plant, Language::Portuguese), bytes);
}

TEST(PlantFile, EmptyTitleTakesTheFileName)
{
    Plant plant;
    std::string bytes = WritePlantText(plant, Language::Portuguese);
    const PlantReadResult read = Read(bytes);
    ASSERT_TRUE(read.Succeeded());
    EXPECT_EQ(read.plant->title, "minha planta");
    EXPECT_EQ(read.plant->caption, "minha planta");
}

TEST(PlantFile, OlderFormsWithoutUnitsOrSliders)
{
    const auto plant = MixedPlant();
    std::vector<std::string> lines = Lines(WritePlantText(*plant, Language::Portuguese));
    const auto join = [](const std::vector<std::string> &parts) {
        std::string bytes;
        for (const std::string &line : parts)
            bytes += line + "\r\n";
        return bytes;
    };
    std::vector<std::string> withoutUnits = lines;
    withoutUnits.erase(withoutUnits.begin() + 2, withoutUnits.begin() + 85);
    std::vector<std::string> withoutSliders = lines;
    withoutSliders.erase(withoutSliders.begin() + 85, withoutSliders.begin() + 122);
    std::vector<std::string> withoutBoth = withoutSliders;
    withoutBoth.erase(withoutBoth.begin() + 2, withoutBoth.begin() + 85);
    ASSERT_EQ(withoutBoth[2], "<Controls>");

    const PlantReadResult noUnits = Read(join(withoutUnits));
    ASSERT_TRUE(noUnits.Succeeded()) << noUnits.error;
    EXPECT_EQ(noUnits.plant->memories.MemoryUnit[21], "%");
    EXPECT_EQ(noUnits.plant->memories.MemoryUEMin[21], "0.00");
    EXPECT_EQ(noUnits.plant->memories.Description(15), "Vazão de água");

    const PlantReadResult noSliders = Read(join(withoutSliders));
    ASSERT_TRUE(noSliders.Succeeded()) << noSliders.error;
    EXPECT_EQ(noSliders.plant->memories.MemoryUnit[21], "kg/h");
    EXPECT_FALSE(noSliders.plant->sliders[1].shown);

    const PlantReadResult neither = Read(join(withoutBoth));
    ASSERT_TRUE(neither.Succeeded()) << neither.error;
    EXPECT_TRUE(neither.plant->processes.IsPresent(21));
}

TEST(PlantFile, UnitLinesFillEmptyFieldsWithDefaults)
{
    std::vector<std::string> lines = Lines(WritePlantText(Plant(), Language::Portuguese));
    lines[8] = "M20:kg/h;;;;;";
    std::string bytes;
    for (const std::string &line : lines)
        bytes += line + "\n"; // a file with LF line ends reads the same
    const PlantReadResult read = Read(bytes);
    ASSERT_TRUE(read.Succeeded());
    EXPECT_EQ(read.plant->memories.MemoryUnit[20], "kg/h");
    EXPECT_EQ(read.plant->memories.MemoryUEMin[20], "0.00");
    EXPECT_EQ(read.plant->memories.MemoryUEMax[20], "100.00");
    EXPECT_EQ(read.plant->memories.MemoryLIE[20], "0.00");
    EXPECT_EQ(read.plant->memories.MemoryLSE[20], "100.00");
}

TEST(PlantFile, UnitLinesWithARangeTooLargeToShowOpenWithTheDefaultRange)
{
    // Such ranges were once accepted by the variable list; their plants still open.
    std::vector<std::string> lines = Lines(WritePlantText(Plant(), Language::Portuguese));
    lines[8] = "M20:kg/h;-1e308;1e308;-5;5;";
    lines[9] = "M21:m;-1e300;1e300;0;1;";
    std::string bytes;
    for (const std::string &line : lines)
        bytes += line + "\r\n";
    const PlantReadResult read = Read(bytes);
    ASSERT_TRUE(read.Succeeded()) << read.error;
    const MemoryTable &m = read.plant->memories;
    EXPECT_EQ(m.MemoryUnit[20], "kg/h");
    EXPECT_EQ(m.MemoryUEMin[20], "0.00");
    EXPECT_EQ(m.MemoryUEMax[20], "100.00");
    EXPECT_EQ(m.MemoryLIE[20], "-5");
    EXPECT_EQ(m.MemoryLSE[20], "5");
    EXPECT_EQ(m.MemoryUEMin[21], "-1e300");
    EXPECT_EQ(m.MemoryUEMax[21], "1e300");
}

TEST(PlantFile, SliderValueLandsOnItsGrid)
{
    Plant plant;
    plant.memories.SetValue(15, 0.125);
    const PlantReadResult read = Read(WritePlantText(plant, Language::Portuguese));
    ASSERT_TRUE(read.Succeeded());
    // 12.5 goes to the even 12.
    EXPECT_EQ(read.plant->sliders[1].position, 12);
}

TEST(PlantFile, AShortSliderGroupReopensWithoutItsSlider)
{
    Plant plant;
    for (const int k : {1, 2}) {
        SetSliderShown(plant, k, true);
        SetSliderTall(plant, k, k == 1);
    }
    const PlantReadResult read = Read(WritePlantText(plant, Language::Portuguese));
    ASSERT_TRUE(read.Succeeded());
    EXPECT_TRUE(read.plant->sliders[1].barShown);
    EXPECT_FALSE(read.plant->sliders[2].tallSlider);
    EXPECT_FALSE(read.plant->sliders[2].barShown);
}

TEST(PlantFile, MalformedFilesFailWithTheirLine)
{
    const std::vector<std::string> lines
        = Lines(WritePlantText(*MixedPlant(), Language::Portuguese));
    const auto withLine = [&lines](std::size_t index, const std::string &text) {
        std::string bytes;
        for (std::size_t i = 0; i < lines.size(); ++i)
            bytes += (i == index ? text : lines[i]) + "\r\n";
        return bytes;
    };
    // The Top of slider group 1 must be a whole number.
    const PlantReadResult badTop = Read(withLine(88, "1x"));
    EXPECT_FALSE(badTop.Succeeded());
    EXPECT_EQ(badTop.errorLine, 89);
    EXPECT_FALSE(badTop.error.empty());

    std::string truncated;
    for (std::size_t i = 0; i < 200; ++i)
        truncated += lines[i] + "\r\n";
    const PlantReadResult early = Read(truncated);
    EXPECT_FALSE(early.Succeeded());
    EXPECT_GT(early.errorLine, 200);

    EXPECT_FALSE(Read("").Succeeded());
    std::mt19937 random(7);
    std::string binary(5000, '\0');
    for (char &c : binary)
        c = static_cast<char>(random());
    EXPECT_FALSE(Read(binary).Succeeded());
}

// The reader refuses what is plainly no plant before reading a line of it, so it never opens
// as an empty plant with a garbage title; any file that holds a section line still reads.
TEST(PlantFile, BytesThatAreNoPlantAreRefusedBeforeTheyAreRead)
{
    const std::string plant = WritePlantText(*MixedPlant(), Language::English);
    std::string withNul = plant;
    withNul.insert(withNul.find("<END_COMMENTS>"), std::string("\0\r\n", 3));
    std::string oversized = plant;
    oversized.resize(kMaxPlantFileBytes + 1, 'c');
    // Without a single section line the lines below would read as some plant.
    std::string noSection;
    for (const std::string &line : Lines(plant)) {
        if (line.starts_with('<') || line.starts_with("====="))
            noSection += "x\r\n";
        else
            noSection += line + "\r\n";
    }
    for (const auto &[name, bytes, error] :
         {std::tuple{"NulByte", withNul, "Not a plant file"},
          std::tuple{"NoSectionLine", noSection, "Not a plant file"},
          std::tuple{"OverTheBound", oversized, "The file is too large for a plant"}}) {
        SCOPED_TRACE(name);
        const PlantReadResult read = Read(bytes, Language::English);
        EXPECT_FALSE(read.Succeeded());
        EXPECT_EQ(read.errorLine, 0);
        EXPECT_EQ(read.error, error);
    }
    // One section line left in place is enough for the lines to read as a plant.
    std::string oneSection = noSection;
    oneSection.replace(oneSection.find("x\r\n"), 1, "<Controls>");
    EXPECT_TRUE(Read(oneSection, Language::English).Succeeded());
}

// Every value reaches an edit, a label or a window title, none of which takes megabytes, and
// the comment pane takes time that grows with the square of a paragraph: a line is cut to what
// an edit holds and the title to a memory text; what was cut then saves and reads back
// unchanged.
TEST(PlantFile, OverlongLinesAreCutToWhatTheirWidgetsHold)
{
    std::vector<std::string> lines = Lines(WritePlantText(*MixedPlant(), Language::Portuguese));
    const std::string longText(PlantTextReader::kMaxLineCharacters + 5000, 'x');
    lines[0] = longText;
    const auto tag = std::find(lines.begin(), lines.end(), "{P71/01} Tag:LT-104");
    ASSERT_NE(tag, lines.end());
    *tag = "{P71/01} Tag:" + longText;
    const auto comment = std::find(lines.begin(), lines.end(), "Primeira linha");
    ASSERT_NE(comment, lines.end());
    *comment = longText;
    std::string bytes;
    for (const std::string &line : lines)
        bytes += line + "\r\n";

    const PlantReadResult read = Read(bytes);

    ASSERT_TRUE(read.Succeeded()) << read.error;
    EXPECT_EQ(read.plant->title, longText.substr(0, MemoryTable::kMaxTextLength));
    EXPECT_EQ(read.plant->caption, read.plant->title);
    const std::string &cutTag = read.plant->processes[21].TagText;
    EXPECT_LT(cutTag.size(), PlantTextReader::kMaxLineCharacters);
    EXPECT_TRUE(longText.starts_with(cutTag));
    EXPECT_EQ(read.plant->comments.front(),
              longText.substr(0, PlantTextReader::kMaxLineCharacters));
    const std::string saved = WritePlantText(*read.plant, Language::Portuguese);
    const PlantReadResult again = Read(saved);
    ASSERT_TRUE(again.Succeeded()) << again.error;
    EXPECT_TRUE(WritePlantText(*again.plant, Language::Portuguese) == saved);
}

// A tag or a description longer than its edit holds made the object's window as wide as its
// title and its save wrote more than the window showed: each comes back as its edit holds it.
TEST(PlantFile, TagsAndDescriptionsAreCutToWhatAMemoryTextKeeps)
{
    const std::vector<std::string> lines
        = Lines(WritePlantText(*MixedPlant(), Language::Portuguese));
    const std::string longText(5000, 'd');
    const std::string kept = longText.substr(0, MemoryTable::kMaxTextLength);
    using Field = std::function<std::string(const Plant &)>;
    const std::vector<std::tuple<const char *, Field>> rows = {
        {"{C03/01} Tag:",
         [](const Plant &p) {
             return p.controllers[3].Settings().TagText;
         }},
        {"{C03/02} Desc:",
         [](const Plant &p) {
             return p.controllers[3].Settings().Descricao;
         }},
        {"{P71/01} Tag:",
         [](const Plant &p) {
             return p.processes[21].TagText;
         }},
        {"{P71/02} Desc:",
         [](const Plant &p) {
             return p.processes[21].DescricaoText;
         }},
        {"{B78/01} Tag:",
         [](const Plant &p) {
             return p.blocks[24].TagText;
         }},
        {"{B78/02} Desc:",
         [](const Plant &p) {
             return p.blocks[24].DescricaoText;
         }},
        {"{R/01} Tag:",
         [](const Plant &p) {
             return p.recorders[1].Settings().TagText;
         }},
        {"{R/02} Desc:",
         [](const Plant &p) {
             return p.recorders[1].Settings().DescricaoText;
         }},
        {"{T/01} Desc:",
         [](const Plant &p) {
             return p.animatedTexts[1].DescricaoText;
         }},
    };
    for (const auto &[prefix, field] : rows) {
        SCOPED_TRACE(prefix);
        std::vector<std::string> edited = lines;
        const auto line = std::find_if(edited.begin(), edited.end(), [&](const std::string &l) {
            return l.starts_with(prefix);
        });
        ASSERT_NE(line, edited.end());
        *line = prefix + longText;
        std::string bytes;
        for (const std::string &each : edited)
            bytes += each + "\r\n";
        const PlantReadResult result = Read(bytes);
        ASSERT_TRUE(result.Succeeded()) << result.error;
        EXPECT_EQ(field(*result.plant), kept);
    }
}

TEST(PlantFile, PictureKeepsOnlyItsFileName)
{
    EXPECT_EQ(PictureFileNameOf("/home/ana/plantas/caldeira.bmp"), "caldeira.bmp");
    EXPECT_EQ(PictureFileNameOf("C:\\fundo.bmp"), "fundo.bmp");
    EXPECT_EQ(PictureFileNameOf("fundo.bmp"), "fundo.bmp");
}

// Comment lines that equal a marker of the comment section, in both languages.
TEST(PlantFile, CommentsEqualToTheirMarkersComeBackWhole)
{
    const std::vector<std::string> comments = {"<FIM_COMENTARIOS>",
                                               "<BEGIN_COMMENTS>",
                                               "depois do marcador",
                                               "<END_COMMENTS>",
                                               "<INICIO_COMENTARIOS>",
                                               ""};
    for (const Language language : {Language::Portuguese, Language::English}) {
        Plant plant(language);
        SetTitle(plant, "Notas");
        plant.comments = comments;
        const std::string bytes = WritePlantText(plant, language);
        const PlantReadResult read = Read(bytes, language);
        ASSERT_TRUE(read.Succeeded()) << read.error;
        EXPECT_EQ(read.plant->comments, comments);
        EXPECT_EQ(WritePlantText(*read.plant, language), bytes);
    }
    // A line ending in a lone carriage return is saved with a blank, then stays as it is.
    Plant plant;
    SetTitle(plant, "Notas");
    plant.comments = {"linha\r", "fim"};
    const std::string bytes = WritePlantText(plant, Language::Portuguese);
    const PlantReadResult read = Read(bytes);
    ASSERT_TRUE(read.Succeeded());
    EXPECT_EQ(read.plant->comments, (std::vector<std::string>{"linha ", "fim"}));
    EXPECT_EQ(WritePlantText(*read.plant, Language::Portuguese), bytes);
}

// A file not written by this program: each block ends at its marker or at the end.
TEST(PlantFile, ForeignCommentBlocksEndAtTheirMarkers)
{
    std::string bytes = WritePlantText(Plant(), Language::Portuguese);
    bytes = bytes.substr(0, bytes.rfind("<INICIO_COMENTARIOS>"));
    bytes += "<INICIO_COMENTARIOS>\r\numa\r\n<FIM_COMENTARIOS>\r\n<BEGIN_COMMENTS>\r\none\r\n";
    EXPECT_EQ(Read(bytes).plant->comments, (std::vector<std::string>{"uma"}));
    EXPECT_EQ(Read(bytes, Language::English).plant->comments, (std::vector<std::string>{"one"}));
}

// An empty folder in the temporary folder, holding one empty folder.
std::filesystem::path FreshFolder(const std::string &name, const std::string &inside)
{
    const std::filesystem::path folder = std::filesystem::temp_directory_path() / name;
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder / inside);
    return folder;
}

// The fuzzer's seeds that once exposed a fault: each reads as a plant or as an error with its
// line, and a plant read from one saves to a file that reads back to the same bytes.
TEST(PlantFile, FilesThatExposedFaultsReadAndSaveStably)
{
    for (const char *name :
         {"fault-line-break-in-tag.smp", "fault-comment-markers.smp", "fault-rejected-apply.smp"}) {
        SCOPED_TRACE(name);
        const PlantReadResult read = Read(ReadBytes(kGoldenFolder / name));
        if (!read.Succeeded()) {
            EXPECT_GT(read.errorLine, 0);
            continue;
        }
        const std::string saved = WritePlantText(*read.plant, Language::Portuguese);
        const PlantReadResult again = Read(saved);
        ASSERT_TRUE(again.Succeeded()) << again.errorLine << ": " << again.error;
        EXPECT_TRUE(again.applyMessages.empty());
        EXPECT_TRUE(WritePlantText(*again.plant, Language::Portuguese) == saved);
    }
    // An old file holding a rejected function: reported once, and not saved again.
    const PlantReadResult rejected = Read(ReadBytes(kGoldenFolder / "fault-rejected-apply.smp"));
    ASSERT_TRUE(rejected.Succeeded());
    EXPECT_EQ(rejected.applyMessages, (std::vector<std::string>{"Bloco 78: Função inválida"}));
    EXPECT_EQ(rejected.plant->blocks[24].FunctionText.Text(), "");
}

// Regression: a controller ticked into a plant ran with no gain, no reset time and no output
// limit while its record wrote the defaults its window shows, and one whose first Apply was
// refused ran with the derivative on the error while it reopened with it on the PV.
TEST(PlantFile, AControllerTickedIntoAnExampleRunsAsItReopens)
{
    struct Case
    {
        const char *name;
        std::function<void(ControllerSettings &)> edit; // applied once when given
    };
    const std::vector<Case> cases = {
        {"never applied", nullptr},
        {"first Apply refused",
         [](ControllerSettings &s) {
             s.KpText = "abc";
             s.KdText = "1";
         }},
    };
    const std::filesystem::path example
        = std::filesystem::path(ZELVAR_SOURCE_DIR)
          / "resources/examples/basic flow loop/basic flow loop.smp";
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        const PlantReadResult opened = ReadPlantFile(example.string(), Language::Portuguese);
        ASSERT_TRUE(opened.Succeeded()) << opened.error;
        Plant &running = *opened.plant;
        SetInventoryChecked(running, ObjectPool::Controllers, 2, true);
        Controller &pid2 = running.controllers[2];
        if (c.edit) {
            pid2.EditSettings(c.edit);
            ASSERT_EQ(pid2.ApplyControllerSettings(running.memories, true),
                      std::vector<std::string>{"Controlador 2: Kp inválido"});
        }
        TypeSetpointText(pid2, "100");
        EnterSetpointText(pid2);
        ToggleAutoManual(pid2);
        ASSERT_EQ(pid2.Setpoint, 100.0);

        PlantReadOptions options;
        options.previous = &running;
        const PlantReadResult reopened
            = ReadPlantText(WritePlantText(running, Language::Portuguese), options);
        ASSERT_TRUE(reopened.Succeeded()) << reopened.error;
        StepContext context;
        for (int step = 0; step < 100; ++step) {
            StepPlant(running, context);
            StepPlant(*reopened.plant, context);
            ASSERT_EQ(running.memories.Value(2), reopened.plant->memories.Value(2))
                << "CO at step " << step;
        }
        // The setpoint far above the flow drives the output to its upper limit.
        EXPECT_EQ(running.memories.Value(2), 100.0);
    }
}

TEST(PlantFile, SaveIsAtomicAndReportsFailure)
{
    const std::filesystem::path folder
        = std::filesystem::temp_directory_path() / "zelvar-plantfile-test";
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    const std::string path = (folder / "planta.smp").string();
    std::string error;
    const auto plant = MixedPlant();
    ASSERT_TRUE(SavePlantFile(*plant, path, Language::Portuguese, error)) << error;
    EXPECT_EQ(ReadBytes(path), WritePlantText(*plant, Language::Portuguese));
    EXPECT_FALSE(std::filesystem::exists(path + ".tmp"));

    const PlantReadResult read = ReadPlantFile(path, Language::Portuguese);
    ASSERT_TRUE(read.Succeeded()) << read.error;
    EXPECT_EQ(read.plant->title, "Caldeira");

    // A folder that does not exist: the save fails and says so.
    EXPECT_FALSE(SavePlantFile(
        *plant, (folder / "missing" / "x.smp").string(), Language::Portuguese, error));
    EXPECT_FALSE(error.empty());
    EXPECT_FALSE(ReadPlantFile((folder / "absent.smp").string(), Language::English).Succeeded());
    std::filesystem::remove_all(folder);
}

TEST(PlantFile, AFolderOrAnUnreadableFileIsAFailureThatSaysSo)
{
    const std::filesystem::path folder = FreshFolder("zelvar-plantfile-unreadable", "x.smp");
    const PlantReadResult fromFolder
        = ReadPlantFile((folder / "x.smp").string(), Language::Portuguese);
    EXPECT_FALSE(fromFolder.Succeeded());
    EXPECT_EQ(fromFolder.errorLine, 0);
    EXPECT_EQ(fromFolder.error, "Não foi possível ler o arquivo");
    EXPECT_EQ(ReadPlantFile((folder / "absent.smp").string(), Language::Portuguese).error,
              "Arquivo não encontrado");
    std::filesystem::remove_all(folder);
}

TEST(PlantFile, SavingThroughALinkReplacesItsTargetAndKeepsTheLink)
{
    const std::filesystem::path folder = FreshFolder("zelvar-plantfile-link", "plantas");
    const std::filesystem::path target = folder / "plantas" / "caldeira.smp";
    const std::filesystem::path link = folder / "atalho.smp";
    {
        std::ofstream(target, std::ios::binary) << "old";
    }
    std::filesystem::create_symlink(target, link);

    std::string error;
    const auto plant = MixedPlant();
    ASSERT_TRUE(SavePlantFile(*plant, link.string(), Language::Portuguese, error)) << error;
    EXPECT_TRUE(std::filesystem::is_symlink(link));
    EXPECT_EQ(ReadBytes(target), WritePlantText(*plant, Language::Portuguese));
    EXPECT_FALSE(std::filesystem::exists(target.string() + ".tmp"));

    // A failure names the plant file the user chose, never the temporary one.
    std::filesystem::permissions(folder / "plantas",
                                 std::filesystem::perms::owner_read
                                     | std::filesystem::perms::owner_exec);
    const bool saved = SavePlantFile(*plant, link.string(), Language::Portuguese, error);
    std::filesystem::permissions(folder / "plantas", std::filesystem::perms::owner_all);
    if (!saved) { // as root every folder is writable
        EXPECT_NE(error.find(link.string()), std::string::npos) << error;
        EXPECT_EQ(error.find(".tmp"), std::string::npos) << error;
        EXPECT_EQ(ReadBytes(target), WritePlantText(*plant, Language::Portuguese));
    }
    std::filesystem::remove_all(folder);
}

// A folder of its own per test, so parallel runs never meet.
std::filesystem::path UniqueFolder()
{
    std::string pattern = (std::filesystem::temp_directory_path() / "zelvar-plantfile-XXXXXX");
    EXPECT_NE(::mkdtemp(pattern.data()), nullptr);
    return pattern;
}

// Everything a save could disturb in a folder: each entry's kind, link target, bytes, mode,
// owner and group.
std::map<std::string, std::string> FolderState(const std::filesystem::path &folder)
{
    std::map<std::string, std::string> state;
    for (const auto &entry : std::filesystem::directory_iterator(folder)) {
        struct stat status = {};
        ::lstat(entry.path().c_str(), &status);
        std::string description = std::to_string(status.st_mode) + " "
                                  + std::to_string(status.st_uid) + ":"
                                  + std::to_string(status.st_gid) + " ";
        if (S_ISLNK(status.st_mode))
            description += "-> " + std::filesystem::read_symlink(entry.path()).string();
        else if (S_ISREG(status.st_mode))
            description += ReadBytes(entry.path());
        state[entry.path().filename().string()] = description;
    }
    return state;
}

std::uintmax_t ModeOf(const std::filesystem::path &path)
{
    struct stat status = {};
    ::lstat(path.c_str(), &status);
    return status.st_mode & 07777;
}

struct WriterAttack
{
    const char *name;
    // Prepares the folder; the plant file is "planta.smp" in it.
    std::function<void(const std::filesystem::path &folder)> arrange;
    // The temporary names the writer is given in turn; none: its own.
    std::vector<std::string> temporaryNames;
    bool saves;
};

void WriteFile(const std::filesystem::path &path, const std::string &bytes, unsigned mode = 0644)
{
    std::ofstream(path, std::ios::binary) << bytes;
    ::chmod(path.c_str(), mode);
}

// Whatever lies at the names a save uses, the save touches the plant file and nothing else:
// no file is overwritten through a link, no user file at a temporary name is lost, no file
// appears where a dangling link points, and a plant nobody may write stays as it is.
TEST(PlantFile, WriterAttacksTouchNothingButThePlantFile)
{
    const auto linkTo = [](const char *target, const char *name) {
        return [target, name](const std::filesystem::path &folder) {
            WriteFile(folder / "victim.txt", "the user's own file");
            WriteFile(folder / "planta.smp", "an older plant");
            std::filesystem::create_symlink(folder / target, folder / name);
        };
    };
    const auto plantWithMode = [](unsigned mode) {
        return [mode](const std::filesystem::path &folder) {
            WriteFile(folder / "planta.smp", "an older plant", mode);
        };
    };
    const std::vector<WriterAttack> attacks = {
        {"LinkAtTheOldFixedTemporaryName", linkTo("victim.txt", "planta.smp.tmp"), {}, true},
        {"LinkAtTheDrawnTemporaryName",
         linkTo("victim.txt", "drawn.tmp"),
         {"drawn.tmp", "second.tmp"},
         true},
        {"DanglingLinkAtTheDrawnTemporaryName",
         linkTo("nowhere.txt", "drawn.tmp"),
         {"drawn.tmp", "second.tmp"},
         true},
        {"UserFileAtTheDrawnTemporaryName",
         [](const std::filesystem::path &folder) {
             WriteFile(folder / "drawn.tmp", "the user's notes");
         },
         {"drawn.tmp", "drawn.tmp", "third.tmp"},
         true},
        {"DanglingLinkAtThePlantName",
         [](const std::filesystem::path &folder) {
             std::filesystem::create_symlink(folder / "elsewhere.smp", folder / "planta.smp");
         },
         {},
         true},
        {"PlantOfMode0600", plantWithMode(0600), {}, true},
        {"ReadOnlyPlant", plantWithMode(0444), {}, false},
        {"PipeAtThePlantName",
         [](const std::filesystem::path &folder) {
             ASSERT_EQ(::mkfifo((folder / "planta.smp").c_str(), 0644), 0);
         },
         {},
         false},
    };
    const auto plant = MixedPlant();
    const std::string bytes = WritePlantText(*plant, Language::Portuguese);
    for (const WriterAttack &attack : attacks) {
        SCOPED_TRACE(attack.name);
        const std::filesystem::path folder = UniqueFolder();
        attack.arrange(folder);
        const std::string plantName = "planta.smp";
        const std::filesystem::path path = folder / plantName;
        const bool plantBefore
            = std::filesystem::is_regular_file(std::filesystem::symlink_status(path));
        const std::uintmax_t modeBefore = ModeOf(path);
        std::map<std::string, std::string> expected = FolderState(folder);
        std::deque<std::string> names(attack.temporaryNames.begin(), attack.temporaryNames.end());
        TemporaryNameSource scripted;
        if (!names.empty()) {
            scripted = [&names] {
                std::string next = names.front();
                if (names.size() > 1)
                    names.pop_front();
                return next;
            };
        }

        std::string error;
        const bool saved
            = SavePlantFile(*plant, path.string(), Language::Portuguese, error, scripted);

        EXPECT_EQ(saved, attack.saves) << error;
        std::map<std::string, std::string> after = FolderState(folder);
        if (saved) {
            EXPECT_EQ(ReadBytes(path), bytes);
            EXPECT_TRUE(std::filesystem::is_regular_file(std::filesystem::symlink_status(path)));
            if (plantBefore) {
                EXPECT_EQ(ModeOf(path), modeBefore);
            }
            after.erase(plantName);
            expected.erase(plantName);
        } else {
            EXPECT_EQ(error, "Não foi possível gravar " + path.string());
        }
        EXPECT_EQ(after, expected);
        std::filesystem::remove_all(folder);
    }
}

// The owner and group of a replaced plant file stay; only the superuser may give a file to
// another owner, so only it can check this.
TEST(PlantFile, SaveKeepsTheOwnerAndGroupOfThePlantFile)
{
    if (::geteuid() != 0)
        GTEST_SKIP() << "needs the superuser";
    const std::filesystem::path folder = UniqueFolder();
    const std::filesystem::path path = folder / "planta.smp";
    WriteFile(path, "an older plant", 0640);
    ASSERT_EQ(::chown(path.c_str(), 4321, 4322), 0);

    std::string error;
    ASSERT_TRUE(SavePlantFile(*MixedPlant(), path.string(), Language::Portuguese, error)) << error;

    struct stat status = {};
    ASSERT_EQ(::stat(path.c_str(), &status), 0);
    EXPECT_EQ(status.st_uid, 4321u);
    EXPECT_EQ(status.st_gid, 4322u);
    EXPECT_EQ(status.st_mode & 07777, 0640u);
    std::filesystem::remove_all(folder);
}

// A save that fails after its temporary file exists (here the file size limit stops the
// write) leaves the folder as it found it.
TEST(PlantFile, FailedSaveRemovesItsTemporaryFile)
{
    const std::filesystem::path folder = UniqueFolder();
    const std::filesystem::path path = folder / "planta.smp";
    WriteFile(path, "an older plant");
    const std::map<std::string, std::string> before = FolderState(folder);
    struct rlimit limit = {};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &limit), 0);
    const struct rlimit small = {100, limit.rlim_max};
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);

    std::string error;
    const bool saved = SavePlantFile(*MixedPlant(), path.string(), Language::Portuguese, error);

    ::setrlimit(RLIMIT_FSIZE, &limit);
    std::signal(SIGXFSZ, previousHandler);
    EXPECT_FALSE(saved);
    EXPECT_EQ(error, "Não foi possível gravar " + path.string());
    EXPECT_EQ(FolderState(folder), before);
    std::filesystem::remove_all(folder);
}

// A name of exactly the given bytes: an "x", the character repeated, "x" to fill, ".smp". The
// leading "x" puts the longest cut of the multibyte rows inside a character.
std::string NameOfBytes(const std::string &character, std::size_t bytes)
{
    std::string name = "x";
    while (name.size() + character.size() + 4 <= bytes)
        name += character;
    name.append(bytes - 4 - name.size(), 'x');
    return name + ".smp";
}

const struct LongName
{
    const char *name;
    std::string plantName;
} kLongNames[] = {
    {"short", "planta.smp"},
    {"ascii of the longest name", NameOfBytes("a", NAME_MAX)},
    {"two-byte characters", NameOfBytes("\xC3\xA7", NAME_MAX)},
    {"three-byte characters", NameOfBytes("\xE2\x82\xAC", NAME_MAX)},
    {"four-byte characters", NameOfBytes("\xF0\x9F\x94\xA5", NAME_MAX)},
};

TEST(PlantFile, TemporaryNameFitsTheLongestNameWithoutCuttingACharacter)
{
    const std::string drawn = "Ab3dEf6hIj9kLm";
    for (const LongName &row : kLongNames) {
        SCOPED_TRACE(row.name);
        const std::string suffix = "." + drawn + ".tmp";

        const std::string name = TemporaryFileName(row.plantName, drawn);

        EXPECT_LE(name.size(), std::size_t{NAME_MAX});
        ASSERT_GE(name.size(), suffix.size());
        EXPECT_EQ(name.substr(name.size() - suffix.size()), suffix);
        const std::string kept = name.substr(0, name.size() - suffix.size());
        EXPECT_EQ(row.plantName.substr(0, kept.size()), kept);
        // No more cut than a character's remainder.
        EXPECT_GT(kept.size() + 4, std::min(row.plantName.size(), NAME_MAX - suffix.size()));
        if (kept.size() < row.plantName.size()) {
            EXPECT_NE(static_cast<unsigned char>(row.plantName[kept.size()]) & 0xC0, 0x80);
        }
    }
}

// A plant name of 236 to 255 bytes is legal, yet its temporary file was too long to create.
TEST(PlantFile, APlantSavedUnderTheLongestNameIsWrittenAndReadsBack)
{
    const auto plant = MixedPlant();
    for (const LongName &row : kLongNames) {
        SCOPED_TRACE(row.name);
        const std::filesystem::path folder = UniqueFolder();
        const std::filesystem::path path = folder / row.plantName;

        std::string error;
        const bool saved = SavePlantFile(*plant, path.string(), Language::Portuguese, error);

        EXPECT_TRUE(saved) << error;
        const PlantReadResult read = ReadPlantFile(path.string(), Language::Portuguese);
        ASSERT_TRUE(read.Succeeded()) << read.error;
        EXPECT_EQ(read.plant->title, "Caldeira");
        // The plant file alone: no temporary file stays behind.
        const std::map<std::string, std::string> state = FolderState(folder);
        ASSERT_EQ(state.size(), 1u);
        EXPECT_EQ(state.begin()->first, row.plantName);
        std::filesystem::remove_all(folder);
    }
}

} // namespace
} // namespace zelvar

namespace zelvar {
namespace {

// A loop with derivative on PV, a process with dead time and a block between them, settled.
std::unique_ptr<Plant> SettledLoop()
{
    auto plant = std::make_unique<Plant>();
    CreateObject(*plant, ObjectPool::Processes, 1);
    CreateObject(*plant, ObjectPool::Blocks, 1);
    CreateObject(*plant, ObjectPool::Controllers, 1);
    ProcessModel &process = plant->processes[1];
    process.EntradaSelect = 0; // M01
    process.GanhoText = "1.5";
    process.TempoMorto = "3";
    process.LText.SetText("8");
    process.Ctext.SetText("2");
    EXPECT_TRUE(ApplyProcessSettings(process, plant->memories).empty());
    CalculationBlock &block = plant->blocks[1];
    block.FuncaoTr = "M21*0.9+5";
    EXPECT_TRUE(ApplyBlockSettings(block, plant->memories).empty());
    Controller &controller = plant->controllers[1];
    controller.LoadSettings([](ControllerSettings &s) {
        s.VariavelSelect = 40; // M41
        s.KpText = "1.2";
        s.KiText = "6";
        s.KdText = "1.5";
        s.tfText = "0.5";
        s.DerivadaGroup = 1;
    });
    EXPECT_TRUE(controller.ApplyControllerSettings(plant->memories, true).empty());
    controller.automatic = true;
    controller.Setpoint = 55.0;
    StepContext context;
    for (int step = 0; step < 6000; ++step)
        StepPlant(*plant, context);
    return plant;
}

// The largest move of any memory over 600 steps, from the values at save time.
double LargestMove(Plant &plant, const MemoryTable &saved)
{
    StepContext context;
    double largest = 0.0;
    for (int step = 0; step < 600; ++step) {
        StepPlant(plant, context);
        for (int k = 1; k <= MemoryTable::kMemoryCount; ++k)
            largest = std::max(largest, std::abs(plant.memories.Value(k) - saved.Value(k)));
    }
    return largest;
}

TEST(PlantFileSteadyState, APlantSavedAtRestOpensAtRest)
{
    const auto settled = SettledLoop();
    ASSERT_NEAR(settled->memories.Value(41), 55.0, 0.05) << "the loop did not settle";
    const std::string bytes = WritePlantText(*settled, Language::Portuguese);

    PlantReadResult read = Read(bytes);
    ASSERT_TRUE(read.Succeeded()) << read.error;
    constexpr double kTolerance = 0.5; // percent of range
    const double settledMove = LargestMove(*read.plant, settled->memories);
    EXPECT_LT(settledMove, kTolerance);

    // Regression guard: what the file alone restores makes the same plant jump.
    PlantReadOptions bare;
    bare.fileBaseName = "x";
    bare.settleRestoredStates = false;
    PlantReadResult unsettled = ReadPlantText(bytes, bare);
    ASSERT_TRUE(unsettled.Succeeded());
    const double bareMove = LargestMove(*unsettled.plant, settled->memories);
    EXPECT_GT(bareMove, kTolerance) << settledMove;
}

// Processes on constant inputs through every valve stage (backlash, stiction, rate limit,
// actuator lag) and each transfer function, a linearizer on a process output and blocks
// reading its M13, run until they rest.
std::unique_ptr<Plant> ValveStagesAtRest()
{
    auto plant = std::make_unique<Plant>();
    Plant &p = *plant;
    MoveSlider(p, 1, 4003); // M15: 40.03 %, between the backlash's tenths
    MoveSlider(p, 2, 0);    // M16: 0 %, where an integrator rests
    for (int slot = 1; slot <= 5; ++slot) {
        CreateObject(p, ObjectPool::Processes, slot);
        ProcessModel &process = p.processes[slot];
        const bool integrator = slot == 4;
        process.EntradaSelect = integrator ? 15 : 14;
        process.ComboBox2
            = slot <= 4 ? slot - 1 : 2; // two lags, under-damped, lead-lag, integrator
        process.ComboBox1 = integrator ? 0 : slot % 5; // every valve curve
        process.Histerese = "1";
        process.valveStext = "0.5";
        process.ratetext.SetText("5");
        process.tal = "1";
        process.TempoMorto = "2";
        process.GanhoText = "0.8";
        process.NCText = "1";
        process.PeriodoText = "10";
        process.LEAD.SetText(slot == 5 ? "0" : "2");
        process.LAG.SetText("5");
        EXPECT_TRUE(ApplyProcessSettings(process, p.memories).empty()) << slot;
    }
    p.linearizer.Lin1Ativar = true;
    p.linearizer.Lin1EndEnt = "21 MV";
    for (int slot = 1; slot <= 2; ++slot) {
        CreateObject(p, ObjectPool::Blocks, slot);
        p.blocks[slot].FuncaoTr = slot == 1 ? "M13" : "M13*0.5+M22";
        EXPECT_TRUE(ApplyBlockSettings(p.blocks[slot], p.memories).empty());
    }
    StepContext context;
    for (int step = 0; step < 12000; ++step)
        StepPlant(p, context);
    return plant;
}

// A table of the two ways to open: with the valve stages and the linearizer primed, and
// without, which the regression guard keeps failing.
TEST(PlantFileSteadyState, EveryValveStageAndTheLinearizerOpenAtRest)
{
    const auto atRest = ValveStagesAtRest();
    const MemoryTable before = atRest->memories;
    StepContext context;
    StepPlant(*atRest, context);
    for (int k = 1; k <= MemoryTable::kMemoryCount; ++k)
        ASSERT_NEAR(atRest->memories.Value(k), before.Value(k), 1e-6) << "M" << k << " still moves";
    ASSERT_NE(atRest->memories.Value(13), 0.0);
    const std::string bytes = WritePlantText(*atRest, Language::Portuguese);

    constexpr double kTolerance = 0.01; // percent of range
    for (const bool primed : {true, false}) {
        SCOPED_TRACE(primed ? "primed" : "not primed");
        PlantReadOptions options;
        options.settleRestoredStates = false;
        PlantReadResult read = ReadPlantText(bytes, options);
        ASSERT_TRUE(read.Succeeded()) << read.error;
        ASSERT_TRUE(read.applyMessages.empty());
        SettleLoadedPlant(*read.plant, primed);
        const double move = LargestMove(*read.plant, atRest->memories);
        if (primed)
            EXPECT_LE(move, kTolerance);
        else
            EXPECT_GT(move, kTolerance);
    }
}

} // namespace
} // namespace zelvar
