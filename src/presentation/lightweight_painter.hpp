// Draws what lies on the window's own surface: lines and labels, rearmost
// first, over the wall.
#pragma once

#include <QPainter>
#include <QRect>

#include "window/window_state.hpp"

namespace ringcoil {

// Paints every shown line and label that lies directly on the window.
void paintLightweightElements(QPainter& painter, const WindowState& state);

// The pixels a label may paint: its rectangle, or for an auto-sizing label
// the rectangle its caption needs, whichever is larger.
QRect labelPaintRect(Id id, const QString& text);

}  // namespace ringcoil
