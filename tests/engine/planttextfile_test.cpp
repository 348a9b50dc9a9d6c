#include "engine/model/planttextfile.h"

#include <gtest/gtest.h>

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
    PlantTextReader reader
        = PlantTextReader::FromFileBytes("Descri\xE7\xE3o:abc\nX\nFlag:True\r\n");
    EXPECT_EQ(reader.ReadValue(10), "abc");
    EXPECT_EQ(reader.ReadValue(10), ""); // shorter than its prefix
    EXPECT_TRUE(reader.ReadTrueFalse(5));
    EXPECT_EQ(reader.LineNumber(), 3);
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

} // namespace
} // namespace zelvar
