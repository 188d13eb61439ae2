#include "Driver.h"

namespace {

using namespace e2e;

const wchar_t kHelpText[] =
    L"Горячие клавиши:\r\n\r\nCtrl+E изучать Англо-Русский словарь\r\nCtrl+R изучать Русско-Английский "
    L"словарь\r\n"
    L"Ctrl+T изучать Таблицу Умножения\r\nCtrl+Y уменьшить размер шрифта\r\nCtrl+U увеличить размер "
    L"шрифта\r\n\r\n"
    L"Действуют при помещении курсора в поле ответа!";

TEST(Help, OpensBesideTheQuizAndClosesByItsButtonByXAndByEscape) {
  Quiz quiz;
  quiz.Start();
  HWND button = Column(quiz.form1(), L"Static", 410).at(0);
  HWND form4 = nullptr;
  auto shown = [&] { return (form4 = quiz.TopLevel(L"Form4")) && IsWindowVisible(form4); };
  auto hidden = [&] { return !IsWindowVisible(form4); };

  Click(button);
  ASSERT_TRUE(WaitFor(shown));
  RECT quizRect, helpRect;
  GetWindowRect(quiz.form1(), &quizRect);
  GetWindowRect(form4, &helpRect);
  EXPECT_EQ(helpRect.left, quizRect.left + 450);  // 6750 twips
  EXPECT_EQ(helpRect.top, quizRect.top + 10);
  HWND frame = Column(form4, L"QuorvelFrame").at(0);
  EXPECT_EQ(Text(frame), L"Справка");
  EXPECT_EQ(Text(Column(frame, L"Static").at(0)), kHelpText);

  Click(button);
  EXPECT_TRUE(WaitFor(hidden));
  Click(button);
  ASSERT_TRUE(WaitFor(shown));
  Click(ChildWithText(frame, L"X"));
  EXPECT_TRUE(WaitFor(hidden));
  Click(button);
  ASSERT_TRUE(
      WaitFor([&] { return shown() && GetForegroundWindow() == form4 && Within(form4, quiz.Focus()); }));
  Press(VK_ESCAPE);
  EXPECT_TRUE(WaitFor(hidden));
  Click(button);
  EXPECT_TRUE(WaitFor(shown));
}

TEST(Drag, TheTitleCarriesTheWindowWithTheMouse) {
  Quiz quiz;
  quiz.Start();
  RECT before, now;
  GetWindowRect(quiz.form1(), &before);
  const int x = before.left + 200, y = before.top + 25;  // on the title, inside the rounded cut
  auto at = [&](int dx, int dy) {
    GetWindowRect(quiz.form1(), &now);
    return now.left == before.left + dx && now.top == before.top + dy;
  };
  MouseAt(x, y, MOUSEEVENTF_LEFTDOWN);
  bool followed = WaitFor([&] { return quiz.MoveSize() == quiz.form1(); });
  EXPECT_TRUE(followed) << "the title did not take the window";
  // Step by step, each step taken before the next: the window follows while the button is still down.
  for (int step = 1; step <= 6 && followed; ++step) {
    MouseAt(x + 10 * step, y + 5 * step);
    followed = WaitFor([&] { return at(10 * step, 5 * step); });
    EXPECT_TRUE(followed) << "step " << step << ": " << now.left - before.left << "," << now.top - before.top;
  }
  MouseAt(x + 60, y + 30, MOUSEEVENTF_LEFTUP);
  EXPECT_TRUE(WaitFor([&] { return !quiz.MoveSize(); })) << "the window did not let go";
  EXPECT_TRUE(at(60, 30));
  EXPECT_EQ(now.right - now.left, 568);
}

}  // namespace
