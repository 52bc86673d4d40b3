#include "fuzz_checks.hpp"

#include <array>
#include <cfenv>
#include <cmath>
#include <limits>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "calc/number_text.hpp"
#include "calc/runtime_error.hpp"
#include "number_grammar.hpp"

namespace ringcoil::fuzz {
namespace {

// Printable for the report: bytes outside ASCII as \xNN; long inputs cut.
std::string shown(std::string_view text) {
  std::string out;
  for (const char c : text.substr(0, 200)) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte >= 0x20 && byte < 0x7f) {
      out.push_back(c);
    } else {
      char hex[8];
      std::snprintf(hex, sizeof hex, "\\x%02x", byte);
      out += hex;
    }
  }
  if (text.size() > 200) out += "... (" + std::to_string(text.size()) + " bytes)";
  return out;
}

// The C library's view of a non-zero value's 15-digit text: "-1.23e+15" as
// sign, significant digits and exponent.
WrittenNumber printfDigits(double value, std::string& printed) {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.14e", value);
  printed = buffer;
  WrittenNumber n;
  n.negative = printed.front() == '-';
  const std::size_t e = printed.find('e');
  for (const char c : printed.substr(0, e)) {
    if (c >= '0' && c <= '9') n.digits.push_back(c);
  }
  while (n.digits.size() > 1 && n.digits.back() == '0') n.digits.pop_back();
  n.exponent = std::atoi(printed.c_str() + e + 1);
  return n;
}

}  // namespace

void broken(std::string_view rule, std::string_view input, std::string_view detail) {
  std::fprintf(stderr, "\nBROKEN: %.*s\n  input: \"%s\" (%zu bytes)\n",
               static_cast<int>(rule.size()), rule.data(), shown(input).c_str(), input.size());
  if (!detail.empty()) std::fprintf(stderr, "  %s\n", shown(detail).c_str());
  std::abort();
}

void checkWrittenText(double value, std::string_view input) {
  const std::string text = NumberToText(value);
  const auto written = readWrittenNumber(text);
  if (!written) broken("NumberToText wrote a text outside the written form", input, text);

  std::string printed = "0";
  if (value != 0) {
    if (*written != printfDigits(value, printed))
      broken("NumberToText differs from printf's 15 digits", input, text + " vs " + printed);
  } else if (text != "0") {
    broken("zero is not written \"0\"", input, text);
  }

  const double shownValue = std::strtod(printed.c_str(), nullptr);
  double back = 0;
  try {
    back = TextToNumber(text);
  } catch (const RuntimeError& error) {
    broken("a written text does not read back", input,
           text + " gives error " + std::to_string(static_cast<int>(error.code)));
  }
  // The largest doubles are written a little above the largest double, and
  // that text reads back as the largest double.
  const double expected = std::isinf(shownValue)
                              ? std::copysign(std::numeric_limits<double>::max(), shownValue)
                              : shownValue;
  if (back != expected) broken("a written text reads back as another value", input, text);
  if (NumberToText(back) != text)
    broken("a written text reads back to a value written otherwise", input,
           text + " then " + NumberToText(back));
}

int setFlagPattern(unsigned pick) {
  static constexpr std::array kPatterns = {0, FE_ALL_EXCEPT, FE_INEXACT | FE_UNDERFLOW,
                                           FE_INVALID | FE_DIVBYZERO | FE_OVERFLOW};
  const int flags = kPatterns[pick % kPatterns.size()];
  std::feclearexcept(FE_ALL_EXCEPT);
  if (flags != 0) std::feraiseexcept(flags);
  return std::fetestexcept(FE_ALL_EXCEPT);
}

void checkFlagsKept(int expected, std::string_view input) {
  if (std::fetestexcept(FE_ALL_EXCEPT) != expected)
    broken("a conversion changed the floating-point exception flags", input);
}

}  // namespace ringcoil::fuzz
