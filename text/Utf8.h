// UTF-8, in which today's editors save text: checking bytes and decoding them.
#pragma once

#include <string>
#include <string_view>

namespace text {

// The bytes are well-formed UTF-8: no overlong forms, no surrogates, nothing past U+10FFFF.
bool IsUtf8(std::string_view bytes);

// Decodes UTF-8 (into UTF-16 where wchar_t has 16 bits, as on Windows); a byte that begins no well-formed
// sequence becomes U+FFFD.
std::wstring FromUtf8(std::string_view bytes);

}  // namespace text
