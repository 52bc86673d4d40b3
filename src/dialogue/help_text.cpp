#include "dialogue/help_text.hpp"

#include <vector>

namespace ringcoil {

namespace {

using namespace help_text;

// A paragraph set line by line, read as one: a line ending in a hyphen runs
// on into the next without it.
std::string joined(std::span<const std::string_view> lines) {
  std::string text;
  for (const std::string_view line : lines) {
    if (!text.empty() && text.back() == '-') {
      text.pop_back();
    } else if (!text.empty()) {
      text += ' ';
    }
    text += line;
  }
  return text;
}

}  // namespace

std::string helpPageText(Id page) {
  std::vector<std::string> paragraphs;
  switch (def(page).picture) {
    case Picture::Page1:
      paragraphs = {joined(kPage1Opening), std::string(kPage1Merits), joined(kPage1MeritLines),
                    std::string(kPage1Drawbacks), joined(kPage1DrawbackLines)};
      break;
    case Picture::Page2:
      for (const auto lines : kPage2Paragraphs) paragraphs.push_back(joined(lines));
      break;
    case Picture::Page3:
      paragraphs.emplace_back(kPage3Heading);
      for (const Grade& grade : kPage3Grades) {
        paragraphs.push_back(std::string(grade.name) + ": " + std::string(grade.cutOff));
      }
      break;
    case Picture::Author:
      paragraphs = {std::string(kProgramKind), std::string(kAuthorPurpose),
                    std::string(kAuthorTitle) + " " + std::string(kAuthorVersion),
                    std::string(kAuthorRole) + ": " + std::string(kAuthorCallSign),
                    std::string(kAuthorSignOff)};
      break;
    case Picture::None:
    case Picture::Animation:
      break;
  }
  std::string text;
  for (const std::string& paragraph : paragraphs) {
    if (!text.empty()) text += '\n';
    text += paragraph;
  }
  return text;
}

}  // namespace ringcoil
