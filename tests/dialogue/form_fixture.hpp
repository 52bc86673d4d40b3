// A loaded window with a host that records what it was told, and the user's
// gestures as the tests need them.
#pragma once

#include <gtest/gtest.h>

#include <string_view>
#include <vector>

#include "dialogue/form1.hpp"
#include "dialogue/keys.hpp"
#include "window/focus.hpp"

namespace ringcoil::testing {

class RecordingHost final : public Host {
 public:
  void showError(ErrorCode code) override { errors.push_back(code); }
  void endProgram() override { ++exits; }
  std::vector<ErrorCode> errors;
  int exits = 0;
};

class FormTest : public ::testing::Test {
 protected:
  FormTest() { form.load(); }

  const WindowState& w() const { return form.state(); }
  const std::string& caption(Id id) const { return w().caption(id); }
  bool visible(Id id) const { return w().visible(id); }

  void click(Id id) { form.fire(id, Event::Click); }
  void move(Id id) { form.fire(id, Event::MouseMove); }
  void moveOverSurface() { form.mouseAt(Event::MouseMove, 10, 10); }

  // Types on the window's keypad, by the key table: digits and the comma.
  void keys(std::string_view text) {
    for (const char c : text) click(*keyBinding(std::string_view(&c, 1))->element);
  }

  // Clicks the Enter place, as the mouse does: the front-most visible button.
  void enter() { form.mouseAt(Event::Click, 60, 262); }

  // The visible Enter buttons, front-most first.
  std::vector<Id> visibleEnterButtons() const {
    std::vector<Id> shown;
    for (Id b : kEnterButtons) {
      if (visible(b)) shown.push_back(b);
    }
    return shown;
  }

  RecordingHost host;
  Form1 form{host};
};

}  // namespace ringcoil::testing
