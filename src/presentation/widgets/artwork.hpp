// Every picture the window shows, made ready when the window is built.
#pragma once

#include <QCursor>
#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QString>
#include <array>
#include <memory>

#include "window/element_types.hpp"
#include "window/elements.hpp"

namespace ringcoil {

// A picture unpacked the first time it is drawn. The help pages are stored
// compressed, as most starts of the program never show them; copies share
// the picture, which is unpacked once and then kept.
class DeferredPicture {
 public:
  DeferredPicture() = default;
  explicit DeferredPicture(QString name);

  bool isNull() const { return !state_; }
  const QPixmap& pixmap() const;

 private:
  struct State;
  std::shared_ptr<State> state_;
};

struct Artwork {
  QPixmap wall;                               // the window's background, 486 × 325
  std::array<QPixmap, kFrameCount> frames;    // the Image1 members, 100 × 34 each
  DeferredPicture page1, page2, page3, author;  // help pages, 338 × 251 each
  QIcon icon;
  QCursor helpPointer, redArrowPointer, iconPointer;

  static Artwork load();

  // The pointer over an element (or the window's surface) with this setting.
  QCursor cursorFor(Pointer pointer) const;
};

// One of the window's pictures as the program embeds it ("wall", "frames",
// "page1", "page2", "page3", "author", "icon-16" to "icon-64", "cursor-help",
// "cursor-arrow", "cursor-icon"); a null image if there is none.
QImage embeddedPicture(const QString& name);

}  // namespace ringcoil
