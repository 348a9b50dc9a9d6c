#include "engine/model/expression.h"

#include "engine/model/numbertext.h"

#include <algorithm>
#include <cmath>

namespace zelvar {

namespace {

constexpr std::string_view kAllowed = "0123456789.E +-()/*^";

bool IsOperandChar(const std::string &text, std::size_t i)
{
    const char c = text[i];
    if ((c >= '0' && c <= '9') || c == '.' || c == 'E' || c == ' ')
        return true;
    return (c == '+' || c == '-') && i > 0 && text[i - 1] == 'E';
}

double OperandValue(std::string_view operand)
{
    std::string compact;
    compact.reserve(operand.size());
    for (const char c : operand) {
        if (c != ' ')
            compact += c;
    }
    return ParseNumber(compact).value;
}

// Applies one "^", "/" or "*" of the group; false when none is left.
bool ApplyOneProduct(std::string &group)
{
    std::size_t position = group.find('^', 1);
    if (position == std::string::npos)
        position = group.find('/', 1);
    if (position == std::string::npos)
        position = group.find('*', 1);
    if (position == std::string::npos)
        return false;

    std::size_t left = position;
    while (left > 0 && IsOperandChar(group, left - 1))
        --left;
    std::size_t right = position + 1;
    bool negative = false;
    while (right < group.size() && (group[right] == '-' || group[right] == '+')) {
        negative = negative != (group[right] == '-');
        ++right;
    }
    const std::size_t rightStart = right;
    while (right < group.size() && IsOperandChar(group, right))
        ++right;

    const double a = OperandValue(std::string_view(group).substr(left, position - left));
    std::string rightText = negative ? "-" : "";
    rightText.append(group, rightStart, right - rightStart);
    const double b = OperandValue(rightText);
    group.replace(
        left, right - left, FormatScientific(ApplyProductOperator(group[position], a, b)));
    return true;
}

void SumTerms(std::string &group)
{
    const std::size_t last = group.size() - 1;
    std::size_t position = 1;
    double sum = 0.0;
    while (position < last) {
        const std::size_t before = position;
        bool negative = false;
        while (position < last
               && (group[position] == '+' || group[position] == '-' || group[position] == ' ')) {
            negative = negative != (group[position] == '-');
            ++position;
        }
        const std::size_t start = position;
        while (position < last && IsOperandChar(group, position))
            ++position;
        const double term = OperandValue(std::string_view(group).substr(start, position - start));
        sum += negative ? -term : term;
        if (position == before)
            ++position; // never stand still, whatever the text holds
    }
    group = FormatScientific(sum);
}

} // namespace

std::string SubstituteMemoryReferences(std::string_view text, const MemoryTable &memories)
{
    std::string result(text);
    for (char &c : result) {
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    }
    std::size_t from = 0;
    for (;;) {
        const std::size_t i = result.find('M', from);
        if (i == std::string::npos)
            break;
        const std::string_view after = std::string_view(result).substr(i + 1);
        if (Utf8Length(after) < 2)
            return "0";
        const std::string_view reference = Utf8Left(after, 2);
        const int k = ParseInteger(reference).value;
        const std::string replacement
            = MemoryTable::IsMemory(k) ? FormatScientific(memories.Value(k)) : std::string("0");
        result.replace(i, 1 + reference.size(), replacement);
        // The replacement holds no "M", so the next reference lies after it.
        from = i + replacement.size();
    }
    return result;
}

std::string DecimalCommaToPoint(std::string_view text)
{
    std::string result(text);
    std::replace(result.begin(), result.end(), ',', '.');
    return result;
}

ExpressionResult EvaluateExpression(std::string_view text)
{
    std::string working = "(" + DecimalCommaToPoint(text) + ")";
    for (const char c : working) {
        if (kAllowed.find(c) == std::string_view::npos)
            return {0.0, kInconsistentEquation};
    }
    std::string group;
    for (;;) {
        const std::size_t open = working.rfind('(');
        if (open == std::string::npos)
            break;
        const std::size_t close = working.find(')', open);
        if (close == std::string::npos)
            break;
        group = working.substr(open, close - open + 1);
        while (ApplyOneProduct(group)) {
        }
        SumTerms(group);
        working.replace(open, close - open + 1, group);
    }
    return {ParseNumber(group).value, {}};
}

ExpressionResult EvaluateLiteral(std::string_view text, const MemoryTable &memories)
{
    return EvaluateExpression(DecimalCommaToPoint(SubstituteMemoryReferences(text, memories)));
}

} // namespace zelvar
