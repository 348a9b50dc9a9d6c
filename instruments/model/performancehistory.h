#pragma once

#include "engine/model/language.h"
#include "instruments/model/fastsimulation.h"
#include "instruments/model/progress.h"

#include <filesystem>
#include <string>

namespace zelvar {

struct EnginePlant;

// The history loaders: a ".txd" data file read back into the upper charts (with
// LoopIndexTable, "Carregar Histórico" of the upper row) or the lower charts (with
// HistoryIndexTable, the lower row), so that two runs can be compared.
//
// The run length is the last field of the header and the sample time the one before it, so a
// ";" in a memory description cannot shift them; the length is bounded by the data lines the
// file holds. Loop k of the current plant takes part when controller k is present with a PV
// chosen (memory p): PV from field p, SP from field 60 + k, CO from field k of each line,
// PV and SP in percent when normalised, else in p's current engineering range. Charts of
// present controllers are cleared; each loop that took part gets its index row (none from
// fewer than two samples) and the table's flag is set. A file that cannot be read changes
// nothing and gives its message; otherwise the message is empty.
std::string LoadUpperHistory(PerformanceWindow &window,
                             PerformanceTables &tables,
                             const EnginePlant &plant,
                             const std::filesystem::path &file,
                             Language language,
                             const ProgressCallback &progress = {});
std::string LoadLowerHistory(PerformanceWindow &window,
                             PerformanceTables &tables,
                             const EnginePlant &plant,
                             const std::filesystem::path &file,
                             Language language,
                             const ProgressCallback &progress = {});

} // namespace zelvar
