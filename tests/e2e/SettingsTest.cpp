// The parents' settings dialog, opened with its key and driven with the mouse; the start-up value it leaves.
#include "Driver.h"

namespace {

using namespace e2e;

// Reads the start-up value's data (empty when there is none) and removes it.
std::string TakeRunValue() {
  const char name[] = "\xD2\xE0\xE1\xEB\xE8\xF6\xE0 \xF3\xEC\xED\xEE\xE6\xE5\xED\xE8\xFF";  // code page 1251
  HKEY key;
  if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, "Software\\Microsoft\\Windows\\CurrentVersion\\Run", 0,
                    KEY_READ | KEY_SET_VALUE, &key) != ERROR_SUCCESS) {
    return "";
  }
  char data[1024];
  DWORD type = 0, size = sizeof data;
  const LONG result = RegQueryValueExA(key, name, nullptr, &type, reinterpret_cast<BYTE*>(data), &size);
  RegDeleteValueA(key, name);
  RegCloseKey(key);
  return result == ERROR_SUCCESS && type == REG_SZ ? std::string(data, size) : "";
}

TEST(Settings, YesAndEnglishToRussianRegisterTheQuizAndDealWords) {
  Quiz quiz(
      {{L"quorvel_vcb.ini", "cat=\xea\xee\xf2\r\ndog=\xef\xe5\xf1\r\nsun=\xf1\xee\xeb\xed\xf6\xe5\r\n"}});
  quiz.Start();
  Press('N', {VK_CONTROL});
  HWND form3 = nullptr;
  ASSERT_TRUE(WaitFor([&] { return (form3 = quiz.TopLevel(L"Form3")) && IsWindowVisible(form3); }));
  HWND yes = Descendant(form3, L"Да"), englishToRussian = Descendant(form3, L"Eng>R");
  Click(yes);
  Click(englishToRussian);
  ASSERT_TRUE(WaitFor([&] { return Checked(yes) && Checked(englishToRussian); }));
  Click(Descendant(form3, L"Принято"));

  // The quiz is busy for a moment: read the line as the system keeps it, without asking the quiz.
  HWND label = Column(Column(form3, L"QuorvelFrame").at(0), L"Static", 8).at(0);
  const std::wstring result = L"Старт ИЗМЕНЕН" + std::wstring(20, L' ') + L"Предмет ИЗМЕНЕН";
  EXPECT_TRUE(WaitFor([&] {
    wchar_t text[128] = {};
    GetWindowTextW(label, text, 128);
    return IsWindowVisible(form3) && text == result;
  }));
  ASSERT_TRUE(WaitFor([&] { return !IsWindowVisible(form3); }));
  EXPECT_TRUE(WaitFor([&] { return quiz.File(L"quorvel.ini") == "Predmet=1\r\nFont=14,25\r\n"; }));
  for (HWND problem : quiz.Problems()) EXPECT_EQ(Text(problem).size(), 3u) << "an English headword";

  char exe[MAX_PATH];
  WideCharToMultiByte(CP_ACP, 0, quiz.Path(L"quorvel.exe").c_str(), -1, exe, MAX_PATH, nullptr, nullptr);
  EXPECT_EQ(TakeRunValue(), "\"" + std::string(exe) + "\"" + '\0');
}

}  // namespace
