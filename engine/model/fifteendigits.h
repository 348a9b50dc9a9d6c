#pragma once

#include <array>
#include <bit>
#include <cmath>
#include <cstdint>

namespace zelvar {

namespace detail {

__extension__ using FifteenDigitsUint128 = unsigned __int128;

inline constexpr std::array<double, 23> kFifteenDigitPowers
    = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
       1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};

inline constexpr std::array<std::uint64_t, 23> kFifteenDigitFivePowers = [] {
    std::array<std::uint64_t, 23> powers{};
    std::uint64_t power = 1;
    for (auto &entry : powers) {
        entry = power;
        power *= 5;
    }
    return powers;
}();

// Smallest doubles not below 10^k for k = -8..15, to guess the decimal exponent without ever
// guessing too high (the doubles nearest 1E-7 and 1E-6 lie just below their powers).
inline constexpr std::array<double, 24> kFifteenDigitGuessPowers = {1e-8,
                                                                    0x1.ad7f29abcaf49p-24,
                                                                    0x1.0c6f7a0b5ed8ep-20,
                                                                    1e-5,
                                                                    1e-4,
                                                                    1e-3,
                                                                    1e-2,
                                                                    1e-1,
                                                                    1e0,
                                                                    1e1,
                                                                    1e2,
                                                                    1e3,
                                                                    1e4,
                                                                    1e5,
                                                                    1e6,
                                                                    1e7,
                                                                    1e8,
                                                                    1e9,
                                                                    1e10,
                                                                    1e11,
                                                                    1e12,
                                                                    1e13,
                                                                    1e14,
                                                                    1e15};

// 2^shift - ceil(999 x 2^shift / 2000): added before the shift, it rounds a fraction of
// 0.4995 or more up.
inline constexpr std::array<FifteenDigitsUint128, 111> kFifteenDigitRoundingAddends = [] {
    std::array<FifteenDigitsUint128, 111> addends{};
    for (std::size_t shift = 1; shift < addends.size(); ++shift) {
        const FifteenDigitsUint128 threshold
            = ((static_cast<FifteenDigitsUint128>(999) << shift) + 1999) / 2000;
        addends[shift] = (static_cast<FifteenDigitsUint128>(1) << shift) - threshold;
    }
    return addends;
}();

double RoundTo15DigitsCarefully(double x);

} // namespace detail

// ParseNumber(FormatScientific(x)).value: the value a number carries through a text of 15
// significant digits. The text rounds the value's 18 digits halves away, which is the same as
// rounding Q = |x| x 10^(14-e) up when its fraction is 0.4995 or more (e the decimal exponent).
// For 1E-8 <= |x| < 1E15, Q = mantissa x 5^s x 2^(twoPower+s) with s = 14-e in 0..22 is exact
// in 128 bits and 10^s is an exact double, so one multiplication, one shift and one division
// give the result; anything else (a wrong exponent guess, a carry into a new digit, other
// magnitudes) goes the careful way.
inline double RoundTo15Digits(double x)
{
    const double magnitude = std::fabs(x);
    if (magnitude >= 1e-8 && magnitude < 1e15) {
        using namespace detail;
        const auto bits = std::bit_cast<std::uint64_t>(magnitude);
        const int biasedExponent = static_cast<int>(bits >> 52);
        const std::uint64_t mantissa
            = (bits & ((std::uint64_t{1} << 52) - 1)) | (std::uint64_t{1} << 52);
        int e = ((biasedExponent - 1023) * 78913) >> 18;
        if (magnitude >= kFifteenDigitGuessPowers[static_cast<std::size_t>(e + 9)])
            ++e;
        const int scale = 14 - e;
        const int shift = 1075 - biasedExponent - scale;
        if (shift > 0 && shift <= 110) {
            const FifteenDigitsUint128 product
                = static_cast<FifteenDigitsUint128>(
                      kFifteenDigitFivePowers[static_cast<std::size_t>(scale)])
                  * mantissa;
            const auto digits = static_cast<std::uint64_t>(
                (product + kFifteenDigitRoundingAddends[static_cast<std::size_t>(shift)]) >> shift);
            if (digits >= 100000000000000ULL && digits < 1000000000000000ULL) {
                const double result = static_cast<double>(static_cast<std::int64_t>(digits))
                                      / kFifteenDigitPowers[static_cast<std::size_t>(scale)];
                return x < 0 ? -result : result;
            }
        }
    }
    if (std::isnan(x) || x == 0.0)
        return 0.0;
    return detail::RoundTo15DigitsCarefully(x);
}

} // namespace zelvar
