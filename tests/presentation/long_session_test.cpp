// An hour of animation and ten thousand user events in the real window
// (offscreen): resident memory stays flat once the window has warmed up.
#include <QClipboard>
#include <QFile>
#include <iostream>
#include <random>

#include "window_fixture.hpp"

namespace ringcoil::testing {
namespace {

using namespace el;

// Resident memory in kB, from /proc/self/status.
long residentKb() {
  QFile status(QStringLiteral("/proc/self/status"));
  if (!status.open(QIODevice::ReadOnly)) return -1;
  for (const QByteArray& line : status.readAll().split('\n')) {
    if (line.startsWith("VmRSS:")) return line.mid(6).trimmed().split(' ').first().toLong();
  }
  return -1;
}

class LongSession : public WindowTest {
 protected:
  // One tick of the clock, as the timer delivers it, and the repaint it asks for.
  void tick() {
    window->form().tick();
    window->sync();
  }

  // A user event drawn from a fixed sequence: hovering, keys, Enter, "#",
  // pages, typed text.
  void userEvent(std::mt19937& random) {
    switch (random() % 8) {
      case 0: moveTo(static_cast<int>(random() % 485), static_cast<int>(random() % 325)); break;
      case 1: moveTo(250, 210); break;  // Виток
      case 2: moveTo(250, 240); break;  // Индукт
      case 3: keys(random() % 2 ? "12" : "5,"); break;
      case 4: clickWidgetAt(60, 262); break;  // the front-most Enter button
      case 5: clickWidgetAt(105, 230); break;  // "#"
      case 6: {
        // Through the pages and back: title, three buttons, the author page.
        clickAt(300, 30);
        for (Id next : {Далее, Далеее, Закрыть}) click(next);
        clickWidgetAt(250, 170);
        break;
      }
      default:
        if (widget(Q5)->isVisible()) click(Q5);
        if (widget(Q6)->isVisible()) click(Q6);
        break;
    }
    QApplication::processEvents();
  }
};

TEST_F(LongSession, AnHourOfTicksAndTenThousandEventsKeepMemoryFlat) {
  constexpr int kTicks = 45000;        // 80 ms each: one hour
  constexpr int kUserEvents = 10000;
  constexpr int kWarmUpTicks = 5000;
  std::mt19937 random(20261208);
  long warm = 0;
  int events = 0;
  for (int t = 0; t < kTicks; ++t) {
    tick();
    if (t % 20 == 0) QApplication::processEvents();
    // The user events are spread over the hour.
    while (events < kUserEvents && static_cast<long>(events) * kTicks < static_cast<long>(t) * kUserEvents) {
      userEvent(random);
      ++events;
    }
    if (t == kWarmUpTicks) warm = residentKb();
  }
  QApplication::processEvents();
  const long end = residentKb();
  ASSERT_GT(warm, 0);
  std::cout << "resident memory: " << warm << " kB after warm-up, " << end << " kB after "
            << kTicks << " ticks and " << events << " user events\n";
  EXPECT_LT(end - warm, 1024) << "kB grown after warm-up";
  EXPECT_EQ(events, kUserEvents);
}

}  // namespace
}  // namespace ringcoil::testing
