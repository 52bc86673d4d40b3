#include "calc/runtime_error.hpp"

namespace ringcoil {

std::string_view errorName(ErrorCode code) {
  switch (code) {
    case ErrorCode::InvalidCall:
      return "неверный вызов процедуры или аргумент";
    case ErrorCode::Overflow:
      return "переполнение";
    case ErrorCode::DivisionByZero:
      return "деление на ноль";
    case ErrorCode::TypeMismatch:
      return "несоответствие типа";
  }
  // Only reachable through a cast from an unlisted number.
  return "неизвестная ошибка";
}

std::string errorMessage(ErrorCode code) {
  std::string message = "Ошибка ";
  message += std::to_string(static_cast<int>(code));
  message += ": ";
  message += errorName(code);
  return message;
}

}  // namespace ringcoil
