#include "presentation/accessible_texts.hpp"

#include <QStringList>
#include <utility>

#include "dialogue/step_words.hpp"
#include "dialogue/keys.hpp"
#include "presentation/fonts.hpp"
#include "presentation/lightweight_painter.hpp"
#include "presentation/page_text.hpp"
#include "window/parameter_table.hpp"

namespace ringcoil {

namespace {

using namespace el;

// A paragraph set line by line, read as one: a line ending in a hyphen runs
// on into the next without it.
QString joined(const QStringList& lines) {
  QString text;
  for (const QString& line : lines) {
    if (text.endsWith(QLatin1Char('-'))) {
      text.chop(1);
    } else if (!text.isEmpty()) {
      text += QLatin1Char(' ');
    }
    text += line;
  }
  return text;
}

}  // namespace

QString accessibleNameOf(Id id) {
  if (id == Q5) return QStringLiteral("Выбрать: рассчитать количество витков");
  if (id == Q6) return QStringLiteral("Выбрать: рассчитать индуктивность");
  if (id == aaa) return QStringLiteral("Сброс");
  if (id == aaaa) return QStringLiteral("Полный сброс всех данных");
  if (id == Text1) return QStringLiteral("Дисплей калькулятора");
  if (id == Picture1) return QStringLiteral("Анимированная подпись");
  if (id == Фон1) return QStringLiteral("Справка, страница 1");
  if (id == Фоно) return QStringLiteral("Справка, страница 2");
  if (id == Фон3) return QStringLiteral("Справка, страница 3");
  if (id == Автор) return QStringLiteral("Об авторе");
  return {};
}

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
  const auto keys = [id] { return keysPressingText(id).join(QStringLiteral(", ")); };
  if (id == Глава) {
    return QStringLiteral("Подробнее. Клавиша %1 открывает справку. ").arg(keys()) +
           windowDescription();
  }
  if (id == Справка) return QStringLiteral("Подсказка");
  if (id == Виток) return QStringLiteral("Клавиши %1: рассчитать количество витков").arg(keys());
  if (id == Индукт) return QStringLiteral("Клавиши %1: рассчитать индуктивность").arg(keys());
  for (const TableRow& row : kTableRows) {
    if (id == row.answerName) return QStringLiteral("Искомая величина");
    if (id == row.inputName) return QStringLiteral("Вводимая величина");
  }
  return {};
}

QString dialogueStatus(const WindowState& state) { return qText(standing(state)); }

QString pageText(Id page) {
  using namespace page_text;
  QStringList paragraphs;
  if (page == Фон1) {
    paragraphs << joined(kPage1Opening) << kPage1Merits << joined(kPage1MeritLines)
               << kPage1Drawbacks << joined(kPage1DrawbackLines);
  } else if (page == Фоно) {
    for (const QStringList& lines : kPage2Paragraphs) paragraphs << joined(lines);
  } else if (page == Фон3) {
    paragraphs << kPage3Heading;
    for (const Grade& grade : kPage3Grades)
      paragraphs << grade.name + QStringLiteral(": ") + grade.cutOff;
  } else if (page == Автор) {
    paragraphs << kProgramKind << kAuthorPurpose << kAuthorTitle + QLatin1Char(' ') + kAuthorVersion
               << kAuthorRole + QStringLiteral(": ") + kAuthorCallSign << kAuthorSignOff;
  }
  return paragraphs.join(QLatin1Char('\n'));
}

QString spokenKeys(std::string_view keys) {
  // The table writes keys as Qt does, in English; a Russian voice reads
  // these words instead.
  static const std::pair<QString, QString> kSpoken[] = {
      {QStringLiteral("Alt+"), QStringLiteral("Альт+")},
      {QStringLiteral("Ctrl+"), QStringLiteral("Контрол+")},
      {QStringLiteral("Return"), QStringLiteral("Ввод")},
      {QStringLiteral("Enter"), QStringLiteral("Ввод")},
      {QStringLiteral("Space"), QStringLiteral("пробел")},
      {QStringLiteral("Esc"), QStringLiteral("Эскейп")},
  };
  QString spoken = qText(keys);
  for (const auto& [written, words] : kSpoken) spoken.replace(written, words);
  return spoken;
}

QStringList keysPressingText(Id id) {
  QStringList keys;
  for (const std::string_view k : keysPressing(id)) {
    if (const QString key = spokenKeys(k); !keys.contains(key)) keys << key;
  }
  return keys;
}

QString windowDescription() {
  return QStringLiteral(
      "Клавиши: Альт+N — рассчитать количество витков, Альт+L — рассчитать индуктивность; "
      "цифры и запятая — кнопки калькулятора; Ввод или пробел — нажать кнопку в фокусе; "
      "Табуляция — к следующей кнопке; Контрол+C — скопировать ответ; "
      "F1 — справка, Ввод на её страницах — дальше.");
}

}  // namespace ringcoil
