#include "presentation/accessible_texts.hpp"

#include <QStringList>
#include <utility>

#include "dialogue/step_words.hpp"
#include "dialogue/help_text.hpp"
#include "dialogue/keys.hpp"
#include "presentation/fonts.hpp"
#include "presentation/lightweight_painter.hpp"
#include "window/parameter_table.hpp"

namespace ringcoil {

namespace {

using namespace el;


}  // namespace

QString accessibleNameOf(Id id) { return qText(def(id).accessibleName); }

QString paintedLabelName(const WindowState& state, Id id) {
  const QString shown = shownCaption(state, id);
  const TableRow* row = rowOfValue(id);
  if (!row) return shown;
  QString name = qText(state.caption(row->plainName)) + QStringLiteral(": ") +
                 (shown.isEmpty() ? QStringLiteral("пусто") : shown);
  if (state.visible(row->answerName)) {
    name += QStringLiteral(" (ответ)");
  } else if (state.visible(row->inputName)) {
    name += QStringLiteral(" (введено)");
  }
  return name;
}

QString paintedLabelDescription(Id id) {
  const QString keys = qText(keyWordsPressing(id));
  switch (pressOf(def(id))) {
    case Press::OpenHelp:
      return qText(def(id).tooltip) + QStringLiteral(". Клавиша %1 открывает справку. ").arg(keys) +
             windowDescription();
    case Press::ChooseMode:
      // What the key does, as the list of keys says it.
      for (const KeyBinding& binding : kKeys) {
        if (binding.element == id) return QStringLiteral("Клавиши %1: ").arg(keys) + qText(binding.does);
      }
      break;
    default:
      break;
  }
  if (id == Справка) return QStringLiteral("Подсказка");
  for (const TableRow& row : kTableRows) {
    if (id == row.answerName) return QStringLiteral("Искомая величина");
    if (id == row.inputName) return QStringLiteral("Вводимая величина");
  }
  return {};
}

QString dialogueStatus(const WindowState& state) { return qText(standing(state)); }

QString pageText(Id page) { return qText(helpPageText(page)); }

QString windowDescription() { return qText(spokenListOfKeys()); }

}  // namespace ringcoil
