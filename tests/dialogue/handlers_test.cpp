// Which event on which element runs which handler.
#include <gtest/gtest.h>

#include <string>

#include "dialogue/form1.hpp"

namespace ringcoil {
namespace {

std::string handlerName(std::optional<Id> target, Event event) {
  const Form1::Handler* handler = Form1::handlerFor(target, event);
  return handler ? Form1::handlerName(*handler) : "none";
}

// A row names its element, or for an array any member, which stands for
// every member; no other pair starts a handler.
TEST(Handlers, OnlyListedPairsStartHandlers) {
  EXPECT_EQ(handlerName(aa(3), Event::Click), "aa_Click");
  EXPECT_EQ(handlerName(aa(9), Event::Click), "aa_Click");
  EXPECT_EQ(handlerName(std::nullopt, Event::MouseMove), "Form_MouseMove");
  EXPECT_EQ(handlerName(el::Q5, Event::Click), "Q5_Click");
  EXPECT_EQ(handlerName(el::Timer1, Event::Timer), "Timer1_Timer");

  EXPECT_EQ(handlerName(std::nullopt, Event::Click), "none");
  EXPECT_EQ(handlerName(el::Виток, Event::Click), "none");
  EXPECT_EQ(handlerName(el::Q1, Event::Click), "none");
  EXPECT_EQ(handlerName(Image1(3), Event::Click), "none");
}

}  // namespace
}  // namespace ringcoil
