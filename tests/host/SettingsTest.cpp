// The dialog window: its messages, the settings dialog, the apply step and the start-up value.
#include <gmock/gmock.h>

#include "QuizFixture.h"
#include "settings/Form3.h"
#include "settings/Module1.h"

namespace {

using settings::Form3;
using ::testing::ElementsAre;

const std::string kRunName =
    "\xD2\xE0\xE1\xEB\xE8\xF6\xE0 \xF3\xEC\xED\xEE\xE6\xE5\xED\xE8\xFF";  // code page 1251
const std::wstring kGap(20, L' ');

class Dialog : public QuizTest {
 protected:
  void SetUp() override { Start(); }
  void Restart() {
    program.reset();
    sim = {};
    Start();
  }
  Form3& d() { return form3(); }
  int OptionControlsShown() {
    return d().optStart[0].Visible() + d().optStart[1].Visible() + d().Frame2.Visible() + d().Line1.Visible();
  }
};

TEST_F(Dialog, EachUseSetsItsTextsAndControlsAndStandsAboveTheQuiz) {
  const struct {
    void (Form3::*show)();
    const wchar_t *title, *text;
    bool settings;
  } cases[] = {
      {&Form3::ShowSettings, L"Настройки", L"Запуск при старте?        Какой предмет изучаем?", true},
      {&Form3::ShowInputError, L"Ошибка ввода",
       L"Вводите цифры в окошки, а не буквы или др. символы. Также нельзя оставлять окошки пустыми.", false},
      {&Form3::ShowNoDictionary, L"Ошибка",
       L"Нет файла словаря quorvel_vcb.ini!\r\nКак его создать - читайте readme.txt", false},
  };
  float quizTop = 0;  // the first stands above the screen's top: it is not pulled back onto it
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::PrintToString(std::wstring(c.title)));
    form1().SetTop(quizTop);
    (d().*c.show)();
    EXPECT_TRUE(d().Visible());
    EXPECT_EQ(d().Top(), quizTop - 1665 - 90);
    EXPECT_EQ(d().Left(), form1().Left() + 1500);
    EXPECT_EQ(d().Frame1.Caption(), c.title);
    EXPECT_EQ(d().Label1.Caption(), c.text);
    EXPECT_EQ(OptionControlsShown(), c.settings ? 4 : 0);
    EXPECT_EQ(program->shared.bNastroyki, c.settings);
    // Never preset from the quiz's subject; the last choice stays.
    EXPECT_EQ(
        d().optPred[0].Value() + d().optPred[1].Value() + d().optPred[2].Value() + d().optStart[0].Value(),
        quizTop > 0 ? 2 : 0);
    d().optPred[1].Click();
    d().optStart[0].Click();
    quizTop += 1000;
  }
}

TEST_F(Dialog, EveryClickHidesAndSavesTheSelectedSubjectOnlyTheSettingsDialogApplies) {
  const struct {
    void (Form3::*show)();
    int subject, button;  // subject -1: none selected
    std::string ini;
    bool applied;
  } cases[] = {{&Form3::ShowInputError, 2, 0, "Predmet=2\r\nFont=14,25\r\n", false},
               {&Form3::ShowNoDictionary, -1, 0, "untouched", false},
               {&Form3::ShowSettings, 2, 1, "Predmet=2\r\nFont=14,25\r\n", false},
               {&Form3::ShowSettings, -1, 0, "untouched", true}};
  for (const auto& c : cases) {
    Restart();
    Ini() = "untouched";
    const std::wstring problem = form1().lblP[0].Caption();
    if (c.subject >= 0) d().optPred[c.subject].Click();
    (d().*c.show)();
    sim.calls.clear();
    d().cmdOK[c.button].Click();
    EXPECT_FALSE(d().Visible());
    EXPECT_EQ(Ini(), c.ini);
    EXPECT_EQ(sim.calls.size(), c.applied ? 2u : 0u);  // the pause
    EXPECT_EQ(form1().lblP[0].Caption(), problem);
    EXPECT_EQ(curPredmet(), 0);
    EXPECT_EQ(sim.regOpenCalls, 0);  // without a start-up choice the registry is not touched
  }
  EXPECT_EQ(d().Label1.Caption(), L"Старт НЕ изменен" + kGap + L"Предмет НЕ изменен");
}

TEST_F(Dialog, ConfirmingAppliesTheStartUpChoiceAndTheSubject) {
  const struct {
    const char* name;
    int start, subject;  // start -1: neither option selected
    bool opens, writable, before, dictionary;
    const wchar_t* result;
    bool after;
    const wchar_t* problem;  // what the first row asks; null: a product
  } cases[] = {
      {"yes", 0, 1, true, true, false, true, L"Старт ИЗМЕНЕН", true, L"cat"},
      {"no", 1, 2, true, true, true, true, L"Старт ИЗМЕНЕН", false, L"кот"},
      {"no when absent", 1, 0, true, true, false, true, L"Старт ИЗМЕНЕН", false, nullptr},
      {"yes, key locked", 0, 0, false, true, false, true, L"Старт НЕ изменен", false, nullptr},
      {"no, key locked", 1, 0, false, true, true, true, L"Старт НЕ изменен", true, nullptr},
      {"yes, not writable", 0, 0, true, false, false, true, L"Старт НЕ изменен", false, nullptr},
      {"no, not writable", 1, 0, true, false, true, true, L"Старт НЕ изменен", true, nullptr},
      {"no dictionary", -1, 2, true, true, false, false, L"Старт НЕ изменен", false, L""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    program.reset();
    sim = {};
    sim.appPath = L"C:\\Мои программы";
    if (c.dictionary) sim.files[DictionaryPath()] = "cat=\xEA\xEE\xF2\r\n";
    Start();
    sim.runKeyOpens = c.opens;
    sim.runKeyWritable = c.writable;
    if (c.before) sim.runValues[kRunName] = {1, "old"};
    const int seeds = sim.seeds;
    if (c.start >= 0) d().optStart[c.start].Click();
    d().optPred[c.subject].Click();
    d().ShowSettings();
    std::wstring painted;  // the line as the events let through before the pause paint it
    sim.pendingEvents = [&] { painted = d().Label1.Caption(); };
    sim.calls.clear();
    d().cmdOK[0].Click();

    EXPECT_EQ(painted, c.result + kGap + L"Предмет ИЗМЕНЕН");
    EXPECT_THAT(sim.calls, ElementsAre("DoEvents()", "Sleep(1500)"));
    if (c.problem) {
      EXPECT_EQ(form1().lblP[0].Caption(), c.problem);
    } else {
      EXPECT_EQ(form1().lblP[0].Caption().size(), 22u);
    }
    EXPECT_EQ(sim.runValues.count(kRunName), c.after ? 1u : 0u);
    if (c.start == 0 && c.after) {
      // The quoted path in code page 1251, with its terminating zero.
      const std::string path("\"C:\\\xCC\xEE\xE8 \xEF\xF0\xEE\xE3\xF0\xE0\xEC\xEC\xFB\\quorvel.exe\"");
      EXPECT_EQ(sim.runValues[kRunName], std::make_pair(1u, path + '\0'));
    }
    EXPECT_EQ(sim.openKeys, 0);
    EXPECT_EQ(sim.seeds, seeds + 1);  // dealt again, also when the subject stays
    EXPECT_EQ(curPredmet(), c.subject);
    EXPECT_EQ(Ini(), "Predmet=" + std::to_string(c.subject) + "\r\nFont=14,25\r\n");
    // A missing dictionary turns the dialog into its message while the step runs.
    EXPECT_EQ(d().Frame1.Caption(), c.dictionary ? L"Настройки" : L"Ошибка");
  }
}

TEST_F(Dialog, TheStartUpValueIsStoredOnlyInLettersOfTheCodePage) {
  const std::wstring exe = L"C:\\Әліпби\\quorvel.exe";  // Ә and і are not in code page 1251
  const struct {
    const wchar_t* shortPath;  // null: the volume keeps no short names
    std::string value;
  } cases[] = {{L"C:\\8D2F~1\\quorvel.exe", std::string("\"C:\\8D2F~1\\quorvel.exe\"") + '\0'},
               {nullptr, "old"},
               {L"", "old"}};  // none that names the same file
  for (const auto& c : cases) {
    Restart();
    sim.appPath = L"C:\\Әліпби";
    if (c.shortPath) sim.shortPaths[exe] = c.shortPath;
    sim.runValues[kRunName] = {1, "old"};
    d().optStart[0].Click();
    d().ShowSettings();
    d().cmdOK[0].Click();
    EXPECT_EQ(sim.runValues[kRunName].second, c.value);
    EXPECT_TRUE(d().Label1.Caption().starts_with(c.value == "old" ? L"Старт НЕ изменен" : L"Старт ИЗМЕНЕН "));
  }
  // Nor is a value name, which would become one of question marks.
  EXPECT_FALSE(settings::Module1::SetRunValue(sim, L"Әліпби", L"x"));
  EXPECT_FALSE(settings::Module1::DeleteRunValue(sim, L"Әліпби"));
  EXPECT_EQ(sim.runValues.size(), 1u);
}

}  // namespace
