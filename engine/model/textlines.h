#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace zelvar {

// The lines of a text file's bytes, without their ends (CRLF or LF); a final line end adds no
// line. The views point into bytes.
inline std::vector<std::string_view> SplitLines(std::string_view bytes)
{
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    while (start < bytes.size()) {
        std::size_t end = bytes.find('\n', start);
        if (end == std::string_view::npos)
            end = bytes.size();
        std::string_view line = bytes.substr(start, end - start);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        lines.push_back(line);
        start = end + 1;
    }
    return lines;
}

// The length in bytes of the character at text[i] when it would break a one-line value (a
// control character of C0, DEL or C1, or a Unicode line or paragraph separator); 0 otherwise.
inline std::size_t LineBreakingLength(std::string_view text, std::size_t i)
{
    const auto at = [&text](std::size_t k) {
        return k < text.size() ? static_cast<unsigned char>(text[k]) : 0u;
    };
    const unsigned c = at(i);
    if (c < 0x20 || c == 0x7F)
        return 1;
    if (c == 0xC2 && at(i + 1) >= 0x80 && at(i + 1) <= 0x9F)
        return 2;
    if (c == 0xE2 && at(i + 1) == 0x80 && (at(i + 2) == 0xA8 || at(i + 2) == 0xA9))
        return 3;
    return 0;
}

inline bool HoldsLineBreaking(std::string_view text)
{
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (LineBreakingLength(text, i) != 0)
            return true;
    }
    return false;
}

// A text that a single-line edit or one line of the plant file can hold: each line-breaking
// character becomes one blank, so a pasted "Vazao", CR, LF, "Flow" reads "Vazao  Flow" and
// never splits a file line in two.
inline std::string SingleLineText(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    std::size_t i = 0;
    while (i < text.size()) {
        const std::size_t breaking = LineBreakingLength(text, i);
        if (breaking != 0) {
            out += ' ';
            i += breaking;
        } else {
            out += text[i++];
        }
    }
    return out;
}

} // namespace zelvar
