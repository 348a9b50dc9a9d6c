#pragma once

#include "engine/model/language.h"
#include "engine/model/memorytable.h"

#include <array>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <vector>

namespace zelvar {

// The 99 fields of data lines, one after another: a field is formatted again only when its
// memory's value changed since the last line, as most memories of a plant stand still.
class DataLineFields
{
public:
    // Appends the fields of one line to the text (without a line end).
    void Append(std::string &line, const MemoryTable &memories);

private:
    std::array<std::uint64_t, MemoryTable::kMemoryCount + 1> m_bits{};
    std::array<std::string, MemoryTable::kMemoryCount + 1> m_texts;
    bool m_started = false;
};

// The performance data file "<base>_<n>.txd" of a fast run. Every field ends with ";".
//   line 1:  "01 <description of M1>;" ... "99 <description of M99>;" Ts(1, 1) ";" W ";"
//   then one line per simulated second: FormatFixed(M1, 5, 2) ";" ... FormatFixed(M99, 5, 2) ";"
// with Ts the sample time in seconds and W the run length in whole seconds. Lines end with
// CRLF; the header is written in Windows-1252.
class PerformanceDataFile
{
public:
    // Creates the first free "<base>_<n>.txd" (n from 1) in the folder and writes the header.
    // Empty on success, otherwise the message to show (no file is open then).
    std::string Create(const std::filesystem::path &folder,
                       std::string_view baseName,
                       const MemoryTable &memories,
                       double sampleTime,
                       int windowSeconds,
                       Language language);
    bool IsOpen() const { return m_open; }
    // The name of the file created last, without its folder.
    const std::string &FileName() const { return m_fileName; }

    // One data line of the 99 memory values. Never throws; a failed write closes the file and
    // keeps the message for Close.
    void WriteSample(const MemoryTable &memories);
    // Closes the file: empty, or the message of a failed write (once).
    std::string Close();

private:
    void Fail();

    std::ofstream m_file;
    bool m_open = false;
    std::string m_fileName;
    std::string m_line;
    DataLineFields m_fields;
    std::string m_message;
    Language m_language = Language::Portuguese;
};

// Line 1 of a data file (UTF-8, without its line end).
std::string DataFileHeader(const MemoryTable &memories, double sampleTime, int windowSeconds);
// Appends the 99 fields of one data line to the text (without a line end).
void AppendDataLine(std::string &line, const MemoryTable &memories);

// The N-th (from 1) ";"-terminated field of a line, read with ParseNumber (leading blanks
// accepted, error position ignored); a field past the last ";" reads 0.
double ReadDataField(std::string_view line, int n);

// The ".txd" files of the folder, names without the extension, sorted as a sorted list shows
// them (letters without regard to case). An unreadable folder gives an empty list.
std::vector<std::string> DataFileList(const std::filesystem::path &folder);

} // namespace zelvar
