// What the program asks of the desktop session before Qt starts: on Linux a
// display it can open (session.cpp; the session bus is platform_linux.cpp's
// business). On Windows Qt's platform is built into the program and there
// is nothing to guard: platform_windows.cpp's guard does nothing.
#pragma once

namespace ringcoil {

// Stands guard while the QApplication is being created. Qt ends a program
// whose display cannot be opened with an abort and advice to reinstall; under
// guard it ends instead with status 1 and one line, in Russian and in
// English, saying that the program needs a graphical session. The messages Qt
// writes meanwhile are held back and passed on once the application stands,
// so a failed start prints that one line alone.
class StartGuard {
 public:
  StartGuard();
  ~StartGuard() { release(); }
  StartGuard(const StartGuard&) = delete;
  StartGuard& operator=(const StartGuard&) = delete;

  // The application stands: Qt's messages go their usual way again.
  void release();

 private:
  bool active_ = true;
};

}  // namespace ringcoil
