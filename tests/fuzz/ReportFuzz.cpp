// Any bytes as the journal: the figures stay within their bounds and the page is written without a fault.
#include <cstdint>
#include <string>

#include "journal/Calendar.h"
#include "journal/Figures.h"
#include "journal/Report.h"

namespace {
void Require(bool condition) {
  if (!condition) __builtin_trap();
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  const journal::Figures figures = journal::Summarize(text, journal::DayNumber(2024, 5, 17));
  for (const auto& row : figures.table) {
    for (const journal::Fact& fact : row) Require(fact.missed >= 0 && fact.missed <= fact.asked);
  }
  Require(figures.words.size() <= 20);
  for (const journal::MissedWord& word : figures.words) Require(word.missed > 0 && word.missed <= word.asked);
  for (const journal::Morning& morning : figures.mornings) {
    for (int s = 0; s < journal::kSubjects; ++s) Require(morning.firstRight[s] <= morning.firstTries[s]);
  }
  const std::string html = journal::ReportHtml(figures, {2024, 5, 17, 7, 45, 0});
  Require(html.find("<script") == std::string::npos);
  return 0;
}
