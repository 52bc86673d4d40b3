#include "text_layout.hpp"

#include <QFile>
#include <QPainter>
#include <QTransform>
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

Face::Face(const QString& file, qreal pixelSize, qreal widthScale)
    : font_(readFontFile(file), pixelSize, QFont::PreferNoHinting), widthScale_(widthScale) {
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

QList<QPainterPath> Face::glyphPaths(const QString& text, QPointF origin,
                                     qreal letterSpacing) const {
  const QList<quint32> glyphs = font_.glyphIndexesForString(text);
  const QList<QPointF> advances = font_.advancesForGlyphIndexes(glyphs, QRawFont::UseDesignMetrics);
  const QTransform widen = QTransform::fromScale(widthScale_, 1);
  QList<QPainterPath> paths;
  qreal pen = origin.x();
  for (qsizetype i = 0; i < glyphs.size(); ++i) {
    QPainterPath glyph = widen.map(font_.pathForGlyph(glyphs[i]));
    glyph.setFillRule(Qt::WindingFill);
    paths.append(glyph.translated(std::round(pen), origin.y()));
    pen += advances[i].x() * widthScale_ + letterSpacing;
  }
  return paths;
}

QPainterPath Face::path(const QString& text, QPointF origin, qreal letterSpacing) const {
  QPainterPath all;
  all.setFillRule(Qt::WindingFill);
  for (const QPainterPath& glyph : glyphPaths(text, origin, letterSpacing)) all.addPath(glyph);
  return all;
}

void drawLeft(QPainter& painter, const Face& face, const QString& text, qreal x, qreal baseline,
              const QColor& colour) {
  painter.fillPath(face.path(text, {x, baseline}), colour);
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
  if (words.size() < 2) {
    drawLeft(painter, face, text, left, baseline, colour);
    return;
  }
  qreal inked = 0;
  qsizetype letterGaps = 0;
  for (const QString& word : words) {
    inked += face.width(word);
    letterGaps += word.size() - 1;
  }
  const qsizetype wordGaps = words.size() - 1;
  const qreal slack = right - left - inked;
  // Up to the widest gap the spaces take all the slack. Beyond it every gap
  // between letters and every space gets the same extra width, so that the
  // spaces stay clearly wider than the gaps between the spaced-out letters.
  const qreal widestGap = kWidestWordGap * face.width(QStringLiteral(" "));
  qreal spacing = 0;
  if (slack > widestGap * qreal(wordGaps)) {
    spacing = (slack - widestGap * qreal(wordGaps)) / qreal(letterGaps + wordGaps);
  }
  const qreal gap = (slack - spacing * qreal(letterGaps)) / qreal(wordGaps);
  qreal pen = left;
  for (const QString& word : words) {
    painter.fillPath(face.path(word, {std::round(pen), baseline}, spacing), colour);
    pen += face.width(word) + spacing * qreal(word.size() - 1) + gap;
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
