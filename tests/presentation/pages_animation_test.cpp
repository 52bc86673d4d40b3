// The help pages and the animation in the real window: what each page state
// shows on screen, and what a tick repaints.
#include <QImage>
#include <QPaintEvent>
#include <QPixmap>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "presentation/widgets/artwork.hpp"
#include "presentation/widgets/picture_box.hpp"
#include "window_fixture.hpp"

namespace ringcoil::testing {
namespace {

using namespace el;

QImage rgb(const QImage& image) {
  return image.convertToFormat(QImage::Format_RGB32);
}
QImage embedded(const char* name) {
  return embeddedPicture(QString::fromLatin1(name));
}

class PagesAndAnimation : public WindowTest {
 protected:
  QImage snapshot() const { return rgb(window->grab().toImage()); }

  QWidget* canvasOf(Id box) const { return static_cast<PictureBox*>(widget(box))->inner(); }

  // A widget's rectangle in window coordinates.
  QRect inWindow(const QWidget* w) const {
    return QRect(w->mapTo(window.get(), QPoint(0, 0)), w->size());
  }

  // Whether a button can be seen: shown, and front-most at its centre.
  bool onScreen(Id button) const {
    QWidget* w = widget(button);
    return w->isVisible() && window->childAt(inWindow(w).center()) == w;
  }

  // The page box `box` is on top: the part of its inner area that the outer
  // page lets through shows `picture` from its top-left corner, except where
  // `button` lies, and of the three buttons only `button` can be seen.
  void expectPageOnTop(Id box, const char* picture, std::optional<Id> button) {
    SCOPED_TRACE(picture);
    widget(Text1)->setFocus();  // no focus mark on the page
    const QImage image = snapshot();
    const QImage page = embedded(picture);
    const QRect inner = inWindow(canvasOf(box));
    const QRect seen = inner & inWindow(canvasOf(Фон1));
    const QRect covered = button ? inWindow(widget(*button)) : QRect();
    EXPECT_LT(seen.width(), page.width()) << "cut off at the right";
    EXPECT_LT(seen.height(), page.height()) << "cut off at the bottom";
    for (int y = seen.top(); y <= seen.bottom(); ++y) {
      for (int x = seen.left(); x <= seen.right(); ++x) {
        if (covered.contains(x, y)) continue;
        ASSERT_EQ(image.pixel(x, y), page.pixel(x - inner.x(), y - inner.y())) << x << "," << y;
      }
    }
    for (Id each : {Далее, Далеее, Закрыть}) {
      EXPECT_EQ(onScreen(each), each == button) << displayName(each);
    }
  }
};

TEST_F(PagesAndAnimation, EveryStateOfTheTourShowsItsPageOnTopWithItsButton) {
  widget(Text1)->setFocus();  // where it is when the pages close again
  const QImage closed = snapshot();
  clickAt(300, 30);  // the title
  expectPageOnTop(Фон1, "page1", Далее);
  click(Далее);
  expectPageOnTop(Фоно, "page2", Далеее);
  click(Далеее);
  expectPageOnTop(Фон3, "page3", Закрыть);
  click(Закрыть);
  expectPageOnTop(Автор, "author", std::nullopt);
  // The pages beneath stay open, only covered.
  for (Id page : {Фон1, Фоно, Фон3}) EXPECT_TRUE(widget(page)->isVisible()) << displayName(page);

  clickWidgetAt(250, 170);  // the author page
  for (Id page : {Фон1, Фоно, Фон3, Автор}) EXPECT_FALSE(widget(page)->isVisible());
  for (Id button : {Далее, Далеее, Закрыть}) EXPECT_FALSE(onScreen(button));
  EXPECT_EQ(snapshot(), closed);
}

// A box with a frame shows its picture unscaled from the inner top-left
// corner; what does not fit is cut off, and the frame stays clear of it.
TEST(PictureBoxes, ShowThePictureFromTheInnerCornerCutOffAtRightAndBottom) {
  QWidget host;
  host.resize(60, 60);
  auto* box = new PictureBox(true, &host);
  box->setGeometry(10, 10, 24, 20);
  QImage picture(40, 40, QImage::Format_RGB32);
  for (int y = 0; y < 40; ++y) {
    for (int x = 0; x < 40; ++x) picture.setPixel(x, y, qRgb(x * 6, y * 6, 77));
  }
  box->setPicture(QPixmap::fromImage(picture));
  host.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&host));
  host.setFocus();  // the box alone would take it and show its focus mark

  const QImage shot = rgb(host.grab().toImage());
  ASSERT_EQ(box->inner()->geometry(), QRect(2, 2, 20, 16));
  for (int y = 0; y < 20; ++y) {
    for (int x = 0; x < 24; ++x) {
      const QRgb pixel = shot.pixel(10 + x, 10 + y);
      if (QRect(2, 2, 20, 16).contains(x, y)) {
        ASSERT_EQ(pixel, picture.pixel(x - 2, y - 2)) << x << "," << y;
      } else {
        ASSERT_NE(qBlue(pixel), 77) << "the frame at " << x << "," << y;
      }
    }
  }
}

// A help page with the keyboard focus shows the dotted focus rectangle just
// inside its frame; the animation box never shows one, as it must stay a
// seamless piece of the wall.
TEST_F(PagesAndAnimation, PagesShowTheFocusTheAnimationBoxDoesNot) {
  window->form().tick();
  window->sync();
  // The pixels of `area` that change as the focus comes to `focused`.
  const auto changedBy = [this](Id focused, QRect area) {
    widget(Command1)->setFocus();
    const QImage before = snapshot();
    widget(focused)->setFocus();
    const QImage after = snapshot();
    int changed = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
      for (int x = area.left(); x <= area.right(); ++x) changed += before.pixel(x, y) != after.pixel(x, y);
    }
    return changed;
  };
  EXPECT_EQ(changedBy(Picture1, QRect(23, 23, 100, 34)), 0);
  clickAt(300, 30);  // page 1: its inner area is 336 x 243 at (137, 68)
  EXPECT_GT(changedBy(Фон1, QRect(137, 68, 336, 243)), 400) << "a dotted ring round the page";
}

// Records every paint event with the widget and the region it repaints.
class PaintRecorder final : public QObject {
 public:
  explicit PaintRecorder(QWidget* window) {
    window->installEventFilter(this);
    for (QWidget* child : window->findChildren<QWidget*>()) child->installEventFilter(this);
  }
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint) {
      painted.emplace_back(static_cast<QWidget*>(watched),
                           static_cast<QPaintEvent*>(event)->region());
    }
    return false;
  }
  std::vector<std::pair<QWidget*, QRegion>> painted;

  std::string describe() const {
    std::string text;
    for (const auto& [widget, region] : painted) {
      const QPoint at = widget->mapTo(widget->window(), QPoint());
      const QRect r = region.boundingRect();
      text += QStringLiteral("%1 at %2,%3: %4x%5; ")
                  .arg(QString::fromLatin1(widget->metaObject()->className()))
                  .arg(at.x())
                  .arg(at.y())
                  .arg(r.width())
                  .arg(r.height())
                  .toStdString();
    }
    return text;
  }
};

int area(const QRegion& region) {
  int total = 0;
  for (const QRect& r : region) total += r.width() * r.height();
  return total;
}

// Lets the window finish whatever it still has to do, paints included.
void settle() {
  for (int round = 0; round < 5; ++round) QApplication::processEvents();
}

// Also with a page open: the pages leave the animation box alone.
TEST_F(PagesAndAnimation, ATickRepaintsTheAnimationBoxAndNothingElse) {
  for (const bool pageOpen : {false, true}) {
    SCOPED_TRACE(pageOpen ? "page open" : "no page");
    if (pageOpen) clickAt(300, 30);
    settle();
    PaintRecorder recorder(window.get());
    window->form().tick();
    window->sync();
    settle();
    ASSERT_EQ(recorder.painted.size(), 1u) << recorder.describe();
    const auto& [painted, region] = recorder.painted.front();
    EXPECT_EQ(painted, canvasOf(Picture1)) << painted->metaObject()->className();
    EXPECT_EQ(inWindow(painted), QRect(23, 23, 100, 34));
    EXPECT_EQ(region.boundingRect(), QRect(0, 0, 100, 34));
    EXPECT_EQ(area(region), 100 * 34);
  }
}

// The box shows the frames as shipped, cut from the strip, in loop order.
TEST_F(PagesAndAnimation, TicksShowTheShippedFramesFromFrameOneOn) {
  const QImage strip = embedded("frames");
  std::vector<int> order;
  for (int i = 1; i <= 39; ++i) order.push_back(i);
  order.insert(order.end(), {0, 1});
  for (const int index : order) {
    window->form().tick();
    window->sync();
    ASSERT_EQ(rgb(widget(Picture1)->grab().toImage()), strip.copy(0, index * 34, 100, 34))
        << "frame " << index;
  }
}

}  // namespace
}  // namespace ringcoil::testing
