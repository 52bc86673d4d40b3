// ringcoil: the toroid coil calculator. It takes no command line.
#include <QApplication>

#include "presentation/form_window.hpp"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  ringcoil::prepareApplication(app);
  ringcoil::FormWindow window;
  window.show();
  return QApplication::exec();
}
