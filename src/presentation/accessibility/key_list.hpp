// The list of keys, read once: it is the window's description from start
// until the window loses the focus the first time, so that a screen reader
// reads it when the window opens, not on every return to it.
#pragma once

namespace ringcoil {

class FormWindow;

// Whether the window's description still holds the list of keys.
bool keysStillToTell(FormWindow& window);

}  // namespace ringcoil
