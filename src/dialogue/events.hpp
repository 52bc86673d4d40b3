// The events an element raises. Each kind is one line of the list below: its
// name, which ends its handlers' names ("Command2" + "_Click"), and for the
// events a user raises the replay verb ("click Ввод", "click-at 60 262"). A
// new kind is a line here; the build stops (-Wswitch) until the window knows
// its Qt event (presentation/widgets/event_routes.cpp) and the widget tests
// know the user's gesture that makes it.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace ringcoil {

// The window raises the load and the clock's ticks itself: they have no verb.
#define RINGCOIL_EVENTS(EVENT) \
  EVENT(Load, "")              \
  EVENT(Click, "click")        \
  EVENT(MouseMove, "move")     \
  EVENT(Timer, "")

#define RINGCOIL_EVENT_VALUE(name, verb) name,
enum class Event : std::uint8_t { RINGCOIL_EVENTS(RINGCOIL_EVENT_VALUE) };
#undef RINGCOIL_EVENT_VALUE

struct EventNames {
  std::string_view handlerSuffix;  // "_Click"
  std::string_view verb;           // empty: raised by the window itself
};

#define RINGCOIL_EVENT_NAMES(name, verb) EventNames{"_" #name, verb},
inline constexpr std::array kEventNames = {RINGCOIL_EVENTS(RINGCOIL_EVENT_NAMES)};
#undef RINGCOIL_EVENT_NAMES

inline constexpr std::size_t kEventCount = kEventNames.size();

// A verb names one kind, so that a script reads back as it was written.
static_assert([] {
  for (std::size_t i = 0; i < kEventCount; ++i) {
    for (std::size_t j = 0; j < i; ++j) {
      if (!kEventNames[i].verb.empty() && kEventNames[i].verb == kEventNames[j].verb) return false;
    }
  }
  return true;
}(), "two kinds of event with one verb");

constexpr const EventNames& namesOf(Event event) { return kEventNames[static_cast<std::size_t>(event)]; }

// Every kind of event, in the order of the list.
inline constexpr auto kEvents = [] {
  std::array<Event, kEventCount> all{};
  for (std::size_t i = 0; i < all.size(); ++i) all[i] = static_cast<Event>(i);
  return all;
}();

}  // namespace ringcoil
