#pragma once

// What the help pages and the author page share: their size, the part of
// them that is always seen, and their grounds.

#include <QColor>
#include <QSize>

#include "texture.hpp"

namespace artwork {

inline constexpr QSize kPageSize{338, 251};
// Every line of text stays inside this top-left part of a page; the rest may
// be hidden by the frame of the box that shows the page.
inline constexpr int kTextAreaWidth = 331;
inline constexpr int kTextAreaHeight = 240;

inline const GroundShades kDarkGround{QColor(76, 76, 76), QColor(82, 82, 82), QColor(68, 68, 70)};
inline const GroundShades kLightGround{QColor(205, 205, 205), QColor(216, 216, 216),
                                       QColor(191, 191, 193)};

}  // namespace artwork
