// The report's figures, worked out from a journal written here line by line, and what its page shows.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "journal/Calendar.h"
#include "journal/Figures.h"
#include "journal/Lines.h"
#include "journal/Report.h"

namespace {

using journal::Figures;

const int kToday = journal::DayNumber(2024, 5, 17);

// A journal built as the program writes it, a click at a time.
class JournalText {
 public:
  struct Row {
    const char *problem, *accepted, *typed, *verdict;
  };

  // The mornings that follow start at `run`, in `subject`.
  JournalText& Run(const char* run, int subject = 0) {
    run_ = run;
    subject_ = subject;
    return *this;
  }
  // One click: the rows it examined, from the first.
  JournalText& Click(const char* button, std::vector<Row> rows) {
    int row = 1;
    for (const Row& r : rows) {
      Line("1.0", button, std::to_string(row++), r.problem, r.accepted, r.typed, r.verdict);
    }
    return *this;
  }
  JournalText& Unlock(const char* seconds) {
    Line(seconds, journal::kDone, "", "", "", "", journal::kUnlocked);
    return *this;
  }
  JournalText& Raw(const std::string& line) {
    text += line + "\r\n";
    return *this;
  }

  std::string text = journal::kJournalStart;

 private:
  void Line(const char* seconds, const char* button, const std::string& row, const char* problem,
            const char* accepted, const char* typed, const char* verdict) {
    text += run_ + "\t" + run_ + "\t" + seconds + "\t" + std::to_string(subject_) + "\t" + button + "\t" +
            row + "\t" + problem + "\t" + accepted + "\t" + typed + "\t" + verdict + "\r\n";
  }
  std::string run_;
  int subject_ = 0;
};

constexpr const char* kMore = journal::kMore;
constexpr const char* kDone = journal::kDone;

// Today: a wrong first try at 7 × 8 that is examined again unchanged, an empty box that is no try, a
// new deal after "Ещё" with all three right that deals 7 × 8 again, then "ВСЁ".
JournalText Today() {
  JournalText journal;
  journal.Run("2024-05-17T07:30:00")
      .Click(kMore, {{"7 × 8", "56", "54", "wrong"},
                     {"3 × 4", "12", "12", "right"},
                     {"9 × 9", "81", " ", "not-a-number"}})
      .Click(kMore,
             {{"7 × 8", "56", "54", "wrong"}, {"3 × 4", "12", "12", "right"}, {"9 × 9", "81", "81", "right"}})
      .Click(kMore,
             {{"7 × 8", "56", "56", "right"}, {"3 × 4", "12", "12", "right"}, {"9 × 9", "81", "81", "right"}})
      .Click(kDone,
             {{"7 × 8", "56", "56", "right"}, {"2 × 2", "4", "5", "wrong"}, {"5 × 5", "25", "25", "right"}})
      .Click(kDone,
             {{"7 × 8", "56", "56", "right"}, {"2 × 2", "4", "4", "right"}, {"5 × 5", "25", "25", "right"}})
      .Unlock("90.0");
  return journal;
}

TEST(ReportFigures, FirstTriesCountEachDealtProblemOnceAndTheGridCountsThem) {
  const std::string text = Today().text;
  const Figures figures = journal::Summarize(text, kToday);
  ASSERT_EQ(figures.mornings.size(), 1u);
  const journal::Morning& morning = figures.mornings[0];
  // 7 × 8 twice (wrong, then right in the new deal), 3 × 4, 9 × 9 (its empty box was no try), 2 × 2, 5 × 5.
  EXPECT_EQ(morning.firstTries[0], 6);
  EXPECT_EQ(morning.firstRight[0], 4);
  EXPECT_EQ(morning.unlock, 900);
  EXPECT_EQ(morning.mistakes, "7 × 8: 54; 2 × 2: 5");  // the same 54 examined twice is one answer
  EXPECT_EQ(figures.table[7 - 2][8 - 2].asked, 2);
  EXPECT_EQ(figures.table[7 - 2][8 - 2].missed, 1);
  EXPECT_EQ(figures.table[8 - 2][7 - 2].asked, 0);
  EXPECT_EQ(figures.table[9 - 2][9 - 2].asked, 1);
  EXPECT_EQ(figures.table[9 - 2][9 - 2].missed, 0);
  EXPECT_EQ(figures.week.firstTries[0], 6);
  EXPECT_EQ(figures.week.firstRight[0], 4);
  EXPECT_EQ(figures.skipped, 0);
}

TEST(ReportFigures, MediansOverTheLastSevenAndThirtyDaysAndPerDay) {
  JournalText journal = Today();
  journal.Run("2024-05-15T07:30:00").Unlock("30.0");
  journal.Run("2024-05-17T18:00:00").Click(kMore, {{"7 × 8", "56", "56", "right"}});  // not finished
  journal.Run("2024-04-20T07:30:00").Unlock("45.0");
  journal.Run("2024-04-17T07:30:00").Unlock("600.0");  // 30 days ago: out of every period
  const std::string text = journal.text;
  const Figures figures = journal::Summarize(text, kToday);
  EXPECT_EQ(figures.week.mornings, 3);
  EXPECT_EQ(figures.week.medianUnlock, 600);  // 30 s and 90 s
  EXPECT_EQ(figures.month.mornings, 4);
  EXPECT_EQ(figures.month.medianUnlock, 450);  // 30 s, 45 s, 90 s
  EXPECT_EQ(figures.daily[29], 900);
  EXPECT_EQ(figures.daily[27], 300);
  EXPECT_EQ(figures.daily[0], -1);
  EXPECT_EQ(figures.mornings.size(), 5u);
  EXPECT_EQ(figures.mornings[2].unlock, -1);
}

TEST(ReportFigures, MissedWordsComeMostMissedFirstWithWhatWasTyped) {
  JournalText journal;
  journal.Run("2024-05-16T07:30:00", 1)
      .Click(kMore, {{"cat", "кошка / кот", "кошк", "wrong"},
                     {"dog", "собака", "собака", "right"},
                     {"sun", "солнце", "сонце", "wrong"}})
      .Click(kMore, {{"cat", "кошка / кот", "Кот ", "right"},
                     {"dog", "собака", "собака", "right"},
                     {"sun", "солнце", "солнце", "right"}});
  journal.Run("2024-05-17T07:30:00", 1)
      .Click(kMore, {{"cat", "кошка / кот", "кошк", "wrong"},
                     {"dog", "собака", "", "wrong"},
                     {"sun", "солнце", "солнце", "right"}});
  journal.Run("2024-05-17T08:30:00", 2).Click(kMore, {{"кошка", "cat", "kat", "wrong"}});
  const std::string text = journal.text;
  const Figures figures = journal::Summarize(text, kToday);
  ASSERT_EQ(figures.words.size(), 3u);  // dog was never missed
  EXPECT_EQ(figures.words[0].shown, "cat");
  EXPECT_EQ(figures.words[0].accepted, "кошка / кот");
  EXPECT_EQ(figures.words[0].missed, 2);
  EXPECT_EQ(figures.words[0].asked, 2);
  ASSERT_EQ(figures.words[0].wrong.size(), 1u);
  EXPECT_EQ(figures.words[0].wrong[0].first, "кошк");
  EXPECT_EQ(figures.words[0].wrong[0].second, 2);
  // One miss each: the word asked fewer times is the harder one.
  EXPECT_EQ(figures.words[1].shown, "кошка");
  EXPECT_EQ(figures.words[1].subject, 2);
  EXPECT_EQ(figures.words[2].shown, "sun");
  EXPECT_EQ(figures.wordsAsked, 6);
  EXPECT_EQ(figures.month.firstTries[1], 5);
  EXPECT_EQ(figures.month.firstRight[1], 2);  // dog right once, its empty box no try
}

TEST(ReportFigures, LinesThatAreNotJournalLinesAreSkippedAndCounted) {
  JournalText journal = Today();
  journal
      .Raw("2024-05-17T07:30:00\t2024-05-17T07:30:00\t1.0\t0\tЕщё\t1\t7 × 8\t56\t54")  // a column short
      .Raw("2024-02-30T07:30:00\t2024-02-30T07:30:00\t1.0\t0\tЕщё\t1\t7 × 8\t56\t54\twrong")
      .Raw("2024-05-17T07:30:00\t2024-05-17T07:30:00\t1.0\t3\tЕщё\t1\t7 × 8\t56\t54\twrong")
      .Raw("2024-05-17T07:30:00\t2024-05-17T07:30:00\t1.0\t0\tЕщё\t4\t7 × 8\t56\t54\twrong")
      .Raw("2024-05-17T07:30:00\t2024-05-17T07:30:00\t1,5\t0\tВСЁ\t\t\t\t\tunlocked")
      .Raw("2024-05-17T07:30:00\t2024-05-17T07:30:00\t1.0\t0\tOK\t1\t7 × 8\t56\t54\twrong");
  journal.text += journal::kJournalStart;  // a second journal pasted on: its mark and header are noise
  journal.text += "2024-05-17T07:30:00";   // cut off without a line end
  const std::string text = journal.text;
  const Figures figures = journal::Summarize(text, kToday);
  EXPECT_EQ(figures.skipped, 8);
  EXPECT_EQ(figures.mornings.size(), 1u);
  EXPECT_EQ(figures.mornings[0].unlock, 900);
  EXPECT_EQ(figures.mornings[0].firstTries[0], 6);
}

TEST(ReportPage, EveryTextFromTheJournalIsEscaped) {
  JournalText journal;
  journal.Run("2024-05-17T07:30:00", 1).Click(kMore, {{"<b>\"&'", "<i>", "</td><script>", "wrong"}});
  const std::string text = journal.text;
  const std::string html = journal::ReportHtml(journal::Summarize(text, kToday), {2024, 5, 17, 8, 0, 0});
  EXPECT_NE(html.find("&lt;b&gt;&quot;&amp;&#39;"), std::string::npos);
  EXPECT_NE(html.find("&lt;/td&gt;&lt;script&gt;"), std::string::npos);
  EXPECT_EQ(html.find("<b>"), std::string::npos);
  EXPECT_EQ(html.find("<i>"), std::string::npos);
  EXPECT_EQ(html.find("<script"), std::string::npos);
  EXPECT_EQ(html.find("http"), std::string::npos);  // nothing to fetch
}

TEST(ReportPage, SaysPlainlyWhenThereIsNothingYet) {
  const std::string none;
  const std::string empty = journal::ReportHtml(journal::Summarize(none, kToday), {2024, 5, 17, 8, 5, 0});
  EXPECT_NE(empty.find("Составлен 17.05.2024 в 08:05."), std::string::npos);
  EXPECT_NE(empty.find("Записей пока нет"), std::string::npos);
  EXPECT_EQ(empty.find("<h2>"), std::string::npos);

  // A journal with mornings but no multiplication and no unlock says so in those sections.
  JournalText words;
  words.Run("2024-05-17T07:30:00", 2).Click(kMore, {{"кошка", "cat", "cat", "right"}});
  const std::string text = words.text;
  const std::string html = journal::ReportHtml(journal::Summarize(text, kToday), {2024, 5, 17, 8, 5, 0});
  EXPECT_NE(html.find("Таблицу умножения ещё не решали."), std::string::npos);
  EXPECT_NE(html.find("ни разу не закончили"), std::string::npos);
  EXPECT_NE(html.find("Ошибок в словах не было."), std::string::npos);
}

}  // namespace
