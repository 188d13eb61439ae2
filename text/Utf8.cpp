#include "text/Utf8.h"

namespace text {

namespace {
// The length of the well-formed sequence at `at`, with its code point; 0 when there is none.
size_t Sequence(std::string_view bytes, size_t at, char32_t& code) {
  const auto byte = [&bytes](size_t k) { return static_cast<unsigned char>(bytes[k]); };
  const unsigned char lead = byte(at);
  if (lead < 0x80) {
    code = lead;
    return 1;
  }
  size_t length = 0;
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
  } else {
    return 0;
  }
  code = lead & (0x7F >> length);
  if (bytes.size() - at < length) return 0;
  for (size_t k = 1; k < length; ++k) {
    if ((byte(at + k) & 0xC0) != 0x80) return 0;
    code = code << 6 | (byte(at + k) & 0x3F);
  }
  // Overlong forms (a code point that fewer bytes hold), surrogates and code points past the last one
  // are no characters.
  constexpr char32_t kLeast[] = {0, 0, 0x80, 0x800, 0x10000};
  if (code < kLeast[length] || (code >= 0xD800 && code <= 0xDFFF) || code > 0x10FFFF) return 0;
  return length;
}

// Writes a code point at `out` and returns where the next one goes.
wchar_t* Put(wchar_t* out, char32_t code) {
  if constexpr (sizeof(wchar_t) == 2) {
    if (code >= 0x10000) {
      code -= 0x10000;
      *out++ = static_cast<wchar_t>(0xD800 + (code >> 10));
      *out++ = static_cast<wchar_t>(0xDC00 + (code & 0x3FF));
      return out;
    }
  }
  *out++ = static_cast<wchar_t>(code);
  return out;
}
}  // namespace

bool IsUtf8(std::string_view bytes) {
  char32_t code = 0;
  for (size_t at = 0; at < bytes.size();) {
    if (static_cast<unsigned char>(bytes[at]) < 0x80) {
      ++at;
      continue;
    }
    const size_t length = Sequence(bytes, at, code);
    if (length == 0) return false;
    at += length;
  }
  return true;
}

std::wstring FromUtf8(std::string_view bytes) {
  // Never more characters than bytes, even counting surrogate pairs (four bytes make two).
  std::wstring text(bytes.size(), L'\0');
  wchar_t* out = text.data();
  char32_t code = 0;
  for (size_t at = 0; at < bytes.size();) {
    if (static_cast<unsigned char>(bytes[at]) < 0x80) {
      *out++ = static_cast<wchar_t>(bytes[at++]);
      continue;
    }
    const size_t length = Sequence(bytes, at, code);
    out = Put(out, length ? code : 0xFFFD);
    at += length ? length : 1;
  }
  text.resize(static_cast<size_t>(out - text.data()));
  return text;
}

}  // namespace text
