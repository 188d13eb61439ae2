// The real Win32 binding under Wine, with the program's folder in a temporary folder of its own, and the
// helpers that read its windows.
#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <cmath>
#include <memory>
#include <string>
#include <vector>

#include "app/Program.h"
#include "platform/win32/Win32Platform.h"

namespace win32_test {

using platform::win32::Win32Platform;

// The real platform, with the program's folder in a fresh temporary folder and an end that only records.
class TestPlatform : public Win32Platform {
 public:
  // At `dpi` dots per inch, or the screen's (0).
  explicit TestPlatform(int dpi = 0) : Win32Platform(GetModuleHandleW(nullptr), dpi) {
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    folder = std::wstring(temp) + L"quorvel-binding-" + std::to_wstring(GetTickCount()) + L"-" +
             std::to_wstring(++count);
    CreateDirectoryW(folder.c_str(), nullptr);
  }
  ~TestPlatform() override {
    DeleteFileW((folder + L"\\quorvel.ini").c_str());
    DeleteFileW((folder + L"\\quorvel_vcb.ini").c_str());
    DeleteFileW((folder + L"\\quorvel_journal.txt").c_str());
    DeleteFileW((folder + L"\\quorvel_report.html").c_str());
    RemoveDirectoryW(folder.c_str());
  }
  std::wstring AppPath() override { return folder; }
  void End() override { ended = true; }
  // Kept, not sent: a drag would hold the test in the window system's move loop until a button is let go.
  long SendMessageA(platform::Handle, unsigned msg, std::uintptr_t, std::intptr_t) override {
    sent.push_back(msg);
    return 0;
  }
  void Pump() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) Dispatch(msg);
  }
  // A key pressed and let go, through the message loop as the keyboard delivers it: each message to the
  // window that has the focus at that moment.
  void Key(WORD vk) {
    const LPARAM scan = static_cast<LPARAM>(MapVirtualKeyW(vk, MAPVK_VK_TO_VSC)) << 16;
    PostMessageW(GetFocus(), WM_KEYDOWN, vk, scan | 1);
    Pump();
    PostMessageW(GetFocus(), WM_KEYUP, vk, scan | 1 | 0xC0000000);
    Pump();
  }

  std::wstring folder;
  bool ended = false;
  std::vector<unsigned> sent;
  static inline int count = 0;
};

inline std::wstring Text(HWND hwnd) {
  wchar_t buffer[512] = {};
  GetWindowTextW(hwnd, buffer, 512);
  return buffer;
}

inline std::wstring ClassOf(HWND hwnd) {
  wchar_t name[64] = {};
  GetClassNameW(hwnd, name, 64);
  return name;
}

inline RECT RectIn(HWND child) {
  RECT rect;
  GetWindowRect(child, &rect);
  MapWindowPoints(HWND_DESKTOP, GetParent(child), reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

class Binding : public ::testing::Test {
 protected:
  void SetUp() override {
    program = std::make_unique<app::Program>(platform);
    program->Start();
    platform.Pump();
  }
  void TearDown() override { program.reset(); }

  HWND Of(const forms::Control& control) { return platform.WindowOf(control); }
  quiz::Form1& form1() { return program->form1; }

  // The control's window sits in its container where the layout puts it, at 15 twips a pixel.
  void ExpectPlaced(const forms::Control& control, const wchar_t* windowClass) {
    SCOPED_TRACE(testing::Message() << std::string(control.Name().begin(), control.Name().end())
                                    << control.Index());
    HWND hwnd = Of(control);
    ASSERT_TRUE(hwnd);
    EXPECT_EQ(ClassOf(hwnd), windowClass);
    HWND container = control.Container() ? Of(*control.Container()) : Of(*control.form());
    EXPECT_EQ(GetParent(hwnd), container);
    const RECT rect = RectIn(hwnd);
    EXPECT_EQ(rect.left, std::lround(control.Left() / 15));
    EXPECT_EQ(rect.top, std::lround(control.Top() / 15));
    EXPECT_EQ(rect.right - rect.left, std::lround(control.Width() / 15));
    EXPECT_EQ(rect.bottom - rect.top, std::lround(control.Height() / 15));
    EXPECT_EQ(Text(hwnd), control.Caption());
    EXPECT_EQ(IsWindowVisible(hwnd) != 0, control.Visible() && IsWindowVisible(container));
    EXPECT_EQ(IsWindowEnabled(hwnd) != 0, control.Enabled());
  }

  TestPlatform platform;
  std::unique_ptr<app::Program> program;
};

}  // namespace win32_test
