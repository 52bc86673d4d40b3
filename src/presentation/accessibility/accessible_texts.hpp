// The words screen readers are given for the window: names that say what
// an element is or does, descriptions that say what it means and which key
// reaches it, and the wording of the help pages.
#pragma once

#include <QString>
#include <QStringList>
#include <string_view>

#include "window/window_state.hpp"

namespace ringcoil {

// The name of a windowed element whose caption alone says too little; empty
// where the caption says enough.
QString accessibleNameOf(Id id);

// The name of a painted label: its caption as shown (μ and ω in the unit
// column); for a value cell its row, its whole value and whether the value
// was entered or is the answer: "Индуктивность: 133,333333333333 (ответ)",
// "Проницаемость: пусто (введено)".
QString paintedLabelName(const WindowState& state, Id id);

// What a painted label means beyond its caption: the title's tooltip and
// key, the key that chooses a mode from a name, the role a coloured name
// marks, "Подсказка" for the hint; empty for the others.
QString paintedLabelDescription(Id id);

// The description of the buttons that move the dialogue on (the Enter
// buttons, "#", the "?" buttons): the hint, and the answer, rounded, once
// there is one, so that a screen reader tells them where the focus lands.
QString dialogueStatus(const WindowState& state);

// The wording of a help page or the author page, line by line as drawn,
// the lines of a paragraph joined and their hyphenation undone.
QString pageText(Id page);

// The keys that reach everything, in words a Russian voice reads: the
// window's description when it opens, and the title's always.
QString windowDescription();

}  // namespace ringcoil
