// The window and program icon: three horizontal stripes, white, blue and red,
// with a transparent row between them, and a dark green capital К over them.
// The design is laid out on a 32-pixel grid and scaled to each size, so that
// every size is drawn sharp rather than resampled.

#include <QPainterPathStroker>
#include <QPolygonF>
#include <QTransform>
#include <cmath>

#include "artwork.hpp"
#include "pixel_mask.hpp"

namespace artwork {
namespace {

constexpr double kGrid = 32;
constexpr QRgb kWhite = qRgb(255, 255, 255);
constexpr QRgb kBlue = qRgb(0, 0, 255);
constexpr QRgb kRed = qRgb(255, 0, 0);
constexpr QRgb kLetter = qRgb(0, 64, 0);
constexpr QRgb kClear = qRgba(0, 0, 0, 0);

int scaled(double grid, double scale) {
  return int(std::floor(grid * scale + 0.5));
}

// The letter on the 32 grid: a stem three columns wide, an arm rising from
// its foot of the middle to the top right, and a leg branching off the arm
// down to the bottom right, both 3.5 columns wide per row. Together they fill
// rows 5 to 27 and columns 6 to 25.
QPainterPath letterKa() {
  QPainterPath stem;
  stem.addRect(QRectF(6, 5, 3, 23));
  QPainterPath arm;
  arm.addPolygon(QPolygonF({{8, 19}, {11.5, 19}, {26, 5}, {22.5, 5}}));
  QPainterPath leg;
  leg.addPolygon(QPolygonF({{12.5, 14}, {16, 14}, {26, 28}, {22.5, 28}}));
  return stem.united(arm).united(leg);
}

}  // namespace

QImage drawIcon(int size) {
  const double scale = size / kGrid;
  // Stripe boundaries: white ends at 10, blue spans 11..20, red 22..31 on the
  // grid; the gaps stay at least one pixel high.
  const int gap = std::max(1, scaled(1, scale));
  const int whiteEnd = scaled(10, scale);
  const int blueStart = whiteEnd + gap;
  const int blueEnd = scaled(21, scale);
  const int redStart = blueEnd + gap;

  QPainterPath ka = QTransform::fromScale(scale, scale).map(letterKa());
  if (scale < 1) {
    // Below the 32 grid, thicken the strokes so they stay joined and at
    // least a pixel wide everywhere.
    QPainterPathStroker thicken;
    thicken.setWidth(1.6 * (1 - scale));
    thicken.setJoinStyle(Qt::MiterJoin);
    ka = ka.united(thicken.createStroke(ka));
  }
  const PixelMask letter(ka, {size, size});

  QImage icon(size, size, QImage::Format_ARGB32);
  for (int y = 0; y < size; ++y) {
    QRgb stripe = kClear;
    if (y < whiteEnd) {
      stripe = kWhite;
    } else if (y >= blueStart && y < blueEnd) {
      stripe = kBlue;
    } else if (y >= redStart) {
      stripe = kRed;
    }
    for (int x = 0; x < size; ++x) icon.setPixel(x, y, letter.covers(x, y) ? kLetter : stripe);
  }
  return icon;
}

}  // namespace artwork
