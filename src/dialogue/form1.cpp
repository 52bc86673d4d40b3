#include "dialogue/form1.hpp"

namespace ringcoil {

Form1::Form1(Host& host) : host_(host) {}

void Form1::load() { raise(std::nullopt, Event::Load); }

void Form1::mouseAt(Event event, int x, int y) {
  if (!insideClient(x, y)) return;
  raise(elementAt(w_, x, y), event);
}

void Form1::raise(std::optional<Id> target, Event event) {
  if (ended_) return;
  if (target && !w_.shownOnScreen(*target)) return;
  if (const auto op = operationFor(target, event)) perform(*op, target ? def(*target).index : -1);
}

void Form1::tick() { raise(el::Timer1, Event::Timer); }

void Form1::typeText(std::string_view text) {
  if (ended_) return;
  setCaption(el::Text1, text);
}

// A failed calculation ends the operation that called it: nothing after the
// failing step runs. The user is told, and the window goes on as the failure
// left it, so that everything entered so far stays. A completed step is put
// in words for a listener.
void Form1::perform(Operation op, int index) {
  try {
    run(op, index);
  } catch (const RuntimeError& error) {
    host_.showError(error.code);
    return;
  }
  if (isAnnounced(op)) announcement_.append(announce(op, w_));
}

void Form1::run(Operation op, int index) {
  switch (op) {
    case Operation::Form_Load: return Form_Load();
    case Operation::Form_MouseMove: return Form_MouseMove();
    case Operation::aa_Click: return aa_Click(index);
    case Operation::aaa_Click: return aaa_Click();
    case Operation::aaa_MouseMove: return aaa_MouseMove();
    case Operation::aaaa_Click: return aaaa_Click();
    case Operation::Ввод_Click: return Ввод_Click();
    case Operation::Command2_Click: return Command2_Click();
    case Operation::Command3_Click: return Command3_Click();
    case Operation::Command4_Click: return Command4_Click();
    case Operation::Command5_Click: return Command5_Click();
    case Operation::Command6_Click: return Command6_Click();
    case Operation::Command1_Click: return Command1_Click();
    case Operation::Q5_Click: return Q5_Click(index);
    case Operation::Q6_Click: return Q6_Click(index);
    case Operation::Q5_MouseMove: return Q5_MouseMove(index);
    case Operation::Q6_MouseMove: return Q6_MouseMove(index);
    case Operation::Виток_MouseMove: return Виток_MouseMove();
    case Operation::Индукт_MouseMove: return Индукт_MouseMove();
    case Operation::Глава_Click: return Глава_Click();
    case Operation::Далее_Click: return Далее_Click();
    case Operation::Далеее_Click: return Далеее_Click();
    case Operation::Закрыть_Click: return Закрыть_Click();
    case Operation::Автор_Click: return Автор_Click();
    case Operation::Timer1_Timer: return Timer1_Timer();
  }
}

}  // namespace ringcoil
