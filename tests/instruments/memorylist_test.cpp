#include "instruments/model/memorylist.h"

#include "engine/model/engineplant.h"

#include <gtest/gtest.h>

namespace zelvar {
namespace {

TEST(MemoryList, ItemsNameTheSignalWithTwoDigits)
{
    MemoryTable memories;
    memories.SetDescription(5, "Vazão de vapor");
    const std::vector<std::string> items = MemoryListItems(memories);
    ASSERT_EQ(items.size(), 124u);
    EXPECT_EQ(items[4], "05   Vazão de vapor");
    EXPECT_EQ(items[10], "11   Chave_1");
    EXPECT_EQ(items[99], "100   ");
    EXPECT_EQ(items[100], "101   Posição Atuador 1");
    EXPECT_EQ(items[123], "124   Posição Atuador 24");
}

TEST(MemoryList, SignalsByPosition)
{
    EnginePlant plant;
    plant.memories.SetValue(1, 11.0);
    plant.memories.SetValue(99, 99.5);
    plant.ActuatorPosition[1] = 21.0;
    plant.ActuatorPosition[24] = 24.5;
    for (const auto &[position, value, memory] : {std::tuple{0, 11.0, true},
                                                  {98, 99.5, true},
                                                  {99, 0.0, false},
                                                  {100, 21.0, false},
                                                  {123, 24.5, false},
                                                  {124, 0.0, false},
                                                  {-1, 0.0, false}}) {
        SCOPED_TRACE(position);
        EXPECT_EQ(ReadListSignal(plant, position), value);
        EXPECT_EQ(NamesMemory(position), memory);
    }
}

} // namespace
} // namespace zelvar
