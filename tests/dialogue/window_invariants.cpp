#include "window_invariants.hpp"

#include <algorithm>
#include <array>
#include <bit>

namespace ringcoil::testing {
namespace {

using namespace el;

// The Enter buttons in the order of the stages they confirm: bit k of a set
// of them is stage k + 1's.
constexpr std::array kStageButtons = {Ввод, Command2, Command3, Command4, Command5, Command6};
constexpr std::array kValueLabels = {Окно1, Окно2, Окно3, Окно4, Окно5, Окно6};
constexpr std::array<const char*, 6> kButtonNames = {"Ввод",     "Command2", "Command3",
                                                     "Command4", "Command5", "Command6"};

constexpr unsigned bit(Id button) {
  for (std::size_t k = 0; k < kStageButtons.size(); ++k) {
    if (kStageButtons[k] == button) return 1u << k;
  }
  return 0;
}

constexpr unsigned kCommand5 = bit(Command5);
constexpr unsigned kCommand6 = bit(Command6);
constexpr unsigned kBeforeStage5 = bit(Ввод) | bit(Command2) | bit(Command3) | bit(Command4);

// The labels each name set shows; every other name label is hidden.
struct Names {
  NameSet set;
  std::array<Id, 6> shown;
};
constexpr std::array kNameSets = {
    Names{NameSet::Plain, {Магнит, Динар, Дивнут, Высота, Виток, Индукт}},
    Names{NameSet::TurnsMode, {Магнит3, Динар3, Дивнут3, Высота3, Виток2, Индукт3}},
    Names{NameSet::InductanceMode, {Магнит3, Динар3, Дивнут3, Высота3, Виток3, Индукт2}},
};
constexpr std::array kAllNames = {Магнит,  Динар,  Дивнут,  Высота,  Виток,  Индукт,
                                  Магнит2, Динар2, Дивнут2, Высота2, Виток2, Индукт2,
                                  Магнит3, Динар3, Дивнут3, Высота3, Виток3, Индукт3};

int visibleCount(const WindowState& w, std::initializer_list<Id> ids) {
  int n = 0;
  for (Id id : ids) n += w.visible(id) ? 1 : 0;
  return n;
}

}  // namespace

std::optional<NameSet> nameSet(const WindowState& w) {
  for (const Names& names : kNameSets) {
    int matching = 0;
    for (Id id : kAllNames) {
      const bool inSet = std::find(names.shown.begin(), names.shown.end(), id) != names.shown.end();
      if (w.visible(id) == inSet) ++matching;
    }
    if (matching == static_cast<int>(kAllNames.size())) return names.set;
  }
  return std::nullopt;
}

unsigned enterButtons(const WindowState& w) {
  unsigned bits = 0;
  for (Id b : kStageButtons) bits |= w.visible(b) ? bit(b) : 0;
  return bits;
}

std::string describe(NameSet names, unsigned buttons) {
  std::string text = names == NameSet::Plain       ? "no mode:"
                     : names == NameSet::TurnsMode ? "turns mode:"
                                                   : "inductance mode:";
  const char* separator = " ";
  for (std::size_t k = 0; k < kButtonNames.size(); ++k) {
    if (buttons & (1u << k)) {
      text += separator;
      text += kButtonNames[k];
      separator = "+";
    }
  }
  return text;
}

std::string InvariantWatch::check(const WindowState& w) {
  // The "?" buttons: hovering shows one and hides the rest; Q1..Q4 are only
  // ever hidden.
  if (visibleCount(w, {Q1, Q2, Q3, Q4}) != 0) return "one of Q1..Q4 is visible";
  if (visibleCount(w, {Q5, Q6}) > 1) return "Q5 and Q6 are both visible";

  if (w.AnimationOn != 1) return "AnimationOn is not 1";
  if (w.FrameIndex < 0 || w.FrameIndex > 39) return "FrameIndex is outside 0..39";
  if (w.picture1Frame() && *w.picture1Frame() != w.FrameIndex)
    return "Picture1 does not show frame FrameIndex";

  // The display reset hands "#" over to the full reset for good.
  if (w.visible(aaa) == w.visible(aaaa)) return "not exactly one of aaa and aaaa is visible";
  if (fullResetArmed_ && w.visible(aaa)) return "aaa is visible again";
  fullResetArmed_ = w.visible(aaaa);

  if (w.KeyState != "" && w.KeyState != "NUMS") return "KeyState is neither empty nor NUMS";
  if (keyPressed_ && w.KeyState.empty()) return "KeyState is empty again";
  keyPressed_ = !w.KeyState.empty();

  // Help pages open one after another and close all at once: the open ones
  // are always a leading part of Фон1, Фоно, Фон3, Автор.
  if ((w.visible(Автор) && !w.visible(Фон3)) || (w.visible(Фон3) && !w.visible(Фоно)) ||
      (w.visible(Фоно) && !w.visible(Фон1)))
    return "a help page is open without the page before it";

  // Only Form_Load hides a value label.
  unsigned shown = 0;
  for (std::size_t k = 0; k < kValueLabels.size(); ++k) shown |= w.visible(kValueLabels[k]) << k;
  if ((valueLabelsShown_ & ~shown) != 0) return "a value label was hidden again";
  valueLabelsShown_ = shown;

  const auto names = nameSet(w);
  if (!names) return "the name labels are not one of the plain set and the two mode variants";
  const unsigned buttons = enterButtons(w);
  ++seen_[{*names, buttons}];
  return checkDialogue(w, *names, buttons);
}

// The entry chain. A mode choice needs the plain Виток or Индукт under the
// mouse (they reveal Q5 and Q6) and replaces the plain names by one mode's
// variants; only the full reset brings the plain set back. So each full reset
// (or the start) begins an epoch that sees at most one mode choice, and the
// name labels are always exactly one of the three sets.
//
// Think of each visible Enter button as a token: an Enter click hides its own
// button and shows the next (Command4 shows Command5, or in turns mode hides
// Command5 and shows Command6; a failed calculation moves nothing), so a
// token moves on, and two tokens meeting on one button become one. The start
// and the full reset leave one token on Ввод; a mode choice shows Ввод again,
// adding a token there unless one stands on it. Hence:
// - no mode chosen: exactly one Enter button, and the mode flag Z empty;
// - a mode chosen: one or two Enter buttons, and no "?" button (the plain
//   names that reveal them are hidden, and the mode choice hid its own);
// - in turns mode (Z = "1") a token reaches Command5 only if it stood there
//   when the mode was chosen; the other token, from Ввод, jumps Command4 ->
//   Command6 and hides Command5 as it passes. So Command5 is visible only
//   together with a token still before stage 5 (Ввод..Command4).
// Every stage shows its value label before its button: Command2..Command5
// need Окно2..Окно5, Command6 needs Окно5 and Окно6, and a mode choice shows
// Окно1 and its answer label (Окно5 in turns mode, Окно6 in inductance mode).
// The value labels are never hidden after the start, so these hold for good.
std::string InvariantWatch::checkDialogue(const WindowState& w, NameSet names, unsigned buttons) {
  const int count = std::popcount(buttons);
  const std::string& z = w.caption(Z);
  if (z != (names == NameSet::TurnsMode ? "1" : ""))
    return "the mode flag Z does not match the name labels";
  if (count == 0) return "no Enter button is visible";
  if (names == NameSet::Plain && count != 1)
    return "more than one Enter button without a mode: " + describe(names, buttons);
  if (names != NameSet::Plain) {
    if (count > 2) return "more than two Enter buttons: " + describe(names, buttons);
    if (visibleCount(w, {Q5, Q6}) != 0) return "a \"?\" button is visible after the mode choice";
    if (!w.visible(Окно1)) return "Окно1 is hidden after the mode choice";
    if (!w.visible(names == NameSet::TurnsMode ? Окно5 : Окно6))
      return "the answer label is hidden after the mode choice";
  }
  if (names == NameSet::TurnsMode && (buttons & kCommand5) &&
      (count != 2 || (buttons & kBeforeStage5) == 0))
    return "Command5 without a stage before 5 in turns mode: " + describe(names, buttons);

  for (std::size_t k = 1; k < kStageButtons.size(); ++k) {
    const Id label = kValueLabels[std::min<std::size_t>(k, 4)];
    if ((buttons & (1u << k)) && !w.visible(label))
      return std::string(kButtonNames[k]) + " is visible without its value label";
  }
  if ((buttons & kCommand6) && !w.visible(Окно6)) return "Command6 is visible without Окно6";
  return {};
}

}  // namespace ringcoil::testing
