// Files on a real file system: a replaced file keeps its attributes and leaves no temporary file, a journal
// line cut short is ended before the next, and no write goes through a planted link.
#include "Win32Fixture.h"
#include "journal/Journal.h"

namespace {

using namespace win32_test;

class Files : public ::testing::Test {
 protected:
  void TearDown() override {
    SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    DeleteFileW(path.c_str());
    DeleteFileW(temporary.c_str());
    RemoveDirectoryW(temporary.c_str());
  }
  static std::string Read(const std::wstring& name) {
    HANDLE file = CreateFileW(name.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                              OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return "<missing>";
    char buffer[256];
    DWORD read = 0;
    ReadFile(file, buffer, sizeof buffer, &read, nullptr);
    CloseHandle(file);
    return std::string(buffer, read);
  }
  static void Put(const std::wstring& name, const std::string& bytes,
                  DWORD attributes = FILE_ATTRIBUTE_NORMAL) {
    HANDLE file =
        CreateFileW(name.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    DWORD written = 0;
    WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(file);
    SetFileAttributesW(name.c_str(), attributes);
  }
  bool Hidden() { return GetFileAttributesW(path.c_str()) & FILE_ATTRIBUTE_HIDDEN; }
  bool TemporaryLeft() { return GetFileAttributesW(temporary.c_str()) != INVALID_FILE_ATTRIBUTES; }

  TestPlatform platform;
  const std::wstring path = platform.folder + L"\\quorvel.ini", temporary = path + L".tmp";
};

TEST_F(Files, AHiddenFileStaysHiddenAndNoTemporaryFileIsLeft) {
  ASSERT_TRUE(platform.ReplaceFile(path, "first"));
  EXPECT_EQ(Read(path), "first");
  SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_HIDDEN);
  Put(temporary, "what a power cut left");

  ASSERT_TRUE(platform.ReplaceFile(path, "second"));
  EXPECT_EQ(Read(path), "second");
  EXPECT_TRUE(Hidden());
  EXPECT_FALSE(TemporaryLeft());
}

TEST_F(Files, AFileHeldOpenByAnotherProgramStaysAsItWas) {
  Put(path, "old");
  HANDLE held = CreateFileW(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(held, INVALID_HANDLE_VALUE);
  EXPECT_FALSE(platform.ReplaceFile(path, "new"));
  CloseHandle(held);
  EXPECT_EQ(Read(path), "old");
  EXPECT_FALSE(TemporaryLeft());
}

// A last line that a power cut left without its end is ended before the next line, which the binding learns
// from the file's last byte alone.
TEST_F(Files, AJournalLineLeftWithoutItsEndIsEndedBeforeTheNextOne) {
  journal::Journal journal(platform);
  const std::wstring journalPath = journal.JournalPath();
  EXPECT_EQ(platform.LastByte(journalPath), -1);  // no journal yet

  const std::string cut = "\xEF\xBB\xBFtime\r\n2024-05-17T07:45:12\t2024-05-17T07:4";
  Put(journalPath, cut);
  EXPECT_EQ(platform.LastByte(journalPath), '4');

  journal.Product(1, 0, 7, 8, L"54", journal::Verdict::Wrong);
  const std::string text = Read(journalPath);
  ASSERT_EQ(text.compare(0, cut.size() + 2, cut + "\r\n"), 0) << text;
  const std::string line = text.substr(cut.size() + 2);
  EXPECT_NE(line.find("\t1\t7 × 8\t56\t54\twrong\t"), std::string::npos) << line;
  EXPECT_EQ(line.find("\r\n"), line.size() - 2);  // one whole line
}

TEST_F(Files, WhereNoOtherFileCanBeMadeTheFileIsRewrittenWhereItLies) {
  // A folder stands where the temporary file would be made.
  ASSERT_TRUE(CreateDirectoryW(temporary.c_str(), nullptr));
  EXPECT_FALSE(platform.ReplaceFile(path, "new"));  // and there is no file to rewrite
  EXPECT_EQ(Read(path), "<missing>");

  Put(path, "a longer old content", FILE_ATTRIBUTE_HIDDEN);
  EXPECT_TRUE(platform.ReplaceFile(path, "new"));
  EXPECT_EQ(Read(path), "new");
  EXPECT_TRUE(Hidden());
}

// What a child's account could plant in the shared data folder to send a parent's writes elsewhere.
class PlantedLinks : public Files {
 protected:
  void TearDown() override {
    DeleteFileW(journal.c_str());
    DeleteFileW(elsewhere.c_str());
    RemoveDirectoryW(outside.c_str());
    Files::TearDown();
  }
  // Under Wine: `ln -s` on the Unix side, started as Wine starts any Unix program.
  static bool UnixSymbolicLink(const std::wstring& target, const std::wstring& link) {
    using UnixName = char*(CDECL*)(const wchar_t*);
    const auto unixName = reinterpret_cast<UnixName>(reinterpret_cast<void*>(
        GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "wine_get_unix_file_name")));
    const std::wstring folder = link.substr(0, link.rfind(L'\\'));
    if (!unixName) return false;
    std::string command = std::string("Z:\\bin\\ln -s \"") + unixName(target.c_str()) + "\" \"" +
                          unixName(folder.c_str()) + "/" +
                          std::string(link.begin() + folder.size() + 1, link.end()) + "\"";
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &process))
      return false;
    CloseHandle(process.hProcess);
    CloseHandle(process.hThread);
    // Wine cannot wait for a Unix process: the link's arrival is what is waited for.
    for (DWORD start = GetTickCount(); GetTickCount() - start < 10000; Sleep(10)) {
      if (GetFileAttributesW(link.c_str()) != INVALID_FILE_ATTRIBUTES) return true;
    }
    return false;
  }
  bool Writes(const std::wstring& file) {
    const bool replaced = platform.ReplaceFile(file, "new");
    const bool appended = platform.AppendFile(file, "line\r\n");
    return replaced || appended;
  }

  const std::wstring journal = platform.folder + L"\\quorvel_journal.txt";
  const std::wstring outside = platform.folder + L"-outside", elsewhere = outside + L"\\system.txt";
};

TEST_F(PlantedLinks, AFileWithASecondNameIsNeitherReplacedNorAppendedTo) {
  CreateDirectoryW(outside.c_str(), nullptr);
  Put(elsewhere, "a parent's file");
  ASSERT_TRUE(CreateHardLinkW(journal.c_str(), elsewhere.c_str(), nullptr));
  EXPECT_FALSE(Writes(journal));
  EXPECT_EQ(Read(elsewhere), "a parent's file");
  EXPECT_FALSE(TemporaryLeft());
  // Once it is the only name again, the file is the program's to write.
  DeleteFileW(elsewhere.c_str());
  EXPECT_TRUE(platform.AppendFile(journal, "line\r\n"));
}

// Wine makes no junctions, and no symbolic links of its own; it shows a Unix symbolic link to a folder as a
// folder that is a reparse point, which is what a junction looks like from here.
TEST_F(PlantedLinks, AFolderThatIsALinkTakesNoWrite) {
  CreateDirectoryW(outside.c_str(), nullptr);
  const std::wstring linked = platform.folder + L"\\data";
  ASSERT_TRUE(UnixSymbolicLink(outside, linked));
  ASSERT_TRUE(GetFileAttributesW(linked.c_str()) & FILE_ATTRIBUTE_REPARSE_POINT);
  EXPECT_FALSE(Writes(linked + L"\\quorvel.ini"));
  EXPECT_EQ(GetFileAttributesW((outside + L"\\quorvel.ini").c_str()), INVALID_FILE_ATTRIBUTES);
  RemoveDirectoryW(linked.c_str());
  DeleteFileW(linked.c_str());
}

}  // namespace
