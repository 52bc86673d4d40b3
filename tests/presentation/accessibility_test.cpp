// What a screen reader finds through Qt's accessibility interfaces: the
// painted labels as static texts in reading order, their changes as events,
// a telling name, role and action on every widget, the pages' text, and
// nothing reported showing that a page covers.
#include <QAccessible>
#include <QSet>
#include <algorithm>
#include <map>
#include <vector>

#include "dialogue/keys.hpp"
#include "presentation/accessibility/accessibility.hpp"
#include "window_fixture.hpp"

namespace ringcoil::testing {
namespace {

using namespace el;

QString u(const char* text) {
  return QString::fromUtf8(text);
}

class AccessibilityTest : public WindowTest {
 protected:
  QAccessibleInterface* root() const { return QAccessible::queryAccessibleInterface(window.get()); }
  QAccessibleInterface* of(Id id) const {
    return QAccessible::queryAccessibleInterface(widget(id));
  }

  std::vector<QAccessibleInterface*> children(QAccessible::Role role) const {
    std::vector<QAccessibleInterface*> found;
    for (int i = 0; i < root()->childCount(); ++i) {
      QAccessibleInterface* child = root()->child(i);
      if (child && child->role() == role) found.push_back(child);
    }
    return found;
  }
  // The texts a screen reader reads out, in its order.
  QStringList shownTexts() const {
    QStringList texts;
    for (QAccessibleInterface* child : children(QAccessible::StaticText)) {
      if (!child->state().invisible) texts << child->text(QAccessible::Name);
    }
    return texts;
  }
  // A tool's press; a button's click runs once the tool has its answer.
  static void press(QAccessibleInterface* target) {
    target->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QCoreApplication::processEvents();
  }
  QAccessibleInterface* shownText(const QString& name) const {
    for (QAccessibleInterface* child : children(QAccessible::StaticText)) {
      if (!child->state().invisible && child->text(QAccessible::Name) == name) return child;
    }
    return nullptr;
  }
  QPoint centreOf(QAccessibleInterface* iface) const { return iface->rect().center(); }
};

TEST_F(AccessibilityTest, TheWindowReadsItsTitleTableAndHintInOrder) {
  ASSERT_NE(root(), nullptr);
  EXPECT_EQ(root()->role(), QAccessible::Window);
  EXPECT_EQ(root()->text(QAccessible::Name), u("Штучка от KELVANO"));
  const QStringList expected = {
      u("Расчет катушки на кольцевом сердечнике"),
      u("Проницаемость"),
      u("μ"),
      u("Наружный диаметр"),
      u("мм"),
      u("Внутренний диаметр"),
      u("мм"),
      u("Высота кольца"),
      u("мм"),
      u("Количество витков"),
      u("ω"),
      u("Индуктивность"),
      u("мкГ"),
      u("KELVANO приветствует всех радиолюбителей! Наведи мышку на искомый параметр"),
  };
  EXPECT_EQ(shownTexts(), expected);
  // The list of keys: the window's description until the window is first
  // left, so that it is read once; the title's always.
  const QString title = shownText(expected.front())->text(QAccessible::Description);
  EXPECT_TRUE(title.startsWith(u("Подробнее. Клавиша F1 открывает справку. Клавиши: Альт+N")));
  EXPECT_EQ(root()->text(QAccessible::Description), u(spokenListOfKeys().c_str()));
  QEvent deactivate(QEvent::WindowDeactivate);
  QCoreApplication::sendEvent(window.get(), &deactivate);
  EXPECT_EQ(root()->text(QAccessible::Description), QString());
  EXPECT_EQ(shownText(expected.front())->text(QAccessible::Description), title);
}

TEST_F(AccessibilityTest, EveryLabelTheWindowCanShowIsAChild) {
  std::size_t labels = 0;
  for (std::size_t i = 0; i < kElementCount; ++i) {
    const Id id = static_cast<Id>(i);
    if (kElements[i].kind == Kind::Label && kElements[i].container.empty() && id != Z &&
        id != Zoro) {
      ++labels;
    }
  }
  const auto painted = children(QAccessible::StaticText);
  EXPECT_EQ(painted.size(), labels);
  for (QAccessibleInterface* child : painted) {
    EXPECT_EQ(root()->indexOfChild(child),
              std::find(painted.begin(), painted.end(), child) - painted.begin());
    EXPECT_EQ(child->parent(), root());
  }
  // Hidden variants are there, marked invisible: the pink and yellow names.
  EXPECT_EQ(painted.size() - static_cast<std::size_t>(shownTexts().size()), 12u + 6u);
}

TEST_F(AccessibilityTest, AfterACalculationTheValuesAndTheAnswerAreRead) {
  moveTo(250, 240);  // over Индукт
  click(Q6);
  for (const char* value : {"2000", "20", "10", "5", "10"}) {
    keys(value);
    clickWidgetAt(60, 262);
  }
  // Each value tells its row and whether it was entered or is the answer.
  const QStringList texts = shownTexts();
  for (const char* value : {"Проницаемость: 2000 (введено)", "Индуктивность: 133,333333333333 (ответ)"}) {
    EXPECT_TRUE(texts.contains(u(value))) << value << "\n" << texts.join('|').toStdString();
  }
  // The answer is labelled by the name in its row, which says what it is.
  QAccessibleInterface* answer = shownText(u("Индуктивность: 133,333333333333 (ответ)"));
  ASSERT_NE(answer, nullptr);
  const auto labels = answer->relations(QAccessible::Label);
  ASSERT_EQ(labels.size(), 1);
  EXPECT_EQ(labels.front().first->text(QAccessible::Name), u("Индуктивность"));
  EXPECT_EQ(labels.front().first->text(QAccessible::Description), u("Искомая величина"));
  EXPECT_FALSE(labels.front().first->state().invisible);
  // Where the last step put the focus, the button tells what the step did;
  // once the focus has left it, it tells where the user stands. The answer
  // is rounded for the ear, and its unit said.
  ASSERT_EQ(window->focusWidget(), widget(Command6));
  EXPECT_EQ(of(Command6)->text(QAccessible::Description),
            u("Количество витков: 10 витков. Индуктивность: 133,333 микрогенри, ответ."));
  widget(Command1)->setFocus();
  widget(Command6)->setFocus();
  EXPECT_EQ(of(Command6)->text(QAccessible::Description),
            u("Получи ответ. Индуктивность: 133,333 микрогенри, ответ."));
  // No key names for screen readers to read out in English.
  EXPECT_TRUE(of(Command6)->actionInterface()->keyBindingsForAction(
      QAccessibleActionInterface::pressAction()).isEmpty());
}

// The core's changes, announced one by one as the window's sync does.
TEST_F(AccessibilityTest, ChangesOfPaintedLabelsAreAnnounced) {
  using Events = std::vector<QAccessible::Event>;
  const auto announceChanges = [this] {
    std::map<Id, Events> told;
    for (const Id id : window->form().takeChanges()) {
      if (auto events = announceChange(*window, id); !events.empty()) told[id] = events;
    }
    window->sync();
    return told;
  };
  window->form().fire(Виток, Event::MouseMove);
  EXPECT_TRUE(announceChanges().empty());  // no tool has looked yet

  static_cast<void>(shownTexts());  // a screen reader looks at the window
  window->form().fire(Q5, Event::Click);
  const std::map<Id, Events> told = announceChanges();
  EXPECT_EQ(told.at(Справка), Events{QAccessible::NameChanged});
  EXPECT_EQ(told.at(Окно5), (Events{QAccessible::ObjectShow, QAccessible::NameChanged}));
  EXPECT_EQ(told.at(Виток), Events{QAccessible::ObjectHide});
  EXPECT_EQ(told.at(Виток2), Events{QAccessible::ObjectShow});
  EXPECT_EQ(told.count(Окно1), 1u);
  EXPECT_EQ(told.count(Z), 0u);   // holds the mode, never shown
  EXPECT_EQ(told.count(Q5), 0u);  // a widget: Qt tells of it
  EXPECT_EQ(told.size(), 2u + 6u + 6u + 1u) << "hint, answer, old and new names, Окно1";
}

TEST_F(AccessibilityTest, LabelsHaveScreenPlacesAndAnOpenPageCoversThem) {
  QAccessibleInterface* hint = shownText(QString::fromStdString(state().caption(Справка)));
  ASSERT_NE(hint, nullptr);
  EXPECT_EQ(hint->rect(), QRect(window->mapToGlobal(QPoint(140, 264)), QSize(331, 40)));
  EXPECT_EQ(root()->childAt(centreOf(hint).x(), centreOf(hint).y()), hint);
  QAccessibleInterface* exit = of(Command1);
  EXPECT_EQ(root()->childAt(centreOf(exit).x(), centreOf(exit).y()), exit);

  clickAt(300, 30);  // the title opens the help pages over the table and the hint
  const QStringList texts = shownTexts();
  EXPECT_EQ(texts, QStringList{u("Расчет катушки на кольцевом сердечнике")})
      << texts.join('|').toStdString();
  EXPECT_EQ(of(Фон1)->text(QAccessible::Name), u("Справка, страница 1"));
  EXPECT_FALSE(of(Фон1)->state().invisible);
}

TEST_F(AccessibilityTest, EveryWidgetHasATellingName) {
  EXPECT_EQ(of(aa(9))->text(QAccessible::Name), u(","));
  EXPECT_EQ(of(Text1)->role(), QAccessible::EditableText);
  EXPECT_EQ(of(Text1)->text(QAccessible::Name), u("Дисплей калькулятора"));
  keys("12");
  EXPECT_EQ(of(Text1)->text(QAccessible::Value), u("12"));
  // Its text is one run: a screen reader that goes by the runs reads it whole.
  int start = -1;
  int end = -1;
  of(Text1)->textInterface()->attributes(1, &start, &end);
  EXPECT_EQ(std::pair(start, end), std::pair(0, 2));

  // The buttons shown together have names, all different: "?" and "#" say
  // what they do.
  const auto expectTellingNames = [&](const char* when) {
    QSet<QString> names;
    for (std::size_t i = 0; i < kElementCount; ++i) {
      QWidget* button = widget(static_cast<Id>(i));
      if (kElements[i].kind != Kind::PushButton || !button->isVisible()) continue;
      const QString name = QAccessible::queryAccessibleInterface(button)->text(QAccessible::Name);
      EXPECT_FALSE(name.isEmpty()) << when << ": " << kElements[i].name;
      EXPECT_FALSE(names.contains(name)) << when << ": " << name.toStdString();
      names.insert(name);
    }
  };
  expectTellingNames("at start");
  moveTo(250, 210);  // over Виток: its "?" appears
  expectTellingNames("with a question button");
  click(aaa);  // the full reset takes the display reset's place
  EXPECT_EQ(of(aaaa)->text(QAccessible::Name), u("Полный сброс всех данных"));
  expectTellingNames("with the full reset");
}

// What the widgets are, as roles; what an open page covers is not showing;
// the pages carry their wording; the title, the computable names and the
// author page can be pressed.
TEST_F(AccessibilityTest, RolesCoverageTextsAndActionsOfTheWidgetsAndPages) {
  EXPECT_EQ(of(Picture1)->role(), QAccessible::Graphic);
  EXPECT_EQ(of(Фон1)->role(), QAccessible::Pane);
  EXPECT_EQ(of(Ввод)->role(), QAccessible::Button);
  EXPECT_TRUE(of(Фон1)->state().invisible) << "closed";

  moveTo(10, 10);  // a move to where the pointer already is is no move
  moveTo(250, 210);  // over «Количество витков»: its «?» shows
  EXPECT_FALSE(of(Q5)->state().invisible || of(Q5)->state().offscreen);
  // The title is pressed: the help opens over the «?» and the focus goes to
  // the page's button.
  QAccessibleInterface* title = shownText(u("Расчет катушки на кольцевом сердечнике"));
  ASSERT_NE(title->actionInterface(), nullptr);
  press(title);
  EXPECT_TRUE(widget(Фон1)->isVisible());
  EXPECT_TRUE(of(Q5)->state().offscreen) << "covered by page 1";
  EXPECT_FALSE(of(Далее)->state().offscreen);
  EXPECT_EQ(window->focusWidget(), widget(Далее));
  EXPECT_EQ(of(Далее)->parent(), of(Фон1)) << "the page holds its button";
  EXPECT_EQ(of(Фон1)->childCount(), 4) << "its button and the three pages above it";
  EXPECT_EQ(of(Фон1)->child(of(Фон1)->indexOfChild(of(Далее))), of(Далее));

  press(of(Далее));
  EXPECT_TRUE(of(Далее)->state().offscreen) << "covered by page 2";
  press(of(Далее));
  EXPECT_FALSE(widget(Фон3)->isVisible()) << "a covered button cannot be pressed";
  press(of(Далеее));
  press(of(Закрыть));
  for (Id covered : {Фон3, Фоно, Закрыть, Далеее}) {
    EXPECT_TRUE(of(covered)->state().offscreen) << displayName(covered);
  }

  EXPECT_TRUE(of(Фон1)->text(QAccessible::Description)
                  .startsWith(u("Ферритовые кольцевые сердечники применяют для получениявысоких "
                                "значений добротности")));
  EXPECT_TRUE(of(Фоно)->text(QAccessible::Description)
                  .startsWith(u("На низкочастотных диапазонах ( 1.8-7 МГц ) для получения")));
  EXPECT_TRUE(of(Фон3)->text(QAccessible::Description).contains(u("\n600НН: 1,2 МГц\n")));
  EXPECT_TRUE(of(Автор)->text(QAccessible::Description).endsWith(u("KELVANO\nGood like. 73!")));

  press(of(Автор));
  EXPECT_FALSE(widget(Фон1)->isVisible());

  // A computable name chooses its mode as hovering it and pressing its «?» do.
  QAccessibleInterface* turns = shownText(u("Количество витков"));
  press(turns);
  EXPECT_EQ(state().caption(Z), "1");
  EXPECT_EQ(window->focusWidget(), widget(Ввод));
}

}  // namespace
}  // namespace ringcoil::testing
