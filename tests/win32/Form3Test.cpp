// The dialog window on real windows.
#include "Win32Fixture.h"
#include "settings/Form3.h"

namespace {

using namespace win32_test;

class Dialog : public Binding {
 protected:
  settings::Form3& d() { return program->form3; }
  void Show() {
    d().ShowSettings();
    platform.Pump();
  }
};

TEST_F(Dialog, IsAModelessPopupWithEveryControlInPlace) {
  Show();
  HWND hwnd = Of(d());
  EXPECT_EQ(Text(hwnd), L"Form3");
  EXPECT_TRUE(GetWindowLongW(hwnd, GWL_STYLE) & WS_POPUP);
  EXPECT_EQ(GetWindow(hwnd, GW_OWNER), nullptr);
  for (const forms::Control* control : d().Controls()) {
    const forms::Kind kind = control->kind();
    if (kind == forms::Kind::Line) continue;
    ExpectPlaced(*control, kind == forms::Kind::Frame   ? L"QuorvelFrame"
                           : kind == forms::Kind::Label ? L"Static"
                                                        : L"Button");
  }

  // What shows at a point takes its clicks: the options over the label, each circle over its left neighbour.
  for (auto* option : {&d().optStart[0], &d().optPred[1], &d().optPred[2]}) {
    RECT rect;
    GetWindowRect(Of(*option), &rect);
    EXPECT_EQ(WindowFromPoint(POINT{rect.left + 4, rect.top + 2}), Of(*option));   // under the label's foot
    EXPECT_EQ(WindowFromPoint(POINT{rect.left + 4, rect.top + 12}), Of(*option));  // beside the label
  }
  d().optPred[0].SetValue(true);
  SendMessageW(Of(d().optPred[1]), BM_CLICK, 0, 0);
  EXPECT_EQ(SendMessageW(Of(d().optPred[1]), BM_GETCHECK, 0, 0), BST_CHECKED);
  EXPECT_EQ(SendMessageW(Of(d().optPred[0]), BM_GETCHECK, 0, 0), BST_UNCHECKED);
  EXPECT_TRUE(d().optPred[1].Value());
}

}  // namespace
