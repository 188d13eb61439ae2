// The help window, the hints, and dragging the borderless quiz window.
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
    picUP[1].SetToolTipText(L" Открыть справку ");
    return;
  }
  form4_.SetTop(Top() + 150);
  form4_.SetLeft(Left() + 6750);
  form4_.Label1.SetCaption(HelpText());
  form4_.Show();
  picUP[1].SetToolTipText(L" Закрыть справку ");
}

void Form1::picPod_Click(int Index) {
  forms::TextBox& box = txtR[Index];
  // A row painted like the window has been answered already.
  if (box.BackColor() == BackColor()) return;
  box.SetText(sOtvet[Index][0].substr(0, 1));
  box.SetFocus();
  box.SetSelStart(1);
}

void Form1::StartDrag() {
  platform_.ReleaseCapture();
  platform_.SendMessageA(hWnd(), platform::WM_NCLBUTTONDOWN_, platform::HTCAPTION_, 0);
}

}  // namespace quiz
