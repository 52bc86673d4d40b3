// The help tour and the animation clock.
#include "form_fixture.hpp"

namespace ringcoil::testing {
namespace {

using namespace el;

TEST_F(FormTest, HelpTourOpensFourPagesAndTheAuthorPageClosesThem) {
  for (int tour = 0; tour < 2; ++tour) {
    SCOPED_TRACE(tour);
    form.mouseAt(Event::Click, 300, 30);  // the title
    EXPECT_TRUE(w().shown(Далее));
    form.mouseAt(Event::Click, 420, 250);  // Далее, inside page 1
    EXPECT_TRUE(w().shown(Далеее));
    form.mouseAt(Event::Click, 300, 295);  // Далеее, inside page 2
    EXPECT_TRUE(w().shown(Закрыть));
    form.mouseAt(Event::Click, 425, 293);  // Закрыть, inside page 3
    EXPECT_TRUE(w().shown(Автор));
    form.mouseAt(Event::Click, 200, 100);  // the author page
    for (Id page : {Фон1, Фоно, Фон3, Автор}) EXPECT_FALSE(visible(page));
  }
  EXPECT_TRUE(visible(Далее) && visible(Далеее) && visible(Закрыть));
}

TEST_F(FormTest, PagesWriteNoHintAndCoverTheNames) {
  const std::string before = caption(Справка);
  click(Глава);
  form.mouseAt(Event::MouseMove, 250, 200);  // over Виток's place, now page 1
  EXPECT_EQ(caption(Справка), before);
  EXPECT_FALSE(visible(Q5));
}

TEST_F(FormTest, AnimationStepsFromFrameOneAndWrapsAfter39) {
  std::vector<int> shown;
  for (int tick = 0; tick < 42; ++tick) {
    form.tick();
    shown.push_back(*w().picture1Frame());
  }
  std::vector<int> expected;
  for (int i = 1; i <= 39; ++i) expected.push_back(i);
  expected.insert(expected.end(), {0, 1, 2});
  EXPECT_EQ(shown, expected);
}

TEST(Animation, TicksBeforeLoadChangeNothing) {
  RecordingHost host;
  Form1 form(host);
  for (int i = 0; i < 5; ++i) form.tick();
  EXPECT_EQ(form.state().FrameIndex, 0);
  EXPECT_FALSE(form.state().picture1Frame());
}

}  // namespace
}  // namespace ringcoil::testing
