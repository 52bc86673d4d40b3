// What the window looks like, checked on its pixels.
#include <QImage>
#include <algorithm>
#include <functional>

#include "presentation/widgets/artwork.hpp"
#include "window/geometry.hpp"
#include "window_fixture.hpp"

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
      if (!state().shown(id) || d.kind == Kind::Timer) continue;
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
      lines.emplace_back(twipsToPixels(d.line.x1), twipsToPixels(d.line.y1),
                         twipsToPixels(d.line.x2), twipsToPixels(d.line.y2));
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
      EXPECT_EQ(image.pixelColor(p), QColor(want.r, want.g, want.b))
          << d.name << " at " << p.x() << "," << p.y();
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

// Pixels of `colour` exactly, within a rectangle of the client area.
int pixelsOf(const QImage& image, const QRect& rect, QColor colour) {
  int count = 0;
  for (int y = rect.top(); y <= rect.bottom(); ++y) {
    for (int x = rect.left(); x <= rect.right(); ++x) count += image.pixelColor(x, y) == colour;
  }
  return count;
}

// Each name shows in the colour of its role: green until a mode is chosen,
// then pink for the answer and yellow for the values to enter.
TEST_F(WindowPixels, NamesTakeTheColourOfTheirRole) {
  const QColor green(0, 255, 0), pink(255, 128, 255), yellow(255, 255, 0);
  // «Количество витков» and «Индуктивность», in pixels (twips / 15).
  const QRect turnsName(144, 198, 193, 24), inductanceName(144, 228, 153, 24);
  const QRect heightName(144, 168, 147, 24);  // «Высота кольца»
  struct Mode {
    const char* name;
    Id hover, choose;
    QColor turns, inductance;
  };
  for (const Mode& mode : {Mode{"before a mode is chosen", Виток, Виток, green, green},
                           Mode{"turns mode", Виток, Q5, pink, yellow},
                           Mode{"inductance mode", Индукт, Q6, yellow, pink}}) {
    SCOPED_TRACE(mode.name);
    window->form().fire(mode.hover, Event::MouseMove);
    if (mode.choose != mode.hover) window->form().fire(mode.choose, Event::Click);
    window->sync();
    const QImage image = snapshot();
    EXPECT_GT(pixelsOf(image, turnsName, mode.turns), 100);
    EXPECT_GT(pixelsOf(image, inductanceName, mode.inductance), 100);
    EXPECT_GT(pixelsOf(image, heightName, mode.turns == green ? green : yellow), 100);
    for (const QColor other : {green, pink, yellow}) {
      if (other != mode.turns) {
        EXPECT_EQ(pixelsOf(image, turnsName, other), 0);
      }
      if (other != mode.inductance) {
        EXPECT_EQ(pixelsOf(image, inductanceName, other), 0);
      }
    }
    window->form().fire(aaa, Event::Click);  // "#" twice: back to the green names
    window->form().fire(aaaa, Event::Click);
    window->sync();
  }
}

// The ink of a caption: its dark pixels on a button, or the pixels of its
// colour on the wall.
struct Ink {
  int left = 1 << 20, right = -1, top = 1 << 20, bottom = -1;
};
Ink inkOf(const QImage& image, const QRect& rect, const std::function<bool(QColor)>& isInk) {
  Ink ink;
  for (int y = rect.top(); y <= rect.bottom(); ++y) {
    for (int x = rect.left(); x <= rect.right(); ++x) {
      if (!isInk(image.pixelColor(x, y))) continue;
      ink = {std::min(ink.left, x), std::max(ink.right, x), std::min(ink.top, y),
             std::max(ink.bottom, y)};
    }
  }
  return ink;
}

// How far a caption's upright stroke leans, in pixels: its edge a quarter
// down the ink against three quarters down (clear of serifs, flags and
// descenders): the left edge of «В», the right edge of «1».
enum class Edge { Left, Right };
int leanOf(const QImage& image, const QRect& rect, Edge edge) {
  const auto dark = [](QColor c) { return c.lightness() < 80; };
  const Ink ink = inkOf(image, rect, dark);
  const auto edgeIn = [&](int y) {
    const Ink row = inkOf(image, QRect(rect.left(), y, rect.width(), 1), dark);
    return edge == Edge::Left ? row.left : row.right;
  };
  const int quarter = (ink.bottom - ink.top) / 4;
  return edgeIn(ink.top + quarter) - edgeIn(ink.bottom - quarter);
}

// The keys and «Выход» are italic, «Ввод» upright.
TEST_F(WindowPixels, ItalicCaptionsLean) {
  window->widgetFor(Text1)->setFocus();  // no focus mark on the buttons
  const QImage image = snapshot();
  // Inside the bevels: «1» (aa(0)) at (21, 108), «Ввод» at (21, 252),
  // «Выход» at (21, 286).
  EXPECT_GE(leanOf(image, QRect(24, 111, 27, 27), Edge::Right), 2) << "the key «1»";
  EXPECT_GE(leanOf(image, QRect(24, 289, 98, 15), Edge::Left), 1) << "«Выход»";
  EXPECT_EQ(leanOf(image, QRect(24, 255, 100, 16), Edge::Left), 0) << "«Ввод»";
}

// The title and the hint are centred line by line in their boxes.
TEST_F(WindowPixels, TitleAndHintAreCentredLineByLine) {
  window->form().fire(Индукт, Event::MouseMove);
  window->form().fire(Q6, Event::Click);  // a hint of two lines
  window->sync();
  const QImage image = snapshot();
  struct Box {
    const char* name;
    QRect rect;  // in pixels
    std::function<bool(QColor)> isInk;
    int lines;
  };
  const Box boxes[] = {
      {"the title", {159, 9, 298, 58}, [](QColor c) { return c.green() > 128; }, 2},
      {"the hint", {141, 265, 329, 38}, [](QColor c) { return c.red() > 128; }, 2},
  };
  for (const Box& box : boxes) {
    SCOPED_TRACE(box.name);
    // Lines are the runs of rows with ink.
    int lines = 0;
    for (int y = box.rect.top(); y <= box.rect.bottom();) {
      const Ink row = inkOf(image, QRect(box.rect.left(), y, box.rect.width(), 1), box.isInk);
      if (row.right < 0) {
        ++y;
        continue;
      }
      int end = y;
      while (end + 1 <= box.rect.bottom() &&
             inkOf(image, QRect(box.rect.left(), end + 1, box.rect.width(), 1), box.isInk).right >=
                 0) {
        ++end;
      }
      const Ink line =
          inkOf(image, QRect(box.rect.left(), y, box.rect.width(), end - y + 1), box.isInk);
      const int leftMargin = line.left - box.rect.left();
      const int rightMargin = box.rect.right() - line.right;
      EXPECT_GT(leftMargin, 5) << "line at y " << y;
      EXPECT_NEAR(leftMargin, rightMargin, 3) << "line at y " << y;
      ++lines;
      y = end + 1;
    }
    EXPECT_EQ(lines, box.lines);
  }
}

}  // namespace
}  // namespace ringcoil::testing
