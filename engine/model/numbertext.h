#pragma once

#include "engine/model/fifteendigits.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace zelvar {

// The only conversions between numbers and texts (labels, files, edits). None of them
// follows the C or Qt locale: a point is always the decimal separator.
//
// Decimal digits are taken from the value's 18 significant digits (nearest), and the texts
// round those digits with halves away from zero, so 0.125 with two decimals is "0.13" and
// 2.5 with none is "3". Every other rounding to a whole number in the program sends halves to
// the even neighbour (RoundHalfEven).

// Sign character (blank or "-"), one digit, ".", 14 digits, "E", exponent sign, four exponent
// digits: always 23 characters, 15 significant digits. NaN is written as 0 and an infinity as
// the largest finite value with its sign.
std::string FormatScientific(double x);

// "-" for a negative value (also when it rounds to zero), the integer digits (at least "0"),
// and for decimals > 0 a "." with exactly that many decimals; padded with blanks on the left
// to width and never cut. Digits past the 18th significant one are "0". A magnitude of 1E36 or
// more is written in the scientific form with width - 8 significant digits (2 to 18).
std::string FormatFixed(double x, int width, int decimals);
// FormatFixed appended to the text, without a temporary: a data file writes millions.
void AppendFixed(std::string &text, double x, int width, int decimals);
// FormatFixed worked out from the 18 digits alone; FormatFixed takes a shorter way for most
// values and must give the same text.
std::string FormatFixedFromDigits(double x, int width, int decimals);

// errorPosition is 0 when the whole text was used, otherwise the 1-based position of the first
// character that does not fit, or the length + 1 when the text ends too early. Positions count
// characters, not bytes.
struct ParsedNumber
{
    double value = 0.0;
    int errorPosition = 0;
};

struct ParsedInteger
{
    std::int32_t value = 0;
    int errorPosition = 0;
};

// Leading blanks, an optional sign, digits with at most one ".", an optional exponent ("E" or
// "e", an optional sign, at least one digit), nothing after. On an error the value is the
// mantissa digits read so far taken as one whole number, without sign, point or exponent.
// Values beyond the double range read as the largest finite value with their sign.
ParsedNumber ParseNumber(std::string_view text);

// Leading blanks, an optional sign, decimal digits or hexadecimal digits after "$", "X", "x",
// "0X" or "0x"; nothing after; the value must fit a signed 32-bit integer. On an error the value
// is the digits read so far, without the sign.
ParsedInteger ParseInteger(std::string_view text);

// 0-15 for "0"-"9", "a"-"f" and "A"-"F"; -1 for any other character.
int HexDigitValue(char c);

// The number with at least two digits: "07", "42", "100".
std::string TwoDigits(int number);

// Whole-number rounding with halves to the even neighbour, saturated to the int range; NaN
// gives 0. Pixels, dead-time steps, step counts and slider positions go through it.
int RoundHalfEven(double x);

// Text helpers that count characters (UTF-8 code points), as the plant file's prefixes do.
std::size_t Utf8Length(std::string_view text);
std::string_view Utf8Left(std::string_view text, std::size_t characters);
std::string_view Utf8DropLeft(std::string_view text, std::size_t characters);

} // namespace zelvar
