// Start-up: the window's shape and place, the settings file, the first deal.
#include "quiz/Convert.h"
#include "quiz/Form1.h"
#include "quiz/SettingsFile.h"
#include "settings/Module1.h"

namespace quiz {

void Form1::Form_Load() {
  const platform::Handle hWnd = this->hWnd();
  const platform::Handle hRgn = platform_.CreateRoundRectRgn(100, 10, 444, 220, 30, 30);
  platform_.SetWindowRgn(hWnd, hRgn, true);

  settings::Module1::SetTopmost(platform_, hWnd, true);

  SetLeft(static_cast<float>(RoundToLong(platform_.ScreenWidth()) / 2 - RoundToLong(Width()) / 2));
  SetTop(static_cast<float>(RoundToLong(platform_.ScreenHeight()) / 2 - RoundToLong(Height()) / 2));

  lblZag.SetCaption(L"\r\nРеши три примера и компьютер загрузится");

  shared_.curPredmet = 0;
  nStrok = 0;

  if (platform_.FileExists(IniPath())) {
    ReadSettings();
  } else {
    // A folder we cannot write to leaves the defaults in memory; the quiz goes on.
    platform_.ReplaceFile(IniPath(), "Predmet=0\r\nFont=14,25\r\n");
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

void Form1::ReadSettings() {
  // A file we cannot open or read counts as one that holds nothing usable: defaults, and the file
  // is left as it is for a parent to look at.
  if (auto file = platform_.OpenInput(IniPath())) {
    nStrok = static_cast<std::int16_t>(ReadSettingsLines(*file, platform_, sIni));
  }

  // Subjects other than 0, 1 and 2, and values that are not numbers, mean multiplication.
  const auto predmet = ParseSingle(sIni[0], platform_.DecimalSeparator(), true);
  if (predmet && (*predmet == 1 || *predmet == 2)) shared_.curPredmet = *predmet;

  // The font's value is cut at its own first "=" once more: "Font=a=12" gives 12.
  ApplyFontSize(ValueOf(sIni[1]));
}

void Form1::ApplyFontSize(const std::wstring& value) {
  // The design size stays when the value is no number or a size the quiz cannot show.
  const auto size = ParseSingle(value, platform_.DecimalSeparator(), true);
  if (!size || !Readable(*size)) return;
  for (int r = 0; r < kRows; ++r) {
    lblP[r].SetFontSize(*size);
    txtR[r].SetFontSize(lblP[0].FontSize());
  }
}

bool Form1::Readable(float points) {
  // Judged by the size the font system grants: asked-for sizes fall between whole pixels, so a bound
  // checked on them would refuse sizes that show as the bound itself.
  forms::Font font = lblP[0].GetFont();
  font.size = points;
  const float granted = platform_.GrantFontSize(font);
  return granted >= kMinFontSize && granted <= kMaxFontSize;
}

bool Form1::SaveSettings(float predmet) {
  const auto bytes =
      platform_.ToAnsi(SettingsText(predmet, lblP[0].FontSize(), platform_.DecimalSeparator()));
  return bytes && platform_.ReplaceFile(IniPath(), *bytes);
}

}  // namespace quiz
