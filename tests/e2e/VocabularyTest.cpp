#include <map>

#include "Driver.h"

namespace {

using namespace e2e;

// Types any text, Cyrillic included, whatever the keyboard layout.
void TypeCharacters(const std::wstring& text) {
  for (wchar_t c : text) {
    INPUT input[2] = {};
    for (INPUT& key : input) {
      key.type = INPUT_KEYBOARD;
      key.ki.wScan = c;
      key.ki.dwFlags = KEYEVENTF_UNICODE;
    }
    input[1].ki.dwFlags |= KEYEVENTF_KEYUP;
    SendInput(2, input, sizeof(INPUT));
  }
}

// cat=кошка,кот / dog=собака,пес / sun=солнце,солнышко in Windows-1251.
const std::string kDictionary =
    "cat=\xea\xee\xf8\xea\xe0,\xea\xee\xf2\r\n"
    "dog=\xf1\xee\xe1\xe0\xea\xe0,\xef\xe5\xf1\r\n"
    "sun=\xf1\xee\xeb\xed\xf6\xe5,\xf1\xee\xeb\xed\xfb\xf8\xea\xee\r\n";
const std::map<std::wstring, std::wstring> kCapitalisedAlternative = {
    {L"cat", L"Кот "}, {L"dog", L"Пес "}, {L"sun", L"Солнышко "}};

TEST(Vocabulary, HeadwordsAreShownAndTheAlternativeInCapitalsFreezesItsRow) {
  Quiz quiz({{L"quorvel.ini", "Predmet=1\r\nFont=14,25\r\n"}, {L"quorvel_vcb.ini", kDictionary}});
  quiz.Start();
  const auto problems = quiz.Problems();
  ASSERT_EQ(problems.size(), 3u);
  for (HWND label : problems) EXPECT_TRUE(kCapitalisedAlternative.count(Text(label))) << Text(label).size();

  const auto boxes = quiz.Boxes();
  Click(boxes[1]);
  ASSERT_TRUE(WaitFor([&] { return quiz.Focus() == boxes[1]; }));
  const std::wstring answer = kCapitalisedAlternative.at(Text(problems[1]));
  TypeCharacters(answer);
  ASSERT_TRUE(WaitFor([&] { return Text(boxes[1]) == answer; }));
  Click(quiz.Button(L"ВСЁ"));

  EXPECT_TRUE(WaitFor([&] { return !IsWindowEnabled(boxes[1]); }));
  EXPECT_TRUE(IsWindowEnabled(boxes[0]));
  EXPECT_TRUE(IsWindowEnabled(boxes[2]));
  for (HWND mark : quiz.Marks()) EXPECT_FALSE(IsWindowVisible(mark));
  EXPECT_TRUE(quiz.running());
}

TEST(Vocabulary, MissingDictionaryIsReportedAboveTheQuiz) {
  Quiz quiz({{L"quorvel.ini", "Predmet=2\r\nFont=14,25\r\n"}});
  quiz.Start();
  HWND frame = quiz.DialogAboveQuiz();
  ASSERT_TRUE(frame);
  EXPECT_EQ(Text(frame), L"Ошибка");
  EXPECT_TRUE(
      ChildWithText(frame, L"Нет файла словаря quorvel_vcb.ini!\r\nКак его создать - читайте readme.txt"));
  for (HWND label : quiz.Problems()) EXPECT_EQ(Text(label), L"");
  // Shown before the quiz window: the quiz still comes up with the keyboard.
  EXPECT_EQ(GetForegroundWindow(), quiz.form1());
  EXPECT_EQ(quiz.Focus(), quiz.Boxes().at(0));
}

}  // namespace
