// Runs a parsed script against a fresh window and prints what it asks for.
#pragma once

#include <ostream>
#include <vector>

#include "dialogue/form1.hpp"
#include "script.hpp"

namespace ringcoil::replay {

// The state listing: every element but the lines and the timer, in creation
// order, then the window's variables and the animation box's picture, then an
// empty line.
void printState(const WindowState& state, std::ostream& out);

// What a listener was told: the words, and the help page read with them.
void printSpeech(const StepWords& said, std::ostream& out);

// Applies one command to a loaded window; `state` prints the listing to out,
// `focus` the element with the keyboard focus.
void applyCommand(Form1& form, const Command& command, std::ostream& out);

// Creates the window, runs Form_Load, then the script. Prints the listings,
// "error N: MESSAGE" for each failed operation and "exit" when "Выход" ends
// the program (the rest of the script is not run).
void runScript(const std::vector<ScriptLine>& script, std::ostream& out);

}  // namespace ringcoil::replay
