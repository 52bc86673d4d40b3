// The window background: a red brick wall in running bond, set back into a
// bevelled frame that is lit from the lower left.

#include <algorithm>
#include <array>
#include <utility>

#include "artwork.hpp"

namespace artwork {
namespace {

constexpr int kWidth = 486;
constexpr int kHeight = 325;
// The window's inner area is one column narrower than the picture; the frame
// is laid out on the visible 485 columns and the last column repeats the one
// before it.
constexpr int kVisibleWidth = 485;

// Frame bands: width in pixels and shade of red.
struct Band {
  int width;
  int red;
};
constexpr Band kTop{11, 185};
constexpr Band kBottom{12, 234};
constexpr Band kLeft{10, 206};
constexpr Band kRight{9, 174};

// Bricks: one course is 9 rows of brick and 2 of joint; one brick 20 columns
// and 2 of joint; every other course is shifted by half a brick.
constexpr int kCoursePitch = 11;
constexpr int kBrickPitch = 22;
constexpr int kBrickRows = 9;
constexpr int kBrickColumns = 20;
constexpr int kFace = 162;
constexpr int kHighlight = 200;   // lit left and bottom edges of a brick
constexpr int kJointLit = 68;     // joint below and left of a brick
constexpr int kJointShaded = 46;  // joint above and right of a brick

// Inside the frame the wall is shaded by the frame's top, right and left.
constexpr int kTopShadowRows = 4;
constexpr int kRightShadowColumns = 2;
constexpr QRgb kBlack = qRgb(0, 0, 0);
constexpr QRgb kGrey = qRgb(93, 93, 93);

int brickRed(int x, int y) {
  const int course = y / kCoursePitch;
  const int row = y % kCoursePitch;
  const int column = (x + (course % 2) * (kBrickPitch / 2)) % kBrickPitch;
  const bool jointRow = row >= kBrickRows;
  const bool jointColumn = column >= kBrickColumns;
  if (jointRow || jointColumn) {
    const bool shaded = row == kBrickRows + 1 || column == kBrickColumns;
    return shaded ? kJointShaded : kJointLit;
  }
  const bool highlight = column == 0 || row == kBrickRows - 1;
  return highlight ? kHighlight : kFace;
}

// The frame band covering (x, y), if any. The bands meet in mitres running
// from the outer corners to the inner ones: each pixel goes to the band into
// which it reaches least deep, measured in that band's widths.
const Band* bandAt(int x, int y) {
  const double cx = x + 0.5;
  const double cy = y + 0.5;
  const std::array<std::pair<double, const Band*>, 4> depths{{
      {(kHeight - cy) / kBottom.width, &kBottom},
      {cx / kLeft.width, &kLeft},
      {cy / kTop.width, &kTop},
      {(kVisibleWidth - cx) / kRight.width, &kRight},
  }};
  const auto shallowest = std::min_element(
      depths.begin(), depths.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
  return shallowest->first < 1.0 ? shallowest->second : nullptr;
}

QRgb wallPixel(int x, int y) {
  if (const Band* band = bandAt(x, y)) return qRgb(band->red, 0, 0);
  const int innerLeft = kLeft.width;
  const int innerRight = kVisibleWidth - kRight.width;  // first column of the right band
  if (y < kTop.width + kTopShadowRows) return kBlack;
  if (x >= innerRight - kRightShadowColumns) return kBlack;
  if (x == innerLeft) return kGrey;
  if (x == innerLeft + 1) return kBlack;
  return qRgb(brickRed(x, y), 0, 0);
}

}  // namespace

QImage drawWall() {
  QImage wall(kWidth, kHeight, QImage::Format_RGB888);
  for (int y = 0; y < kHeight; ++y) {
    for (int x = 0; x < kVisibleWidth; ++x) wall.setPixel(x, y, wallPixel(x, y));
    for (int x = kVisibleWidth; x < kWidth; ++x)
      wall.setPixel(x, y, wall.pixel(kVisibleWidth - 1, y));
  }
  return wall;
}

}  // namespace artwork
