// The operations the program needs from the operating system, under the names
// and with the arguments of the system calls they stand for. One real binding
// (win32) and one in memory (sim) implement it.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "forms/Forms.h"
#include "platform/Policy.h"

// <windows.h> turns ReplaceFile into ReplaceFileW; the operation below keeps its own name in every file.
#ifdef ReplaceFile
#undef ReplaceFile
#endif

namespace platform {

using Handle = std::uintptr_t;

constexpr Handle HKEY_LOCAL_MACHINE_ = 0x80000002u;
constexpr Handle HWND_TOPMOST_ = static_cast<Handle>(-1);
constexpr Handle HWND_NOTOPMOST_ = static_cast<Handle>(-2);
constexpr unsigned SWP_NOSIZE_ = 1, SWP_NOMOVE_ = 2, SWP_NOACTIVATE_ = 16;
constexpr unsigned WM_NCLBUTTONDOWN_ = 0xA1;
constexpr unsigned HTCAPTION_ = 2;
constexpr std::uint32_t REG_SZ_ = 1, REG_DWORD_ = 4, REG_MULTI_SZ_ = 7;
// RegGetValueW: any type, and the 32-bit view of the key on a 64-bit system (where a 32-bit program
// reads anyway).
constexpr std::uint32_t RRF_RT_ANY_ = 0xFFFF, RRF_SUBKEY_WOW6432KEY_ = 0x00020000;
constexpr std::uint32_t KEYEVENTF_KEYUP_ = 2;

// The local date and time, as the system's clock shows it.
struct LocalTime {
  int year = 0, month = 0, day = 0;  // month and day from 1
  int hour = 0, minute = 0, second = 0;
};

// The account the program runs for: its domain (the computer's name for a local account) and its name.
struct Account {
  std::wstring domain, name;
};

// A file opened for reading; closed when destroyed.
class InputFile {
 public:
  virtual ~InputFile() = default;
  // Reads up to `size` bytes; 0 at the end of the file, -1 when reading fails.
  virtual long Read(char* buffer, long size) = 0;
};

class Platform : public forms::Binding {
 public:
  // Window shape and order. Region coordinates are pixels of a 96-dpi screen.
  virtual Handle CreateRoundRectRgn(int x1, int y1, int x2, int y2, int w, int h) = 0;
  virtual int SetWindowRgn(Handle hWnd, Handle hRgn, bool bRedraw) = 0;
  virtual int SetWindowPos(Handle hWnd, Handle hWndInsertAfter, int x, int y, int cx, int cy,
                           unsigned flags) = 0;

  // Dragging a borderless window.
  virtual int ReleaseCapture() = 0;
  virtual long SendMessageA(Handle hWnd, unsigned msg, std::uintptr_t wParam, std::intptr_t lParam) = 0;

  // Keyboard.
  virtual short GetAsyncKeyState(int vKey) = 0;
  virtual void keybd_event(std::uint8_t bVk, std::uint8_t bScan, std::uint32_t dwFlags,
                           std::uintptr_t dwExtraInfo) = 0;

  // Registry, with ANSI names and data.
  virtual long RegOpenKeyA(Handle hKey, const std::string& subKey, Handle* phkResult) = 0;
  virtual long RegSetValueExA(Handle hKey, const std::string& valueName, std::uint32_t reserved,
                              std::uint32_t type, const std::uint8_t* data, std::uint32_t cbData) = 0;
  virtual long RegDeleteValueA(Handle hKey, const std::string& valueName) = 0;
  virtual long RegCloseKey(Handle hKey) = 0;
  // A value of any type as its bytes (strings in UTF-16, little-endian, with their terminating zeros); an
  // error code when the key or the value is missing or cannot be read.
  virtual long RegGetValueW(Handle hKey, const std::wstring& subKey, const std::wstring& valueName,
                            std::uint32_t flags, std::uint32_t* type, std::string* data) = 0;

  // Process.
  virtual void Sleep(std::uint32_t milliseconds) = 0;
  // Handles every pending window event, then returns.
  virtual void DoEvents() = 0;
  // Ends the process at once; in the simulation it only records that it happened.
  virtual void End() = 0;

  // Screen size in twips.
  virtual float ScreenWidth() = 0;
  virtual float ScreenHeight() = 0;

  // The program's folder (without a trailing backslash) and its executable name without ".exe".
  virtual std::wstring AppPath() = 0;
  virtual std::wstring AppExeName() = 0;
  // The account the program runs for.
  virtual Account GetAccount() = 0;

  // What a parent decided for the whole computer (Policy.h), read at the first call and kept for the run.
  virtual const Policy& MachinePolicy();
  // The folder of every file the program reads and writes: the data folder that the setup program made
  // for this program folder, else the program's own folder. Chosen at the first call and kept for the run.
  virtual const std::wstring& DataPath();

  // Files, named by full path. Content is bytes.
  virtual bool FileExists(const std::wstring& path) = 0;
  virtual std::unique_ptr<InputFile> OpenInput(const std::wstring& path) = 0;
  // Replaces the whole file with `bytes`, so that a power cut at any moment leaves either the old
  // content or the new one; false when the new bytes did not land.
  virtual bool ReplaceFile(const std::wstring& path, const std::string& bytes) = 0;
  // The short (8.3) form of an existing file's path, checked to name that same file: a path that the
  // ANSI code page cannot spell often has one it can. The path itself on volumes without short names;
  // empty when there is none.
  virtual std::wstring ShortPath(const std::wstring& path) = 0;
  // Adds the bytes at the end of the file in one write, creating the file when it is missing; false
  // when it cannot be opened or written.
  virtual bool AppendFile(const std::wstring& path, const std::string& bytes) = 0;
  // The file's size in bytes; -1 when there is no such file.
  virtual long long FileSize(const std::wstring& path) = 0;
  // The file's last byte (0 to 255), read without the rest; -1 when it is empty, missing or unreadable.
  virtual int LastByte(const std::wstring& path) = 0;

  // Clocks: the local date and time, and milliseconds since the system started (it wraps after 49 days;
  // differences over a shorter time are right all the same).
  virtual LocalTime GetLocalTime() = 0;
  virtual std::uint32_t GetTickCount() = 0;

  // Random numbers: Randomize seeds from the clock; Rnd is uniform in [0, 1).
  virtual void Randomize() = 0;
  virtual float Rnd() = 0;

  // Locale.
  virtual wchar_t DecimalSeparator() = 0;
  virtual std::wstring LCase(const std::wstring& text) = 0;
  // Text in the ANSI code page; no value when the code page has no exact byte for every character
  // (never a look-alike, which could name another file).
  virtual std::optional<std::string> ToAnsi(const std::wstring& text) = 0;
  virtual std::wstring FromAnsi(const std::string& bytes) = 0;

 private:
  std::optional<Policy> policy_;
  std::optional<std::wstring> dataPath_;
};

}  // namespace platform
