// Where elements lie in pixels, and who receives a mouse event at a pixel.
#include <gtest/gtest.h>

#include "window/geometry.hpp"

namespace ringcoil {
namespace {

// Centre of an element's rectangle, in client pixels.
std::pair<int, int> centre(Id id) {
  const PixelRect r = clientRect(id);
  return {r.x + r.width / 2, r.y + r.height / 2};
}

TEST(Geometry, TwipsRoundToTheNearestPixel) {
  EXPECT_EQ(pixelRect(el::Picture1), (PixelRect{23, 23, 100, 34}));
  EXPECT_EQ(pixelRect(el::Фон1), (PixelRect{135, 66, 340, 247}));
  EXPECT_EQ(pixelRect(el::Глава), (PixelRect{159, 9, 298, 58}));
  EXPECT_EQ(pixelRect(el::Далее), (PixelRect{261, 171, 67, 22}));
  EXPECT_EQ(pixelRect(el::Автор), (PixelRect{0, 0, 337, 244}));
  // Children sit inside the page box's 2-pixel frame.
  EXPECT_EQ(clientRect(el::Далее), (PixelRect{135 + 2 + 261, 66 + 2 + 171, 67, 22}));
  EXPECT_EQ(clientRect(el::Закрыть), (PixelRect{135 + 2 + 2 + 255, 66 + 2 + 2 + 213, 67, 19}));
}

class Routing : public ::testing::Test {
 protected:
  WindowState w;
  std::optional<Id> at(std::pair<int, int> p) const { return elementAt(w, p.first, p.second); }
};

TEST_F(Routing, FrontMostEnterButtonTakesTheClick) {
  const auto place = centre(el::Ввод);
  EXPECT_EQ(at(place), el::Ввод);
  w.setVisible(el::Command2, true);
  EXPECT_EQ(at(place), el::Command2);
  w.setVisible(el::Command6, true);
  EXPECT_EQ(at(place), el::Command6);
}

TEST_F(Routing, HashPlaceReachesFullResetOnlyWhileItIsShown) {
  const auto place = centre(el::aaa);
  EXPECT_EQ(at(place), el::aaa);
  w.setVisible(el::aaa, false);
  w.setVisible(el::aaaa, true);
  EXPECT_EQ(at(place), el::aaaa);
  // aaaa is wider and starts one pixel further left.
  EXPECT_EQ(elementAt(w, clientRect(el::aaaa).x, place.second), el::aaaa);
}

TEST_F(Routing, QuestionButtonLiesInFrontOfValueLabel) {
  w.setVisible(el::Q5, true);
  const PixelRect q5 = clientRect(el::Q5);
  const PixelRect value = clientRect(el::Окно5);
  ASSERT_TRUE(value.contains(q5.x + 1, q5.y + 1));
  EXPECT_EQ(elementAt(w, q5.x + 1, q5.y + 1), el::Q5);
  w.setVisible(el::Q5, false);
  EXPECT_EQ(elementAt(w, q5.x + 1, q5.y + 1), el::Окно5);
}

TEST_F(Routing, PathFromNameToItsQuestionButtonNeverTouchesTheSurface) {
  for (const auto& [name, button] : {std::pair{el::Виток, el::Q5}, std::pair{el::Индукт, el::Q6}}) {
    w.setVisible(el::Окно5, false);
    w.setVisible(el::Окно6, false);
    w.setVisible(button, true);
    const PixelRect from = clientRect(name);
    const PixelRect to = clientRect(button);
    const int y = to.y + 2;
    ASSERT_TRUE(from.contains(from.x + 1, y));
    for (int x = from.x + 1; x <= to.x + 2; ++x) {
      const auto hit = elementAt(w, x, y);
      ASSERT_TRUE(hit) << "surface at x=" << x;
      EXPECT_TRUE(*hit == name || *hit == button) << displayName(*hit) << " at x=" << x;
    }
    w.setVisible(button, false);
  }
}

TEST_F(Routing, APaintedLabelTakesItsRectangleAndNoMore) {
  // «Количество витков»: Left 2160, Top 2970, Width 3675, Height 360 twips,
  // so pixels 144 to 388 across and 198 to 221 down; the value cell in front
  // of its right end is hidden.
  w.setVisible(el::Окно5, false);
  EXPECT_EQ(elementAt(w, 144, 198), el::Виток);
  EXPECT_EQ(elementAt(w, 388, 221), el::Виток);
  EXPECT_EQ(elementAt(w, 389, 210), std::nullopt);
  EXPECT_EQ(elementAt(w, 200, 222), std::nullopt);
  EXPECT_EQ(elementAt(w, 143, 210), std::nullopt);
  EXPECT_EQ(elementAt(w, 200, 197), std::nullopt);
}

TEST_F(Routing, LinesAndHiddenElementsTakeNothing) {
  // A point of the column divider between the keypad and the table.
  const int lineX = twipsToPixels(1980);
  EXPECT_EQ(elementAt(w, lineX, 200), std::nullopt);
  // The right part of Окно1, beyond the name label, is surface while hidden.
  const PixelRect value = clientRect(el::Окно1);
  const int x = value.x + value.width - 2;
  w.setVisible(el::Окно1, false);
  EXPECT_EQ(elementAt(w, x, value.y + 5), std::nullopt);
  w.setVisible(el::Окно1, true);
  EXPECT_EQ(elementAt(w, x, value.y + 5), el::Окно1);
}

TEST_F(Routing, PagesCoverTheTableAndEachOther) {
  const auto name = centre(el::Виток);
  const auto next = centre(el::Далее);
  EXPECT_EQ(at(name), el::Виток);
  // The page buttons are unreachable while their page is hidden.
  w.setVisible(el::Далее, true);
  EXPECT_EQ(at(next), std::nullopt) << "page 1 is closed";
  w.setVisible(el::Фон1, true);
  EXPECT_EQ(at(name), el::Фон1);
  EXPECT_EQ(at(next), el::Далее);
  w.setVisible(el::Фоно, true);
  EXPECT_EQ(at(next), el::Фоно);
  w.setVisible(el::Далеее, true);
  EXPECT_EQ(at(centre(el::Далеее)), el::Далеее);
  w.setVisible(el::Фон3, true);
  w.setVisible(el::Автор, true);
  EXPECT_EQ(at(centre(el::Далеее)), el::Автор);
  // The frame of Фон1 belongs to Фон1 itself; the title stays reachable above it.
  const PixelRect page = clientRect(el::Фон1);
  EXPECT_EQ(elementAt(w, page.x, page.y + 100), el::Фон1);
  EXPECT_EQ(at(centre(el::Глава)), el::Глава);
  // The keypad and the Enter button lie outside the page area.
  EXPECT_EQ(at(centre(el::Ввод)), el::Ввод);
}

}  // namespace
}  // namespace ringcoil
