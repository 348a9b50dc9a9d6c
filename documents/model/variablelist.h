#pragma once

#include "documents/model/plant.h"
#include "engine/model/language.h"

#include <array>
#include <string>
#include <vector>

namespace zelvar {

// The variable list's two grids over the memory table: their texts, which memory each row
// stands for, the refresh, and the edit protocol (select, edit, Enter, Escape).
//
// Grid ProcessVariables (ListaVar): 48 rows, M21-M40, M41-M60, M71-M74, M75-M78.
// Grid ControlSignals (ListaVar2): 75 rows, M15-M20, M61-M70, M1-M10, M97-M99, M11-M13,
// M14/M79/M80 (reserved), M81-M96 and the actuator positions 101-124.
// Columns: 0 name, 1 "Tipo", 2 unit, 3 range low, 4 range high, 5 LIE, 6 LSE, 7 description,
// 8 value.
class VariableList
{
public:
    enum class Grid { ProcessVariables, ControlSignals };
    static constexpr int kColumns = 9;
    static constexpr int kProcessRows = 48;
    static constexpr int kSignalRows = 75;

    VariableList();

    static int RowCount(Grid grid)
    {
        return grid == Grid::ProcessVariables ? kProcessRows : kSignalRows;
    }
    // Memory (1-99) or actuator entry (101-124) of a data row; 0 for none.
    static int MemoryOfRow(Grid grid, int row);

    const std::string &Cell(Grid grid, int row, int column) const;

    // RefreshVariableList: the grids from the memory table and the present objects' tags, the
    // slider hints, and the present animated texts, recorders and controllers re-applied so a
    // changed unit or range reaches every instrument that shows it.
    void Refresh(Plant &plant);
    // "Faixa: de <low> a <high> <unit>" of slider input 1-6, as the last refresh left it.
    const std::string &SliderHint(int k) const
    {
        return m_sliderHints[static_cast<std::size_t>(k)];
    }

    // "Tipo" and "Valor" cannot be selected.
    static bool CanSelect(int column) { return column != 1 && column != 8 && column != 0; }
    // Whether Enter can store an edit of the cell: the fixed-role rows (commands, switches,
    // linearizer, reserved), the value column and the descriptions of the data inputs and
    // setpoints keep what they show; the actuator positions keep only a description.
    static bool CanEdit(Grid grid, int row, int column);
    void SelectCell(Grid grid, int row, int column);
    void SetEditText(Grid grid, int row, int column, std::string text);

    struct EnterResult
    {
        bool stored = false; // the plant changed (mark it changed)
        std::string message; // shown when an edit was refused with a reason
    };
    // Enter: stores the last edit into the memory of its row, by its column.
    EnterResult PressEnter(Grid grid, Plant &plant, Language language);
    // Escape: the edited cell gets its own text back.
    void PressEscape(Grid grid);

private:
    struct EditState
    {
        int selectedRow = 0;
        int selectedColumn = 0;
        std::string restoreText;
        int editRow = 0;
        int editColumn = 0;
        std::string editText;
        std::string editOriginal; // the edited cell's text before its first change
        bool editing = false;
    };

    std::vector<std::array<std::string, kColumns>> &Rows(Grid grid);
    const std::vector<std::array<std::string, kColumns>> &Rows(Grid grid) const;
    EditState &State(Grid grid)
    {
        return grid == Grid::ProcessVariables ? m_processEdit : m_signalEdit;
    }
    void RestoreEditedCell(Grid grid);

    std::vector<std::array<std::string, kColumns>> m_processRows;
    std::vector<std::array<std::string, kColumns>> m_signalRows;
    EditState m_processEdit;
    EditState m_signalEdit;
    std::array<std::string, 7> m_sliderHints;
};

} // namespace zelvar
