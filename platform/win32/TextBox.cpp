// A text box: a one-line edit control whose typing reaches the model, with its length limit and caret.
#include "platform/win32/Controls.h"

namespace platform::win32 {

Window::Style TextBoxWindow::Styled() const {
  const auto align = control().Alignment();
  const DWORD alignment = align == forms::Align::Center  ? ES_CENTER
                          : align == forms::Align::Right ? ES_RIGHT
                                                         : ES_LEFT;
  return {L"Edit", ChildStyle(control()) | WS_TABSTOP | ES_AUTOHSCROLL | alignment, WS_EX_CLIENTEDGE};
}

void TextBoxWindow::Created() {
  Window::Created();
  Changed(forms::Prop::MaxLength);
}

void TextBoxWindow::Changed(forms::Prop what) {
  switch (what) {
    case forms::Prop::MaxLength:
      SendMessageW(hwnd(), EM_LIMITTEXT, static_cast<WPARAM>(box().MaxLength()), 0);
      break;
    case forms::Prop::SelStart: {
      const int at = box().SelStart();
      SendMessageW(hwnd(), EM_SETSEL, static_cast<WPARAM>(at), at);
      break;
    }
    default:
      Window::Changed(what);
  }
}

// What the user typed is the model's text; a box is never clicked.
void TextBoxWindow::Command(int code) {
  if (code != EN_CHANGE) return;
  const int length = GetWindowTextLengthW(hwnd());
  std::wstring text(static_cast<size_t>(length) + 1, L'\0');
  GetWindowTextW(hwnd(), text.data(), length + 1);
  text.resize(static_cast<size_t>(length));
  control().UserSetCaption(text);
}

}  // namespace platform::win32
