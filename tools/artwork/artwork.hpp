#pragma once

// The pictures of the window, each drawn from scratch by one function.

#include <QImage>

#include "text_layout.hpp"

namespace artwork {

// Background of the window: framed brick wall, 486 x 325, red shades only.
QImage drawWall();

// Window and program icon, `size` x `size`, with transparency.
QImage drawIcon(int size);

// 32 x 32 pointer pictures with transparency.
QImage drawHelpPointer();  // hot spot (2, 2)
QImage drawRedArrow();     // hot spot (0, 0)
QImage drawIconPointer();  // hot spot (15, 15), the centre of the squares

// The help pages and the author page, 338 x 251 each.
QImage drawHelpPage1(const FontFiles& fonts);
QImage drawHelpPage2(const FontFiles& fonts);
QImage drawHelpPage3(const FontFiles& fonts);
QImage drawAuthorPage(const FontFiles& fonts);

// All animation frames cut from `wall`, stacked top to bottom in one strip.
QImage drawFrameStrip(const QImage& wall, const FontFiles& fonts);

}  // namespace artwork
