#include "startup_mark.hpp"

#include <time.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QPaintEvent>
#include <QTimer>
#include <QWidget>
#include <chrono>
#include <cstdio>
#include <cstring>

namespace ringcoil::bench {

namespace {

std::chrono::steady_clock::time_point mainStart;

bool flag(const char* name) {
  return qEnvironmentVariableIntValue(name) == 1;
}

// Milliseconds since the kernel started this process: its start time (field
// 22 of /proc/self/stat, in clock ticks since boot) against the boot clock.
double msSinceProcessStart() {
  std::FILE* file = std::fopen("/proc/self/stat", "r");
  if (!file) return -1;
  char line[1024] = {};
  const bool read = std::fgets(line, sizeof line, file) != nullptr;
  std::fclose(file);
  // The command name (field 2) is in parentheses and may hold spaces.
  const char* rest = read ? std::strrchr(line, ')') : nullptr;
  unsigned long long startTicks = 0;
  if (!rest || std::sscanf(rest + 2,
                           "%*s %*s %*s %*s %*s %*s %*s %*s %*s %*s %*s %*s %*s %*s %*s "
                           "%*s %*s %*s %*s %llu",
                           &startTicks) != 1) {
    return -1;
  }
  timespec now{};
  clock_gettime(CLOCK_BOOTTIME, &now);
  const double startS = static_cast<double>(startTicks) / static_cast<double>(sysconf(_SC_CLK_TCK));
  return (static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9 - startS) * 1e3;
}

double msSinceMain() {
  return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - mainStart)
      .count();
}

long long areaOf(const QRegion& region) {
  long long area = 0;
  for (const QRect& r : region) area += static_cast<long long>(r.width()) * r.height();
  return area;
}

class Hooks final : public QObject {
 public:
  Hooks(QWidget& window, bool mark, bool exitAfterMark, int tickLimit, bool repaint)
      : QObject(&window),
        window_(window),
        mark_(mark),
        exit_(exitAfterMark),
        tickLimit_(tickLimit),
        repaint_(repaint) {
    // One filter sees every event it needs once: the application's when
    // ticks or other widgets' paints matter, else the window's own.
    if (tickLimit_ >= 0 || repaint_) {
      QCoreApplication::instance()->installEventFilter(this);
    } else {
      window.installEventFilter(this);
    }
  }

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint && watched->isWidgetType()) {
      if (watched == &window_ && !shown_) firstPaint();
      if (repaint_ && shown_) {
        countPaint(static_cast<QWidget*>(watched), *static_cast<QPaintEvent*>(event));
      }
    } else if (event->type() == QEvent::Timer && shown_) {
      // The animation clock: the first repeating QTimer to fire once the
      // window is on the screen. Earlier ticks are left alone, so a slow
      // start (under valgrind) changes no count.
      auto* timer = qobject_cast<QTimer*>(watched);
      if (!clock_ && timer && !timer->isSingleShot()) clock_ = timer;
      if (timer && timer == clock_) return tick();
    }
    return false;
  }

 private:
  // The first frame is on its way to the screen once the paint that started
  // it has been flushed, which is when the event loop comes round again.
  void firstPaint() {
    shown_ = true;
    if (!mark_) return;
    QMetaObject::invokeMethod(
        this,
        [this] {
          std::fprintf(stderr, "first-frame-ms %.1f\nfirst-frame-main-ms %.1f\n",
                       msSinceProcessStart(), msSinceMain());
          std::fflush(stderr);
          if (exit_) QCoreApplication::exit(0);
        },
        Qt::QueuedConnection);
  }

  void countPaint(QWidget* widget, const QPaintEvent& event) {
    painted_ += areaOf(event.region());
    events_ += 1;
    union_ += event.region().translated(widget->mapTo(widget->window(), QPoint(0, 0)));
  }

  // Reports what the previous tick repainted (the first report would hold
  // the whole first frame and is left out); returns true to swallow the tick
  // past the limit.
  bool tick() {
    ++ticks_;
    if (repaint_ && ticks_ > 1) {
      std::fprintf(stderr, "repaint-tick %d union-px %lld painted-px %lld paint-events %d\n",
                   ticks_ - 1, areaOf(union_), painted_, events_);
      std::fflush(stderr);
    }
    union_ = QRegion();
    painted_ = 0;
    events_ = 0;
    if (tickLimit_ >= 0 && ticks_ > tickLimit_) {
      QCoreApplication::exit(0);
      return true;
    }
    return false;
  }

  QWidget& window_;
  bool mark_;
  bool exit_;
  int tickLimit_;
  bool repaint_;
  bool shown_ = false;
  QTimer* clock_ = nullptr;
  int ticks_ = 0;
  QRegion union_;
  long long painted_ = 0;
  int events_ = 0;
};

}  // namespace

void markMainStart() {
  mainStart = std::chrono::steady_clock::now();
}

void installHooks(QWidget& window) {
  const bool mark = flag("RINGCOIL_BENCH_MARK");
  const bool repaint = flag("RINGCOIL_BENCH_REPAINT");
  bool ticksSet = false;
  const int ticks = qEnvironmentVariableIntValue("RINGCOIL_BENCH_TICKS", &ticksSet);
  if (!mark && !repaint && !ticksSet) return;
  new Hooks(window, mark, flag("RINGCOIL_BENCH_EXIT"), ticksSet ? ticks : -1, repaint);
}

}  // namespace ringcoil::bench
