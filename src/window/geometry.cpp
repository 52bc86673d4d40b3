#include "window/geometry.hpp"

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

}  // namespace

std::optional<Id> elementAt(const WindowState& state, int x, int y) {
  return childAt(state, std::nullopt, 0, 0, x, y);
}

}  // namespace ringcoil
