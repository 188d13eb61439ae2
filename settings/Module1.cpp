#include "settings/Module1.h"

namespace settings {

using namespace platform;

namespace {
const char kRunKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";
constexpr long kErrorSuccess = 0;
constexpr long kErrorFileNotFound = 2;
}  // namespace

void Module1::SetTopmost(Platform& p, Handle hWnd, bool onTop) {
  if (onTop) {
    p.SetWindowPos(hWnd, HWND_TOPMOST_, 0, 0, 0, 0, SWP_NOSIZE_ | SWP_NOMOVE_ | SWP_NOACTIVATE_);
  } else {
    p.SetWindowPos(hWnd, HWND_NOTOPMOST_, 0, 0, 0, 0, SWP_NOSIZE_ | SWP_NOMOVE_);
  }
}

bool Module1::SetRunValue(Platform& p, const std::wstring& name, const std::wstring& data) {
  // A name or path that the code page cannot spell exactly would be stored as another one.
  const auto ansiName = p.ToAnsi(name), bytes = p.ToAnsi(data);
  if (!ansiName || !bytes) return false;
  Handle hKey = 0;
  p.RegOpenKeyA(HKEY_LOCAL_MACHINE_, kRunKey, &hKey);
  if (hKey == 0) return false;
  // The stored string carries its terminating zero.
  const long result =
      p.RegSetValueExA(hKey, *ansiName, 0, REG_SZ_, reinterpret_cast<const std::uint8_t*>(bytes->c_str()),
                       static_cast<std::uint32_t>(bytes->size() + 1));
  p.RegCloseKey(hKey);
  return result == kErrorSuccess;
}

bool Module1::DeleteRunValue(Platform& p, const std::wstring& name) {
  const auto ansiName = p.ToAnsi(name);
  if (!ansiName) return false;
  Handle hKey = 0;
  p.RegOpenKeyA(HKEY_LOCAL_MACHINE_, kRunKey, &hKey);
  if (hKey == 0) return false;
  const long result = p.RegDeleteValueA(hKey, *ansiName);
  p.RegCloseKey(hKey);
  // A value that is not there is already removed.
  return result == kErrorSuccess || result == kErrorFileNotFound;
}

}  // namespace settings
