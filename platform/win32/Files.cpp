// The files behind Platform: the program's folder, reading, safe replacing, appending.
// https://learn.microsoft.com/windows/win32/fileio/file-management-functions
#include <windows.h>

#include "platform/win32/Win32Platform.h"

namespace platform::win32 {

namespace {

class Win32File : public InputFile {
 public:
  explicit Win32File(HANDLE file) : file_(file) {}
  ~Win32File() override { CloseHandle(file_); }
  long Read(char* buffer, long size) override {
    DWORD read = 0;
    if (!::ReadFile(file_, buffer, static_cast<DWORD>(size), &read, nullptr)) return -1;
    return static_cast<long>(read);
  }

 private:
  HANDLE file_;
};

// Writes all of `bytes` and has the system put them on the disk before it answers.
bool WriteThrough(HANDLE file, const std::string& bytes) {
  DWORD written = 0;
  return ::WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
         written == bytes.size() && FlushFileBuffers(file);
}

// The data folder is shared by every account, and the program may run with a parent's rights: a child's
// account could plant a junction or a symbolic link there, or a second name (a hard link) of a file that
// only a parent may change, to send a parent's writes elsewhere. So nothing is written through a name that
// leads elsewhere, and no file with more than one name is written. Cloud files and the like are reparse
// points too, but they stay where they are: only the kinds that stand for another name count.
bool LeadsElsewhere(HANDLE handle) {
  FILE_ATTRIBUTE_TAG_INFO tag;
  return !GetFileInformationByHandleEx(handle, FileAttributeTagInfo, &tag, sizeof tag) ||
         ((tag.FileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) && IsReparseTagNameSurrogate(tag.ReparseTag));
}

// The open file is the one its name says, and its only name.
bool MayWrite(HANDLE file) {
  BY_HANDLE_FILE_INFORMATION info;
  return !LeadsElsewhere(file) && GetFileInformationByHandle(file, &info) && info.nNumberOfLinks <= 1;
}

// The folder that holds `path` is a folder where it stands, not a junction or a link to one. A reparse
// point whose kind is not told (Wine's view of a symbolic link) counts as one that leads elsewhere.
bool FolderInPlace(const std::wstring& path) {
  const std::wstring folder = path.substr(0, path.find_last_of(L"\\/"));
  WIN32_FIND_DATAW found;
  HANDLE search = FindFirstFileW(folder.c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return folder.size() == 2 && folder[1] == L':';  // a drive's root
  FindClose(search);
  return !(found.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) ||
         (found.dwReserved0 != 0 && !IsReparseTagNameSurrogate(found.dwReserved0));
}

// Opens the file itself, never what a link of that name leads to; a file that must not be written is closed
// again and counts as one that could not be opened.
HANDLE OpenToWrite(const std::wstring& path, DWORD access, DWORD share, DWORD disposition) {
  HANDLE file = CreateFileW(path.c_str(), access | FILE_READ_ATTRIBUTES, share, nullptr, disposition,
                            FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
  if (file != INVALID_HANDLE_VALUE && !MayWrite(file)) {
    CloseHandle(file);
    return INVALID_HANDLE_VALUE;
  }
  return file;
}

// Rewrites an existing file where it lies. Not safe against a power cut, so only for a folder that lets
// no other file be made or renamed. Opened as it is rather than created anew, which a hidden file refuses.
bool WriteInPlace(const std::wstring& path, const std::string& bytes) {
  HANDLE file = OpenToWrite(path, GENERIC_WRITE, 0, OPEN_EXISTING);
  if (file == INVALID_HANDLE_VALUE) return false;
  const bool written = WriteThrough(file, bytes) && SetEndOfFile(file);
  return CloseHandle(file) && written;
}

// Volume and index: the file itself, whichever of its names leads to it.
bool SameFile(const std::wstring& a, const std::wstring& b) {
  BY_HANDLE_FILE_INFORMATION info[2];
  const std::wstring* paths[2] = {&a, &b};
  for (int k = 0; k < 2; ++k) {
    HANDLE file = CreateFileW(paths[k]->c_str(), FILE_READ_ATTRIBUTES,
                              FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                              0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    const BOOL known = GetFileInformationByHandle(file, &info[k]);
    CloseHandle(file);
    if (!known) return false;
  }
  return info[0].dwVolumeSerialNumber == info[1].dwVolumeSerialNumber &&
         info[0].nFileIndexHigh == info[1].nFileIndexHigh && info[0].nFileIndexLow == info[1].nFileIndexLow;
}

// The exe's full path. Started by its short (8.3) path, as a start-up value may name it, the program still
// knows itself by the long name that the setup program recorded.
std::wstring ModulePath() {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD n = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (n < path.size()) {
      path.resize(n);
      break;
    }
    path.resize(path.size() * 2);
  }
  if (const DWORD n = GetLongPathNameW(path.c_str(), nullptr, 0)) {
    std::wstring longPath(n, L'\0');
    const DWORD written = GetLongPathNameW(path.c_str(), longPath.data(), n);
    if (written > 0 && written < n) return longPath.substr(0, written);
  }
  return path;
}

}  // namespace

std::wstring Win32Platform::AppPath() {
  const std::wstring path = ModulePath();
  return path.substr(0, path.find_last_of(L"\\/"));
}

std::wstring Win32Platform::AppExeName() {
  const std::wstring path = ModulePath();
  std::wstring name = path.substr(path.find_last_of(L"\\/") + 1);
  const size_t dot = name.find_last_of(L'.');
  return dot == std::wstring::npos ? name : name.substr(0, dot);
}

bool Win32Platform::FileExists(const std::wstring& path) {
  const DWORD attributes = GetFileAttributesW(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::unique_ptr<InputFile> Win32Platform::OpenInput(const std::wstring& path) {
  HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                            OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
  if (file == INVALID_HANDLE_VALUE) return nullptr;
  return std::make_unique<Win32File>(file);
}

bool Win32Platform::ReplaceFile(const std::wstring& path, const std::string& bytes) {
  if (!FolderInPlace(path)) return false;
  if (GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES) {
    HANDLE old = OpenToWrite(path, 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, OPEN_EXISTING);
    if (old == INVALID_HANDLE_VALUE) return false;
    CloseHandle(old);
  }
  // A fixed name beside the file: what a power cut leaves of it goes before the next save, and so does
  // whatever else was put under that name (removing a link removes the link, not what it leads to).
  const std::wstring temporary = path + L".tmp";
  DeleteFileW(temporary.c_str());
  HANDLE file = OpenToWrite(temporary, GENERIC_WRITE, 0, CREATE_NEW);
  if (file == INVALID_HANDLE_VALUE) return WriteInPlace(path, bytes);
  const bool written = WriteThrough(file, bytes);
  if (!CloseHandle(file) || !written) {
    DeleteFileW(temporary.c_str());
    return false;
  }

  if (FileExists(path)) {
    constexpr DWORD kKept = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;
    const DWORD kept = GetFileAttributesW(path.c_str()) & kKept;
    // One step that the file system journals, and the old file's attributes (hidden, say) and
    // permissions pass to the new one.
    if (::ReplaceFileW(path.c_str(), temporary.c_str(), nullptr,
                       REPLACEFILE_IGNORE_MERGE_ERRORS | REPLACEFILE_IGNORE_ACL_ERRORS, nullptr, nullptr)) {
      // Wine's replace renames the new file over the old one and keeps its own attributes.
      const DWORD now = GetFileAttributesW(path.c_str());
      if (now != INVALID_FILE_ATTRIBUTES && (now & kept) != kept) {
        SetFileAttributesW(path.c_str(), (now & ~FILE_ATTRIBUTE_NORMAL) | kept);
      }
      return true;
    }
    if (FileExists(path)) {
      // Refused with the old file as it was (read-only, or held open by another program): it may still
      // take the bytes where it lies.
      DeleteFileW(temporary.c_str());
      return WriteInPlace(path, bytes);
    }
  }
  // No old file, or one that the refused replace moved aside: the new one takes the name.
  if (MoveFileExW(temporary.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
    return true;
  DeleteFileW(temporary.c_str());
  return false;
}

std::wstring Win32Platform::ShortPath(const std::wstring& path) {
  std::wstring shortPath(MAX_PATH, L'\0');
  for (;;) {
    const DWORD n = GetShortPathNameW(path.c_str(), shortPath.data(), static_cast<DWORD>(shortPath.size()));
    if (n == 0) return {};
    if (n < shortPath.size()) {
      shortPath.resize(n);
      break;
    }
    shortPath.resize(n);
  }
  return SameFile(path, shortPath) ? shortPath : std::wstring();
}

bool Win32Platform::AppendFile(const std::wstring& path, const std::string& bytes) {
  // With only the right to append, every write lands at the file's current end, so a line is never
  // written over another one; so two accounts logged on at once (a brother and a sister) both keep theirs.
  if (!FolderInPlace(path)) return false;
  HANDLE file = OpenToWrite(path, FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, OPEN_ALWAYS);
  if (file == INVALID_HANDLE_VALUE) return false;
  DWORD written = 0;
  const BOOL ok = ::WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
  const BOOL closed = CloseHandle(file);
  return ok && closed && written == bytes.size();
}

long long Win32Platform::FileSize(const std::wstring& path) {
  WIN32_FILE_ATTRIBUTE_DATA data;
  if (!GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data) ||
      (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) {
    return -1;
  }
  return static_cast<long long>((static_cast<unsigned long long>(data.nFileSizeHigh) << 32) |
                                data.nFileSizeLow);
}

int Win32Platform::LastByte(const std::wstring& path) {
  HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                            OPEN_EXISTING, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return -1;
  unsigned char byte = 0;
  DWORD read = 0;
  const bool ok = SetFilePointer(file, -1, nullptr, FILE_END) != INVALID_SET_FILE_POINTER &&
                  ::ReadFile(file, &byte, 1, &read, nullptr) && read == 1;
  CloseHandle(file);
  return ok ? byte : -1;
}

}  // namespace platform::win32
