// Text built by appending one piece at a time: the journal's lines and the report's page are made of
// many small pieces, and one call per piece keeps the program small.
#pragma once

#include <string>
#include <string_view>

namespace journal {

class Text {
 public:
  Text& operator<<(std::string_view piece);
  Text& operator<<(const char* piece);
  Text& operator<<(int number);
  // As UTF-8; tabs, line ends and the other control characters become spaces, so that no text can
  // break a line of the journal or shift its columns.
  Text& operator<<(const std::wstring& text);

  std::string bytes;
};

// Two digits, with a leading zero: 7 gives "07".
struct TwoDigits {
  int value;
};
Text& operator<<(Text& text, TwoDigits digits);

}  // namespace journal
