// Any bytes as UTF-8: well-formed ones decode to characters that encode back to the same bytes, and a byte
// that begins no character becomes a replacement character.
#include <cstdint>
#include <string>

#include "Fuzz.h"
#include "text/Utf8.h"

namespace {

using fuzz::Require;

// An encoder of our own, to hold the decoder to. Surrogate pairs count as the character they make.
std::string ToUtf8(const std::wstring& text) {
  std::string bytes;
  for (size_t k = 0; k < text.size(); ++k) {
    auto code = static_cast<char32_t>(text[k]);
    if (sizeof(wchar_t) == 2 && code >= 0xD800 && code <= 0xDBFF && k + 1 < text.size()) {
      const auto low = static_cast<char32_t>(text[++k]);
      Require(low >= 0xDC00 && low <= 0xDFFF);
      code = 0x10000 + ((code - 0xD800) << 10) + (low - 0xDC00);
    }
    Require(code <= 0x10FFFF && (code < 0xD800 || code > 0xDFFF));
    if (code < 0x80) {
      bytes += static_cast<char>(code);
    } else if (code < 0x800) {
      bytes += static_cast<char>(0xC0 | code >> 6);
      bytes += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
      bytes += static_cast<char>(0xE0 | code >> 12);
      bytes += static_cast<char>(0x80 | (code >> 6 & 0x3F));
      bytes += static_cast<char>(0x80 | (code & 0x3F));
    } else {
      bytes += static_cast<char>(0xF0 | code >> 18);
      bytes += static_cast<char>(0x80 | (code >> 12 & 0x3F));
      bytes += static_cast<char>(0x80 | (code >> 6 & 0x3F));
      bytes += static_cast<char>(0x80 | (code & 0x3F));
    }
  }
  return bytes;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  const std::wstring text = text::FromUtf8(bytes);
  if (text::IsUtf8(bytes)) {
    Require(ToUtf8(text) == bytes);
  } else {
    Require(text.find(L'\xFFFD') != std::wstring::npos);
  }
  return 0;
}
