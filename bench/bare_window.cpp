// The floor for start-up and memory: a bare Qt window of ringcoil's size
// with one label.
#include <QApplication>
#include <QLabel>
#include <QWidget>

#include "startup_mark.hpp"

int main(int argc, char** argv) {
  ringcoil::bench::markMainStart();
  QApplication app(argc, argv);
  QWidget window;
  window.setFixedSize(485, 325);
  QLabel label(QStringLiteral("A bare window"), &window);
  label.move(10, 10);
  ringcoil::bench::installHooks(window);
  window.show();
  return QApplication::exec();
}
