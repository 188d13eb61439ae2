// The vocabulary dealer and its dictionary file.
#include "quiz/Convert.h"
#include "quiz/Form1.h"
#include "quiz/LineReader.h"
#include "settings/Form3.h"

namespace quiz {

namespace {
// A longer line is no dictionary entry; it is skipped so that memory stays small whatever the file holds.
constexpr size_t kMaxDictionaryLine = 4096;

// The piece of `text` after the `n`-th `separator` and before the next one (n = 0: before the first);
// empty when `text` has fewer separators.
std::wstring Piece(const std::wstring& text, wchar_t separator, int n) {
  size_t begin = 0;
  for (int k = 0; k < n; ++k) {
    const size_t at = text.find(separator, begin);
    if (at == std::wstring::npos) return {};
    begin = at + 1;
  }
  const size_t end = text.find(separator, begin);
  return text.substr(begin, end == std::wstring::npos ? std::wstring::npos : end - begin);
}
}  // namespace

void Form1::DoSlova(const float& nPredmet) {
  nStrok = 0;

  std::unique_ptr<platform::InputFile> file;
  if (platform_.FileExists(DictionaryPath())) file = platform_.OpenInput(DictionaryPath());
  if (!file) {
    // Missing, or there but not to be opened: the parent learns the same thing from the message.
    Oshibka_vcb();
  } else {
    LineReader reader(*file, kMaxDictionaryLine);
    std::string bytes;
    // Only 101 entries fit; the rest of the file is never read.
    while (nStrok < kMaxEntries && reader.Next(bytes)) {
      if (reader.Truncated()) continue;
      const std::wstring line = platform_.FromAnsi(bytes);
      const size_t equals = line.find(L'=');
      if (equals == std::wstring::npos || equals == 0) continue;

      sSlovo[nStrok] = TrimSpaces(line.substr(0, equals));
      const std::wstring field = Piece(line, L'=', 1);
      // A comma as the field's very first character is part of the translation, not a separator.
      if (field.find(L',', 1) != std::wstring::npos) {
        sPerevod[nStrok][0] = TrimSpaces(Piece(field, L',', 0));
        sPerevod[nStrok][1] = TrimSpaces(Piece(field, L',', 1));
      } else {
        sPerevod[nStrok][0] = TrimSpaces(field);
        sPerevod[nStrok][1] = kFiller;
      }
      ++nStrok;
    }
    // A disk error halfway: deal from what was read, and tell the parent that the file needs a look.
    if (reader.Failed()) Oshibka_vcb();
  }

  platform_.Randomize();
  int previous = 0;
  // Rnd is below 1, so a pick is below nStrok; the bound only guards the arrays.
  auto draw = [this] {
    const int n = static_cast<int>(nStrok * platform_.Rnd());
    return n >= 0 && n < kMaxEntries ? n : 0;
  };
  for (int r = 0; r < kRows; ++r) {
    int n = draw();
    if (n == previous) n = draw();

    if (nPredmet == 1) {
      lblP[r].SetCaption(sSlovo[n]);
      sOtvet[r][0] = sPerevod[n][0];
      sOtvet[r][1] = sPerevod[n][1];
    } else {
      lblP[r].SetCaption(sPerevod[n][0]);
      sOtvet[r][0] = sSlovo[n];
    }
    lblP[r].SetWidth(2000);
    ResetAnswerBox(r, 2250, 2350, 0);
    picPod[r].SetVisible(true);
    previous = n;
  }
}

void Form1::Oshibka_vcb() {
  form3_.ShowNoDictionary();
}

}  // namespace quiz
