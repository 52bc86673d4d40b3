// The box that tells of a failed calculation.
#pragma once

#include "calc/runtime_error.hpp"

class QWidget;

namespace ringcoil {

// Shows the message of `code` in a box modal over `owner`'s window, with the
// program's title whole in its title bar, until the user closes it.
void showErrorBox(ErrorCode code, QWidget& owner);

}  // namespace ringcoil
