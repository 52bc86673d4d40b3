#include "replay.hpp"

#include "dialogue/help_text.hpp"

#include <string_view>
#include <type_traits>

namespace ringcoil::replay {
namespace {

void printQuoted(std::string_view text, std::ostream& out) {
  out << '"';
  for (const char c : text) {
    if (c == '"' || c == '\\') out << '\\';
    out << c;
  }
  out << '"';
}

// The window's host here: errors and the exit go to the listing.
class PrintingHost final : public Host {
 public:
  explicit PrintingHost(std::ostream& out) : out_(out) {}
  void showError(ErrorCode code) override {
    out_ << "error " << static_cast<int>(code) << ": " << errorName(code) << '\n';
  }
  void endProgram() override { out_ << "exit\n"; }

 private:
  std::ostream& out_;
};

}  // namespace

void printState(const WindowState& state, std::ostream& out) {
  for (std::size_t i = 0; i < kElementCount; ++i) {
    const Id id = static_cast<Id>(i);
    const Kind kind = kElements[i].kind;
    if (kind == Kind::Line || kind == Kind::Timer) continue;
    out << displayName(id) << (state.visible(id) ? " shown" : " hidden");
    if (kind == Kind::Label || kind == Kind::PushButton || kind == Kind::TextBox) {
      out << ' ';
      printQuoted(state.caption(id), out);
    }
    out << '\n';
  }
  out << "KeyState ";
  printQuoted(state.KeyState, out);
  out << "\nAnimationOn " << state.AnimationOn << "\nFrameIndex " << state.FrameIndex << '\n';
  if (const auto frame = state.picture1Frame()) {
    out << "Picture1 shows Image1(" << *frame << ")\n";
  } else {
    out << "Picture1 shows nothing\n";
  }
  out << '\n';
}

void printSpeech(const StepWords& said, std::ostream& out) {
  if (said.empty()) out << "said nothing\n";
  if (!said.text.empty()) {
    out << "said ";
    printQuoted(said.text, out);
    out << '\n';
  }
  if (said.page) out << "page " << displayName(*said.page) << " read: " << helpPageText(*said.page) << '\n';
  out << '\n';
}

void applyCommand(Form1& form, const Command& command, std::ostream& out) {
  std::visit(
      [&](const auto& c) {
        using T = std::decay_t<decltype(c)>;
        if constexpr (std::is_same_v<T, ElementEvent>) {
          form.fire(c.target, c.event);
        } else if constexpr (std::is_same_v<T, PixelEvent>) {
          form.mouseAt(c.event, c.x, c.y);
        } else if constexpr (std::is_same_v<T, TypeText>) {
          form.typeText(c.text);
        } else if constexpr (std::is_same_v<T, Ticks>) {
          for (long i = 0; i < c.count && !form.ended(); ++i) form.tick();
        } else if constexpr (std::is_same_v<T, PressKey>) {
          // The display types such a key into its text, which `type` does here.
          if (form.key(c.keys) == KeyOutcome::DisplayEditing) {
            out << "key " << c.keys << " goes to the display's own editing\n";
          }
        } else if constexpr (std::is_same_v<T, PrintFocus>) {
          out << "focus " << displayName(form.focus()) << '\n';
        } else if constexpr (std::is_same_v<T, PrintSpeech>) {
          printSpeech(form.takeWords(), out);
        } else {
          printState(form.state(), out);
        }
      },
      command);
}

void runScript(const std::vector<ScriptLine>& script, std::ostream& out) {
  PrintingHost host(out);
  Form1 form(host);
  form.load();
  for (const ScriptLine& line : script) {
    if (form.ended()) break;
    applyCommand(form, line.command, out);
  }
}

}  // namespace ringcoil::replay
