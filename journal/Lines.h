// The journal's line format, shared by the code that writes lines and the code that reads them back:
// UTF-8 text with a byte-order mark, a header line, then one line per examined answer, tab-separated
// columns, CR LF line ends. The last column, the account, came after the first journals were written: their
// lines end with the verdict, and spreadsheets that read them keep their columns.
#pragma once

#include <string_view>

namespace journal {

// What every journal begins with: the byte-order mark and the header line.
inline constexpr char kJournalStart[] =
    "\xEF\xBB\xBF"
    "time\trun\tseconds\tsubject\tbutton\trow\tproblem\taccepted\ttyped\tverdict\taccount\r\n";
inline constexpr std::string_view kBom(kJournalStart, 3);
inline constexpr std::string_view kHeader(kJournalStart + 3, sizeof kJournalStart - 6);
// The header of the journals written before the account column.
inline constexpr std::string_view kOldHeader =
    "time\trun\tseconds\tsubject\tbutton\trow\tproblem\taccepted\ttyped\tverdict";
constexpr int kColumns = 11;

// The buttons by their captions, and the verdicts.
inline constexpr char kDone[] = "ВСЁ";
inline constexpr char kMore[] = "Ещё";
inline constexpr char kRight[] = "right";
inline constexpr char kWrong[] = "wrong";
inline constexpr char kNotANumber[] = "not-a-number";
inline constexpr char kUnlocked[] = "unlocked";
// A check of word rows dealt without a dictionary: the child saw the message, and blank rows.
inline constexpr char kNoDictionary[] = "no-dictionary";

// Two accepted answers are written with this between them.
inline constexpr char kOr[] = " / ";
// The multiplication sign between the factors, as in "7 × 8".
inline constexpr char kTimes[] = " × ";

}  // namespace journal
