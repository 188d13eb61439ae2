// The practice that both dealers share: what the journal says this child keeps missing.
#include "journal/Calendar.h"
#include "journal/Journal.h"
#include "journal/Text.h"
#include "quiz/Form1.h"

namespace quiz {

bool Form1::Practising() {
  return platform_.MachinePolicy().practice;
}

void Form1::PracticeDeal(const std::uint64_t* problems, int count, int (&picks)[kRows]) {
  // The journal is read once a run; this run's answers arrive as the journal writes them.
  if (!record_) {
    journal::Text account;
    account << platform_.GetAccount().name;
    record_ = std::make_unique<practice::Record>(std::move(account.bytes));
    std::string bytes;
    // A journal that cannot be read tells nothing: every fact counts as new.
    if (journal_.Read(bytes)) record_->Read(bytes);
    journal_.Written = [this](std::string_view line) { record_->Add(line); };
  }
  const platform::LocalTime now = platform_.GetLocalTime();
  record_->Deal(problems, count, journal::DayNumber(now.year, now.month, now.day), platform_, picks);
}

}  // namespace quiz
