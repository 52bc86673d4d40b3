// What the keyboard and assistive tools do besides the focused button's own
// click: each gesture raises the events the mouse raises for it, then puts
// the focus on the user's next step.
#include "calc/number_text.hpp"
#include "dialogue/form1.hpp"
#include "dialogue/keys.hpp"
#include "window/focus.hpp"

namespace ringcoil {

using namespace el;

namespace {

// What a listener is told when a key of the table does nothing where the
// user stands: why, or what to press instead. The mouse needs no such words,
// as the window shows why.
constexpr std::string_view kCloseHelpFirst =
    "Сначала закрой справку: Ввод листает её, на странице автора Ввод закрывает";
constexpr std::string_view kNewCalculationFromReset =
    "Расчёт уже выбран. Новый расчёт начинается с кнопки Сброс: Табуляция до неё, пробел дважды";
constexpr std::string_view kNewCalculationFromFullReset =
    "Расчёт уже выбран. Новый расчёт начинается с кнопки Полный сброс всех данных: "
    "Табуляция до неё, пробел";
constexpr std::string_view kHelpAlreadyOpen = "Справка уже открыта";
constexpr std::string_view kNothingToPress = "Здесь нечего нажимать. Табуляция — к следующей кнопке";
constexpr std::string_view kEscapeOnAuthorPage =
    "Эскейп закрывает справку на странице автора; Ввод — дальше";
constexpr std::string_view kHelpNotOpen = "Справка не открыта. F1 — справка";
constexpr std::string_view kNoAnswerYet = "Ответа пока нет";

}  // namespace

void Form1::chooseMode(Id name) {
  if (ended_ || !inSight(w_, name)) return;  // the mouse could not hover it either
  fire(name, Event::MouseMove);
  fire(name == Виток ? Q5 : Q6, Event::Click);
  focus_ = enterButtonInSight(w_);
}

void Form1::openHelp() {
  if (ended_) return;
  fire(Глава, Event::Click);
  if (const auto control = helpControlInSight(w_)) focus_ = *control;
}

void Form1::closeAuthorPage() {
  if (inSight(w_, Автор)) fire(Автор, Event::Click);
}

void Form1::press(Id id) {
  switch (pressOf(def(id))) {
    case Press::ChooseMode:
      return chooseMode(id);
    case Press::OpenHelp:
      return openHelp();
    case Press::CloseHelp:
      return closeAuthorPage();
    case Press::Click:
      // As a click: nothing happens to a button out of the user's sight.
      if (inSight(w_, id)) fire(id, Event::Click);
      return;
    case Press::None:
      return;
  }
}

// A key that stands for an element's press: where the press would do
// nothing, the listener hears why.
void Form1::pressWithKey(Id id) {
  const bool helpOpen = w_.visible(Фон1);
  switch (pressOf(def(id))) {
    case Press::OpenHelp:
      if (!helpOpen) return openHelp();
      tellWhyNothing(kHelpAlreadyOpen);
      if (const auto control = helpControlInSight(w_)) focus_ = *control;
      return;
    case Press::ChooseMode:
      if (inSight(w_, id)) return chooseMode(id);
      if (helpOpen) return tellWhyNothing(kCloseHelpFirst);
      return tellWhyNothing(inSight(w_, aaaa) ? kNewCalculationFromFullReset : kNewCalculationFromReset);
    default:
      return press(id);
  }
}

void Form1::tellWhyNothing(std::string_view words) {
  said_.append(StepWords{std::string(words), std::nullopt});
}

KeyOutcome Form1::key(std::string_view keys) {
  const KeyBinding* binding = keyBinding(keys);
  if (!binding) return KeyOutcome::Unknown;
  if (focus_ == Text1 && binding->typedByDisplay) return KeyOutcome::DisplayEditing;
  if (ended_) return KeyOutcome::Handled;
  switch (binding->action) {
    case KeyAction::PressElement:
      pressWithKey(*binding->element);
      break;
    case KeyAction::Raise:
      fire(*binding->element, binding->event);
      break;
    case KeyAction::PressFocused:
      if (pressOf(def(focus_)) != Press::None) {
        press(focus_);
      } else {
        tellWhyNothing(kNothingToPress);
      }
      break;
    case KeyAction::CloseAuthorPage:
      if (focus_ == Автор) {
        closeAuthorPage();
      } else {
        tellWhyNothing(w_.visible(Фон1) ? kEscapeOnAuthorPage : kHelpNotOpen);
      }
      break;
    case KeyAction::NextInTabOrder:
    case KeyAction::PreviousInTabOrder:
      focusNextInTabOrder(binding->action == KeyAction::NextInTabOrder);
      break;
    case KeyAction::CopyAnswer: {
      const std::optional<std::string> answer = answerText(w_);
      if (!answer) {
        tellWhyNothing(kNoAnswerYet);
        break;
      }
      said_.append({"Ответ скопирован: " + RoundedDecimalText(*answer, kSpokenDigits), std::nullopt});
      return KeyOutcome::CopyAnswer;
    }
  }
  return KeyOutcome::Handled;
}

}  // namespace ringcoil
