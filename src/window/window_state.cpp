#include "window/window_state.hpp"

namespace ringcoil {

WindowState::WindowState() : elements_(kElementCount) {
  for (std::size_t i = 0; i < kElementCount; ++i) {
    elements_[i].visible = kElements[i].visible;
    elements_[i].caption = std::string(kElements[i].caption);
  }
}

void WindowState::setVisible(Id id, bool visible) {
  auto& element = elements_[indexOf(id)];
  if (element.visible == visible) return;
  element.visible = visible;
  changed_.set(indexOf(id));
  ++visibilityChanges_;
}

void WindowState::setCaption(Id id, std::string_view caption) {
  auto& element = elements_[indexOf(id)];
  if (element.caption == caption) return;
  element.caption.assign(caption);
  changed_.set(indexOf(id));
}

bool WindowState::shown(Id id) const {
  for (std::optional<Id> e = id; e; e = containerOf(*e)) {
    if (!visible(*e)) return false;
  }
  return true;
}

void WindowState::setPicture1Frame(int frame) {
  if (picture1Frame_ == frame) return;
  picture1Frame_ = frame;
  changed_.set(indexOf(el::Picture1));
}

std::vector<Id> WindowState::takeChanges() {
  std::vector<Id> changes;
  if (changed_.none()) return changes;
  for (std::size_t i = 0; i < kElementCount; ++i) {
    if (changed_.test(i)) changes.push_back(static_cast<Id>(i));
  }
  changed_.reset();
  return changes;
}

bool isElementArray(std::string_view name) {
  for (const auto& e : kElements) {
    if (e.name == name && e.index >= 0) return true;
  }
  return false;
}

std::string displayName(Id id) {
  const auto& d = def(id);
  std::string name(d.name);
  if (d.index >= 0) {
    name += '(';
    name += std::to_string(d.index);
    name += ')';
  }
  return name;
}

std::optional<Id> containerOf(Id id) {
  const auto container = def(id).container;
  if (container.empty()) return std::nullopt;
  return lookupElement(container);
}

}  // namespace ringcoil
