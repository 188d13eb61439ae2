// Any bytes as the settings file: start-up leaves a usable quiz, never rewrites the file, and what it
// saves reads back the same.
#include <cstdint>
#include <memory>
#include <string>

#include "Fuzz.h"
#include "app/Program.h"
#include "platform/sim/SimPlatform.h"

using fuzz::Require;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  platform::SimPlatform sim;
  const std::wstring ini = sim.PathOf(L"quorvel.ini");
  sim.files[ini] = bytes;
  sim.files[sim.PathOf(L"quorvel_vcb.ini")] = "cat=\xea\xee\xf8\xea\xe0,\xea\xee\xf2\r\n";

  auto first = std::make_unique<app::Program>(sim);
  first->Start();
  const float subject = first->shared.curPredmet;
  const float size0 = first->form1.lblP[0].FontSize();
  Require(subject == 0 || subject == 1 || subject == 2);
  Require(size0 >= quiz::kMinFontSize && size0 <= quiz::kMaxFontSize);
  Require(sim.files[ini] == bytes);

  first->form1.SaveSettings(subject);
  app::Program second(sim);
  second.Start();
  Require(second.shared.curPredmet == subject);
  // Seven significant digits are written, so the last bit of an odd size may differ.
  const float size1 = second.form1.lblP[0].FontSize();
  Require(size1 >= size0 * 0.99999f && size1 <= size0 * 1.00001f);
  return 0;
}
