#include "window/focus.hpp"

#include <algorithm>
#include <vector>

#include "window/geometry.hpp"

namespace ringcoil {

namespace {

using namespace el;

// Whether a shown picture box in front of `id`, in the same container,
// overlaps it. The table lists each container's elements front-most first.
bool coveredByPictureBox(const WindowState& state, Id id) {
  const ElementDef& self = def(id);
  for (std::size_t i = 0; i < indexOf(id); ++i) {
    const ElementDef& front = kElements[i];
    if (front.kind != Kind::PictureBox || front.container != self.container) continue;
    const Id box = static_cast<Id>(i);
    if (state.visible(box) && overlap(pixelRect(box), pixelRect(id))) return true;
  }
  return false;
}

// Every element that takes the focus, in tab order.
const std::vector<Id>& tabOrder() {
  static const std::vector<Id> order = [] {
    std::vector<Id> ids;
    for (std::size_t i = 0; i < kElementCount; ++i) {
      if (isWindowed(kElements[i].kind) && kElements[i].tabIndex >= 0) ids.push_back(static_cast<Id>(i));
    }
    std::sort(ids.begin(), ids.end(), [](Id a, Id b) { return def(a).tabIndex < def(b).tabIndex; });
    return ids;
  }();
  return order;
}

}  // namespace

bool inSight(const WindowState& state, Id id) {
  if (!state.shown(id)) return false;
  for (std::optional<Id> e = id; e; e = containerOf(*e)) {
    if (coveredByPictureBox(state, *e)) return false;
  }
  return true;
}

Id enterButtonInSight(const WindowState& state) {
  for (const Id enter : kEnterButtons) {
    if (inSight(state, enter)) return enter;
  }
  return Text1;  // never hidden; not reached, as one Enter button is always shown
}

std::optional<Id> helpControlInSight(const WindowState& state) {
  for (const Id control : kPageControls) {
    if (inSight(state, control)) return control;
  }
  return std::nullopt;
}

Id focusAfterOperation(const WindowState& state, Id focused, std::optional<Id> beforeHelp) {
  if (inSight(state, focused)) return focused;
  // Paging on, or a page opened over the focused element.
  const bool onOrUnderPages = containerOf(focused) || state.shown(focused);
  if (onOrUnderPages) {
    if (const auto control = helpControlInSight(state)) return *control;
  }
  if (beforeHelp && inSight(state, *beforeHelp)) return *beforeHelp;
  if (focused == aaa && inSight(state, aaaa)) return aaaa;
  return enterButtonInSight(state);
}

Id firstInTabOrder() { return tabOrder().front(); }

Id nextInTabOrder(const WindowState& state, Id from, bool forward) {
  const std::vector<Id>& order = tabOrder();
  const auto n = static_cast<std::ptrdiff_t>(order.size());
  auto at = std::find(order.begin(), order.end(), from) - order.begin();
  if (at == n) at = forward ? n - 1 : 0;  // from outside the order: start at its ends
  for (std::ptrdiff_t step = 1; step < n; ++step) {
    const std::ptrdiff_t i = ((forward ? at + step : at - step) % n + n) % n;
    if (inSight(state, order[static_cast<std::size_t>(i)])) return order[static_cast<std::size_t>(i)];
  }
  return from;
}

}  // namespace ringcoil
