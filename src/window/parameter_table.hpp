// The parameter table row by row (μ, D, d, h, N, L): the name in its three
// colours, of which one at most is shown, the value cell and the unit.
#pragma once

#include <array>

#include "window/elements.hpp"

namespace ringcoil {

struct TableRow {
  Id plainName;   // green, until a mode is chosen
  Id answerName;  // pink: this row's value is the answer
  Id inputName;   // yellow: this row's value is entered
  Id value;
  Id unit;
};

inline constexpr std::array<TableRow, 6> kTableRows{{
    {el::Магнит, el::Магнит2, el::Магнит3, el::Окно1, findElement("Label1")},
    {el::Динар, el::Динар2, el::Динар3, el::Окно2, findElement("Label2")},
    {el::Дивнут, el::Дивнут2, el::Дивнут3, el::Окно3, findElement("Label3")},
    {el::Высота, el::Высота2, el::Высота3, el::Окно4, findElement("Label4")},
    {el::Виток, el::Виток2, el::Виток3, el::Окно5, findElement("Label5")},
    {el::Индукт, el::Индукт2, el::Индукт3, el::Окно6, findElement("Label6")},
}};

// The row whose value cell is `id`, or nullptr.
constexpr const TableRow* rowOfValue(Id id) {
  for (const TableRow& row : kTableRows) {
    if (row.value == id) return &row;
  }
  return nullptr;
}

}  // namespace ringcoil
