#include "presentation/widgets/classic_style.hpp"

#include <QPainter>
#include <QStyleFactory>
#include <QStyleOptionButton>

namespace ringcoil {

ClassicStyle::ClassicStyle() : QProxyStyle(QStyleFactory::create(QStringLiteral("Windows"))) {}

int ClassicStyle::pixelMetric(PixelMetric metric, const QStyleOption* option,
                              const QWidget* widget) const {
  // Buttons that Enter presses ("auto-default") would keep a one-pixel ring
  // free for the default-button frame, which a window without a dialog's
  // default button never draws; the wall would show in it.
  if (metric == PM_ButtonDefaultIndicator) return 0;
  return QProxyStyle::pixelMetric(metric, option, widget);
}

QRect ClassicStyle::subElementRect(SubElement element, const QStyleOption* option,
                                   const QWidget* widget) const {
  // The focus mark runs just inside the two-pixel bevel, where the
  // lettering of these buttons, nearly as tall as the buttons, leaves room.
  if (element == SE_PushButtonFocusRect) return option->rect.adjusted(2, 2, -2, -2);
  return QProxyStyle::subElementRect(element, option, widget);
}

void ClassicStyle::drawControl(ControlElement element, const QStyleOption* option,
                               QPainter* painter, const QWidget* widget) const {
  const auto* button = qstyleoption_cast<const QStyleOptionButton*>(option);
  if (element != CE_PushButton || !button) {
    QProxyStyle::drawControl(element, option, painter, widget);
    return;
  }
  // The focus mark goes under the caption: where a tall letter reaches the
  // mark, the letter stays whole.
  drawControl(CE_PushButtonBevel, button, painter, widget);
  if (button->state & State_HasFocus) {
    QStyleOptionFocusRect focus;
    focus.QStyleOption::operator=(*button);
    focus.rect = subElementRect(SE_PushButtonFocusRect, button, widget);
    drawPrimitive(PE_FrameFocusRect, &focus, painter, widget);
  }
  QStyleOptionButton label = *button;
  label.rect = subElementRect(SE_PushButtonContents, button, widget);
  drawControl(CE_PushButtonLabel, &label, painter, widget);
}

}  // namespace ringcoil
