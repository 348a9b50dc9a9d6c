// The figures of the lessons and the description files come from the acceptance checks, and the
// committed lessons page is what the generator writes.
#include "examples/example.h"
#include "examples/generator.h"
#include "examples/lessons.h"

#include <QFile>

#include <gtest/gtest.h>

#include <cstdio>
#include <stdexcept>
#include <string>

namespace zelvar::examples {

namespace {

const QString kResources = QStringLiteral(ZELVAR_SOURCE_DIR "/resources");

ExamplePlant WithChecks()
{
    ExamplePlant example;
    example.picture = "test";
    example.checks = {{"Overshoot", {}, 0.6, 0.629, 0.0, 3.0},
                      {"Offset", {}, 0.0, -0.0004, -1.0, 1.0},
                      {"Iae", {}, 1333.0, 1333.46, 0.0, 2000.0}};
    return example;
}

TEST(LessonFiguresTest, AFigureIsTheCheckEngineFigureInTheLanguage)
{
    const ExamplePlant example = WithChecks();
    EXPECT_EQ(
        WithFigures("sobressinal {Overshoot:1} %, IAE {Iae:0}", example, Language::Portuguese),
        "sobressinal 0,6 %, IAE 1333");
    EXPECT_EQ(WithFigures("overshoot {Overshoot:2} %", example, Language::English),
              "overshoot 0.63 %");
    // A figure that rounds to zero shows no sign.
    EXPECT_EQ(WithFigures("{Offset:2}", example, Language::English), "0.00");
    EXPECT_EQ(WithFigures("no figure", example, Language::English), "no figure");
    // Scaled and taken from a value: 50 - 0.629 and 6 x 1333.46.
    EXPECT_EQ(
        WithFigures("{50-Overshoot:2} {Iae*6:0} {100-Iae*0.01:1}", example, Language::Portuguese),
        "49,37 8001 86,7");
    // A negative start and factor: -250 + 5 x 0.629.
    EXPECT_EQ(WithFigures("{-250-Overshoot*-5:1}", example, Language::English), "-246.9");
}

TEST(LessonFiguresTest, AFigureMayComeFromAnotherExample)
{
    const ExamplePlant *other = FindExample("sim18");
    ASSERT_NE(other, nullptr);
    ASSERT_FALSE(other->checks.empty());
    const AcceptanceCheck &check = other->checks.front();
    char expected[64];
    std::snprintf(expected, sizeof expected, "%.3f", check.engine);
    EXPECT_EQ(WithFigures("{sim18." + check.name + ":3}", WithChecks(), Language::English),
              expected);
    EXPECT_THROW(WithFigures("{sim99.Overshoot:1}", WithChecks(), Language::English),
                 std::runtime_error);
}

TEST(LessonFiguresTest, AFigureWithoutItsCheckIsRefused)
{
    const ExamplePlant example = WithChecks();
    EXPECT_THROW(WithFigures("{Settling:1}", example, Language::English), std::runtime_error);
    EXPECT_THROW(WithFigures("{Overshoot}", example, Language::English), std::runtime_error);
    EXPECT_THROW(WithFigures("{Overshoot:1", example, Language::English), std::runtime_error);
    EXPECT_THROW(WithFigures("{Overshoot*x:1}", example, Language::English), std::runtime_error);
}

TEST(LessonFiguresTest, CommittedLessonsPageIsWhatTheGeneratorWrites)
{
    QFile committed(kResources + QLatin1Char('/') + LessonsPagePath());
    ASSERT_TRUE(committed.open(QIODevice::ReadOnly));
    const QByteArray bytes = committed.readAll();
    EXPECT_TRUE(std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()))
                == LessonsPageText())
        << "the lessons page differs from a fresh generation: run zelvar_examples";
}

} // namespace

} // namespace zelvar::examples
