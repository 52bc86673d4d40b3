// The floor for the idle cost: the bare window plus a 100 × 34 picture that
// changes every 80 ms, cycling through pictures made at start.
#include <QApplication>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QTimer>
#include <QWidget>
#include <array>

#include "startup_mark.hpp"

int main(int argc, char** argv) {
  ringcoil::bench::markMainStart();
  QApplication app(argc, argv);
  QWidget window;
  window.setFixedSize(485, 325);
  QLabel label(QStringLiteral("A bare window"), &window);
  label.move(10, 40);

  std::array<QPixmap, 4> pictures;
  for (std::size_t i = 0; i < pictures.size(); ++i) {
    pictures[i] = QPixmap(100, 34);
    pictures[i].fill(QColor::fromHsv(static_cast<int>(i) * 90, 200, 220));
    QPainter p(&pictures[i]);
    p.fillRect(static_cast<int>(i) * 25, 0, 25, 34, Qt::black);
  }
  QLabel box(&window);
  box.setGeometry(22, 2, 100, 34);
  box.setPixmap(pictures[0]);

  std::size_t frame = 0;
  QTimer timer;
  timer.setTimerType(Qt::PreciseTimer);
  timer.setInterval(80);
  QObject::connect(&timer, &QTimer::timeout, &box, [&] {
    frame = (frame + 1) % pictures.size();
    box.setPixmap(pictures[frame]);
  });
  timer.start();

  ringcoil::bench::installHooks(window);
  window.show();
  return QApplication::exec();
}
