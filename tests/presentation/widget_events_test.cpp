// The real window: events reach the elements the routing says, and the
// widgets follow the core's state.
#include <QClipboard>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QToolTip>

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
}

TEST_F(WindowTest, HoveringTheTurnsNameRevealsItsQuestionButton) {
  moveTo(250, 210);  // over Виток
  EXPECT_TRUE(widget(Q5)->isVisible());
  EXPECT_EQ(state().caption(Справка), "Если высчитываем количество витков - нажми кнопку '?'");
  QTest::mouseMove(widget(Q5), QPoint(5, 5));
  EXPECT_EQ(state().caption(Справка), "Нажми меня");
  moveTo(10, 10);
  EXPECT_FALSE(widget(Q5)->isVisible());
  EXPECT_EQ(state().caption(Справка), "Наведи мышку на искомый параметр");
}

TEST_F(WindowTest, AWholeCalculationByMouse) {
  moveTo(250, 240);  // over Индукт
  click(Q6);
  for (const char* value : {"2000", "20", "10", "5", "10"}) {
    keys(value);
    clickWidgetAt(60, 262);  // the Enter place: only the front-most button is hit
  }
  EXPECT_EQ(state().caption(Окно6), "133,333333333333");
  EXPECT_EQ(state().caption(Справка), "Получи ответ'");
  EXPECT_TRUE(widget(Command6)->isVisible());
  EXPECT_FALSE(widget(Command5)->isVisible());
  EXPECT_TRUE(errors.empty());
}

TEST_F(WindowTest, ClicksOnPaintedLabelsAndPagesReachTheirOperations) {
  clickAt(300, 30);  // the title
  EXPECT_TRUE(widget(Фон1)->isVisible());
  EXPECT_TRUE(widget(Далее)->isVisible());
  click(Далее);
  click(Далеее);
  click(Закрыть);
  EXPECT_TRUE(widget(Автор)->isVisible());
  // A click on the author page's surface closes every page.
  clickWidgetAt(250, 170);
  EXPECT_FALSE(widget(Фон1)->isVisible());
  EXPECT_FALSE(state().visible(Фоно));
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

TEST_F(WindowTest, KeypadAppendsAndTheDisplayFollows) {
  keys("1,5");
  EXPECT_EQ(display()->text(), QString::fromUtf8("1,5"));
  click(aaa);
  EXPECT_EQ(display()->text(), QString());
  EXPECT_TRUE(widget(aaaa)->isVisible());
  EXPECT_FALSE(widget(aaa)->isVisible());
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

TEST_F(WindowTest, TabOrderFollowsTabIndexesAndSkipsHiddenElements) {
  window->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
  std::vector<QWidget*> visited;
  for (int i = 0; i < 6; ++i) {
    visited.push_back(QApplication::focusWidget());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
  }
  const std::vector<QWidget*> expected = {widget(Command1), widget(Text1), widget(aa(2)),
                                          widget(aa(3)),    widget(aa(4)), widget(aa(5))};
  EXPECT_EQ(visited, expected);
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
  EXPECT_EQ(widget(Автор)->toolTip(), QString::fromUtf8("Нажми мышку"));
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
  window.form().raise(el::Виток, Event::MouseMove);
  window.form().raise(el::Q5, Event::Click);
  window.form().raise(el::Ввод, Event::Click);  // empty mu
  for (Id enter : {el::Command2, el::Command3, el::Command4, el::Command6}) {
    window.form().raise(enter, Event::Click);
  }
  window.sync();
  EXPECT_EQ(shownText, QString::fromUtf8("Ошибка 13: несоответствие типа"));
  EXPECT_TRUE(window.widgetFor(el::Command6)->isVisible());
  EXPECT_EQ(window.state().caption(el::Окно5), "Ответ");
}

}  // namespace
}  // namespace ringcoil::testing
