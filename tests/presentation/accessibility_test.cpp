// What a screen reader finds through Qt's accessibility interfaces: the
// painted labels as static texts in reading order, their changes as events,
// and a telling name on every widget.
#include <QAccessible>
#include <QSet>
#include <algorithm>
#include <map>
#include <vector>

#include "presentation/accessibility.hpp"
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
  EXPECT_EQ(shownText(expected.front())->text(QAccessible::Description), u("Подробнее"));
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
  const QStringList texts = shownTexts();
  for (const char* value : {"2000", "20", "10", "5", "133,333333333333", "Получи ответ'"}) {
    EXPECT_TRUE(texts.contains(u(value))) << value << "\n" << texts.join('|').toStdString();
  }
  // The answer is labelled by the name in its row.
  QAccessibleInterface* answer = shownText(u("133,333333333333"));
  ASSERT_NE(answer, nullptr);
  const auto labels = answer->relations(QAccessible::Label);
  ASSERT_EQ(labels.size(), 1);
  EXPECT_EQ(labels.front().first->text(QAccessible::Name), u("Индуктивность"));
  EXPECT_FALSE(labels.front().first->state().invisible);
}

// The core's changes, announced one by one as the window's sync does.
TEST_F(AccessibilityTest, ChangesOfPaintedLabelsAreAnnounced) {
  using Events = std::vector<QAccessible::Event>;
  const auto announceChanges = [this] {
    std::map<Id, Events> told;
    for (const Id id : window->form().takeChanges()) {
      if (auto events = announceLabelChange(*window, id); !events.empty()) told[id] = events;
    }
    window->sync();
    return told;
  };
  window->form().raise(Виток, Event::MouseMove);
  EXPECT_TRUE(announceChanges().empty());  // no tool has looked yet

  static_cast<void>(shownTexts());  // a screen reader looks at the window
  window->form().raise(Q5, Event::Click);
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
  EXPECT_EQ(of(Q5)->text(QAccessible::Name), u("Выбрать: рассчитать количество витков"));
  EXPECT_EQ(of(Q6)->text(QAccessible::Name), u("Выбрать: рассчитать индуктивность"));
  EXPECT_EQ(of(aaa)->text(QAccessible::Name), u("Сброс"));
  EXPECT_EQ(of(aa(0))->text(QAccessible::Name), u("1"));
  EXPECT_EQ(of(aa(9))->text(QAccessible::Name), u(","));
  EXPECT_EQ(of(Text1)->role(), QAccessible::EditableText);
  EXPECT_EQ(of(Text1)->text(QAccessible::Name), u("Дисплей калькулятора"));
  keys("12");
  EXPECT_EQ(of(Text1)->text(QAccessible::Value), u("12"));

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

}  // namespace
}  // namespace ringcoil::testing
