// The program's windows and the state they share; the entry points only create it and start it.
#pragma once

#include "journal/Journal.h"
#include "platform/Platform.h"
#include "quiz/Form1.h"
#include "quiz/Shared.h"
#include "settings/Form3.h"

namespace app {

struct Program {
  explicit Program(platform::Platform& platform)
      : platform_(platform),
        journal(platform),
        form3(platform, shared, form1),
        form4(platform),
        form1(platform, shared, form3, form4, journal) {}

  // Loads the quiz window (its start-up sequence runs) and shows it. An account that a parent left out ends
  // the program at once, before anything is read or written.
  void Start() {
    if (platform::LeftOut(platform_.MachinePolicy(), platform_.GetAccount(), platform_)) {
      platform_.End();
      return;
    }
    form1.Show();
    journal.QuizShown();
  }

  platform::Platform& platform_;
  quiz::Shared shared;
  journal::Journal journal;
  settings::Form3 form3;
  quiz::Form4 form4;
  quiz::Form1 form1;
};

}  // namespace app
