// What a screen reader is told of each element, in the words a listener
// hears: names that say what a painted label shows, descriptions that say
// what an element means, where the user stands and which key reaches it,
// and the words of a step with the page it brought up. The window's
// accessible interfaces hand these on as they are.
#pragma once

#include <string>
#include <string_view>

#include "dialogue/step_words.hpp"
#include "window/window_state.hpp"

namespace ringcoil {

// A caption as a face with the given character set shows it: in the symbol
// face "m" is μ and "w" is ω.
std::string captionAsShown(std::string_view caption, Charset charset);

// The name of a painted label: its caption as shown (μ and ω in the unit
// column); for a value cell its row, its whole value and whether the value
// was entered or is the answer: "Индуктивность: 133,333333333333 (ответ)",
// "Проницаемость: пусто (введено)".
std::string paintedLabelName(const WindowState& state, Id id);

// What an element means beyond its name: for the buttons that move the
// dialogue on, where the user stands (the hint, and the answer once there
// is one); for a help page, its wording; for the title, its tooltip and key
// and the list of keys; for a computable name, the key that chooses it;
// for a name shown in colour, the role it marks; its row's own words (the
// hint's). Empty for the others.
std::string descriptionOf(const WindowState& state, Id id);

// What a listener is told of the steps: their words, then the wording of
// the page they brought up.
std::string spokenText(const StepWords& said);

}  // namespace ringcoil
