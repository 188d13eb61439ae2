#include <array>
#include <vector>

#include "PeakMemory.h"
#include "QuizFixture.h"
#include "platform/sim/Cp1251.h"

namespace {

const std::wstring kFill = L"абракадабрабилиберда";
using Entry = std::array<std::wstring, 3>;  // headword, first and second translation
using Rows = std::vector<std::wstring>;

class Vocabulary : public QuizTest {
 protected:
  // Starts with subject 1 and a dictionary of these bytes.
  void StartWithDictionary(const std::string& bytes) {
    sim.files[DictionaryPath()] = bytes;
    StartWithSettings("Predmet=1\r\nFont=14,25\r\n");
  }
  Entry EntryAt(int n) { return {form1().sSlovo[n], form1().sPerevod[n][0], form1().sPerevod[n][1]}; }
  Rows Labels() { return {form1().lblP[0].Caption(), form1().lblP[1].Caption(), form1().lblP[2].Caption()}; }
  bool MessageShown() { return form3().Visible() && form3().Frame1.Caption() == L"Ошибка"; }
};

struct FileCase {
  const char* name;
  std::string bytes;
  std::vector<Entry> entries;
};

class DictionaryLines : public Vocabulary, public ::testing::WithParamInterface<FileCase> {};

TEST_P(DictionaryLines, GiveTheseEntries) {
  StartWithDictionary(GetParam().bytes);
  std::vector<Entry> entries;
  for (int n = 0; n < form1().nStrok; ++n) entries.push_back(EntryAt(n));
  EXPECT_EQ(entries, GetParam().entries);
  EXPECT_FALSE(form3().Visible());
}

INSTANTIATE_TEST_SUITE_P(
    Parser, DictionaryLines,
    ::testing::Values(
        FileCase{"TwoTranslations", "cat=\xea\xee\xf8\xea\xe0,\xea\xee\xf2", {{L"cat", L"кошка", L"кот"}}},
        FileCase{"OneTranslationTakesTheFiller", "cat=kot", {{L"cat", L"kot", kFill}}},
        FileCase{"SpacesAroundPiecesGo", "  cat  =  a b  ,  c  ", {{L"cat", L"a b", L"c"}}},
        FileCase{"TabsAreNoSpaces", "\tcat=a\t", {{L"\tcat", L"a\t", kFill}}},
        FileCase{"ThirdTranslationIgnored", "w=a,b,c", {{L"w", L"a", L"b"}}},
        FileCase{"SecondEqualsSignEndsTheField", "w=a=b,c", {{L"w", L"a", kFill}}},
        FileCase{"LeadingCommaIsPartOfTheWord", "w=,a", {{L"w", L",a", kFill}}},
        FileCase{"LeadingCommaThenSeparator", "w=,a,b", {{L"w", L"", L"a"}}},
        FileCase{"CommaCountedBeforeTrimming", "w= ,a", {{L"w", L"", L"a"}}},
        FileCase{"TrailingComma", "w=a,", {{L"w", L"a", L""}}},
        FileCase{"NothingAfterTheSign", "w=", {{L"w", L"", kFill}}},
        FileCase{"SkippedLinesTakeNoEntry", "=a\r\nno sign\r\n\r\n   \r\nw=a\r\n", {{L"w", L"a", kFill}}},
        FileCase{"SpaceBeforeTheSignCounts", " =a", {{L"", L"a", kFill}}},
        FileCase{"LoneLfStaysInTheLine",
                 "a=1\rb=2\r\nc=3\nd=4\r\r\ne=5",
                 {{L"a", L"1", kFill}, {L"b", L"2", kFill}, {L"c", L"3\nd", kFill}, {L"e", L"5", kFill}}},
        FileCase{"UndefinedByteSpoilsNothingElse",
                 "a=\x98z\r\nb=\xe4\xee\xec",
                 {{L"a", L"\x98z", kFill}, {L"b", L"дом", kFill}}},
        // The source is UTF-8: its narrow literals are the bytes today's Notepad saves.
        FileCase{
            "Utf8", "dog=собака\r\nsun=солнце", {{L"dog", L"собака", kFill}, {L"sun", L"солнце", kFill}}},
        FileCase{"Utf8MarkIsNoPartOfTheHeadword",
                 "\xEF\xBB\xBF"
                 "cat=кошка,кот",
                 {{L"cat", L"кошка", L"кот"}}},
        FileCase{"MarkedUtf8WithABadByte",
                 "\xEF\xBB\xBF"
                 "a=\xFF",
                 {{L"a", L"\xFFFD", kFill}}},
        FileCase{"OneLineThatIsNoUtf8MakesTheWholeFileAnsi",
                 "dog=собака\r\ncat=\xea\xee\xf2",
                 {{L"dog", platform::Cp1251ToUnicode("собака"), kFill}, {L"cat", L"кот", kFill}}},
        FileCase{
            "MegabyteLineIsSkipped", "a=" + std::string(1 << 20, 'x') + "\r\nb=2", {{L"b", L"2", kFill}}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(Vocabulary, HoldsAtMost101EntriesAndKeepsOlderOnesPastTheCount) {
  std::string text;
  // UTF-8 words; what follows the 101st entry is never read, so it cannot make the file ANSI.
  for (int n = 0; n < 120; ++n) text += "w" + std::to_string(n) + (n < 101 ? "=т,u\r\n" : "=\xf2,u\r\n");
  StartWithDictionary(text);
  EXPECT_EQ(form1().nStrok, 101);
  EXPECT_EQ(EntryAt(100), (Entry{L"w100", L"т", L"u"}));

  sim.files[DictionaryPath()] = "c=4\r\n";
  form1().DoSlova(1);
  EXPECT_EQ(form1().nStrok, 1);
  EXPECT_EQ(EntryAt(0), (Entry{L"c", L"4", kFill}));
  EXPECT_EQ(EntryAt(1), (Entry{L"w1", L"т", L"u"}));
}

struct DealCase {
  const char* name;
  int entries;
  std::deque<float> rnd;
  Rows labels;
};

class Dealing : public Vocabulary, public ::testing::WithParamInterface<DealCase> {};

TEST_P(Dealing, PicksTheseWords) {
  StartWithDictionary("w0=t\r\nw1=t\r\nw2=t\r\n");
  std::string text;
  for (int n = 0; n < GetParam().entries; ++n) text += "w" + std::to_string(n) + "=t\r\n";
  sim.files[DictionaryPath()] = text;
  sim.scriptedRnd = GetParam().rnd;
  form1().DoSlova(1);
  EXPECT_EQ(Labels(), GetParam().labels);
  EXPECT_TRUE(sim.scriptedRnd.empty()) << "draws left over: " << sim.scriptedRnd.size();
}

INSTANTIATE_TEST_SUITE_P(
    Rules, Dealing,
    ::testing::Values(
        // Entry 0 always equals the previous pick, so every row draws twice.
        DealCase{"OneEntryFillsEveryRow", 1, {.5f, .5f, .5f, .5f, .5f, .5f}, {L"w0", L"w0", L"w0"}},
        DealCase{"NoEntriesDealEntryZero", 0, {.9f, .9f, .9f, .9f, .9f, .9f}, {L"w0", L"w0", L"w0"}},
        DealCase{"FirstRowRedrawsEntryZero", 2, {.1f, .7f, .2f, .9f}, {L"w1", L"w0", L"w1"}},
        DealCase{"RepeatedRedrawIsKept", 2, {.6f, .7f, .8f, .1f}, {L"w1", L"w1", L"w0"}},
        DealCase{"RowsZeroAndTwoAreNeverCompared", 3, {.5f, .1f, .4f}, {L"w1", L"w0", L"w1"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(Vocabulary, DealResetsEveryRowForWords) {
  StartWithDictionary(*platform::UnicodeToCp1251(L"cat=кошка,кот\r\n"));
  Type(0, L"кот");
  form1().cmdOK[1].Click();
  ASSERT_FALSE(form1().txtR[0].Enabled());
  form1().txtR[0].SetMaxLength(2);
  form1().DoSlova(2);
  for (int r = 0; r < 3; ++r) {
    EXPECT_EQ(form1().lblP[r].Caption(), L"кошка");
    EXPECT_EQ(form1().sOtvet[r][0], L"cat");
    EXPECT_EQ(form1().lblP[r].Width(), 2000);
    const auto& box = form1().txtR[r];
    EXPECT_TRUE(box.Text().empty() && box.Enabled() && box.Width() == 2250 && box.Left() == 2350 &&
                box.MaxLength() == 0 && box.BackColor() == forms::Color::System(forms::SysColor::Window))
        << r;
    EXPECT_TRUE(form1().picPod[r].Visible());
  }
}

struct AnswerCase {
  const char* name;
  float subject;
  std::wstring dictionary, typed;
  bool accepted;
};

class Answers : public Vocabulary, public ::testing::WithParamInterface<AnswerCase> {};

TEST_P(Answers, AreAcceptedOrNot) {
  StartWithDictionary(*platform::UnicodeToCp1251(GetParam().dictionary));
  if (GetParam().subject == 2) {
    // As Ctrl+R switches: the second translations of the first deal stay behind.
    form1().DoSlova(2);
    program->shared.curPredmet = 2;
  }
  Type(1, GetParam().typed);
  form1().cmdOK[1].Click();
  EXPECT_EQ(!form1().txtR[1].Enabled(), GetParam().accepted);
  EXPECT_FALSE(form1().lblZ[1].Visible());
}

INSTANTIATE_TEST_SUITE_P(
    Subjects, Answers,
    ::testing::Values(AnswerCase{"EnglishFirstTranslation", 1, L"cat=кошка,кот", L"кошка", true},
                      AnswerCase{"EnglishSecondWithCapitalAndBlank", 1, L"cat=кошка,кот", L"Кот ", true},
                      AnswerCase{"EnglishHeadword", 1, L"cat=кошка,кот", L"cat", false},
                      AnswerCase{"CapitalInTheFileNeverMatches", 1, L"cat=Кошка", L"Кошка", false},
                      AnswerCase{"RussianHeadword", 2, L"cat=кошка,кот", L" CAT", true},
                      AnswerCase{"RussianSecondLeftOver", 2, L"cat=кошка,кот", L"кот", false},
                      AnswerCase{"RussianShownWord", 2, L"cat=кошка,кот", L"кошка", false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(Vocabulary, MissingOrUnopenableFileShowsTheMessageAndEmptyRows) {
  for (bool exists : {false, true}) {
    sim.files.clear();
    if (exists) sim.files[DictionaryPath()] = "cat=kot\r\n";
    sim.unreadable.insert(DictionaryPath());
    StartWithSettings("Predmet=1\r\nFont=14,25\r\n");
    EXPECT_TRUE(MessageShown()) << exists;
    EXPECT_EQ(form3().Label1.Caption(),
              L"Нет файла словаря quorvel_vcb.ini!\r\nКак его создать - читайте readme.txt");
    EXPECT_EQ(Labels(), (Rows{L"", L"", L""}));
    EXPECT_EQ(form1().sOtvet[0][0], L"");
    EXPECT_EQ(curPredmet(), 1);
  }
}

// A dictionary of `size` bytes of `pattern` that is never held whole; reading fails at its end if `fails`.
class GeneratedFile : public platform::InputFile {
 public:
  GeneratedFile(std::string pattern, long long size, bool fails)
      : pattern_(pattern), left_(size), fails_(fails) {}
  long Read(char* buffer, long size) override {
    if (left_ == 0) return fails_ ? -1 : 0;
    const long n = static_cast<long>(std::min<long long>(size, left_));
    for (long k = 0; k < n; ++k, ++at_) buffer[k] = pattern_[at_ % pattern_.size()];
    left_ -= n;
    return n;
  }

 private:
  std::string pattern_;
  long long left_, at_ = 0;
  bool fails_;
};

class HugeOrFailing : public Vocabulary {
 protected:
  void StartWithGenerated(const std::string& pattern, long long size, bool fails) {
    sim.openOverride = [=, this](const std::wstring& path) -> std::unique_ptr<platform::InputFile> {
      if (path != DictionaryPath()) return nullptr;
      return std::make_unique<GeneratedFile>(pattern, size, fails);
    };
    StartWithDictionary("");
  }
};

TEST_F(HugeOrFailing, AHundredMegabyteLineLeavesMemoryAlone) {
  const long long before = PeakMemoryKilobytes();
  StartWithGenerated("a", 100ll << 20, false);
  EXPECT_LT(PeakMemoryKilobytes() - before, 8 << 10);
  EXPECT_EQ(form1().nStrok, 0);
  EXPECT_FALSE(form3().Visible());
}

TEST_F(HugeOrFailing, AReadErrorDealsWhatWasReadAndTellsTheParent) {
  StartWithGenerated("cat=kot\r\n", 9, true);
  EXPECT_TRUE(MessageShown());
  EXPECT_EQ(Labels(), (Rows{L"cat", L"cat", L"cat"}));
}

}  // namespace
