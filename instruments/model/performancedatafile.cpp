#include "instruments/model/performancedatafile.h"

#include "engine/model/filename.h"
#include "engine/model/memorytable.h"
#include "engine/model/numbertext.h"
#include "engine/model/planttextfile.h"

#include <algorithm>
#include <bit>
#include <limits>
#include <system_error>

namespace zelvar {

namespace {

constexpr std::string_view kLineEnd = "\r\n";
constexpr std::size_t kDataLineLength = MemoryTable::kMemoryCount * 8 + 2;

char LowerAscii(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool HasDataExtension(std::string_view name)
{
    constexpr std::string_view extension = ".txd";
    if (name.size() <= extension.size())
        return false;
    const std::string_view tail = name.substr(name.size() - extension.size());
    return std::equal(tail.begin(), tail.end(), extension.begin(), [](char a, char b) {
        return LowerAscii(a) == b;
    });
}

} // namespace

std::string DataFileHeader(const MemoryTable &memories, double sampleTime, int windowSeconds)
{
    std::string header;
    for (int memory = 1; memory <= MemoryTable::kMemoryCount; ++memory) {
        if (memory < 10)
            header += '0';
        header += FormatFixed(memory, 0, 0);
        header += ' ';
        header += memories.Description(memory);
        header += ';';
    }
    header += FormatFixed(sampleTime, 1, 1);
    header += ';';
    header += FormatFixed(windowSeconds, 0, 0);
    header += ';';
    return header;
}

void DataLineFields::Append(std::string &line, const MemoryTable &memories)
{
    for (std::size_t memory = 1; memory <= MemoryTable::kMemoryCount; ++memory) {
        const double value = memories.MemoryValue[memory];
        const auto bits = std::bit_cast<std::uint64_t>(value);
        std::string &text = m_texts[memory];
        if (!m_started || bits != m_bits[memory]) {
            m_bits[memory] = bits;
            text.clear();
            AppendFixed(text, value, 5, 2);
        }
        line += text;
        line += ';';
    }
    m_started = true;
}

void AppendDataLine(std::string &line, const MemoryTable &memories)
{
    DataLineFields().Append(line, memories);
}

std::string PerformanceDataFile::Create(const std::filesystem::path &folder,
                                        std::string_view baseName,
                                        const MemoryTable &memories,
                                        double sampleTime,
                                        int windowSeconds,
                                        Language language)
{
    Close();
    m_language = language;
    const std::string couldNotCreate(
        Tr(language, "Não foi possível criar o arquivo ", "Could not create the file "));

    std::string name;
    for (int n = 1;; ++n) {
        name = std::string(baseName) + "_" + FormatFixed(n, 0, 0) + ".txd";
        std::error_code error;
        const bool exists = std::filesystem::exists(folder / PathFromUtf8(name), error);
        if (error || n == std::numeric_limits<int>::max())
            return couldNotCreate + name;
        if (!exists)
            break;
    }
    m_file.clear();
    m_file.open(folder / PathFromUtf8(name), std::ios::out | std::ios::binary);
    if (!m_file.is_open())
        return couldNotCreate + Utf8FromPath(folder / PathFromUtf8(name));
    const std::string header
        = EncodeWindows1252(DataFileHeader(memories, sampleTime, windowSeconds))
          + std::string(kLineEnd);
    m_file.write(header.data(), static_cast<std::streamsize>(header.size()));
    if (!m_file) {
        m_file.close();
        m_file.clear();
        return couldNotCreate + name;
    }
    m_fileName = name;
    m_line.reserve(kDataLineLength);
    m_message.clear();
    m_open = true;
    return {};
}

void PerformanceDataFile::WriteSample(const MemoryTable &memories)
{
    if (!m_open)
        return;
    m_line.clear();
    m_fields.Append(m_line, memories);
    m_line += kLineEnd;
    m_file.write(m_line.data(), static_cast<std::streamsize>(m_line.size()));
    if (!m_file)
        Fail();
}

void PerformanceDataFile::Fail()
{
    m_open = false;
    m_file.close();
    m_file.clear();
    m_message
        = std::string(Tr(m_language, "Falha ao gravar o arquivo ", "Could not write the file "))
          + m_fileName;
}

std::string PerformanceDataFile::Close()
{
    if (m_open) {
        m_open = false;
        m_file.close();
        if (m_file.fail())
            Fail();
        m_file.clear();
    }
    std::string message = std::move(m_message);
    m_message.clear();
    return message;
}

double ReadDataField(std::string_view line, int n)
{
    if (n < 1)
        return 0.0;
    std::size_t start = 0;
    for (int field = 1; field < n; ++field) {
        const std::size_t end = line.find(';', start);
        if (end == std::string_view::npos)
            return 0.0;
        start = end + 1;
    }
    const std::size_t end = line.find(';', start);
    if (end == std::string_view::npos)
        return 0.0;
    return ParseNumber(line.substr(start, end - start)).value;
}

std::vector<std::string> DataFileList(const std::filesystem::path &folder)
{
    std::vector<std::string> names;
    std::error_code error;
    std::filesystem::directory_iterator entry(folder, error);
    for (; !error && entry != std::filesystem::directory_iterator(); entry.increment(error)) {
        const std::string name = Utf8FromPath(entry->path().filename());
        if (HasDataExtension(name))
            names.push_back(name.substr(0, name.size() - 4));
    }
    std::sort(names.begin(), names.end(), [](const std::string &a, const std::string &b) {
        const auto byLetter = [](char x, char y) {
            return LowerAscii(x) < LowerAscii(y);
        };
        if (std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), byLetter))
            return true;
        if (std::lexicographical_compare(b.begin(), b.end(), a.begin(), a.end(), byLetter))
            return false;
        return a < b;
    });
    return names;
}

} // namespace zelvar
