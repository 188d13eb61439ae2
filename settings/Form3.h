// The dialog window: the input-error message, the missing-dictionary message and the settings dialog.
#pragma once

#include <string>

#include "forms/Forms.h"
#include "platform/Platform.h"

namespace quiz {
class Form1;
struct Shared;
}  // namespace quiz

namespace settings {

class Form3 : public forms::Form {
 public:
  Form3(platform::Platform& platform, quiz::Shared& shared, quiz::Form1& form1);

  forms::Frame Frame1{L"Frame1"};
  forms::Label Label1{L"Label1"};
  forms::CommandButton cmdOK[2]{{L"cmdOK", 0}, {L"cmdOK", 1}};
  forms::OptionButton optStart[2]{{L"optStart", 0}, {L"optStart", 1}};
  forms::Frame Frame2{L"Frame2"};
  forms::OptionButton optPred[3]{{L"optPred", 0}, {L"optPred", 1}, {L"optPred", 2}};
  forms::Line Line1{L"Line1"};

  void ShowInputError();
  void ShowNoDictionary();
  void ShowSettings();
  void cmdOK_Click(int Index);

 private:
  // Stands the dialog 90 twips above the quiz window, 1500 twips right of its left edge.
  void Place();
  void ShowMessage(const std::wstring& title, const std::wstring& text);
  void SetSettingsControlsVisible(bool visible);
  // The exe's path, or its short form when only that is spelt in letters of the ANSI code page (the
  // start-up value refuses a path that is neither).
  std::wstring ExePath();
  // Applies the confirmed settings and shows the result line for a moment.
  void Apply();

  platform::Platform& platform_;
  quiz::Shared& shared_;
  quiz::Form1& form1_;
};

}  // namespace settings
