#include "journal/Figures.h"

#include <string_view>

#include "journal/Calendar.h"
#include "journal/Lines.h"

namespace journal {

namespace {

constexpr size_t kMostMissed = 20;

// The columns of a line.
enum Column { kTime, kRun, kSeconds, kSubject, kButton, kRow, kProblem, kAccepted, kTyped, kVerdict };
using Line = std::string_view[kColumns];

// `length` characters of `text` from `at`, which the caller has checked are there.
std::string_view Part(std::string_view text, size_t at, size_t length) {
  return std::string_view(text.data() + at, length);
}

bool Split(std::string_view text, Line& line) {
  size_t begin = 0;
  for (int n = 0; n < kColumns; ++n) {
    size_t tab = begin;
    while (tab < text.size() && text[tab] != '\t') ++tab;
    if ((tab == text.size()) != (n == kColumns - 1)) return false;
    line[n] = Part(text, begin, tab - begin);
    begin = tab + 1;
  }
  return true;
}

// The position of `text` among `options`; -1 when it is none of them.
int IndexOf(std::string_view text, std::initializer_list<std::string_view> options) {
  int index = 0;
  for (std::string_view option : options) {
    if (text == option) return index;
    ++index;
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

// The day of a time written as "2024-05-17T07:45:12"; -1 when the text is no such time.
int DayOf(std::string_view time) {
  const std::string_view shape = "0000-00-00T00:00:00";
  if (time.size() != shape.size()) return -1;
  for (size_t k = 0; k < shape.size(); ++k) {
    if (shape[k] == '0' ? time[k] < '0' || time[k] > '9' : time[k] != shape[k]) return -1;
  }
  const int year = Digits(Part(time, 0, 4)), month = Digits(Part(time, 5, 2)), day = Digits(Part(time, 8, 2));
  if (year < 1970 || month < 1 || month > 12 || day < 1) return -1;
  const int number = DayNumber(year, month, day);
  return number < DayNumber(year, month + 1, 1) ? number : -1;  // 30 February is no day
}

// Seconds written as "12.3", in tenths; -1 for any other text.
int Tenths(std::string_view text) {
  const size_t point = text.size() - 2;
  if (text.size() < 3 || text[point] != '.') return -1;
  const int whole = Digits(Part(text, 0, point)), tenth = Digits(Part(text, point + 1, 1));
  return whole < 0 || tenth < 0 ? -1 : whole * 10 + tenth;
}

std::string_view TrimSpaces(std::string_view text) {
  size_t begin = 0, end = text.size();
  while (begin < end && text[begin] == ' ') ++begin;
  while (end > begin && text[end - 1] == ' ') --end;
  return Part(text, begin, end - begin);
}

// The cell of "7 × 8" in the table, or null for any other text.
Fact* FactOf(Figures& figures, std::string_view problem) {
  if (problem.size() != 6 || Part(problem, 1, 4) != kTimes) return nullptr;
  const int a = problem[0] - '2', b = problem[5] - '2';
  if (a < 0 || a > 7 || b < 0 || b > 7) return nullptr;
  return &figures.table[a][b];
}

// A problem in one row, as far as the run has seen it.
struct Problem {
  int subject = -1;
  std::string_view text, lastTyped;
  bool answered = false;
};

// What the lines of the run being read leave in its rows and its current click. Should two runs ever
// write at once, each change from one to the other starts the rows afresh.
struct RunState {
  size_t morning = 0;  // index, from 1
  Problem rows[3];
  int lastRow = 3;  // a line at this row or above it begins a new click
  bool clickMore = false;
  int clickRight = 0;
  std::string_view lastMistake;  // the problem of the last wrong answer
};

// Goes through the journal line by line.
class Tally {
 public:
  explicit Tally(Figures& figures) : figures_(figures) {}

  void Add(std::string_view text) {
    Line line;
    if (!Split(text, line)) return Skip(text);
    const int day = DayOf(line[kRun]), subject = IndexOf(line[kSubject], {"0", "1", "2"});
    const int button = IndexOf(line[kButton], {kDone, kMore});
    const int verdict = IndexOf(line[kVerdict], {kUnlocked, kRight, kWrong, kNotANumber});
    const int row = IndexOf(line[kRow], {"1", "2", "3"}), tenths = Tenths(line[kSeconds]);
    if (day < 0 || DayOf(line[kTime]) < 0 || subject < 0 || button < 0 || verdict < 0 ||
        (verdict == 0 ? tenths < 0 : row < 0)) {
      return Skip(text);
    }
    Morning& morning = MorningOf(line[kRun], day);
    if (verdict == 0) {
      morning.unlock = tenths;
    } else {
      Examined(morning, line, subject, row, verdict == 1, button == 1);
    }
  }

 private:
  void Skip(std::string_view text) {
    // The header, and the empty line that a missing line end leaves, are no faults.
    if (!text.empty() && text != kHeader) ++figures_.skipped;
  }

  Morning& MorningOf(std::string_view start, int day) {
    // A run's lines follow one another, or at worst mingle with those of a run or two at the same time:
    // only the latest mornings are looked at, so that years of them are read as fast as one.
    auto& mornings = figures_.mornings;
    size_t k = mornings.size();
    while (k > 0 && k + 4 > mornings.size() && mornings[k - 1].start != start) --k;
    if (k == 0 || mornings[k - 1].start != start) {
      mornings.emplace_back();
      mornings.back().start = start;
      mornings.back().day = day;
      k = mornings.size();
    }
    if (run_.morning != k) {
      run_ = RunState();
      run_.morning = k;
    }
    return mornings[k - 1];
  }

  void Examined(Morning& morning, const Line& line, int subject, int row, bool right, bool more) {
    if (row <= run_.lastRow) {
      // A new click; the one before it dealt anew when it was "Ещё" with all three right.
      if (run_.clickMore && run_.clickRight == 3) {
        for (Problem& problem : run_.rows) problem = Problem();
      }
      run_.clickMore = more;
      run_.clickRight = 0;
    }
    run_.lastRow = row;
    run_.clickRight += right;

    Problem& problem = run_.rows[row];
    if (problem.subject != subject || problem.text != line[kProblem]) {
      problem = Problem();
      problem.subject = subject;
      problem.text = line[kProblem];
    }
    const std::string_view typed = TrimSpaces(line[kTyped]);
    if (typed.empty() || line[kTyped] == problem.lastTyped) return;
    problem.lastTyped = line[kTyped];

    MissedWord* word = subject == 0 ? nullptr : &WordOf(subject, line);
    if (!problem.answered) {
      problem.answered = true;
      ++morning.firstTries[subject];
      morning.firstRight[subject] += right;
      if (Fact* fact = subject == 0 ? FactOf(figures_, line[kProblem]) : nullptr) {
        ++fact->asked;
        fact->missed += !right;
      }
      if (word) {
        ++word->asked;
        word->missed += !right;
      }
    }
    if (right) return;

    if (run_.lastMistake == line[kProblem] && !morning.mistakes.empty()) {
      morning.mistakes += ", ";
    } else {
      run_.lastMistake = line[kProblem];
      if (!morning.mistakes.empty()) morning.mistakes += "; ";
      morning.mistakes += line[kProblem];
      morning.mistakes += ": ";
    }
    morning.mistakes += typed;
    if (word) Count(word->wrong, typed);
  }

  MissedWord& WordOf(int subject, const Line& line) {
    auto& words = figures_.words;
    size_t k = words.size();
    while (k > 0 && !(words[k - 1].subject == subject && words[k - 1].shown == line[kProblem])) --k;
    MissedWord& word = k > 0 ? words[k - 1] : words.emplace_back();
    word.subject = subject;
    word.shown = line[kProblem];
    word.accepted = line[kAccepted];  // the latest, should the dictionary have changed
    return word;
  }

  static void Count(std::vector<std::pair<std::string_view, int>>& answers, std::string_view typed) {
    for (auto& [text, count] : answers) {
      if (text == typed) {
        ++count;
        return;
      }
    }
    answers.emplace_back(typed, 1);
  }

  Figures& figures_;
  RunState run_;
};

Period PeriodOf(const std::vector<Morning>& mornings, int from, int to) {
  Period period;
  int unlocked = 0;
  for (const Morning& morning : mornings) {
    if (morning.day < from || morning.day > to) continue;
    ++period.mornings;
    unlocked += morning.unlock >= 0;
    for (int subject = 0; subject < kSubjects; ++subject) {
      period.firstTries[subject] += morning.firstTries[subject];
      period.firstRight[subject] += morning.firstRight[subject];
    }
  }
  if (unlocked == 0) return period;
  // The median: the middle time, or the mean of the middle two. There are few mornings, so each time is
  // simply ranked against the others.
  int sum = 0;
  for (int rank : {(unlocked - 1) / 2, unlocked / 2}) {
    for (const Morning& candidate : mornings) {
      if (candidate.day < from || candidate.day > to || candidate.unlock < 0) continue;
      int below = 0, notAbove = 0;
      for (const Morning& other : mornings) {
        if (other.day < from || other.day > to || other.unlock < 0) continue;
        below += other.unlock < candidate.unlock;
        notAbove += other.unlock <= candidate.unlock;
      }
      if (below <= rank && rank < notAbove) {
        sum += candidate.unlock;
        break;
      }
    }
  }
  period.medianUnlock = sum / 2;
  return period;
}

}  // namespace

Figures Summarize(const std::string& journal, int today) {
  Figures figures;
  figures.today = today;
  Tally tally(figures);
  std::string_view text(journal);
  size_t begin = text.size() >= 3 && Part(text, 0, 3) == kBom ? 3 : 0;
  while (begin < text.size()) {
    size_t end = begin;
    while (end < text.size() && text[end] != '\n') ++end;
    tally.Add(Part(text, begin, end - begin - (end > begin && text[end - 1] == '\r')));
    begin = end + 1;
  }

  figures.week = PeriodOf(figures.mornings, today - 6, today);
  figures.month = PeriodOf(figures.mornings, today - 29, today);
  for (int k = 0; k < kChartDays; ++k) {
    const int day = today - (kChartDays - 1) + k;
    figures.daily[k] = PeriodOf(figures.mornings, day, day).medianUnlock;
  }

  // The most often missed words first: the twenty are picked out one by one.
  auto& words = figures.words;
  for (const MissedWord& word : words) figures.wordsAsked += word.asked;
  size_t picked = 0;
  for (; picked < kMostMissed; ++picked) {
    size_t next = picked;
    for (size_t k = picked; k < words.size(); ++k) {
      if (words[k].missed > words[next].missed ||
          (words[k].missed == words[next].missed && words[k].asked < words[next].asked)) {
        next = k;
      }
    }
    if (next >= words.size() || words[next].missed == 0) break;
    std::swap(words[picked], words[next]);
  }
  words.erase(words.begin() + static_cast<std::ptrdiff_t>(picked), words.end());
  return figures;
}

}  // namespace journal
