#include "presentation/artwork.hpp"

#include <QResource>
#include <QSysInfo>
#include <QtEndian>
#include <optional>

namespace ringcoil {

namespace {

// The pictures are embedded uncompressed as raw pixels behind a 12-byte
// header ("RCPX" opaque or "RCPA" with transparency, then width and height,
// little-endian), made at build time from the PNG files by tools/rawpix.
struct RawPicture {
  const uchar* pixels;  // width × height little-endian 0xAARRGGBB words
  int width;
  int height;
  QImage::Format format;
};

std::optional<RawPicture> rawPicture(const QString& name) {
  const QResource resource(QStringLiteral(":/pictures/%1.rgb32").arg(name));
  constexpr qint64 kHeader = 12;
  constexpr quint32 kLargest = 4096;
  if (!resource.isValid() || resource.compressionAlgorithm() != QResource::NoCompression || resource.size() < kHeader) return {};
  const auto* data = reinterpret_cast<const char*>(resource.data());
  const QByteArrayView tag(data, 4);
  if (tag != "RCPX" && tag != "RCPA") return {};
  const quint32 width = qFromLittleEndian<quint32>(data + 4);
  const quint32 height = qFromLittleEndian<quint32>(data + 8);
  if (width == 0 || height == 0 || width > kLargest || height > kLargest ||
      resource.size() != kHeader + qint64(width) * height * 4) {
    return {};
  }
  return RawPicture{reinterpret_cast<const uchar*>(data + kHeader), static_cast<int>(width),
                    static_cast<int>(height), tag == "RCPX" ? QImage::Format_RGB32 : QImage::Format_ARGB32};
}

// `height` rows of the picture from `firstRow` on. On a little-endian machine
// the embedded words are already those of a 32-bit image, which is then made
// over the embedded bytes themselves: nothing is decoded or copied, and the
// picture costs nothing until it is drawn. The image is read-only; the bytes
// live as long as the program.
QImage rows(const RawPicture& raw, int firstRow, int height) {
  const qsizetype rowBytes = qsizetype(raw.width) * 4;
  const uchar* pixels = raw.pixels + firstRow * rowBytes;
  if (QSysInfo::ByteOrder == QSysInfo::LittleEndian &&
      reinterpret_cast<quintptr>(pixels) % alignof(quint32) == 0) {
    return QImage(pixels, raw.width, height, rowBytes, raw.format);
  }
  QImage image(raw.width, height, raw.format);
  if (image.isNull()) return {};
  for (int y = 0; y < height; ++y, pixels += rowBytes) {
    qFromLittleEndian<quint32>(pixels, raw.width, image.scanLine(y));
  }
  return image;
}

QPixmap embeddedPixmap(const QString& name) { return QPixmap::fromImage(embeddedPicture(name)); }

QCursor embeddedCursor(const QString& name, int hotX, int hotY) {
  return QCursor(embeddedPixmap(name), hotX, hotY);
}

}  // namespace

QImage embeddedPicture(const QString& name) {
  const auto raw = rawPicture(name);
  return raw ? rows(*raw, 0, raw->height) : QImage();
}

Artwork Artwork::load() {
  Artwork a;
  a.wall = embeddedPixmap(QStringLiteral("wall"));
  // The frames are stored as one strip, frame i at rows 34·i to 34·i + 33.
  constexpr int kFrameWidth = 100;
  constexpr int kFrameHeight = 34;
  if (const auto strip = rawPicture(QStringLiteral("frames"));
      strip && strip->width == kFrameWidth && strip->height == kFrameCount * kFrameHeight) {
    for (int i = 0; i < kFrameCount; ++i) {
      a.frames[static_cast<std::size_t>(i)] = QPixmap::fromImage(rows(*strip, i * kFrameHeight, kFrameHeight));
    }
  }
  a.page1 = embeddedPixmap(QStringLiteral("page1"));
  a.page2 = embeddedPixmap(QStringLiteral("page2"));
  a.page3 = embeddedPixmap(QStringLiteral("page3"));
  a.author = embeddedPixmap(QStringLiteral("author"));
  // The title bar and the task switcher need no more than 64 pixels, even at
  // twice the density; the larger sizes are installed for the desktop's menu.
  for (int size : {16, 24, 32, 48, 64}) {
    a.icon.addPixmap(embeddedPixmap(QStringLiteral("icon-%1").arg(size)));
  }
  a.helpPointer = embeddedCursor(QStringLiteral("cursor-help"), 2, 2);
  a.redArrowPointer = embeddedCursor(QStringLiteral("cursor-arrow"), 0, 0);
  a.iconPointer = embeddedCursor(QStringLiteral("cursor-icon"), 15, 15);
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
