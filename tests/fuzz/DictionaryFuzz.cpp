// Any bytes as the dictionary file: both word subjects are dealt and answered without a fault, and every
// entry read has the shape the reader promises.
#include <cstdint>
#include <string>

#include "Fuzz.h"
#include "app/Program.h"
#include "platform/sim/SimPlatform.h"

using fuzz::Require;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
  platform::SimPlatform sim;
  sim.files[sim.PathOf(L"quorvel.ini")] = "Predmet=1\r\nFont=14,25\r\n";
  sim.files[sim.PathOf(L"quorvel_vcb.ini")] = std::string(reinterpret_cast<const char*>(data), size);
  app::Program program(sim);
  program.Start();
  quiz::Form1& form1 = program.form1;

  Require(form1.nStrok >= 0 && form1.nStrok <= text::kMaxEntries);
  for (int n = 0; n < form1.nStrok; ++n) {
    const std::wstring& word = form1.sSlovo[n];
    Require(word.find_first_of(L"=\r") == std::wstring::npos);
    Require(word.empty() || (word.front() != L' ' && word.back() != L' '));
    for (const std::wstring& translation : form1.sPerevod[n])
      Require(translation.find_first_of(L"=\r") == std::wstring::npos);
  }

  for (float subject : {1.0f, 2.0f}) {
    form1.DoSlova(subject);
    program.shared.curPredmet = subject;
    form1.picPod[1].Click();
    for (int r = 0; r < quiz::kRows; ++r) form1.txtR[r].UserSetCaption(form1.sOtvet[r][0]);
    form1.cmdOK[1].Click();
  }
  return 0;
}
