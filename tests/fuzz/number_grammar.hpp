// The two forms of a value's text, written out a second time and on their
// own, so that the fuzz targets can hold the number text rules against them.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace ringcoil::fuzz {

// Whether the user may type `text` as a value: blanks, an optional sign,
// digits with at most one decimal comma and at least one digit, optionally
// E or e with an optional sign and at least one digit, blanks.
bool isNumberText(std::string_view text);

// An accepted text in the C library's notation: blanks dropped, the comma a
// point ("-,5E3" becomes "-.5E3"), ready for strtod.
std::string toCNotation(std::string_view text);

// A text as the program writes a value: sign, significant digits (no leading
// or trailing zeros; "0" for zero) and the decimal exponent e of d,ddd * 10^e.
struct WrittenNumber {
  bool negative = false;
  std::string digits;
  int exponent = 0;
  friend bool operator==(const WrittenNumber&, const WrittenNumber&) = default;
};

// Reads a text of the written form, or nullopt when it breaks a rule: "0" for
// zero; otherwise "-" for a negative value, at most 15 significant digits, no
// trailing zero after the comma and no comma without digits behind it;
// positional for exponents -4..14 with one zero before the comma below 1;
// otherwise one digit, the comma and the rest, then "E", the exponent's sign
// and two digits (three from 100 on).
std::optional<WrittenNumber> readWrittenNumber(std::string_view text);

}  // namespace ringcoil::fuzz
