// Practice, where a parent set it: the deal brings back what this child's journal says they keep missing,
// and deals exactly as before where it is not set.
#include <set>
#include <tuple>
#include <vector>

#include "QuizFixture.h"
#include "journal/Calendar.h"
#include "journal/Journal.h"
#include "journal/Lines.h"

namespace {

using Deal = std::set<std::wstring>;

struct Answer {
  std::wstring problem;  // "7×8", or a word as shown
  bool right;
};

class Practice : public QuizTest {
 protected:
  void SetUp() override { sim.SetPolicy(platform::kPracticeValue, 1u); }

  // A morning `daysAgo` days before today, on which `account` answered these first tries, written by the
  // journal itself. Products are "7×8"; anything else is a word, English to Russian.
  void Morning(int daysAgo, const std::vector<Answer>& answers, const std::wstring& account = L"Маша") {
    const platform::LocalTime today = sim.localTime;
    const std::wstring me = sim.account.name;
    const journal::Date date =
        journal::DateOf(journal::DayNumber(today.year, today.month, today.day) - daysAgo);
    sim.localTime = {date.year, date.month, date.day, 7, 30, 0};
    sim.account.name = account;
    journal::Journal writer(sim);
    writer.QuizShown();
    for (size_t k = 0; k < answers.size(); ++k) {
      const std::wstring& problem = answers[k].problem;
      const int row = static_cast<int>(k % 3);
      if (problem.size() == 3 && problem[1] == L'×') {
        const int a = problem[0] - L'0', b = problem[2] - L'0';
        writer.Product(0, row, a, b, std::to_wstring(a * b + !answers[k].right),
                       answers[k].right ? journal::Verdict::Right : journal::Verdict::Wrong);
      } else {
        writer.Word(0, 1, row, problem, L"т", L"", answers[k].right ? L"т" : L"х", answers[k].right);
      }
    }
    sim.localTime = today;
    sim.account.name = me;
  }
  std::string& Journal() { return sim.files[sim.PathOf(journal::kJournalName)]; }

  // The problems on screen: "7×8", or the words.
  Deal Shown() {
    Deal shown;
    for (const forms::Label& label : form1().lblP) {
      std::wstring text = label.Caption();
      if (text.ends_with(L"=")) text = text.substr(0, 1) + L"×" + text.substr(text.size() - 8, 1);
      shown.insert(text);
    }
    return shown;
  }
  // Every random draw the same, so that nothing but the journal tells the facts apart.
  void EvenDraws() { sim.scriptedRnd.assign(1000, 0.5f); }
  // The deals of `mornings` mornings from tomorrow on, each a run of its own whose three answers are right.
  std::vector<Deal> Mornings(int mornings) {
    std::vector<Deal> deals;
    for (int k = 0; k < mornings; ++k) {
      const journal::Date date =
          journal::DateOf(journal::DayNumber(sim.localTime.year, sim.localTime.month, sim.localTime.day) + 1);
      sim.localTime = {date.year, date.month, date.day, 7, 45, 0};
      Start();
      deals.push_back(Shown());
      AnswerAllRight();
      form1().cmdOK[0].Click();
    }
    return deals;
  }
};

class PracticeOff : public Practice {};

// What the dealers dealt before practice existed, for the in-memory platform's seeds: the two deals of
// the start-up, three of "Ещё", then words both ways.
TEST_F(PracticeOff, DealsWhatTheDealersAlwaysDealt) {
  const std::vector<std::wstring> before = {L"5×2 6×8 4×4", L"7×6 4×9 7×3", L"4×8 2×6 9×3",
                                            L"8×5 7×4 8×2", L"w7 w1 w23",   L"w19 w14 w17",
                                            L"w2 w27 w10",  L"t14 t11 t3",  L"t27 t24 t27"};
  std::string dictionary;
  for (int k = 0; k < 30; ++k) dictionary += "w" + std::to_string(k) + "=t" + std::to_string(k) + "\r\n";
  for (bool zero : {false, true}) {
    sim = platform::SimPlatform();
    if (zero) sim.SetPolicy(platform::kPracticeValue, 0u);
    sim.files[DictionaryPath()] = dictionary;
    Morning(1, {{L"7×8", false}, {L"6×9", false}, {L"w5", false}});
    Start();
    std::vector<std::wstring> deals;
    auto deal = [&] {
      std::wstring text;
      for (const forms::Label& label : form1().lblP) {
        std::wstring caption = label.Caption();
        if (caption.ends_with(L"="))
          caption = caption.substr(0, 1) + L"×" + caption.substr(caption.size() - 8, 1);
        text += (text.empty() ? L"" : L" ") + caption;
      }
      deals.push_back(text);
    };
    deal();
    for (int k = 0; k < 3; ++k) {
      form1().DoPrimery();
      deal();
    }
    for (float subject : {1.f, 1.f, 1.f, 2.f, 2.f}) {
      form1().DoSlova(subject);
      deal();
    }
    EXPECT_EQ(deals, before) << zero;
  }
}

TEST_F(Practice, ThisChildsMissesComeFirstAndNoOtherAccountsEver) {
  Morning(3, {{L"6×9", true}, {L"8×7", true}, {L"9×9", true}}, L"Петя");
  Morning(1, {{L"6×9", false}, {L"8×7", false}, {L"9×9", false}}, L"Петя");
  for (int day : {9, 5}) Morning(day, {{L"2×2", true}, {L"3×3", true}});
  Morning(1, {{L"7×8", false}, {L"2×2", true}, {L"3×3", true}});
  EvenDraws();
  Start();
  const Deal deal = Shown();
  EXPECT_TRUE(deal.count(L"7×8"));
  for (const wchar_t* theirs : {L"6×9", L"8×7", L"9×9"}) EXPECT_FALSE(deal.count(theirs)) << theirs;
  // Right every few days: sure for today, so they wait while new facts come.
  for (const wchar_t* sure : {L"2×2", L"3×3"}) EXPECT_FALSE(deal.count(sure)) << sure;
}

TEST_F(Practice, LinesWithoutAnAccountAreThisChildsOnlyWhileNoOtherAccountWrote) {
  // A journal of the first version, whose lines end with the verdict: yesterday 9×9 was missed.
  const std::string yesterday = "2024-05-16T07:30:00";
  const std::string old = "\xEF\xBB\xBF" + std::string(journal::kOldHeader) + "\r\n" + yesterday + "\t" +
                          yesterday + "\t5.0\t0\tВСЁ\t1\t9 × 9\t81\t80\twrong\r\n";
  for (bool another : {false, true}) {
    sim = platform::SimPlatform();
    SetUp();
    Journal() = old;
    if (another) Morning(2, {{L"2×5", true}}, L"Петя");
    EvenDraws();
    Start();
    EXPECT_EQ(Shown().count(L"9×9"), another ? 0u : 1u) << another;
  }
}

TEST_F(Practice, DamagedLinesAndAnUnreadableJournalNeverBreakADeal) {
  Morning(1, {{L"7×8", false}});
  const std::string valid = Journal();
  const char junk[] = "\0\xFF\xFE garbage\t\t\t\r\n\n\n";
  const std::vector<std::string> damaged = {
      valid + "2024-05-16T07:30:00\t2024-05-16T07:30:00\t1.0\t0\tВСЁ\t1\t7 × 8",  // cut short
      valid + std::string(junk, sizeof junk - 1) + "a\tb\tc\td\te\tf\tg\th\ti\tj\tk\r\n",
      valid + "2024-02-30T07:30:00\t2024-02-30T07:30:00\t1.0\t0\tВСЁ\t1\t9 × 9\t81\t80\twrong\tМаша\r\n",
      valid + "2024-05-16T07:30:00\t2024-05-16T07:30:00\t1.0\t0\tВСЁ\t7\t9 × 9\t81\t80\twrong\tМаша\r\n",
      valid + "2024-05-16T07:30:00\t2024-05-16T07:30:00\t1.0\t0\tВСЁ\t1\t\xFF\xFE\t81\t80\twrong\tМаша\r\n",
      valid + "2024-05-16T07:30:00\t2024-05-16T07:30:00\t1.0\t0\tВСЁ\t1\t12 × 13\t156\t1\twrong\tМаша\r\n",
  };
  for (const std::string& text : damaged) {
    sim = platform::SimPlatform();
    SetUp();
    Journal() = text;
    EvenDraws();
    Start();
    EXPECT_EQ(Shown().size(), 3u);
    EXPECT_TRUE(Shown().count(L"7×8")) << text.substr(valid.size());
    EXPECT_FALSE(Shown().count(L"9×9")) << text.substr(valid.size());
  }
  sim = platform::SimPlatform();
  SetUp();
  Journal() = valid;
  sim.unreadable.insert(sim.PathOf(journal::kJournalName));
  Start();
  EXPECT_EQ(Shown().size(), 3u);
}

TEST_F(Practice, AFullJournalIsReadFromItsNewestPart) {
  // Two megabytes of right answers a year ago, then yesterday's misses: the newest part holds what counts,
  // and the line the reading cuts in two is no line.
  std::string& text = Journal();
  text = journal::kJournalStart;
  while (text.size() < journal::kJournalLimit) {
    text += "2023-05-16T07:30:00\t2023-05-16T07:30:00\t5.0\t0\tВСЁ\t1\t9 × 9\t81\t81\tright\tМаша\r\n";
  }
  Morning(1, {{L"7×8", false}, {L"6×9", false}});
  EvenDraws();
  Start();
  EXPECT_TRUE(Shown().count(L"7×8") && Shown().count(L"6×9"));
}

TEST_F(Practice, NoProblemTwiceInADealWhateverTheJournalAndTheDictionary) {
  Morning(2, {{L"7×8", false}, {L"6×9", false}, {L"8×7", true}});
  Morning(1, {{L"7×8", false}, {L"6×9", true}, {L"2×2", false}});
  Start();
  for (int k = 0; k < 200; ++k) {
    form1().DoPrimery();
    ASSERT_EQ(Shown().size(), 3u) << k;
  }
  // A headword twice: one fact, never two rows. Two different words: the third row repeats one.
  sim.files[DictionaryPath()] = "cat=кошка\r\ncat=кот\r\ndog=собака\r\nsun=солнце\r\n";
  for (int k = 0; k < 50; ++k) {
    form1().DoSlova(1);
    ASSERT_EQ(Shown(), (Deal{L"cat", L"dog", L"sun"})) << k;
  }
  sim.files[DictionaryPath()] = "cat=кошка\r\ncat=кот\r\ndog=собака\r\n";
  form1().DoSlova(1);
  EXPECT_EQ(Shown(), (Deal{L"cat", L"dog"}));
}

TEST_F(Practice, AMissComesBackWithinAFewMorningsAndNewFactsStillCome) {
  // Weeks of mornings in which the child got everything right, 5×5 to 9×9 never asked; then 7×8 missed.
  std::vector<Answer> all;
  for (int a = 2; a <= 9; ++a) {
    for (int b = 2; b <= 9; ++b) {
      if (a < 5 || b < 5)
        all.push_back(
            {std::wstring{static_cast<wchar_t>(L'0' + a), L'×', static_cast<wchar_t>(L'0' + b)}, true});
    }
  }
  for (int day = 40; day >= 2; day -= 3) Morning(day, all);
  Morning(1, {{L"7×8", false}});
  const std::vector<Deal> deals = Mornings(12);
  Deal seen;
  for (const Deal& deal : deals) seen.insert(deal.begin(), deal.end());
  EXPECT_TRUE(deals[0].count(L"7×8") || deals[1].count(L"7×8") || deals[2].count(L"7×8"));
  int fresh = 0;
  for (const std::wstring& problem : seen)
    fresh += problem[0] >= L'5' && problem[2] >= L'5' && problem != L"7×8";
  EXPECT_GE(fresh, 12);
}

TEST_F(Practice, ADictionaryThatChangedDealsItsOwnWordsAndKeepsTheirPast) {
  Morning(2, {{L"cat", true}, {L"old", true}, {L"dog", true}});
  Morning(1, {{L"cat", false}, {L"old", false}, {L"dog", true}});
  // "old" is gone, "moon" and "star" are new; "dog" moved.
  sim.files[DictionaryPath()] = "dog=собака\r\nmoon=луна\r\ncat=кошка\r\nstar=звезда\r\n";
  sim.files[IniPath()] = "Predmet=1\r\nFont=14,25\r\n";
  EvenDraws();
  Start();
  EXPECT_EQ(Shown(), (Deal{L"cat", L"moon", L"star"}));
}

TEST_F(Practice, TheJournalIsReadOnceARunAndTodaysAnswersWaitForTomorrow) {
  Morning(1, {{L"7×8", false}});
  sim.files[sim.PathOf(journal::kReportName)] = "report";
  int reads = 0;
  sim.openOverride = [&reads, this](const std::wstring& path) -> std::unique_ptr<platform::InputFile> {
    reads += path == sim.PathOf(journal::kJournalName);
    return nullptr;
  };
  EvenDraws();
  Start();
  Deal today = Shown();
  ASSERT_TRUE(today.count(L"7×8"));
  // The journal hands today's answers on: "Ещё" deals other problems, the new ones in their turn.
  for (int k = 0; k < 3; ++k) {
    AnswerAllRight();
    form1().cmdOK[1].Click();
    for (const std::wstring& problem : Shown()) EXPECT_TRUE(today.insert(problem).second) << problem;
  }
  EXPECT_EQ(reads, 1);
}

}  // namespace
