// The state that the quiz window and the dialog window share for the whole run.
#pragma once

namespace quiz {

struct Shared {
  // The subject (Russian "predmet"): 0 multiplication, 1 English to Russian, 2 Russian to English. Single
  // precision and compared exactly, as the settings file's first line gives it.
  float curPredmet = 0;
  // The dialog window was last opened as the settings dialog ("nastroyki", settings), not as a message.
  bool bNastroyki = false;
};

}  // namespace quiz
