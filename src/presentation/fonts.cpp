#include "presentation/fonts.hpp"

#include <fontconfig/fontconfig.h>

#include <QDir>
#include <QFontDatabase>
#include <QResource>
#include <cmath>

namespace ringcoil {

namespace {

// The window draws every text with its own faces and never falls back to
// another font, so it has no use for the system's fonts, families and
// substitution rules, which fontconfig otherwise reads and sets up at every
// start (35 configuration files and every installed font on Debian 12): a
// third of the program's start-up. It gets a configuration of its own: the
// bundled faces, and of the machine's configuration what says how text is
// drawn, so that antialiasing, hinting and subpixel order follow the desktop
// as before. By fontconfig's numbering of conf.d those are the files 10 to 29;
// the user's own files and the machine's local.conf, where preferences of
// the kind are set, come after them as in the system's configuration. A
// FONTCONFIG_FILE chosen explicitly is left alone.
void useOwnFontConfiguration() {
  if (qEnvironmentVariableIsSet("FONTCONFIG_FILE")) return;
  const auto include = [](const QString& file, const char* prefix = nullptr) {
    return QByteArray("<include ignore_missing=\"yes\"") +
           (prefix ? QByteArray(" prefix=\"") + prefix + '"' : "") + '>' +
           file.toHtmlEscaped().toUtf8() + "</include>";
  };
  QByteArray xml = "<?xml version=\"1.0\"?><fontconfig>";
  const QDir confD(QStringLiteral("/etc/fonts/conf.d"));
  for (const QString& name : confD.entryList(QDir::Files, QDir::Name)) {
    // 10-*.conf to 29-*.conf, picked by hand: a name filter would load the
    // regular expression engine for this alone.
    const bool rendering = name.size() > 3 && (name[0] == u'1' || name[0] == u'2') &&
                           name[1].isDigit() && name[2] == u'-' &&
                           name.endsWith(QLatin1String(".conf"));
    if (rendering) xml += include(confD.filePath(name));
  }
  xml += include(QStringLiteral("fontconfig/conf.d"), "xdg");
  xml += include(QStringLiteral("fontconfig/fonts.conf"), "xdg");
  xml += include(QStringLiteral("/etc/fonts/local.conf"));
  // Where the machine says nothing: Debian's own defaults, grayscale
  // antialiasing and slight hinting.
  xml +=
      "<match target=\"pattern\"><edit name=\"antialias\" mode=\"append\"><bool>true</bool></edit>"
      "<edit name=\"hintstyle\" mode=\"append\"><const>hintslight</const></edit></match>";
  xml += "</fontconfig>";
  FcConfig* config = FcConfigCreate();
  if (!config) return;
  if (FcConfigParseAndLoadFromMemory(config, reinterpret_cast<const FcChar8*>(xml.constData()),
                                     FcTrue)) {
    FcConfigSetCurrent(config);  // holds its own reference; Qt releases it at exit
  }
  FcConfigDestroy(config);
}

}  // namespace

void registerBundledFonts() {
  useOwnFontConfiguration();
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
  return font;
}

QString qText(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString displayText(std::string_view caption, Charset charset) {
  QString text = qText(caption);
  if (charset == Charset::Symbol) {
    text.replace(QLatin1Char('m'), QChar(0x03BC));  // μ
    text.replace(QLatin1Char('w'), QChar(0x03C9));  // ω
  }
  return text;
}

}  // namespace ringcoil
