// The real window: events reach the elements the routing says, and the
// widgets follow the core's state.
#include <QClipboard>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QToolTip>
#include <set>

#include "../dialogue/form_fixture.hpp"
#include "dialogue/keys.hpp"
#include "presentation/widgets/fonts.hpp"
#include "window/focus.hpp"
#include "window_fixture.hpp"

namespace ringcoil::testing {
namespace {

using namespace el;

TEST_F(WindowTest, FixedClientAreaTitleAndIcon) {
  EXPECT_EQ(window->size(), QSize(485, 325));
  EXPECT_EQ(window->minimumSize(), window->maximumSize());
  window->resize(600, 400);
  EXPECT_EQ(window->size(), QSize(485, 325));
  EXPECT_EQ(window->windowTitle(), QString::fromUtf8("Штучка от KELVANO"));
  EXPECT_FALSE(window->windowIcon().isNull());
}

TEST_F(WindowTest, WidgetsStartAsTheLoadedStateSays) {
  EXPECT_TRUE(widget(Ввод)->isVisible());
  EXPECT_TRUE(widget(aaa)->isVisible());
  for (Id hidden : {aaaa, Command2, Command6, Q5, Q6, Фон1}) {
    EXPECT_FALSE(widget(hidden)->isVisible()) << displayName(hidden);
  }
  EXPECT_EQ(widget(Picture1)->geometry(), QRect(23, 23, 100, 34));
  EXPECT_EQ(widget(Фон1)->geometry(), QRect(135, 66, 340, 247));
  EXPECT_EQ(static_cast<QPushButton*>(widget(Command1))->text(), QString::fromUtf8("Выход"));
  // The animation clock ticks every 80 ms, on time (the fixture has stopped it).
  EXPECT_EQ(window->clock().interval(), 80);
  EXPECT_EQ(window->clock().timerType(), Qt::PreciseTimer);
}

// The user's gesture that raises `event` on a widget at a point of it; a
// new kind of event does not build until it has one here.
void raise(Event event, QWidget* on, QPoint at) {
  switch (event) {
    case Event::Click:
      return QTest::mouseClick(on, Qt::LeftButton, {}, at);
    case Event::MouseMove:
      return QTest::mouseMove(on, at);
    case Event::Load:
    case Event::Timer:
      break;
  }
  ADD_FAILURE() << "no user raises " << namesOf(event).handlerSuffix;
}

// Each handler row of a user's event on an element in sight at start, its
// gesture made on the real window (on the element's widget, or on the
// surface where the element is painted), leaves the state the event leaves
// in the core: a Qt event routed to the wrong event, or to none, fails here.
// Every kind a user raises is tried.
TEST_F(WindowTest, EachGestureDoesWhatItsEventDoesInTheCore) {
  std::set<Event> tried;
  for (const Form1::Handler& handler : Form1::handlers()) {
    RecordingHost host;
    Form1 core(host);
    core.load();
    core.typeText("12,5");  // a value a step may take or clear
    const std::optional<Id> target = handler.element;
    if (namesOf(handler.event).verb.empty() || (target && !inSight(core.state(), *target))) continue;
    SCOPED_TRACE(Form1::handlerName(handler));
    open();
    window->form().typeText("12,5");
    window->sync();
    moveTo(-10, -10);  // the pointer comes from outside
    if (QWidget* widget = target ? this->widget(*target) : nullptr) {
      raise(handler.event, widget, widget->rect().center());
    } else {  // the middle one of the pixels where the element (or the bare surface) is front-most
      const PixelRect r = target ? clientRect(*target) : PixelRect{0, 0, kClientWidthPx, kClientHeightPx};
      std::vector<QPoint> at;
      for (int i = 0; i < r.width * r.height; ++i) {
        if (elementAt(core.state(), r.x + i % r.width, r.y + i / r.width) == target) {
          at.emplace_back(r.x + i % r.width, r.y + i / r.width);
        }
      }
      ASSERT_FALSE(at.empty());
      raise(handler.event, window.get(), at[at.size() / 2]);
    }
    core.fire(target, handler.event);
    for (std::size_t i = 0; i < kElementCount; ++i) {
      const Id id = static_cast<Id>(i);
      EXPECT_EQ(state().visible(id), core.state().visible(id)) << displayName(id);
      EXPECT_EQ(state().caption(id), core.state().caption(id)) << displayName(id);
    }
    tried.insert(handler.event);
  }
  for (const Event event : kEvents) EXPECT_EQ(tried.contains(event), !namesOf(event).verb.empty());
}

TEST_F(WindowTest, TypedAndPastedTextGoesIntoTheModel) {
  display()->setFocus();
  QTest::keyClicks(display(), "12,5");
  EXPECT_EQ(state().caption(Text1), "12,5");
  const QString pasted(100000, QLatin1Char('7'));
  display()->clear();
  QGuiApplication::clipboard()->setText(pasted);
  display()->paste();
  EXPECT_EQ(state().caption(Text1).size(), 100000u);
  EXPECT_EQ(display()->text(), pasted);
}

TEST_F(WindowTest, EnterAtStartPressesExit) {
  window->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
  EXPECT_EQ(QApplication::focusWidget(), widget(Command1));
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
  EXPECT_TRUE(window->form().ended());
  EXPECT_FALSE(window->isVisible());
  EXPECT_EQ(applicationEnds, 1);
}

TEST_F(WindowTest, TabGoesRoundTheTabOrderPastHiddenElements) {
  window->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
  const auto cycle = [] {
    std::vector<QWidget*> visited{QApplication::focusWidget()};
    for (int i = 0; i < 40; ++i) {
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
      if (QApplication::focusWidget() == visited.front()) break;
      visited.push_back(QApplication::focusWidget());
    }
    return visited;
  };
  // By tab index: «Выход» 0, the display 1, the keys «3» to «0» 2 to 10, «#» 11,
  // the animation 26, the keys «1» and «2» 32 and 33, «Ввод» 34.
  std::vector<QWidget*> expected = {widget(Command1), widget(Text1)};
  for (int key = 2; key <= 10; ++key) expected.push_back(widget(aa(key)));
  for (Id id : {aaa, Picture1, aa(0), aa(1), Ввод}) expected.push_back(widget(id));
  EXPECT_EQ(cycle(), expected);

  // With the help open the pages and their button join in; «Далее» (63)
  // between «Фон1» (62) and the pages it lies under.
  clickAt(300, 30);
  expected.insert(expected.end(), {widget(Фон1), widget(Далее)});
  EXPECT_EQ(cycle(), expected);
  // Page 2 covers page 1's button: Tab passes over it.
  click(Далее);
  widget(Command1)->setFocus();
  expected.erase(expected.end() - 1);
  expected.insert(expected.end(), {widget(Фоно), widget(Далеее)});
  EXPECT_EQ(cycle(), expected);

  // Tab into the display selects its text, and Shift+Tab back too, as a
  // line edit does, so that a value typed there replaces it.
  window->form().typeText("12,5");
  window->sync();
  widget(Command1)->setFocus();
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
  ASSERT_EQ(QApplication::focusWidget(), widget(Text1));
  EXPECT_EQ(display()->selectedText(), QString::fromUtf8("12,5"));
  widget(aa(2))->setFocus();
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
  ASSERT_EQ(QApplication::focusWidget(), widget(Text1));
  EXPECT_EQ(display()->selectedText(), QString::fromUtf8("12,5"));
}

// When an operation hides or covers the focused element, the focus goes to
// the element of the user's next step, never round to «Выход».
TEST_F(WindowTest, FocusGoesToTheNextStepWhenItsElementGoes) {
  window->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
  const auto press = [](Id id, QWidget* w) {
    EXPECT_EQ(QApplication::focusWidget(), w) << "before pressing " << displayName(id);
    QTest::keyClick(w, Qt::Key_Space);
  };
  const auto focusOn = [this](Id id) { widget(id)->setFocus(Qt::OtherFocusReason); };
  const auto focused = [] { return QApplication::focusWidget(); };

  // «#»: the display reset hands over to the full reset in its place, and a
  // second Space is the full reset.
  focusOn(aaa);
  press(aaa, widget(aaa));
  EXPECT_EQ(focused(), widget(aaaa));
  press(aaaa, widget(aaaa));
  EXPECT_EQ(state().caption(Справка), "Начнём всё сначала ! Наведи мышку на искомый параметр");

  // Each «?» leads on to the first Enter button; each Enter button to the next.
  struct Chain {
    QPoint name;
    Id choose;
    Id lastStage;
  };
  for (const Chain& chain : {Chain{{250, 210}, Q5, Command6}, Chain{{250, 240}, Q6, Command5}}) {
    SCOPED_TRACE(displayName(chain.choose));
    moveTo(chain.name.x(), chain.name.y());
    focusOn(chain.choose);
    press(chain.choose, widget(chain.choose));
    EXPECT_EQ(focused(), widget(Ввод));
    const std::pair<Id, const char*> stages[] = {
        {Ввод, "1"}, {Command2, "2"}, {Command3, "1"}, {Command4, "1"}, {chain.lastStage, "1"}};
    for (const auto& [stage, value] : stages) {
      window->form().typeText(value);  // the display, typed without moving the focus
      window->sync();
      press(stage, focused());
    }
    EXPECT_EQ(focused(), widget(Command6)) << "the answer button";
    EXPECT_TRUE(errors.empty());
    focusOn(aaaa);
    press(aaaa, widget(aaaa));
  }
}

TEST_F(WindowTest, AfterTheHelpTourTheFocusIsWhereItWas) {
  window->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
  const auto tour = [this] {
    clickAt(300, 30);  // the title
    click(Далее);
    EXPECT_EQ(QApplication::focusWidget(), widget(Далеее)) << "page 2's button";
    click(Далеее);
    EXPECT_EQ(QApplication::focusWidget(), widget(Закрыть)) << "page 3's button";
    click(Закрыть);
    EXPECT_EQ(QApplication::focusWidget(), widget(Автор)) << "the author page";
    clickWidgetAt(250, 170);  // the author page closes the help
    EXPECT_FALSE(widget(Фон1)->isVisible());
  };
  widget(aa(3))->setFocus();
  tour();
  EXPECT_EQ(QApplication::focusWidget(), widget(aa(3)));
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
  EXPECT_EQ(display()->text(), QString::fromUtf8("4"));

  // The element focused before is gone by the end of the tour: the Enter
  // button of the stage takes the focus, and Enter runs it.
  widget(Ввод)->setFocus();
  clickAt(300, 30);
  click(Ввод);  // the keypad column stays usable under open pages
  EXPECT_EQ(QApplication::focusWidget(), widget(Command2));
  click(Далее);
  click(Далеее);
  click(Закрыть);
  clickWidgetAt(250, 170);
  EXPECT_EQ(QApplication::focusWidget(), widget(Command2));
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
  EXPECT_FALSE(window->form().ended());
  EXPECT_EQ(applicationEnds, 0);
}

TEST_F(WindowTest, PointersFollowTheElementUnderTheMouse) {
  struct Place {
    const char* what;
    QPoint at;
    QPoint hotSpot;  // of the pointer picture; the arrow is the platform's own
    bool bitmap;
  } places[] = {
      {"the title's help pointer", {300, 30}, {2, 2}, true},
      {"the red arrow over the turns name", {250, 210}, {0, 0}, true},
      {"the red arrow over the inductance name", {250, 240}, {0, 0}, true},
      {"the squares over the window's surface", {10, 10}, {15, 15}, true},
      {"the standard pointer over another name", {250, 90}, {}, false},
  };
  for (const Place& place : places) {
    SCOPED_TRACE(place.what);
    moveTo(place.at.x(), place.at.y());
    const QCursor cursor = window->cursor();
    EXPECT_EQ(cursor.shape() == Qt::BitmapCursor, place.bitmap);
    if (place.bitmap) {
      EXPECT_EQ(cursor.hotSpot(), place.hotSpot);
      EXPECT_EQ(cursor.pixmap().size(), QSize(32, 32));
    } else {
      EXPECT_EQ(cursor.shape(), Qt::ArrowCursor);
    }
  }
}

TEST_F(WindowTest, TooltipsOfPaintedAndRealElements) {
  QHelpEvent overTitle(QEvent::ToolTip, QPoint(300, 30), window->mapToGlobal(QPoint(300, 30)));
  QApplication::sendEvent(window.get(), &overTitle);
  EXPECT_EQ(QToolTip::text(), QString::fromUtf8("Подробнее"));
  QHelpEvent overSurface(QEvent::ToolTip, QPoint(10, 10), window->mapToGlobal(QPoint(10, 10)));
  QApplication::sendEvent(window.get(), &overSurface);
  EXPECT_FALSE(overSurface.isAccepted()) << "no tooltip over the bare wall";
  EXPECT_EQ(widget(aaa)->toolTip(), QString::fromUtf8("Сброс"));

  // A value cell too narrow for its value tells the whole of it.
  window->form().fire(Индукт, Event::MouseMove);
  window->form().fire(Q6, Event::Click);
  for (const auto& [enter, value] : {std::pair{Ввод, "2000"}, std::pair{Command2, "20"},
                                     std::pair{Command3, "10"}, std::pair{Command4, "5"},
                                     std::pair{Command5, "10"}}) {
    window->form().typeText(value);
    window->form().fire(enter, Event::Click);
  }
  window->sync();
  const auto tipAt = [this](QPoint at) {
    QToolTip::hideText();
    QHelpEvent help(QEvent::ToolTip, at, window->mapToGlobal(at));
    QApplication::sendEvent(window.get(), &help);
    return help.isAccepted() ? QToolTip::text() : QString();
  };
  EXPECT_EQ(tipAt({394, 242}), QString::fromUtf8("133,333333333333")) << "the inductance cell";
  EXPECT_EQ(tipAt({394, 96}), QString()) << "«2000» fits its cell";
  EXPECT_EQ(widget(Автор)->toolTip(), QString::fromUtf8("Нажми мышку"));
}

// The keys reach what the mouse reaches: a mode, the keypad, the Enter
// buttons, the help pages. None reaches what the mouse could not.
TEST_F(WindowTest, KeysReachWhatTheMouseReaches) {
  window->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
  const auto key = [](int code, Qt::KeyboardModifiers modifiers = {}) {
    QTest::keyClick(QApplication::focusWidget(), static_cast<Qt::Key>(code), modifiers);
  };
  const auto type = [](const char* text) { QTest::keyClicks(QApplication::focusWidget(), text); };

  key(Qt::Key_L, Qt::AltModifier);  // the inductance mode, focus on «Ввод»
  EXPECT_EQ(state().caption(Справка), "Набери на калькуляторе величину магнитной проницаемости кольца и нажми 'Ввод'");
  EXPECT_TRUE(state().visible(Индукт2));
  EXPECT_EQ(QApplication::focusWidget(), widget(Ввод));
  key(Qt::Key_N, Qt::AltModifier);  // a mode is chosen: nothing happens
  EXPECT_EQ(state().caption(Z), "");

  // Digits and the comma (or a point) press the keypad; Enter the button.
  for (const char* value : {"2000", "20", "10", "5", "1.5"}) {
    type(value);
    key(Qt::Key_Return);
  }
  EXPECT_EQ(state().caption(Окно5), "1,5");
  EXPECT_EQ(state().caption(Окно6), "3");
  EXPECT_EQ(QApplication::focusWidget(), widget(Command6));
  EXPECT_EQ(state().KeyState, "NUMS") << "the keypad's own operation ran";

  // With Ctrl or Alt a digit is no keypad key.
  key(Qt::Key_7, Qt::ControlModifier);
  key(Qt::Key_7, Qt::AltModifier);
  EXPECT_EQ(display()->text(), QString());

  // In the display the keys are typing, and Enter starts nothing.
  widget(Text1)->setFocus();
  type("7.5");
  key(Qt::Key_Return);
  EXPECT_EQ(display()->text(), QString::fromUtf8("7.5"));
  EXPECT_EQ(state().caption(Справка), "Получи ответ'");

  // F1 opens the help with the focus on its button; Enter pages on, and on
  // the author page closes the help, the focus back where it was.
  key(Qt::Key_F1);
  EXPECT_TRUE(widget(Фон1)->isVisible());
  EXPECT_EQ(QApplication::focusWidget(), widget(Далее));
  key(Qt::Key_L, Qt::AltModifier);  // the names lie under the page
  EXPECT_FALSE(state().visible(Q6));
  for (const Id next : {Далеее, Закрыть, Автор}) {
    key(Qt::Key_Return);
    EXPECT_EQ(QApplication::focusWidget(), widget(next));
  }
  key(Qt::Key_Space);
  EXPECT_FALSE(widget(Фон1)->isVisible());
  EXPECT_EQ(QApplication::focusWidget(), widget(Text1));

  // Enter and Esc close it from the author page too; Esc elsewhere does not.
  for (const Qt::Key closing : {Qt::Key_Return, Qt::Key_Escape}) {
    key(Qt::Key_F1);
    key(Qt::Key_Escape);
    EXPECT_TRUE(widget(Фон1)->isVisible()) << "Esc on page 1";
    for (int page = 0; page < 3; ++page) key(Qt::Key_Return);
    ASSERT_EQ(QApplication::focusWidget(), widget(Автор));
    key(closing);
    EXPECT_FALSE(widget(Фон1)->isVisible()) << QKeySequence(closing).toString().toStdString();
    EXPECT_EQ(QApplication::focusWidget(), widget(Text1));
  }
}

// The display keeps the keys a line edit uses: a key (but the window's
// shortcuts, which come first) that changes a plain line edit's text, cursor
// or selection is one the display takes as typing.
TEST(WindowKeys, TheDisplayKeepsTheKeysALineEditUses) {
  for (const KeyBinding& binding : kKeys) {
    QLineEdit edit(QStringLiteral("12,5"));
    edit.setCursorPosition(2);
    QTest::keySequence(&edit, QKeySequence::fromString(qText(binding.keys), QKeySequence::PortableText));
    const bool used = edit.text() != QStringLiteral("12,5") || edit.cursorPosition() != 2 || edit.hasSelectedText();
    EXPECT_TRUE(!used || binding.typedByDisplay || isShortcut(binding.action)) << binding.keys;
  }
}

// The real message box: modal, in Russian, naming the error; the window goes
// on afterwards with what the user entered.
TEST(WindowErrors, FailedCalculationShowsAMessageBoxAndGoesOn) {
  FormWindow window;
  window.stopClock();
  window.show();
  QString shownText;
  QTimer::singleShot(0, [&] {
    if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
      shownText = box->text();
      box->accept();
    }
  });
  window.form().fire(el::Виток, Event::MouseMove);
  window.form().fire(el::Q5, Event::Click);
  window.form().fire(el::Ввод, Event::Click);  // empty mu
  for (Id enter : {el::Command2, el::Command3, el::Command4, el::Command6}) {
    window.form().fire(enter, Event::Click);
  }
  window.sync();
  EXPECT_EQ(shownText, QString::fromUtf8("Ошибка 13: несоответствие типа"));
  EXPECT_TRUE(window.widgetFor(el::Command6)->isVisible());
  EXPECT_EQ(window.state().caption(el::Окно5), "Ответ");
}

}  // namespace
}  // namespace ringcoil::testing
