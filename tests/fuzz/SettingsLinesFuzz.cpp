// Any bytes as the settings file, read without a window: at most six values and none holding a line end;
// what the quiz saves for the subject and font size they give reads back as the same.
#include <cmath>
#include <cstdint>
#include <string>

#include "Fuzz.h"
#include "platform/sim/SimPlatform.h"
#include "quiz/Form1.h"
#include "quiz/SettingsFile.h"
#include "text/Convert.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
  using fuzz::Require;
  static platform::SimPlatform sim;
  platform::MemoryFile file(std::string(reinterpret_cast<const char*>(data), size));
  std::wstring values[quiz::kSettingsLines];
  const int count = quiz::ReadSettingsLines(file, sim, values);
  Require(count >= 0 && count <= quiz::kSettingsLines);
  for (const std::wstring& value : values) Require(value.find(L'\r') == std::wstring::npos);

  // Either separator, as the input's length falls.
  const wchar_t separator = size % 2 ? L'.' : L',';
  // A subject and a size such as start-up takes from the values: 1 or 2, else 0; a size in the quiz's
  // range, else the design size.
  const auto subject = text::ParseSingle(values[0], separator, true);
  const auto points = text::ParseSingle(values[1], separator, true);
  const float predmet = subject && (*subject == 1 || *subject == 2) ? *subject : 0;
  const float font =
      points && *points >= quiz::kMinFontSize && *points <= quiz::kMaxFontSize ? *points : 14.25f;

  const auto bytes = sim.ToAnsi(quiz::SettingsText(predmet, font, separator));
  Require(bytes.has_value());
  platform::MemoryFile saved(*bytes);
  std::wstring again[quiz::kSettingsLines];
  Require(quiz::ReadSettingsLines(saved, sim, again) == 2);
  Require(text::ParseSingle(again[0], separator, true) == predmet);
  // Seven significant digits are written, so the last bits of an odd size may go.
  const auto font2 = text::ParseSingle(again[1], separator, true);
  Require(font2 && std::fabs(*font2 - font) <= font * 1e-6f);
  return 0;
}
