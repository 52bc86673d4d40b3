// The classic Windows look of the push buttons, fitted to this window: every
// button fills its rectangle, and the focus mark stays clear of the caption.
#pragma once

#include <QProxyStyle>

namespace ringcoil {

class ClassicStyle final : public QProxyStyle {
 public:
  ClassicStyle();

  int pixelMetric(PixelMetric metric, const QStyleOption* option = nullptr,
                  const QWidget* widget = nullptr) const override;
  QRect subElementRect(SubElement element, const QStyleOption* option,
                       const QWidget* widget = nullptr) const override;
  void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                   const QWidget* widget = nullptr) const override;
};

}  // namespace ringcoil
