#include "presentation/application.hpp"

#include <QApplication>

#include "presentation/accessibility/accessibility.hpp"
#include "presentation/widgets/classic_style.hpp"
#include "presentation/widgets/fonts.hpp"
#include "window/elements.hpp"

namespace ringcoil {

void prepareApplication(QApplication& app) {
  registerBundledFonts();
  auto* classic = new ClassicStyle;  // the application takes it over
  QApplication::setStyle(classic);
  QApplication::setPalette(classic->standardPalette());
  QApplication::setFont(fontFor(kForm.font));
  app.setApplicationName(QStringLiteral("ringcoil"));
  app.setApplicationDisplayName(qText(kForm.caption));
  app.setDesktopFileName(QStringLiteral("io.github.ringcoil.Ringcoil"));
  installAccessibility();
}

}  // namespace ringcoil
