#include "dialogue/keys.hpp"

namespace ringcoil {

const KeyBinding* keyBinding(std::string_view keys) {
  for (const KeyBinding& binding : kKeys) {
    if (binding.keys == keys) return &binding;
  }
  return nullptr;
}

std::vector<std::string_view> keysPressing(Id id) {
  const Kind kind = def(id).kind;
  std::vector<std::string_view> found;
  for (const KeyBinding& binding : kKeys) {
    const KeyAction a = binding.action;
    const bool presses =
        (a == KeyAction::ChooseTurns && id == el::Виток) ||
        (a == KeyAction::ChooseInductance && id == el::Индукт) ||
        (a == KeyAction::OpenHelp && id == el::Глава) ||
        (a == KeyAction::PressFocused && (kind == Kind::PushButton || id == el::Автор)) ||
        (a == KeyAction::CloseAuthorPage && id == el::Автор);
    if (presses) found.push_back(binding.keys);
  }
  return found;
}

}  // namespace ringcoil
