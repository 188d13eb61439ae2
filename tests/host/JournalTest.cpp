// The journal that the checks and the unlock write, its trimming, and a folder that cannot be written.
#include <algorithm>

#include "QuizFixture.h"
#include "journal/Calendar.h"
#include "journal/Figures.h"
#include "journal/Journal.h"
#include "journal/Lines.h"

namespace {

const std::string kStart = journal::kJournalStart;

class Journal : public QuizTest {
 protected:
  std::wstring JournalPath() { return sim.PathOf(L"quorvel_journal.txt"); }
  std::wstring ReportPath() { return sim.PathOf(L"quorvel_report.html"); }
  std::string& Text() { return sim.files[JournalPath()]; }
  void Factors(int row, int a, int b) {
    form1().nMnozh1[row + 1] = static_cast<std::int16_t>(a);
    form1().nMnozh2[row + 1] = static_cast<std::int16_t>(b);
  }
  // Moves the clocks on by whole seconds.
  void Later(int seconds) {
    sim.tickCount += 1000u * static_cast<unsigned>(seconds);
    sim.localTime.second += seconds;
  }
};

TEST_F(Journal, EveryExaminedMultiplicationRowIsALineAndTheUnlockOneMore) {
  sim.tickCount = 4000000000u;  // the tick count wraps during the run
  Start();
  Factors(0, 7, 8);
  Factors(1, 3, 4);
  Factors(2, 9, 9);
  Type(0, L"56");
  Type(1, L"11");
  Type(2, L"");
  Later(12);
  sim.tickCount += 345;
  form1().cmdOK[1].Click();
  ASSERT_TRUE(form3().Visible());  // the empty box: the input error, as before

  const std::string run = "2024-05-17T07:45:00\t";
  const std::string first = "2024-05-17T07:45:12\t" + run + "12.3\t0\tЕщё\t";
  EXPECT_EQ(Text(), kStart + first + "1\t7 × 8\t56\t56\tright\tМаша\r\n" + first +
                        "2\t3 × 4\t12\t11\twrong\tМаша\r\n" + first +
                        "3\t9 × 9\t81\t\tnot-a-number\tМаша\r\n");
  EXPECT_EQ(sim.appends, 3);  // the mark and the header went with the first line

  Type(1, L"12");
  Type(2, L"81");
  Type(0, L"56");
  Later(30);
  sim.tickCount = 4000000000u + 300000u - 296u;  // 299.7 s after showing, across the wrap
  form1().cmdOK[0].Click();
  EXPECT_TRUE(sim.ended);
  const std::string last = "2024-05-17T07:45:42\t" + run + "299.7\t0\tВСЁ\t";
  const std::string tail = last + "1\t7 × 8\t56\t56\tright\tМаша\r\n" + last +
                           "2\t3 × 4\t12\t12\tright\tМаша\r\n" + last + "3\t9 × 9\t81\t81\tright\tМаша\r\n" +
                           last + "\t\t\t\tunlocked\tМаша\r\n";
  EXPECT_EQ(Text().substr(Text().size() - std::min(tail.size(), Text().size())), tail);
  // The report, written after the settings file, already counts this morning.
  EXPECT_NE(sim.files[ReportPath()].find("занятий в журнале: 1,"), std::string::npos);
}

TEST_F(Journal, WordRowsCarryTheWordShownAndTheAnswersAccepted) {
  sim.files[DictionaryPath()] = *sim.ToAnsi(L"cat=кошка,кот\r\n");
  StartWithSettings("Predmet=1\r\nFont=14,25\r\n");
  Type(0, L"Кот ");
  Type(1, L"кош\r\nка");
  Type(2, L"");
  form1().cmdOK[1].Click();
  // Russian to English takes the headword only; a row without a second translation has the filler.
  program->shared.curPredmet = 2;
  form1().DoSlova(2);
  form1().sOtvet[1][1] = text::kFiller;
  Type(0, L"cat");
  form1().cmdOK[0].Click();

  const std::string at = "2024-05-17T07:45:00\t2024-05-17T07:45:00\t0.0\t";
  EXPECT_EQ(Text(), kStart + at + "1\tЕщё\t1\tcat\tкошка / кот\tКот \tright\tМаша\r\n" + at +
                        "1\tЕщё\t2\tcat\tкошка / кот\tкош  ка\twrong\tМаша\r\n" + at +
                        "1\tЕщё\t3\tcat\tкошка / кот\t\twrong\tМаша\r\n" + at +
                        "2\tВСЁ\t1\tкошка\tcat\tcat\tright\tМаша\r\n" + at +
                        "2\tВСЁ\t2\tкошка\tcat\t\twrong\tМаша\r\n" + at +
                        "2\tВСЁ\t3\tкошка\tcat\t\twrong\tМаша\r\n");
}

TEST_F(Journal, WordsDealtWithoutADictionaryLeaveANoteAndNoBlankRows) {
  StartWithSettings("Predmet=1\r\nFont=14,25\r\n");
  ASSERT_TRUE(form3().Visible());  // the message about the missing dictionary
  ASSERT_EQ(form1().lblP[0].Caption(), L"");
  Type(0, L"кот");
  form1().cmdOK[1].Click();
  EXPECT_EQ(
      Text(),
      kStart + "2024-05-17T07:45:00\t2024-05-17T07:45:00\t0.0\t1\tЕщё\t\t\t\t\tno-dictionary\tМаша\r\n");
  const journal::Figures figures = journal::Summarize(Text(), journal::DayNumber(2024, 5, 17));
  ASSERT_EQ(figures.children.size(), 1u);
  EXPECT_TRUE(figures.children[0].mornings.at(0).noDictionary);
  EXPECT_EQ(figures.children[0].wordsAsked, 0);
}

TEST_F(Journal, APowerCutDuringAnAppendCostsThatLineAloneAndTheNextStartsOnALineOfItsOwn) {
  Start();
  Factors(0, 7, 8);
  Factors(1, 3, 4);
  Factors(2, 9, 9);
  Type(0, L"56");
  Type(1, L"1");
  Type(2, L"81");
  form1().cmdOK[1].Click();
  const std::string before = Text();
  // The first line of the next check is cut off part-way; the two after it are appended whole.
  Later(5);
  Type(1, L"12");
  sim.appendCutAfter = 30;
  form1().cmdOK[1].Click();
  ASSERT_EQ(Text().compare(0, before.size(), before), 0);
  const std::string at = "2024-05-17T07:45:05\t2024-05-17T07:45:00\t5.0\t0\tЕщё\t";
  EXPECT_EQ(Text().substr(before.size()), at.substr(0, 30) + "\r\n" + at +
                                              "2\t3 × 4\t12\t12\tright\tМаша\r\n" + at +
                                              "3\t9 × 9\t81\t81\tright\tМаша\r\n");
  // The report reads every whole line and skips the cut one.
  const journal::Figures figures = journal::Summarize(Text(), journal::DayNumber(2024, 5, 17));
  EXPECT_EQ(figures.skipped, 1);
  EXPECT_EQ(figures.children.at(0).mornings.at(0).firstTries[0], 3);
  EXPECT_EQ(figures.children[0].mornings[0].firstRight[0], 2);
}

TEST_F(Journal, PastTwoMegabytesTheOldestHalfIsDroppedInWholeLines) {
  std::string old = kStart;
  old.reserve(journal::kJournalLimit + 200);
  for (int n = 0; old.size() <= journal::kJournalLimit; ++n) {
    old += "2024-01-01T07:00:00\t2024-01-01T07:00:00\t1.0\t0\tЕщё\t1\t7 × 8\t56\t" + std::to_string(n) +
           "\twrong\tМаша\r\n";
  }
  Text() = old;
  sim.files[ReportPath()] = "old report";
  Start();
  EXPECT_TRUE(Text() == old);  // nothing is rewritten at start-up while there is a report
  AnswerAllRight();
  form1().cmdOK[1].Click();

  // The first of today's three lines passed the limit: the newest half of what was there then stays,
  // from a line's start, and the two lines after it follow.
  const std::string kept = Text();
  const size_t today = kept.find("2024-05-17");
  ASSERT_NE(today, std::string::npos);
  const std::string todays = kept.substr(today),
                    survivors = kept.substr(kStart.size(), today - kStart.size());
  EXPECT_EQ(std::count(todays.begin(), todays.end(), '\n'), 3);
  EXPECT_TRUE(kept.compare(0, kStart.size(), kStart) == 0);
  EXPECT_GT(survivors.size(), journal::kJournalLimit / 2 - 200);
  EXPECT_LE(survivors.size(), journal::kJournalLimit / 2);
  const size_t from = old.size() - survivors.size();
  EXPECT_TRUE(old.compare(from, std::string::npos, survivors) == 0);
  EXPECT_EQ(old.substr(from - 2, 2), "\r\n");
}

TEST_F(Journal, AJournalThatCannotBeReadIsNeverRewritten) {
  const std::string old = kStart + std::string(journal::kJournalLimit + 10, 'x');
  Text() = old;
  sim.unreadable.insert(JournalPath());
  sim.files[ReportPath()] = "old report";
  Start();
  AnswerAllRight();
  form1().cmdOK[0].Click();
  EXPECT_TRUE(sim.ended);
  EXPECT_EQ(Text().substr(0, old.size()), old);  // the lines were appended, nothing was cut
  EXPECT_EQ(sim.files[ReportPath()], "old report");
}

TEST_F(Journal, AReportIsWrittenAtStartUpOnlyWhenItIsMissing) {
  Start();
  EXPECT_NE(sim.files[ReportPath()].find("Записей пока нет"), std::string::npos);
  EXPECT_EQ(sim.files.count(JournalPath()), 0u);

  sim.files[ReportPath()] = "kept";
  Start();
  EXPECT_EQ(sim.files[ReportPath()], "kept");
}

// Nothing is kept, neither settings nor journal nor report, and the quiz goes on as ever.
TEST_F(Journal, AFolderThatCannotBeWrittenChangesNothingElse) {
  sim.folderReadOnly = true;
  Start();
  EXPECT_TRUE(form1().Visible());
  AnswerAllRight();
  Type(1, L"1");
  form1().cmdOK[1].Click();
  EXPECT_EQ(form1().lblZ[1].Caption(), L"-");
  EXPECT_FALSE(form3().Visible());
  AnswerAllRight();
  form1().cmdOK[0].Click();
  EXPECT_TRUE(sim.ended);
  EXPECT_TRUE(sim.files.empty());
  for (const std::string& call : sim.calls) EXPECT_EQ(call.find("Sleep"), std::string::npos) << call;
}

}  // namespace
