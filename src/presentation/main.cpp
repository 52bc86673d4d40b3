// ringcoil: the toroid coil calculator. It takes no command line.
#include <QApplication>

#include "presentation/form_window.hpp"
#include "presentation/startup_mark.hpp"

int main(int argc, char** argv) {
  ringcoil::bench::markMainStart();
  QApplication app(argc, argv);
  ringcoil::prepareApplication(app);
  ringcoil::FormWindow window;
  ringcoil::bench::installHooks(window);
  window.show();
  return QApplication::exec();
}
