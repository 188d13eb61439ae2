// The journal appended to on a real file system: a last line that a power cut left without its end is ended
// before the next line, which the binding learns from the file's last byte alone.
#include "Win32Fixture.h"
#include "journal/Journal.h"

namespace {

using namespace win32_test;

std::string Read(const std::wstring& path) {
  HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return "<missing>";
  char buffer[4096];
  DWORD read = 0;
  ReadFile(file, buffer, sizeof buffer, &read, nullptr);
  CloseHandle(file);
  return std::string(buffer, read);
}

TEST(JournalAppend, ALineLeftWithoutItsEndIsEndedBeforeTheNextOne) {
  TestPlatform platform;
  journal::Journal journal(platform);
  const std::wstring path = journal.JournalPath();
  EXPECT_EQ(platform.LastByte(path), -1);  // no journal yet

  const std::string cut = "\xEF\xBB\xBFtime\r\n2024-05-17T07:45:12\t2024-05-17T07:4";
  HANDLE file =
      CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(file, INVALID_HANDLE_VALUE);
  DWORD written = 0;
  WriteFile(file, cut.data(), static_cast<DWORD>(cut.size()), &written, nullptr);
  CloseHandle(file);
  EXPECT_EQ(platform.LastByte(path), '4');

  journal.Product(1, 0, 7, 8, L"54", journal::Verdict::Wrong);
  const std::string text = Read(path);
  ASSERT_EQ(text.compare(0, cut.size() + 2, cut + "\r\n"), 0) << text;
  const std::string line = text.substr(cut.size() + 2);
  EXPECT_NE(line.find("\t1\t7 × 8\t56\t54\twrong\t"), std::string::npos) << line;
  EXPECT_EQ(line.find("\r\n"), line.size() - 2);  // one whole line
  EXPECT_EQ(platform.LastByte(path), '\n');
}

}  // namespace
