#pragma once

#include "engine/model/language.h"
#include "engine/model/slotpool.h"
#include "engine/model/stepcontext.h"
#include "engine/model/trend.h"

#include <filesystem>
#include <string>

namespace zelvar {

struct EnginePlant;
struct MemoryTable;
class PlantTextReader;
class PlantTextWriter;

// The settings area as the user left it. Pen positions follow the instruments' memory lists
// (memorylist.h): pen 1 offers positions 0-123, pens 2 and 3 also 124, "Nenhum"; -1 is no
// choice.
struct RecorderSettings
{
    std::string TagText;
    std::string DescricaoText;
    int Variavel1Select = -1;
    int Variavel2Select = -1;
    int Variavel3Select = -1;
    std::string Edit1 = "PV";
    std::string Edit2 = "SP";
    std::string Edit3 = "MV";
};

// A strip-chart recorder (slots 1-10, object numbers 201-210): three pens on the shared trend
// strip, their values as texts, and an archive "<tag>_<n>.txt" in the working folder.
//
// Pen 1 (red) and pen 2 (blue) are the upper traces, drawn on the left scale in percent of
// pen 1's memory range; both are shown in pen 1's engineering units and unit, whatever range
// pen 2's own memory has:
//   e = (range high - range low) x p / 100 + range low,   label "<name>: " + e(4, 2) + " <unit>"
// Pen 3 (green) is drawn on the fixed 0-100 % right scale, label "<name>: " + p(4, 2) + "%".
//
// A pen without a signal (no choice, "Nenhum") reads 0 and has an empty label; pens 2 and 3
// are then not drawn, pen 1 stays on the strip. Positions 100-123 read the actuator
// positions (0-100 %); a pen 1 there, or on position 99, scales on 0-100 "%".
class Recorder
{
public:
    static constexpr int kCount = 10;

    Recorder()
        : Recorder(0)
    {}
    // slot 1-10; the object number is 200 + slot (0 outside).
    explicit Recorder(int slot);

    int ObjectNumber = 0;

    // The strip: time base (BaseTempoBox), scale edits, "Auto", options, pause, readouts and
    // the archive. Its archive file closes when the recorder is destroyed.
    Trend trend;

    // --- What the window shows ------------------------------------------------------------
    std::string Caption = "Registrador"; // "<tag> - <description>" once applied
    std::string VermelhoLabel;
    std::string AzulLabel;
    std::string VerdeLabel;
    std::string Label1;            // pen 1's unit
    bool CheckBox1Enabled = false; // "Arquivar": a tag was there at the last Apply

    // --- Working values of the last Apply --------------------------------------------------
    double rangeLow = 0.0;
    double rangeHigh = 100.0;
    std::string unit;

    const RecorderSettings &Settings() const { return m_settings; }

    // A user edit of the tag, the description, pens 1 and 2 or the pen names: the settings
    // are applied at once (DescricaoTextChange). The tag stays while archiving.
    template<typename Edit> void EditSettings(const MemoryTable &memories, Edit &&edit)
    {
        const std::string tag = m_settings.TagText;
        edit(m_settings);
        if (trend.Archiving())
            m_settings.TagText = tag;
        Applied(memories);
    }
    // A change made by code (the record reader): nothing else happens.
    template<typename Edit> void LoadSettings(Edit &&edit) { edit(m_settings); }

    // Whether a pen (1-3) is drawn: pen 1 always, pens 2 and 3 while their label shows.
    bool PenDrawn(int pen) const;

private:
    void Applied(const MemoryTable &memories);

    RecorderSettings m_settings;
};

// Takes pen 1's range and unit from the memory table (memory 1 when no pen is chosen), sets
// the scale (full range, or automatic from pen 1's history), redraws both upper traces and
// refreshes the scale labels, the caption, "Arquivar" and the archive indicator. Range texts
// that do not read as numbers are taken as ParseNumber gives them, without a message.
void ApplyRecorderSettings(Recorder &recorder, const MemoryTable &memories);

// Pen 3 chosen by the user (Variavel3SelectChange). On a controller output M1-M10 (loop k)
// the default pen names pair the pens with the loop: "SP" on pen 2 takes M(60+k), "PV" on
// pen 1 takes controller k's PV choice when it is present. Then the settings are applied.
void SelectRecorderPen3(Recorder &recorder, int position, const EnginePlant &plant);

// EscalaAutoClick and Image1DblClick: the settings applied with "Auto" as given.
void SetRecorderAutoScale(Recorder &recorder, const MemoryTable &memories, bool ticked);
// Enter in eSupText or eInfText: unticks "Auto" (full range first when it was ticked), then
// takes the typed bounds (engineering units) when both are numbers with the bottom below the
// top. False, with nothing changed, otherwise or while archiving.
bool EnterRecorderManualScale(Recorder &recorder, const MemoryTable &memories);

// One tick (the tick's recorders hook, after every other object): samples by the time base,
// refreshes the pen labels and archives the sample. Never allocates once the labels have
// grown to their length, never throws; a failed archive write ends the archive and leaves
// its message in trend.TakeArchiveMessage().
void StepRecorder(Recorder &recorder, const EnginePlant &plant, const StepContext &context);

// The tick's recorders hook: every present recorder in slot order.
void StepRecorders(SlotPool<Recorder, Recorder::kCount> &recorders,
                   const EnginePlant &plant,
                   const StepContext &context);

// "Arquivar" ticked: the first free "<tag>_<n>.txt" in the folder, its header the time text
// and the three pen names. Empty on success, otherwise the message to show (archiving stays
// off). Nothing happens without a tag.
std::string
StartRecorderArchive(Recorder &recorder, const std::filesystem::path &folder, Language language);
// "Arquivar" unticked: "Data saved: " + the file name, or the failure message.
std::string StopRecorderArchive(Recorder &recorder);
// The recorder leaves the plant (deleted or reset): the archive closes without a message.
void CloseRecorderArchive(Recorder &recorder);

// The cursor readout: "Y: " + value(4, 1) + " %  T: " + seconds(4, 1) + " s".
std::string RecorderReadoutText(int slot, double value, double seconds);

// The ten-line record "=====<<<REGISTRADOR:2nn>>>=====", "{R/01} Tag:" ... "{R/09} Ind Lista
// Base Tempo:". The reader takes each value after its prefix without comparing it, keeps the
// language part of the texts, and selects nothing for a list position its list does not
// hold; a position that is not a whole number is an error of the file. It reads into a
// recorder fresh from its constructor (scale 0-100, archive time 0); the caller applies the
// settings next.
void SaveRecorderSection(const Recorder &recorder, PlantTextWriter &writer);
void LoadRecorderSection(Recorder &recorder, PlantTextReader &reader, Language language);

} // namespace zelvar
