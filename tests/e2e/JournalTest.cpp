#include "Driver.h"

namespace {

using namespace e2e;

// "7      x      8      =" as the journal writes it: "7 × 8".
std::string ProblemOf(const std::wstring& caption) {
  return std::string(1, static_cast<char>(caption.at(0))) + " \xC3\x97 " + static_cast<char>(caption.at(14));
}

std::vector<std::vector<std::string>> Lines(const std::string& text) {
  std::vector<std::vector<std::string>> lines;
  size_t at = 0;
  while (at < text.size()) {
    const size_t end = text.find("\r\n", at);
    if (end == std::string::npos) break;
    std::vector<std::string> fields(1);
    for (size_t k = at; k < end; ++k) {
      if (text[k] == '\t') {
        fields.emplace_back();
      } else {
        fields.back() += text[k];
      }
    }
    lines.push_back(fields);
    at = end + 2;
  }
  return lines;
}

TEST(Journal, AWrongThenRightMorningIsInTheJournalAndTheReport) {
  Quiz quiz;
  const DWORD started = GetTickCount();
  quiz.Start();
  ASSERT_TRUE(WaitFor([&] { return quiz.File(L"quorvel_report.html") != "<missing>"; }));
  EXPECT_NE(quiz.File(L"quorvel_report.html").find("Записей пока нет"), std::string::npos);

  const auto problems = quiz.Problems();
  std::string problem[3];
  for (int r = 0; r < 3; ++r) problem[r] = ProblemOf(Text(problems[r]));
  quiz.Answer(0, ProductOf(Text(problems[0])));
  quiz.Answer(1, L"1");
  quiz.Answer(2, ProductOf(Text(problems[2])));
  Click(quiz.Button(L"ВСЁ"));
  ASSERT_TRUE(WaitFor([&] { return IsWindowVisible(quiz.Marks()[2]); }));
  Click(quiz.Boxes()[1]);
  Press(VK_END);
  Press(VK_BACK);
  Type(ProductOf(Text(problems[1])));
  Click(quiz.Button(L"ВСЁ"));
  ASSERT_TRUE(quiz.Ends());
  const double took = (GetTickCount() - started) / 1000.0;

  const std::string journal = quiz.File(L"quorvel_journal.txt");
  ASSERT_EQ(journal.substr(0, 3), "\xEF\xBB\xBF");
  const auto lines = Lines(journal.substr(3));
  ASSERT_EQ(lines.size(), 8u);
  EXPECT_EQ(lines[0].at(0), "time");
  const char* verdicts[] = {"right", "wrong", "right", "right", "right", "right"};
  wchar_t user[256];
  DWORD userSize = 256;
  ASSERT_TRUE(GetUserNameW(user, &userSize));
  char account[1024] = {};
  WideCharToMultiByte(CP_UTF8, 0, user, -1, account, sizeof account, nullptr, nullptr);
  for (size_t n = 1; n < lines.size(); ++n) {
    const auto& line = lines[n];
    SCOPED_TRACE(n);
    ASSERT_EQ(line.size(), 11u);
    EXPECT_EQ(line[10], account);
    EXPECT_EQ(line[0].size(), 19u);
    EXPECT_EQ(line[1], lines[1][1]);  // one run
    EXPECT_EQ(line[3], "0");
    EXPECT_EQ(line[4], "ВСЁ");
    if (n == 7) {
      EXPECT_EQ(line[9], "unlocked");
      // From showing to unlocking: within the time this test watched the program run.
      EXPECT_GT(std::atof(line[2].c_str()), 0);
      EXPECT_LE(std::atof(line[2].c_str()), took + 0.1);
      continue;
    }
    const int row = static_cast<int>((n - 1) % 3);
    EXPECT_EQ(line[5], std::to_string(row + 1));
    EXPECT_EQ(line[6], problem[row]);
    EXPECT_EQ(line[9], verdicts[n - 1]);
  }
  EXPECT_EQ(lines[2][8], "1");

  const std::string report = quiz.File(L"quorvel_report.html");
  EXPECT_NE(report.find("занятий в журнале: 1,"), std::string::npos);
  EXPECT_NE(report.find("таблица умножения: 2\u00a0из\u00a03"), std::string::npos);
  EXPECT_NE(report.find(problem[1] + ": 1"), std::string::npos);  // the mistake of the morning
}

}  // namespace
