#pragma once

#include <cstddef>

// Internal to the plant's object code: slot numbers are 1-based ints, the tables are arrays.
namespace zelvar {

inline std::size_t Index(int k)
{
    return static_cast<std::size_t>(k);
}

inline bool InRange(int k, int first, int last)
{
    return k >= first && k <= last;
}

} // namespace zelvar
