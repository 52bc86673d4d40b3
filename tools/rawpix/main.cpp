// ringcoil-rawpix IN.png OUT.rgb32: turns a picture into the form the window
// shows without decoding: a 12-byte header ("RCPX" for an opaque picture,
// "RCPA" for one with transparency, then width and height as little-endian
// 32-bit numbers) and the pixels as 32-bit 0xAARRGGBB words (alpha 0xff in
// an opaque one, colours not premultiplied), row by row. The program stores
// it uncompressed and draws straight from the embedded bytes. Runs at build
// time; the committed pictures stay PNG.
#include <QFile>
#include <QImage>
#include <QtEndian>
#include <cstdio>

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: ringcoil-rawpix IN.png OUT.rgb32\n");
    return 2;
  }
  const QImage read(QString::fromLocal8Bit(argv[1]));
  if (read.isNull()) {
    std::fprintf(stderr, "ringcoil-rawpix: cannot read %s\n", argv[1]);
    return 1;
  }
  const bool alpha = read.hasAlphaChannel();
  const QImage image = read.convertToFormat(alpha ? QImage::Format_ARGB32 : QImage::Format_RGB32);
  QFile out(QString::fromLocal8Bit(argv[2]));
  if (!out.open(QIODevice::WriteOnly)) {
    std::fprintf(stderr, "ringcoil-rawpix: cannot write %s\n", argv[2]);
    return 1;
  }
  char header[12] = {'R', 'C', 'P', alpha ? 'A' : 'X'};
  qToLittleEndian<quint32>(static_cast<quint32>(image.width()), header + 4);
  qToLittleEndian<quint32>(static_cast<quint32>(image.height()), header + 8);
  out.write(header, sizeof header);
  for (int y = 0; y < image.height(); ++y) {
    const auto* row = reinterpret_cast<const uchar*>(image.constScanLine(y));
    for (int x = 0; x < image.width(); ++x) {
      char pixel[4];
      qToLittleEndian<quint32>(reinterpret_cast<const QRgb*>(row)[x], pixel);
      out.write(pixel, 4);
    }
  }
  return out.flush() ? 0 : 1;
}
