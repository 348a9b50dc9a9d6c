#include "engine/model/trend.h"

#include "engine/model/filename.h"
#include "engine/model/gridlabels.h"
#include "engine/model/numbertext.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <system_error>

namespace zelvar {

namespace {

constexpr std::string_view kLineEnd = "\r\n";

// Pixel height of a value in percent of the strip, 0 to 200.
std::uint8_t PercentToPoint(double percent)
{
    if (!std::isfinite(percent))
        return percent > 0 ? Trend::kTopPoint : 0;
    return static_cast<std::uint8_t>(RoundHalfEven(2.0 * std::clamp(percent, 0.0, 100.0)));
}

} // namespace

Trend::Trend(ReadoutFormat readoutFormat)
    : m_readoutFormat(readoutFormat)
{
    SetScaleLabels(0.0, 100.0);
    ResetReadouts("Ponto ", ":");
}

void Trend::SetTimeBase(int position)
{
    if (m_archiving || position < 0 || position > 2)
        return;
    m_timeBase = position;
    UpdateArchiveIndicator();
}

double Trend::SecondsPerPixel(int timeBase)
{
    switch (timeBase) {
    case 0:
        return 0.1;
    case 1:
        return 0.3;
    default:
        return 2.0;
    }
}

void Trend::UpdateArchiveIndicator()
{
    switch (m_timeBase) {
    case 0:
        m_archiveIndicator = "Saving 0.1s sampling";
        break;
    case 1:
        m_archiveIndicator = "Saving 0.3s sampling";
        break;
    default:
        m_archiveIndicator = "Saving 2s sampling";
        break;
    }
}

bool Trend::DueForSample()
{
    if (m_decimationCounter < std::numeric_limits<int>::max())
        ++m_decimationCounter;
    if (m_paused)
        return false;
    const bool due = m_timeBase == 0 || (m_timeBase == 1 && m_decimationCounter > 2)
                     || (m_timeBase == 2 && m_decimationCounter > 19);
    if (!due)
        return false;
    m_decimationCounter = 0;
    return true;
}

double Trend::StripPosition(double value) const
{
    const double span = m_scaleTop - m_scaleBottom;
    if (span == 0.0)
        return 0.0;
    const double position = (value - m_scaleBottom) * 100.0 / span;
    return std::isfinite(position) ? position : 0.0;
}

void Trend::Record(const TrendSample &sample)
{
    std::array<double, kTraceCount> position{};
    for (int trace = 0; trace < kTraceCount; ++trace) {
        const double value = sample.value[static_cast<std::size_t>(trace)];
        position[static_cast<std::size_t>(trace)]
            = trace < kUpperTraceCount ? StripPosition(value) : value;
    }
    if (++m_gridScrollOffset > 29)
        m_gridScrollOffset = 0;
    m_ringPosition = m_ringPosition >= kRingSize ? 1 : m_ringPosition + 1;
    const auto at = static_cast<std::size_t>(m_ringPosition);
    for (std::size_t trace = 0; trace < kUpperTraceCount; ++trace) {
        const double value = sample.value[trace];
        m_history[trace][at] = std::isfinite(value) ? value : 0.0;
    }
    for (std::size_t trace = 0; trace < kTraceCount; ++trace) {
        if (sample.updatePoint[trace])
            m_points[trace][at] = PercentToPoint(position[trace]);
    }
}

std::uint8_t Trend::Point(int trace, int position) const
{
    if (trace < 0 || trace >= kTraceCount || position < 1 || position > kRingSize)
        return 0;
    return m_points[static_cast<std::size_t>(trace)][static_cast<std::size_t>(position)];
}

double Trend::History(int trace, int position) const
{
    if (trace < 0 || trace >= kUpperTraceCount || position < 1 || position > kRingSize)
        return 0.0;
    return m_history[static_cast<std::size_t>(trace)][static_cast<std::size_t>(position)];
}

std::uint8_t Trend::PointOldestFirst(int trace, int i) const
{
    // The oldest sample sits right after the newest; before 450 samples that is an unwritten 0.
    const int oldest = m_ringPosition >= kRingSize ? 1 : m_ringPosition + 1;
    return Point(trace, (oldest - 1 + i) % kRingSize + 1);
}

const std::string &Trend::ScaleLabel(int j) const
{
    static const std::string none;
    if (j < 1 || j > 9)
        return none;
    return m_scaleLabels[static_cast<std::size_t>(j)];
}

void Trend::RedrawUpperTraces(double bottomPercent, double topPercent)
{
    const double span = topPercent - bottomPercent;
    for (std::size_t trace = 0; trace < kUpperTraceCount; ++trace) {
        for (std::size_t at = 1; at <= kRingSize; ++at) {
            const double percent
                = span == 0.0 ? 0.0 : (m_history[trace][at] - bottomPercent) * 100.0 / span;
            m_points[trace][at] = PercentToPoint(percent);
        }
    }
}

void Trend::SetScaleLabels(double bottom, double top)
{
    const std::array<std::string, 9> labels = GridLineLabels(bottom, top);
    std::copy(labels.begin(), labels.end(), m_scaleLabels.begin() + 1);
}

void Trend::UpdateScaleLabels(double begin, double end)
{
    // m_scaleTop and m_scaleBottom arrive in engineering units and leave in percent.
    SetScaleLabels(m_scaleBottom, m_scaleTop);
    const double span = end - begin;
    const auto toPercent = [&](double x) {
        if (span == 0.0)
            return 0.0;
        const double percent = (x - begin) * 100.0 / span;
        return std::isfinite(percent) ? percent : 0.0;
    };
    m_scaleTop = toPercent(m_scaleTop);
    m_scaleBottom = toPercent(m_scaleBottom);
}

void Trend::ApplySettingsScale(double begin, double end)
{
    const auto fullRange = [&] {
        m_scaleTop = end;
        m_scaleBottom = begin;
        for (std::size_t trace = 0; trace < kUpperTraceCount; ++trace) {
            for (std::size_t at = 1; at <= kRingSize; ++at)
                m_points[trace][at] = PercentToPoint(m_history[trace][at]);
        }
    };
    if (!EscalaAuto) {
        fullRange();
    } else {
        // Positions never sampled take part with their 0.
        double largest = -1000000.0;
        double smallest = 1000000.0;
        for (std::size_t at = 1; at <= kRingSize; ++at) {
            largest = std::max(largest, m_history[0][at]);
            smallest = std::min(smallest, m_history[0][at]);
        }
        const double topPercent = 1.1 * largest;
        const double bottomPercent = 0.9 * smallest;
        if (topPercent == bottomPercent) {
            // A flat history at 0 (a new strip) has no span to scale to: the memory's full
            // range shows the traces and labels that tell something.
            fullRange();
        } else {
            RedrawUpperTraces(bottomPercent, topPercent);
            m_scaleTop = (end - begin) / 100.0 * topPercent + begin;
            m_scaleBottom = (end - begin) / 100.0 * bottomPercent + begin;
        }
    }
    if (!std::isfinite(m_scaleTop) || !std::isfinite(m_scaleBottom)) {
        m_scaleTop = end;
        m_scaleBottom = begin;
    }
    eSupText = FormatFixed(m_scaleTop, 4, 1);
    eInfText = FormatFixed(m_scaleBottom, 4, 1);
    m_topInForce = eSupText;
    m_bottomInForce = eInfText;
    UpdateScaleLabels(begin, end);
}

bool Trend::ApplyManualScale(double begin, double end)
{
    // A refused pair would otherwise stay in the edits and feed the readouts.
    const auto refuse = [this] {
        eSupText = m_topInForce;
        eInfText = m_bottomInForce;
        return false;
    };
    if (m_archiving)
        return refuse();
    const ParsedNumber top = ParseNumber(eSupText);
    const ParsedNumber bottom = ParseNumber(eInfText);
    if (top.errorPosition != 0 || bottom.errorPosition != 0 || !(bottom.value < top.value))
        return refuse();
    const double span = end - begin;
    if (span == 0.0)
        return refuse();
    const double topPercent = (top.value - begin) * 100.0 / span;
    const double bottomPercent = (bottom.value - begin) * 100.0 / span;
    if (!std::isfinite(topPercent) || !std::isfinite(bottomPercent))
        return refuse();
    RedrawUpperTraces(bottomPercent, topPercent);
    m_scaleTop = top.value;
    m_scaleBottom = bottom.value;
    m_topInForce = eSupText;
    m_bottomInForce = eInfText;
    UpdateScaleLabels(begin, end);
    return true;
}

void Trend::TogglePause()
{
    if (!m_archiving)
        m_paused = !m_paused;
}

bool Trend::Readout(int x, int y)
{
    if (!m_paused)
        return false;
    const double top = ParseNumber(eSupText).value;
    const double bottom = ParseNumber(eInfText).value;
    const double value = (top - bottom) / 100.0 * ((200.0 - y) / 2.0) + bottom;
    const double seconds = x * SecondsPerPixel(m_timeBase);
    const auto slot = static_cast<std::size_t>(m_readoutSlot);
    m_readouts[slot]
        = m_readoutFormat ? m_readoutFormat(m_readoutSlot, value, seconds) : std::string();
    m_markers[slot] = TrendMarker{true, x, y};
    m_readoutSlot = m_readoutSlot >= kReadoutCount ? 1 : m_readoutSlot + 1;
    return true;
}

void Trend::SetReadoutSlot(int slot)
{
    if (slot >= 1 && slot <= kReadoutCount)
        m_readoutSlot = slot;
}

const std::string &Trend::ReadoutText(int slot) const
{
    static const std::string none;
    if (slot < 1 || slot > kReadoutCount)
        return none;
    return m_readouts[static_cast<std::size_t>(slot)];
}

TrendMarker Trend::Marker(int slot) const
{
    if (slot < 1 || slot > kReadoutCount)
        return {};
    return m_markers[static_cast<std::size_t>(slot)];
}

void Trend::ResetReadouts(std::string_view stem, std::string_view suffix)
{
    for (int slot = 1; slot <= kReadoutCount; ++slot) {
        std::string text(stem);
        text += FormatFixed(slot, 0, 0);
        text += suffix;
        m_readouts[static_cast<std::size_t>(slot)] = std::move(text);
    }
}

std::string Trend::StartArchive(const std::filesystem::path &folder,
                                std::string_view tag,
                                std::string_view columns,
                                Language language)
{
    if (m_archiving)
        return {};
    m_archiveLanguage = language;
    const std::string couldNotCreate(
        Tr(language, "Não foi possível criar o arquivo ", "Could not create the file "));

    std::filesystem::path path;
    for (int n = 1;; ++n) {
        std::string name = FileNameFromText(tag);
        name += '_';
        name += FormatFixed(n, 0, 0);
        name += ".txt";
        path = folder / PathFromUtf8(name);
        std::error_code error;
        const bool exists = std::filesystem::exists(path, error);
        if (error)
            return couldNotCreate + Utf8FromPath(path);
        if (!exists)
            break;
        if (n == std::numeric_limits<int>::max())
            return couldNotCreate + Utf8FromPath(path);
    }
    std::error_code error;
    const std::filesystem::path absolute = std::filesystem::absolute(path, error);
    if (!error)
        path = absolute;

    m_archive.clear();
    m_archive.open(path, std::ios::out | std::ios::binary);
    if (!m_archive.is_open())
        return couldNotCreate + Utf8FromPath(path);

    // The time column and its header follow the samples as they are taken, one every 1, 3 or
    // 20 ticks of 100 ms.
    std::string header;
    switch (m_timeBase) {
    case 0:
        header = "Tempo (0.100 seg);";
        break;
    case 1:
        header = "Tempo (0.300 seg);";
        break;
    default:
        header = "Tempo (2 seg);";
        break;
    }
    m_archiveTimeStep = SecondsPerPixel(m_timeBase);
    header += columns;
    header += kLineEnd;
    m_archive.write(header.data(), static_cast<std::streamsize>(header.size()));
    m_archive.flush();
    if (!m_archive) {
        m_archive.close();
        m_archive.clear();
        return couldNotCreate + Utf8FromPath(path);
    }
    m_archiveFileName = Utf8FromPath(path);
    m_lastArchiveLine.reserve(96);
    m_archiving = true;
    return {};
}

std::string Trend::StopArchive()
{
    if (!m_archiving)
        return {};
    m_archiving = false;
    m_archive.close();
    const bool failed = m_archive.fail();
    m_archive.clear();
    if (failed)
        return std::string(
                   Tr(m_archiveLanguage, "Falha ao gravar o arquivo ", "Could not write the file "))
               + m_archiveFileName;
    return "Data saved: " + m_archiveFileName;
}

void Trend::AppendArchiveNumber(double x)
{
    const std::string number = FormatFixed(x, 3, 2);
    const std::size_t start = m_lastArchiveLine.size();
    m_lastArchiveLine += number;
    if (UsarVirgula) {
        const std::size_t point = m_lastArchiveLine.find('.', start);
        if (point != std::string::npos)
            m_lastArchiveLine[point] = ',';
    }
}

void Trend::ArchiveSample(double first, double second, double third)
{
    if (!m_archiving)
        return;
    m_lastArchiveLine.clear();
    AppendArchiveNumber(m_archiveTime);
    m_lastArchiveLine += ';';
    AppendArchiveNumber(first);
    m_lastArchiveLine += ';';
    AppendArchiveNumber(second);
    m_lastArchiveLine += ';';
    AppendArchiveNumber(third);
    m_archive.write(m_lastArchiveLine.data(),
                    static_cast<std::streamsize>(m_lastArchiveLine.size()));
    m_archive.write(kLineEnd.data(), static_cast<std::streamsize>(kLineEnd.size()));
    // Each line leaves the program at once: a crash loses nothing, and the file can be
    // followed while it grows.
    m_archive.flush();
    if (!m_archive) {
        FailArchive(
            std::string(
                Tr(m_archiveLanguage, "Falha ao gravar o arquivo ", "Could not write the file "))
            + m_archiveFileName);
        return;
    }
    m_archiveTime += m_archiveTimeStep;
}

void Trend::FailArchive(std::string message)
{
    m_archiving = false;
    m_archive.close();
    m_archive.clear();
    m_archiveMessage = std::move(message);
}

std::string Trend::TakeArchiveMessage()
{
    std::string message = std::move(m_archiveMessage);
    m_archiveMessage.clear();
    return message;
}

} // namespace zelvar
