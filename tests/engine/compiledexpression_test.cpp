#include "engine/model/compiledexpression.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <random>
#include <string>

namespace zelvar {
namespace {

// Texts drawn from the language's characters and from what breaks it.
class TextGenerator
{
public:
    explicit TextGenerator(std::uint64_t seed)
        : m_random(seed)
    {}

    std::string Text()
    {
        std::string text;
        const int pieces = Pick(1, 14);
        for (int i = 0; i < pieces; ++i)
            text += Piece();
        return text;
    }

    double MemoryValue()
    {
        switch (Pick(0, 11)) {
        case 0:
            return 0.0;
        case 1:
            return -0.0;
        case 2:
            return Pick(-9, 9);
        case 3:
            return std::uniform_real_distribution<double>(-200, 200)(m_random);
        case 4:
            return std::uniform_real_distribution<double>(-1e-300, 1e-300)(m_random);
        case 5:
            return std::uniform_real_distribution<double>(-1e300, 1e300)(m_random);
        case 6:
            return 117.4557603816925 * (Pick(0, 1) ? 1 : -1);
        case 7:
            return std::pow(10.0, std::uniform_real_distribution<double>(-12, 20)(m_random))
                   * (Pick(0, 1) ? 1 : -1);
        case 8:
            return Pick(0, 1) ? std::numeric_limits<double>::infinity()
                              : -std::numeric_limits<double>::infinity();
        case 9:
            return std::numeric_limits<double>::quiet_NaN();
        default:
            return std::uniform_real_distribution<double>(0, 100)(m_random);
        }
    }

private:
    int Pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(m_random); }

    std::string Reference()
    {
        static const std::string kReferenceChars = "0123456789 $x(+-.,M";
        std::string reference = Pick(0, 3) ? "M" : "m";
        if (Pick(0, 5)) {
            const int k = Pick(0, 99);
            reference += static_cast<char>('0' + k / 10);
            reference += static_cast<char>('0' + k % 10);
        } else {
            for (int i = Pick(0, 2); i > 0; --i)
                reference += kReferenceChars[static_cast<std::size_t>(
                    Pick(0, static_cast<int>(kReferenceChars.size()) - 1))];
        }
        return reference;
    }

    std::string Number()
    {
        std::string number = std::to_string(Pick(0, 999));
        if (Pick(0, 2) == 0)
            number += (Pick(0, 1) ? "." : ",") + std::to_string(Pick(0, 99));
        if (Pick(0, 6) == 0) {
            number += Pick(0, 4) ? "E" : "e";
            const int sign = Pick(0, 2);
            if (sign == 1)
                number += "-";
            if (sign == 2)
                number += "+";
            number += std::to_string(Pick(0, 30));
        }
        return number;
    }

    std::string Piece()
    {
        static const char *const kOperators[]
            = {"+", "-", "*", "/", "^", "*-", "/-", "^-", "--", "-+-", "*--", "^--"};
        static const char *const kOdd[]
            = {" ", "  ", "(", ")", "(", ")", ".", ",", "E", "a", "é", "#", "M", "E-", "e+"};
        switch (Pick(0, 9)) {
        case 0:
        case 1:
        case 2:
            return Reference();
        case 3:
        case 4:
        case 5:
            return Number();
        case 6:
        case 7:
            return kOperators[Pick(0, 11)];
        case 8:
            return Pick(0, 1) ? "(" : ")";
        default:
            return Pick(0, 9) ? kOdd[Pick(0, 9)] : kOdd[Pick(10, 14)];
        }
    }

    std::mt19937_64 m_random;
};

long CaseCount(long fallback)
{
    const char *text = std::getenv("ZELVAR_DIFFERENTIAL_CASES");
    return text ? std::strtol(text, nullptr, 10) : fallback;
}

// Holds the compiled form to the text-rewriting reference, bit for bit, over random texts and
// memory states; each text is evaluated under several states so that traces get replayed,
// rejected and recorded again.
TEST(CompiledExpression, MatchesTheReferenceOnRandomTextsAndMemories)
{
    TextGenerator generator(0x5EED2026);
    MemoryTable memories;
    const long cases = CaseCount(100000);
    long compared = 0;
    for (long i = 0; i < cases; ++i) {
        const std::string text = generator.Text();
        const CompiledExpression compiled(text);
        for (int state = 0; state < 4; ++state) {
            for (int k = 1; k <= 99; ++k)
                memories.MemoryValue[static_cast<std::size_t>(k)] = generator.MemoryValue();
            const ExpressionResult expected = EvaluateLiteral(text, memories);
            const ExpressionResult actual = compiled.Evaluate(memories);
            ASSERT_EQ(std::bit_cast<std::uint64_t>(actual.value),
                      std::bit_cast<std::uint64_t>(expected.value))
                << "text \"" << text << "\" case " << i << " state " << state << ": "
                << actual.value << " != " << expected.value;
            ASSERT_EQ(actual.EvaluatorError, expected.EvaluatorError) << text;
            ASSERT_TRUE(std::isfinite(actual.value)) << text;
            ++compared;
        }
    }
    EXPECT_EQ(compared, cases * 4);
}

TEST(CompiledExpression, ConstantTextIsEvaluatedOnce)
{
    const CompiledExpression compiled("12,5*2");
    EXPECT_FALSE(compiled.HasMemoryReferences());
    EXPECT_EQ(compiled.Evaluate(MemoryTable()).value, 25);
}

TEST(CompiledExpression, FollowsTheMemoriesAcrossSignChanges)
{
    MemoryTable memories;
    const CompiledExpression compiled("M05^2+2*-M05");
    for (const double value : {3.0, -3.0, 0.0, 3.0, -0.5}) {
        memories.SetValue(5, value);
        EXPECT_EQ(compiled.Evaluate(memories).value,
                  EvaluateLiteral("M05^2+2*-M05", memories).value)
            << value;
    }
    memories.SetValue(5, -3.0);
    // -(3^2) + 2*3: the minus of M05 stays outside the power.
    EXPECT_EQ(compiled.Evaluate(memories).value, -3);
}

TEST(CompiledExpression, ReportsForeignCharactersAndMalformedReferences)
{
    MemoryTable memories;
    memories.SetValue(21, 10);
    EXPECT_EQ(CompiledExpression("M21*2a").Evaluate(memories).EvaluatorError,
              kInconsistentEquation);
    EXPECT_EQ(CompiledExpression("M21*2a").Evaluate(memories).value, 0);
    EXPECT_EQ(CompiledExpression("M21+M").Evaluate(memories).value, 0);
    EXPECT_TRUE(CompiledExpression("M21+M").Evaluate(memories).EvaluatorError.empty());
    EXPECT_EQ(CompiledExpression("M21+M00").Evaluate(memories).value, 10);
}

TEST(CompiledExpression, TextChangeRecompiles)
{
    MemoryTable memories;
    memories.SetValue(41, 8);
    CompiledExpression compiled("M41/2");
    EXPECT_EQ(compiled.Evaluate(memories).value, 4);
    compiled.SetText("M41*2");
    EXPECT_EQ(compiled.Text(), "M41*2");
    EXPECT_EQ(compiled.Evaluate(memories).value, 16);
}

} // namespace
} // namespace zelvar
