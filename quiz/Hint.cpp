// The hint pictures beside the word rows: the first letter of the answer.
#include "quiz/Form1.h"

namespace quiz {

void Form1::picPod_Click(int Index) {
  forms::TextBox& box = txtR[Index];
  // A row painted like the window has been answered already.
  if (box.BackColor() == BackColor()) return;
  box.SetText(sOtvet[Index][0].substr(0, 1));
  box.SetFocus();
  box.SetSelStart(1);
}

}  // namespace quiz
