#pragma once

#include <QColor>
#include <QImage>

#include "text_layout.hpp"

namespace artwork {

// Shades of a ground with embossed lettering: the plain ground, and the lit
// and shaded edges of the letters.
struct GroundShades {
  QColor base;
  QColor light;
  QColor dark;
};

// A `size` picture covered with one tile of faint, slanted, embossed lettering
// repeated seamlessly from the top-left corner.
QImage letteringGround(QSize size, const GroundShades& shades, const FontFiles& fonts);

}  // namespace artwork
