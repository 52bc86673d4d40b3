// Hints and "?" buttons that follow the mouse. Each operation sets the hint
// first, then the buttons; at most one "?" button is ever visible.
#include "dialogue/form1.hpp"

namespace ringcoil {

using namespace el;

void Form1::Form_MouseMove() {
  hint("Наведи мышку на искомый параметр");
  for (Id q : {Q1, Q2, Q3, Q4, Q5, Q6}) hide(q);
}

void Form1::Виток_MouseMove() {
  hint("Если высчитываем количество витков - нажми кнопку '?'");
  show(Q5);
  for (Id q : {Q1, Q2, Q3, Q4, Q6}) hide(q);
}

void Form1::Индукт_MouseMove() {
  hint("Если высчитываем индуктивность - нажми кнопку '?'");
  show(Q6);
  for (Id q : {Q1, Q2, Q3, Q4, Q5}) hide(q);
}

void Form1::Q5_MouseMove(int /*Index*/) { hint("Нажми меня"); }

void Form1::Q6_MouseMove(int /*Index*/) { hint("Нажми меня"); }

void Form1::aaa_MouseMove() { hint("Кнопка сброса поля ввода калькулятора"); }

}  // namespace ringcoil
