// What a person sees of the values and the buttons, checked on the window's
// pixels against figures of the window's description: rectangles in pixels,
// colours, and the text each cell must show, drawn for reference in the
// cell's face.
#include <QImage>
#include <QPainter>
#include <QPushButton>
#include <string>
#include <vector>

#include "presentation/widgets/artwork.hpp"
#include "presentation/widgets/fonts.hpp"
#include "window_fixture.hpp"

namespace ringcoil::testing {
namespace {

using namespace el;

QImage grabOf(FormWindow& window) {
  return window.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// The pixels of `rect` that differ between two pictures of the client area.
std::vector<QPoint> differing(const QImage& a, const QImage& b, const QRect& rect) {
  std::vector<QPoint> found;
  for (int y = rect.top(); y <= rect.bottom(); ++y) {
    for (int x = rect.left(); x <= rect.right(); ++x) {
      if (a.pixel(x, y) != b.pixel(x, y)) found.emplace_back(x, y);
    }
  }
  return found;
}

// --- Value cells -------------------------------------------------------------

// The value cells, in pixels (twips / 15), and what they show: cyan, bold
// italic "MS Sans Serif" 13.5 pt, left-aligned.
struct Cell {
  Id id;
  QRect rect;
};
const Cell kμ{Окно1, {362, 84, 64, 24}};
const Cell kD{Окно2, {360, 112, 68, 24}};
const Cell kN{Окно5, {358, 200, 69, 24}};
const Cell kL{Окно6, {360, 230, 68, 24}};

struct CellCase {
  const char* name;
  Cell cell;
  std::string caption;
  const char* shown;  // the one line seen, from the cell's left edge; what
                      // runs past the right edge is cut off
};

void PrintTo(const CellCase& c, std::ostream* os) {
  *os << c.name;
}

class ValueCells : public WindowTest, public ::testing::WithParamInterface<CellCase> {
 protected:
  // Enters `caption` as the value of the cell's row, "1" for the rows before
  // it: in turns mode for L, in inductance mode for the others.
  void enter(Id cell, const std::string& caption) {
    Form1& form = window->form();
    const bool turns = cell == Окно6;
    form.fire(turns ? Виток : Индукт, Event::MouseMove);
    form.fire(turns ? Q5 : Q6, Event::Click);
    const Id stages[] = {Ввод, Command2, Command3, Command4, turns ? Command6 : Command5};
    const Id cells[] = {Окно1, Окно2, Окно3, Окно4, turns ? Окно6 : Окно5};
    for (int stage = 0; stage < 5; ++stage) {
      form.typeText(cells[stage] == cell ? caption : "1");
      form.fire(stages[stage], Event::Click);
      if (cells[stage] == cell) break;
    }
    window->sync();
    ASSERT_EQ(state().caption(cell), caption);
  }
};

TEST_P(ValueCells, ShowOneLineFromTheLeftEdgeThatReadsAsTheSameNumber) {
  const CellCase& c = GetParam();
  enter(c.cell.id, c.caption);
  const QImage seen = grabOf(*window);

  QImage expected = embeddedPicture(QStringLiteral("wall")).convertToFormat(QImage::Format_RGB32);
  QPainter painter(&expected);
  // The table's lines beside the value column, beneath the text: the name
  // divider 4 pixels wide at x = 357, the unit divider 3 pixels wide at 429.
  painter.fillRect(355, 80, 4, 175, QColor(0, 0, 192));
  painter.fillRect(428, 80, 3, 175, QColor(0, 0, 255));
  painter.setClipRect(c.cell.rect);
  painter.setFont(fontFor(FontDef{.face = "MS Sans Serif", .points = 13.5, .italic = true}));
  painter.setPen(QColor(0, 255, 255));
  painter.drawText(c.cell.rect, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine,
                   QString::fromUtf8(c.shown));
  painter.end();
  // The cell and two columns of wall to its right, where nothing may show.
  const QRect compared = c.cell.rect.adjusted(0, 0, 2, 0);
  const std::vector<QPoint> wrong = differing(seen, expected, compared);
  EXPECT_TRUE(wrong.empty()) << "the cell shows other than «" << c.shown << "»: " << wrong.size()
                             << " pixels differ, the first at " << wrong.front().x() << ","
                             << wrong.front().y();
}

std::string hostileNumber() {
  std::string text = "1,";
  text.append(1'000'000 - text.size(), '3');
  return text;
}

INSTANTIATE_TEST_SUITE_P(
    Captions, ValueCells,
    ::testing::Values(
        // Cut off after the whole part, the answers read as the same numbers
        // to fewer digits.
        CellCase{"InductanceAnswer", kL, "133,333333333333", "133,333333333333"},
        CellCase{"TurnsAnswer", kN, "8,66025403784439", "8,66025403784439"},
        CellCase{"RecomputedTurns", kN, "9,99999999999999", "9,99999999999999"},
        CellCase{"Short", kμ, "2000", "2000"},
        CellCase{"WithBlanksThatFits", kD, "12 345", "12 345"},
        CellCase{"NotANumber", kμ, "Ответ,Ответ", "Ответ,Ответ"},
        CellCase{"HostileMillionCharacters", kμ, hostileNumber(), "1,33333333333333"},
        // Cutting these would hide the exponent or digits of the whole part:
        // they are rounded to what fits, in the exponent form.
        CellCase{"ExponentForm", kμ, "1,23456789012346E+15", "1E+15"},
        CellCase{"ExponentFormInAWiderCell", kL, "1,23456789012346E+15", "1,2E+15"},
        CellCase{"SixteenDigitWholePart", kD, "1234567890123456", "1,2E+15"},
        CellCase{"EightDigitWholePart", kD, "13333333,3333333", "1,3E+07"},
        CellCase{"NegativeSmall", kN, "-8,66025403784439E-07", "-8,7E-07"}),
    [](const auto& info) { return std::string(info.param.name); });

// --- Push buttons ------------------------------------------------------------

struct ButtonPlace {
  Id id;
  QRect rect;  // in the client area: twips / 15
};

// Every push button fills its rectangle: no pixel of it shows the wall (or
// the page) behind, and the wall shows right outside it.
class ButtonFaces : public WindowTest {
 protected:
  void expectFills(const QImage& seen, const QImage& behind, const ButtonPlace& b,
                   const char* how) {
    for (int y = b.rect.top(); y <= b.rect.bottom(); ++y) {
      for (int x = b.rect.left(); x <= b.rect.right(); ++x) {
        ASSERT_NE(seen.pixel(x, y), behind.pixel(x, y))
            << displayName(b.id) << " " << how << ": the ground shows at " << x << "," << y;
      }
    }
    const QRect ring = b.rect.adjusted(-1, -1, 1, 1);
    for (int x = ring.left(); x <= ring.right(); ++x) {
      for (int y : {ring.top(), ring.bottom()}) {
        ASSERT_EQ(seen.pixel(x, y), behind.pixel(x, y))
            << displayName(b.id) << " " << how << ": the button reaches " << x << "," << y;
      }
    }
    for (int y = ring.top(); y <= ring.bottom(); ++y) {
      for (int x : {ring.left(), ring.right()}) {
        ASSERT_EQ(seen.pixel(x, y), behind.pixel(x, y))
            << displayName(b.id) << " " << how << ": the button reaches " << x << "," << y;
      }
    }
  }

  // The button plain, with the focus, and held down.
  void expectFillsInEveryState(const QImage& behind, const ButtonPlace& b) {
    QWidget* button = widget(b.id);
    ASSERT_TRUE(button->isVisible()) << displayName(b.id);
    window->widgetFor(Text1)->setFocus();
    expectFills(grabOf(*window), behind, b, "plain");
    button->setFocus();
    expectFills(grabOf(*window), behind, b, "focused");
    static_cast<QPushButton*>(button)->setDown(true);
    expectFills(grabOf(*window), behind, b, "pressed");
    static_cast<QPushButton*>(button)->setDown(false);
  }

  QImage wall() const {
    return embeddedPicture(QStringLiteral("wall")).convertToFormat(QImage::Format_RGB32);
  }
  // A page picture as it lies in the client area: Фон1 at (135, 66), inside
  // its two-pixel frame, the inner pages two pixels further in.
  QImage page(const char* name, int inset) const {
    QImage client = wall();
    QPainter painter(&client);
    painter.drawImage(135 + inset, 66 + inset, embeddedPicture(QString::fromLatin1(name)));
    return client;
  }
};

TEST_F(ButtonFaces, EveryButtonFillsItsRectangle) {
  const QImage behindWindow = wall();
  const int columns[] = {21, 57, 93};
  const int rows[] = {108, 144, 180, 216};
  for (int key = 0; key < 11; ++key) {
    expectFillsInEveryState(behindWindow, {aa(key), {columns[key % 3], rows[key / 3], 33, 33}});
  }
  expectFillsInEveryState(behindWindow, {aaa, {93, 216, 33, 33}});
  expectFillsInEveryState(behindWindow, {Ввод, {21, 252, 106, 22}});
  expectFillsInEveryState(behindWindow, {Command1, {21, 286, 104, 21}});

  moveTo(250, 210);  // over «Количество витков»: its «?» appears
  expectFillsInEveryState(behindWindow, {Q5, {384, 201, 19, 23}});
  moveTo(250, 240);  // over «Индуктивность»
  expectFillsInEveryState(behindWindow, {Q6, {384, 231, 19, 22}});

  // The later Enter buttons are two pixels taller; the full reset is wider.
  Form1& form = window->form();
  form.fire(Q6, Event::Click);
  form.typeText("1");  // every value 1: the last stage computes
  const Id chain[] = {Ввод, Command2, Command3, Command4, Command5, Command6};
  for (int stage = 1; stage < 6; ++stage) {
    form.fire(chain[stage - 1], Event::Click);
    form.typeText("1");
    window->sync();
    expectFillsInEveryState(behindWindow, {chain[stage], {21, 252, 106, 24}});
  }
  form.fire(aaa, Event::Click);
  window->sync();
  expectFillsInEveryState(behindWindow, {aaaa, {92, 216, 35, 33}});

  clickAt(300, 30);  // the title opens the help pages
  expectFillsInEveryState(page("page1", 2), {Далее, {398, 239, 67, 22}});
  click(Далее);
  expectFillsInEveryState(page("page2", 4), {Далеее, {271, 286, 67, 19}});
  click(Далеее);
  expectFillsInEveryState(page("page3", 4), {Закрыть, {394, 283, 67, 19}});
}

// The focus mark of a push button: a dotted rectangle just inside the
// two-pixel bevel, on all four sides, drawn under the caption. Against the
// same button without the focus, every changed pixel lies on that ring and
// is darker: the mark crosses no letter's middle and lightens no ink.
TEST_F(ButtonFaces, TheFocusMarkRunsInsideTheBevelUnderTheCaption) {
  for (const ButtonPlace& b : {ButtonPlace{Command1, {21, 286, 104, 21}},
                               ButtonPlace{Ввод, {21, 252, 106, 22}},
                               ButtonPlace{aa(0), {21, 108, 33, 33}},
                               ButtonPlace{aa(9), {21, 216, 33, 33}}}) {
    SCOPED_TRACE(displayName(b.id));
    window->widgetFor(Text1)->setFocus();
    const QImage plain = grabOf(*window);
    widget(b.id)->setFocus();
    const QImage focused = grabOf(*window);
    const QRect mark = b.rect.adjusted(2, 2, -2, -2);
    int top = 0, bottom = 0, left = 0, right = 0;
    for (int y = b.rect.top(); y <= b.rect.bottom(); ++y) {
      for (int x = b.rect.left(); x <= b.rect.right(); ++x) {
        if (plain.pixel(x, y) == focused.pixel(x, y)) continue;
        const bool onMark = mark.contains(x, y) && !mark.adjusted(1, 1, -1, -1).contains(x, y);
        ASSERT_TRUE(onMark) << "changed off the mark at " << x << "," << y;
        // Its dots darken the face, and the soft edge of a letter lying over
        // them; no gap of the mark lightens a letter.
        ASSERT_LT(QColor(focused.pixel(x, y)).lightness(), QColor(plain.pixel(x, y)).lightness())
            << "lightened at " << x << "," << y;
        top += y == mark.top();
        bottom += y == mark.bottom();
        left += x == mark.left();
        right += x == mark.right();
      }
    }
    // Dotted: about every other pixel of a side, less where letters cross it.
    EXPECT_GE(top, mark.width() / 4);
    EXPECT_GE(bottom, mark.width() / 4);
    EXPECT_GE(left, mark.height() / 4);
    EXPECT_GE(right, mark.height() / 4);
  }
}

}  // namespace
}  // namespace ringcoil::testing
