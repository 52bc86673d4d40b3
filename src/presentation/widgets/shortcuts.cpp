#include "presentation/widgets/shortcuts.hpp"

#include <QShortcut>

#include "dialogue/keys.hpp"

namespace ringcoil {

void installShortcuts(QWidget& window, const std::function<void(std::string_view)>& pressKey) {
  for (const KeyBinding& binding : kKeys) {
    if (!isShortcut(binding.action)) continue;
    const QString keys = QString::fromUtf8(binding.keys.data(), static_cast<qsizetype>(binding.keys.size()));
    auto* shortcut = new QShortcut(QKeySequence::fromString(keys, QKeySequence::PortableText), &window);
    QObject::connect(shortcut, &QShortcut::activated, &window,
                     [pressKey, k = binding.keys] { pressKey(k); });
  }
}

std::string keysOf(const QKeyEvent& event) {
  const QString text = event.text();
  if (text.size() == 1) {
    const std::string typed = text.toStdString();
    const KeyBinding* binding = keyBinding(typed);
    if (binding && isKeypadKey(*binding)) {
      const bool modified =
          event.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
      return modified ? std::string() : typed;
    }
  }
  return QKeySequence(event.keyCombination()).toString(QKeySequence::PortableText).toStdString();
}

}  // namespace ringcoil
