// What the dialogue needs of whoever shows the window: telling the user of a
// failed calculation, and ending the program.
#pragma once

#include "calc/runtime_error.hpp"

namespace ringcoil {

class Host {
 public:
  // A calculation ended with `code`; the window goes on afterwards with
  // everything the user entered.
  virtual void showError(ErrorCode code) = 0;
  // "Выход": the program ends at once, nothing is saved.
  virtual void endProgram() = 0;

 protected:
  ~Host() = default;
};

}  // namespace ringcoil
