// The accounts a parent left out of the quiz, as an administrator lists them: HKLM\Software\quorvel
// SkipAccounts, in the registry's 32-bit view, where the program looks.
#include "Driver.h"

namespace {

using namespace e2e;

class SkipAccounts : public ::testing::Test {
 protected:
  void TearDown() override { RegDeleteKeyExW(HKEY_LOCAL_MACHINE, L"Software\\quorvel", KEY_WOW64_32KEY, 0); }

  static void List(const std::vector<std::wstring>& names) {
    std::wstring value;
    for (const std::wstring& name : names) value += name + L'\0';
    value += L'\0';
    HKEY key;
    ASSERT_EQ(RegCreateKeyExW(HKEY_LOCAL_MACHINE, L"Software\\quorvel", 0, nullptr, 0,
                              KEY_SET_VALUE | KEY_WOW64_32KEY, nullptr, &key, nullptr),
              ERROR_SUCCESS);
    RegSetValueExW(key, L"SkipAccounts", 0, REG_MULTI_SZ, reinterpret_cast<const BYTE*>(value.data()),
                   static_cast<DWORD>(value.size() * sizeof(wchar_t)));
    RegCloseKey(key);
  }
  static std::wstring Me() {
    wchar_t name[256];
    DWORD size = 256;
    GetUserNameW(name, &size);
    return name;
  }
};

TEST_F(SkipAccounts, TheAccountOnTheListGetsNoWindowAndNothingIsWritten) {
  // Its name in capitals, with the computer's name before it, as a parent might type it.
  wchar_t computer[MAX_COMPUTERNAME_LENGTH + 1];
  DWORD size = MAX_COMPUTERNAME_LENGTH + 1;
  GetComputerNameW(computer, &size);
  std::wstring me = Me();
  CharUpperW(me.data());
  List({L"Маша", std::wstring(computer) + L"\\" + me});
  Quiz quiz;
  const DWORD started = GetTickCount();
  quiz.Launch();
  ASSERT_TRUE(quiz.Ends(1000)) << "the quiz did not end within a second";
  std::printf("left out: ended %lu ms after the start\n", GetTickCount() - started);
  EXPECT_EQ(quiz.ExitCode(), 0u);
  EXPECT_EQ(quiz.Files(), std::vector<std::wstring>{L"quorvel.exe"});
}

TEST_F(SkipAccounts, AnotherNameOnTheListChangesNothingForThisAccount) {
  List({L"Маша", Me() + L"2"});
  Quiz quiz;
  quiz.Start();
  EXPECT_EQ(quiz.Problems().size(), 3u);
  EXPECT_NE(quiz.File(L"quorvel.ini"), "<missing>");
}

}  // namespace
