#include "pixel_mask.hpp"

namespace artwork {

PixelMask::PixelMask(const QPainterPath& shape, QSize size)
    : size_(size), bits_(std::size_t(size.width()) * std::size_t(size.height()), false) {
  const QRectF bounds = shape.boundingRect();
  for (int y = 0; y < size.height(); ++y) {
    for (int x = 0; x < size.width(); ++x) {
      const QPointF centre(x + 0.5, y + 0.5);
      if (bounds.contains(centre) && shape.contains(centre)) {
        bits_[std::size_t(y) * std::size_t(size.width()) + std::size_t(x)] = true;
      }
    }
  }
}

}  // namespace artwork
