#include "engine/model/numbertext.h"

#include <algorithm>
#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <iterator>
#include <limits>

namespace zelvar {

namespace {

constexpr double kLargest = std::numeric_limits<double>::max();

__extension__ using Uint128 = unsigned __int128;

// value = d[0].d[1]...d[17] x 10^exponent (digits as characters).
struct DecimalDigits
{
    std::array<char, 18> d{};
    int exponent = 0;
};

double Finite(double x)
{
    if (std::isnan(x))
        return 0.0;
    if (std::isinf(x))
        return std::copysign(kLargest, x);
    return x;
}

// The 18 significant digits of a finite, non-negative value, rounded to nearest.
DecimalDigits Digits18(double magnitude)
{
    DecimalDigits out;
    if (magnitude == 0.0) {
        out.d.fill('0');
        return out;
    }
    char buffer[64];
    const auto result = std::to_chars(
        buffer, buffer + sizeof buffer, magnitude, std::chars_format::scientific, 17);
    // buffer: "d.ddddddddddddddddde+XX"
    out.d[0] = buffer[0];
    std::copy(buffer + 2, buffer + 19, out.d.begin() + 1);
    const char *e = buffer + 19; // 'e'
    int exponent = 0;
    std::from_chars(e + 2, result.ptr, exponent);
    out.exponent = e[1] == '-' ? -exponent : exponent;
    return out;
}

// Keeps the first n digits (1 to 18), rounding halves away from zero.
void RoundDigits(DecimalDigits &digits, int n)
{
    if (n >= 18)
        return;
    const bool up = digits.d[n] >= '5';
    std::fill(digits.d.begin() + n, digits.d.end(), '0');
    if (!up)
        return;
    int i = n - 1;
    while (i >= 0 && digits.d[i] == '9') {
        digits.d[i] = '0';
        --i;
    }
    if (i < 0) {
        digits.d[0] = '1';
        ++digits.exponent;
    } else {
        ++digits.d[i];
    }
}

// Sign character, one digit, ".", significant - 1 digits, "E", exponent sign, four digits.
std::string ScientificText(double x, int significant)
{
    x = Finite(x);
    DecimalDigits digits = Digits18(std::fabs(x));
    RoundDigits(digits, significant);
    std::string text;
    text.reserve(static_cast<std::size_t>(significant) + 8);
    text += x < 0 ? '-' : ' ';
    text += digits.d[0];
    text += '.';
    text.append(digits.d.begin() + 1, digits.d.begin() + significant);
    text += 'E';
    text += digits.exponent < 0 ? '-' : '+';
    const int magnitude = std::abs(digits.exponent);
    text += static_cast<char>('0' + magnitude / 1000 % 10);
    text += static_cast<char>('0' + magnitude / 100 % 10);
    text += static_cast<char>('0' + magnitude / 10 % 10);
    text += static_cast<char>('0' + magnitude % 10);
    return text;
}

std::string PadLeft(std::string text, int width)
{
    if (width > 0 && static_cast<int>(text.size()) < width)
        text.insert(0, static_cast<std::size_t>(width) - text.size(), ' ');
    return text;
}

// Leading blanks, then an optional sign; true for "-".
bool SkipBlanksAndSign(std::string_view text, std::size_t &i)
{
    while (i < text.size() && text[i] == ' ')
        ++i;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        return text[i++] == '-';
    return false;
}

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

int CharacterPosition(std::string_view text, std::size_t byteIndex)
{
    if (byteIndex >= text.size())
        return static_cast<int>(Utf8Length(text)) + 1;
    return static_cast<int>(Utf8Length(text.substr(0, byteIndex))) + 1;
}

// A run of decimal digits read as one whole number; beyond the double range it is the
// largest finite value.
double WholeNumberOfDigits(const std::string &digits)
{
    if (digits.empty())
        return 0.0;
    double value = 0.0;
    const auto result = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (result.ec == std::errc::result_out_of_range)
        return kLargest;
    return value;
}

} // namespace

std::string TwoDigits(int number)
{
    std::string text = FormatFixed(number, 0, 0);
    if (number >= 0 && number < 10)
        text.insert(0, 1, '0');
    return text;
}

int HexDigitValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

std::string FormatScientific(double x)
{
    return ScientificText(x, 15);
}

std::string FormatFixedFromDigits(double x, int width, int decimals)
{
    x = Finite(x);
    decimals = std::clamp(decimals, 0, 400);
    const bool negative = x < 0;
    const double magnitude = std::fabs(x);
    if (magnitude >= 1e36)
        return PadLeft(ScientificText(x, std::clamp(width - 8, 2, 18)), width);

    const DecimalDigits digits = Digits18(magnitude);
    // Positions top..-decimals, top leaving room for a carry; the digit of position p is
    // digits.d[exponent - p].
    const int top = std::max(digits.exponent, 0) + 1;
    std::string places(static_cast<std::size_t>(top + decimals + 1), '0');
    for (int j = 0; j < static_cast<int>(places.size()); ++j) {
        const int index = digits.exponent - (top - j);
        if (index >= 0 && index < 18)
            places[static_cast<std::size_t>(j)] = digits.d[static_cast<std::size_t>(index)];
    }
    const int roundingIndex = digits.exponent + decimals + 1;
    if (roundingIndex >= 0 && roundingIndex < 18
        && digits.d[static_cast<std::size_t>(roundingIndex)] >= '5') {
        int j = static_cast<int>(places.size()) - 1;
        while (places[static_cast<std::size_t>(j)] == '9') {
            places[static_cast<std::size_t>(j)] = '0';
            --j;
        }
        ++places[static_cast<std::size_t>(j)];
    }
    std::size_t firstDigit = 0;
    while (firstDigit < static_cast<std::size_t>(top) && places[firstDigit] == '0')
        ++firstDigit;
    std::string text;
    if (negative)
        text += '-';
    text.append(places, firstDigit, static_cast<std::size_t>(top + 1) - firstDigit);
    if (decimals > 0) {
        text += '.';
        text.append(places, static_cast<std::size_t>(top + 1), std::string::npos);
    }
    return PadLeft(std::move(text), width);
}

void AppendFixed(std::string &text, double x, int width, int decimals)
{
    // Most values need no digit string: the magnitude times 10^decimals, rounded half up, is
    // the text. That product differs from the 18-digit value's by at most 1.2E-16 of itself,
    // so only a fraction at a half (or that close to it) may round otherwise; those, and
    // products too large for exact whole doubles, go by the digits.
    constexpr std::array<double, 10> kScales = {1.0, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7, 1e8, 1e9};
    constexpr double kWholeLimit = 4e15; // below 2^52: whole and fraction parts are exact
    if (std::isfinite(x) && decimals >= 0 && decimals < static_cast<int>(kScales.size())) {
        const double scaled = std::fabs(x) * kScales[static_cast<std::size_t>(decimals)];
        if (scaled < kWholeLimit) {
            const double whole = std::floor(scaled);
            const double fraction = scaled - whole;
            if (std::fabs(fraction - 0.5) > scaled * 1e-15) {
                auto n = static_cast<std::uint64_t>(whole) + (fraction > 0.5 ? 1 : 0);
                char buffer[32];
                char *end = buffer + sizeof buffer;
                char *p = end;
                for (int i = 0; i < decimals; ++i) {
                    *--p = static_cast<char>('0' + n % 10);
                    n /= 10;
                }
                if (decimals > 0)
                    *--p = '.';
                do {
                    *--p = static_cast<char>('0' + n % 10);
                    n /= 10;
                } while (n != 0);
                if (x < 0)
                    *--p = '-';
                const auto length = static_cast<int>(end - p);
                if (width > length)
                    text.append(static_cast<std::size_t>(width - length), ' ');
                text.append(p, end);
                return;
            }
        }
    }
    text += FormatFixedFromDigits(x, width, decimals);
}

std::string FormatFixed(double x, int width, int decimals)
{
    std::string text;
    AppendFixed(text, x, width, decimals);
    return text;
}

ParsedNumber ParseNumber(std::string_view text)
{
    const std::size_t n = text.size();
    std::size_t i = 0;
    const bool negative = SkipBlanksAndSign(text, i);
    std::string integerDigits;
    std::string fractionDigits;
    bool point = false;
    bool mantissa = false;
    while (i < n) {
        const char c = text[i];
        if (IsDigit(c)) {
            (point ? fractionDigits : integerDigits) += c;
        } else if (c == '.' && !point) {
            point = true;
        } else {
            break;
        }
        mantissa = true;
        ++i;
    }
    const auto fail = [&](std::size_t at) {
        return ParsedNumber{WholeNumberOfDigits(integerDigits + fractionDigits),
                            CharacterPosition(text, at)};
    };
    if (!mantissa)
        return fail(i);

    bool exponentNegative = false;
    long exponent = 0;
    if (i < n && (text[i] == 'E' || text[i] == 'e')) {
        ++i;
        if (i < n && (text[i] == '+' || text[i] == '-')) {
            exponentNegative = text[i] == '-';
            ++i;
        }
        if (i >= n || !IsDigit(text[i]))
            return fail(i);
        while (i < n && IsDigit(text[i])) {
            exponent = std::min(exponent * 10 + (text[i] - '0'), 1000000L);
            ++i;
        }
    }
    if (i < n)
        return fail(i);

    std::string normal = integerDigits.empty() ? "0" : integerDigits;
    if (!fractionDigits.empty())
        normal += '.' + fractionDigits;
    normal += 'e';
    if (exponentNegative)
        normal += '-';
    char digits[24];
    const auto written = std::to_chars(std::begin(digits), std::end(digits), exponent);
    normal.append(digits, written.ptr);
    double value = 0.0;
    const auto result = std::from_chars(normal.data(), normal.data() + normal.size(), value);
    if (result.ec == std::errc::result_out_of_range) {
        // Decimal magnitude of the leading digit decides between overflow and underflow.
        const std::string all = integerDigits + fractionDigits;
        const std::size_t lead = all.find_first_not_of('0');
        const long leadPower
            = static_cast<long>(integerDigits.size()) - 1 - static_cast<long>(lead);
        const long power = leadPower + (exponentNegative ? -exponent : exponent);
        value = power > 0 ? kLargest : 0.0;
    }
    return ParsedNumber{negative ? -value : value, 0};
}

ParsedInteger ParseInteger(std::string_view text)
{
    const std::size_t n = text.size();
    std::size_t i = 0;
    const bool negative = SkipBlanksAndSign(text, i);
    int base = 10;
    if (i < n && (text[i] == '$' || text[i] == 'X' || text[i] == 'x')) {
        base = 16;
        ++i;
    } else if (i + 1 < n && text[i] == '0' && (text[i + 1] == 'X' || text[i + 1] == 'x')) {
        base = 16;
        i += 2;
    }
    const std::int64_t limit = negative ? 2147483648LL : 2147483647LL;
    std::int64_t magnitude = 0;
    bool anyDigit = false;
    const auto fail = [&](std::size_t at) {
        const auto value = static_cast<std::int32_t>(
            std::min<std::int64_t>(magnitude, std::numeric_limits<std::int32_t>::max()));
        return ParsedInteger{value, CharacterPosition(text, at)};
    };
    while (i < n) {
        const int digit
            = base == 16 ? HexDigitValue(text[i]) : (IsDigit(text[i]) ? text[i] - '0' : -1);
        if (digit < 0)
            break;
        const std::int64_t next = magnitude * base + digit;
        if (next > limit)
            return fail(i);
        magnitude = next;
        anyDigit = true;
        ++i;
    }
    if (!anyDigit || i < n)
        return fail(i);
    return ParsedInteger{static_cast<std::int32_t>(negative ? -magnitude : magnitude), 0};
}

namespace detail {

double RoundTo15DigitsCarefully(double x)
{
    const double magnitude = std::fabs(x);
    if (magnitude >= 1e-8 && magnitude < 1e15) {
        const auto bits = std::bit_cast<std::uint64_t>(magnitude);
        const int biasedExponent = static_cast<int>(bits >> 52);
        const std::uint64_t mantissa
            = (bits & ((std::uint64_t{1} << 52) - 1)) | (std::uint64_t{1} << 52);
        const int twoPower = biasedExponent - 1075;
        int e = ((biasedExponent - 1023) * 78913) >> 18;
        for (int attempt = 0; attempt < 2; ++attempt) {
            const int scale = 14 - e;
            if (scale < 0 || scale > 22)
                break;
            const Uint128 product
                = static_cast<Uint128>(kFifteenDigitFivePowers[static_cast<std::size_t>(scale)])
                  * mantissa;
            // Q < 1E15 < 2^52 <= product, so a right shift is always due.
            const int shift = -(twoPower + scale);
            if (shift <= 0 || shift > 110)
                break;
            const Uint128 whole = product >> shift;
            if (whole >= static_cast<Uint128>(1000000000000000ULL)) {
                ++e;
                continue;
            }
            if (whole < static_cast<Uint128>(100000000000000ULL)) {
                --e;
                continue;
            }
            const Uint128 rest = product - (whole << shift);
            const bool up = rest * 2000 >= (static_cast<Uint128>(999) << shift);
            const double digits = static_cast<double>(static_cast<std::int64_t>(whole) + up);
            const double result = digits / kFifteenDigitPowers[static_cast<std::size_t>(scale)];
            return x < 0 ? -result : result;
        }
    }
    return ParseNumber(FormatScientific(x)).value;
}

} // namespace detail

int RoundHalfEven(double x)
{
    if (std::isnan(x))
        return 0;
    const double rounded = std::nearbyint(x);
    if (rounded >= static_cast<double>(std::numeric_limits<int>::max()))
        return std::numeric_limits<int>::max();
    if (rounded <= static_cast<double>(std::numeric_limits<int>::min()))
        return std::numeric_limits<int>::min();
    return static_cast<int>(rounded);
}

std::size_t Utf8Length(std::string_view text)
{
    std::size_t count = 0;
    for (const char c : text) {
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80)
            ++count;
    }
    return count;
}

std::string_view Utf8DropLeft(std::string_view text, std::size_t characters)
{
    std::size_t i = 0;
    while (i < text.size() && characters > 0) {
        ++i;
        while (i < text.size() && (static_cast<unsigned char>(text[i]) & 0xC0) == 0x80)
            ++i;
        --characters;
    }
    return text.substr(i);
}

std::string_view Utf8Left(std::string_view text, std::size_t characters)
{
    return text.substr(0, text.size() - Utf8DropLeft(text, characters).size());
}

} // namespace zelvar
