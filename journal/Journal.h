// The journal of every check, beside the program, and the report for parents written from it. Nothing
// here shows on screen: a folder where the files cannot be written only means that nothing is kept.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "platform/Platform.h"

namespace journal {

enum class Verdict { Right, Wrong, NotANumber };
class Text;

inline constexpr wchar_t kJournalName[] = L"quorvel_journal.txt";
inline constexpr wchar_t kReportName[] = L"quorvel_report.html";
// Past this size the journal loses its oldest half, so that years of mornings stay small.
constexpr long long kJournalLimit = 2 * 1024 * 1024;

class Journal {
 public:
  explicit Journal(platform::Platform& platform);

  // The quiz window is on screen: the start of this run and of its seconds. A missing report is
  // written now, so that a parent finds one from the first morning on.
  void QuizShown();

  // One examined answer box of a check; button 0 is "ВСЁ", 1 "Ещё"; rows count from 0.
  void Product(int button, int row, int factor1, int factor2, const std::wstring& typed, Verdict verdict);
  // `alternative` is empty where only one answer is accepted.
  void Word(int button, int subject, int row, const std::wstring& shown, const std::wstring& answer,
            const std::wstring& alternative, const std::wstring& typed, bool right);

  // A check of word rows that were dealt without a dictionary: blank rows are no problems to record.
  void NoDictionary(int button, int subject);
  // Three right answers and "ВСЁ": how long it took, then the report afresh.
  void Unlocked();
  void WriteReport();

  // Hears every line the journal writes, without its line end, whether or not the disk took it: the
  // practice dealer learns this run's answers from it.
  std::function<void(std::string_view line)> Written;

  const std::wstring& JournalPath() const { return journalPath_; }
  const std::wstring& ReportPath() const { return reportPath_; }

 private:
  // The columns up to the button; the caller adds the rest and the line end.
  Text& Begin(Text& line, int subject, int button);
  // A line of the whole run: no row, no problem, no answer.
  void Note(int subject, int button, const char* verdict);
  // Adds the account and the line end, and appends the line.
  void End(Text& line);
  void Append(const std::string& line);
  bool Read(std::string& bytes);
  void Trim();

  platform::Platform& platform_;
  const std::wstring journalPath_, reportPath_;
  const std::wstring account_;  // the Windows account the program runs for: siblings share one computer
  platform::LocalTime runStart_;
  std::uint32_t shownAt_ = 0;
  int subject_ = 0;  // of the last line, for the unlock line
};

}  // namespace journal
