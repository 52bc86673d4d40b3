#include "presentation/accessibility/key_list.hpp"

#include <QEvent>
#include <QObject>

#include "presentation/widgets/form_window.hpp"

namespace ringcoil {

namespace {

// One per window, its child: whether the window has lost the focus yet.
class KeyListWatch final : public QObject {
 public:
  explicit KeyListWatch(FormWindow& window) : QObject(&window), window_(window) {
    window.installEventFilter(this);
  }

  static KeyListWatch& of(FormWindow& window) {
    for (QObject* child : window.children()) {
      if (auto* watch = dynamic_cast<KeyListWatch*>(child)) return *watch;
    }
    return *new KeyListWatch(window);
  }

  bool told() const { return told_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched == &window_ && event->type() == QEvent::WindowDeactivate) told_ = true;
    return QObject::eventFilter(watched, event);
  }

 private:
  FormWindow& window_;
  bool told_ = false;
};

}  // namespace

bool keysStillToTell(FormWindow& window) { return !KeyListWatch::of(window).told(); }

}  // namespace ringcoil
