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
  // The design, and which handler serves which event.
  Form3(platform::Platform& platform, quiz::Shared& shared, quiz::Form1& form1);

  forms::Frame Frame1{L"Frame1"};
  forms::Label Label1{L"Label1"};
  forms::CommandButton cmdOK[2]{{L"cmdOK", 0}, {L"cmdOK", 1}};
  forms::OptionButton optStart[2]{{L"optStart", 0}, {L"optStart", 1}};
  forms::Frame Frame2{L"Frame2"};
  forms::OptionButton optPred[3]{{L"optPred", 0}, {L"optPred", 1}, {L"optPred", 2}};
  forms::Line Line1{L"Line1"};

  // Its three uses: two messages and the settings dialog (the subject options "optPred", from "predmet").
  void ShowInputError();
  void ShowNoDictionary();
  void ShowSettings();

 private:
  // Stands the dialog 90 twips above the quiz window, 1500 twips right of its left edge.
  void Place();
  void ShowMessage(const std::wstring& title, const std::wstring& text);
  void SetSettingsControlsVisible(bool visible);

  // Both buttons: the settings dialog's "Принято" applies; every click hides the dialog and saves.
  void cmdOK_Click(int Index);
  // Applies the confirmed settings and shows the result line for a moment.
  void Apply();
  // The exe's path, or its short form when only that is spelt in letters of the ANSI code page (the
  // start-up value refuses a path that is neither).
  std::wstring ExePath();

  platform::Platform& platform_;
  quiz::Shared& shared_;
  quiz::Form1& form1_;
};

}  // namespace settings
