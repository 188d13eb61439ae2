// The settings file beside the program: the values of its lines, and the text it is saved as (ANSI text,
// lines ended by CR LF).
#pragma once

#include <string>

#include "platform/Platform.h"

namespace quiz {

constexpr int kSettingsLines = 6;

// The value of a settings line: the text after its first "=", or the whole line.
std::wstring ValueOf(const std::wstring& line);

// Reads the value of each of the file's first lines into `values`; returns how many lines it read.
int ReadSettingsLines(platform::InputFile& file, platform::Platform& platform,
                      std::wstring (&values)[kSettingsLines]);

// The file's two lines for a subject and a font size, numbers written with the locale's separator.
std::wstring SettingsText(float subject, float fontSize, wchar_t decimalSeparator);

}  // namespace quiz
