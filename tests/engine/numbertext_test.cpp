#include "engine/model/numbertext.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <cstring>
#include <limits>
#include <random>
#include <utility>

namespace zelvar {
namespace {

struct FixedCase
{
    const char *name;
    double value;
    int width;
    int decimals;
    const char *expected;
};

class FormatFixedTest : public ::testing::TestWithParam<FixedCase>
{
};

TEST_P(FormatFixedTest, WritesExpectedText)
{
    const FixedCase &c = GetParam();
    EXPECT_EQ(FormatFixed(c.value, c.width, c.decimals), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    NumberTexts,
    FormatFixedTest,
    ::testing::Values(
        FixedCase{"FiveWidthFour", 5, 4, 2, "5.00"},
        FixedCase{"FiveWidthSixPadsLeft", 5, 6, 2, "  5.00"},
        FixedCase{"NeverCutWhenLonger", 123.456, 2, 2, "123.46"},
        FixedCase{"HalfAwayWithoutDecimals", 7.5, 1, 0, "8"},
        FixedCase{"TwoAndAHalfGoesUp", 2.5, 0, 0, "3"},
        FixedCase{"MinusTwoAndAHalfGoesDown", -2.5, 0, 0, "-3"},
        FixedCase{"ExactEighthGoesUp", 0.125, 0, 2, "0.13"},
        FixedCase{"NegativeRoundingToZeroKeepsSign", -0.001, 4, 2, "-0.00"},
        FixedCase{"NegativeZeroHasNoSign", -0.0, 0, 2, "0.00"},
        FixedCase{"ZeroHasLeadingZero", 0.0, 0, 0, "0"},
        FixedCase{"CarryAddsDigit", 9.999, 0, 2, "10.00"},
        FixedCase{"CarryFromHalfBelowOne", 0.5, 0, 0, "1"},
        FixedCase{"SmallDropsToZero", 0.0004, 0, 3, "0.000"},
        FixedCase{"FirstDroppedDigitIsLeading", 0.0006, 0, 3, "0.001"},
        FixedCase{
            "DigitsPastEighteenthAreZero", 123456789012345678901.0, 0, 0, "123456789012345684000"},
        FixedCase{"TenDecimalsOfThird", 1.0 / 3.0, 0, 10, "0.3333333333"},
        FixedCase{"TwentyDecimalsStopAtEighteenDigits", 1.0 / 3.0, 0, 20, "0.33333333333333331500"},
        FixedCase{"NegativeDecimalsMeanNone", 3.7, 0, -2, "4"},
        FixedCase{"LargeBecomesScientific", 1e36, 12, 2, " 1.000E+0036"},
        FixedCase{"LargeAtLeastTwoDigits", -2.5e40, 0, 2, "-2.5E+0040"},
        FixedCase{"LargeAtMostEighteenDigits", 1.5e40, 30, 0, "     1.50000000000000011E+0040"},
        FixedCase{
            "JustBelowLargeStaysFixed", 9.99e35, 0, 0, "998999999999999954000000000000000000"},
        FixedCase{"NaNIsZero", std::numeric_limits<double>::quiet_NaN(), 5, 1, "  0.0"},
        FixedCase{"InfinityIsLargestFinite",
                  std::numeric_limits<double>::infinity(),
                  10,
                  0,
                  " 1.8E+0308"}),
    [](const auto &info) { return info.param.name; });

TEST(FormatScientific, WritesTwentyThreeCharactersWithFifteenDigits)
{
    EXPECT_EQ(FormatScientific(50), " 5.00000000000000E+0001");
    EXPECT_EQ(FormatScientific(-0.25), "-2.50000000000000E-0001");
    EXPECT_EQ(FormatScientific(0), " 0.00000000000000E+0000");
    EXPECT_EQ(FormatScientific(-0.0), " 0.00000000000000E+0000");
    EXPECT_EQ(FormatScientific(1.0 / 3.0), " 3.33333333333333E-0001");
    EXPECT_EQ(FormatScientific(2.0 / 3.0), " 6.66666666666667E-0001");
    EXPECT_EQ(FormatScientific(1e-300), " 1.00000000000000E-0300");
    EXPECT_EQ(FormatScientific(5e-324), " 4.94065645841247E-0324");
}

TEST(FormatScientific, CarriesIntoTheExponent)
{
    EXPECT_EQ(FormatScientific(99999.99999999999), " 1.00000000000000E+0005");
    EXPECT_EQ(FormatScientific(-9.999999999999999), "-1.00000000000000E+0001");
}

TEST(FormatScientific, RoundsFromEighteenDigitsHalfAway)
{
    // Exactly 117.455760381692499549..., whose 18 digits end in 500: the half goes up.
    EXPECT_EQ(FormatScientific(117.4557603816925), " 1.17455760381693E+0002");
    EXPECT_EQ(FormatFixed(117.4557603816925, 0, 12), "117.455760381693");
    EXPECT_EQ(FormatScientific(0.125), " 1.25000000000000E-0001");
    EXPECT_EQ(FormatScientific(1.000000000000005), " 1.00000000000001E+0000");
}

TEST(FormatScientific, NonFiniteValuesStayFinite)
{
    const double inf = std::numeric_limits<double>::infinity();
    EXPECT_EQ(FormatScientific(inf), " 1.79769313486232E+0308");
    EXPECT_EQ(FormatScientific(-inf), "-1.79769313486232E+0308");
    EXPECT_EQ(FormatScientific(std::nan("")), " 0.00000000000000E+0000");
}

struct NumberCase
{
    const char *name;
    const char *text;
    double value;
    int errorPosition;
};

class ParseNumberTest : public ::testing::TestWithParam<NumberCase>
{
};

TEST_P(ParseNumberTest, ReadsValueAndErrorPosition)
{
    const NumberCase &c = GetParam();
    const ParsedNumber parsed = ParseNumber(c.text);
    EXPECT_EQ(parsed.value, c.value);
    EXPECT_EQ(parsed.errorPosition, c.errorPosition);
}

INSTANTIATE_TEST_SUITE_P(
    NumberTexts,
    ParseNumberTest,
    ::testing::Values(
        NumberCase{"Plain", "12.5", 12.5, 0},
        NumberCase{"LeadingBlanks", " 2", 2, 0},
        NumberCase{"TrailingBlankIsError", "2 ", 2, 2},
        NumberCase{"LonePoint", ".", 0, 0},
        NumberCase{"PointWithoutInteger", ".5", 0.5, 0},
        NumberCase{"PointWithoutFraction", "5.", 5, 0},
        NumberCase{"Empty", "", 0, 1},
        NumberCase{"BlanksOnly", "   ", 0, 4},
        NumberCase{"SignOnly", "-", 0, 2},
        NumberCase{"ErrorKeepsMantissaDigits", "12.5x", 125, 5},
        NumberCase{"ErrorDropsSign", "-12.5x", 125, 6},
        NumberCase{"SecondPoint", "1.2.3", 12, 4},
        NumberCase{"Exponent", "2.5E-2", 0.025, 0},
        NumberCase{"LowerExponent", "1e3", 1000, 0},
        NumberCase{"ExponentWithoutDigits", "1E", 1, 3},
        NumberCase{"ExponentSignWithoutDigits", "1E+", 1, 4},
        NumberCase{"ExponentLetterFirst", "E5", 0, 1},
        NumberCase{"Negative", "-0.25", -0.25, 0},
        NumberCase{"PlusSign", "+7", 7, 0},
        NumberCase{"ScientificText", "-2.50000000000000E-0001", -0.25, 0},
        NumberCase{
            "OverflowIsLargest", "1.79769313486232E+0308", std::numeric_limits<double>::max(), 0},
        NumberCase{"NegativeOverflow", "-1E999", -std::numeric_limits<double>::max(), 0},
        NumberCase{"UnderflowIsZero", "1E-999", 0, 0},
        NumberCase{
            "HugeExponentDigits", "1E99999999999999999999", std::numeric_limits<double>::max(), 0},
        NumberCase{"CommaIsNoPoint", "1,5", 1, 2},
        NumberCase{"PositionCountsCharacters", "çx", 0, 1},
        NumberCase{"PositionAfterAccentedCharacter", "1é", 1, 2}),
    [](const auto &info) { return info.param.name; });

struct IntegerCase
{
    const char *name;
    const char *text;
    std::int32_t value;
    int errorPosition;
};

class ParseIntegerTest : public ::testing::TestWithParam<IntegerCase>
{
};

TEST_P(ParseIntegerTest, ReadsValueAndErrorPosition)
{
    const IntegerCase &c = GetParam();
    const ParsedInteger parsed = ParseInteger(c.text);
    EXPECT_EQ(parsed.value, c.value);
    EXPECT_EQ(parsed.errorPosition, c.errorPosition);
}

INSTANTIATE_TEST_SUITE_P(NumberTexts,
                         ParseIntegerTest,
                         ::testing::Values(IntegerCase{"TwoDigits", "05", 5, 0},
                                           IntegerCase{"LeadingBlank", " 5", 5, 0},
                                           IntegerCase{"TrailingCharacter", "5+", 5, 2},
                                           IntegerCase{"Negative", "-5", -5, 0},
                                           IntegerCase{"DollarHex", "$A", 10, 0},
                                           IntegerCase{"LetterXHex", "x1F", 31, 0},
                                           IntegerCase{"ZeroXHex", "0x10", 16, 0},
                                           IntegerCase{"ZeroXWithoutDigits", "0x", 0, 3},
                                           IntegerCase{"Empty", "", 0, 1},
                                           IntegerCase{"SignOnly", "+", 0, 2},
                                           IntegerCase{"NotANumber", "(3", 0, 1},
                                           IntegerCase{"Largest", "2147483647", 2147483647, 0},
                                           IntegerCase{
                                               "Smallest", "-2147483648", -2147483647 - 1, 0},
                                           IntegerCase{"BeyondRange", "2147483648", 214748364, 10},
                                           IntegerCase{"HexBeyondRange", "$80000000", 134217728, 9},
                                           IntegerCase{"DecimalPoint", "1.5", 1, 2}),
                         [](const auto &info) { return info.param.name; });

// The conversions must not follow the C locale, which Qt sets from the environment.
TEST(NumberTexts, IgnoreCommaDecimalLocales)
{
    for (const char *name : {"pt_BR.UTF-8", "pt_BR.utf8", "de_DE.UTF-8", "de_DE.utf8"}) {
        if (!std::setlocale(LC_ALL, name))
            continue;
        EXPECT_EQ(FormatFixed(1.5, 0, 2), "1.50") << name;
        EXPECT_EQ(FormatScientific(1.5), " 1.50000000000000E+0000") << name;
        EXPECT_EQ(ParseNumber("1.5").value, 1.5) << name;
        EXPECT_EQ(ParseNumber("1,5").errorPosition, 2) << name;
        std::setlocale(LC_ALL, "C");
    }
}

TEST(RoundHalfEven, SendsHalvesToTheEvenNeighbour)
{
    EXPECT_EQ(RoundHalfEven(2.5), 2);
    EXPECT_EQ(RoundHalfEven(3.5), 4);
    EXPECT_EQ(RoundHalfEven(-2.5), -2);
    EXPECT_EQ(RoundHalfEven(0.49), 0);
    EXPECT_EQ(RoundHalfEven(std::nan("")), 0);
    EXPECT_EQ(RoundHalfEven(1e300), std::numeric_limits<int>::max());
    EXPECT_EQ(RoundHalfEven(-1e300), std::numeric_limits<int>::min());
}

TEST(TwoDigits, PadsOnlyTheOneDigitNumbers)
{
    for (const auto &[number, text] :
         {std::pair{0, "00"}, {7, "07"}, {10, "10"}, {99, "99"}, {100, "100"}, {-3, "-3"}}) {
        EXPECT_EQ(TwoDigits(number), text) << number;
    }
}

TEST(HexDigitValue, ReadsBothCasesAndNothingAroundThem)
{
    for (const auto &[c, value] : {std::pair{'0', 0},
                                   {'9', 9},
                                   {'a', 10},
                                   {'f', 15},
                                   {'A', 10},
                                   {'F', 15},
                                   {'/', -1},
                                   {':', -1},
                                   {'@', -1},
                                   {'G', -1},
                                   {'`', -1},
                                   {'g', -1}}) {
        EXPECT_EQ(HexDigitValue(c), value) << c;
    }
}

TEST(Utf8, CountsAndCutsCharacters)
{
    EXPECT_EQ(Utf8Length("Posição"), 7u);
    EXPECT_EQ(Utf8Left("Posição", 5), "Posiç");
    EXPECT_EQ(Utf8DropLeft("Posição", 5), "ão");
    EXPECT_EQ(Utf8DropLeft("ab", 5), "");
}

// The fast path must equal the round trip through the text for every double.
TEST(RoundTo15Digits, EqualsTheRoundTripThroughTheText)
{
    std::mt19937_64 random(20261206);
    std::uniform_real_distribution<double> exponent(-12.0, 20.0);
    std::uniform_int_distribution<std::uint64_t> bits;
    const auto check = [](double x) {
        const double expected = ParseNumber(FormatScientific(x)).value;
        const double actual = RoundTo15Digits(x);
        ASSERT_EQ(std::signbit(actual), std::signbit(expected)) << x;
        ASSERT_EQ(actual, expected) << FormatScientific(x);
        // A value already carried through the text writes the same text again.
        ASSERT_EQ(FormatScientific(actual), FormatScientific(x));
    };
    for (int i = 0; i < 200000; ++i) {
        const double magnitude = std::pow(10.0, exponent(random));
        check(i % 2 ? magnitude : -magnitude);
        double raw = 0;
        const std::uint64_t pattern = bits(random);
        std::memcpy(&raw, &pattern, sizeof raw);
        if (std::isfinite(raw))
            check(raw);
    }
    // Values whose digits 16 to 18 sit at the rounding boundary.
    for (int digits = 0; digits < 20000; ++digits) {
        const double base = 1.0 + digits * 1e-5;
        for (const double tail : {4.994e-15, 4.995e-15, 4.996e-15, 5e-15, 4.999999e-15})
            check(base + tail);
    }
    for (const double x : {0.0,
                           -0.0,
                           1e-8,
                           9.99999999999999e-9,
                           1e18,
                           999999999999999999.0,
                           99999.99999999999,
                           0.5,
                           1.0,
                           100.0,
                           1e17,
                           1e-320,
                           std::numeric_limits<double>::max(),
                           std::numeric_limits<double>::infinity(),
                           -std::numeric_limits<double>::infinity()})
        check(x);
    // Around every power of ten the decimal exponent changes.
    for (int k = -12; k <= 20; ++k) {
        double power = std::pow(10.0, k);
        for (int step = 0; step < 40; ++step)
            power = std::nextafter(power, 0.0);
        for (int step = 0; step < 80; ++step) {
            check(power);
            power = std::nextafter(power, 1e300);
        }
    }
    EXPECT_EQ(RoundTo15Digits(std::nan("")), 0.0);
}

// The short way of FormatFixed must give the digits' own text for every value, above all at the
// halves where the 18 digits and the double part ways.
TEST(FormatFixed, EqualsTheTextWorkedOutFromTheDigits)
{
    std::mt19937_64 random(20261207);
    std::uniform_real_distribution<double> exponent(-10.0, 17.0);
    std::uniform_int_distribution<int> decimals(0, 10);
    std::uniform_int_distribution<int> width(0, 12);
    std::uniform_int_distribution<std::uint64_t> bits;
    std::uniform_int_distribution<std::int64_t> whole(0, 999999999999);
    const auto check = [](double x, int w, int d) {
        ASSERT_EQ(FormatFixed(x, w, d), FormatFixedFromDigits(x, w, d))
            << FormatScientific(x) << " width " << w << " decimals " << d;
        std::string appended = "a;";
        AppendFixed(appended, x, w, d);
        ASSERT_EQ(appended, "a;" + FormatFixedFromDigits(x, w, d));
    };
    for (int i = 0; i < 300000; ++i) {
        const double magnitude = std::pow(10.0, exponent(random));
        check(i % 2 ? magnitude : -magnitude, width(random), decimals(random));
        double raw = 0;
        const std::uint64_t pattern = bits(random);
        std::memcpy(&raw, &pattern, sizeof raw);
        check(raw, width(random), decimals(random));
        // Halves of the last decimal and their neighbours, the hardest cases.
        const int d = decimals(random);
        const double half = (static_cast<double>(whole(random)) + 0.5) / std::pow(10.0, d);
        for (const double x : {half,
                               std::nextafter(half, 0.0),
                               std::nextafter(half, 1e300),
                               -half,
                               half * (1.0 + 1e-16),
                               half * (1.0 - 1e-16)})
            check(x, 5, d);
    }
    // Memory values as a run writes them: percentages with few digits.
    for (int n = -100000; n <= 100000; ++n) {
        check(n / 1000.0, 5, 2);
        check(n / 200.0, 5, 2);
        check(n * 0.005 + 1e-13, 5, 2);
    }
    for (const double x : {4e15,
                           3.9999999999999995e15,
                           4.0000000000000005e13,
                           0.0,
                           -0.0,
                           1e-320,
                           -1e-320,
                           0.005,
                           0.015,
                           0.025,
                           1.005,
                           2.675,
                           1e36,
                           -9.99e35})
        for (int d = 0; d <= 12; ++d)
            check(x, 6, d);
}

} // namespace
} // namespace zelvar
