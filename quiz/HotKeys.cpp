// Hot keys in the answer boxes: subject, font size, the settings dialog, and a faster guard.
#include "forms/Keys.h"
#include "quiz/Form1.h"
#include "settings/Form3.h"

namespace quiz {

namespace {
// The letter that opens the settings dialog together with Ctrl (not listed in the help).
constexpr int kSettingsKey = 'N';
}  // namespace

void Form1::txtR_KeyDown(int, int KeyCode, int Shift) {
  // Ctrl alone: with Shift or Alt (AltGr too) none of these act.
  if (Shift == forms::Modifier::Ctrl) {
    switch (KeyCode) {
      case 'E':
        DoSlova(1);
        shared_.curPredmet = 1;
        break;
      case 'R':
        DoSlova(2);
        shared_.curPredmet = 2;
        break;
      case 'T':
        shared_.curPredmet = 0;
        DoPrimery();
        break;
      case 'Y':
        StepFontSize(-1);
        break;
      case 'U':
        StepFontSize(+1);
        break;
      case kSettingsKey:
        form3_.ShowSettings();
        break;
    }
  }
  // Once a Windows key has reached the quiz, the guard looks more often.
  if (KeyCode == forms::Key::LeftWindows) {
    Timer1.SetInterval(50);
    Timer1.SetEnabled(true);
  }
}

}  // namespace quiz
