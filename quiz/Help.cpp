// The help button: it opens the help window beside the quiz, or closes it.
#include <iterator>

#include "quiz/Form1.h"

namespace quiz {

namespace {
const wchar_t* const kHelpLines[] = {
    L"Горячие клавиши:",
    L"",
    L"Ctrl+E изучать Англо-Русский словарь",
    L"Ctrl+R изучать Русско-Английский словарь",
    L"Ctrl+T изучать Таблицу Умножения",
    L"Ctrl+Y уменьшить размер шрифта",
    L"Ctrl+U увеличить размер шрифта",
    L"",
    L"Действуют при помещении курсора в поле ответа!",
};

std::wstring HelpText() {
  std::wstring text = kHelpLines[0];
  for (size_t k = 1; k < std::size(kHelpLines); ++k) text += std::wstring(L"\r\n") + kHelpLines[k];
  return text;
}
}  // namespace

void Form1::picUP_Click(int Index) {
  if (Index != 1) return;
  if (form4_.Visible()) {
    form4_.Hide();
    HelpClosed();
    return;
  }
  form4_.SetTop(Top() + 150);
  form4_.SetLeft(Left() + 6750);
  form4_.Label1.SetCaption(HelpText());
  form4_.Show();
  picUP[1].SetToolTipText(L" Закрыть справку ");
}

void Form1::HelpClosed() {
  picUP[1].SetToolTipText(L" Открыть справку ");
}

}  // namespace quiz
