#include "engine/model/selectorexpression.h"

#include <gtest/gtest.h>

namespace zelvar {
namespace {

TEST(SelectorExpression, SplitsAtTheFirstSelectorAfterSubstitution)
{
    MemoryTable memories;
    memories.SetValue(2, 4);
    memories.SetValue(21, 30);
    memories.SetValue(22, 70);
    using Selector = SelectorExpression::Selector;
    for (const auto &[text, selector, value, valid] :
         {std::tuple{"M21>M22", Selector::Larger, 70.0, true},
          {"M21<M22", Selector::Smaller, 30.0, true},
          {"m22<m21", Selector::Smaller, 30.0, true},
          {">5", Selector::Larger, 5.0, true},
          {"0-5>", Selector::Larger, 0.0, true},
          {"2,5>1", Selector::Larger, 2.5, true},
          {"1<2>3", Selector::Larger, 3.0, false},      // ">" splits first; "1<2" is invalid
          {"M21>M22>1", Selector::Larger, 30.0, false}, // the second ">" spoils the right side
          {"M21+M22", Selector::None, 100.0, true}}) {
        SCOPED_TRACE(text);
        const SelectorExpression expression(text);
        const ExpressionResult result = expression.Evaluate(memories);
        EXPECT_EQ(expression.Kind(), selector);
        EXPECT_EQ(result.value, value);
        EXPECT_EQ(result.EvaluatorError.empty(), valid);
    }
}

TEST(SelectorExpression, SignsInsideAMemoryReferenceDoNotSplit)
{
    // "M2>" names memory 2, and an "M" near the end turns the whole text into "0": in both
    // the text means what the plain evaluator makes of it.
    MemoryTable memories;
    memories.SetValue(2, 4);
    memories.SetValue(21, 30);
    for (const char *text : {"M2>3", "M<21", "M21>M", "M21>M2"}) {
        SCOPED_TRACE(text);
        const SelectorExpression expression(text);
        const ExpressionResult reference = EvaluateLiteral(text, memories);
        EXPECT_EQ(expression.Kind(), SelectorExpression::Selector::None);
        EXPECT_EQ(expression.Evaluate(memories).value, reference.value);
        EXPECT_EQ(expression.Evaluate(memories).EvaluatorError, reference.EvaluatorError);
    }
    EXPECT_EQ(SelectorExpression("M2>3").Evaluate(memories).value, 4000.0);
}

} // namespace
} // namespace zelvar
