// The help pages' words (dialogue/help_text.hpp) as Qt strings, for the
// artwork generator that draws them.
#pragma once

#include <QString>
#include <QStringList>
#include <array>
#include <span>
#include <string_view>

#include "dialogue/help_text.hpp"

namespace ringcoil::page_text {

inline QString qString(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

inline QStringList qLines(std::span<const std::string_view> lines) {
  QStringList list;
  for (const std::string_view line : lines) list << qString(line);
  return list;
}

// Each of an array's items, converted.
template <typename From, std::size_t N, typename Convert>
auto converted(const std::array<From, N>& from, Convert convert) {
  std::array<decltype(convert(from[0])), N> to;
  for (std::size_t i = 0; i < N; ++i) to[i] = convert(from[i]);
  return to;
}

inline const QStringList kPage1Opening = qLines(help_text::kPage1Opening);
inline const QString kPage1Merits = qString(help_text::kPage1Merits);
inline const QStringList kPage1MeritLines = qLines(help_text::kPage1MeritLines);
inline const QString kPage1Drawbacks = qString(help_text::kPage1Drawbacks);
inline const QStringList kPage1DrawbackLines = qLines(help_text::kPage1DrawbackLines);

inline const auto kPage2Paragraphs = converted(help_text::kPage2Paragraphs, qLines);


inline const QString kPage3Heading = qString(help_text::kPage3Heading);
struct Grade {
  QString name;
  QString cutOff;
};
inline const auto kPage3Grades =
    converted(help_text::kPage3Grades, [](const help_text::Grade& grade) {
      return Grade{qString(grade.name), qString(grade.cutOff)};
    });


inline const QString kProgramKind = qString(help_text::kProgramKind);
inline const QString kAuthorPurpose = qString(help_text::kAuthorPurpose);
inline const QString kAuthorTitle = qString(help_text::kAuthorTitle);
inline const QString kAuthorVersion = qString(help_text::kAuthorVersion);
inline const QString kAuthorRole = qString(help_text::kAuthorRole);
inline const QString kAuthorCallSign = qString(help_text::kAuthorCallSign);
inline const QString kAuthorSignOff = qString(help_text::kAuthorSignOff);

}  // namespace ringcoil::page_text
