#include "presentation/accessibility/selection_filter.hpp"

#include <QAccessible>
#include <QApplication>
#include <QPointer>
#include <QWidget>

namespace ringcoil {

namespace {

QAccessible::UpdateHandler qtHandler = nullptr;
QPointer<QObject> focusTold;  // the object Qt last told had the focus

void passOn(QAccessibleEvent* event);

void filterUpdate(QAccessibleEvent* event) {
  if (event->type() == QAccessible::Focus) focusTold = event->object();
  const bool focusComing = event->object() && event->object() == QApplication::focusWidget() &&
                           event->object() != focusTold;
  if (event->type() == QAccessible::TextSelectionChanged && focusComing) return;
  passOn(event);
}

// To whoever handled the events before: a handler installed earlier, or Qt's
// bridge to the platform, which runs where no handler is installed.
void passOn(QAccessibleEvent* event) {
  if (qtHandler) return qtHandler(event);
  QAccessible::installUpdateHandler(nullptr);
  QAccessible::updateAccessibility(event);
  QAccessible::installUpdateHandler(filterUpdate);
}

}  // namespace

void tellSelectionWithTheFocus() {
  static const bool installed = [] {
    qtHandler = QAccessible::installUpdateHandler(filterUpdate);
    return true;
  }();
  static_cast<void>(installed);
}

}  // namespace ringcoil
