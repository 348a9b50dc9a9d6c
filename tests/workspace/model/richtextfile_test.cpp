#include "workspace/model/richtextfile.h"

#include "engine/model/numbertext.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace zelvar {
namespace {

using Lines = std::vector<std::string>;

// The text alone: one line per paragraph, and a line break inside one starts a new line.
Lines PlainLines(const RichText &text)
{
    const std::string lineSeparator = "\xE2\x80\xA8";
    Lines lines;
    for (const RichTextParagraph &paragraph : text.paragraphs) {
        std::string line;
        for (const RichTextRun &run : paragraph.runs)
            line += run.text;
        std::size_t start = 0;
        for (std::size_t at = line.find(lineSeparator); at != std::string::npos;
             at = line.find(lineSeparator, start)) {
            lines.push_back(line.substr(start, at - start));
            start = at + lineSeparator.size();
        }
        lines.push_back(line.substr(start));
    }
    return lines;
}

struct TextCase
{
    const char *name;
    const char *rtf;
    Lines lines;
};

class RichTextLines : public ::testing::TestWithParam<TextCase>
{
};

TEST_P(RichTextLines, GiveThePanesText)
{
    EXPECT_EQ(PlainLines(ReadRichText(GetParam().rtf)), GetParam().lines);
}

INSTANTIATE_TEST_SUITE_P(
    RichTextFile,
    RichTextLines,
    ::testing::Values(
        TextCase{"ParagraphsEndAtParAndTheLastEmptyOneIsDropped",
                 "{\\rtf1\\ansi Primeira\\par Segunda\\par\\par Quarta\\par }",
                 {"Primeira", "Segunda", "", "Quarta"}},
        TextCase{"TablesAndDocumentInformationAreSkipped",
                 "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fswiss Arial;}{\\f1 "
                 "Courier;}}{\\colortbl ;\\red255\\green0\\blue0;}{\\stylesheet{\\s0 "
                 "Normal;}}{\\info{\\title Caldeira}{\\author Ana}}\\f0 Texto\\par}",
                 {"Texto"}},
        TextCase{"StarredGroupsAndUnknownWordsShowNothing",
                 "{\\rtf1{\\*\\generator Writer;}{\\*\\unknowndest segredo}\\viewkind4"
                 "\\uc1\\pard\\sa200\\sl276\\slmult1\\lang1046 Vis\\'edvel\\par}",
                 {"Visível"}},
        TextCase{"CodePageEscapesGiveAccentedLetters",
                 "{\\rtf1\\ansi\\ansicpg1252 A\\'e7\\'e3o t\\'e9rmica \\'c0 "
                 "press\\'e3o\\'85\\par}",
                 {"Ação térmica À pressão…"}},
        TextCase{
            "RawEightBitBytesAreWindows1252Too", "{\\rtf1\\ansi Cora\xe7\xe3o\\par}", {"Coração"}},
        TextCase{"UnicodeSkipsItsFallbackCharacter",
                 "{\\rtf1\\uc1 Press\\u227?o e \\u231\\'e7\\par}",
                 {"Pressão e ç"}},
        TextCase{"UnicodeFallbackLengthFollowsUc", "{\\rtf1\\uc2 \\u8364 EUx\\par}", {"€x"}},
        TextCase{"NegativeUnicodeAndSurrogatePairs",
                 "{\\rtf1\\uc0 \\u-10179\\u-8704 \\u-1\\par}",
                 {"\xF0\x9F\x98\x80\xEF\xBF\xBF"}},
        TextCase{"EscapedSymbolsAndTypography",
                 "{\\rtf1 a\\\\b \\{c\\} \\ldblquote d\\rdblquote\\~e\\emdash f\\-g\\par}",
                 {"a\\b {c} “d”\xC2\xA0"
                  "e—fg"}},
        TextCase{"LineBreaksAndTabsStayInTheParagraph",
                 "{\\rtf1 um\\line dois\\tab tr\\u234?s\\par}",
                 {"um", "dois\ttrês"}},
        TextCase{"FieldsShowTheirResultNotTheirInstruction",
                 "{\\rtf1 Veja {\\field{\\*\\fldinst HYPERLINK \"x\"}{\\fldrslt o "
                 "site}}.\\par}",
                 {"Veja o site."}},
        TextCase{"BinaryDataIsSkippedByCount", "{\\rtf1 a{\\pict\\bin4 }{}}}b\\par}", {"ab"}},
        TextCase{"UnbalancedBracesEndWithoutLosingText",
                 "{\\rtf1 sem fim {\\b negrito",
                 {"sem fim negrito"}},
        TextCase{"AStrayClosingBraceIsIgnored", "{\\rtf1 a}} b\\par", {"a b"}},
        TextCase{"ATrailingBackslashEndsTheFile", "{\\rtf1 fim\\", {"fim"}},
        TextCase{"TextThatIsNotRtfIsShownAsPlainLines",
                 "linha 1\r\nA\xe7\xe3o\r\n\r\nfim\r\n",
                 {"linha 1", "Ação", "", "fim"}}),
    [](const ::testing::TestParamInfo<TextCase> &info) { return std::string(info.param.name); });

// "b", "i", "u" for the formats on, the size in half points, then the text.
std::vector<std::string> Describe(const RichText &text)
{
    std::vector<std::string> runs;
    for (const RichTextParagraph &paragraph : text.paragraphs) {
        for (const RichTextRun &run : paragraph.runs) {
            std::string described = run.bold ? "b" : "";
            described += run.italic ? "i" : "";
            described += run.underline ? "u" : "";
            described += FormatFixed(run.halfPoints, 0, 0) + ":" + run.text;
            runs.push_back(described);
        }
        runs.push_back("/");
    }
    return runs;
}

TEST(RichTextFile, FormatsFollowTheirGroups)
{
    const RichText text
        = ReadRichText("{\\rtf1 normal {\\b negrito {\\i e it\\'e1lico}} \\ul sublinhado\\ul0  "
                       "\\fs32 grande\\plain  simples\\par}");

    // Leaving a group restores the format it began with; \plain drops every format.
    EXPECT_EQ(Describe(text),
              (Lines{"0:normal ",
                     "b0:negrito ",
                     "bi0:e itálico",
                     "0: ",
                     "u0:sublinhado",
                     "0: ",
                     "32:grande",
                     "0: simples",
                     "/"}));
}

TEST(RichTextFile, ZeroParametersAndUlnoneSwitchFormatsOff)
{
    const RichText text = ReadRichText("{\\rtf1\\b\\i\\uldb a\\b0 b\\i0 c\\ulnone d\\b1 e\\par x}");

    EXPECT_EQ(Describe(text), (Lines{"biu0:a", "iu0:b", "u0:c", "0:d", "b0:e", "/", "b0:x", "/"}));
}

TEST(RichTextFile, AnEmptyFileHasNoParagraphs)
{
    EXPECT_TRUE(ReadRichText("").paragraphs.empty());
    EXPECT_TRUE(ReadRichText("{\\rtf1}").paragraphs.empty());
}

} // namespace
} // namespace zelvar
