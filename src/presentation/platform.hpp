// What differs between the desktops the program runs on. The build picks one
// implementation: platform_linux.cpp (X11 and Wayland) or platform_windows.cpp.
// Everything else in the program is the same on both.
#pragma once

#include <QWidget>
#include <memory>

class QFont;
class QMessageBox;
class QString;

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

// The frame the window is shown in, if the platform needs one of the
// program's own (Wayland); otherwise none, and the window is shown as it is.
std::unique_ptr<QWidget> frameForPlatform(QWidget& content);

// Widens a message box so that its title bar shows the whole title.
void fitTitleBar(QMessageBox& box);

// Runs a message box to its end, modal over `owner`'s window: on Wayland in
// a frame of the program's own, like the window's; elsewhere in the
// system's.
void execMessageBox(QMessageBox& box, QWidget& owner);

// Says `words` to screen readers as a notification from `window`, where the
// platform's accessibility bridge does not pass on the notification object
// that speech.cpp shows (Windows: a UI Automation notification event);
// elsewhere nothing.
void notifyForPlatform(QWidget& window, const QString& words);

}  // namespace ringcoil
