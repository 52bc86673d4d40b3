#include "dialogue/keys.hpp"

#include <algorithm>

namespace ringcoil {

const KeyBinding* keyBinding(std::string_view keys) {
  for (const KeyBinding& binding : kKeys) {
    if (binding.keys == keys) return &binding;
  }
  return nullptr;
}

std::vector<const KeyBinding*> keysPressing(Id id) {
  const ElementDef& d = def(id);
  const bool focusable = d.tabIndex >= 0 && pressOf(d) != Press::None;
  std::vector<const KeyBinding*> found;
  for (const KeyBinding& binding : kKeys) {
    const bool presses = binding.element == id ||
                         (binding.action == KeyAction::PressFocused && focusable) ||
                         (binding.action == KeyAction::CloseAuthorPage && pressOf(d) == Press::CloseHelp);
    if (presses) found.push_back(&binding);
  }
  return found;
}

std::string keyWordsPressing(Id id) {
  std::vector<std::string_view> words;
  for (const KeyBinding* binding : keysPressing(id)) {
    if (std::find(words.begin(), words.end(), binding->words) == words.end()) words.push_back(binding->words);
  }
  std::string text;
  for (const std::string_view w : words) {
    if (!text.empty()) text += ", ";
    text += w;
  }
  return text;
}

std::string_view keyWords(std::string_view keys) {
  const KeyBinding* binding = keyBinding(keys);
  return binding ? binding->words : keys;
}

std::string spokenListOfKeys() {
  std::string list = "Клавиши: ";
  bool first = true;
  for (const KeyBinding& binding : kKeys) {
    if (binding.does.empty()) continue;
    if (!first) list += "; ";
    first = false;
    list += binding.listedAs.empty() ? binding.words : binding.listedAs;
    list += " — ";
    list += binding.does;
  }
  return list + ".";
}

}  // namespace ringcoil
