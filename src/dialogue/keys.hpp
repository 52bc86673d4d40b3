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

#include "window/elements.hpp"

namespace ringcoil {

enum class KeyAction : std::uint8_t {
  PressElement,       // what an assistive tool's press on `element` does (Form1::press)
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
  std::optional<Id> element = std::nullopt;  // PressElement: the element pressed
  int keypadIndex = -1;                      // PressKeypadKey: the index of aa
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
    {"Alt+N", KeyAction::PressElement, el::Виток, -1, false, "Альт+N", "", "рассчитать количество витков"},
    {"Alt+L", KeyAction::PressElement, el::Индукт, -1, false, "Альт+L", "", "рассчитать индуктивность"},
    {"1", KeyAction::PressKeypadKey, {}, 0, true, "1", "цифры и запятая", "кнопки калькулятора"},
    {"2", KeyAction::PressKeypadKey, {}, 1, true, "2"},
    {"3", KeyAction::PressKeypadKey, {}, 2, true, "3"},
    {"4", KeyAction::PressKeypadKey, {}, 3, true, "4"},
    {"5", KeyAction::PressKeypadKey, {}, 4, true, "5"},
    {"6", KeyAction::PressKeypadKey, {}, 5, true, "6"},
    {"7", KeyAction::PressKeypadKey, {}, 6, true, "7"},
    {"8", KeyAction::PressKeypadKey, {}, 7, true, "8"},
    {"9", KeyAction::PressKeypadKey, {}, 8, true, "9"},
    {",", KeyAction::PressKeypadKey, {}, 9, true, "запятая"},
    {".", KeyAction::PressKeypadKey, {}, 9, true, "точка"},
    {"0", KeyAction::PressKeypadKey, {}, 10, true, "0"},
    {"Return", KeyAction::PressFocused, {}, -1, false, "Ввод", "Ввод или пробел", "нажать кнопку в фокусе"},
    {"Enter", KeyAction::PressFocused, {}, -1, false, "Ввод"},
    {"Space", KeyAction::PressFocused, {}, -1, true, "пробел"},
    {"Esc", KeyAction::CloseAuthorPage, {}, -1, false, "Эскейп"},
    {"Tab", KeyAction::NextInTabOrder, {}, -1, false, "Табуляция", "", "к следующей кнопке"},
    {"Shift+Tab", KeyAction::PreviousInTabOrder, {}, -1, false, "Шифт+Табуляция"},
    {"Ctrl+C", KeyAction::CopyAnswer, {}, -1, true, "Контрол+C", "", "скопировать ответ"},
    {"F1", KeyAction::PressElement, el::Глава, -1, false, "F1", "", "справка, Ввод на её страницах — дальше"},
});

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
