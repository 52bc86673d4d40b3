// Text no one should type, pasted into the real window's display, confirmed
// and calculated: the window answers in bounded time, shows an error or a
// value, and keeps exactly what was entered.
#include <QClipboard>
#include <QElapsedTimer>
#include <iostream>

#include "window_fixture.hpp"

namespace ringcoil::testing {
namespace {

using namespace el;

class HostileInput : public WindowTest {
 protected:
  // Inductance mode, with `text` pasted as mu and sound values after it.
  // Returns the milliseconds the last Enter (the calculation) took.
  qint64 calculateWithMu(const QString& text) {
    if (widget(aaa)->isVisible()) click(aaa);
    click(aaaa);
    moveTo(10, 10);
    moveTo(250, 240);  // over Индукт: its "?" appears
    click(Q6);
    display()->clear();
    window->form().typeText("");
    QGuiApplication::clipboard()->setText(text);
    display()->paste();
    enteredMu = display()->text();
    clickWidgetAt(60, 262);
    for (const char* value : {"20", "10", "5"}) {
      keys(value);
      clickWidgetAt(60, 262);
    }
    keys("10");
    QElapsedTimer timer;
    timer.start();
    clickWidgetAt(60, 262);
    QApplication::processEvents();  // the repaint of what changed
    return timer.elapsed();
  }
  QString enteredMu;
};

TEST_F(HostileInput, StrangeTextsEndInAnErrorOrAValueAndAreKept) {
  const QString texts[] = {
      QString::fromUtf8("1\t2"),
      QString::fromUtf8("\x01\x02\x7f"),
      QString::fromUtf8("\u202e2000\u202c"),       // right-to-left override
      QString::fromUtf8("\u0662\u0660\u0660\u0660"),  // Arabic-Indic digits
      QString::fromUtf8("𝟚𝟘𝟘𝟘"),                  // astral-plane digits
      QString::fromUtf8("2000\u00a0"),
      QString::fromUtf8("１２"),                   // full-width digits
      QStringLiteral("2000"),
  };
  for (const QString& text : texts) {
    SCOPED_TRACE(text.toStdString());
    errors.clear();
    calculateWithMu(text);
    // What the display held is what the value label holds, byte for byte.
    EXPECT_EQ(QString::fromStdString(state().caption(Окно1)), enteredMu);
    const bool answered = state().caption(Окно6) != "Ответ";
    EXPECT_NE(answered, !errors.empty()) << "an answer or an error, not both: Окно6 "
                                         << state().caption(Окно6) << ", " << errors.size()
                                         << " errors, hint " << state().caption(Справка);
    for (ErrorCode e : errors) EXPECT_EQ(e, ErrorCode::TypeMismatch);
  }
  EXPECT_EQ(state().caption(Окно6), "133,333333333333") << "the sound value still works";
}

TEST_F(HostileInput, LongPastesAreCalculatedInTimeThatGrowsLinearly) {
  // Digit runs: a number of 10^5 or 10^6 digits overflows; the time to find
  // that must grow no faster than the text.
  qint64 previous = 0;
  for (const int length : {100000, 1000000}) {
    SCOPED_TRACE(length);
    errors.clear();
    const qint64 ms = calculateWithMu(QString(length, QLatin1Char('9')));
    EXPECT_EQ(errors, std::vector<ErrorCode>{ErrorCode::Overflow});
    EXPECT_EQ(state().caption(Окно1).size(), static_cast<std::size_t>(length));
    EXPECT_LT(ms, 2000) << "the window must stay responsive";
    // Every later repaint of the surface paints that value label again.
    QElapsedTimer repaint;
    repaint.start();
    moveTo(10, 10);
    moveTo(250, 210);
    window->repaint();
    EXPECT_LT(repaint.elapsed(), 200) << "a hover with the long value on screen";
    std::cout << length << " digits: calculation " << ms << " ms, hover and repaint "
              << repaint.elapsed() << " ms\n";
    if (previous > 0) {
      EXPECT_LT(ms, 10 * previous + 200) << "grows at most linearly";
    }
    previous = ms;
  }
  // A million digits after a leading comma is a small, valid number.
  errors.clear();
  calculateWithMu(QStringLiteral(",") + QString(1000000, QLatin1Char('1')));
  EXPECT_TRUE(errors.empty());
  EXPECT_EQ(state().caption(Окно6), "0,00740740740740741");  // (1/9) · 5000 / 75000
}

}  // namespace
}  // namespace ringcoil::testing
