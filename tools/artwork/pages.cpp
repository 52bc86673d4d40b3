// The three help pages: dark boards with the advice text and the table of
// cut-off frequencies.

#include <QPainter>

#include "artwork.hpp"
#include "page_layout.hpp"
#include "page_text.hpp"

namespace artwork {
namespace {

const QColor kCyan(0, 255, 255);
const QColor kGreen(0, 255, 0);
const QColor kRed(255, 0, 0);
const QColor kSeaGreen(0, 255, 128);

QImage darkPage(const FontFiles& fonts) {
  return letteringGround(kPageSize, kDarkGround, fonts)
      .convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

void smoothText(QPainter& painter) {
  painter.setRenderHint(QPainter::Antialiasing);
}

}  // namespace

// Page 1: a cyan opening paragraph and two green paragraphs under red
// headings. The second heading stays clear of the page's "next" button, which
// sits to its right at (261, 171), 67 x 22.
QImage drawHelpPage1(const FontFiles& fonts) {
  using namespace ringcoil::page_text;
  constexpr int kLeft = 5;
  constexpr int kRight = 326;
  constexpr int kIndent = 15;
  constexpr qreal kPitch = 15;
  const Face body(fonts.sansBold, 11, 1.2, Blend::LinearLight);
  const Face heading(fonts.sansRegular, 14, 1.0, Blend::LinearLight);
  const qreal centre = (kLeft + kRight) / 2.0;

  QImage page = darkPage(fonts);
  QPainter painter(&page);
  smoothText(painter);
  drawParagraph(painter, body, {kPage1Opening, kCyan, kIndent}, kLeft, kRight, 15, kPitch);
  drawCentred(painter, heading, kPage1Merits, centre, 102, kRed);
  drawParagraph(painter, body, {kPage1MeritLines, kGreen, 0}, kLeft, kRight, 122, kPitch);
  drawCentred(painter, heading, kPage1Drawbacks, centre, 187, kRed);
  drawParagraph(painter, body, {kPage1DrawbackLines, kGreen, 0}, kLeft, kRight, 206, kPitch);
  painter.end();
  return page.convertToFormat(QImage::Format_RGB888);
}

// Page 2: three sea-green paragraphs in a block centred over the page's
// "next" button at (132, 216), 67 x 19.
QImage drawHelpPage2(const FontFiles& fonts) {
  constexpr int kLeft = 20;
  constexpr int kRight = 311;
  constexpr int kIndent = 14;
  constexpr qreal kPitch = 17;
  constexpr qreal kParagraphGap = 7;
  const Face body(fonts.serifBold, 11, 1.25, Blend::LinearLight);

  QImage page = darkPage(fonts);
  QPainter painter(&page);
  smoothText(painter);
  qreal baseline = 18;
  for (const QStringList& lines : ringcoil::page_text::kPage2Paragraphs) {
    baseline =
        drawParagraph(painter, body, {lines, kSeaGreen, kIndent}, kLeft, kRight, baseline, kPitch);
    baseline += kParagraphGap;
  }
  painter.end();
  return page.convertToFormat(QImage::Format_RGB888);
}

// Page 3: a red heading over a cyan table of ferrite grades with dotted
// leaders to their cut-off frequencies. The table keeps left of the "close"
// button at (255, 213), 67 x 19.
QImage drawHelpPage3(const FontFiles& fonts) {
  constexpr int kNameLeft = 24;
  constexpr int kFrequencyRight = 236;
  constexpr int kDotPitch = 5;
  constexpr int kDotClearance = 4;
  constexpr qreal kFirstRow = 62;
  constexpr qreal kPitch = 21;
  const Face heading(fonts.serifBold, 24, 1.0, Blend::LinearLight);
  const Face row(fonts.serifBold, 12, 1.0, Blend::LinearLight);
  const QString dot = QStringLiteral(".");

  QImage page = darkPage(fonts);
  QPainter painter(&page);
  smoothText(painter);
  drawCentred(painter, heading, ringcoil::page_text::kPage3Heading, kTextAreaWidth / 2.0, 31, kRed);
  qreal baseline = kFirstRow;
  for (const ringcoil::page_text::Grade& grade : ringcoil::page_text::kPage3Grades) {
    drawLeft(painter, row, grade.name, kNameLeft, baseline, kCyan);
    drawRight(painter, row, grade.cutOff, kFrequencyRight, baseline, kCyan);
    // Dots on a common grid, so that they line up from row to row.
    const qreal from = kNameLeft + row.width(grade.name) + kDotClearance;
    const qreal to = kFrequencyRight - row.width(grade.cutOff) - kDotClearance - row.width(dot);
    for (int x = (int(from) / kDotPitch + 1) * kDotPitch; x <= to; x += kDotPitch) {
      drawLeft(painter, row, dot, x, baseline, kCyan);
    }
    baseline += kPitch;
  }
  painter.end();
  return page.convertToFormat(QImage::Format_RGB888);
}

}  // namespace artwork
