#include "presentation/widgets/picture_box.hpp"

#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>

namespace ringcoil {

class PictureBox::Canvas final : public QWidget {
 public:
  using QWidget::QWidget;
  QPixmap picture;
  DeferredPicture deferred;  // drawn instead of `picture` when set

 protected:
  // The box takes its own mouse events; none go on to the window beneath.
  void mousePressEvent(QMouseEvent* e) override { e->accept(); }
  void mouseReleaseEvent(QMouseEvent* e) override { e->accept(); }
  void mouseMoveEvent(QMouseEvent* e) override { e->accept(); }

  void paintEvent(QPaintEvent*) override {
    const QPixmap& shown = deferred.isNull() ? picture : deferred.pixmap();
    if (shown.isNull()) return;
    QPainter p(this);
    p.drawPixmap(0, 0, shown);
    auto* box = static_cast<PictureBox*>(parentWidget());
    if (box->showsFocus_ && box->hasFocus()) {
      // The classic dotted focus rectangle just inside the frame, in the
      // colour opposite to the page's ground.
      QStyleOptionFocusRect focus;
      focus.initFrom(box);
      focus.rect = rect().adjusted(1, 1, -2, -2);
      focus.backgroundColor = shown.copy(2, 2, 1, 1).toImage().pixelColor(0, 0);
      box->style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &p, box);
    }
  }
};

PictureBox::PictureBox(bool sunkenFrame, QWidget* parent)
    : QFrame(parent), inner_(new Canvas(this)), showsFocus_(sunkenFrame) {
  if (sunkenFrame) {
    // The classic sunken panel, two pixels on each side.
    setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
  } else {
    setFrameStyle(QFrame::NoFrame);
  }
  // Nothing shows through the box: the picture or the plain ground covers it.
  setAutoFillBackground(true);
  inner_->setAutoFillBackground(true);  // so a new picture repaints the inner area alone
  setFocusPolicy(Qt::TabFocus);
}

QWidget* PictureBox::inner() const {
  return inner_;
}

void PictureBox::setPicture(const QPixmap& picture) {
  inner_->picture = picture;
  inner_->deferred = DeferredPicture();
  inner_->update();
}

void PictureBox::setPicture(const DeferredPicture& picture) {
  inner_->picture = QPixmap();
  inner_->deferred = picture;
  inner_->update();
}

void PictureBox::resizeEvent(QResizeEvent* event) {
  QFrame::resizeEvent(event);
  inner_->setGeometry(contentsRect());
}

void PictureBox::focusInEvent(QFocusEvent* event) {
  QFrame::focusInEvent(event);
  if (showsFocus_) inner_->update();
}

void PictureBox::focusOutEvent(QFocusEvent* event) {
  QFrame::focusOutEvent(event);
  if (showsFocus_) inner_->update();
}

void PictureBox::mousePressEvent(QMouseEvent* event) {
  event->accept();
}
void PictureBox::mouseReleaseEvent(QMouseEvent* event) {
  event->accept();
}
void PictureBox::mouseMoveEvent(QMouseEvent* event) {
  event->accept();
}

}  // namespace ringcoil
