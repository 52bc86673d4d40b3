#include "presentation/speech.hpp"

#include <QAccessible>
#include <QApplication>
#include <QPointer>

#include "dialogue/step_words.hpp"
#include "presentation/accessible_texts.hpp"
#include "presentation/fonts.hpp"
#include "presentation/form_window.hpp"
#include "presentation/platform.hpp"
#include "presentation/window_part.hpp"

namespace ringcoil {

namespace {

// A message with nothing to show: a notification screen readers speak when it
// is shown. It is no child of the window, so that reading the window's tree
// never meets it.
class Notice final : public WindowPart {
 public:
  explicit Notice(FormWindow* window) : WindowPart(window) {}

  void setText(const QString& text) { text_ = text; }

  QString text(QAccessible::Text t) const override {
    return t == QAccessible::Name ? text_ : QString();
  }
  void setText(QAccessible::Text, const QString&) override {}
  QRect rect() const override { return {}; }
  QAccessible::Role role() const override { return QAccessible::Notification; }
  QAccessible::State state() const override {
    QAccessible::State s;
    s.invisible = text_.isEmpty();
    return s;
  }

 private:
  QString text_;
};

// One per window, its child: what is waiting to be said and where.
class Speaker final : public QObject {
 public:
  explicit Speaker(FormWindow& window) : QObject(&window), window_(window) {
    connect(qApp, &QApplication::focusChanged, this, &Speaker::focusChanged);
  }
  ~Speaker() override {
    if (noticeId_) QAccessible::deleteAccessibleInterface(noticeId_);
  }

  static Speaker* find(const FormWindow& window) {
    for (QObject* child : window.children()) {
      if (auto* speaker = dynamic_cast<Speaker*>(child)) return speaker;
    }
    return nullptr;
  }
  static Speaker& of(FormWindow& window) {
    Speaker* speaker = find(window);
    return speaker ? *speaker : *new Speaker(window);
  }

  void tell(QWidget* focusedBefore, const QString& words) {
    QWidget* focused = window_.focusWidget();
    if (focused && focused != focusedBefore) {
      readWith(focused, words);
      return;
    }
    // The focus may still move in this turn of the event loop (choosing a
    // mode moves it after the step); if it does not, a notification.
    const bool queued = !pending_.isEmpty();
    pending_ = pending_.isEmpty() ? words : pending_ + QLatin1Char(' ') + words;
    if (!queued) {
      QMetaObject::invokeMethod(this, &Speaker::notifyPending, Qt::QueuedConnection);
    }
  }

  void notify(const QString& words) {
    if (!QAccessible::isActive()) return;
    if (!noticeId_) {
      notice_ = new Notice(&window_);
      noticeId_ = QAccessible::registerAccessibleInterface(notice_);
    }
    notice_->setText(words);
    QAccessibleEvent shown(notice_, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
    notifyForPlatform(window_, words);
  }

  QString spokenOn(const QWidget* widget) const {
    return widget && widget == echoOn_ ? echo_ : QString();
  }

 private:
  void readWith(QWidget* widget, const QString& words) {
    echoOn_ = widget;
    echo_ = words;
  }

  void focusChanged(QWidget* old, QWidget* now) {
    if (old && old == echoOn_) {
      echoOn_ = nullptr;
      echo_.clear();
    }
    if (!pending_.isEmpty() && FormWindow::windowOf(now) == &window_) {
      readWith(now, std::exchange(pending_, QString()));
    }
  }

  void notifyPending() {
    if (!pending_.isEmpty()) notify(std::exchange(pending_, QString()));
  }

  FormWindow& window_;
  Notice* notice_ = nullptr;
  QAccessible::Id noticeId_ = 0;
  QPointer<QWidget> echoOn_;
  QString echo_;
  QString pending_;
};

}  // namespace

void tellStep(FormWindow& window, QWidget* focusedBefore, const StepWords& said) {
  if (said.empty()) return;
  QString words = qText(said.text);
  if (said.page) {
    if (!words.isEmpty()) words += QLatin1Char(' ');
    words += pageText(*said.page);
  }
  Speaker::of(window).tell(focusedBefore, words);
}

QString spokenOnFocus(const QWidget* widget) {
  FormWindow* window = FormWindow::windowOf(widget);
  if (!window) return {};
  const Speaker* speaker = Speaker::find(*window);
  return speaker ? speaker->spokenOn(widget) : QString();
}

}  // namespace ringcoil
