// The in-memory platform of the host build: no windows, no registry, no files on disk.
// It models what the program can observe and records what the program asked of it.
#pragma once

#include <deque>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "platform/Platform.h"
#include "platform/Random.h"
#include "platform/Scale.h"

namespace platform {

// A file of the given bytes.
class MemoryFile : public InputFile {
 public:
  explicit MemoryFile(std::string bytes) : bytes_(std::move(bytes)) {}
  long Read(char* buffer, long size) override;

 private:
  std::string bytes_;
  size_t at_ = 0;
};

class SimPlatform : public Platform {
 public:
  // The screen, in pixels, and its dots per inch.
  int screenWidthPx = 1024, screenHeightPx = 768, dpi = 96;
  std::wstring appPath = L"C:\\quorvel", appExeName = L"quorvel";
  wchar_t decimalSeparator = L',';

  // Files by full path. A file in `unreadable` exists but cannot be opened, one in `readOnly` cannot be
  // written. While `folderReadOnly`, no file can be made in the folder, but one that is there can still
  // be written where it is.
  std::map<std::wstring, std::string> files;
  std::set<std::wstring> unreadable, readOnly;
  bool folderReadOnly = false;
  // Replacing a file takes four steps: a temporary file beside it is created (1), written (2) and
  // flushed to the disk (3), then renamed over the file (4). The power fails after this many steps of
  // the next replace (-1: never): the disk keeps what it held at that moment, and the call fails.
  int powerCutAfter = -1;
  // The power fails after this many bytes of the next append have landed (-1: never), and the call fails.
  int appendCutAfter = -1;
  // Short (8.3) forms of paths; any other path is its own short form.
  std::map<std::wstring, std::wstring> shortPaths;
  int appends = 0;  // successful AppendFile calls
  // What another account may plant in a folder that every account writes: junctions and symbolic links (a
  // file's or a folder's path), and files with more than one name (hard links: the count of names). No write
  // goes through them.
  std::set<std::wstring> links;
  std::map<std::wstring, int> hardLinks;
  // Makes OpenInput hand out a file of its own (a generated one, say) for a path.
  std::function<std::unique_ptr<InputFile>(const std::wstring&)> openOverride;

  // Registry: the values of the machine-wide start-up key, by ANSI name: type and bytes.
  std::map<std::string, std::pair<std::uint32_t, std::string>> runValues;
  bool runKeyOpens = true, runKeyWritable = true;
  int openKeys = 0;      // handles open now
  int regOpenCalls = 0;  // RegOpenKeyA calls, whether the key opened or not
  // Other values, read with RegGetValueW: type and bytes by key (below HKEY_LOCAL_MACHINE, in the 32-bit
  // view) and value name. The Set helpers write the values of the program's own key as `reg add` would.
  std::map<std::pair<std::wstring, std::wstring>, std::pair<std::uint32_t, std::string>> registry;
  void SetPolicy(const std::wstring& name, const std::wstring& text);
  void SetPolicy(const std::wstring& name, std::uint32_t number);
  void SetPolicy(const std::wstring& name, const std::vector<std::wstring>& texts);

  // The account the program runs for.
  Account account{L"HOME-PC", L"Маша"};

  // Keys: what GetAsyncKeyState answers for a key; injected events as (vk, scan, flags, extra).
  std::map<int, short> keyStates;
  std::vector<int> keyQueries;
  struct KeyEvent {
    int vk, scan;
    std::uint32_t flags;
    std::uintptr_t extra;
    bool operator==(const KeyEvent&) const = default;
  };
  std::vector<KeyEvent> injected;

  // Clocks: they stand still until a test moves them.
  LocalTime localTime{2024, 5, 17, 7, 45, 0};
  std::uint32_t tickCount = 1000;

  // Random numbers: scripted values first, then a generator.
  std::deque<float> scriptedRnd;
  int seeds = 0;

  // What happened: window-manager calls, DoEvents and Sleep, with their arguments, in order.
  std::vector<std::string> calls;
  // What the pending window events do (paint, say) when the program lets them run.
  std::function<void()> pendingEvents;
  bool ended = false;

  // The keyboard, as the system moves it: the active form and the control with the focus. A form that is
  // shown becomes active; a control that is disabled or hidden loses the focus to nothing.
  forms::Form* active = nullptr;
  forms::Control* focus = nullptr;

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
  void End() override { ended = true; }
  float ScreenWidth() override { return Scale(dpi).Twips(screenWidthPx); }
  float ScreenHeight() override { return Scale(dpi).Twips(screenHeightPx); }
  std::wstring AppPath() override { return appPath; }
  std::wstring AppExeName() override { return appExeName; }
  Account GetAccount() override { return account; }
  // Read afresh at every call, so that a test may set the registry at any time.
  const Policy& MachinePolicy() override;
  const std::wstring& DataPath() override;
  bool FileExists(const std::wstring& path) override;
  std::unique_ptr<InputFile> OpenInput(const std::wstring& path) override;
  bool ReplaceFile(const std::wstring& path, const std::string& bytes) override;
  std::wstring ShortPath(const std::wstring& path) override;
  bool AppendFile(const std::wstring& path, const std::string& bytes) override;
  long long FileSize(const std::wstring& path) override;
  int LastByte(const std::wstring& path) override;
  LocalTime GetLocalTime() override { return localTime; }
  std::uint32_t GetTickCount() override { return tickCount; }
  void Randomize() override;
  float Rnd() override;
  wchar_t DecimalSeparator() override { return decimalSeparator; }
  std::wstring LCase(const std::wstring& text) override;
  std::optional<std::string> ToAnsi(const std::wstring& text) override;
  std::wstring FromAnsi(const std::string& bytes) override;

  // A file of the program's data folder.
  std::wstring PathOf(const std::wstring& fileName) { return DataPath() + L"\\" + fileName; }

 private:
  // Activates a form as a click or the binding would, and gives the focus back to its control.
  void Activate(forms::Form& form);
  // A write to the file would land elsewhere, or in another file too.
  bool Redirected(const std::wstring& path) const;
  void MoveFocus(forms::Control* to);
  Policy freshPolicy_;
  std::wstring freshDataPath_;
  std::map<const forms::Form*, Handle> handles_;
  std::vector<forms::Form*> activation_;  // most recently active first
  Random random_;
  Handle nextRegion_ = 0x500;
};

}  // namespace platform
