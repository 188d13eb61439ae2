#include "journal/Figures.h"

#include <string_view>

#include "journal/Calendar.h"
#include "journal/Lines.h"
#include "journal/Rows.h"

namespace journal {

namespace {

constexpr size_t kMostMissed = 20;

// `length` characters of `text` from `at`, which the caller has checked are there.
std::string_view Part(std::string_view text, size_t at, size_t length) {
  return std::string_view(text.data() + at, length);
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
    Row row;
    if (!ReadRow(text, row)) return Skip(text);
    Morning& morning = MorningOf(row.run, row.day);
    if (row.mark == Mark::Unlocked) {
      morning.unlock = row.tenths;
    } else {
      Examined(morning, row);
    }
  }

 private:
  void Skip(std::string_view text) {
    // The header, and the empty line that a missing line end leaves, are no faults.
    if (!text.empty() && text != kHeader && text != kOldHeader) ++figures_.skipped;
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

  void Examined(Morning& morning, const Row& line) {
    const int subject = line.subject, row = line.row;
    const bool right = line.mark == Mark::Right, more = line.button == 1;
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
    if (problem.subject != subject || problem.text != line.problem) {
      problem = Problem();
      problem.subject = subject;
      problem.text = line.problem;
    }
    const std::string_view typed = TrimSpaces(line.typed);
    if (typed.empty() || line.typed == problem.lastTyped) return;
    problem.lastTyped = line.typed;

    MissedWord* word = subject == 0 ? nullptr : &WordOf(subject, line);
    if (!problem.answered) {
      problem.answered = true;
      ++morning.firstTries[subject];
      morning.firstRight[subject] += right;
      if (Fact* fact = subject == 0 ? FactOf(figures_, line.problem) : nullptr) {
        ++fact->asked;
        fact->missed += !right;
      }
      if (word) {
        ++word->asked;
        word->missed += !right;
      }
    }
    if (right) return;

    if (run_.lastMistake == line.problem && !morning.mistakes.empty()) {
      morning.mistakes += ", ";
    } else {
      run_.lastMistake = line.problem;
      if (!morning.mistakes.empty()) morning.mistakes += "; ";
      morning.mistakes += line.problem;
      morning.mistakes += ": ";
    }
    morning.mistakes += typed;
    if (word) Count(word->wrong, typed);
  }

  MissedWord& WordOf(int subject, const Row& line) {
    auto& words = figures_.words;
    size_t k = words.size();
    while (k > 0 && !(words[k - 1].subject == subject && words[k - 1].shown == line.problem)) --k;
    MissedWord& word = k > 0 ? words[k - 1] : words.emplace_back();
    word.subject = subject;
    word.shown = line.problem;
    word.accepted = line.accepted;  // the latest, should the dictionary have changed
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
  ForEachLine(journal, [&tally](std::string_view line) { tally.Add(line); });

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
