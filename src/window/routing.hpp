// Which element an event reaches, and which operation it starts.
#pragma once

#include <optional>
#include <string_view>

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

inline constexpr int kClientWidthPx = 485;
inline constexpr int kClientHeightPx = 325;

// Twips to whole pixels, rounded to the nearest (338 twips are 23 pixels).
constexpr int twipsToPixels(int twips) {
  return (twips >= 0 ? twips + kTwipsPerPixel / 2 : twips - kTwipsPerPixel / 2) / kTwipsPerPixel;
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

enum class Event : std::uint8_t { Load, Click, MouseMove, Timer };

// Every operation an event can start.
enum class Operation : std::uint8_t {
  Form_Load,
  Form_MouseMove,
  aa_Click,
  aaa_Click,
  aaa_MouseMove,
  aaaa_Click,
  Ввод_Click,
  Command2_Click,
  Command3_Click,
  Command4_Click,
  Command5_Click,
  Command6_Click,
  Command1_Click,
  Q5_Click,
  Q6_Click,
  Q5_MouseMove,
  Q6_MouseMove,
  Виток_MouseMove,
  Индукт_MouseMove,
  Глава_Click,
  Далее_Click,
  Далеее_Click,
  Закрыть_Click,
  Автор_Click,
  Timer1_Timer,
};

// The operation that `event` on `target` starts (nullopt target: the window
// itself), or nullopt where the event is ignored.
std::optional<Operation> operationFor(std::optional<Id> target, Event event);

std::string_view operationName(Operation op);

}  // namespace ringcoil
