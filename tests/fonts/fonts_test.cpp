// The faces the window draws with: each element's font is one of the bundled
// faces and no other font is known, every text the window shows has its
// glyphs, and what a user types keeps every character the original fonts
// have.
#include <gtest/gtest.h>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QRawFont>
#include <cstdlib>

#include "calc/runtime_error.hpp"
#include "presentation/widgets/fonts.hpp"
#include "window/elements.hpp"

namespace ringcoil {
namespace {

// Characters of a text the font has no glyph for.
QString missing(const QFont& font, const QString& text) {
  const QFontMetrics metrics(font);
  QString absent;
  for (const char32_t c : text.toUcs4()) {
    if (c != U' ' && c != U'\n' && !metrics.inFontUcs4(c)) absent += QString::fromUcs4(&c, 1);
  }
  return absent;
}

QString range(char32_t first, char32_t last) {
  QString text;
  for (char32_t c = first; c <= last; ++c) text += QString::fromUcs4(&c, 1);
  return text;
}

TEST(BundledFaces, StandInForEveryElementFontExactly) {
  for (const ElementDef& d : kElements) {
    const FontDef& def = fontOf(d);
    SCOPED_TRACE(std::string(d.name) + " in " + std::string(def.face));
    const QFontInfo info(fontFor(def));
    EXPECT_TRUE(info.exactMatch());
    EXPECT_TRUE(info.family().startsWith(QStringLiteral("Ringcoil ")))
        << info.family().toStdString();
    EXPECT_EQ(info.bold(), def.weight >= 700);
    EXPECT_EQ(info.italic(), def.italic);
  }
}

// The window's own font configuration holds the bundled faces alone: the
// look cannot depend on the fonts installed on the machine.
TEST(BundledFaces, AreTheOnlyFontsKnown) {
  // Qt lists fontconfig's generic names alongside, without faces of their own.
  const QStringList generic{QStringLiteral("Monospace"), QStringLiteral("Sans Serif"),
                            QStringLiteral("Serif")};
  QStringList families = QFontDatabase::families();
  families.removeIf([&](const QString& f) { return generic.contains(f); });
  families.sort();
  EXPECT_EQ(families,
            (QStringList{QStringLiteral("Ringcoil Heavy"), QStringLiteral("Ringcoil Sans"),
                         QStringLiteral("Ringcoil Serif")}));
}

TEST(BundledFaces, HaveEveryCharacterOfTheWindowsTexts) {
  for (const ElementDef& d : kElements) {
    const FontDef& def = fontOf(d);
    SCOPED_TRACE(std::string(d.name));
    EXPECT_EQ(missing(fontFor(def), displayText(d.caption, def.charset)), QString());
    EXPECT_EQ(missing(QGuiApplication::font(), qText(d.tooltip)), QString());
  }
  EXPECT_EQ(missing(QGuiApplication::font(), qText(kForm.caption)), QString());
  for (const ErrorCode code : {ErrorCode::TypeMismatch, ErrorCode::Overflow,
                               ErrorCode::DivisionByZero, ErrorCode::InvalidCall}) {
    EXPECT_EQ(missing(QGuiApplication::font(), qText(errorMessage(code))), QString());
  }
  // The hints and any text the window may come to show: Russian, Latin and
  // the symbol face's Greek letters, in every face.
  const QString alphabets = range(U'!', U'~') + range(U'А', U'я') + QStringLiteral("ЁёμωΩ«»—…№");
  for (const FontDef& def : {fonts::kWindow, fonts::kHint, fonts::kSymbol, fonts::kSymbolItalic,
                             fonts::kQuestion, fonts::kDisplay, fonts::kKey, fonts::kCommaKey}) {
    SCOPED_TRACE(std::string(def.face));
    EXPECT_EQ(missing(fontFor(def), alphabets), QString());
  }
}

// A user may type or paste anything into the display, and the value labels
// show it after "Ввод": their faces keep every character the original fonts
// have, beyond the window's own alphabets.
TEST(BundledFaces, ShowWhatAUserTypesAsTheOriginalFontsDo) {
  const struct {
    FontDef def;
    const char* original;
  } faces[] = {{fonts::kDisplay, "LiberationSerif-Bold.ttf"},
               {fonts::kValue, "LiberationSans-BoldItalic.ttf"}};
  for (const auto& face : faces) {
    SCOPED_TRACE(face.original);
    const QRawFont original(
        QStringLiteral(RINGCOIL_FONT_DIR "/%1").arg(QLatin1String(face.original)), 20);
    ASSERT_TRUE(original.isValid());
    QString characters;
    for (char32_t c = U' '; c <= 0x1ffff; ++c) {
      if (original.supportsCharacter(c)) characters += QString::fromUcs4(&c, 1);
    }
    ASSERT_GT(characters.size(), 2000);
    EXPECT_EQ(missing(fontFor(face.def), characters), QString());
  }
}

}  // namespace
}  // namespace ringcoil

int main(int argc, char** argv) {
  if (!std::getenv("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  ringcoil::registerBundledFonts();
  QGuiApplication::setFont(ringcoil::fontFor(ringcoil::kForm.font));
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
