#include "presentation/artwork.hpp"

#include <QResource>
#include <QtEndian>

namespace ringcoil {

namespace {

QPixmap picture(const char* name) { return QPixmap(QString::fromLatin1(name)); }

QPixmap embeddedPixmap(const char* name) {
  return QPixmap::fromImage(embeddedPicture(QString::fromLatin1(name)));
}

}  // namespace

// The pictures are embedded as raw pixels behind a 12-byte header ("RCPX",
// width, height, little-endian), made at build time from the PNG files: the
// resource system unpacks them much faster than a PNG decodes.
QImage embeddedPicture(const QString& name) {
  const QResource resource(QStringLiteral(":/pictures/%1.rgb32").arg(name));
  const QByteArray data = resource.uncompressedData();
  constexpr qsizetype kHeader = 12;
  if (data.size() < kHeader || !data.startsWith("RCPX")) return {};
  const int width = static_cast<int>(qFromLittleEndian<quint32>(data.constData() + 4));
  const int height = static_cast<int>(qFromLittleEndian<quint32>(data.constData() + 8));
  QImage image(width, height, QImage::Format_RGB32);
  if (image.isNull() || data.size() != kHeader + image.sizeInBytes()) return {};
  const char* pixels = data.constData() + kHeader;
  const qsizetype rowBytes = qsizetype(width) * 4;
  for (int y = 0; y < height; ++y, pixels += rowBytes) {
    // A row is stored as the little-endian words a 32-bit image holds.
    qFromLittleEndian<quint32>(pixels, width, image.scanLine(y));
  }
  return image;
}

Artwork Artwork::load() {
  Artwork a;
  a.wall = embeddedPixmap("wall");
  // The frames are stored as one strip, frame i at rows 34·i to 34·i + 33.
  const QPixmap strip = embeddedPixmap("frames");
  constexpr int kFrameWidth = 100;
  constexpr int kFrameHeight = 34;
  for (int i = 0; i < kFrameCount; ++i) {
    a.frames[static_cast<std::size_t>(i)] = strip.copy(0, i * kFrameHeight, kFrameWidth, kFrameHeight);
  }
  a.page1 = embeddedPixmap("page1");
  a.page2 = embeddedPixmap("page2");
  a.page3 = embeddedPixmap("page3");
  a.author = embeddedPixmap("author");
  // The title bar and the task switcher need no more than 64 pixels, even at
  // twice the density; the larger sizes are installed for the desktop's menu.
  for (int size : {16, 24, 32, 48, 64}) {
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
