#include "documents/model/variablelist.h"

#include <gtest/gtest.h>

#include <tuple>

namespace zelvar {
namespace {

using Grid = VariableList::Grid;

class VariableListTest : public ::testing::Test
{
protected:
    // Types a text into a cell and presses Enter, as the user does.
    VariableList::EnterResult Type(Grid grid, int row, int column, const std::string &text)
    {
        list.SelectCell(grid, row, column);
        list.SetEditText(grid, row, column, text);
        return list.PressEnter(grid, plant, Language::Portuguese);
    }

    Plant plant;
    VariableList list;
};

TEST_F(VariableListTest, RowsMapToTheirMemories)
{
    for (const auto &[row, memory] : {std::pair{1, 21}, {40, 60}, {41, 71}, {48, 78}})
        EXPECT_EQ(VariableList::MemoryOfRow(Grid::ProcessVariables, row), memory) << row;
    for (const auto &[row, memory] : {std::pair{1, 15}, {7, 61}, {17, 1}, {27, 97}, {30, 11}})
        EXPECT_EQ(VariableList::MemoryOfRow(Grid::ControlSignals, row), memory) << row;
    for (const auto &[row, memory] : {std::pair{32, 13}, {33, 14}, {35, 80}, {36, 81}, {75, 124}})
        EXPECT_EQ(VariableList::MemoryOfRow(Grid::ControlSignals, row), memory) << row;
}

TEST_F(VariableListTest, StartsWithTheFixedTexts)
{
    EXPECT_EQ(list.Cell(Grid::ControlSignals, 0, 7), "Descrição");
    EXPECT_EQ(list.Cell(Grid::ControlSignals, 17, 0), "M01");
    EXPECT_EQ(list.Cell(Grid::ControlSignals, 34, 1), "Reservado");
    EXPECT_EQ(list.Cell(Grid::ControlSignals, 52, 7), "Posição Atuador 1");
    EXPECT_EQ(list.Cell(Grid::ControlSignals, 52, 3), "0.0");
    EXPECT_EQ(list.Cell(Grid::ProcessVariables, 1, 1), "Variável de Processo");
}

TEST_F(VariableListTest, RefreshShowsValuesTagsAndSliderHints)
{
    plant.memories.SetValue(21, 5);
    plant.memories.SetValue(22, 0.004);
    plant.memories.MemoryUEMax[15] = "12.5";
    plant.memories.MemoryUnit[15] = "bar";
    plant.processes.present[1] = true;
    plant.processes[1].TagText = "FT-101";
    list.Refresh(plant);
    EXPECT_EQ(list.Cell(Grid::ProcessVariables, 1, 8), "5.00");
    EXPECT_EQ(list.Cell(Grid::ProcessVariables, 2, 8), "0.00");
    EXPECT_EQ(list.Cell(Grid::ProcessVariables, 1, 1), "FT-101");
    EXPECT_EQ(list.SliderHint(1), "Faixa: de 0.00 a 12.5 bar");

    // A deleted process's row returns to its default.
    plant.processes.present[1] = false;
    list.Refresh(plant);
    EXPECT_EQ(list.Cell(Grid::ProcessVariables, 1, 1), "Variável de Processo");
}

TEST_F(VariableListTest, RefreshReachesTheInstrumentsThatShowAMemory)
{
    plant.animatedTexts.present[1] = true;
    plant.animatedTexts[1] = AnimatedText(1);
    plant.animatedTexts[1].ComboBox1 = 20; // M21
    plant.memories.MemoryUnit[21] = "kg/h";
    plant.memories.MemoryUEMax[21] = "2500";
    list.Refresh(plant);
    EXPECT_EQ(plant.animatedTexts[1].Unidade, "kg/h");
    EXPECT_EQ(plant.animatedTexts[1].rangeHigh, 2500.0);
}

TEST_F(VariableListTest, RangeBoundsAreCheckedAsNumbersAgainstTheOtherBound)
{
    list.Refresh(plant);
    // Low above high is refused and the cell shows its own text again.
    EXPECT_FALSE(Type(Grid::ProcessVariables, 1, 3, "150").stored);
    EXPECT_EQ(plant.memories.MemoryUEMin[21], "0.00");
    EXPECT_EQ(list.Cell(Grid::ProcessVariables, 1, 3), "0.00");
    // Equal bounds make no range.
    EXPECT_FALSE(Type(Grid::ProcessVariables, 1, 3, "100").stored);
    // A valid low becomes the range low and the lower limit.
    EXPECT_TRUE(Type(Grid::ProcessVariables, 1, 3, "20").stored);
    EXPECT_EQ(plant.memories.MemoryUEMin[21], "20");
    EXPECT_EQ(plant.memories.MemoryLIE[21], "20");
    // A decimal comma is read as a point and stored as one.
    EXPECT_TRUE(Type(Grid::ControlSignals, 1, 4, "12,5").stored);
    EXPECT_EQ(plant.memories.MemoryUEMax[15], "12.5");
    EXPECT_EQ(plant.memories.MemoryLSE[15], "12.5");
    EXPECT_FALSE(Type(Grid::ControlSignals, 1, 3, "12.6").stored);
    EXPECT_FALSE(Type(Grid::ControlSignals, 1, 3, "abc").stored);
}

TEST_F(VariableListTest, RangesTooLargeToShowAreRefusedWithAMessage)
{
    // Ends near the largest number made every reading and typed setpoint of a loop useless.
    const struct
    {
        const char *name;
        const char *low;  // typed first, when given
        const char *high; // then typed
        int refusedColumn;
    } rows[] = {
        {"low alone", "-1e308", nullptr, 3},
        {"high alone", nullptr, "1e308", 4},
        {"beyond the largest number", nullptr, "1e999", 4},
        {"each end fine, the span too wide", "-1e306", "1e306", 4},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        plant = Plant();
        list.Refresh(plant);
        VariableList::EnterResult result;
        if (row.low)
            result = Type(Grid::ProcessVariables, 1, 3, row.low);
        if (row.high) {
            if (row.low) {
                ASSERT_TRUE(result.stored);
            }
            result = Type(Grid::ProcessVariables, 1, 4, row.high);
        }
        EXPECT_FALSE(result.stored);
        EXPECT_EQ(result.message, "A faixa é grande demais para ser exibida.");
        EXPECT_EQ(list.Cell(Grid::ProcessVariables, 1, row.refusedColumn),
                  row.refusedColumn == 3 ? "0.00" : "100.00");
        EXPECT_TRUE(IsShowableRange(plant.memories.RangeLow(21), plant.memories.RangeHigh(21)));
    }
    list.SelectCell(Grid::ProcessVariables, 2, 4);
    list.SetEditText(Grid::ProcessVariables, 2, 4, "1e308");
    EXPECT_EQ(list.PressEnter(Grid::ProcessVariables, plant, Language::English).message,
              "The range is too large to be shown.");
}

TEST_F(VariableListTest, SemicolonsAreRefusedWithAMessage)
{
    const auto result = Type(Grid::ProcessVariables, 3, 2, "kg;h");
    EXPECT_FALSE(result.stored);
    EXPECT_FALSE(result.message.empty());
    EXPECT_EQ(plant.memories.MemoryUnit[23], "%");
}

TEST_F(VariableListTest, DescriptionReachesTheOwningProcess)
{
    plant.processes.present[2] = true;
    EXPECT_TRUE(Type(Grid::ProcessVariables, 2, 7, "Vazão de vapor").stored);
    EXPECT_EQ(plant.memories.Description(22), "Vazão de vapor");
    EXPECT_EQ(plant.processes[2].DescricaoText, "Vazão de vapor");
}

TEST_F(VariableListTest, ObjectsInTheLastSlotsOwnTheLastRows)
{
    // The last process writes M74 (row 44), the last block M78 (row 48).
    for (const auto &[row, processSlot, blockSlot] : {std::tuple{44, 24, 0}, {48, 0, 24}}) {
        SCOPED_TRACE(row);
        if (processSlot != 0) {
            plant.processes.present[24] = true;
            plant.processes[24].TagText = "TT-24";
        } else {
            plant.blocks.present[24] = true;
            plant.blocks[24].TagText = "FY-24";
        }
        list.Refresh(plant);
        EXPECT_EQ(list.Cell(Grid::ProcessVariables, row, 1), processSlot ? "TT-24" : "FY-24");
        EXPECT_TRUE(Type(Grid::ProcessVariables, row, 7, "Última").stored);
        EXPECT_EQ(processSlot ? plant.processes[24].DescricaoText : plant.blocks[24].DescricaoText,
                  "Última");
    }
    // Their neighbours' rows stay free.
    EXPECT_EQ(list.Cell(Grid::ProcessVariables, 43, 1), "Variável de Processo");
    EXPECT_EQ(list.Cell(Grid::ProcessVariables, 47, 1), "Variável de Processo");
}

TEST_F(VariableListTest, ReadOnlyRowsStoreNothing)
{
    EXPECT_FALSE(Type(Grid::ControlSignals, 17, 2, "kg").stored);
    EXPECT_EQ(plant.memories.MemoryUnit[1], "%");
    EXPECT_FALSE(Type(Grid::ControlSignals, 3, 7, "x").stored);
    EXPECT_TRUE(Type(Grid::ControlSignals, 52, 7, "Válvula 1").stored);
    EXPECT_EQ(plant.memories.Description(101), "Válvula 1");
}

TEST_F(VariableListTest, OnlyCellsWhoseEditEnterStoresAreEditable)
{
    struct Case
    {
        Grid grid;
        int row;
        int column;
        bool editable;
    };
    for (const Case &c : {Case{Grid::ProcessVariables, 1, 2, true},
                          Case{Grid::ProcessVariables, 48, 7, true},
                          Case{Grid::ProcessVariables, 1, 1, false},
                          Case{Grid::ProcessVariables, 1, 8, false},
                          Case{Grid::ControlSignals, 16, 6, true},
                          Case{Grid::ControlSignals, 16, 7, false},
                          Case{Grid::ControlSignals, 17, 2, false},
                          Case{Grid::ControlSignals, 35, 3, false},
                          Case{Grid::ControlSignals, 36, 7, true},
                          Case{Grid::ControlSignals, 52, 2, false},
                          Case{Grid::ControlSignals, 75, 7, true},
                          Case{Grid::ControlSignals, 76, 7, false}}) {
        EXPECT_EQ(VariableList::CanEdit(c.grid, c.row, c.column), c.editable)
            << "row " << c.row << " column " << c.column;
    }
}

TEST_F(VariableListTest, EscapeRestoresTheEditedCellsOwnText)
{
    list.Refresh(plant);
    list.SelectCell(Grid::ProcessVariables, 5, 2);
    list.SetEditText(Grid::ProcessVariables, 5, 2, "m3");
    list.SetEditText(Grid::ProcessVariables, 5, 2, "m3/h");
    list.PressEscape(Grid::ProcessVariables);
    EXPECT_EQ(list.Cell(Grid::ProcessVariables, 5, 2), "%");
    EXPECT_FALSE(list.PressEnter(Grid::ProcessVariables, plant, Language::Portuguese).stored);
}

} // namespace
} // namespace zelvar
