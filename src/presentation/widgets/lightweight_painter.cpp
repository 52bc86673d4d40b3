#include "presentation/widgets/lightweight_painter.hpp"

#include <QFontMetrics>
#include <QPen>

#include "presentation/widgets/fonts.hpp"
#include "presentation/widgets/label_text.hpp"
#include "window/geometry.hpp"
#include "window/parameter_table.hpp"

namespace ringcoil {

QString shownCaption(const WindowState& state, Id id) {
  return displayText(state.caption(id), fontOf(def(id)).charset);
}

QRect elementRect(Id id) {
  const PixelRect r = pixelRect(id);
  return QRect(r.x, r.y, r.width, r.height);
}

namespace {

QColor toQColor(Rgb c) {
  return QColor(c.r, c.g, c.b);
}

void paintLine(QPainter& p, const ElementDef& d) {
  QPen pen(toQColor(d.foreColor.value_or(Rgb{})));
  pen.setWidth(d.line.widthPx);
  // Wide lines end in round caps, as the classic pens draw them.
  pen.setCapStyle(Qt::RoundCap);
  p.setPen(pen);
  p.drawLine(twipsToPixels(d.line.x1), twipsToPixels(d.line.y1), twipsToPixels(d.line.x2),
             twipsToPixels(d.line.y2));
}

int horizontalAlignment(const ElementDef& d) {
  return d.align == Align::Center  ? Qt::AlignHCenter
         : d.align == Align::Right ? Qt::AlignRight
                                   : Qt::AlignLeft;
}

void paintLabel(QPainter& p, const ElementDef& d, Id id, const WindowState& state) {
  const QRect rect = elementRect(id);
  if (d.opaque) p.fillRect(rect, toQColor(d.backColor.value_or(Rgb{})));
  QRect textRect = rect;
  if (d.border == Border::Single) {
    p.setPen(Qt::black);
    p.drawRect(rect.adjusted(0, 0, -1, -1));
    textRect = rect.adjusted(1, 1, -1, -1);
  }
  const QFont font = fontFor(fontOf(d));
  const QFontMetrics metrics(font);
  p.setFont(font);
  p.setPen(toQColor(d.foreColor.value_or(Rgb{})));
  const int flags = horizontalAlignment(d) | Qt::AlignTop | Qt::TextSingleLine;
  if (d.autoSize && !d.wordWrap) {
    // An auto-sizing label has grown to fit its caption on one line.
    const QString text = visiblePart(shownCaption(state, id));
    p.drawText(labelPaintRect(id, text), flags, text);
    return;
  }
  // A label of fixed size breaks its caption at blanks within its width and
  // cuts off what does not fit.
  const QString text = rowOfValue(id)
                           ? visiblePart(shownValue(state.caption(id), metrics, textRect.width()))
                           : visiblePart(shownCaption(state, id));
  p.save();
  p.setClipRect(textRect);
  QRect lineRect(textRect.left(), textRect.top(), textRect.width(), metrics.lineSpacing());
  for (const QString& line : linesAtBlanks(text, metrics, textRect.width())) {
    if (lineRect.top() > textRect.bottom()) break;
    p.drawText(lineRect, flags, line);
    lineRect.translate(0, metrics.lineSpacing());
  }
  p.restore();
}

}  // namespace

QString labelToolTip(const WindowState& state, Id id) {
  const ElementDef& d = def(id);
  if (!d.tooltip.empty()) return qText(d.tooltip);
  if (!rowOfValue(id)) return {};
  const QString caption = qText(state.caption(id));
  const QFontMetrics metrics(fontFor(fontOf(d)));
  if (fitsOneLine(caption, metrics, pixelRect(id).width)) return {};
  // A pasted value of a million characters is not read from a tooltip.
  const QString shown = visiblePart(caption);
  return shown.size() < caption.size() ? shown + QChar(0x2026) : shown;
}

QRect labelPaintRect(Id id, const QString& text) {
  const ElementDef& d = def(id);
  const QRect rect = elementRect(id);
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
      paintLabel(p, d, id, state);
    }
    // Images are stores of pictures and are never shown.
  }
}

}  // namespace ringcoil
