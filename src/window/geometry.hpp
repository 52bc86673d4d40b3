// Where elements lie in pixels, and which element a mouse event at a pixel
// reaches.
#pragma once

#include <optional>

#include "window/window_state.hpp"

namespace ringcoil {

// A rectangle in pixels.
struct PixelRect {
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;
  constexpr bool contains(int px, int py) const {
    return px >= x && py >= y && px < x + width && py < y + height;
  }
  friend constexpr bool operator==(PixelRect, PixelRect) = default;
};

// Twips to whole pixels, rounded to the nearest (338 twips are 23 pixels).
constexpr int twipsToPixels(int twips) {
  return (twips >= 0 ? twips + kTwipsPerPixel / 2 : twips - kTwipsPerPixel / 2) / kTwipsPerPixel;
}

// The window's client area: 485 × 325 pixels.
inline constexpr int kClientWidthPx = twipsToPixels(kForm.clientWidth);
inline constexpr int kClientHeightPx = twipsToPixels(kForm.clientHeight);

// Whether two rectangles share a pixel.
constexpr bool overlap(PixelRect a, PixelRect b) {
  return a.x < b.x + b.width && b.x < a.x + a.width && a.y < b.y + b.height && b.y < a.y + a.height;
}

// The element's rectangle in pixels, relative to its container's inner area.
PixelRect pixelRect(Id id);

// The element's rectangle in pixels, relative to the window's client area
// (before any clipping by its containers).
PixelRect clientRect(Id id);

// Width of a picture box's frame in pixels: children sit inside it.
int frameWidth(Id id);

// Whether an element of this kind takes mouse events at all; lines and the
// timer never do.
bool takesMouse(Kind kind);

// The element a mouse event at client pixel (x, y) reaches: the front-most
// shown element there that takes mouse events, windowed elements before
// lightweight ones, children of a picture box only inside its inner area.
// nullopt: the window's own surface. Points outside the client area are the
// caller's to reject (see insideClient).
std::optional<Id> elementAt(const WindowState& state, int x, int y);

constexpr bool insideClient(int x, int y) {
  return x >= 0 && y >= 0 && x < kClientWidthPx && y < kClientHeightPx;
}

}  // namespace ringcoil
