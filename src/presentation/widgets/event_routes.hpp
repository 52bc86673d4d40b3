// Which Qt event raises which event of the dialogue (dialogue/events.hpp):
// the one place where the two meet. The window sets up each widget's routes
// from this and from the handler rows once, when it makes the widget.
#pragma once

#include <QEvent>

#include "dialogue/events.hpp"

namespace ringcoil {

// The Qt event that raises `event` on the element under the pointer, on the
// element's widget or on the window's surface; QEvent::None for the events
// the window raises itself. A button event counts for the left button only,
// and a release only over the element its press was on.
QEvent::Type qtEventOf(Event event);

// One route: a Qt event and the dialogue's event it raises.
struct Route {
  QEvent::Type qt;
  Event event;
};

}  // namespace ringcoil
