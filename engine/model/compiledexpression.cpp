#include "engine/model/compiledexpression.h"

#include "engine/model/numbertext.h"

#include <algorithm>

namespace zelvar {

namespace {

using Cell = CompiledExpression::Cell;
using Kind = CompiledExpression::Cell::Kind;
using Operand = CompiledExpression::Operand;
using Instruction = CompiledExpression::Instruction;
using Trace = CompiledExpression::Trace;

constexpr std::size_t kMaxTraces = 8;
constexpr std::string_view kAllowed = "0123456789.E +-()/*^";

Cell CharCell(char c)
{
    return Cell{Kind::Char, c, 0};
}

// Rewrites the cell text as the reference evaluator rewrites its characters, computing the
// values and recording what it computed. A number is two cells: its sign character (blank
// or "-") and its body (the other 22 characters, all of which read as operand characters).
class Recorder
{
public:
    Recorder(Trace &trace, const MemoryTable &memories)
        : m_trace(trace)
        , m_memories(memories)
    {}

    double Run(const std::vector<Cell> &source)
    {
        std::vector<Cell> working;
        working.reserve(source.size() * 2);
        for (const Cell &cell : source) {
            if (cell.kind != Kind::Memory) {
                working.push_back(cell);
                continue;
            }
            Instruction load;
            load.op = Instruction::Op::LoadMemory;
            load.memory = cell.index;
            const double value = RoundTo15Digits(m_memories.Value(cell.index));
            load.target = NewRegister(value);
            m_trace.instructions.push_back(load);
            AppendNumber(working, load.target);
        }

        std::vector<Cell> group;
        int lastGroup = -1;
        for (;;) {
            std::size_t open = working.size();
            for (std::size_t i = working.size(); i-- > 0;) {
                if (IsChar(working[i], '(')) {
                    open = i;
                    break;
                }
            }
            if (open == working.size())
                break;
            std::size_t close = open + 1;
            while (close < working.size() && !IsChar(working[close], ')'))
                ++close;
            if (close == working.size())
                break;
            group.assign(working.begin() + static_cast<std::ptrdiff_t>(open),
                         working.begin() + static_cast<std::ptrdiff_t>(close) + 1);
            while (ApplyOneProduct(group)) {
            }
            lastGroup = SumTerms(group);
            working.erase(working.begin() + static_cast<std::ptrdiff_t>(open),
                          working.begin() + static_cast<std::ptrdiff_t>(close) + 1);
            working.insert(
                working.begin() + static_cast<std::ptrdiff_t>(open), group.begin(), group.end());
        }
        m_trace.result = lastGroup;
        m_trace.registerCount = static_cast<int>(m_values.size());
        // Guard only the signs that a decision looked at.
        for (Instruction &instruction : m_trace.instructions) {
            const auto target = static_cast<std::size_t>(instruction.target);
            if (m_observed[target])
                instruction.guard = m_values[target] < 0 ? 1 : 0;
        }
        return m_values[static_cast<std::size_t>(lastGroup)];
    }

private:
    static bool IsChar(const Cell &cell, char c)
    {
        return cell.kind == Kind::Char && cell.character == c;
    }

    int NewRegister(double value)
    {
        m_values.push_back(value);
        m_observed.push_back(false);
        return static_cast<int>(m_values.size()) - 1;
    }

    void AppendNumber(std::vector<Cell> &cells, int reg) const
    {
        const char sign = m_values[static_cast<std::size_t>(reg)] < 0 ? '-' : ' ';
        cells.push_back(Cell{Kind::Sign, sign, reg});
        cells.push_back(Cell{Kind::Body, '0', reg});
    }

    // The character a decision sees; a number's sign is then part of the trace's guards.
    char Look(const Cell &cell)
    {
        if (cell.kind == Kind::Sign)
            m_observed[static_cast<std::size_t>(cell.index)] = true;
        return cell.character; // a body starts and ends with a digit
    }

    bool IsOperand(const std::vector<Cell> &cells, std::size_t i)
    {
        if (cells[i].kind == Kind::Body)
            return true;
        const char c = Look(cells[i]);
        if ((c >= '0' && c <= '9') || c == '.' || c == 'E' || c == ' ')
            return true;
        return (c == '+' || c == '-') && i > 0 && Look(cells[i - 1]) == 'E';
    }

    bool IsSign(const std::vector<Cell> &cells, std::size_t i)
    {
        if (cells[i].kind == Kind::Body)
            return false;
        const char c = Look(cells[i]);
        return c == '+' || c == '-';
    }

    // The value of cells [from, to) with blanks removed, "-" in front when minus is set, and
    // negated afterwards when negate is set; recorded as cheaply as its cells allow.
    Operand MakeOperand(const std::vector<Cell> &cells,
                        std::size_t from,
                        std::size_t to,
                        bool minus,
                        bool negate,
                        double &value)
    {
        std::vector<const Cell *> significant;
        for (std::size_t i = from; i < to; ++i) {
            const Cell &cell = cells[i];
            if (cell.kind != Kind::Body && Look(cell) == ' ')
                continue;
            significant.push_back(&cell);
        }
        Operand operand;
        if (significant.size() == 1 && significant.front()->kind == Kind::Body) {
            // A number's own text reads back as its value.
            operand.kind = Operand::Kind::Register;
            operand.index = significant.front()->index;
            operand.negate = minus != negate;
            const double magnitude = std::abs(m_values[static_cast<std::size_t>(operand.index)]);
            value = operand.negate ? -magnitude : magnitude;
            return operand;
        }
        const bool literal = std::all_of(significant.begin(), significant.end(), [](const Cell *c) {
            return c->kind != Kind::Body;
        });
        if (literal) {
            std::string text = minus ? "-" : "";
            for (const Cell *cell : significant)
                text += cell->character;
            const double parsed = ParseNumber(text).value;
            value = negate ? -parsed : parsed;
            operand.kind = Operand::Kind::Constant;
            operand.constant = value;
            return operand;
        }
        // Digits of a number run into other characters: rebuild the text at every evaluation.
        operand.kind = Operand::Kind::Text;
        operand.negate = negate;
        operand.index = static_cast<int>(m_trace.pieces.size());
        std::string text = minus ? "-" : "";
        std::string literalRun = text;
        for (const Cell *cell : significant) {
            if (cell->kind != Kind::Body) {
                literalRun += cell->character;
                continue;
            }
            if (!literalRun.empty())
                m_trace.pieces.push_back({literalRun, -1});
            literalRun.clear();
            m_trace.pieces.push_back({std::string(), cell->index});
        }
        if (!literalRun.empty())
            m_trace.pieces.push_back({literalRun, -1});
        operand.pieceCount = static_cast<int>(m_trace.pieces.size()) - operand.index;
        for (const Cell *cell : significant) {
            if (cell->kind != Kind::Body)
                text += cell->character;
            else
                text += FormatScientific(m_values[static_cast<std::size_t>(cell->index)]).substr(1);
        }
        const double parsed = ParseNumber(text).value;
        value = negate ? -parsed : parsed;
        return operand;
    }

    bool ApplyOneProduct(std::vector<Cell> &group)
    {
        std::size_t position = 0;
        for (const char op : {'^', '/', '*'}) {
            for (std::size_t i = 1; i < group.size(); ++i) {
                if (IsChar(group[i], op)) {
                    position = i;
                    break;
                }
            }
            if (position != 0)
                break;
        }
        if (position == 0)
            return false;

        std::size_t left = position;
        while (left > 0 && IsOperand(group, left - 1))
            --left;
        std::size_t right = position + 1;
        bool negative = false;
        while (right < group.size() && IsSign(group, right)) {
            negative = negative != (group[right].character == '-');
            ++right;
        }
        const std::size_t rightStart = right;
        while (right < group.size() && IsOperand(group, right))
            ++right;

        Instruction product;
        product.op = Instruction::Op::Product;
        product.productOperator = group[position].character;
        double a = 0.0;
        double b = 0.0;
        product.left = MakeOperand(group, left, position, false, false, a);
        product.right = MakeOperand(group, rightStart, right, negative, false, b);
        const double value = RoundTo15Digits(ApplyProductOperator(product.productOperator, a, b));
        product.target = NewRegister(value);
        m_trace.instructions.push_back(product);

        std::vector<Cell> number;
        AppendNumber(number, product.target);
        group.erase(group.begin() + static_cast<std::ptrdiff_t>(left),
                    group.begin() + static_cast<std::ptrdiff_t>(right));
        group.insert(
            group.begin() + static_cast<std::ptrdiff_t>(left), number.begin(), number.end());
        return true;
    }

    int SumTerms(std::vector<Cell> &group)
    {
        Instruction sum;
        sum.op = Instruction::Op::Sum;
        sum.firstTerm = static_cast<int>(m_trace.terms.size());
        const std::size_t last = group.size() - 1;
        std::size_t position = 1;
        double total = 0.0;
        while (position < last) {
            const std::size_t before = position;
            bool negative = false;
            while (position < last && group[position].kind != Kind::Body) {
                const char c = Look(group[position]);
                if (c != '+' && c != '-' && c != ' ')
                    break;
                negative = negative != (c == '-');
                ++position;
            }
            const std::size_t start = position;
            while (position < last && IsOperand(group, position))
                ++position;
            double term = 0.0;
            m_trace.terms.push_back(MakeOperand(group, start, position, false, negative, term));
            total += term;
            if (position == before)
                ++position;
        }
        sum.termCount = static_cast<int>(m_trace.terms.size()) - sum.firstTerm;
        sum.target = NewRegister(RoundTo15Digits(total));
        m_trace.instructions.push_back(sum);
        group.clear();
        AppendNumber(group, sum.target);
        return sum.target;
    }

    Trace &m_trace;
    const MemoryTable &m_memories;
    std::vector<double> m_values;
    std::vector<bool> m_observed;
};

} // namespace

void CompiledExpression::SetText(std::string_view text)
{
    m_text = std::string(text);
    m_cells.clear();
    m_traces.clear();

    // Substitution, as the reference does it, with the references left as cells.
    std::string upper(text);
    for (char &c : upper) {
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
        else if (c == ',')
            c = '.';
    }
    std::vector<Cell> cells;
    cells.push_back(CharCell('('));
    bool invalid = false;
    bool anyReference = false;
    std::string_view rest = upper;
    while (!rest.empty()) {
        if (rest.front() != 'M') {
            invalid = invalid || kAllowed.find(rest.front()) == std::string_view::npos;
            cells.push_back(CharCell(rest.front()));
            rest.remove_prefix(1);
            continue;
        }
        const std::string_view after = rest.substr(1);
        if (Utf8Length(after) < 2) {
            m_constant = EvaluateExpression("0");
            return;
        }
        const std::string_view reference = Utf8Left(after, 2);
        const int k = ParseInteger(reference).value;
        if (MemoryTable::IsMemory(k)) {
            cells.push_back(Cell{Cell::Kind::Memory, ' ', k});
            anyReference = true;
        } else {
            cells.push_back(CharCell('0'));
        }
        rest = after.substr(reference.size());
    }
    cells.push_back(CharCell(')'));

    if (invalid) {
        m_constant = {0.0, kInconsistentEquation};
        return;
    }
    if (!anyReference) {
        std::string literal;
        for (std::size_t i = 1; i + 1 < cells.size(); ++i)
            literal += cells[i].character;
        m_constant = EvaluateExpression(literal);
        return;
    }
    m_constant = {};
    m_cells = std::move(cells);
}

double CompiledExpression::TextOperandValue(const Trace &trace, const Operand &operand) const
{
    std::string text;
    for (int i = 0; i < operand.pieceCount; ++i) {
        const Piece &piece = trace.pieces[static_cast<std::size_t>(operand.index + i)];
        if (piece.bodyOf < 0)
            text += piece.text;
        else
            text += FormatScientific(m_registers[static_cast<std::size_t>(piece.bodyOf)]).substr(1);
    }
    return ParseNumber(text).value;
}

inline double CompiledExpression::OperandValue(const Trace &trace, const Operand &operand) const
{
    double value = 0.0;
    if (operand.kind == Operand::Kind::Constant)
        return operand.constant;
    if (operand.kind == Operand::Kind::Register)
        value = std::abs(m_registers[static_cast<std::size_t>(operand.index)]);
    else
        value = TextOperandValue(trace, operand);
    return operand.negate ? -value : value;
}

bool CompiledExpression::Replay(Trace &trace, const MemoryTable &memories, double &result) const
{
    double *const registers = m_registers.data();
    for (Instruction &instruction : trace.instructions) {
        double raw = 0.0;
        switch (instruction.op) {
        case Instruction::Op::LoadMemory:
            // The memory number was checked when the text was compiled.
            raw = memories.MemoryValue[static_cast<std::size_t>(instruction.memory)];
            break;
        case Instruction::Op::Product:
            raw = ApplyProductOperator(instruction.productOperator,
                                       OperandValue(trace, instruction.left),
                                       OperandValue(trace, instruction.right));
            break;
        case Instruction::Op::Sum:
            raw = 0.0;
            for (int i = 0; i < instruction.termCount; ++i)
                raw += OperandValue(
                    trace, trace.terms[static_cast<std::size_t>(instruction.firstTerm + i)]);
            break;
        }
        // Equal doubles (0 and -0 included) round alike; NaN never equals and is rounded.
        if (raw != instruction.lastRaw) {
            instruction.lastRaw = raw;
            instruction.lastRounded = RoundTo15Digits(raw);
        }
        const double value = instruction.lastRounded;
        if (instruction.guard >= 0 && (value < 0) != (instruction.guard == 1))
            return false;
        registers[instruction.target] = value;
    }
    result = registers[trace.result];
    return true;
}

ExpressionResult CompiledExpression::Evaluate(const MemoryTable &memories) const
{
#ifdef ZELVAR_LITERAL_EVALUATION
    // A build for comparing the engine's speed against the text-rewriting reference.
    return EvaluateLiteral(m_text, memories);
#endif
    if (m_cells.empty())
        return m_constant;
    double result = 0.0;
    for (Trace &trace : m_traces) {
        if (Replay(trace, memories, result))
            return {result, {}};
    }
    Trace trace;
    Recorder recorder(trace, memories);
    result = recorder.Run(m_cells);
    if (m_registers.size() < static_cast<std::size_t>(trace.registerCount))
        m_registers.resize(static_cast<std::size_t>(trace.registerCount));
    if (m_traces.size() == kMaxTraces)
        m_traces.pop_back();
    m_traces.insert(m_traces.begin(), std::move(trace));
    return {result, {}};
}

} // namespace zelvar
