// Real keys through the message loop in the three windows: the keyboard is never lost, Tab reaches every
// group, Enter presses the button it should and Escape closes.
#include "Win32Fixture.h"
#include "settings/Form3.h"

namespace {

using namespace win32_test;

class Keyboard : public Binding {
 protected:
  void Type(int row, const std::wstring& text) { SetWindowTextW(Of(form1().txtR[row]), text.c_str()); }
  std::wstring Product(int row) {
    return std::to_wstring(form1().nMnozh1[row + 1] * form1().nMnozh2[row + 1]);
  }
  bool Checked(const forms::OptionButton& option) {
    return SendMessageW(Of(option), BM_GETCHECK, 0, 0) == BST_CHECKED;
  }
  // The black frame round a button that Enter presses, as it is on the screen.
  bool ShowsDefaultFrame(const forms::Control& button) {
    HDC dc = GetDC(Of(button));
    const COLORREF corner = GetPixel(dc, 0, 0);
    ReleaseDC(Of(button), dc);
    return corner == RGB(0, 0, 0);
  }
};

TEST_F(Keyboard, EnterOnARightRowGoesOnToTheRowToCorrectAndEnterOnDonePressesDone) {
  Type(0, Product(0));
  Type(1, L"1");
  Type(2, Product(2));
  SetFocus(Of(form1().txtR[2]));
  platform.Key(VK_RETURN);
  EXPECT_FALSE(IsWindowEnabled(Of(form1().txtR[2])));
  EXPECT_EQ(GetFocus(), Of(form1().txtR[1]));
  EXPECT_TRUE(ShowsDefaultFrame(form1().cmdOK[1]));

  platform.Key(VK_TAB);
  EXPECT_EQ(GetFocus(), Of(form1().cmdOK[0]));
  EXPECT_FALSE(ShowsDefaultFrame(form1().cmdOK[1]));
  Type(1, Product(1));
  platform.Key(VK_RETURN);
  EXPECT_TRUE(platform.ended);
}

TEST_F(Keyboard, HelpTakesTheKeyboardAtEveryShowingAndHandsItBackWhenEnterOrEscapeClosesIt) {
  SetFocus(Of(form1().txtR[1]));
  quiz::Form4& help = program->form4;
  for (WORD key : {VK_RETURN, VK_ESCAPE}) {
    form1().picUP[1].Click();
    platform.Pump();
    EXPECT_EQ(GetFocus(), Of(help.Command1));
    platform.Key(key);
    EXPECT_FALSE(IsWindowVisible(Of(help)));
    EXPECT_EQ(GetActiveWindow(), Of(form1()));
    EXPECT_EQ(GetFocus(), Of(form1().txtR[1]));
  }
}

TEST_F(Keyboard, TabStopsOnceInEachOptionGroupArrowsMoveWithinItAndOnlySpaceChooses) {
  settings::Form3& d = program->form3;
  form1().picUP[1].Click();  // the help stays open behind: the keyboard must not go there from the dialog
  platform.Pump();
  SetFocus(Of(form1().txtR[2]));
  d.ShowSettings();
  platform.Pump();
  EXPECT_EQ(GetFocus(), Of(d.cmdOK[0]));
  platform.Key(VK_TAB);
  EXPECT_EQ(GetFocus(), Of(d.cmdOK[1]));
  platform.Key(VK_TAB);
  EXPECT_EQ(GetFocus(), Of(d.optStart[0]));  // none selected: the group's first
  platform.Key(VK_RIGHT);
  EXPECT_EQ(GetFocus(), Of(d.optStart[1]));
  EXPECT_FALSE(Checked(d.optStart[0]) || Checked(d.optStart[1]) || d.optStart[0].Value() ||
               d.optStart[1].Value());
  platform.Key(VK_SPACE);
  EXPECT_TRUE(Checked(d.optStart[1]) && d.optStart[1].Value());
  platform.Key(VK_RIGHT);  // round within the group
  EXPECT_EQ(GetFocus(), Of(d.optStart[0]));
  platform.Key(VK_TAB);
  EXPECT_EQ(GetFocus(), Of(d.optPred[0]));
  platform.Key(VK_TAB);
  EXPECT_EQ(GetFocus(), Of(d.cmdOK[0]));
  platform.Key(VK_TAB);
  platform.Key(VK_TAB);
  EXPECT_EQ(GetFocus(), Of(d.optStart[1]));  // the selected option is the group's stop
  EXPECT_TRUE(d.optStart[1].Value());
  EXPECT_FALSE(d.optStart[0].Value() || d.optPred[0].Value());

  platform.Key(VK_ESCAPE);
  EXPECT_FALSE(IsWindowVisible(Of(d)));
  EXPECT_EQ(GetActiveWindow(), Of(form1()));
  EXPECT_EQ(GetFocus(), Of(form1().txtR[2]));

  // Shown again, as the message: Enter on its first control closes it.
  d.ShowInputError();
  platform.Pump();
  EXPECT_EQ(GetFocus(), Of(d.cmdOK[0]));
  platform.Key(VK_RETURN);
  EXPECT_FALSE(IsWindowVisible(Of(d)));
  EXPECT_EQ(GetFocus(), Of(form1().txtR[2]));
}

}  // namespace
