// A picture box: an optional sunken frame around an inner area that shows a
// picture from its top-left corner, cut off at its edges, and holds the box's
// child elements. A framed box (a help page) shows the keyboard focus; the
// frameless animation box stays a seamless piece of the wall.
#pragma once

#include <QFrame>
#include <QPixmap>

#include "presentation/widgets/artwork.hpp"

namespace ringcoil {

class PictureBox final : public QFrame {
 public:
  PictureBox(bool sunkenFrame, QWidget* parent);

  // Where child elements go: the inner area, which also clips them.
  QWidget* inner() const;

  // Shows `picture` (not copied: pixmaps share their pixels) and repaints
  // only the inner area.
  void setPicture(const QPixmap& picture);
  // Shows a picture that is unpacked when the box is first drawn.
  void setPicture(const DeferredPicture& picture);

 protected:
  void resizeEvent(QResizeEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;

 private:
  class Canvas;
  Canvas* inner_;
  bool showsFocus_;
};

}  // namespace ringcoil
