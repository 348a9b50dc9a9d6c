#include "documents/model/variablelist.h"

#include "engine/model/calculationblock.h"
#include "engine/model/expression.h"
#include "engine/model/numbertext.h"
#include "engine/model/processmodel.h"

namespace zelvar {

namespace {

constexpr std::array<const char *, VariableList::kColumns> kHeaders
    = {"", "Tipo", "Unid. Eng", "UE min", "UE max", "LIE", "LSE", "Descrição", "Valor"};
constexpr const char *kProcessVariable = "Variável de Processo";

std::string MemoryName(int memory, bool twoDigits)
{
    const std::string number = FormatFixed(memory, 0, 0);
    return "M" + ((twoDigits && memory < 10) ? "0" + number : number);
}

std::string Value(double value)
{
    return FormatFixed(value, 4, 2);
}

} // namespace

VariableList::VariableList()
    : m_processRows(kProcessRows + 1)
    , m_signalRows(kSignalRows + 1)
{
    for (int c = 0; c < kColumns; ++c) {
        m_processRows[0][static_cast<std::size_t>(c)] = kHeaders[static_cast<std::size_t>(c)];
        m_signalRows[0][static_cast<std::size_t>(c)] = kHeaders[static_cast<std::size_t>(c)];
    }
    const auto percentRange = [](std::array<std::string, kColumns> &row) {
        row[2] = "%";
        row[3] = "0";
        row[4] = "100";
    };
    for (int r = 1; r <= kProcessRows; ++r) {
        auto &row = m_processRows[static_cast<std::size_t>(r)];
        row[0] = MemoryName(MemoryOfRow(Grid::ProcessVariables, r), false);
        row[1] = kProcessVariable;
        percentRange(row);
    }
    const MemoryTable startup;
    for (int r = 1; r <= kSignalRows; ++r) {
        auto &row = m_signalRows[static_cast<std::size_t>(r)];
        const int memory = MemoryOfRow(Grid::ControlSignals, r);
        row[0] = MemoryName(memory, true);
        if (r <= 6)
            row[1] = "Entrada de Dados " + FormatFixed(r, 0, 0);
        else if (r <= 16)
            row[1] = "Setpoint de Controle";
        else if (r <= 26)
            row[1] = "Variável Manipulada";
        else if (r <= 29)
            row[1] = "Comando Botão " + FormatFixed(r - 26, 0, 0);
        else if (r <= 31)
            row[1] = "Comando Chave " + FormatFixed(r - 29, 0, 0);
        else if (r == 32)
            row[1] = "Saída Linearizador";
        else if (r <= 35)
            row[1] = "Reservado";
        else if (r <= 51)
            row[1] = "Gerador de Sinais";
        else
            row[1] = "Var.Manip.(posição real)";
        if (r <= 26)
            percentRange(row);
        if (r >= 27 && r <= 32)
            row[8] = Value(startup.Value(memory));
        if (r >= 52) {
            row[2] = "%";
            row[3] = "0.0";
            row[4] = "100.0";
            row[5] = "0.0";
            row[6] = "100.0";
            row[7] = startup.Description(memory);
        }
    }
}

int VariableList::MemoryOfRow(Grid grid, int row)
{
    if (grid == Grid::ProcessVariables) {
        if (row >= 1 && row <= 40)
            return row + 20;
        if (row >= 41 && row <= 48)
            return row + 30;
        return 0;
    }
    if (row >= 1 && row <= 6)
        return row + 14;
    if (row >= 7 && row <= 16)
        return row + 54;
    if (row >= 17 && row <= 26)
        return row - 16;
    if (row >= 27 && row <= 29)
        return row + 70;
    if (row >= 30 && row <= 32)
        return row - 19;
    if (row == 33)
        return 14;
    if (row == 34 || row == 35)
        return row + 45;
    if (row >= 36 && row <= 51)
        return row + 45;
    if (row >= 52 && row <= 75)
        return row + 49;
    return 0;
}

std::vector<std::array<std::string, VariableList::kColumns>> &VariableList::Rows(Grid grid)
{
    return grid == Grid::ProcessVariables ? m_processRows : m_signalRows;
}

const std::vector<std::array<std::string, VariableList::kColumns>> &
VariableList::Rows(Grid grid) const
{
    return grid == Grid::ProcessVariables ? m_processRows : m_signalRows;
}

const std::string &VariableList::Cell(Grid grid, int row, int column) const
{
    static const std::string empty;
    if (row < 0 || row > RowCount(grid) || column < 0 || column >= kColumns)
        return empty;
    return Rows(grid)[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)];
}

void VariableList::Refresh(Plant &plant)
{
    const MemoryTable &m = plant.memories;
    const auto fill = [&m](std::array<std::string, kColumns> &row, int memory) {
        const auto i = static_cast<std::size_t>(memory);
        row[2] = m.MemoryUnit[i];
        row[3] = m.MemoryUEMin[i];
        row[4] = m.MemoryUEMax[i];
        row[5] = m.MemoryLIE[i];
        row[6] = m.MemoryLSE[i];
        row[7] = m.MemoryDescription[i];
        row[8] = Value(m.Value(memory));
    };
    for (int r = 27; r <= 32; ++r)
        m_signalRows[static_cast<std::size_t>(r)][8]
            = Value(m.Value(MemoryOfRow(Grid::ControlSignals, r)));
    for (int r = 1; r <= kSignalRows; ++r) {
        if (r <= 26 || (r >= 36 && r <= 51))
            fill(m_signalRows[static_cast<std::size_t>(r)], MemoryOfRow(Grid::ControlSignals, r));
    }
    for (int r = 1; r <= kProcessRows; ++r) {
        auto &row = m_processRows[static_cast<std::size_t>(r)];
        const int memory = MemoryOfRow(Grid::ProcessVariables, r);
        fill(row, memory);
        const int processSlot = ProcessSlot(memory);
        const int blockSlot = BlockSlot(memory);
        if (processSlot && plant.processes.IsPresent(processSlot))
            row[1] = plant.processes[processSlot].TagText;
        else if (blockSlot && plant.blocks.IsPresent(blockSlot))
            row[1] = plant.blocks[blockSlot].TagText;
        else
            row[1] = kProcessVariable; // a deleted object's row returns to its default
    }
    for (int k = 1; k <= 6; ++k) {
        const auto &row = m_signalRows[static_cast<std::size_t>(k)];
        m_sliderHints[static_cast<std::size_t>(k)]
            = "Faixa: de " + row[3] + " a " + row[4] + " " + row[2];
    }
    for (int slot = 1; slot <= plant.animatedTexts.kCount; ++slot) {
        if (plant.animatedTexts.IsPresent(slot))
            ApplyTextSettings(plant.animatedTexts[slot], plant.memories);
    }
    for (int slot = 1; slot <= plant.recorders.kCount; ++slot) {
        if (plant.recorders.IsPresent(slot))
            ApplyRecorderSettings(plant.recorders[slot], plant.memories);
    }
    for (int slot = 1; slot <= plant.controllers.kCount; ++slot) {
        if (plant.controllers.IsPresent(slot))
            plant.controllers[slot].ApplyControllerSettings(plant.memories, false);
    }
}

bool VariableList::CanEdit(Grid grid, int row, int column)
{
    if (row < 1 || row > RowCount(grid) || !CanSelect(column) || column > 7)
        return false;
    if (grid == Grid::ProcessVariables)
        return true;
    if (row >= 52)
        return column == 7;
    if (row >= 17 && row <= 35)
        return false;
    return row > 16 || column != 7;
}

void VariableList::SelectCell(Grid grid, int row, int column)
{
    EditState &state = State(grid);
    state.selectedRow = row;
    state.selectedColumn = column;
    state.restoreText = Cell(grid, row, column);
}

void VariableList::SetEditText(Grid grid, int row, int column, std::string text)
{
    if (row < 1 || row > RowCount(grid) || !CanSelect(column))
        return;
    EditState &state = State(grid);
    if (!state.editing || state.editRow != row || state.editColumn != column) {
        state.editOriginal = Cell(grid, row, column);
        state.editing = true;
    }
    state.editRow = row;
    state.editColumn = column;
    state.editText = text;
    Rows(grid)[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)] = std::move(text);
}

void VariableList::RestoreEditedCell(Grid grid)
{
    EditState &state = State(grid);
    if (!state.editing)
        return;
    Rows(grid)[static_cast<std::size_t>(state.editRow)][static_cast<std::size_t>(state.editColumn)]
        = state.editOriginal;
    state.editText = state.editOriginal;
}

void VariableList::PressEscape(Grid grid)
{
    RestoreEditedCell(grid);
    State(grid).editing = false;
}

VariableList::EnterResult VariableList::PressEnter(Grid grid, Plant &plant, Language language)
{
    EditState &state = State(grid);
    EnterResult result;
    if (!state.editing)
        return result;
    const int row = state.editRow;
    const int column = state.editColumn;
    const int memory = MemoryOfRow(grid, row);
    const std::string text = LimitMemoryText(state.editText);

    if (!CanEdit(grid, row, column)) {
        state.editing = false;
        return result;
    }
    // The actuator positions keep only a description.
    if (memory > 100) {
        plant.memories.SetDescription(memory, text);
        result.stored = true;
        state.editing = false;
        return result;
    }
    if (!MemoryTable::IsMemory(memory))
        return result;

    // A ";" inside a unit, range or limit would split the line of the plant file.
    if (column >= 2 && column <= 6 && text.find(';') != std::string::npos) {
        result.message
            = Tr(language, "O texto não pode conter \";\".", "The text cannot contain \";\".");
        RestoreEditedCell(grid);
        state.editing = false;
        return result;
    }

    MemoryTable &m = plant.memories;
    const auto i = static_cast<std::size_t>(memory);
    switch (column) {
    case 2:
        m.MemoryUnit[i] = text;
        break;
    case 3:
    case 4: {
        const std::string bound = DecimalCommaToPoint(text);
        const ParsedNumber value = ParseNumber(bound);
        const double other
            = ParseNumber(DecimalCommaToPoint(column == 3 ? m.MemoryUEMax[i] : m.MemoryUEMin[i]))
                  .value;
        const bool valid
            = value.errorPosition == 0 && (column == 3 ? value.value < other : value.value > other);
        if (!valid) {
            RestoreEditedCell(grid);
            state.editing = false;
            return result;
        }
        const double low = column == 3 ? value.value : other;
        const double high = column == 3 ? other : value.value;
        if (!IsShowableRange(low, high)) {
            result.message = Tr(language,
                                "A faixa é grande demais para ser exibida.",
                                "The range is too large to be shown.");
            RestoreEditedCell(grid);
            state.editing = false;
            return result;
        }
        if (column == 3) {
            m.MemoryUEMin[i] = bound;
            m.MemoryLIE[i] = bound;
        } else {
            m.MemoryUEMax[i] = bound;
            m.MemoryLSE[i] = bound;
        }
        break;
    }
    case 5:
        m.MemoryLIE[i] = text;
        break;
    case 6:
        m.MemoryLSE[i] = text;
        break;
    case 7: {
        m.SetDescription(memory, text);
        // The description edit of a present process or block shows it; a generator row whose
        // Desc describes its memory takes it there, as a save writes the Desc.
        const int processSlot = ProcessSlot(memory);
        const int blockSlot = BlockSlot(memory);
        if (processSlot && plant.processes.IsPresent(processSlot))
            plant.processes[processSlot].DescricaoText = text;
        if (blockSlot && plant.blocks.IsPresent(blockSlot))
            plant.blocks[blockSlot].DescricaoText = text;
        plant.signalGenerator.TakeDescription(memory, text);
        break;
    }
    default:
        return result;
    }
    result.stored = true;
    state.editing = false;
    return result;
}

} // namespace zelvar
