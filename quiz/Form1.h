// The quiz window: three problems, their answer boxes, and the two check buttons.
//
// The window's names are Russian words in Latin letters, with a prefix for the kind of control (lbl label,
// txt text box, cmd button, pic picture) or the type of variable (n number, s string, b boolean):
//   lblZag      the title ("zagolovok")
//   lblP, txtR  the problem of each row and the box its answer is typed in
//   lblZ        the mark beside each box: a red "+" or "-" once a multiplication answer is checked
//   picPod      the hint beside each row ("podskazka"): the first letter of the answer, words only
//   picUP       the two small pictures: 0 an ornament at the panel's corner, 1 the help button
//   cmdOK       the check buttons: 0 "ВСЁ" (done: check and finish), 1 "Ещё" (more: check and deal again)
//   DoPrimery   deals problems ("primery"), DoSlova deals words ("slova"), Oshibka_vcb reports a missing
//               dictionary ("oshibka", error; vcb the dictionary file)
//   sIni        the values of the settings file's lines
//   nStrok      a count of lines ("strok"): it counts two things in turn, the settings lines read at
//               start-up, then from the first DoSlova on the dictionary entries loaded
//   nMnozh1, nMnozh2   the two factors ("mnozhitel") of problem k, counted from 1: element 0 is unused
//   sOtvet      the accepted answers ("otvet") of each word row; sSlovo the headwords ("slovo", word),
//               sPerevod their translations ("perevod")
// The state shared with the dialog window, curPredmet and bNastroyki, is in Shared.h.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "forms/Forms.h"
#include "platform/Platform.h"
#include "practice/Practice.h"
#include "quiz/Form4.h"
#include "quiz/SettingsFile.h"
#include "quiz/Shared.h"
#include "text/Dictionary.h"

namespace journal {
class Journal;
}
namespace settings {
class Form3;
}

namespace quiz {

constexpr int kRows = 3;
// Font sizes, in points, at which a problem still fits its label and stays readable (as granted).
constexpr float kMinFontSize = 6;
constexpr float kMaxFontSize = 18;

class Form1 : public forms::Form {
 public:
  // --- Form1.cpp: the design, and which handler serves which event
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

  std::wstring sIni[kSettingsLines];
  std::int16_t nStrok = 0;
  std::int16_t nMnozh1[4] = {};
  std::int16_t nMnozh2[4] = {};
  // [row][0] the main answer, [row][1] the alternative.
  std::wstring sOtvet[kRows][2];
  std::wstring sSlovo[text::kMaxEntries];
  std::wstring sPerevod[text::kMaxEntries][2];

 private:
  void DesignRow(int r);
  void WireEvents();
  // Both dealers give the answer boxes the shape of their subject, empty and open for typing.
  void ResetAnswerBox(int row, float width, float left, int maxLength);

  // --- Startup.cpp: the window's shape and place, the settings, the first deal
  void Form_Load();

  // --- SettingsFile.cpp: reading and saving the settings file
 public:
  // Writes the settings file with the given subject and the font size of the first problem label.
  bool SaveSettings(float predmet);

 private:
  std::wstring IniPath() const;
  void ReadSettings();
  void WriteDefaultSettings();

  // --- FontSize.cpp: the problems' font size
  // The problems still fit their labels and can be read at this size.
  bool Readable(float points);
  // The size a settings value gives every problem label and answer box.
  void ApplyFontSize(const std::wstring& value);
  // Ctrl+Y and Ctrl+U: every problem label one point from its own size, every box as the first label.
  void StepFontSize(float step);

  // --- Primery.cpp: the multiplication dealer
 public:
  void DoPrimery();

  // --- Slova.cpp: the vocabulary dealer and its dictionary file
  // Loads the dictionary and deals three word problems; 1 English to Russian, else Russian to English.
  void DoSlova(const float& nPredmet);

 private:
  std::wstring DictionaryPath() const;
  void Oshibka_vcb();

  // --- Practice.cpp: the deal of what this child finds hard, where a parent chose it for the computer
  // False without practice. With it, true: `picks` holds the three problems to deal, as numbered
  // products (practice.h) for subject 0, else as positions among the first `words` dictionary entries.
  bool PracticeDeal(int subject, int words, int (&picks)[kRows]);

  // --- Check.cpp: the two check buttons
  void cmdOK_Click(int Index);
  // The second accepted answer of a word row as the journal records it: empty where there is none.
  std::wstring SecondAnswer(int row) const;

  // --- HotKeys.cpp: keys in the answer boxes
  void txtR_KeyDown(int Index, int KeyCode, int Shift);

  // --- Guard.cpp: the keyboard guard, which answers the Windows keys with Escape
  void Timer1_Timer();

  // --- Help.cpp, Hint.cpp, Drag.cpp: the help button, the hint pictures, dragging by the title or a problem
  void picUP_Click(int Index);
  // The help window was closed, by the help button or its own: the button offers to open it again.
  void HelpClosed();
  void picPod_Click(int Index);
  void StartDrag();

  platform::Platform& platform_;
  Shared& shared_;
  settings::Form3& form3_;
  Form4& form4_;
  journal::Journal& journal_;
  // Read from the journal at the first practice deal of the run, then told each line the journal writes.
  std::unique_ptr<practice::Record> record_;
};

}  // namespace quiz
