#include "dialogue/announcement.hpp"

#include <array>

#include "window/parameter_table.hpp"

namespace ringcoil {

namespace {

using namespace el;

constexpr std::size_t kSignificantDigits = 6;
constexpr std::size_t kTurnsRow = 4;
constexpr std::size_t kInductanceRow = 5;

// A unit's three forms: after 1 (21, 31…), after 2–4 (22…) and a fraction,
// after the rest.
struct UnitWords {
  std::string_view one, few, many;
};

constexpr std::array<UnitWords, kTableRows.size()> kUnits{{
    {"", "", ""},  // μ has none
    {"миллиметр", "миллиметра", "миллиметров"},
    {"миллиметр", "миллиметра", "миллиметров"},
    {"миллиметр", "миллиметра", "миллиметров"},
    {"виток", "витка", "витков"},
    {"микрогенри", "микрогенри", "микрогенри"},
}};

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// "-12,5": an optional minus, digits, and at most one comma followed by digits.
bool isPlainDecimal(std::string_view s) {
  if (!s.empty() && s.front() == '-') s.remove_prefix(1);
  const std::size_t comma = s.find(',');
  const std::string_view whole = s.substr(0, comma);
  const std::string_view fraction =
      comma == std::string_view::npos ? std::string_view() : s.substr(comma + 1);
  if (whole.empty() || (comma != std::string_view::npos && fraction.empty())) return false;
  for (const char c : whole) {
    if (!isDigit(c)) return false;
  }
  for (const char c : fraction) {
    if (!isDigit(c)) return false;
  }
  return true;
}

std::string_view unitFor(std::size_t row, std::string_view number) {
  const UnitWords& unit = kUnits[row];
  if (number.find(',') != std::string_view::npos) return unit.few;
  // The last two digits decide.
  const std::size_t n = number.size();
  const int last = number[n - 1] - '0';
  const int tens = n >= 2 && isDigit(number[n - 2]) ? number[n - 2] - '0' : 0;
  if (tens == 1) return unit.many;
  if (last == 1) return unit.one;
  if (last >= 2 && last <= 4) return unit.few;
  return unit.many;
}

std::string rowName(const WindowState& state, std::size_t row) {
  return state.caption(kTableRows[row].plainName);
}

// The prompts speak of «'Ввод'» with apostrophes, which a voice either reads
// out or stumbles over.
std::string withoutApostrophes(std::string_view text) {
  std::string plain;
  for (const char c : text) {
    if (c != '\'' && !(c == ' ' && !plain.empty() && plain.back() == ' ')) plain += c;
  }
  while (!plain.empty() && plain.back() == ' ') plain.pop_back();
  return plain;
}

void addSentence(std::string& text, std::string_view sentence) {
  if (sentence.empty()) return;
  if (!text.empty()) text += ' ';
  text += sentence;
  if (text.back() != '.' && text.back() != '!') text += '.';
}

// The row an Enter button of `op` stores the display into, and the row its
// calculation writes, if it has one.
struct EnterStep {
  Operation op;
  std::size_t stored;
  std::optional<std::size_t> computed;
};

constexpr std::array<EnterStep, 6> kEnterSteps{{
    {Operation::Ввод_Click, 0, std::nullopt},
    {Operation::Command2_Click, 1, std::nullopt},
    {Operation::Command3_Click, 2, std::nullopt},
    {Operation::Command4_Click, 3, std::nullopt},
    {Operation::Command5_Click, kTurnsRow, kInductanceRow},
    {Operation::Command6_Click, kInductanceRow, kTurnsRow},
}};

std::string valueSentence(const WindowState& state, std::size_t row) {
  return rowName(state, row) + ": " + spokenValue(row, state.caption(kTableRows[row].value));
}

}  // namespace

void Announcement::append(const Announcement& later) {
  addSentence(text, later.text);
  if (later.page) page = later.page;
}

bool isAnnounced(Operation op) {
  switch (op) {
    case Operation::Q5_Click:
    case Operation::Q6_Click:
    case Operation::Ввод_Click:
    case Operation::Command2_Click:
    case Operation::Command3_Click:
    case Operation::Command4_Click:
    case Operation::Command5_Click:
    case Operation::Command6_Click:
    case Operation::aaa_Click:
    case Operation::aaaa_Click:
    case Operation::Глава_Click:
    case Operation::Далее_Click:
    case Operation::Далеее_Click:
    case Operation::Закрыть_Click:
    case Operation::Автор_Click:
      return true;
    default:
      return false;
  }
}

Announcement announce(Operation op, const WindowState& after) {
  Announcement said;
  const std::string prompt = withoutApostrophes(after.caption(Справка));
  switch (op) {
    case Operation::Q5_Click:
      addSentence(said.text, "Расчёт количества витков");
      addSentence(said.text, prompt);
      return said;
    case Operation::Q6_Click:
      addSentence(said.text, "Расчёт индуктивности");
      addSentence(said.text, prompt);
      return said;
    case Operation::aaa_Click:
      addSentence(said.text, "Дисплей очищен");
      addSentence(said.text, prompt);
      return said;
    case Operation::aaaa_Click:
      addSentence(said.text, "Все данные сброшены");
      addSentence(said.text, prompt);
      return said;
    case Operation::Глава_Click: said.page = Фон1; return said;
    case Operation::Далее_Click: said.page = Фоно; return said;
    case Operation::Далеее_Click: said.page = Фон3; return said;
    case Operation::Закрыть_Click: said.page = Автор; return said;
    case Operation::Автор_Click: said.text = "Справка закрыта."; return said;
    default:
      break;
  }
  for (const EnterStep& step : kEnterSteps) {
    if (step.op != op) continue;
    // The stored value, unless it is the answer a calculation wrote.
    if (!after.visible(kTableRows[step.stored].answerName)) {
      addSentence(said.text, valueSentence(after, step.stored));
    }
    if (step.computed) {
      std::string answer = valueSentence(after, *step.computed);
      if (after.visible(kTableRows[*step.computed].answerName)) answer += ", ответ";
      addSentence(said.text, answer);
    } else {
      addSentence(said.text, prompt);
    }
  }
  return said;
}

std::string standing(const WindowState& state) {
  std::string words;
  addSentence(words, withoutApostrophes(state.caption(Справка)));
  for (std::size_t row = 0; row < kTableRows.size(); ++row) {
    const std::string& value = state.caption(kTableRows[row].value);
    if (state.visible(kTableRows[row].answerName) && state.visible(kTableRows[row].value) &&
        !value.empty() && value != "Ответ") {
      addSentence(words, valueSentence(state, row) + ", ответ");
    }
  }
  return words;
}

std::optional<std::string> answerText(const WindowState& state) {
  for (const TableRow& row : kTableRows) {
    const std::string& value = state.caption(row.value);
    if (state.visible(row.answerName) && !value.empty() && value != "Ответ") return value;
  }
  return std::nullopt;
}

std::string spokenNumber(std::string_view shown) {
  if (!isPlainDecimal(shown)) return std::string(shown);
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
  while (kept < fraction.size() && significant < kSignificantDigits) {
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

std::string spokenValue(std::size_t row, std::string_view shown) {
  if (shown.empty()) return "пусто";
  const std::string number = spokenNumber(shown);
  if (row >= kUnits.size() || kUnits[row].many.empty() || !isPlainDecimal(number)) return number;
  return number + " " + std::string(unitFor(row, number));
}

}  // namespace ringcoil
