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
  Id button;                            // its «Ввод»
  std::size_t stored;                   // the table row the display is stored into
  std::optional<std::size_t> computed;  // the row its calculation writes
  std::optional<Id> next;               // the button that takes over from it
  std::string_view prompt;              // the hint it leaves
  std::size_t opened;                   // the row whose value it shows next
  bool clearsOpened;                    // and empties
};

inline constexpr std::array kEnterStages = std::to_array<EnterStage>({
    {el::Ввод, 0, std::nullopt, el::Command2,
     "Набери на калькуляторе величину наружнего диаметра кольца и нажми кнопку 'Ввод'", 1, true},
    {el::Command2, 1, std::nullopt, el::Command3,
     "Набери на калькуляторе величину внутреннего диаметра кольца и нажми кнопку 'Ввод'", 2, true},
    {el::Command3, 2, std::nullopt, el::Command4,
     "Набери на калькуляторе величину высоты кольца и нажми кнопку 'Ввод'", 3, true},
    // Окно5 keeps its text: empty in inductance mode, "Ответ" in turns mode.
    {el::Command4, 3, std::nullopt, el::Command5,
     "Набери на калькуляторе количество витков и нажми кнопку 'Ввод'", kTurnsRow, false},
    {el::Command5, kTurnsRow, kInductanceRow, el::Command6, "Получи ответ'", kInductanceRow, false},
    // The last button stays: pressed again it computes N from whatever Окно6
    // holds, in either mode.
    {el::Command6, kInductanceRow, kTurnsRow, std::nullopt, "Получи ответ", kTurnsRow, false},
});

// In turns mode the stage of N is passed over: Command4 hands on at once to
// the button that takes L.
inline constexpr EnterStage kTurnsModeHandOver{
    el::Command5, kTurnsRow, std::nullopt, el::Command6,
    "Набери на калькуляторе величину индуктивности катушки и нажми кнопку 'Ввод'",
    kInductanceRow, true};

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
