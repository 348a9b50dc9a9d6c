#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace zelvar {

// A run of text with one character format. Text is UTF-8; a line break inside a paragraph is
// U+2028 and a tab is "\t".
struct RichTextRun
{
    std::string text;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    int halfPoints = 0; // font size in half points; 0 for the pane's own size

    bool SameFormat(const RichTextRun &other) const
    {
        return bold == other.bold && italic == other.italic && underline == other.underline
               && halfPoints == other.halfPoints;
    }
};

struct RichTextParagraph
{
    std::vector<RichTextRun> runs;
};

struct RichText
{
    std::vector<RichTextParagraph> paragraphs;
};

// Reads the RTF that word processors write for the plant description "descricao.rtf":
// paragraphs (\par; \row and \sect end one too), line breaks, tabs (\tab, \cell), bold,
// italic, underline and font size (\b \i \ul \ulnone \fs \plain, each switched off by a 0
// parameter), escaped characters (\\ \{ \} \~ \'hh in Windows-1252, \u with its \uc
// fallback), and the usual typographic symbols. Font, colour and style tables, document
// information, pictures, field instructions and every "\*" group are skipped, as are control
// words it does not know; unbalanced braces end or close what they can. A file that does not
// begin with "{\rtf" is plain Windows-1252 text, one paragraph per line. Never throws.
RichText ReadRichText(std::string_view bytes);

} // namespace zelvar
