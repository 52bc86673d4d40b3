#include "dialogue/form1.hpp"

#include <utility>

#include "window/focus.hpp"
#include "window/geometry.hpp"

namespace ringcoil {

using namespace el;

Form1::Form1(Host& host) : host_(host), focus_(firstInTabOrder()) {}

void Form1::load() { fire(std::nullopt, Event::Load); }

void Form1::mouseAt(Event event, int x, int y) {
  if (!insideClient(x, y)) return;
  fire(elementAt(w_, x, y), event);
}

void Form1::fire(std::optional<Id> target, Event event) {
  if (ended_) return;
  if (target && !w_.shown(*target)) return;
  if (const Handler* handler = handlerFor(target, event)) {
    perform(*handler, target ? def(*target).index : -1);
  }
}

void Form1::tick() { fire(Timer1, Event::Timer); }

void Form1::typeText(std::string_view text) {
  if (ended_) return;
  setCaption(Text1, text);
}

// A failed calculation ends the operation that called it: nothing after the
// failing step runs. The user is told, and the window goes on as the failure
// left it, so that everything entered so far stays. A completed step is put
// in words for a listener.
void Form1::perform(const Handler& handler, int index) {
  const bool helpWasOpen = w_.visible(Фон1);
  const std::uint64_t visibilityBefore = w_.visibilityChanges();
  bool completed = true;
  try {
    handler.run(*this, index);
  } catch (const RuntimeError& error) {
    host_.showError(error.code);
    completed = false;
  }
  // Only what is shown or hidden can take the focus out of sight: an
  // animation tick or a caption cannot.
  if (w_.visibilityChanges() != visibilityBefore) keepFocusInSight(helpWasOpen);
  if (completed && handler.words) said_.append(handler.words(w_));
}

void Form1::focusMoved(Id id) { focus_ = id; }

void Form1::keepFocusInSight(bool helpWasOpen) {
  const bool helpOpen = w_.visible(Фон1);
  std::optional<Id> beforeHelp;
  if (!helpWasOpen && helpOpen) focusBeforeHelp_ = focus_;
  if (helpWasOpen && !helpOpen) beforeHelp = std::exchange(focusBeforeHelp_, std::nullopt);
  focus_ = focusAfterOperation(w_, focus_, beforeHelp);
}

void Form1::focusNextInTabOrder(bool forward) { focus_ = nextInTabOrder(w_, focus_, forward); }

}  // namespace ringcoil
