#include <gmock/gmock.h>

#include "QuizFixture.h"
#include "platform/sim/Cp1251.h"

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;
using Key = platform::SimPlatform::KeyEvent;

namespace {

constexpr int kShift = 1, kCtrl = 2, kAlt = 4;
const Key kEscapeDown{27, 0, 0, 0}, kEscapeUp{27, 0, 2, 0};

class Keys : public QuizTest {
 protected:
  void SetUp() override {
    sim.files[DictionaryPath()] = platform::UnicodeToCp1251(L"cat=кошка\r\n");
    Start();
  }
  void Press(int key, int shift) { form1().txtR[1].KeyDown(key, shift); }
  void Tick() {
    sim.keyQueries.clear();
    sim.injected.clear();
    form1().Timer1.Tick();
  }
  float Granted(float points) {
    return sim.GrantFontSize(forms::Font{L"Tahoma", points, true, forms::kCyrillicCharset});
  }
};

struct GuardCase {
  short left, right;
  std::vector<int> queries;
  bool escapes;
};

TEST_F(Keys, GuardAnswersEitherWindowsKeyWithOneEscapePressAndRelease) {
  const GuardCase cases[] = {
      {0, 0, {91, 92}, false},     {-32768, 0, {91}, true},
      {1, 0, {91}, true},  // pressed and released since the last look
      {0, -32767, {91, 92}, true}, {-32768, -32768, {91}, true},
  };
  for (const GuardCase& c : cases) {
    sim.keyStates = {{91, c.left}, {92, c.right}};
    Tick();
    EXPECT_EQ(sim.keyQueries, c.queries) << c.left << " " << c.right;
    if (c.escapes) {
      EXPECT_THAT(sim.injected, ElementsAre(kEscapeDown, kEscapeUp));
    } else {
      EXPECT_TRUE(sim.injected.empty());
    }
  }
}

TEST_F(Keys, LeftWindowsKeyWithAnyModifiersMakesTheGuardLookEvery50Ms) {
  EXPECT_EQ(form1().Timer1.Interval(), 120);
  EXPECT_TRUE(form1().Timer1.TimerEnabled());
  form1().Timer1.SetEnabled(false);
  Press(92, 0);
  EXPECT_EQ(form1().Timer1.Interval(), 120);
  for (int shift : {kCtrl | kShift, 0}) {
    Press(91, shift);
    EXPECT_EQ(form1().Timer1.Interval(), 50);
    EXPECT_TRUE(form1().Timer1.TimerEnabled());
  }
}

TEST_F(Keys, CtrlWithShiftOrAltChangesNothing) {
  const std::pair<int, int> presses[] = {{'E', kCtrl | kShift},
                                         {'R', kCtrl | kAlt},
                                         {'T', kCtrl | kAlt},
                                         {'U', kCtrl | kAlt},
                                         {'E', kShift},
                                         {'N', kCtrl | kShift},
                                         {'E', 0}};
  const std::wstring problem = form1().lblP[0].Caption();
  const int seeds = sim.seeds;
  for (auto [key, shift] : presses) Press(key, shift);
  EXPECT_EQ(form1().lblP[0].Caption(), problem);
  EXPECT_EQ(sim.seeds, seeds);
  EXPECT_EQ(curPredmet(), 0);
  EXPECT_EQ(form1().lblP[0].FontSize(), 14.25f);
  EXPECT_FALSE(form3().Visible());
  EXPECT_EQ(form1().Timer1.Interval(), 120);
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
  EXPECT_EQ(form1().sOtvet[2][0], L"cat");
  EXPECT_THAT(subjectWhileDealing, ElementsAre(0, 1, 1));

  Press('T', kCtrl);
  EXPECT_EQ(curPredmet(), 0);
  EXPECT_EQ(form1().lblP[2].Caption().size(), 22u);
  EXPECT_FALSE(form1().picPod[2].Visible());
}

TEST_F(Keys, FontStepsMoveEachLabelFromItsOwnSizeAndGiveTheBoxesTheFirstLabels) {
  const float start[3] = {10, 12, 18};
  for (int r = 0; r < 3; ++r) form1().lblP[r].SetFontSize(start[r]);
  const float before[3] = {form1().lblP[0].FontSize(), form1().lblP[1].FontSize(),
                           form1().lblP[2].FontSize()};
  const std::string ini = Ini();

  Press('U', kCtrl);
  // The largest label refuses to grow; the others move on.
  const float up[3] = {Granted(before[0] + 1), Granted(before[1] + 1), before[2]};
  for (int r = 0; r < 3; ++r) {
    EXPECT_EQ(form1().lblP[r].FontSize(), up[r]) << r;
    EXPECT_EQ(form1().txtR[r].FontSize(), up[0]) << r;
    EXPECT_EQ(form1().lblZ[r].FontSize(), 14.25f);
  }
  Press('Y', kCtrl);
  for (int r = 0; r < 3; ++r) EXPECT_EQ(form1().lblP[r].FontSize(), Granted(up[r] - 1)) << r;
  EXPECT_EQ(form1().lblZag.FontSize(), 8.25f);
  EXPECT_EQ(Ini(), ini);
}

TEST_F(Keys, TheSmallestFontRefusesToShrink) {
  for (auto& label : form1().lblP) label.SetFontSize(6);
  Press('Y', kCtrl);
  for (int r = 0; r < 3; ++r) {
    EXPECT_EQ(form1().lblP[r].FontSize(), 6);
    EXPECT_EQ(form1().txtR[r].FontSize(), 6);
  }
}

}  // namespace
