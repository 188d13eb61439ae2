// The vocabulary dealer and its dictionary file.
#include "quiz/Convert.h"
#include "quiz/Form1.h"
#include "quiz/LineReader.h"
#include "settings/Form3.h"

namespace quiz {

namespace {
// A longer line is no dictionary entry; it is skipped so that memory stays small whatever the file holds.
constexpr size_t kMaxDictionaryLine = 4096;

// The piece of `text` between the `n`-th and the next `separator` (n = 0: before the first).
std::wstring Piece(const std::wstring& text, wchar_t separator, int n) {
  size_t begin = 0;
  for (int k = 0; k < n; ++k) begin = text.find(separator, begin) + 1;
  const size_t end = text.find(separator, begin);
  return text.substr(begin, end == std::wstring::npos ? std::wstring::npos : end - begin);
}
}  // namespace

void Form1::DoSlova(const float& nPredmet) {
  nStrok = 0;

  std::unique_ptr<platform::InputFile> file;
  if (platform_.FileExists(DictionaryPath())) file = platform_.OpenInput(DictionaryPath());
  if (!file) {
    // Missing, or there but unreadable: the parent learns the same thing from the message.
    Oshibka_vcb();
  } else {
    LineReader reader(*file, kMaxDictionaryLine);
    std::string bytes;
    while (nStrok < kMaxEntries && reader.Next(bytes)) {
      if (reader.Truncated()) continue;
      const std::wstring line = platform_.FromAnsi(bytes);
      const size_t equals = line.find(L'=');
      if (equals == std::wstring::npos || equals == 0) continue;

      const std::wstring field = Piece(line, L'=', 1);
      sSlovo[nStrok] = TrimSpaces(line.substr(0, equals));
      const size_t comma = field.find(L',');
      if (comma != std::wstring::npos && comma >= 1) {
        sPerevod[nStrok][0] = TrimSpaces(Piece(field, L',', 0));
        sPerevod[nStrok][1] = TrimSpaces(Piece(field, L',', 1));
      } else {
        sPerevod[nStrok][0] = TrimSpaces(field);
        sPerevod[nStrok][1] = kFiller;
      }
      ++nStrok;
    }
  }

  platform_.Randomize();
  int previous = 0;
  for (int r = 0; r < kRows; ++r) {
    int n = static_cast<int>(nStrok * platform_.Rnd());
    if (n == previous) n = static_cast<int>(nStrok * platform_.Rnd());

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

void Form1::Oshibka_vcb() { form3_.ShowNoDictionary(); }

}  // namespace quiz
