// The parents' setup program and its uninstaller, run silently as an administrator would, each test in a
// Wine prefix of its own (see fresh-prefix): what lands in the folder, in the registry and in the Start
// menu, and what happens to a quiz that is running meanwhile.
#include <shlobj.h>
#include <tlhelp32.h>

#include "../e2e/Driver.h"

#if !defined(QUORVEL_SETUP_PATH) || !defined(QUORVEL_DIST_PATH) || !defined(QUORVEL_VERSION)
#error "the setup program, the folder of the shipped files and the version come from CMake"
#endif

namespace {

using namespace e2e;

// A space and Cyrillic letters, below Program Files: the setup program must quote it and grant the rights.
const std::wstring kFolder = L"C:\\Program Files\\Детские программы";
const char kRunKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";
// The start-up value's name as the program hands it to the registry: code page 1251.
const char kRunName[] = "\xD2\xE0\xE1\xEB\xE8\xF6\xE0 \xF3\xEC\xED\xEE\xE6\xE5\xED\xE8\xFF";
const wchar_t kUninstallKey[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\quorvel";
const std::string kNone = "<none>";

std::string Ansi(const std::wstring& text) {
  char bytes[MAX_PATH * 2] = {};
  WideCharToMultiByte(CP_ACP, 0, text.c_str(), -1, bytes, sizeof bytes, nullptr, nullptr);
  return bytes;
}

PROCESS_INFORMATION Start(std::wstring commandLine, const std::wstring& folder = L"") {
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  EXPECT_TRUE(CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                             folder.empty() ? nullptr : folder.c_str(), &startup, &process))
      << "cannot start " << Ansi(commandLine);
  return process;
}

// Waits for a process to end and gives its exit code (STILL_ACTIVE when it did not end in time).
DWORD Finish(const PROCESS_INFORMATION& process, DWORD milliseconds = 120000) {
  DWORD code = STILL_ACTIVE;
  if (!process.hProcess) return code;
  if (WaitForSingleObject(process.hProcess, milliseconds) == WAIT_OBJECT_0)
    GetExitCodeProcess(process.hProcess, &code);
  CloseHandle(process.hProcess);
  CloseHandle(process.hThread);
  return code;
}

DWORD Install(const std::wstring& arguments) {
  return Finish(Start(L"\"" QUORVEL_SETUP_PATH "\" " + arguments));
}

// The uninstaller copies itself into the temporary folder and goes on from there, so that it can delete its
// own file: the copy it started is waited for too.
DWORD Uninstall(const std::wstring& folder) {
  const PROCESS_INFORMATION first = Start(L"\"" + folder + L"\\uninstall.exe\" /S");
  const DWORD parent = first.dwProcessId;
  const DWORD code = Finish(first);
  if (code != 0) return code;
  HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
  PROCESSENTRY32W entry{};
  entry.dwSize = sizeof entry;
  HANDLE copy = nullptr;
  for (BOOL more = Process32FirstW(snapshot, &entry); more && !copy;
       more = Process32NextW(snapshot, &entry)) {
    if (entry.th32ParentProcessID == parent)
      copy = OpenProcess(SYNCHRONIZE | PROCESS_QUERY_LIMITED_INFORMATION, FALSE, entry.th32ProcessID);
  }
  CloseHandle(snapshot);
  if (!copy) return code;  // it has ended already
  DWORD copyCode = STILL_ACTIVE;
  if (WaitForSingleObject(copy, 120000) == WAIT_OBJECT_0) GetExitCodeProcess(copy, &copyCode);
  CloseHandle(copy);
  return copyCode;
}

std::wstring In(const std::wstring& folder, const std::wstring& name) {
  return folder + L"\\" + name;
}
bool Exists(const std::wstring& path) {
  return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}
// A plain comparison: the exe's bytes in a failure message help nobody.
bool IsTheBuiltExe(const std::wstring& path) {
  return ReadFileBytes(path) == ReadFileBytes(L"" QUORVEL_EXE_PATH);
}
std::string Shipped(const std::wstring& name) {
  return ReadFileBytes(In(L"" QUORVEL_DIST_PATH, name));
}

// The start-up value's data with its terminating zero, read as the program's own registry calls read it.
std::string RunValue() {
  HKEY key;
  if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, kRunKey, 0, KEY_READ, &key) != ERROR_SUCCESS) return kNone;
  char data[1024];
  DWORD type = 0, size = sizeof data;
  const LONG result = RegQueryValueExA(key, kRunName, nullptr, &type, reinterpret_cast<BYTE*>(data), &size);
  RegCloseKey(key);
  if (result != ERROR_SUCCESS) return kNone;
  return type == REG_SZ ? std::string(data, size) : "<not REG_SZ>";
}

void SetRunValue(const std::string& data) {
  HKEY key;
  ASSERT_EQ(RegOpenKeyExA(HKEY_LOCAL_MACHINE, kRunKey, 0, KEY_SET_VALUE, &key), ERROR_SUCCESS);
  if (data == kNone) {
    RegDeleteValueA(key, kRunName);
  } else {
    RegSetValueExA(key, kRunName, 0, REG_SZ, reinterpret_cast<const BYTE*>(data.c_str()),
                   static_cast<DWORD>(data.size() + 1));
  }
  RegCloseKey(key);
}

std::string QuotedExe(const std::wstring& folder) {
  return "\"" + Ansi(In(folder, L"quorvel.exe")) + "\"";
}

// A text of the entry among the installed programs, or "<none>".
std::wstring Entry(const wchar_t* name) {
  wchar_t text[1024];
  DWORD size = sizeof text;
  if (RegGetValueW(HKEY_LOCAL_MACHINE, kUninstallKey, name, RRF_RT_REG_SZ, nullptr, text, &size) !=
      ERROR_SUCCESS)
    return L"<none>";
  return text;
}

// A number of that entry, or -1 where there is none of type REG_DWORD.
long long EntryNumber(const wchar_t* name) {
  DWORD number = 0, size = sizeof number;
  if (RegGetValueW(HKEY_LOCAL_MACHINE, kUninstallKey, name, RRF_RT_REG_DWORD, nullptr, &number, &size) !=
      ERROR_SUCCESS)
    return -1;
  return number;
}

std::wstring Shortcut() {
  wchar_t programs[MAX_PATH] = {};
  SHGetFolderPathW(nullptr, CSIDL_COMMON_PROGRAMS, nullptr, 0, programs);
  return In(programs, L"quorvel - памятка для родителей.lnk");
}

// What the shortcut opens, or "<none>".
std::wstring ShortcutTarget() {
  std::wstring target = L"<none>";
  CoInitialize(nullptr);
  IShellLinkW* link = nullptr;
  if (SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                 reinterpret_cast<void**>(&link)))) {
    IPersistFile* file = nullptr;
    wchar_t path[MAX_PATH] = {};
    if (SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file)))) {
      if (SUCCEEDED(file->Load(Shortcut().c_str(), STGM_READ)) &&
          SUCCEEDED(link->GetPath(path, MAX_PATH, nullptr, 0)))
        target = path;
      file->Release();
    }
    link->Release();
  }
  CoUninitialize();
  return target;
}

// The installed quorvel.exe, started as Windows starts it from the start-up list: its quoted path.
class InstalledQuiz {
 public:
  explicit InstalledQuiz(const std::wstring& folder)
      : process_(Start(L"\"" + In(folder, L"quorvel.exe") + L"\"", folder)) {}
  ~InstalledQuiz() {
    if (process_.hProcess && !Ends(0)) TerminateProcess(process_.hProcess, 1);
    Finish(process_, 5000);
  }

  // The window of this process with that title, once it is visible.
  HWND Shown(const std::wstring& title = L"Таблица умножения") const {
    HWND found = nullptr;
    WaitFor([&] {
      Quiz::Search search{process_.dwProcessId, &title, nullptr};
      EnumWindows(&Quiz::FindTopLevel, reinterpret_cast<LPARAM>(&search));
      return (found = search.found) && IsWindowVisible(found);
    });
    return found && IsWindowVisible(found) ? found : nullptr;
  }
  bool HasFocus() const {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    return GetGUIThreadInfo(process_.dwThreadId, &info) && info.hwndFocus;
  }
  bool Ends(DWORD milliseconds = 10000) const {
    return WaitForSingleObject(process_.hProcess, milliseconds) == WAIT_OBJECT_0;
  }

 private:
  PROCESS_INFORMATION process_;
};

TEST(Installer, SilentInstallPutsTheQuizInPlaceForEveryStart) {
  ASSERT_EQ(Install(L"/S /D=" + kFolder), 0u);

  EXPECT_TRUE(IsTheBuiltExe(In(kFolder, L"quorvel.exe")));
  for (const wchar_t* name : {L"readme.txt", L"quorvel_vcb.ini"})
    EXPECT_EQ(ReadFileBytes(In(kFolder, name)), Shipped(name)) << name;
  EXPECT_EQ(ReadFileBytes(In(kFolder, L"quorvel.ini")), "Predmet=0\r\nFont=14,25\r\n");
  EXPECT_EQ(RunValue(), QuotedExe(kFolder) + '\0');

  EXPECT_EQ(Entry(L"DisplayVersion"), L"" QUORVEL_VERSION);
  EXPECT_EQ(Entry(L"InstallLocation"), kFolder);
  EXPECT_EQ(Entry(L"DisplayIcon"), In(kFolder, L"quorvel.exe,0"));
  EXPECT_EQ(Entry(L"UninstallString"), L"\"" + In(kFolder, L"uninstall.exe") + L"\"");
  EXPECT_EQ(Entry(L"QuietUninstallString"), L"\"" + In(kFolder, L"uninstall.exe") + L"\" /S");
  for (const wchar_t* name : {L"DisplayName", L"Publisher"}) EXPECT_NE(Entry(name), L"<none>") << name;
  EXPECT_EQ(EntryNumber(L"NoModify"), 1);
  EXPECT_EQ(EntryNumber(L"NoRepair"), 1);
  EXPECT_GE(EntryNumber(L"EstimatedSize"),
            static_cast<long long>(ReadFileBytes(L"" QUORVEL_EXE_PATH).size() / 1024));
  EXPECT_EQ(ShortcutTarget(), In(kFolder, L"readme.txt"));

  // The program's own "Нет" finds the value that the setup program wrote: one name, one value.
  InstalledQuiz quiz(kFolder);
  ASSERT_TRUE(quiz.Shown()) << "the installed quiz did not show";
  WaitFor([&] { return quiz.HasFocus(); }, 3000);
  Press('N', {VK_CONTROL});
  HWND form3 = quiz.Shown(L"Form3");
  ASSERT_TRUE(form3) << "the settings dialog did not open";
  Click(Descendant(form3, L"Нет"));
  Click(Descendant(form3, L"Принято"));
  ASSERT_TRUE(WaitFor([&] { return !IsWindowVisible(form3); }));
  EXPECT_EQ(RunValue(), kNone);
}

TEST(Installer, UpgradeOverARunningQuizReplacesTheProgramAndKeepsWhatTheFamilyWrote) {
  ASSERT_EQ(Install(L"/S /D=" + kFolder), 0u);
  const std::string settings = "Predmet=2\r\nFont=18\r\n", dictionary = "sun=\xf1\xee\xeb\xed\xf6\xe5\r\n",
                    notes = "for the parents\r\n";
  WriteFileBytes(In(kFolder, L"quorvel.ini"), settings);
  WriteFileBytes(In(kFolder, L"quorvel_vcb.ini"), dictionary);
  WriteFileBytes(In(kFolder, L"notes.txt"), notes);
  WriteFileBytes(In(kFolder, L"readme.txt"), "an older readme");
  // An older exe still runs: extra bytes at its end do not stop it.
  WriteFileBytes(In(kFolder, L"quorvel.exe"), ReadFileBytes(L"" QUORVEL_EXE_PATH) + "older");
  SetRunValue(kNone);  // as the program's "Нет" leaves it
  InstalledQuiz quiz(kFolder);
  ASSERT_TRUE(quiz.Shown());

  ASSERT_EQ(Install(L"/S /D=" + kFolder), 0u);
  EXPECT_TRUE(quiz.Ends()) << "the running quiz was not ended";
  EXPECT_TRUE(IsTheBuiltExe(In(kFolder, L"quorvel.exe")));
  EXPECT_EQ(ReadFileBytes(In(kFolder, L"readme.txt")), Shipped(L"readme.txt"));
  EXPECT_EQ(ReadFileBytes(In(kFolder, L"quorvel.ini")), settings);
  EXPECT_EQ(ReadFileBytes(In(kFolder, L"quorvel_vcb.ini")), dictionary);
  EXPECT_EQ(ReadFileBytes(In(kFolder, L"notes.txt")), notes);
  EXPECT_EQ(RunValue(), kNone) << "the upgrade switched the start-up back on";
}

TEST(Installer, SilentUninstallEndsTheQuizAndKeepsOnlyWhatTheFamilyWrote) {
  ASSERT_EQ(Install(L"/S /D=" + kFolder), 0u);
  const std::string dictionary = "cat=\xea\xee\xf2\r\n";
  WriteFileBytes(In(kFolder, L"quorvel_vcb.ini"), dictionary);
  WriteFileBytes(In(kFolder, L"notes.txt"), "for the parents\r\n");
  InstalledQuiz quiz(kFolder);
  ASSERT_TRUE(quiz.Shown());

  ASSERT_EQ(Uninstall(kFolder), 0u);
  EXPECT_TRUE(quiz.Ends()) << "the running quiz was not ended";
  for (const wchar_t* name : {L"quorvel.exe", L"readme.txt", L"quorvel.ini", L"uninstall.exe"})
    EXPECT_FALSE(Exists(In(kFolder, name))) << name;
  EXPECT_EQ(ReadFileBytes(In(kFolder, L"quorvel_vcb.ini")), dictionary);
  EXPECT_TRUE(Exists(In(kFolder, L"notes.txt")));
  EXPECT_EQ(RunValue(), kNone);
  EXPECT_EQ(Entry(L"InstallLocation"), L"<none>");
  EXPECT_FALSE(Exists(Shortcut()));
}

TEST(Installer, UninstallOfAnUntouchedCopyRemovesItsFolderAndLeavesAnotherCopysStartUpValue) {
  ASSERT_EQ(Install(L"/S"), 0u);
  const std::wstring folder = L"C:\\quorvel";  // the default: the root of the system drive
  ASSERT_EQ(Entry(L"InstallLocation"), folder);
  const std::string other = QuotedExe(L"C:\\other");
  SetRunValue(other);

  ASSERT_EQ(Uninstall(folder), 0u);
  EXPECT_FALSE(Exists(folder)) << "the sample dictionary is the shipped one, and the folder is empty";
  EXPECT_EQ(RunValue(), other + '\0');
  EXPECT_EQ(Entry(L"InstallLocation"), L"<none>");
}

TEST(Installer, CommandLineTurnsTheStartUpOffChoosesTheSubjectAndRefusesWhatItCannotHonour) {
  // Every user would get the right to change these folders.
  CreateDirectoryW(L"C:\\games", nullptr);
  WriteFileBytes(L"C:\\games\\game.exe", "MZ");
  for (const std::wstring& refused :
       {L"/S /SUBJECT=7 /D=" + kFolder, std::wstring(L"/S /D=C:\\"),
        std::wstring(L"/S /D=C:\\windows\\quorvel"), std::wstring(L"/S /D=C:\\games")})
    EXPECT_EQ(Install(refused), 2u) << Ansi(refused);
  EXPECT_FALSE(Exists(kFolder));
  EXPECT_FALSE(Exists(L"C:\\windows\\quorvel"));
  EXPECT_FALSE(Exists(L"C:\\games\\quorvel.exe"));
  EXPECT_EQ(Entry(L"InstallLocation"), L"<none>");

  ASSERT_EQ(Install(L"/S /NOSTART /SUBJECT=1 /D=" + kFolder), 0u);
  EXPECT_TRUE(Exists(In(kFolder, L"quorvel.exe")));
  EXPECT_EQ(ReadFileBytes(In(kFolder, L"quorvel.ini")), "Predmet=1\r\nFont=14,25\r\n");
  EXPECT_EQ(RunValue(), kNone);
}

}  // namespace
