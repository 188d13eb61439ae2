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
  Require(figures.children.size() <= 6);
  int mornings = 0;
  for (const journal::Child& child : figures.children) {
    for (const auto& row : child.table) {
      for (const journal::Fact& fact : row) Require(fact.missed >= 0 && fact.missed <= fact.asked);
    }
    Require(child.words.size() <= 20);
    for (const journal::MissedWord& word : child.words) {
      Require(word.missed > 0 && word.missed <= word.asked && word.wrong.size() <= 5);
    }
    for (const journal::Morning& morning : child.mornings) {
      for (int s = 0; s < journal::kSubjects; ++s) Require(morning.firstRight[s] <= morning.firstTries[s]);
    }
    mornings += static_cast<int>(child.mornings.size());
  }
  Require(mornings == figures.mornings && (mornings == 0 || figures.firstDay <= figures.lastDay));
  const std::string html = journal::ReportHtml(figures, {2024, 5, 17, 7, 45, 0});
  Require(html.find("<script") == std::string::npos);
  return 0;
}
