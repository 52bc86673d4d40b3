// The element table: the facts other code relies on without looking again.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "window/geometry.hpp"
#include "window/window_state.hpp"

namespace ringcoil {
namespace {

TEST(ElementTable, NamesAreUniqueAndArraysHaveTheirMembers) {
  std::set<std::string> seen;
  for (std::size_t i = 0; i < kElementCount; ++i) {
    EXPECT_TRUE(seen.insert(displayName(static_cast<Id>(i))).second)
        << "duplicate " << displayName(static_cast<Id>(i));
  }
  for (int i = 0; i < kKeyCount; ++i) EXPECT_TRUE(lookupElement("aa", i)) << i;
  for (int i = 0; i < kFrameCount; ++i) EXPECT_TRUE(lookupElement("Image1", i)) << i;
  EXPECT_FALSE(lookupElement("aa", 11));
  EXPECT_FALSE(lookupElement("Image1", 41));
  // Each "?" button is an array of one member with its own fixed index.
  const char* questions[] = {"Q1", "Q2", "Q3", "Q4", "Q5", "Q6"};
  for (int i = 0; i < 6; ++i) {
    EXPECT_TRUE(lookupElement(questions[i], i)) << questions[i];
    EXPECT_TRUE(isElementArray(questions[i]));
    EXPECT_FALSE(lookupElement(questions[i]));
  }
}

TEST(ElementTable, ChildrenFollowTheirContainerInCreationOrder) {
  // A container is created before its children, and its children directly
  // after it (with their own children), front-most first.
  const std::vector<std::string> pages = {"Фон1", "Автор", "Фон3", "Закрыть", "Фоно", "Далеее", "Далее"};
  for (std::size_t i = 0; i < pages.size(); ++i) {
    EXPECT_EQ(kElements[i].name, pages[i]) << i;
  }
  for (std::size_t i = pages.size(); i < kElementCount; ++i) {
    EXPECT_TRUE(kElements[i].container.empty()) << kElements[i].name;
  }
  EXPECT_EQ(containerOf(el::Закрыть), el::Фон3);
  EXPECT_EQ(containerOf(el::Далеее), el::Фоно);
  EXPECT_EQ(containerOf(el::Далее), el::Фон1);
  EXPECT_EQ(kElements.back().name, "Магнит");
}

TEST(ElementTable, FrontToBackOrderOfTheEnterButtonsAndResets) {
  // Where several are visible, the earlier row covers the later ones.
  const Id order[] = {el::aaaa,     el::Command6, el::Command5, el::Command4,
                      el::Command3, el::Command2, el::Ввод,     el::aaa};
  for (std::size_t i = 1; i < std::size(order); ++i) {
    EXPECT_LT(indexOf(order[i - 1]), indexOf(order[i])) << displayName(order[i]);
  }
}

TEST(ElementTable, InitialStateBeforeLoad) {
  const WindowState w;
  EXPECT_EQ(w.caption(el::Справка), "???");
  EXPECT_EQ(w.caption(el::Окно1), "1");
  EXPECT_EQ(w.caption(el::Окно5), "");
  EXPECT_EQ(w.caption(el::Окно6), "6");
  EXPECT_EQ(w.caption(el::Глава), "Расчет катушки на кольцевом сердечнике");
  EXPECT_TRUE(w.visible(el::Ввод));
  EXPECT_FALSE(w.visible(el::aaaa));
  EXPECT_TRUE(w.visible(el::Окно1));
  EXPECT_FALSE(w.picture1Frame());
  EXPECT_EQ(w.KeyState, "");
  EXPECT_EQ(w.AnimationOn, 0);
  EXPECT_EQ(w.FrameIndex, 0);
  // Only the windowed elements take the keyboard focus.
  for (const auto& e : kElements) {
    EXPECT_EQ(e.tabIndex >= 0, isWindowed(e.kind)) << e.name;
  }
}

TEST(WindowState, ReportsEachChangedElementOnce) {
  WindowState w;
  EXPECT_TRUE(w.takeChanges().empty());
  w.setCaption(el::Справка, "a");
  w.setCaption(el::Справка, "b");
  w.setVisible(el::Q5, true);
  w.setVisible(el::Ввод, true);  // already visible: no change
  w.setPicture1Frame(3);
  const auto changes = w.takeChanges();
  EXPECT_EQ(changes, (std::vector<Id>{el::Q5, el::Picture1, el::Справка}));
  EXPECT_TRUE(w.takeChanges().empty());
}

TEST(WindowState, ChildrenAreNotOnScreenInsideAHiddenPage) {
  WindowState w;
  w.setVisible(el::Далеее, true);
  EXPECT_FALSE(w.shown(el::Далеее));
  w.setVisible(el::Фоно, true);
  EXPECT_FALSE(w.shown(el::Далеее));  // Фон1 is still hidden
  w.setVisible(el::Фон1, true);
  EXPECT_TRUE(w.shown(el::Далеее));
}

}  // namespace
}  // namespace ringcoil
