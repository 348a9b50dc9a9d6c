#include "engine/model/planttextfile.h"

#include "engine/model/numbertext.h"
#include "engine/model/textlines.h"

#include <array>

namespace zelvar {

namespace {

// Code points of bytes 0x80-0x9F in Windows-1252; 0 where the byte is undefined.
constexpr std::array<char32_t, 32> kHighControls
    = {0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
       0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
       0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

void AppendUtf8(std::string &out, char32_t c)
{
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

// Next code point of a UTF-8 text; a malformed byte reads as U+FFFD and advances by one.
char32_t NextCodePoint(std::string_view text, std::size_t &i)
{
    const auto lead = static_cast<unsigned char>(text[i]);
    int length = lead < 0x80         ? 1
                 : (lead >> 5) == 6  ? 2
                 : (lead >> 4) == 14 ? 3
                 : (lead >> 3) == 30 ? 4
                                     : 0;
    if (length == 0 || i + static_cast<std::size_t>(length) > text.size()) {
        ++i;
        return 0xFFFD;
    }
    char32_t c = length == 1 ? lead : lead & (0x7F >> length);
    for (int k = 1; k < length; ++k) {
        const auto next = static_cast<unsigned char>(text[i + static_cast<std::size_t>(k)]);
        if ((next & 0xC0) != 0x80) {
            ++i;
            return 0xFFFD;
        }
        c = (c << 6) | (next & 0x3F);
    }
    i += static_cast<std::size_t>(length);
    return c;
}

} // namespace

std::string DecodeWindows1252(std::string_view bytes)
{
    std::string out;
    out.reserve(bytes.size());
    for (const char byte : bytes) {
        const auto b = static_cast<unsigned char>(byte);
        if (b >= 0x80 && b < 0xA0) {
            const char32_t c = kHighControls[b - 0x80];
            AppendUtf8(out, c ? c : b);
        } else {
            AppendUtf8(out, b);
        }
    }
    return out;
}

std::string EncodeWindows1252(std::string_view utf8)
{
    std::string out;
    out.reserve(utf8.size());
    std::size_t i = 0;
    while (i < utf8.size()) {
        const char32_t c = NextCodePoint(utf8, i);
        const bool undefinedByte = c >= 0x80 && c < 0xA0 && kHighControls[c - 0x80] == 0;
        if (c < 0x80 || (c >= 0xA0 && c <= 0xFF) || undefinedByte) {
            out += static_cast<char>(c);
            continue;
        }
        char mapped = '?';
        for (std::size_t k = 0; k < kHighControls.size(); ++k) {
            if (kHighControls[k] == c) {
                mapped = static_cast<char>(0x80 + k);
                break;
            }
        }
        out += mapped;
    }
    return out;
}

PlantTextReader::PlantTextReader(std::vector<std::string> lines)
    : m_lines(std::move(lines))
{}

PlantTextReader PlantTextReader::FromFileBytes(std::string_view bytes)
{
    const std::string text = DecodeWindows1252(bytes);
    std::vector<std::string> lines;
    for (const std::string_view line : SplitLines(text))
        lines.emplace_back(line);
    return PlantTextReader(std::move(lines));
}

void PlantTextReader::Fail(std::string message)
{
    if (!m_error.empty())
        return;
    m_error = std::move(message);
    m_errorLine = LineNumber();
}

std::string PlantTextReader::ReadLine()
{
    if (AtEnd()) {
        ++m_next;
        Fail("fim de arquivo inesperado");
        return {};
    }
    if (Failed()) {
        ++m_next;
        return {};
    }
    std::string_view line = m_lines[m_next++];
    // A file written elsewhere may keep a carriage return inside the line.
    if (!line.empty() && line.back() == '\r')
        line.remove_suffix(1);
    return std::string(Utf8Left(line, kMaxLineCharacters));
}

std::string PlantTextReader::ReadValue(std::size_t prefixCharacters)
{
    return std::string(Utf8DropLeft(ReadLine(), prefixCharacters));
}

bool PlantTextReader::ReadTrueFalse(std::size_t prefixCharacters)
{
    return ReadValue(prefixCharacters) == "True";
}

bool PlantTextReader::ReadUpperTrueFalse(std::size_t prefixCharacters)
{
    return ReadValue(prefixCharacters) == "TRUE";
}

int PlantTextReader::ReadInteger(std::size_t prefixCharacters)
{
    const std::string text = ReadValue(prefixCharacters);
    if (Failed())
        return 0;
    std::string_view trimmed = text;
    while (!trimmed.empty() && trimmed.back() == ' ')
        trimmed.remove_suffix(1);
    const ParsedInteger parsed = ParseInteger(trimmed);
    if (parsed.errorPosition != 0) {
        Fail("'" + text + "' não é um número inteiro válido");
        return 0;
    }
    return parsed.value;
}

std::vector<std::string> PlantTextReader::ReadRemainingLines()
{
    std::vector<std::string> lines;
    while (!AtEnd())
        lines.push_back(ReadLine());
    return lines;
}

void PlantTextWriter::WriteLine(std::string_view line)
{
    if (HoldsLineBreaking(line))
        m_lines.push_back(SingleLineText(line));
    else
        m_lines.emplace_back(line);
}

void PlantTextWriter::WriteLine(std::string_view label, std::string_view value)
{
    std::string line(label);
    line += value;
    WriteLine(line);
}

void PlantTextWriter::WriteTrueFalse(std::string_view label, bool value)
{
    WriteLine(label, value ? "True" : "False");
}

void PlantTextWriter::WriteUpperTrueFalse(std::string_view label, bool value)
{
    WriteLine(label, value ? "TRUE" : "FALSE");
}

std::string PlantTextWriter::ToFileBytes() const
{
    std::string bytes;
    for (const std::string &line : m_lines) {
        bytes += EncodeWindows1252(line);
        bytes += "\r\n";
    }
    return bytes;
}

} // namespace zelvar
