// The window's keys: one row each, written as QKeySequence writes them
// portably. The window's shortcuts, the keys assistive tools are told of,
// and the replay tool's `key` all come from this table; the README and the
// manual pages are checked against it.
//
// Tab and Shift+Tab go round the tab order; Enter or Space presses the
// focused button. Keys the display takes as typing never reach the table.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>
#include <vector>

#include "window/elements.hpp"

namespace ringcoil {

enum class KeyAction : std::uint8_t {
  ChooseTurns,        // Form1::chooseMode(Виток)
  ChooseInductance,   // Form1::chooseMode(Индукт)
  OpenHelp,           // Form1::openHelp()
  PressKeypadKey,     // a click on aa(keypadIndex)
  PressFocused,       // the focused element's press: a button's click
  CloseAuthorPage,    // only while the author page has the focus
  NextInTabOrder,     // Tab
  PreviousInTabOrder, // Shift+Tab
  CopyAnswer          // the answer to the clipboard, by the host (KeyOutcome::CopyAnswer)
};

struct KeyBinding {
  std::string_view keys;
  KeyAction action;
  int keypadIndex = -1;  // PressKeypadKey: the index of aa
};

// Alt+N, Alt+L, F1 and Ctrl+C work wherever the focus is (Ctrl+C in the
// display copies the display's own selection); the other keys reach the
// window from the focused element when the element leaves them.
constexpr bool isShortcut(KeyAction action) {
  return action == KeyAction::ChooseTurns || action == KeyAction::ChooseInductance ||
         action == KeyAction::OpenHelp || action == KeyAction::CopyAnswer;
}

// N and L are the letters of the formulas; Qt also takes them from the Latin
// layout while a Cyrillic one is active.
inline constexpr std::array kKeys = std::to_array<KeyBinding>({
    {"Alt+N", KeyAction::ChooseTurns},
    {"Alt+L", KeyAction::ChooseInductance},
    {"F1", KeyAction::OpenHelp},
    {"1", KeyAction::PressKeypadKey, 0},
    {"2", KeyAction::PressKeypadKey, 1},
    {"3", KeyAction::PressKeypadKey, 2},
    {"4", KeyAction::PressKeypadKey, 3},
    {"5", KeyAction::PressKeypadKey, 4},
    {"6", KeyAction::PressKeypadKey, 5},
    {"7", KeyAction::PressKeypadKey, 6},
    {"8", KeyAction::PressKeypadKey, 7},
    {"9", KeyAction::PressKeypadKey, 8},
    {",", KeyAction::PressKeypadKey, 9},
    {".", KeyAction::PressKeypadKey, 9},
    {"0", KeyAction::PressKeypadKey, 10},
    {"Return", KeyAction::PressFocused},
    {"Enter", KeyAction::PressFocused},
    {"Space", KeyAction::PressFocused},
    {"Esc", KeyAction::CloseAuthorPage},
    {"Tab", KeyAction::NextInTabOrder},
    {"Shift+Tab", KeyAction::PreviousInTabOrder},
    {"Ctrl+C", KeyAction::CopyAnswer},
});

// The row of `keys`; nullptr for a key the window does not use.
const KeyBinding* keyBinding(std::string_view keys);

// The keys that do what an assistive tool's press on `id` does, in table
// order: Alt+N for Виток, F1 for the title, Return, Enter and Space for a
// push button and, with Esc, for the author page. Empty for the others.
std::vector<std::string_view> keysPressing(Id id);

}  // namespace ringcoil
