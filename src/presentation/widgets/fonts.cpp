#include "presentation/widgets/fonts.hpp"

#include <QFontDatabase>
#include <QResource>
#include <cmath>

#include "dialogue/element_words.hpp"
#include "presentation/platform.hpp"

namespace ringcoil {

void registerBundledFonts() {
  prepareFontRendering();
  for (const char* file :
       {":/fonts/sans-bold.ttf", ":/fonts/sans-bolditalic.ttf", ":/fonts/serif-bold.ttf",
        ":/fonts/serif-bolditalic.ttf", ":/fonts/heavy.ttf"}) {
    // Stored uncompressed, so the font database reads the embedded bytes in
    // place instead of keeping a copy of each file.
    const QResource font(QString::fromLatin1(file));
    QFontDatabase::addApplicationFontFromData(
        QByteArray::fromRawData(reinterpret_cast<const char*>(font.data()), font.size()));
  }
}

namespace {

// The faces are made from Liberation Sans, Liberation Serif and DejaVu Sans
// at build time, under names of their own (see tools/fontsubset).
QString bundledFamily(std::string_view face) {
  if (face == "Times New Roman" || face == "MS Serif" || face == "Symbol") {
    return QStringLiteral("Ringcoil Serif");
  }
  if (face == "Arial Black") return QStringLiteral("Ringcoil Heavy");
  return QStringLiteral("Ringcoil Sans");  // "MS Sans Serif", "System"
}

}  // namespace

QFont fontFor(const FontDef& def) {
  QFont font(bundledFamily(def.face));
  // Points at 96 dots per inch: 8.25 pt is 11 pixels, 13.5 pt is 18.
  font.setPixelSize(static_cast<int>(std::lround(def.points * 96.0 / 72.0)));
  font.setWeight(def.weight >= 700 ? QFont::Bold : QFont::Normal);
  font.setItalic(def.italic);
  font.setUnderline(def.underline);
  font.setStyleStrategy(QFont::NoFontMerging);
  font.setKerning(false);
  adjustFontForPlatform(font);
  return font;
}

QString qText(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString displayText(std::string_view caption, Charset charset) {
  return qText(captionAsShown(caption, charset));
}

}  // namespace ringcoil
