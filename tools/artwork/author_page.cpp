// The author page: a light board with the program's name and the credits.

#include <QPainter>

#include "artwork.hpp"
#include "page_layout.hpp"

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
  drawCentred(painter, name, QStringLiteral("Программа-калькулятор"), kCentre, 32, kDarkBlue);
  drawCentred(painter, purpose, QStringLiteral("для расчёта данных ферритового кольца"), kCentre,
              52, kDarkBlue);
  drawCentred(painter, title, QStringLiteral("РАСЧЁТ КАТУШКИ"), kCentre, 103, kRed);
  drawCentred(painter, title, QStringLiteral("1.0"), kCentre, 139, kRed);

  const QString role = QStringLiteral("Автор и Дизайн");
  const QString author = QStringLiteral("KELVANO");
  const QString credit = role + ' ' + leader(credits, 90) + ' ' + author;
  drawCentred(painter, credits, credit, kCentre, 184, kDarkGreen);

  drawRight(painter, signOff, QStringLiteral("Good like. 73!"), kTextAreaWidth - 6, 232,
            kDarkGreen);
  painter.end();
  return page.convertToFormat(QImage::Format_RGB888);
}

}  // namespace artwork
