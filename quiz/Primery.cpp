// The multiplication dealer.
#include <string>

#include "quiz/Form1.h"
#include "text/Convert.h"

namespace quiz {

void Form1::DoPrimery() {
  platform_.Randomize();
  int picks[kRows];
  const bool practice = PracticeDeal(0, 0, picks);
  for (int k = 1; k <= kRows; ++k) {
    if (practice) {
      nMnozh1[k] = static_cast<std::int16_t>(2 + picks[k - 1] / 8);
      nMnozh2[k] = static_cast<std::int16_t>(2 + picks[k - 1] % 8);
    } else {
      nMnozh1[k] = static_cast<std::int16_t>(10 * platform_.Rnd());
      nMnozh2[k] = static_cast<std::int16_t>(10 * platform_.Rnd());
      // 0 becomes 7 and 1 becomes 8: the table from 2 to 9, with its hardest rows twice as often.
      if (nMnozh1[k] < 2) nMnozh1[k] += 7;
      if (nMnozh2[k] < 2) nMnozh2[k] += 7;
    }

    const int row = k - 1;
    const std::wstring gap(6, L' ');
    lblP[row].SetCaption(text::IntText(nMnozh1[k]) + gap + L"x" + gap + text::IntText(nMnozh2[k]) + gap +
                         L"=");
    lblP[row].SetWidth(3000);
    ResetAnswerBox(row, 495, 3500, 2);
    lblZ[row].SetVisible(false);
    picPod[row].SetVisible(false);
  }
}

}  // namespace quiz
