#include "workspace/model/richtextfile.h"

#include "engine/model/numbertext.h"
#include "engine/model/planttextfile.h"
#include "engine/model/textlines.h"

#include <array>
#include <cstdint>

namespace zelvar {

namespace {

constexpr std::string_view kLineSeparator = "\xE2\x80\xA8";

std::string Utf8(std::uint32_t codePoint)
{
    std::string out;
    if (codePoint < 0x80) {
        out += static_cast<char>(codePoint);
    } else if (codePoint < 0x800) {
        out += static_cast<char>(0xC0 | (codePoint >> 6));
        out += static_cast<char>(0x80 | (codePoint & 0x3F));
    } else if (codePoint < 0x10000) {
        out += static_cast<char>(0xE0 | (codePoint >> 12));
        out += static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (codePoint & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (codePoint >> 18));
        out += static_cast<char>(0x80 | ((codePoint >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (codePoint & 0x3F));
    }
    return out;
}

bool IsLetter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

// Groups whose content is not part of the text.
constexpr std::array<std::string_view, 26> kSkippedDestinations
    = {"fonttbl",      "colortbl",
       "stylesheet",   "info",
       "pict",         "object",
       "header",       "headerl",
       "headerr",      "headerf",
       "footer",       "footerl",
       "footerr",      "footerf",
       "footnote",     "fldinst",
       "themedata",    "colorschememapping",
       "listtable",    "listoverridetable",
       "rsidtbl",      "generator",
       "latentstyles", "datastore",
       "nonshppict",   "xmlnstbl"};

constexpr std::array<std::string_view, 17> kUnderlineWords = {"ul",
                                                              "uld",
                                                              "uldash",
                                                              "uldashd",
                                                              "uldashdd",
                                                              "uldb",
                                                              "ulhwave",
                                                              "ulldash",
                                                              "ulth",
                                                              "ulthd",
                                                              "ulthdash",
                                                              "ulthdashd",
                                                              "ulthdashdd",
                                                              "ulthldash",
                                                              "ululdbwave",
                                                              "ulw",
                                                              "ulwave"};

template<std::size_t N>
bool Contains(const std::array<std::string_view, N> &words, std::string_view word)
{
    for (std::string_view candidate : words) {
        if (candidate == word)
            return true;
    }
    return false;
}

struct GroupState
{
    RichTextRun format;      // the character format in force (its text unused)
    bool skipped = false;    // inside a destination that is not text
    int unicodeFallback = 1; // \ucN: characters that stand in for each \u
};

class RichTextParser
{
public:
    explicit RichTextParser(std::string_view bytes)
        : m_in(bytes)
    {}

    RichText Parse()
    {
        while (m_pos < m_in.size()) {
            const char c = m_in[m_pos++];
            switch (c) {
            case '{':
                m_stack.push_back(m_state);
                m_fallbackLeft = 0;
                break;
            case '}':
                if (!m_stack.empty()) {
                    m_state = m_stack.back();
                    m_stack.pop_back();
                }
                m_fallbackLeft = 0;
                break;
            case '\\':
                Control();
                break;
            case '\r':
            case '\n':
                break;
            default:
                Byte(static_cast<unsigned char>(c));
                break;
            }
        }
        if (!m_paragraph.runs.empty())
            m_result.paragraphs.push_back(std::move(m_paragraph));
        return std::move(m_result);
    }

private:
    void Control()
    {
        if (m_pos >= m_in.size())
            return;
        const char c = m_in[m_pos];
        if (!IsLetter(c)) {
            ++m_pos;
            Symbol(c);
            return;
        }
        const std::size_t start = m_pos;
        while (m_pos < m_in.size() && IsLetter(m_in[m_pos]))
            ++m_pos;
        const std::string_view word = m_in.substr(start, m_pos - start);
        bool hasParameter = false;
        bool negative = false;
        long parameter = 0;
        if (m_pos < m_in.size() && m_in[m_pos] == '-' && m_pos + 1 < m_in.size()
            && IsDigit(m_in[m_pos + 1])) {
            negative = true;
            ++m_pos;
        }
        while (m_pos < m_in.size() && IsDigit(m_in[m_pos])) {
            hasParameter = true;
            // Word processors write at most a few digits; more only saturates.
            if (parameter < 100000000)
                parameter = parameter * 10 + (m_in[m_pos] - '0');
            ++m_pos;
        }
        if (negative)
            parameter = -parameter;
        if (m_pos < m_in.size() && m_in[m_pos] == ' ')
            ++m_pos;
        Word(word, hasParameter, static_cast<int>(parameter));
    }

    void Symbol(char c)
    {
        switch (c) {
        case '\'': {
            const int high = m_pos < m_in.size() ? HexDigitValue(m_in[m_pos]) : -1;
            const int low = m_pos + 1 < m_in.size() ? HexDigitValue(m_in[m_pos + 1]) : -1;
            if (high < 0 || low < 0)
                return;
            m_pos += 2;
            Byte(static_cast<unsigned char>(high * 16 + low));
            return;
        }
        case '*':
            m_state.skipped = true;
            return;
        case '\\':
        case '{':
        case '}':
            Byte(static_cast<unsigned char>(c));
            return;
        case '~':
            Text(Utf8(0xA0));
            return;
        case '_':
            Text(Utf8(0x2011));
            return;
        case '\r':
        case '\n':
            EndParagraph();
            return;
        default:
            // "\-" (optional hyphen), "\|", "\:" and the rest show nothing.
            Fallback();
            return;
        }
    }

    void Word(std::string_view word, bool hasParameter, int parameter)
    {
        const bool on = !hasParameter || parameter != 0;
        if (word == "bin") {
            // Binary data: its bytes are not RTF.
            const std::size_t count
                = hasParameter && parameter > 0 ? static_cast<std::size_t>(parameter) : 0;
            m_pos = count < m_in.size() - m_pos ? m_pos + count : m_in.size();
            return;
        }
        if (Contains(kSkippedDestinations, word)) {
            m_state.skipped = true;
            return;
        }
        if (word == "u") {
            int unit = parameter < 0 ? parameter + 65536 : parameter;
            Unicode(static_cast<std::uint32_t>(unit & 0xFFFF));
            m_fallbackLeft = m_state.unicodeFallback;
            return;
        }
        if (Fallback())
            return;
        RichTextRun &format = m_state.format;
        if (word == "par" || word == "sect" || word == "row")
            EndParagraph();
        else if (word == "line")
            Text(kLineSeparator);
        else if (word == "tab" || word == "cell")
            Text("\t");
        else if (word == "b")
            format.bold = on;
        else if (word == "i")
            format.italic = on;
        else if (Contains(kUnderlineWords, word))
            format.underline = on;
        else if (word == "ulnone")
            format.underline = false;
        else if (word == "fs")
            format.halfPoints = hasParameter && parameter > 0 ? parameter : 0;
        else if (word == "plain")
            format = RichTextRun();
        else if (word == "uc")
            m_state.unicodeFallback = hasParameter && parameter >= 0 ? parameter : 1;
        else if (word == "lquote")
            Text(Utf8(0x2018));
        else if (word == "rquote")
            Text(Utf8(0x2019));
        else if (word == "ldblquote")
            Text(Utf8(0x201C));
        else if (word == "rdblquote")
            Text(Utf8(0x201D));
        else if (word == "bullet")
            Text(Utf8(0x2022));
        else if (word == "endash")
            Text(Utf8(0x2013));
        else if (word == "emdash")
            Text(Utf8(0x2014));
        else if (word == "emspace" || word == "enspace" || word == "qmspace")
            Text(" ");
    }

    // A character that stands in for the \u before it is dropped.
    bool Fallback()
    {
        if (m_fallbackLeft <= 0)
            return false;
        --m_fallbackLeft;
        return true;
    }

    void Byte(unsigned char byte)
    {
        if (Fallback())
            return;
        const char c = static_cast<char>(byte);
        if (byte < 0x80)
            Text(std::string_view(&c, 1));
        else
            Text(DecodeWindows1252(std::string_view(&c, 1)));
    }

    void Unicode(std::uint32_t unit)
    {
        if (unit >= 0xD800 && unit <= 0xDBFF) {
            m_highSurrogate = unit;
            return;
        }
        if (unit >= 0xDC00 && unit <= 0xDFFF) {
            if (m_highSurrogate != 0)
                Text(Utf8(0x10000 + ((m_highSurrogate - 0xD800) << 10) + (unit - 0xDC00)));
            m_highSurrogate = 0;
            return;
        }
        m_highSurrogate = 0;
        Text(Utf8(unit));
    }

    void Text(std::string_view utf8)
    {
        if (m_state.skipped || utf8.empty())
            return;
        std::vector<RichTextRun> &runs = m_paragraph.runs;
        if (runs.empty() || !runs.back().SameFormat(m_state.format)) {
            runs.push_back(m_state.format);
            runs.back().text.clear();
        }
        runs.back().text += utf8;
    }

    void EndParagraph()
    {
        if (m_state.skipped)
            return;
        m_result.paragraphs.push_back(std::move(m_paragraph));
        m_paragraph = RichTextParagraph();
    }

    std::string_view m_in;
    std::size_t m_pos = 0;
    GroupState m_state;
    std::vector<GroupState> m_stack;
    int m_fallbackLeft = 0;
    std::uint32_t m_highSurrogate = 0;
    RichText m_result;
    RichTextParagraph m_paragraph;
};

RichText PlainText(std::string_view bytes)
{
    RichText result;
    for (const std::string_view line : SplitLines(bytes)) {
        RichTextParagraph paragraph;
        if (!line.empty()) {
            paragraph.runs.emplace_back();
            paragraph.runs.back().text = DecodeWindows1252(line);
        }
        result.paragraphs.push_back(std::move(paragraph));
    }
    return result;
}

} // namespace

RichText ReadRichText(std::string_view bytes)
{
    if (bytes.substr(0, 5) != "{\\rtf")
        return PlainText(bytes);
    return RichTextParser(bytes).Parse();
}

} // namespace zelvar
