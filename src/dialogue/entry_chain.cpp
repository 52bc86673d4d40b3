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

// Every Enter button stores the display into its row and runs its
// calculation, if it has one; then it hands on to the next button, leaves its
// hint and opens the next row's value.
void Form1::enterStage(const EnterStage& stage) {
  enterRule(kTableRows[stage.stored].value);
  if (stage.computed == kInductanceRow) MyMes();
  if (stage.computed == kTurnsRow) MyMes2();
  handOver(stage);
}

void Form1::handOver(const EnterStage& stage) {
  if (stage.next) {
    hide(stage.button);
    show(*stage.next);
  }
  hint(stage.prompt);
  const Id opened = kTableRows[stage.opened].value;
  show(opened);
  if (stage.clearsOpened) setCaption(opened, "");
}

void Form1::Ввод_Click() { enterStage(kEnterStages[0]); }
void Form1::Command2_Click() { enterStage(kEnterStages[1]); }
void Form1::Command3_Click() { enterStage(kEnterStages[2]); }

// The only Enter button that looks at the mode.
void Form1::Command4_Click() {
  enterStage(kEnterStages[3]);
  if (caption(Z) == "1") handOver(kTurnsModeHandOver);
}

void Form1::Command5_Click() { enterStage(kEnterStages[4]); }
void Form1::Command6_Click() { enterStage(kEnterStages[5]); }

// The ring as the table holds it.
RingTexts Form1::ring() const {
  return {caption(Окно1), caption(Окно2), caption(Окно3), caption(Окно4)};
}

// Inductance from turns: L into Окно6, then the inputs shown.
void Form1::MyMes() {
  setCaption(Окно6, InductanceText(ring(), caption(Окно5)));
  for (Id value : {Окно1, Окно2, Окно3, Окно4, Окно5}) show(value);
}

// Turns from inductance: N squared into Zoro, then N, from Zoro's text, into
// Окно5. A failure of the root leaves Zoro written.
void Form1::MyMes2() {
  setCaption(Zoro, TurnsSquaredText(ring(), caption(Окно6)));
  setCaption(Окно5, TurnsText(caption(Zoro)));
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
