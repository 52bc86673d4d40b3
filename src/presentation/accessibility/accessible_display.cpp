#include "presentation/accessibility/accessible_display.hpp"

#include <QAccessibleWidget>
#include <QFontMetrics>
#include <QLineEdit>

namespace ringcoil {

namespace {

class Display final : public QAccessibleWidget,
                      public QAccessibleTextInterface,
                      public QAccessibleEditableTextInterface {
 public:
  explicit Display(QLineEdit& edit) : QAccessibleWidget(&edit, QAccessible::EditableText) {}

  void* interface_cast(QAccessible::InterfaceType type) override {
    if (type == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
    if (type == QAccessible::EditableTextInterface) {
      return static_cast<QAccessibleEditableTextInterface*>(this);
    }
    return QAccessibleWidget::interface_cast(type);
  }

  QString text(QAccessible::Text t) const override {
    if (t == QAccessible::Value) return edit()->text();
    return QAccessibleWidget::text(t);
  }
  void setText(QAccessible::Text t, const QString& text) override {
    if (t == QAccessible::Value) {
      edit()->setText(text);
    } else {
      QAccessibleWidget::setText(t, text);
    }
  }
  QAccessible::State state() const override {
    QAccessible::State s = QAccessibleWidget::state();
    if (edit()->isReadOnly()) {
      s.readOnly = true;
    } else {
      s.editable = true;
    }
    s.selectableText = true;
    return s;
  }

  // The text.
  QString text(int start, int end) const override {
    if (start > end) return {};
    return edit()->text().mid(start, end - start);
  }
  int characterCount() const override { return static_cast<int>(edit()->text().size()); }
  QString attributes(int offset, int* start, int* end) const override {
    const int count = characterCount();
    if (offset < 0 || offset > count) {
      *start = *end = -1;
    } else {
      *start = 0;
      *end = count;
    }
    return {};
  }
  // Offset -2 is the cursor's, as AT-SPI asks.
  QString textBeforeOffset(int offset, QAccessible::TextBoundaryType type, int* start,
                           int* end) const override {
    return QAccessibleTextInterface::textBeforeOffset(at(offset), type, start, end);
  }
  QString textAfterOffset(int offset, QAccessible::TextBoundaryType type, int* start,
                          int* end) const override {
    return QAccessibleTextInterface::textAfterOffset(at(offset), type, start, end);
  }
  QString textAtOffset(int offset, QAccessible::TextBoundaryType type, int* start,
                       int* end) const override {
    return QAccessibleTextInterface::textAtOffset(at(offset), type, start, end);
  }

  // The cursor and the selection.
  int cursorPosition() const override { return edit()->cursorPosition(); }
  void setCursorPosition(int position) override { edit()->setCursorPosition(position); }
  int selectionCount() const override { return edit()->hasSelectedText() ? 1 : 0; }
  void selection(int index, int* start, int* end) const override {
    *start = *end = 0;
    if (index != 0 || !edit()->hasSelectedText()) return;
    *start = edit()->selectionStart();
    *end = *start + static_cast<int>(edit()->selectedText().size());
  }
  void addSelection(int start, int end) override { setSelection(0, start, end); }
  void removeSelection(int index) override {
    if (index == 0) edit()->deselect();
  }
  void setSelection(int index, int start, int end) override {
    if (index == 0) edit()->setSelection(start, end - start);
  }

  // Where the characters are on the screen, measured from the cursor.
  QRect characterRect(int offset) const override {
    const QString text = edit()->text();
    if (offset < 0 || offset >= text.size()) return {};
    const QFontMetrics metrics(edit()->font());
    const QRect cursor = edit()->inputMethodQuery(Qt::ImCursorRectangle).toRect();
    const int x = cursor.x() + metrics.horizontalAdvance(text.left(offset)) -
                  metrics.horizontalAdvance(text.left(edit()->cursorPosition()));
    const QRect local(x, cursor.y(), metrics.horizontalAdvance(text.at(offset)), cursor.height());
    return QRect(edit()->mapToGlobal(local.topLeft()), local.size());
  }
  int offsetAtPoint(const QPoint& point) const override {
    const QPoint local = edit()->mapFromGlobal(point);
    if (!edit()->rect().contains(local)) return -1;
    return edit()->cursorPositionAt(local);
  }
  void scrollToSubstring(int, int end) override { edit()->setCursorPosition(end); }

  // Editing, as Qt's own interface does it.
  void deleteText(int start, int end) override {
    edit()->setText(edit()->text().remove(start, end - start));
  }
  void insertText(int offset, const QString& text) override {
    edit()->setText(edit()->text().insert(offset, text));
  }
  void replaceText(int start, int end, const QString& text) override {
    edit()->setText(edit()->text().replace(start, end - start, text));
  }

 private:
  QLineEdit* edit() const { return static_cast<QLineEdit*>(widget()); }
  int at(int offset) const { return offset == -2 ? cursorPosition() : offset; }
};

}  // namespace

QAccessibleInterface* accessibleDisplay(QLineEdit& display) { return new Display(display); }

}  // namespace ringcoil
