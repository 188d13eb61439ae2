// What a parent decided for the whole computer, with an administrator's rights: the values under
// HKLM\Software\quorvel in the registry's 32-bit view, which the setup program writes (or a parent with
// `reg add`). Every account can read them and only an administrator can change them, so a child cannot
// switch the practice off, leave their own account out, or send the program's files elsewhere.
#pragma once

#include <string>
#include <vector>

namespace platform {

class Platform;
struct Account;

inline constexpr wchar_t kPolicyKey[] = L"Software\\quorvel";
// The values, by name.
inline constexpr wchar_t kProgramFolderValue[] = L"ProgramFolder";  // REG_SZ: where quorvel.exe was installed
inline constexpr wchar_t kDataFolderValue[] = L"DataFolder";        // REG_SZ: the folder every account writes
inline constexpr wchar_t kPracticeValue[] = L"Practice";            // REG_DWORD: 1 deals the hard facts more
inline constexpr wchar_t kSkipAccountsValue[] = L"SkipAccounts";    // REG_MULTI_SZ: accounts without the quiz

struct Policy {
  std::wstring programFolder, dataFolder;
  bool practice = false;
  std::vector<std::wstring> skipAccounts;  // as written: "mama", "HOME-PC\mama", "DOMAIN\mama"
};

// A value that is missing, of another type or damaged counts as not set.
Policy ReadPolicy(Platform& platform);

// The account is on the list of accounts that never see the quiz: its name, without regard to case, with no
// prefix or with its own domain's (the computer's name for a local account, "." too).
bool LeftOut(const Policy& policy, const Account& account, Platform& platform);

// The data folder that the setup program made, for the copy of the program it installed; any other copy
// (the zip, say) keeps everything in its own folder.
std::wstring ChooseDataFolder(const Policy& policy, const std::wstring& appPath, Platform& platform);

}  // namespace platform
