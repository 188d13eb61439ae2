// Start-up: the window's shape and place, the settings file, the first deal.
#include "quiz/Form1.h"
#include "settings/Module1.h"
#include "text/Convert.h"

namespace quiz {

void Form1::Form_Load() {
  const platform::Handle hWnd = this->hWnd();
  const platform::Handle hRgn = platform_.CreateRoundRectRgn(100, 10, 444, 220, 30, 30);
  platform_.SetWindowRgn(hWnd, hRgn, true);

  settings::Module1::SetTopmost(platform_, hWnd, true);

  SetLeft(
      static_cast<float>(text::RoundToLong(platform_.ScreenWidth()) / 2 - text::RoundToLong(Width()) / 2));
  SetTop(
      static_cast<float>(text::RoundToLong(platform_.ScreenHeight()) / 2 - text::RoundToLong(Height()) / 2));

  lblZag.SetCaption(L"\r\nРеши три примера и компьютер загрузится");

  shared_.curPredmet = 0;
  nStrok = 0;

  if (platform_.FileExists(IniPath())) {
    ReadSettings();
  } else {
    WriteDefaultSettings();
  }

  DoPrimery();
  if (shared_.curPredmet == 0) {
    DoPrimery();
  } else if (shared_.curPredmet == 1) {
    DoSlova(1);
  } else if (shared_.curPredmet == 2) {
    DoSlova(2);
  }
}

}  // namespace quiz
