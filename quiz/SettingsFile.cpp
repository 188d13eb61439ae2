// The settings file: the values of its lines, the text it is saved as, and the quiz window's reading and
// saving of it.
#include "quiz/SettingsFile.h"

#include "quiz/Form1.h"
#include "text/Convert.h"
#include "text/LineReader.h"

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
  text::LineReader reader(file, kMaxSettingsLine);
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
  return L"Predmet=" + text::FormatSingle(subject, decimalSeparator) + L"\r\n" + L"Font=" +
         text::FormatSingle(fontSize, decimalSeparator) + L"\r\n";
}

std::wstring Form1::IniPath() const {
  return platform_.DataPath() + L"\\quorvel.ini";
}

void Form1::ReadSettings() {
  // A file we cannot open or read counts as one that holds nothing usable: defaults, and the file
  // is left as it is for a parent to look at.
  if (auto file = platform_.OpenInput(IniPath())) {
    nStrok = static_cast<std::int16_t>(ReadSettingsLines(*file, platform_, sIni));
  }

  // Subjects other than 0, 1 and 2, and values that are not numbers, mean multiplication.
  const auto predmet = text::ParseSingle(sIni[0], platform_.DecimalSeparator(), true);
  if (predmet && (*predmet == 1 || *predmet == 2)) shared_.curPredmet = *predmet;

  // The font's value is cut at its own first "=" once more: "Font=a=12" gives 12.
  ApplyFontSize(ValueOf(sIni[1]));
}

void Form1::WriteDefaultSettings() {
  // The size is this literal whatever the locale; the reader takes either separator. A folder we cannot
  // write to leaves the defaults in memory; the quiz goes on.
  platform_.ReplaceFile(IniPath(), "Predmet=0\r\nFont=14,25\r\n");
}

bool Form1::SaveSettings(float predmet) {
  const auto bytes =
      platform_.ToAnsi(SettingsText(predmet, lblP[0].FontSize(), platform_.DecimalSeparator()));
  return bytes && platform_.ReplaceFile(IniPath(), *bytes);
}

}  // namespace quiz
