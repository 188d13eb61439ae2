// The platform on real Win32: windows for the forms, and the system calls behind Platform.
// https://learn.microsoft.com/windows/win32/winmsg/windowing
#pragma once

#include <windows.h>

#include <map>
#include <memory>
#include <vector>

#include "platform/Platform.h"
#include "platform/Random.h"

namespace platform::win32 {

class Win32Platform : public Platform {
 public:
  // Lays the forms out at `dpi` dots per inch; 0 takes the screen's.
  explicit Win32Platform(HINSTANCE instance, int dpi = 0);
  ~Win32Platform() override;

  // Pumps messages until the process ends (End() ends it from inside a handler).
  int Run();
  // Handles one message the way the loop does: dialog keys first (Tab, Enter, Escape).
  void Dispatch(MSG& msg);

  // The window that shows a control or a form; null before its form is loaded.
  HWND WindowOf(const forms::Control& control) const;
  forms::Control* ControlOf(HWND hwnd) const;
  int Dpi() const { return dpi_; }
  // Twips to pixels at the screen's dots per inch, and back.
  int Px(float twips) const;
  float Twips(int pixels) const;

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
  void Sleep(std::uint32_t milliseconds) override;
  void DoEvents() override;
  void End() override;
  float ScreenWidth() override;
  float ScreenHeight() override;
  std::wstring AppPath() override;
  std::wstring AppExeName() override;
  bool FileExists(const std::wstring& path) override;
  std::unique_ptr<InputFile> OpenInput(const std::wstring& path) override;
  bool ReplaceFile(const std::wstring& path, const std::string& bytes) override;
  std::wstring ShortPath(const std::wstring& path) override;
  bool AppendFile(const std::wstring& path, const std::string& bytes) override;
  long long FileSize(const std::wstring& path) override;
  LocalTime GetLocalTime() override;
  std::uint32_t GetTickCount() override;
  void Randomize() override;
  float Rnd() override;
  wchar_t DecimalSeparator() override;
  std::wstring LCase(const std::wstring& text) override;
  std::optional<std::string> ToAnsi(const std::wstring& text) override;
  std::wstring FromAnsi(const std::string& bytes) override;

  // Used by the window procedures.
  LRESULT FormMessage(forms::Form& form, HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
  LRESULT FrameMessage(forms::Control& frame, HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
  LRESULT ControlMessage(forms::Control& control, HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

 private:
  struct Window {
    const forms::Form* owner = nullptr;
    HWND hwnd = nullptr;
    int id = 0;              // control id within its form; timer id for timers
    bool shownOnce = false;  // forms: tool tips are made at the first showing
  };

  void CreateChildren(forms::Form& form, forms::Control* container, HWND parent);
  HWND CreateControl(forms::Control& control, HWND parent, int id);
  static int Layer(const forms::Form& form, const forms::Control& control);
  void ClipUnderLaterOptions(forms::Form& form, forms::Control& option);
  void UpdateTimer(forms::Control& timer);
  void UpdateToolTip(forms::Control& control);
  void ShowForm(forms::Form& form);
  void HideForm(forms::Form& form);
  // Option buttons that share a container are one group for the dialog keys: Tab stops once in it, the
  // arrow keys move within it.
  void MarkOptionGroups(forms::Form& form);
  void UpdateGroupTabStop(forms::Control& option);
  // The default button is framed while Enter would press it, which changes as the focus moves.
  void RedrawDefaultButton(forms::Form& form);
  // Messages that child controls send to their parent (form or frame).
  bool ChildNotification(HWND parent, UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result);
  forms::Control* ControlById(const forms::Form& form, int id) const;
  HFONT FontOf(const forms::Control& control);
  HBRUSH BrushOf(forms::Color color);
  COLORREF ColorOf(forms::Color color) const;

  HINSTANCE instance_;
  int dpi_ = 96;
  std::map<const forms::Control*, Window> windows_;
  std::map<HWND, forms::Control*> controls_;
  std::map<std::wstring, HFONT> fonts_;
  std::map<COLORREF, HBRUSH> brushes_;
  std::map<const forms::Form*, HWND> toolTips_;
  Random random_;
  int nextTimerId_ = 1;
  bool moving_ = false;                       // our own SetWindowPos is moving a form: its WM_MOVE is no news
  std::vector<forms::Form*> activation_;      // forms, most recently active first
  const forms::Control* focusing_ = nullptr;  // an option button taking the focus
};

}  // namespace platform::win32
