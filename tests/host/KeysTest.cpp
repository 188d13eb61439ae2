#include <gmock/gmock.h>

#include "QuizFixture.h"
#include "platform/sim/Cp1251.h"

using ::testing::ElementsAre;
using Key = platform::SimPlatform::KeyEvent;

namespace {

constexpr int kShift = 1, kCtrl = 2, kAlt = 4;

class Keys : public QuizTest {
 protected:
  void SetUp() override {
    sim.files[DictionaryPath()] = *platform::UnicodeToCp1251(L"cat=кошка\r\n");
    Start();
  }
  void Press(int key, int shift) { form1().txtR[1].KeyDown(key, shift); }
  float Granted(float points) {
    return sim.GrantFontSize(forms::Font{L"Tahoma", points, true, forms::kCyrillicCharset});
  }
  float Size(int row) { return form1().lblP[row].FontSize(); }
};

TEST_F(Keys, GuardAnswersEitherWindowsKeyWithOneEscapePressAndRelease) {
  struct {
    short left, right;
    std::vector<int> queries;
    bool escapes;
  } const cases[] = {
      {0, 0, {91, 92}, false},
      {-32768, -32768, {91}, true},
      {1, 0, {91}, true},  // pressed and released since the last look
      {0, -32767, {91, 92}, true},
  };
  for (const auto& c : cases) {
    sim.keyStates = {{91, c.left}, {92, c.right}};
    sim.keyQueries.clear();
    sim.injected.clear();
    form1().Timer1.Tick();
    EXPECT_EQ(sim.keyQueries, c.queries) << c.left << " " << c.right;
    const std::vector<Key> pair{{27, 0, 0, 0}, {27, 0, 2, 0}};
    EXPECT_EQ(sim.injected, c.escapes ? pair : std::vector<Key>{});
  }
}

TEST_F(Keys, LeftWindowsKeyWithAnyModifiersMakesTheGuardLookEvery50Ms) {
  EXPECT_EQ(form1().Timer1.Interval(), 120);
  form1().Timer1.SetEnabled(false);
  Press(92, 0);
  EXPECT_EQ(form1().Timer1.Interval(), 120);
  Press(91, kCtrl | kShift);
  EXPECT_EQ(form1().Timer1.Interval(), 50);
  EXPECT_TRUE(form1().Timer1.TimerEnabled());
}

TEST_F(Keys, CtrlWithShiftOrAltChangesNothing) {
  const std::wstring problem = form1().lblP[0].Caption();
  const int seeds = sim.seeds;
  for (auto [key, shift] : {std::pair{'E', kCtrl | kShift},
                            {'R', kCtrl | kAlt},
                            {'T', kCtrl | kAlt},
                            {'U', kCtrl | kAlt},
                            {'N', kCtrl | kShift},
                            {'E', 0}}) {
    Press(key, shift);
  }
  EXPECT_EQ(form1().lblP[0].Caption(), problem);
  EXPECT_EQ(sim.seeds, seeds);
  EXPECT_EQ(curPredmet(), 0);
  EXPECT_EQ(Size(0), 14.25f);
  EXPECT_FALSE(form3().Visible());
}

TEST_F(Keys, CtrlERTDealTheirSubjectAndTheSubjectChangesAfterTheVocabularyDeal) {
  std::vector<float> subjectWhileDealing;
  sim.openOverride = [&](const std::wstring&) -> std::unique_ptr<platform::InputFile> {
    subjectWhileDealing.push_back(curPredmet());
    return nullptr;
  };
  Press('E', kCtrl);
  EXPECT_EQ(curPredmet(), 1);
  EXPECT_EQ(form1().lblP[2].Caption(), L"cat");
  Press('E', kCtrl);  // the same subject again still deals
  Press('R', kCtrl);
  EXPECT_EQ(curPredmet(), 2);
  EXPECT_EQ(form1().lblP[2].Caption(), L"кошка");
  EXPECT_THAT(subjectWhileDealing, ElementsAre(0, 1, 1));

  Press('T', kCtrl);
  EXPECT_EQ(curPredmet(), 0);
  EXPECT_EQ(form1().lblP[2].Caption().size(), 22u);
}

TEST_F(Keys, FontStepsMoveEachLabelFromItsOwnSizeAsFarAsSixAndEighteenPoints) {
  for (int r = 0; r < 3; ++r) form1().lblP[r].SetFontSize(6.0f + 6 * r);
  const std::string ini = Ini();
  Press('U', kCtrl);  // the largest label refuses to grow
  const float up[3] = {Granted(7), Granted(13), 18};
  for (int r = 0; r < 3; ++r) EXPECT_EQ(Size(r), up[r]) << r;
  EXPECT_EQ(form1().txtR[2].FontSize(), up[0]);
  // Sizes fall between whole pixels: the bounds hold for what is granted, so both are reached.
  for (auto [key, bound] : {std::pair{'Y', 6.0f}, {'U', 18.0f}}) {
    for (int n = 0; n < 20; ++n) Press(key, kCtrl);
    for (int r = 0; r < 3; ++r) {
      EXPECT_EQ(Size(r), bound) << r;
      EXPECT_EQ(form1().txtR[r].FontSize(), bound) << r;
      EXPECT_EQ(form1().lblZ[r].FontSize(), 14.25f);
    }
  }
  EXPECT_EQ(Ini(), ini);
}

}  // namespace
