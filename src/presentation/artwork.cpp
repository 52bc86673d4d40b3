#include "presentation/artwork.hpp"

namespace ringcoil {

namespace {

QPixmap picture(const char* name) { return QPixmap(QString::fromLatin1(name)); }

}  // namespace

Artwork Artwork::load() {
  Artwork a;
  a.wall = picture(":/pictures/wall.png");
  // The frames are stored as one strip, frame i at rows 34·i to 34·i + 33.
  const QPixmap strip = picture(":/pictures/frames.png");
  constexpr int kFrameWidth = 100;
  constexpr int kFrameHeight = 34;
  for (int i = 0; i < kFrameCount; ++i) {
    a.frames[static_cast<std::size_t>(i)] = strip.copy(0, i * kFrameHeight, kFrameWidth, kFrameHeight);
  }
  a.page1 = picture(":/pictures/page1.png");
  a.page2 = picture(":/pictures/page2.png");
  a.page3 = picture(":/pictures/page3.png");
  a.author = picture(":/pictures/author.png");
  for (int size : {16, 24, 32, 48, 64, 128, 256}) {
    a.icon.addFile(QStringLiteral(":/icons/icon-%1.png").arg(size), QSize(size, size));
  }
  a.helpPointer = QCursor(picture(":/pointers/cursor-help.png"), 2, 2);
  a.redArrowPointer = QCursor(picture(":/pointers/cursor-arrow.png"), 0, 0);
  a.iconPointer = QCursor(picture(":/pointers/cursor-icon.png"), 15, 15);
  return a;
}

QCursor Artwork::cursorFor(Pointer pointer) const {
  switch (pointer) {
    case Pointer::Help: return helpPointer;
    case Pointer::RedArrow: return redArrowPointer;
    case Pointer::Icon: return iconPointer;
    case Pointer::Standard: break;
  }
  return QCursor(Qt::ArrowCursor);
}

}  // namespace ringcoil
