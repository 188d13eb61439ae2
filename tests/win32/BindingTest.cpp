// The Win32 binding under Wine: real windows for the forms, their classes, texts, places and states.
#include "Win32Fixture.h"

namespace {

using namespace win32_test;

TEST_F(Binding, QuizWindowIsABorderlessTopmostPopupCutToItsRoundedRegion) {
  HWND hwnd = Of(form1());
  EXPECT_EQ(Text(hwnd), L"Таблица умножения");
  const LONG style = GetWindowLongW(hwnd, GWL_STYLE);
  EXPECT_TRUE(style & WS_POPUP);
  EXPECT_FALSE(style & (WS_CAPTION | WS_THICKFRAME | WS_SYSMENU));
  EXPECT_TRUE(GetWindowLongW(hwnd, GWL_EXSTYLE) & WS_EX_TOPMOST);
  EXPECT_TRUE(IsWindowVisible(hwnd));

  RECT rect;
  GetWindowRect(hwnd, &rect);
  EXPECT_EQ(rect.right - rect.left, 568);
  EXPECT_EQ(rect.bottom - rect.top, 248);
  EXPECT_EQ(rect.left, (GetSystemMetrics(SM_CXSCREEN) * 15 / 2 - 4260) / 15);

  // The rounded rectangle (100,10)-(444,220) with 30-pixel corners, as the system itself cuts it.
  HRGN region = CreateRectRgn(0, 0, 0, 0);
  ASSERT_NE(GetWindowRgn(hwnd, region), ERROR);
  HRGN expected = CreateRoundRectRgn(100, 10, 444, 220, 30, 30);
  RECT box, expectedBox;
  GetRgnBox(region, &box);
  GetRgnBox(expected, &expectedBox);
  EXPECT_TRUE(EqualRect(&box, &expectedBox));
  EXPECT_EQ(box.left, 100);
  EXPECT_EQ(box.top, 10);
  EXPECT_FALSE(PtInRegion(region, 101, 11));  // the corner is cut off
  EXPECT_TRUE(PtInRegion(region, 115, 25));
  EXPECT_TRUE(PtInRegion(region, 272, 115));
  DeleteObject(region);
  DeleteObject(expected);
}

TEST_F(Binding, EveryControlIsAStandardWindowInItsPlace) {
  ExpectPlaced(form1().lblZag, L"Static");
  ExpectPlaced(form1().Frame1, L"QuorvelFrame");
  for (int r = 0; r < 3; ++r) {
    ExpectPlaced(form1().lblP[r], L"Static");
    ExpectPlaced(form1().txtR[r], L"Edit");
    ExpectPlaced(form1().lblZ[r], L"Static");
    ExpectPlaced(form1().picPod[r], L"Static");
    EXPECT_EQ(SendMessageW(Of(form1().txtR[r]), EM_GETLIMITTEXT, 0, 0), 2);
  }
  for (auto& button : form1().cmdOK) ExpectPlaced(button, L"Button");
  for (auto& picture : form1().picUP) ExpectPlaced(picture, L"Static");
  EXPECT_EQ(Text(Of(form1().cmdOK[0])), L"ВСЁ");
  EXPECT_EQ(Text(Of(form1().cmdOK[1])), L"Ещё");
}

TEST_F(Binding, FirstAnswerBoxHasTheFocusAndTabWalksTheBoxesThenTheButtons) {
  EXPECT_EQ(GetFocus(), Of(form1().txtR[0]));
  HWND order[] = {Of(form1().txtR[1]), Of(form1().txtR[2]), Of(form1().cmdOK[0]), Of(form1().cmdOK[1])};
  HWND form = Of(form1());
  for (HWND next : order) {
    EXPECT_EQ(GetNextDlgTabItem(form, GetFocus(), FALSE), next);
    SetFocus(next);
  }
}

TEST_F(Binding, ModelChangesReachTheWindowsAndTypingReachesTheModel) {
  form1().lblP[1].SetCaption(L"кошка");
  EXPECT_EQ(Text(Of(form1().lblP[1])), L"кошка");
  form1().txtR[2].SetEnabled(false);
  EXPECT_FALSE(IsWindowEnabled(Of(form1().txtR[2])));
  form1().txtR[0].SetMaxLength(0);
  EXPECT_GT(SendMessageW(Of(form1().txtR[0]), EM_GETLIMITTEXT, 0, 0), 1000);
  form1().txtR[1].SetWidth(2250);
  EXPECT_EQ(RectIn(Of(form1().txtR[1])).right - RectIn(Of(form1().txtR[1])).left, 150);

  SendMessageW(Of(form1().txtR[1]), WM_CHAR, L'4', 0);
  SendMessageW(Of(form1().txtR[1]), WM_CHAR, L'2', 0);
  EXPECT_EQ(form1().txtR[1].Text(), L"42");
}

TEST_F(Binding, LabelsAndBoxesUseTheirOwnColours) {
  HDC dc = CreateCompatibleDC(nullptr);
  HWND frame = Of(form1().Frame1);
  SendMessageW(frame, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
               reinterpret_cast<LPARAM>(Of(form1().lblZ[0])));
  EXPECT_EQ(GetBkColor(dc), RGB(224, 224, 224));
  EXPECT_EQ(GetTextColor(dc), RGB(255, 0, 0));
  SendMessageW(Of(form1()), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
               reinterpret_cast<LPARAM>(Of(form1().lblZag)));
  EXPECT_EQ(GetBkColor(dc), RGB(0, 0, 192));
  EXPECT_EQ(GetTextColor(dc), GetSysColor(COLOR_HIGHLIGHTTEXT));
  form1().txtR[0].SetBackColor(form1().BackColor());
  SendMessageW(frame, WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(dc),
               reinterpret_cast<LPARAM>(Of(form1().txtR[0])));
  EXPECT_EQ(GetBkColor(dc), GetSysColor(COLOR_MENU));
  DeleteDC(dc);
}

TEST_F(Binding, EveryPressOnTheTitleOrAProblemDragsAQuickSecondOneToo) {
  const struct {
    const forms::Control* control;
    UINT message;
  } presses[] = {{&form1().lblZag, WM_LBUTTONDOWN},
                 {&form1().lblZag, WM_LBUTTONDBLCLK},
                 {&form1().lblP[1], WM_RBUTTONDBLCLK},
                 {&form1().lblP[2], WM_MBUTTONDBLCLK}};
  for (const auto& press : presses) SendMessageW(Of(*press.control), press.message, 0, MAKELPARAM(5, 5));
  EXPECT_EQ(platform.sent, std::vector<unsigned>(4, WM_NCLBUTTONDOWN));
}

TEST_F(Binding, CloseRequestsDoNotCloseTheQuiz) {
  HWND hwnd = Of(form1());
  SendMessageW(hwnd, WM_CLOSE, 0, 0);
  SendMessageW(hwnd, WM_SYSCOMMAND, SC_CLOSE, 0);
  EXPECT_TRUE(IsWindow(hwnd));
  EXPECT_TRUE(IsWindowVisible(hwnd));
  EXPECT_TRUE(SendMessageW(hwnd, WM_QUERYENDSESSION, 0, 0));
}

TEST_F(Binding, SettingsFileLandsInTheProgramsFolder) {
  HANDLE file = CreateFileW((platform.folder + L"\\quorvel.ini").c_str(), GENERIC_READ, FILE_SHARE_READ,
                            nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(file, INVALID_HANDLE_VALUE);
  EXPECT_EQ(GetFileSize(file, nullptr), 23u);
  CloseHandle(file);
}

}  // namespace
