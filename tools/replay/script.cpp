#include "script.hpp"

#include <charconv>
#include <optional>
#include <string_view>
#include <type_traits>

#include "dialogue/keys.hpp"

namespace ringcoil::replay {
namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view trimLeft(std::string_view s) {
  while (!s.empty() && isBlank(s.front())) s.remove_prefix(1);
  return s;
}

std::string_view trim(std::string_view s) {
  s = trimLeft(s);
  while (!s.empty() && isBlank(s.back())) s.remove_suffix(1);
  return s;
}

// Splits off the first blank-separated word.
std::string_view nextWord(std::string_view& rest) {
  rest = trimLeft(rest);
  std::size_t end = 0;
  while (end < rest.size() && !isBlank(rest[end])) ++end;
  const std::string_view word = rest.substr(0, end);
  rest.remove_prefix(end);
  return word;
}

template <typename Int>
bool parseInt(std::string_view s, Int& out) {
  const auto [ptr, ec] = std::from_chars(s.data(), s.data() + s.size(), out);
  return ec == std::errc{} && ptr == s.data() + s.size();
}

// "Окно1", "aa(9)", "Q5(4)", or "Form1" for the window itself.
std::variant<std::optional<Id>, std::string> parseElement(std::string_view word) {
  if (word == "Form1") return std::optional<Id>{};
  std::string_view name = word;
  int index = -1;
  if (const auto open = word.find('('); open != std::string_view::npos) {
    if (word.back() != ')') return "bad element '" + std::string(word) + "'";
    name = word.substr(0, open);
    if (!parseInt(word.substr(open + 1, word.size() - open - 2), index) || index < 0)
      return "bad index in '" + std::string(word) + "'";
  }
  if (const auto id = lookupElement(name, index)) return std::optional<Id>{*id};
  if (index < 0 && isElementArray(name))
    return "'" + std::string(name) + "' is an element array: write it as NAME(INDEX)";
  return "unknown element '" + std::string(word) + "'";
}

// The event of a user's verb on an element ("click Ввод") or at a pixel
// ("click-at 60 262"); none for the events the window raises itself.
std::optional<Event> eventOfVerb(std::string_view verb) {
  for (const Event event : kEvents) {
    if (!verb.empty() && namesOf(event).verb == verb) return event;
  }
  return std::nullopt;
}

std::variant<Command, std::string> parseLine(std::string_view line) {
  std::string_view rest = line;
  const std::string_view verb = nextWord(rest);

  if (verb == "type") {
    // Everything after the first blank, blanks included; nothing at all is
    // the empty text.
    const std::string_view afterVerb = trimLeft(line).substr(verb.size());
    return TypeText{std::string(afterVerb.empty() ? afterVerb : afterVerb.substr(1))};
  }
  if (const std::optional<Event> event = eventOfVerb(verb)) {
    const std::string_view name = nextWord(rest);
    if (name.empty()) return std::string(verb) + " needs an element name";
    if (!trim(rest).empty()) return "unexpected text after the element name";
    auto element = parseElement(name);
    if (auto* error = std::get_if<std::string>(&element)) return *error;
    return ElementEvent{*event, std::get<std::optional<Id>>(element)};
  }
  if (verb.ends_with("-at") && eventOfVerb(verb.substr(0, verb.size() - 3))) {
    PixelEvent e{*eventOfVerb(verb.substr(0, verb.size() - 3)), 0, 0};
    if (!parseInt(nextWord(rest), e.x) || !parseInt(nextWord(rest), e.y) || !trim(rest).empty())
      return std::string(verb) + " needs two whole pixel coordinates X Y";
    return e;
  }
  if (verb == "tick") {
    const std::string_view count = nextWord(rest);
    Ticks ticks{1};
    if (!count.empty() && (!parseInt(count, ticks.count) || ticks.count < 0))
      return "tick takes a count of ticks, 0 or more";
    if (!trim(rest).empty()) return "unexpected text after the tick count";
    return ticks;
  }
  if (verb == "key") {
    const std::string_view keys = nextWord(rest);
    if (keys.empty()) return "key needs a key, as in 'key Alt+N' or 'key 5'";
    if (!trim(rest).empty()) return "unexpected text after the key";
    if (!keyBinding(keys)) return "unknown key '" + std::string(keys) + "'";
    return PressKey{std::string(keys)};
  }
  if (verb == "state" || verb == "focus") {
    if (!trim(rest).empty()) return std::string(verb) + " takes no arguments";
    if (verb == "focus") return PrintFocus{};
    return PrintState{};
  }
  if (verb == "say") {
    if (!trim(rest).empty()) return "say takes no arguments";
    return PrintSpeech{};
  }
  return "unknown command '" + std::string(verb) + "'";
}

}  // namespace

std::string scriptLine(const Command& command) {
  return std::visit(
      [](const auto& c) -> std::string {
        using T = std::decay_t<decltype(c)>;
        if constexpr (std::is_same_v<T, ElementEvent>) {
          return std::string(namesOf(c.event).verb) + " " + (c.target ? displayName(*c.target) : "Form1");
        } else if constexpr (std::is_same_v<T, PixelEvent>) {
          return std::string(namesOf(c.event).verb) + "-at " + std::to_string(c.x) + " " + std::to_string(c.y);
        } else if constexpr (std::is_same_v<T, TypeText>) {
          return c.text.empty() ? "type" : "type " + c.text;
        } else if constexpr (std::is_same_v<T, Ticks>) {
          return "tick " + std::to_string(c.count);
        } else if constexpr (std::is_same_v<T, PressKey>) {
          return "key " + c.keys;
        } else if constexpr (std::is_same_v<T, PrintFocus>) {
          return "focus";
        } else if constexpr (std::is_same_v<T, PrintSpeech>) {
          return "say";
        } else {
          return "state";
        }
      },
      command);
}

std::variant<std::vector<ScriptLine>, ParseError> parseScript(std::istream& in) {
  std::vector<ScriptLine> script;
  std::string line;
  for (int number = 1; std::getline(in, line); ++number) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    const std::string_view content = trimLeft(line);
    if (content.empty() || content.front() == '#') continue;
    auto parsed = parseLine(line);
    if (auto* error = std::get_if<std::string>(&parsed)) return ParseError{number, *error};
    script.push_back({number, std::get<Command>(std::move(parsed))});
  }
  return script;
}

}  // namespace ringcoil::replay
