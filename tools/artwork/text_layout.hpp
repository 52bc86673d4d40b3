#pragma once

// Text for the pictures, set from the bundled font files only.
//
// Glyphs are taken as unhinted outlines and advances from the fonts' design
// metrics, and filled by Qt's own rasteriser, so that the pictures come out
// the same whatever fonts or font renderer settings the machine has.

#include <QColor>
#include <QPainterPath>
#include <QPointF>
#include <QRawFont>
#include <QString>
#include <QStringList>

class QPainter;

namespace artwork {

// The font files in assets/fonts, by the role each plays.
struct FontFiles {
  QString sansBold;        // stands in for "MS Sans Serif" / "System", bold
  QString sansBoldItalic;  // the same, bold italic
  QString sansRegular;     // thin sans-serif for headings
  QString serifBold;       // stands in for "Times New Roman" / "MS Serif", bold
  QString serifBoldItalic;
  QString heavy;  // stands in for "Arial Black"
};

FontFiles fontFilesIn(const QString& dir);

// How the edges of the letters are blended with the ground.
enum class Blend {
  // As the painter blends, in the pictures' own (sRGB) values.
  Plain,
  // In linear light: light lettering on a dark ground keeps its weight in
  // the antialiased edges instead of thinning into the ground, so that thin
  // strokes and serifs at small sizes stay smooth. The painter must paint on
  // a QImage, untransformed.
  LinearLight,
};

// One font file at one pixel size (the em size in pixels), optionally set
// wider by `widthScale` to match the set width of a broader face.
class Face {
 public:
  Face(const QString& file, qreal pixelSize, qreal widthScale = 1.0, Blend blend = Blend::Plain);

  qreal width(const QString& text) const;
  Blend blend() const { return blend_; }

  // Outline of `text` with the left end of its baseline at `origin`. Each
  // glyph starts on a whole pixel so that stems look alike along a line.
  QPainterPath path(const QString& text, QPointF origin) const;

  // Outline of each character of `text` separately, in the same positions as
  // path() would give them.
  QList<QPainterPath> glyphPaths(const QString& text, QPointF origin) const;

 private:
  QRawFont font_;
  qreal widthScale_;
  Blend blend_;
};

// Draw one line with its baseline at `baseline`, filled with the painter's
// current render hints.
void drawLeft(QPainter& painter, const Face& face, const QString& text, qreal x, qreal baseline,
              const QColor& colour);
void drawCentred(QPainter& painter, const Face& face, const QString& text, qreal centreX,
                 qreal baseline, const QColor& colour);
void drawRight(QPainter& painter, const Face& face, const QString& text, qreal right,
               qreal baseline, const QColor& colour);

// Draws one line stretched from `left` to `right` by widening its spaces
// evenly, the letters keeping their own spacing; the words start on whole
// pixels. A line whose spaces would grow wider than kWidestWordGap normal
// ones is set flush left instead.
inline constexpr qreal kWidestWordGap = 3.0;
void drawJustified(QPainter& painter, const Face& face, const QString& text, int left, int right,
                   qreal baseline, const QColor& colour);

// A paragraph set line by line as given: every line but the last justified
// between `left` and `right`, the first one starting `indent` further right.
struct Paragraph {
  QStringList lines;
  QColor colour;
  int indent = 0;
};

// Draws `paragraph` with its first baseline at `baseline`, one line every
// `pitch` pixels; returns the baseline after its last line.
qreal drawParagraph(QPainter& painter, const Face& face, const Paragraph& paragraph, int left,
                    int right, qreal baseline, qreal pitch);

}  // namespace artwork
