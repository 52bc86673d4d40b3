// Windows: the system draws the title bar and the border, and the window
// draws its texts with FreeType, as on Linux.
#include <windows.h>

#include <QFont>
#include <QGuiApplication>
#include <QScreen>
#include <QtGlobal>
#include <cmath>
#include <string>

#include "presentation/platform.hpp"
#include "presentation/platform/session.hpp"

namespace ringcoil {

// Qt's platform is linked in: its start cannot fail for want of a display.
StartGuard::StartGuard() = default;
void StartGuard::release() { active_ = false; }

void preparePlatform() {
  // Qt's own FreeType engine instead of DirectWrite or GDI, which hint and
  // antialias in their own way: the faces are built in, so with the same
  // engine and settings every text has the pixels it has on Linux.
  qputenv("QT_QPA_PLATFORM", "windows:fontengine=freetype");
}

void prepareFontRendering() {}

void adjustFontForPlatform(QFont& font) {
  // Slight hinting and grayscale antialiasing, whatever ClearType is set to.
  font.setHintingPreference(QFont::PreferVerticalHinting);
  font.setStyleStrategy(QFont::StyleStrategy(font.styleStrategy() | QFont::NoSubpixelAntialias));
}

// The system draws the title bar, with minimise and close as the window's
// flags ask; the fixed size keeps maximise off.
std::unique_ptr<QWidget> frameForPlatform(QWidget&) { return nullptr; }

std::optional<int> widthForTitle(const QString& shown) {
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof metrics;
  if (!SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0)) return std::nullopt;
  // The title as the system draws it: in the caption font.
  const std::wstring title = shown.toStdWString();
  SIZE extent{};
  HDC dc = GetDC(nullptr);
  HFONT font = CreateFontIndirectW(&metrics.lfCaptionFont);
  HGDIOBJ previous = SelectObject(dc, font);
  GetTextExtentPoint32W(dc, title.c_str(), static_cast<int>(title.size()), &extent);
  SelectObject(dc, previous);
  DeleteObject(font);
  ReleaseDC(nullptr, dc);
  // Inside the border, as wide as the client area, the title bar holds the
  // icon (where the box has one) and the title, then the close button; a
  // second button's width covers the gaps between them.
  const int icon = GetSystemMetrics(SM_CXSMICON);
  const int button = GetSystemMetrics(SM_CXSIZE);
  const int titleBar = icon + extent.cx + 2 * button;
  // The metrics are device pixels, the layout's are Qt's.
  const qreal ratio = QGuiApplication::primaryScreen()->devicePixelRatio();
  return static_cast<int>(std::ceil(titleBar / ratio));
}

}  // namespace ringcoil
