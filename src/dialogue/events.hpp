// The events an element raises, each with what is written of it: the end of
// its handlers' names and, for the events a user raises, the replay verb. A
// new kind of event is a value here and its case below; the build stops
// (-Wswitch) until the window knows its Qt event too (widgets/event_routes.cpp).
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace ringcoil {

enum class Event : std::uint8_t { Load, Click, MouseMove, Timer };

struct EventNames {
  std::string_view handlerSuffix;  // "Command2" + "_Click"
  std::string_view verb;           // "click Ввод", "click-at 60 262"; empty: raised by the window itself
};

constexpr EventNames namesOf(Event event) {
  switch (event) {
    case Event::Load:
      return {"_Load", ""};
    case Event::Click:
      return {"_Click", "click"};
    case Event::MouseMove:
      return {"_MouseMove", "move"};
    case Event::Timer:
      return {"_Timer", ""};
  }
  return {};
}

// Every kind of event, for those that go through them all: the values from
// 0 up to the first that namesOf() does not know.
inline constexpr std::size_t kEventCount = [] {
  std::size_t n = 0;
  while (!namesOf(static_cast<Event>(n)).handlerSuffix.empty()) ++n;
  return n;
}();
inline constexpr auto kEvents = [] {
  std::array<Event, kEventCount> all{};
  for (std::size_t i = 0; i < all.size(); ++i) all[i] = static_cast<Event>(i);
  return all;
}();

}  // namespace ringcoil
