#include "journal/Figures.h"

#include <memory>

#include "journal/Calendar.h"
#include "journal/Lines.h"
#include "journal/Rows.h"

namespace journal {

namespace {

constexpr size_t kMostMissed = 20, kWrongKept = 5, kMistakesLength = 200;
// More accounts than siblings ever are would make the report a book.
constexpr int kMostChildren = 6;

std::string_view TrimSpaces(std::string_view text) {
  const size_t begin = text.find_first_not_of(' ');
  if (begin == std::string_view::npos) return {};
  return text.substr(begin, text.find_last_not_of(' ') + 1 - begin);
}

// Numbers for keys (a text and a small tag), given in the order the keys first come and found again in a
// time that does not grow with how many there are: open addressing in a table at most half full.
class Index {
 public:
  explicit Index(Steps& steps) : steps_(steps) {}

  int Find(std::string_view text, int tag) {
    if (2 * static_cast<size_t>(count_ + 1) > slots_.size()) {
      std::vector<Slot> old(slots_.empty() ? 64 : 2 * slots_.size());
      old.swap(slots_);
      for (const Slot& slot : old) {
        if (slot.id >= 0) SlotOf(slot.text, slot.tag) = slot;
      }
    }
    Slot& slot = SlotOf(text, tag);
    if (slot.id < 0) slot = {text, tag, count_++};
    return slot.id;
  }

 private:
  struct Slot {
    std::string_view text;
    int tag = 0, id = -1;
  };

  // The key's slot, or the empty one where it goes.
  Slot& SlotOf(std::string_view text, int tag) {
    std::uint32_t hash = 2166136261u ^ static_cast<std::uint32_t>(tag);  // FNV-1a
    for (char c : text) hash = (hash ^ static_cast<unsigned char>(c)) * 16777619u;
    const size_t mask = slots_.size() - 1;
    for (size_t k = hash & mask;; k = (k + 1) & mask) {
      steps_ += 1;
      Slot& slot = slots_[k];
      if (slot.id < 0 || (slot.tag == tag && slot.text == text)) return slot;
    }
  }

  std::vector<Slot> slots_;
  int count_ = 0;
  Steps& steps_;
};

// The value at `rank` (from 0) among the values, which are not negative, picked a byte at a time from the
// highest: four passes over them, however they lie.
int Ranked(const int* values, int count, int rank, Steps& steps) {
  unsigned found = 0;
  for (int shift = 24; shift >= 0; shift -= 8) {
    int counts[256] = {};
    const unsigned high = shift == 24 ? 0u : ~0u << (shift + 8);
    for (int k = 0; k < count; ++k) {
      if ((static_cast<unsigned>(values[k]) & high) == found) ++counts[values[k] >> shift & 255];
    }
    steps += static_cast<std::uint32_t>(count);
    int digit = 0;
    while (rank >= counts[digit]) rank -= counts[digit++];
    found |= static_cast<unsigned>(digit) << shift;
  }
  return static_cast<int>(found);
}

// A problem in one row, as far as the run has seen it.
struct Problem {
  int subject = -1;
  std::string_view text, lastTyped;
  bool answered = false;
};

// What the lines of a child's run being read leave in its rows and its current click. Should two runs ever
// write at once, each change from one to the other starts the rows afresh.
struct RunState {
  size_t morning = 0;  // index, from 1
  Problem rows[3];
  int lastRow = 3;  // a line at this row or above it begins a new click
  bool clickMore = false;
  int clickRight = 0;
  std::string_view lastMistake;  // the problem of the last wrong answer
};

// Goes through the journal twice: first for whose each line is, then for each child's figures.
class Tally {
 public:
  explicit Tally(Figures& figures)
      : figures_(figures), accountIndex_(figures.steps), wordIndex_(figures.steps) {}

  void Read(std::string_view journal) {
    // Room for every line's account, and for as many accounts: a journal line holds two times of 19 bytes
    // and 9 tabs at least.
    const size_t lines = journal.size() / 40 + 1;
    owners_ = std::make_unique<int[]>(lines);
    childOf_ = std::make_unique<int[]>(lines);
    auto line = [this](std::string_view text) { Line(text); };
    ForEachLine(journal, line);
    Children();
    ForEachLine(journal, line);
    Finish();
  }

 private:
  // Of a line that an older program appended to one a power cut had left unfinished, the whole line at its
  // end is read all the same.
  void Line(std::string_view text) {
    figures_.steps += 1;
    Row row;
    bool read = ReadRow(text, row);
    if (!read) {
      // The header, and the empty line that a missing line end leaves, are no faults.
      figures_.skipped += !text.empty() && text != kHeader && text != kOldHeader && !counting_;
      // A journal line begins with a time such as "2024-05-17T07:45:12" and a tab.
      for (size_t at = 1; !read && at + 20 <= text.size(); ++at) {
        if (text[at + 4] == '-' && text[at + 10] == 'T' && text[at + 19] == '\t') {
          figures_.steps += 1;
          read = ReadRow(text.substr(at), row);
        }
      }
    }
    if (!read) return;
    if (counting_) return Own(row);
    if (const int child = childOf_[owners_[rows_++]]; child > 0) Add(row, child - 1);
  }

  // The first pass: each line's account, and the days of the first and the last morning.
  void Own(const Row& row) {
    const int id = accountIndex_.Find(row.account, 0);
    accounts_ += id == accounts_;
    if (row.account.empty()) unnamed_ = id;
    if (rows_ == 0 || row.day < figures_.firstDay) figures_.firstDay = row.day;
    if (row.day > figures_.lastDay) figures_.lastDay = row.day;
    owners_[rows_++] = id;
  }

  // The children, in the order of their latest lines, from the journal's end back. The lines of before the
  // account column go with the one account named, when there is one only.
  void Children() {
    counting_ = false;
    const bool merged = unnamed_ >= 0 && accounts_ == 2;
    int shown = 0;
    for (size_t k = rows_; k-- > 0 && shown < kMostChildren;) {
      figures_.steps += 1;
      int& child = childOf_[owners_[k]];
      if (child == 0 && !(merged && owners_[k] == unnamed_)) child = ++shown;
    }
    if (merged) childOf_[unnamed_] = 1;  // the named account's, the only child
    figures_.childrenLeftOut = accounts_ - merged - shown;
    std::vector<Child>(static_cast<size_t>(shown)).swap(figures_.children);
    rows_ = 0;
  }

  void Add(const Row& row, int child) {
    if (!row.account.empty()) figures_.children[child].account = row.account;
    Morning& morning = MorningOf(child, row.run, row.day);
    if (row.mark == Mark::Unlocked) {
      morning.unlock = row.tenths;
    } else if (row.mark == Mark::NoDictionary || TrimSpaces(row.problem).empty()) {
      // No problem to count: words dealt without a dictionary (older journals have their blank rows).
      morning.noDictionary |= row.subject > 0;
    } else {
      Examined(child, morning, row);
    }
  }

  Morning& MorningOf(int child, std::string_view start, int day) {
    // A run's lines follow one another, or at worst mingle with those of a run or two at the same time:
    // only the latest mornings are looked at, so that years of them are read as fast as one.
    auto& mornings = figures_.children[child].mornings;
    size_t k = mornings.size();
    while (k > 0 && k + 4 > mornings.size() && mornings[k - 1].start != start) {
      figures_.steps += 1;
      --k;
    }
    if (k == 0 || mornings[k - 1].start != start) {
      mornings.emplace_back();
      mornings.back().start = start;
      mornings.back().day = day;
      k = mornings.size();
    }
    if (runs_[child].morning != k) {
      runs_[child] = RunState();
      runs_[child].morning = k;
    }
    return mornings[k - 1];
  }

  void Examined(int child, Morning& morning, const Row& line) {
    RunState& run = runs_[child];
    const int subject = line.subject, row = line.row;
    const bool right = line.mark == Mark::Right, more = line.button == 1;
    if (row <= run.lastRow) {
      // A new click; the one before it dealt anew when it was "Ещё" with all three right.
      if (run.clickMore && run.clickRight == 3) {
        for (Problem& problem : run.rows) problem = Problem();
      }
      run.clickMore = more;
      run.clickRight = 0;
    }
    run.lastRow = row;
    run.clickRight += right;

    Problem& problem = run.rows[row];
    if (problem.subject != subject || problem.text != line.problem) {
      problem = Problem();
      problem.subject = subject;
      problem.text = line.problem;
    }
    const std::string_view typed = TrimSpaces(line.typed);
    if (typed.empty() || line.typed == problem.lastTyped) return;
    problem.lastTyped = line.typed;

    MissedWord* word = subject == 0 ? nullptr : &WordOf(child, line);
    if (!problem.answered) {
      problem.answered = true;
      ++morning.firstTries[subject];
      morning.firstRight[subject] += right;
      if (word) {
        ++word->asked;
        word->missed += !right;
      } else if (Fact* fact = FactOf(figures_.children[child], line.problem)) {
        ++fact->asked;
        fact->missed += !right;
      }
    }
    if (right) return;

    Mistake(morning.mistakes, run.lastMistake == line.problem, line.problem, typed);
    run.lastMistake = line.problem;
    if (word) Count(*word, typed);
  }

  // The cell of "7 × 8" in the table, or null for any other text.
  static Fact* FactOf(Child& child, std::string_view problem) {
    if (problem.size() != 6 || problem.substr(1, 4) != kTimes) return nullptr;
    const int a = problem[0] - '2', b = problem[5] - '2';
    return a < 0 || a > 7 || b < 0 || b > 7 ? nullptr : &child.table[a][b];
  }

  // "7 × 8: 54, 58; cat: кошк", which stops growing once it is longer than a report shows.
  static void Mistake(std::string& text, bool sameProblem, std::string_view problem, std::string_view typed) {
    if (text.size() > kMistakesLength) return;
    if (sameProblem && !text.empty()) {
      text += ", ";
    } else {
      if (!text.empty()) text += "; ";
      text.append(problem).append(": ");
    }
    text += typed;
  }

  MissedWord& WordOf(int child, const Row& line) {
    const int id = wordIndex_.Find(line.problem, child * kSubjects + line.subject);
    if (id == static_cast<int>(words_.size())) words_.push_back(MissedWord());
    MissedWord& word = words_[id];
    word.child = child;
    word.subject = line.subject;
    word.shown = line.problem;
    word.accepted = line.accepted;  // the latest, should the dictionary have changed
    return word;
  }

  // The first few different wrong answers, so that a word missed in a thousand ways costs no more.
  static void Count(MissedWord& word, std::string_view typed) {
    for (auto& [text, count] : word.wrong) {
      if (text == typed) {
        ++count;
        return;
      }
    }
    if (word.wrong.size() < kWrongKept) {
      word.wrong.emplace_back(typed, 1);
    } else {
      word.moreWrong = true;
    }
  }

  void Finish() {
    for (MissedWord& word : words_) {
      figures_.children[word.child].wordsAsked += word.asked;
      word.hardness = Hardness(word.missed, word.asked);
    }
    const int today = figures_.today;
    for (Child& child : figures_.children) {
      // The hardest words missed at least once, picked out one by one.
      const int index = static_cast<int>(&child - figures_.children.data());
      while (child.words.size() < kMostMissed) {
        MissedWord* hardest = nullptr;
        for (MissedWord& word : words_) {
          figures_.steps += 1;
          if (word.child == index && word.missed > 0 &&
              (!hardest || word.hardness > hardest->hardness ||
               (word.hardness == hardest->hardness && word.missed > hardest->missed))) {
            hardest = &word;
          }
        }
        if (!hardest) break;
        child.words.push_back(std::move(*hardest));
        hardest->missed = 0;  // picked
      }

      times_ = std::make_unique<int[]>(child.mornings.size());
      child.week = PeriodOf(child, today - 6, today);
      child.month = PeriodOf(child, today - (kChartDays - 1), today);
      for (int k = 0; k < kChartDays; ++k) {
        const int day = today - (kChartDays - 1) + k;
        child.daily[k] = PeriodOf(child, day, day).medianUnlock;
      }
      figures_.mornings += static_cast<int>(child.mornings.size());
    }
  }

  Period PeriodOf(const Child& child, int from, int to) {
    Period period;
    int count = 0;
    for (const Morning& morning : child.mornings) {
      figures_.steps += 1;
      if (morning.day < from || morning.day > to) continue;
      ++period.mornings;
      if (morning.unlock >= 0) times_[count++] = morning.unlock;
      for (int subject = 0; subject < kSubjects; ++subject) {
        period.firstTries[subject] += morning.firstTries[subject];
        period.firstRight[subject] += morning.firstRight[subject];
      }
    }
    // The middle time, or the mean of the middle two.
    if (count > 0) {
      period.medianUnlock = (Ranked(times_.get(), count, (count - 1) / 2, figures_.steps) +
                             Ranked(times_.get(), count, count / 2, figures_.steps)) /
                            2;
    }
    return period;
  }

  Figures& figures_;
  Index accountIndex_, wordIndex_;
  bool counting_ = true;           // the first pass
  int unnamed_ = -1;               // the account of the lines of before the account column
  std::unique_ptr<int[]> owners_;  // each journal line's account
  int accounts_ = 0;
  size_t rows_ = 0;  // journal lines read in this pass
  // Each account's child, from 1; 0 for an account the report leaves out.
  std::unique_ptr<int[]> childOf_;
  RunState runs_[kMostChildren];
  std::vector<MissedWord> words_;
  std::unique_ptr<int[]> times_;  // room for the unlock times of a child's mornings
};

}  // namespace

float Hardness(int missed, int asked) {
  if (asked <= 0 || missed <= 0) return 0;
  const float z = 1.645f, n = static_cast<float>(asked), share = static_cast<float>(missed) / n;
  // The square root by Newton's steps from above: the C library's would bring its error handling along.
  const float square = share * (1 - share) / n + z * z / (4 * n * n);
  float root = 1;
  for (int step = 0; step < 40; ++step) root = (root + square / root) / 2;
  return (share + z * z / (2 * n) - z * root) / (1 + z * z / n);
}

Figures Summarize(const std::string& journal, int today) {
  Figures figures;
  figures.today = today;
  Tally(figures).Read(journal);
  return figures;
}

}  // namespace journal
