// Any bytes as the journal, read at start-up and line by line: every deal holds three different problems of
// those offered, and every estimate is a chance or "never tried".
#include <cstdint>
#include <string>

#include "Fuzz.h"
#include "journal/Calendar.h"
#include "journal/Rows.h"
#include "platform/sim/SimPlatform.h"
#include "practice/Practice.h"

namespace {

void Deals(const practice::Record& record, platform::SimPlatform& sim, int day) {
  std::uint64_t problems[practice::kProducts + 3];
  practice::ProductKeys(problems);
  for (int count : {practice::kProducts, 3}) {
    int picks[practice::kDeal];
    record.Deal(problems, count, day, sim, picks);
    for (int pick : picks) fuzz::Require(pick >= 0 && pick < count);
    fuzz::Require(picks[0] != picks[1] && picks[1] != picks[2] && picks[0] != picks[2]);
  }
  for (int k = 0; k < practice::kProducts; ++k) {
    const float chance = record.Recall(problems[k], day);
    fuzz::Require(chance == -1 || (chance >= 0 && chance <= 1));
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  platform::SimPlatform sim;
  const int today = journal::DayNumber(2024, 5, 17);
  practice::Record whole("Маша");
  whole.Read(text);
  Deals(whole, sim, today);
  practice::Record lines("Маша");
  journal::ForEachLine(text, [&lines](std::string_view line) { lines.Add(line); });
  Deals(lines, sim, today + 30);
  return 0;
}
