// The keypad, the display reset and the hover guidance.
#include "form_fixture.hpp"

namespace ringcoil::testing {
namespace {

using namespace el;

TEST_F(FormTest, KeysAppendTheirCaptionsAfterTheFirstReplacesTheDisplay) {
  form.typeText("typed before");
  keys("7");
  EXPECT_EQ(caption(Text1), "7");
  EXPECT_EQ(w().KeyState, "NUMS");
  keys(",,007");
  EXPECT_EQ(caption(Text1), "7,,007");
  form.typeText("");
  keys("1,5");
  EXPECT_EQ(caption(Text1), "1,5");
}

TEST_F(FormTest, HashClearsTheDisplayThenBecomesTheFullReset) {
  keys("12");
  move(aaa);
  EXPECT_EQ(caption(Справка), "Кнопка сброса поля ввода калькулятора");
  form.mouseAt(Event::Click, 105, 230);
  EXPECT_EQ(caption(Text1), "");
  EXPECT_FALSE(visible(aaa));
  EXPECT_TRUE(visible(aaaa));
  EXPECT_EQ(caption(Справка),
            "Повторное нажатие на эту кнопку приведёт к полному сбросу всех данных");
  EXPECT_EQ(w().KeyState, "NUMS");
  for (int press = 0; press < 3; ++press) {
    keys("3");
    form.mouseAt(Event::Click, 105, 230);
    EXPECT_EQ(caption(Справка), "Начнём всё сначала ! Наведи мышку на искомый параметр");
    EXPECT_EQ(caption(Text1), "3") << "the full reset leaves the display";
    form.typeText("");
  }
  EXPECT_FALSE(visible(aaa));
}

TEST_F(FormTest, AtMostOneQuestionButtonFollowsTheMouse) {
  const Id questions[] = {Q1, Q2, Q3, Q4, Q5, Q6};
  auto shown = [&] {
    std::vector<Id> ids;
    for (Id q : questions) {
      if (visible(q)) ids.push_back(q);
    }
    return ids;
  };
  move(Виток);
  EXPECT_EQ(shown(), std::vector<Id>{Q5});
  EXPECT_EQ(caption(Справка), "Если высчитываем количество витков - нажми кнопку '?'");
  move(Q5);
  EXPECT_EQ(caption(Справка), "Нажми меня");
  move(Индукт);
  EXPECT_EQ(shown(), std::vector<Id>{Q6});
  EXPECT_EQ(caption(Справка), "Если высчитываем индуктивность - нажми кнопку '?'");
  for (Id other : {Магнит, Динар, Дивнут, Высота}) move(other);
  EXPECT_EQ(shown(), std::vector<Id>{Q6});
  EXPECT_EQ(caption(Справка), "Если высчитываем индуктивность - нажми кнопку '?'");
  moveOverSurface();
  EXPECT_TRUE(shown().empty());
  EXPECT_EQ(caption(Справка), "Наведи мышку на искомый параметр");
}

TEST_F(FormTest, NamesStopReactingOnceAModeIsChosen) {
  move(Виток);
  click(Q5);
  move(Индукт);
  move(Виток);
  for (Id q : {Q1, Q2, Q3, Q4, Q5, Q6}) EXPECT_FALSE(visible(q));
  EXPECT_EQ(caption(Справка),
            "Набери на калькуляторе величину магнитной проницаемости кольца и нажми кнопку ' Ввод'");
}

}  // namespace
}  // namespace ringcoil::testing
