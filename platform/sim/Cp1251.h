// Windows-1251, the ANSI code page of Russian Windows, built in so that tests do not depend on the host.
#pragma once

#include <string>

namespace platform {

std::wstring Cp1251ToUnicode(const std::string& bytes);
std::string UnicodeToCp1251(const std::wstring& text);

}  // namespace platform
