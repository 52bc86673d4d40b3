// The author page: a light board with the program's name and the credits.

#include <QPainter>

#include "artwork.hpp"
#include "page_layout.hpp"
#include "page_text.hpp"

namespace artwork {
namespace {

const QColor kDarkBlue(0, 64, 128);
const QColor kRed(255, 0, 0);
const QColor kDarkGreen(0, 128, 0);

// Spaced dots filling about `width` pixels.
QString leader(const Face& face, qreal width) {
  const qreal step = face.width(QStringLiteral(". "));
  return QStringLiteral(". ").repeated(int(width / step)).trimmed();
}

}  // namespace

QImage drawAuthorPage(const FontFiles& fonts) {
  constexpr qreal kCentre = kTextAreaWidth / 2.0;
  const Face name(fonts.sansBold, 17);
  const Face purpose(fonts.sansBold, 12);
  const Face title(fonts.heavy, 27);
  const Face credits(fonts.sansBold, 13);
  const Face signOff(fonts.sansBoldItalic, 13);

  QImage page = letteringGround(kPageSize, kLightGround, fonts)
                    .convertToFormat(QImage::Format_ARGB32_Premultiplied);
  QPainter painter(&page);
  painter.setRenderHint(QPainter::Antialiasing);
  using namespace ringcoil::page_text;
  drawCentred(painter, name, kProgramKind, kCentre, 32, kDarkBlue);
  drawCentred(painter, purpose, kAuthorPurpose, kCentre, 52, kDarkBlue);
  drawCentred(painter, title, kAuthorTitle, kCentre, 103, kRed);
  drawCentred(painter, title, kAuthorVersion, kCentre, 139, kRed);

  const QString credit = kAuthorRole + ' ' + leader(credits, 90) + ' ' + kAuthorCallSign;
  drawCentred(painter, credits, credit, kCentre, 184, kDarkGreen);

  drawRight(painter, signOff, kAuthorSignOff, kTextAreaWidth - 6, 232, kDarkGreen);
  painter.end();
  return page.convertToFormat(QImage::Format_RGB888);
}

}  // namespace artwork
