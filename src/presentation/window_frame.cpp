#include "presentation/window_frame.hpp"

#include <QCloseEvent>
#include <QFontMetrics>
#include <QGridLayout>
#include <QGuiApplication>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPainter>
#include <QSpacerItem>
#include <QStyle>
#include <QStyleOptionTitleBar>
#include <QWindow>
#include <qdrawutil.h>
#include <algorithm>
#include <utility>

#include "presentation/platform.hpp"

namespace ringcoil {

namespace {

constexpr Qt::WindowFlags kTitleBarButtons = Qt::Window | Qt::WindowTitleHint |
                                             Qt::WindowSystemMenuHint |
                                             Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint;

}  // namespace

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
  title.titleBarFlags = kTitleBarButtons;
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

void fitTitleBar(QMessageBox& box) {
  auto* grid = qobject_cast<QGridLayout*>(box.layout());
  if (!grid) return;
  // The title bars of X window managers and the classic one of the frame
  // take less room than Qt's own Wayland title bar, which serves as the
  // measure here. Qt's Wayland title bar lays the title out in the application's font and
  // centres it across the whole width, then draws it 14 pixels high; it cuts
  // the title off 35 pixels from the left edge (after the icon) and 77 from
  // the right (before its three buttons). Its border is 3 pixels wide. The
  // title bars of X window managers (openbox, KWin, Mutter, Xfwm) take no
  // more room for their buttons and draw their titles no larger.
  constexpr int kLeftCut = 35, kRightCut = 77, kBorderWidth = 3, kSpare = 8;
  const QString title = box.windowTitle();
  QFont drawn = QGuiApplication::font();
  drawn.setPixelSize(14);
  const int drawnWidth = QFontMetrics(drawn).horizontalAdvance(title);
  const int laidOut = QFontMetrics(QGuiApplication::font()).horizontalAdvance(title);
  // The title starts at (outer − laidOut) / 2 and ends drawnWidth later.
  const int outer = std::max(2 * drawnWidth - laidOut + 2 * kRightCut, laidOut + 2 * kLeftCut);
  const QMargins margins = grid->contentsMargins();
  const int inner = outer + kSpare - 2 * kBorderWidth - margins.left() - margins.right();
  grid->addItem(new QSpacerItem(inner, 0, QSizePolicy::Minimum, QSizePolicy::Minimum),
                grid->rowCount(), 0, 1, grid->columnCount());
}

void execMessageBox(QMessageBox& box, QWidget& owner) {
  if (!onWayland()) {
    box.exec();
    return;
  }
  WindowFrame frame(box);
  frame.setWindowModality(Qt::ApplicationModal);
  frame.winId();
  if (QWindow* parent = owner.window()->windowHandle()) frame.windowHandle()->setTransientParent(parent);
  frame.show();
  box.exec();
}

}  // namespace ringcoil
