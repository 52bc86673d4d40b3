#include "presentation/widgets/label_text.hpp"

#include "calc/number_text.hpp"
#include "calc/runtime_error.hpp"
#include "presentation/widgets/fonts.hpp"

namespace ringcoil {

namespace {

// The width of a prefix of the text, measured only as far as it can be seen.
int advanceOf(const QString& text, qsizetype length, const QFontMetrics& metrics) {
  return metrics.horizontalAdvance(visiblePart(text.left(length)));
}

}  // namespace

QString visiblePart(const QString& text) {
  if (text.size() <= kMostCharactersShown) return text;
  qsizetype end = kMostCharactersShown;
  if (text.at(end - 1).isHighSurrogate()) --end;
  return text.left(end);
}

bool fitsOneLine(const QString& text, const QFontMetrics& metrics, int width) {
  return text.size() <= kMostCharactersShown && metrics.horizontalAdvance(text) <= width;
}

QStringList linesAtBlanks(const QString& text, const QFontMetrics& metrics, int width) {
  QStringList lines;
  QString line;
  bool first = true;
  for (const QString& word : text.split(QLatin1Char(' '))) {
    if (first) {
      line = word;
      first = false;
      continue;
    }
    const QString longer = line + QLatin1Char(' ') + word;
    if (fitsOneLine(longer, metrics, width)) {
      line = longer;
    } else {
      // The blank at the break is not drawn.
      lines.append(line);
      line = word;
    }
  }
  lines.append(line);
  return lines;
}

QString shownValue(std::string_view caption, const QFontMetrics& metrics, int width) {
  const QString text = qText(caption);
  if (fitsOneLine(text, metrics, width)) return text;
  double value = 0;
  try {
    value = TextToNumber(caption);
  } catch (const RuntimeError&) {
    return text;  // not a number (or beyond the double range): cut off as it is
  }
  const QString number = text.trimmed();
  if (fitsOneLine(number, metrics, width)) return number;
  const bool hasExponent = number.contains(QLatin1Char('E'), Qt::CaseInsensitive);
  if (!hasExponent) {
    const qsizetype comma = number.indexOf(QLatin1Char(','));
    const qsizetype wholeEnd = comma < 0 ? number.size() : comma;
    if (wholeEnd <= kMostCharactersShown && advanceOf(number, wholeEnd, metrics) <= width) {
      return number;
    }
  }
  for (int digits = kTextDigits; digits > 1; --digits) {
    const QString shorter = qText(NumberToExponentText(value, digits));
    if (fitsOneLine(shorter, metrics, width)) return shorter;
  }
  return qText(NumberToExponentText(value, 1));
}

}  // namespace ringcoil
