#include "platform/Policy.h"

#include <cstdint>

#include "platform/Platform.h"

namespace platform {

namespace {

// Calls `each` with every string of a value as the registry keeps strings: UTF-16, little-endian, each
// ended by a zero; after the last one only when `all`.
template <class Each>
void ForEachString(const std::string& bytes, bool all, Each&& each) {
  std::wstring text;
  for (size_t at = 0; at + 1 < bytes.size(); at += 2) {
    const wchar_t unit = static_cast<wchar_t>(static_cast<unsigned char>(bytes[at]) |
                                              static_cast<unsigned char>(bytes[at + 1]) << 8);
    if (unit != 0) {
      // Where wchar_t is wider than UTF-16 (not on Windows), a surrogate pair becomes one character.
      if (sizeof(wchar_t) > 2 && unit >= 0xDC00 && unit < 0xE000 && !text.empty() && text.back() >= 0xD800 &&
          text.back() < 0xDC00) {
        text.back() = static_cast<wchar_t>(0x10000 + ((text.back() - 0xD800) << 10) + (unit - 0xDC00));
      } else {
        text += unit;
      }
      continue;
    }
    each(text);
    if (!all) return;
    text.clear();
  }
  if (!text.empty()) each(text);
}

bool Read(Platform& platform, const wchar_t* name, std::uint32_t& type, std::string& data) {
  return platform.RegGetValueW(HKEY_LOCAL_MACHINE_, kPolicyKey, name, RRF_RT_ANY_ | RRF_SUBKEY_WOW6432KEY_,
                               &type, &data) == 0 &&
         data.size() % 2 == 0;
}

std::wstring Folder(Platform& platform, const wchar_t* name) {
  std::uint32_t type = 0;
  std::string data;
  std::wstring folder;
  if (Read(platform, name, type, data) && type == REG_SZ_) {
    ForEachString(data, false, [&folder](std::wstring& text) { folder.swap(text); });
  }
  while (folder.size() > 3 && (folder.back() == L'\\' || folder.back() == L'/')) folder.pop_back();
  return folder;
}

}  // namespace

Policy ReadPolicy(Platform& platform) {
  Policy policy;
  policy.programFolder = Folder(platform, kProgramFolderValue);
  policy.dataFolder = Folder(platform, kDataFolderValue);

  std::uint32_t type = 0;
  std::string data;
  policy.practice = Read(platform, kPracticeValue, type, data) && type == REG_DWORD_ && data.size() == 4 &&
                    data == std::string("\1\0\0\0", 4);

  // One name typed as a plain string counts too.
  if (Read(platform, kSkipAccountsValue, type, data) && (type == REG_MULTI_SZ_ || type == REG_SZ_)) {
    ForEachString(data, type == REG_MULTI_SZ_, [&policy](std::wstring& name) {
      const size_t begin = name.find_first_not_of(L' ');
      if (begin != std::wstring::npos)
        policy.skipAccounts.push_back(name.substr(begin, name.find_last_not_of(L' ') - begin + 1));
    });
  }
  return policy;
}

bool LeftOut(const Policy& policy, const Account& account, Platform& platform) {
  if (account.name.empty()) return false;
  const std::wstring name = platform.LCase(account.name), domain = platform.LCase(account.domain);
  for (const std::wstring& entry : policy.skipAccounts) {
    const size_t slash = entry.rfind(L'\\');
    if (platform.LCase(entry.substr(slash == std::wstring::npos ? 0 : slash + 1)) != name) continue;
    if (slash == std::wstring::npos) return true;
    const std::wstring prefix = platform.LCase(entry.substr(0, slash));
    if (prefix == L"." || prefix == domain) return true;
  }
  return false;
}

std::wstring ChooseDataFolder(const Policy& policy, const std::wstring& appPath, Platform& platform) {
  if (policy.programFolder.empty() || policy.dataFolder.empty()) return appPath;
  return platform.LCase(policy.programFolder) == platform.LCase(appPath) ? policy.dataFolder : appPath;
}

const Policy& Platform::MachinePolicy() {
  if (!policy_) policy_ = ReadPolicy(*this);
  return *policy_;
}

const std::wstring& Platform::DataPath() {
  if (!dataPath_) dataPath_ = ChooseDataFolder(MachinePolicy(), AppPath(), *this);
  return *dataPath_;
}

}  // namespace platform
