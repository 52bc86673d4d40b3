#include "dialogue/announcement.hpp"

#include <algorithm>
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

// The row an Enter button's handler stores the display into, and the row its
// calculation writes, if it has one.
struct EnterStep {
  std::string_view handler;
  std::size_t stored;
  std::optional<std::size_t> computed;
};

constexpr std::array<EnterStep, 6> kEnterSteps{{
    {"Ввод_Click", 0, std::nullopt},
    {"Command2_Click", 1, std::nullopt},
    {"Command3_Click", 2, std::nullopt},
    {"Command4_Click", 3, std::nullopt},
    {"Command5_Click", kTurnsRow, kInductanceRow},
    {"Command6_Click", kInductanceRow, kTurnsRow},
}};

// The steps that are no Enter button's: what they say, whether the prompt
// follows, and the help page they bring up; then words for the ear alone.
struct OtherStep {
  std::string_view handler;
  std::string_view words;
  bool prompt;
  std::optional<Id> page;
  std::string_view then = {};
};

const std::array<OtherStep, 9> kOtherSteps{{
    {"Q5_Click", "Расчёт количества витков", true, std::nullopt},
    {"Q6_Click", "Расчёт индуктивности", true, std::nullopt},
    {"aaa_Click", "Дисплей очищен", true, std::nullopt},
    // The painted hint asks for the mouse; a listener needs the keys.
    {"aaaa_Click", "Все данные сброшены", true, std::nullopt,
     "Выбери расчёт клавишами: Альт+N — количество витков, Альт+L — индуктивность"},
    {"Глава_Click", "", false, Фон1},
    {"Далее_Click", "", false, Фоно},
    {"Далеее_Click", "", false, Фон3},
    {"Закрыть_Click", "", false, Автор},
    {"Автор_Click", "Справка закрыта", false, std::nullopt},
}};

// Whether the row marked as the one computed holds what a calculation wrote
// (before it, it reads "Ответ" or nothing).
bool holdsAnswer(const WindowState& state, const TableRow& row) {
  const std::string& value = state.caption(row.value);
  return state.visible(row.answerName) && !value.empty() && value != "Ответ";
}

std::string valueSentence(const WindowState& state, std::size_t row) {
  return rowName(state, row) + ": " + spokenValue(row, state.caption(kTableRows[row].value));
}

}  // namespace

void Announcement::append(const Announcement& later) {
  addSentence(text, later.text);
  if (later.page) page = later.page;
}

bool isAnnounced(std::string_view handler) {
  const auto named = [handler](const auto& step) { return step.handler == handler; };
  return std::any_of(kEnterSteps.begin(), kEnterSteps.end(), named) ||
         std::any_of(kOtherSteps.begin(), kOtherSteps.end(), named);
}

Announcement announce(std::string_view handler, const WindowState& after) {
  Announcement said;
  const std::string prompt = withoutApostrophes(after.caption(Справка));
  for (const OtherStep& step : kOtherSteps) {
    if (step.handler != handler) continue;
    said.page = step.page;
    addSentence(said.text, step.words);
    if (step.prompt) addSentence(said.text, prompt);
    addSentence(said.text, step.then);
    return said;
  }
  for (const EnterStep& step : kEnterSteps) {
    if (step.handler != handler) continue;
    // The stored value, unless it is the answer a calculation wrote.
    if (!after.visible(kTableRows[step.stored].answerName)) {
      addSentence(said.text, valueSentence(after, step.stored));
    }
    if (step.computed) {
      std::string computed = valueSentence(after, *step.computed);
      if (after.visible(kTableRows[*step.computed].answerName)) computed += ", ответ";
      addSentence(said.text, computed);
      // Pressed again in inductance mode, the answer's button computes the
      // turns back from the answer: the answer is said again all the same.
      for (std::size_t row = 0; row < kTableRows.size(); ++row) {
        if (row != *step.computed && holdsAnswer(after, kTableRows[row])) {
          addSentence(said.text, valueSentence(after, row) + ", ответ");
        }
      }
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
    if (holdsAnswer(state, kTableRows[row]) && state.visible(kTableRows[row].value)) {
      addSentence(words, valueSentence(state, row) + ", ответ");
    }
  }
  return words;
}

std::optional<std::string> answerText(const WindowState& state) {
  for (const TableRow& row : kTableRows) {
    if (holdsAnswer(state, row)) return state.caption(row.value);
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
