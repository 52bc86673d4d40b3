#include "number_grammar.hpp"

namespace ringcoil::fuzz {
namespace {

bool isDigit(char c) {
  return c >= '0' && c <= '9';
}

// Where a text has got to. The accepting states are those after a digit of
// the mantissa or the exponent, and the trailing blanks.
enum class State {
  LeadingBlanks,
  Sign,
  CommaFirst,  // a comma before any digit: a digit must follow
  Integer,     // digits, no comma yet
  Fraction,    // digits and the comma, in either order
  ExponentLetter,
  ExponentSign,
  ExponentDigits,
  TrailingBlanks,
  Refused,
};

State step(State state, char c) {
  const bool digit = isDigit(c);
  const bool blank = c == ' ';
  const bool sign = c == '+' || c == '-';
  const bool comma = c == ',';
  const bool letter = c == 'E' || c == 'e';
  switch (state) {
    case State::LeadingBlanks:
      if (blank) return State::LeadingBlanks;
      if (sign) return State::Sign;
      [[fallthrough]];
    case State::Sign:
      if (digit) return State::Integer;
      if (comma) return State::CommaFirst;
      return State::Refused;
    case State::CommaFirst:
      return digit ? State::Fraction : State::Refused;
    case State::Integer:
      if (comma) return State::Fraction;
      [[fallthrough]];
    case State::Fraction:
      if (digit) return state;
      if (letter) return State::ExponentLetter;
      return blank ? State::TrailingBlanks : State::Refused;
    case State::ExponentLetter:
      if (sign) return State::ExponentSign;
      [[fallthrough]];
    case State::ExponentSign:
      return digit ? State::ExponentDigits : State::Refused;
    case State::ExponentDigits:
      if (digit) return State::ExponentDigits;
      [[fallthrough]];
    case State::TrailingBlanks:
      return blank ? State::TrailingBlanks : State::Refused;
    case State::Refused:
      break;
  }
  return State::Refused;
}

std::string_view digitRun(std::string_view text, std::size_t& i) {
  const std::size_t start = i;
  while (i < text.size() && isDigit(text[i])) ++i;
  return text.substr(start, i - start);
}

int toInt(std::string_view digits) {
  int value = 0;
  for (const char c : digits) value = value * 10 + (c - '0');
  return value;
}

}  // namespace

bool isNumberText(std::string_view text) {
  State state = State::LeadingBlanks;
  for (const char c : text) {
    state = step(state, c);
    if (state == State::Refused) return false;
  }
  return state == State::Integer || state == State::Fraction || state == State::ExponentDigits ||
         state == State::TrailingBlanks;
}

std::string toCNotation(std::string_view text) {
  std::string c;
  for (const char ch : text) {
    if (ch != ' ') c.push_back(ch == ',' ? '.' : ch);
  }
  return c;
}

std::optional<WrittenNumber> readWrittenNumber(std::string_view text) {
  if (text == "0") return WrittenNumber{false, "0", 0};
  WrittenNumber n;
  std::size_t i = 0;
  if (i < text.size() && text[i] == '-') {
    n.negative = true;
    ++i;
  }
  const std::string_view integer = digitRun(text, i);
  if (integer.empty()) return std::nullopt;
  std::string_view fraction;
  if (i < text.size() && text[i] == ',') {
    ++i;
    fraction = digitRun(text, i);
    if (fraction.empty() || fraction.back() == '0') return std::nullopt;
  }

  if (i == text.size()) {  // positional
    if (integer == "0") {
      if (fraction.empty()) return std::nullopt;  // "-0"
      const std::size_t zeros = fraction.find_first_not_of('0');
      if (zeros > 3) return std::nullopt;  // below 0,0001
      n.exponent = -static_cast<int>(zeros) - 1;
      n.digits = fraction.substr(zeros);
    } else {
      if (integer.front() == '0' || integer.size() > 15) return std::nullopt;
      n.exponent = static_cast<int>(integer.size()) - 1;
      n.digits = std::string(integer) + std::string(fraction);
    }
  } else {  // exponent form
    if (integer.size() != 1 || integer == "0") return std::nullopt;
    if (text[i] != 'E' || i + 1 >= text.size()) return std::nullopt;
    const char sign = text[i + 1];
    if (sign != '+' && sign != '-') return std::nullopt;
    i += 2;
    const std::string_view exponent = digitRun(text, i);
    if (i != text.size()) return std::nullopt;
    const bool twoDigits = exponent.size() == 2;
    const bool threeDigits = exponent.size() == 3 && exponent.front() != '0';
    if (!twoDigits && !threeDigits) return std::nullopt;
    n.exponent = toInt(exponent) * (sign == '-' ? -1 : 1);
    if (n.exponent >= -4 && n.exponent <= 14) return std::nullopt;   // positional range
    if (n.exponent > 308 || n.exponent < -324) return std::nullopt;  // beyond any double
    n.digits = std::string(integer) + std::string(fraction);
  }
  while (n.digits.size() > 1 && n.digits.back() == '0') n.digits.pop_back();
  if (n.digits.size() > 15) return std::nullopt;
  return n;
}

}  // namespace ringcoil::fuzz
