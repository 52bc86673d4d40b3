#include "presentation/program.hpp"

#include <QApplication>

#include "presentation/application.hpp"
#include "presentation/platform.hpp"
#include "presentation/platform/session.hpp"
#include "presentation/widgets/form_window.hpp"

namespace ringcoil {

int runProgram(void (*beforeShow)(QWidget& window)) {
  preparePlatform();
  // Qt keeps references to these for the application's life.
  char name[] = "ringcoil";
  char* arguments[] = {name, nullptr};
  int count = 1;
  StartGuard guard;
  QApplication app(count, arguments);
  guard.release();

  prepareApplication(app);
  FormWindow window;
  if (beforeShow) beforeShow(window);
  // Declared after the window, so destroyed before it.
  const auto frame = frameForPlatform(window);
  if (frame) {
    frame->show();
  } else {
    window.show();
  }
  return QApplication::exec();
}

}  // namespace ringcoil
