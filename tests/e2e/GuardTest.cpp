#include <regex>

#include "Driver.h"

namespace {

using namespace e2e;

struct Stroke {
  DWORD vk;
  bool up;
  DWORD time;
};
std::vector<Stroke> g_strokes;

LRESULT CALLBACK Watch(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HC_ACTION) {
    const auto& key = *reinterpret_cast<const KBDLLHOOKSTRUCT*>(lParam);
    g_strokes.push_back({key.vkCode, (key.flags & LLKHF_UP) != 0, key.time});
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

// The system's keyboard input as it arrives, whoever sent it, seen through a low-level hook.
class KeyWatch {
 public:
  KeyWatch() : hook_(SetWindowsHookExW(WH_KEYBOARD_LL, Watch, GetModuleHandleW(nullptr), 0)) {
    g_strokes.clear();
  }
  ~KeyWatch() { UnhookWindowsHookEx(hook_); }
  // The hook runs in this thread's messages: they are handled while waiting.
  bool Until(const std::function<bool()>& done) {
    return WaitFor([&] {
      MSG msg;
      while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
      return done();
    });
  }
  const Stroke* First(DWORD vk, bool up) const {
    for (const Stroke& s : g_strokes) {
      if (s.vk == vk && s.up == up) return &s;
    }
    return nullptr;
  }

 private:
  HHOOK hook_;
};

TEST(Guard, LeftWindowsKeyIsAnsweredWithAnEscapePressAndReleaseWithinATick) {
  Quiz quiz;
  quiz.Start();
  KeyWatch keys;
  SendKey(VK_LWIN, false);
  const bool answered = keys.Until([&] { return keys.First(VK_ESCAPE, true) != nullptr; });
  SendKey(VK_LWIN, true);
  ASSERT_TRUE(answered);
  const Stroke *windows = keys.First(VK_LWIN, false), *press = keys.First(VK_ESCAPE, false);
  ASSERT_TRUE(windows && press);
  EXPECT_LT(press, keys.First(VK_ESCAPE, true));
  // One tick is 120 ms; the rest is room for a busy machine.
  EXPECT_LE(press->time - windows->time, 250u);
}

TEST(Guard, EscapePressesTheXOfTheActiveDialogWhichHidesAndSaves) {
  Quiz quiz;
  quiz.Start();
  Press('N', {VK_CONTROL});
  HWND form3 = nullptr;
  auto dialogShown = [&] { return (form3 = quiz.TopLevel(L"Form3")) && IsWindowVisible(form3); };
  ASSERT_TRUE(WaitFor(dialogShown));
  HWND russianToEnglish = Descendant(form3, L"Rus>E");
  Click(russianToEnglish);  // chosen, but not applied: "X" only saves it
  ASSERT_TRUE(WaitFor([&] { return Checked(russianToEnglish); }));
  Click(Descendant(form3, L"X"));
  ASSERT_TRUE(WaitFor([&] { return !IsWindowVisible(form3); }));
  // Saved once the dialog is hidden; gone again, so that only the next save can bring it back.
  ASSERT_TRUE(WaitFor([&] { return quiz.File(L"quorvel.ini") == "Predmet=2\r\nFont=14,25\r\n"; }));
  DeleteFileW(quiz.Path(L"quorvel.ini").c_str());

  Click(quiz.Button(L"Ещё"));  // empty boxes: the input-error message
  ASSERT_TRUE(WaitFor([&] { return dialogShown() && GetForegroundWindow() == form3; }));
  SendKey(VK_LWIN, false);
  const bool hidden = WaitFor([&] { return !IsWindowVisible(form3); }, 3000);
  SendKey(VK_LWIN, true);
  EXPECT_TRUE(hidden);
  EXPECT_TRUE(WaitFor([&] { return quiz.File(L"quorvel.ini") == "Predmet=2\r\nFont=14,25\r\n"; }));
  EXPECT_TRUE(quiz.running());
}

TEST(HotKeys, TypedCtrlEDealsWordsWithHintsThenCtrlTAndALargerFontAreSaved) {
  Quiz quiz({{L"quorvel_vcb.ini", "cat=\xEA\xEE\xF8\xEA\xE0\r\n"}});
  quiz.Start();
  Press('E', {VK_CONTROL});
  ASSERT_TRUE(WaitFor([&] { return Text(quiz.Problems().at(2)) == L"cat"; }));
  const auto boxes = quiz.Boxes();
  Click(Column(quiz.form1(), L"Static", 104).at(1));  // the hint ball of the middle row
  // The first letter, the focus in its box and the caret after the letter.
  EXPECT_TRUE(WaitFor([&] {
    return Text(boxes[1]) == L"к" && quiz.Focus() == boxes[1] &&
           LOWORD(SendMessageW(boxes[1], EM_GETSEL, 0, 0)) == 1;
  })) << Text(boxes[1]).size();

  Press('T', {VK_CONTROL});
  Press('U', {VK_CONTROL});
  const std::wregex problem(L"[2-9]      x      [2-9]      =");
  const auto problems = quiz.Problems();
  ASSERT_TRUE(WaitFor([&] { return std::regex_match(Text(problems[2]), problem); }));
  for (int r = 0; r < 3; ++r) quiz.Answer(r, ProductOf(Text(problems[r])));
  Click(quiz.Button(L"ВСЁ"));
  EXPECT_TRUE(quiz.Ends());
  EXPECT_EQ(quiz.File(L"quorvel.ini"), "Predmet=0\r\nFont=15\r\n");
}

}  // namespace
