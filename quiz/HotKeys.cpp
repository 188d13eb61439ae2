// Hot keys in the answer boxes: subject, font size, the settings dialog, and a faster guard.
#include "quiz/Form1.h"
#include "settings/Form3.h"

namespace quiz {

namespace {
constexpr int kCtrl = 2;
constexpr int kLeftWindows = 91;
}  // namespace

void Form1::txtR_KeyDown(int, int KeyCode, int Shift) {
  // Ctrl alone: with Shift or Alt (AltGr too) none of these act.
  if (Shift == kCtrl) {
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
  if (KeyCode == kLeftWindows) {
    Timer1.SetInterval(50);
    Timer1.SetEnabled(true);
  }
}

void Form1::StepFontSize(float step) {
  for (int r = 0; r < kRows; ++r) {
    const float size = lblP[r].FontSize() + step;
    // A size at which the problems no longer fit or can no longer be read is refused: the size stays.
    if (Readable(size)) lblP[r].SetFontSize(size);
    txtR[r].SetFontSize(lblP[0].FontSize());
  }
}

}  // namespace quiz
