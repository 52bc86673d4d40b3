#include "random_events.hpp"

#include <array>
#include <bit>
#include <cmath>
#include <string_view>
#include <vector>

#include "calc/number_text.hpp"
#include "dialogue/keys.hpp"
#include "window/geometry.hpp"

namespace ringcoil::testing {
namespace {

using namespace el;
using namespace std::string_literals;

// Elements that make the dialogue move on, picked more often than the rest;
// nullopt is the window's own surface ("Form1").
const std::array<std::optional<Id>, 18> kDialogueElements = {
    Ввод, Command2, Command3, Command4, Command5, Command6, Q5,      Q6,    aaa,
    aaaa, Виток,    Индукт,   Глава,    Далее,    Далеее,   Закрыть, Автор, std::nullopt};

// Every element but "Выход".
const std::vector<Id>& anyElements() {
  static const std::vector<Id> ids = [] {
    std::vector<Id> all;
    for (std::size_t i = 0; i < kElementCount; ++i) {
      if (static_cast<Id>(i) != Command1) all.push_back(static_cast<Id>(i));
    }
    return all;
  }();
  return ids;
}

// Places worth aiming the mouse at: the Enter place, "#", the two names and
// their "?", the help pages' buttons, the display, a key, a value label.
const std::array kAimedElements = {Ввод,  aaaa,   Виток,   Индукт, Q5,    Q6,    Глава,
                                   Далее, Далеее, Закрыть, Автор,  Text1, aa(9), Окно5};

// Client area and a margin around it: points outside are ignored.
constexpr int kMargin = 16;

// Texts a user might plausibly confirm, so that calculations get done.
// clang-format off
const std::array<const char*, 19> kValues = {
    "0", "1", "2", "3", "5", "10", "20", "100", "2000", "0,5", ",5", "5,", "007", "75", "1000",
    "12,5", "0,0001", "133,333333333333", "8,66025403784439"};

// Texts that try the number rules and the text handling.
const std::vector<std::string>& hostileTexts() {
  static const std::vector<std::string> texts = {
      "", " ", "   ", "\t", "1,2,3", ",", ",,", "-", "+", "E", "1E400", "1E-400", "-1E400",
      "1e+", "1E", "E5", "1 2", " 5 ", "٣", "𝟙", "１２", "٫5", "\u202E123", "5\u00A0", "−5",
      "Ответ", "1,79769313486232E+308", "-1,79769313486232E+308", "4,94065645841247E-324",
      "1,7976931348623158E+308", "NaN", "inf", "-1,#IND", "1,#INF", "0x10", "&H10", "1.5",
      "1,5E+3", "-0", "12\t", "\0017", "\x7f", "12\00034"s, "\xff\xfe",
      "1E99999999999999999999", "0E99999999999999999999", std::string(400, '9'),
      "0," + std::string(400, '0') + "1", "-5", "-20", "1e3", " -,5e-2 "};
  return texts;
}
// clang-format on

// Pieces for random texts: number characters and some that are not.
const std::array<std::string_view, 20> kPieces = {"0", "1", "5",  "9",    ",",  ",",    "E",
                                                  "e", "+", "-",  " ",    ".",  "x",    "٣",
                                                  "𝟙", "Ж", "\t", "\xff", "00", "E+308"};

}  // namespace

replay::Command RandomUser::next(const WindowState& w) {
  if (!pending_.empty()) {
    replay::Command command = std::move(pending_.front());
    pending_.pop_front();
    return command;
  }
  const int kind = below(100);
  if (kind < 28) return elementEvent(userEvent());
  if (kind < 54) return pixelEvent(w, userEvent());
  if (kind < 76) return replay::ElementEvent{Event::Click, aa(below(kKeyCount))};
  if (kind < 86) return replay::TypeText{text()};
  if (kind < 89) {
    // A mode chosen as a user does: over the name, then its "?".
    const bool turns = below(2) == 0;
    pending_.push_back(replay::ElementEvent{Event::Click, turns ? Q5 : Q6});
    return replay::ElementEvent{Event::MouseMove, turns ? Виток : Индукт};
  }
  if (kind < 96) {
    // A value confirmed at once, as a user does: typed, then a click on the
    // Enter place (the front-most Enter button). Most are plausible values,
    // so that calculations get done and fail in every way they can.
    const PixelRect enter = clientRect(Ввод);
    pending_.push_back(replay::PixelEvent{Event::Click, enter.x + below(enter.width),
                                          enter.y + below(enter.height)});
    return replay::TypeText{below(3) != 0 ? kValues[below(kValues.size())] : text()};
  }
  // Now and then a key, any of the window's.
  if (kind < 98) return replay::PressKey{std::string(kKeys[below(kKeys.size())].keys)};
  // Mostly a few ticks; now and then up to an hour of animation.
  const int size = below(100);
  const long count = size < 80 ? 1 + below(10) : size < 99 ? 11 + below(990) : 1000 + below(44000);
  return replay::Ticks{count};
}

// Any event a user raises: those with a replay verb.
Event RandomUser::userEvent() {
  static const std::vector<Event> events = [] {
    std::vector<Event> user;
    for (const Event event : kEvents) {
      if (!namesOf(event).verb.empty()) user.push_back(event);
    }
    return user;
  }();
  return events[static_cast<std::size_t>(below(events.size()))];
}

replay::Command RandomUser::elementEvent(Event event) {
  if (below(2) == 0)
    return replay::ElementEvent{event, kDialogueElements[below(kDialogueElements.size())]};
  const auto& all = anyElements();
  return replay::ElementEvent{event, all[below(all.size())]};
}

replay::Command RandomUser::pixelEvent(const WindowState& w, Event event) {
  int x = 0;
  int y = 0;
  if (below(2) == 0) {
    x = below(kClientWidthPx + 2 * kMargin) - kMargin;
    y = below(kClientHeightPx + 2 * kMargin) - kMargin;
  } else {
    const PixelRect r = clientRect(kAimedElements[below(kAimedElements.size())]);
    x = r.x + below(r.width);
    y = r.y + below(r.height);
  }
  // A click (or any event but a movement) that would reach "Выход" becomes
  // a movement there.
  if (event != Event::MouseMove && insideClient(x, y) && elementAt(w, x, y) == Command1)
    event = Event::MouseMove;
  return replay::PixelEvent{event, x, y};
}

std::string RandomUser::text() {
  if (below(1000) == 0) return longDigits();
  const int kind = below(100);
  if (kind < 30) return kValues[below(kValues.size())];
  if (kind < 50) return numberText();
  if (kind < 85) return hostileTexts()[below(hostileTexts().size())];
  return piecesText();
}

std::string RandomUser::numberText() {
  switch (below(3)) {
    case 0:
      return std::to_string(below(100000));
    case 1:
      return std::to_string(below(1000)) + "," + std::to_string(below(1000));
    default: {
      // Any finite double, as the program writes it: exponent forms, signs.
      double value = 0;
      do value = std::bit_cast<double>(random_());
      while (!std::isfinite(value));
      return NumberToText(value);
    }
  }
}

std::string RandomUser::piecesText() {
  std::string text;
  for (int n = below(13); n > 0; --n) text += kPieces[below(kPieces.size())];
  return text;
}

// 1,000 to 100,000 digits, sometimes with a comma and an exponent.
std::string RandomUser::longDigits() {
  std::string text(static_cast<std::size_t>(1000 + below(99001)), '0');
  for (char& c : text) c = static_cast<char>('0' + below(10));
  if (below(2) == 0) text[static_cast<std::size_t>(below(text.size()))] = ',';
  if (below(3) == 0) text += below(2) ? "E-99999" : "E+5";
  return text;
}

}  // namespace ringcoil::testing
