// Where the keyboard focus may rest and where it goes when an operation takes
// its element away. Each row sets up the flags an operation leaves behind;
// the expected elements are read off the window's layout: the Enter buttons
// lie on one another, Command6 in front and «Ввод» at the back; the help
// pages lie on one another over the table, page 1 at the back, the author
// page in front, each with its button.
#include <gtest/gtest.h>

#include <initializer_list>
#include <optional>
#include <string>

#include "window/focus.hpp"

namespace ringcoil {
namespace {

using namespace el;

WindowState with(std::initializer_list<Id> shown, std::initializer_list<Id> hidden = {}) {
  WindowState w;
  for (const Id id : shown) w.setVisible(id, true);
  for (const Id id : hidden) w.setVisible(id, false);
  return w;
}

// The help open at each page, with the buttons the tour has shown so far.
const std::initializer_list<Id> kPage1 = {Фон1, Далее};
const std::initializer_list<Id> kPage2 = {Фон1, Далее, Фоно, Далеее};
const std::initializer_list<Id> kPage3 = {Фон1, Далее, Фоно, Далеее, Фон3, Закрыть};
const std::initializer_list<Id> kAuthorPage = {Фон1, Далее, Фоно, Далеее, Фон3, Закрыть, Автор};

TEST(Focus, TheEnterButtonOfTheOpenStageIsTheFrontMostShown) {
  struct Row {
    std::initializer_list<Id> shown;
    Id expected;
  };
  for (const Row& row : {
           Row{{}, Ввод},
           Row{{Command2}, Command2},
           Row{{Command2, Command3}, Command3},
           Row{{Command3, Command4}, Command4},
           Row{{Command2, Command5}, Command5},
           Row{{Command5, Command6}, Command6},
           Row{{Command2, Command3, Command4, Command5, Command6}, Command6},
       }) {
    EXPECT_EQ(displayName(enterButtonInSight(with(row.shown))), displayName(row.expected));
  }
  // Hidden behind one another, they still take the keyboard each: «Ввод»
  // lies under Command2 and is in sight.
  EXPECT_TRUE(inSight(with({Command2}), Ввод));
}

TEST(Focus, TheHelpControlIsTheButtonOfThePageOnTop) {
  struct Row {
    std::initializer_list<Id> shown;
    std::optional<Id> expected;
  };
  for (const Row& row : {
           Row{{}, std::nullopt},
           Row{{Далее, Далеее, Закрыть}, std::nullopt},  // the buttons of closed pages
           Row{kPage1, Далее},
           Row{kPage2, Далеее},
           Row{kPage3, Закрыть},
           Row{kAuthorPage, Автор},
       }) {
    const auto control = helpControlInSight(with(row.shown));
    EXPECT_EQ(control ? displayName(*control) : "none",
              row.expected ? displayName(*row.expected) : "none");
  }
}

TEST(Focus, WhatThePagesCoverIsOutOfSight) {
  const WindowState page1 = with(kPage1, {Q6});
  EXPECT_FALSE(inSight(with(kPage1, {}), Q1)) << "Q1 is hidden at start";
  EXPECT_FALSE(inSight(with({Фон1, Далее, Q6}), Q6)) << "«?» lies under page 1";
  EXPECT_TRUE(inSight(with({Q6}), Q6));
  EXPECT_TRUE(inSight(page1, aa(3))) << "the keypad lies beside the pages";
  EXPECT_TRUE(inSight(page1, Ввод));
  EXPECT_TRUE(inSight(page1, Text1));
  EXPECT_FALSE(inSight(with(kPage2), Далее)) << "page 2 covers page 1's button";
  EXPECT_FALSE(inSight(with({Далее}), Далее)) << "inside the hidden page 1";
  EXPECT_TRUE(inSight(with(kAuthorPage), Автор));
  EXPECT_FALSE(inSight(with(kAuthorPage), Закрыть));
}

TEST(Focus, AfterAnOperationTheFocusGoesToTheNextStep) {
  struct Row {
    const char* what;
    WindowState state;
    Id focused;
    std::optional<Id> beforeHelp;
    Id expected;
  };
  const Row rows[] = {
      {"still in sight: it stays", with({}), aa(3), std::nullopt, aa(3)},
      {"the display reset: the full reset in its place", with({aaaa}, {aaa}), aaa, std::nullopt,
       aaaa},
      {"a mode chosen: «Ввод»", with({}, {Q5}), Q5, std::nullopt, Ввод},
      {"«Ввод» pressed: the second stage", with({Command2}, {Ввод}), Ввод, std::nullopt, Command2},
      {"Command2 pressed: the third", with({Command3}, {Command2}), Command2, std::nullopt,
       Command3},
      {"the answer: its button", with({Command6}, {Command5}), Command5, std::nullopt, Command6},
      {"mode chosen mid-chain: the front-most Enter button", with({Command4}, {Q6}), Q6,
       std::nullopt, Command4},
      {"the help opens over «?»", with({Фон1, Далее, Q6}), Q6, std::nullopt, Далее},
      {"page 1's «Далее»", with(kPage2), Далее, std::nullopt, Далеее},
      {"page 2's «Далее»", with(kPage3), Далеее, std::nullopt, Закрыть},
      {"«Закрыть»", with(kAuthorPage), Закрыть, std::nullopt, Автор},
      {"the help closes: back to the keypad", with({Далее, Далеее, Закрыть}), Автор, aa(3), aa(3)},
      {"the help closes: back to «Выход»", with({Далее}), Автор, Command1, Command1},
      {"the help closes over a covered «?»", with({Q6, Далее}), Автор, Q6, Q6},
      {"the help closes, the element gone: the Enter button", with({Command2}, {Q6}), Автор, Q6,
       Command2},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(displayName(focusAfterOperation(row.state, row.focused, row.beforeHelp)),
              displayName(row.expected))
        << row.what;
  }
}

TEST(Focus, TabGoesRoundWhatIsInSight) {
  struct Row {
    const char* what;
    WindowState state;
    Id from;
    bool forward;
    Id expected;
  };
  const Row rows[] = {
      {"from «Выход»", with({}), Command1, true, Text1},
      {"back from the display", with({}), Text1, false, Command1},
      {"round the end", with({}), Ввод, true, Command1},
      {"back round the start", with({}), Command1, false, Ввод},
      {"past the hidden keys' place: 9 to the comma", with({}), aa(8), true, aa(9)},
      {"past a «?» under a page", with({Фон1, Далее, Q6}), Ввод, true, Фон1},
      {"on the page to its button", with(kPage1), Фон1, true, Далее},
      {"past the covered buttons of lower pages", with(kAuthorPage), Фон1, true, Автор},
      {"the full reset, not the display reset", with({aaaa}, {aaa}), aa(10), true, Picture1},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(displayName(nextInTabOrder(row.state, row.from, row.forward)),
              displayName(row.expected))
        << row.what;
  }
  EXPECT_EQ(displayName(firstInTabOrder()), "Command1");
}

}  // namespace
}  // namespace ringcoil
