#include "presentation/accessibility/accessibility.hpp"

#include <QAccessibleWidget>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRegion>
#include <array>
#include <map>

#include "dialogue/element_words.hpp"
#include "dialogue/keys.hpp"
#include "presentation/accessibility/accessible_display.hpp"
#include "presentation/accessibility/accessible_widgets.hpp"
#include "presentation/accessibility/key_list.hpp"
#include "presentation/accessibility/selection_filter.hpp"
#include "presentation/accessibility/speech.hpp"
#include "presentation/accessibility/window_part.hpp"
#include "presentation/widgets/fonts.hpp"
#include "presentation/widgets/form_window.hpp"
#include "presentation/widgets/lightweight_painter.hpp"
#include "presentation/widgets/picture_box.hpp"
#include "window/parameter_table.hpp"

namespace ringcoil {

namespace {

using namespace el;

// Every label the window may show, in reading order: the title, the table row
// by row, the hint. Z and Zoro only hold state and are never shown.
constexpr auto kReadingOrder = [] {
  std::array<Id, 2 + kTableRows.size() * 5> order{};
  std::size_t n = 0;
  order[n++] = Глава;
  for (const TableRow& row : kTableRows) {
    for (const Id name : {row.plainName, row.answerName, row.inputName}) order[n++] = name;
    order[n++] = row.value;
    order[n++] = row.unit;
  }
  order[n++] = Справка;
  return order;
}();

// A label painted on the window's surface. Owned by the accessibility cache;
// the window's interface deletes it.
class PaintedLabel final : public WindowPart, public QAccessibleActionInterface {
 public:
  PaintedLabel(FormWindow* window, Id id) : WindowPart(window), id_(id) { remember(); }

  Id id() const { return id_; }

  // Sends the events for whatever changed since the last call.
  std::vector<QAccessible::Event> announce() {
    const bool wasShown = shown_;
    const QString oldName = name_;
    remember();
    std::vector<QAccessible::Event> sent;
    if (shown_ != wasShown)
      sent.push_back(shown_ ? QAccessible::ObjectShow : QAccessible::ObjectHide);
    if (name_ != oldName) sent.push_back(QAccessible::NameChanged);
    for (const QAccessible::Event type : sent) {
      QAccessibleEvent event(this, type);
      QAccessible::updateAccessibility(&event);
    }
    return sent;
  }

  QList<QPair<QAccessibleInterface*, QAccessible::Relation>> relations(
      QAccessible::Relation match) const override;

  QString text(QAccessible::Text t) const override {
    if (!window_) return {};
    if (t == QAccessible::Name) return qText(paintedLabelName(window_->state(), id_));
    if (t == QAccessible::Description) return qText(descriptionOf(window_->state(), id_));
    return {};
  }
  void setText(QAccessible::Text, const QString&) override {}
  QRect rect() const override {
    if (!window_) return {};
    const QRect local = clientRect();
    return QRect(window_->mapToGlobal(local.topLeft()), local.size());
  }
  QAccessible::Role role() const override { return QAccessible::StaticText; }
  QAccessible::State state() const override {
    QAccessible::State s;
    s.invisible = !window_ || !window_->isVisible() || !window_->state().visible(id_) || covered();
    return s;
  }

  void* interface_cast(QAccessible::InterfaceType type) override {
    if (type == QAccessible::ActionInterface && pressOf(def(id_)) != Press::None) {
      return static_cast<QAccessibleActionInterface*>(this);
    }
    return nullptr;
  }
  QStringList actionNames() const override { return {pressAction()}; }
  // The key is in the description, in words.
  QStringList keyBindingsForAction(const QString&) const override { return {}; }
  void doAction(const QString& action) override {
    if (window_ && action == pressAction()) window_->press(id_);
  }

 private:
  void remember() {
    shown_ = window_->state().visible(id_);
    name_ = text(QAccessible::Name);
  }
  QRect clientRect() const { return labelPaintRect(id_, shownCaption(window_->state(), id_)); }
  // Wholly under shown widgets, such as an open help page.
  bool covered() const {
    QRegion uncovered(clientRect());
    for (QObject* child : window_->children()) {
      auto* widget = qobject_cast<QWidget*>(child);
      if (widget && !widget->isHidden()) uncovered -= widget->geometry();
    }
    return uncovered.isEmpty();
  }

  Id id_;
  bool shown_ = false;
  QString name_;
};

// The window: its painted labels in reading order, then its widgets as Qt
// lists them.
class WindowInterface final : public QAccessibleWidget {
 public:
  explicit WindowInterface(FormWindow* window)
      : QAccessibleWidget(window, QAccessible::Window), window_(window) {}
  ~WindowInterface() override {
    for (const auto& [index, uniqueId] : labels_) QAccessible::deleteAccessibleInterface(uniqueId);
  }

  // The interface of a painted label, made on first use; nullptr for
  // elements that are not among them.
  PaintedLabel* label(Id id) const {
    const int index = readingIndex(id);
    return index < 0 ? nullptr : labelAt(index);
  }
  // The same, but only if a tool has asked for it already: a label no tool
  // knows needs no announcements.
  PaintedLabel* labelIfMade(Id id) const {
    const auto found = labels_.find(readingIndex(id));
    if (found == labels_.end()) return nullptr;
    return static_cast<PaintedLabel*>(QAccessible::accessibleInterface(found->second));
  }

  QString text(QAccessible::Text t) const override {
    if (t == QAccessible::Description) {
      return keysStillToTell(*window_) ? qText(spokenListOfKeys()) : QString();
    }
    return QAccessibleWidget::text(t);
  }
  int childCount() const override {
    return static_cast<int>(kReadingOrder.size()) + QAccessibleWidget::childCount();
  }
  QAccessibleInterface* child(int index) const override {
    if (index < 0) return nullptr;
    if (index < kLabelCount) return labelAt(index);
    return QAccessibleWidget::child(index - kLabelCount);
  }
  int indexOfChild(const QAccessibleInterface* child) const override {
    if (const auto* painted = dynamic_cast<const PaintedLabel*>(child)) {
      return readingIndex(painted->id());
    }
    const int index = QAccessibleWidget::indexOfChild(child);
    return index < 0 ? -1 : index + kLabelCount;
  }
  // Widgets lie over the surface; among the labels the front-most wins.
  QAccessibleInterface* childAt(int x, int y) const override {
    const QPoint local = window_->mapFromGlobal(QPoint(x, y));
    if (QWidget* hit = window_->childAt(local)) {
      while (hit->parentWidget() != window_) hit = hit->parentWidget();
      return QAccessible::queryAccessibleInterface(hit);
    }
    for (std::size_t i = 0; i < kElementCount; ++i) {
      PaintedLabel* painted = label(static_cast<Id>(i));
      if (painted && !painted->state().invisible && painted->rect().contains(x, y)) return painted;
    }
    return nullptr;
  }

 private:
  static constexpr int kLabelCount = static_cast<int>(kReadingOrder.size());

  // The label's place in the reading order; -1 for other elements.
  static int readingIndex(Id id) {
    for (int i = 0; i < kLabelCount; ++i) {
      if (kReadingOrder[static_cast<std::size_t>(i)] == id) return i;
    }
    return -1;
  }

  PaintedLabel* labelAt(int index) const {
    if (PaintedLabel* made = labelIfMade(kReadingOrder[static_cast<std::size_t>(index)])) return made;
    auto* painted = new PaintedLabel(window_, kReadingOrder[static_cast<std::size_t>(index)]);
    labels_[index] = QAccessible::registerAccessibleInterface(painted);
    return painted;
  }

  FormWindow* window_;
  mutable std::map<int, QAccessible::Id> labels_;
};

WindowInterface* windowInterface(FormWindow* window) {
  return dynamic_cast<WindowInterface*>(QAccessible::queryAccessibleInterface(window));
}

// A value is labelled by the name shown in its row.
QList<QPair<QAccessibleInterface*, QAccessible::Relation>> PaintedLabel::relations(
    QAccessible::Relation match) const {
  QList<QPair<QAccessibleInterface*, QAccessible::Relation>> found;
  const TableRow* row = rowOfValue(id_);
  if (!window_ || !row || !(match & QAccessible::Label)) return found;
  for (const Id name : {row->plainName, row->answerName, row->inputName}) {
    if (!window_->state().visible(name)) continue;
    if (PaintedLabel* painted = windowInterface(window_)->label(name)) {
      found.append({painted, QAccessible::Label});
    }
  }
  return found;
}

QAccessibleInterface* makeInterface(const QString&, QObject* object) {
  if (!object || !object->isWidgetType()) return nullptr;
  if (auto* window = dynamic_cast<FormWindow*>(object)) return new WindowInterface(window);
  auto* widget = static_cast<QWidget*>(object);
  auto* window = FormWindow::windowOf(widget);
  if (!window) return nullptr;
  // The display is asked for while it is being set up, before it is marked
  // as an element.
  if (auto* display = qobject_cast<QLineEdit*>(widget)) return accessibleDisplay(*display);
  const std::optional<Id> id = FormWindow::elementOf(widget);
  if (!id) return nullptr;
  if (auto* button = qobject_cast<QPushButton*>(widget))
    return accessibleButton(*window, *button, *id);
  if (auto* box = dynamic_cast<PictureBox*>(widget)) return accessibleBox(*window, *box, *id);
  return nullptr;
}

}  // namespace

void installAccessibility() {
  QAccessible::removeFactory(makeInterface);
  QAccessible::installFactory(makeInterface);
  tellSelectionWithTheFocus();
}

std::vector<QAccessible::Event> announceChange(FormWindow& window, Id id) {
  if (WindowInterface* iface = windowInterface(&window)) {
    if (PaintedLabel* painted = iface->labelIfMade(id)) return painted->announce();
  }
  return {};
}

}  // namespace ringcoil
