// The window's run-time state: what the operations read and change. Every
// element keeps its visibility flag and its caption (for the display, its
// text); besides, the window has three variables of its own.
#pragma once

#include <bitset>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "window/elements.hpp"

namespace ringcoil {

class WindowState {
 public:
  // Every element as the window creates it: the captions and flags of kElements.
  WindowState();

  // Three kinds of "seen", from the narrowest claim to the widest:
  //   visible(id)  the element's own Visible flag, whatever its containers;
  //   shown(id)    its flag and those of all its containers are set: the
  //                toolkit draws it, though a picture box lying in front
  //                (an open help page) may cover it;
  //   inSight(..)  shown and not covered, so the user can see it and the
  //                keyboard may reach it (window/focus.hpp).
  bool visible(Id id) const { return elements_[indexOf(id)].visible; }
  void setVisible(Id id, bool visible);
  // How many times a Visible flag has changed: what may have taken an
  // element out of sight since an earlier reading.
  std::uint64_t visibilityChanges() const { return visibilityChanges_; }

  // The caption of a label or push button, the text of the text box.
  const std::string& caption(Id id) const { return elements_[indexOf(id)].caption; }
  void setCaption(Id id, std::string_view caption);

  // Its own flag and those of all its containers are set.
  bool shown(Id id) const;

  // The Image1 member whose picture Picture1 shows; none at start.
  std::optional<int> picture1Frame() const { return picture1Frame_; }
  void setPicture1Frame(int frame);

  // Elements whose flag, caption or picture changed since the last call, in
  // table order. The window repaints only these.
  std::vector<Id> takeChanges();

  // The window's variables.
  std::string KeyState;          // "NUMS" once a key has been pressed
  std::int16_t AnimationOn = 0;  // steps run only while it is exactly 1
  std::int16_t FrameIndex = 0;   // the frame shown last, 0..39

 private:
  struct ElementState {
    bool visible = false;
    std::string caption;
  };
  std::vector<ElementState> elements_;
  std::optional<int> picture1Frame_;
  std::uint64_t visibilityChanges_ = 0;
  std::bitset<kElementCount> changed_;
};

// True when `name` is the name of an element array (aa, Q1..Q6, Image1).
bool isElementArray(std::string_view name);

// "Окно1", "aa(9)", "Q5(4)": the name a person reads.
std::string displayName(Id id);

// The container's id, or nullopt for an element placed on the window itself.
std::optional<Id> containerOf(Id id);

}  // namespace ringcoil
