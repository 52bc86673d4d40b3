#pragma once

#include <QPainterPath>
#include <QSize>
#include <vector>

namespace artwork {

// Crisp coverage of a shape: a pixel belongs to it when the shape contains the
// pixel's centre. Used wherever a picture must have no blended edge pixels.
class PixelMask {
 public:
  PixelMask(const QPainterPath& shape, QSize size);

  QSize size() const { return size_; }
  bool covers(int x, int y) const {
    return x >= 0 && y >= 0 && x < size_.width() && y < size_.height() &&
           bits_[std::size_t(y) * std::size_t(size_.width()) + std::size_t(x)];
  }

 private:
  QSize size_;
  std::vector<bool> bits_;
};

}  // namespace artwork
