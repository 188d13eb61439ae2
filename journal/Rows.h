// The journal read back line by line: each line that is a journal line becomes a row, which the report's
// figures and the practice dealer read. The rows point into the journal's text: it must outlive them.
#pragma once

#include <string_view>

#include "journal/Lines.h"

namespace journal {

enum class Mark { Unlocked, Right, Wrong, NotANumber, NoDictionary };

struct Row {
  std::string_view time, run;  // "2024-05-17T07:45:12": when the line was written, when its run began
  int day = 0;                 // the run's day (Calendar.h)
  int tenths = 0;              // seconds from showing the quiz, in tenths
  int subject = 0;             // 0 multiplication, 1 English to Russian, 2 Russian to English
  int button = 0;              // 0 "ВСЁ", 1 "Ещё"
  int row = -1;                // 0 to 2; -1 on the unlock and no-dictionary lines
  std::string_view problem, accepted, typed;
  Mark mark = Mark::Right;
  std::string_view account;  // empty on the lines written before the account column
  bool hasAccount = false;
};

// The row of one line (without its line end); false when the line is not a journal line (the header, a line
// cut short, text that is not the journal's).
bool ReadRow(std::string_view line, Row& row);

// Calls `each` with every line of the journal's text, without its line end, after the byte-order mark.
template <class Each>
void ForEachLine(std::string_view journal, Each&& each) {
  size_t begin = journal.starts_with(kBom) ? kBom.size() : 0;
  while (begin < journal.size()) {
    size_t end = journal.find('\n', begin);
    if (end == std::string_view::npos) end = journal.size();
    each(journal.substr(begin, end - begin - (end > begin && journal[end - 1] == '\r')));
    begin = end + 1;
  }
}

}  // namespace journal
