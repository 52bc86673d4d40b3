// The guided entry: the load operation, the two mode choices, the six Enter
// buttons, the full reset and the exit. Each operation is the list of property
// changes it makes, in order.
#include "calc/toroid.hpp"
#include "dialogue/form1.hpp"

namespace ringcoil {

using namespace el;

// Every Enter button first stores the display into its stage's value label,
// but only into an empty one, then clears the display if the label now reads
// exactly the same. Both comparisons are code unit by code unit.
void Form1::enterRule(Id V) {
  if (caption(V).empty()) setCaption(V, caption(Text1));
  if (caption(V) == caption(Text1)) setCaption(Text1, "");
}

void Form1::Form_Load() {
  w_.AnimationOn = 1;
  hint("KELVANO приветствует всех радиолюбителей! Наведи мышку на искомый параметр");
  hide(Окно1);
  hide(Окно2);
  hide(Окно3);
  hide(Окно4);
  hide(Окно5);
  hide(Окно6);
}

// Turns mode: N is computed from L. The mode flag Z reads "1".
void Form1::Q5_Click(int /*Index*/) {
  hint("Набери на калькуляторе величину магнитной проницаемости кольца и нажми кнопку ' Ввод'");
  hide(Q5);
  show(Окно5);
  setCaption(Окно5, "Ответ");
  for (Id name : {Индукт, Магнит, Динар, Дивнут, Высота, Виток}) hide(name);
  for (Id name : {Индукт3, Магнит3, Динар3, Дивнут3, Высота3, Виток2}) show(name);
  show(Ввод);
  setCaption(Окно1, "");
  show(Окно1);
  setCaption(Z, "1");
}

// Inductance mode: L is computed from N. It rests on Z not reading "1", which
// holds at start and after every full reset, so Z is left alone.
void Form1::Q6_Click(int /*Index*/) {
  hint("Набери на калькуляторе величину магнитной проницаемости кольца и нажми 'Ввод'");
  setCaption(Окно6, "Ответ");
  hide(Q6);
  show(Окно6);
  for (Id name : {Индукт, Магнит, Динар, Дивнут, Высота, Виток}) hide(name);
  for (Id name : {Индукт2, Магнит3, Динар3, Дивнут3, Высота3, Виток3}) show(name);
  show(Ввод);
  setCaption(Окно1, "");
  show(Окно1);
}

void Form1::Ввод_Click() {
  enterRule(Окно1);
  hide(Ввод);
  show(Command2);
  hint("Набери на калькуляторе величину наружнего диаметра кольца и нажми кнопку 'Ввод'");
  show(Окно2);
  setCaption(Окно2, "");
}

void Form1::Command2_Click() {
  enterRule(Окно2);
  hide(Command2);
  show(Command3);
  hint("Набери на калькуляторе величину внутреннего диаметра кольца и нажми кнопку 'Ввод'");
  show(Окно3);
  setCaption(Окно3, "");
}

void Form1::Command3_Click() {
  enterRule(Окно3);
  hide(Command3);
  show(Command4);
  hint("Набери на калькуляторе величину высоты кольца и нажми кнопку 'Ввод'");
  show(Окно4);
  setCaption(Окно4, "");
}

// The only Enter button that looks at the mode. Окно5 is not cleared: it is
// empty in inductance mode and reads "Ответ" in turns mode.
void Form1::Command4_Click() {
  enterRule(Окно4);
  hide(Command4);
  show(Command5);
  hint("Набери на калькуляторе количество витков и нажми кнопку 'Ввод'");
  show(Окно5);
  if (caption(Z) == "1") {
    hide(Command5);
    show(Command6);
    hint("Набери на калькуляторе величину индуктивности катушки и нажми кнопку 'Ввод'");
    show(Окно6);
    setCaption(Окно6, "");
  }
}

void Form1::Command5_Click() {
  enterRule(Окно5);
  MyMes(w_);
  hide(Command5);
  show(Command6);
  hint("Получи ответ'");
  show(Окно6);
}

// Stays visible after the answer: a further click computes N again from
// whatever Окно6 holds, in either mode.
void Form1::Command6_Click() {
  enterRule(Окно6);
  MyMes2(w_);
  hint("Получи ответ");
  show(Окно5);
}

// Leaves the value labels' visibility, the "#" buttons, the "?" buttons, the
// display, the keypad state, Zoro and the animation as they are.
void Form1::aaaa_Click() {
  for (Id name : {Магнит, Динар, Дивнут, Высота, Виток, Индукт}) show(name);
  for (Id name : {Магнит2, Динар2, Дивнут2, Высота2, Виток2, Индукт2}) hide(name);
  for (Id name : {Магнит3, Динар3, Дивнут3, Высота3, Виток3, Индукт3}) hide(name);
  show(Ввод);
  for (Id button : {Command2, Command3, Command4, Command5, Command6}) hide(button);
  for (Id value : {Окно1, Окно2, Окно3, Окно4, Окно5, Окно6}) setCaption(value, "");
  setCaption(Z, "");
  hint("Начнём всё сначала ! Наведи мышку на искомый параметр");
}

void Form1::Command1_Click() {
  ended_ = true;
  host_.endProgram();
}

}  // namespace ringcoil
