// Drives the real quorvel.exe from outside, as a person or a screen reader would: windows are
// found and read through their classes and window texts, input goes in as real key presses and clicks.
#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <thread>
#include <vector>

#ifndef QUORVEL_EXE_PATH
#error "QUORVEL_EXE_PATH names the quorvel.exe under test"
#endif

namespace e2e {

inline bool WaitFor(const std::function<bool()>& done, int milliseconds = 10000) {
  const auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(milliseconds);
  while (std::chrono::steady_clock::now() < until) {
    if (done()) return true;
    std::this_thread::sleep_for(std::chrono::milliseconds(25));
  }
  return done();
}

inline std::wstring Text(HWND hwnd) {
  wchar_t buffer[1024] = {};
  DWORD_PTR length = 0;
  SendMessageTimeoutW(hwnd, WM_GETTEXT, 1024, reinterpret_cast<LPARAM>(buffer), SMTO_ABORTIFHUNG, 2000,
                      &length);
  return std::wstring(buffer, length);
}

inline std::wstring ClassOf(HWND hwnd) {
  wchar_t name[64] = {};
  GetClassNameW(hwnd, name, 64);
  return name;
}

// The direct children of a window, in their order (the tab order).
inline std::vector<HWND> Children(HWND parent) {
  std::vector<HWND> children;
  for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
    children.push_back(child);
  return children;
}

// A child's rectangle relative to its parent's client area.
inline RECT RectIn(HWND child) {
  RECT rect;
  GetWindowRect(child, &rect);
  MapWindowPoints(HWND_DESKTOP, GetParent(child), reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

// Children of a class, ordered top to bottom, optionally only those whose left edge is `left`.
inline std::vector<HWND> Column(HWND parent, const wchar_t* className, int left = -1) {
  std::vector<HWND> column;
  for (HWND child : Children(parent)) {
    if (ClassOf(child) == className && (left < 0 || RectIn(child).left == left)) column.push_back(child);
  }
  std::sort(column.begin(), column.end(), [](HWND a, HWND b) { return RectIn(a).top < RectIn(b).top; });
  return column;
}

inline HWND ChildWithText(HWND parent, const std::wstring& text) {
  for (HWND child : Children(parent)) {
    if (Text(child) == text) return child;
  }
  return nullptr;
}

// The first window below `parent`, at any depth, whose text is `text`.
inline HWND Descendant(HWND parent, const std::wstring& text) {
  for (HWND child : Children(parent)) {
    if (Text(child) == text) return child;
    if (HWND found = Descendant(child, text)) return found;
  }
  return nullptr;
}

// Mouse input as the hardware sends it, at a point of the screen: the move and any button in one event, so
// that a press or a release happens exactly there.
inline void MouseAt(int x, int y, DWORD buttons = 0) {
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dx = x * 65535 / (GetSystemMetrics(SM_CXSCREEN) - 1);
  input.mi.dy = y * 65535 / (GetSystemMetrics(SM_CYSCREEN) - 1);
  input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE | buttons;
  SendInput(1, &input, sizeof input);
}

inline void SendKey(WORD vk, bool up) {
  INPUT input{};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = vk;
  input.ki.wScan = static_cast<WORD>(MapVirtualKeyW(vk, MAPVK_VK_TO_VSC));
  input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
  SendInput(1, &input, sizeof input);
}

// Presses and releases a key, with modifier keys held around it. Input is queued in the order it is sent
// and routed when the program takes it, so the next input needs no pause; what the key does is waited for
// by the one who reads it.
inline void Press(WORD vk, std::initializer_list<WORD> modifiers = {}) {
  for (WORD m : modifiers) SendKey(m, false);
  SendKey(vk, false);
  SendKey(vk, true);
  for (auto m = std::rbegin(modifiers); m != std::rend(modifiers); ++m) SendKey(*m, true);
}

// Types digits and letters as key presses.
inline void Type(const std::wstring& text) {
  for (wchar_t c : text) {
    if (c >= L'0' && c <= L'9') {
      Press(static_cast<WORD>(c));
    } else if (c >= L'a' && c <= L'z') {
      Press(static_cast<WORD>(c - L'a' + 'A'));
    } else if (c == L' ') {
      Press(VK_SPACE);
    } else if (c == L',') {
      Press(VK_OEM_COMMA);
    }
  }
}

// A real left click in the middle of a window.
inline void Click(HWND hwnd) {
  RECT rect;
  GetWindowRect(hwnd, &rect);
  const int x = (rect.left + rect.right) / 2, y = (rect.top + rect.bottom) / 2;
  MouseAt(x, y, MOUSEEVENTF_LEFTDOWN);
  MouseAt(x, y, MOUSEEVENTF_LEFTUP);
}

// Whether `hwnd` is `top` or lies within it.
inline bool Within(HWND top, HWND hwnd) {
  return hwnd && (hwnd == top || IsChild(top, hwnd));
}

inline bool Checked(HWND button) {
  return SendMessageW(button, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

inline std::string ReadFileBytes(const std::wstring& path) {
  HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                            OPEN_EXISTING, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return "<missing>";
  std::string bytes;
  char buffer[4096];
  DWORD read = 0;
  while (ReadFile(file, buffer, sizeof buffer, &read, nullptr) && read > 0) bytes.append(buffer, read);
  CloseHandle(file);
  return bytes;
}

inline void WriteFileBytes(const std::wstring& path, const std::string& bytes) {
  HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  DWORD written = 0;
  WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
  CloseHandle(file);
}

// One run of quorvel.exe in a folder of its own.
class Quiz {
 public:
  // Copies the program into a fresh folder, where `files` (name, bytes) are written first.
  explicit Quiz(const std::vector<std::pair<std::wstring, std::string>>& files = {}) {
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    folder_ = std::wstring(temp) + L"quorvel-e2e-" + std::to_wstring(GetTickCount()) + L"-" +
              std::to_wstring(counter_++);
    CreateDirectoryW(folder_.c_str(), nullptr);
    exe_ = folder_ + L"\\quorvel.exe";
    CopyFileW(L"" QUORVEL_EXE_PATH, exe_.c_str(), FALSE);
    for (const auto& [name, bytes] : files) WriteFileBytes(Path(name), bytes);
  }
  ~Quiz() {
    if (running()) TerminateProcess(process_.hProcess, 1);
    // Gone for good before the next test starts a quiz of its own.
    if (process_.hProcess) {
      WaitForSingleObject(process_.hProcess, INFINITE);
      CloseHandle(process_.hProcess);
      CloseHandle(process_.hThread);
    }
    WIN32_FIND_DATAW found;
    HANDLE find = FindFirstFileW((folder_ + L"\\*").c_str(), &found);
    if (find != INVALID_HANDLE_VALUE) {
      do {
        SetFileAttributesW(Path(found.cFileName).c_str(), FILE_ATTRIBUTE_NORMAL);
        DeleteFileW(Path(found.cFileName).c_str());
      } while (FindNextFileW(find, &found));
      FindClose(find);
    }
    RemoveDirectoryW(folder_.c_str());
  }

  // Starts the program and waits until it takes input: the quiz window shown, a window of the program in
  // the foreground and the focus in one of its controls.
  void Start() {
    Launch();
    ASSERT_TRUE(WaitFor([this] {
      DWORD foreground = 0;
      GetWindowThreadProcessId(GetForegroundWindow(), &foreground);
      return (form1_ = TopLevel(L"Таблица умножения")) && IsWindowVisible(form1_) &&
             foreground == process_.dwProcessId && Focus();
    })) << "the quiz did not come up";
  }

  // Starts the program as Windows starts it at log-on: its quoted path, in its own folder.
  void Launch() {
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    std::wstring command = L"\"" + exe_ + L"\"";
    ASSERT_TRUE(CreateProcessW(exe_.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr,
                               folder_.c_str(), &startup, &process_));
  }

  struct Search {
    DWORD pid;
    const std::wstring* title;
    HWND found;
  };
  // A plain function: lambdas do not convert to the stdcall callback type on 32-bit Windows.
  static BOOL CALLBACK FindTopLevel(HWND hwnd, LPARAM data) {
    auto& s = *reinterpret_cast<Search*>(data);
    DWORD pid = 0;
    GetWindowThreadProcessId(hwnd, &pid);
    if (pid == s.pid && Text(hwnd) == *s.title) {
      s.found = hwnd;
      return FALSE;
    }
    return TRUE;
  }

  HWND TopLevel(const std::wstring& title) const {
    Search search{process_.dwProcessId, &title, nullptr};
    EnumWindows(&FindTopLevel, reinterpret_cast<LPARAM>(&search));
    return search.found;
  }

  bool running() const {
    return process_.hProcess && WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT;
  }
  bool Ends(int milliseconds = 10000) const {
    return process_.hProcess && WaitForSingleObject(process_.hProcess, milliseconds) == WAIT_OBJECT_0;
  }
  DWORD ExitCode() const {
    DWORD code = STILL_ACTIVE;
    GetExitCodeProcess(process_.hProcess, &code);
    return code;
  }
  // The names of the files in the program's folder.
  std::vector<std::wstring> Files() const {
    std::vector<std::wstring> names;
    WIN32_FIND_DATAW found;
    HANDLE find = FindFirstFileW((folder_ + L"\\*").c_str(), &found);
    if (find == INVALID_HANDLE_VALUE) return names;
    do {
      if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) names.push_back(found.cFileName);
    } while (FindNextFileW(find, &found));
    FindClose(find);
    return names;
  }
  HWND Focus() const { return ThreadInfo().hwndFocus; }
  // The window the program moves with the mouse right now, or null.
  HWND MoveSize() const { return ThreadInfo().hwndMoveSize; }

  std::wstring Path(const std::wstring& name) const { return folder_ + L"\\" + name; }
  std::string File(const std::wstring& name) const { return ReadFileBytes(Path(name)); }

  // The quiz window and its parts.
  HWND form1() const { return form1_; }

  // Waits for the message dialog and checks it stands where it belongs: 90 twips above the quiz and
  // 1500 twips right of its left edge. Returns its title frame, or null.
  HWND DialogAboveQuiz() const {
    HWND form3 = nullptr;
    if (!WaitFor([&] { return (form3 = TopLevel(L"Form3")) && IsWindowVisible(form3); })) {
      ADD_FAILURE() << "the dialog did not appear";
      return nullptr;
    }
    RECT quiz, dialog;
    GetWindowRect(form1_, &quiz);
    GetWindowRect(form3, &dialog);
    EXPECT_EQ(dialog.left, quiz.left + 100);
    EXPECT_EQ(dialog.bottom, quiz.top - 6);
    EXPECT_EQ(dialog.bottom - dialog.top, 111);
    return Column(form3, L"QuorvelFrame").at(0);
  }
  HWND Frame1() const { return Column(form1_, L"QuorvelFrame").at(0); }
  std::vector<HWND> Problems() const { return Column(Frame1(), L"Static", 13); }
  std::vector<HWND> Boxes() const { return Column(Frame1(), L"Edit"); }
  std::vector<HWND> Marks() const { return Column(Frame1(), L"Static", 280); }
  HWND Button(const std::wstring& caption) const { return ChildWithText(form1_, caption); }

  // Types an answer into a box: a click into it, what it holds deleted, then the keys.
  void Answer(int row, const std::wstring& text) {
    HWND box = Boxes().at(row);
    Click(box);
    if (!WaitFor([&] { return Focus() == box; })) ADD_FAILURE() << "the click did not reach box " << row;
    Press(VK_END);
    for (size_t n = Text(box).size(); n > 0; --n) Press(VK_BACK);
    Type(text);
    if (!WaitFor([&] { return Text(box) == text; })) ADD_FAILURE() << "the keys did not reach box " << row;
  }

 private:
  GUITHREADINFO ThreadInfo() const {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    GetGUIThreadInfo(process_.dwThreadId, &info);
    return info;
  }

  static inline int counter_ = 0;
  std::wstring folder_, exe_;
  PROCESS_INFORMATION process_{};
  HWND form1_ = nullptr;
};

// The product that a problem caption such as "7      x      8      =" asks for.
inline std::wstring ProductOf(const std::wstring& caption) {
  const int a = caption.at(0) - L'0';
  const int b = caption.at(14) - L'0';
  return std::to_wstring(a * b);
}

}  // namespace e2e
