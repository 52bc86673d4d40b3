#include "presentation/widgets/event_routes.hpp"

namespace ringcoil {

QEvent::Type qtEventOf(Event event) {
  switch (event) {
    case Event::Click:
      // A push button's own click comes as its clicked signal instead.
      return QEvent::MouseButtonRelease;
    case Event::MouseMove:
      return QEvent::MouseMove;
    case Event::Load:
    case Event::Timer:
      return QEvent::None;
  }
  return QEvent::None;
}

}  // namespace ringcoil
