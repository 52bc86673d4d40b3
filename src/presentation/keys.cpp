#include "presentation/keys.hpp"

#include <QShortcut>

#include "presentation/form_window.hpp"
#include "presentation/speech.hpp"

namespace ringcoil {

void installKeys(FormWindow& window) {
  const auto add = [&window](QKeySequence keys, auto action) {
    auto* shortcut = new QShortcut(keys, &window);
    QObject::connect(shortcut, &QShortcut::activated, &window, action);
  };
  // N and L, the letters of the formulas; Qt also takes them from the Latin
  // layout while a Cyrillic one is active.
  add(QKeySequence(Qt::ALT | Qt::Key_N), [&window] { window.chooseMode(el::Виток); });
  add(QKeySequence(Qt::ALT | Qt::Key_L), [&window] { window.chooseMode(el::Индукт); });
  add(QKeySequence(QKeySequence::HelpContents), [&window] { window.openHelp(); });
  // The display copies its own selection: it takes Ctrl+C before the window.
  add(QKeySequence(QKeySequence::Copy), [&window] { copyAnswer(window); });
}

std::optional<int> keypadKeyFor(const QKeyEvent& event) {
  if (event.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) {
    return std::nullopt;
  }
  const QString text = event.text();
  if (text.size() != 1) return std::nullopt;
  const QChar c = text.front();
  if (c == QLatin1Char(',') || c == QLatin1Char('.')) return 9;
  if (c == QLatin1Char('0')) return 10;
  if (c >= QLatin1Char('1') && c <= QLatin1Char('9')) return c.unicode() - '1';
  return std::nullopt;
}

bool closesAuthorPage(const QKeyEvent& event) {
  const int key = event.key();
  return key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space ||
         key == Qt::Key_Escape;
}

}  // namespace ringcoil
