// The quiz window: three problems, their answer boxes, and the two check buttons.
#pragma once

#include <cstdint>
#include <string>

#include "forms/Forms.h"
#include "platform/Platform.h"
#include "quiz/Dictionary.h"
#include "quiz/Form4.h"
#include "quiz/SettingsFile.h"

namespace journal {
class Journal;
}
namespace settings {
class Form3;
}

namespace quiz {

// The state that the quiz window and the dialog window share for the whole run.
struct Shared {
  float curPredmet = 0;     // 0 multiplication, 1 English to Russian, 2 Russian to English
  bool bNastroyki = false;  // the dialog window was last opened as the settings dialog
};

constexpr int kRows = 3;
// Font sizes, in points, at which a problem still fits its label and stays readable (as granted).
constexpr float kMinFontSize = 6;
constexpr float kMaxFontSize = 18;

class Form1 : public forms::Form {
 public:
  Form1(platform::Platform& platform, Shared& shared, settings::Form3& form3, Form4& form4,
        journal::Journal& journal);

  // Controls, in the order of the layout table.
  forms::Label lblZag{L"lblZag"};
  forms::Frame Frame1{L"Frame1"};
  forms::Label lblP[kRows]{{L"lblP", 0}, {L"lblP", 1}, {L"lblP", 2}};
  forms::TextBox txtR[kRows]{{L"txtR", 0}, {L"txtR", 1}, {L"txtR", 2}};
  forms::Label lblZ[kRows]{{L"lblZ", 0}, {L"lblZ", 1}, {L"lblZ", 2}};
  forms::Timer Timer1{L"Timer1"};
  forms::CommandButton cmdOK[2]{{L"cmdOK", 0}, {L"cmdOK", 1}};
  forms::PictureBox picPod[kRows]{{L"picPod", 0}, {L"picPod", 1}, {L"picPod", 2}};
  forms::PictureBox picUP[2]{{L"picUP", 0}, {L"picUP", 1}};

  // Settings values read at start-up, one per line.
  std::wstring sIni[kSettingsLines];
  std::int16_t nStrok = 0;
  // Factors of problem k in elements k = 1..3; element 0 is unused.
  std::int16_t nMnozh1[4] = {};
  std::int16_t nMnozh2[4] = {};
  // Accepted vocabulary answers: [row][0] main, [row][1] alternative.
  std::wstring sOtvet[kRows][2];
  // The dictionary: headwords and their two translations.
  std::wstring sSlovo[kMaxEntries];
  std::wstring sPerevod[kMaxEntries][2];

  // Start-up sequence (the form's load event).
  void Form_Load();
  // Deals three multiplication problems.
  void DoPrimery();
  // Loads the dictionary and deals three vocabulary problems; 1 English to Russian, else Russian to English.
  void DoSlova(const float& nPredmet);
  void Oshibka_vcb();
  // The two check buttons.
  void cmdOK_Click(int Index);
  // Hot keys in the answer boxes.
  void txtR_KeyDown(int Index, int KeyCode, int Shift);
  // The keyboard guard: answers the Windows keys with Escape.
  void Timer1_Timer();
  // The help button, the hint pictures, and dragging by the title or a problem.
  void picUP_Click(int Index);
  void picPod_Click(int Index);
  void StartDrag();

  // Writes the settings file with the given subject and the font size of the first problem label.
  bool SaveSettings(float predmet);
  std::wstring IniPath() const;
  std::wstring DictionaryPath() const;

 private:
  void ReadSettings();
  void ApplyFontSize(const std::wstring& value);
  // The problems still fit their labels and can be read at this size.
  bool Readable(float points);
  void ResetAnswerBox(int row, float width, float left, int maxLength);
  // Ctrl+Y and Ctrl+U: every problem label one point from its own size, every box as the first label.
  void StepFontSize(float step);
  // The second accepted answer of a word row as the journal records it: empty where there is none.
  std::wstring SecondAnswer(int row) const;

  platform::Platform& platform_;
  Shared& shared_;
  settings::Form3& form3_;
  Form4& form4_;
  journal::Journal& journal_;
};

// The letter that opens the settings dialog together with Ctrl (not listed in the help).
constexpr int kSettingsKey = 'N';

}  // namespace quiz
