// The calculator's window: mirrors the core's state into Qt widgets and feeds
// the user's events back. It holds no state of the dialogue itself.
#pragma once

#include <QTimer>
#include <QWidget>
#include <array>
#include <functional>
#include <optional>

#include "dialogue/form1.hpp"
#include "presentation/artwork.hpp"

class QApplication;

namespace ringcoil {

class PictureBox;

// Sets up what every window of the program shares: the bundled fonts, the
// classic widget style and palette, the program's name and icon.
void prepareApplication(QApplication& app);

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

  // The element a widget of the window shows, if it shows one.
  static std::optional<Id> elementOf(const QObject* widget);

  // The widget showing a windowed element; nullptr for lightweight ones.
  QWidget* widgetFor(Id id) const { return widgets_[indexOf(id)]; }

  // What the keyboard and assistive tools do besides pressing the focused
  // button (keys.hpp lists the keys). Each runs what the mouse gesture runs.
  //
  // Chooses the mode of `name` (Виток or Индукт) as hovering the name and
  // pressing the "?" it reveals do, while the name can be seen; the focus
  // goes to the Enter button.
  void chooseMode(Id name);
  // Opens the help as a click on the title does; the focus goes to the
  // button of the page on top.
  void openHelp();
  // Closes the help as a click on the author page does, while it is open.
  void closeAuthorPage();
  // Presses keypad key aa(index) as a click on it does.
  void pressKeypadKey(int index);

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
  // The element whose widget holds the window's focus, if any.
  std::optional<Id> focusedElement() const;
  // Moves the focus off an element the last operation took out of sight.
  void keepFocusInSight(bool helpWasOpen);
  void focusElement(Id id);
  // Routes an event on the window's own surface at a client pixel.
  void surfaceEvent(Event event, QPoint pos);
  void elementEvent(Id id, Event event);
  void updatePointer(QPoint pos);

  Artwork art_;
  Form1 form_;
  std::array<QWidget*, kElementCount> widgets_{};
  QTimer timer_;
  std::optional<std::optional<Id>> pressed_;  // target of the pending click, if any
  Pointer pointer_ = kForm.pointer;
  bool shownOnce_ = false;
  std::optional<Id> focusBeforeHelp_;  // while the help pages are open
};

}  // namespace ringcoil
