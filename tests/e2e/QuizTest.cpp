#include <regex>

#include "Driver.h"

namespace {

using namespace e2e;

TEST(FirstStart, WritesTheSettingsFileAndShowsThreeMultiplicationProblems) {
  Quiz quiz;
  quiz.Start();
  EXPECT_EQ(quiz.File(L"quorvel.ini"), "Predmet=0\r\nFont=14,25\r\n");

  const std::wregex problem(L"[2-9]      x      [2-9]      =");
  const auto problems = quiz.Problems();
  ASSERT_EQ(problems.size(), 3u);
  for (HWND label : problems) EXPECT_TRUE(std::regex_match(Text(label), problem)) << Text(label).size();

  RECT rect;
  GetWindowRect(quiz.form1(), &rect);
  EXPECT_EQ(rect.left, 228);  // 3420 twips on a 1024 x 768 screen
  EXPECT_EQ(rect.top, 260);
  EXPECT_EQ(rect.right - rect.left, 568);
  EXPECT_EQ(rect.bottom - rect.top, 248);
  EXPECT_TRUE(GetWindowLongW(quiz.form1(), GWL_EXSTYLE) & WS_EX_TOPMOST);
  EXPECT_EQ(quiz.Focus(), quiz.Boxes().at(0));
}

TEST(AnswerCheck, RightWrongRightThenCorrectedUnlocks) {
  Quiz quiz;
  quiz.Start();
  const auto problems = quiz.Problems();
  quiz.Answer(0, ProductOf(Text(problems[0])));
  quiz.Answer(1, L"1");
  quiz.Answer(2, ProductOf(Text(problems[2])));
  Click(quiz.Button(L"ВСЁ"));

  const auto marks = quiz.Marks();
  ASSERT_TRUE(WaitFor([&] { return IsWindowVisible(marks[2]); }));
  EXPECT_EQ(Text(marks[0]), L"+");
  EXPECT_EQ(Text(marks[1]), L"-");
  EXPECT_EQ(Text(marks[2]), L"+");
  const auto boxes = quiz.Boxes();
  EXPECT_FALSE(IsWindowEnabled(boxes[0]));
  EXPECT_TRUE(IsWindowEnabled(boxes[1]));
  EXPECT_FALSE(IsWindowEnabled(boxes[2]));
  EXPECT_TRUE(quiz.running());

  quiz.Answer(1, ProductOf(Text(problems[1])));
  DeleteFileW(quiz.Path(L"quorvel.ini").c_str());
  Click(quiz.Button(L"ВСЁ"));
  EXPECT_TRUE(quiz.Ends());
  EXPECT_EQ(quiz.File(L"quorvel.ini"), "Predmet=0\r\nFont=14,25\r\n");
}

TEST(AnswerCheck, KeyboardAloneEnterOnARightRowThenTheCorrectedRowDealsAgain) {
  Quiz quiz;
  quiz.Start();
  const auto problems = quiz.Problems();
  const auto boxes = quiz.Boxes();
  ASSERT_EQ(quiz.Focus(), boxes[0]);
  Type(ProductOf(Text(problems[0])));
  Press(VK_TAB);
  Type(L"1");
  Press(VK_TAB);
  Type(ProductOf(Text(problems[2])));
  ASSERT_TRUE(WaitFor([&] { return Text(boxes[2]) == ProductOf(Text(problems[2])); }));
  Press(VK_RETURN);

  // The frozen box had the focus: it is in the row still to correct, ready for typing.
  ASSERT_TRUE(WaitFor([&] { return !IsWindowEnabled(boxes[2]); }));
  EXPECT_FALSE(IsWindowEnabled(boxes[0]));
  EXPECT_EQ(Text(quiz.Marks()[1]), L"-");
  EXPECT_TRUE(WaitFor([&] { return quiz.Focus() == boxes[1]; }, 2000));
  Press(VK_END);
  Press(VK_BACK);
  Type(ProductOf(Text(problems[1])));
  Press(VK_RETURN);

  // Empty boxes open for typing, no marks, and the focus back in the first box: the last step of a deal.
  const auto marks = quiz.Marks();
  EXPECT_TRUE(WaitFor([&] {
    for (int r = 0; r < 3; ++r) {
      if (!Text(boxes[r]).empty() || !IsWindowEnabled(boxes[r]) || IsWindowVisible(marks[r])) return false;
    }
    return quiz.Focus() == boxes[0];
  }));
  EXPECT_TRUE(quiz.running());
}

TEST(AnswerCheck, AnEmptyBoxOpensTheInputErrorAboveTheQuiz) {
  Quiz quiz;
  quiz.Start();
  const auto problems = quiz.Problems();
  quiz.Answer(0, ProductOf(Text(problems[0])));
  Click(quiz.Button(L"Ещё"));

  HWND frame = quiz.DialogAboveQuiz();
  ASSERT_TRUE(frame);
  EXPECT_EQ(Text(frame), L"Ошибка ввода");
  EXPECT_EQ(Text(quiz.Marks()[0]), L"+");
  EXPECT_FALSE(IsWindowVisible(quiz.Marks()[1]));
  EXPECT_TRUE(IsWindowEnabled(quiz.Boxes()[1]));
}

}  // namespace
