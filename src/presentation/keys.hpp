// The window's keys besides Tab, and Enter or Space on the focused button:
//
//   Alt+N         choose the turns mode («Количество витков»)
//   Alt+L         choose the inductance mode («Индуктивность»)
//   F1            open the help pages
//   0-9 , .       press the keypad's key, wherever the focus is but in the
//                 display, which takes them as typing
//   Enter, Space or Esc on the author page: close the help
//
// Each runs what the mouse gesture runs; none draws anything new.
#pragma once

#include <QKeyEvent>
#include <optional>

namespace ringcoil {

class FormWindow;

// The shortcuts Alt+N, Alt+L and F1 on the window.
void installKeys(FormWindow& window);

// The keypad key (the index of aa) a key press stands for: "1".."9" for
// 0..8, "," or "." for 9, "0" for 10.
std::optional<int> keypadKeyFor(const QKeyEvent& event);

// Whether the key press closes the author page that has the focus.
bool closesAuthorPage(const QKeyEvent& event);

}  // namespace ringcoil
