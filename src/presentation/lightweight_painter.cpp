#include "presentation/lightweight_painter.hpp"

#include <QFontMetrics>
#include <QPen>

#include "presentation/fonts.hpp"
#include "window/routing.hpp"

namespace ringcoil {

namespace {

// No label can show more characters than this within its rectangle; a pasted
// value of a million characters is painted by its visible beginning only.
constexpr qsizetype kMostCharactersShown = 4096;

QString visiblePart(const QString& text) {
  if (text.size() <= kMostCharactersShown) return text;
  qsizetype end = kMostCharactersShown;
  if (text.at(end - 1).isHighSurrogate()) --end;
  return text.left(end);
}

QColor toQColor(Rgb c) { return QColor(c.r, c.g, c.b); }

const FontDef& fontOf(const ElementDef& d) { return d.font ? *d.font : kForm.font; }

QRect toQRect(PixelRect r) { return QRect(r.x, r.y, r.width, r.height); }

void paintLine(QPainter& p, const ElementDef& d) {
  QPen pen(toQColor(d.foreColor.value_or(Rgb{})));
  pen.setWidth(d.line.widthPx);
  // Wide lines end in round caps, as the classic pens draw them.
  pen.setCapStyle(Qt::RoundCap);
  p.setPen(pen);
  p.drawLine(twipsToPixels(d.line.x1), twipsToPixels(d.line.y1), twipsToPixels(d.line.x2),
             twipsToPixels(d.line.y2));
}

int alignmentFlags(const ElementDef& d) {
  const int horizontal = d.align == Align::Center  ? Qt::AlignHCenter
                         : d.align == Align::Right ? Qt::AlignRight
                                                   : Qt::AlignLeft;
  // A label of fixed size breaks its caption at blanks within its width; an
  // auto-sizing one without word wrap grows to fit its caption on one line.
  const bool wraps = !d.autoSize || d.wordWrap;
  return horizontal | Qt::AlignTop | (wraps ? Qt::TextWordWrap : 0);
}

void paintLabel(QPainter& p, const ElementDef& d, Id id, const QString& text) {
  const QRect rect = toQRect(pixelRect(id));
  if (d.opaque) p.fillRect(rect, toQColor(d.backColor.value_or(Rgb{})));
  QRect textRect = rect;
  if (d.border == Border::Single) {
    p.setPen(Qt::black);
    p.drawRect(rect.adjusted(0, 0, -1, -1));
    textRect = rect.adjusted(1, 1, -1, -1);
  }
  p.setFont(fontFor(fontOf(d)));
  p.setPen(toQColor(d.foreColor.value_or(Rgb{})));
  if (d.autoSize && !d.wordWrap) {
    p.drawText(labelPaintRect(id, text), alignmentFlags(d), text);
  } else {
    p.save();
    p.setClipRect(textRect);
    p.drawText(textRect, alignmentFlags(d), text);
    p.restore();
  }
}

}  // namespace

QRect labelPaintRect(Id id, const QString& text) {
  const ElementDef& d = def(id);
  const QRect rect = toQRect(pixelRect(id));
  if (!d.autoSize || d.wordWrap) return rect;
  const QFontMetrics metrics(fontFor(fontOf(d)));
  const QRect needed(rect.topLeft(), metrics.size(Qt::TextSingleLine, text));
  return rect.united(needed);
}

void paintLightweightElements(QPainter& p, const WindowState& state) {
  p.setRenderHint(QPainter::Antialiasing, false);
  p.setRenderHint(QPainter::TextAntialiasing, true);
  for (std::size_t i = kElementCount; i-- > 0;) {
    const ElementDef& d = kElements[i];
    const Id id = static_cast<Id>(i);
    if (!d.container.empty() || isWindowed(d.kind) || !state.visible(id)) continue;
    if (d.kind == Kind::Line) {
      paintLine(p, d);
    } else if (d.kind == Kind::Label) {
      const FontDef& font = fontOf(d);
      paintLabel(p, d, id, visiblePart(displayText(state.caption(id), font.charset)));
    }
    // Images are stores of pictures and are never shown.
  }
}

}  // namespace ringcoil
