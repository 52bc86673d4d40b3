// An accessible object of the calculator window that no widget stands for
// and that holds nothing: a label painted on the surface, the notice screen
// readers speak. Its parent is the window.
#pragma once

#include <QAccessibleInterface>
#include <QPointer>

#include "presentation/widgets/form_window.hpp"

namespace ringcoil {

class WindowPart : public QAccessibleInterface {
 public:
  explicit WindowPart(FormWindow* window) : window_(window) {}

  bool isValid() const override { return !window_.isNull(); }
  QObject* object() const override { return nullptr; }
  // The native window it shows in: the calculator's own on X11, its frame's
  // on Wayland.
  QWindow* window() const override { return window_ ? window_->window()->windowHandle() : nullptr; }
  QAccessibleInterface* parent() const override {
    return QAccessible::queryAccessibleInterface(window_.data());
  }
  QAccessibleInterface* child(int) const override { return nullptr; }
  int childCount() const override { return 0; }
  int indexOfChild(const QAccessibleInterface*) const override { return -1; }
  QAccessibleInterface* childAt(int, int) const override { return nullptr; }

 protected:
  QPointer<FormWindow> window_;
};

}  // namespace ringcoil
