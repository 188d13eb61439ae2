// The two check buttons: marks, frozen rows, the input error, dealing again and finishing.
#include "QuizFixture.h"
#include "settings/Form3.h"

namespace {

class AnswerCheck : public QuizTest {
 protected:
  void SetUp() override { Start(); }
  bool Frozen(int r) {
    return !form1().txtR[r].Enabled() && form1().txtR[r].BackColor() == form1().BackColor();
  }
  std::wstring Mark(int r) { return form1().lblZ[r].Visible() ? form1().lblZ[r].Caption() : L"_"; }
};

TEST_F(AnswerCheck, RightRowsFreezeAndAnInputErrorLeavesTheRowsAfterIt) {
  const std::wstring problem = form1().lblP[0].Caption();
  for (int index : {0, 1}) {
    AnswerAllRight();
    Type(1, L"1");
    form1().cmdOK[index].Click();
    EXPECT_EQ(Mark(0) + Mark(1) + Mark(2), L"+-+");
    EXPECT_TRUE(Frozen(0) && !Frozen(1) && Frozen(2));
  }
  EXPECT_EQ(form1().lblP[0].Caption(), problem);
  EXPECT_FALSE(sim.ended || form3().Visible());

  Type(0, L"1");
  Type(1, L"");
  Type(2, L"1");
  form1().cmdOK[0].Click();
  EXPECT_EQ(Mark(0) + Mark(1) + Mark(2), L"--+");  // row 2 is not looked at again
  EXPECT_EQ(form3().Frame1.Caption(), L"Ошибка ввода");
  EXPECT_TRUE(form3().Visible());
}

TEST_F(AnswerCheck, AFrozenBoxHandsTheFocusOnToTheRowStillToCorrect) {
  sim.files[DictionaryPath()] = "cat=\xEA\xEE\xF2\r\n";  // cat=кот
  // Rows right (+) and wrong (-), the box that has the focus on Enter, the box that has it afterwards.
  const struct {
    const wchar_t* rows;
    int from, to;
  } cases[] = {{L"+-+", 2, 1}, {L"+++", 2, 0}};
  for (float subject : {0.0f, 1.0f}) {
    program->shared.curPredmet = subject;
    for (const auto& c : cases) {
      SCOPED_TRACE(testing::PrintToString(std::wstring(c.rows)) + " subject " + std::to_string(subject));
      subject == 0 ? form1().DoPrimery() : form1().DoSlova(1);
      for (int r = 0; r < 3; ++r) Type(r, c.rows[r] == L'-' ? L"1" : subject == 0 ? Product(r) : L"кот");
      form1().txtR[c.from].SetFocus();
      form1().cmdOK[1].Click();
      EXPECT_EQ(sim.focus, &form1().txtR[c.to]);
    }
  }
}

TEST_F(AnswerCheck, AnswersAreReadWithTheLocalesDecimalSeparator) {
  // The mark of row 0 for the product 7; "_" when the text is no number and the input error opens.
  for (auto [separator, typed, mark] :
       {std::tuple{L',', L" 07,", L"+"}, {L',', L"7.", L"_"}, {L'.', L"7.", L"+"}}) {
    sim.decimalSeparator = separator;
    form1().DoPrimery();
    form1().nMnozh1[1] = 1;
    form1().nMnozh2[1] = 7;
    Type(0, typed);
    Type(1, L"1");
    Type(2, L"1");
    form1().cmdOK[1].Click();
    EXPECT_EQ(Mark(0), mark) << testing::PrintToString(std::wstring(typed));
    form3().Hide();
  }
}

TEST_F(AnswerCheck, DoneWithThreeRightAnswersSavesAndEndsEvenWhenTheFileCannotBeWritten) {
  for (int blocked : {0, 1, 2}) {
    Ini() = "old";
    sim.readOnly.clear();
    if (blocked == 1) sim.readOnly.insert(IniPath());
    sim.folderReadOnly = blocked == 2;
    sim.ended = false;
    form1().DoPrimery();
    form1().lblP[0].SetFontSize(12);
    form1().cmdOK[0].Click();  // nothing typed: an input error
    EXPECT_FALSE(sim.ended);
    AnswerAllRight();
    form1().cmdOK[0].Click();
    EXPECT_TRUE(sim.ended);
    // A folder that lets no file be made still lets the old one be rewritten.
    EXPECT_EQ(Ini(), blocked == 1 ? "old" : "Predmet=0\r\nFont=12\r\n");
  }
}

// An empty answer is never right, so a missing dictionary cannot unlock the computer.
TEST_F(AnswerCheck, VocabularyAnswersAreLowerCasedAndTrimmedOfSpaces) {
  const struct {
    float subject;
    const wchar_t *main, *alternative, *typed;
    bool right;
  } cases[] = {{1, L"кошка", L"кот", L"Кот ", true},
               {1, L"кошка", L"кот", L"  КОШКА", true},
               {1, L"кошка", L"кот", L"кош", false},
               {1, L"ёж", L"", L"ЁЖ", true},
               {1, L"Кошка", L"", L"Кошка", false},
               {1, L"cat", L"", L"cat\t", false},
               {2, L"cat", L"кот", L"кот", false},
               {2, L"cat", L"", L"CAT ", true},
               {1, L"", L"", L"", false},
               {2, L"", L"", L"   ", false}};
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::PrintToString(std::wstring(c.typed)));
    program->shared.curPredmet = c.subject;
    form1().DoPrimery();
    form1().sOtvet[0][0] = c.main;
    form1().sOtvet[0][1] = c.alternative;
    Type(0, c.typed);
    form1().cmdOK[1].Click();
    EXPECT_EQ(Frozen(0), c.right);
    EXPECT_EQ(Mark(0), L"_");
  }
}

}  // namespace
