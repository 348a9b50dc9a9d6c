#include "instruments/model/performancehistory.h"

#include "engine/model/engineplant.h"
#include "engine/model/filename.h"
#include "engine/model/numbertext.h"
#include "engine/model/textlines.h"
#include "instruments/model/memorylist.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <string_view>
#include <vector>

namespace zelvar {

namespace {

bool ReadWholeFile(const std::filesystem::path &file, std::string &bytes)
{
    std::ifstream stream(file, std::ios::in | std::ios::binary);
    if (!stream.is_open())
        return false;
    bytes.assign(std::istreambuf_iterator<char>(stream), std::istreambuf_iterator<char>());
    return !stream.bad();
}

// The ";"-terminated fields of a line, from 1; a field past the last ";" reads 0.
class DataFields
{
public:
    void Split(std::string_view line)
    {
        m_line = line;
        m_ends.clear();
        for (std::size_t at = line.find(';'); at != std::string_view::npos;
             at = line.find(';', at + 1))
            m_ends.push_back(at);
    }
    int Count() const { return static_cast<int>(m_ends.size()); }
    double Value(int n) const
    {
        if (n < 1 || n > Count())
            return 0.0;
        const std::size_t end = m_ends[static_cast<std::size_t>(n - 1)];
        const std::size_t start = n == 1 ? 0 : m_ends[static_cast<std::size_t>(n - 2)] + 1;
        return ParseNumber(m_line.substr(start, end - start)).value;
    }

private:
    std::string_view m_line;
    std::vector<std::size_t> m_ends;
};

std::string LoadHistory(LoopCharts &charts,
                        std::array<LoopIndexRow, kLoopCount + 1> &table,
                        bool &indicesFlag,
                        PerformanceTables &tables,
                        bool normalise,
                        const EnginePlant &plant,
                        const std::filesystem::path &file,
                        Language language,
                        const ProgressCallback &progress)
{
    std::string bytes;
    if (!ReadWholeFile(file, bytes)) {
        return std::string(
                   Tr(language, "Não foi possível abrir o arquivo ", "Could not open the file "))
               + Utf8FromPath(file);
    }
    const std::vector<std::string_view> lines = SplitLines(bytes);
    const int dataLines = std::max(0, static_cast<int>(lines.size()) - 1);

    DataFields fields;
    fields.Split(lines.empty() ? std::string_view() : lines.front());
    const double length = fields.Count() >= 2 ? fields.Value(fields.Count()) : 0.0;
    const int samples = std::clamp(RoundHalfEven(length), 0, dataLines);

    const std::vector<PerformanceLoop> loops
        = PrepareLoopCharts(plant, charts, tables, static_cast<std::size_t>(samples));

    int shown = -1;
    for (int i = 0; i < samples; ++i) {
        if (progress) {
            const int percent = RoundHalfEven(100.0 * i / samples);
            if (percent != shown) {
                shown = percent;
                progress(percent);
            }
        }
        fields.Split(lines[static_cast<std::size_t>(i + 1)]);
        for (const PerformanceLoop &loop : loops) {
            AppendLoopSample(charts[static_cast<std::size_t>(loop.loop)],
                             loop,
                             normalise,
                             fields.Value(loop.pvMemory),
                             fields.Value(60 + loop.loop),
                             fields.Value(loop.loop));
        }
    }

    for (const PerformanceLoop &loop : loops) {
        const auto k = static_cast<std::size_t>(loop.loop);
        table[k] = CalcLoopIndices(charts[k].PV, charts[k].SP, charts[k].CO);
    }
    indicesFlag = true;
    return {};
}

} // namespace

std::string LoadUpperHistory(PerformanceWindow &window,
                             PerformanceTables &tables,
                             const EnginePlant &plant,
                             const std::filesystem::path &file,
                             Language language,
                             const ProgressCallback &progress)
{
    return LoadHistory(window.upperCharts,
                       tables.LoopIndexTable,
                       tables.simulationIndices,
                       tables,
                       window.Normaliza,
                       plant,
                       file,
                       language,
                       progress);
}

std::string LoadLowerHistory(PerformanceWindow &window,
                             PerformanceTables &tables,
                             const EnginePlant &plant,
                             const std::filesystem::path &file,
                             Language language,
                             const ProgressCallback &progress)
{
    return LoadHistory(window.lowerCharts,
                       tables.HistoryIndexTable,
                       tables.historyIndices,
                       tables,
                       window.Normaliza,
                       plant,
                       file,
                       language,
                       progress);
}

} // namespace zelvar
