// The watch of the random-use test must accept the mid-chain states the
// window does reach and refuse the states it never reaches; otherwise a
// million events prove nothing.
#include <functional>

#include "form_fixture.hpp"
#include "window_invariants.hpp"

namespace ringcoil::testing {
namespace {

using namespace el;

class WatchTest : public FormTest {
 protected:
  std::string check() { return watch.check(w()); }
  void resetTwice() {
    click(aaa);
    click(aaaa);
  }
  InvariantWatch watch;
};

TEST_F(WatchTest, AcceptsAnAnswerWithoutModeThenInductanceMode) {
  EXPECT_EQ(check(), "");
  for (const char* value : {"1", "20", "10", "5", "10"}) {
    keys(value);
    enter();
    EXPECT_EQ(check(), "") << value;
  }
  move(Индукт);
  click(Q6);
  EXPECT_EQ(visibleEnterButtons(), (std::vector<Id>{Command6, Ввод}));
  EXPECT_EQ(check(), "");
  // The hidden Ввод, pressed from the keyboard, runs its own stage.
  click(Ввод);
  EXPECT_EQ(visibleEnterButtons(), (std::vector<Id>{Command6, Command2}));
  EXPECT_EQ(check(), "");
}

TEST_F(WatchTest, AcceptsTurnsModeChosenAtStageFive) {
  resetTwice();
  for (int stage = 1; stage <= 4; ++stage) {
    keys("5");
    enter();
  }
  move(Виток);
  EXPECT_EQ(check(), "");
  click(Q5);
  EXPECT_EQ(visibleEnterButtons(), (std::vector<Id>{Command5, Ввод}));
  EXPECT_EQ(check(), "");
  for (Id button : {Ввод, Command2, Command3}) {
    click(button);
    EXPECT_EQ(check(), "") << displayName(button);
  }
  // Command4 in turns mode hides Command5 on its way to Command6.
  click(Command4);
  EXPECT_EQ(visibleEnterButtons(), std::vector<Id>{Command6});
  EXPECT_EQ(check(), "");
}

struct BrokenCase {
  const char* rule;
  bool turnsMode;  // start from turns mode at stage 1 rather than from the start
  std::function<void(WindowState&)> breakIt;
};

TEST_F(WatchTest, RefusesStatesTheWindowNeverReaches) {
  const BrokenCase cases[] = {
      {"Q1..Q4 shown", false, [](WindowState& s) { s.setVisible(Q3, true); }},
      {"two ? buttons", false,
       [](WindowState& s) {
         s.setVisible(Q5, true);
         s.setVisible(Q6, true);
       }},
      {"frame 40", false, [](WindowState& s) { s.FrameIndex = 40; }},
      {"both # buttons", false, [](WindowState& s) { s.setVisible(aaaa, true); }},
      {"a page without its frame", false, [](WindowState& s) { s.setVisible(Фоно, true); }},
      {"mixed name labels", false, [](WindowState& s) { s.setVisible(Виток2, true); }},
      {"mode flag without turns mode", false, [](WindowState& s) { s.setCaption(Z, "1"); }},
      {"no Enter button", false, [](WindowState& s) { s.setVisible(Ввод, false); }},
      {"two Enter buttons without a mode", false,
       [](WindowState& s) {
         s.setVisible(Окно3, true);
         s.setVisible(Command3, true);
       }},
      {"an Enter button without its value label", false,
       [](WindowState& s) {
         s.setVisible(Ввод, false);
         s.setVisible(Command3, true);
       }},
      {"a ? button after the mode choice", true, [](WindowState& s) { s.setVisible(Q6, true); }},
      {"a value label hidden again", true, [](WindowState& s) { s.setVisible(Окно1, false); }},
      {"three Enter buttons", true,
       [](WindowState& s) {
         s.setVisible(Окно2, true);
         s.setVisible(Окно3, true);
         s.setVisible(Command2, true);
         s.setVisible(Command3, true);
       }},
      {"Command5 alone in turns mode", true,
       [](WindowState& s) {
         s.setVisible(Ввод, false);
         s.setVisible(Command5, true);
       }},
      {"Command5 with Command6 in turns mode", true,
       [](WindowState& s) {
         s.setVisible(Ввод, false);
         s.setVisible(Окно6, true);
         s.setVisible(Command5, true);
         s.setVisible(Command6, true);
       }},
  };
  const WindowState loaded = w();
  move(Виток);
  click(Q5);
  const WindowState turnsMode = w();
  for (const BrokenCase& c : cases) {
    SCOPED_TRACE(c.rule);
    WindowState state = c.turnsMode ? turnsMode : loaded;
    InvariantWatch fresh;
    ASSERT_EQ(fresh.check(state), "");
    c.breakIt(state);
    EXPECT_NE(fresh.check(state), "");
  }
}

}  // namespace
}  // namespace ringcoil::testing
