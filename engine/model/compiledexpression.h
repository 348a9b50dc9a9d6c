#pragma once

#include "engine/model/expression.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace zelvar {

// An expression setting compiled once per text change, evaluated at every step with results
// bit-identical to the reference pipeline (SubstituteMemoryReferences, DecimalCommaToPoint,
// EvaluateExpression) for every text and every memory state.
//
// How: the rewriting's control flow depends on the characters of the text and, of the
// numbers written into it, only on their sign character (every other character of a
// FormatScientific text is a digit, ".", "E" or the exponent's sign). A first evaluation
// rewrites a text of cells (characters and numbers) and records the arithmetic it did as a
// trace, together with the signs its decisions looked at. Later evaluations replay the trace
// and check those signs; when one differs, a new trace is recorded (a few are kept).
// A text without memory references is evaluated once.
class CompiledExpression
{
public:
    CompiledExpression() = default;
    explicit CompiledExpression(std::string_view text) { SetText(text); }

    void SetText(std::string_view text);
    const std::string &Text() const { return m_text; }
    bool HasMemoryReferences() const { return !m_cells.empty(); }

    // Never allocates once the traces for the signs met so far exist.
    ExpressionResult Evaluate(const MemoryTable &memories) const;

    // Kinds of cells and operands of the trace (public for the recorder in the source file).
    struct Cell
    {
        enum class Kind : std::uint8_t { Char, Memory, Sign, Body };
        Kind kind = Kind::Char;
        char character = ' ';
        int index = 0; // memory number, or register of a Sign/Body
    };
    struct Piece
    {
        std::string text; // literal characters, or empty for a register's digits
        int bodyOf = -1;  // register whose text without its sign character goes here
    };
    struct Operand
    {
        enum class Kind : std::uint8_t { Constant, Register, Text };
        Kind kind = Kind::Constant;
        bool negate = false;
        double constant = 0.0;
        int index = 0; // register, or first piece of a Text operand
        int pieceCount = 0;
    };
    struct Instruction
    {
        enum class Op : std::uint8_t { LoadMemory, Product, Sum };
        Op op = Op::LoadMemory;
        char productOperator = '*';
        std::int8_t guard = -1; // -1: sign not looked at; 0: not negative; 1: negative
        int target = 0;
        int memory = 0;
        Operand left;
        Operand right;
        int firstTerm = 0;
        int termCount = 0;
        // The last unrounded value and its rounding: a step whose inputs did not move
        // skips the rounding.
        double lastRaw = 0.0;
        double lastRounded = 0.0;
    };
    struct Trace
    {
        std::vector<Instruction> instructions;
        std::vector<Operand> terms;
        std::vector<Piece> pieces;
        int registerCount = 0;
        int result = 0;
    };

private:
    bool Replay(Trace &trace, const MemoryTable &memories, double &result) const;
    double OperandValue(const Trace &trace, const Operand &operand) const;
    double TextOperandValue(const Trace &trace, const Operand &operand) const;

    std::string m_text;
    ExpressionResult m_constant;
    std::vector<Cell> m_cells; // the wrapped, substituted text; empty for a constant text
    mutable std::vector<Trace> m_traces;
    mutable std::vector<double> m_registers;
};

} // namespace zelvar
