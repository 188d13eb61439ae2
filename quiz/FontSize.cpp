// The problems' font size: the sizes that can be read, the size the settings file gives, the hot keys' steps.
#include "quiz/Form1.h"
#include "text/Convert.h"

namespace quiz {

bool Form1::Readable(float points) {
  // Judged by the size the font system grants: asked-for sizes fall between whole pixels, so a bound
  // checked on them would refuse sizes that show as the bound itself.
  forms::Font font = lblP[0].GetFont();
  font.size = points;
  const float granted = platform_.GrantFontSize(font);
  return granted >= kMinFontSize && granted <= kMaxFontSize;
}

void Form1::ApplyFontSize(const std::wstring& value) {
  // The design size stays when the value is no number or a size the quiz cannot show.
  const auto size = text::ParseSingle(value, platform_.DecimalSeparator(), true);
  if (!size || !Readable(*size)) return;
  for (int r = 0; r < kRows; ++r) {
    lblP[r].SetFontSize(*size);
    txtR[r].SetFontSize(lblP[0].FontSize());
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
