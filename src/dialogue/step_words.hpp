// What a listener is told after a step of the dialogue: worked out from the
// state the step left, so that whoever cannot see the window hears what the
// step did, once, in words. Each told step's handler row (handlers.cpp)
// names the function here that words it.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "window/enter_stages.hpp"
#include "window/window_state.hpp"

namespace ringcoil {

struct StepWords {
  // What to say, in Russian (UTF-8); empty: nothing.
  std::string text;
  // A help page or the author page the step brought up: its own text is to
  // be read too (help_text.hpp).
  std::optional<Id> page;

  bool empty() const { return text.empty() && !page; }
  // Another step's words after these, before either was told.
  void append(const StepWords& later);
};

// The words of the told steps, from the state each left: the mode chosen,
// the value stored with its row and unit, the answer rounded for the ear,
// the resets, each followed by the prompt the step opened; for the help, the
// page that came up. Hovering, the keypad (whose keys the listener hears as
// typed) and the clock are not told.
namespace told {
StepWords turnsChosen(const WindowState& after);
StepWords inductanceChosen(const WindowState& after);
StepWords displayCleared(const WindowState& after);
StepWords allReset(const WindowState& after);
StepWords helpClosed(const WindowState& after);
// An Enter button's stage: the value stored, unless it is the answer; then
// the value computed and the answer, or the prompt.
StepWords enterStage(const EnterStage& stage, const WindowState& after);
template <std::size_t Stage>
StepWords enterStageOf(const WindowState& after) {
  return enterStage(kEnterStages[Stage], after);
}
template <Id Page>
StepWords pageOpened(const WindowState&) {
  return {{}, Page};
}
}  // namespace told

// Where the user stands, for the buttons that move the dialogue on: the
// prompt that is open, and the answer, rounded, once there is one.
std::string standing(const WindowState& state);

// The answer as shown in full: the value of the row marked as the one
// computed, once a calculation has written it; nullopt before.
std::optional<std::string> answerText(const WindowState& state);

// Significant digits a value is said with: the table shows 15, the ear takes
// six ("133,333333333333" is said "133,333").
inline constexpr std::size_t kSpokenDigits = 6;

// What an empty value is said as.
inline constexpr std::string_view kEmptyValueWords = "пусто";

// The value of row `row` (0..5: μ, D, d, h, N, L) with its unit in words,
// agreeing with the number: "10 миллиметров", "1,5 миллиметра",
// "8,66025 витка", "133,333 микрогенри"; "пусто" for an empty value.
std::string spokenValue(std::size_t row, std::string_view shown);

}  // namespace ringcoil
