// The dialog window on real windows, and the start-up value in the real registry.
#include "Win32Fixture.h"
#include "settings/Form3.h"

namespace {

using namespace win32_test;

const char kRunKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";
const char kRunName[] =
    "\xD2\xE0\xE1\xEB\xE8\xF6\xE0 \xF3\xEC\xED\xEE\xE6\xE5\xED\xE8\xFF";  // code page 1251

class Dialog : public Binding {
 protected:
  settings::Form3& d() { return program->form3; }
  void Show() {
    d().ShowSettings();
    platform.Pump();
  }
  // The type and bytes of the start-up value, or nothing when it is absent.
  std::string RunValue() {
    char data[1024];
    DWORD type = 0, size = sizeof data;
    HKEY key;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, kRunKey, 0, KEY_READ, &key) != ERROR_SUCCESS) return "no key";
    const LONG result = RegQueryValueExA(key, kRunName, nullptr, &type, reinterpret_cast<BYTE*>(data), &size);
    RegCloseKey(key);
    return result == ERROR_SUCCESS ? std::to_string(type) + ":" + std::string(data, size) : "";
  }
};

TEST_F(Dialog, IsAModelessPopupWithEveryControlInPlace) {
  Show();
  HWND hwnd = Of(d());
  EXPECT_EQ(Text(hwnd), L"Form3");
  EXPECT_TRUE(GetWindowLongW(hwnd, GWL_STYLE) & WS_POPUP);
  EXPECT_EQ(GetWindow(hwnd, GW_OWNER), nullptr);
  for (const forms::Control* control : d().Controls()) {
    const forms::Kind kind = control->kind();
    if (kind == forms::Kind::Line) continue;
    ExpectPlaced(*control, kind == forms::Kind::Frame   ? L"QuorvelFrame"
                           : kind == forms::Kind::Label ? L"Static"
                                                        : L"Button");
  }

  // What shows at a point takes its clicks: the options over the label, each circle over its left neighbour.
  for (auto* option : {&d().optStart[0], &d().optPred[1], &d().optPred[2]}) {
    RECT rect;
    GetWindowRect(Of(*option), &rect);
    EXPECT_EQ(WindowFromPoint(POINT{rect.left + 4, rect.top + 2}), Of(*option));   // under the label's foot
    EXPECT_EQ(WindowFromPoint(POINT{rect.left + 4, rect.top + 12}), Of(*option));  // beside the label
  }
  d().optPred[0].SetValue(true);
  SendMessageW(Of(d().optPred[1]), BM_CLICK, 0, 0);
  EXPECT_EQ(SendMessageW(Of(d().optPred[1]), BM_GETCHECK, 0, 0), BST_CHECKED);
  EXPECT_EQ(SendMessageW(Of(d().optPred[0]), BM_GETCHECK, 0, 0), BST_UNCHECKED);
  EXPECT_TRUE(d().optPred[1].Value());
}

TEST_F(Dialog, AFolderNameOutsideTheCodePageIsStoredAsTheShortPathOfTheExe) {
  // Ә is not in code page 1251. The exe must be there to have a short path.
  const std::wstring folder = platform.folder, other = folder + L"\\Әліпби";
  const std::wstring exe = other + L"\\" + platform.AppExeName() + L".exe";
  ASSERT_TRUE(CreateDirectoryW(other.c_str(), nullptr));
  CloseHandle(CreateFileW(exe.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr));
  platform.folder = other;
  Show();
  d().optStart[0].Click();
  d().cmdOK[0].Click();
  platform.folder = folder;

  EXPECT_EQ(Text(Of(d().Label1)).substr(0, 13), L"Старт ИЗМЕНЕН");
  const std::string value = RunValue();  // 1:"path"<zero>
  ASSERT_GT(value.size(), 5u);
  EXPECT_EQ(value.substr(0, 3), "1:\"");
  EXPECT_EQ(value.substr(value.size() - 2), std::string("\"") + '\0');
  const std::string stored = value.substr(3, value.size() - 5);
  EXPECT_EQ(stored.find('?'), std::string::npos);
  wchar_t path[MAX_PATH] = {}, longPath[MAX_PATH] = {};
  MultiByteToWideChar(CP_ACP, MB_ERR_INVALID_CHARS, stored.c_str(), -1, path, MAX_PATH);
  ASSERT_NE(GetLongPathNameW(path, longPath, MAX_PATH), 0u) << stored;
  EXPECT_EQ(lstrcmpiW(longPath, exe.c_str()), 0) << stored;

  HKEY key;
  if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, kRunKey, 0, KEY_SET_VALUE, &key) == ERROR_SUCCESS) {
    RegDeleteValueA(key, kRunName);
    RegCloseKey(key);
  }
  DeleteFileW(exe.c_str());
  RemoveDirectoryW(other.c_str());
}

}  // namespace
