// The floor for the start-up of ringcoil.exe under Wine: a bare Qt window of
// ringcoil's size with one label, built with the same Qt and flags.
#include <QApplication>
#include <QLabel>
#include <QWidget>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QWidget window;
  window.setWindowTitle(QStringLiteral("bare-window"));
  window.setFixedSize(485, 325);
  QLabel label(QStringLiteral("A bare window"), &window);
  label.move(10, 10);
  window.show();
  return QApplication::exec();
}
