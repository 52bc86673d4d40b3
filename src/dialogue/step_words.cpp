#include "dialogue/step_words.hpp"

#include <array>

#include "calc/number_text.hpp"
#include "dialogue/keys.hpp"
#include "window/parameter_table.hpp"

namespace ringcoil {

namespace {

using namespace el;


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

void StepWords::append(const StepWords& later) {
  addSentence(text, later.text);
  if (later.page) page = later.page;
}

namespace told {

namespace {

// The step's own words, then the prompt it left.
StepWords withPrompt(std::string_view words, const WindowState& after) {
  StepWords said;
  addSentence(said.text, words);
  addSentence(said.text, withoutApostrophes(after.caption(Справка)));
  return said;
}

}  // namespace

StepWords turnsChosen(const WindowState& after) {
  return withPrompt("Расчёт количества витков", after);
}

StepWords inductanceChosen(const WindowState& after) {
  return withPrompt("Расчёт индуктивности", after);
}

StepWords displayCleared(const WindowState& after) { return withPrompt("Дисплей очищен", after); }

// The painted hint asks for the mouse; a listener needs the keys.
StepWords allReset(const WindowState& after) {
  StepWords said = withPrompt("Все данные сброшены", after);
  addSentence(said.text, "Выбери расчёт клавишами: " + std::string(keyWords("Alt+N")) +
                             " — количество витков, " + std::string(keyWords("Alt+L")) +
                             " — индуктивность");
  return said;
}

StepWords helpClosed(const WindowState&) { return {"Справка закрыта.", std::nullopt}; }

StepWords enterStage(const EnterStage& stage, const WindowState& after) {
  StepWords said;
  // The stored value, unless it is the answer a calculation wrote.
  if (!after.visible(kTableRows[stage.stored].answerName)) {
    addSentence(said.text, valueSentence(after, stage.stored));
  }
  if (!stage.computed) {
    addSentence(said.text, withoutApostrophes(after.caption(Справка)));
    return said;
  }
  std::string computed = valueSentence(after, *stage.computed);
  if (after.visible(kTableRows[*stage.computed].answerName)) computed += ", ответ";
  addSentence(said.text, computed);
  // Pressed again in inductance mode, the answer's button computes the turns
  // back from the answer: the answer is said again all the same.
  for (std::size_t row = 0; row < kTableRows.size(); ++row) {
    if (row != *stage.computed && holdsAnswer(after, kTableRows[row])) {
      addSentence(said.text, valueSentence(after, row) + ", ответ");
    }
  }
  return said;
}

}  // namespace told

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

std::string spokenValue(std::size_t row, std::string_view shown) {
  if (shown.empty()) return std::string(kEmptyValueWords);
  const std::string number = RoundedDecimalText(shown, kSpokenDigits);
  if (row >= kUnits.size() || kUnits[row].many.empty() || !IsPlainDecimal(number)) return number;
  return number + " " + std::string(unitFor(row, number));
}

}  // namespace ringcoil
