// The window's behaviour: every operation an event starts, over the window's
// state. Operations are plain sequences of property changes; the window that
// shows this state (or the replay tool) feeds events in and reads the state.
#pragma once

#include <optional>
#include <string_view>
#include <utility>
#include <vector>

#include "dialogue/announcement.hpp"
#include "dialogue/host.hpp"
#include "window/routing.hpp"
#include "window/window_state.hpp"

namespace ringcoil {

class Form1 {
 public:
  // Creates the window with every element as the table gives it. Call load()
  // before the window is first shown.
  explicit Form1(Host& host);

  const WindowState& state() const { return w_; }
  // Elements changed since the last call (see WindowState::takeChanges).
  std::vector<Id> takeChanges() { return w_.takeChanges(); }
  // What the steps completed since the last call did, for a listener.
  Announcement takeAnnouncement() { return std::exchange(announcement_, {}); }
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
  void raise(std::optional<Id> target, Event event);
  // One tick of Timer1.
  void tick();
  // The user edited the display from the keyboard; no operation runs.
  void typeText(std::string_view text);

 private:
  void perform(Operation op, int index);
  void run(Operation op, int index);

  // Property changes, one per step of an operation.
  void show(Id id) { w_.setVisible(id, true); }
  void hide(Id id) { w_.setVisible(id, false); }
  void setCaption(Id id, std::string_view text) { w_.setCaption(id, text); }
  const std::string& caption(Id id) const { return w_.caption(id); }
  void hint(std::string_view text) { w_.setCaption(el::Справка, text); }
  void enterRule(Id valueLabel);

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
  Announcement announcement_;
};

}  // namespace ringcoil
