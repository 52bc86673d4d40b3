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

inline const QStringList kPage1Opening = qLines(help_text::kPage1Opening);
inline const QString kPage1Merits = qString(help_text::kPage1Merits);
inline const QStringList kPage1MeritLines = qLines(help_text::kPage1MeritLines);
inline const QString kPage1Drawbacks = qString(help_text::kPage1Drawbacks);
inline const QStringList kPage1DrawbackLines = qLines(help_text::kPage1DrawbackLines);

inline const std::array<QStringList, help_text::kPage2Paragraphs.size()> kPage2Paragraphs = [] {
  std::array<QStringList, help_text::kPage2Paragraphs.size()> paragraphs;
  for (std::size_t i = 0; i < paragraphs.size(); ++i) {
    paragraphs[i] = qLines(help_text::kPage2Paragraphs[i]);
  }
  return paragraphs;
}();

inline const QString kPage3Heading = qString(help_text::kPage3Heading);
struct Grade {
  QString name;
  QString cutOff;
};
inline const std::array<Grade, help_text::kPage3Grades.size()> kPage3Grades = [] {
  std::array<Grade, help_text::kPage3Grades.size()> grades;
  for (std::size_t i = 0; i < grades.size(); ++i) {
    grades[i] = {qString(help_text::kPage3Grades[i].name), qString(help_text::kPage3Grades[i].cutOff)};
  }
  return grades;
}();

inline const QString kProgramKind = qString(help_text::kProgramKind);
inline const QString kAuthorPurpose = qString(help_text::kAuthorPurpose);
inline const QString kAuthorTitle = qString(help_text::kAuthorTitle);
inline const QString kAuthorVersion = qString(help_text::kAuthorVersion);
inline const QString kAuthorRole = qString(help_text::kAuthorRole);
inline const QString kAuthorCallSign = qString(help_text::kAuthorCallSign);
inline const QString kAuthorSignOff = qString(help_text::kAuthorSignOff);

}  // namespace ringcoil::page_text
