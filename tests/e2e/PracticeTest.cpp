#include <set>

#include "Driver.h"

namespace {

using namespace e2e;

// Practice set for the whole computer, as `reg add ... /reg:32` sets it, for the length of one test.
class PracticeSet {
 public:
  PracticeSet() {
    HKEY key = nullptr;
    const DWORD on = 1;
    EXPECT_EQ(RegCreateKeyExW(HKEY_LOCAL_MACHINE, L"Software\\quorvel", 0, nullptr, 0,
                              KEY_SET_VALUE | KEY_WOW64_32KEY, nullptr, &key, nullptr),
              ERROR_SUCCESS);
    EXPECT_EQ(RegSetValueExW(key, L"Practice", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&on), sizeof on),
              ERROR_SUCCESS);
    RegCloseKey(key);
  }
  ~PracticeSet() {
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, L"Software\\quorvel", 0, KEY_SET_VALUE | KEY_WOW64_32KEY, &key) ==
        ERROR_SUCCESS) {
      RegDeleteValueW(key, L"Practice");
      RegCloseKey(key);
    }
  }
};

// The problems on screen, "7      x      8      =" as "7x8".
std::set<std::string> Deal(const Quiz& quiz) {
  std::set<std::string> deal;
  for (HWND label : quiz.Problems()) {
    const std::wstring caption = Text(label);
    deal.insert(caption.size() == 22
                    ? std::string{static_cast<char>(caption[0]), 'x', static_cast<char>(caption[14])}
                    : "?");
  }
  return deal;
}

std::string Listed(const std::set<std::string>& deal) {
  std::string list;
  for (const std::string& problem : deal) list += problem + " ";
  return list;
}

// Yesterday, this account missed 7 × 8 and 6 × 9 at the first try: the journal makes both due today.
std::string Journal() {
  SYSTEMTIME now;
  GetLocalTime(&now);
  FILETIME time;
  SystemTimeToFileTime(&now, &time);
  ULARGE_INTEGER ticks{{time.dwLowDateTime, time.dwHighDateTime}};
  ticks.QuadPart -= 24ull * 60 * 60 * 10000000;
  time = {ticks.LowPart, ticks.HighPart};
  SYSTEMTIME yesterday;
  FileTimeToSystemTime(&time, &yesterday);
  char run[32];
  wsprintfA(run, "%04d-%02d-%02dT07:30:00", yesterday.wYear, yesterday.wMonth, yesterday.wDay);

  wchar_t user[256];
  DWORD size = 256;
  GetUserNameW(user, &size);
  char account[1024] = {};
  WideCharToMultiByte(CP_UTF8, 0, user, -1, account, sizeof account, nullptr, nullptr);

  const std::string start = std::string(run) + "\t" + run + "\t9.5\t0\tЕщё\t";
  return "\xEF\xBB\xBFtime\trun\tseconds\tsubject\tbutton\trow\tproblem\taccepted\ttyped\tverdict\taccount\r"
         "\n" +
         start + "1\t7 × 8\t56\t54\twrong\t" + account + "\r\n" + start + "2\t6 × 9\t54\t56\twrong\t" +
         account + "\r\n";
}

TEST(Practice, TheFirstDealBringsBackYesterdaysMissesAndMoreDealsOthers) {
  PracticeSet practice;
  Quiz quiz({{L"quorvel_journal.txt", Journal()}});
  quiz.Start();
  const std::set<std::string> first = Deal(quiz);
  EXPECT_TRUE(first.count("7x8") && first.count("6x9")) << Listed(first);

  // Answered this morning, they wait for another day: "Ещё" deals three others.
  for (int r = 0; r < 3; ++r) quiz.Answer(r, ProductOf(Text(quiz.Problems()[r])));
  Click(quiz.Button(L"Ещё"));
  ASSERT_TRUE(WaitFor([&] { return Text(quiz.Boxes()[2]).empty(); }));
  const std::set<std::string> next = Deal(quiz);
  for (const std::string& problem : next)
    EXPECT_FALSE(first.count(problem)) << Listed(first) << "| " << Listed(next);
}

}  // namespace
