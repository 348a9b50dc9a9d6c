#include "instruments/model/memorylist.h"

#include "engine/model/engineplant.h"
#include "engine/model/numbertext.h"

namespace zelvar {

std::string MemoryListItem(const MemoryTable &memories, int position)
{
    const int signal = position + 1;
    std::string item = TwoDigits(signal);
    item += "   ";
    item += memories.Description(signal);
    return item;
}

std::vector<std::string> MemoryListItems(const MemoryTable &memories)
{
    std::vector<std::string> items;
    items.reserve(kMemoryListCount);
    for (int position = 0; position < kMemoryListCount; ++position)
        items.push_back(MemoryListItem(memories, position));
    return items;
}

double ReadListSignal(const EnginePlant &plant, int position)
{
    if (!NamesSignal(position))
        return 0.0;
    return plant.ReadSignal(position + 1);
}

} // namespace zelvar
