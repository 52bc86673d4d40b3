// What assistive tools are told of the window's buttons and picture boxes.
#pragma once

#include <QAccessibleInterface>

#include "window/elements.hpp"

class QPushButton;

namespace ringcoil {

class FormWindow;
class PictureBox;

// A push button: named by what it does, described by the dialogue's state
// where it moves the dialogue on, pressed as a click presses it, and not
// showing while an open help page covers it.
QAccessibleInterface* accessibleButton(FormWindow& window, QPushButton& button, Id id);

// A picture box: the animation is a graphic; a help page is a panel whose
// description is its text, holding its buttons and the pages above it; the
// author page closes the help when pressed.
QAccessibleInterface* accessibleBox(FormWindow& window, PictureBox& box, Id id);

}  // namespace ringcoil
