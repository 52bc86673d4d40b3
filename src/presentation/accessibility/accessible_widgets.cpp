#include "presentation/accessibility/accessible_widgets.hpp"

#include <QAccessibleWidget>
#include <QPointer>
#include <QPushButton>
#include <algorithm>

#include "dialogue/element_words.hpp"
#include "presentation/accessibility/speech.hpp"
#include "presentation/widgets/fonts.hpp"
#include "presentation/widgets/form_window.hpp"
#include "presentation/widgets/picture_box.hpp"
#include "window/focus.hpp"

namespace ringcoil {

namespace {


// An element inside a picture box belongs, for assistive tools, to the box
// itself: the inner area that clips it is an implementation detail.
QAccessibleInterface* parentOf(QWidget* widget) {
  QWidget* parent = widget->parentWidget();
  if (parent && !dynamic_cast<PictureBox*>(parent) &&
      dynamic_cast<PictureBox*>(parent->parentWidget())) {
    parent = parent->parentWidget();
  }
  return QAccessible::queryAccessibleInterface(parent);
}

// The element's description: the words of the step that put the focus on
// it, while it keeps the focus, or else the core's description of it, as the
// window's state has it.
QString describe(const QPointer<FormWindow>& window, const QWidget* widget, Id id) {
  if (QString said = spokenOnFocus(widget); !said.isEmpty()) return said;
  return window ? qText(descriptionOf(window->state(), id)) : QString();
}

// Shown, but out of sight under an open page: visible, not showing.
void markCovered(QAccessible::State& state, const FormWindow& window, Id id) {
  if (!state.invisible && !inSight(window.state(), id)) state.offscreen = true;
}

// QAccessibleWidget is an action interface already: these override its actions.
class ElementButton final : public QAccessibleWidget {
 public:
  ElementButton(FormWindow& window, QPushButton& button, Id id)
      : QAccessibleWidget(&button, QAccessible::Button), window_(&window), id_(id) {
    addControllingSignal(QStringLiteral("clicked(bool)"));
  }

  QString text(QAccessible::Text t) const override {
    const auto* button = static_cast<QPushButton*>(widget());
    if (t == QAccessible::Name) {
      const std::string_view name = def(id_).accessibleName;
      return name.empty() ? button->text() : qText(name);
    }
    if (t == QAccessible::Description) {
      if (QString words = describe(window_, widget(), id_); !words.isEmpty()) return words;
    }
    return QAccessibleWidget::text(t);
  }

  QAccessible::State state() const override {
    QAccessible::State s = QAccessibleWidget::state();
    s.pressed = static_cast<QPushButton*>(widget())->isDown();
    if (window_) markCovered(s, *window_, id_);
    return s;
  }

  QAccessibleInterface* parent() const override { return parentOf(widget()); }

  QStringList actionNames() const override { return {pressAction(), setFocusAction()}; }
  // Enter and Space press any focused button; screen readers would read
  // their names out in English.
  QStringList keyBindingsForAction(const QString&) const override { return {}; }
  void doAction(const QString& action) override {
    if (action == pressAction()) {
      // Once the tool has its answer: what the press opens (a message box
      // runs a loop of its own) must not hold the tool's call.
      QMetaObject::invokeMethod(
          widget(),
          [window = window_, id = id_] {
            if (window) window->press(id);
          },
          Qt::QueuedConnection);
    } else if (action == setFocusAction()) {
      widget()->setFocus(Qt::OtherFocusReason);
    }
  }

 private:
  QPointer<FormWindow> window_;
  Id id_;
};

class ElementBox final : public QAccessibleWidget {
 public:
  ElementBox(FormWindow& window, PictureBox& box, Id id)
      : QAccessibleWidget(&box, def(id).role == Role::Graphic ? QAccessible::Graphic : QAccessible::Pane),
        window_(&window),
        id_(id) {}

  QString text(QAccessible::Text t) const override {
    if (t == QAccessible::Name) return qText(def(id_).accessibleName);
    if (t == QAccessible::Description) {
      if (QString words = describe(window_, widget(), id_); !words.isEmpty()) return words;
    }
    return QAccessibleWidget::text(t);
  }

  QAccessible::State state() const override {
    QAccessible::State s = QAccessibleWidget::state();
    if (window_) markCovered(s, *window_, id_);
    return s;
  }

  QAccessibleInterface* parent() const override { return parentOf(widget()); }

  // The elements inside the box's inner area, front-most last as Qt lists
  // siblings.
  int childCount() const override { return static_cast<int>(children().size()); }
  QAccessibleInterface* child(int index) const override {
    const QList<QWidget*> all = children();
    if (index < 0 || index >= all.size()) return nullptr;
    return QAccessible::queryAccessibleInterface(all[index]);
  }
  int indexOfChild(const QAccessibleInterface* child) const override {
    return child ? static_cast<int>(children().indexOf(child->object())) : -1;
  }

  // A box whose row gives it a press (the author page closes the help) can
  // be pressed; the other boxes only take the focus.
  QStringList actionNames() const override {
    if (pressable()) return {pressAction(), setFocusAction()};
    return QAccessibleWidget::actionNames();
  }
  QStringList keyBindingsForAction(const QString&) const override { return {}; }
  void doAction(const QString& action) override {
    if (window_ && pressable() && action == pressAction()) {
      window_->press(id_);
    } else {
      QAccessibleWidget::doAction(action);
    }
  }

 private:
  bool pressable() const { return pressOf(def(id_)) != Press::None; }

  QList<QWidget*> children() const {
    QList<QWidget*> found;
    for (QObject* child : static_cast<PictureBox*>(widget())->inner()->children()) {
      if (auto* w = qobject_cast<QWidget*>(child); w && !w->isWindow()) found.append(w);
    }
    return found;
  }

  QPointer<FormWindow> window_;
  Id id_;
};

}  // namespace

QAccessibleInterface* accessibleButton(FormWindow& window, QPushButton& button, Id id) {
  return new ElementButton(window, button, id);
}

QAccessibleInterface* accessibleBox(FormWindow& window, PictureBox& box, Id id) {
  return new ElementBox(window, box, id);
}

}  // namespace ringcoil
