#include "quiz/Convert.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace quiz {

std::wstring FormatSingle(float value, wchar_t decimalSeparator) {
  if (value == 0) return L"0";
  char buffer[32] = {};
  // Seven significant digits at most, as a single-precision value is shown; fewer when they read back the same.
  for (int precision = 1; precision <= 7; ++precision) {
    std::snprintf(buffer, sizeof buffer, "%.*g", precision, static_cast<double>(value));
    if (std::strtof(buffer, nullptr) == value) break;
  }
  std::wstring text;
  for (const char* p = buffer; *p; ++p) text += *p == '.' ? decimalSeparator : static_cast<wchar_t>(*p);
  return text;
}

static bool IsBlank(wchar_t c) { return c == L' ' || c == L'\t'; }

std::optional<float> ParseSingle(const std::wstring& text, wchar_t decimalSeparator, bool eitherSeparator) {
  size_t begin = 0, end = text.size();
  while (begin < end && IsBlank(text[begin])) ++begin;
  while (end > begin && IsBlank(text[end - 1])) --end;

  std::string number;  // in the C locale's form, for strtof
  size_t at = begin;
  if (at < end && (text[at] == L'+' || text[at] == L'-')) number += static_cast<char>(text[at++]);
  bool digits = false, separator = false;
  for (; at < end; ++at) {
    const wchar_t c = text[at];
    if (c >= L'0' && c <= L'9') {
      number += static_cast<char>(c);
      digits = true;
    } else if (!separator && (c == decimalSeparator || (eitherSeparator && (c == L'.' || c == L',')))) {
      number += '.';
      separator = true;
    } else {
      return std::nullopt;
    }
  }
  if (!digits) return std::nullopt;
  const float value = std::strtof(number.c_str(), nullptr);
  if (!std::isfinite(value)) return std::nullopt;
  return value;
}

std::wstring TrimSpaces(const std::wstring& text) {
  const size_t begin = text.find_first_not_of(L' ');
  if (begin == std::wstring::npos) return L"";
  const size_t end = text.find_last_not_of(L' ');
  return text.substr(begin, end - begin + 1);
}

long RoundToLong(float value) { return std::lrint(value); }

}  // namespace quiz
