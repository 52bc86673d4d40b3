#include "dialogue/element_words.hpp"

#include "dialogue/help_text.hpp"
#include "dialogue/keys.hpp"
#include "window/parameter_table.hpp"

namespace ringcoil {

std::string captionAsShown(std::string_view caption, Charset charset) {
  if (charset != Charset::Symbol) return std::string(caption);
  std::string shown;
  for (const char c : caption) {
    if (c == 'm') {
      shown += "μ";
    } else if (c == 'w') {
      shown += "ω";
    } else {
      shown += c;
    }
  }
  return shown;
}

std::string paintedLabelName(const WindowState& state, Id id) {
  const std::string shown = captionAsShown(state.caption(id), fontOf(def(id)).charset);
  const TableRow* row = rowOfValue(id);
  if (!row) return shown;
  std::string name = state.caption(row->plainName) + ": " + (shown.empty() ? std::string(kEmptyValueWords) : shown);
  if (state.visible(row->answerName)) {
    name += " (ответ)";
  } else if (state.visible(row->inputName)) {
    name += " (введено)";
  }
  return name;
}

std::string descriptionOf(const WindowState& state, Id id) {
  const ElementDef& d = def(id);
  if (d.movesDialogueOn) return standing(state);
  if (std::string page = helpPageText(id); !page.empty()) return page;
  const std::string keys = keyWordsPressing(id);
  switch (pressOf(d)) {
    case Press::OpenHelp:
      return std::string(d.tooltip) + ". Клавиша " + keys + " открывает справку. " + spokenListOfKeys();
    case Press::ChooseMode:
      // What the key does, as the list of keys says it.
      for (const KeyBinding& binding : kKeys) {
        if (binding.element == id) return "Клавиши " + keys + ": " + std::string(binding.does);
      }
      break;
    default:
      break;
  }
  for (const TableRow& row : kTableRows) {
    if (id == row.answerName) return "Искомая величина";
    if (id == row.inputName) return "Вводимая величина";
  }
  return std::string(d.description);
}

std::string spokenText(const StepWords& said) {
  std::string words = said.text;
  if (said.page) {
    if (!words.empty()) words += ' ';
    words += helpPageText(*said.page);
  }
  return words;
}

}  // namespace ringcoil
