// What assistive tools such as screen readers learn about the window and
// can do with it: the labels it paints itself (title, parameter names,
// values, units, hint) as static texts in reading order; its buttons and
// picture boxes with telling names, roles and press actions; what an open
// help page covers reported as not showing.
#pragma once

#include <QAccessible>
#include <vector>

#include "window/elements.hpp"

namespace ringcoil {

class FormWindow;

// Gives every FormWindow, its buttons and its picture boxes their
// accessible interfaces; call once after the QApplication is created
// (prepareApplication does).
void installAccessibility();

// Tells assistive tools that an element's caption or visibility changed.
// Call for each element the core reports changed. Returns the events sent
// for a painted label: none for other elements, and none for a label no
// tool has looked at yet.
std::vector<QAccessible::Event> announceChange(FormWindow& window, Id id);

}  // namespace ringcoil
