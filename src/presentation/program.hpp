// The whole program: the session checks, the application, the window and its
// event loop.
#pragma once

class QWidget;

namespace ringcoil {

// Runs ringcoil and returns its exit status. It takes no command line: not
// even Qt is handed the arguments, whose own options (-reverse, -style,
// -stylesheet, ...) would change the window. `beforeShow`, when given, is
// called with the window before it is first shown (the benchmarks' program
// installs its measurement hooks there).
int runProgram(void (*beforeShow)(QWidget& window) = nullptr);

}  // namespace ringcoil
