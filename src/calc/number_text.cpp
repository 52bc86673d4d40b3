#include "calc/number_text.hpp"

#include <algorithm>
#include <cfenv>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string_view>
#include <system_error>

#include "calc/runtime_error.hpp"

namespace ringcoil {

namespace {

// Decimal exponents written positionally; the rest take the exponent form.
constexpr int kMinPositionalExponent = -4;
constexpr int kMaxPositionalExponent = 14;

// Significant digits handed to the parser. A point halfway between two
// neighbouring doubles has at most 767 significant digits, so cutting the
// mantissa after 800 digits and standing in a single 1 for any non-zero rest
// keeps the text on the same side of every such point: the rounding is exact
// and the parse stays linear however long the text.
constexpr std::size_t kMaxParsedDigits = 800;

// With value = 0.ddd... * 10^e and d != 0, every double lies within
// 10^-324 <= value < 10^309; beyond these exponents the answer is known
// without parsing.
constexpr std::int64_t kOverflowExponent = 309;    // e above this: too large
constexpr std::int64_t kUnderflowExponent = -324;  // e below this: rounds to zero

// The largest doubles are written "1,79769313486232E+308", as 0.ddd * 10^e:
// digits and exponent of that text. It lies a little above the largest
// double; it and every value up to it read back as the largest double, so
// that every text the window writes can be read again.
constexpr std::string_view kLargestWrittenDigits = "179769313486232";
constexpr std::int64_t kLargestWrittenExponent = 309;

// Exponent digit runs are read with saturation at this magnitude. It exceeds
// the length of any text that fits in memory, so the clamped exponent still
// decides the result and no integer overflows.
constexpr std::int64_t kExponentCap = 1'000'000'000'000'000;

[[noreturn]] void fail(ErrorCode code) {
  throw RuntimeError{code};
}

bool isDigit(char c) {
  return c >= '0' && c <= '9';
}

// The conversions must not disturb the floating-point exception flags, which
// the calculations read as their fault test; this restores them on every exit.
// The flags are read and raised again rather than saved and set with
// fegetexceptflag/fesetexceptflag: MinGW-w64 10's fesetexceptflag clears the
// SSE exception masks too, and the next 0/0 of a calculation then ends the
// Windows program with a floating-point trap instead of setting its flag.
class ExceptionFlagsKeeper {
 public:
  ExceptionFlagsKeeper() : saved_(std::fetestexcept(FE_ALL_EXCEPT)) {}
  ~ExceptionFlagsKeeper() {
    std::feclearexcept(FE_ALL_EXCEPT);
    std::feraiseexcept(saved_);  // every exception is masked: this only sets the flags
  }
  ExceptionFlagsKeeper(const ExceptionFlagsKeeper&) = delete;
  ExceptionFlagsKeeper& operator=(const ExceptionFlagsKeeper&) = delete;

 private:
  int saved_;
};

// A text after its blanks, sign and grammar have been checked: the value is
// (negative ? -1 : 1) * 0.digits * 10^exponent, digits without leading zeros.
struct Decimal {
  bool negative = false;
  std::string digits;  // empty for zero; at most kMaxParsedDigits + 1
  std::int64_t exponent = 0;
};

Decimal parseDecimal(std::string_view text) {
  const std::size_t first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) fail(ErrorCode::TypeMismatch);
  const std::size_t last = text.find_last_not_of(' ');
  text = text.substr(first, last - first + 1);

  Decimal result;
  std::size_t i = 0;
  if (text[i] == '+' || text[i] == '-') {
    result.negative = text[i] == '-';
    ++i;
  }

  bool anyDigit = false;
  bool comma = false;
  bool truncatedNonZero = false;
  // Digit places before the comma, counted from the first non-zero digit,
  // less the zeros between the comma and the first non-zero digit. Bounded by
  // the text's length.
  std::int64_t scale = 0;
  for (; i < text.size(); ++i) {
    const char c = text[i];
    if (c == ',') {
      if (comma) fail(ErrorCode::TypeMismatch);
      comma = true;
      continue;
    }
    if (!isDigit(c)) break;
    anyDigit = true;
    if (result.digits.empty() && c == '0') {
      if (comma) --scale;  // "0,00x": each zero moves x one place down
      continue;
    }
    if (!comma) ++scale;
    if (result.digits.size() < kMaxParsedDigits) {
      result.digits.push_back(c);
    } else if (c != '0') {
      truncatedNonZero = true;
    }
  }
  if (!anyDigit) fail(ErrorCode::TypeMismatch);

  std::int64_t exponent = 0;
  if (i < text.size() && (text[i] == 'E' || text[i] == 'e')) {
    ++i;
    bool negativeExponent = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
      negativeExponent = text[i] == '-';
      ++i;
    }
    const std::size_t exponentStart = i;
    for (; i < text.size() && isDigit(text[i]); ++i) {
      exponent = std::min(exponent * 10 + (text[i] - '0'), kExponentCap);
    }
    if (i == exponentStart) fail(ErrorCode::TypeMismatch);
    if (negativeExponent) exponent = -exponent;
  }
  if (i != text.size()) fail(ErrorCode::TypeMismatch);

  if (truncatedNonZero) result.digits.push_back('1');
  while (!result.digits.empty() && result.digits.back() == '0') result.digits.pop_back();
  result.exponent = scale + exponent;
  return result;
}

}  // namespace

double TextToNumber(std::string_view text) {
  const ExceptionFlagsKeeper keeper;
  const Decimal decimal = parseDecimal(text);
  const double zero = decimal.negative ? -0.0 : 0.0;
  if (decimal.digits.empty()) return zero;  // "0", "-0,000E+999999999999"
  if (decimal.exponent > kOverflowExponent) fail(ErrorCode::Overflow);
  if (decimal.exponent < kUnderflowExponent) return zero;

  // std::from_chars rounds correctly but takes neither "+" nor the comma;
  // hand it the canonical "-0.ddde-12".
  std::string canonical;
  canonical.reserve(decimal.digits.size() + 16);
  if (decimal.negative) canonical += '-';
  canonical += "0.";
  canonical += decimal.digits;
  canonical += 'e';
  canonical += std::to_string(decimal.exponent);

  double value = 0;
  const char* const end = canonical.data() + canonical.size();
  const auto [ptr, ec] = std::from_chars(canonical.data(), end, value);
  if (ec == std::errc::result_out_of_range) {
    // Reported when the value rounds to infinity or to zero; the exponent
    // tells which. Digit strings of 0.ddd compare as their values do.
    if (decimal.exponent <= 0) return zero;
    if (decimal.exponent == kLargestWrittenExponent && decimal.digits <= kLargestWrittenDigits) {
      const double largest = std::numeric_limits<double>::max();
      return decimal.negative ? -largest : largest;
    }
    fail(ErrorCode::Overflow);
  }
  if (ec != std::errc() || ptr != end) fail(ErrorCode::TypeMismatch);
  return value;
}

namespace {

// A non-zero finite value rounded to a number of significant digits:
// (negative ? -1 : 1) * d.ddd * 10^exponent, trailing zeros dropped.
struct Rounded {
  bool negative = false;
  std::string digits;  // at least one, the first not zero
  int exponent = 0;    // of the rounded value, so 999999999999999.5 gives 15
};

Rounded roundTo(double value, int significantDigits) {
  // "-d.dddddddddddddde+XX", correctly rounded.
  char buffer[32];
  const auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value,
                                       std::chars_format::scientific, significantDigits - 1);
  if (ec != std::errc()) return Rounded{false, "0", 0};  // the buffer holds any double; not reached
  const std::string_view formatted(buffer, static_cast<std::size_t>(end - buffer));

  Rounded rounded;
  rounded.negative = formatted.front() == '-';
  const std::size_t e = formatted.find('e');
  for (const char c : formatted.substr(0, e)) {
    if (isDigit(c)) rounded.digits.push_back(c);
  }
  while (rounded.digits.size() > 1 && rounded.digits.back() == '0') rounded.digits.pop_back();

  std::string_view exponentText = formatted.substr(e + 1);
  if (exponentText.front() == '+') exponentText.remove_prefix(1);
  std::from_chars(exponentText.data(), exponentText.data() + exponentText.size(), rounded.exponent);
  return rounded;
}

// "1,23456789012346E+15": the exponent with a sign and at least two digits.
std::string exponentForm(const Rounded& rounded) {
  std::string text;
  if (rounded.negative) text += '-';
  text += rounded.digits.front();
  if (rounded.digits.size() > 1) {
    text += ',';
    text.append(rounded.digits, 1);
  }
  text += rounded.exponent < 0 ? "E-" : "E+";
  const int magnitude = rounded.exponent < 0 ? -rounded.exponent : rounded.exponent;
  if (magnitude < 10) text += '0';
  text += std::to_string(magnitude);
  return text;
}

// Infinities and NaN never reach the window: every calculation stops on the
// fault that would produce them. Should one arrive all the same, it gets the
// classic "1,#INF" / "-1,#INF" / "-1,#IND" text, which reads back as a type
// mismatch rather than as a number.
std::string specialText(double value) {
  if (std::isnan(value)) return "-1,#IND";
  return value > 0 ? "1,#INF" : "-1,#INF";
}

}  // namespace

std::string NumberToText(double value) {
  if (!std::isfinite(value)) return specialText(value);
  if (value == 0) return "0";  // also negative zero

  const Rounded rounded = roundTo(value, kTextDigits);
  const int exponent = rounded.exponent;
  if (exponent < kMinPositionalExponent || exponent > kMaxPositionalExponent) {
    return exponentForm(rounded);
  }
  const std::string& digits = rounded.digits;
  std::string text;
  if (rounded.negative) text += '-';
  if (exponent < 0) {
    text += "0,";
    text.append(static_cast<std::size_t>(-exponent - 1), '0');
    text += digits;
  } else {
    const auto integerPlaces = static_cast<std::size_t>(exponent) + 1;
    if (digits.size() <= integerPlaces) {
      text += digits;
      text.append(integerPlaces - digits.size(), '0');
    } else {
      text.append(digits, 0, integerPlaces);
      text += ',';
      text.append(digits, integerPlaces);
    }
  }
  return text;
}

std::string NumberToExponentText(double value, int significantDigits) {
  if (!std::isfinite(value)) return specialText(value);
  if (value == 0) return "0";
  return exponentForm(roundTo(value, std::clamp(significantDigits, 1, kTextDigits)));
}

bool IsPlainDecimal(std::string_view s) {
  const auto digitsOnly = [](std::string_view part) {
    return std::all_of(part.begin(), part.end(), [](char c) { return c >= '0' && c <= '9'; });
  };
  if (!s.empty() && s.front() == '-') s.remove_prefix(1);
  const std::size_t comma = s.find(',');
  const std::string_view whole = s.substr(0, comma);
  const std::string_view fraction =
      comma == std::string_view::npos ? std::string_view() : s.substr(comma + 1);
  if (whole.empty() || (comma != std::string_view::npos && fraction.empty())) return false;
  return digitsOnly(whole) && digitsOnly(fraction);
}

std::string RoundedDecimalText(std::string_view shown, std::size_t significantDigits) {
  if (!IsPlainDecimal(shown)) return std::string(shown);
  const bool negative = shown.front() == '-';
  if (negative) shown.remove_prefix(1);
  const std::size_t comma = shown.find(',');
  if (comma == std::string_view::npos) return std::string(negative ? "-" : "") + std::string(shown);
  std::string digits(shown.substr(0, comma));
  const std::string_view fraction = shown.substr(comma + 1);
  std::size_t wholeDigits = digits.size();
  // Significant digits so far: the whole part's, unless it is zero.
  std::size_t significant = digits.find_first_not_of('0') == std::string::npos
                                ? 0
                                : digits.size() - digits.find_first_not_of('0');
  std::size_t kept = 0;
  while (kept < fraction.size() && significant < significantDigits) {
    if (significant > 0 || fraction[kept] != '0') ++significant;
    digits += fraction[kept++];
  }
  if (kept < fraction.size() && fraction[kept] >= '5') {
    // Round half up, carrying leftwards.
    std::size_t i = digits.size();
    while (i > 0 && digits[i - 1] == '9') digits[--i] = '0';
    if (i == 0) {
      digits.insert(digits.begin(), '1');
      ++wholeDigits;
    } else {
      ++digits[i - 1];
    }
  }
  std::string whole = digits.substr(0, wholeDigits);
  std::string rest = digits.substr(wholeDigits);
  while (!rest.empty() && rest.back() == '0') rest.pop_back();
  std::string result = negative ? "-" : "";
  result += whole;
  if (!rest.empty()) result += "," + rest;
  return result;
}

}  // namespace ringcoil
