// What differs between the desktops the program runs on. The build picks one
// implementation in platform/: platform_linux.cpp (X11 and Wayland) or
// platform_windows.cpp.
// Everything else in the program is the same on both.
#pragma once

#include <QString>
#include <QWidget>
#include <memory>
#include <optional>

class QFont;

namespace ringcoil {

// Before the QApplication is created: on Linux, keeps libdbus from starting
// a session bus of its own; on Windows, has Qt draw text with FreeType, as on
// Linux, so that the window looks the same to the pixel, and marks that the
// program runs, for the installer.
void preparePlatform();

// Before the bundled faces are registered: on Linux, fontconfig's set-up.
void prepareFontRendering();

// What a face of the window needs on top of fontFor()'s settings: on
// Windows, the grayscale antialiasing and slight hinting that Debian draws
// with by default.
void adjustFontForPlatform(QFont& font);

// The title bar the window and the frame of the program's own ask for:
// minimise and close; the fixed size keeps maximise off.
inline constexpr Qt::WindowFlags kTitleBarFlags = Qt::Window | Qt::WindowTitleHint |
                                                  Qt::WindowSystemMenuHint |
                                                  Qt::WindowMinimizeButtonHint |
                                                  Qt::WindowCloseButtonHint;

// The frame a window (the calculator, a message box) is shown in, if the
// platform needs one of the program's own (Wayland); otherwise none, and
// the window is shown in the system's.
std::unique_ptr<QWidget> frameForPlatform(QWidget& content);

// The least width, in Qt's pixels, of a window's content for its title bar
// to show `title` whole; nullopt where it cannot be told.
std::optional<int> widthForTitle(const QString& title);

// Says `words` to screen readers as a notification from `window`, where the
// platform's accessibility bridge does not pass on the notification object
// that speech.cpp shows (Windows: a UI Automation notification event);
// elsewhere nothing.
void notifyForPlatform(QWidget& window, const QString& words);

}  // namespace ringcoil
