// What the program asks of the desktop session before Qt starts: a display it
// can open, and a D-Bus session bus only where the session already has one.
#pragma once

namespace ringcoil {

// libdbus, asked for the session bus where none is announced, starts one
// itself ("autolaunch": a dbus-launch and a dbus-daemon that outlive the
// program and write under ~/.dbus). Qt asks for that bus at start, for the
// screen reader bridge. Where the session announces no bus, this points the
// bus address at one that fails at once, so the bridge stays off, as it would
// anyway: no screen reader can be listening without a bus. Where a bus is
// announced, nothing changes. Call before the QApplication is created.
void keepSessionBusFromStarting();

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
