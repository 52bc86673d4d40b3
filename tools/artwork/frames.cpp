// The frames of the title animation, cut from the wall and lettered without
// blended edges, stacked into one strip.

#include <QPainterPath>
#include <QPainterPathStroker>
#include <QTransform>
#include <cmath>
#include <stdexcept>

#include "artwork.hpp"
#include "frame_table.hpp"
#include "pixel_mask.hpp"

namespace artwork {
namespace {

using namespace frames;

// Columns the signature spans, left edge and right edge.
constexpr qreal kSignatureLeft = 1.5;
constexpr qreal kSignatureRight = 98.5;
const QString kSecondWord = QStringLiteral("ВИТОК");
constexpr qreal kWordLetterGap = 3;  // pixels between the second word's letters
constexpr qreal kWordWidening = 1.15;
constexpr qreal kWordOutline = 0.5;

QRgb inkColour(char code) {
  for (const Ink& ink : kInks) {
    if (ink.code == code) return qRgb(ink.red, ink.green, ink.blue);
  }
  throw std::logic_error(std::string("unknown ink code ") + code);
}

QRectF boundsOf(const QList<QPainterPath>& paths) {
  QRectF bounds;
  for (const QPainterPath& path : paths) bounds = bounds.united(path.boundingRect());
  return bounds;
}

// One mask per signature letter; the word is scaled to fill its rows and
// almost the whole width of the frame.
QList<PixelMask> signatureMasks(const FontFiles& fonts) {
  const Face face(fonts.sansBoldItalic, 20);
  const QList<QPainterPath> letters = face.glyphPaths(QString::fromLatin1(kSignature), {0, 0});
  const QRectF bounds = boundsOf(letters);
  QTransform fit;
  fit.translate(kSignatureLeft, kSignatureTop);
  fit.scale((kSignatureRight - kSignatureLeft) / bounds.width(),
            (kSignatureBottom + 1 - kSignatureTop) / bounds.height());
  fit.translate(-bounds.left(), -bounds.top());
  QList<PixelMask> masks;
  for (const QPainterPath& letter : letters)
    masks.append(PixelMask(fit.map(letter), {kWidth, kHeight}));
  return masks;
}

// The second word: letters set apart by a fixed gap, scaled to the word's
// nine rows and centred under the signature.
PixelMask secondWordMask(const FontFiles& fonts) {
  const Face face(fonts.sansBold, 20);
  const qreal rows = kWordBottom + 1 - kWordTop;
  QList<QPainterPath> letters;
  for (const QChar letter : kSecondWord) letters.append(face.path(QString(letter), {0, 0}));
  const qreal scale = rows / boundsOf(letters).height();
  const qreal top = boundsOf(letters).top();

  QPainterPath word;
  word.setFillRule(Qt::WindingFill);
  qreal pen = 0;
  for (const QPainterPath& letter : letters) {
    const QRectF box = letter.boundingRect();
    QTransform place;
    place.translate(pen, kWordTop);
    place.scale(scale * kWordWidening, scale);
    place.translate(-box.left(), -top);
    word.addPath(place.map(letter));
    pen += box.width() * scale * kWordWidening + kWordLetterGap;
  }
  const qreal width = pen - kWordLetterGap;
  // At nine rows the thinner strokes would fall between pixel centres;
  // a slight outline keeps every stroke at least two pixels wide.
  QPainterPathStroker outline;
  outline.setWidth(kWordOutline);
  word = word.united(outline.createStroke(word));
  return PixelMask(word.translated(std::round((kWidth - width) / 2), 0), {kWidth, kHeight});
}

}  // namespace

QImage drawFrameStrip(const QImage& wall, const FontFiles& fonts) {
  const QImage piece = wall.copy(kWallX, kWallY, kWidth, kHeight);
  const QList<PixelMask> signature = signatureMasks(fonts);
  const PixelMask word = secondWordMask(fonts);

  QImage strip(kWidth, kHeight * kFrameCount, QImage::Format_RGB888);
  for (int index = 0; index < kFrameCount; ++index) {
    const FrameContent& content = kFrames[std::size_t(index)];
    const int top = index * kHeight;
    for (int y = 0; y < kHeight; ++y) {
      for (int x = 0; x < kWidth; ++x) {
        QRgb pixel = piece.pixel(x, y);
        for (qsizetype letter = 0; letter < signature.size(); ++letter) {
          const char code = content.signature[std::size_t(letter)];
          if (code != '.' && signature[letter].covers(x, y)) pixel = inkColour(code);
        }
        if (y - kWordTop < content.wordRows && word.covers(x, y)) {
          const Ink& stripe = kWordStripes[std::size_t((y - kWordTop) / kStripeRows)];
          pixel = qRgb(stripe.red, stripe.green, stripe.blue);
        }
        strip.setPixel(x, top + y, pixel);
      }
    }
  }
  return strip;
}

}  // namespace artwork
