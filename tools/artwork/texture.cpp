#include "texture.hpp"

#include <QPainter>
#include <QTransform>

namespace artwork {
namespace {

constexpr int kTileWidth = 125;
constexpr int kTileHeight = 82;
constexpr qreal kSlantDegrees = -22;
const QString kWord = QStringLiteral("ФЕРРИТ");

// The word centred in the tile and turned uphill.
QPainterPath tileWord(const FontFiles& fonts) {
  const Face face(fonts.serifBoldItalic, 27);
  const QPainterPath flat = face.path(kWord, {0, 0});
  const QPointF middle = flat.boundingRect().center();
  QTransform turn;
  turn.translate(kTileWidth / 2.0, kTileHeight / 2.0);
  turn.rotate(kSlantDegrees);
  turn.translate(-middle.x(), -middle.y());
  return turn.map(flat);
}

QImage tile(const GroundShades& shades, const FontFiles& fonts) {
  QImage image(kTileWidth, kTileHeight, QImage::Format_RGB32);
  image.fill(shades.base);
  const QPainterPath word = tileWord(fonts);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  // Draw the word and its neighbours' overhanging parts so the tile joins up.
  for (int dy = -kTileHeight; dy <= kTileHeight; dy += kTileHeight) {
    for (int dx = -kTileWidth; dx <= kTileWidth; dx += kTileWidth) {
      const QPainterPath copy = word.translated(dx, dy);
      painter.fillPath(copy.translated(-1, -1), shades.light);
      painter.fillPath(copy.translated(1, 1), shades.dark);
      painter.fillPath(copy, shades.base);
    }
  }
  return image;
}

}  // namespace

QImage letteringGround(QSize size, const GroundShades& shades, const FontFiles& fonts) {
  const QImage pattern = tile(shades, fonts);
  QImage image(size, QImage::Format_RGB32);
  for (int y = 0; y < size.height(); ++y) {
    for (int x = 0; x < size.width(); ++x) {
      image.setPixel(x, y, pattern.pixel(x % kTileWidth, y % kTileHeight));
    }
  }
  return image;
}

}  // namespace artwork
