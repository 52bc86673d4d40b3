#include "window/routing.hpp"

#include <array>

namespace ringcoil {

PixelRect pixelRect(Id id) {
  const TwipRect& r = def(id).rect;
  return {twipsToPixels(r.left), twipsToPixels(r.top), twipsToPixels(r.width),
          twipsToPixels(r.height)};
}

PixelRect clientRect(Id id) {
  PixelRect rect = pixelRect(id);
  for (auto c = containerOf(id); c; c = containerOf(*c)) {
    const PixelRect outer = pixelRect(*c);
    rect.x += outer.x + frameWidth(*c);
    rect.y += outer.y + frameWidth(*c);
  }
  return rect;
}

int frameWidth(Id id) { return def(id).border == Border::Sunken ? 2 : 0; }

bool takesMouse(Kind kind) { return kind != Kind::Line && kind != Kind::Timer; }

namespace {

// Hit test among the children of `container` (nullopt: the window), whose
// inner area starts at client pixel (originX, originY). The point is known to
// lie inside that inner area.
std::optional<Id> childAt(const WindowState& state, std::optional<Id> container, int originX,
                          int originY, int x, int y) {
  const std::string_view containerName = container ? def(*container).name : std::string_view{};
  // Windowed elements lie in front of all lightweight ones; within each group
  // the table order is the stacking order, front-most first.
  for (const bool windowed : {true, false}) {
    for (std::size_t i = 0; i < kElementCount; ++i) {
      const ElementDef& d = kElements[i];
      if (d.container != containerName || isWindowed(d.kind) != windowed) continue;
      const Id id = static_cast<Id>(i);
      if (!takesMouse(d.kind) || !state.visible(id)) continue;
      const PixelRect r = pixelRect(id);
      const int left = originX + r.x;
      const int top = originY + r.y;
      if (!PixelRect{left, top, r.width, r.height}.contains(x, y)) continue;
      if (d.kind == Kind::PictureBox) {
        const int frame = frameWidth(id);
        const PixelRect inner{left + frame, top + frame, r.width - 2 * frame, r.height - 2 * frame};
        if (inner.contains(x, y)) {
          if (auto child = childAt(state, id, inner.x, inner.y, x, y)) return child;
        }
      }
      return id;
    }
  }
  return container;
}

struct Route {
  std::string_view element;  // "Form1" for the window; an array name for every member
  Event event;
  Operation operation;
};

constexpr std::string_view kFormName = "Form1";

constexpr std::array kRoutes = std::to_array<Route>({
    {kFormName, Event::Load, Operation::Form_Load},
    {kFormName, Event::MouseMove, Operation::Form_MouseMove},
    {"aa", Event::Click, Operation::aa_Click},
    {"aaa", Event::Click, Operation::aaa_Click},
    {"aaa", Event::MouseMove, Operation::aaa_MouseMove},
    {"aaaa", Event::Click, Operation::aaaa_Click},
    {"Ввод", Event::Click, Operation::Ввод_Click},
    {"Command2", Event::Click, Operation::Command2_Click},
    {"Command3", Event::Click, Operation::Command3_Click},
    {"Command4", Event::Click, Operation::Command4_Click},
    {"Command5", Event::Click, Operation::Command5_Click},
    {"Command6", Event::Click, Operation::Command6_Click},
    {"Command1", Event::Click, Operation::Command1_Click},
    {"Q5", Event::Click, Operation::Q5_Click},
    {"Q6", Event::Click, Operation::Q6_Click},
    {"Q5", Event::MouseMove, Operation::Q5_MouseMove},
    {"Q6", Event::MouseMove, Operation::Q6_MouseMove},
    {"Виток", Event::MouseMove, Operation::Виток_MouseMove},
    {"Индукт", Event::MouseMove, Operation::Индукт_MouseMove},
    {"Глава", Event::Click, Operation::Глава_Click},
    {"Далее", Event::Click, Operation::Далее_Click},
    {"Далеее", Event::Click, Operation::Далеее_Click},
    {"Закрыть", Event::Click, Operation::Закрыть_Click},
    {"Автор", Event::Click, Operation::Автор_Click},
    {"Timer1", Event::Timer, Operation::Timer1_Timer},
});

constexpr std::array kOperationNames = std::to_array<std::string_view>({
    "Form_Load",      "Form_MouseMove", "aa_Click",        "aaa_Click",      "aaa_MouseMove",
    "aaaa_Click",     "Ввод_Click",     "Command2_Click",  "Command3_Click", "Command4_Click",
    "Command5_Click", "Command6_Click", "Command1_Click",   "Q5_Click",       "Q6_Click",
    "Q5_MouseMove",   "Q6_MouseMove",   "Виток_MouseMove", "Индукт_MouseMove", "Глава_Click",
    "Далее_Click",    "Далеее_Click",   "Закрыть_Click",   "Автор_Click",    "Timer1_Timer",
});
static_assert(kOperationNames.size() == static_cast<std::size_t>(Operation::Timer1_Timer) + 1);

}  // namespace

std::optional<Id> elementAt(const WindowState& state, int x, int y) {
  return childAt(state, std::nullopt, 0, 0, x, y);
}

std::optional<Operation> operationFor(std::optional<Id> target, Event event) {
  const std::string_view name = target ? def(*target).name : kFormName;
  for (const Route& route : kRoutes) {
    if (route.element == name && route.event == event) return route.operation;
  }
  return std::nullopt;
}

std::string_view operationName(Operation op) { return kOperationNames[static_cast<std::size_t>(op)]; }

}  // namespace ringcoil
