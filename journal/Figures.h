// What the report tells a parent, worked out from the journal's text alone, so that a journal copied
// from another computer gives the same figures there. The figures point into that text: it must outlive
// them.
//
// A morning is one run of the program. An answer is text typed into a box and examined by a check; the
// same text examined again (a row that stayed frozen, or a click without a change) is the same answer,
// and an empty box is none. A problem is what one deal put into one row: it lasts until a new deal,
// seen in the journal as a click of "Ещё" with all three rows right, or as another problem or subject
// in the row. The first try at a problem is its first answer.
//
// Siblings who log on to one computer write one journal: each account gets figures of its own. The lines
// written before the account column belong to the one account that the newer lines name; when they name
// none or several, those lines are a child of their own.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace journal {

constexpr int kSubjects = 3;  // 0 multiplication, 1 English to Russian, 2 Russian to English
constexpr int kChartDays = 30;

// The mornings of the last days, today included.
struct Period {
  int mornings = 0;
  int medianUnlock = -1;  // tenths of a second from showing to unlocking; -1 when no morning unlocked
  int firstTries[kSubjects] = {}, firstRight[kSubjects] = {};
};

struct Fact {
  int asked = 0;   // problems with a first try
  int missed = 0;  // of them, wrong at the first try
};

// How sure the journal makes us that a problem is hard, from 0 (no sign of it) towards 1: the lower end of
// the 90 % Wilson interval of the share of first tries that were wrong. One miss in one try is little
// evidence, four in five much more.
float Hardness(int missed, int asked);

struct MissedWord {
  int subject = 1;
  std::string_view shown, accepted;  // as the journal has them
  int asked = 0, missed = 0;
  std::vector<std::pair<std::string_view, int>> wrong;  // the first few wrong answers typed, and how often
  bool moreWrong = false;                               // and others besides
  float hardness = 0;                                   // Hardness(missed, asked)
  int child = 0;                                        // whose: the index in Figures::children
};

struct Morning {
  std::string_view start;  // "2024-05-17T07:45:12"
  int day = 0;
  int unlock = -1;  // tenths of a second; -1 when the run did not end with "ВСЁ"
  int firstTries[kSubjects] = {}, firstRight[kSubjects] = {};
  bool noDictionary = false;  // words were dealt without a dictionary: the child saw its message
  std::string mistakes;       // "7 × 8: 54, 58; cat: кошк"; no longer than a report shows
};

// The figures of one account.
struct Child {
  std::string_view account;  // empty for the lines of before the account column that are no one's alone
  Period week, month;
  int daily[kChartDays];              // median unlock per day, oldest first, today last; -1 for none
  Fact table[8][8];                   // [first factor - 2][second factor - 2]
  int wordsAsked = 0;                 // first tries at words
  std::vector<MissedWord> words;      // the hardest first (Hardness), at most 20, each missed at least once
  std::vector<Morning> mornings;      // in the order they ran
  std::vector<int> noDictionaryDays;  // the latest days of mornings without a dictionary, oldest first
};

// The work done where it could grow with the journal, counted so that a test can hold it to the journal's
// size. Only the host build counts: on Windows no test asks, and the count would cost the program bytes.
struct Steps {
#ifdef _WIN32
  void operator+=(std::uint32_t) {}
#else
  std::uint32_t count = 0;
  void operator+=(std::uint32_t n) {
    count += n;
  }
#endif
};

struct Figures {
  int today = 0;
  int skipped = 0;  // lines that are not journal lines
  int mornings = 0;
  int firstDay = 0, lastDay = 0;  // of the first and the last morning in the journal
  std::vector<Child> children;    // the one with the latest line in the journal first
  int childrenLeftOut = 0;        // accounts past the most the report shows
  Steps steps;
};

Figures Summarize(const std::string& journal, int today);
Figures Summarize(std::string&& journal, int today) = delete;  // the figures would point into a temporary

}  // namespace journal
