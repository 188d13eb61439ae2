// The help window's design.
#include "quiz/Form4.h"

namespace quiz {

using forms::Color;

Form4::Form4(forms::Binding& binding) : Form(L"Form4", binding) {
  const Color grey = Color::Rgb(224, 224, 224);
  const Color text = Color::System(forms::SysColor::WindowText);
  WithCaption(L"Form4").Place(0, 0, 3225, 3090).Colors(grey, text);
  Add(Frame1).WithCaption(L"Справка").Place(120, 0, 3015, 3015).Colors(grey, text).Tab(0);
  // Small enough that the nine lines, wrapped at words, fit the label whatever the screen's dpi.
  Add(Label1, &Frame1)
      .Place(120, 300, 2775, 2655)
      .Colors(grey, text)
      .WithFont(forms::Font{L"Tahoma", 7.5f, false, forms::kCyrillicCharset})
      .Tab(1);
  Add(Command1, &Frame1).WithCaption(L"X").Place(2750, 90, 255, 255).Colors(grey, text).Tab(2).MakeCancel();
  Command1.Click = [this] { Command1_Click(); };
}

void Form4::Command1_Click() {
  Hide();
  if (Closed) Closed();
}

}  // namespace quiz
