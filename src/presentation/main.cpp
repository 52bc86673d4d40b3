// ringcoil: the toroid coil calculator. It takes no command line: its
// arguments are not even handed to Qt, whose own options (-reverse, -style,
// -stylesheet, ...) would change the window.
#include <QApplication>

#include "presentation/form_window.hpp"
#include "presentation/session.hpp"
#include "presentation/window_frame.hpp"
#ifdef RINGCOIL_BENCH_HOOKS
#include "presentation/startup_mark.hpp"
#endif

int main(int, char**) {
#ifdef RINGCOIL_BENCH_HOOKS
  ringcoil::bench::markMainStart();
#endif
  ringcoil::keepSessionBusFromStarting();
  // Qt keeps references to these for the application's life.
  char name[] = "ringcoil";
  char* arguments[] = {name, nullptr};
  int count = 1;
  ringcoil::StartGuard guard;
  QApplication app(count, arguments);
  guard.release();

  ringcoil::prepareApplication(app);
  ringcoil::FormWindow window;
#ifdef RINGCOIL_BENCH_HOOKS
  ringcoil::bench::installHooks(window);
#endif
  // Declared after the window, so destroyed before it.
  const auto frame = ringcoil::frameForPlatform(window);
  if (frame) {
    frame->show();
  } else {
    window.show();
  }
  return QApplication::exec();
}
