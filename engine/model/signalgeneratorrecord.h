#pragma once

#include "engine/model/language.h"

namespace zelvar {

class PlantTextReader;
class PlantTextWriter;
class SignalGenerator;
struct MemoryTable;

// The signal generator's plant-file section: "<Parametros>" and 80 lines "{P/NN} " + value,
// five per row in the order 81..96: the kind (list position, -1 for none), the Desc, Min, Max
// and Valor texts as they stand ("/" for the Min and Max that rows 91-96 do not have). A 0/1
// row writes its choice, which is what its reader converts.
void SaveSignalGeneratorSection(const SignalGenerator &generator, PlantTextWriter &writer);

// Puts the texts and selections back, arranges every row with the texts kept and commits, so
// the memories and working values are rebuilt from the texts. A medium-random row resumes its
// lag from the value it showed. A kind or a 0/1 value that is not a whole number takes the
// row's default (kind 0, choice "0"); a kind the row's list does not hold selects none.
void LoadSignalGeneratorSection(SignalGenerator &generator,
                                PlantTextReader &reader,
                                MemoryTable &memories,
                                Language language);

} // namespace zelvar
