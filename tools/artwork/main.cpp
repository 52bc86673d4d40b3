// ringcoil-artwork OUTDIR [FONTDIR]
//
// Draws every picture of the window into OUTDIR as PNG files. The output
// depends only on this program and the font files in FONTDIR (by default the
// project's assets/fonts), never on the fonts or settings of the machine.

#include <QDir>
#include <QGuiApplication>
#include <cstdio>
#include <exception>

#include "artwork.hpp"
#include "png_output.hpp"

namespace {

constexpr int kIconSizes[] = {16, 24, 32, 48, 64, 128, 256};

void drawAll(const QString& outDir, const artwork::FontFiles& fonts) {
  using namespace artwork;
  const auto out = [&](const QString& name) { return outDir + '/' + name; };
  const QImage wall = drawWall();
  writePng(wall, out("wall.png"));
  for (const int size : kIconSizes) {
    writePng(drawIcon(size), out(QStringLiteral("icon-%1.png").arg(size)));
  }
  writePng(drawHelpPointer(), out("cursor-help.png"));
  writePng(drawRedArrow(), out("cursor-arrow.png"));
  writePng(drawIconPointer(), out("cursor-icon.png"));
  writePng(drawHelpPage1(fonts), out("page1.png"));
  writePng(drawHelpPage2(fonts), out("page2.png"));
  writePng(drawHelpPage3(fonts), out("page3.png"));
  writePng(drawAuthorPage(fonts), out("author.png"));
  writePng(drawFrameStrip(wall, fonts), out("frames.png"));
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2 || argc > 3) {
    std::fprintf(stderr, "usage: %s OUTDIR [FONTDIR]\n", argv[0]);
    return 2;
  }
  // Everything is drawn into images; no screen is needed or wanted.
  qputenv("QT_QPA_PLATFORM", "offscreen");
  const QString outDir = QString::fromLocal8Bit(argv[1]);
  const QString fontDir =
      argc == 3 ? QString::fromLocal8Bit(argv[2]) : QStringLiteral(RINGCOIL_FONT_DIR);
  QGuiApplication app(argc, argv);

  if (!QDir().mkpath(outDir)) {
    std::fprintf(stderr, "cannot create %s\n", qPrintable(outDir));
    return 1;
  }
  try {
    drawAll(outDir, artwork::fontFilesIn(fontDir));
  } catch (const std::exception& error) {
    std::fprintf(stderr, "ringcoil-artwork: %s\n", error.what());
    return 1;
  }
  return 0;
}
