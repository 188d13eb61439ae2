// Windows-1251, the ANSI code page of Russian Windows, built in so that tests do not depend on the host.
#pragma once

#include <optional>
#include <string>

namespace platform {

std::wstring Cp1251ToUnicode(const std::string& bytes);
// No value when a character has no byte in the code page.
std::optional<std::string> UnicodeToCp1251(const std::wstring& text);

}  // namespace platform
