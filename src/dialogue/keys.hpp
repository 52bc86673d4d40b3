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
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "dialogue/events.hpp"
#include "window/elements.hpp"

namespace ringcoil {

enum class KeyAction : std::uint8_t {
  PressElement,       // what an assistive tool's press on `element` does (Form1::press)
  Raise,              // `event` on `element`, as the mouse raises it (the keypad's clicks)
  PressFocused,       // the focused element's press: a button's click
  CloseAuthorPage,    // only while the author page has the focus
  NextInTabOrder,     // Tab
  PreviousInTabOrder, // Shift+Tab
  CopyAnswer          // the answer to the clipboard, by the host (KeyOutcome::CopyAnswer)
};

struct KeyBinding {
  std::string_view keys;
  KeyAction action;
  std::optional<Id> element = std::nullopt;  // PressElement, Raise: the element
  Event event = Event::Click;                // Raise: the event raised on it
  // The display takes the key as typing or copying, while it has the focus.
  bool typedByDisplay = false;
  // How a Russian voice says the key.
  std::string_view words = {};
  // The key's place in the list of keys read when the window opens: what
  // the key (or the keys it stands for, `listedAs`) does. Empty: not listed.
  std::string_view listedAs = {};
  std::string_view does = {};
};

// Alt+N, Alt+L, F1 and Ctrl+C work wherever the focus is (Ctrl+C in the
// display copies the display's own selection); the other keys reach the
// window from the focused element when the element leaves them.
constexpr bool isShortcut(KeyAction action) {
  return action == KeyAction::PressElement || action == KeyAction::CopyAnswer;
}

// N and L are the letters of the formulas; Qt also takes them from the Latin
// layout while a Cyrillic one is active. The list of keys is read in table
// order.
inline constexpr std::array kKeys = std::to_array<KeyBinding>({
    {.keys = "Alt+N", .action = KeyAction::PressElement, .element = el::Виток, .words = "Альт+N",
     .does = "рассчитать количество витков"},
    {.keys = "Alt+L", .action = KeyAction::PressElement, .element = el::Индукт, .words = "Альт+L",
     .does = "рассчитать индуктивность"},
    {.keys = "1", .action = KeyAction::Raise, .element = aa(0), .typedByDisplay = true, .words = "1",
     .listedAs = "цифры и запятая", .does = "кнопки калькулятора"},
    {.keys = "2", .action = KeyAction::Raise, .element = aa(1), .typedByDisplay = true, .words = "2"},
    {.keys = "3", .action = KeyAction::Raise, .element = aa(2), .typedByDisplay = true, .words = "3"},
    {.keys = "4", .action = KeyAction::Raise, .element = aa(3), .typedByDisplay = true, .words = "4"},
    {.keys = "5", .action = KeyAction::Raise, .element = aa(4), .typedByDisplay = true, .words = "5"},
    {.keys = "6", .action = KeyAction::Raise, .element = aa(5), .typedByDisplay = true, .words = "6"},
    {.keys = "7", .action = KeyAction::Raise, .element = aa(6), .typedByDisplay = true, .words = "7"},
    {.keys = "8", .action = KeyAction::Raise, .element = aa(7), .typedByDisplay = true, .words = "8"},
    {.keys = "9", .action = KeyAction::Raise, .element = aa(8), .typedByDisplay = true, .words = "9"},
    {.keys = ",", .action = KeyAction::Raise, .element = aa(9), .typedByDisplay = true, .words = "запятая"},
    {.keys = ".", .action = KeyAction::Raise, .element = aa(9), .typedByDisplay = true, .words = "точка"},
    {.keys = "0", .action = KeyAction::Raise, .element = aa(10), .typedByDisplay = true, .words = "0"},
    {.keys = "Return", .action = KeyAction::PressFocused, .words = "Ввод", .listedAs = "Ввод или пробел",
     .does = "нажать кнопку в фокусе"},
    {.keys = "Enter", .action = KeyAction::PressFocused, .words = "Ввод"},
    {.keys = "Space", .action = KeyAction::PressFocused, .typedByDisplay = true, .words = "пробел"},
    {.keys = "Esc", .action = KeyAction::CloseAuthorPage, .words = "Эскейп"},
    {.keys = "Tab", .action = KeyAction::NextInTabOrder, .words = "Табуляция", .does = "к следующей кнопке"},
    {.keys = "Shift+Tab", .action = KeyAction::PreviousInTabOrder, .words = "Шифт+Табуляция"},
    {.keys = "Ctrl+C", .action = KeyAction::CopyAnswer, .typedByDisplay = true, .words = "Контрол+C",
     .does = "скопировать ответ"},
    {.keys = "F1", .action = KeyAction::PressElement, .element = el::Глава, .words = "F1",
     .does = "справка, Ввод на её страницах — дальше"},
});

// A key of the keypad: it clicks one of the keypad's keys, and the window
// takes it from the character typed, whatever the keyboard's layout.
constexpr bool isKeypadKey(const KeyBinding& binding) {
  return binding.action == KeyAction::Raise && binding.element &&
         def(*binding.element).name == def(aa(0)).name;
}

// The row of `keys`; nullptr for a key the window does not use.
const KeyBinding* keyBinding(std::string_view keys);

// The keys that do what an assistive tool's press on `id` does, in table
// order: Alt+N for Виток, F1 for the title, Return, Enter and Space for a
// push button and, with Esc, for the author page. Empty for the others.
std::vector<const KeyBinding*> keysPressing(Id id);

// The words for the keys that press `id`, each once: "Альт+N"; "Ввод,
// пробел" for a button.
std::string keyWordsPressing(Id id);

// How a voice says `keys` ("Alt+N": "Альт+N").
std::string_view keyWords(std::string_view keys);

// The list of keys read when the window opens: "Клавиши: Альт+N —
// рассчитать количество витков; Альт+L — …".
std::string spokenListOfKeys();

}  // namespace ringcoil
