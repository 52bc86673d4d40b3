// What the window looks like, checked on its pixels.
#include <QImage>

#include "window/routing.hpp"
#include "window_fixture.hpp"
#include "presentation/artwork.hpp"

namespace ringcoil::testing {
namespace {

using namespace el;

class WindowPixels : public WindowTest {
 protected:
  QImage snapshot() const { return window->grab().toImage().convertToFormat(QImage::Format_RGB32); }

  // Whether the pixel lies on any shown element, line or label, grown by a
  // margin for round line caps and text that reaches past its rectangle.
  bool nearAnyElement(int x, int y, int margin) const {
    for (std::size_t i = 0; i < kElementCount; ++i) {
      const Id id = static_cast<Id>(i);
      const ElementDef& d = kElements[i];
      if (!state().shownOnScreen(id) || d.kind == Kind::Timer) continue;
      QRect r;
      if (d.kind == Kind::Line) {
        r = QRect(QPoint(twipsToPixels(d.line.x1), twipsToPixels(d.line.y1)),
                  QPoint(twipsToPixels(d.line.x2), twipsToPixels(d.line.y2)));
      } else {
        const PixelRect p = clientRect(id);
        r = QRect(p.x, p.y, p.width, p.height);
        // Auto-sizing labels may grow to the right to fit their caption.
        if (d.autoSize) r.setRight(r.right() + 60);
      }
      if (r.adjusted(-margin, -margin, margin, margin).contains(x, y)) return true;
    }
    return false;
  }
};

TEST_F(WindowPixels, WallIsRedOnlyAwayFromTheElements) {
  const QImage image = snapshot();
  int checked = 0;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      if (nearAnyElement(x, y, 3)) continue;
      const QColor c = image.pixelColor(x, y);
      const bool frameGrey = c == QColor(93, 93, 93);
      ASSERT_TRUE(frameGrey || (c.green() == 0 && c.blue() == 0))
          << "at " << x << "," << y << ": " << c.red() << "," << c.green() << "," << c.blue();
      ++checked;
    }
  }
  EXPECT_GT(checked, 20000);
}

TEST_F(WindowPixels, LinesHaveTheirColoursAtTheirPlaces) {
  const QImage image = snapshot();
  std::vector<QLine> lines;
  for (const auto& d : kElements) {
    if (d.kind == Kind::Line) {
      lines.emplace_back(twipsToPixels(d.line.x1), twipsToPixels(d.line.y1), twipsToPixels(d.line.x2),
                         twipsToPixels(d.line.y2));
    }
  }
  // Along each line, points clear of the other lines and of the widgets show
  // the line's own colour (no caption reaches that far into the table).
  auto nearOtherLine = [&](const QLine& self, QPoint p) {
    for (const QLine& other : lines) {
      if (other == self) continue;
      const QRect box = QRect(other.p1(), other.p2()).normalized().adjusted(-3, -3, 3, 3);
      if (box.contains(p)) return true;
    }
    return false;
  };
  std::size_t line = 0;
  for (const auto& d : kElements) {
    if (d.kind != Kind::Line) continue;
    const QLine l = lines[line++];
    int checked = 0;
    for (int step = 1; step < 20; ++step) {
      const QPoint p = l.p1() + (l.p2() - l.p1()) * step / 20;
      if (nearOtherLine(l, p) || window->childAt(p)) continue;
      const Rgb want = *d.foreColor;
      EXPECT_EQ(image.pixelColor(p), QColor(want.r, want.g, want.b)) << d.name << " at " << p.x() << "," << p.y();
      ++checked;
    }
    EXPECT_GT(checked, 0) << d.name;
  }
}

TEST_F(WindowPixels, HintIsANavyBoxWithABorder) {
  const QImage image = snapshot();
  const PixelRect r = clientRect(Справка);
  EXPECT_EQ(image.pixelColor(r.x, r.y + r.height / 2), QColor(Qt::black));
  EXPECT_EQ(image.pixelColor(r.x + 2, r.y + r.height - 3), QColor(0, 0, 128));
  EXPECT_EQ(image.pixelColor(r.x + r.width - 3, r.y + 2), QColor(0, 0, 128));
  int text = 0;
  for (int x = r.x; x < r.x + r.width; ++x) {
    for (int y = r.y; y < r.y + r.height; ++y) {
      if (image.pixelColor(x, y) == QColor(255, 255, 128)) ++text;
    }
  }
  EXPECT_GT(text, 200) << "the hint's yellow letters";
}

TEST_F(WindowPixels, BricksShowBetweenTheLettersOfTransparentLabels) {
  const QImage image = snapshot();
  for (Id label : {Глава, Виток, findElement("Label2")}) {
    const PixelRect r = clientRect(label);
    int wall = 0, letters = 0;
    for (int x = r.x; x < r.x + r.width; ++x) {
      for (int y = r.y; y < r.y + r.height; ++y) {
        const QColor c = image.pixelColor(x, y);
        if (c.green() == 0 && c.blue() == 0) {
          ++wall;
        } else {
          ++letters;
        }
      }
    }
    EXPECT_GT(wall, letters) << displayName(label);
    EXPECT_GT(letters, 50) << displayName(label);
  }
}

TEST_F(WindowPixels, AnimationFrameSitsSeamlesslyOnTheWall) {
  window->form().tick();  // frame 1: the signature, rows 8 to 21 of the frame
  window->sync();
  const QImage image = snapshot();
  const QImage wall = embeddedPicture(QStringLiteral("wall"));
  ASSERT_FALSE(wall.isNull());
  // Above the lettering the frame is the wall itself, pixel for pixel, and so
  // is the wall all around the box.
  for (int y = 20; y < 23 + 8; ++y) {
    for (int x = 20; x < 126; ++x) {
      ASSERT_EQ(image.pixel(x, y), wall.pixel(x, y)) << x << "," << y;
    }
  }
  int lettering = 0;
  for (int y = 23 + 8; y <= 23 + 21; ++y) {
    for (int x = 23; x < 123; ++x) lettering += image.pixel(x, y) != wall.pixel(x, y);
  }
  EXPECT_GT(lettering, 100) << "the signature is shown";
}

}  // namespace
}  // namespace ringcoil::testing
