// Any bytes as the dictionary file, read without a window: at most 101 entries of the shape the reader
// promises, and a UTF-8 mark before text that is UTF-8 anyway changes no entry.
#include <algorithm>
#include <cstdint>
#include <string>

#include "Fuzz.h"
#include "platform/sim/SimPlatform.h"
#include "text/Dictionary.h"
#include "text/Utf8.h"

namespace {

using fuzz::Require;

constexpr std::string_view kMark = "\xEF\xBB\xBF";

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
  static platform::SimPlatform sim;
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  platform::MemoryFile file{std::string(bytes)};
  const text::Dictionary dictionary = text::ReadDictionary(file, sim);

  Require(dictionary.entries.size() <= text::kMaxEntries && !dictionary.failed);
  for (const text::Entry& entry : dictionary.entries) {
    for (const std::wstring* text : {&entry.slovo, &entry.perevod[0], &entry.perevod[1]}) {
      Require(text->find(L'=') == std::wstring::npos && text->find(L'\r') == std::wstring::npos);
      Require(text->empty() || (text->front() != L' ' && text->back() != L' '));
    }
  }

  // Text of ASCII alone reads the same in every encoding.
  const bool high = std::any_of(bytes.begin(), bytes.end(), [](char c) { return (c & 0x80) != 0; });
  if (high && !bytes.starts_with(kMark) && text::IsUtf8(bytes)) {
    platform::MemoryFile marked(std::string(kMark).append(bytes));
    Require(text::ReadDictionary(marked, sim).entries == dictionary.entries);
  }
  return 0;
}
