#pragma once

#include <array>
#include <cstddef>

namespace zelvar {

// A fixed pool of numbered slots 1..Count, each with a present flag. The present flag is the
// only test of whether a slot is in use; an absent slot's object is never stepped.
template<typename Object, std::size_t Count> struct SlotPool
{
    static constexpr int kCount = static_cast<int>(Count);

    std::array<bool, Count + 1> present{};
    std::array<Object, Count + 1> objects{};

    static bool IsSlot(int slot) { return slot >= 1 && slot <= kCount; }
    bool IsPresent(int slot) const
    {
        return IsSlot(slot) && present[static_cast<std::size_t>(slot)];
    }
    Object &operator[](int slot) { return objects[static_cast<std::size_t>(slot)]; }
    const Object &operator[](int slot) const { return objects[static_cast<std::size_t>(slot)]; }
};

} // namespace zelvar
