// The Linux desktop: X11 or Wayland, fontconfig, a D-Bus session bus shared
// with the screen reader, and the message boxes. The Wayland frame is in
// window_frame.cpp.
#include <fontconfig/fontconfig.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QByteArray>
#include <QFontMetrics>
#include <QGridLayout>
#include <QGuiApplication>
#include <QMessageBox>
#include <QSpacerItem>
#include <QWindow>
#include <QDir>
#include <QFont>
#include <algorithm>
#include <cstdlib>
#include <string>

#include "presentation/platform.hpp"
#include "presentation/window_frame.hpp"

namespace ringcoil {

namespace {

bool isSet(const char* name) {
  const char* value = std::getenv(name);
  return value && *value;
}

// The same two places libdbus looks before it falls back to autolaunching:
// the address in the environment, then the per-user bus socket of systemd.
bool sessionBusAnnounced() {
  if (isSet("DBUS_SESSION_BUS_ADDRESS")) return true;
  const char* runtimeDir = std::getenv("XDG_RUNTIME_DIR");
  if (!runtimeDir || !*runtimeDir) return false;
  const std::string socket = std::string(runtimeDir) + "/bus";
  struct stat info {};
  return stat(socket.c_str(), &info) == 0 && S_ISSOCK(info.st_mode) && info.st_uid == getuid();
}

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

// libdbus, asked for the session bus where none is announced, starts one
// itself ("autolaunch": a dbus-launch and a dbus-daemon that outlive the
// program and write under ~/.dbus). Qt asks for that bus at start, for the
// screen reader bridge. Where the session announces no bus, this points the
// bus address at one that fails at once, so the bridge stays off, as it would
// anyway: no screen reader can be listening without a bus. Where a bus is
// announced, nothing changes.
void preparePlatform() {
  // An address of an unknown kind: libdbus refuses it without a word.
  if (!sessionBusAnnounced()) setenv("DBUS_SESSION_BUS_ADDRESS", "disabled:", 1);
}

void prepareFontRendering() { useOwnFontConfiguration(); }

// Antialiasing and hinting are fontconfig's, as the desktop sets them.
void adjustFontForPlatform(QFont&) {}

void fitTitleBar(QMessageBox& box) {
  auto* grid = qobject_cast<QGridLayout*>(box.layout());
  if (!grid) return;
  // Measured against Qt's own Wayland title bar, the widest of them: it lays
  // the title out in the application's font and centres it across the whole
  // width, then draws it 14 pixels high; it cuts the title off 35 pixels
  // from the left edge (after the icon) and 77 from the right (before its
  // three buttons). Its border is 3 pixels wide. The title bars of X window
  // managers (openbox, KWin, Mutter, Xfwm) and the frame's classic one take
  // no more room for their buttons and draw their titles no larger.
  constexpr int kLeftCut = 35, kRightCut = 77, kBorderWidth = 3, kSpare = 8;
  const QString title = box.windowTitle();
  QFont drawn = QGuiApplication::font();
  drawn.setPixelSize(14);
  const int drawnWidth = QFontMetrics(drawn).horizontalAdvance(title);
  const int laidOut = QFontMetrics(QGuiApplication::font()).horizontalAdvance(title);
  // The title starts at (outer − laidOut) / 2 and ends drawnWidth later.
  const int outer = std::max(2 * drawnWidth - laidOut + 2 * kRightCut, laidOut + 2 * kLeftCut);
  const QMargins margins = grid->contentsMargins();
  const int inner = outer + kSpare - 2 * kBorderWidth - margins.left() - margins.right();
  grid->addItem(new QSpacerItem(inner, 0, QSizePolicy::Minimum, QSizePolicy::Minimum),
                grid->rowCount(), 0, 1, grid->columnCount());
}

void execMessageBox(QMessageBox& box, QWidget& owner) {
  if (!onWayland()) {
    box.exec();
    return;
  }
  WindowFrame frame(box);
  frame.setWindowModality(Qt::ApplicationModal);
  frame.winId();
  if (QWindow* parent = owner.window()->windowHandle()) frame.windowHandle()->setTransientParent(parent);
  frame.show();
  box.exec();
}

// Orca speaks the notification object as it is shown.
void notifyForPlatform(QWidget&, const QString&) {}

}  // namespace ringcoil
