// The floor for start-up time that counts what the quiz window itself costs: the same window written flat in
// plain Win32, with no forms layer and no platform. A rounded topmost popup with a frame, three problems with
// their answer boxes and marks, two owner-drawn buttons and five pictures: the 18 standard controls of the
// quiz, in its fonts, colours and places at 96 dpi, with its manifest. Built as quorvel.exe is.
#include <windows.h>

namespace {

const COLORREF kGrey = RGB(224, 224, 224);
HFONT g_problemFont, g_titleFont;
HBRUSH g_grey, g_menu, g_title;

struct Child {
  const wchar_t* windowClass;
  const wchar_t* text;
  DWORD style, exStyle;
  int x, y, width, height;
  bool inFrame, problemFont;
};

// Front to back, as the quiz stacks them; ids from 100.
const Child kChildren[] = {
    {L"Static", L"", SS_NOTIFY | SS_OWNERDRAW | WS_VISIBLE, 0, 113, 17, 16, 10, false, false},
    {L"Static", L"", SS_NOTIFY | SS_OWNERDRAW, 0, 104, 64, 16, 17, false, false},
    {L"Static", L"", SS_NOTIFY | SS_OWNERDRAW, 0, 104, 104, 16, 17, false, false},
    {L"Static", L"", SS_NOTIFY | SS_OWNERDRAW, 0, 104, 144, 16, 17, false, false},
    {L"Static", L"", SS_NOTIFY | SS_OWNERDRAW | WS_VISIBLE, 0, 410, 184, 16, 16, false, false},
    {L"FlatFrame", L"", WS_CLIPCHILDREN | WS_VISIBLE, WS_EX_CONTROLPARENT, 117, 44, 313, 137, false, false},
    {L"Button", L"ВСЁ", WS_TABSTOP | BS_OWNERDRAW | WS_VISIBLE, 0, 192, 187, 81, 25, false, false},
    {L"Button", L"Ещё", WS_TABSTOP | BS_OWNERDRAW | WS_VISIBLE, 0, 280, 187, 81, 25, false, false},
    {L"Static", L"\r\nРеши три примера и компьютер загрузится",
     SS_NOTIFY | SS_NOPREFIX | SS_CENTER | WS_VISIBLE, 0, 88, 2, 369, 35, false, false},
    {L"Edit", L"", WS_TABSTOP | ES_AUTOHSCROLL | ES_CENTER | WS_VISIBLE, WS_EX_CLIENTEDGE, 233, 13, 33, 33,
     true, true},
    {L"Edit", L"", WS_TABSTOP | ES_AUTOHSCROLL | ES_CENTER | WS_VISIBLE, WS_EX_CLIENTEDGE, 233, 53, 33, 33,
     true, true},
    {L"Edit", L"", WS_TABSTOP | ES_AUTOHSCROLL | ES_CENTER | WS_VISIBLE, WS_EX_CLIENTEDGE, 233, 93, 33, 33,
     true, true},
    {L"Static", L"+", SS_NOTIFY | SS_NOPREFIX | SS_CENTER, 0, 280, 16, 25, 25, true, true},
    {L"Static", L"7      x      8      =", SS_NOTIFY | SS_NOPREFIX | SS_RIGHT | WS_VISIBLE, 0, 13, 16, 200,
     25, true, true},
    {L"Static", L"4      x      9      =", SS_NOTIFY | SS_NOPREFIX | SS_RIGHT | WS_VISIBLE, 0, 13, 56, 200,
     25, true, true},
    {L"Static", L"+", SS_NOTIFY | SS_NOPREFIX | SS_CENTER, 0, 280, 56, 25, 25, true, true},
    {L"Static", L"6      x      3      =", SS_NOTIFY | SS_NOPREFIX | SS_RIGHT | WS_VISIBLE, 0, 13, 96, 200,
     25, true, true},
    {L"Static", L"+", SS_NOTIFY | SS_NOPREFIX | SS_CENTER, 0, 280, 96, 25, 25, true, true},
};

LRESULT Colors(HWND child, HDC dc) {
  if (GetDlgCtrlID(child) == 108) {  // the title
    SetTextColor(dc, GetSysColor(COLOR_HIGHLIGHTTEXT));
    SetBkColor(dc, RGB(0, 0, 192));
    return reinterpret_cast<LRESULT>(g_title);
  }
  SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
  SetBkColor(dc, kGrey);
  return reinterpret_cast<LRESULT>(g_grey);
}

void DrawButton(const DRAWITEMSTRUCT& item) {
  RECT rect = item.rcItem;
  HBRUSH face = CreateSolidBrush(item.CtlID == 106 ? RGB(255, 192, 192) : RGB(0, 192, 192));
  FillRect(item.hDC, &rect, face);
  DeleteObject(face);
  DrawEdge(item.hDC, &rect, item.itemState & ODS_SELECTED ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT);
  wchar_t text[8];
  GetWindowTextW(item.hwndItem, text, 8);
  SetBkMode(item.hDC, TRANSPARENT);
  DrawTextW(item.hDC, text, -1, &rect, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
}

LRESULT CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORBTN:
      return Colors(reinterpret_cast<HWND>(lParam), reinterpret_cast<HDC>(wParam));
    case WM_DRAWITEM: {
      const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
      if (item.CtlType == ODT_BUTTON) {
        DrawButton(item);
      } else {
        FillRect(item.hDC, &item.rcItem, g_grey);
      }
      return TRUE;
    }
    case WM_ERASEBKGND: {
      RECT rect;
      GetClientRect(hwnd, &rect);
      FillRect(reinterpret_cast<HDC>(wParam), &rect, GetParent(hwnd) ? g_grey : g_menu);
      return 1;
    }
    case WM_CLOSE:
      return 0;
  }
  return DefWindowProcW(hwnd, msg, wParam, lParam);
}

HFONT BoldFont(int pixels, const wchar_t* face) {
  return CreateFontW(-pixels, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, RUSSIAN_CHARSET, OUT_DEFAULT_PRECIS,
                     CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, face);
}

void RegisterClasses(HINSTANCE instance) {
  WNDCLASSEXW form{};
  form.cbSize = sizeof form;
  form.lpfnWndProc = Proc;
  form.hInstance = instance;
  form.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(1));
  form.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));
  form.lpszClassName = L"FlatForm";
  RegisterClassExW(&form);
  form.hIcon = nullptr;
  form.lpszClassName = L"FlatFrame";
  RegisterClassExW(&form);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  RegisterClasses(instance);
  g_problemFont = BoldFont(19, L"Tahoma");
  g_titleFont = BoldFont(11, L"MS Sans Serif");
  g_grey = CreateSolidBrush(kGrey);
  g_menu = GetSysColorBrush(COLOR_MENU);
  g_title = CreateSolidBrush(RGB(0, 0, 192));

  const int left = (GetSystemMetrics(SM_CXSCREEN) - 568) / 2, top = (GetSystemMetrics(SM_CYSCREEN) - 248) / 2;
  HWND form = CreateWindowExW(0, L"FlatForm", L"Таблица умножения", WS_POPUP | WS_CLIPCHILDREN, left, top,
                              568, 248, nullptr, nullptr, instance, nullptr);
  HWND frame = nullptr, firstBox = nullptr;
  int id = 100;
  for (const Child& child : kChildren) {
    HWND hwnd = CreateWindowExW(child.exStyle, child.windowClass, child.text,
                                WS_CHILD | WS_CLIPSIBLINGS | child.style, child.x, child.y, child.width,
                                child.height, child.inFrame ? frame : form,
                                reinterpret_cast<HMENU>(static_cast<INT_PTR>(id++)), instance, nullptr);
    SendMessageW(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(child.problemFont ? g_problemFont : g_titleFont),
                 0);
    if (child.exStyle & WS_EX_CONTROLPARENT) frame = hwnd;
    if (child.exStyle & WS_EX_CLIENTEDGE) {
      SendMessageW(hwnd, EM_LIMITTEXT, 2, 0);
      if (!firstBox) firstBox = hwnd;
    }
  }
  SetWindowRgn(form, CreateRoundRectRgn(100, 10, 444, 220, 30, 30), TRUE);
  SetWindowPos(form, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE);
  SetTimer(form, 1, 120, nullptr);
  ShowWindow(form, SW_SHOW);
  SetForegroundWindow(form);
  SetFocus(firstBox);

  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    if (IsDialogMessageW(form, &msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  return 0;
}
