#pragma once

#include "engine/model/compiledexpression.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace zelvar {

// A calculation block's function: one expression, or two joined by a selector.
//
//   a > b  gives the larger of a and b (b when they are equal)
//   a < b  gives the smaller of a and b (b when they are equal)
//
// The text splits at its first ">", or when it has none at its first "<", as the text stands
// after memory substitution: a sign that a memory reference swallows ("M2>" reads memory 2)
// does not split, and a text whose substitution collapses to "0" (an "M" with fewer than two
// characters after it) has no selector. Either side may be empty and reads 0. A second
// selector lands in the right side, which is then invalid and reads 0.
class SelectorExpression
{
public:
    enum class Selector : std::uint8_t { None, Larger, Smaller };

    SelectorExpression() = default;
    explicit SelectorExpression(std::string_view text) { SetText(text); }

    void SetText(std::string_view text);
    const std::string &Text() const { return m_text; }
    Selector Kind() const { return m_selector; }

    // The selected value; EvaluatorError is set when either side is invalid. Allocates
    // nothing once both sides have been evaluated with the memory signs met so far.
    ExpressionResult Evaluate(const MemoryTable &memories) const
    {
        return m_selector == Selector::None ? m_left.Evaluate(memories) : EvaluateBoth(memories);
    }

private:
    ExpressionResult EvaluateBoth(const MemoryTable &memories) const;

    std::string m_text;
    Selector m_selector = Selector::None;
    CompiledExpression m_left; // the whole text when there is no selector
    CompiledExpression m_right;
};

} // namespace zelvar
