#include "journal/Rows.h"

#include "journal/Calendar.h"
#include "journal/Lines.h"

namespace journal {

namespace {

enum Column {
  kTime,
  kRun,
  kSeconds,
  kSubject,
  kButton,
  kRow,
  kProblem,
  kAccepted,
  kTyped,
  kVerdict,
  kAccount
};

// The line's columns; false unless it has as many as a line of today or of before the account column.
bool Split(std::string_view text, std::string_view (&columns)[kColumns], bool& withAccount) {
  size_t begin = 0;
  int n = 0;
  for (; n < kColumns; ++n) {
    const size_t tab = text.find('\t', begin);
    columns[n] = text.substr(begin, tab == std::string_view::npos ? std::string_view::npos : tab - begin);
    if (tab == std::string_view::npos) break;
    begin = tab + 1;
  }
  withAccount = n == kAccount;
  return n == kVerdict || n == kAccount;
}

// The texts a column may hold, each at the place of its meaning: worked out once, when the program is built.
constexpr std::string_view kSubjects[] = {"0", "1", "2"}, kRows[] = {"1", "2", "3"},
                           kButtons[] = {kDone, kMore},
                           kMarks[] = {kUnlocked, kRight, kWrong, kNotANumber, kNoDictionary};

// The position of `text` among `options`; -1 when it is none of them.
template <size_t N>
int IndexOf(std::string_view text, const std::string_view (&options)[N]) {
  for (size_t k = 0; k < N; ++k) {
    if (text == options[k]) return static_cast<int>(k);
  }
  return -1;
}

// The number written in the digits of `text`; -1 when it holds anything else or is too long.
int Digits(std::string_view text) {
  if (text.empty() || text.size() > 8) return -1;
  int value = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return -1;
    value = value * 10 + (c - '0');
  }
  return value;
}

// `time` has the shape of "2024-05-17T07:45:12" from its character `from` on.
bool Shaped(std::string_view time, size_t from) {
  const std::string_view shape = "0000-00-00T00:00:00";
  if (time.size() != shape.size()) return false;
  for (size_t k = from; k < shape.size(); ++k) {
    if (shape[k] == '0' ? time[k] < '0' || time[k] > '9' : time[k] != shape[k]) return false;
  }
  return true;
}

// The day of a time written as "2024-05-17T07:45:12"; -1 when the text is no such time.
int DayOf(std::string_view time) {
  if (!Shaped(time, 0)) return -1;
  const int year = Digits(time.substr(0, 4)), month = Digits(time.substr(5, 2)),
            day = Digits(time.substr(8, 2));
  if (year < 1970 || month < 1 || month > 12 || day < 1) return -1;
  const int number = DayNumber(year, month, day);
  return number < DayNumber(year, month + 1, 1) ? number : -1;  // 30 February is no day
}

// Seconds written as "12.3", in tenths; -1 for any other text.
int Tenths(std::string_view text) {
  if (text.size() < 3 || text[text.size() - 2] != '.') return -1;
  const int whole = Digits(text.substr(0, text.size() - 2)), tenth = Digits(text.substr(text.size() - 1));
  return whole < 0 || tenth < 0 ? -1 : whole * 10 + tenth;
}

}  // namespace

bool ReadRow(std::string_view line, Row& row) {
  std::string_view columns[kColumns];
  if (!Split(line, columns, row.hasAccount)) return false;
  const int day = DayOf(columns[kRun]), subject = IndexOf(columns[kSubject], kSubjects);
  const int button = IndexOf(columns[kButton], kButtons), mark = IndexOf(columns[kVerdict], kMarks);
  const int number = IndexOf(columns[kRow], kRows), tenths = Tenths(columns[kSeconds]);
  // The lines of the whole run (the unlock, a missing dictionary) have no row.
  const bool ofRun = mark == 0 || mark == 4;
  if (day < 0 || subject < 0 || button < 0 || mark < 0 || (ofRun ? tenths < 0 : number < 0)) return false;
  // A line is mostly written on the day its run began, whose date is checked: then only the time of day is
  // left to check.
  const std::string_view time = columns[kTime];
  if (time.substr(0, 10) == columns[kRun].substr(0, 10) ? !Shaped(time, 10) : DayOf(time) < 0) return false;
  row.time = columns[kTime];
  row.run = columns[kRun];
  row.day = day;
  row.tenths = tenths;
  row.subject = subject;
  row.button = button;
  row.row = ofRun ? -1 : number;
  row.problem = columns[kProblem];
  row.accepted = columns[kAccepted];
  row.typed = columns[kTyped];
  row.mark = static_cast<Mark>(mark);
  row.account = row.hasAccount ? columns[kAccount] : std::string_view();
  return true;
}

}  // namespace journal
