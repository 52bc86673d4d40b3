// The replay script: one command a line, driving the window without a display.
#pragma once

#include <istream>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "dialogue/form1.hpp"

namespace ringcoil::replay {

struct ElementEvent {  // click NAME, move NAME
  Event event;
  std::optional<Id> target;  // nullopt: the window itself (Form1)
};
struct PixelEvent {  // click-at X Y, move-at X Y
  Event event;
  int x;
  int y;
};
struct TypeText {  // type TEXT
  std::string text;
};
struct Ticks {  // tick, tick N
  long count;
};
struct PressKey {  // key KEYS, as QKeySequence writes them: key Alt+N, key 5
  std::string keys;
};
struct PrintState {};  // state
struct PrintFocus {};  // focus
struct PrintSpeech {};  // say: what a listener was told since the last say

using Command = std::variant<ElementEvent, PixelEvent, TypeText, Ticks, PressKey, PrintState,
                             PrintFocus, PrintSpeech>;

struct ScriptLine {
  int number;
  Command command;
};

struct ParseError {
  int line;
  std::string message;
};

// Reads the whole script; the first bad line stops it.
std::variant<std::vector<ScriptLine>, ParseError> parseScript(std::istream& in);

// The command as a line of a script, which parseScript reads back as the
// same command. A text is written up to the end of the line: it must hold
// no line break.
std::string scriptLine(const Command& command);

}  // namespace ringcoil::replay
