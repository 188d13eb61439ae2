// The platform on real Win32: windows for the forms (Binding.cpp, with a record per window in Window.h and
// each kind of control in Controls.h), the message loop (MessageLoop.cpp), and the system calls behind
// Platform (System.cpp, Files.cpp).
// https://learn.microsoft.com/windows/win32/winmsg/windowing
#pragma once

#include <windows.h>

#include <memory>
#include <vector>

#include "platform/Platform.h"
#include "platform/Random.h"
#include "platform/Scale.h"
#include "platform/win32/Gdi.h"

namespace platform::win32 {

class Win32Platform : public Platform {
 public:
  // Lays the forms out at `dpi` dots per inch; 0 takes the screen's.
  explicit Win32Platform(HINSTANCE instance, int dpi = 0);

  // Pumps messages until the process ends (End() ends it from inside a handler).
  int Run();
  // Handles one message the way the loop does: dialog keys first (Tab, Enter, Escape).
  void Dispatch(MSG& msg);

  // The window that shows a control or a form; null before its form is loaded, and for a timer.
  HWND WindowOf(const forms::Control& control) const;

  // What the windows share.
  HINSTANCE Instance() const { return instance_; }
  const Scale& scale() const { return scale_; }
  GdiCache& Gdi() { return gdi_; }
  // The keyboard between forms: a form that becomes active, and the form that was active before `form`
  // and is still on the screen (null if none).
  void Activated(forms::Form& form);
  forms::Form* ActiveBefore(const forms::Form& form) const;

  // Binding
  void Load(forms::Form& form) override;
  void Unload(forms::Form& form) override;
  void Changed(forms::Control& control, forms::Prop what) override;
  void SetFocus(forms::Control& control) override;
  float GrantFontSize(const forms::Font& font) override;
  std::uintptr_t WindowHandle(forms::Form& form) override;

  // Platform
  Handle CreateRoundRectRgn(int x1, int y1, int x2, int y2, int w, int h) override;
  int SetWindowRgn(Handle hWnd, Handle hRgn, bool bRedraw) override;
  int SetWindowPos(Handle hWnd, Handle after, int x, int y, int cx, int cy, unsigned flags) override;
  int ReleaseCapture() override;
  long SendMessageA(Handle hWnd, unsigned msg, std::uintptr_t wParam, std::intptr_t lParam) override;
  short GetAsyncKeyState(int vKey) override;
  void keybd_event(std::uint8_t bVk, std::uint8_t bScan, std::uint32_t dwFlags,
                   std::uintptr_t extra) override;
  long RegOpenKeyA(Handle hKey, const std::string& subKey, Handle* phkResult) override;
  long RegSetValueExA(Handle hKey, const std::string& name, std::uint32_t reserved, std::uint32_t type,
                      const std::uint8_t* data, std::uint32_t cbData) override;
  long RegDeleteValueA(Handle hKey, const std::string& name) override;
  long RegCloseKey(Handle hKey) override;
  long RegGetValueW(Handle hKey, const std::wstring& subKey, const std::wstring& valueName,
                    std::uint32_t flags, std::uint32_t* type, std::string* data) override;
  void Sleep(std::uint32_t milliseconds) override;
  void DoEvents() override;
  void End() override;
  float ScreenWidth() override;
  float ScreenHeight() override;
  std::wstring AppPath() override;
  std::wstring AppExeName() override;
  Account GetAccount() override;
  bool FileExists(const std::wstring& path) override;
  std::unique_ptr<InputFile> OpenInput(const std::wstring& path) override;
  bool ReplaceFile(const std::wstring& path, const std::string& bytes) override;
  std::wstring ShortPath(const std::wstring& path) override;
  bool AppendFile(const std::wstring& path, const std::string& bytes) override;
  long long FileSize(const std::wstring& path) override;
  int LastByte(const std::wstring& path) override;
  LocalTime GetLocalTime() override;
  std::uint32_t GetTickCount() override;
  void Randomize() override;
  float Rnd() override;
  wchar_t DecimalSeparator() override;
  std::wstring LCase(const std::wstring& text) override;
  std::optional<std::string> ToAnsi(const std::wstring& text) override;
  std::wstring FromAnsi(const std::string& bytes) override;

 private:
  HINSTANCE instance_;
  Scale scale_;
  GdiCache gdi_{scale_};
  std::vector<forms::Form*> activation_;  // forms, most recently active first
  Random random_;
};

}  // namespace platform::win32
