#include "presentation/widgets/artwork.hpp"

#include <QResource>
#include <QSysInfo>
#include <QtEndian>
#include <optional>

namespace ringcoil {

namespace {

// The pictures are embedded as raw pixels behind a 12-byte header ("RCPX"
// opaque or "RCPA" with transparency, then width and height, little-endian),
// made at build time from the PNG files by tools/rawpix. Those shown at start
// are stored uncompressed; the help pages are compressed.
struct RawPicture {
  const uchar* pixels;  // width × height little-endian 0xAARRGGBB words
  int width;
  int height;
  QImage::Format format;
  QByteArray unpacked;  // holds the pixels of a compressed picture
};

std::optional<RawPicture> rawPicture(const QString& name) {
  const QResource resource(QStringLiteral(":/pictures/%1.rgb32").arg(name));
  if (!resource.isValid()) return {};
  RawPicture raw{};
  QByteArrayView data;
  if (resource.compressionAlgorithm() == QResource::NoCompression) {
    data = QByteArrayView(resource.data(), resource.size());
  } else {
    raw.unpacked = resource.uncompressedData();
    data = raw.unpacked;
  }
  constexpr qsizetype kHeader = 12;
  constexpr quint32 kLargest = 4096;
  if (data.size() < kHeader) return {};
  const QByteArrayView tag = data.first(4);
  if (tag != "RCPX" && tag != "RCPA") return {};
  const quint32 width = qFromLittleEndian<quint32>(data.data() + 4);
  const quint32 height = qFromLittleEndian<quint32>(data.data() + 8);
  if (width == 0 || height == 0 || width > kLargest || height > kLargest ||
      data.size() != kHeader + qsizetype(width) * height * 4) {
    return {};
  }
  raw.pixels = reinterpret_cast<const uchar*>(data.data() + kHeader);
  raw.width = static_cast<int>(width);
  raw.height = static_cast<int>(height);
  raw.format = tag == "RCPX" ? QImage::Format_RGB32 : QImage::Format_ARGB32;
  return raw;
}

// `height` rows of the picture from `firstRow` on. Stored uncompressed on a
// little-endian machine, the embedded words are already those of a 32-bit
// image, which is then made over the embedded bytes themselves: nothing is
// decoded or copied, and the picture costs nothing until it is drawn. The
// image is read-only; the bytes live as long as the program. Otherwise the
// pixels are copied into an image of their own.
QImage rows(const RawPicture& raw, int firstRow, int height) {
  const qsizetype rowBytes = qsizetype(raw.width) * 4;
  const uchar* pixels = raw.pixels + firstRow * rowBytes;
  if (raw.unpacked.isNull() && QSysInfo::ByteOrder == QSysInfo::LittleEndian &&
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

QPixmap embeddedPixmap(const QString& name) {
  return QPixmap::fromImage(embeddedPicture(name));
}

QCursor embeddedCursor(const QString& name, int hotX, int hotY) {
  return QCursor(embeddedPixmap(name), hotX, hotY);
}

}  // namespace

struct DeferredPicture::State {
  QString name;
  std::optional<QPixmap> pixmap;
};

DeferredPicture::DeferredPicture(QString name)
    : state_(std::make_shared<State>(State{std::move(name), {}})) {}

const QPixmap& DeferredPicture::pixmap() const {
  static const QPixmap none;
  if (!state_) return none;
  if (!state_->pixmap) state_->pixmap = embeddedPixmap(state_->name);
  return *state_->pixmap;
}

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
      a.frames[static_cast<std::size_t>(i)] =
          QPixmap::fromImage(rows(*strip, i * kFrameHeight, kFrameHeight));
    }
  }
  a.page1 = DeferredPicture(QStringLiteral("page1"));
  a.page2 = DeferredPicture(QStringLiteral("page2"));
  a.page3 = DeferredPicture(QStringLiteral("page3"));
  a.author = DeferredPicture(QStringLiteral("author"));
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
    case Pointer::Help:
      return helpPointer;
    case Pointer::RedArrow:
      return redArrowPointer;
    case Pointer::Icon:
      return iconPointer;
    case Pointer::Standard:
      break;
  }
  return QCursor(Qt::ArrowCursor);
}

}  // namespace ringcoil
