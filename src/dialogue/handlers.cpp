// Which event on which element runs which handler, and what a listener is
// told when it has run: one row per handler. A new handler is one row here
// and one member function of Form1.
#include <algorithm>
#include <array>

#include "dialogue/form1.hpp"
#include "dialogue/step_words.hpp"

namespace ringcoil {

namespace {
constexpr std::string_view kFormName = "Form1";
}  // namespace

std::span<const Form1::Handler> Form1::handlers() {
  using E = Event;
  // clang-format off
  static constexpr auto table = std::to_array<Handler>({
      {kFormName,  E::Load,      "Form_Load",        [](Form1& f, int) { f.Form_Load(); }},
      {kFormName,  E::MouseMove, "Form_MouseMove",   [](Form1& f, int) { f.Form_MouseMove(); }},
      {"aa",       E::Click,     "aa_Click",         [](Form1& f, int i) { f.aa_Click(i); }},
      {"aaa",      E::Click,     "aaa_Click",        [](Form1& f, int) { f.aaa_Click(); }, told::displayCleared},
      {"aaa",      E::MouseMove, "aaa_MouseMove",    [](Form1& f, int) { f.aaa_MouseMove(); }},
      {"aaaa",     E::Click,     "aaaa_Click",       [](Form1& f, int) { f.aaaa_Click(); }, told::allReset},
      {"Ввод",     E::Click,     "Ввод_Click",       [](Form1& f, int) { f.Ввод_Click(); }, told::enterStageOf<0>},
      {"Command2", E::Click,     "Command2_Click",   [](Form1& f, int) { f.Command2_Click(); }, told::enterStageOf<1>},
      {"Command3", E::Click,     "Command3_Click",   [](Form1& f, int) { f.Command3_Click(); }, told::enterStageOf<2>},
      {"Command4", E::Click,     "Command4_Click",   [](Form1& f, int) { f.Command4_Click(); }, told::enterStageOf<3>},
      {"Command5", E::Click,     "Command5_Click",   [](Form1& f, int) { f.Command5_Click(); }, told::enterStageOf<4>},
      {"Command6", E::Click,     "Command6_Click",   [](Form1& f, int) { f.Command6_Click(); }, told::enterStageOf<5>},
      {"Command1", E::Click,     "Command1_Click",   [](Form1& f, int) { f.Command1_Click(); }},
      {"Q5",       E::Click,     "Q5_Click",         [](Form1& f, int i) { f.Q5_Click(i); }, told::turnsChosen},
      {"Q6",       E::Click,     "Q6_Click",         [](Form1& f, int i) { f.Q6_Click(i); }, told::inductanceChosen},
      {"Q5",       E::MouseMove, "Q5_MouseMove",     [](Form1& f, int i) { f.Q5_MouseMove(i); }},
      {"Q6",       E::MouseMove, "Q6_MouseMove",     [](Form1& f, int i) { f.Q6_MouseMove(i); }},
      {"Виток",    E::MouseMove, "Виток_MouseMove",  [](Form1& f, int) { f.Виток_MouseMove(); }},
      {"Индукт",   E::MouseMove, "Индукт_MouseMove", [](Form1& f, int) { f.Индукт_MouseMove(); }},
      {"Глава",    E::Click,     "Глава_Click",      [](Form1& f, int) { f.Глава_Click(); }, told::pageOpened<el::Фон1>},
      {"Далее",    E::Click,     "Далее_Click",      [](Form1& f, int) { f.Далее_Click(); }, told::pageOpened<el::Фоно>},
      {"Далеее",   E::Click,     "Далеее_Click",     [](Form1& f, int) { f.Далеее_Click(); }, told::pageOpened<el::Фон3>},
      {"Закрыть",  E::Click,     "Закрыть_Click",    [](Form1& f, int) { f.Закрыть_Click(); }, told::pageOpened<el::Автор>},
      {"Автор",    E::Click,     "Автор_Click",      [](Form1& f, int) { f.Автор_Click(); }, told::helpClosed},
      {"Timer1",   E::Timer,     "Timer1_Timer",     [](Form1& f, int) { f.Timer1_Timer(); }},
  });
  // clang-format on
  return table;
}

const Form1::Handler* Form1::handlerFor(std::optional<Id> target, Event event) {
  const std::string_view name = target ? def(*target).name : kFormName;
  const auto rows = handlers();
  const auto found = std::find_if(rows.begin(), rows.end(), [&](const Handler& h) {
    return h.element == name && h.event == event;
  });
  return found == rows.end() ? nullptr : &*found;
}

}  // namespace ringcoil
