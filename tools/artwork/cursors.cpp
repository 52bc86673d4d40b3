// The pointer pictures, drawn pixel by pixel from character maps.

#include <array>
#include <string_view>

#include "artwork.hpp"

namespace artwork {
namespace {

constexpr int kSize = 32;

// clang-format off
// The arrow: 'o' outline, '#' body, anything else left transparent.
constexpr std::array<std::string_view, 19> kArrow{
    "o",
    "oo",
    "o#o",
    "o##o",
    "o###o",
    "o####o",
    "o#####o",
    "o######o",
    "o#######o",
    "o########o",
    "o#####ooooo",
    "o##o##o",
    "o#o o##o",
    "oo  o##o",
    "o    o##o",
    "     o##o",
    "      o##o",
    "      o##o",
    "       oo",
};

// A bold question mark: '#' ink.
constexpr std::array<std::string_view, 13> kQuestionMark{
    "  ####",
    " ######",
    "###  ###",
    "##    ##",
    "      ##",
    "     ###",
    "    ###",
    "   ###",
    "   ##",
    "   ##",
    "",
    "   ##",
    "   ##",
};

// The window's own pointer: a small square within a square, black on a white
// halo so that it shows on the dark wall; 'o' black, '#' white.
constexpr std::array<std::string_view, 13> kSquares{
    "#############",
    "#ooooooooooo#",
    "#o#########o#",
    "#o#       #o#",
    "#o# ##### #o#",
    "#o# #ooo# #o#",
    "#o# #ooo# #o#",
    "#o# #ooo# #o#",
    "#o# ##### #o#",
    "#o#       #o#",
    "#o#########o#",
    "#ooooooooooo#",
    "#############",
};
// clang-format on

template <std::size_t N>
void stamp(QImage& image, const std::array<std::string_view, N>& rows, int left, int top,
           QRgb outline, QRgb body) {
  for (std::size_t y = 0; y < N; ++y) {
    for (std::size_t x = 0; x < rows[y].size(); ++x) {
      const char c = rows[y][x];
      if (c == 'o') image.setPixel(left + int(x), top + int(y), outline);
      if (c == '#') image.setPixel(left + int(x), top + int(y), body);
    }
  }
}

QImage clearPicture() {
  QImage image(kSize, kSize, QImage::Format_ARGB32);
  image.fill(qRgba(0, 0, 0, 0));
  return image;
}

}  // namespace

QImage drawHelpPointer() {
  QImage image = clearPicture();
  stamp(image, kArrow, 2, 2, qRgb(0, 0, 0), qRgb(255, 255, 255));
  stamp(image, kQuestionMark, 15, 3, qRgb(0, 0, 0), qRgb(0, 0, 0));
  return image;
}

QImage drawRedArrow() {
  QImage image = clearPicture();
  stamp(image, kArrow, 0, 0, qRgb(255, 255, 255), qRgb(255, 0, 0));
  return image;
}

QImage drawIconPointer() {
  QImage image = clearPicture();
  stamp(image, kSquares, 9, 9, qRgb(0, 0, 0), qRgb(255, 255, 255));
  return image;
}

}  // namespace artwork
