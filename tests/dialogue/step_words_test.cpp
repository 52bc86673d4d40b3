// The words a listener hears for a value: the number rounded for the ear,
// the unit agreeing with it; and where the user stands, which the buttons
// that move the dialogue on tell. The steps' announcements as a whole are
// checked by the scenario spoken_steps.replay.
#include <gtest/gtest.h>

#include "dialogue/element_words.hpp"
#include "dialogue/step_words.hpp"
#include "form_fixture.hpp"

namespace ringcoil::testing {
namespace {

using namespace el;

TEST(SpokenValue, RoundsToSixSignificantDigitsAndSaysTheUnit) {
  struct Case {
    std::size_t row;  // μ, D, d, h, N, L
    const char* shown;
    const char* spoken;
  };
  const Case cases[] = {
      {5, "133,333333333333", "133,333 микрогенри"},
      {4, "8,66025403784439", "8,66025 витка"},
      {4, "12,0528", "12,0528 витка"},
      {4, "1", "1 виток"},
      {4, "21", "21 виток"},
      {4, "11", "11 витков"},
      {4, "3", "3 витка"},
      {4, "14", "14 витков"},
      {4, "112", "112 витков"},
      {1, "20", "20 миллиметров"},
      {2, "1,5", "1,5 миллиметра"},
      {3, "1", "1 миллиметр"},
      {3, "2", "2 миллиметра"},
      {0, "2000", "2000"},                           // μ has no unit
      {5, "0,000123456789", "0,000123457 микрогенри"},  // leading zeros are not significant
      {5, "9,99999999", "10 микрогенри"},               // the carry reaches the whole part
      {5, "99,9999996", "100 микрогенри"},
      {5, "1234567,891", "1234568 микрогенри"},         // the whole part is kept
      {5, "-2,50000049", "-2,5 микрогенри"},
      {5, "1,234565", "1,23457 микрогенри"},  // a 5 next rounds up
      {5, "1,5E+20", "1,5E+20"},  // not a plain decimal: as shown, and no unit
      {5, "абв", "абв"},
      {5, "", "пусто"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(spokenValue(c.row, c.shown), c.spoken) << c.shown;
  }
}

TEST_F(FormTest, TheAnswerIsCopiedInFullAndToldRoundedWhereTheUserStands) {
  EXPECT_EQ(answerText(w()), std::nullopt) << "no calculation yet";
  move(Индукт);
  click(Q6);
  EXPECT_EQ(answerText(w()), std::nullopt) << "«Ответ» marks the place, it is no answer";
  EXPECT_EQ(standing(w()),
            "Набери на калькуляторе величину магнитной проницаемости кольца и нажми Ввод.");
  // The buttons that move the dialogue on say so to a screen reader that
  // asks where it is; «Выход» does not.
  for (const Id button : {Ввод, Command2, Command3, Command4, Command5, Command6, Q5, Q6, aaa, aaaa}) {
    EXPECT_EQ(descriptionOf(w(), button), standing(w())) << displayName(button);
  }
  EXPECT_EQ(descriptionOf(w(), Command1), "");
  for (const char* value : {"2000", "20", "10", "5", "10"}) {
    keys(value);
    enter();
  }
  EXPECT_EQ(answerText(w()), "133,333333333333");
  EXPECT_EQ(standing(w()), "Получи ответ. Индуктивность: 133,333 микрогенри, ответ.");
  click(aaa);
  click(aaaa);
  EXPECT_EQ(answerText(w()), std::nullopt) << "after the full reset";
}

// What a screen reader is told of the painted labels: a value with its row
// and whether it is entered or the answer, μ for the symbol face's "m", what
// a name or the hint means.
TEST_F(FormTest, LabelsAreNamedAndDescribedInWords) {
  EXPECT_EQ(paintedLabelName(w(), findElement("Label1")), "μ");
  EXPECT_EQ(descriptionOf(w(), Индукт), "Клавиши Альт+L: рассчитать индуктивность");
  move(Индукт);
  click(Q6);
  EXPECT_EQ(paintedLabelName(w(), Окно1), "Проницаемость: пусто (введено)");
  EXPECT_EQ(paintedLabelName(w(), Окно6), "Индуктивность: Ответ (ответ)");
  EXPECT_EQ(descriptionOf(w(), Индукт2), "Искомая величина");
  EXPECT_EQ(descriptionOf(w(), Магнит3), "Вводимая величина");
  EXPECT_EQ(descriptionOf(w(), Справка), "Подсказка");
}

}  // namespace
}  // namespace ringcoil::testing
