// Where the keyboard focus may rest, and where it goes when an operation
// takes the element holding it out of the user's sight.
#pragma once

#include <array>
#include <optional>

#include "window/enter_stages.hpp"
#include "window/window_state.hpp"

namespace ringcoil {

// The controls of the help pages, the page on top first.
inline constexpr std::array kPageControls{el::Автор, el::Закрыть, el::Далеее, el::Далее};

// Whether the user can see the element: it and its containers are shown, and
// no shown picture box lying in front of it (a help page) covers it or one of
// its containers. Enter buttons stacked on one another do not hide each
// other from the keyboard: each runs its own stage when pressed.
bool inSight(const WindowState& state, Id id);

// The Enter button of the open stage: the front-most one in sight.
Id enterButtonInSight(const WindowState& state);

// The button of the help page on top, or the author page; none while the
// help is closed.
std::optional<Id> helpControlInSight(const WindowState& state);

// The element that takes the focus after an operation, when the one that
// held it (`focused`) is now out of sight: where it was on a help page or
// lies under an open one, the button of the page on top (or the author
// page); when the help has just closed, `beforeHelp`, the element that held the focus when it
// opened; after the display reset, the full reset in its place; otherwise the Enter button of the
// open stage. Never an element out of sight, and «Выход» only as the element that held the focus
// before the help opened. Returns `focused` while it is in sight.
Id focusAfterOperation(const WindowState& state, Id focused, std::optional<Id> beforeHelp);

// The element that has the focus when the window first shows: the first in
// the tab order («Выход»).
Id firstInTabOrder();

// Tab (forward) and Shift+Tab: the next element after `from` in the tab
// order that is in sight, going round the end; `from` where no other is.
Id nextInTabOrder(const WindowState& state, Id from, bool forward);

}  // namespace ringcoil
