// Every registered example plant, one row each: its committed files are what the generator
// writes, it opens from the gallery in both languages without a message, survives a round trip,
// opens at rest, passes its acceptance checks and stays finite and in limits over a long run.
#include "documents/model/plantfile.h"
#include "engine/model/steporder.h"
#include "examples/example.h"
#include "examples/generator.h"
#include "examples/harness.h"
#include "services/session.h"
#include "tests/examples/languagerows.h"
#include "tests/services/scripteddialogs.h"
#include "workspace/ui/mainwindow.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QToolButton>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <ostream>
#include <string>
#include <vector>

namespace zelvar::examples {

namespace {

const QString kResources = QStringLiteral(ZELVAR_SOURCE_DIR "/resources");

std::vector<std::string> RegisteredPictures()
{
    std::vector<std::string> pictures;
    for (const ExamplePlant &example : RegisteredExamples())
        pictures.push_back(example.picture);
    return pictures;
}

const ExamplePlant &Example(const std::string &picture)
{
    const ExamplePlant *example = FindExample(picture);
    if (example == nullptr)
        throw std::runtime_error("not registered: " + picture);
    return *example;
}

std::string ReadBytes(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray bytes = file.readAll();
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

// The committed plant file, read as the program reads it.
std::unique_ptr<Plant> OpenCommitted(const ExamplePlant &example, Language language)
{
    PlantReadResult read = ReadPlantFile(
        (kResources + QLatin1Char('/') + FilesOf(example).plantFile).toStdString(), language);
    EXPECT_TRUE(read.Succeeded()) << read.errorLine << ": " << read.error;
    EXPECT_TRUE(read.applyMessages.empty());
    return std::move(read.plant);
}

// Pixels that differ by more than a little, counted; font rasterisation may move a few.
int DifferingPixels(const QImage &a, const QImage &b)
{
    if (a.size() != b.size())
        return a.width() * a.height() + 1;
    const QImage x = a.convertToFormat(QImage::Format_RGB32);
    const QImage y = b.convertToFormat(QImage::Format_RGB32);
    int differing = 0;
    for (int row = 0; row < x.height(); ++row) {
        for (int column = 0; column < x.width(); ++column) {
            const QRgb p = x.pixel(column, row);
            const QRgb q = y.pixel(column, row);
            const int d = std::max({std::abs(qRed(p) - qRed(q)),
                                    std::abs(qGreen(p) - qGreen(q)),
                                    std::abs(qBlue(p) - qBlue(q))});
            if (d > 24)
                ++differing;
        }
    }
    return differing;
}

std::string RowName(const ::testing::TestParamInfo<std::string> &info)
{
    return info.param;
}

// ---- Files ------------------------------------------------------------------------------

class ExampleFilesTest : public ::testing::TestWithParam<std::string>
{
};

TEST_P(ExampleFilesTest, CommittedFilesAreWhatTheGeneratorWrites)
{
    const ExamplePlant &example = Example(GetParam());
    QTemporaryDir scratch;
    ASSERT_TRUE(scratch.isValid());
    WriteExample(example, scratch.path());
    const ExampleFiles files = FilesOf(example);
    for (const QString &text : {files.plantFile, files.description}) {
        const std::string committed = ReadBytes(kResources + QLatin1Char('/') + text);
        ASSERT_FALSE(committed.empty()) << text.toStdString() << " is not committed";
        EXPECT_TRUE(committed == ReadBytes(scratch.path() + QLatin1Char('/') + text))
            << text.toStdString() << " differs from a fresh generation: run zelvar_examples";
    }
    for (const QString &picture :
         {files.folder + QLatin1Char('/') + files.pictureName, files.gallery}) {
        const QImage committed(kResources + QLatin1Char('/') + picture);
        ASSERT_FALSE(committed.isNull()) << picture.toStdString() << " is not committed";
        EXPECT_LE(DifferingPixels(committed, QImage(scratch.path() + QLatin1Char('/') + picture)),
                  20)
            << picture.toStdString() << " differs from a fresh rendering";
    }
}

TEST_P(ExampleFilesTest, BackgroundIsFullSizeWithTheGroundInTheTransparentCorner)
{
    const QImage picture(kResources + QLatin1Char('/') + FilesOf(Example(GetParam())).folder
                         + QLatin1Char('/') + FilesOf(Example(GetParam())).pictureName);
    ASSERT_EQ(picture.size(), QSize(1000, 600));
    const QColor corner = picture.pixelColor(0, picture.height() - 1);
    // The corner's colour is the ground's: most of the picture shows the plant surface.
    int ground = 0;
    for (int y = 0; y < picture.height(); y += 10) {
        for (int x = 0; x < picture.width(); x += 10)
            ground += picture.pixelColor(x, y) == corner ? 1 : 0;
    }
    EXPECT_GT(ground, 100 * 60 / 2);
    const QImage gallery(kResources + QLatin1Char('/') + FilesOf(Example(GetParam())).gallery);
    EXPECT_EQ(gallery.size(), QSize(321, 193));
}

INSTANTIATE_TEST_SUITE_P(Examples,
                         ExampleFilesTest,
                         ::testing::ValuesIn(RegisteredPictures()),
                         RowName);

// ---- Opening and saving ------------------------------------------------------------------

class ExampleOpeningTest : public ::testing::TestWithParam<LanguageRow>
{
};

TEST_P(ExampleOpeningTest, OpensFromTheGalleryWithoutAMessageInTheChosenLanguage)
{
    const ExamplePlant &example = Example(GetParam().picture);
    const Language language = GetParam().language;
    const QString previousFolder = QDir::currentPath();
    QTemporaryDir start;
    ASSERT_TRUE(start.isValid());
    ASSERT_TRUE(QFile::link(kResources + QStringLiteral("/examples"),
                            start.path() + QStringLiteral("/examples")));
    QFile preferences(start.path() + QStringLiteral("/preferences.cfg"));
    ASSERT_TRUE(preferences.open(QIODevice::WriteOnly));
    preferences.write(language == Language::English ? "<language> English\r\n"
                                                    : "<language> Portuguese\r\n");
    preferences.close();
    QDir::setCurrent(start.path());
    {
        ScriptedDialogs dialogs;
        Session session(start.path());
        session.SetRunning(false);
        TForm1 form(session, dialogs);
        form.FinishStartUp();
        auto *picture = form.findChild<QToolButton *>(QString::fromStdString(example.picture));
        ASSERT_NE(picture, nullptr);
        picture->click();

        EXPECT_TRUE(dialogs.informations.isEmpty())
            << dialogs.informations.join('\n').toStdString();
        EXPECT_TRUE(dialogs.errors.isEmpty()) << dialogs.errors.join('\n').toStdString();
        EXPECT_TRUE(session.SavedFlag());
        const Plant &plant = session.plant();
        EXPECT_EQ(plant.comments,
                  language == Language::English ? example.commentsEnglish
                                                : example.commentsPortuguese);
        // Every bilingual text kept only the chosen language's part.
        const std::string saved = WritePlantText(plant, language);
        EXPECT_EQ(saved.find('|'), std::string::npos);
        EXPECT_EQ(form.windowTitle().toStdString(), plant.caption);
    }
    QDir::setCurrent(previousFolder);
}

TEST_P(ExampleOpeningTest, SecondSaveIsByteIdenticalToTheFirst)
{
    const ExamplePlant &example = Example(GetParam().picture);
    const Language language = GetParam().language;
    std::unique_ptr<Plant> opened = OpenCommitted(example, language);
    ASSERT_NE(opened, nullptr);
    const std::string first = WritePlantText(*opened, language);
    PlantReadOptions options;
    options.language = language;
    PlantReadResult again = ReadPlantText(first, options);
    ASSERT_TRUE(again.Succeeded()) << again.errorLine << ": " << again.error;
    EXPECT_TRUE(WritePlantText(*again.plant, language) == first);
}

INSTANTIATE_TEST_SUITE_P(Examples,
                         ExampleOpeningTest,
                         ::testing::ValuesIn(LanguageRows()),
                         LanguageRowName);

// ---- Steady opening -----------------------------------------------------------------------

class ExampleSteadyTest : public ::testing::TestWithParam<std::string>
{
};

// Ten minutes after opening no memory strays by more than 0.5 % of its range from the unsaved
// plant run beside it on the same random draws: a plant at rest stays at rest, and a plant that
// never rests (noise rows, a stick-slip cycle) runs on as it ran before the save.
TEST_P(ExampleSteadyTest, OpensAtRest)
{
    const ExamplePlant &example = Example(GetParam());
    std::unique_ptr<Plant> opened = OpenCommitted(example, Language::Portuguese);
    ASSERT_NE(opened, nullptr);
    std::unique_ptr<Plant> unsaved = BuildPlant(example);
    Scenario openedRun(*opened, 7);
    Scenario unsavedRun(*unsaved, 7);
    double worst = 0.0;
    int worstMemory = 0;
    for (int second = 0; second < 600; ++second) {
        openedRun.Run(1.0);
        unsavedRun.Run(1.0);
        for (int k = 1; k <= MemoryTable::kMemoryCount; ++k) {
            if (std::find(example.movingAfterOpening.begin(), example.movingAfterOpening.end(), k)
                != example.movingAfterOpening.end())
                continue;
            const double moved = std::abs(opened->memories.Value(k) - unsaved->memories.Value(k));
            if (moved > worst) {
                worst = moved;
                worstMemory = k;
            }
        }
    }
    EXPECT_LE(worst, 0.5) << "M" << worstMemory << " moved by " << worst << " %";
}

INSTANTIATE_TEST_SUITE_P(Examples,
                         ExampleSteadyTest,
                         ::testing::ValuesIn(RegisteredPictures()),
                         RowName);

// ---- Acceptance checks ---------------------------------------------------------------------

struct CheckRow
{
    std::string picture;
    std::size_t index;
    std::string name;
};

std::vector<CheckRow> CheckRows()
{
    std::vector<CheckRow> rows;
    for (const ExamplePlant &example : RegisteredExamples()) {
        for (std::size_t i = 0; i < example.checks.size(); ++i)
            rows.push_back({example.picture, i, example.checks[i].name});
    }
    return rows;
}

void PrintTo(const CheckRow &row, std::ostream *out)
{
    *out << row.picture << " " << row.name;
}

class ExampleAcceptanceTest : public ::testing::TestWithParam<CheckRow>
{
};

// Within the design's band, and where this engine put it when the check was written.
TEST_P(ExampleAcceptanceTest, MeetsTheDesign)
{
    const ExamplePlant &example = Example(GetParam().picture);
    const AcceptanceCheck &check = example.checks[GetParam().index];
    std::unique_ptr<Plant> plant = OpenCommitted(example, Language::Portuguese);
    ASSERT_NE(plant, nullptr);
    const double figure = check.measure(*plant);
    RecordProperty("engine", std::to_string(figure));
    RecordProperty("design", std::to_string(check.design));
    EXPECT_GE(figure, check.low) << "design " << check.design;
    EXPECT_LE(figure, check.high) << "design " << check.design;
    EXPECT_NEAR(figure, check.engine, std::max(0.001, 0.01 * std::abs(check.engine)))
        << "the engine's figure changed (design " << check.design << ")";
}

INSTANTIATE_TEST_SUITE_P(Examples,
                         ExampleAcceptanceTest,
                         ::testing::ValuesIn(CheckRows()),
                         [](const ::testing::TestParamInfo<CheckRow> &info) {
                             return info.param.picture + "_" + info.param.name;
                         });

// ---- Soak ---------------------------------------------------------------------------------

class ExampleSoakTest : public ::testing::TestWithParam<std::string>
{
};

// Long runs go through `ctest -L long` (ZELVAR_SOAK_TICKS=1000000); the normal suite runs a
// short one.
TEST_P(ExampleSoakTest, StaysFiniteAndWithinLimits)
{
    const char *ticksText = std::getenv("ZELVAR_SOAK_TICKS");
    const long ticks = ticksText != nullptr ? std::atol(ticksText) : 20000;
    std::unique_ptr<Plant> plant = OpenCommitted(Example(GetParam()), Language::Portuguese);
    ASSERT_NE(plant, nullptr);
    StandardRandomSource random(3);
    StepContext context;
    context.random = &random;
    for (long tick = 0; tick < ticks; ++tick) {
        StepPlant(*plant, context);
        for (int k = 1; k <= MemoryTable::kMemoryCount; ++k)
            ASSERT_TRUE(std::isfinite(plant->memories.Value(k))) << "M" << k << " at " << tick;
        for (int slot = 1; slot <= 10; ++slot) {
            if (!plant->controllers.IsPresent(slot))
                continue;
            const Controller &c = plant->controllers[slot];
            ASSERT_TRUE(std::isfinite(c.previousIntegral)) << c.Settings().TagText;
            if (c.automatic) {
                ASSERT_GE(c.co, c.outputMin) << c.Settings().TagText << " at " << tick;
                ASSERT_LE(c.co, c.outputMax) << c.Settings().TagText << " at " << tick;
            }
        }
        for (int slot = 1; slot <= 24; ++slot) {
            if (!plant->processes.IsPresent(slot))
                continue;
            const ProcessModel &p = plant->processes[slot];
            const double state = p.TransferType == 0 ? p.LagStage2 : p.FilterOutput;
            ASSERT_TRUE(std::isfinite(state)) << p.TagText;
            if (!p.CheckBox1) {
                ASSERT_GE(state, 0.0) << p.TagText << " at " << tick;
                ASSERT_LE(state, 100.0) << p.TagText << " at " << tick;
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Examples,
                         ExampleSoakTest,
                         ::testing::ValuesIn(RegisteredPictures()),
                         RowName);

} // namespace

} // namespace zelvar::examples
