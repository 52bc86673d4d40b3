// Random use of the whole dialogue: a long pseudo-random stream of user
// events, with what must always hold checked after every one of them
// (window_invariants.cpp). RINGCOIL_RANDOM_EVENTS sets the number of events
// (default 1,000,000), RINGCOIL_RANDOM_START the generator's start value. A
// run that breaks a rule is written out as a replay script, named in the
// failure message, that ringcoil-replay plays back.
#include <algorithm>
#include <bit>
#include <charconv>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <map>
#include <sstream>

#include "form_fixture.hpp"
#include "random_events.hpp"
#include "replay.hpp"
#include "dialogue/keys.hpp"
#include "window/focus.hpp"
#include "window/geometry.hpp"
#include "window_invariants.hpp"

namespace ringcoil::testing {
namespace {

using namespace el;

constexpr std::uint64_t kDefaultStart = 271828;
constexpr std::uint64_t kDefaultEvents = 1'000'000;

// Below this many events the stream is too short to be sure of reaching
// every state of the dialogue, and the coverage checks are skipped.
constexpr std::uint64_t kEventsForCoverage = 200'000;

std::uint64_t fromEnvironment(const char* name, std::uint64_t fallback) {
  const char* text = std::getenv(name);
  if (text == nullptr || *text == '\0') return fallback;
  std::uint64_t value = 0;
  const char* end = text + std::char_traits<char>::length(text);
  const auto [ptr, ec] = std::from_chars(text, end, value);
  if (ec != std::errc() || ptr != end) {
    ADD_FAILURE() << name << " is not a whole number: " << text;
    return fallback;
  }
  return value;
}

// Whether the event is a click, or a key pressing the focused button, that
// reaches Command5 or Command6, the only buttons whose operations calculate
// and so may fail.
bool clicksCalculation(const WindowState& w, Id focus, const replay::Command& command) {
  std::optional<Id> target;
  if (const auto* k = std::get_if<replay::PressKey>(&command)) {
    if (keyBinding(k->keys)->action == KeyAction::PressFocused) target = focus;
  }
  if (const auto* e = std::get_if<replay::ElementEvent>(&command)) {
    if (e->event != Event::Click) return false;
    target = e->target;
  } else if (const auto* p = std::get_if<replay::PixelEvent>(&command)) {
    if (p->event != Event::Click || !insideClient(p->x, p->y)) return false;
    target = elementAt(w, p->x, p->y);
  }
  return target == Command5 || target == Command6;
}

// A window, the random user and the watch, one event at a time. The events
// are kept only when `record` is set: a run is the same every time from the
// same start value, so a failing one is run again to write it out.
class RandomSession {
 public:
  RandomSession(std::uint64_t start, bool record) : user_(start), record_(record) {
    form_.load();
    form_.takeChanges();
  }

  // Makes, applies and checks the next event: the broken rule, or "".
  std::string step() {
    const WindowState& w = form_.state();
    last_ = user_.next(w);
    // A key that would end the program, or that the display would type,
    // becomes Tab: neither is the dialogue's to replay.
    if (const auto* key = std::get_if<replay::PressKey>(&last_)) {
      const KeyBinding* binding = keyBinding(key->keys);
      const bool exits = binding->action == KeyAction::PressFocused && form_.focus() == Command1;
      const bool typed = form_.focus() == Text1 && binding->typedByDisplay;
      if (exits || typed) last_ = replay::PressKey{"Tab"};
    }
    if (record_) events_.push_back(last_);
    const bool calculation = clicksCalculation(w, form_.focus(), last_);
    const std::size_t errorsBefore = host_.errors.size();
    try {
      std::ostream nowhere(nullptr);  // the stream never asks for the state listing
      replay::applyCommand(form_, last_, nowhere);
    } catch (const std::exception& e) {
      return std::string("an exception left the window: ") + e.what();
    } catch (...) {
      return "an exception left the window";
    }
    if (form_.ended() || host_.exits != 0) return "the program ended";
    const std::vector<Id> changed = form_.takeChanges();
    if (host_.errors.size() != errorsBefore) {
      if (std::string rule = checkFailure(calculation, errorsBefore, changed); !rule.empty())
        return rule;
    } else if (calculation) {
      ++answers_;
    }
    if (!inSight(w, form_.focus())) return "the focus rests out of sight on " + displayName(form_.focus());
    return watch_.check(w);
  }

  const replay::Command& last() const { return last_; }
  const std::vector<replay::Command>& events() const { return events_; }
  const RecordingHost& host() const { return host_; }
  const WindowState& state() const { return form_.state(); }
  const InvariantWatch& watch() const { return watch_; }
  long answers() const { return answers_; }  // calculations that ended with an answer

 private:
  // A failed calculation reports one of the four errors and ends its Enter
  // operation: no element is shown or hidden, the hint stays; only the Enter
  // rule's store and clear (Окно5 or Окно6, the display) and Zoro (written
  // before the square root) may have changed.
  std::string checkFailure(bool calculation, std::size_t errorsBefore,
                           const std::vector<Id>& changed) {
    if (host_.errors.size() != errorsBefore + 1) return "one event reported several errors";
    const int code = static_cast<int>(host_.errors.back());
    if (code != 13 && code != 6 && code != 11 && code != 5)
      return "error " + std::to_string(code) + " is none of 13, 6, 11, 5";
    if (!calculation) return "an error without a click on Command5 or Command6";
    for (Id id : changed) {
      if (id != Text1 && id != Окно5 && id != Окно6 && id != Zoro)
        return "a failed calculation changed " + displayName(id);
    }
    return {};
  }

  RecordingHost host_;
  Form1 form_{host_};
  RandomUser user_;
  InvariantWatch watch_;
  replay::Command last_;
  bool record_;
  std::vector<replay::Command> events_;
  long answers_ = 0;
};

// Runs the session from `start` again up to event `index` and writes its
// events as a replay script; returns the script's path.
std::string writeScript(std::uint64_t start, std::size_t index, const std::string& rule) {
  RandomSession again(start, true);
  for (std::size_t i = 0; i <= index; ++i) again.step();
  const auto path = std::filesystem::absolute("random_use_failure_" + std::to_string(start) + "_" +
                                              std::to_string(index) + ".replay");
  std::ofstream out(path, std::ios::binary);
  out << "# Random use from start value " << start << ": event " << index << " broke a rule:\n# "
      << rule << '\n';
  for (const auto& event : again.events()) out << replay::scriptLine(event) << '\n';
  out << "state\n";
  return path.string();
}

TEST(RandomUse, EveryEventKeepsTheWindowConsistent) {
  const std::uint64_t start = fromEnvironment("RINGCOIL_RANDOM_START", kDefaultStart);
  const std::uint64_t count = fromEnvironment("RINGCOIL_RANDOM_EVENTS", kDefaultEvents);
  RandomSession session(start, false);
  const auto begin = std::chrono::steady_clock::now();
  for (std::size_t i = 0; i < count; ++i) {
    if (const std::string rule = session.step(); !rule.empty()) {
      const std::string path = writeScript(start, i, rule);
      FAIL() << "start value " << start << ", event " << i << " ("
             << replay::scriptLine(session.last()).substr(0, 80) << "): " << rule
             << "\nreplay it with: ringcoil-replay " << path;
    }
  }
  const std::chrono::duration<double> seconds = std::chrono::steady_clock::now() - begin;

  std::map<ErrorCode, long> errors;
  for (ErrorCode code : session.host().errors) ++errors[code];
  std::cout << count << " events from start value " << start << " in " << seconds.count() << " s; "
            << session.answers() << " answers; errors";
  for (const auto& [code, n] : errors) std::cout << ' ' << static_cast<int>(code) << ": " << n;
  std::cout << "\nstates seen:\n";
  for (const auto& [state, n] : session.watch().seen())
    std::cout << "  " << describe(state.first, state.second) << ": " << n << '\n';

  if (count < kEventsForCoverage) return;
  // The stream must have got everywhere: every state of the entry chain
  // without a mode and in both modes, the two-button states of both modes,
  // and each of the four errors.
  const auto& seen = session.watch().seen();
  for (const NameSet names : {NameSet::Plain, NameSet::TurnsMode, NameSet::InductanceMode}) {
    for (unsigned k = 0; k < 6; ++k) {
      if (names == NameSet::TurnsMode && k == 4) continue;  // Command5 alone
      EXPECT_TRUE(seen.contains({names, 1u << k})) << describe(names, 1u << k) << " never seen";
    }
    if (names == NameSet::Plain) continue;
    EXPECT_TRUE(std::any_of(seen.begin(), seen.end(),
                            [&](const auto& s) {
                              return s.first.first == names && std::popcount(s.first.second) == 2;
                            }))
        << describe(names, 0) << " never with two Enter buttons";
  }
  for (ErrorCode code : {ErrorCode::TypeMismatch, ErrorCode::Overflow, ErrorCode::DivisionByZero,
                         ErrorCode::InvalidCall})
    EXPECT_TRUE(errors.contains(code)) << "error " << static_cast<int>(code) << " never reported";
}

// What a failing run writes out must replay exactly: the script, read back
// and run by the replay tool's own functions, ends in the same state with the
// same errors.
TEST(RandomUse, WrittenRunReplaysToTheSameState) {
  RandomSession session(kDefaultStart + 1, true);
  for (int i = 0; i < 30'000; ++i) ASSERT_EQ(session.step(), "") << "event " << i;

  std::string script;
  for (const auto& event : session.events()) script += replay::scriptLine(event) + '\n';
  std::istringstream in(script);
  auto parsed = replay::parseScript(in);
  ASSERT_TRUE(std::holds_alternative<std::vector<replay::ScriptLine>>(parsed))
      << std::get<replay::ParseError>(parsed).message;
  auto& lines = std::get<std::vector<replay::ScriptLine>>(parsed);
  ASSERT_EQ(lines.size(), session.events().size());
  lines.push_back({0, replay::PrintState{}});

  std::ostringstream replayed;
  replay::runScript(lines, replayed);
  std::ostringstream expected;
  for (ErrorCode code : session.host().errors)
    expected << "error " << static_cast<int>(code) << ": " << errorName(code) << '\n';
  replay::printState(session.state(), expected);
  EXPECT_EQ(replayed.str(), expected.str());
  EXPECT_FALSE(session.host().errors.empty());
}

}  // namespace
}  // namespace ringcoil::testing
