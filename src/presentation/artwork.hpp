// Every picture the window shows, decoded once when the window is built.
#pragma once

#include <QCursor>
#include <QIcon>
#include <QPixmap>
#include <array>

#include "window/element_types.hpp"
#include "window/elements.hpp"

namespace ringcoil {

struct Artwork {
  QPixmap wall;                               // the window's background, 486 × 325
  std::array<QPixmap, kFrameCount> frames;    // the Image1 members, 100 × 34 each
  QPixmap page1, page2, page3, author;        // help pages, 338 × 251 each
  QIcon icon;
  QCursor helpPointer, redArrowPointer, iconPointer;

  static Artwork load();

  // The pointer over an element (or the window's surface) with this setting.
  QCursor cursorFor(Pointer pointer) const;
};

}  // namespace ringcoil
