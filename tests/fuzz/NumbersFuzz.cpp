// Any text as a number that is typed or read from the settings: the parser takes only what a number is
// written as; what the quiz writes for a number it reads back, and whole numbers read as decimal digits.
#include <cmath>
#include <cstdint>
#include <cstring>
#include <iterator>
#include <string>

#include "Fuzz.h"
#include "text/Convert.h"

namespace {

using fuzz::Require;

bool IsDigit(wchar_t c) {
  return c >= L'0' && c <= L'9';
}

// Blanks around, an optional sign, digits with at most one separator, at least one digit; `integerDigits`
// counts the digits before the separator after leading zeros.
bool LooksLikeANumber(const std::wstring& text, wchar_t separator, bool either, int& integerDigits) {
  size_t begin = text.find_first_not_of(L" \t"), end = text.find_last_not_of(L" \t");
  if (begin == std::wstring::npos) return false;
  if (text[begin] == L'+' || text[begin] == L'-') ++begin;
  bool digits = false, separated = false, leading = true;
  integerDigits = 0;
  for (size_t at = begin; at <= end && at < text.size(); ++at) {
    const wchar_t c = text[at];
    if (IsDigit(c)) {
      digits = true;
      leading = leading && c == L'0';
      if (!separated && !leading) ++integerDigits;
    } else if (!separated && (c == separator || (either && (c == L',' || c == L'.')))) {
      separated = true;
    } else {
      return false;
    }
  }
  return digits;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
  if (size < 1) return 0;
  // The first byte chooses the locale's separator and whether the settings' either-separator rule holds;
  // the other bytes are characters, the high ones characters that look like parts of numbers.
  const wchar_t separator = data[0] & 1 ? L'.' : L',';
  const bool either = data[0] & 2;
  static const wchar_t kLookAlikes[] = {L'\u0663', L'\uFF11', L'\u00A0', L'\u066B', L'\u2212', L'\u2009',
                                        L'e',      L'E',      L'x',      L'\u221E', L'\u0000', L'\u3000'};
  std::wstring text;
  for (size_t k = 1; k < size; ++k) {
    text += data[k] < 0x80 ? static_cast<wchar_t>(data[k]) : kLookAlikes[data[k] % std::size(kLookAlikes)];
  }

  const auto value = text::ParseSingle(text, separator, either);
  int integerDigits = 0;
  const bool number = LooksLikeANumber(text, separator, either, integerDigits);
  // Refused only when it is no number or too large for single precision (3.4e38 has 39 digits).
  Require(value ? number : !number || integerDigits >= 39);
  if (value) {
    Require(std::isfinite(*value));
    const std::wstring written = text::FormatSingle(*value, separator);
    if (written.find(L'e') == std::wstring::npos) {
      const auto read = text::ParseSingle(written, separator);
      Require(read && std::fabs(*read - *value) <= std::fabs(*value) * 1e-6f);
      Require(text::FormatSingle(*read, separator) == written);
    } else {
      Require(std::fabs(*value) < 1.0001e-4f || std::fabs(*value) >= 9999999);
    }
  }

  long whole = 0;
  std::memcpy(&whole, data, std::min(size, sizeof whole));
  const std::wstring digits = text::IntText(whole);
  Require(digits == std::to_wstring(whole));
  if (whole > -(1l << 24) && whole < (1l << 24))
    Require(text::ParseSingle(digits, separator) == static_cast<float>(whole));
  return 0;
}
