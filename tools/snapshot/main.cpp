// ringcoil-snapshot OUT.png [SCRIPT]: renders the calculator's window
// offscreen, after running a replay script when one is given, to a PNG of the
// client area (485 × 325 pixels).
#include <QApplication>
#include <QImage>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <sstream>

#include "presentation/application.hpp"
#include "presentation/widgets/form_window.hpp"
#include "replay.hpp"

int main(int argc, char** argv) {
  if (argc < 2 || argc > 3) {
    std::cerr << "usage: ringcoil-snapshot OUT.png [SCRIPT]\n";
    return 2;
  }
  std::vector<ringcoil::replay::ScriptLine> script;
  if (argc == 3) {
    std::ifstream in(argv[2]);
    if (!in) {
      std::cerr << "ringcoil-snapshot: cannot read " << argv[2] << '\n';
      return 2;
    }
    auto parsed = ringcoil::replay::parseScript(in);
    if (const auto* error = std::get_if<ringcoil::replay::ParseError>(&parsed)) {
      std::cerr << "ringcoil-snapshot: line " << error->line << ": " << error->message << '\n';
      return 2;
    }
    script = std::get<std::vector<ringcoil::replay::ScriptLine>>(std::move(parsed));
  }

  if (!std::getenv("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  ringcoil::prepareApplication(app);
  ringcoil::FormWindow window;
  window.stopClock();  // only the script's ticks move the animation
  window.show();
  QApplication::processEvents();
  window.presentError = [](ringcoil::ErrorCode code) {
    std::cerr << ringcoil::errorMessage(code) << '\n';
  };
  std::ostringstream ignored;  // "state" listings are the replay tool's business
  for (const auto& line : script) {
    if (window.form().ended()) break;
    ringcoil::replay::applyCommand(window.form(), line.command, ignored);
    window.sync();
  }
  const QImage image = window.grab().toImage().convertToFormat(QImage::Format_RGB888);
  if (!image.save(QString::fromLocal8Bit(argv[1]), "PNG")) {
    std::cerr << "ringcoil-snapshot: cannot write " << argv[1] << '\n';
    return 1;
  }
  return 0;
}
