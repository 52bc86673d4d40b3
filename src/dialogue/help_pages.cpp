// Paging through the help: each page box lies over the one before, so opening
// a page is showing it; only the author page closes them all.
#include "dialogue/form1.hpp"

namespace ringcoil {

using namespace el;

void Form1::Глава_Click() {
  show(Фон1);
  show(Далее);
}

void Form1::Далее_Click() {
  show(Фоно);
  show(Далеее);
}

void Form1::Далеее_Click() {
  show(Фон3);
  show(Закрыть);
}

// "Закрыть" closes nothing: it opens the author page.
void Form1::Закрыть_Click() { show(Автор); }

// The page buttons keep their flags; they stay out of sight inside the hidden
// pages, and every later tour looks like the first.
void Form1::Автор_Click() {
  hide(Автор);
  hide(Фон1);
  hide(Фоно);
  hide(Фон3);
}

}  // namespace ringcoil
