#include "QuizFixture.h"

namespace {

class Multiplication : public QuizTest {};

TEST_F(Multiplication, ZeroAndOneBecomeSevenAndEight) {
  Start();
  sim.scriptedRnd = {0.0f, 0.15f, 0.2f, 0.99f, 0.5f, 0.7f};
  form1().DoPrimery();
  EXPECT_EQ(form1().lblP[0].Caption(), L"7      x      8      =");
  EXPECT_EQ(form1().lblP[1].Caption(), L"2      x      9      =");
  EXPECT_EQ(form1().lblP[2].Caption(), L"5      x      7      =");
  EXPECT_EQ(form1().nMnozh1[1], 7);
  EXPECT_EQ(form1().nMnozh2[1], 8);
}

TEST_F(Multiplication, RestoresTheNarrowRowsAfterAVocabularyDeal) {
  sim.files[DictionaryPath()] = "cat=кошка\r\n";
  StartWithSettings("Predmet=1\r\nFont=14,25\r\n");
  ASSERT_EQ(form1().txtR[0].Width(), 2250);
  form1().DoPrimery();
  for (int r = 0; r < 3; ++r) {
    EXPECT_EQ(form1().lblP[r].Width(), 3000);
    EXPECT_EQ(form1().txtR[r].Width(), 495);
    EXPECT_EQ(form1().txtR[r].Left(), 3500);
    EXPECT_EQ(form1().txtR[r].MaxLength(), 2);
    EXPECT_FALSE(form1().picPod[r].Visible());
  }
}

TEST_F(Multiplication, ClearsMarksAndFrozenRows) {
  Start();
  AnswerAllRight();
  Type(1, L"1");
  form1().cmdOK[0].Click();
  ASSERT_FALSE(form1().txtR[0].Enabled());
  form1().DoPrimery();
  for (int r = 0; r < 3; ++r) {
    EXPECT_EQ(form1().txtR[r].Text(), L"");
    EXPECT_TRUE(form1().txtR[r].Enabled());
    EXPECT_EQ(form1().txtR[r].BackColor(), forms::Color::System(forms::SysColor::Window));
    EXPECT_FALSE(form1().lblZ[r].Visible());
  }
}

}  // namespace
