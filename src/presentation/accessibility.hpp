// What assistive tools such as screen readers learn about the window: the
// labels it paints itself (title, parameter names, values, units, hint) as
// static texts in reading order, and names for the widgets whose caption alone
// says too little.
#pragma once

#include <QAccessible>
#include <QString>
#include <vector>

#include "window/elements.hpp"

namespace ringcoil {

class FormWindow;

// Gives every FormWindow its accessible interface; call once after the
// QApplication is created (prepareApplication does).
void installAccessibility();

// The accessible name of a windowed element, or an empty string where its
// caption says enough.
QString accessibleNameOf(Id id);

// Tells assistive tools that a painted label's caption or visibility changed.
// Call for each element the core reports changed. Returns the events sent:
// none for elements that are not painted labels, and none for a label no tool
// has looked at yet.
std::vector<QAccessible::Event> announceLabelChange(FormWindow& window, Id id);

}  // namespace ringcoil
