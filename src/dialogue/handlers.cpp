// Which event on which element runs which handler, and what a listener is
// told when it has run: one row per handler, naming the element and the
// member function themselves, so that a row for a missing element or
// handler does not build. A new handler is one row here and one member
// function of Form1.
#include <algorithm>
#include <array>

#include "dialogue/form1.hpp"
#include "dialogue/step_words.hpp"

namespace ringcoil {

namespace {

// The first row of each element's array: the one element that stands for
// every member in a handler row. A plain element stands for itself.
constexpr auto kArrayOf = [] {
  std::array<Id, kElementCount> first{};
  for (std::size_t i = 0; i < kElementCount; ++i) {
    first[i] = static_cast<Id>(i);
    if (kElements[i].index < 0) continue;
    for (std::size_t j = 0; j < i; ++j) {
      if (kElements[j].name == kElements[i].name) {
        first[i] = static_cast<Id>(j);
        break;
      }
    }
  }
  return first;
}();

constexpr std::optional<Id> arrayOf(std::optional<Id> id) {
  if (!id) return std::nullopt;
  return kArrayOf[indexOf(*id)];
}

}  // namespace

std::span<const Form1::Handler> Form1::handlers() {
  using E = Event;
  using namespace el;
  constexpr std::optional<Id> Form = std::nullopt;
  // clang-format off
  static constexpr auto table = std::to_array<Handler>({
      {Form,     E::Load,      &Form1::Form_Load},
      {Form,     E::MouseMove, &Form1::Form_MouseMove},
      {aa(0),    E::Click,     &Form1::aa_Click},
      {aaa,      E::Click,     &Form1::aaa_Click, told::displayCleared},
      {aaa,      E::MouseMove, &Form1::aaa_MouseMove},
      {aaaa,     E::Click,     &Form1::aaaa_Click, told::allReset},
      {Ввод,     E::Click,     &Form1::Ввод_Click, told::enterStageOf<0>},
      {Command2, E::Click,     &Form1::Command2_Click, told::enterStageOf<1>},
      {Command3, E::Click,     &Form1::Command3_Click, told::enterStageOf<2>},
      {Command4, E::Click,     &Form1::Command4_Click, told::enterStageOf<3>},
      {Command5, E::Click,     &Form1::Command5_Click, told::enterStageOf<4>},
      {Command6, E::Click,     &Form1::Command6_Click, told::enterStageOf<5>},
      {Command1, E::Click,     &Form1::Command1_Click},
      {Q5,       E::Click,     &Form1::Q5_Click, told::turnsChosen},
      {Q6,       E::Click,     &Form1::Q6_Click, told::inductanceChosen},
      {Q5,       E::MouseMove, &Form1::Q5_MouseMove},
      {Q6,       E::MouseMove, &Form1::Q6_MouseMove},
      {Виток,    E::MouseMove, &Form1::Виток_MouseMove},
      {Индукт,   E::MouseMove, &Form1::Индукт_MouseMove},
      {Глава,    E::Click,     &Form1::Глава_Click, told::pageOpened<Фон1>},
      {Далее,    E::Click,     &Form1::Далее_Click, told::pageOpened<Фоно>},
      {Далеее,   E::Click,     &Form1::Далеее_Click, told::pageOpened<Фон3>},
      {Закрыть,  E::Click,     &Form1::Закрыть_Click, told::pageOpened<Автор>},
      {Автор,    E::Click,     &Form1::Автор_Click, told::helpClosed},
      {Timer1,   E::Timer,     &Form1::Timer1_Timer},
  });
  // clang-format on
  // One row at most for each element (or array) and event: a row copied for
  // a new handler and left half changed does not build.
  static_assert([] {
    for (std::size_t i = 0; i < table.size(); ++i) {
      for (std::size_t j = 0; j < i; ++j) {
        if (arrayOf(table[i].element) == arrayOf(table[j].element) && table[i].event == table[j].event) {
          return false;
        }
      }
    }
    return true;
  }(), "two handler rows for one element and event");
  return table;
}

const Form1::Handler* Form1::handlerFor(std::optional<Id> target, Event event) {
  const std::optional<Id> element = arrayOf(target);
  for (const Handler& handler : handlers()) {
    if (handler.event == event && arrayOf(handler.element) == element) return &handler;
  }
  return nullptr;
}

std::string Form1::handlerName(const Handler& handler) {
  const std::string_view element = handler.element ? def(*handler.element).name : "Form";
  return std::string(element) + std::string(namesOf(handler.event).handlerSuffix);
}

}  // namespace ringcoil
