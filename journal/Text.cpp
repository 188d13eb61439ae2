#include "journal/Text.h"

#include <cstdint>

namespace journal {

Text& Text::operator<<(std::string_view piece) {
  bytes.append(piece);
  return *this;
}

Text& Text::operator<<(const char* piece) {
  bytes.append(piece);
  return *this;
}

Text& Text::operator<<(int number) {
  char digits[12];
  char* at = digits + sizeof digits;
  unsigned magnitude = number < 0 ? 0u - static_cast<unsigned>(number) : static_cast<unsigned>(number);
  do {
    *--at = static_cast<char>('0' + magnitude % 10);
    magnitude /= 10;
  } while (magnitude);
  if (number < 0) *--at = '-';
  bytes.append(at, static_cast<size_t>(digits + sizeof digits - at));
  return *this;
}

Text& Text::operator<<(const std::wstring& text) {
  for (size_t k = 0; k < text.size(); ++k) {
    // wchar_t is UTF-16 on Windows and UTF-32 elsewhere.
    std::uint32_t c = static_cast<std::uint32_t>(text[k]);
    if (c >= 0xD800 && c < 0xDC00 && k + 1 < text.size() && text[k + 1] >= 0xDC00 && text[k + 1] < 0xE000) {
      c = 0x10000 + ((c - 0xD800) << 10) + (static_cast<std::uint32_t>(text[++k]) - 0xDC00);
    } else if ((c >= 0xD800 && c < 0xE000) || c > 0x10FFFF) {
      c = 0xFFFD;
    }
    if (c < 0x20 || c == 0x7F) c = ' ';
    if (c < 0x80) {
      bytes += static_cast<char>(c);
      continue;
    }
    // The lead byte carries as many high bits as the sequence has bytes, then each follower six bits.
    const int followers = c < 0x800 ? 1 : c < 0x10000 ? 2 : 3;
    bytes += static_cast<char>((0xFF00 >> (followers + 1)) | (c >> (6 * followers)));
    for (int n = followers - 1; n >= 0; --n) bytes += static_cast<char>(0x80 | ((c >> (6 * n)) & 0x3F));
  }
  return *this;
}

Text& operator<<(Text& text, TwoDigits digits) {
  const char pair[] = {static_cast<char>('0' + digits.value / 10 % 10),
                       static_cast<char>('0' + digits.value % 10)};
  return text << std::string_view(pair, 2);
}

}  // namespace journal
