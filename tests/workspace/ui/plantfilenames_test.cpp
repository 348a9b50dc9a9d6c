#include "workspace/ui/plantfilenames.h"

#include <gtest/gtest.h>

namespace zelvar {
namespace {

struct NameCase
{
    const char *name;
    const char *typed;
    const char *saved;
    const char *filePart;
};

class PlantFileName : public ::testing::TestWithParam<NameCase>
{
};

TEST_P(PlantFileName, GetsSmpOnlyWhenItsOwnNameHasNoExtension)
{
    const QString typed = QString::fromUtf8(GetParam().typed);

    EXPECT_EQ(WithPlantFileExtension(typed), QString::fromUtf8(GetParam().saved));
    EXPECT_EQ(FileNamePart(typed), QString::fromUtf8(GetParam().filePart));
}

INSTANTIATE_TEST_SUITE_P(
    PlantFileNames,
    PlantFileName,
    ::testing::Values(
        NameCase{"Plain", "/home/ana/tank", "/home/ana/tank.smp", "tank"},
        NameCase{"AlreadySmp", "/home/ana/tank.smp", "/home/ana/tank.smp", "tank.smp"},
        NameCase{"OtherExtension", "/home/ana/tank.txt", "/home/ana/tank.txt", "tank.txt"},
        NameCase{"DotInAFolder", "/home/ana.b/tank", "/home/ana.b/tank.smp", "tank"},
        NameCase{"EndsWithADot", "/home/ana/tank.", "/home/ana/tank.", "tank."},
        NameCase{"NoFolder", "tank", "tank.smp", "tank"}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(PlantFileNames, ExamplePathJoinsTheStartFolderWithSlashes)
{
    EXPECT_EQ(ExampleFilePath(QStringLiteral("/home/ana/Zelvar"),
                              "\\examples\\surge tank\\surge tank.smp"),
              QStringLiteral("/home/ana/Zelvar/examples/surge tank/surge tank.smp"));
    EXPECT_EQ(ExampleFilePath(QStringLiteral("/"), "\\examples\\boiler\\boiler.smp"),
              QStringLiteral("/examples/boiler/boiler.smp"));
}

} // namespace
} // namespace zelvar
