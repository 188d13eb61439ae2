// The parents' settings dialog, opened with its key and driven with the mouse; the start-up value it leaves.
#include "Driver.h"

namespace {

using namespace e2e;

const char kRunKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";
const char kRunName[] =
    "\xD2\xE0\xE1\xEB\xE8\xF6\xE0 \xF3\xEC\xED\xEE\xE6\xE5\xED\xE8\xFF";  // code page 1251

// The data of the start-up value; empty when there is none. `remove` deletes it after reading.
std::string RunValue(bool remove = false) {
  HKEY key;
  if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, kRunKey, 0, KEY_READ | KEY_SET_VALUE, &key) != ERROR_SUCCESS)
    return "";
  char data[1024];
  DWORD type = 0, size = sizeof data;
  const LONG result = RegQueryValueExA(key, kRunName, nullptr, &type, reinterpret_cast<BYTE*>(data), &size);
  if (remove) RegDeleteValueA(key, kRunName);
  RegCloseKey(key);
  return result == ERROR_SUCCESS && type == REG_SZ ? std::string(data, size) : "";
}

// Opens the dialog with Ctrl and the settings key, as a parent types them in an answer box.
HWND OpenSettings(Quiz& quiz) {
  Press('N', {VK_CONTROL});
  HWND form3 = nullptr;
  EXPECT_TRUE(WaitFor([&] { return (form3 = quiz.TopLevel(L"Form3")) && IsWindowVisible(form3); }));
  return form3;
}

TEST(Settings, YesAndEnglishToRussianRegisterTheQuizAndDealWords) {
  Quiz quiz(
      {{L"quorvel_vcb.ini", "cat=\xea\xee\xf2\r\ndog=\xef\xe5\xf1\r\nsun=\xf1\xee\xeb\xed\xf6\xe5\r\n"}});
  quiz.Start();
  HWND form3 = OpenSettings(quiz);
  ASSERT_TRUE(form3);
  HWND frame = Column(form3, L"QuorvelFrame").at(0);
  Click(ChildWithText(frame, L"Да"));
  Click(ChildWithText(Column(frame, L"QuorvelFrame").at(0), L"Eng>R"));
  Click(ChildWithText(form3, L"Принято"));

  // The quiz is busy for a moment: read the line as the system keeps it, without asking the quiz.
  HWND label = Column(frame, L"Static", 8).at(0);
  const std::wstring result = L"Старт ИЗМЕНЕН" + std::wstring(20, L' ') + L"Предмет ИЗМЕНЕН";
  EXPECT_TRUE(WaitFor([&] {
    wchar_t text[128] = {};
    GetWindowTextW(label, text, 128);
    return IsWindowVisible(form3) && text == result;
  }));
  ASSERT_TRUE(WaitFor([&] { return !IsWindowVisible(form3); }));
  EXPECT_TRUE(WaitFor([&] { return quiz.File(L"quorvel.ini") == "Predmet=1\r\nFont=14,25\r\n"; }, 1000));
  for (HWND problem : quiz.Problems()) EXPECT_EQ(Text(problem).size(), 3u) << "an English headword";

  char exe[MAX_PATH];
  WideCharToMultiByte(CP_ACP, 0, quiz.Path(L"quorvel.exe").c_str(), -1, exe, MAX_PATH, nullptr, nullptr);
  EXPECT_EQ(RunValue(true), "\"" + std::string(exe) + "\"" + '\0');
}

TEST(Settings, CloseWithRussianToEnglishSavesTheSubjectAndDealsNothing) {
  Quiz quiz;
  quiz.Start();
  std::vector<std::wstring> problems;
  for (HWND problem : quiz.Problems()) problems.push_back(Text(problem));
  HWND form3 = OpenSettings(quiz);
  ASSERT_TRUE(form3);
  HWND frame = Column(form3, L"QuorvelFrame").at(0);
  Click(ChildWithText(Column(frame, L"QuorvelFrame").at(0), L"Rus>E"));
  Click(ChildWithText(frame, L"X"));

  ASSERT_TRUE(WaitFor([&] { return !IsWindowVisible(form3); }, 1000));  // no pause
  EXPECT_TRUE(WaitFor([&] { return quiz.File(L"quorvel.ini") == "Predmet=2\r\nFont=14,25\r\n"; }, 1000));
  for (size_t r = 0; r < problems.size(); ++r) EXPECT_EQ(Text(quiz.Problems().at(r)), problems[r]);
  EXPECT_EQ(RunValue(), "");
}

}  // namespace
