#include "presentation/platform/window_frame.hpp"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionTitleBar>
#include <QWindow>
#include <qdrawutil.h>
#include <algorithm>
#include <utility>

#include "presentation/platform.hpp"

namespace ringcoil {

bool onWayland() {
  return QGuiApplication::platformName() == QLatin1String("wayland");
}

WindowFrame::WindowFrame(QWidget& content)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint), content_(&content) {
  setWindowTitle(content.windowTitle());
  setWindowIcon(content.windowIcon());
  setAttribute(Qt::WA_OpaquePaintEvent);
  content.setParent(this);
  fitContent();
  content.move(kBorder, kClientTop);
  content.installEventFilter(this);
  content.show();
}

// No maximum size: a compositor that maximises the window, makes it full
// screen or tiles it gets the size it asked for.
void WindowFrame::fitContent() {
  const QSize normal = content_->size() + QSize(2 * kBorder, kClientTop + kBorder);
  setMinimumSize(normal);
  if (!(windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen))) resize(normal);
}

// A message box takes its size as it is first shown, before the frame's
// window is.
bool WindowFrame::eventFilter(QObject* watched, QEvent* event) {
  if (watched == content_ && event->type() == QEvent::Resize) {
    fitContent();
    QResizeEvent resize(size(), size());
    resizeEvent(&resize);
  }
  return QWidget::eventFilter(watched, event);
}

void WindowFrame::closeEvent(QCloseEvent* event) {
  if (content_->isVisible() && !content_->close()) event->ignore();
}

WindowFrame::~WindowFrame() {
  content_->hide();
  content_->setParent(nullptr);
}

QRect WindowFrame::titleRect() const {
  return QRect(kBorder, kBorder, width() - 2 * kBorder, kTitleHeight);
}

void WindowFrame::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  // The calculator keeps its size; a larger frame shows it in the middle.
  const QRect client =
      fullScreen() ? rect() : rect().adjusted(kBorder, kClientTop, -kBorder, -kBorder);
  content_->move(client.x() + std::max(0, (client.width() - content_->width()) / 2),
                 client.y() + std::max(0, (client.height() - content_->height()) / 2));
}

QStyleOptionTitleBar WindowFrame::titleOption() const {
  QStyleOptionTitleBar title;
  title.initFrom(this);
  title.rect = titleRect();
  title.text = windowTitle();
  title.icon = windowIcon();
  title.titleBarFlags = kTitleBarFlags;
  title.subControls = QStyle::SC_TitleBarLabel | QStyle::SC_TitleBarSysMenu |
                      QStyle::SC_TitleBarMinButton | QStyle::SC_TitleBarCloseButton;
  return title;
}

void WindowFrame::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), palette().color(QPalette::Window));
  if (fullScreen()) return;
  qDrawWinPanel(&p, rect(), palette(), false);

  QStyleOptionTitleBar title = titleOption();
  if (isActiveWindow()) {
    title.state |= QStyle::State_Active;
    title.titleBarState = Qt::WindowActive;
  }
  if (pressedPart_) {
    title.activeSubControls = static_cast<QStyle::SubControl>(pressedPart_);
    title.state |= QStyle::State_Sunken;
  }
  style()->drawComplexControl(QStyle::CC_TitleBar, &title, &p, this);
}

int WindowFrame::titlePartAt(QPoint pos) const {
  if (fullScreen() || !titleRect().contains(pos)) return QStyle::SC_None;
  const QStyleOptionTitleBar title = titleOption();
  return style()->hitTestComplexControl(QStyle::CC_TitleBar, &title, pos, this);
}

void WindowFrame::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  const int part = titlePartAt(event->position().toPoint());
  if (part == QStyle::SC_TitleBarMinButton || part == QStyle::SC_TitleBarCloseButton) {
    pressedPart_ = part;
    update(titleRect());
  } else if (part != QStyle::SC_None && windowHandle()) {
    // The compositor moves the window: a Wayland client cannot place itself.
    windowHandle()->startSystemMove();
  }
}

void WindowFrame::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton || !pressedPart_) return;
  const int pressed = std::exchange(pressedPart_, 0);
  update(titleRect());
  if (titlePartAt(event->position().toPoint()) != pressed) return;
  if (pressed == QStyle::SC_TitleBarCloseButton) {
    close();
  } else {
    showMinimized();
  }
}

void WindowFrame::changeEvent(QEvent* event) {
  QWidget::changeEvent(event);
  switch (event->type()) {
    case QEvent::WindowStateChange: {
      QResizeEvent resize(size(), size());
      resizeEvent(&resize);
      update();
      break;
    }
    case QEvent::ActivationChange:
    case QEvent::WindowTitleChange:
    case QEvent::WindowIconChange:
      update(titleRect());
      break;
    default:
      break;
  }
}

std::unique_ptr<QWidget> frameForPlatform(QWidget& content) {
  if (!onWayland()) return nullptr;
  return std::make_unique<WindowFrame>(content);
}

}  // namespace ringcoil
