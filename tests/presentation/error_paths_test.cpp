// Every way a calculation can fail, reached by clicking as a user does: the
// real message box names the error, and afterwards the window goes on with
// everything the user entered.
#include <QMessageBox>
#include <QTimer>

#include "window_fixture.hpp"

namespace ringcoil::testing {
namespace {

using namespace el;

class ErrorPaths : public WindowTest {
 protected:
  ErrorPaths() { window->presentError = nullptr; }  // the real message box

  // Clicks the front-most Enter button, answering the message box it may
  // raise; returns the box's text, or an empty text when none came up.
  QString enterExpectingBox() {
    QString text;
    QTimer::singleShot(0, [&text] {
      if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
        text = box->text();
        box->accept();
      }
    });
    clickWidgetAt(60, 262);
    QApplication::processEvents();
    return text;
  }

  // Chooses a mode by hovering a name and pressing its "?", then enters
  // mu, D, d, h on the keypad.
  void startMode(Id name, Id question, const char* mu, const char* D, const char* d, const char* h) {
    const PixelRect r = clientRect(name);
    moveTo(10, 10);  // the pointer must move onto the name to reveal its "?"
    moveTo(r.x + 20, r.y + 10);
    ASSERT_TRUE(widget(question)->isVisible());
    click(question);
    for (const char* value : {mu, D, d, h}) {
      keys(value);
      clickWidgetAt(60, 262);
    }
  }
  void fullReset() {
    if (widget(aaa)->isVisible()) click(aaa);
    click(aaaa);
  }
};

TEST_F(ErrorPaths, EachFailureShowsItsMessageAndKeepsTheStage) {
  const std::string asksForN = "Набери на калькуляторе количество витков и нажми кнопку 'Ввод'";
  const std::string asksForL =
      "Набери на калькуляторе величину индуктивности катушки и нажми кнопку 'Ввод'";
  struct Case {
    const char* name;
    bool turnsMode;
    const char *mu, *D, *d, *h, *last;
    const char* message;
  };
  const Case cases[] = {
      {"zero over zero in inductance mode", false, "2000", "0", "0", "5", "10",
       "Ошибка 6: переполнение"},
      {"equal diameters in turns mode", true, "2000", "10", "10", "5", "100",
       "Ошибка 11: деление на ноль"},
      {"inner diameter larger in turns mode", true, "2000", "10", "20", "5", "100",
       "Ошибка 5: неверный вызов процедуры или аргумент"},
      {"two commas in mu", false, "1,2,3", "20", "10", "5", "10",
       "Ошибка 13: несоответствие типа"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    fullReset();
    if (c.turnsMode) {
      startMode(Виток, Q5, c.mu, c.D, c.d, c.h);
    } else {
      startMode(Индукт, Q6, c.mu, c.D, c.d, c.h);
    }
    keys(c.last);
    EXPECT_EQ(enterExpectingBox(), QString::fromUtf8(c.message));
    // The Enter button and the hint stay as before the click; the values stay.
    const Id stayingButton = c.turnsMode ? Command6 : Command5;
    EXPECT_TRUE(widget(stayingButton)->isVisible());
    EXPECT_EQ(state().caption(Справка), c.turnsMode ? asksForL : asksForN);
    EXPECT_EQ(state().caption(Окно1), c.mu);
    EXPECT_EQ(state().caption(Окно4), c.h);
    EXPECT_EQ(state().caption(c.turnsMode ? Окно6 : Окно5), c.last);
    EXPECT_EQ(state().caption(c.turnsMode ? Окно5 : Окно6), "Ответ");
    // The window goes on: the keypad still types.
    keys("7");
    EXPECT_EQ(display()->text(), QStringLiteral("7"));
    display()->clear();
    window->form().typeText("");
  }
}

}  // namespace
}  // namespace ringcoil::testing
