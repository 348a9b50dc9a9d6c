#pragma once

#include "engine/model/compiledexpression.h"
#include "engine/model/language.h"
#include "engine/model/selectorexpression.h"
#include "engine/model/stepcontext.h"

#include <string>
#include <string_view>
#include <vector>

namespace zelvar {

struct EnginePlant;
class PlantTextReader;
class PlantTextWriter;

// Block slots 1-20 write M41-M60, slots 21-24 M75-M78; 0 outside 1-24.
int BlockObjectNumber(int slot);
// The slot whose block writes memory objectNumber; 0 for any other number.
int BlockSlot(int objectNumber);

// A calculation block computes one memory, its ObjectNumber, from an expression over the
// memories:
//
//   v = FunctionText                  (optionally a > b or a < b, see SelectorExpression)
//   v = min(v, UpperLimitText)        while LimSupCheck is ticked
//   v = max(v, LowerLimitText)        while LimInfCheck is ticked, after the upper limit, so
//                                     the lower limit wins when the two cross
//   M[ObjectNumber] = v               not clamped to 0-100
//
// The step uses the texts as last applied and the check boxes as they are now, so ticking a box
// acts at once with the limit text of the last Apply. A block never applied writes 0. An
// invalid expression reads 0 at every step; only Apply reports it.
struct CalculationBlock
{
    CalculationBlock() = default;
    // A new block in the slot: the window's defaults and the slot's object number.
    explicit CalculationBlock(int slot);

    int ObjectNumber = 0;

    // Settings: the window's edits and check boxes as the user left them (what the file stores).
    std::string TagText;
    std::string DescricaoText;
    std::string FuncaoTr;
    std::string LimSupText = "105";
    std::string LimInfText = "-5";
    bool LimSupCheck = false; // read live by the step
    bool LimInfCheck = false; // read live by the step

    // The window's own state, kept here so that any window on the block shows the same: the
    // buttons the edits leave enabled, and whether the description edit holds text the memory
    // table has not taken yet. Not stored in the plant file.
    bool btnatualizaEnabled = false;
    bool SairButtonEnabled = true;
    bool DescricaoTextEdited = false;

    // An edit of any setting or a click on a limit box (TagTextChange): Apply is enabled and
    // SairButton disabled, so the window is left only after a successful Apply.
    void SettingsEdited();
    // The user's description edit: as SettingsEdited, and the edit is pending.
    void SetDescricaoText(std::string_view text);
    // FormActivate: the description edit shows the memory's description again (the variable
    // list may have changed it), unless the user has typed into it since the last Apply took it.
    void RefillDescription(const MemoryTable &memories);

    // Working fields: the expressions as last taken over by Apply (the limits start as their
    // edits do). The record writes these, not the edits, so a saved plant reopens with what
    // was running.
    SelectorExpression FunctionText;
    CompiledExpression UpperLimitText{"105"};
    CompiledExpression LowerLimitText{"-5"};

    // What the window shows: Label1 ("M41="), Label9 (the applied description) and, as a
    // number, Label6 (the output of the last step outside a batch run).
    std::string Label1 = "=";
    std::string Label9;
    double ShownOutput = 0.0;
};

// Checks the function and each ticked limit and takes over the valid ones; a rejected text
// leaves the previous working text in place. Also writes the description into the memory
// table. Returns the messages to show, in order ("Bloco 41: Função inválida", then the upper
// and the lower limit), the same in both languages; empty when everything was valid.
std::vector<std::string> ApplyBlockSettings(CalculationBlock &block, MemoryTable &memories);

// btnatualizaClick: Apply with what the window does after it. The memory table takes the
// description either way; on success the description edit shows what it now holds, Apply is
// disabled and SairButton enabled. Returns Apply's messages.
std::vector<std::string> ApplyFromWindow(CalculationBlock &block, MemoryTable &memories);

void StepBlock(CalculationBlock &block, EnginePlant &plant, const StepContext &context);

// The block's eight-line record: the tag and the check boxes as they stand, the description as
// the output memory holds it and the expressions as Apply last took them over. The reader keeps the
// language part of the tag and the description and leaves Apply disabled and SairButton enabled;
// the caller applies the settings afterwards.
void SaveBlockSection(const CalculationBlock &block,
                      const MemoryTable &memories,
                      PlantTextWriter &writer);
void LoadBlockSection(CalculationBlock &block, PlantTextReader &reader, Language language);

} // namespace zelvar
