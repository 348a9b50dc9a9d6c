#pragma once

#include "engine/model/compiledexpression.h"
#include "engine/model/language.h"
#include "engine/model/slotpool.h"
#include "engine/model/takeover.h"
#include "instruments/model/plantcolour.h"

#include <string>

namespace zelvar {

struct EnginePlant;
struct MemoryTable;
class PlantTextReader;
class PlantTextWriter;

// The display colours of an animated text (0x00BBGGRR, as the picture's colours).
inline constexpr PlantColour kAnimatedTextBlue = 0xFF0000;
inline constexpr PlantColour kAnimatedTextRed = 0x0000FF;

// Kinds of the radio group Tipo.
enum AnimatedTextKind : int { kEscalar = 0, kBinario = 1, kEquacao = 2 };

// Which controls of the settings window show for a kind (ArrangeTextLayout).
struct AnimatedTextLayout
{
    bool ComboBox1Shown = true;
    bool Panel2Shown = true;
    int Panel2Height = 89;
    std::string Label3 = "Variável";
    bool FuncaoTrShown = false;
    int FuncaoTrLeft = 67;
    // Escalar makes Unidade and Edit1 to Edit4 read-only (they follow the memory), Equação
    // makes Unidade, Edit1 and Edit4 editable, Binário leaves them as they were.
    enum class Edits { ReadOnly, Editable, Unchanged };
    Edits rangeEdits = Edits::ReadOnly;
    int Height = 271;
};

AnimatedTextLayout ArrangeTextLayout(int kind);

// An animated text (slots 1-20, object numbers 101-120): a value shown on the plant picture.
//
//   Escalar:  x = (range high - range low) x p / 100 + range low, p the chosen signal in
//             percent; Label1 = x(d, d) + " " + unit; blue while alarm low <= x <= alarm high,
//             red otherwise, the limits evaluated afresh from the memory's limit texts
//   Binário:  FuncaoTr "<text for 0>/<text otherwise>": the first part in red while the
//             memory is exactly 0, the second in blue otherwise
//   Equação:  r = FuncaoTr evaluated over the current memories at every refresh;
//             x = (range high - range low) x r / 100 + range low, shown as Escalar; Apply sets
//             the alarm band to -999999..999999
//
// Signals follow the instruments' memory lists (memorylist.h): memories M1-M99 carry range,
// unit and limits; positions 100-123 show the actuator positions in percent with the
// window's own range and unit, position 99 shows 0. No choice shows the value 0 with the
// limits left as they were.
class AnimatedText
{
public:
    static constexpr int kCount = 20;

    AnimatedText()
        : AnimatedText(0)
    {}
    // slot 1-20; the object number is 100 + slot (0 outside).
    explicit AnimatedText(int slot);

    int ObjectNumber = 0;

    // --- The settings window's controls --------------------------------------------------
    int Tipo = kEscalar;
    int ComboBox1 = -1; // list position, -1 for none
    std::string FuncaoTr = "<Msg se ON>/<Msg se OFF>";
    std::string DescricaoText;
    std::string Unidade;
    int CasasDecimais = 2;     // 0-5
    std::string Edit1 = "100"; // range high
    std::string Edit4 = "0";   // range low
    std::string Edit2 = "100"; // alarm high
    std::string Edit3 = "0";   // alarm low

    // Edit1Change and Edit4Change: the alarm edit beside takes the same text.
    void SetRangeHighText(std::string text);
    void SetRangeLowText(std::string text);
    // SetCasasDecimais: the spin box keeps 0-5.
    void SetDecimals(int decimals);

    // --- Working values, as the last Apply (and, for Escalar limits, the refresh) left them --
    double rangeHigh = 100.0; // as the edits start
    double rangeLow = 0.0;
    // The range texts the last Apply took over, which the record writes with the applied
    // description (Label4) and expression, so a saved plant reopens with what was shown.
    std::string appliedRangeHigh = "100";
    std::string appliedRangeLow = "0";
    double alarmHigh = 0.0;
    double alarmLow = 0.0;
    const CompiledExpression &Expression() const { return m_expression; }

    // --- What is shown ----------------------------------------------------------------------
    std::string Label1; // the display the main window copies
    PlantColour Label1Colour = kAnimatedTextBlue;
    std::string Label4; // the description, once applied

private:
    friend bool ApplyTextSettings(AnimatedText &, const MemoryTable &, TakeOver);
    friend void StepAnimatedText(AnimatedText &, const EnginePlant &);

    CompiledExpression m_expression;
    CompiledExpression m_alarmLowLimit;
    CompiledExpression m_alarmHighLimit;
};

// ComboBox1Change: a memory chosen. Escalar on M1-M99 fills the range (low "0.00" for the
// controller outputs M1-M10), the limits (evaluated, FormatFixed(x, 4, 2)) and the unit from
// the memory table; Equação sets 0.00-100.00 for range and alarms. Nothing else is taken.
void ChooseTextMemory(AnimatedText &text, int position, const MemoryTable &memories);

// Takes the memory's texts (Escalar on M1-M99), then converts the edits into the working
// values: a range is taken over when both ends read as numbers and the high is not below the
// low; alarm edits as ParseNumber reads them; Equação takes FuncaoTr as its expression and
// sets the wide alarm band. Valid when the range was taken over, a signal is chosen (Escalar,
// Binário) and the expression is valid (Equação); then Label4 takes the description, which a
// record (EachValidPart) gives either way. Returns whether the settings were valid: the caller
// refreshes the main window then. Never reports.
bool ApplyTextSettings(AnimatedText &text,
                       const MemoryTable &memories,
                       TakeOver takeOver = TakeOver::WhenAllValid);

// The refresh of every sixth tick: Label1 and its colour. Never throws; allocates only while
// the texts grow.
void StepAnimatedText(AnimatedText &text, const EnginePlant &plant);
// Every present animated text in slot order (the tick's display refresh).
void StepAnimatedTexts(SlotPool<AnimatedText, AnimatedText::kCount> &texts,
                       const EnginePlant &plant);

// The nine-line record "=====<<<TEXTO ANIMADO:1nn>>>=====", "{T/01} Desc:" ... "{T/08}
// Variavel:". The reader keeps the language part of the description and the function, keeps
// the decimals within 0-5, selects nothing for a list position outside the list, and records
// a kind or position that is not a whole number as an error of the file. The caller applies
// the settings next.
void SaveTextSection(const AnimatedText &text, PlantTextWriter &writer);
void LoadTextSection(AnimatedText &text, PlantTextReader &reader, Language language);

} // namespace zelvar
