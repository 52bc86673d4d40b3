// The window's keys in Qt's terms: the key table's shortcuts on the window,
// and the table's name for a key press that reaches it (dialogue/keys.hpp
// says what each key does).
#pragma once

#include <QKeyEvent>
#include <QWidget>
#include <functional>
#include <string>
#include <string_view>

namespace ringcoil {

// The table's window-wide shortcuts (Alt+N, Alt+L, F1) on `window`, each
// calling `pressKey` with its row's keys.
void installShortcuts(QWidget& window, const std::function<void(std::string_view)>& pressKey);

// The table's name for a key press: the character typed for the keypad's
// keys, whatever the layout ("5", ",", "."), otherwise the key as
// QKeySequence writes it portably ("Return", "Esc"); empty for a keypad
// character typed with Ctrl, Alt or Meta.
std::string keysOf(const QKeyEvent& event);

}  // namespace ringcoil
