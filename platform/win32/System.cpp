// The system calls behind Platform but the files: region and z-order, dragging, keyboard, registry, process,
// screen, clock, random numbers and locale.
// https://learn.microsoft.com/windows/win32/api/winuser/
#include <windows.h>

#include "platform/win32/Win32Platform.h"

namespace platform::win32 {

namespace {

template <class T>
T As(Handle h) {
  return reinterpret_cast<T>(h);
}

}  // namespace

Handle Win32Platform::CreateRoundRectRgn(int x1, int y1, int x2, int y2, int w, int h) {
  // The program gives pixels of a 96-dpi screen; the window is laid out at the real dpi.
  auto s = [this](int v) { return scale_.Px96(v); };
  return reinterpret_cast<Handle>(::CreateRoundRectRgn(s(x1), s(y1), s(x2), s(y2), s(w), s(h)));
}

int Win32Platform::SetWindowRgn(Handle hWnd, Handle hRgn, bool bRedraw) {
  return ::SetWindowRgn(As<HWND>(hWnd), As<HRGN>(hRgn), bRedraw);
}

int Win32Platform::SetWindowPos(Handle hWnd, Handle after, int x, int y, int cx, int cy, unsigned flags) {
  return ::SetWindowPos(As<HWND>(hWnd), As<HWND>(after), x, y, cx, cy, flags);
}

int Win32Platform::ReleaseCapture() {
  return ::ReleaseCapture();
}

long Win32Platform::SendMessageA(Handle hWnd, unsigned msg, std::uintptr_t wParam, std::intptr_t lParam) {
  return static_cast<long>(::SendMessageA(As<HWND>(hWnd), msg, wParam, lParam));
}

short Win32Platform::GetAsyncKeyState(int vKey) {
  return ::GetAsyncKeyState(vKey);
}

void Win32Platform::keybd_event(std::uint8_t bVk, std::uint8_t bScan, std::uint32_t dwFlags,
                                std::uintptr_t extra) {
  ::keybd_event(bVk, bScan, dwFlags, extra);
}

long Win32Platform::RegOpenKeyA(Handle hKey, const std::string& subKey, Handle* phkResult) {
  HKEY key = nullptr;
  const long result = ::RegOpenKeyA(As<HKEY>(hKey), subKey.c_str(), &key);
  if (result == ERROR_SUCCESS) *phkResult = reinterpret_cast<Handle>(key);
  return result;
}

long Win32Platform::RegSetValueExA(Handle hKey, const std::string& name, std::uint32_t reserved,
                                   std::uint32_t type, const std::uint8_t* data, std::uint32_t cbData) {
  return ::RegSetValueExA(As<HKEY>(hKey), name.c_str(), reserved, type, data, cbData);
}

long Win32Platform::RegDeleteValueA(Handle hKey, const std::string& name) {
  return ::RegDeleteValueA(As<HKEY>(hKey), name.c_str());
}

long Win32Platform::RegCloseKey(Handle hKey) {
  return ::RegCloseKey(As<HKEY>(hKey));
}

long Win32Platform::RegGetValueW(Handle hKey, const std::wstring& subKey, const std::wstring& valueName,
                                 std::uint32_t flags, std::uint32_t* type, std::string* data) {
  DWORD size = 0, kind = 0;
  long result =
      ::RegGetValueW(As<HKEY>(hKey), subKey.c_str(), valueName.c_str(), flags, &kind, nullptr, &size);
  // The value may grow between the two calls; a few tries, then it counts as unreadable.
  for (int tries = 0; result == ERROR_SUCCESS && tries < 3; ++tries) {
    data->resize(size);
    result =
        ::RegGetValueW(As<HKEY>(hKey), subKey.c_str(), valueName.c_str(), flags, &kind, data->data(), &size);
    if (result == ERROR_SUCCESS) {
      data->resize(size);
      *type = kind;
      return result;
    }
    if (result == ERROR_MORE_DATA) result = ERROR_SUCCESS;
  }
  return result == ERROR_SUCCESS ? ERROR_MORE_DATA : result;
}

Account Win32Platform::GetAccount() {
  Account account;
  HANDLE token = nullptr;
  if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &token)) return account;
  DWORD size = 0;
  GetTokenInformation(token, TokenUser, nullptr, 0, &size);
  std::string user(size, '\0');
  if (size && GetTokenInformation(token, TokenUser, user.data(), size, &size)) {
    const PSID sid = reinterpret_cast<TOKEN_USER*>(user.data())->User.Sid;
    wchar_t name[256], domain[256];
    DWORD nameSize = 256, domainSize = 256;
    SID_NAME_USE use;
    if (LookupAccountSidW(nullptr, sid, name, &nameSize, domain, &domainSize, &use)) {
      account.name = name;
      account.domain = domain;
    }
  }
  CloseHandle(token);
  return account;
}

void Win32Platform::Sleep(std::uint32_t milliseconds) {
  ::Sleep(milliseconds);
}

void Win32Platform::End() {
  ExitProcess(0);
}

float Win32Platform::ScreenWidth() {
  return scale_.Twips(GetSystemMetrics(SM_CXSCREEN));
}
float Win32Platform::ScreenHeight() {
  return scale_.Twips(GetSystemMetrics(SM_CYSCREEN));
}

LocalTime Win32Platform::GetLocalTime() {
  SYSTEMTIME now;
  ::GetLocalTime(&now);
  return {now.wYear, now.wMonth, now.wDay, now.wHour, now.wMinute, now.wSecond};
}

std::uint32_t Win32Platform::GetTickCount() {
  return ::GetTickCount();
}

void Win32Platform::Randomize() {
  LARGE_INTEGER counter;
  QueryPerformanceCounter(&counter);
  random_.Seed(static_cast<std::uint32_t>(counter.QuadPart ^ (counter.QuadPart >> 24) ^ ::GetTickCount()));
}

float Win32Platform::Rnd() {
  return random_.Next();
}

wchar_t Win32Platform::DecimalSeparator() {
  wchar_t text[8] = {};
  if (GetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, text, 8) < 2) return L'.';
  return text[0];
}

std::wstring Win32Platform::LCase(const std::wstring& text) {
  if (text.empty()) return text;
  std::wstring lower(text.size(), L'\0');
  const int n = LCMapStringW(LOCALE_USER_DEFAULT, LCMAP_LOWERCASE, text.data(), static_cast<int>(text.size()),
                             lower.data(), static_cast<int>(lower.size()));
  return n > 0 ? lower.substr(0, static_cast<size_t>(n)) : text;
}

std::optional<std::string> Win32Platform::ToAnsi(const std::wstring& text) {
  if (text.empty()) return std::string();
  // A system whose ANSI code page is UTF-8 spells every character and takes neither the flag nor the
  // question; every other code page says when it had to put its default character in.
  const bool utf8 = GetACP() == CP_UTF8;
  const DWORD flags = utf8 ? WC_ERR_INVALID_CHARS : WC_NO_BEST_FIT_CHARS;
  const int size = static_cast<int>(text.size());
  const int n = WideCharToMultiByte(CP_ACP, flags, text.data(), size, nullptr, 0, nullptr, nullptr);
  if (n <= 0) return std::nullopt;
  std::string bytes(static_cast<size_t>(n), '\0');
  BOOL lossy = FALSE;
  if (WideCharToMultiByte(CP_ACP, flags, text.data(), size, bytes.data(), n, nullptr,
                          utf8 ? nullptr : &lossy) != n ||
      lossy) {
    return std::nullopt;
  }
  return bytes;
}

std::wstring Win32Platform::FromAnsi(const std::string& bytes) {
  if (bytes.empty()) return {};
  const int n = MultiByteToWideChar(CP_ACP, 0, bytes.data(), static_cast<int>(bytes.size()), nullptr, 0);
  std::wstring text(static_cast<size_t>(n), L'\0');
  MultiByteToWideChar(CP_ACP, 0, bytes.data(), static_cast<int>(bytes.size()), text.data(), n);
  return text;
}

}  // namespace platform::win32
