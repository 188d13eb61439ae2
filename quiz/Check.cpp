// The two check buttons: mark and freeze the right rows, then finish or deal again.
#include "journal/Journal.h"
#include "quiz/Form1.h"
#include "settings/Form3.h"
#include "text/Convert.h"

namespace quiz {

std::wstring Form1::SecondAnswer(int row) const {
  // The filler stands for "no second translation"; Russian to English accepts only the headword.
  return shared_.curPredmet == 1 && sOtvet[row][1] != text::kFiller ? sOtvet[row][1] : std::wstring();
}

void Form1::cmdOK_Click(int Index) {
  int right = 0;
  // Freezes a right row: no more typing, painted like the window behind it.
  auto freeze = [this, &right](int row) {
    txtR[row].SetBackColor(BackColor());
    txtR[row].SetEnabled(false);
    ++right;
  };

  if (shared_.curPredmet == 0) {
    for (int k = 1; k <= kRows; ++k) {
      const int row = k - 1;
      const auto answer = text::ParseSingle(txtR[row].Text(), platform_.DecimalSeparator());
      if (!answer) {
        // Not a number: this row and the ones after it stay as they are.
        journal_.Product(Index, row, nMnozh1[k], nMnozh2[k], txtR[row].Text(), journal::Verdict::NotANumber);
        form3_.ShowInputError();
        return;
      }
      const std::int16_t product = static_cast<std::int16_t>(nMnozh1[k] * nMnozh2[k]);
      journal_.Product(Index, row, nMnozh1[k], nMnozh2[k], txtR[row].Text(),
                       *answer == product ? journal::Verdict::Right : journal::Verdict::Wrong);
      if (*answer == product) {
        freeze(row);
        lblZ[row].SetCaption(L"+");
      } else {
        lblZ[row].SetCaption(L"-");
      }
      lblZ[row].SetVisible(true);
    }
  } else {
    const int subject = static_cast<int>(shared_.curPredmet);
    // Without a dictionary the rows are blank: the journal keeps that the words were missing, not the rows.
    if (nStrok == 0) journal_.NoDictionary(Index, subject);
    for (int r = 0; r < kRows; ++r) {
      const std::wstring typed = text::TrimSpaces(platform_.LCase(txtR[r].Text()));
      // An empty answer is never right, so a missing dictionary cannot unlock the computer.
      const bool accepted =
          !typed.empty() && (typed == sOtvet[r][0] || (shared_.curPredmet == 1 && typed == sOtvet[r][1]));
      if (accepted) freeze(r);
      if (!lblP[r].Caption().empty()) {
        journal_.Word(Index, subject, r, lblP[r].Caption(), sOtvet[r][0], SecondAnswer(r), txtR[r].Text(),
                      accepted);
      }
    }
  }

  if (Index == 0 && right == 3) {
    // The child has earned the desktop: a settings file we cannot write must not keep it locked.
    SaveSettings(shared_.curPredmet);
    journal_.Unlocked();
    platform_.End();
    return;
  }
  if (Index == 1 && right == 3) {
    if (shared_.curPredmet == 0) {
      DoPrimery();
    } else if (shared_.curPredmet > 0) {
      DoSlova(shared_.curPredmet);
    }
    txtR[0].SetFocus();
  }
}

}  // namespace quiz
