// The window's frame on Wayland.
//
// On X11 the window manager draws the frame and honours the fixed size: it
// offers no maximise button and keeps the window at 485 × 325. On Wayland the
// program draws its own title bar, and the one Qt draws there always has a
// maximise button. Worse, a compositor may ask a fixed-size window to be
// maximised or full screen (a button, a shortcut, tiling) and expects the
// window to take the size it names; a client that keeps its own size is
// disconnected, and everything entered is lost. So on Wayland the calculator
// sits in a frame of its own: a classic title bar with the icon, the title,
// minimise and close, and a border. The frame takes whatever size the
// compositor gives and shows the calculator unchanged in the middle of it.
// The error boxes wear the same frame, with no maximise either. The frame
// (frameForPlatform) is the Linux side of platform.hpp with platform_linux.cpp.
#pragma once

#include <QStyleOptionTitleBar>
#include <QWidget>

namespace ringcoil {

// Whether the program runs as a Wayland client (not on XWayland).
bool onWayland();

class WindowFrame final : public QWidget {
 public:
  // Border and title bar of the classic frame, in pixels: the client area
  // starts 3 pixels right of and 22 below the frame's outer corner.
  static constexpr int kBorder = 3;
  static constexpr int kTitleHeight = 18;
  static constexpr int kClientTop = 22;

  // Holds `content` (a top-level window until then) as its only child, with
  // the content's title and icon, and follows the content's size. Closing
  // the frame closes the content first: a dialog inside is rejected.
  explicit WindowFrame(QWidget& content);
  // Hands the content back as a window of its own, so that its owner can
  // destroy it.
  ~WindowFrame() override;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void changeEvent(QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  bool fullScreen() const { return windowState() & Qt::WindowFullScreen; }
  QRect titleRect() const;
  // The frame's size around the content in the normal state.
  void fitContent();
  // The title bar as the style draws and hit-tests it: icon, title, minimise
  // and close.
  QStyleOptionTitleBar titleOption() const;
  // The title bar's part (close, minimise, label) at a point, if any.
  int titlePartAt(QPoint pos) const;

  QWidget* content_;
  int pressedPart_ = 0;
};

}  // namespace ringcoil
