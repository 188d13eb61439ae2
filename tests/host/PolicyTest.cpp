// What a parent set for the whole computer: where the installed program keeps its files, and the accounts
// that never see the quiz.
#include "QuizFixture.h"
#include "journal/Lines.h"

namespace {

const std::wstring kProgram = L"C:\\Program Files (x86)\\quorvel", kData = L"C:\\ProgramData\\quorvel";

class Policy : public QuizTest {
 protected:
  void Install() {
    sim.appPath = kProgram;
    sim.SetPolicy(platform::kProgramFolderValue, L"c:\\program files (x86)\\QUORVEL\\");
    sim.SetPolicy(platform::kDataFolderValue, kData + L"\\");
  }
  bool AnyFileIn(const std::wstring& folder) {
    for (const auto& [path, bytes] : sim.files) {
      if (path.starts_with(folder + L"\\")) return true;
    }
    return false;
  }
  // Starts and reports whether the program read any file.
  bool StartAndWatchReads() {
    bool read = false;
    sim.openOverride = [&read](const std::wstring&) {
      read = true;
      return nullptr;
    };
    Start();
    sim.openOverride = nullptr;
    return read;
  }
};

TEST_F(Policy, TheInstalledProgramKeepsEveryFileInTheDataFolderAndNoneBesideItself) {
  Install();
  sim.files[kData + L"\\quorvel.ini"] = "Predmet=0\r\nFont=12\r\n";
  Start();
  EXPECT_EQ(form1().lblP[0].FontSize(), 12);
  AnswerAllRight();
  form1().cmdOK[0].Click();
  ASSERT_TRUE(sim.ended);
  for (const wchar_t* name : {L"quorvel.ini", L"quorvel_journal.txt", L"quorvel_report.html"})
    EXPECT_TRUE(sim.files.count(kData + L"\\" + name)) << name;
  EXPECT_FALSE(AnyFileIn(kProgram));
}

TEST_F(Policy, AnyOtherCopyAndAnIncompleteRecordKeepTheFilesBesideTheProgram) {
  for (int variant = 0; variant < 3; ++variant) {
    sim = platform::SimPlatform();
    Install();
    if (variant == 0) sim.appPath = L"D:\\zip\\quorvel";  // a copy from the zip on the same computer
    if (variant == 1) sim.registry.erase({platform::kPolicyKey, platform::kDataFolderValue});
    if (variant == 2) sim.SetPolicy(platform::kDataFolderValue, 1u);  // of the wrong type
    Start();
    EXPECT_TRUE(sim.files.count(sim.appPath + L"\\quorvel.ini")) << variant;
    EXPECT_FALSE(AnyFileIn(kData)) << variant;
  }
}

// A child's account may plant a link in the shared data folder, or make the folder one, to send a parent's
// writes elsewhere: such a write is refused as a failed one is, and the quiz goes on.
TEST_F(Policy, NoWriteGoesThroughALinkAtTheDataFolderOrInIt) {
  for (const std::wstring& link : {kData, kData + L"\\quorvel.ini", kData + L"\\quorvel_journal.txt"}) {
    sim = platform::SimPlatform();
    Install();
    sim.files[kData + L"\\quorvel.ini"] = "Predmet=0\r\nFont=12\r\n";
    sim.files[kData + L"\\quorvel_journal.txt"] = journal::kJournalStart;
    sim.links.insert(link);
    const auto before = sim.files;
    Start();
    form1().lblP[0].SetFontSize(10);
    AnswerAllRight();
    form1().cmdOK[0].Click();
    EXPECT_TRUE(sim.ended);
    for (const auto& [path, bytes] : before) {
      if (path == link || link == kData) {
        EXPECT_EQ(sim.files[path], bytes) << path.size();
      }
    }
    EXPECT_EQ(sim.files.count(kData + L"\\quorvel_report.html"), link == kData ? 0u : 1u);
  }
}

TEST_F(Policy, ALeftOutAccountEndsAtOnceWithoutReadingOrWritingAnything) {
  sim.files[IniPath()] = "Predmet=0\r\nFont=12\r\n";
  const auto before = sim.files;
  sim.account = {L"HOME-PC", L"Мама"};
  sim.SetPolicy(platform::kSkipAccountsValue, std::vector<std::wstring>{L"папа", L" мама "});
  EXPECT_FALSE(StartAndWatchReads());
  EXPECT_TRUE(sim.ended);
  EXPECT_FALSE(form1().Visible());
  EXPECT_TRUE(sim.files == before);
  EXPECT_TRUE(sim.calls.empty());  // not even the window's shape
}

TEST_F(Policy, NamesMatchWithoutCaseAndWithTheAccountsOwnPrefixOnly) {
  struct Case {
    std::vector<std::wstring> list;
    bool leftOut;
  };
  const Case cases[] = {
      {{L"МАМА"}, true},           {{L"home-pc\\Мама"}, true},
      {{L".\\мама"}, true},        {{L"OFFICE\\мама"}, false},  // another domain's account of the same name
      {{L"мама2", L"ама"}, false}, {{}, false},
      {{L"", L"  "}, false},
  };
  for (const Case& c : cases) {
    sim = platform::SimPlatform();
    sim.account = {L"HOME-PC", L"Мама"};
    sim.SetPolicy(platform::kSkipAccountsValue, c.list);
    Start();
    EXPECT_EQ(sim.ended, c.leftOut) << (c.list.empty() ? 0 : c.list[0].size());
  }
}

TEST_F(Policy, ADamagedListLeavesNobodyOut) {
  sim.account = {L"HOME-PC", L"mama"};
  // An odd number of bytes, and a number where names belong.
  sim.registry[{platform::kPolicyKey, platform::kSkipAccountsValue}] = {platform::REG_MULTI_SZ_,
                                                                        std::string("m\0a\0m\0a\0\0", 9)};
  Start();
  EXPECT_FALSE(sim.ended);
  EXPECT_TRUE(form1().Visible());

  sim = platform::SimPlatform();
  sim.account = {L"HOME-PC", L"mama"};
  sim.SetPolicy(platform::kSkipAccountsValue, 1u);
  Start();
  EXPECT_FALSE(sim.ended);

  // One name typed as a plain string is understood.
  sim = platform::SimPlatform();
  sim.account = {L"HOME-PC", L"mama"};
  sim.SetPolicy(platform::kSkipAccountsValue, std::wstring(L"Mama"));
  Start();
  EXPECT_TRUE(sim.ended);
}

}  // namespace
