#include "window/focus.hpp"

#include <array>

#include "window/routing.hpp"

namespace ringcoil {

namespace {

using namespace el;

bool overlap(PixelRect a, PixelRect b) {
  return a.x < b.x + b.width && b.x < a.x + a.width && a.y < b.y + b.height && b.y < a.y + a.height;
}

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

// Front-most first, as they lie on one another.
constexpr std::array kEnterButtons{Command6, Command5, Command4, Command3, Command2, Ввод};

// The controls of the help pages, the page on top first.
constexpr std::array kPageControls{Автор, Закрыть, Далеее, Далее};

}  // namespace

bool inSight(const WindowState& state, Id id) {
  if (!state.shownOnScreen(id)) return false;
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
  const bool onOrUnderPages = containerOf(focused) || state.shownOnScreen(focused);
  if (onOrUnderPages) {
    if (const auto control = helpControlInSight(state)) return *control;
  }
  if (beforeHelp && inSight(state, *beforeHelp)) return *beforeHelp;
  if (focused == aaa && inSight(state, aaaa)) return aaaa;
  return enterButtonInSight(state);
}

}  // namespace ringcoil
