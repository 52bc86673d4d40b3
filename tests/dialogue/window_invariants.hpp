// What holds after every event, however the window is used: the rules the
// random-use test checks. Some rules compare with earlier states (a value
// label once shown stays shown), so one watch follows one window.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <utility>

#include "window/window_state.hpp"

namespace ringcoil::testing {

// Which set of name labels is shown: the plain set before a mode is chosen,
// or the variants of the chosen mode.
enum class NameSet { Plain, TurnsMode, InductanceMode };

// nullopt: any other mixture of name labels.
std::optional<NameSet> nameSet(const WindowState& w);

// The visible Enter buttons as bits: Ввод 1, Command2 2, Command3 4,
// Command4 8, Command5 16, Command6 32.
unsigned enterButtons(const WindowState& w);

// "turns mode: Ввод+Command6", for messages and the summary.
std::string describe(NameSet names, unsigned buttons);

class InvariantWatch {
 public:
  // The first rule the state breaks, or the empty text. Counts the state.
  std::string check(const WindowState& w);

  // How often each combination of name set and Enter buttons was seen.
  const std::map<std::pair<NameSet, unsigned>, long>& seen() const { return seen_; }

 private:
  std::string checkDialogue(const WindowState& w, NameSet names, unsigned buttons);

  unsigned valueLabelsShown_ = 0;  // bit k-1: Окноk was visible after some event
  bool fullResetArmed_ = false;    // aaaa has been shown
  bool keyPressed_ = false;        // KeyState has read "NUMS"
  std::map<std::pair<NameSet, unsigned>, long> seen_;
};

}  // namespace ringcoil::testing
