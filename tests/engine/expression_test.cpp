#include "engine/model/expression.h"

#include "engine/model/numbertext.h"

#include <gtest/gtest.h>

#include <limits>

namespace zelvar {
namespace {

struct ExpressionCase
{
    const char *name;
    const char *text;
    double value;
    bool error;
};

class EvaluateExpressionTest : public ::testing::TestWithParam<ExpressionCase>
{
};

TEST_P(EvaluateExpressionTest, GivesValueAndErrorText)
{
    const ExpressionCase &c = GetParam();
    const ExpressionResult result = EvaluateExpression(c.text);
    EXPECT_EQ(result.value, c.value);
    EXPECT_EQ(result.EvaluatorError, c.error ? kInconsistentEquation : std::string_view());
}

INSTANTIATE_TEST_SUITE_P(
    Expressions,
    EvaluateExpressionTest,
    ::testing::Values(ExpressionCase{"Empty", "", 0, false},
                      ExpressionCase{"Blanks", "   ", 0, false},
                      ExpressionCase{"Constant", "12.5", 12.5, false},
                      ExpressionCase{"ProductBeforeSum", "2+3*4", 14, false},
                      ExpressionCase{"PowersLeftToRight", "2^3^2", 64, false},
                      ExpressionCase{"SignOutsidePower", "-2^2", -4, false},
                      ExpressionCase{"NegativeRightOperand", "2*-3", -6, false},
                      ExpressionCase{"DoubleMinusIsPlus", "10--5", 15, false},
                      ExpressionCase{"GroupSignOutsidePower", "(0-2)^2", -4, false},
                      ExpressionCase{"DivisionByZero", "5/0", 9999, false},
                      ExpressionCase{"NegativeDivisionByZero", "-5/0", -9999, false},
                      ExpressionCase{"ZeroToZero", "0^0", 1, false},
                      ExpressionCase{"ZeroSquared", "0^2", 0, false},
                      ExpressionCase{"ZeroBaseRootIsZero", "0^0.5", 0, false},
                      ExpressionCase{"NegativeGroupRootKeepsSignOutside", "(0-4)^0.5", -2, false},
                      ExpressionCase{"DecimalComma", "1,5*2", 3, false},
                      ExpressionCase{"CarriedFifteenDigits", "1/3*3", 0.999999999999999, false},
                      ExpressionCase{"BlanksAroundNumber", "2.5 * 2", 5, false},
                      ExpressionCase{"MinusBeforeGroup", "2*-(3)", -6, false},
                      ExpressionCase{"RunOfSignsAsRightOperandSign", "2*--3", 6, false},
                      ExpressionCase{"PlusAsRightOperandSign", "2*+3", 6, false},
                      ExpressionCase{"NestedNegativeQuotient", "3*-8/-2", 12, false},
                      ExpressionCase{"DivisionsBeforeProducts", "8/2*4/2", 8, false},
                      ExpressionCase{"ForeignLetter", "2a", 0, true},
                      ExpressionCase{"LowerExponentIsForeign", "2e3", 0, true},
                      ExpressionCase{"UpperExponent", "2E3", 2000, false},
                      ExpressionCase{"UnclosedGroup", "(2*3", 6, false},
                      ExpressionCase{"StrayClose", "2)*3", 2, false},
                      ExpressionCase{"BlankInsideOperandJoinsDigits", "2 3*4", 92, false},
                      ExpressionCase{"EmptyOperands", "*", 0, false},
                      ExpressionCase{"OnlyParentheses", "()()", 0, false},
                      ExpressionCase{"TrailingOperator", "2*", 0, false},
                      ExpressionCase{"OverflowStaysFinite",
                                     "1E300*1E300",
                                     std::numeric_limits<double>::max(),
                                     false},
                      ExpressionCase{"NonAsciiIsForeign", "2°", 0, true}),
    [](const auto &info) { return info.param.name; });

class SubstitutionTest : public ::testing::Test
{
protected:
    SubstitutionTest()
    {
        memories.SetValue(5, 7.0);
        memories.SetValue(21, 40.0);
        memories.SetValue(22, 2.5);
        memories.SetValue(10, 3.0);
    }
    MemoryTable memories;
};

TEST_F(SubstitutionTest, ReplacesReferencesByScientificTexts)
{
    EXPECT_EQ(SubstituteMemoryReferences("M05*2", memories), " 7.00000000000000E+0000*2");
    EXPECT_EQ(SubstituteMemoryReferences("m05", memories), " 7.00000000000000E+0000");
    EXPECT_EQ(SubstituteMemoryReferences("2e3", memories), "2E3");
}

TEST_F(SubstitutionTest, MalformedReferencesStandForZero)
{
    EXPECT_EQ(SubstituteMemoryReferences("M00+1", memories), "0+1");
    EXPECT_EQ(SubstituteMemoryReferences("M(3)", memories), "0)");
    EXPECT_EQ(SubstituteMemoryReferences("M5", memories), "0");
    EXPECT_EQ(SubstituteMemoryReferences("2+M", memories), "0");
    EXPECT_EQ(SubstituteMemoryReferences("2a+M", memories), "0");
    // " 5" reads as 5, "5+" reads its digits, "$A" is hexadecimal.
    EXPECT_EQ(SubstituteMemoryReferences("M 5", memories), " 7.00000000000000E+0000");
    EXPECT_EQ(SubstituteMemoryReferences("M5+1", memories), " 7.00000000000000E+00001");
    EXPECT_EQ(SubstituteMemoryReferences("M$A", memories), " 3.00000000000000E+0000");
    // Two characters, not two bytes.
    EXPECT_EQ(SubstituteMemoryReferences("Mé", memories), "0");
}

TEST_F(SubstitutionTest, EvaluatesOverTheMemories)
{
    EXPECT_EQ(EvaluateLiteral("M21 + M22", memories).value, 42.5);
    EXPECT_EQ(EvaluateLiteral("m05*2", memories).value, 14);
    EXPECT_EQ(EvaluateLiteral("2e3", memories).value, 2000);
    EXPECT_EQ(EvaluateLiteral("M5", memories).value, 0);
    EXPECT_EQ(EvaluateLiteral("2*-M05", memories).value, -14);
    EXPECT_TRUE(EvaluateLiteral("M00", memories).EvaluatorError.empty());
}

TEST_F(SubstitutionTest, NegativeMemoryChangesHowTheTextReads)
{
    memories.SetValue(5, -5.0);
    // The run "--" before the value is its sign.
    EXPECT_EQ(EvaluateLiteral("2*-M05", memories).value, 10);
    // The minus of a negative left operand stays outside the power.
    EXPECT_EQ(EvaluateLiteral("M05^2", memories).value, -25);
    // A positive value's blank joins it to the digits before it; a minus separates them.
    memories.SetValue(5, 5.0);
    EXPECT_EQ(EvaluateLiteral("3M05", memories).value, 35);
    memories.SetValue(5, -5.0);
    EXPECT_EQ(EvaluateLiteral("3M05", memories).value, -2);
}

TEST_F(SubstitutionTest, NonFiniteMemoriesSubstituteAsFiniteTexts)
{
    memories.MemoryValue[5] = std::numeric_limits<double>::quiet_NaN();
    memories.MemoryValue[6] = -std::numeric_limits<double>::infinity();
    EXPECT_EQ(SubstituteMemoryReferences("M05", memories), " 0.00000000000000E+0000");
    EXPECT_EQ(SubstituteMemoryReferences("M06", memories), "-1.79769313486232E+0308");
    EXPECT_EQ(EvaluateLiteral("M06", memories).value, -std::numeric_limits<double>::max());
}

TEST(ApplyProductOperator, HandlesTheSpecialOperands)
{
    EXPECT_EQ(ApplyProductOperator('/', 3, 0), 9999);
    EXPECT_EQ(ApplyProductOperator('/', 0, 0), 9999);
    EXPECT_EQ(ApplyProductOperator('^', 0, 0), 1);
    EXPECT_EQ(ApplyProductOperator('^', -2, 2), 0);
    EXPECT_NEAR(ApplyProductOperator('^', 2, 0.5), 1.4142135623730951, 1e-15);
}

} // namespace
} // namespace zelvar
