// The six stages of the guided entry, one «Ввод» button each, in the order
// the user goes through them. The entry chain runs them, the focus finds the
// open stage's button by them, and a listener hears their rows.
#pragma once

#include <array>
#include <optional>
#include <string_view>

#include "window/parameter_table.hpp"

namespace ringcoil {

inline constexpr std::size_t kTurnsRow = 4;
inline constexpr std::size_t kInductanceRow = 5;

struct EnterStage {
  Id button;                                           // its «Ввод»
  std::size_t stored = 0;                              // the table row the display is stored into
  std::optional<std::size_t> computed = std::nullopt;  // the row its calculation writes
  std::optional<Id> next = std::nullopt;               // the button that takes over from it
  std::string_view prompt = {};                        // the hint it leaves
  std::size_t opened = 0;                              // the row whose value it shows next
  bool clearsOpened = false;                           // and empties
};

inline constexpr std::array kEnterStages = std::to_array<EnterStage>({
    {.button = el::Ввод, .stored = 0, .next = el::Command2,
     .prompt = "Набери на калькуляторе величину наружнего диаметра кольца и нажми кнопку 'Ввод'",
     .opened = 1, .clearsOpened = true},
    {.button = el::Command2, .stored = 1, .next = el::Command3,
     .prompt = "Набери на калькуляторе величину внутреннего диаметра кольца и нажми кнопку 'Ввод'",
     .opened = 2, .clearsOpened = true},
    {.button = el::Command3, .stored = 2, .next = el::Command4,
     .prompt = "Набери на калькуляторе величину высоты кольца и нажми кнопку 'Ввод'",
     .opened = 3, .clearsOpened = true},
    // Окно5 keeps its text: empty in inductance mode, "Ответ" in turns mode.
    {.button = el::Command4, .stored = 3, .next = el::Command5,
     .prompt = "Набери на калькуляторе количество витков и нажми кнопку 'Ввод'", .opened = kTurnsRow},
    {.button = el::Command5, .stored = kTurnsRow, .computed = kInductanceRow, .next = el::Command6,
     .prompt = "Получи ответ'", .opened = kInductanceRow},
    // The last button stays: pressed again it computes N from whatever Окно6
    // holds, in either mode.
    {.button = el::Command6, .stored = kInductanceRow, .computed = kTurnsRow, .prompt = "Получи ответ",
     .opened = kTurnsRow},
});

// In turns mode the stage of N is passed over: Command4 hands on at once to
// the button that takes L.
inline constexpr EnterStage kTurnsModeHandOver{
    .button = el::Command5, .stored = kTurnsRow, .next = el::Command6,
    .prompt = "Набери на калькуляторе величину индуктивности катушки и нажми кнопку 'Ввод'",
    .opened = kInductanceRow, .clearsOpened = true};

// The Enter buttons, front-most first: each stage's button lies over the
// earlier stages' ones.
inline constexpr auto kEnterButtons = [] {
  std::array<Id, kEnterStages.size()> buttons{};
  for (std::size_t i = 0; i < buttons.size(); ++i) {
    buttons[i] = kEnterStages[kEnterStages.size() - 1 - i].button;
  }
  return buttons;
}();

}  // namespace ringcoil
