// The run-time errors a calculation can end with, by their classic numbers.
#pragma once

#include <string>
#include <string_view>

namespace ringcoil {

enum class ErrorCode : int {
  InvalidCall = 5,      // square root of a negative N squared
  Overflow = 6,         // a value or result beyond the double range; also 0/0 and other invalid operations
  DivisionByZero = 11,  // a non-zero number divided by zero
  TypeMismatch = 13,    // a value's text is not a number
};

// Thrown by a failing calculation; the handler that called it ends there and
// the window tells the user.
struct RuntimeError {
  ErrorCode code;
};

// The error's name in Russian, as the user reads it: "несоответствие типа".
std::string_view errorName(ErrorCode code);

// "Ошибка 13: несоответствие типа".
std::string errorMessage(ErrorCode code);

}  // namespace ringcoil
