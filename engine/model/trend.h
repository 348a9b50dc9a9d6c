#pragma once

#include "engine/model/language.h"

#include <array>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

namespace zelvar {

// One sample offered to a trend. Traces 0 and 1 are the upper traces: values in percent of the
// owner's scale, drawn against the left scale (scale bottom to scale top) and kept in histories
// so they can be redrawn on a new scale. Traces 2 and 3 are drawn against the fixed 0-100 %
// right scale and have no history.
struct TrendSample
{
    std::array<double, 4> value{};
    // A trace whose point is not updated keeps its old point at this position (a recorder pen
    // without a memory); histories are always written.
    std::array<bool, 4> updatePoint{true, true, true, true};
};

// Where a cursor readout put its marker, in strip-image pixels.
struct TrendMarker
{
    bool shown = false;
    int x = 0;
    int y = 0;
};

// The scrolling strip of the last 450 samples shared by the controller faceplate and the
// strip-chart recorder, with its time bases, scaling, pause and cursor readout, and its archive
// file.
//
// Points: the height above the strip's bottom line, 2 pixels per percent, 0 to 200:
//   upper trace point = 2 x (v - scale bottom) x 100 / (scale top - scale bottom), limited;
//   lower trace point = 2 x v, v limited to 0..100.
// A memory range whose top equals its bottom puts the upper traces on the bottom line; the
// automatic scale of a flat history (all 0) takes the full range instead. Halves of a pixel go
// to the even neighbour.
//
// Time bases (BaseTempoBox): 0 samples every call, 1 every third, 2 every twentieth; at the
// 100 ms tick a pixel is 0.1 s, 0.3 s or 2 s and a grid division of 30 samples 3 s, 9 s or 1 min.
//
// Archive: one ";"-separated line per sample, "time;a;b;c", each number FormatFixed(x, 3, 2)
// with the first "." turned into "," on request. The time column grows by 0.1, 0.3 or 2 s by
// the time base, as the samples are taken, and runs on across successive archives. A file that
// cannot be created or written stops the archive with one message; nothing is thrown.
class Trend
{
public:
    static constexpr int kRingSize = 450;
    static constexpr int kTraceCount = 4;
    static constexpr int kUpperTraceCount = 2;
    static constexpr int kReadoutCount = 6;
    static constexpr int kTopPoint = 200;

    // The text of readout `slot` (1-6) for a value in the left scale's units at a time in
    // seconds from the strip's left edge.
    using ReadoutFormat = std::string (*)(int slot, double value, double seconds);

    explicit Trend(ReadoutFormat readoutFormat = nullptr);

    // --- Time base --------------------------------------------------------------------------
    int TimeBase() const { return m_timeBase; }
    // BaseTempoBoxChange: 0 to 2; refused while archiving (the archive's time step is fixed).
    void SetTimeBase(int position);
    static double SecondsPerPixel(int timeBase);
    // Label21, the archive indicator: "Saving 0.1s sampling" and so on by the time base.
    const std::string &ArchiveIndicatorText() const { return m_archiveIndicator; }
    // Label21 as the owner's settings leave it.
    void UpdateArchiveIndicator();

    // --- Sampling ---------------------------------------------------------------------------
    // Counts one call of the owner's step (also while paused) and says whether this call takes
    // a sample; the counter restarts at each sample.
    bool DueForSample();
    // Advances the grid and the ring and stores the sample at the new ring position.
    void Record(const TrendSample &sample);

    int DecimationCounter() const { return m_decimationCounter; }
    int GridScrollOffset() const { return m_gridScrollOffset; }
    // Position 1-450 of the newest sample, 0 before the first.
    int RingPosition() const { return m_ringPosition; }
    // Trace 0-3 at ring position 1-450.
    std::uint8_t Point(int trace, int position) const;
    // Upper trace 0-1 at ring position 1-450.
    double History(int trace, int position) const;
    // The i-th point (0-449) of a trace in drawing order, oldest first.
    std::uint8_t PointOldestFirst(int trace, int i) const;

    // --- Scale ------------------------------------------------------------------------------
    // In percent of the owner's scale.
    double ScaleTop() const { return m_scaleTop; }
    double ScaleBottom() const { return m_scaleBottom; }
    // Label of the j x 10 % grid line, j = 1 to 9.
    const std::string &ScaleLabel(int j) const;

    // eSupText and eInfText: the scale bounds in engineering units, as typed or as shown.
    std::string eSupText = "100";
    std::string eInfText = "0";
    // EscalaAuto.
    bool EscalaAuto = false;

    // The owner's settings were applied with its scale begin..end (engineering units): full
    // range, or automatic from the first upper trace's history (1.1 x largest, 0.9 x
    // smallest); both upper traces are redrawn, the edits and labels refreshed.
    void ApplySettingsScale(double begin, double end);
    // Enter in a bound edit: eSupText and eInfText, both numbers with bottom < top, become the
    // scale and redraw the upper traces. False when refused: the scale stays, and the edits
    // show its bounds again. The owner unticks EscalaAuto first.
    bool ApplyManualScale(double begin, double end);

    // --- Options ----------------------------------------------------------------------------
    bool CheckBox2 = false;   // thick traces
    bool UsarVirgula = false; // archive numbers with a decimal comma
    bool UsarUE = false;      // archive the upper traces in engineering units

    // --- Pause and readout ------------------------------------------------------------------
    bool Paused() const { return m_paused; }
    // Refused while archiving (the pause button is disabled then).
    void TogglePause();
    void EndPause() { m_paused = false; }
    // A click at (x, y) in strip-image pixels while paused: the value from eSupText and
    // eInfText, the time from the time base; fills the readout slot and moves on (1-6, 1).
    // Does nothing and returns false while running.
    bool Readout(int x, int y);
    int ReadoutSlot() const { return m_readoutSlot; }
    void SetReadoutSlot(int slot);
    // CoodsText1-6 and the markers Shape1-6, by slot 1-6.
    const std::string &ReadoutText(int slot) const;
    TrendMarker Marker(int slot) const;
    // Every readout text := stem + slot number + suffix ("Ponto " 1 ":").
    void ResetReadouts(std::string_view stem, std::string_view suffix);

    // --- Archive ----------------------------------------------------------------------------
    bool Archiving() const { return m_archiving; }
    // Creates the first free "<tag>_<n>.txt" (n from 1) in the folder and writes the header:
    // the time text of the time base followed by the column names. Empty on success, otherwise
    // the message to show (archiving stays off).
    std::string StartArchive(const std::filesystem::path &folder,
                             std::string_view tag,
                             std::string_view columns,
                             Language language);
    // Closes the file: "Data saved: " + its full name, or the failure message.
    std::string StopArchive();
    // One line at the archive time, then the time moves on. Never throws; a failed write ends
    // the archive and leaves its message for TakeArchiveMessage.
    void ArchiveSample(double first, double second, double third);
    // The message a failed write left (once), empty otherwise.
    std::string TakeArchiveMessage();
    double ArchiveTime() const { return m_archiveTime; }
    double ArchiveTimeStep() const { return m_archiveTimeStep; }
    const std::string &ArchiveFileName() const { return m_archiveFileName; }
    const std::string &LastArchiveLine() const { return m_lastArchiveLine; }

private:
    double StripPosition(double value) const;
    void RedrawUpperTraces(double bottomPercent, double topPercent);
    // The grid labels of a scale in engineering units.
    void SetScaleLabels(double bottom, double top);
    void UpdateScaleLabels(double begin, double end);
    void AppendArchiveNumber(double x);
    void FailArchive(std::string message);

    ReadoutFormat m_readoutFormat = nullptr;

    std::array<std::array<std::uint8_t, kRingSize + 1>, kTraceCount> m_points{};
    std::array<std::array<double, kRingSize + 1>, kUpperTraceCount> m_history{};
    int m_ringPosition = 0;
    int m_gridScrollOffset = 0;
    int m_decimationCounter = 0;
    int m_timeBase = 0;
    std::string m_archiveIndicator = "Arquivando: TA=0.1 seg";

    double m_scaleTop = 100.0;
    // The bounds of the scale in force, as the edits showed them.
    std::string m_topInForce = "100";
    std::string m_bottomInForce = "0";
    double m_scaleBottom = 0.0;
    std::array<std::string, 10> m_scaleLabels;

    bool m_paused = false;
    int m_readoutSlot = 1;
    std::array<std::string, kReadoutCount + 1> m_readouts;
    std::array<TrendMarker, kReadoutCount + 1> m_markers{};

    bool m_archiving = false;
    std::ofstream m_archive;
    std::string m_archiveFileName;
    std::string m_lastArchiveLine;
    std::string m_archiveMessage;
    double m_archiveTime = 0.0;
    double m_archiveTimeStep = 0.1;
    Language m_archiveLanguage = Language::Portuguese;
};

} // namespace zelvar
