#include "presentation/platform/session.hpp"

#include <QString>
#include <QtGlobal>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

namespace ringcoil {

namespace {

bool isSet(const char* name) {
  const char* value = std::getenv(name);
  return value && *value;
}

struct HeldMessage {
  QtMsgType type;
  std::optional<std::string> file, function, category;
  int line;
  QString text;
};

std::optional<std::string> copyOf(const char* text) {
  if (!text) return std::nullopt;
  return std::string(text);
}

const char* pointerOf(const std::optional<std::string>& text) {
  return text ? text->c_str() : nullptr;
}

// Qt may write from its D-Bus thread too, so the guard's state is locked.
std::mutex guardMutex;
QtMessageHandler previousHandler = nullptr;
std::vector<HeldMessage> held;

[[noreturn]] void refuseStart() {
  const char* line =
      isSet("DISPLAY") || isSet("WAYLAND_DISPLAY")
          ? "ringcoil: нужен графический сеанс, а дисплей не открывается / "
            "ringcoil needs a graphical session, but the display cannot be opened\n"
          : "ringcoil: нужен графический сеанс, а дисплей не задан (DISPLAY, WAYLAND_DISPLAY) / "
            "ringcoil needs a graphical session, but no display is set "
            "(DISPLAY, WAYLAND_DISPLAY)\n";
  std::fputs(line, stderr);
  std::fflush(stderr);
  // Not exit(): Qt is half way through its set-up, and the destructors of its
  // statics would run on that.
  std::_Exit(1);
}

void holdMessage(QtMsgType type, const QMessageLogContext& context, const QString& text) {
  // A fatal message while the application is being created is Qt giving up
  // on its platform: no display, or one that refused the connection.
  if (type == QtFatalMsg) refuseStart();
  const std::lock_guard lock(guardMutex);
  held.push_back({type, copyOf(context.file), copyOf(context.function), copyOf(context.category),
                  context.line, text});
}

}  // namespace

StartGuard::StartGuard() {
  previousHandler = qInstallMessageHandler(holdMessage);
}

void StartGuard::release() {
  if (!active_) return;
  active_ = false;
  std::vector<HeldMessage> messages;
  {
    const std::lock_guard lock(guardMutex);
    qInstallMessageHandler(previousHandler);
    messages.swap(held);
  }
  for (const HeldMessage& m : messages) {
    const QMessageLogContext context(pointerOf(m.file), m.line, pointerOf(m.function),
                                     pointerOf(m.category));
    if (previousHandler) previousHandler(m.type, context, m.text);
  }
}

}  // namespace ringcoil
