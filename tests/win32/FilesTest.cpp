// Replacing a file on a real file system: the old file's attributes stay, no temporary file is left, and no
// write goes through a second name of another file.
#include "Win32Fixture.h"

namespace {

using namespace win32_test;

class Files : public ::testing::Test {
 protected:
  void TearDown() override {
    SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    DeleteFileW(path.c_str());
    DeleteFileW(temporary.c_str());
    RemoveDirectoryW(temporary.c_str());
    DeleteFileW(journal.c_str());
    DeleteFileW(other.c_str());
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
  const std::wstring journal = platform.folder + L"\\quorvel_journal.txt";
  // A file of a parent's that a child's account made a second name for (a hard link). Wine makes no
  // junctions and no symbolic links, so the hard link stands for them all here.
  const std::wstring other = platform.folder + L"\\parents.txt";
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

TEST_F(Files, NothingIsWrittenThroughASecondNameOfAnotherFile) {
  Put(other, "the parent's");
  ASSERT_TRUE(CreateHardLinkW(path.c_str(), other.c_str(), nullptr));
  ASSERT_TRUE(CreateHardLinkW(journal.c_str(), other.c_str(), nullptr));
  EXPECT_FALSE(platform.ReplaceFile(path, "new"));
  EXPECT_FALSE(platform.AppendFile(journal, "line"));
  EXPECT_EQ(Read(other), "the parent's");
  EXPECT_FALSE(TemporaryLeft());

  // Planted as the temporary file's name, the link is removed and the file it led to stays as it was.
  DeleteFileW(path.c_str());
  ASSERT_TRUE(CreateHardLinkW(temporary.c_str(), other.c_str(), nullptr));
  EXPECT_TRUE(platform.ReplaceFile(path, "new"));
  EXPECT_EQ(Read(path), "new");
  EXPECT_EQ(Read(other), "the parent's");
}

}  // namespace
