// A pseudo-random user of the window, speaking the replay script's language:
// every event it makes is a script command, so any run can be written out
// and replayed with ringcoil-replay.
#pragma once

#include <cstdint>
#include <deque>
#include <random>
#include <string>

#include "replay.hpp"
#include "window/window_state.hpp"

namespace ringcoil::testing {

class RandomUser {
 public:
  explicit RandomUser(std::uint64_t start) : random_(start) {}

  // The next event for the window as it is now: a click or a movement by
  // element name or at a pixel in or a little outside the client area, a key
  // of the keypad, a typed text or some timer ticks. It never clicks
  // "Выход", which would end the program.
  replay::Command next(const WindowState& w);

 private:
  int below(std::size_t n) { return static_cast<int>(random_() % n); }
  Event userEvent();
  replay::Command elementEvent(Event event);
  replay::Command pixelEvent(const WindowState& w, Event event);
  std::string text();
  std::string numberText();
  std::string piecesText();
  std::string longDigits();

  std::mt19937_64 random_;
  std::deque<replay::Command> pending_;  // the rest of a gesture of several events
};

}  // namespace ringcoil::testing
