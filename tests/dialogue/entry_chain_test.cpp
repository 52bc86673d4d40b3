// The guided entry: stages, the Enter rule, the mode flag, failures, exit.
#include "form_fixture.hpp"

namespace ringcoil::testing {
namespace {

using namespace el;

TEST_F(FormTest, LoadHidesTheValuesAndGreets) {
  EXPECT_EQ(caption(Справка),
            "KELVANO приветствует всех радиолюбителей! Наведи мышку на искомый параметр");
  for (Id v : {Окно1, Окно2, Окно3, Окно4, Окно5, Окно6}) EXPECT_FALSE(visible(v));
  EXPECT_EQ(visibleEnterButtons(), std::vector<Id>{Ввод});
  EXPECT_EQ(w().AnimationOn, 1);
}

TEST_F(FormTest, EachStageOpensTheNextAndAsksForItsValue) {
  move(Индукт);
  click(Q6);
  const struct {
    const char* value;
    Id label;
    Id nextButton;
    const char* hint;
  } stages[] = {
      {"2000", Окно1, Command2,
       "Набери на калькуляторе величину наружнего диаметра кольца и нажми кнопку 'Ввод'"},
      {"20", Окно2, Command3,
       "Набери на калькуляторе величину внутреннего диаметра кольца и нажми кнопку 'Ввод'"},
      {"10", Окно3, Command4, "Набери на калькуляторе величину высоты кольца и нажми кнопку 'Ввод'"},
      {"5", Окно4, Command5, "Набери на калькуляторе количество витков и нажми кнопку 'Ввод'"},
  };
  for (const auto& stage : stages) {
    SCOPED_TRACE(stage.value);
    keys(stage.value);
    enter();
    EXPECT_EQ(caption(stage.label), stage.value);
    EXPECT_EQ(caption(Text1), "");
    EXPECT_EQ(visibleEnterButtons(), std::vector<Id>{stage.nextButton});
    EXPECT_EQ(caption(Справка), stage.hint);
  }
  keys("10");
  enter();
  EXPECT_EQ(caption(Окно6), "133,333333333333");
  EXPECT_EQ(caption(Справка), "Получи ответ'");
  EXPECT_EQ(visibleEnterButtons(), std::vector<Id>{Command6});
  for (Id v : {Окно1, Окно2, Окно3, Окно4, Окно5, Окно6}) EXPECT_TRUE(visible(v));
  EXPECT_TRUE(host.errors.empty());
}

TEST_F(FormTest, TurnsModeSetsTheFlagAndEndsWithCommand6) {
  move(Виток);
  click(Q5);
  EXPECT_EQ(caption(Z), "1");
  EXPECT_EQ(caption(Окно5), "Ответ");
  EXPECT_TRUE(visible(Виток2));
  EXPECT_FALSE(visible(Виток));
  for (const char* v : {"2000", "20", "10", "5"}) {
    keys(v);
    enter();
  }
  EXPECT_EQ(visibleEnterButtons(), std::vector<Id>{Command6});
  EXPECT_EQ(caption(Окно6), "");
  keys("100");
  enter();
  EXPECT_EQ(caption(Zoro), "75");
  EXPECT_EQ(caption(Окно5), "8,66025403784439");
  EXPECT_EQ(caption(Справка), "Получи ответ");
  EXPECT_EQ(visibleEnterButtons(), std::vector<Id>{Command6});
}

TEST_F(FormTest, FailedCalculationKeepsTheStageAndTheEnteredValues) {
  move(Индукт);
  click(Q6);
  for (const char* v : {"2000", "0", "0", "5", "10"}) {
    keys(v);
    enter();
  }
  EXPECT_EQ(host.errors, std::vector<ErrorCode>{ErrorCode::Overflow});
  EXPECT_EQ(visibleEnterButtons(), std::vector<Id>{Command5});
  EXPECT_EQ(caption(Справка), "Набери на калькуляторе количество витков и нажми кнопку 'Ввод'");
  EXPECT_EQ(caption(Окно6), "Ответ");
  EXPECT_EQ(caption(Окно5), "10");
  EXPECT_EQ(caption(Text1), "");
  // The way forward is the full reset, which empties every value.
  click(aaa);
  click(aaaa);
  for (Id v : {Окно1, Окно2, Окно3, Окно4, Окно5, Окно6}) EXPECT_EQ(caption(v), "");
  EXPECT_EQ(visibleEnterButtons(), std::vector<Id>{Ввод});
}

TEST_F(FormTest, ExitEndsAtOnceAndIgnoresEverythingAfter) {
  keys("12");
  click(Command1);
  EXPECT_EQ(host.exits, 1);
  EXPECT_TRUE(form.ended());
  const auto frame = w().FrameIndex;
  form.tick();
  click(aa(0));
  EXPECT_EQ(w().FrameIndex, frame);
  EXPECT_EQ(caption(Text1), "12");
}

TEST_F(FormTest, HiddenElementsReceiveNothing) {
  click(Q5);  // hidden until the mouse passes over Виток
  click(aaaa);
  click(Command6);
  EXPECT_EQ(caption(Z), "");
  EXPECT_EQ(visibleEnterButtons(), std::vector<Id>{Ввод});
  EXPECT_TRUE(host.errors.empty());
}

}  // namespace
}  // namespace ringcoil::testing
