#pragma once

#include <string>
#include <vector>

namespace zelvar {

struct EnginePlant;
struct MemoryTable;

// The memory lists of the instruments (recorder pens, animated text, XY axes). Position i
// (from 0) stands for signal i + 1: positions 0-98 are the memories M1-M99, position 99 has no
// value (it reads 0), positions 100-123 are the actuator positions of process slots 1-24.
// A recorder's pens 2 and 3 add position 124, "Nenhum" (off). -1 is no choice.
inline constexpr int kMemoryListCount = 124;
inline constexpr int kNoneListPosition = 124;

// "05   description": the signal number with at least two digits, three blanks and
// MemoryDescription of the signal.
std::string MemoryListItem(const MemoryTable &memories, int position);
// The 124 items, as a list shows them when it is filled.
std::vector<std::string> MemoryListItems(const MemoryTable &memories);

// Whether the position names a memory of the table (M1-M99).
inline bool NamesMemory(int position)
{
    return position >= 0 && position <= 98;
}

// Whether the position names a signal with a value (a memory or an actuator position).
inline bool NamesSignal(int position)
{
    return position >= 0 && position < kMemoryListCount;
}

// The value of the signal at the position, in percent: a memory, an actuator position, or 0
// for anything else. Never indexes the memory table outside M1-M99.
double ReadListSignal(const EnginePlant &plant, int position);

} // namespace zelvar
