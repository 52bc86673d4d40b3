// How a label of fixed size sets its caption: lines broken at blanks only,
// and a value that does not fit its cell shown so that what can be seen is
// still the same number.
#pragma once

#include <QFontMetrics>
#include <QString>
#include <QStringList>
#include <string_view>

namespace ringcoil {

// No label can show more characters than this within its rectangle; a pasted
// value of a million characters is laid out by its visible beginning only.
inline constexpr qsizetype kMostCharactersShown = 4096;

// The text's visible beginning: at most kMostCharactersShown characters,
// never ending in half a surrogate pair.
QString visiblePart(const QString& text);

// The caption broken into lines no wider than `width`, at blanks (U+0020)
// only: never after a comma, a hyphen or other punctuation. A word wider
// than the line keeps a line of its own, to be cut off at the label's edge.
QStringList linesAtBlanks(const QString& text, const QFontMetrics& metrics, int width);

// What a value cell `width` pixels wide shows of `caption`. A caption that
// fits, or that is not a number, is shown as it is, cut off at the edge if
// need be. A number cut off after its whole part still reads as the same
// number to fewer digits ("133,333" of "133,333333333333"), so that cut
// stays; where the cut would hide an exponent or whole-part digits, the
// number is written instead in the exponent form, rounded to the digits that
// fit ("1,23E+15" of "1,23456789012346E+15").
QString shownValue(std::string_view caption, const QFontMetrics& metrics, int width);

// Whether the caption is shown in full within `width`.
bool fitsOneLine(const QString& text, const QFontMetrics& metrics, int width);

}  // namespace ringcoil
