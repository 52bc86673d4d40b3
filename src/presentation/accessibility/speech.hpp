// How what the dialogue tells a listener (dialogue/step_words.hpp) reaches
// a screen reader.
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

}  // namespace ringcoil
