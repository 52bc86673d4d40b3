// What a listener is told after a step of the dialogue: worked out from the
// operation that ran and the state it left, so that whoever cannot see the
// window hears what the step did, once, in words.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "window/window_state.hpp"

namespace ringcoil {

struct Announcement {
  // What to say, in Russian (UTF-8); empty: nothing.
  std::string text;
  // A help page or the author page the step brought up: its own text is to
  // be read too.
  std::optional<Id> page;

  bool empty() const { return text.empty() && !page; }
  // Another step's announcement after this one, before either was told.
  void append(const Announcement& later);
};

// Whether a step of the handler named `handler` ("Ввод_Click") is told at
// all: the clicks that move the dialogue on, reset it or page the help.
// Hovering, the keypad (whose keys the listener hears as typed) and the
// clock are not.
bool isAnnounced(std::string_view handler);

// What a completed step of `handler` did, in words, from the state it left:
// the mode chosen, the value stored with its row and unit, the answer rounded
// for the ear, the resets, each followed by the prompt the step opened; for
// the help, the page that came up.
Announcement announce(std::string_view handler, const WindowState& after);

// Where the user stands, for the buttons that move the dialogue on: the
// prompt that is open, and the answer, rounded, once there is one.
std::string standing(const WindowState& state);

// The answer as shown in full: the value of the row marked as the one
// computed, once a calculation has written it; nullopt before.
std::optional<std::string> answerText(const WindowState& state);

// A value of the table for the ear: a plain decimal number with more than
// six significant digits rounded to six ("133,333333333333" → "133,333"),
// its whole part kept; other texts as they are.
std::string spokenNumber(std::string_view shown);

// The value of row `row` (0..5: μ, D, d, h, N, L) with its unit in words,
// agreeing with the number: "10 миллиметров", "1,5 миллиметра",
// "8,66025 витка", "133,333 микрогенри"; "пусто" for an empty value.
std::string spokenValue(std::size_t row, std::string_view shown);

}  // namespace ringcoil
