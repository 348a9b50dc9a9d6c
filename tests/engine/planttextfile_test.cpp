#include "engine/model/planttextfile.h"

#include "engine/model/textlines.h"

#include <gtest/gtest.h>

#include <string_view>
#include <tuple>

namespace zelvar {
namespace {

TEST(PlantTextFile, WritesWindows1252WithCrLf)
{
    PlantTextWriter writer;
    writer.WriteLine("Descrição:", "Vazão €");
    writer.WriteTrueFalse("Ativo:", true);
    writer.WriteUpperTrueFalse("Mostrar:", false);
    writer.WriteLine("日本");
    EXPECT_EQ(writer.ToFileBytes(),
              "Descri\xE7\xE3o:Vaz\xE3o \x80\r\nAtivo:True\r\nMostrar:FALSE\r\n??\r\n");
}

TEST(PlantTextFile, ReadsBackWhatItWrote)
{
    PlantTextWriter writer;
    writer.WriteLine("Tag:", "FIC-101 ‘A’");
    writer.WriteLine("");
    PlantTextReader reader = PlantTextReader::FromFileBytes(writer.ToFileBytes());
    EXPECT_EQ(reader.ReadValue(4), "FIC-101 ‘A’");
    EXPECT_EQ(reader.ReadLine(), "");
    EXPECT_TRUE(reader.AtEnd());
    EXPECT_FALSE(reader.Failed());
}

TEST(PlantTextFile, AcceptsLfAndCountsPrefixesInCharacters)
{
    PlantTextReader reader = PlantTextReader::FromFileBytes(
        "Descri\xE7\xE3o:abc\nX\nFlag:True\r\nFlag:True\r\r\nTag:A\r\r\n");
    EXPECT_EQ(reader.ReadValue(10), "abc");
    EXPECT_EQ(reader.ReadValue(10), ""); // shorter than its prefix
    EXPECT_TRUE(reader.ReadTrueFalse(5));
    // A doubled carriage return at a line end is still only the line end.
    EXPECT_TRUE(reader.ReadTrueFalse(5));
    EXPECT_EQ(reader.ReadValue(4), "A");
    EXPECT_EQ(reader.LineNumber(), 5);
}

TEST(PlantTextFile, ReportsTheFirstErrorWithItsLine)
{
    PlantTextReader reader = PlantTextReader::FromFileBytes("N: 12 \r\nN:1x\r\n");
    EXPECT_EQ(reader.ReadInteger(2), 12);
    EXPECT_EQ(reader.ReadInteger(2), 0);
    ASSERT_TRUE(reader.Failed());
    EXPECT_EQ(reader.ErrorLine(), 2);
    reader.ReadLine();
    EXPECT_EQ(reader.ErrorLine(), 2);
}

TEST(PlantTextFile, ReadingPastTheEndFails)
{
    PlantTextReader reader = PlantTextReader::FromFileBytes("one\r\n");
    reader.SkipLine();
    EXPECT_EQ(reader.ReadLine(), "");
    EXPECT_TRUE(reader.Failed());
    EXPECT_EQ(reader.ErrorLine(), 2);
}

TEST(PlantTextFile, UndefinedWindows1252BytesSurvive)
{
    EXPECT_EQ(EncodeWindows1252(DecodeWindows1252("\x81\x8D")), "\x81\x8D");
}

TEST(PlantTextFile, CharactersAtTheEdgesOfTheCodePage)
{
    // The ends of plain ASCII, of the 0x80-0x9F block and of Latin-1 take their byte and read
    // back; the first character past the page and a control whose byte another holds do not.
    for (const auto &[name, text, byte] : {std::tuple{"delete", "\x7F", "\x7F"},
                                           {"euro", "€", "\x80"},
                                           {"capital y diaeresis", "Ÿ", "\x9F"},
                                           {"no-break space", "\u00A0", "\xA0"},
                                           {"small y diaeresis", "ÿ", "\xFF"},
                                           {"a macron", "Ā", "?"},
                                           {"control 9F", "\u009F", "?"}}) {
        SCOPED_TRACE(name);
        EXPECT_EQ(EncodeWindows1252(text), byte);
        if (std::string_view(byte) != "?") {
            EXPECT_EQ(DecodeWindows1252(byte), text);
        }
    }
}

struct SingleLineCase
{
    const char *name;
    std::string typed;
    std::string kept;
};

class SingleLine : public ::testing::TestWithParam<SingleLineCase>
{
};

// Each character that would break a line becomes exactly one blank; everything else stays.
TEST_P(SingleLine, LineBreakingCharactersBecomeOneBlankEach)
{
    const SingleLineCase &row = GetParam();
    EXPECT_EQ(SingleLineText(row.typed), row.kept);
    EXPECT_EQ(HoldsLineBreaking(row.typed), row.typed != row.kept);
}

INSTANTIATE_TEST_SUITE_P(
    Texts,
    SingleLine,
    ::testing::Values(SingleLineCase{"CrLf", "Vazão\r\nFlow", "Vazão  Flow"},
                      SingleLineCase{"LoneCrAtTheEnd", "abc\r", "abc "},
                      SingleLineCase{"TabAndDelete", "a\tb\x7f", "a b "},
                      SingleLineCase{"NulInside", std::string("a\0b", 3), "a b"},
                      SingleLineCase{"NextLineC1", "a\u0085b", "a b"},
                      SingleLineCase{"LineSeparator", "a\u2028b\u2029", "a b "},
                      SingleLineCase{"OtherCharactersStay", "ção € → 日本 ;|", "ção € → 日本 ;|"},
                      SingleLineCase{"EndMarkerStays", "<FIM_COMENTARIOS>", "<FIM_COMENTARIOS>"}),
    [](const ::testing::TestParamInfo<SingleLineCase> &info) {
        return std::string(info.param.name);
    });

TEST(PlantTextFile, NoValueCanShiftTheLinesAfterIt)
{
    PlantTextWriter writer;
    writer.WriteLine("{P21/01} Tag:", "Vazão\r\nFlow");
    writer.WriteLine("abc\r");
    writer.WriteLine("next");
    const std::string bytes = writer.ToFileBytes();
    EXPECT_EQ(bytes, "{P21/01} Tag:Vaz\xe3o  Flow\r\nabc \r\nnext\r\n");
    PlantTextReader reader = PlantTextReader::FromFileBytes(bytes);
    EXPECT_EQ(reader.ReadValue(13), "Vazão  Flow");
    EXPECT_EQ(reader.ReadLine(), "abc ");
    EXPECT_EQ(reader.ReadLine(), "next");
    EXPECT_TRUE(reader.AtEnd());
}

} // namespace
} // namespace zelvar
