// Draws what lies on the window's own surface: lines and labels, rearmost
// first, over the wall.
#pragma once

#include <QPainter>
#include <QRect>

#include "window/window_state.hpp"

namespace ringcoil {

// The element's rectangle in its container's pixels, for Qt.
QRect elementRect(Id id);

// Paints every shown line and label that lies directly on the window.
void paintLightweightElements(QPainter& painter, const WindowState& state);

// A label's caption as it is painted: the symbol face shows "m" as μ and
// "w" as ω.
QString shownCaption(const WindowState& state, Id id);

// The tooltip of a painted label: its own (the title's "Подробнее"), or for
// a value cell too narrow for its caption the whole caption, so that the
// user can read every digit. Empty for none.
QString labelToolTip(const WindowState& state, Id id);

// The pixels a label may paint: its rectangle, or for an auto-sizing label
// the rectangle its caption needs, whichever is larger.
QRect labelPaintRect(Id id, const QString& text);

}  // namespace ringcoil
