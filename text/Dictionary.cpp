#include "text/Dictionary.h"

#include <algorithm>
#include <string_view>

#include "text/Convert.h"
#include "text/LineReader.h"
#include "text/Utf8.h"

namespace text {

namespace {
// A longer line is no dictionary entry; it is skipped so that memory stays small whatever the file holds.
constexpr size_t kMaxDictionaryLine = 4096;
// What some editors put before UTF-8 text to say so.
constexpr char kUtf8Mark[] = "\xEF\xBB\xBF";

// The piece of `text` after the `n`-th `separator` and before the next one (n = 0: before the first);
// empty when `text` has fewer separators.
std::wstring_view Piece(std::wstring_view text, wchar_t separator, int n) {
  size_t begin = 0;
  for (int k = 0; k < n; ++k) {
    const size_t at = text.find(separator, begin);
    if (at == std::wstring_view::npos) return {};
    begin = at + 1;
  }
  const size_t end = text.find(separator, begin);
  return text.substr(begin, end == std::wstring_view::npos ? std::wstring_view::npos : end - begin);
}

// Text in Windows-1251 is practically never well-formed UTF-8 once it holds a Russian letter, and text
// without a byte above 0x7F reads the same in both.
bool LooksLikeUtf8(const std::vector<std::string>& lines) {
  bool high = false;
  for (const std::string& line : lines) {
    if (!IsUtf8(line)) return false;
    high = high || std::any_of(line.begin(), line.end(), [](char c) { return (c & 0x80) != 0; });
  }
  return high;
}

Entry EntryOf(std::wstring_view line) {
  Entry entry;
  entry.slovo = TrimSpaces(Piece(line, L'=', 0));
  const std::wstring_view field = Piece(line, L'=', 1);
  // A comma as the field's very first character is part of the translation, not a separator.
  if (field.find(L',', 1) != std::wstring_view::npos) {
    entry.perevod[0] = TrimSpaces(Piece(field, L',', 0));
    entry.perevod[1] = TrimSpaces(Piece(field, L',', 1));
  } else {
    entry.perevod[0] = TrimSpaces(field);
    entry.perevod[1] = kFiller;
  }
  return entry;
}
}  // namespace

Dictionary ReadDictionary(platform::InputFile& file, platform::Platform& platform) {
  LineReader reader(file, kMaxDictionaryLine);
  const bool marked = reader.SkipPrefix(kUtf8Mark);

  // The lines that make entries, as bytes: which encoding they are in is known once all are read.
  std::vector<std::string> lines;
  std::string line;
  // Only 101 entries fit; the rest of the file is never read.
  while (lines.size() < static_cast<size_t>(kMaxEntries) && reader.Next(line)) {
    if (reader.Truncated()) continue;
    // "=" is one and the same byte in UTF-8 and in every ANSI code page, never part of a longer character.
    const size_t equals = line.find('=');
    if (equals == std::string::npos || equals == 0) continue;
    lines.push_back(std::move(line));
  }

  Dictionary dictionary;
  dictionary.failed = reader.Failed();
  const bool utf8 = marked || LooksLikeUtf8(lines);
  dictionary.entries.reserve(lines.size());
  for (const std::string& bytes : lines) {
    dictionary.entries.push_back(EntryOf(utf8 ? FromUtf8(bytes) : platform.FromAnsi(bytes)));
  }
  return dictionary;
}

}  // namespace text
