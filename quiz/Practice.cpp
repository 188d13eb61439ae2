// The practice that both dealers share: what the journal says this child keeps missing.
#include "journal/Calendar.h"
#include "journal/Journal.h"
#include "journal/Text.h"
#include "quiz/Form1.h"

namespace quiz {

bool Form1::PracticeDeal(int subject, int words, int (&picks)[kRows]) {
  if (!platform_.MachinePolicy().practice) return false;
  // The journal is read once a run; this run's answers arrive as the journal writes them.
  if (!record_) {
    journal::Text account;
    account << platform_.GetAccount().name;
    record_ = std::make_unique<practice::Record>(std::move(account.bytes));
    // A journal that cannot be read tells nothing: every fact counts as new.
    record_->Read(practice::Newest(platform_, journal_.JournalPath()));
    journal_.Written = [this](std::string_view line) { record_->Add(line); };
  }
  std::uint64_t problems[text::kMaxEntries];
  int count = practice::kProducts;
  if (subject == 0) {
    practice::ProductKeys(problems);
  } else {
    // Each word by its text as the journal writes it, so that a word keeps its past wherever it moves.
    for (count = 0; count < words; ++count) {
      journal::Text word;
      word << (subject == 1 ? sSlovo[count] : sPerevod[count][0]);
      problems[count] = practice::Key(subject, word.bytes);
    }
  }
  const platform::LocalTime now = platform_.GetLocalTime();
  record_->Deal(problems, count, journal::DayNumber(now.year, now.month, now.day), platform_, picks);
  return true;
}

}  // namespace quiz
