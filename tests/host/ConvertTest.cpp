#include <gtest/gtest.h>

#include "platform/Platform.h"
#include "text/Convert.h"
#include "text/LineReader.h"
#include "text/Utf8.h"

namespace {

using text::FormatSingle;
using text::ParseSingle;

TEST(Numbers, FormatShortestWithTheLocaleSeparator) {
  EXPECT_EQ(FormatSingle(0, L','), L"0");
  EXPECT_EQ(FormatSingle(14.25f, L','), L"14,25");
  EXPECT_EQ(FormatSingle(14.25f, L'.'), L"14.25");
  EXPECT_EQ(FormatSingle(12, L','), L"12");
  EXPECT_EQ(FormatSingle(2, L','), L"2");
  EXPECT_EQ(FormatSingle(15.75f, L','), L"15,75");
  EXPECT_EQ(FormatSingle(1.0f / 3, L','), L"0,3333333");
  EXPECT_EQ(FormatSingle(13.5f, L','), L"13,5");
  // 10 points is a size granted at 144 dpi; written as "1e+01" it would read back as no number.
  EXPECT_EQ(FormatSingle(10, L','), L"10");
  EXPECT_EQ(FormatSingle(100, L','), L"100");
  EXPECT_EQ(FormatSingle(1234567, L','), L"1234567");
  EXPECT_EQ(FormatSingle(0.0001f, L','), L"0,0001");
}

TEST(Numbers, ParseWhatTheLocaleWrites) {
  EXPECT_EQ(ParseSingle(L"7", L','), 7);
  EXPECT_EQ(ParseSingle(L" 7", L','), 7);
  EXPECT_EQ(ParseSingle(L"07", L','), 7);
  EXPECT_EQ(ParseSingle(L"7,", L','), 7);
  EXPECT_EQ(ParseSingle(L"+7", L','), 7);
  EXPECT_EQ(ParseSingle(L"-7", L','), -7);
  EXPECT_EQ(ParseSingle(L"14,25", L','), 14.25f);
  EXPECT_EQ(ParseSingle(L",5", L','), 0.5f);
  EXPECT_EQ(ParseSingle(L"7.", L'.'), 7);
}

TEST(Numbers, RejectWhatIsNoNumber) {
  for (const wchar_t* text :
       {L"", L" ", L"a", L"7a", L"-", L",", L"7 7", L"1,2,3", L"7.", L"1e3", L"++7", L"٣"}) {
    EXPECT_FALSE(ParseSingle(text, L',').has_value()) << static_cast<int>(text[0]);
  }
  EXPECT_FALSE(ParseSingle(L"1" + std::wstring(60, L'0'), L',').has_value());
}

TEST(Numbers, SettingsAcceptBothSeparators) {
  EXPECT_EQ(ParseSingle(L"14.25", L',', true), 14.25f);
  EXPECT_EQ(ParseSingle(L"14,25", L'.', true), 14.25f);
  EXPECT_FALSE(ParseSingle(L"1.2,3", L',', true).has_value());
}

class Chunks : public platform::InputFile {
 public:
  Chunks(std::string bytes, long chunk) : bytes_(std::move(bytes)), chunk_(chunk) {}
  long Read(char* buffer, long size) override {
    if (failAt_ >= 0 && at_ >= failAt_) return -1;
    long n = std::min<long>({size, chunk_, static_cast<long>(bytes_.size()) - at_});
    std::copy_n(bytes_.data() + at_, n, buffer);
    at_ += n;
    return n;
  }
  long failAt_ = -1;

 private:
  std::string bytes_;
  long chunk_, at_ = 0;
};

std::vector<std::string> Lines(const std::string& bytes, long chunk = 4096, size_t max = 100) {
  Chunks file(bytes, chunk);
  text::LineReader reader(file, max);
  std::vector<std::string> lines;
  std::string line;
  while (reader.Next(line)) lines.push_back(line);
  return lines;
}

TEST(Lines, CrAndCrLfEndALineButALoneLfDoesNot) {
  using V = std::vector<std::string>;
  EXPECT_EQ(Lines(""), (V{}));
  EXPECT_EQ(Lines("a"), (V{"a"}));
  EXPECT_EQ(Lines("a\r\n"), (V{"a"}));
  EXPECT_EQ(Lines("a\rb"), (V{"a", "b"}));
  EXPECT_EQ(Lines("a\nb\r\n"), (V{"a\nb"}));
  EXPECT_EQ(Lines("\r\n\r\n"), (V{"", ""}));
  EXPECT_EQ(Lines("a\r\n\nb"), (V{"a", "\nb"}));
  EXPECT_EQ(Lines("a\r\r\nb"), (V{"a", "", "b"}));
}

TEST(Lines, ALineEndSplitBetweenReadsIsOneLineEnd) {
  for (long chunk = 1; chunk <= 4; ++chunk) {
    EXPECT_EQ(Lines("ab\r\ncd\r\nef", chunk), (std::vector<std::string>{"ab", "cd", "ef"})) << chunk;
  }
}

TEST(Lines, LongLinesAreCutAndFlagged) {
  Chunks file(std::string(10, 'x') + "\r\nok\r\n", 3);
  text::LineReader reader(file, 4);
  std::string line;
  ASSERT_TRUE(reader.Next(line));
  EXPECT_EQ(line, "xxxx");
  EXPECT_TRUE(reader.Truncated());
  ASSERT_TRUE(reader.Next(line));
  EXPECT_EQ(line, "ok");
  EXPECT_FALSE(reader.Truncated());
}

TEST(Lines, APrefixIsSkippedOnlyWhenTheFileBeginsWithIt) {
  for (long chunk = 1; chunk <= 3; ++chunk) {
    for (const std::string bytes : {"\xEF\xBB\xBF"
                                    "ab\r\n",
                                    "\xEF\xBBx", "\xEF"}) {
      SCOPED_TRACE(testing::Message() << chunk << " " << bytes.size());
      Chunks file(bytes, chunk);
      text::LineReader reader(file, 100);
      const bool marked = bytes.size() > 3;
      EXPECT_EQ(reader.SkipPrefix("\xEF\xBB\xBF"), marked);
      std::string line;
      ASSERT_TRUE(reader.Next(line));
      EXPECT_EQ(line, marked ? "ab" : bytes);
    }
  }
}

TEST(Utf8, DecodesSequencesOfEveryLength) {
  const std::string bytes = "a\xD0\xB6\xE2\x82\xAC\xF0\x9F\x98\x80\xF4\x8F\xBF\xBF";
  EXPECT_TRUE(text::IsUtf8(bytes));
  // On Windows the last two are surrogate pairs.
  EXPECT_EQ(text::FromUtf8(bytes), L"a\u0436\u20AC\U0001F600\U0010FFFF");
}

TEST(Utf8, RefusesWhatIsNoCharacter) {
  for (const char* bytes : {"\xC0\x80", "\xC1\xBF", "\xE0\x9F\xBF", "\xF0\x8F\xBF\xBF",  // overlong
                            "\xED\xA0\x80", "\xED\xBF\xBF",                              // surrogates
                            "\xF4\x90\x80\x80", "\xF5\x80\x80\x80",                      // past U+10FFFF
                            "\x80", "\xD0", "\xE2\x82",
                            "\xD0"
                            "A"}) {  // cut short
    SCOPED_TRACE(testing::PrintToString(std::string(bytes)));
    EXPECT_FALSE(text::IsUtf8(bytes));
    EXPECT_NE(text::FromUtf8(bytes).find(L'\xFFFD'), std::wstring::npos);
  }
  // Only the bad byte is lost: the next one starts afresh.
  EXPECT_EQ(text::FromUtf8("a\xFF"
                           "b\xD0\xB6"),
            L"a\xFFFD"
            L"b\u0436");
}

TEST(Lines, AReadErrorEndsTheFileAndIsReported) {
  Chunks file("abc\r\ndef\r\n", 2);
  file.failAt_ = 2;
  text::LineReader reader(file, 100);
  std::string line;
  EXPECT_FALSE(reader.Next(line));
  EXPECT_TRUE(reader.Failed());
}

}  // namespace
