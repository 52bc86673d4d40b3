// The keypad and the display reset.
#include "dialogue/form1.hpp"

namespace ringcoil {

using namespace el;

// Only the first key after the window was created replaces the display's text;
// every later key appends. The keypad checks nothing: whether the text is a
// number is decided when a calculation reads it.
void Form1::aa_Click(int Index) {
  if (w_.KeyState != "NUMS") setCaption(Text1, "");
  setCaption(Text1, caption(Text1) + caption(aa(Index)));
  w_.KeyState = "NUMS";
}

// From now on "#" is the full reset: aaaa lies over aaa and nothing shows aaa
// again.
void Form1::aaa_Click() {
  hide(aaa);
  show(aaaa);
  setCaption(Text1, "");
  hint("Повторное нажатие на эту кнопку приведёт к полному сбросу всех данных");
}

}  // namespace ringcoil
