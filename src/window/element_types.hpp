// The vocabulary of the window's element table: kinds, rectangles, fonts and
// the display settings an element may carry.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace ringcoil {

// Twips are 1/1440 inch; at 96 dots per inch 15 twips make one pixel.
inline constexpr int kTwipsPerPixel = 15;

enum class Kind : std::uint8_t {
  PushButton,  // windowed
  TextBox,     // windowed
  PictureBox,  // windowed, a container
  Label,       // lightweight
  Image,       // lightweight, never shown here
  Line,        // lightweight, takes no mouse events
  Timer,       // not drawn
};

constexpr bool isWindowed(Kind k) {
  return k == Kind::PushButton || k == Kind::TextBox || k == Kind::PictureBox;
}

// Left, top, width, height in twips, relative to the container's inner area.
struct TwipRect {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
};

// Both end points in twips; the width is in pixels.
struct LineGeometry {
  int x1 = 0;
  int y1 = 0;
  int x2 = 0;
  int y2 = 0;
  int widthPx = 0;
};

struct Rgb {
  std::uint8_t r = 0;
  std::uint8_t g = 0;
  std::uint8_t b = 0;
  friend constexpr bool operator==(Rgb, Rgb) = default;
};

// Character sets a face is asked for: 204 Cyrillic, 0 Western, 2 Symbol (where
// "m" shows as mu and "w" as omega).
enum class Charset : std::uint8_t { Western = 0, Symbol = 2, Cyrillic = 204 };

// Every font of the window is bold (weight 700).
struct FontDef {
  std::string_view face{};
  double points = 0;
  bool italic = false;
  bool underline = false;
  Charset charset = Charset::Cyrillic;
  int weight = 700;
};

enum class Align : std::uint8_t { Left, Center, Right };

enum class Border : std::uint8_t {
  None,
  Single,  // a label's single-line border
  Sunken,  // a picture box's standard 2-pixel sunken frame
};

// Pointer shown while the mouse is over an element.
enum class Pointer : std::uint8_t {
  Standard,  // the platform's arrow
  Icon,      // the platform's icon pointer: a small square within a square
  Help,      // the title's own one-bit help pointer, hot spot (2, 2)
  RedArrow,  // the 16-colour red arrow of the two computable names, hot spot (0, 0)
};

// What an assistive tool's press on an element does (Form1::press).
enum class Press : std::uint8_t {
  None,
  Click,       // a push button's click, while it is in sight
  ChooseMode,  // a computable name: choose the calculation it names
  OpenHelp,    // the title: open the help
  CloseHelp,   // the author page: close the help
};

// What a picture box shows.
enum class Picture : std::uint8_t {
  None,
  Animation,  // the animation frame the state names (WindowState::picture1Frame)
  Page1,
  Page2,
  Page3,
  Author,
};

// What an element is to assistive tools where its kind says too little.
enum class Role : std::uint8_t {
  OfItsKind,  // a button, a pane, an editable text, a static text
  Graphic,    // a picture that holds no text
};

// One element as the window is created. Fields an element does not use keep
// their defaults: no colour, no tooltip, no tab stop.
struct ElementDef {
  std::string_view name{};
  int index = -1;  // member index within an element array; -1 for a plain element
  Kind kind = Kind::Label;
  std::string_view container{};  // empty: the window itself
  TwipRect rect{};
  LineGeometry line{};
  std::string_view caption{};  // caption of a label or button, text of the text box
  bool visible = true;
  std::optional<FontDef> font{};  // empty: the window's font
  std::optional<Rgb> foreColor{};
  std::optional<Rgb> backColor{};
  bool opaque = false;  // labels: fill the rectangle with backColor
  Border border = Border::None;
  Align align = Align::Left;
  bool autoSize = false;
  bool wordWrap = false;
  Pointer pointer = Pointer::Standard;
  std::string_view tooltip{};
  int tabIndex = -1;  // -1: takes no keyboard focus
  int intervalMs = 0;  // a timer: milliseconds between ticks
  Picture picture = Picture::None;
  // For assistive tools: the name where the caption says too little, the
  // role where the kind says too little, what a label means beyond its
  // caption; what a press does beyond a push button's click; whether the
  // element moves the dialogue on (its press changes the hint, so the hint
  // and the answer are its description).
  std::string_view accessibleName{};
  Role role = Role::OfItsKind;
  std::string_view description{};
  Press press = Press::None;
  bool movesDialogueOn = false;
};

// What a press on the element does: a push button's click, or its own.
constexpr Press pressOf(const ElementDef& d) {
  return d.kind == Kind::PushButton ? Press::Click : d.press;
}

}  // namespace ringcoil
