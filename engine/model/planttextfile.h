#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace zelvar {

// The plant file is Windows-1252 text with CRLF line ends on every platform. In memory every
// line is UTF-8 without its line end; these convert at the file's edge.
std::string DecodeWindows1252(std::string_view bytes);
// A character outside Windows-1252 is written as "?".
std::string EncodeWindows1252(std::string_view utf8);

// Reads a plant file's lines in order, as the record readers expect: a record reader drops
// its header line and takes each value after a fixed number of leading characters, without
// checking the labels. A line shorter than its prefix is an empty value. Reading past the end
// or a malformed whole number records the first error with its line number; later reads then
// return empty values, so a reader can run to its end and be checked once.
class PlantTextReader
{
public:
    // A line is cut to what a single-line edit holds: every value ends up in an edit, a label or
    // a window title, none of which takes megabytes, and the comment pane lays a paragraph out
    // in a time that grows with the square of its length.
    static constexpr std::size_t kMaxLineCharacters = 32767;

    PlantTextReader() = default;
    explicit PlantTextReader(std::vector<std::string> lines);
    // Decodes Windows-1252 and splits on CRLF or LF (a final line end adds no line).
    static PlantTextReader FromFileBytes(std::string_view bytes);

    bool AtEnd() const { return m_next >= m_lines.size(); }
    // 1-based number of the line read last (0 before the first).
    int LineNumber() const { return static_cast<int>(m_next); }

    // The next line, cut to kMaxLineCharacters.
    std::string ReadLine();
    void SkipLine() { ReadLine(); }
    // Every line not read yet, in order, each cut like ReadLine's; the reader is then at the
    // end.
    std::vector<std::string> ReadRemainingLines();
    // The line without its first prefixCharacters characters.
    std::string ReadValue(std::size_t prefixCharacters);
    // "True" is true, anything else false (object flags).
    bool ReadTrueFalse(std::size_t prefixCharacters);
    // "TRUE" is true, anything else false (plant-level check boxes).
    bool ReadUpperTrueFalse(std::size_t prefixCharacters);
    // A strict whole number (blanks around it allowed); anything else is an error of the file.
    int ReadInteger(std::size_t prefixCharacters);

    bool Failed() const { return !m_error.empty(); }
    const std::string &Error() const { return m_error; }
    int ErrorLine() const { return m_errorLine; }
    void Fail(std::string message);

private:
    std::vector<std::string> m_lines;
    std::size_t m_next = 0;
    std::string m_error;
    int m_errorLine = 0;
};

// Collects a plant file's lines; ToFileBytes gives the Windows-1252, CRLF form.
class PlantTextWriter
{
public:
    // A value holding a line break or another control character is written with a blank in
    // its place, so no value can shift the lines after it.
    void WriteLine(std::string_view line);
    void WriteLine(std::string_view label, std::string_view value);
    // "True"/"False" for object flags, "TRUE"/"FALSE" for plant-level check boxes.
    void WriteTrueFalse(std::string_view label, bool value);
    void WriteUpperTrueFalse(std::string_view label, bool value);

    const std::vector<std::string> &Lines() const { return m_lines; }
    std::string ToFileBytes() const;

private:
    std::vector<std::string> m_lines;
};

} // namespace zelvar
