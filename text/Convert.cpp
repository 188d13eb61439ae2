#include "text/Convert.h"

#include <cfloat>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace text {

namespace {
// On Windows the system C library's own formatter and reader: the portable ones would bring their own
// copies of both into the exe.
#ifdef _WIN32
extern "C" int _snprintf(char*, size_t, const char*, ...);
inline float ReadFloat(const char* text) {
  const double value = std::atof(text);
  return std::fabs(value) <= FLT_MAX ? static_cast<float>(value) : HUGE_VALF;
}
#define QUORVEL_SNPRINTF _snprintf
#else
inline float ReadFloat(const char* text) {
  return std::strtof(text, nullptr);
}
#define QUORVEL_SNPRINTF std::snprintf
#endif
}  // namespace

std::wstring FormatSingle(float value, wchar_t decimalSeparator) {
  if (value == 0) return L"0";
  if (!std::isfinite(value)) return std::isnan(value) ? L"NaN" : value > 0 ? L"Inf" : L"-Inf";
  char buffer[32] = {};
  // Seven significant digits at most, as a single-precision value is shown; fewer when they read back the
  // same.
  for (int precision = 1; precision <= 7; ++precision) {
    QUORVEL_SNPRINTF(buffer, sizeof buffer - 1, "%.*e", precision - 1, static_cast<double>(value));
    if (ReadFloat(buffer) == value) break;
  }

  // "-d.dddddde+XX" as digits and a power of ten. The C library's own %g would write 10 as "1e+01".
  const char* at = buffer;
  std::wstring text;
  if (*at == '-') text += *at++;
  std::wstring digits;
  for (; *at && *at != 'e'; ++at) {
    if (*at != '.') digits += static_cast<wchar_t>(*at);
  }
  const int exponent = *at ? std::atoi(at + 1) : 0;
  while (digits.size() > 1 && digits.back() == L'0') digits.pop_back();

  if (exponent < -4 || exponent >= 7) {
    text += digits.substr(0, 1);
    if (digits.size() > 1) text += decimalSeparator + digits.substr(1);
    text += exponent < 0 ? L"e-" : L"e+";
    text += (std::abs(exponent) < 10 ? L"0" : L"") + IntText(std::abs(exponent));
  } else if (exponent < 0) {
    text += L"0" + std::wstring(1, decimalSeparator) +
            std::wstring(static_cast<size_t>(-exponent - 1), L'0') + digits;
  } else {
    const size_t whole = static_cast<size_t>(exponent) + 1;
    if (digits.size() <= whole) {
      text += digits + std::wstring(whole - digits.size(), L'0');
    } else {
      text += digits.substr(0, whole) + decimalSeparator + digits.substr(whole);
    }
  }
  return text;
}

static bool IsBlank(wchar_t c) {
  return c == L' ' || c == L'\t';
}

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
  const float value = ReadFloat(number.c_str());
  if (!std::isfinite(value)) return std::nullopt;
  return value;
}

std::wstring TrimSpaces(std::wstring_view text) {
  const size_t begin = text.find_first_not_of(L' ');
  if (begin == std::wstring_view::npos) return L"";
  const size_t end = text.find_last_not_of(L' ');
  return std::wstring(text.substr(begin, end - begin + 1));
}

long RoundToLong(float value) {
  return std::lrint(value);
}

std::wstring IntText(long value) {
  // Digits by hand: the C library's formatter would be the largest part of a small exe.
  wchar_t digits[24];
  wchar_t* at = digits + 24;
  unsigned long magnitude =
      value < 0 ? 0ul - static_cast<unsigned long>(value) : static_cast<unsigned long>(value);
  do {
    *--at = static_cast<wchar_t>(L'0' + magnitude % 10);
    magnitude /= 10;
  } while (magnitude);
  if (value < 0) *--at = L'-';
  return std::wstring(at, digits + 24);
}

}  // namespace text
