#pragma once

#include "engine/model/memorytable.h"

#include <cmath>
#include <string>
#include <string_view>

namespace zelvar {

// The expression language of every setting that is evaluated over the memories: numbers
// (a comma may stand for the point, an exponent is "E" with an optional sign), memory
// references "M" + two characters (M05, m21), + - * / ^, parentheses and blanks.
//
// The meaning is that of a text-rewriting evaluator, kept here as the reference
// (SubstituteMemoryReferences, then DecimalCommaToPoint, then EvaluateExpression):
// - each memory reference is replaced by its value written with FormatScientific;
// - the innermost group is evaluated first: all "^" left to right (so 2^3^2 = 64), then all
//   "/", then all "*", each result written back with 15 significant digits, then the terms
//   are summed, each run of signs giving the sign of the next term;
// - a sign before a left operand stays outside the product (-2^2 = -4); a right operand may
//   begin with a run of signs, read as its sign (2*--3 = 6);
// - x/0 = 9999, x^0 = 1, a^b = exp(b ln a) for a > 0 and 0 otherwise;
// - any character outside the language gives 0 with the error text below; unbalanced
//   parentheses are not reported.
// CompiledExpression gives bit-identical results without rewriting text at every step.

inline constexpr std::string_view kInconsistentEquation = "Inconsistência na Equação!";

struct ExpressionResult
{
    double value = 0.0;
    // EvaluatorError: empty after a valid text, kInconsistentEquation otherwise.
    std::string_view EvaluatorError;
};

// Replaces each "M" + two characters by the memory's value (FormatScientific); a reference
// that does not read as 1-99 stands for "0", and fewer than two characters after an "M"
// turn the whole text into "0". Letters a-z are upper-cased first.
std::string SubstituteMemoryReferences(std::string_view text, const MemoryTable &memories);

std::string DecimalCommaToPoint(std::string_view text);

ExpressionResult EvaluateExpression(std::string_view text);

// The reference pipeline in one call, for tests and one-off evaluations.
ExpressionResult EvaluateLiteral(std::string_view text, const MemoryTable &memories);

// Shared by the reference and the compiled evaluator so both apply the same arithmetic.
inline double ApplyProductOperator(char op, double left, double right)
{
    if (op == '*')
        return left * right;
    if (op == '/')
        return right == 0.0 ? 9999.0 : left / right;
    if (right == 0.0) // '^'
        return 1.0;
    return left > 0.0 ? std::exp(right * std::log(left)) : 0.0;
}

} // namespace zelvar
