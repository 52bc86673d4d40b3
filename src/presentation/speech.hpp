// How what the dialogue tells a listener (dialogue/step_words.hpp) reaches
// a screen reader, the list of keys told once, and copying the answer.
//
// Screen readers read the element that takes the focus, its description
// included; a change while the focus stays put is told as a notification
// shown. Description and name changes are not used: Orca fails on them as
// this Qt sends them (docs/architecture.md).
#pragma once

#include <QString>

class QWidget;

namespace ringcoil {

class FormWindow;
struct StepWords;

// Tells assistive tools what the steps synced last did. Where the focus moved
// away from `focusedBefore` in that sync, or moves before control returns to
// the event loop, the words become the description of the element that took
// it, until the focus leaves it again; where it stays, they are shown as a
// notification.
void tellStep(FormWindow& window, QWidget* focusedBefore, const StepWords& said);

// What a step said about the focused `widget`, to be read with it; empty for
// any other widget.
QString spokenOnFocus(const QWidget* widget);

// Whether the window's description still holds the list of keys: from start
// until the window loses the focus the first time, so that the list is read
// once when the window opens, not on every return to it.
bool keysStillToTell(FormWindow& window);

// Ctrl+C: puts the answer, as shown in full, on the clipboard and confirms it
// to a listener; says there is none yet before a calculation.
void copyAnswer(FormWindow& window);

}  // namespace ringcoil
