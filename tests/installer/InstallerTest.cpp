// The parents' setup program and its uninstaller, run silently as an administrator would, each test in a
// Wine prefix of its own (see fresh-prefix): where the program and the family's files land, what the
// options reach, what an upgrade from version 1.0 keeps and closes, what is refused, what the uninstaller
// leaves. Under Wine every process is an administrator and icacls changes nothing, so a stand-in
// (IcaclsStandIn.cpp) records what the setup program asks icacls for, and the rights are judged by that.
#include <windows.h>
// GetUserNameEx
#define SECURITY_WIN32
#include <security.h>
#include <shlobj.h>
#include <tlhelp32.h>

#include <map>
#include <set>

#include "../e2e/Driver.h"

#if !defined(QUORVEL_SETUP_PATH) || !defined(QUORVEL_OLD_SETUP_PATH) || !defined(QUORVEL_ICACLS_PATH) || \
    !defined(QUORVEL_DIST_PATH) || !defined(QUORVEL_INSTALLER_PATH) || !defined(QUORVEL_VERSION)
#error "the setup programs, the icacls stand-in, the shipped files and the version come from CMake"
#endif

namespace {

using namespace e2e;

const char kRunKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";
// The start-up value's name as the program hands it to the registry: code page 1251.
const char kRunName[] = "\xD2\xE0\xE1\xEB\xE8\xF6\xE0 \xF3\xEC\xED\xEE\xE6\xE5\xED\xE8\xFF";
const wchar_t kUninstallKey[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\quorvel";
const wchar_t kPolicyKey[] = L"Software\\quorvel";
const std::string kNone = "<none>";
const std::wstring kNoText = L"<none>";
// A folder the parent chooses: at a drive's root, with a space and Cyrillic letters.
const std::wstring kChosen = L"C:\\Детские программы";
// The folder that version 1.0 chose by itself.
const std::wstring kOldRoot = L"C:\\quorvel";

std::string Ansi(const std::wstring& text) {
  char bytes[MAX_PATH * 2] = {};
  WideCharToMultiByte(CP_ACP, 0, text.c_str(), -1, bytes, sizeof bytes, nullptr, nullptr);
  return bytes;
}

std::wstring KnownFolder(int csidl) {
  wchar_t path[MAX_PATH] = {};
  SHGetFolderPathW(nullptr, csidl, nullptr, 0, path);
  return path;
}
// Program Files as a 32-bit program sees it: Program Files (x86) on a 64-bit system.
std::wstring ProgramFolder() {
  return KnownFolder(CSIDL_PROGRAM_FILES) + L"\\quorvel";
}
std::wstring DataFolder() {
  return KnownFolder(CSIDL_COMMON_APPDATA) + L"\\quorvel";
}
std::wstring MenuFolder() {
  return KnownFolder(CSIDL_COMMON_PROGRAMS) + L"\\quorvel";
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
DWORD InstallVersion1(const std::wstring& arguments) {
  return Finish(Start(L"\"" QUORVEL_OLD_SETUP_PATH "\" " + arguments));
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
// The names in a folder, sorted; "<none>" when there is no such folder.
std::set<std::wstring> Names(const std::wstring& folder) {
  std::set<std::wstring> names;
  WIN32_FIND_DATAW found;
  HANDLE find = FindFirstFileW((folder + L"\\*").c_str(), &found);
  if (find == INVALID_HANDLE_VALUE) return {kNoText};
  do {
    const std::wstring name = found.cFileName;
    if (name != L"." && name != L"..") names.insert(name);
  } while (FindNextFileW(find, &found));
  FindClose(find);
  return names;
}
// A plain comparison: the exe's bytes in a failure message help nobody.
bool IsTheBuiltExe(const std::wstring& path) {
  return ReadFileBytes(path) == ReadFileBytes(L"" QUORVEL_EXE_PATH);
}
std::string Shipped(const std::wstring& name) {
  return ReadFileBytes(In(L"" QUORVEL_DIST_PATH, name));
}
// The page that the Start menu's report entry opens until the program writes the report.
std::string FirstReportPage() {
  return ReadFileBytes(In(L"" QUORVEL_INSTALLER_PATH, L"first-report.html"));
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
  RegSetValueExA(key, kRunName, 0, REG_SZ, reinterpret_cast<const BYTE*>(data.c_str()),
                 static_cast<DWORD>(data.size() + 1));
  RegCloseKey(key);
}

std::string QuotedExe(const std::wstring& folder) {
  return "\"" + Ansi(In(folder, L"quorvel.exe")) + "\"";
}

// A text of a key below HKEY_LOCAL_MACHINE (this test is a 32-bit program: the 32-bit view), or "<none>".
std::wstring RegText(const wchar_t* key, const wchar_t* name) {
  wchar_t text[1024];
  DWORD size = sizeof text;
  if (RegGetValueW(HKEY_LOCAL_MACHINE, key, name, RRF_RT_REG_SZ, nullptr, text, &size) != ERROR_SUCCESS)
    return kNoText;
  return text;
}
// A number of such a key, or -1 where there is none of type REG_DWORD.
long long Number(const wchar_t* key, const wchar_t* name) {
  DWORD number = 0, size = sizeof number;
  if (RegGetValueW(HKEY_LOCAL_MACHINE, key, name, RRF_RT_REG_DWORD, nullptr, &number, &size) != ERROR_SUCCESS)
    return -1;
  return number;
}
bool KeyExists(const wchar_t* key) {
  HKEY opened;
  if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, key, 0, KEY_READ, &opened) != ERROR_SUCCESS) return false;
  RegCloseKey(opened);
  return true;
}
std::wstring Entry(const wchar_t* name) {
  return RegText(kUninstallKey, name);
}

// The accounts that never see the quiz, as listed; {"<none>"} without a list.
std::vector<std::wstring> SkipList() {
  wchar_t list[2048] = {};
  DWORD size = sizeof list - 4;
  if (RegGetValueW(HKEY_LOCAL_MACHINE, kPolicyKey, L"SkipAccounts", RRF_RT_REG_MULTI_SZ, nullptr, list,
                   &size) != ERROR_SUCCESS)
    return {kNoText};
  std::vector<std::wstring> names;
  for (const wchar_t* name = list; *name; name += wcslen(name) + 1) names.push_back(name);
  return names;
}
void SetSkipList(const std::wstring& names) {  // "a\0b\0\0"
  ASSERT_EQ(RegSetKeyValueW(HKEY_LOCAL_MACHINE, kPolicyKey, L"SkipAccounts", REG_MULTI_SZ, names.c_str(),
                            static_cast<DWORD>(names.size() * sizeof(wchar_t))),
            ERROR_SUCCESS);
}

// The account these tests and the setup program run for, as the setup program writes it.
std::wstring ThisAccount() {
  wchar_t name[512];
  ULONG size = 512;
  return GetUserNameExW(NameSamCompatible, name, &size) ? name : L"<unknown>";
}

// What a shortcut opens: "target arguments", or "<none>".
std::wstring ShortcutOf(const std::wstring& path) {
  std::wstring opens = kNoText;
  CoInitialize(nullptr);
  IShellLinkW* link = nullptr;
  if (SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                 reinterpret_cast<void**>(&link)))) {
    IPersistFile* file = nullptr;
    wchar_t target[MAX_PATH] = {}, arguments[MAX_PATH] = {};
    if (SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file)))) {
      if (SUCCEEDED(file->Load(path.c_str(), STGM_READ)) &&
          SUCCEEDED(link->GetPath(target, MAX_PATH, nullptr, 0)) &&
          SUCCEEDED(link->GetArguments(arguments, MAX_PATH)))
        opens = std::wstring(target) + (*arguments ? L" " : L"") + arguments;
      file->Release();
    }
    link->Release();
  }
  CoUninitialize();
  return opens;
}

// --- what icacls was asked for
// ---------------------------------------------------------------------------------

const std::wstring kSystem = L"*S-1-5-18", kAdministrators = L"*S-1-5-32-544", kUsers = L"*S-1-5-32-545";

// One recorded call, split into its words as the command line parser splits them.
std::vector<std::wstring> Words(const std::wstring& line) {
  std::vector<std::wstring> words;
  std::wstring word;
  bool quoted = false, any = false;
  for (wchar_t c : line) {
    if (c == L'"') {
      quoted = !quoted;
      any = true;
    } else if (c == L' ' && !quoted) {
      if (any) words.push_back(word);
      word.clear();
      any = false;
    } else {
      word += c;
      any = true;
    }
  }
  if (any) words.push_back(word);
  return words;
}

std::vector<std::vector<std::wstring>> IcaclsCalls() {
  const std::string bytes = ReadFileBytes(L"C:\\icacls-calls.txt");
  std::vector<std::vector<std::wstring>> calls;
  size_t from = 0;
  for (size_t end; (end = bytes.find('\n', from)) != std::string::npos; from = end + 1) {
    wchar_t line[2048] = {};
    MultiByteToWideChar(CP_UTF8, 0, bytes.data() + from, static_cast<int>(end - from), line, 2047);
    calls.push_back(Words(line));
  }
  return calls;
}

// Everything asked for one path, whatever the order and the number of calls.
struct Asked {
  bool inheritanceCut = false, reset = false;
  std::wstring owner;
  std::map<std::wstring, std::set<std::wstring>> grants;  // group: its permissions, as icacls writes them
  std::set<std::wstring> removed;                         // groups whose granted rights go
  bool operator==(const Asked&) const = default;
};

Asked AskedFor(const std::wstring& path) {
  Asked asked;
  for (const auto& call : IcaclsCalls()) {
    if (call.empty() || lstrcmpiW(call[0].c_str(), path.c_str()) != 0) continue;
    std::wstring option;
    for (size_t k = 1; k < call.size(); ++k) {
      const std::wstring& word = call[k];
      if (word[0] == L'/') {
        option = word;
        if (option == L"/inheritance:r") asked.inheritanceCut = true;
        if (option == L"/reset") asked.reset = true;
        // replaces what was granted before
        if (option == L"/grant:r") asked.grants.clear();
      } else if (option == L"/setowner") {
        asked.owner = word;
      } else if (option == L"/remove:g") {
        asked.removed.insert(word);
      } else if (option.starts_with(L"/grant")) {
        const size_t colon = word.find(L':');
        asked.grants[word.substr(0, colon)].insert(word.substr(colon + 1));
      }
    }
  }
  return asked;
}

// Any call on the path or on something inside it.
bool AnyCallWithin(const std::wstring& folder) {
  for (const auto& call : IcaclsCalls()) {
    if (!call.empty() && (lstrcmpiW(call[0].c_str(), folder.c_str()) == 0 ||
                          _wcsnicmp(call[0].c_str(), (folder + L"\\").c_str(), folder.size() + 1) == 0))
      return true;
  }
  return false;
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
  HWND Focus() const {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    return GetGUIThreadInfo(process_.dwThreadId, &info) ? info.hwndFocus : nullptr;
  }
  bool Ends(DWORD milliseconds = 10000) const {
    return WaitForSingleObject(process_.hProcess, milliseconds) == WAIT_OBJECT_0;
  }
  DWORD ExitCode() const {
    DWORD code = STILL_ACTIVE;
    GetExitCodeProcess(process_.hProcess, &code);
    return code;
  }

  // Answers the three multiplication problems right and presses "ВСЁ".
  void Unlock() {
    HWND form1 = Shown();
    ASSERT_TRUE(form1);
    HWND frame = Column(form1, L"QuorvelFrame").at(0);
    const std::vector<HWND> problems = Column(frame, L"Static", 13), boxes = Column(frame, L"Edit");
    for (size_t row = 0; row < 3; ++row) {
      Click(boxes.at(row));
      ASSERT_TRUE(WaitFor([&] { return Focus() == boxes[row]; })) << "the click did not reach box " << row;
      const std::wstring product = ProductOf(e2e::Text(problems.at(row)));
      Type(product);
      ASSERT_TRUE(WaitFor([&] { return e2e::Text(boxes[row]) == product; }));
    }
    Click(ChildWithText(form1, L"ВСЁ"));
  }

 private:
  PROCESS_INFORMATION process_;
};

// The setup program's wizard, driven with the keyboard alone as a parent without a mouse would.
class Wizard {
 public:
  Wizard() : process_(Start(L"\"" QUORVEL_SETUP_PATH "\"")) {
    const std::wstring title = L"Установка quorvel";
    WaitFor([&] {
      Quiz::Search search{process_.dwProcessId, &title, nullptr};
      EnumWindows(&Quiz::FindTopLevel, reinterpret_cast<LPARAM>(&search));
      window_ = search.found;
      return window_ && IsWindowVisible(window_) && GetForegroundWindow() == window_ && Focus();
    });
  }
  ~Wizard() {
    if (process_.hProcess && WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT)
      TerminateProcess(process_.hProcess, 1);
    Finish(process_, 5000);
  }

  bool Up() const { return window_ != nullptr; }
  // A control of the page on show, by its text without the "&" of its access key, once it can be used.
  HWND Control(const std::wstring& text) const {
    HWND found = nullptr;
    WaitFor(
        [&] { return (found = Find(window_, text)) && IsWindowVisible(found) && IsWindowEnabled(found); });
    return found;
  }
  HWND Focus() const {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    return GetGUIThreadInfo(process_.dwThreadId, &info) ? info.hwndFocus : nullptr;
  }
  // Presses Tab until the focus is on the control.
  bool TabTo(HWND control) const {
    for (int n = 0; n < 12 && Focus() != control; ++n) {
      const HWND before = Focus();
      Press(VK_TAB);
      WaitFor([&] { return Focus() != before; }, 3000);
    }
    return Focus() == control;
  }
  // Ticks or unticks the focused box with the space bar.
  bool Toggle(HWND box) const {
    const bool was = Checked(box);
    Press(VK_SPACE);
    return WaitFor([&] { return Checked(box) != was; }, 3000);
  }
  DWORD Ends() {
    const DWORD code = Finish(process_);
    process_ = {};
    return code;
  }

 private:
  static HWND Find(HWND parent, const std::wstring& text) {
    for (HWND child : Children(parent)) {
      std::wstring shown = e2e::Text(child);
      std::erase(shown, L'&');
      if (shown == text) return child;
      if (HWND found = Find(child, text)) return found;
    }
    return nullptr;
  }

  PROCESS_INFORMATION process_;
  HWND window_ = nullptr;
};

// Every test starts with the stand-in in the place of icacls, where a 32-bit program finds the system's,
// and Wine told to run it rather than its own.
class Installer : public ::testing::Test {
 protected:
  void SetUp() override {
    wchar_t system[MAX_PATH] = {};
    GetSystemDirectoryW(system, MAX_PATH);
    ASSERT_TRUE(CopyFileW(L"" QUORVEL_ICACLS_PATH, In(system, L"icacls.exe").c_str(), FALSE));
    const wchar_t native[] = L"native";
    ASSERT_EQ(RegSetKeyValueW(HKEY_CURRENT_USER, L"Software\\Wine\\DllOverrides", L"icacls.exe", REG_SZ,
                              native, sizeof native),
              ERROR_SUCCESS);
  }
};

TEST_F(Installer, ByDefaultTheProgramGoesWhereOnlyAdministratorsWriteAndEverythingItWritesToTheDataFolder) {
  ASSERT_EQ(Install(L"/S"), 0u);
  const std::wstring program = ProgramFolder(), data = DataFolder();

  EXPECT_EQ(Names(program), (std::set<std::wstring>{L"quorvel.exe", L"readme.txt", L"uninstall.exe"}));
  EXPECT_TRUE(IsTheBuiltExe(In(program, L"quorvel.exe")));
  EXPECT_EQ(ReadFileBytes(In(program, L"readme.txt")), Shipped(L"readme.txt"));
  EXPECT_EQ(ReadFileBytes(In(data, L"quorvel_vcb.ini")), Shipped(L"quorvel_vcb.ini"));
  EXPECT_EQ(ReadFileBytes(In(data, L"quorvel.ini")), "Predmet=0\r\nFont=14,25\r\n");
  EXPECT_EQ(ReadFileBytes(In(data, L"quorvel_report.html")), FirstReportPage());

  // Program Files gives its rights by itself; the data folder is the administrators', and the users may
  // change what is in it but not the folder itself.
  EXPECT_FALSE(AnyCallWithin(program));
  const Asked dataRights{.inheritanceCut = true,
                         .reset = true,
                         .owner = kAdministrators,
                         .grants = {{kSystem, {L"(OI)(CI)F"}},
                                    {kAdministrators, {L"(OI)(CI)F"}},
                                    {kUsers, {L"(OI)(CI)(IO)M", L"(RX,WD)"}}},
                         .removed = {}};
  EXPECT_EQ(AskedFor(data), dataRights);

  EXPECT_EQ(RegText(kPolicyKey, L"ProgramFolder"), program);
  EXPECT_EQ(RegText(kPolicyKey, L"DataFolder"), data);
  EXPECT_EQ(Number(kPolicyKey, L"Practice"), 0);
  EXPECT_EQ(SkipList(), std::vector<std::wstring>{kNoText}) << "a silent run without /SKIPME";
  EXPECT_EQ(RunValue(), QuotedExe(program) + '\0');
  EXPECT_EQ(Entry(L"DisplayVersion"), L"" QUORVEL_VERSION);
  EXPECT_EQ(Entry(L"InstallLocation"), program);
  EXPECT_EQ(Entry(L"DisplayIcon"), In(program, L"quorvel.exe,0"));
  EXPECT_EQ(Entry(L"QuietUninstallString"), L"\"" + In(program, L"uninstall.exe") + L"\" /S");
  EXPECT_EQ(Names(MenuFolder()),
            (std::set<std::wstring>{L"Памятка для родителей.lnk", L"Отчёт.lnk", L"Словарь.lnk"}));
  EXPECT_EQ(ShortcutOf(In(MenuFolder(), L"Памятка для родителей.lnk")), In(program, L"readme.txt"));
  EXPECT_EQ(ShortcutOf(In(MenuFolder(), L"Отчёт.lnk")), In(data, L"quorvel_report.html"));
  wchar_t windows[MAX_PATH];
  GetWindowsDirectoryW(windows, MAX_PATH);
  EXPECT_EQ(ShortcutOf(In(MenuFolder(), L"Словарь.lnk")),
            In(windows, L"notepad.exe") + L" \"" + In(data, L"quorvel_vcb.ini") + L"\"");

  // The program's own "Нет" finds the value that the setup program wrote; a morning's quiz then writes its
  // journal and report beside the settings, and nothing beside itself.
  InstalledQuiz quiz(program);
  ASSERT_TRUE(quiz.Shown()) << "the installed quiz did not show";
  WaitFor([&] { return quiz.Focus() != nullptr; }, 3000);
  Press('N', {VK_CONTROL});
  HWND form3 = quiz.Shown(L"Form3");
  ASSERT_TRUE(form3) << "the settings dialog did not open";
  Click(Descendant(form3, L"Нет"));
  Click(Descendant(form3, L"Принято"));
  ASSERT_TRUE(WaitFor([&] { return !IsWindowVisible(form3); }));
  EXPECT_EQ(RunValue(), kNone);
  quiz.Unlock();
  ASSERT_TRUE(quiz.Ends()) << "three right answers did not end the quiz";
  EXPECT_NE(ReadFileBytes(In(data, L"quorvel_journal.txt")).find("unlocked"), std::string::npos);
  EXPECT_NE(ReadFileBytes(In(data, L"quorvel_report.html")), FirstReportPage());
  EXPECT_EQ(Names(program), (std::set<std::wstring>{L"quorvel.exe", L"readme.txt", L"uninstall.exe"}));
}

TEST_F(Installer, AChosenFolderIsClosedLikeProgramFilesAndTheOptionsReachTheProgram) {
  ASSERT_EQ(Install(L"/S /NOSTART /SUBJECT=1 /PRACTICE /SKIPME /D=" + kChosen), 0u);
  EXPECT_TRUE(IsTheBuiltExe(In(kChosen, L"quorvel.exe")));
  const Asked programRights{
      .inheritanceCut = true,
      .reset = false,
      .owner = L"",
      .grants = {{kSystem, {L"(OI)(CI)F"}}, {kAdministrators, {L"(OI)(CI)F"}}, {kUsers, {L"(OI)(CI)RX"}}},
      .removed = {}};
  EXPECT_EQ(AskedFor(kChosen), programRights);
  EXPECT_EQ(RegText(kPolicyKey, L"ProgramFolder"), kChosen);
  EXPECT_EQ(ReadFileBytes(In(DataFolder(), L"quorvel.ini")), "Predmet=1\r\nFont=14,25\r\n");
  EXPECT_EQ(RunValue(), kNone);
  EXPECT_EQ(Number(kPolicyKey, L"Practice"), 1);
  EXPECT_EQ(SkipList(), std::vector<std::wstring>{ThisAccount()});

  // The account that installed it is left out: the quiz ends at once, as for a parent.
  InstalledQuiz parent(kChosen);
  ASSERT_TRUE(parent.Ends());
  EXPECT_EQ(parent.ExitCode(), 0u);

  // Again over its own folder: a silent run keeps the list and the practice, and /SKIPME adds no second
  // entry for the account; another parent's name stays.
  SetSkipList(L"HOME-PC\\папа" + std::wstring(1, L'\0') + ThisAccount() + std::wstring(2, L'\0'));
  ASSERT_EQ(Install(L"/S /SKIPME /D=" + kChosen), 0u);
  EXPECT_EQ(SkipList(), (std::vector<std::wstring>{L"HOME-PC\\папа", ThisAccount()}));
  EXPECT_EQ(Number(kPolicyKey, L"Practice"), 1);
  EXPECT_EQ(RunValue(), kNone) << "the upgrade switched the start-up back on";
}

TEST_F(Installer, AnUpgradeFromVersion1MovesTheFamilysFilesOutTakesItsProgramAwayAndKeepsTheStartUp) {
  ASSERT_EQ(InstallVersion1(L"/S"), 0u);
  ASSERT_TRUE(Exists(In(kOldRoot, L"quorvel.exe")));
  const std::map<std::wstring, std::string> family = {
      {L"quorvel.ini", "Predmet=2\r\nFont=18\r\n"},
      {L"quorvel_vcb.ini", "sun=\xf1\xee\xeb\xed\xf6\xe5\r\n"},
      {L"quorvel_journal.txt", "the journal\r\n"},
      {L"quorvel_report.html", "<html>the report</html>"},
  };
  for (const auto& [name, bytes] : family) WriteFileBytes(In(kOldRoot, name), bytes);
  WriteFileBytes(In(kOldRoot, L"notes.txt"), "for the parents\r\n");
  InstalledQuiz quiz(kOldRoot);
  ASSERT_TRUE(quiz.Shown());

  // Every account could write there: with the parents' notes in it, it is no place for the program.
  EXPECT_EQ(Install(L"/S /D=" + kOldRoot), 2u);
  EXPECT_TRUE(Exists(In(kOldRoot, L"quorvel.exe")));
  EXPECT_FALSE(quiz.Ends(0));
  EXPECT_FALSE(KeyExists(kPolicyKey));

  ASSERT_EQ(Install(L"/S"), 0u);
  EXPECT_TRUE(quiz.Ends()) << "the running quiz was not ended";
  const std::wstring program = ProgramFolder();
  EXPECT_TRUE(IsTheBuiltExe(In(program, L"quorvel.exe")));
  EXPECT_TRUE(Exists(In(program, L"uninstall.exe")));
  for (const auto& [name, bytes] : family)
    EXPECT_EQ(ReadFileBytes(In(DataFolder(), name)), bytes) << Ansi(name);
  EXPECT_EQ(Names(kOldRoot), std::set<std::wstring>{L"notes.txt"});
  EXPECT_EQ(AskedFor(kOldRoot).removed, std::set<std::wstring>{kUsers});
  EXPECT_FALSE(AnyCallWithin(program));

  EXPECT_EQ(RunValue(), QuotedExe(program) + '\0');
  EXPECT_EQ(Entry(L"InstallLocation"), program);
  EXPECT_EQ(Entry(L"UninstallString"), L"\"" + In(program, L"uninstall.exe") + L"\"");
  EXPECT_FALSE(Exists(In(KnownFolder(CSIDL_COMMON_PROGRAMS), L"quorvel - памятка для родителей.lnk")));
  EXPECT_EQ(ShortcutOf(In(MenuFolder(), L"Отчёт.lnk")), In(DataFolder(), L"quorvel_report.html"));
}

TEST_F(Installer, AVersion1FolderOpenedToEveryUserIsLeftEmptyAndTheUninstallerTakesOnlyWhatItPutThere) {
  const std::wstring old = L"C:\\Program Files\\Детские программы";
  ASSERT_EQ(InstallVersion1(L"/S /NOSTART /D=" + old), 0u);
  ASSERT_EQ(AskedFor(old).grants[kUsers], std::set<std::wstring>{L"(OI)(CI)M"}) << "1.0 as it shipped";
  const std::string dictionary = "cat=\xea\xee\xf2\r\n", journal = "the journal\r\n";
  WriteFileBytes(In(old, L"quorvel_vcb.ini"), dictionary);
  WriteFileBytes(In(old, L"quorvel_journal.txt"), journal);

  ASSERT_EQ(Install(L"/S"), 0u);
  EXPECT_FALSE(Exists(old));
  EXPECT_EQ(RunValue(), kNone) << "the start-up was off and stays off";
  const std::wstring data = DataFolder();
  EXPECT_EQ(ReadFileBytes(In(data, L"quorvel_vcb.ini")), dictionary);
  EXPECT_EQ(ReadFileBytes(In(data, L"quorvel_journal.txt")), journal);

  // Another copy's start-up value is not this install's to remove.
  const std::string other = QuotedExe(L"C:\\other");
  SetRunValue(other);
  ASSERT_EQ(Uninstall(ProgramFolder()), 0u);
  EXPECT_EQ(Names(ProgramFolder()), std::set<std::wstring>{kNoText});
  EXPECT_EQ(Names(data), (std::set<std::wstring>{L"quorvel_journal.txt", L"quorvel_vcb.ini"}))
      << "1.0's own settings and the setup program's first report page go; the family's files stay";
  EXPECT_EQ(RunValue(), other + '\0');
  EXPECT_FALSE(KeyExists(kPolicyKey));
  EXPECT_FALSE(KeyExists(kUninstallKey));
  EXPECT_FALSE(Exists(MenuFolder()));
}

TEST_F(Installer, UninstallEndsTheQuizAndKeepsEverythingTheFamilyWroteOrChanged) {
  ASSERT_EQ(Install(L"/S /PRACTICE"), 0u);
  const std::wstring data = DataFolder();
  const std::map<std::wstring, std::string> family = {
      {L"quorvel.ini", "Predmet=0\r\nFont=12\r\n"}, {L"quorvel_vcb.ini", "cat=\xea\xee\xf2\r\n"},
      {L"quorvel_journal.txt", "the journal\r\n"},  {L"quorvel_report.html", "<html>the report</html>"},
      {L"notes.txt", "for the parents\r\n"},
  };
  for (const auto& [name, bytes] : family) WriteFileBytes(In(data, name), bytes);
  InstalledQuiz quiz(ProgramFolder());
  ASSERT_TRUE(quiz.Shown());

  ASSERT_EQ(Uninstall(ProgramFolder()), 0u);
  EXPECT_TRUE(quiz.Ends()) << "the running quiz was not ended";
  EXPECT_FALSE(Exists(ProgramFolder()));
  for (const auto& [name, bytes] : family) EXPECT_EQ(ReadFileBytes(In(data, name)), bytes) << Ansi(name);
  EXPECT_EQ(RunValue(), kNone);
  EXPECT_FALSE(KeyExists(kPolicyKey));
  EXPECT_EQ(Entry(L"InstallLocation"), kNoText);
  EXPECT_FALSE(Exists(MenuFolder()));
}

TEST_F(Installer, TheWizardGoesWithTheKeyboardAloneAndAnUpgradeOffersWhatTheFamilyChose) {
  ASSERT_EQ(Install(L"/S /SKIPME"), 0u);
  SetSkipList(L"HOME-PC\\папа" + std::wstring(1, L'\0') + ThisAccount() + std::wstring(2, L'\0'));
  const std::wstring account = ThisAccount(), name = account.substr(account.find(L'\\') + 1);

  Wizard wizard;
  ASSERT_TRUE(wizard.Up()) << "the wizard did not come up";
  ASSERT_TRUE(wizard.Control(L"Далее >"));
  Press(VK_RETURN);
  ASSERT_TRUE(wizard.Control(L"Обзор ..."));
  Press(VK_RETURN);  // the folder it installed into before

  // The options as the family left them: the installing account on the list, no practice.
  HWND skipMe = wizard.Control(L"Не показывать задания мне (" + name + L")");
  HWND practice = wizard.Control(L"Чаще давать то, что ребёнку трудно");
  ASSERT_TRUE(skipMe && practice);
  EXPECT_TRUE(Checked(skipMe));
  EXPECT_FALSE(Checked(practice));
  ASSERT_TRUE(wizard.TabTo(skipMe));
  ASSERT_TRUE(wizard.Toggle(skipMe));
  ASSERT_TRUE(wizard.TabTo(practice));
  ASSERT_TRUE(wizard.Toggle(practice));
  Press(VK_RETURN);  // Установить

  ASSERT_TRUE(wizard.Control(L"Далее >")) << "the installation did not finish";
  Press(VK_RETURN);
  HWND readme = wizard.Control(L"Открыть памятку для родителей");
  ASSERT_TRUE(readme && wizard.TabTo(readme) && wizard.Toggle(readme));
  Press(VK_RETURN);  // Готово
  EXPECT_EQ(wizard.Ends(), 0u);

  EXPECT_EQ(SkipList(), std::vector<std::wstring>{L"HOME-PC\\папа"}) << "unticked: only this account goes";
  EXPECT_EQ(Number(kPolicyKey, L"Practice"), 1);
}

TEST_F(Installer, WhatItCannotHonourIsRefusedWithNothingChanged) {
  // A folder of the parent's own that happens to hold files named like quorvel's.
  const std::wstring documents = L"C:\\Документы";
  CreateDirectoryW(documents.c_str(), nullptr);
  WriteFileBytes(In(documents, L"readme.txt"), "the parent's readme");
  WriteFileBytes(In(documents, L"quorvel.ini"), "Predmet=1\r\n");
  wchar_t windows[MAX_PATH];
  GetWindowsDirectoryW(windows, MAX_PATH);
  const std::wstring refused[] = {
      L"/S /D=" + documents,
      L"/S /D=Q:\\quorvel",  // no such drive
      L"/S /D=\\\\server\\share\\quorvel",
      L"/S /D=" + In(windows, L"win.ini"),           // a file
      L"/S /D=" + In(windows, L"win.ini\\quorvel"),  // below a file
      L"/S /D=C:\\",
      L"/S /D=" + std::wstring(windows),
      L"/S /D=" + In(windows, L"quorvel"),
      L"/S /D=" + KnownFolder(CSIDL_PROGRAM_FILES),
      L"/S /D=" + DataFolder(),
      L"/S /SUBJECT=7",
  };
  for (const std::wstring& arguments : refused) EXPECT_EQ(Install(arguments), 2u) << Ansi(arguments);
  EXPECT_TRUE(IcaclsCalls().empty());

  // A failed grant stops the install before anything is copied.
  WriteFileBytes(L"C:\\icacls-fails", "");
  EXPECT_EQ(Install(L"/S /D=" + kChosen), 2u);
  DeleteFileW(L"C:\\icacls-fails");

  EXPECT_EQ(ReadFileBytes(In(documents, L"readme.txt")), "the parent's readme");
  EXPECT_EQ(Names(documents), (std::set<std::wstring>{L"quorvel.ini", L"readme.txt"}));
  for (const std::wstring& folder : {ProgramFolder(), DataFolder(), kChosen, In(windows, L"quorvel")})
    EXPECT_FALSE(Exists(folder)) << Ansi(folder);
  EXPECT_FALSE(KeyExists(kPolicyKey));
  EXPECT_FALSE(KeyExists(kUninstallKey));
  EXPECT_EQ(RunValue(), kNone);
  EXPECT_FALSE(Exists(MenuFolder()));
}

}  // namespace
