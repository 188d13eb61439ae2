// The report's figures, worked out from a journal written here line by line, and what its page shows.
#include <gtest/gtest.h>

#include <cstdio>
#include <regex>
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

  // The mornings that follow start at `run`, in `subject`, on `account` (null: a line of before the
  // account column).
  JournalText& Run(const char* run, int subject = 0, const char* account = "Маша") {
    run_ = run;
    subject_ = subject;
    account_ = account;
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
  JournalText& NoDictionary() {
    Line("2.0", journal::kMore, "", "", "", "", journal::kNoDictionary);
    return *this;
  }
  JournalText& Raw(const std::string& line) {
    text += line + "\r\n";
    return *this;
  }

  Figures Summarize() const { return journal::Summarize(text, kToday); }
  std::string Html() const { return journal::ReportHtml(Summarize(), {2024, 5, 17, 8, 5, 0}); }

  std::string text = journal::kJournalStart;

 private:
  void Line(const char* seconds, const char* button, const std::string& row, const char* problem,
            const char* accepted, const char* typed, const char* verdict) {
    text += run_ + "\t" + run_ + "\t" + seconds + "\t" + std::to_string(subject_) + "\t" + button + "\t" +
            row + "\t" + problem + "\t" + accepted + "\t" + typed + "\t" + verdict;
    if (account_) text += std::string("\t") + account_;
    text += "\r\n";
  }
  std::string run_;
  int subject_ = 0;
  const char* account_ = "Маша";
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

// The grid cell of a fact as the page shows it: its title and its lightness (100 for none).
struct Shown {
  std::string title;
  int lightness = 100;
};
Shown CellOf(const std::string& html, int a, int b) {
  size_t at = html.find("<tr><th>" + std::to_string(a), html.find("<table class=g>"));
  for (int k = 2; k <= b; ++k) at = html.find("<td", at + 1);
  const std::string cell = html.substr(at, html.find('>', at) - at);
  Shown shown;
  std::smatch match;
  if (std::regex_search(cell, match, std::regex("title=\"([^\"]*)\""))) shown.title = match[1];
  if (std::regex_search(cell, match, std::regex("hsl\\(\\d+,\\d+%,(\\d+)%")))
    shown.lightness = std::stoi(match[1]);
  return shown;
}

TEST(ReportFigures, FirstTriesCountEachDealtProblemOnceAndTheGridCountsThem) {
  const Figures figures = Today().Summarize();
  ASSERT_EQ(figures.children.size(), 1u);
  const journal::Child& child = figures.children[0];
  ASSERT_EQ(child.mornings.size(), 1u);
  const journal::Morning& morning = child.mornings[0];
  // 7 × 8 twice (wrong, then right in the new deal), 3 × 4, 9 × 9 (its empty box was no try), 2 × 2, 5 × 5.
  EXPECT_EQ(morning.firstTries[0], 6);
  EXPECT_EQ(morning.firstRight[0], 4);
  EXPECT_EQ(morning.unlock, 900);
  EXPECT_EQ(morning.mistakes, "7 × 8: 54; 2 × 2: 5");  // the same 54 examined twice is one answer
  EXPECT_EQ(child.table[7 - 2][8 - 2].asked, 2);
  EXPECT_EQ(child.table[7 - 2][8 - 2].missed, 1);
  EXPECT_EQ(child.table[8 - 2][7 - 2].asked, 0);
  EXPECT_EQ(child.table[9 - 2][9 - 2].asked, 1);
  EXPECT_EQ(child.table[9 - 2][9 - 2].missed, 0);
  EXPECT_EQ(child.week.firstTries[0], 6);
  EXPECT_EQ(child.week.firstRight[0], 4);
  EXPECT_EQ(figures.skipped, 0);
}

TEST(ReportFigures, MediansOverTheLastSevenAndThirtyDaysAndPerDay) {
  JournalText journal = Today();
  journal.Run("2024-05-15T07:30:00").Unlock("30.0");
  journal.Run("2024-05-17T18:00:00").Click(kMore, {{"7 × 8", "56", "56", "right"}});  // not finished
  journal.Run("2024-04-20T07:30:00").Unlock("45.0");
  journal.Run("2024-05-15T18:30:00").Unlock("20.0");
  journal.Run("2024-04-17T07:30:00").Unlock("600.0");  // 30 days ago: out of every period
  const Figures figures = journal.Summarize();
  const journal::Child& child = figures.children.at(0);
  EXPECT_EQ(child.week.mornings, 4);
  EXPECT_EQ(child.week.medianUnlock, 300);  // 20 s, 30 s and 90 s
  EXPECT_EQ(child.month.mornings, 5);
  EXPECT_EQ(child.month.medianUnlock, 375);  // 20 s, 30 s, 45 s, 90 s
  EXPECT_EQ(child.daily[29], 900);
  EXPECT_EQ(child.daily[27], 250);  // two mornings that day
  EXPECT_EQ(child.daily[0], -1);
  EXPECT_EQ(child.mornings.size(), 6u);
  EXPECT_EQ(child.mornings[2].unlock, -1);
  EXPECT_EQ(figures.firstDay, journal::DayNumber(2024, 4, 17));
  EXPECT_EQ(figures.lastDay, kToday);
  EXPECT_NE(journal.Html().find("занятий в журнале: 6, с 17.04.2024 по 17.05.2024"), std::string::npos);
}

TEST(ReportFigures, MissedWordsComeHardestFirstWithWhatWasTyped) {
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
  // "tree": missed 5 times in 7, which says more than "кошка" missed once in one try.
  for (int k = 0; k < 7; ++k) {
    const std::string run = "2024-05-1" + std::to_string(k) + "T09:00:00";
    journal.Run(run.c_str(), 1)
        .Click(kMore, {{"tree", "дерево", k < 5 ? "древо" : "дерево", k < 5 ? "wrong" : "right"}});
  }
  const Figures figures = journal.Summarize();
  const auto& words = figures.children.at(0).words;
  ASSERT_EQ(words.size(), 4u);  // dog was never missed
  EXPECT_EQ(words[0].shown, "cat");
  EXPECT_EQ(words[0].accepted, "кошка / кот");
  EXPECT_EQ(words[0].missed, 2);
  EXPECT_EQ(words[0].asked, 2);
  ASSERT_EQ(words[0].wrong.size(), 1u);
  EXPECT_EQ(words[0].wrong[0].first, "кошк");
  EXPECT_EQ(words[0].wrong[0].second, 2);
  EXPECT_EQ(words[1].shown, "tree");
  EXPECT_EQ(words[1].wrong.at(0).second, 5);
  // One miss each: the word asked twice says less than the word asked once.
  EXPECT_EQ(words[2].shown, "кошка");
  EXPECT_EQ(words[2].subject, 2);
  EXPECT_EQ(words[3].shown, "sun");
  EXPECT_EQ(figures.children[0].wordsAsked, 13);
  EXPECT_EQ(figures.children[0].month.firstTries[1], 12);
  EXPECT_EQ(figures.children[0].month.firstRight[1], 4);  // dog right once, its empty box no try
}

TEST(ReportPage, AShadeGrowsWithTheEvidenceThatAFactIsHard) {
  JournalText journal;
  // 2 × 3 missed once in one try; 4 × 5 missed 4 times in 5; 6 × 7 never missed in 3; 8 × 9 never asked.
  const char* runs[] = {"2024-05-13T07:00:00", "2024-05-14T07:00:00", "2024-05-15T07:00:00",
                        "2024-05-16T07:00:00", "2024-05-17T07:00:00"};
  for (int k = 0; k < 5; ++k) {
    journal.Run(runs[k]).Click(
        kMore,
        {{"4 × 5", "20", k < 4 ? "21" : "20", k < 4 ? "wrong" : "right"},
         {k < 3 ? "6 × 7" : "9 × 9", k < 3 ? "42" : "81", k < 3 ? "42" : "81", "right"},
         {k == 0 ? "2 × 3" : "9 × 9", k == 0 ? "6" : "81", k == 0 ? "7" : "81", k == 0 ? "wrong" : "right"}});
  }
  const std::string html = journal.Html();
  const Shown once = CellOf(html, 2, 3), often = CellOf(html, 4, 5), never = CellOf(html, 6, 7),
              none = CellOf(html, 8, 9);
  EXPECT_EQ(once.title, "неверно 1 из 1");
  EXPECT_EQ(often.title, "неверно 4 из 5");
  EXPECT_EQ(never.title, "неверно 0 из 3");
  EXPECT_GT(once.lightness, often.lightness + 5);  // visibly lighter
  EXPECT_GT(never.lightness, once.lightness);
  EXPECT_EQ(none.title, "");
  EXPECT_EQ(none.lightness, 100);  // no colour at all
  EXPECT_NE(html.find("1 из 1 бледнее, чем 4 из 5"), std::string::npos);

  EXPECT_LT(journal::Hardness(1, 1), journal::Hardness(5, 7));
  EXPECT_LT(journal::Hardness(0, 9), 0.01f);
  EXPECT_NEAR(journal::Hardness(4, 5), 0.435f, 0.005f);  // the 90 % Wilson interval's lower end
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
  const Figures figures = journal.Summarize();
  EXPECT_EQ(figures.skipped, 8);
  ASSERT_EQ(figures.children.size(), 1u);
  EXPECT_EQ(figures.children[0].mornings.size(), 1u);
  EXPECT_EQ(figures.children[0].mornings[0].unlock, 900);
  EXPECT_EQ(figures.children[0].mornings[0].firstTries[0], 6);
}

TEST(ReportFigures, AMorningAppendedToALineCutShortByAnOlderProgramIsKept) {
  JournalText journal = Today();
  // The power failed during an append, and the next morning's line went on from where it stopped.
  journal.text += "2024-05-17T07:30:00\t2024-05-17T07:30:00\t95.0\t0\tВС";
  journal.Run("2024-05-17T10:00:00").Unlock("42.0");
  journal.Run("2024-05-17T11:00:00").Unlock("50.0");
  const Figures figures = journal.Summarize();
  EXPECT_EQ(figures.skipped, 1);
  ASSERT_EQ(figures.children.at(0).mornings.size(), 3u);
  EXPECT_EQ(figures.children[0].mornings[1].unlock, 420);
  EXPECT_EQ(figures.children[0].mornings[2].unlock, 500);
}

TEST(ReportPage, MorningsWithoutADictionaryAreNamedAndTheirBlankRowsCountForNothing) {
  JournalText journal;
  journal.Run("2024-05-15T07:30:00", 1).NoDictionary();
  // A no-dictionary line has no row, whatever its other columns hold.
  journal.Raw(
      "2024-05-15T07:30:00\t2024-05-15T07:30:00\t3.0\t1\tЕщё\t2\tcat\tкошка\tкот\tno-dictionary\tМаша");
  // An older journal wrote the blank rows that a missing dictionary dealt.
  journal.Run("2024-05-16T07:30:00", 1).Click(kMore, {{"", "", "кот", "wrong"}, {" ", "", "", "wrong"}});
  journal.Run("2024-05-17T07:30:00", 1).Click(kMore, {{"cat", "кошка", "кошка", "right"}}).Unlock("20.0");
  const Figures figures = journal.Summarize();
  const journal::Child& child = figures.children.at(0);
  EXPECT_TRUE(child.mornings.at(0).noDictionary);
  EXPECT_TRUE(child.mornings.at(1).noDictionary);
  EXPECT_FALSE(child.mornings.at(2).noDictionary);
  EXPECT_EQ(child.wordsAsked, 1);
  EXPECT_TRUE(child.words.empty());
  EXPECT_EQ(child.month.firstTries[1], 1);
  EXPECT_EQ(figures.skipped, 0);
  const std::string html = journal.Html();
  EXPECT_NE(html.find("Нет словаря, вместо слов было сообщение об ошибке: 16.05, 15.05."), std::string::npos);
  EXPECT_NE(html.find("07:30 <small>нет словаря</small>"), std::string::npos);  // among the last mornings
}

TEST(ReportPage, EachAccountIsAChildOfItsOwnMostRecentFirst) {
  JournalText journal;
  // Lines of before the account column, then two siblings whose mornings interleave.
  journal.Run("2024-05-10T07:30:00", 0, nullptr).Click(kDone, {{"2 × 2", "4", "5", "wrong"}}).Unlock("10.0");
  journal.Run("2024-05-16T07:30:00", 0, "Петя").Click(kDone, {{"7 × 8", "56", "54", "wrong"}}).Unlock("70.0");
  journal.Run("2024-05-16T08:00:00", 1, "Маша").Click(kDone, {{"cat", "кошка", "кот", "wrong"}});
  journal.Run("2024-05-17T07:30:00", 0, "Петя").Click(kDone, {{"3 × 4", "12", "12", "right"}}).Unlock("30.0");
  journal.Run("2024-05-17T08:00:00", 1, "Маша<b>").Click(kDone, {{"dog", "собака", "собака", "right"}});
  journal.Run("2024-05-17T09:00:00", 1, "Маша").Unlock("80.0");
  Figures figures = journal.Summarize();
  ASSERT_EQ(figures.children.size(), 4u);
  EXPECT_EQ(figures.children[0].account, "Маша");
  EXPECT_EQ(figures.children[1].account, "Маша<b>");
  EXPECT_EQ(figures.children[2].account, "Петя");
  EXPECT_EQ(figures.children[3].account, "");  // not one account's alone
  const journal::Child &masha = figures.children[0], &petya = figures.children[2];
  EXPECT_EQ(masha.mornings.size(), 2u);
  EXPECT_EQ(masha.words.at(0).shown, "cat");
  EXPECT_EQ(masha.table[7 - 2][8 - 2].asked, 0);
  EXPECT_EQ(masha.month.medianUnlock, 800);
  EXPECT_EQ(petya.table[7 - 2][8 - 2].missed, 1);
  EXPECT_EQ(petya.table[2 - 2][2 - 2].asked, 0);
  EXPECT_TRUE(petya.words.empty());
  EXPECT_EQ(petya.month.medianUnlock, 500);
  EXPECT_EQ(figures.children[3].table[2 - 2][2 - 2].missed, 1);

  const std::string html = journal.Html();
  const size_t first = html.find("<h2>Маша</h2>"), second = html.find("<h2>Маша&lt;b&gt;</h2>"),
               third = html.find("<h2>Петя</h2>"), old = html.find("<h2>Записи до обновления</h2>");
  EXPECT_LT(first, second);
  EXPECT_LT(second, third);
  EXPECT_LT(third, old);
  EXPECT_NE(old, std::string::npos);

  // With one account named, the older lines are that child's.
  JournalText one;
  one.Run("2024-05-10T07:30:00", 0, nullptr).Click(kDone, {{"2 × 2", "4", "5", "wrong"}}).Unlock("10.0");
  one.Run("2024-05-17T07:30:00", 0, "Петя").Click(kDone, {{"7 × 8", "56", "54", "wrong"}}).Unlock("70.0");
  figures = one.Summarize();
  ASSERT_EQ(figures.children.size(), 1u);
  EXPECT_EQ(figures.children[0].account, "Петя");
  EXPECT_EQ(figures.children[0].mornings.size(), 2u);
  EXPECT_EQ(figures.children[0].table[2 - 2][2 - 2].missed, 1);
  EXPECT_EQ(one.Html().find("Записи до обновления"), std::string::npos);
}

TEST(ReportFigures, ReadingAndReportingGrowInStepWithTheJournal) {
  // Mornings of one row each, all today, each with a word of its own typed wrong in a way of its own,
  // for two siblings: the shape that made a median, a word list or a list of answers cost the square.
  auto crafted = [](int mornings) {
    JournalText journal;
    for (int k = 0; k < mornings; ++k) {
      char run[32];
      std::snprintf(run, sizeof run, "2024-05-17T%02d:%02d:%02d", k / 3600 % 24, k / 60 % 60, k % 60);
      const std::string word = "w" + std::to_string(k), typed = "t" + std::to_string(k);
      journal.Run(run, 1, k % 2 ? "Маша" : "Петя")
          .Click(kDone, {{word.c_str(), "x", typed.c_str(), "wrong"}})
          .Unlock(std::to_string(k % 997).append(".0").c_str());
    }
    return journal;
  };
  auto cost = [](const JournalText& journal) {
    const Figures figures = journal.Summarize();
    return figures.steps.count + journal::ReportHtml(figures, {2024, 5, 17, 8, 5, 0}).size();
  };
  const size_t small = cost(crafted(2000)), large = cost(crafted(4000));
  EXPECT_GT(small, 4000u);
  EXPECT_LT(large, small * 22 / 10);
}

TEST(ReportPage, EveryTextFromTheJournalIsEscapedAndLongTextIsCut) {
  JournalText journal;
  const std::string answer(160, 'w');
  journal.Run("2024-05-17T07:30:00", 1, "<i>")
      .Click(kMore,
             {{"<b>\"&'", "<i>", "</td><script>", "wrong"}, {"cat", "кошка", answer.c_str(), "wrong"}});
  const std::string html = journal.Html();
  EXPECT_NE(html.find("&lt;b&gt;&quot;&amp;&#39;"), std::string::npos);
  EXPECT_NE(html.find("&lt;/td&gt;&lt;script&gt;"), std::string::npos);
  EXPECT_EQ(html.find("<b>\""), std::string::npos);
  EXPECT_EQ(html.find("<i>"), std::string::npos);
  EXPECT_EQ(html.find("<script"), std::string::npos);
  EXPECT_EQ(html.find("http"), std::string::npos);  // nothing to fetch
  // The answer whole in a title, and on the page no more than a cell's width of it.
  EXPECT_NE(html.find("title=\"" + answer + "\""), std::string::npos);
  EXPECT_NE(html.find(">" + std::string(32, 'w') + "…<"), std::string::npos);
  EXPECT_EQ(html.find(">" + std::string(33, 'w')), std::string::npos);
}

TEST(ReportPage, SaysPlainlyWhenThereIsNothingYet) {
  const std::string none;
  const std::string empty = journal::ReportHtml(journal::Summarize(none, kToday), {2024, 5, 17, 8, 5, 0});
  EXPECT_NE(empty.find("Составлен 17.05.2024 в 08:05."), std::string::npos);
  EXPECT_NE(empty.find("Записей пока нет: задания ещё не решали."), std::string::npos);
  EXPECT_EQ(empty.find("<h2>"), std::string::npos);

  // A journal with mornings but no multiplication and no unlock says so in those sections.
  JournalText words;
  words.Run("2024-05-17T07:30:00", 2).Click(kMore, {{"кошка", "cat", "cat", "right"}});
  const std::string html = words.Html();
  EXPECT_NE(html.find("<h2>Маша</h2>"), std::string::npos);
  EXPECT_NE(html.find("Таблицу умножения ещё не решали."), std::string::npos);
  EXPECT_NE(html.find("ни разу не закончили"), std::string::npos);
  EXPECT_NE(html.find("Ошибок в словах не было."), std::string::npos);
}

}  // namespace
