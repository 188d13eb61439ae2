// What the report tells a parent, worked out from the journal's text alone, so that a journal copied
// from another computer gives the same figures there. The figures point into that text: it must outlive
// them.
//
// A morning is one run of the program. An answer is text typed into a box and examined by a check; the
// same text examined again (a row that stayed frozen, or a click without a change) is the same answer,
// and an empty box is none. A problem is what one deal put into one row: it lasts until a new deal,
// seen in the journal as a click of "Ещё" with all three rows right, or as another problem or subject
// in the row. The first try at a problem is its first answer.
#pragma once

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

struct MissedWord {
  int subject = 1;
  std::string_view shown, accepted;  // as the journal has them
  int asked = 0, missed = 0;
  std::vector<std::pair<std::string_view, int>> wrong;  // each wrong answer typed, and how often
};

struct Morning {
  std::string_view start;  // "2024-05-17T07:45:12"
  int day = 0;
  int unlock = -1;  // tenths of a second; -1 when the run did not end with "ВСЁ"
  int firstTries[kSubjects] = {}, firstRight[kSubjects] = {};
  std::string mistakes;  // "7 × 8: 54, 58; cat: кошк"
};

struct Figures {
  int today = 0;
  int skipped = 0;  // lines that are not journal lines
  Period week, month;
  int daily[kChartDays];          // median unlock per day, oldest first, today last; -1 for none
  Fact table[8][8];               // [first factor - 2][second factor - 2]
  int wordsAsked = 0;             // first tries at words
  std::vector<MissedWord> words;  // the most often missed first, at most 20, each missed at least once
  std::vector<Morning> mornings;  // in the order they ran
};

Figures Summarize(const std::string& journal, int today);
Figures Summarize(std::string&& journal, int today) = delete;  // the figures would point into a temporary

}  // namespace journal
