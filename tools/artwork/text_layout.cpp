#include "text_layout.hpp"

#include <QFile>
#include <QPainter>
#include <QTransform>
#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace artwork {

FontFiles fontFilesIn(const QString& dir) {
  return FontFiles{
      .sansBold = dir + "/LiberationSans-Bold.ttf",
      .sansBoldItalic = dir + "/LiberationSans-BoldItalic.ttf",
      .sansRegular = dir + "/LiberationSans-Regular.ttf",
      .serifBold = dir + "/LiberationSerif-Bold.ttf",
      .serifBoldItalic = dir + "/LiberationSerif-BoldItalic.ttf",
      .heavy = dir + "/DejaVuSans-Bold.ttf",
  };
}

namespace {

QByteArray readFontFile(const QString& file) {
  QFile in(file);
  if (!in.open(QIODevice::ReadOnly)) {
    throw std::runtime_error("cannot read font file " + file.toStdString());
  }
  return in.readAll();
}

}  // namespace

Face::Face(const QString& file, qreal pixelSize, qreal widthScale, Blend blend)
    : font_(readFontFile(file), pixelSize, QFont::PreferNoHinting),
      widthScale_(widthScale),
      blend_(blend) {
  if (!font_.isValid()) {
    throw std::runtime_error("not a usable font: " + file.toStdString());
  }
}

qreal Face::width(const QString& text) const {
  const QList<quint32> glyphs = font_.glyphIndexesForString(text);
  qreal total = 0;
  for (const QPointF& advance : font_.advancesForGlyphIndexes(glyphs, QRawFont::UseDesignMetrics)) {
    total += advance.x();
  }
  return total * widthScale_;
}

QList<QPainterPath> Face::glyphPaths(const QString& text, QPointF origin) const {
  const QList<quint32> glyphs = font_.glyphIndexesForString(text);
  const QList<QPointF> advances = font_.advancesForGlyphIndexes(glyphs, QRawFont::UseDesignMetrics);
  const QTransform widen = QTransform::fromScale(widthScale_, 1);
  QList<QPainterPath> paths;
  qreal pen = origin.x();
  for (qsizetype i = 0; i < glyphs.size(); ++i) {
    QPainterPath glyph = widen.map(font_.pathForGlyph(glyphs[i]));
    glyph.setFillRule(Qt::WindingFill);
    paths.append(glyph.translated(std::round(pen), origin.y()));
    pen += advances[i].x() * widthScale_;
  }
  return paths;
}

QPainterPath Face::path(const QString& text, QPointF origin) const {
  QPainterPath all;
  all.setFillRule(Qt::WindingFill);
  for (const QPainterPath& glyph : glyphPaths(text, origin)) all.addPath(glyph);
  return all;
}

namespace {

double toLinear(int value) {
  const double v = value / 255.0;
  return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
}

int toSrgb(double linear) {
  const double v = linear <= 0.0031308 ? linear * 12.92 : 1.055 * std::pow(linear, 1 / 2.4) - 0.055;
  return std::clamp(static_cast<int>(std::lround(v * 255)), 0, 255);
}

// Fills `path` in `colour` with its antialiased coverage blended in linear
// light onto the image the painter paints on.
void fillInLinearLight(QPainter& painter, const QPainterPath& path, const QColor& colour) {
  auto& image = *static_cast<QImage*>(painter.device());
  const QRect box =
      path.boundingRect().toAlignedRect().adjusted(-1, -1, 1, 1).intersected(image.rect());
  QImage coverage(box.size(), QImage::Format_Alpha8);
  coverage.fill(0);
  QPainter mask(&coverage);
  mask.setRenderHint(QPainter::Antialiasing);
  mask.translate(-box.topLeft());
  mask.fillPath(path, Qt::black);
  mask.end();
  const double ink[] = {toLinear(colour.red()), toLinear(colour.green()), toLinear(colour.blue())};
  for (int y = 0; y < box.height(); ++y) {
    for (int x = 0; x < box.width(); ++x) {
      const double c = qAlpha(coverage.pixel(x, y)) / 255.0;
      if (c == 0) continue;
      const QPoint at = box.topLeft() + QPoint(x, y);
      const QRgb ground = image.pixel(at);
      const auto mix = [&](int value, double over) {
        return toSrgb(toLinear(value) * (1 - c) + over * c);
      };
      image.setPixel(at, qRgb(mix(qRed(ground), ink[0]), mix(qGreen(ground), ink[1]),
                              mix(qBlue(ground), ink[2])));
    }
  }
}

void fillText(QPainter& painter, const Face& face, const QPainterPath& path, const QColor& colour) {
  if (face.blend() == Blend::LinearLight) {
    fillInLinearLight(painter, path, colour);
  } else {
    painter.fillPath(path, colour);
  }
}

}  // namespace

void drawLeft(QPainter& painter, const Face& face, const QString& text, qreal x, qreal baseline,
              const QColor& colour) {
  fillText(painter, face, face.path(text, {x, baseline}), colour);
}

void drawCentred(QPainter& painter, const Face& face, const QString& text, qreal centreX,
                 qreal baseline, const QColor& colour) {
  drawLeft(painter, face, text, std::round(centreX - face.width(text) / 2), baseline, colour);
}

void drawRight(QPainter& painter, const Face& face, const QString& text, qreal right,
               qreal baseline, const QColor& colour) {
  drawLeft(painter, face, text, std::round(right - face.width(text)), baseline, colour);
}

void drawJustified(QPainter& painter, const Face& face, const QString& text, int left, int right,
                   qreal baseline, const QColor& colour) {
  const QStringList words = text.split(' ');
  qreal inked = 0;
  for (const QString& word : words) inked += face.width(word);
  const qsizetype wordGaps = words.size() - 1;
  const qreal gap = wordGaps > 0 ? (right - left - inked) / qreal(wordGaps) : 0;
  if (wordGaps == 0 || gap > kWidestWordGap * face.width(QStringLiteral(" "))) {
    drawLeft(painter, face, text, left, baseline, colour);
    return;
  }
  qreal pen = left;
  for (const QString& word : words) {
    drawLeft(painter, face, word, std::round(pen), baseline, colour);
    pen += face.width(word) + gap;
  }
}

qreal drawParagraph(QPainter& painter, const Face& face, const Paragraph& paragraph, int left,
                    int right, qreal baseline, qreal pitch) {
  for (qsizetype i = 0; i < paragraph.lines.size(); ++i) {
    const int start = i == 0 ? left + paragraph.indent : left;
    if (i + 1 < paragraph.lines.size()) {
      drawJustified(painter, face, paragraph.lines[i], start, right, baseline, paragraph.colour);
    } else {
      drawLeft(painter, face, paragraph.lines[i], start, baseline, paragraph.colour);
    }
    baseline += pitch;
  }
  return baseline;
}

}  // namespace artwork
