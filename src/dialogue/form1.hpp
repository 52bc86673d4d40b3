// The window's behaviour: every operation an event starts, over the window's
// state. Operations are plain sequences of property changes; the window that
// shows this state (or the replay tool) feeds events in and reads the state.
//
// Form1 is the dialogue and knows nothing of Qt; FormWindow
// (presentation/widgets/form_window.hpp) is the Qt window that shows a Form1 and
// passes the user's mouse, keys and assistive tools' actions to it.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "calc/toroid.hpp"
#include "dialogue/events.hpp"
#include "dialogue/host.hpp"
#include "dialogue/step_words.hpp"
#include "window/enter_stages.hpp"
#include "window/window_state.hpp"

namespace ringcoil {

// What a key did (see Form1::key).
enum class KeyOutcome : std::uint8_t {
  Handled,         // it ran its gesture, or it means nothing where the focus is
  DisplayEditing,  // the display has the focus and types it into its text
  Unknown,         // no key of the window
  CopyAnswer,      // the host is to copy the answer (answerText) to the clipboard; there is one
};

class Form1 {
 public:
  // One handler: the event on the element that starts it (a member of an
  // element array stands for every member), the member function it runs,
  // given the member's index where it takes one, and the words that tell a
  // listener what it did (step_words.hpp), if it is told at all. Its name
  // ("Command2_Click") is made from the element and the event where one is
  // wanted (handlerName).
  struct Handler {
    using Words = StepWords (*)(const WindowState& after);
    constexpr Handler(std::optional<Id> on, Event what, void (Form1::*run)(), Words told = nullptr)
        : element(on), event(what), plain(run), words(told) {}
    constexpr Handler(std::optional<Id> on, Event what, void (Form1::*run)(int), Words told = nullptr)
        : element(on), event(what), indexed(run), words(told) {}

    std::optional<Id> element;  // nullopt: the window itself
    Event event;
    void (Form1::*plain)() = nullptr;
    void (Form1::*indexed)(int) = nullptr;
    Words words = nullptr;

    void run(Form1& form, int index) const { indexed ? (form.*indexed)(index) : (form.*plain)(); }
  };
  // Every handler, one row each (handlers.cpp).
  static std::span<const Handler> handlers();
  // The handler `event` on `target` starts (nullopt target: the window
  // itself), or nullptr where the event is ignored.
  static const Handler* handlerFor(std::optional<Id> target, Event event);
  // "Command2_Click", "aa_Click", "Form_Load": the handler's name, for
  // people reading what ran.
  static std::string handlerName(const Handler& handler);

  // Creates the window with every element as the table gives it. Call load()
  // before the window is first shown.
  explicit Form1(Host& host);

  const WindowState& state() const { return w_; }
  // Elements changed since the last call (see WindowState::takeChanges).
  std::vector<Id> takeChanges() { return w_.takeChanges(); }
  // What the steps completed since the last call did, for a listener.
  StepWords takeWords() { return std::exchange(said_, {}); }
  // Whether "Выход" has ended the program; later events are ignored.
  bool ended() const { return ended_; }

  // The window's load event: runs Form_Load.
  void load();
  // A click or mouse movement at client pixel (x, y), routed to the element
  // there (or the window's surface). Points outside the client area are ignored.
  void mouseAt(Event event, int x, int y);
  // An event delivered to the element itself (a button pressed from the
  // keyboard, a widget's own click); nullopt: the window's surface. Ignored
  // unless the element and all its containers are shown.
  void fire(std::optional<Id> target, Event event);
  // One tick of Timer1.
  void tick();
  // The user edited the display from the keyboard; no operation runs.
  void typeText(std::string_view text);

  // The keyboard focus. The dialogue keeps it, so that a key does the same
  // wherever it comes from: after every operation that takes the focused
  // element out of sight it moves on to the user's next step
  // (focusAfterOperation), and the gestures below put it where that step is.
  Id focus() const { return focus_; }
  // The toolkit moved the focus (a click on a button takes it).
  void focusMoved(Id id);

  // Gestures of the keyboard and of assistive tools (gestures.cpp), each
  // built from the events the mouse raises.
  //
  // Chooses the mode of `name` (Виток or Индукт) as hovering the name and
  // pressing the "?" it reveals do, while the name is in sight; the focus
  // goes to the Enter button of the open stage.
  void chooseMode(Id name);
  // Opens the help as a click on the title does; the focus goes to the
  // button of the page on top.
  void openHelp();
  // Closes the help as a click on the author page does, while it is in sight.
  void closeAuthorPage();
  // An assistive tool's press on an element: a button's click, the title's
  // and the computable names' gestures, the author page's close.
  void press(Id id);
  // A key, written as QKeySequence writes it portably ("Alt+N", "F1",
  // "Return", "Space", "5", ","), with the focus where it is (keys.hpp).
  KeyOutcome key(std::string_view keys);

 private:
  void perform(const Handler& handler, int index);
  // Moves the focus off an element the last operation took out of sight.
  void keepFocusInSight(bool helpWasOpen);
  // Tab and Shift+Tab: the next element in the tab order that is in sight.
  void focusNextInTabOrder(bool forward);
  // A key standing for an element's press.
  void pressWithKey(Id id);
  // A key that does nothing here: tells a listener why, once per press.
  void tellWhyNothing(std::string_view words);

  // Property changes, one per step of an operation.
  void show(Id id) { w_.setVisible(id, true); }
  void hide(Id id) { w_.setVisible(id, false); }
  void setCaption(Id id, std::string_view text) { w_.setCaption(id, text); }
  const std::string& caption(Id id) const { return w_.caption(id); }
  void hint(std::string_view text) { w_.setCaption(el::Справка, text); }
  void enterRule(Id valueLabel);
  // An Enter button's stage, and the hand-over to the next button.
  void enterStage(const EnterStage& stage);
  void handOver(const EnterStage& stage);
  RingTexts ring() const;
  void MyMes();
  void MyMes2();

  // Entry chain, resets and exit.
  void Form_Load();
  void Q5_Click(int Index);
  void Q6_Click(int Index);
  void Ввод_Click();
  void Command2_Click();
  void Command3_Click();
  void Command4_Click();
  void Command5_Click();
  void Command6_Click();
  void aaaa_Click();
  void Command1_Click();

  // Keypad and display.
  void aa_Click(int Index);
  void aaa_Click();

  // Hover guidance.
  void Form_MouseMove();
  void Виток_MouseMove();
  void Индукт_MouseMove();
  void Q5_MouseMove(int Index);
  void Q6_MouseMove(int Index);
  void aaa_MouseMove();

  // Help pages.
  void Глава_Click();
  void Далее_Click();
  void Далеее_Click();
  void Закрыть_Click();
  void Автор_Click();

  // Title animation.
  void Timer1_Timer();
  void NextFrame();

  Host& host_;
  WindowState w_;
  bool ended_ = false;
  Id focus_;
  std::optional<Id> focusBeforeHelp_;  // while the help pages are open
  StepWords said_;
};

}  // namespace ringcoil
