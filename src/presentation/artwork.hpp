// Every picture the window shows, decoded once when the window is built.
#pragma once

#include <QCursor>
#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QString>
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

// One of the window's pictures as the program embeds it ("wall", "frames",
// "page1", "page2", "page3", "author"); a null image if there is none.
QImage embeddedPicture(const QString& name);

}  // namespace ringcoil
