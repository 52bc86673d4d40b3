// The calculator's window: mirrors the dialogue's state (Form1, which knows
// nothing of Qt) into Qt widgets and feeds the user's events back. It holds no
// state of the dialogue itself, not even where the keyboard focus rests.
#pragma once

#include <QTimer>
#include <QWidget>
#include <array>
#include <functional>
#include <optional>
#include <vector>

#include "dialogue/form1.hpp"
#include "presentation/widgets/artwork.hpp"
#include "presentation/widgets/event_routes.hpp"

namespace ringcoil {

class PictureBox;

class FormWindow final : public QWidget, private Host {
 public:
  explicit FormWindow(QWidget* parent = nullptr);
  ~FormWindow() override;

  // The core, for tools that drive it directly; call sync() afterwards.
  Form1& form() { return form_; }
  const WindowState& state() const { return form_.state(); }

  // Brings the widgets up to date with every element the core changed.
  void sync();

  // Stops the animation clock, so that tools and tests tick the core
  // themselves.
  void stopClock() { timer_.stop(); }
  // The animation clock, for tests to read its settings.
  const QTimer& clock() const { return timer_; }

  // The element a widget of the window shows, if it shows one.
  static std::optional<Id> elementOf(const QObject* widget);
  // The calculator window a widget of it lies in (the top-level window on
  // X11, a child of its own frame on Wayland); nullptr for other widgets.
  static FormWindow* windowOf(const QWidget* widget);

  // The widget showing a windowed element; nullptr for lightweight ones.
  QWidget* widgetFor(Id id) const { return widgets_[indexOf(id)]; }

  // A key, as the key table writes it (dialogue/keys.hpp), and an assistive
  // tool's press on an element: each is one gesture of the dialogue, after
  // which the window catches up with the state and the focus.
  KeyOutcome pressKey(std::string_view keys);
  void press(Id id);

  // How the user is told of a failed calculation; a modal message box unless
  // replaced (tests replace it).
  std::function<void(ErrorCode)> presentError;

  // How the program ends on "Выход", after the window has closed: leaving the
  // application's event loop unless replaced (tests replace it, as there is
  // no loop to leave and the application must go on for the next test).
  std::function<void()> endApplication;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  bool event(QEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  bool focusNextPrevChild(bool next) override;
  void showEvent(QShowEvent* event) override;

 private:
  void showError(ErrorCode code) override;
  void endProgram() override;

  void createWidgets();
  QWidget* createWidget(Id id, QWidget* parent);
  void setTabOrder();
  void syncElement(Id id);
  // Puts the widget focus where the dialogue has it.
  void followFocus();
  // Routes an event on the window's own surface at a client pixel.
  void surfaceEvent(Event event, QPoint pos);
  // The surface's routes of a mouse event that is not a child's.
  void routeOnSurface(const QMouseEvent& event);
  void elementEvent(Id id, Event event);
  void updatePointer(QPoint pos);

  Artwork art_;
  Form1 form_;
  std::array<QWidget*, kElementCount> widgets_{};
  // Which Qt events each widget passes on to the dialogue, and the surface.
  std::array<std::vector<Route>, kElementCount> routes_{};
  std::vector<Route> surfaceRoutes_;
  QTimer timer_;
  // A left press on the surface waits for its release over the same target.
  bool clickPending_ = false;
  std::optional<Id> pressedTarget_;  // nullopt: the window's surface
  Pointer pointer_ = kForm.pointer;
  bool shownOnce_ = false;
  // Why the focus moves while it follows the dialogue's: Tab while Tab runs.
  Qt::FocusReason focusReason_ = Qt::OtherFocusReason;
};

}  // namespace ringcoil
