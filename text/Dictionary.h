// The dictionary file: the entries its lines give, in whichever encoding the parent's editor saved it.
#pragma once

#include <string>
#include <vector>

#include "platform/Platform.h"

namespace text {

constexpr int kMaxEntries = 101;
// The filler that stands in for a missing second translation.
inline constexpr wchar_t kFiller[] = L"абракадабрабилиберда";

struct Entry {
  std::wstring slovo;       // the headword
  std::wstring perevod[2];  // the first translation, and the second one or the filler
  bool operator==(const Entry&) const = default;
};

struct Dictionary {
  std::vector<Entry> entries;  // in file order, at most kMaxEntries
  bool failed = false;         // a read error ended the file early
};

// Reads entries until the file ends or kMaxEntries are read. The file is UTF-8 when it begins with UTF-8's
// mark, or when the lines that make entries are well-formed UTF-8 with a byte above 0x7F among them;
// otherwise it is in the system's ANSI code page.
Dictionary ReadDictionary(platform::InputFile& file, platform::Platform& platform);

}  // namespace text
