// The vocabulary dealer and its dictionary file.
#include <utility>

#include "quiz/Form1.h"
#include "settings/Form3.h"
#include "text/Dictionary.h"

namespace quiz {

void Form1::DoSlova(const float& nPredmet) {
  nStrok = 0;

  std::unique_ptr<platform::InputFile> file;
  if (platform_.FileExists(DictionaryPath())) file = platform_.OpenInput(DictionaryPath());
  if (!file) {
    // Missing, or there but not to be opened: the parent learns the same thing from the message.
    Oshibka_vcb();
  } else {
    text::Dictionary dictionary = text::ReadDictionary(*file, platform_);
    // Entries past the count keep what an earlier load left there.
    for (text::Entry& entry : dictionary.entries) {
      sSlovo[nStrok] = std::move(entry.slovo);
      sPerevod[nStrok][0] = std::move(entry.perevod[0]);
      sPerevod[nStrok][1] = std::move(entry.perevod[1]);
      ++nStrok;
    }
    // A disk error halfway: deal from what was read, and tell the parent that the file needs a look.
    if (dictionary.failed) Oshibka_vcb();
  }

  platform_.Randomize();
  int picks[kRows];
  const bool practice = nStrok > 0 && PracticeDeal(nPredmet == 1 ? 1 : 2, nStrok, picks);
  int previous = 0;
  // Rnd is below 1, so a pick is below nStrok; the bound only guards the arrays.
  auto draw = [this] {
    const int n = static_cast<int>(nStrok * platform_.Rnd());
    return n >= 0 && n < text::kMaxEntries ? n : 0;
  };
  for (int r = 0; r < kRows; ++r) {
    int n = practice ? picks[r] : draw();
    if (!practice && n == previous) n = draw();

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

std::wstring Form1::DictionaryPath() const {
  return platform_.DataPath() + L"\\quorvel_vcb.ini";
}

void Form1::Oshibka_vcb() {
  form3_.ShowNoDictionary();
}

}  // namespace quiz
