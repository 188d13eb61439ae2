// The quiz window's design: its controls, their places and looks, the shape each subject gives the answer
// boxes, and which handler serves which event.
#include "quiz/Form1.h"

namespace quiz {

using forms::Align;
using forms::Color;
using forms::Font;
namespace SysColor = forms::SysColor;

namespace {
const Color kPanelGrey = Color::Rgb(224, 224, 224);
const Color kText = Color::System(SysColor::WindowText);
const Font kProblemFont{L"Tahoma", 14.25f, true, forms::kCyrillicCharset};
const Font kTitleFont{L"MS Sans Serif", 8.25f, true, forms::kCyrillicCharset};
const float kRowTop[kRows] = {240, 840, 1440};
const float kBoxTop[kRows] = {195, 795, 1395};
const float kHintTop[kRows] = {960, 1560, 2160};
const int kProblemTab[kRows] = {6, 7, 9};
const int kBoxTab[kRows] = {1, 2, 3};
const int kMarkTab[kRows] = {5, 8, 11};
}  // namespace

Form1::Form1(platform::Platform& platform, Shared& shared, settings::Form3& form3, Form4& form4,
             journal::Journal& journal)
    : Form(L"Form1", platform),
      platform_(platform),
      shared_(shared),
      form3_(form3),
      form4_(form4),
      journal_(journal) {
  WithCaption(L"Таблица умножения")
      .Place(0, 0, 8520, 3720)
      .Colors(Color::System(SysColor::Menu), kText)
      .WithArt(forms::Picture::QuizBackground);

  Add(lblZag)
      .Place(1320, 30, 5535, 525)
      .Aligned(Align::Center)
      .Colors(Color::Rgb(0, 0, 192), Color::System(SysColor::HighlightText))
      .WithFont(kTitleFont)
      .Tab(10);
  Add(Frame1).NoBorder().Place(1750, 660, 4695, 2055).Colors(kPanelGrey, kText).Tab(0);
  for (int r = 0; r < kRows; ++r) DesignRow(r);
  Add(Timer1, &Frame1).WithInterval(120);

  Add(cmdOK[0])
      .Place(2880, 2800, 1215, 375)
      .Colors(Color::Rgb(255, 192, 192), kText)
      .WithCaption(L"ВСЁ")
      .Tab(4);
  Add(cmdOK[1])
      .Place(4200, 2800, 1215, 375)
      .Colors(Color::Rgb(0, 192, 192), kText)
      .WithCaption(L"Ещё")
      .Tab(12)
      .MakeDefault();

  for (int r = 0; r < kRows; ++r) {
    Add(picPod[r])
        .Place(1560, kHintTop[r], 240, 255)
        .Tab(14 + r)
        .WithArt(forms::Picture::HintBall)
        .WithToolTip(L"Подсказка");
  }
  Add(picUP[0]).Place(1700, 255, 240, 150).Tab(13).WithArt(forms::Picture::Corner);
  Add(picUP[1]).Place(6150, 2760, 240, 240).Tab(17).WithArt(forms::Picture::HelpBubble);

  WireEvents();
}

void Form1::DesignRow(int r) {
  Add(lblP[r], &Frame1)
      .Place(200, kRowTop[r], 3000, 375)
      .Aligned(Align::Right)
      .Colors(kPanelGrey, kText)
      .WithFont(kProblemFont)
      .Tab(kProblemTab[r]);
  Add(txtR[r], &Frame1)
      .Place(3500, kBoxTop[r], 495, 495)
      .Aligned(Align::Center)
      .WithFont(kProblemFont)
      .Tab(kBoxTab[r])
      .WithMaxLength(2);
  Add(lblZ[r], &Frame1)
      .Place(4200, kRowTop[r], 375, 375)
      .Aligned(Align::Center)
      .Colors(kPanelGrey, Color::Rgb(255, 0, 0))
      .WithFont(kProblemFont)
      .WithCaption(L"+")
      .Tab(kMarkTab[r]);
}

void Form1::WireEvents() {
  OnLoad = [this] { Form_Load(); };
  for (int k = 0; k < 2; ++k) cmdOK[k].Click = [this, k] { cmdOK_Click(k); };
  for (int r = 0; r < kRows; ++r) {
    txtR[r].KeyDown = [this, r](int KeyCode, int Shift) { txtR_KeyDown(r, KeyCode, Shift); };
    picPod[r].Click = [this, r] { picPod_Click(r); };
    lblP[r].MouseDown = [this](int, int, float, float) { StartDrag(); };
  }
  for (int k = 0; k < 2; ++k) picUP[k].Click = [this, k] { picUP_Click(k); };
  lblZag.MouseDown = [this](int, int, float, float) { StartDrag(); };
  Timer1.Tick = [this] { Timer1_Timer(); };
  form4_.Closed = [this] { HelpClosed(); };
}

void Form1::ResetAnswerBox(int row, float width, float left, int maxLength) {
  forms::TextBox& box = txtR[row];
  box.SetText(L"");
  box.SetEnabled(true);
  box.SetWidth(width);
  box.SetLeft(left);
  box.SetMaxLength(maxLength);
  box.SetBackColor(forms::Color::System(forms::SysColor::Window));
}

}  // namespace quiz
