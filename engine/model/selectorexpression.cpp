#include "engine/model/selectorexpression.h"

#include "engine/model/numbertext.h"

namespace zelvar {

void SelectorExpression::SetText(std::string_view text)
{
    m_text = std::string(text);
    m_selector = Selector::None;
    m_right.SetText("");

    // Walk the text as the substitution does: a reference takes "M" and the two characters
    // after it, whatever they are.
    std::size_t firstGreater = std::string_view::npos;
    std::size_t firstLess = std::string_view::npos;
    std::size_t i = 0;
    while (i < text.size()) {
        const char c = text[i];
        if (c == 'M' || c == 'm') {
            const std::string_view after = text.substr(i + 1);
            if (Utf8Length(after) < 2) {
                m_left.SetText(text); // substitution turns the whole text into "0"
                return;
            }
            i += 1 + Utf8Left(after, 2).size();
            continue;
        }
        if (c == '>' && firstGreater == std::string_view::npos)
            firstGreater = i;
        if (c == '<' && firstLess == std::string_view::npos)
            firstLess = i;
        ++i;
    }

    const std::size_t split = firstGreater != std::string_view::npos ? firstGreater : firstLess;
    if (split == std::string_view::npos) {
        m_left.SetText(text);
        return;
    }
    m_selector = split == firstGreater ? Selector::Larger : Selector::Smaller;
    m_left.SetText(text.substr(0, split));
    m_right.SetText(text.substr(split + 1));
}

ExpressionResult SelectorExpression::EvaluateBoth(const MemoryTable &memories) const
{
    const ExpressionResult left = m_left.Evaluate(memories);
    const ExpressionResult right = m_right.Evaluate(memories);
    ExpressionResult result;
    if (m_selector == Selector::Larger)
        result.value = left.value > right.value ? left.value : right.value;
    else
        result.value = left.value < right.value ? left.value : right.value;
    result.EvaluatorError
        = left.EvaluatorError.empty() ? right.EvaluatorError : left.EvaluatorError;
    return result;
}

} // namespace zelvar
