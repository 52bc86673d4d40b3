// The two rules between a value's text (Russian notation, decimal comma) and
// its number.
#pragma once

#include <string>
#include <string_view>

namespace ringcoil {

// Significant decimal digits of a value's text.
inline constexpr int kTextDigits = 15;

// Blanks at either end, an optional sign, digits with at most one decimal
// comma (",5" and "5," are fine, at least one digit), an optional exponent
// (E or e, optional sign, digits). Returns the nearest double. Throws
// RuntimeError: TypeMismatch for anything else, Overflow beyond the double
// range; up to "1,79769313486232E+308", the text the largest double is
// written as, a value reads as the largest double. Leaves the floating-point exception flags as it found them.
double TextToNumber(std::string_view text);

// Rounds to 15 significant digits; positional for decimal exponents -4..14,
// otherwise "1,23456789012346E+15". Zero, negative zero included, is "0".
std::string NumberToText(double value);

// The same value in the exponent form, rounded to `significantDigits` (1 to
// 15): "1,23E+15", "-8,7E-05", "0" for zero. For showing a value in less room
// than its text needs.
std::string NumberToExponentText(double value, int significantDigits);

// A plain decimal text ("-12,5": an optional minus, digits, at most one
// comma followed by digits) with more than `significantDigits` significant
// digits rounded half up to that many, its whole part kept whatever its
// length and trailing zeros of the fraction dropped: "133,333333333333" to 6
// is "133,333", "1234567,891" is "1234568". Other texts come back as they
// are. For saying a value aloud.
std::string RoundedDecimalText(std::string_view text, std::size_t significantDigits);

// Whether `text` is a plain decimal in the sense above.
bool IsPlainDecimal(std::string_view text);

}  // namespace ringcoil
