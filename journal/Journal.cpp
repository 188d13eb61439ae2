#include "journal/Journal.h"

#include "journal/Calendar.h"
#include "journal/Figures.h"
#include "journal/Lines.h"
#include "journal/Report.h"
#include "journal/Text.h"

namespace journal {

namespace {
// "2024-05-17T07:45:12".
Text& operator<<(Text& text, const platform::LocalTime& time) {
  return text << time.year << "-" << TwoDigits{time.month} << "-" << TwoDigits{time.day} << "T"
              << TwoDigits{time.hour} << ":" << TwoDigits{time.minute} << ":" << TwoDigits{time.second};
}

const char* Token(Verdict verdict) {
  return verdict == Verdict::Right ? kRight : verdict == Verdict::Wrong ? kWrong : kNotANumber;
}
}  // namespace

Journal::Journal(platform::Platform& platform)
    : platform_(platform),
      journalPath_(platform.DataPath() + L"\\" + kJournalName),
      reportPath_(platform.DataPath() + L"\\" + kReportName),
      account_(platform.GetAccount().name) {}

void Journal::QuizShown() {
  runStart_ = platform_.GetLocalTime();
  shownAt_ = platform_.GetTickCount();
  if (!platform_.FileExists(reportPath_)) WriteReport();
}

void Journal::Product(int button, int row, int factor1, int factor2, const std::wstring& typed,
                      Verdict verdict) {
  Text line;
  Begin(line, 0, button) << "\t" << row + 1 << "\t" << factor1 << kTimes << factor2 << "\t"
                         << factor1 * factor2 << "\t" << typed << "\t" << Token(verdict);
  End(line);
}

void Journal::Word(int button, int subject, int row, const std::wstring& shown, const std::wstring& answer,
                   const std::wstring& alternative, const std::wstring& typed, bool right) {
  Text line;
  Begin(line, subject, button) << "\t" << row + 1 << "\t" << shown << "\t" << answer;
  if (!alternative.empty()) line << kOr << alternative;
  line << "\t" << typed << "\t" << (right ? kRight : kWrong);
  End(line);
}

void Journal::NoDictionary(int button, int subject) {
  Note(subject, button, kNoDictionary);
}

void Journal::Unlocked() {
  Note(subject_, 0, kUnlocked);
  WriteReport();
}

void Journal::Note(int subject, int button, const char* verdict) {
  Text line;
  Begin(line, subject, button) << "\t\t\t\t\t" << verdict;
  End(line);
}

Text& Journal::Begin(Text& line, int subject, int button) {
  subject_ = subject;
  const std::uint32_t tenths = (platform_.GetTickCount() - shownAt_) / 100;
  return line << platform_.GetLocalTime() << "\t" << runStart_ << "\t" << static_cast<int>(tenths / 10) << "."
              << static_cast<int>(tenths % 10) << "\t" << subject << "\t" << (button == 0 ? kDone : kMore);
}

void Journal::End(Text& line) {
  line << "\t" << account_;
  if (Written) Written(line.bytes);
  line << "\r\n";
  Append(line.bytes);
}

void Journal::Append(const std::string& line) {
  const long long size = platform_.FileSize(journalPath_);
  // A new journal gets its mark and header in the same write as its first line. A last line that a power
  // cut left without its end gets one first, in that same write, so that no line is ever glued to it and
  // two programs appending at once still never mix their lines.
  Text bytes;
  if (size <= 0) {
    bytes << kJournalStart;
  } else if (platform_.LastByte(journalPath_) != '\n') {
    bytes << "\r\n";
  }
  bytes << line;
  if (platform_.AppendFile(journalPath_, bytes.bytes) &&
      size + static_cast<long long>(line.size()) > kJournalLimit) {
    Trim();
  }
}

// The journal's bytes, true with none when there is no journal; false when it is there but cannot be
// read. Of a journal grown far past its limit (copied in from elsewhere, say) only the newest part is
// kept, so that memory stays small.
bool Journal::Read(std::string& bytes) {
  bytes.clear();
  const long long size = platform_.FileSize(journalPath_);
  if (size < 0) return true;
  auto file = platform_.OpenInput(journalPath_);
  if (!file) return false;
  // Read straight into the text, in large pieces, with room for the whole journal from the start.
  constexpr size_t kPiece = 256 * 1024;
  bytes.reserve(static_cast<size_t>(size < 2 * kJournalLimit ? size : 2 * kJournalLimit) + kPiece);
  for (;;) {
    const size_t at = bytes.size();
    bytes.resize(at + kPiece);
    const long n = file->Read(bytes.data() + at, static_cast<long>(kPiece));
    bytes.resize(at + (n > 0 ? static_cast<size_t>(n) : 0));
    if (n < 0) return false;
    if (n == 0) return true;
    if (bytes.size() > 2 * kJournalLimit) bytes.erase(0, bytes.size() - kJournalLimit);
  }
}

void Journal::Trim() {
  std::string bytes;
  constexpr size_t keep = kJournalLimit / 2;
  // A journal that cannot be read whole is left as it is rather than rewritten from a part.
  if (!Read(bytes) || bytes.size() <= keep) return;
  // The newest half, from its first whole line on.
  const size_t end = bytes.find('\n', bytes.size() - keep - 1);
  Text kept;
  const size_t from = end == std::string::npos ? bytes.size() : end + 1;
  kept << kJournalStart << std::string_view(bytes.data() + from, bytes.size() - from);
  platform_.ReplaceFile(journalPath_, kept.bytes);
}

void Journal::WriteReport() {
  if (platform_.FileSize(journalPath_) > kJournalLimit) Trim();
  std::string bytes;
  // An unreadable journal leaves the last report as it is: better old figures than none.
  if (!Read(bytes)) return;
  const platform::LocalTime now = platform_.GetLocalTime();
  platform_.ReplaceFile(reportPath_,
                        ReportHtml(Summarize(bytes, DayNumber(now.year, now.month, now.day)), now));
}

}  // namespace journal
