#include "presentation/widgets/form_window.hpp"

#include <QApplication>
#include <QClipboard>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QStyle>
#include <QToolTip>
#include <algorithm>
#include <limits>
#include <utility>
#include <vector>

#include "presentation/accessibility/accessibility.hpp"
#include "presentation/accessibility/speech.hpp"
#include "presentation/platform.hpp"
#include "presentation/widgets/classic_style.hpp"
#include "presentation/widgets/error_box.hpp"
#include "presentation/widgets/event_routes.hpp"
#include "presentation/widgets/fonts.hpp"
#include "presentation/widgets/lightweight_painter.hpp"
#include "presentation/widgets/picture_box.hpp"
#include "presentation/widgets/shortcuts.hpp"
#include "window/geometry.hpp"

namespace ringcoil {

namespace {

constexpr const char* kElementProperty = "ringcoil.element";

// The routes of the element's widget, or of the window's surface (nullopt):
// the Qt events of the events that have a handler there. Any element may
// lie under the pointer on the surface, so it takes every event a user
// raises. A push button's click comes as its clicked signal.
std::vector<Route> routesOf(std::optional<Id> id) {
  std::vector<Route> routes;
  for (const Event event : kEvents) {
    const QEvent::Type qt = qtEventOf(event);
    if (qt == QEvent::None) continue;
    if (id && (!Form1::handlerFor(*id, event) ||
               (def(*id).kind == Kind::PushButton && event == Event::Click))) {
      continue;
    }
    routes.push_back({qt, event});
  }
  return routes;
}

}  // namespace

FormWindow::FormWindow(QWidget* parent)
    : QWidget(parent, kTitleBarFlags | Qt::MSWindowsFixedSizeDialogHint),
      art_(Artwork::load()),
      form_(*this),
      surfaceRoutes_(routesOf(std::nullopt)) {
  setWindowTitle(qText(kForm.caption));
  setWindowIcon(art_.icon);
  setFixedSize(kClientWidthPx, kClientHeightPx);
  setMouseTracking(true);
  setCursor(art_.iconPointer);
  setAttribute(Qt::WA_OpaquePaintEvent);  // the wall covers every pixel
  createWidgets();
  setTabOrder();

  form_.load();
  static_cast<void>(form_.takeChanges());
  for (std::size_t i = 0; i < kElementCount; ++i) syncElement(static_cast<Id>(i));

  installShortcuts(*this, [this](std::string_view keys) { pressKey(keys); });

  timer_.setTimerType(Qt::PreciseTimer);
  timer_.setInterval(def(el::Timer1).intervalMs);
  connect(&timer_, &QTimer::timeout, this, [this] {
    form_.tick();
    sync();
  });
  timer_.start();
}

FormWindow::~FormWindow() = default;

void FormWindow::createWidgets() {
  // Windowed elements, in creation order; a container comes before its
  // children.
  for (std::size_t i = 0; i < kElementCount; ++i) {
    const Id id = static_cast<Id>(i);
    if (!isWindowed(kElements[i].kind)) continue;
    QWidget* parent = this;
    if (const auto container = containerOf(id)) {
      parent = static_cast<PictureBox*>(widgets_[indexOf(*container)])->inner();
    }
    widgets_[i] = createWidget(id, parent);
  }
  // Stack siblings: raising them rearmost first leaves the front-most on top.
  for (std::size_t i = kElementCount; i-- > 0;) {
    if (widgets_[i]) widgets_[i]->raise();
  }
}

QWidget* FormWindow::createWidget(Id id, QWidget* parent) {
  const ElementDef& d = def(id);
  QWidget* widget = nullptr;
  switch (d.kind) {
    case Kind::PushButton: {
      auto* button = new QPushButton(parent);
      // Enter, like Space, presses the focused button.
      button->setAutoDefault(true);
      connect(button, &QPushButton::clicked, this, [this, id] { elementEvent(id, Event::Click); });
      widget = button;
      break;
    }
    case Kind::TextBox: {
      auto* edit = new QLineEdit(parent);
      edit->setMaxLength(std::numeric_limits<int>::max());
      edit->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
      QPalette palette = edit->palette();
      if (d.foreColor)
        palette.setColor(QPalette::Text, QColor(d.foreColor->r, d.foreColor->g, d.foreColor->b));
      if (d.backColor)
        palette.setColor(QPalette::Base, QColor(d.backColor->r, d.backColor->g, d.backColor->b));
      edit->setPalette(palette);
      connect(edit, &QLineEdit::textEdited, this, [this](const QString& text) {
        form_.typeText(text.toStdString());
        sync();
      });
      widget = edit;
      break;
    }
    case Kind::PictureBox: {
      auto* box = new PictureBox(d.border == Border::Sunken, parent);
      box->inner()->setMouseTracking(true);
      box->inner()->installEventFilter(this);
      box->inner()->setProperty(kElementProperty, static_cast<int>(indexOf(id)));
      widget = box;
      break;
    }
    default:
      return nullptr;
  }
  widget->setGeometry(elementRect(id));
  widget->setFont(fontFor(fontOf(d)));
  widget->setMouseTracking(true);
  widget->installEventFilter(this);
  widget->setProperty(kElementProperty, static_cast<int>(indexOf(id)));
  routes_[indexOf(id)] = routesOf(id);
  if (!d.tooltip.empty()) widget->setToolTip(qText(d.tooltip));
  if (!d.accessibleName.empty()) widget->setAccessibleName(qText(d.accessibleName));
  widget->setCursor(art_.cursorFor(d.pointer));
  return widget;
}

void FormWindow::setTabOrder() {
  std::vector<Id> order;
  for (std::size_t i = 0; i < kElementCount; ++i) {
    if (widgets_[i] && kElements[i].tabIndex >= 0) order.push_back(static_cast<Id>(i));
  }
  std::sort(order.begin(), order.end(),
            [](Id a, Id b) { return def(a).tabIndex < def(b).tabIndex; });
  for (std::size_t i = 1; i < order.size(); ++i) {
    QWidget::setTabOrder(widgetFor(order[i - 1]), widgetFor(order[i]));
  }
}

void FormWindow::sync() {
  QWidget* const focusedBefore = focusWidget();
  bool surfaceChanged = false;
  std::vector<Id> hidden;
  for (const Id id : form_.takeChanges()) {
    QWidget* widget = widgetFor(id);
    if (!widget) {
      surfaceChanged = true;
      announceChange(*this, id);
      continue;
    }
    if (form_.state().visible(id)) {
      syncElement(id);
    } else {
      hidden.push_back(id);
    }
  }
  // What is shown is in place before the focus moves, and the focus leaves
  // what is hidden before it goes, so that it never passes through a third
  // element on its way.
  followFocus();
  for (const Id id : hidden) syncElement(id);
  if (surfaceChanged) update();
  // What the step did, told where the focus lands or as a notification.
  tellStep(*this, focusedBefore, form_.takeWords());
}

std::optional<Id> FormWindow::elementOf(const QObject* widget) {
  const QVariant element = widget ? widget->property(kElementProperty) : QVariant();
  if (!element.isValid()) return std::nullopt;
  return static_cast<Id>(element.toInt());
}

FormWindow* FormWindow::windowOf(const QWidget* widget) {
  for (QWidget* w = widget ? widget->parentWidget() : nullptr; w; w = w->parentWidget()) {
    if (auto* window = dynamic_cast<FormWindow*>(w)) return window;
  }
  return nullptr;
}

void FormWindow::followFocus() {
  QWidget* const widget = widgetFor(form_.focus());
  if (form_.ended() || !widget || focusWidget() == widget) return;
  widget->setFocus(focusReason_);
}

void FormWindow::syncElement(Id id) {
  QWidget* widget = widgetFor(id);
  if (!widget) return;
  const WindowState& s = form_.state();
  const ElementDef& d = def(id);
  if (auto* button = qobject_cast<QPushButton*>(widget)) {
    button->setText(displayText(s.caption(id), fontOf(d).charset));
  } else if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
    const QString text = qText(s.caption(id));
    if (edit->text() != text) edit->setText(text);
  } else if (auto* box = dynamic_cast<PictureBox*>(widget)) {
    switch (d.picture) {
      case Picture::Animation:
        if (const auto frame = s.picture1Frame()) box->setPicture(art_.frames[static_cast<std::size_t>(*frame)]);
        break;
      case Picture::Page1:
        box->setPicture(art_.page1);
        break;
      case Picture::Page2:
        box->setPicture(art_.page2);
        break;
      case Picture::Page3:
        box->setPicture(art_.page3);
        break;
      case Picture::Author:
        box->setPicture(art_.author);
        break;
      case Picture::None:
        break;
    }
  }
  widget->setVisible(s.visible(id));
}

void FormWindow::paintEvent(QPaintEvent* event) {
  QPainter p(this);
  p.setClipRegion(event->region());
  // The wall is one pixel wider than the client area; its last column is cut off.
  p.fillRect(rect(), palette().color(QPalette::Active, QPalette::Window));
  // In bands of 32 rows: through a clip of 96 spans or more (the first
  // paint's region has holes where the picture boxes are) Qt hands a picture
  // to worker threads, whose start costs more than the copy itself.
  constexpr int kWallBand = 32;
  for (int y = 0; y < art_.wall.height(); y += kWallBand) {
    p.drawPixmap(0, y, art_.wall, 0, y, -1, kWallBand);
  }
  paintLightweightElements(p, form_.state());
}

void FormWindow::surfaceEvent(Event event, QPoint pos) {
  form_.mouseAt(event, pos.x(), pos.y());
  sync();
}

void FormWindow::elementEvent(Id id, Event event) {
  form_.fire(id, event);
  sync();
}

void FormWindow::updatePointer(QPoint pos) {
  const auto hit = elementAt(form_.state(), pos.x(), pos.y());
  const Pointer wanted = hit ? def(*hit).pointer : kForm.pointer;
  if (wanted == pointer_) return;
  pointer_ = wanted;
  setCursor(art_.cursorFor(wanted));
}

void FormWindow::routeOnSurface(const QMouseEvent& event) {
  const QPoint pos = event.position().toPoint();
  for (const Route& route : surfaceRoutes_) {
    if (route.qt == event.type()) surfaceEvent(route.event, pos);
  }
}

// Widgets on the surface take their own events; what reaches the window from
// a child (a button ignores movement while it is not pressed) was handled there.
void FormWindow::mouseMoveEvent(QMouseEvent* event) {
  const QPoint pos = event->position().toPoint();
  if (childAt(pos)) return;
  updatePointer(pos);
  routeOnSurface(*event);
}

// A release counts as a click over the element its press was on. The second
// press of a double click comes here too (QWidget::mouseDoubleClickEvent).
void FormWindow::mousePressEvent(QMouseEvent* event) {
  const QPoint pos = event->position().toPoint();
  if (event->button() != Qt::LeftButton || childAt(pos)) return;
  clickPending_ = true;
  pressedTarget_ = elementAt(form_.state(), pos.x(), pos.y());
  routeOnSurface(*event);
}

void FormWindow::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton || !clickPending_) return;
  const QPoint pos = event->position().toPoint();
  const bool sameTarget = pressedTarget_ == elementAt(form_.state(), pos.x(), pos.y());
  clickPending_ = false;
  if (sameTarget && rect().contains(pos)) routeOnSurface(*event);
}

bool FormWindow::event(QEvent* event) {
  // Tooltips of the labels painted on the surface: the title's "Подробнее",
  // and the whole value of a cell too narrow for it.
  if (event->type() == QEvent::ToolTip) {
    auto* help = static_cast<QHelpEvent*>(event);
    const auto hit = elementAt(form_.state(), help->pos().x(), help->pos().y());
    const QString tip = hit ? labelToolTip(form_.state(), *hit) : QString();
    if (!tip.isEmpty()) {
      QToolTip::showText(help->globalPos(), tip, this, elementRect(*hit));
    } else {
      QToolTip::hideText();
      event->ignore();
    }
    return true;
  }
  return QWidget::event(event);
}

bool FormWindow::eventFilter(QObject* watched, QEvent* event) {
  const QVariant element = watched->property(kElementProperty);
  if (!element.isValid()) return QWidget::eventFilter(watched, event);
  const Id id = static_cast<Id>(element.toInt());
  // Movements and clicks a child passed on were handled for that child.
  if (event->type() == QEvent::MouseMove || event->type() == QEvent::MouseButtonRelease) {
    const QPoint pos = static_cast<QMouseEvent*>(event)->position().toPoint();
    if (static_cast<QWidget*>(watched)->childAt(pos)) return QWidget::eventFilter(watched, event);
  }
  if (event->type() == QEvent::FocusIn) form_.focusMoved(id);
  // The element's routes, set up as its widget was made. A button event
  // counts for the left button, and a release inside the widget only.
  for (const Route& route : routes_[indexOf(id)]) {
    if (route.qt != event->type()) continue;
    if (event->type() != QEvent::MouseMove) {
      auto* mouse = static_cast<QMouseEvent*>(event);
      if (mouse->button() != Qt::LeftButton ||
          !static_cast<QWidget*>(watched)->rect().contains(mouse->position().toPoint())) {
        continue;
      }
    }
    elementEvent(id, route.event);
  }
  return QWidget::eventFilter(watched, event);
}

KeyOutcome FormWindow::pressKey(std::string_view keys) {
  const KeyOutcome outcome = form_.key(keys);
  sync();
  if (outcome == KeyOutcome::CopyAnswer) {
    QApplication::clipboard()->setText(qText(answerText(form_.state()).value_or("")));
  }
  return outcome;
}

void FormWindow::press(Id id) {
  form_.press(id);
  sync();
}

// Keys the focused element leaves: the keypad's digits and comma, and the
// keys that close the author page while it has the focus.
void FormWindow::keyPressEvent(QKeyEvent* event) {
  const std::string keys = keysOf(*event);
  if (keys.empty() || pressKey(keys) != KeyOutcome::Handled) QWidget::keyPressEvent(event);
}

// Tab and Shift+Tab go round the tab order, past what is hidden or lies
// under an open help page.
bool FormWindow::focusNextPrevChild(bool next) {
  // Told as Tab's, so that the display selects its text as it takes the focus.
  focusReason_ = next ? Qt::TabFocusReason : Qt::BacktabFocusReason;
  pressKey(next ? "Tab" : "Shift+Tab");
  focusReason_ = Qt::OtherFocusReason;
  return true;
}

void FormWindow::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (!shownOnce_) {
    shownOnce_ = true;
    widgetFor(form_.focus())->setFocus(Qt::OtherFocusReason);
  }
}

void FormWindow::showError(ErrorCode code) {
  if (presentError) return presentError(code);
  showErrorBox(code, *this);
}

void FormWindow::endProgram() {
  timer_.stop();
  close();
  if (endApplication) return endApplication();
  QCoreApplication::exit(0);
}

}  // namespace ringcoil
