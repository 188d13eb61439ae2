// Numbers and text as the user's locale writes them, and the small string helpers of the quiz.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace text {

// The shortest text (seven significant digits at most) for a single-precision value, with the
// locale's decimal separator: 0 gives "0", 14.25 gives "14,25" under a decimal comma. Only values
// below 0.0001 or from 10000000 on are written with an exponent.
std::wstring FormatSingle(float value, wchar_t decimalSeparator);

// Blanks around, an optional sign, digits with at most one decimal separator, at least one
// digit. `eitherSeparator` accepts "," and "." whatever the locale uses. No value when the text
// is not such a number (a type mismatch).
std::optional<float> ParseSingle(const std::wstring& text, wchar_t decimalSeparator,
                                 bool eitherSeparator = false);

// Removes leading and trailing space characters (only spaces).
std::wstring TrimSpaces(std::wstring_view text);

// Rounds to the nearest 32-bit integer, ties to even.
long RoundToLong(float value);

// A whole number in decimal digits, as Str would give it without the leading blank.
std::wstring IntText(long value);

}  // namespace text
