// Stands in for icacls.exe in a test prefix: under Wine every process is an administrator and icacls
// changes nothing, so the tests judge the rights by what the setup program asks for. Each call appends its
// arguments, as one UTF-8 line, to C:\icacls-calls.txt; while C:\icacls-fails exists it answers as a
// refused call does.
#include <windows.h>

#include <string>

int main() {
  std::wstring line = GetCommandLineW();
  // The program's own name, quoted or not, and the blanks after it.
  size_t at = 0;
  if (!line.empty() && line[0] == L'"') {
    at = line.find(L'"', 1);
    at = at == std::wstring::npos ? line.size() : at + 1;
  } else {
    at = line.find(L' ');
    if (at == std::wstring::npos) at = line.size();
  }
  while (at < line.size() && line[at] == L' ') ++at;
  line = line.substr(at) + L"\n";

  char bytes[4096];
  const int size = WideCharToMultiByte(CP_UTF8, 0, line.c_str(), static_cast<int>(line.size()), bytes,
                                       sizeof bytes, nullptr, nullptr);
  HANDLE log = CreateFileW(L"C:\\icacls-calls.txt", FILE_APPEND_DATA, FILE_SHARE_READ, nullptr, OPEN_ALWAYS,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
  DWORD written = 0;
  WriteFile(log, bytes, static_cast<DWORD>(size), &written, nullptr);
  CloseHandle(log);
  return GetFileAttributesW(L"C:\\icacls-fails") == INVALID_FILE_ATTRIBUTES ? 0 : ERROR_ACCESS_DENIED;
}
