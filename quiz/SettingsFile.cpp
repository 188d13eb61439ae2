#include "quiz/SettingsFile.h"

#include "quiz/Convert.h"
#include "quiz/LineReader.h"

namespace quiz {

namespace {
// A settings line longer than this holds no number we could use.
constexpr size_t kMaxSettingsLine = 256;
}  // namespace

std::wstring ValueOf(const std::wstring& line) {
  const size_t equals = line.find(L'=');
  return equals == std::wstring::npos ? line : line.substr(equals + 1);
}

int ReadSettingsLines(platform::InputFile& file, platform::Platform& platform,
                      std::wstring (&values)[kSettingsLines]) {
  LineReader reader(file, kMaxSettingsLine);
  std::string line;
  int count = 0;
  // Only six lines are kept; the rest of the file is never read.
  while (count < kSettingsLines && reader.Next(line)) {
    values[count] = reader.Truncated() ? std::wstring() : ValueOf(platform.FromAnsi(line));
    ++count;
  }
  return count;
}

std::wstring SettingsText(float subject, float fontSize, wchar_t decimalSeparator) {
  return L"Predmet=" + FormatSingle(subject, decimalSeparator) + L"\r\n" + L"Font=" +
         FormatSingle(fontSize, decimalSeparator) + L"\r\n";
}

}  // namespace quiz
