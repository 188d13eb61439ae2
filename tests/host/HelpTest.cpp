#include <gmock/gmock.h>

#include "QuizFixture.h"
#include "platform/sim/Cp1251.h"

using ::testing::ElementsAre;

namespace {

class Help : public QuizTest {
 protected:
  quiz::Form4& form4() { return program->form4; }
  const std::wstring& HelpTip() { return form1().picUP[1].ToolTipText(); }
  void StartWithWords() {
    sim.files[DictionaryPath()] = *platform::UnicodeToCp1251(L"cat=кошка\r\n");
    StartWithSettings("Predmet=1\r\nFont=14,25\r\n");
  }
};

TEST_F(Help, OpensBesideTheQuizClosesByEitherButtonAndOpensAgain) {
  Start();
  form1().picUP[0].Click();
  EXPECT_FALSE(form4().Loaded());
  EXPECT_EQ(HelpTip(), L"");

  form1().UserMoved(1200, 2400);  // dragged before the help opens
  form1().picUP[1].Click();
  EXPECT_TRUE(form4().Visible());
  EXPECT_EQ(form4().Left(), 7950);
  EXPECT_EQ(form4().Top(), 2550);
  EXPECT_EQ(HelpTip(), L" Закрыть справку ");
  const auto window = form4().hWnd();

  form1().picUP[1].Click();
  EXPECT_FALSE(form4().Visible());
  EXPECT_EQ(HelpTip(), L" Открыть справку ");
  form1().picUP[1].Click();
  form4().Command1.Click();
  EXPECT_FALSE(form4().Visible());
  EXPECT_EQ(HelpTip(), L" Открыть справку ");

  form1().picUP[1].Click();
  EXPECT_TRUE(form4().Visible());
  EXPECT_EQ(form4().hWnd(), window);
}

TEST_F(Help, HintReplacesTheTextWithTheFirstLetterOnlyOnRowsNotYetAccepted) {
  StartWithWords();
  Type(0, L"Кошка ");
  form1().cmdOK[1].Click();
  ASSERT_FALSE(form1().txtR[0].Enabled());
  Type(1, L"собака");
  form1().sOtvet[2][0] = L"";

  form1().picPod[0].Click();
  EXPECT_EQ(form1().txtR[0].Text(), L"Кошка ");
  form1().picPod[2].Click();
  EXPECT_EQ(form1().txtR[2].Text(), L"");
  form1().picPod[1].Click();
  EXPECT_EQ(form1().txtR[1].Text(), L"к");
  EXPECT_EQ(form1().txtR[1].SelStart(), 1);
  EXPECT_EQ(sim.focus, &form1().txtR[1]);
}

TEST_F(Help, AnyButtonOnTheTitleOrAProblemDragsTheWindow) {
  Start();
  const std::string drag[] = {"ReleaseCapture()",
                              "SendMessageA(" + std::to_string(form1().hWnd()) + ",161,2,0)"};
  sim.calls.clear();
  form1().lblZag.MouseDown(2, 0, 10, 10);
  form1().lblP[2].MouseDown(1, 3, 0, 0);
  EXPECT_THAT(sim.calls, ElementsAre(drag[0], drag[1], drag[0], drag[1]));
}

}  // namespace
